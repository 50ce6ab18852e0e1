// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The zoom a person chose, kept between runs in the program's one settings
// file (settings_file.h), with the window's place and whether it was
// maximised when it was closed at that zoom. Nothing else is kept.

#include <QPoint>

#include <optional>

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
// Keeps the view, if the settings file may be written; returns whether it was.
bool rememberView(const KeptView& view);

int rememberedZoom();
bool rememberZoom(int percent);

// Opens the window at the kept zoom (or the largest that fits the screen),
// at a kept zoom where it was closed (or centred on the screen) and
// maximised if it was; keeps what it shows when it is closed, if the person
// changed it.
void keepZoomBetweenRuns(MainWindow& window);

}  // namespace tavrimo
