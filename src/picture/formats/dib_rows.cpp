#include "picture/formats/dib_rows.h"

#include <bit>
#include <cstring>

namespace qc {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

std::uint32_t Load32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

}  // namespace

std::uint32_t RowConverter::Channel::scale(std::uint32_t v) const {
    if (bits == 0) return 0;
    const std::uint32_t x = (v & mask) >> shift;
    if (bits >= 8) return x >> (bits - 8);
    // Narrow fields repeat their bits, so a full 5-bit 31 becomes 255 rather than 248; this is
    // what ImageMagick and libpng do as well.
    std::uint32_t wide = 0;
    int filled = 0;
    for (; filled < 8; filled += bits) wide = (wide << bits) | x;
    return wide >> (filled - 8);
}

RowConverter::RowConverter(const DibInfo& info, bool rgbFourthByteIsAlpha)
    : m_kind(Kind::Bgr24), m_palette(info.palette) {
    for (std::size_t i = 0; i < 4; ++i) {
        const std::uint32_t mask = info.masks[i];
        Channel& c = m_channels[i];
        c.mask = mask;
        c.shift = mask ? std::countr_zero(mask) : 0;
        c.bits = int(std::bit_width(mask >> c.shift));
    }
    const bool bitfields =
        info.compression == kDibBitfields || info.compression == kDibAlphaBitfields;
    switch (info.bitsPerPixel) {
        case 1:
            m_kind = Kind::Indexed1;
            break;
        case 4:
            m_kind = Kind::Indexed4;
            break;
        case 8:
            m_kind = Kind::Indexed8;
            break;
        case 24:
            m_kind = Kind::Bgr24;
            break;
        case 16: {
            m_kind = Kind::Table16;
            m_keepAlpha = bitfields && info.masks[3] != 0;
            m_table16.resize(65536);
            for (std::uint32_t v = 0; v < 65536; ++v) m_table16[v] = masked(v);
            break;
        }
        default: {
            m_keepAlpha = bitfields ? info.masks[3] != 0 : rgbFourthByteIsAlpha;
            const bool plain = info.masks[0] == 0xFF0000 && info.masks[1] == 0xFF00 &&
                               info.masks[2] == 0xFF &&
                               (info.masks[3] == 0 || info.masks[3] == 0xFF000000u);
            m_kind = (plain || !bitfields) ? Kind::Bgra32 : Kind::Masked32;
            break;
        }
    }
}

std::uint32_t RowConverter::masked(std::uint32_t v) const {
    const std::uint32_t a = m_keepAlpha ? m_channels[3].scale(v) : 255;
    return Argb(a, m_channels[0].scale(v), m_channels[1].scale(v), m_channels[2].scale(v));
}

void ConvertBgrRow(const std::uint8_t* src, std::uint32_t* dst, int width) {
    int x = 0;
    // Four pixels from three 32-bit loads: B0G0R0B1 G1R1B2G2 R2B3G3R3.
    for (; x + 4 <= width; x += 4, src += 12) {
        const std::uint32_t w0 = Load32(src), w1 = Load32(src + 4), w2 = Load32(src + 8);
        dst[x] = w0 | kOpaque;
        dst[x + 1] = (w0 >> 24) | (w1 << 8) | kOpaque;
        dst[x + 2] = (w1 >> 16) | (w2 << 16) | kOpaque;
        dst[x + 3] = (w2 >> 8) | kOpaque;
    }
    for (; x < width; ++x, src += 3) dst[x] = Rgb(src[2], src[1], src[0]);
}

void RowConverter::operator()(const std::uint8_t* src, std::uint32_t* dst, int width) {
    switch (m_kind) {
        case Kind::Indexed1:
            for (int x = 0; x < width; ++x) dst[x] = m_palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
            break;
        case Kind::Indexed4:
            for (int x = 0; x < width; ++x) {
                const std::uint8_t b = src[x >> 1];
                dst[x] = m_palette[(x & 1) ? (b & 0x0F) : (b >> 4)];
            }
            break;
        case Kind::Indexed8:
            for (int x = 0; x < width; ++x) dst[x] = m_palette[src[x]];
            break;
        case Kind::Table16: {
            std::uint32_t seen = 0;
            for (int x = 0; x < width; ++x) {
                const std::uint32_t p = m_table16[src[2 * x] | (src[2 * x + 1] << 8)];
                dst[x] = p;
                seen |= p;
            }
            if (m_keepAlpha) m_alphaSeen |= seen;
            break;
        }
        case Kind::Bgr24:
            ConvertBgrRow(src, dst, width);
            break;
        case Kind::Bgra32:
            if (m_keepAlpha) {
                std::memcpy(dst, src, std::size_t(width) * 4);
                std::uint32_t seen = 0;
                for (int x = 0; x < width; ++x) seen |= dst[x];
                m_alphaSeen |= seen;
            } else {
                for (int x = 0; x < width; ++x) dst[x] = Load32(src + 4 * x) | kOpaque;
            }
            break;
        case Kind::Masked32: {
            std::uint32_t seen = 0;
            for (int x = 0; x < width; ++x) {
                dst[x] = masked(Load32(src + 4 * x));
                seen |= dst[x];
            }
            if (m_keepAlpha) m_alphaSeen |= seen;
            break;
        }
    }
}

}  // namespace qc
