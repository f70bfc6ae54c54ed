#include "convert/number_text.h"

#include <locale.h>

#include <cstdlib>
#include <cstring>

namespace qc {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Full-width digits, signs and spaces typed with a Chinese input method read as their ASCII forms.
std::string FoldFullWidth(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out.push_back(char(lead));
            continue;
        }
        if (i + 1 >= text.size()) break;  // a lone lead byte before the end is dropped
        const auto trail = static_cast<unsigned char>(text[++i]);
        if (lead == 0xA1 && trail == 0xA1) {
            out.push_back(' ');
        } else if (lead == 0xA1 && trail == 0xAB) {
            out.push_back('~');
        } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
            out.push_back('*');
        } else if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            out.push_back(char(trail - 0x80));
        } else {
            out.push_back(char(lead));
            out.push_back(char(trail));
        }
    }
    return out;
}

// The C locale never changes, so one shared handle is safe from every thread.
locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

}  // namespace

std::string IntegerToText(std::int32_t value) {
    return std::to_string(value);
}

double TextToNumber(const char* text) {
    return text ? TextToNumber(std::string_view(text)) : 0.0;
}

double TextToNumber(std::string_view text) {
    const std::string work = FoldFullWidth(text.substr(0, TextLength(text)));
    std::size_t i = 0;
    while (i < work.size() && IsSpace(work[i])) ++i;

    // Copy the longest literal prefix, with the d/D exponent letters spelled as "e" so the
    // C library reads it; the copy then holds nothing strtod could take differently.
    std::string literal;
    if (i < work.size() && (work[i] == '+' || work[i] == '-')) literal.push_back(work[i++]);
    bool anyDigit = false;
    bool seenPoint = false;
    for (; i < work.size(); ++i) {
        if (IsDigit(work[i])) {
            anyDigit = true;
        } else if (work[i] == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        literal.push_back(work[i]);
    }
    if (!anyDigit) return 0.0;
    if (i < work.size() && std::string_view("eEdD").find(work[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < work.size() && (work[j] == '+' || work[j] == '-')) exponent.push_back(work[j++]);
        if (j < work.size() && IsDigit(work[j])) {
            while (j < work.size() && IsDigit(work[j])) exponent.push_back(work[j++]);
            literal += exponent;
        }
    }
    // strtod rounds to nearest and gives ±HUGE_VAL (infinity) beyond the double range.
    return strtod_l(literal.c_str(), nullptr, CLocale());
}

std::int64_t TruncateToInteger(double value) {
    // The bounds are -2^63 and 2^63, both exact doubles; NaN fails both comparisons.
    constexpr double kLow = -9223372036854775808.0;
    constexpr double kHigh = 9223372036854775808.0;
    if (!(value >= kLow && value < kHigh)) return INT64_MIN;
    // A float-to-integer conversion always chops, whatever the rounding mode.
    return static_cast<std::int64_t>(value);
}

std::size_t TextLength(const char* text) {
    return text ? std::strlen(text) : 0;
}

std::size_t TextLength(std::string_view text) {
    const auto zero = text.find('\0');
    return zero == std::string_view::npos ? text.size() : zero;
}

std::string JoinTexts(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (auto p : parts) total += TextLength(p);
    std::string out;
    out.reserve(total);
    for (auto p : parts) out.append(p.substr(0, TextLength(p)));
    return out;
}

}  // namespace qc
