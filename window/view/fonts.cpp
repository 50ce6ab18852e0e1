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

QFont windowDefaultFont(int zoom)
{
    return family(kSansFamily, kDefaultPoints * zoom / 100);
}

QFont fontFor(const FontStyle& row, int zoom)
{
    const double points = (row.face == Face::Default ? kDefaultPoints : row.points) * zoom / 100;
    QFont font = family(row.face == Face::MudirMT ? kNaskhFamily : kSansFamily, points);
    font.setWeight(weightOf(row.weight));
    return font;
}

bool hasOwnFont(const ControlRow& row)
{
    return row.font.face != Face::Default || row.font.weight != 400;
}

}  // namespace tavrimo
