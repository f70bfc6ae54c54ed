// GIF decoding plus compositing every frame, ours against giflib (when installed) doing the
// same work, and the per-frame cost of a playing GIF stretched in the picture box.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <cstring>

#include "../tests/formats/gif_builder.h"
#include "picture/formats/gif_animation.h"
#include "picture/formats/gif_reader.h"
#include "picture/gif_player.h"

#ifdef QC_HAVE_GIFLIB
#include <gif_lib.h>
#endif

namespace {

using qc::test::GifFrameSpec;
using qc::test::GifRecipe;

constexpr int kSide = 480;

std::vector<std::uint32_t> Palette() {
    std::vector<std::uint32_t> palette;
    for (int i = 0; i < 256; ++i)
        palette.push_back(std::uint32_t((i * 37) & 255) << 16 | std::uint32_t((i * 91) & 255) << 8 |
                          std::uint32_t(i));
    return palette;
}

// Smooth bands with some grain, much like a dithered photo or a cartoon in 256 colours.
std::vector<std::uint8_t> Picture(int width, int height, int phase) {
    std::vector<std::uint8_t> out(std::size_t(width) * height);
    unsigned noise = 12345u + unsigned(phase);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int grain = (noise >> 28) == 0 ? int(noise >> 20) % 5 : 0;
            out[std::size_t(y) * width + x] =
                std::uint8_t(((x + phase) / 6 + (y * 3 + phase) / 17 + grain) & 255);
        }
    return out;
}

std::vector<std::uint8_t> StillGif() {
    GifRecipe recipe{kSide, kSide, Palette(), {}};
    GifFrameSpec f;
    f.width = f.height = kSide;
    f.indices = Picture(kSide, kSide, 0);
    recipe.frames.push_back(f);
    return qc::test::BuildGif(recipe);
}

// 30 frames: a full first frame, then 240 × 240 patches wandering over it with every
// disposal method, some with a transparent colour.
std::vector<std::uint8_t> AnimatedGif() {
    GifRecipe recipe{kSide, kSide, Palette(), {}};
    GifFrameSpec first;
    first.width = first.height = kSide;
    first.indices = Picture(kSide, kSide, 0);
    first.delay = 4;
    recipe.frames.push_back(first);
    for (int i = 1; i < 30; ++i) {
        GifFrameSpec f;
        f.width = f.height = 240;
        f.left = (i * 37) % 240;
        f.top = (i * 53) % 240;
        f.indices = Picture(240, 240, i * 11);
        f.disposal = i % 4;
        f.transparentIndex = i % 3 == 0 ? 7 : -1;
        f.delay = 4;
        recipe.frames.push_back(f);
    }
    recipe.loopOnce = true;
    return qc::test::BuildGif(recipe);
}

void DecodeAndPlayOurs(benchmark::State& state, const std::vector<std::uint8_t>& bytes) {
    for (auto _ : state) {
        auto picture = qc::ReadGif(bytes);
        if (!picture) state.SkipWithError("decode failed");
        if (picture->animation) {
            auto canvas = qc::GifCanvas::Create(picture->animation, 0xC0C0C0);
            for (std::size_t i = 0; i < picture->animation->frames().size(); ++i) canvas->advance();
            benchmark::DoNotOptimize(canvas->canvas().pixels()[0]);
        }
        benchmark::DoNotOptimize(picture->image.pixels()[0]);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}

void BM_Ours_Still(benchmark::State& state) {
    DecodeAndPlayOurs(state, StillGif());
}
void BM_Ours_Animated(benchmark::State& state) {
    DecodeAndPlayOurs(state, AnimatedGif());
}
BENCHMARK(BM_Ours_Still)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Ours_Animated)->Unit(benchmark::kMillisecond);

#ifdef QC_HAVE_GIFLIB
struct MemoryInput {
    const std::vector<std::uint8_t>* bytes;
    std::size_t pos;
};

int ReadMemory(GifFileType* gif, GifByteType* out, int length) {
    auto* in = static_cast<MemoryInput*>(gif->UserData);
    const std::size_t n = std::min<std::size_t>(std::size_t(length), in->bytes->size() - in->pos);
    std::memcpy(out, in->bytes->data() + in->pos, n);
    in->pos += n;
    return int(n);
}

