// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/formulas.h"

namespace tavrimo {

const geometry::FigureChoice& geometry::choiceFor(int listIndex)
{
    if (listIndex >= 0 && listIndex < static_cast<int>(kChoices.size()) - 1)
        return kChoices[static_cast<size_t>(listIndex)];
    return kChoices.back();
}

}  // namespace tavrimo
