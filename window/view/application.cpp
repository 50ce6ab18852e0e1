#include "window/view/application.h"

#include "window/view/fonts.h"

#include <QApplication>
#include <QMessageBox>
#include <QStyleFactory>

// The pictures are compiled into a static library, so their registration has
// to be asked for by name.
static void registerPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace tavrimo {

void MessageBoxes::showMessage(const QString& prompt, const QString& title, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information, title, prompt,
                    QMessageBox::Ok, parent_);
    box.exec();
    // Back to the window, with the keyboard focus where it was.
    if (parent_)
        parent_->activateWindow();
}

void configureApplication(QApplication& app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setLayoutDirection(Qt::RightToLeft);
    app.setFont(windowDefaultFont());
    app.setApplicationName(QStringLiteral("Tavrimo"));
}

Application::Application()
    : registered_((registerPictures(), true)), program_(NumberFormat::fromCLocale(), boxes_), window_(std::make_unique<MainWindow>(program_.window()))
{
    boxes_.setParent(window_.get());
    program_.start();
}

}  // namespace tavrimo
