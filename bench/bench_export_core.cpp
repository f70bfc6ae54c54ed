#include <benchmark/benchmark.h>

#include "export/bmp_snapshot.h"
#include "export/jpeg_writer.h"

namespace qc {
namespace {

Bitmap Gradient(int width, int height) {
    Bitmap bitmap = Bitmap::Create(width, height).value();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.row(y)[x] = Rgb(x * 255 / width, y * 255 / height, (x ^ y) & 0xFF);
    return bitmap;
}

void BM_SnapshotBmp3000(benchmark::State& state) {
    const Bitmap picture = Gradient(3000, 3000);
    for (auto _ : state) {
        auto bmp = EncodePictureSnapshot(picture);
        benchmark::DoNotOptimize(bmp.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * 3000 * 3000 * 4);
}
BENCHMARK(BM_SnapshotBmp3000)->Unit(benchmark::kMillisecond);

void BM_SnapshotBmp379x384(benchmark::State& state) {
    const Bitmap picture = Gradient(379, 384);
    for (auto _ : state) {
        auto bmp = EncodePictureSnapshot(picture);
        benchmark::DoNotOptimize(bmp.data());
    }
}
BENCHMARK(BM_SnapshotBmp379x384)->Unit(benchmark::kMicrosecond);

void BM_Jpeg400(benchmark::State& state) {
    const Bitmap picture = Gradient(400, 400);
    for (auto _ : state) {
        auto jpeg = EncodeJpeg(ViewOf(picture));
        benchmark::DoNotOptimize(jpeg.ok());
    }
}
BENCHMARK(BM_Jpeg400)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qc

BENCHMARK_MAIN();
