#pragma once

#include <cstdint>
#include <string>

namespace qc {

// Days since 30 December 1899; the fraction is the time of day. For days before that the
// integral part still names the day and the fraction (taken positive) the time of day, so
// -1.25 is 29 December 1899 at 06:00.
using DateTimeValue = double;

// The earliest and latest days that have calendar fields: 1 January 100 and 31 December 9999.
constexpr DateTimeValue kFirstDateTime = -657434;
constexpr DateTimeValue kLastDateTime = 2958465;

struct CalendarFields {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The present local date and time, in whole seconds.
DateTimeValue CurrentDateTime();

// The value of a Gregorian date and time of day.
DateTimeValue DateTimeFromFields(const CalendarFields& fields);

// The fields of a value, clamped into kFirstDateTime..kLastDateTime and rounded to the
// nearest second.
CalendarFields FieldsFromDateTime(DateTimeValue value);

// "2021年3月5日14时7分9秒", dropping trailing zero time fields. GBK text.
std::string DateTimeToText(DateTimeValue value);

}  // namespace qc
