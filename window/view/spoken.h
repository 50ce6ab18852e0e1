// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the screen reader is told when a command changes what the window
// shows away from the focus: the solver's answer after "النتيجة", that the
// equation went after "مسح", the figure picked from the closed list.

#include "window/view/accessibility.h"

namespace tavrimo {

struct NamedResult {
    ControlRef label;  // its caption names the result
    ControlRef field;
};

inline constexpr ControlRef kSolveButton = {"cmdResult"};
inline constexpr ControlRef kClearButton = {"cmdCls"};
// The answer in the order it is read: "جذر دلتا 2.23606797749979، س 1 …، س 2 …".
inline constexpr NamedResult kAnswer[] = {
    {{"Label5"}, {"sqrD"}},
    {{"Label6"}, {"s1"}},
    {{"Label7"}, {"s2"}},
};
inline constexpr std::u16string_view kAnswerSeparator = u"، ";
inline constexpr std::u16string_view kCleared = u"مُسحت المعادلة";

// Speaks the outcomes of the commands among the controls `widgetOf` gives
// (those of one page, once they are made).
void speakOutcomes(WindowModel& model, const std::function<QWidget*(ControlId)>& widgetOf);

// The answer as it is spoken, from the results the window shows; empty when
// they show none.
QString spokenAnswer(const WindowModel& model);

}  // namespace tavrimo
