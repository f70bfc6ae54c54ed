#pragma once

#include <algorithm>

namespace qc {

// Every control's geometry writes are clamped: places to −32627..32627, sizes to 0..32627
// (32627, not 32767).
constexpr int kMaxControlExtent = 32627;

constexpr int ClampPlace(int value) {
    return std::clamp(value, -kMaxControlExtent, kMaxControlExtent);
}
constexpr int ClampExtent(int value) {
    return std::clamp(value, 0, kMaxControlExtent);
}

}  // namespace qc
