// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/form.h"

#include "window/control_row.h"

namespace tavrimo {

FormControls::FormControls(const WindowModel& w)
    : optTall(w.require("optTall")), optArea(w.require("optArea")), optSize(w.require("optSize")),
      optW(w.require("optW")), TPC(w.require("TPC")), txtC(w.require("txtC")), txtF(w.require("txtF")),
      txtK(w.require("txtK")), txtA(w.require("txtA")), txtB(w.require("txtB")), txtG(w.require("txtG")),
      sqrD(w.require("sqrD")), s1(w.require("s1")), s2(w.require("s2")), Combo1(w.require("Combo1")),
      txtGra(w.require("txtGra")), Image20(w.require("Image20"))
{
    for (int k = 0; k < 7; ++k)
        txtTAS[static_cast<size_t>(k)] = w.require("txtTAS", k);
    for (int j = 0; j < 5; ++j)
        txtUSA[static_cast<size_t>(j)] = w.require("txtUSA", j);
    for (int k = 0; k < 12; ++k)
        Label3D1[static_cast<size_t>(k)] = w.require("Label3D1", k);
    const char* slotNames[] = {"Image16", "Image17", "Image18", "Image19"};
    for (size_t i = 0; i < pictureSlots.size(); ++i)
        pictureSlots[i] = w.require(slotNames[i]);
}

void markEntry(Form& form, ControlId field)
{
    if (isEntryField(*form.w.at(field).row))
        form.w.setInvalid(field, entryState(form.text(field), form.numbers) == EntryState::NotANumber);
}

void trimField(Form& form, ControlId field)
{
    const QStringView trimmed = trimSpaces(form.text(field));
    if (trimmed.size() != form.text(field).size())
        form.w.setText(field, trimmed.toString());
}

}  // namespace tavrimo
