#include "export/bmp_snapshot.h"

#include <sys/mman.h>

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

// Each pixel is stored as a whole 32-bit word whose alpha byte the next pixel overwrites;
// the last pixel is stored byte by byte so nothing lands past the row's 3 × width bytes.
void PackRow(const std::uint32_t* in, std::uint8_t* out, int width) {
    int x = 0;
    for (; x + 1 < width; ++x, out += 3) std::memcpy(out, in + x, 4);
    out[0] = std::uint8_t(in[x]);
    out[1] = std::uint8_t(in[x] >> 8);
    out[2] = std::uint8_t(in[x] >> 16);
}

// A large fresh buffer faults in page by page; asking for transparent huge pages before the
// first touch makes that several times cheaper. Only whole huge pages inside the buffer.
void PreferHugePages(std::uint8_t* data, std::size_t bytes) {
    constexpr std::uintptr_t kHugePage = 2 * 1024 * 1024;
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kHugePage - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
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
    PreferHugePages(out.data(), out.capacity());
    out.resize(kBmpHeaderBytes);
    WriteHeaders(out.data(), view.width, view.height, std::uint32_t(imageBytes));
    // Rows are packed in a small buffer that stays in cache and appended to the reserved
    // space: the big block is written once, without zero-filling it first.
    std::vector<std::uint8_t> row(stride, 0);
    for (int y = view.height - 1; y >= 0; --y) {
        PackRow(view.row(y), row.data(), view.width);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<std::uint8_t> EncodePictureSnapshot(const Bitmap& bitmap) {
    if (bitmap.isNull()) return {};
    return EncodePictureSnapshot(ViewOf(bitmap));
}

}  // namespace qc
