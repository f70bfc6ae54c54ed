#include "export/snapshot.h"

#include <gtest/gtest.h>

#include <cstring>

#include "caption/trans_label.h"
#include "export/bmp_snapshot.h"
#include "export/test_window.h"
#include "picture/formats/picture_decoder.h"

namespace qc {
namespace {

using test::TestWindow;

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    std::uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}
std::uint16_t Le16(const std::vector<std::uint8_t>& b, std::size_t at) {
    std::uint16_t v;
    std::memcpy(&v, b.data() + at, 2);
    return v;
}

// The BMP pixel (x, y) counted from the top, as 0xRRGGBB.
std::uint32_t BmpPixel(const std::vector<std::uint8_t>& b, int x, int y) {
    const int width = int(Le32(b, 18)), height = int(Le32(b, 22));
    const std::size_t row = 54 + BmpStride(width) * std::size_t(height - 1 - y);
    const std::uint8_t* p = b.data() + row + std::size_t(x) * 3;
    return std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
}

struct HeaderCase {
    int width, height;
    std::size_t stride, fileSize;
};

class SnapshotHeader : public testing::TestWithParam<HeaderCase> {};

TEST_P(SnapshotHeader, FieldsSizeAndRowPadding) {
    const HeaderCase c = GetParam();
    TestWindow w;
    w.box()->setBoxWidth(c.width);
    w.box()->setBoxHeight(c.height);
    const auto b = SnapshotWindow(w.box());

    ASSERT_EQ(b.size(), c.fileSize);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(Le32(b, 2), c.fileSize);
    EXPECT_EQ(Le32(b, 6), 0u);
    EXPECT_EQ(Le32(b, 10), 54u);
    EXPECT_EQ(Le32(b, 14), 40u);
    EXPECT_EQ(Le32(b, 18), std::uint32_t(c.width));
    EXPECT_EQ(Le32(b, 22), std::uint32_t(c.height));
    EXPECT_EQ(Le16(b, 26), 1);
    EXPECT_EQ(Le16(b, 28), 24);
    EXPECT_EQ(Le32(b, 30), 0u);
    EXPECT_EQ(Le32(b, 34), c.stride * std::size_t(c.height));
    for (std::size_t at = 38; at < 54; at += 4) EXPECT_EQ(Le32(b, at), 0u) << at;
    for (int y = 0; y < c.height; ++y)
        for (std::size_t pad = std::size_t(c.width) * 3; pad < c.stride; ++pad)
            ASSERT_EQ(b[54 + std::size_t(y) * c.stride + pad], 0) << "row " << y;
}

INSTANTIATE_TEST_SUITE_P(Boxes, SnapshotHeader,
                         testing::Values(HeaderCase{379, 384, 1140, 437814},
                                         HeaderCase{336, 20, 1008, 54 + 1008 * 20},
                                         HeaderCase{1, 1, 4, 58}));

TEST(Snapshot, HoldsThePictureBottomRowFirstAndTheCaptionOverIt) {
    TestWindow w;
    const Bitmap picture = test::Gradient(379, 384);
    w.showPicture(picture);
    TransLabel* caption = w.ui().caption;
    caption->setTextColour(0x0000FF);  // pure red
    caption->setCaptionText(QStringLiteral("这里显示文字"));
    const auto b = SnapshotWindow(w.box());
    ASSERT_EQ(b.size(), 437814u);

    // The first pixel stored is the box's bottom-left one.
    const std::uint32_t bottomLeft = picture.row(383)[0] & 0xFFFFFF;
    EXPECT_EQ(std::uint32_t(b[56]) << 16 | std::uint32_t(b[55]) << 8 | b[54], bottomLeft);

    const QRect captionRect = caption->geometry().translated(-w.box()->pos());
    int differing = 0, red = 0;
    for (int y = 0; y < 384; ++y) {
        for (int x = 0; x < 379; ++x) {
            const std::uint32_t got = BmpPixel(b, x, y);
            if (!captionRect.contains(x, y)) {
                ASSERT_EQ(got, picture.row(y)[x] & 0xFFFFFF) << x << "," << y;
            } else {
                differing += got != (picture.row(y)[x] & 0xFFFFFF);
                red += got == 0xFF0000;
            }
        }
    }
    EXPECT_GT(differing, 50);
    EXPECT_GT(red, 10);
}

TEST(Snapshot, ZoomedBoxIsCapturedWholeWithThePictureBeyondTheWindow) {
    TestWindow w;
    w.showPicture(test::Solid(379, 384, Rgb(0x33, 0x66, 0x99)));
    w.ui().caption->setCaptionText(QStringLiteral("字"));
    w.ui().caption->setTextColour(0x0000FF);
    for (int i = 0; i < 6; ++i) OnZoomIn(w.ui());
    // The caption's first line starts just above the bottom of the window's client area.
    w.ui().caption->setCaptionTop(w.window.height() - 6);
    const QRect box = w.box()->geometry();
    ASSERT_GT(box.bottom(), w.window.height());
    ASSERT_GT(box.right(), w.window.width());

    auto pixels = CaptureBoxPixels(w.box());
    ASSERT_TRUE(pixels) << pixels.error();
    ASSERT_EQ(pixels->width(), box.width());
    ASSERT_EQ(pixels->height(), box.height());
    const QRect captionRect = w.ui().caption->geometry().translated(-box.topLeft());
    const QRect shown = QRect(QPoint(), w.window.size()).translated(-box.topLeft());
    int outsideRed = 0;
    for (int y = 0; y < box.height(); ++y) {
        for (int x = 0; x < box.width(); ++x) {
            if (shown.contains(x, y)) continue;
            const std::uint32_t got = pixels->row(y)[x] & 0xFFFFFF;
            if (captionRect.contains(x, y)) {
                outsideRed += got == 0xFF0000;
            } else {
                ASSERT_EQ(got, 0x336699u) << x << "," << y;
            }
        }
    }
    EXPECT_GT(outsideRed, 5);
}

TEST(Snapshot, BoxWithoutAreaGivesNothing) {
    TestWindow w;
    w.box()->setBoxWidth(0);
    EXPECT_TRUE(SnapshotWindow(w.box()).empty());
    EXPECT_FALSE(CaptureBoxPixels(w.box()));
}

TEST(Snapshot, OtherRequestedSizeIsStretched) {
    TestWindow w;
    w.showPicture(test::Solid(379, 384, Rgb(10, 200, 30)));
    w.ui().caption->setCaptionText(QString());
    const auto b = SnapshotWindow(w.box(), 100, 50);
    ASSERT_EQ(b.size(), 54 + BmpStride(100) * 50);
    EXPECT_EQ(Le32(b, 18), 100u);
    EXPECT_EQ(Le32(b, 22), 50u);
    EXPECT_EQ(BmpPixel(b, 50, 25), 0x0AC81Eu);
}

}  // namespace
}  // namespace qc
