// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the keys that act on the window rather than on a single control reach:
// Enter and Esc, the arrow keys inside a group of option buttons, and Tab
// entering such a group. The view reports the key with the control that has
// the focus; these rules say which control the key acts on.

#include "window/model.h"

namespace tavrimo {

enum class WindowKey { Enter, Esc };

// The command button that `key` presses while `page` is on view and `focused`
// has the keyboard focus, or kNoControl. A focused command button takes Enter
// itself; otherwise Enter presses the default button and Esc the cancel
// button of the page on view, wherever the focus is.
ControlId buttonForKey(const WindowModel& model, WindowKey key, ControlId focused, int page);

// The option button an arrow key moves the selection to from `option`: the
// next one down (step 1) or up (step -1) among the visible, enabled option
// buttons of its container, wrapping around at the ends. kNoControl when
// `option` is not an option button or has no other in its group.
ControlId neighbourOption(const WindowModel& model, ControlId option, int step);

// Whether Tab stops at the control while it is shown and enabled. Of a group
// of option buttons only the selected one is a stop, so Tab enters the group
// at the selection.
bool isTabStop(const WindowModel& model, ControlId id);

}  // namespace tavrimo
