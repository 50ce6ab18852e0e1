// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/formulas.h"

#include "form/form.h"

namespace tavrimo {

const geometry::FigureChoice& geometry::choiceFor(int listIndex)
{
    if (listIndex >= 0 && listIndex < static_cast<int>(kChoices.size()) - 1)
        return kChoices[static_cast<size_t>(listIndex)];
    return kChoices.back();
}

void Combo1_Click(Form& form)
{
    const geometry::FigureChoice& choice = geometry::choiceFor(form.w.at(form.c.Combo1).listIndex);
    form.w.setText(form.c.txtGra, form.text(form.w.require(choice.textStore)));
    for (size_t i = 0; i < form.c.pictureSlots.size(); ++i) {
        const std::string_view store = choice.slotPictures[i];
        form.w.setPictureFrom(form.c.pictureSlots[i], store.empty() ? form.c.Image20 : form.w.require(store));
    }
}

}  // namespace tavrimo
