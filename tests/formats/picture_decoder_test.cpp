#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "picture/formats/picture_decoder.h"

namespace qc {
namespace {

std::vector<std::uint8_t> Bytes(std::initializer_list<int> first) {
    std::vector<std::uint8_t> b;
    for (int v : first) b.push_back(std::uint8_t(v));
    b.resize(std::max<std::size_t>(b.size(), 16), 0);
    return b;
}

TEST(PictureKind, FirstMatchingTestDecides) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        PictureKind kind;
        const char* name;
    };
    const Case cases[] = {
        {Bytes({'B', 'M'}), PictureKind::Bmp, "bmp"},
        {Bytes({0xFF, 0xD8, 0xFF}), PictureKind::Jpeg, "jpeg"},
        {Bytes({0x89, 'P', 'N', 'G', 13, 10, 26, 10}), PictureKind::Png, "png"},
        {Bytes({0, 0, 1, 0, 1, 0}), PictureKind::Icon, "icon"},
        {Bytes({0, 0, 2, 0, 3, 0}), PictureKind::Cursor, "cursor"},
        {Bytes({0, 0, 1, 0, 0, 0}), PictureKind::None, "none"},  // an icon with no images
        {Bytes({'G', 'I', 'F', '8', '7', 'a'}), PictureKind::Gif, "gif"},
        {Bytes({'G', 'I', 'F', '8', '9', 'a'}), PictureKind::Gif, "gif"},
        {Bytes({'G', 'I', 'F', '8', '8', 'a'}), PictureKind::None, "none"},
        {Bytes({0x0A, 5, 1, 8}), PictureKind::Pcx8, "pcx"},
        {Bytes({0x0A, 0, 1, 8}), PictureKind::Pcx8, "pcx"},
        {Bytes({0x0A, 6, 1, 8}), PictureKind::None, "none"},
        {Bytes({0x0A, 3, 1, 1}), PictureKind::Pcx1, "pcx"},
        {Bytes({0x0A, 5, 1, 1}), PictureKind::Pcx1, "pcx"},   // what most writers put in
        {Bytes({0x0A, 5, 0, 8}), PictureKind::None, "none"},  // not run-length coded
        {Bytes({'h', 'e', 'l', 'l', 'o'}), PictureKind::None, "none"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DetectPictureKind(c.bytes), c.kind) << int(c.bytes[0]) << " " << int(c.bytes[1]);
        EXPECT_STREQ(PictureKindName(DetectPictureKind(c.bytes)), c.name);
    }
}

TEST(PictureKind, FewerThanEightBytesAreNoPicture) {
    const std::uint8_t jpeg[] = {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J'};
    EXPECT_EQ(DetectPictureKind(jpeg), PictureKind::None);
    EXPECT_FALSE(DecodePicture(jpeg));
    EXPECT_FALSE(RenderForMeasuring({}));
}

TEST(BlendOver, TruncatesTheWeightedSumAndLeavesOpaquePixelsAlone) {
    auto bitmap = Bitmap::Create(4, 1);
    ASSERT_TRUE(bitmap);
    std::uint32_t* p = bitmap->pixels();
    p[0] = Argb(255, 10, 20, 30);
    p[1] = Argb(0, 10, 20, 30);
    p[2] = Argb(128, 255, 0, 100);
    p[3] = Argb(1, 255, 255, 255);
    bitmap->setHasAlpha(true);
    BlendOver(*bitmap, 0xF0F0F0);
    EXPECT_EQ(p[0], Argb(255, 10, 20, 30));
    EXPECT_EQ(p[1], Argb(255, 240, 240, 240));
    // 255·128/255 + 240·(1 − 128/255) = 128 + 119.53 → 247; 0 + 119.53 → 119; 50.19 + 119.53 → 169
    EXPECT_EQ(p[2], Argb(255, 247, 119, 169));
    EXPECT_EQ(p[3], Argb(255, 240, 240, 240));
    EXPECT_FALSE(bitmap->hasAlpha());
}

}  // namespace
}  // namespace qc
