#include "picture/formats/lzw_decoder.h"

#include <algorithm>
#include <cstring>

namespace qc {
namespace {

constexpr int kMaxCodes = 4096;
constexpr int kPassStart[4] = {0, 4, 2, 1};
constexpr int kPassStep[4] = {8, 8, 4, 2};

struct CodeTable {
    std::uint16_t prefix[kMaxCodes];
    std::uint16_t length[kMaxCodes];
    std::uint8_t suffix[kMaxCodes];
    std::uint8_t first[kMaxCodes];
};

// Minimum code sizes of 1 (some encoders write it for two-colour frames) and 9..11 are outside
// the format's 2..8 but still make a well-formed code stream, so we take them; a literal above
// 255 cannot name a palette entry and is kept as 255.
inline std::uint8_t LiteralPixel(int code) {
    return std::uint8_t(std::min(code, 255));
}

// Writes the string of `code` backwards from its last pixel; each entry knows its length.
inline void WriteString(const CodeTable& table, int code, std::uint8_t* out, int length) {
    for (int i = length - 1; i >= 0; --i) {
        out[i] = table.suffix[code];
        code = table.prefix[code];
    }
}

// Least-significant-bit-first codes from the joined sub-blocks.
class CodeReader {
  public:
    explicit CodeReader(std::span<const std::uint8_t> data) : m_data(data) {}

    // False when the data ends before a whole code.
    bool read(int codeSize, int& code) {
        if (m_count < codeSize) {
            while (m_count <= 56 && m_pos < m_data.size()) {
                m_bits |= std::uint64_t(m_data[m_pos++]) << m_count;
                m_count += 8;
            }
            if (m_count < codeSize) return false;
        }
        code = int(m_bits & ((1u << codeSize) - 1));
        m_bits >>= codeSize;
        m_count -= codeSize;
        return true;
    }

