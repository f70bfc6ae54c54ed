#include "convert/gbk.h"

#include <iconv.h>

#include <cerrno>

namespace qc {
namespace {

enum class OnBadInput { Question, ReplacementChar };

// Length of the UTF-8 sequence starting at `s`, or 0 if it is not a well-formed one.
std::size_t Utf8SequenceLength(const unsigned char* s, std::size_t left) {
    const unsigned char c = s[0];
    std::size_t n = c < 0x80           ? 1
                    : (c >> 5) == 0x6  ? 2
                    : (c >> 4) == 0xE  ? 3
                    : (c >> 3) == 0x1E ? 4
                                       : 0;
    if (n == 0 || n > left) return 0;
    for (std::size_t i = 1; i < n; ++i)
        if ((s[i] & 0xC0) != 0x80) return 0;
    return n;
}

// One descriptor per call: iconv descriptors carry shift state and must not be shared
// between threads.
std::string Convert(std::string_view input, const char* to, const char* from, OnBadInput bad) {
    std::string out;
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1)) return out;
    out.resize(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::size_t used = 0;
    while (inLeft > 0) {
        char* dst = out.data() + used;
        std::size_t outLeft = out.size() - used;
        const std::size_t rc = iconv(cd, &in, &inLeft, &dst, &outLeft);
        used = out.size() - outLeft;
        if (rc != std::size_t(-1)) break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        const bool incomplete = errno == EINVAL;
        std::size_t skip = 1;
        std::string_view replacement = "\xEF\xBF\xBD";
        if (bad == OnBadInput::Question) {
            replacement = "?";
            // A well-formed character that GBK lacks is skipped whole.
            const std::size_t n =
                Utf8SequenceLength(reinterpret_cast<const unsigned char*>(in), inLeft);
            if (n > 0) skip = n;
        }
        out.resize(used);
        out.append(replacement);
        used = out.size();
        out.resize(used + inLeft * 2 + 16);
        if (incomplete) break;
        in += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    out.resize(used);
    return out;
}

}  // namespace

std::string GbkFromUtf8(std::string_view utf8) {
    return Convert(utf8, "GBK", "UTF-8", OnBadInput::Question);
}

std::string Utf8FromGbk(std::string_view gbk) {
    return Convert(gbk, "UTF-8", "GBK", OnBadInput::ReplacementChar);
}

}  // namespace qc
