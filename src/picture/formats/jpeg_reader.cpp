#include "picture/formats/jpeg_reader.h"

namespace qc {

Result<DecodedPicture> ReadJpeg(std::span<const std::uint8_t>) {
    return Fail("jpeg pictures are not read yet");
}

}  // namespace qc
