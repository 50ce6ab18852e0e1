// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/routing.h"

#include "form/form.h"
#include "geometry/formulas.h"
#include "quadratic/solver.h"
#include "temperature/temperature.h"
#include "units/catalogue.h"
#include "units/entry_fields.h"

namespace tavrimo {

void Form_Load(Form& form)
{
    form.bytCategory = 1;
    lblNum(form);
}

// The figure list shows the picked figure's formula text and drawings.
void Combo1_Click(Form& form)
{
    const geometry::FigureChoice& choice = geometry::choiceFor(form.w.at(form.c.Combo1).listIndex);
    form.w.setText(form.c.txtGra, form.text(form.w.require(choice.textStore)));
    for (size_t i = 0; i < form.c.pictureSlots.size(); ++i) {
        const std::string_view store = choice.slotPictures[i];
        form.w.setPictureFrom(form.c.pictureSlots[i], store.empty() ? form.c.Image20 : form.w.require(store));
    }
}

namespace {

bool duringConversion(const Form& form) { return form.conversionRunning; }
bool duringTemperature(const Form& form) { return form.temperatureRunning; }

constexpr Route kRoutes[] = {
    {"Form1", Event::Load, "Form_Load", [](Form& f, int) { Form_Load(f); }},
    {"optTall", Event::Click, "optTall_Click", [](Form& f, int) { optTall_Click(f); }},
    {"optArea", Event::Click, "optArea_Click", [](Form& f, int) { optArea_Click(f); }},
    {"optSize", Event::Click, "optSize_Click", [](Form& f, int) { optSize_Click(f); }},
    {"optW", Event::Click, "optW_Click", [](Form& f, int) { optW_Click(f); }},
    {"txtTAS", Event::Change, "txtTAS_Change", txtTAS_Change, duringConversion, clearUnassignedUnitFields},
    {"txtTAS", Event::GotFocus, "txtTAS_GotFocus", txtTAS_GotFocus},
    {"txtTAS", Event::LostFocus, "txtTAS_LostFocus", txtTAS_LostFocus},
    {"txtTAS", Event::MouseDown, "txtTAS_MouseDown", txtTAS_MouseDown},
    {"txtUSA", Event::Change, "txtUSA_Change", txtUSA_Change, duringConversion, clearUnassignedUnitFields},
    {"txtUSA", Event::GotFocus, "txtUSA_GotFocus", txtUSA_GotFocus},
    {"txtUSA", Event::LostFocus, "txtUSA_LostFocus", txtUSA_LostFocus},
    {"txtUSA", Event::MouseDown, "txtUSA_MouseDown", txtUSA_MouseDown},
    {"txtC", Event::Change, "txtC_Change", [](Form& f, int) { txtC_Change(f); }, duringTemperature,
     clearUnassignedTemperatureFields},
    {"txtF", Event::Change, "txtF_Change", [](Form& f, int) { txtF_Change(f); }, duringTemperature,
     clearUnassignedTemperatureFields},
    {"txtK", Event::Change, "txtK_Change", [](Form& f, int) { txtK_Change(f); }, duringTemperature,
     clearUnassignedTemperatureFields},
    {.control = "txtA", .event = Event::Change, .run = [](Form& f, int) { clearSolverResults(f); }, .quiet = true},
    {.control = "txtB", .event = Event::Change, .run = [](Form& f, int) { clearSolverResults(f); }, .quiet = true},
    {.control = "txtG", .event = Event::Change, .run = [](Form& f, int) { clearSolverResults(f); }, .quiet = true},
    {"cmdResult", Event::Click, "cmdResult_Click", [](Form& f, int) { cmdResult_Click(f); }},
    {"cmdCls", Event::Click, "cmdCls_Click", [](Form& f, int) { cmdCls_Click(f); }},
    {"Combo1", Event::Click, "Combo1_Click", [](Form& f, int) { Combo1_Click(f); }},
};

}  // namespace

std::span<const Route> routingTable()
{
    return kRoutes;
}

}  // namespace tavrimo
