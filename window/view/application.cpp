#include "window/view/application.h"

#include "window/view/fonts.h"

#include <QApplication>
#include <QMessageBox>
#include <QStyleFactory>

namespace tavrimo {

void MessageBoxes::showMessage(const QString& prompt, const QString& title, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information, title, prompt,
                    QMessageBox::Ok, parent_);
    box.exec();
}

void configureApplication(QApplication& app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setLayoutDirection(Qt::RightToLeft);
    app.setFont(windowDefaultFont());
    app.setApplicationName(QStringLiteral("Tavrimo"));
}

Application::Application()
    : program_(NumberFormat::fromCLocale(), boxes_), window_(std::make_unique<MainWindow>(program_.window()))
{
    boxes_.setParent(window_.get());
    program_.start();
}

}  // namespace tavrimo