  private:
    std::span<const std::uint8_t> m_data;
    std::size_t m_pos = 0;
    std::uint64_t m_bits = 0;
    int m_count = 0;
};

}  // namespace

GifFrameRows::GifFrameRows(int fullWidth, int fullHeight, bool interlaced, int visibleWidth,
                           int visibleHeight, std::int64_t pixelBudget, std::uint8_t* indices)
    : m_fullWidth(fullWidth),
      m_fullHeight(fullHeight),
      m_interlaced(interlaced),
      m_visibleWidth(visibleWidth),
      m_visibleHeight(visibleHeight),
      m_budget(pixelBudget),
      m_indices(indices) {
    if (fullWidth <= 0 || fullHeight <= 0 || visibleWidth <= 0 || visibleHeight <= 0) {
        m_done = m_complete = true;
        return;
    }
    if (fullWidth > pixelBudget) {
        m_done = m_outOfBudget = true;
        return;
    }
    m_scratch.resize(std::size_t(fullWidth));
    m_staging.resize(kMaxCodes);
    enterRow();
}

void GifFrameRows::enterRow() {
    const bool visible = m_y < m_visibleHeight;
    m_row = visible && m_visibleWidth == m_fullWidth
                ? m_indices + std::size_t(m_y) * std::size_t(m_visibleWidth)
                : m_scratch.data();
}

void GifFrameRows::finishRow() {
    if (m_y < m_visibleHeight) {
        if (m_row == m_scratch.data())
            std::memcpy(m_indices + std::size_t(m_y) * std::size_t(m_visibleWidth), m_row,
                        std::size_t(m_visibleWidth));
        ++m_visibleRowsDone;
    }
    m_decoded += m_fullWidth;
    m_x = 0;
    ++m_streamRow;
    // Rows below the screen come last in either order, so once the visible ones are in, the
    // rest of the frame can be skipped.
    if (m_visibleRowsDone == m_visibleHeight || m_streamRow == m_fullHeight) {
        m_done = m_complete = true;
        return;
    }
    if (m_decoded + m_fullWidth > m_budget) {
        m_done = m_outOfBudget = true;
        return;
    }
    if (!m_interlaced) {
        m_y = m_streamRow;
    } else {
        m_y += kPassStep[m_pass];
        while (m_y >= m_fullHeight && m_pass < 3) m_y = kPassStart[++m_pass];
    }
    enterRow();
}

void GifFrameRows::commitAcrossRows(int length) {
    if (m_x + length == m_fullWidth) {
        m_x += length;
        finishRow();
        return;
    }
    const std::uint8_t* src = m_staging.data();
    while (length > 0 && !m_done) {
        const int n = std::min(length, m_fullWidth - m_x);
        std::memcpy(m_row + m_x, src, std::size_t(n));
        src += n;
        length -= n;
        m_x += n;
        if (m_x == m_fullWidth) finishRow();
    }
}

int GifStreamRow(int y, int height, bool interlaced) {
    if (!interlaced) return y;
    const int h = height;
    const int pass1 = (h + 7) / 8;
    const int pass2 = (h + 3) / 8;
    const int pass3 = (h + 1) / 4;
    if (y % 8 == 0) return y / 8;
    if (y % 8 == 4) return pass1 + y / 8;
    if (y % 4 == 2) return pass1 + pass2 + y / 4;
    return pass1 + pass2 + pass3 + y / 2;
}

std::vector<int> GifFrameRows::finish() {
    if (m_complete) return {};
    std::vector<int> lengths(std::size_t(m_visibleHeight), 0);
    for (int y = 0; y < m_visibleHeight; ++y) {
        const int s = GifStreamRow(y, m_fullHeight, m_interlaced);
        if (s < m_streamRow) {
            lengths[y] = m_visibleWidth;
        } else if (s == m_streamRow && m_x > 0) {
            const int n = std::min(m_x, m_visibleWidth);
            if (m_row == m_scratch.data())
                std::memcpy(m_indices + std::size_t(y) * std::size_t(m_visibleWidth), m_row,
                            std::size_t(n));
            lengths[y] = n;
        }
    }
    return lengths;
}

std::size_t DecodeGifLzwLinear(std::span<const std::uint8_t> data, int minCodeSize,
                               std::uint8_t* out, std::size_t capacity) {
    if (minCodeSize < 1 || minCodeSize > 11 || capacity == 0) return 0;
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    // Where each code's string was output, and how long it is.
    std::size_t offset[kMaxCodes];
    std::uint16_t length[kMaxCodes];

    for (int i = 0; i < clear; ++i) length[i] = 1;

    CodeReader reader(data);
    int codeSize = minCodeSize + 1;
    int next = clear + 2;
    int previous = -1;
    std::size_t previousStart = 0;
    std::size_t pos = 0;
    int code;
    while (pos < capacity && reader.read(codeSize, code)) {
        if (code == clear) {
            codeSize = minCodeSize + 1;
            next = clear + 2;
            previous = -1;
            continue;
        }
        if (code == end) break;
        const std::size_t start = pos;
        if (code < clear) {
            out[pos++] = LiteralPixel(code);
        } else if (previous < 0 || code > next) {
            break;
        } else if (code < next) {
            std::size_t n = length[code];
            const std::uint8_t* src = out + offset[code];
            std::uint8_t* dst = out + pos;
            if (n <= 8 && capacity - pos >= 8) {
                // The bytes past n are rubbish that the next strings overwrite.
                std::uint64_t chunk;
                std::memcpy(&chunk, src, 8);
                std::memcpy(dst, &chunk, 8);
            } else {
                n = std::min(n, capacity - pos);
                std::memcpy(dst, src, n);
            }
            pos += n;
        } else {
            // The code being defined right now: the previous string plus its first pixel,
            // and the previous string ends exactly where this one starts.
            std::size_t n = std::min<std::size_t>(length[previous], capacity - pos);
            std::memcpy(out + pos, out + previousStart, n);
            pos += n;
            if (pos < capacity) out[pos++] = out[previousStart];
        }
        if (previous >= 0 && next < kMaxCodes) {
            offset[next] = previousStart;
            length[next] = std::uint16_t(length[previous] + 1);
            ++next;
            // ">=" rather than "==" so a minimum code size of 1, whose first free code
            // already needs the wider width, still widens.
            if (next >= (1 << codeSize) && codeSize < 12) ++codeSize;
        }
        previous = code;
        previousStart = start;
    }
    return pos;
}

void DecodeGifLzw(std::span<const std::uint8_t> data, int minCodeSize, GifFrameRows& rows) {
    if (minCodeSize < 1 || minCodeSize > 11 || rows.done()) return;
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;

    CodeTable table;
    for (int i = 0; i < clear; ++i) {
        table.prefix[i] = 0;
        table.length[i] = 1;
        table.suffix[i] = table.first[i] = LiteralPixel(i);
    }

    CodeReader reader(data);
    int codeSize = minCodeSize + 1;
    int next = clear + 2;
    int previous = -1;
    int code;
    while (reader.read(codeSize, code)) {
        if (code == clear) {
            codeSize = minCodeSize + 1;
            next = clear + 2;
            previous = -1;
            continue;
        }
        if (code == end) return;
        if (previous < 0) {
            if (code > clear) return;
            *rows.begin(1) = table.suffix[code];
            rows.commit(1);
            previous = code;
            if (rows.done()) return;
            continue;
        }

        int length;
        std::uint8_t first;
        if (code < next) {
            length = table.length[code];
            first = table.first[code];
            WriteString(table, code, rows.begin(length), length);
        } else if (code == next) {
            // The code being defined right now: the previous string plus its own first pixel.
            length = table.length[previous] + 1;
            first = table.first[previous];
            std::uint8_t* out = rows.begin(length);
            WriteString(table, previous, out, length - 1);
            out[length - 1] = first;
        } else {
            return;
        }
        rows.commit(length);

        // A full table stops growing but decoding goes on with 12-bit codes until the
        // encoder sends a clear code ("deferred clear").
        if (next < kMaxCodes) {
            table.prefix[next] = std::uint16_t(previous);
            table.suffix[next] = first;
            table.first[next] = table.first[previous];
            table.length[next] = std::uint16_t(table.length[previous] + 1);
            ++next;
            if (next >= (1 << codeSize) && codeSize < 12) ++codeSize;
        }
        previous = code;
        if (rows.done()) return;
    }
}

}  // namespace qc
