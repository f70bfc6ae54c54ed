#include "convert/date_time_text.h"

#include <cmath>
#include <ctime>

#include "convert/number_text.h"

namespace qc {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Day 0 of DateTimeValue, 30 December 1899, counted from 1 March of year 0 in the
// proleptic Gregorian calendar; eras of 400 years make the leap rules exact without time_t.
constexpr std::int64_t kEpochFromMarch0 = 693899;

std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - kEpochFromMarch0;
}

void CivilFromDays(std::int64_t days, CalendarFields& out) {
    days += kEpochFromMarch0;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    out.day = int(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    out.month = int(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    out.year = int(yearOfEra + era * 400 + (out.month <= 2));
}

// 年 月 日 时 分 秒 in GBK.
constexpr const char* kYear = "\xC4\xEA";
constexpr const char* kMonth = "\xD4\xC2";
constexpr const char* kDay = "\xC8\xD5";
constexpr const char* kHour = "\xCA\xB1";
constexpr const char* kMinute = "\xB7\xD6";
constexpr const char* kSecond = "\xC3\xEB";

}  // namespace

DateTimeValue CurrentDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local)) return 0;
    return DateTimeFromFields({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                               local.tm_min, local.tm_sec});
}

DateTimeValue DateTimeFromFields(const CalendarFields& f) {
    const double day = double(DaysFromCivil(f.year, f.month, f.day));
    const double time = double(f.hour * 3600 + f.minute * 60 + f.second) / kSecondsPerDay;
    // Before day 0 the fraction still counts forward from the day's midnight.
    return day < 0 ? day - time : day + time;
}

CalendarFields FieldsFromDateTime(DateTimeValue value) {
    if (!(value >= kFirstDateTime)) value = kFirstDateTime;  // NaN lands here too
    if (value > kLastDateTime) value = kLastDateTime;
    const double day = std::trunc(value);
    const double fraction = std::fabs(value - day);
    // Seconds on a straight time line; a time of day that rounds up to midnight moves on to
    // the next calendar day.
    std::int64_t seconds = std::int64_t(day) * kSecondsPerDay +
                           std::int64_t(std::llround(fraction * double(kSecondsPerDay)));
    std::int64_t days = seconds / kSecondsPerDay;
    std::int64_t secondOfDay = seconds % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        --days;
    }
    CalendarFields fields;
    CivilFromDays(days, fields);
    fields.hour = int(secondOfDay / 3600);
    fields.minute = int(secondOfDay / 60 % 60);
    fields.second = int(secondOfDay % 60);
    return fields;
}

std::string DateTimeToText(DateTimeValue value) {
    const CalendarFields f = FieldsFromDateTime(value);
    std::string text = JoinTexts(
        {IntegerToText(f.year), kYear, IntegerToText(f.month), kMonth, IntegerToText(f.day), kDay});
    if (f.second != 0) {
        text += JoinTexts({IntegerToText(f.hour), kHour, IntegerToText(f.minute), kMinute,
                           IntegerToText(f.second), kSecond});
    } else if (f.minute != 0) {
        text += JoinTexts({IntegerToText(f.hour), kHour, IntegerToText(f.minute), kMinute});
    } else if (f.hour != 0) {
        text += JoinTexts({IntegerToText(f.hour), kHour});
    }
    return text;
}

}  // namespace qc
