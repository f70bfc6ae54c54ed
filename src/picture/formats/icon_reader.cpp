#include "picture/formats/icon_reader.h"

namespace qc {

Result<DecodedPicture> ReadIcon(std::span<const std::uint8_t>) {
    return Fail("icon pictures are not read yet");
}

}  // namespace qc
