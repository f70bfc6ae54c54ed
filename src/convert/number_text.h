#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// Texts here are GBK byte strings; a text ends at its first zero byte, and a missing text
// (std::nullopt / nullptr) counts as the empty text.

namespace qc {

// Decimal, "-" before negative values, no leading zeros, no grouping: "%d".
std::string IntegerToText(std::int32_t value);

// Folds GBK full-width forms to ASCII, then reads the longest leading decimal literal
// (exponent letters e, E, d, D; "." whatever the locale). No number gives 0.
double TextToNumber(std::string_view text);
double TextToNumber(const char* text);

// Chops toward zero; NaN, infinities and values outside the 64-bit range give
// 0x8000000000000000. Callers keep the low 32 bits (see LowBits32).
std::int64_t TruncateToInteger(double value);

// The low 32 bits of a TruncateToInteger result, as the integer properties take them.
inline std::int32_t LowBits32(std::int64_t value) {
    return std::int32_t(std::uint32_t(std::uint64_t(value)));
}

// Bytes before the first zero byte; a missing text has length 0.
std::size_t TextLength(const char* text);
std::size_t TextLength(std::string_view text);

// The parts one after the other, each cut at its first zero byte.
std::string JoinTexts(std::initializer_list<std::string_view> parts);

}  // namespace qc
