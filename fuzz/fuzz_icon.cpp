#include <cstddef>
#include <cstdint>
#include <span>

#include "picture/formats/icon_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto picture = qc::ReadIcon(std::span<const std::uint8_t>(data, size));
    if (picture) {
        // Touch every pixel so a short allocation shows up under the address sanitizer.
        const qc::Bitmap& image = picture->image;
        volatile std::uint32_t sum = 0;
        for (std::size_t i = 0; i < image.pixelCount(); ++i) sum = sum + image.pixels()[i];
    }
    return 0;
}
