// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/main_window.h"

#include "assets/pictures.h"
#include "window/label3d.h"
#include "window/view/accessibility.h"
#include "window/view/assistive_access.h"
#include "window/view/announcer.h"
#include "window/view/field_edit.h"
#include "window/view/fonts.h"
#include "window/view/page_canvas.h"
#include "window/view/picture_label.h"
#include "window/view/reading_order_access.h"
#include "window/view/spoken.h"
#include "window/view/style.h"
#include "window/view/wheel_zoom.h"
#include "window/view/widget_factory.h"
#include "window/view/window_keys.h"
#include "window/view/zoom.h"
#include "window/view/zoom_notice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>

#include <algorithm>
#include <string>

namespace tavrimo {

namespace {

// The tab strip keeps within the 360 twips above the page content, so that
// nothing of a page from its Top 360 on lies under it.
class PageTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override
    {
        QSize size = QTabBar::tabSizeHint(index);
        size.setHeight(std::min(size.height(), zoomed(MainWindow::kTabStripHeight, zoomOf(this))));
        return size;
    }
};

class TabControl : public QTabWidget {
public:
    explicit TabControl(QWidget* parent) : QTabWidget(parent) { setTabBar(new PageTabBar(this)); }
};

bool maximised(const QWidget* window)
{
    return window->isMaximized() || window->isFullScreen();
}

}  // namespace

MainWindow::MainWindow(WindowModel& model, QWidget* parent)
    : QWidget(parent), model_(model), widgets_(static_cast<size_t>(model.size()), nullptr)
{
    installAssistiveAccess();
    installPictureAccessible();
    installReadingOrderAccess();
    build();
    // A page not yet made takes the model's state when it is made.
    model_.addObserver([this](ControlId id, Notice notice) {
        QWidget* widget = madeWidget(id);
        if (!widget)
            return;
        if (notice == Notice::Geometry)
            place(id);
        drawProperty(widget, model_, id, notice);
    });
}

QWidget* MainWindow::madeWidget(ControlId id) const
{
    return id >= 0 && id < static_cast<int>(widgets_.size()) ? widgets_[static_cast<size_t>(id)] : nullptr;
}

QWidget* MainWindow::widgetOf(ControlId id) const
{
    if (id < 0 || id >= model_.size())
        return nullptr;
    // Asking for a widget is no change of the window's state, though the
    // widgets of its page may only now be made.
    if (const int page = model_.at(id).row->page; !madeWidget(id) && page >= 0 && !pageMade_[static_cast<size_t>(page)])
        const_cast<MainWindow*>(this)->makePage(page);
    return madeWidget(id);
}

ControlId MainWindow::controlOf(const QWidget* widget) const
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w == tabs_ || w == tabs_->tabBar())
            return tabControlId_;
        const auto it = std::find(widgets_.begin(), widgets_.end(), w);
        if (it != widgets_.end())
            return static_cast<ControlId>(it - widgets_.begin());
    }
    return kNoControl;
}

void MainWindow::build()
{
    const ControlId form = model_.require("Form1");
    setWindowTitle(model_.at(form).caption);
    const auto path = [](std::string_view resource) {
        return QString::fromLatin1(resource.data(), static_cast<qsizetype>(resource.size()));
    };
    QIcon icon;
    for (std::string_view size : kWindowIcons) {
        // Read as PNG outright: left to guess, the reader would first load
        // every image plugin to ask whether it knows the file.
        QImageReader reader(path(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    setWindowIcon(icon);
    // The style is the application's; a new window starts it at 100 %.
    if (auto* windowStyle = qobject_cast<WindowStyle*>(style()))
        windowStyle->setZoom(zoom_);
    baseSize_ = twipsToPixels(QRect(0, 0, model_.at(form).width, model_.at(form).height)).size();
    setMinimumSize(baseSize_);
    resize(baseSize_);

    tabControlId_ = model_.require("SSTab1");
    const Control& tab = model_.at(tabControlId_);
    tabs_ = new TabControl(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    placeTabControl();
    tabs_->tabBar()->setFocusPolicy(Qt::StrongFocus);
    tabs_->tabBar()->setExpanding(false);
    tabs_->tabBar()->setUsesScrollButtons(false);
    for (std::u16string_view caption : tab.row->items) {
        auto* page = new PageCanvas(tabs_);
        tabs_->addTab(page, toQString(caption));
        page->setAccessibleName(toQString(caption));
        pages_.push_back(page);
    }
    tabs_->setCurrentIndex(kStartPage);
    // Only the page on view is made at start; the others when first shown.
    pageMade_.assign(pages_.size(), false);
    makePage(kStartPage);
    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::makePage);
    keepPageBehindMessageBoxes(tabs_);

    wireWindowKeys();
    wireZoomKeys();
    // The control with the keyboard focus always shows it, also when the
    // mouse put the focus there, drawn by the style from the window's
    // palette. Qt clears this flag when the window is shown and activated,
    // so it is set again whenever the focus moves.
    setAttribute(Qt::WA_KeyboardFocusChange);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now->window() == this) {
            setAttribute(Qt::WA_KeyboardFocusChange);
            markEnterButton();
        }
    });
    tabs_->tabBar()->setFocus(Qt::OtherFocusReason);
}

