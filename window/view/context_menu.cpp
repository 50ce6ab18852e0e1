// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/context_menu.h"

#include "window/view/zoom.h"

#include <QApplication>
#include <QMenu>
#include <QString>

namespace tavrimo {

namespace {

// The text without its mnemonic marks ("&&", a drawn "&", stays). An Arabic
// word with an underlined letter is drawn in pieces, its letters unjoined.
QString withoutMnemonic(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&')
            plain += text[i];
        else if (i + 1 < text.size() && text[i + 1] == u'&')
            plain += QStringLiteral("&&"), ++i;
    }
    return plain;
}

}  // namespace

void popUpMenu(QMenu* menu, const QWidget* owner, QPoint at)
{
    // Each item reads whole; its key (Ctrl+Z ...) stays beside it and works.
    for (QAction* action : menu->actions())
        action->setText(withoutMnemonic(action->text()));
    menu->setLayoutDirection(Qt::RightToLeft);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QFont font = QApplication::font();
    font.setPointSizeF(zoomedF(font.pointSizeF(), zoomOf(owner)));
    menu->setFont(font);
    menu->popup(at);
}

}  // namespace tavrimo
