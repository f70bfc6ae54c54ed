#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "picture/formats/dib_decoder.h"

namespace qc {

// Turns one stored row of an uncompressed DIB into 0xAARRGGBB pixels. Made once per picture,
// so per-picture work (mask scaling, the 16-bit lookup table) stays out of the row loop.
class RowConverter {
  public:
    RowConverter(const DibInfo& info, bool rgbFourthByteIsAlpha);

    // `src` holds at least the row's pixel bytes (padding not needed).
    void operator()(const std::uint8_t* src, std::uint32_t* dst, int width);

    // Whether alpha is read from the file at all, and whether some pixel had non-zero alpha.
    bool keepsAlpha() const { return m_keepAlpha; }
    bool anyAlpha() const { return (m_alphaSeen >> 24) != 0; }

  private:
    enum class Kind { Indexed1, Indexed4, Indexed8, Table16, Bgr24, Bgra32, Masked32 };

    struct Channel {
        std::uint32_t mask = 0;
        int shift = 0;
        int bits = 0;
        std::uint32_t scale(std::uint32_t v) const;
    };

    std::uint32_t masked(std::uint32_t v) const;

    Kind m_kind;
    const std::array<std::uint32_t, 256>& m_palette;
    std::array<Channel, 4> m_channels{};
    std::vector<std::uint32_t> m_table16;
    bool m_keepAlpha = false;
    std::uint32_t m_alphaSeen = 0;
};

// The 24-bit fast path: blue, green, red byte triples to opaque pixels.
void ConvertBgrRow(const std::uint8_t* src, std::uint32_t* dst, int width);

}  // namespace qc
