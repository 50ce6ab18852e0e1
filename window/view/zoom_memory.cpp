// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/zoom_memory.h"

#include "window/view/main_window.h"
#include "window/view/settings_file.h"
#include "window/view/zoom.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <charconv>

namespace tavrimo {

namespace {

const std::initializer_list<std::string_view> kKeys = {"zoom", "left", "top", "maximised"};

std::optional<int> number(const std::map<std::string, std::string>& values, const std::string& key, int low, int high)
{
    const auto it = values.find(key);
    if (it == values.end())
        return std::nullopt;
    int value = 0;
    const std::string& text = it->second;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

// A place is kept only with a zoom other than 100 % or a maximised window:
// at 100 % the window opens where the window manager puts it.
bool keepsPlace(const KeptView& view)
{
    return view.zoom != kMinZoom || view.maximised;
}

}  // namespace

KeptView rememberedView()
{
    const Settings kept = readSettings(settingsFilePath(), kKeys);
    KeptView view;
    view.zoom = number(kept.values, "zoom", kMinZoom, kMaxZoom).value_or(kMinZoom);
    constexpr int kFar = 1 << 20;
    const auto left = number(kept.values, "left", -kFar, kFar);
    const auto top = number(kept.values, "top", -kFar, kFar);
    if (left && top)
        view.place = QPoint(*left, *top);
    const auto maximised = kept.values.find("maximised");
    view.maximised = maximised != kept.values.end() && maximised->second == "true";
    if (!keepsPlace(view))
        view.place.reset();
    return view;
}

bool rememberView(const KeptView& view)
{
    std::vector<std::pair<std::string, std::string>> values = {{"zoom", std::to_string(view.zoom)}};
    if (keepsPlace(view)) {
        if (view.place) {
            values.emplace_back("left", std::to_string(view.place->x()));
            values.emplace_back("top", std::to_string(view.place->y()));
        }
        values.emplace_back("maximised", view.maximised ? "true" : "false");
    }
    return writeSettings(settingsFilePath(), values, kKeys);
}

int rememberedZoom()
{
    return rememberedView().zoom;
}

bool rememberZoom(int percent)
{
    return rememberView({percent, std::nullopt, false});
}

namespace {

// The window where it was closed when all of it lies on a screen there,
// otherwise centred on its screen.
void placeOnScreen(MainWindow& window, std::optional<QPoint> place)
{
    QRect area(place.value_or(QPoint()), window.size());
    if (place)
        for (const QScreen* screen : QGuiApplication::screens())
            if (screen->availableGeometry().contains(area)) {
                window.setGeometry(area);
                return;
            }
    if (const QScreen* screen = window.screen()) {
        area.moveCenter(screen->availableGeometry().center());
        window.setGeometry(area);
    }
}

// What the window shows when it is closed (while its frame, and so the
// largest zoom the screen holds, is still known). A maximised window keeps
// the zoom of its normal size, to which it returns.
KeptView shownView(const MainWindow& window)
{
    KeptView view;
    view.maximised = window.isMaximized();
    const QRect normal = view.maximised ? window.normalGeometry() : window.geometry();
    view.zoom = view.maximised && normal.isValid() ? largestZoomFitting(window.baseSize(), normal.size()) : window.zoom();
    if (keepsPlace(view) && normal.isValid())
        view.place = normal.topLeft();
    return view;
}

// Keeps the view when the window is closed, if the person changed it: a
// kept zoom that this screen cannot hold stays kept, for a larger one.
class ViewKeeper : public QObject {
public:
    ViewKeeper(MainWindow& window, const KeptView& kept) : QObject(&window), window_(window), kept_(kept)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        KeptView shown = shownView(window_);
        if (shown.zoom == std::min(kept_.zoom, window_.largestZoomOnScreen()))
            shown.zoom = kept_.zoom;
        if (!keepsPlace(shown))
            shown.place.reset();
        if (shown != kept_)
            rememberView(shown);
        return false;
    }

private:
    MainWindow& window_;
    KeptView kept_;
};

}  // namespace

void keepZoomBetweenRuns(MainWindow& window)
{
    const KeptView kept = rememberedView();
    window.zoomTo(kept.zoom);
    if (keepsPlace(kept))
        placeOnScreen(window, kept.place);
    if (kept.maximised)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    new ViewKeeper(window, kept);
}

}  // namespace tavrimo