// Makes the widgets of a page from the model's present state, at the
// window's zoom, and shows them when the page is on view.
void MainWindow::makePage(int page)
{
    if (page < 0 || page >= static_cast<int>(pageMade_.size()) || pageMade_[static_cast<size_t>(page)])
        return;
    const bool first = std::none_of(pageMade_.begin(), pageMade_.end(), [](bool made) { return made; });
    pageMade_[static_cast<size_t>(page)] = true;
    std::vector<ControlId> made;
    for (ControlId id = 0; id < model_.size(); ++id) {
        const Control& c = model_.at(id);
        if (c.row->page != page || c.row->kind == Kind::Form || c.row->kind == Kind::TabControl || neverShown(*c.row))
            continue;
        const ControlId container = model_.containerOf(id);
        QWidget* parent = container == tabControlId_ ? pages_.at(static_cast<size_t>(page)) : madeWidget(container);
        QWidget* widget = createWidget(c, parent);
        widgets_[static_cast<size_t>(id)] = widget;
        place(id);
        if (zoom_ != kMinZoom)
            zoomWidget(widget, zoom_);
        if (c.picture != kNoControl)
            drawProperty(widget, model_, id, Notice::Picture);
        if (c.row->kind == Kind::TextBox) {
            drawProperty(widget, model_, id, Notice::Text);
            drawProperty(widget, model_, id, Notice::Invalid);
        }
        wireInput(id, widget);
        made.push_back(id);
    }
    for (ControlId id : made)
        if (auto* label = qobject_cast<Label3D*>(madeWidget(id)))
            giveRoom(id, label);
    if (pages_.at(static_cast<size_t>(page))->isVisible())
        for (ControlId id : made)
            madeWidget(id)->setVisible(model_.at(id).visible);
    orderTabs();
    const auto widgetOfPage = [this, page, first](ControlId id) {
        if (id == tabControlId_)
            return first ? static_cast<QWidget*>(tabs_) : nullptr;
        return id != kNoControl && model_.at(id).row->page == page ? madeWidget(id) : nullptr;
    };
    nameControls(model_, widgetOfPage);
    speakOutcomes(model_, widgetOfPage);
}

void MainWindow::place(ControlId id)
{
    const Control& c = model_.at(id);
    const QRect twips(c.left, c.top, c.width, c.height);
    QWidget* widget = madeWidget(id);
    if (auto* page = qobject_cast<PageCanvas*>(widget->parentWidget()))
        page->place(widget, twips);
    else if (auto* label = qobject_cast<Label3D*>(widget))
        label->setHome(twipsToPixels(twips, zoom_));
    else
        widget->setGeometry(twipsToPixels(twips, zoom_));
}

// The tab control at its place in the form's client area, which lies in the
// middle of the window.
void MainWindow::placeTabControl()
{
    const Control& tab = model_.at(tabControlId_);
    const QSize content(zoomed(baseSize_.width(), zoom_), zoomed(baseSize_.height(), zoom_));
    const QPoint corner((width() - content.width()) / 2, (height() - content.height()) / 2);
    tabs_->setGeometry(twipsToPixels(QRect(tab.left, tab.top, tab.width, tab.height), zoom_).translated(corner));
}

