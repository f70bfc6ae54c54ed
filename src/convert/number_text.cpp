#include "convert/number_text.h"

#include <cstring>

namespace qc {

std::string IntegerToText(std::int32_t value) { return std::to_string(value); }
double TextToNumber(std::string_view) { return 0; }
std::int64_t TruncateToInteger(double value) { return std::int64_t(value); }
std::size_t TextLength(const char* text) { return text ? std::strlen(text) : 0; }
std::size_t TextLength(std::string_view text) {
    const auto zero = text.find('\0');
    return zero == std::string_view::npos ? text.size() : zero;
}
std::string JoinTexts(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (auto p : parts) out.append(p.substr(0, TextLength(p)));
    return out;
}

}  // namespace qc
