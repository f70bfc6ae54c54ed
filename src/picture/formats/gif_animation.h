#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "picture/formats/bitmap.h"
#include "picture/formats/result.h"

namespace qc {

// A colour table widened to 256 entries of 0xAARRGGBB; entries past the file's table are
// opaque black so any index a frame holds names some colour.
using GifPalette = std::array<std::uint32_t, 256>;

// One decoded frame, kept as palette indices over its rectangle (already clipped to the
// logical screen) so an animation costs a byte per pixel rather than four.
struct GifFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices;  // width × height, row-major
    // Empty when every pixel was decoded; otherwise how many pixels of each row were, for a
    // frame whose data broke off. Undecoded pixels leave the canvas as it was.
    std::vector<int> rowLengths;
    std::uint32_t palette = 0;  // index into GifAnimation::palettes()
    int transparentIndex = -1;  // -1 when the frame has no transparent colour
    std::uint8_t disposal = 0;  // 2 and 3 both restore what was under the frame
    int delay = 0;              // hundredths of a second

    int decodedLength(int y) const { return rowLengths.empty() ? width : rowLengths[y]; }
    // How long the frame stays up: 0 means 50 ms, as players commonly show it.
    int delayMs() const { return delay == 0 ? 50 : delay * 10; }
};

class GifAnimation {
  public:
    GifAnimation(int width, int height, std::vector<GifPalette> palettes,
                 std::vector<GifFrame> frames)
        : m_width(width),
          m_height(height),
          m_palettes(std::move(palettes)),
          m_frames(std::move(frames)) {}

    int width() const { return m_width; }
    int height() const { return m_height; }
    const std::vector<GifFrame>& frames() const { return m_frames; }
    const GifPalette& palette(const GifFrame& frame) const { return m_palettes[frame.palette]; }

  private:
    int m_width;
    int m_height;
    std::vector<GifPalette> m_palettes;
    std::vector<GifFrame> m_frames;
};

// The player's canvas: the logical screen filled with a background colour, onto which each
// advance() draws the next frame, restoring what the previous one covered when its disposal
// asks for that. It wraps to the first frame after the last, for ever.
class GifCanvas {
  public:
    // `background` is 0xRRGGBB.
    static Result<GifCanvas> Create(std::shared_ptr<const GifAnimation> animation,
                                    std::uint32_t background);

    // Draws the next frame and gives how long it should stay up, in milliseconds.
    int advance();

    const Bitmap& canvas() const { return m_canvas; }
    // The frame last drawn, -1 before the first advance().
    int frameIndex() const { return m_index; }
    // Whether every frame has been drawn at least once and playing has wrapped; from then on
    // the canvas after frame i is the same on every pass.
    bool wrapped() const { return m_wrapped; }

  private:
    GifCanvas(std::shared_ptr<const GifAnimation> animation, Bitmap canvas)
        : m_animation(std::move(animation)), m_canvas(std::move(canvas)) {}

    void saveArea(const GifFrame& frame);
    void restoreArea(const GifFrame& frame);
    void draw(const GifFrame& frame);

    std::shared_ptr<const GifAnimation> m_animation;
    Bitmap m_canvas;
    std::vector<std::uint32_t> m_saved;
    int m_index = -1;
    bool m_wrapped = false;
};

// Draws `frame` onto `target` (the logical screen size). Transparent pixels are left out
// unless `transparentAsAlpha`, when they are written with their colour and alpha 0.
void DrawGifFrame(const GifAnimation& animation, const GifFrame& frame, Bitmap& target,
                  bool transparentAsAlpha);

}  // namespace qc
