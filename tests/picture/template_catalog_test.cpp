#include <gtest/gtest.h>

#include <QFile>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "convert/gbk.h"
#include "picture/formats/jpeg_reader.h"
#include "picture/template_catalog.h"

namespace {

struct FrameHeader {
    int marker;  // 0xC0 baseline, 0xC2 progressive, ...
    int width;
    int height;
    int components;
    int precision;
};

// Walks the JPEG's marker segments up to the first start-of-frame.
std::optional<FrameHeader> ReadFrameHeader(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8) return std::nullopt;
    qsizetype at = 2;
    while (at + 4 <= size) {
        if (data[at] != 0xFF) return std::nullopt;
        const int marker = data[at + 1];
        const int length = (data[at + 2] << 8) | data[at + 3];
        const bool isFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (isFrame) {
            if (at + 10 > size) return std::nullopt;
            return FrameHeader{marker, (data[at + 7] << 8) | data[at + 8],
                               (data[at + 5] << 8) | data[at + 6], data[at + 9], data[at + 4]};
        }
        at += 2 + length;
    }
    return std::nullopt;
}

class TemplateCatalogTest : public ::testing::TestWithParam<int> {};

TEST_P(TemplateCatalogTest, EmbeddedPictureMatchesItsRow) {
    const qc::TemplateEntry& entry = qc::TemplateCatalog()[GetParam()];
    SCOPED_TRACE(entry.resource);

    // The list shows GBK texts; a character without a GBK form would show as "?".
    EXPECT_EQ(qc::Utf8FromGbk(qc::GbkFromUtf8(entry.itemText)), std::string(entry.itemText));

    QFile file(QString::fromUtf8(entry.resource));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();

    const auto frame = ReadFrameHeader(bytes);
    ASSERT_TRUE(frame.has_value());
    EXPECT_EQ(frame->marker, entry.progressive ? 0xC2 : 0xC0);
    EXPECT_EQ(frame->components, entry.components);
    EXPECT_EQ(frame->precision, 8);
    EXPECT_EQ(frame->width, entry.pictureWidth);
    EXPECT_EQ(frame->height, entry.pictureHeight);

    const auto decoded = qc::ReadJpeg(std::span(
        reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())));
    ASSERT_TRUE(decoded.ok()) << decoded.error();
    const qc::Bitmap& image = decoded->image;
    ASSERT_EQ(image.width(), entry.pictureWidth);
    ASSERT_EQ(image.height(), entry.pictureHeight);
    if (entry.components == 1) {
        // A greyscale template must come out grey, not tinted by a colour conversion.
        const std::uint32_t* p = image.pixels();
        for (std::size_t i = 0; i < image.pixelCount(); i += 97) {
            const std::uint32_t r = (p[i] >> 16) & 0xFF, g = (p[i] >> 8) & 0xFF, b = p[i] & 0xFF;
            ASSERT_TRUE(r == g && g == b) << "pixel " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllRows, TemplateCatalogTest,
                         ::testing::Range(0, static_cast<int>(qc::TemplateCatalog().size())));

TEST(TemplateCatalog, HasOneRowPerListItem) {
    ASSERT_EQ(qc::TemplateCatalog().size(), 38u);
}

}  // namespace
