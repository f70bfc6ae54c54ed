#include "convert/number_text.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <clocale>
#include <cmath>
#include <limits>

namespace qc {
namespace {

TEST(IntegerToText, WritesPlainDecimal) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "0"},     {-5, "-5"}, {-2147483648, "-2147483648"}, {2147483647, "2147483647"},
        {192, "192"}, {40, "40"}, {1000000, "1000000"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(IntegerToText(value), text) << value;
}

struct NumberCase {
    const char* text;
    double value;
};

class TextToNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(TextToNumberTest, ReadsLeadingLiteral) {
    const auto& c = GetParam();
    const double got = TextToNumber(std::string_view(c.text));
    EXPECT_EQ(got, c.value) << '"' << c.text << '"';
    EXPECT_EQ(std::signbit(got), std::signbit(c.value)) << '"' << c.text << '"';
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToNumberTest,
    testing::Values(
        NumberCase{"", 0}, NumberCase{"  42px", 42}, NumberCase{"12.7", 12.7},
        NumberCase{"12,5", 12}, NumberCase{"-.5", -0.5}, NumberCase{"5.", 5},
        NumberCase{"1e2", 100}, NumberCase{"2d1", 20}, NumberCase{"2D-1", 0.2},
        NumberCase{"1E+3x", 1000}, NumberCase{"1e", 1}, NumberCase{"1e+", 1}, NumberCase{"1dx", 1},
        NumberCase{"abc", 0}, NumberCase{".", 0}, NumberCase{"-", 0}, NumberCase{"+7", 7},
        NumberCase{"-0", -0.0}, NumberCase{"1.2.3", 1.2}, NumberCase{"\t\r\n\v\f 8", 8},
        NumberCase{"0x10", 0}, NumberCase{"inf", 0}, NumberCase{"nan", 0},
        NumberCase{"1e999", kInf}, NumberCase{"-1e999", -kInf}, NumberCase{"1e-999", 0},
        NumberCase{"4.9e-324", 4.9e-324}, NumberCase{"0.1", 0.1},
        NumberCase{"9007199254740993", 9007199254740992.0},
        NumberCase{"12\0"
                   "34",
                   12},
        // Full-width forms: "１２．５", ideographic space + "３０", "－１", "＋２Ｅ２".
        NumberCase{"\xA3\xB1\xA3\xB2\xA3\xAE\xA3\xB5", 12.5},
        NumberCase{"\xA1\xA1\xA3\xB3\xA3\xB0", 30}, NumberCase{"\xA3\xAD\xA3\xB1", -1},
        NumberCase{"\xA3\xAB\xA3\xB2\xA3\xC5\xA3\xB2", 200},
        // Other two-byte characters stop the number; a lone lead byte at the end is dropped.
        NumberCase{"3\xC4\xEA", 3},
        NumberCase{"\xC4\xEA"
                   "3",
                   0},
        NumberCase{"5\xA3", 5},
        // "～" and "★" fold to "~" and "*", which are not part of a number.
        NumberCase{"\xA1\xAB"
                   "1",
                   0},
        NumberCase{"2\xA1\xEF", 2}));

TEST(TextToNumber, MissingTextIsZero) {
    EXPECT_EQ(TextToNumber(static_cast<const char*>(nullptr)), 0.0);
    EXPECT_EQ(TextToNumber("33"), 33.0);
}

TEST(TextToNumber, IgnoresTheUserLocale) {
    // A locale whose decimal separator is "," must not change how "1.5" reads.
    bool found = false;
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8", "de_DE"})
        if (!found && std::setlocale(LC_NUMERIC, name)) found = true;
    if (!found) GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(TextToNumber("1.5"), 1.5);
    EXPECT_EQ(TextToNumber("1,5"), 1.0);
    std::setlocale(LC_NUMERIC, "C");
}

TEST(TruncateToInteger, ChopsTowardZeroAndFlagsOutOfRange) {
    constexpr std::int64_t kBad = std::numeric_limits<std::int64_t>::min();
    const std::pair<double, std::int64_t> cases[] = {
        {416.90000000000003, 416},
        {2.9, 2},
        {-2.9, -2},
        {-0.5, 0},
        {3000000000.0, 3000000000LL},
        {9223372036854774784.0, 9223372036854774784LL},
        {-9223372036854775808.0, kBad},
        {9223372036854775808.0, kBad},
        {1e300, kBad},
        {-1e300, kBad},
        {kInf, kBad},
        {-kInf, kBad},
        {std::numeric_limits<double>::quiet_NaN(), kBad},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(TruncateToInteger(value), expected);
}

TEST(TruncateToInteger, IgnoresRoundingMode) {
    for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TONEAREST}) {
        std::fesetround(mode);
        volatile double positive = 2.5;
        volatile double negative = -2.5;
        EXPECT_EQ(TruncateToInteger(positive), 2);
        EXPECT_EQ(TruncateToInteger(negative), -2);
    }
    std::fesetround(FE_TONEAREST);
}

TEST(LowBits32, WrapsAsIntegerPropertiesDo) {
    EXPECT_EQ(LowBits32(TruncateToInteger(3000000000.0)), -1294967296);
    EXPECT_EQ(LowBits32(TruncateToInteger(1e300)), 0);
    EXPECT_EQ(LowBits32(TruncateToInteger(-7.9)), -7);
    EXPECT_EQ(LowBits32(TruncateToInteger(4294967297.0)), 1);
}

TEST(TruncateToInteger, ZoomStepsMatchExactTenths) {
    EXPECT_EQ(TruncateToInteger(379 * 1.1), 416);
    EXPECT_EQ(TruncateToInteger(384 * 0.9), 345);
    for (std::int64_t x = 0; x <= 200000; ++x) {
        const double xd = double(x);
        ASSERT_EQ(TruncateToInteger(xd * 1.1), 11 * x / 10) << x;
        ASSERT_EQ(TruncateToInteger(xd * 0.9), 9 * x / 10) << x;
    }
}

TEST(TextLength, CountsBytesBeforeTheFirstZero) {
    EXPECT_EQ(TextLength(static_cast<const char*>(nullptr)), 0u);
    EXPECT_EQ(TextLength(""), 0u);
    EXPECT_EQ(TextLength("\xCD\xBC\xC6\xAC"), 4u);
    EXPECT_EQ(TextLength(std::string_view("ab\0cd", 5)), 2u);
}

TEST(JoinTexts, JoinsPartsCutAtTheirZeroByte) {
    // "图片宽度：" in GBK.
    const std::string label = "\xCD\xBC\xC6\xAC\xBF\xED\xB6\xC8\xA3\xBA";
    const std::string joined = JoinTexts({label, "384"});
    EXPECT_EQ(joined, label + "384");
    EXPECT_EQ(joined.size(), 13u);
    EXPECT_EQ(JoinTexts({{}, {}, {}, {}}), "");
    EXPECT_EQ(JoinTexts({std::string_view("a\0b", 3), "c"}), "ac");
}

}  // namespace
}  // namespace qc
