// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"

#include "window/control_row.h"

#include <algorithm>

namespace tavrimo {

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
    if (event == Event::Change)
        markEntry(form_, id);
    const Route* route = routes_[static_cast<size_t>(id)][static_cast<size_t>(event)];
    if (!route || (route->blocked && route->blocked(form_)))
        return;
    const int index = window_.at(id).row->index;
    if (route->quiet) {
        route->run(form_, index);
        return;
    }
    ++stats_.handlers;
    ScopedValue depth(depth_, depth_ + 1);
    stats_.depth = std::max(stats_.depth, depth_);

    // The handling of a person's edit notes which fields it assigns, so that
    // a failure leaves no amount of an earlier edit beside the new one.
    const bool personEdit = route->clearStale && !editFailed_ && window_.personEditing() == id;
    bool failed = false;
    std::vector<ControlId> assigned;
    ScopedValue editFailed(editFailed_, personEdit ? &failed : editFailed_);
    if (personEdit)
        window_.setAssignmentLog(&assigned);
    try {
        route->run(form_, index);
    } catch (const Failure& failure) {
        if (editFailed_)
            *editFailed_ = true;
        if (failureListener_) {
            QString name = QString::fromLatin1(route->handler.data(), static_cast<qsizetype>(route->handler.size()));
            if (index >= 0)
                name += QStringLiteral("(%1)").arg(index);
            failureListener_(name, failure.reason);
        }
    }
    if (personEdit) {
        window_.setAssignmentLog(nullptr);
        if (failed)
            route->clearStale(form_, assigned, id);
    }
}

}  // namespace tavrimo
