#include "app/program.h"

#include "window/control_row.h"

#include <algorithm>

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

void trimField(Form& form, ControlId field)
{
    const QStringView trimmed = trimSpaces(form.text(field));
    if (trimmed.size() != form.text(field).size())
        form.w.setText(field, trimmed.toString());
}

Program::Program(NumberFormat numbers, MessagePresenter& messages)
    : window_(initialWindowState()), form_(window_, numbers, messages),
      routes_(static_cast<size_t>(window_.size()))
{
    for (ControlId id = 0; id < window_.size(); ++id)
        for (const Route& route : routingTable())
            if (route.control == window_.at(id).row->name)
                routes_[static_cast<size_t>(id)][static_cast<size_t>(route.event)] = &route;
    window_.setEventSink([this](ControlId id, Event event) { deliver(id, event); });
}

void Program::start()
{
    window_.raise(window_.require("Form1"), Event::Load);
}

HandlerStats Program::takeStats()
{
    return std::exchange(stats_, HandlerStats{});
}

void Program::deliver(ControlId id, Event event)
{
    const Route* route = routes_[static_cast<size_t>(id)][static_cast<size_t>(event)];
    if (!route || (route->blocked && route->blocked(form_)))
        return;
    const int index = window_.at(id).row->index;
    ++stats_.handlers;
    ScopedValue depth(depth_, depth_ + 1);
    stats_.depth = std::max(stats_.depth, depth_);
    try {
        route->run(form_, index);
    } catch (const Failure& failure) {
        if (failureListener_) {
            QString name = QString::fromLatin1(route->handler.data(), static_cast<qsizetype>(route->handler.size()));
            if (index >= 0)
                name += QStringLiteral("(%1)").arg(index);
            failureListener_(name, failure.reason);
        }
    }
}

}  // namespace tavrimo
