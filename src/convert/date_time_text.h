#pragma once

#include <string>

namespace qc {

// Days since 30 December 1899; the fraction is the time of day.
using DateTimeValue = double;

// The present local date and time, in whole seconds.
DateTimeValue CurrentDateTime();

// "2021年3月5日14时7分9秒", dropping trailing zero time fields. GBK text.
std::string DateTimeToText(DateTimeValue value);

}  // namespace qc
