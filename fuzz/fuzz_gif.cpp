#include <cstddef>
#include <cstdint>
#include <span>

#include "picture/formats/gif_animation.h"
#include "picture/formats/gif_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Big screens only measure memset (under a sanitizer); skipping them keeps the runs fast.
    if (size >= 10 && std::size_t(data[6] | data[7] << 8) * std::size_t(data[8] | data[9] << 8) >
                          (std::size_t(1) << 18))
        return 0;
    auto picture = qc::ReadGif(std::span<const std::uint8_t>(data, size));
    if (!picture) return 0;
    // Touch every pixel so a short allocation shows up under the address sanitizer.
    const qc::Bitmap& image = picture->image;
    volatile std::uint32_t sum = 0;
    for (std::size_t i = 0; i < image.pixelCount(); ++i) sum = sum + image.pixels()[i];
    // Play every frame once and wrap.
    if (picture->animation) {
        auto canvas = qc::GifCanvas::Create(picture->animation, 0x808080);
        if (canvas)
            for (std::size_t i = 0; i <= picture->animation->frames().size(); ++i)
                canvas->advance();
    }
    return 0;
}
