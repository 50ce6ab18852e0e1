// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/version.h"
#include "printing/print_action.h"
#include "window/view/fonts.h"
#include "window/view/style.h"
#include "window/view/translation.h"

#include <QApplication>
#include <QMessageBox>

// The pictures are compiled into a static library, so their registration has
// to be asked for by name.
static void registerPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace tavrimo {

void MessageBoxes::showMessage(const QString& prompt, const QString& title, MessageIcon icon)
{
    loadQtArabic();  // the button's حسنًا
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information, title, prompt,
                    QMessageBox::Ok, parent_);
    // A dialog does not take its window's font: at the window's zoom it is given it.
    if (parent_)
        box.setFont(parent_->font());
    box.exec();
    // Back to the window, with the keyboard focus where it was.
    if (parent_)
        parent_->activateWindow();
}

void configureApplication(QApplication& app)
{
    app.setStyle(new WindowStyle);
    app.setLayoutDirection(Qt::RightToLeft);
    app.setFont(windowDefaultFont());
    app.setApplicationName(QString::fromLatin1(version::kInternalName));
    app.setApplicationVersion(QString::fromLatin1(version::kNumber));
    app.setDesktopFileName(QString::fromLatin1(version::kAppId));
}

Application::Application()
    : registered_((registerPictures(), true)), program_(NumberFormat::fromCLocale(), boxes_),
      window_(std::make_unique<MainWindow>(program_.window()))
{
    boxes_.setParent(window_.get());
    program_.start();
    wirePrinting(*window_, program_.window());
}

}  // namespace tavrimo
