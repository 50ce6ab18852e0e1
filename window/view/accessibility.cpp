// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/accessibility.h"

#include "assets/pictures.h"
#include "geometry/drawing_words.h"
#include "window/view/drawings.h"

#include <QWidget>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace tavrimo {

namespace {

ControlId find(const WindowModel& model, const ControlRef& ref)
{
    return model.find(ref.name, ref.index);
}

void nameDrawings(const WindowModel& model, const std::vector<std::pair<ControlId, QWidget*>>& slots)
{
    const Control& list = model.at(find(model, kFigureList));
    const auto& items = list.row->items;
    // The list's handler takes any index beyond the items for the last figure.
    const QString figure = items.empty() ? QString()
                                         : toQString(items[static_cast<size_t>(std::clamp(list.listIndex, 0, static_cast<int>(items.size()) - 1))]);
    int drawings = 0;
    for (const auto& [id, widget] : slots)
        drawings += model.at(id).picture != kNoControl;
    int place = 0;
    for (const auto& [id, widget] : slots) {
        const ControlId picture = model.at(id).picture;
        if (picture == kNoControl) {
            widget->setAccessibleName({});
            widget->setAccessibleDescription({});
            continue;
        }
        widget->setAccessibleName(toQString(kDrawingName).arg(figure).arg(++place).arg(drawings));
        const std::string_view source = model.at(picture).row->name;
        const PictureInfo* info = pictureOf(source);
        const std::u16string_view words = geometry::drawingWords(source);
        widget->setAccessibleDescription(!words.empty() ? toQString(words)
                                         : info          ? lettersOn(*info).join(toQString(kLetterSeparator))
                                                         : QString());
    }
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
    for (const ControlRef& result : kResultBoxes)
        if (QWidget* widget = widgetOf(find(model, result)))
            widget->setAccessibleDescription(toQString(kResultDescription));

    for (const Pair& pair : pairs)
        pair.field->setAccessibleName(model.at(pair.label).caption);
    if (!pairs.empty())
        model.addObserver([&model, pairs](ControlId id, Notice notice) {
            if (notice != Notice::Caption)
                return;
            for (const Pair& pair : pairs)
                if (pair.label == id)
                    pair.field->setAccessibleName(model.at(id).caption);
        });

    std::vector<std::pair<ControlId, QWidget*>> slots;
    for (const ControlRef& slot : kDrawingSlots)
        if (QWidget* widget = widgetOf(find(model, slot)))
            slots.emplace_back(find(model, slot), widget);
    if (slots.empty() || find(model, kFigureList) == kNoControl)
        return;
    model.addObserver([&model, slots](ControlId id, Notice notice) {
        if (notice == Notice::Picture
            && std::any_of(slots.begin(), slots.end(), [id](const auto& slot) { return slot.first == id; }))
            nameDrawings(model, slots);
    });
}

}  // namespace tavrimo
