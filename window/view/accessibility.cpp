// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/accessibility.h"

#include <QWidget>

#include <string>
#include <vector>

namespace tavrimo {

namespace {

ControlId find(const WindowModel& model, const ControlRef& ref)
{
    return model.find(ref.name, ref.index);
}

}  // namespace

void nameControls(WindowModel& model, const std::function<QWidget*(ControlId)>& widgetOf)
{
    struct Pair {
        QWidget* field;
        ControlId label;
    };
    std::vector<Pair> pairs;
    for (const NamedBy& row : kNamedBy) {
        QWidget* field = widgetOf(find(model, row.field));
        const ControlId label = find(model, row.label);
        if (field && label != kNoControl)
            pairs.push_back({field, label});
    }
    for (const FixedName& row : kFixedNames)
        if (QWidget* widget = widgetOf(find(model, row.control)))
            widget->setAccessibleName(toQString(row.name));

    for (const Pair& pair : pairs)
        pair.field->setAccessibleName(model.at(pair.label).caption);
    model.addObserver([&model, pairs](ControlId id, Notice notice) {
        if (notice != Notice::Caption)
            return;
        for (const Pair& pair : pairs)
            if (pair.label == id)
                pair.field->setAccessibleName(model.at(id).caption);
    });
}

}  // namespace tavrimo
