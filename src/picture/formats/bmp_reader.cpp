#include "picture/formats/bmp_reader.h"

namespace qc {

Result<DecodedPicture> ReadBmp(std::span<const std::uint8_t>) {
    return Fail("bmp pictures are not read yet");
}

}  // namespace qc
