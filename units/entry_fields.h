// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The handlers of the twelve unit fields: a change converts, the focus
// colours the field and picks the driving field, a mouse press selects the
// whole text.

#include "window/model.h"

#include <span>

namespace tavrimo {

class Form;

void txtTAS_Change(Form& form, int index);
void txtUSA_Change(Form& form, int index);
void txtTAS_GotFocus(Form& form, int index);
void txtUSA_GotFocus(Form& form, int index);
void txtTAS_LostFocus(Form& form, int index);
void txtUSA_LostFocus(Form& form, int index);
void txtTAS_MouseDown(Form& form, int index);
void txtUSA_MouseDown(Form& form, int index);

// Empties every unit field the current category uses, except `edited` and
// the fields in `assigned`, without starting any handler. After a failed
// edit no field keeps the amount of an earlier one.
void clearUnassignedUnitFields(Form& form, std::span<const ControlId> assigned, ControlId edited);

}  // namespace tavrimo
