// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace tavrimo {

void loadQtArabic()
{
    // Owned by the application: gone with it, to be loaded again by the next.
    static QPointer<QTranslator> loaded;
    auto* app = QCoreApplication::instance();
    if (!app || loaded)
        return;
    loaded = new QTranslator(app);
    if (loaded->load(QStringLiteral("qtbase_ar"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(loaded);
}

}  // namespace tavrimo