// A 3-D label may widen to the left over free page, up to the nearest
// control on its row, and leaves the columns under a field on its right
// to the field, which lies on top of it. Its row is the band its caption
// takes, the label's middle.
void MainWindow::giveRoom(ControlId id, Label3D* label)
{
    constexpr int kGap = 60;  // twips kept clear before the next control
    const Control& c = model_.at(id);
    const QRect home(c.left, c.top, c.width, c.height);
    const QRect band = home.adjusted(0, c.height / 5, 0, -c.height / 5);
    const ControlId container = model_.containerOf(id);
    int leftmost = kGap;
    int textRight = home.right() + 1;
    QWidget* lowest = nullptr;  // the lowest of the fields that overlap the label
    for (ControlId other = 0; other < model_.size(); ++other) {
        const Control& o = model_.at(other);
        QWidget* widget = madeWidget(other);
        if (other == id || !widget || model_.containerOf(other) != container || o.row->page != c.row->page)
            continue;
        const QRect rect(o.left, o.top, o.width, o.height);
        if (rect.contains(home))
            continue;  // the page background it sits on
        if (rect.right() < home.left() && rect.top() <= band.bottom() && rect.bottom() >= band.top())
            leftmost = std::max(leftmost, rect.right() + 1 + kGap);
        if (rect.intersects(home) && rect.left() > home.left()) {
            const QObjectList& order = label->parentWidget()->children();
            if (!lowest || order.indexOf(widget) < order.indexOf(lowest))
                lowest = widget;
            if (rect.top() <= band.bottom() && rect.bottom() >= band.top())
                textRight = std::min(textRight, rect.left());
        }
    }
    if (lowest)
        label->stackUnder(lowest);
    // Twips to whole pixels at the zoom: the room to the left rounded down,
    // the covered columns up.
    const int pixelTwips = 1500;
    label->setRoom((home.left() - leftmost) * zoom_ / pixelTwips,
                   ((home.right() + 1 - textRight) * zoom_ + pixelTwips - 1) / pixelTwips);
}

void MainWindow::wireInput(ControlId id, QWidget* widget)
{
    if (auto* field = qobject_cast<FieldEdit*>(widget)) {
        // Whatever changes a field's text besides the program's own writes
        // is the person's edit: keys, a paste, a drop, an input method,
        // undo, and a screen reader's or an on-screen keyboard's edit
        // through the accessibility interface, which sets the whole text.
        // The program's writes reach the widget with the model already
        // holding their text, which tells them apart.
        connect(field, &QLineEdit::textChanged, this, [this, id, field](const QString& text) {
            if (text == model_.at(id).text)
                return;
            // A result box takes no edit from anywhere.
            if (field->isReadOnly()) {
                field->setText(model_.at(id).text);
                return;
            }
            // A drop or a middle-button paste edits a field without giving
            // it the focus; the focus goes where the text went.
            if (!field->hasFocus())
                field->setFocus(Qt::OtherFocusReason);
            if (!model_.userEdit(id, text))
                field->setText(model_.at(id).text);
        });
        const auto reportSelection = [this, id, field] {
            if (field->hasSelectedText())
                model_.userSelection(id, field->selectionStart(), static_cast<int>(field->selectedText().size()));
            else
                model_.userSelection(id, field->cursorPosition(), 0);
        };
        connect(field, &QLineEdit::selectionChanged, this, reportSelection);
        connect(field, &QLineEdit::cursorPositionChanged, this, reportSelection);
        connect(field, &FieldEdit::pressed, this, [this, id] { model_.userMouseDown(id); });
        field->installEventFilter(this);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this, [this, id] { model_.userClick(id); });
        if (model_.at(id).row->kind == Kind::OptionButton) {
            drawProperty(button, model_, id, Notice::Value);
            button->installEventFilter(this);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo, &QComboBox::activated, this, [this, id](int index) { model_.userPick(id, index); });
    }
}

// Enter and Esc reach the window wherever the focus is in it; the model says
// which command button they press. Only a page with a default or cancel
// button takes them away from the focused control.
void MainWindow::wireWindowKeys()
{
    new WindowKeys(this, [this](WindowKey key) { return pressButtonFor(key); }, [this](int step) { turnPage(step); });
    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::markEnterButton);
    markEnterButton();
}

