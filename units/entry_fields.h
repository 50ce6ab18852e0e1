#pragma once

// The handlers of the twelve unit fields: a change converts, the focus
// colours the field and picks the driving field, a mouse press selects the
// whole text.

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

}  // namespace tavrimo
