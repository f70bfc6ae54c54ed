#include "caption/font_description.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>
#include <climits>

#include "shell/program_state.h"

namespace qc {
namespace {

TEST(PointsToHeight, RoundsHalvesAwayFromZeroAndSaturates) {
    struct Case {
        double points;
        int dpi;
        std::int32_t height;
    };
    const Case cases[] = {
        {12, 96, -16},   {9, 96, -12}, {95, 96, -127},        {0, 96, 0},
        {0.375, 96, -1},  // −0.5 goes away from zero
        {1, 120, -2},    {-3, 96, 4},  {1e12, 96, INT32_MIN}, {-1e12, 96, INT32_MAX},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PointsToHeight(c.points, c.dpi), c.height) << c.points << " pt at " << c.dpi;
    }
    EXPECT_EQ(HeightToPoints(-16, 96), 12);
    EXPECT_EQ(HeightToPoints(16, 96), 12);
}

TEST(CutGbk, NeverSplitsADoubleByteCharacter) {
    const std::string songTi(kSongTiFace);
    EXPECT_EQ(CutGbk(songTi, 3), "\xCB\xCE");
    EXPECT_EQ(CutGbk(songTi, 4), songTi);
    EXPECT_EQ(CutGbk("ab\xCB\xCE", 3), "ab");
    EXPECT_EQ(CutGbk(std::string("ab\0cd", 5), 31), "ab");
}

TEST(DescriptionFromCaptionFont, BuildsEveryFieldFromTheRecord) {
    CaptionFont font;  // start values: 9 pt "宋体"
    font.angle = 450;
    font.bold = 1;
    font.italic = 5;  // any non-zero value counts as set
    font.underline = 1;
    const FontDescription d = DescriptionFromCaptionFont(font, 96);
    EXPECT_EQ(d.height, -12);
    EXPECT_EQ(d.escapement, 450);
    EXPECT_EQ(d.orientation, 450);
    EXPECT_EQ(d.weight, 700);
    EXPECT_EQ(d.italic, 1);
    EXPECT_EQ(d.underline, 1);
    EXPECT_EQ(d.strikeout, 0);
    EXPECT_EQ(d.faceName, kSongTiFace);
    EXPECT_EQ(d.width, 0);
    EXPECT_EQ(d.charSet, 0);
    EXPECT_EQ(d.pitchAndFamily, 0);
}

TEST(DescriptionFromCaptionFont, FallsBackToSongTiAndDefaultHeight) {
    struct Case {
        std::optional<std::string> name;
        std::int32_t size;
        std::string face;
        std::int32_t height;
    };
    const std::string name31(31, 'a');
    const Case cases[] = {
        {std::nullopt, 0, std::string(kSongTiFace), 0},
        {std::string(32, 'a'), 12, std::string(kSongTiFace), -16},
        {name31, -4, name31, 0},  // a negative size counts as 0
        {"Arial", 12, "Arial", -16},
    };
    for (const Case& c : cases) {
        CaptionFont font;
        font.name = c.name;
        font.size = c.size;
        const FontDescription d = DescriptionFromCaptionFont(font, 96);
        EXPECT_EQ(d.faceName, c.face);
        EXPECT_EQ(d.height, c.height);
    }
}

TEST(ChangeOneField, KeepsEveryOtherField) {
    FontDescription current;
    current.height = -16;
    current.weight = 700;
    current.italic = 1;
    current.charSet = 134;
    current.pitchAndFamily = 0x22;
    current.faceName = "Face";

    FontDescription expected = current;
    expected.weight = 0;
    EXPECT_EQ(WithBold(current, 0), expected);
    expected.weight = 700;
    EXPECT_EQ(WithBold(current, 3), expected);

    expected = current;
    expected.height = PointsToHeight(95, 96);
    EXPECT_EQ(WithSize(current, 95, 96), expected);
    expected.height = 0;
    EXPECT_EQ(WithSize(current, -7, 96), expected);
}

TEST(ChangeOneField, StartsFromTheDefaultGuiFontWithoutADescription) {
    const FontDescription base = DefaultGuiFontDescription(ScreenDotsPerInch());
    EXPECT_FALSE(base.faceName.empty());
    EXPECT_LT(base.height, 0);

    FontDescription bold = WithBold(std::nullopt, 1);
    EXPECT_EQ(bold.weight, 700);
    bold.weight = base.weight;
    EXPECT_EQ(bold, base);

    const FontDescription sized = WithSize(std::nullopt, 20, 96);
    EXPECT_EQ(sized.height, -27);
    EXPECT_EQ(sized.faceName, base.faceName);
}

TEST(MakeFont, TakesSizeWeightFlagsAndFace) {
    const QFont standard = QApplication::font();
    EXPECT_EQ(MakeFont(std::nullopt), standard);

    FontDescription d;
    d.height = -16;
    d.weight = 700;
    d.italic = 1;
    d.underline = 1;
    d.strikeout = 1;
    d.charSet = 2;  // ignored, like the precisions and pitch
    d.faceName = "DejaVu Serif";
    const QFont made = MakeFont(d);
    EXPECT_EQ(made.pixelSize(), 16);
    EXPECT_EQ(made.weight(), QFont::Bold);
    EXPECT_TRUE(made.italic());
    EXPECT_TRUE(made.underline());
    EXPECT_TRUE(made.strikeOut());
    EXPECT_EQ(made.family(), "DejaVu Serif");

    FontDescription plain;
    plain.weight = 0;
    const QFont normal = MakeFont(plain);
    EXPECT_EQ(normal.weight(), QFont::Normal);
    EXPECT_EQ(normal.family(), standard.family());          // empty face
    EXPECT_EQ(normal.pointSizeF(), standard.pointSizeF());  // height 0: default size

    plain.faceName = "No Such Face Anywhere";
    EXPECT_EQ(MakeFont(plain).family(), standard.family());
}

TEST(MakeFont, PositiveHeightIsTheWholeCellAndAbsurdSizesAreCapped) {
    FontDescription d;
    d.height = 40;
    d.faceName = "DejaVu Sans";
    EXPECT_NEAR(QFontMetricsF(MakeFont(d)).height(), 40.0, 1.5);

    d.height = INT32_MIN;
    EXPECT_EQ(MakeFont(d).pixelSize(), 32767);
}

}  // namespace
}  // namespace qc
