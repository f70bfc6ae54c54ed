#include "export/bmp_snapshot.h"

#include <cstring>

namespace qc {
namespace {

void Put16(std::uint8_t* at, std::uint32_t v) {
    at[0] = std::uint8_t(v);
    at[1] = std::uint8_t(v >> 8);
}

void Put32(std::uint8_t* at, std::uint32_t v) {
    Put16(at, v);
    Put16(at + 2, v >> 16);
}

void WriteHeaders(std::uint8_t* out, int width, int height, std::uint32_t imageBytes) {
    std::memset(out, 0, kBmpHeaderBytes);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out + 2, std::uint32_t(kBmpHeaderBytes) + imageBytes);
    Put32(out + 10, std::uint32_t(kBmpHeaderBytes));
    Put32(out + 14, 40);
    Put32(out + 18, std::uint32_t(width));
    Put32(out + 22, std::uint32_t(height));
    Put16(out + 26, 1);
    Put16(out + 28, 24);
    Put32(out + 34, imageBytes);
}

// Four pixels B,G,R,A become twelve bytes B,G,R: three 32-bit stores instead of twelve byte
// stores keep the whole snapshot one memory-bound pass.
void PackRow(const std::uint32_t* in, std::uint8_t* out, int width) {
    int x = 0;
    for (; x + 4 <= width; x += 4, in += 4, out += 12) {
        const std::uint32_t p0 = in[0] & 0xFFFFFF, p1 = in[1] & 0xFFFFFF;
        const std::uint32_t p2 = in[2] & 0xFFFFFF, p3 = in[3] & 0xFFFFFF;
        const std::uint32_t words[3] = {p0 | (p1 << 24), (p1 >> 8) | (p2 << 16),
                                        (p2 >> 16) | (p3 << 8)};
        std::memcpy(out, words, 12);
    }
    for (; x < width; ++x, ++in, out += 3) {
        out[0] = std::uint8_t(*in);
        out[1] = std::uint8_t(*in >> 8);
        out[2] = std::uint8_t(*in >> 16);
    }
}

}  // namespace

std::vector<std::uint8_t> EncodePictureSnapshot(const PixelView& view) {
    if (view.isEmpty()) return {};
    if (std::int64_t(view.width) * view.height > kMaxPicturePixels) return {};
    const std::size_t stride = BmpStride(view.width);
    const std::size_t imageBytes = stride * std::size_t(view.height);
    if (imageBytes + kBmpHeaderBytes > 0xFFFFFFFFu) return {};

    std::vector<std::uint8_t> out;
    out.reserve(kBmpHeaderBytes + imageBytes);
    out.resize(kBmpHeaderBytes + imageBytes);
    std::uint8_t* data = out.data();
    WriteHeaders(data, view.width, view.height, std::uint32_t(imageBytes));
    const std::size_t padding = stride - std::size_t(view.width) * 3;
    std::uint8_t* row = data + kBmpHeaderBytes;
    for (int y = view.height - 1; y >= 0; --y, row += stride) {
        PackRow(view.row(y), row, view.width);
        std::memset(row + stride - padding, 0, padding);
    }
    return out;
}

std::vector<std::uint8_t> EncodePictureSnapshot(const Bitmap& bitmap) {
    if (bitmap.isNull()) return {};
    return EncodePictureSnapshot(ViewOf(bitmap));
}

}  // namespace qc
