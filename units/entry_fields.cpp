// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/entry_fields.h"

#include "form/form.h"
#include "numbers/numbers.h"
#include "units/catalogue.h"
#include "units/conversion.h"

#include <algorithm>

namespace tavrimo {

namespace {

constexpr Colour kFocusBack = Colour::of(0xFFFF00);
constexpr Colour kFocusText = Colour::of(0xC85000);
constexpr Colour kRestingText = Colour::of(0x000000);

ControlId metric(const Form& form, int index) { return form.c.txtTAS.at(static_cast<size_t>(index)); }
ControlId imperial(const Form& form, int index) { return form.c.txtUSA.at(static_cast<size_t>(index)); }

void runConversionOfCategory(Form& form, bool includeWeight)
{
    if (form.selected(form.c.optTall) || (includeWeight && form.selected(form.c.optW)))
        Tall(form);
    if (form.selected(form.c.optArea))
        Area(form);
    if (form.selected(form.c.optSize))
        Size(form);
}

void focusGained(Form& form, ControlId field)
{
    form.w.setBackColor(field, kFocusBack);
    form.w.setForeColor(field, kFocusText);
}

void focusLost(Form& form, ControlId field)
{
    form.w.setBackColor(field, form.w.at(form.c.TPC).backColor);
    form.w.setForeColor(field, kRestingText);
}

void selectAllOnPress(Form& form, ControlId field)
{
    if (form.text(field).isEmpty())
        return;
    form.w.setSelStart(field, 0);
    form.w.setSelLength(field, static_cast<int>(form.text(field).size()));
    form.w.requestFocus(field);
}

// A field the person empties takes the amount away: the other fields of the
// category go empty with it. An empty text the program writes converts
// nothing and empties nothing.
bool emptied(Form& form, ControlId field)
{
    if (!form.text(field).isEmpty())
        return false;
    if (form.w.personEditing() == field)
        clearUnassignedUnitFields(form, {}, field);
    return true;
}

}  // namespace

void clearUnassignedUnitFields(Form& form, std::span<const ControlId> assigned, ControlId edited)
{
    ScopedValue quiet(form.conversionRunning, true);
    const auto clear = [&](ControlId field) {
        if (field != edited && form.w.at(field).visible
            && std::find(assigned.begin(), assigned.end(), field) == assigned.end())
            form.w.setText(field, QString());
    };
    std::for_each(form.c.txtTAS.begin(), form.c.txtTAS.end(), clear);
    std::for_each(form.c.txtUSA.begin(), form.c.txtUSA.end(), clear);
}

void txtTAS_Change(Form& form, int index)
{
    const ControlId field = metric(form, index);
    trimField(form, field);
    if (emptied(form, field))
        return;
    runConversionOfCategory(form, true);
}

void txtUSA_Change(Form& form, int index)
{
    const ControlId field = imperial(form, index);
    trimField(form, field);
    if (emptied(form, field))
        return;
    ScopedValue edited(form.editedImperialField, index);

    const QString& typed = form.text(field);
    const Exact amount = readExact(typed, form.numbers) / units::unitsPerBase(form.w.at(field).tag);
    // Not inside a conversion: the base field's own Change handler runs for
    // this write, which is how the weight category converts an imperial entry.
    // When the base text stays the same that handler does not run, and the
    // conversion runs here, so that every field follows the new entry.
    const QString base = writeNumber(amount, form.numbers.writingIn(digitSystemOf(typed)));
    const bool baseUnchanged = base == form.text(form.c.txtTAS[3]);
    form.w.setText(form.c.txtTAS[3], base);
    runConversionOfCategory(form, baseUnchanged);
}

void txtTAS_GotFocus(Form& form, int index)
{
    focusGained(form, metric(form, index));
    form.bytSource = static_cast<uint8_t>(index);
}

void txtUSA_GotFocus(Form& form, int index)
{
    form.bytSource = 3;
    focusGained(form, imperial(form, index));
}

void txtTAS_LostFocus(Form& form, int index) { focusLost(form, metric(form, index)); }
void txtUSA_LostFocus(Form& form, int index) { focusLost(form, imperial(form, index)); }
void txtTAS_MouseDown(Form& form, int index) { selectAllOnPress(form, metric(form, index)); }
void txtUSA_MouseDown(Form& form, int index) { selectAllOnPress(form, imperial(form, index)); }

}  // namespace tavrimo
