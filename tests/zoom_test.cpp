// SPDX-License-Identifier: GPL-3.0-or-later
// Where the zoom keys step to, the largest zoom a screen holds, and the zoom
// kept between runs: a kept zoom that is missing, unreadable, corrupt or
// absurd opens the window at 100 %, and a folder that cannot be written is no
// error. The configuration folder is the build's own (XDG_CONFIG_HOME).

#include "window/view/zoom.h"
#include "window/view/zoom_memory.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <string>

using namespace tavrimo;

namespace {

struct Step {
    const char* name;
    int from;
    int direction;
    int to;
};

class ZoomStepTest : public ::testing::TestWithParam<Step> {};

TEST_P(ZoomStepTest, a_zoom_key_goes_to_the_next_step)
{
    EXPECT_EQ(zoomStep(GetParam().from, GetParam().direction), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(Steps, ZoomStepTest,
                         ::testing::Values(Step{"up_from_100", 100, 1, 125}, Step{"up_from_175", 175, 1, 200},
                                           Step{"up_from_200", 200, 1, 250}, Step{"up_stops_at_300", 300, 1, 300},
                                           Step{"down_stops_at_100", 100, -1, 100},
                                           Step{"down_from_300", 300, -1, 250},
                                           Step{"up_from_between_steps", 137, 1, 150},
                                           Step{"down_from_between_steps", 168, -1, 150}),
                         [](const ::testing::TestParamInfo<Step>& info) { return std::string(info.param.name); });

// Twips become pixels rounded to the nearest, 15 to a pixel at 100 %.
TEST(TwipsToPixels, round_to_the_nearest_pixel_at_any_zoom)
{
    const struct {
        int twips, zoom, pixels;
    } rows[] = {{1060, 100, 71}, {1052, 100, 70}, {7590, 100, 506}, {1060, 150, 106}, {1060, 300, 212}, {1065, 125, 89}};
    for (const auto& row : rows)
        EXPECT_EQ(twipsToPixels(QRect(row.twips, 0, row.twips, 0), row.zoom).width(), row.pixels)
            << row.twips << " twips at " << row.zoom << " %";
}

struct Screen {
    const char* name;
    QSize room;
    int largest;
};

class LargestZoomTest : public ::testing::TestWithParam<Screen> {};

// The window's client area is 506 x 457 pixels at 100 %.
TEST_P(LargestZoomTest, the_largest_zoom_that_fits_a_screen)
{
    EXPECT_EQ(largestZoomFitting(QSize(506, 457), GetParam().room), GetParam().largest);
}

INSTANTIATE_TEST_SUITE_P(Screens, LargestZoomTest,
                         ::testing::Values(Screen{"projector_1024x768", {1024, 768}, 168},
                                           Screen{"laptop_1366x768", {1366, 768}, 168},
                                           Screen{"full_hd_1920x1080", {1920, 1080}, 236},
                                           Screen{"exactly_200", {1012, 914}, 200},
                                           Screen{"one_pixel_short_of_200", {1011, 914}, 199},
                                           Screen{"too_small_for_100", {400, 300}, 100},
                                           Screen{"larger_than_300", {4000, 3000}, 300}),
                         [](const ::testing::TestParamInfo<Screen>& info) { return std::string(info.param.name); });

// The kept zoom's file, made afresh for each test.
class KeptZoomTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        ASSERT_TRUE(qEnvironmentVariable("XDG_CONFIG_HOME").endsWith(u"zoom-config")) << "not the build's own folder";
        folder_ = config + QStringLiteral("/tavrimo");
        QDir(folder_).removeRecursively();
        QFile::remove(folder_);
        ASSERT_TRUE(QDir().mkpath(folder_));
    }
    void TearDown() override
    {
        QDir(folder_).removeRecursively();
        QFile::remove(folder_);
    }

    QString file() const { return folder_ + QStringLiteral("/tavrimo.conf"); }
    void store(const QByteArray& content) const
    {
        QFile out(file());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(content);
        out.flush();
        // Qt's settings read a file again only when its size or time changed.
        static int written = 0;
        out.setFileTime(QDateTime::currentDateTime().addSecs(++written), QFileDevice::FileModificationTime);
    }

    QString folder_;
};

struct Kept {
    const char* name;
    const char* content;  // nullptr: no file
    int zoom;
};

class KeptZoomReadTest : public KeptZoomTest, public ::testing::WithParamInterface<Kept> {};

TEST_P(KeptZoomReadTest, a_kept_zoom_is_read_back_or_ignored)
{
    if (GetParam().content)
        store(QByteArray(GetParam().content, static_cast<qsizetype>(std::char_traits<char>::length(GetParam().content))));
    EXPECT_EQ(rememberedZoom(), GetParam().zoom);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, KeptZoomReadTest,
    ::testing::Values(Kept{"missing", nullptr, 100}, Kept{"kept_150", "[General]\nzoom=150\n", 150},
                      Kept{"kept_between_steps", "[General]\nzoom=168\n", 168},
                      Kept{"kept_300", "[General]\nzoom=300\n", 300}, Kept{"below_100", "[General]\nzoom=99\n", 100},
                      Kept{"above_300", "[General]\nzoom=301\n", 100},
                      Kept{"absurd", "[General]\nzoom=99999999999999999999\n", 100},
                      Kept{"negative", "[General]\nzoom=-150\n", 100},
                      Kept{"fraction", "[General]\nzoom=150.5\n", 100}, Kept{"words", "[General]\nzoom=large\n", 100},
                      Kept{"a_list", "[General]\nzoom=150, 200\n", 100}, Kept{"empty_file", "", 100},
                      Kept{"no_section", "zoom=150\n", 150},
                      Kept{"garbage", "\x01\xff\xfe[[[\n=\n\x80zoom\n", 100}),
    [](const ::testing::TestParamInfo<Kept>& info) { return std::string(info.param.name); });

TEST_F(KeptZoomTest, a_kept_zoom_is_the_only_thing_kept)
{
    rememberZoom(175);
    EXPECT_EQ(rememberedZoom(), 175);
    const QSettings kept(file(), QSettings::IniFormat);
    EXPECT_EQ(kept.allKeys(), QStringList{QStringLiteral("zoom")});
}

TEST_F(KeptZoomTest, an_unreadable_file_opens_at_100)
{
    ASSERT_TRUE(QDir().mkpath(file()));  // a folder where the file should be
    EXPECT_EQ(rememberedZoom(), 100);
}

TEST_F(KeptZoomTest, a_folder_that_cannot_be_written_keeps_nothing_and_is_no_error)
{
    QDir(folder_).removeRecursively();
    QFile blocker(folder_);  // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    rememberZoom(200);
    EXPECT_EQ(rememberedZoom(), 100);
}

}  // namespace
