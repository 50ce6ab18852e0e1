// SPDX-License-Identifier: GPL-3.0-or-later
// Where the zoom keys step to, the largest zoom a screen holds, and the zoom
// kept between runs, in the build's own configuration folder (XDG_CONFIG_HOME).

#include "window/view/zoom.h"
#include "window/view/zoom_memory.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace tavrimo;

namespace {

TEST(ZoomSteps, a_zoom_key_goes_to_the_next_step_and_stops_at_100_and_300)
{
    const struct {
        int from, direction, to;
    } rows[] = {{100, 1, 125}, {175, 1, 200}, {200, 1, 250}, {300, 1, 300}, {100, -1, 100}, {300, -1, 250},
                {150, 1, 175}, {200, -1, 175}, {137, 1, 150}, {168, -1, 150}};  // the last two from between the steps
    for (const auto& row : rows)
        EXPECT_EQ(zoomStep(row.from, row.direction), row.to) << row.from << " " << row.direction;
}

// Twips become pixels rounded to the nearest, 15 to a pixel at 100 %, and
// so do lengths in pixels at 100 % (the window's 506 pixels at 125 %).
TEST(TwipsToPixels, round_to_the_nearest_pixel_at_any_zoom)
{
    const struct {
        int pixels, zoom, zoomed;
    } lengths[] = {{506, 125, 633}, {457, 125, 571}, {3, 150, 5}, {1, 250, 3}};
    for (const auto& row : lengths)
        EXPECT_EQ(zoomed(row.pixels, row.zoom), row.zoomed) << row.pixels << " pixels at " << row.zoom << " %";
    const struct {
        int twips, zoom, pixels;
    } rows[] = {{1060, 100, 71}, {1052, 100, 70}, {7590, 100, 506}, {1060, 150, 106}, {1060, 300, 212}, {1065, 125, 89}};
    for (const auto& row : rows)
        EXPECT_EQ(twipsToPixels(QRect(row.twips, 0, row.twips, 0), row.zoom).width(), row.pixels)
            << row.twips << " twips at " << row.zoom << " %";
}

// The window's client area is 506 x 457 pixels at 100 %: a projector, a
// laptop, full HD, exactly 200 % and a pixel short of it, too small for
// 100 %, larger than 300 %.
TEST(LargestZoom, the_largest_zoom_that_fits_a_screen)
{
    const struct {
        QSize room;
        int largest;
    } rows[] = {{{1024, 768}, 168}, {{1366, 768}, 168}, {{1920, 1080}, 236}, {{1012, 914}, 200},
                {{1011, 914}, 199}, {{400, 300}, 100},  {{4000, 3000}, 300}};
    for (const auto& row : rows)
        EXPECT_EQ(largestZoomFitting(QSize(506, 457), row.room), row.largest) << row.room.width() << "x" << row.room.height();
}

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

// A kept zoom is read back; one that is missing, out of range, no whole
// number, in a garbled file or unreadable opens the window at 100 %.
TEST_F(KeptZoomTest, a_kept_zoom_is_read_back_or_ignored)
{
    EXPECT_EQ(rememberedZoom(), 100) << "no file";
    const struct {
        const char* content;
        int zoom;
    } rows[] = {{"[General]\nzoom=150\n", 150}, {"[General]\nzoom=168\n", 168}, {"[General]\nzoom=300\n", 300},
                {"[General]\nzoom=99\n", 100}, {"[General]\nzoom=301\n", 100},
                {"[General]\nzoom=99999999999999999999\n", 100}, {"[General]\nzoom=-150\n", 100},
                {"[General]\nzoom=150.5\n", 100}, {"[General]\nzoom=large\n", 100}, {"[General]\nzoom=150, 200\n", 100},
                {"", 100}, {"zoom=150\n", 150}, {"\x01\xff\xfe[[[\n=\n\x80zoom\n", 100}};
    for (const auto& row : rows) {
        store(row.content);
        EXPECT_EQ(rememberedZoom(), row.zoom) << row.content;
    }
    QFile::remove(file());
    ASSERT_TRUE(QDir().mkpath(file()));  // a folder where the file should be: unreadable
    EXPECT_EQ(rememberedZoom(), 100);
}

TEST_F(KeptZoomTest, a_kept_zoom_is_the_only_thing_kept)
{
    rememberZoom(175);
    EXPECT_EQ(rememberedZoom(), 175);
    const QSettings kept(file(), QSettings::IniFormat);
    EXPECT_EQ(kept.allKeys(), QStringList{QStringLiteral("zoom")});
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
