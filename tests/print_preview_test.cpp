// SPDX-License-Identifier: GPL-3.0-or-later
// The print preview as a person opens it: Ctrl+P (or the formula box's
// menu item) over the window, the preview found in the widget tree, named,
// holding the pages of what the window shows, its controls named for a
// screen reader and reachable by the keyboard, and Esc closing it.

#include "window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QToolButton>

namespace tavrimo::testing {
namespace {

class PrintPreview : public WindowFixture {
protected:
    // The preview that Ctrl+P opened, shown and with its pages made.
    QPrintPreviewDialog* pressCtrlP()
    {
        // Back to the window, as closing the last preview leaves it.
        QApplication::setActiveWindow(&window());
        QTest::keyClick(&window(), Qt::Key_P, Qt::ControlModifier);
        QPrintPreviewDialog* found = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QPrintPreviewDialog*>(top); dialog && dialog->isVisible())
                found = dialog;
        if (found) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(found));
            QApplication::processEvents();
        }
        return found;
    }

    void closeWithEsc(QPrintPreviewDialog* dialog)
    {
        const QPointer<QPrintPreviewDialog> open(dialog);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(open.isNull()) << "Esc leaves the preview open";
    }
};

struct Shown {
    const char* name;
    int page;    // the tab page on view
    int figure;  // the figure picked in the list, -1 for none
    int pages;   // the preview's pages
};

TEST_F(PrintPreview, ctrl_p_previews_what_the_window_shows_and_esc_closes_it)
{
    const Shown rows[] = {
        {"formula page, no figure picked: the nine sheets", 2, -1, 9},
        {"formula page, the sphere picked: its sheet", 2, 2, 1},
        {"formula page, the pyramid picked: its sheet", 2, 8, 1},
        {"first page: the page as shown", 0, -1, 1},
        {"second page: the page as shown", 1, -1, 1},
    };
    for (const Shown& row : rows) {
        SCOPED_TRACE(row.name);
        showPage(row.page);
        if (row.figure >= 0)
            model().userPick(model().require("Combo1"), row.figure);
        QPrintPreviewDialog* dialog = pressCtrlP();
        ASSERT_NE(dialog, nullptr) << "Ctrl+P opens no preview";
        EXPECT_FALSE(dialog->accessibleName().isEmpty());
        EXPECT_EQ(dialog->font().pointSizeF(), window().font().pointSizeF());
        auto* pages = dialog->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(pages, nullptr);
        EXPECT_EQ(pages->pageCount(), row.pages);
        // Every control a screen reader meets is named, in Arabic.
        const QRegularExpression arabic(QStringLiteral("[\\x{0621}-\\x{064A}]"));
        for (QWidget* control : dialog->findChildren<QWidget*>()) {
            if (!control->isVisible()
                || !(qobject_cast<QToolButton*>(control) || qobject_cast<QLineEdit*>(control)
                     || qobject_cast<QComboBox*>(control)))
                continue;
            const QString name = control->accessibleName();
            EXPECT_TRUE(name.contains(arabic)) << control->metaObject()->className() << " named '"
                                               << name.toStdString() << "'";
            EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus) << name.toStdString();
        }
        closeWithEsc(dialog);
    }
}

TEST_F(PrintPreview, the_formula_box_menu_holds_the_print_item_with_ctrl_p)
{
    QAction* print = nullptr;
    for (QAction* action : widget("txtGra")->actions())
        if (action->text() == QStringLiteral("اطبع…"))
            print = action;
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->shortcut(), QKeySequence(QKeySequence::Print));
}

}  // namespace
}  // namespace tavrimo::testing
