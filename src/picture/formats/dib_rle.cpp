#include "picture/formats/dib_rle.h"

#include <algorithm>

#include "picture/formats/byte_reader.h"

namespace qc {
namespace {

// Two bytes of RLE data give at most 255 pixels.
constexpr std::int64_t kMostPixelsPerByte = 128;

class RleCanvas {
  public:
    RleCanvas(Bitmap& bitmap, const DibInfo& info)
        : m_bitmap(bitmap),
          m_palette(info.palette),
          m_width(bitmap.width()),
          m_height(bitmap.height()) {}

    // Runs past the end of a row are cut off there rather than wrapped to the next row.
    void run(std::int64_t count, std::uint32_t colour) {
        const std::int64_t n = std::clamp<std::int64_t>(m_width - m_x, 0, count);
        if (n > 0 && m_y < m_height) {
            std::fill_n(m_bitmap.row(int(m_height - 1 - m_y)) + m_x, n, colour);
            m_written += n;
        }
        m_x += count;
    }
    void put(std::uint8_t index) { run(1, m_palette[index]); }
    void endLine() {
        m_x = 0;
        ++m_y;
    }
    void move(std::int64_t dx, std::int64_t dy) {
        m_x += dx;
        m_y += dy;
    }
    bool full() const { return m_y >= m_height || (m_y == m_height - 1 && m_x >= m_width); }
    bool pastEnd() const { return m_y >= m_height; }
    bool everyPixelWritten() const {
        return m_written == std::int64_t(m_width) * std::int64_t(m_height);
    }

  private:
    Bitmap& m_bitmap;
    const std::array<std::uint32_t, 256>& m_palette;
    const int m_width;
    const int m_height;
    std::int64_t m_x = 0;
    std::int64_t m_y = 0;
    std::int64_t m_written = 0;
};

// An absolute run of `count` indices; false when the data ends inside it.
bool AbsoluteRun(ByteReader& in, RleCanvas& canvas, int count, bool fourBit) {
    const std::size_t bytes = fourBit ? std::size_t(count + 1) / 2 : std::size_t(count);
    std::span<const std::uint8_t> data;
    if (!in.bytes(bytes, data)) return false;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t b = data[std::size_t(fourBit ? i / 2 : i)];
        canvas.put(fourBit ? ((i & 1) ? b & 0x0F : b >> 4) : b);
    }
    // Runs are padded to 16 bits; a missing pad byte at the very end is harmless.
    if (bytes & 1) in.skip(1);
    return true;
}

}  // namespace

Result<Bitmap> DecodeDibRle(const DibInfo& info, std::span<const std::uint8_t> data) {
    if (info.height < 0) return Fail("run-length bitmaps cannot be stored top-down");
    if (!PlausibleForFileSize(info.width, info.height, data.size(), kMostPixelsPerByte))
        return Fail("bitmap is larger than its data could hold");
    auto created = Bitmap::Filled(info.width, info.height, 0);
    if (!created) return created;
    RleCanvas canvas(created.value(), info);
    const bool fourBit = info.compression == kDibRle4;
    ByteReader in(data);
    while (!canvas.pastEnd()) {
        std::uint8_t count, value;
        if (!in.u8(count) || !in.u8(value)) {
            // Leniency: a missing end-of-bitmap mark after the last pixel changes nothing.
            if (canvas.full()) break;
            return Fail("bitmap pixel data ends early");
        }
        if (count > 0) {
            if (fourBit) {
                const std::uint32_t hi = info.palette[value >> 4], lo = info.palette[value & 15];
                for (int i = 0; i < count; ++i) canvas.run(1, (i & 1) ? lo : hi);
            } else {
                canvas.run(count, info.palette[value]);
            }
            continue;
        }
        if (value == 0) {
            canvas.endLine();
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            std::uint8_t dx, dy;
            if (!in.u8(dx) || !in.u8(dy)) return Fail("bitmap pixel data ends early");
            canvas.move(dx, dy);
        } else if (!AbsoluteRun(in, canvas, value, fourBit)) {
            return Fail("bitmap pixel data ends early");
        }
    }
    created->setHasAlpha(!canvas.everyPixelWritten());
    return created;
}

}  // namespace qc
