// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The zoom a person chose, kept between runs with Qt's settings in the
// desktop's configuration folder ($XDG_CONFIG_HOME/tavrimo/tavrimo.conf on
// Linux). It is the only thing kept; not the window's place, nothing else.

namespace tavrimo {

class MainWindow;

// The kept zoom in percent; 100 when none is kept or what is kept cannot be
// read or is no zoom from 100 to 300.
int rememberedZoom();
// Keeps the zoom; a folder that cannot be written keeps nothing, silently.
void rememberZoom(int percent);

// Opens the window at the kept zoom (or the largest that fits the screen),
// and keeps the zoom it shows when it is closed, if the person changed it.
void keepZoomBetweenRuns(MainWindow& window);

}  // namespace tavrimo
