#include <cstddef>
#include <cstdint>
#include <span>

#include "picture/formats/gif_animation.h"
#include "picture/formats/gif_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto picture = qc::ReadGif(std::span<const std::uint8_t>(data, size));
    if (!picture) return 0;
    // Touch every pixel so a short allocation shows up under the address sanitizer.
    const qc::Bitmap& image = picture->image;
    volatile std::uint32_t sum = 0;
    for (std::size_t i = 0; i < image.pixelCount(); ++i) sum = sum + image.pixels()[i];
    // Play every frame once and wrap, skipping screens so large that a second canvas would
    // only measure the allocator.
    if (picture->animation && image.pixelCount() <= 16u * 1024 * 1024) {
        auto canvas = qc::GifCanvas::Create(picture->animation, 0x808080);
        if (canvas)
            for (std::size_t i = 0; i <= picture->animation->frames().size(); ++i)
                canvas->advance();
    }
    return 0;
}
