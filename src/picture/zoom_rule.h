#pragma once

#include <cstdint>

namespace qc {

enum class ZoomDirection { In, Out };

// One zoom step of a box dimension: × 1.1 or × 0.9 in double precision, chopped toward zero,
// clamped to the box's 0..32627. Equals ⌊11x/10⌋ and ⌊9x/10⌋ for every size the box can have.
std::int32_t ZoomedExtent(std::int32_t extent, ZoomDirection direction);

}  // namespace qc
