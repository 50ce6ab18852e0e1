// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The zoom a person chose, kept between runs in the program's one settings
// file (settings_file.h), with the window's place and whether it was
// maximised when it was closed at that zoom. Nothing else is kept.

#include "window/view/settings_file.h"

#include <QPoint>

#include <functional>
#include <optional>
#include <string>

namespace tavrimo {

class MainWindow;

struct KeptView {
    int zoom = 100;
    std::optional<QPoint> place;  // the client area's top left corner, on the screen
    bool maximised = false;

    bool operator==(const KeptView&) const = default;
};

// What is kept; the zoom is 100 and there is no place when nothing is kept,
// or what is kept cannot be read or is no zoom from 100 to 300.
KeptView rememberedView();
// Keeps the view, if the settings file may be written; says why not.
WriteResult rememberView(const KeptView& view);

int rememberedZoom();
WriteResult rememberZoom(int percent);

// Called once when the view the person chose could not be kept at close:
// the file's path (empty without a usable folder) and why.
using CannotKeep = std::function<void(int zoom, const std::string& path, const WriteResult& why)>;

// Opens the window at the kept zoom (or the largest that fits the screen,
// its frame counted), at a kept zoom where it was closed (or centred on the
// screen) and maximised if it was; keeps the view when the window is
// closed, if the person changed it. What is kept is the zoom the person
// last chose (zoom keys, Ctrl + wheel, a resize of their own), never one a
// window manager's resize imposed for a moment; a window un-maximised takes
// that zoom and its place back.
void keepZoomBetweenRuns(MainWindow& window, CannotKeep cannotKeep = {});

}  // namespace tavrimo