// The zoom keys work from every control, like Ctrl+Tab: Ctrl+= (and Ctrl++,
// keypad +) one step up, Ctrl+- one step down, Ctrl+0 back to 100 %.
void MainWindow::wireZoomKeys()
{
    constexpr int kBackToStart = 0;
    constexpr Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    constexpr Qt::KeyboardModifiers keypad = Qt::ControlModifier | Qt::KeypadModifier;
    const std::pair<QKeyCombination, int> zoomKeys[] = {
        {QKeyCombination(ctrl, Qt::Key_Equal), 1},
        {QKeyCombination(ctrl, Qt::Key_Plus), 1},
        {QKeyCombination(keypad, Qt::Key_Plus), 1},
        {QKeyCombination(ctrl, Qt::Key_Minus), -1},
        {QKeyCombination(keypad, Qt::Key_Minus), -1},
        {QKeyCombination(ctrl, Qt::Key_0), kBackToStart},
        {QKeyCombination(keypad, Qt::Key_0), kBackToStart},
    };
    auto* notice = new ZoomNotice(this);
    const auto step = [this, notice](int direction) {
        const int requested = direction == kBackToStart ? kMinZoom : zoomStep(zoom_, direction);
        zoomTo(requested);
        notice->showZoom(zoom_, requested);
        Q_EMIT zoomChosen(requested);
    };
    for (const auto& [sequence, direction] : zoomKeys) {
        auto* shortcut = new QShortcut(QKeySequence(sequence), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [step, direction = direction] { step(direction); });
    }
    qApp->installEventFilter(new WheelZoom(this, step));
}

int MainWindow::largestZoomOnScreen() const
{
    const QScreen* screen = this->screen();
    if (!screen)
        return kMaxZoom;
    // The window's frame (title bar, borders) takes its share of the free area.
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(0, 0);
    return largestZoomFitting(baseSize_, screen->availableGeometry().size() - frame);
}

void MainWindow::zoomTo(int percent)
{
    int target = std::min(std::clamp(percent, kMinZoom, kMaxZoom), largestZoomOnScreen());
    if (maximised(this))
        target = std::min(target, largestZoomFitting(baseSize_, size()));
    if (target != zoom_)
        applyZoom(target);
    if (maximised(this))
        return;
    resize(zoomed(baseSize_.width(), zoom_), zoomed(baseSize_.height(), zoom_));
    // Grown past the screen's edge, or with its frame past it, the window
    // moves back onto the screen, so that every control stays reachable.
    if (isVisible() && screen()) {
        const QRect free = screen()->availableGeometry();
        const QRect frame = frameGeometry();
        const QPoint back(std::max(free.left() - frame.left(), std::min(0, free.right() - frame.right())),
                          std::max(free.top() - frame.top(), std::min(0, free.bottom() - frame.bottom())));
        if (!back.isNull())
            move(pos() + back);
    }
}

// A window resized by the person (its edge, maximising) shows the client
// area at the largest zoom it holds.
void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int fit = largestZoomFitting(baseSize_, size());
    if (fit != zoom_)
        applyZoom(fit);
    else
        placeTabControl();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    keepOnScreen();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    keepOnScreen();
}

// The window's frame is known only once the window manager has framed the
// shown window: a zoom that then no longer fits the screen comes down to the
// largest that does.
void MainWindow::keepOnScreen()
{
    if (!maximised(this) && zoom_ > largestZoomOnScreen())
        zoomTo(zoom_);
}

// Every measure of the window grows with the zoom: the style's, the fonts,
// the places of the controls, the room of the 3-D labels, the drawings.
void MainWindow::applyZoom(int percent)
{
    zoom_ = percent;
    if (auto* windowStyle = qobject_cast<WindowStyle*>(style()))
        windowStyle->setZoom(percent);
    setFont(windowDefaultFont(percent));
    // A tooltip is a window of its own: it does not take the window's font.
    QToolTip::setFont(windowDefaultFont(percent));
    for (ControlId id = 0; id < model_.size(); ++id) {
        QWidget* widget = madeWidget(id);
        if (!widget)
            continue;
        // A control whose own font waits for its first showing takes it at the zoom of then.
        if (hasOwnFont(*model_.at(id).row) && widget->testAttribute(Qt::WA_SetFont))
            widget->setFont(fontFor(model_.at(id).row->font, percent));
        zoomWidget(widget, percent);
    }
    placeTabControl();
    for (PageCanvas* page : pages_)
        page->setZoom(percent);
    for (ControlId id = 0; id < model_.size(); ++id) {
        if (!madeWidget(id))
            continue;
        if (!qobject_cast<PageCanvas*>(madeWidget(id)->parentWidget()))
            place(id);
        if (auto* label = qobject_cast<Label3D*>(madeWidget(id)))
            giveRoom(id, label);
    }
}

