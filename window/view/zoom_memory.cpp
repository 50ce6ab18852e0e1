// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/zoom_memory.h"

#include "window/view/main_window.h"
#include "window/view/settings_file.h"
#include "window/view/zoom.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QWindowStateChangeEvent>

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

WriteResult rememberView(const KeptView& view)
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

WriteResult rememberZoom(int percent)
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

// For this long after the window is shown or its state changes, its
// resizes are the window manager's (a frame added, a size restored), not
// the person's.
constexpr int kSettleMilliseconds = 1000;

// Follows the zoom and the place the person chooses, and keeps them when the
// window is closed, if they changed: a kept zoom that this screen cannot
// hold stays kept, for a larger one.
class ViewKeeper : public QObject {
public:
    ViewKeeper(MainWindow& window, const KeptView& kept, CannotKeep cannotKeep)
        : QObject(&window), window_(window), kept_(kept), chosen_(kept.zoom), place_(kept.place),
          cannotKeep_(std::move(cannotKeep))
    {
        settled_.start();
        window.installEventFilter(this);
        connect(&window, &MainWindow::zoomChosen, this, [this](int percent) {
            chosen_ = percent;
            settled_.start();
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            settled_.start();
            // The frame a window manager adds is known only a moment after
            // the window is shown: then the window takes the chosen zoom, or
            // the largest the screen holds with the frame, wholly on it.
            for (const int after : {50, 200, 500, kSettleMilliseconds})
                QTimer::singleShot(after, this, [this] {
                    if (!imposed())
                        window_.zoomTo(chosen_);
                });
            break;
        case QEvent::WindowStateChange:
            settled_.start();
            if ((static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMaximized) && !imposed())
                restoreChosen();
            break;
        case QEvent::Resize:
            if (!imposed() && settled_.hasExpired(kSettleMilliseconds)) {
                const int fit = largestZoomFitting(window_.baseSize(), static_cast<QResizeEvent*>(event)->size());
                if (fit != window_.zoom())
                    chosen_ = fit;
            }
            notePlace();
            break;
        case QEvent::Move:
            notePlace();
            break;
        case QEvent::Close:
            keep();
            break;
        default:
            break;
        }
        return false;
    }

private:
    bool imposed() const { return window_.isMaximized() || window_.isFullScreen() || window_.isMinimized(); }

    void notePlace()
    {
        if (window_.isVisible() && !imposed() && settled_.hasExpired(kSettleMilliseconds))
            place_ = window_.geometry().topLeft();
    }

    // The window manager restores a size and place of its own choosing (one
    // it saw for a moment before the window was maximised): the window
    // takes the chosen zoom and place back, once the restore is done.
    void restoreChosen()
    {
        const auto restore = [this] {
            if (imposed())
                return;
            window_.zoomTo(chosen_);
            if (place_)
                placeOnScreen(window_, place_);
        };
        QTimer::singleShot(0, this, restore);
        QTimer::singleShot(kSettleMilliseconds / 4, this, restore);
    }

    void keep()
    {
        KeptView shown;
        shown.maximised = window_.isMaximized();
        shown.zoom = chosen_;
        shown.place = shown.maximised || !window_.isVisible() ? place_ : std::optional(window_.geometry().topLeft());
        if (!keepsPlace(shown))
            shown.place.reset();
        if (shown == kept_) {
            removeLeftovers(settingsFilePath(), kKeys);
            return;
        }
        const WriteResult written = rememberView(shown);
        if (written)
            kept_ = shown;
        else if (cannotKeep_ && !reported_) {
            reported_ = true;
            cannotKeep_(shown.zoom, settingsFilePath(), written);
        }
    }

    MainWindow& window_;
    KeptView kept_;
    int chosen_;
    std::optional<QPoint> place_;
    CannotKeep cannotKeep_;
    QElapsedTimer settled_;
    bool reported_ = false;
};

}  // namespace

void keepZoomBetweenRuns(MainWindow& window, CannotKeep cannotKeep)
{
    const KeptView kept = rememberedView();
    window.zoomTo(kept.zoom);
    if (keepsPlace(kept))
        placeOnScreen(window, kept.place);
    if (kept.maximised)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    new ViewKeeper(window, kept, std::move(cannotKeep));
}

}  // namespace tavrimo
