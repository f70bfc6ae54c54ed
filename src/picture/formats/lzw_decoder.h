#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace qc {

// Where the LZW decoder puts one GIF frame's pixels. The decoder hands over runs in the order
// the file stores them; this maps them to rows (undoing the four-pass interlace) and keeps
// only the top-left visibleWidth × visibleHeight corner, the part on the logical screen.
class GifFrameRows {
  public:
    // `indices` receives visibleWidth × visibleHeight bytes. At most `pixelBudget` pixels are
    // decoded, counting the ones off the screen, so a huge declared frame cannot keep us busy.
    GifFrameRows(int fullWidth, int fullHeight, bool interlaced, int visibleWidth,
                 int visibleHeight, std::int64_t pixelBudget, std::uint8_t* indices);

    bool done() const { return m_done; }
    // Whether every visible pixel was decoded.
    bool complete() const { return m_complete; }
    // Whether decoding stopped because the pixel budget ran out.
    bool outOfBudget() const { return m_outOfBudget; }
    std::int64_t pixelsDecoded() const { return m_decoded; }

    // A place to write `length` (≤ 4096) pixels, then hand them over with commit(length).
    std::uint8_t* begin(int length) {
        return m_x + length <= m_fullWidth ? m_row + m_x : m_staging.data();
    }
    void commit(int length) {
        if (m_x + length < m_fullWidth) {
            m_x += length;
            return;
        }
        commitAcrossRows(length);
    }

    // After decoding: how many pixels of each visible row were decoded, or an empty list when
    // all were. Also moves a partly decoded row into place.
    std::vector<int> finish();

  private:
    void commitAcrossRows(int length);
    void finishRow();
    void enterRow();

    int m_fullWidth;
    int m_fullHeight;
    bool m_interlaced;
    int m_visibleWidth;
    int m_visibleHeight;
    std::int64_t m_budget;
    std::uint8_t* m_indices;
    std::vector<std::uint8_t> m_scratch;
    std::vector<std::uint8_t> m_staging;
    std::uint8_t* m_row = nullptr;
    int m_x = 0;
    int m_streamRow = 0;
    int m_pass = 0;
    int m_y = 0;
    int m_visibleRowsDone = 0;
    std::int64_t m_decoded = 0;
    bool m_done = false;
    bool m_complete = false;
    bool m_outOfBudget = false;
};

// Which row of the code stream holds row y of a frame `height` rows high.
int GifStreamRow(int y, int height, bool interlaced);

// The fast path for a frame wholly on the screen: decodes into `out` in stream order, each
// string copied from where it was output before. Stops like DecodeGifLzw or when `capacity`
// pixels are out; gives how many pixels were decoded.
std::size_t DecodeGifLzwLinear(std::span<const std::uint8_t> data, int minCodeSize,
                               std::uint8_t* out, std::size_t capacity);

// Decodes one frame's LZW data (its sub-blocks joined) into `rows`. Stops at the end code,
// when the frame is full, at a code the table does not hold yet, or where the data ends;
// whatever was decoded before stays. `minCodeSize` outside 1..11 decodes nothing.
void DecodeGifLzw(std::span<const std::uint8_t> data, int minCodeSize, GifFrameRows& rows);

}  // namespace qc
