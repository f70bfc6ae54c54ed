#pragma once

#include <cstdint>
#include <span>

#include "picture/formats/decoded_picture.h"
#include "picture/formats/result.h"

namespace qc {

Result<DecodedPicture> ReadPcx(std::span<const std::uint8_t> bytes);

}  // namespace qc
