// BMP, PCX and icon reading at full size, against a plain copy of the output pixels and
// against Qt's own readers.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <cstring>
#include <vector>

#include "picture/formats/bitmap.h"
#include "picture/formats/bmp_reader.h"
#include "picture/formats/icon_reader.h"
#include "picture/formats/pcx_reader.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kWidth = 6000, kHeight = 4000;  // 24 megapixels

void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// A smooth gradient with some noise, so neither reader meets only trivial data.
std::uint8_t Sample(int x, int y, int c) {
    return std::uint8_t((x * (c + 1) + y * (3 - c) + ((x * 7919 + y * 104729) >> 3)) & 0xFF);
}

void PutInfoHeader(Bytes& b, int width, int height, int bpp, std::uint32_t imageSize) {
    for (std::uint32_t v : {40u, std::uint32_t(width), std::uint32_t(height)}) Put32(b, v);
    Put16(b, 1);
    Put16(b, std::uint32_t(bpp));
    for (std::uint32_t v : {0u, imageSize, 2835u, 2835u, 0u, 0u}) Put32(b, v);
}

const Bytes& Bmp24() {
    static const Bytes file = [] {
        const std::size_t rowBytes = (std::size_t(kWidth) * 3 + 3) / 4 * 4;
        Bytes b = {'B', 'M'};
        Put32(b, std::uint32_t(54 + rowBytes * kHeight));
        Put32(b, 0);
        Put32(b, 54);
        PutInfoHeader(b, kWidth, kHeight, 24, std::uint32_t(rowBytes * kHeight));
        b.resize(54 + rowBytes * kHeight);
        for (int y = 0; y < kHeight; ++y) {
            std::uint8_t* row = b.data() + 54 + std::size_t(y) * rowBytes;
            for (int x = 0; x < kWidth; ++x)
                for (int c = 0; c < 3; ++c) row[3 * x + c] = Sample(x, y, c);
        }
        return b;
    }();
    return file;
}

// 8-bit PCX with the runs a photo-like picture gives: short runs mixed with literals.
const Bytes& Pcx8() {
    static const Bytes file = [] {
        Bytes b = {0x0A, 5, 1, 8};
        for (std::uint32_t v : {0u, 0u, std::uint32_t(kWidth - 1), std::uint32_t(kHeight - 1)})
            Put16(b, v);
        b.resize(65, 0);
        b.push_back(1);
        Put16(b, kWidth);
        b.resize(128, 0);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth;) {
                const std::uint8_t v = Sample(x / 4, y, 1) & 0xBF;
                const int run = 1 + (x / 4 + y) % 6;
                const int n = std::min(run, kWidth - x);
                if (n > 1) b.push_back(std::uint8_t(0xC0 | n));
                b.push_back(v);
                x += n;
            }
        }
        b.push_back(0x0C);
        for (int i = 0; i < 768; ++i) b.push_back(std::uint8_t(i * 7));
        return b;
    }();
    return file;
}

Bytes Icon32(int size) {
    const std::size_t colour = std::size_t(size) * size * 4;
    const std::size_t mask = std::size_t((size + 31) / 32 * 4) * size;
    Bytes dib;
    PutInfoHeader(dib, size, size * 2, 32, std::uint32_t(colour + mask));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            for (int c = 0; c < 4; ++c)
                dib.push_back(c == 3 ? std::uint8_t(x * 255 / size) : Sample(x, y, c));
    dib.resize(dib.size() + mask, 0);
    Bytes b;
    for (std::uint32_t v : {0u, 1u, 1u}) Put16(b, v);
    b.push_back(std::uint8_t(size));
    b.push_back(std::uint8_t(size));
    b.push_back(0);
    b.push_back(0);
    Put16(b, 1);
    Put16(b, 32);
    Put32(b, std::uint32_t(dib.size()));
    Put32(b, 22);
    b.insert(b.end(), dib.begin(), dib.end());
    return b;
}

void SetPixelsProcessed(benchmark::State& state, std::int64_t pixels) {
    state.SetItemsProcessed(state.iterations() * pixels);
    state.counters["MP/s"] = benchmark::Counter(double(pixels) * 1e-6 * double(state.iterations()),
                                                benchmark::Counter::kIsRate);
}

void BM_ReadBmp24(benchmark::State& state) {
    const Bytes& file = Bmp24();
    for (auto _ : state) {
        auto picture = qc::ReadBmp(file);
        if (!picture) state.SkipWithError(picture.error().c_str());
        benchmark::DoNotOptimize(picture->image.pixels());
    }
    SetPixelsProcessed(state, std::int64_t(kWidth) * kHeight);
}
BENCHMARK(BM_ReadBmp24)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor for any reader: a fresh bitmap of the same size filled by memcpy.
void BM_MemcpyOutputPixels(benchmark::State& state) {
    std::vector<std::uint32_t> source(std::size_t(kWidth) * kHeight, 0xFF102030u);
    for (auto _ : state) {
        auto bitmap = qc::Bitmap::Create(kWidth, kHeight);
        std::memcpy(bitmap->pixels(), source.data(), bitmap->byteCount());
        benchmark::DoNotOptimize(bitmap->pixels());
    }
    SetPixelsProcessed(state, std::int64_t(kWidth) * kHeight);
}
BENCHMARK(BM_MemcpyOutputPixels)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_QtReadBmp24(benchmark::State& state) {
    const Bytes& file = Bmp24();
    for (auto _ : state) {
        QImage image = QImage::fromData(file.data(), int(file.size()), "BMP");
        if (image.isNull()) state.SkipWithError("Qt could not read the BMP");
        benchmark::DoNotOptimize(image.constBits());
    }
    SetPixelsProcessed(state, std::int64_t(kWidth) * kHeight);
}
BENCHMARK(BM_QtReadBmp24)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadPcx8(benchmark::State& state) {
    const Bytes& file = Pcx8();
    for (auto _ : state) {
        auto picture = qc::ReadPcx(file);
        if (!picture) state.SkipWithError(picture.error().c_str());
        benchmark::DoNotOptimize(picture->image.pixels());
    }
    SetPixelsProcessed(state, std::int64_t(kWidth) * kHeight);
}
BENCHMARK(BM_ReadPcx8)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadIcon(benchmark::State& state) {
    const Bytes file = Icon32(int(state.range(0)));
    for (auto _ : state) {
        auto picture = qc::ReadIcon(file);
        if (!picture) state.SkipWithError(picture.error().c_str());
        benchmark::DoNotOptimize(picture->image.pixels());
    }
    SetPixelsProcessed(state, state.range(0) * state.range(0));
}
BENCHMARK(BM_ReadIcon)->Arg(32)->Arg(256)->Unit(benchmark::kMicrosecond);

void BM_QtReadIcon(benchmark::State& state) {
    const Bytes file = Icon32(int(state.range(0)));
    for (auto _ : state) {
        QImage image = QImage::fromData(file.data(), int(file.size()), "ICO");
        if (image.isNull()) state.SkipWithError("Qt could not read the icon");
        benchmark::DoNotOptimize(image.constBits());
    }
    SetPixelsProcessed(state, state.range(0) * state.range(0));
}
BENCHMARK(BM_QtReadIcon)->Arg(32)->Arg(256)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // Qt finds its image plugins (ICO) through the application object.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
