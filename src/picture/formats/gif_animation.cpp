#include "picture/formats/gif_animation.h"

#include <algorithm>

namespace qc {

void DrawGifFrame(const GifAnimation& animation, const GifFrame& frame, Bitmap& target,
                  bool transparentAsAlpha) {
    const GifPalette& palette = animation.palette(frame);
    const int transparent = frame.transparentIndex;
    for (int y = 0; y < frame.height; ++y) {
        const std::uint8_t* src = frame.indices.data() + std::size_t(y) * frame.width;
        std::uint32_t* dst = target.row(frame.top + y) + frame.left;
        const int n = frame.decodedLength(y);
        if (transparent < 0) {
            for (int x = 0; x < n; ++x) dst[x] = palette[src[x]];
        } else if (transparentAsAlpha) {
            for (int x = 0; x < n; ++x) {
                const std::uint32_t c = palette[src[x]];
                dst[x] = src[x] == transparent ? (c & 0x00FFFFFFu) : c;
            }
        } else {
            for (int x = 0; x < n; ++x)
                if (src[x] != transparent) dst[x] = palette[src[x]];
        }
    }
}

Result<GifCanvas> GifCanvas::Create(std::shared_ptr<const GifAnimation> animation,
                                    std::uint32_t background) {
    if (!animation || animation->frames().empty()) return Fail("gif animation has no frames");
    auto canvas = Bitmap::Filled(animation->width(), animation->height(), 0xFF000000u | background);
    if (!canvas) return canvas.takeError();
    return GifCanvas(std::move(animation), std::move(canvas.value()));
}

int GifCanvas::advance() {
    const auto& frames = m_animation->frames();
    if (m_index >= 0) {
        const GifFrame& previous = frames[m_index];
        if (previous.disposal == 2 || previous.disposal == 3) restoreArea(previous);
    }
    int next = m_index + 1;
    if (next == int(frames.size())) {
        next = 0;
        m_wrapped = true;
    }
    m_index = next;
    const GifFrame& frame = frames[next];
    if (frame.disposal == 2 || frame.disposal == 3) saveArea(frame);
    draw(frame);
    return frame.delayMs();
}

void GifCanvas::saveArea(const GifFrame& frame) {
    m_saved.resize(std::size_t(frame.width) * frame.height);
    for (int y = 0; y < frame.height; ++y) {
        const std::uint32_t* src = m_canvas.row(frame.top + y) + frame.left;
        std::copy_n(src, frame.width, m_saved.data() + std::size_t(y) * frame.width);
    }
}

void GifCanvas::restoreArea(const GifFrame& frame) {
    if (m_saved.size() != std::size_t(frame.width) * frame.height) return;
    for (int y = 0; y < frame.height; ++y) {
        const std::uint32_t* src = m_saved.data() + std::size_t(y) * frame.width;
        std::copy_n(src, frame.width, m_canvas.row(frame.top + y) + frame.left);
    }
}

void GifCanvas::draw(const GifFrame& frame) {
    DrawGifFrame(*m_animation, frame, m_canvas, false);
}

}  // namespace qc
