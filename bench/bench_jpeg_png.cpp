// Our JPEG and PNG readers against the libraries called directly into a reused buffer, plus the
// first-touch cost of a fresh picture buffer with and without transparent huge pages.
// Usage: bench_jpeg_png [repetitions]
#include <png.h>
#include <sys/mman.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <jpeglib.h>

#include "picture/formats/jpeg_reader.h"
#include "picture/formats/png_reader.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

int g_repetitions = 5;

// The fastest of several runs: on a shared machine the minimum is the figure least disturbed
// by other work.
double FastestMs(const std::function<void()>& work) {
    work();  // warm caches and the allocator
    double best = 1e300;
    for (int i = 0; i < g_repetitions; ++i) {
        const auto start = Clock::now();
        work();
        best =
            std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

// Runs `ours` and `direct` alternately so both see the same machine load; gives their fastest
// times.
std::pair<double, double> Compare(const std::function<void()>& ours,
                                  const std::function<void()>& direct) {
    double bestOurs = 1e300, bestDirect = 1e300;
    const int rounds = g_repetitions;
    g_repetitions = 1;
    for (int i = 0; i < rounds; ++i) {
        bestOurs = std::min(bestOurs, FastestMs(ours));
        bestDirect = std::min(bestDirect, FastestMs(direct));
    }
    g_repetitions = rounds;
    return {bestOurs, bestDirect};
}

// A photo-like picture: smooth colour fields with some noise, so the files are of ordinary
// size and every decoder stage does real work.
void FillPhoto(std::vector<std::uint8_t>& rgb, int width, int height, int channels) {
    std::uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int n = int(noise >> 28) - 8;
            std::uint8_t* p = &rgb[(std::size_t(y) * width + x) * channels];
            p[0] = std::uint8_t(std::clamp((x * 255 / width) + n, 0, 255));
            p[1] = std::uint8_t(std::clamp((y * 255 / height) + n, 0, 255));
            p[2] = std::uint8_t(std::clamp(((x + y) * 127 / (width + height)) + 64 + n, 0, 255));
            if (channels == 4) p[3] = std::uint8_t(std::clamp(128 + (x % 256) / 2 + n, 0, 255));
        }
    }
}

Bytes EncodeJpeg(int width, int height, bool progressive) {
    std::vector<std::uint8_t> rgb(std::size_t(width) * height * 3);
    FillPhoto(rgb, width, height, 3);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&cinfo, &out, &outSize);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 88, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = &rgb[std::size_t(cinfo.next_scanline) * width * 3];
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    Bytes bytes(out, out + outSize);
    std::free(out);
    jpeg_destroy_compress(&cinfo);
    return bytes;
}

// libjpeg-turbo as a caller would use it at its best: same output format, buffer reused.
void DecodeJpegDirect(const Bytes& file, std::vector<std::uint8_t>& buffer) {
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&cinfo);
    const std::size_t stride = std::size_t(cinfo.output_width) * 4;
    buffer.resize(stride * cinfo.output_height);
    JSAMPROW rows[16];
    while (cinfo.output_scanline < cinfo.output_height) {
        const JDIMENSION y = cinfo.output_scanline;
        const JDIMENSION count = std::min<JDIMENSION>(16, cinfo.output_height - y);
        for (JDIMENSION i = 0; i < count; ++i) rows[i] = &buffer[(y + i) * stride];
        jpeg_read_scanlines(&cinfo, rows, count);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
}

Bytes EncodePng(int width, int height) {
    std::vector<std::uint8_t> rgba(std::size_t(width) * height * 4);
    FillPhoto(rgba, width, height, 4);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr);
    Bytes bytes(size);
    png_image_write_to_memory(&image, bytes.data(), &size, 0, rgba.data(), 0, nullptr);
    bytes.resize(size);
    return bytes;
}

void DecodePngDirect(const Bytes& file, std::vector<std::uint8_t>& buffer) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    png_image_begin_read_from_memory(&image, file.data(), file.size());
    image.format = PNG_FORMAT_BGRA;
    image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
    buffer.resize(PNG_IMAGE_SIZE(image));
    png_image_finish_read(&image, nullptr, buffer.data(), 0, nullptr);
}

void ReportFirstTouch() {
    constexpr std::size_t kBytes = 96u << 20;
    constexpr std::size_t kHuge = 2u << 20;
    auto touch = [&](bool hugePages) {
        return FastestMs([&] {
            void* p = std::aligned_alloc(kHuge, kBytes);
            if (hugePages) madvise(p, kBytes, MADV_HUGEPAGE);
            auto* bytes = static_cast<volatile std::uint8_t*>(p);
            for (std::size_t i = 0; i < kBytes; i += 4096) bytes[i] = 1;
            std::free(p);
        });
    };
    std::ifstream thp("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string mode;
    std::getline(thp, mode);
    const double plain = touch(false), huge = touch(true);
    std::printf("\nfirst touch of a fresh 96 MB buffer (THP: %s)\n", mode.c_str());
    std::printf(
        "  without MADV_HUGEPAGE %8.2f ms\n  with MADV_HUGEPAGE    %8.2f ms (%.1fx faster)\n",
        plain, huge, plain / huge);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) g_repetitions = std::max(1, std::atoi(argv[1]));
    std::printf("fastest of %d runs; ours allocates a fresh picture each time, direct reuses one\n",
                g_repetitions);
    std::printf("%-28s %10s %10s %8s\n", "JPEG", "ours ms", "direct ms", "ratio");
    struct Size {
        const char* name;
        int width, height;
    };
    const Size sizes[] = {{"2 MP", 1632, 1224}, {"12 MP", 4000, 3000}, {"24 MP", 6000, 4000}};
    std::vector<std::uint8_t> buffer;
    for (const Size& size : sizes) {
        for (bool progressive : {false, true}) {
            const Bytes file = EncodeJpeg(size.width, size.height, progressive);
            const auto [ours, direct] = Compare(
                [&] {
                    if (!qc::ReadJpeg(file)) std::abort();
                },
                [&] { DecodeJpegDirect(file, buffer); });
            const std::string label = std::string(size.name) +
                                      (progressive ? " progressive" : " baseline") + " (" +
                                      std::to_string(file.size() / 1024) + " KB)";
            std::printf("%-28s %10.2f %10.2f %7.3fx\n", label.c_str(), ours, direct, ours / direct);
        }
    }
    std::printf("\n%-28s %10s %10s %8s\n", "PNG RGBA", "ours ms", "direct ms", "ratio");
    for (const Size& size : {sizes[0], sizes[1]}) {
        const Bytes file = EncodePng(size.width, size.height);
        const auto [ours, direct] = Compare(
            [&] {
                if (!qc::ReadPng(file)) std::abort();
            },
            [&] { DecodePngDirect(file, buffer); });
        const std::string label =
            std::string(size.name) + " (" + std::to_string(file.size() / 1024) + " KB)";
        std::printf("%-28s %10.2f %10.2f %7.3fx\n", label.c_str(), ours, direct, ours / direct);
    }
    ReportFirstTouch();
    return 0;
}
