// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/keyboard.h"

#include <algorithm>
#include <vector>

namespace tavrimo {

ControlId buttonForKey(const WindowModel& model, WindowKey key, ControlId focused, int page)
{
    if (key == WindowKey::Enter && focused != kNoControl && model.at(focused).row->kind == Kind::CommandButton)
        return focused;
    for (ControlId id = 0; id < model.size(); ++id) {
        const Control& c = model.at(id);
        const bool role = key == WindowKey::Enter ? c.row->isDefault : c.row->isCancel;
        if (role && c.visible && c.enabled && model.pageOf(id) == page)
            return id;
    }
    return kNoControl;
}

ControlId neighbourOption(const WindowModel& model, ControlId option, int step)
{
    if (option == kNoControl || model.at(option).row->kind != Kind::OptionButton)
        return kNoControl;
    std::vector<ControlId> group;
    for (ControlId id = 0; id < model.size(); ++id) {
        const Control& c = model.at(id);
        if (c.row->kind == Kind::OptionButton && c.row->container == model.at(option).row->container
            && (id == option || (c.visible && c.enabled)))
            group.push_back(id);
    }
    if (group.size() < 2)
        return kNoControl;
    std::stable_sort(group.begin(), group.end(), [&model](ControlId a, ControlId b) {
        return model.at(a).top < model.at(b).top;
    });
    const auto at = static_cast<int>(std::find(group.begin(), group.end(), option) - group.begin());
    const int count = static_cast<int>(group.size());
    return group[static_cast<size_t>(((at + step) % count + count) % count)];
}

bool isTabStop(const WindowModel& model, ControlId id)
{
    const Control& c = model.at(id);
    switch (c.row->kind) {
    case Kind::OptionButton:
        return c.value;
    case Kind::TextBox:
    case Kind::CommandButton:
    case Kind::ComboBox:
        return c.row->tabOrder >= 0;
    default:
        return false;
    }
}

}  // namespace tavrimo
