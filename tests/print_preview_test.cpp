// SPDX-License-Identifier: GPL-3.0-or-later
// The printed sheet's lines, and the print preview as a person opens it: Ctrl+P (or the formula box's
// menu item) over the window, the preview found in the widget tree, named,
// holding the pages of what the window shows, its controls named for a
// screen reader and reachable by the keyboard, and Esc closing it.

#include "window_fixture.h"

#include "printing/sheet.h"

#include <QAction>
#include <QFile>
#include <QLibrary>
#include <QMessageBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QTimer>
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

// Whether a library whose file name holds `name` is mapped into this process.
bool mapped(const char* name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

// Declared first so that it runs first: the window is made without the
// preview's module, and the first Ctrl+P loads it.
TEST_F(PrintPreview, the_first_ctrl_p_loads_the_preview_module)
{
    EXPECT_FALSE(mapped("libtavrimo-preview")) << "the preview's module is loaded before a preview is asked for";
    showPage(2);
    QPrintPreviewDialog* dialog = pressCtrlP();
    ASSERT_NE(dialog, nullptr) << "Ctrl+P opens no preview";
    EXPECT_TRUE(mapped("libtavrimo-preview"));
    closeWithEsc(dialog);
}

// Run by preview_missing_test.sh from a folder without the module, or with
// something else in its place: Ctrl+P says in a message box that the preview
// cannot open, and why, and the window goes on.
TEST_F(PrintPreview, without_its_module_ctrl_p_says_so)
{
    if (QLibrary(QCoreApplication::applicationDirPath() + QStringLiteral("/libtavrimo-preview.so")).load())
        GTEST_SKIP() << "the preview's module is here";
    showPage(2);
    QString said;
    QString why;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            said = box->text().section(u'\n', 0, 0);
            why = box->text().section(u'\n', 1);
            box->button(QMessageBox::Ok)->click();
        }
    });
    QApplication::setActiveWindow(&window());
    QTest::keyClick(&window(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(said, QStringLiteral("تعذّر فتح معاينة الطباعة."));
    EXPECT_FALSE(why.isEmpty());
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<QPrintPreviewDialog*>(top) && top->isVisible());
    EXPECT_TRUE(window().isVisible());
}

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

// A line too long for the page wraps as in the formula box: its first row
// starts at the right edge, each continuation stands in from it by the
// hanging indent (a quarter of an inch).
TEST(PrintedSheet, a_wrapped_line_continues_indented_from_its_start)
{
    constexpr int kDpi = 96;
    const QString line = QString::fromUtf8("مساحة الحز الكروي : سط = {[4 (ب) (نق^2)]/ 360} × (يه درجة) ").repeated(3);
    const Sheet sheet{QStringLiteral("كرة"), line + QStringLiteral("\r\n") + line + QStringLiteral("\r\n"), {}};
    QImage page(400, 600, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        paintSheet(painter, QRectF(0, 0, page.width(), page.height()), kDpi, sheet);
    }
    // The rightmost ink of each row of text, top to bottom.
    std::vector<int> rights;
    bool inRow = false;
    for (int y = 0; y < page.height(); ++y) {
        int right = -1;
        for (int x = page.width() - 1; x >= 0 && right < 0; --x)
            if (qGray(page.pixel(x, y)) < 128)
                right = x;
        if (right >= 0 && !inRow)
            rights.push_back(right);
        else if (right >= 0)
            rights.back() = std::max(rights.back(), right);
        inRow = right >= 0;
    }
    // The heading, then each paragraph's rows: a first row, continuations.
    ASSERT_GE(rights.size(), 7u);
    const int edge = rights[1];
    EXPECT_GE(edge, page.width() - 8);
    int firsts = 0;
    for (size_t row = 1; row < rights.size(); ++row) {
        if (rights[row] >= edge - 4)
            ++firsts;
        else
            EXPECT_NEAR(rights[row], edge - kDpi / 4, 6) << "row " << row;
    }
    EXPECT_EQ(firsts, 2);
}

}  // namespace
}  // namespace tavrimo::testing
