#include "picture/formats/pcx_reader.h"

namespace qc {

Result<DecodedPicture> ReadPcx(std::span<const std::uint8_t>) {
    return Fail("pcx pictures are not read yet");
}

}  // namespace qc
