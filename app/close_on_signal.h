// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// SIGTERM and SIGHUP (a session that ends, a `kill`) close the window as the
// person's own close does, so that what the close keeps is kept, and end
// the program.

class QWidget;

namespace tavrimo {

void closeOnTerminationSignals(QWidget& window);

}  // namespace tavrimo