// giflib decodes; the first frame and then every frame are drawn with the same rules as
// ours (a transparent first frame on the logical screen, then a canvas with disposal).
void DecodeAndPlayGiflib(benchmark::State& state, const std::vector<std::uint8_t>& bytes) {
    for (auto _ : state) {
        MemoryInput input{&bytes, 0};
        int error = 0;
        GifFileType* gif = DGifOpen(&input, ReadMemory, &error);
        if (!gif || DGifSlurp(gif) != GIF_OK) {
            state.SkipWithError("giflib failed");
            break;
        }
        const int w = gif->SWidth, h = gif->SHeight;
        auto draw = [&](int index, std::vector<std::uint32_t>& target, bool keepTransparent) {
            const SavedImage& image = gif->SavedImages[index];
            const ColorMapObject* map =
                image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
            std::uint32_t palette[256];
            for (int i = 0; i < 256; ++i) {
                const GifColorType c = i < map->ColorCount ? map->Colors[i] : GifColorType{0, 0, 0};
                palette[i] = 0xFF000000u | c.Red << 16 | c.Green << 8 | c.Blue;
            }
            GraphicsControlBlock gcb{};
            gcb.TransparentColor = NO_TRANSPARENT_COLOR;
            DGifSavedExtensionToGCB(gif, index, &gcb);
            const GifImageDesc& d = image.ImageDesc;
            for (int y = 0; y < d.Height && d.Top + y < h; ++y) {
                const GifByteType* src = image.RasterBits + std::size_t(y) * d.Width;
                std::uint32_t* dst = target.data() + std::size_t(d.Top + y) * w + d.Left;
                for (int x = 0; x < d.Width && d.Left + x < w; ++x) {
                    if (src[x] == gcb.TransparentColor) {
                        if (keepTransparent) dst[x] = palette[src[x]] & 0xFFFFFF;
                    } else {
                        dst[x] = palette[src[x]];
                    }
                }
            }
            return gcb.DisposalMode;
        };
        std::vector<std::uint32_t> first(std::size_t(w) * h, 0x00FFFFFF);
        draw(0, first, true);
        benchmark::DoNotOptimize(first[0]);
        if (gif->ImageCount > 1) {
            std::vector<std::uint32_t> canvas(std::size_t(w) * h, 0xFFC0C0C0u);
            std::vector<std::uint32_t> saved;
            for (int i = 0; i < gif->ImageCount; ++i) {
                const GifImageDesc& d = gif->SavedImages[i].ImageDesc;
                GraphicsControlBlock gcb{};
                DGifSavedExtensionToGCB(gif, i, &gcb);
                const bool restore = gcb.DisposalMode == 2 || gcb.DisposalMode == 3;
                if (restore) {
                    saved.resize(std::size_t(d.Width) * d.Height);
                    for (int y = 0; y < d.Height; ++y)
                        std::memcpy(&saved[std::size_t(y) * d.Width],
                                    &canvas[std::size_t(d.Top + y) * w + d.Left], d.Width * 4);
                }
                draw(i, canvas, false);
                benchmark::DoNotOptimize(canvas[0]);
                if (restore)
                    for (int y = 0; y < d.Height; ++y)
                        std::memcpy(&canvas[std::size_t(d.Top + y) * w + d.Left],
                                    &saved[std::size_t(y) * d.Width], d.Width * 4);
            }
        }
        DGifCloseFile(gif, &error);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}

void BM_Giflib_Still(benchmark::State& state) {
    DecodeAndPlayGiflib(state, StillGif());
}
void BM_Giflib_Animated(benchmark::State& state) {
    DecodeAndPlayGiflib(state, AnimatedGif());
}
BENCHMARK(BM_Giflib_Still)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Giflib_Animated)->Unit(benchmark::kMillisecond);
#endif

// One frame of a 480 × 480 GIF playing in a 600 × 600 box: the player's step plus the
// stretched frame the box paints. Arg 0: the first pass (every frame scaled), 1: after it.
void BM_PlayerFrameStretched(benchmark::State& state) {
    auto picture = qc::ReadGif(AnimatedGif());
    qint64 now = 0;
    qc::GifPlayer player(picture->animation, qRgb(240, 240, 240), [&] { return now; });
    player.start();
    const QSize box(600, 600);
    const std::size_t frames = picture->animation->frames().size();
    if (state.range(0) == 1) {
        for (std::size_t i = 0; i < frames + 1; ++i) {
            now += 1000;
            player.showDueFrame();
            benchmark::DoNotOptimize(player.scaledFrame(box).constBits());
        }
    }
    std::size_t shown = 0;
    for (auto _ : state) {
        if (state.range(0) == 0 && shown % frames == frames - 1) {
            // Stay in the first pass: start over on a fresh player state.
            state.PauseTiming();
            player.stop();
            player.start();
            state.ResumeTiming();
        }
        now += 1000;
        player.showDueFrame();
        benchmark::DoNotOptimize(player.scaledFrame(box).constBits());
        ++shown;
    }
}
// Qt scales large images on its thread pool, so count the whole process's CPU time.
BENCHMARK(BM_PlayerFrameStretched)
    ->Arg(0)
    ->Arg(1)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
