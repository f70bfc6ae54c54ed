#include "convert/date_time_text.h"

#include <gtest/gtest.h>

#include <ctime>

#include "convert/gbk.h"

namespace qc {
namespace {

struct TextCase {
    CalendarFields fields;
    const char* utf8;
};

class DateTimeToTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(DateTimeToTextTest, WritesDateAndTimeWithoutTrailingZeroFields) {
    const auto& c = GetParam();
    EXPECT_EQ(Utf8FromGbk(DateTimeToText(DateTimeFromFields(c.fields))), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DateTimeToTextTest,
    testing::Values(TextCase{{2021, 3, 5, 14, 7, 9}, "2021年3月5日14时7分9秒"},
                    TextCase{{2021, 3, 5, 14, 7, 0}, "2021年3月5日14时7分"},
                    TextCase{{2021, 3, 5, 14, 0, 0}, "2021年3月5日14时"},
                    TextCase{{2021, 3, 5, 0, 0, 0}, "2021年3月5日"},
                    TextCase{{2021, 3, 5, 0, 0, 7}, "2021年3月5日0时0分7秒"},
                    TextCase{{2021, 3, 5, 0, 5, 0}, "2021年3月5日0时5分"},
                    TextCase{{2021, 3, 5, 12, 0, 30}, "2021年3月5日12时0分30秒"},
                    TextCase{{2021, 3, 5, 9, 30, 0}, "2021年3月5日9时30分"},
                    TextCase{{2021, 12, 31, 23, 59, 59}, "2021年12月31日23时59分59秒"},
                    TextCase{{2000, 2, 29, 0, 0, 0}, "2000年2月29日"},
                    TextCase{{1900, 3, 1, 0, 0, 0}, "1900年3月1日"},
                    TextCase{{1899, 12, 29, 6, 0, 0}, "1899年12月29日6时"},
                    TextCase{{1600, 2, 29, 1, 2, 3}, "1600年2月29日1时2分3秒"},
                    TextCase{{100, 1, 1, 0, 0, 0}, "100年1月1日"},
                    TextCase{{9999, 12, 31, 0, 0, 0}, "9999年12月31日"}));

TEST(DateTimeFromFields, MatchesKnownDayNumbers) {
    EXPECT_EQ(DateTimeFromFields({1899, 12, 30}), 0);
    EXPECT_EQ(DateTimeFromFields({2021, 3, 5}), 44260);
    EXPECT_EQ(DateTimeFromFields({100, 1, 1}), kFirstDateTime);
    EXPECT_EQ(DateTimeFromFields({9999, 12, 31}), kLastDateTime);
    EXPECT_EQ(DateTimeFromFields({1899, 12, 29, 6}), -1.25);
}

TEST(DateTimeToText, ClampsAndRoundsToTheNearestSecond) {
    const double second = 1.0 / 86400;
    const std::pair<double, const char*> cases[] = {
        {1e9, "9999年12月31日"},
        {2958465.75, "9999年12月31日"},
        {-1e9, "100年1月1日"},
        {-657434.5, "100年1月1日"},
        {0.5, "1899年12月30日12时"},
        {-1.5, "1899年12月29日12时"},
        {44260 + 0.4 * second, "2021年3月5日"},
        {44260 + 0.6 * second, "2021年3月5日0时0分1秒"},
        {44260 - 0.4 * second, "2021年3月5日"},  // 4 March 23:59:59.6 rounds to midnight
        {-1.99999999, "1899年12月30日"},         // 29 December 23:59:59.999 rounds up
    };
    for (const auto& [value, utf8] : cases)
        EXPECT_EQ(Utf8FromGbk(DateTimeToText(value)), utf8) << value;
}

TEST(DateTimeToText, EveryDayOfTheRangeRoundTrips) {
    for (int day = int(kFirstDateTime); day <= int(kLastDateTime); ++day) {
        const CalendarFields f = FieldsFromDateTime(day);
        ASSERT_EQ(DateTimeFromFields(f), day) << f.year << '-' << f.month << '-' << f.day;
        ASSERT_EQ(f.hour + f.minute + f.second, 0);
    }
}

TEST(DateTimeToText, LongestTextIs26Bytes) {
    EXPECT_EQ(DateTimeToText(DateTimeFromFields({9999, 12, 30, 23, 59, 59})).size(), 26u);
}

TEST(CurrentDateTime, IsLocalTimeInWholeSeconds) {
    std::time_t before = std::time(nullptr);
    DateTimeValue now = CurrentDateTime();
    // Retry if the clock second changed between the two reads.
    while (std::time(nullptr) != before) {
        before = std::time(nullptr);
        now = CurrentDateTime();
    }
    std::tm local{};
    ASSERT_TRUE(localtime_r(&before, &local));
    const CalendarFields f = FieldsFromDateTime(now);
    EXPECT_EQ(f.year, local.tm_year + 1900);
    EXPECT_EQ(f.month, local.tm_mon + 1);
    EXPECT_EQ(f.day, local.tm_mday);
    EXPECT_EQ(f.hour, local.tm_hour);
    EXPECT_EQ(f.minute, local.tm_min);
    EXPECT_EQ(f.second, local.tm_sec);
}

}  // namespace
}  // namespace qc
