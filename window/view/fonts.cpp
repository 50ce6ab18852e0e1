// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/fonts.h"

namespace tavrimo {

namespace {

QFont family(const char* name, double points)
{
    QFont font(QString::fromLatin1(name));
    // Signs the Arabic face lacks (+ = ^) come from the Noto face of the same
    // design and width as its digits, Latin letters from a general face.
    font.setFamilies(QStringList{QString::fromLatin1(name), QStringLiteral("Noto Sans Devanagari UI"),
                                 QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    return font;
}

QFont::Weight weightOf(int weight)
{
    if (weight >= 700)
        return QFont::Bold;
    if (weight >= 600)
        return QFont::DemiBold;
    return QFont::Normal;
}

}  // namespace

QFont windowDefaultFont()
{
    return family(kSansFamily, kDefaultPoints);
}

QFont fontFor(const FontStyle& row)
{
    QFont font = row.face == Face::MudirMT ? family(kNaskhFamily, row.points)
                                            : family(kSansFamily, row.face == Face::Default ? kDefaultPoints : row.points);
    font.setWeight(weightOf(row.weight));
    return font;
}

}  // namespace tavrimo
