// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/catalogue.h"

#include "form/form.h"
#include "numbers/numbers.h"

#include <string>

namespace tavrimo {

namespace {

ControlId slotControl(const Form& form, units::OptionalSlot slot)
{
    switch (slot) {
    case units::OptionalSlot::Field3: return form.c.txtUSA[3];
    case units::OptionalSlot::Field4: return form.c.txtUSA[4];
    case units::OptionalSlot::Label10: return form.c.Label3D1[10];
    case units::OptionalSlot::Label11: return form.c.Label3D1[11];
    }
    return kNoControl;
}

void switchCategory(Form& form, uint8_t category)
{
    const size_t row = category - 1u;
    form.bytCategory = category;
    lblNum(form);
    for (const units::VisibilityStep& step : units::kVisibility[row])
        form.w.setVisible(slotControl(form, step.target), step.shown);
    for (size_t j = 0; j < 5 && !units::kFactorTexts[row][j].empty(); ++j)
        form.w.setTag(form.c.txtUSA[j], toQString(units::kFactorTexts[row][j]));
    txtEmpty(form);
}

}  // namespace

Exact units::unitsPerBase(QStringView factorText)
{
    // Read once: a conversion asks for every imperial field's factor.
    static const auto kExact = [] {
        std::array<std::array<Exact, 5>, kCategories> exact;
        for (size_t category = 0; category < kUnitSizes.size(); ++category)
            for (size_t j = 0; j < kUnitSizes[category].size(); ++j)
                if (!kUnitSizes[category][j].empty())
                    exact[category][j] = 1 / readExact(QString::fromLatin1(kUnitSizes[category][j]), NumberFormat{u'.'});
        return exact;
    }();
    for (size_t category = 0; category < kFactorTexts.size(); ++category)
        for (size_t j = 0; j < kFactorTexts[category].size(); ++j)
            if (!kFactorTexts[category][j].empty() && factorText == kFactorTexts[category][j])
                return kExact[category][j];
    return readExact(factorText, NumberFormat{u'.'});
}

void lblNum(Form& form)
{
    if (form.bytCategory < 1 || form.bytCategory > units::kCategories)
        return;
    const auto& names = units::kUnitNames[form.bytCategory - 1u];
    for (size_t k = 0; k < names.size() && !names[k].empty(); ++k)
        form.w.setCaption(form.c.Label3D1[k], toQString(names[k]));
}

void txtEmpty(Form& form)
{
    for (ControlId field : form.c.txtTAS)
        form.w.setText(field, QString());
    for (ControlId field : form.c.txtUSA)
        form.w.setText(field, QString());
}

void optTall_Click(Form& form) { switchCategory(form, 1); }
void optArea_Click(Form& form) { switchCategory(form, 2); }
void optSize_Click(Form& form) { switchCategory(form, 3); }
void optW_Click(Form& form) { switchCategory(form, 4); }

}  // namespace tavrimo