// The button that Enter would press wears the default button's frame: the
// default button, or the command button that has the focus instead.
void MainWindow::markEnterButton()
{
    const ControlId target = buttonForKey(model_, WindowKey::Enter, controlOf(QApplication::focusWidget()),
                                          tabs_->currentIndex());
    for (ControlId id = 0; id < model_.size(); ++id)
        if (auto* push = qobject_cast<QPushButton*>(madeWidget(id)))
            push->setDefault(id == target);
}

bool MainWindow::pressButtonFor(WindowKey key)
{
    if (buttonForKey(model_, key, kNoControl, tabs_->currentIndex()) == kNoControl)
        return false;
    const ControlId focused = controlOf(QApplication::focusWidget());
    if (auto* button = qobject_cast<QAbstractButton*>(widgetOf(buttonForKey(model_, key, focused, tabs_->currentIndex()))))
        button->click();
    return true;
}

void MainWindow::turnPage(int step)
{
    const int count = tabs_->count();
    tabs_->setCurrentIndex((tabs_->currentIndex() + step + count) % count);
    // The tab strip speaks its new page itself; a control of the new page
    // taking the focus is spoken without it.
    if (QApplication::focusWidget() != tabs_->tabBar())
        announce(this, tabs_->tabText(tabs_->currentIndex()));
}

// An arrow key on an option button selects the next one of its group as a
// click would, and the focus goes with the selection.
bool MainWindow::moveOptionSelection(ControlId option, int key)
{
    const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1 : -1;
    const ControlId next = neighbourOption(model_, option, step);
    if (next == kNoControl)
        return false;
    widgetOf(next)->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    model_.userClick(next);
    return true;
}

// The Tab key follows the window's tab order through the controls of the page on view.
void MainWindow::orderTabs()
{
    std::vector<ControlId> order;
    for (ControlId id = 0; id < model_.size(); ++id)
        if (madeWidget(id) && model_.at(id).row->tabOrder >= 0 && madeWidget(id)->focusPolicy() != Qt::NoFocus)
            order.push_back(id);
    std::stable_sort(order.begin(), order.end(), [this](ControlId a, ControlId b) {
        return model_.at(a).row->tabOrder < model_.at(b).row->tabOrder;
    });
    QWidget* previous = tabs_->tabBar();
    for (ControlId id : order) {
        setTabOrder(previous, madeWidget(id));
        previous = madeWidget(id);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::KeyPress && qobject_cast<const QRadioButton*>(widget)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right)
            && (static_cast<QKeyEvent*>(event)->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
            return moveOptionSelection(controlOf(widget), key) || QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusOut && qobject_cast<const QRadioButton*>(widget)) {
        // The button takes Tab stops for itself when it gains the focus; the
        // selected button of the group is the one stop again once it leaves.
        for (ControlId id = 0; id < model_.size(); ++id)
            if (model_.at(id).row->kind == Kind::OptionButton && madeWidget(id))
                drawProperty(madeWidget(id), model_, id, Notice::Value);
        return QWidget::eventFilter(watched, event);
    }
    if (qobject_cast<const FieldEdit*>(widget) && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        // Focus moves between the window's controls only; the window losing
        // activation (a message box, another program) is not a control
        // losing the focus. The focus that comes with the window's activation
        // is a move when it arrives at another field than the one that had
        // it (a click straight into a field of the inactive window), and
        // nothing when it returns to the same one.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason || (reason == Qt::ActiveWindowFocusReason && event->type() == QEvent::FocusOut))
            return QWidget::eventFilter(watched, event);
        const ControlId id = controlOf(widget);
        if (id != kNoControl) {
            if (event->type() == QEvent::FocusIn)
                model_.userFocusIn(id);
            else
                model_.userFocusOut(id);
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tavrimo
