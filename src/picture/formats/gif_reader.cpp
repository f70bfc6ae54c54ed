#include "picture/formats/gif_reader.h"

namespace qc {

Result<DecodedPicture> ReadGif(std::span<const std::uint8_t>) {
    return Fail("gif pictures are not read yet");
}

}  // namespace qc
