// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The conversions that fill every unit field of the category from the
// driving field txtTAS(bytSource): Tall for length and weight, Area for
// area, Size for volume.

namespace tavrimo {

class Form;

void Tall(Form& form);
void Area(Form& form);
void Size(Form& form);

}  // namespace tavrimo
