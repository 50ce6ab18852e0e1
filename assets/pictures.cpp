// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/pictures.h"

namespace tavrimo {

const PictureInfo* pictureOf(std::string_view control)
{
    for (const PictureInfo& p : kPictures)
        if (p.control == control)
            return &p;
    return nullptr;
}

}  // namespace tavrimo
