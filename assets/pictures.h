// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pictures the window carries, embedded in the executable: which control
// holds each, where its file lives among the resources and its pixel size.
// An image control is 15 twips per pixel of its picture.

#include <array>
#include <string_view>

namespace tavrimo {

struct PictureInfo {
    std::string_view control;   // the image control that holds the picture
    std::string_view resource;  // Qt resource path
    std::string_view format;    // "jpeg", "bmp"
    int width;
    int height;
};

inline constexpr size_t kThermometer = 0;

// Entry 0 is the thermometer of the temperature converter; entries 1 to 15
// are the figure drawings Image1 .. Image15 of the formula page.
inline constexpr std::array<PictureInfo, 16> kPictures = {{
    {"Image21", ":/pictures/thermometer.bmp", "bmp", 44, 72},
    {"Image1", ":/pictures/image1.jpg", "jpeg", 142, 137},
    {"Image2", ":/pictures/image2.jpg", "jpeg", 165, 163},
    {"Image3", ":/pictures/image3.jpg", "jpeg", 164, 154},
    {"Image4", ":/pictures/image4.jpg", "jpeg", 146, 137},
    {"Image5", ":/pictures/image5.jpg", "jpeg", 157, 150},
    {"Image6", ":/pictures/image6.jpg", "jpeg", 144, 148},
    {"Image7", ":/pictures/image7.jpg", "jpeg", 226, 132},
    {"Image8", ":/pictures/image8.jpg", "jpeg", 132, 174},
    {"Image9", ":/pictures/image9.jpg", "jpeg", 124, 96},
    {"Image10", ":/pictures/image10.jpg", "jpeg", 136, 112},
    {"Image11", ":/pictures/image11.jpg", "jpeg", 160, 150},
    {"Image12", ":/pictures/image12.jpg", "jpeg", 154, 126},
    {"Image13", ":/pictures/image13.jpg", "jpeg", 99, 109},
    {"Image14", ":/pictures/image14.jpg", "jpeg", 166, 136},
    {"Image15", ":/pictures/image15.jpg", "jpeg", 95, 83},
}};

inline constexpr std::string_view kWindowIcon = ":/pictures/tavrimo.ico";
// What the window shows as its icon, all read as PNG so that opening it
// loads no image plugin: the .ico's own 32-pixel image kept as a PNG, and
// the same icon drawn by the generator at 48 and 64 pixels, for the title
// bar of a dense screen. (Qt reads an icon's files when they are added, so
// the larger renderings, for menus, are left to the desktop's icon theme.)
inline constexpr std::array<std::string_view, 3> kWindowIcons = {
    ":/pictures/tavrimo-32.png", ":/pictures/tavrimo-48.png", ":/pictures/tavrimo-64.png"};

// The picture entry of an image control, or nullptr when it holds none of its own.
const PictureInfo* pictureOf(std::string_view control);

}  // namespace tavrimo
