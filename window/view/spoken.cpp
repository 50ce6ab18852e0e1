// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/spoken.h"

#include "window/view/announcer.h"

#include <QAbstractButton>
#include <QComboBox>

namespace tavrimo {

QString spokenAnswer(const WindowModel& model)
{
    QStringList parts;
    for (const NamedResult& result : kAnswer) {
        const ControlId field = model.find(result.field.name, result.field.index);
        const ControlId label = model.find(result.label.name, result.label.index);
        if (field == kNoControl || label == kNoControl || model.at(field).text.isEmpty())
            continue;
        QString value = model.at(field).text;
        if (value.startsWith(u'-'))
            value[0] = QChar(0x2212);  // spoken "minus", not read as a dash
        parts << model.at(label).caption + u' ' + value;
    }
    return parts.join(toQString(kAnswerSeparator));
}

void speakOutcomes(WindowModel& model, const std::function<QWidget*(ControlId)>& widgetOf)
{
    const auto widget = [&](const ControlRef& ref) { return widgetOf(model.find(ref.name, ref.index)); };
    // These run after the window's own handler of the click, once the
    // results are written (or the message box that says there are none has
    // been closed).
    if (auto* solve = qobject_cast<QAbstractButton*>(widget(kSolveButton)))
        QObject::connect(solve, &QAbstractButton::clicked, solve,
                         [&model, solve] { announce(solve, spokenAnswer(model)); });
    if (auto* clear = qobject_cast<QAbstractButton*>(widget(kClearButton)))
        QObject::connect(clear, &QAbstractButton::clicked, clear,
                         [clear] { announce(clear, toQString(kCleared)); });
    if (auto* list = qobject_cast<QComboBox*>(widget(kFigureList)))
        QObject::connect(list, &QComboBox::activated, list, [list](int index) { announce(list, list->itemText(index)); });
}

}  // namespace tavrimo
