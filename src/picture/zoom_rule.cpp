#include "picture/zoom_rule.h"

#include <algorithm>

#include "convert/number_text.h"
#include "shell/control_geometry.h"

namespace qc {

std::int32_t ZoomedExtent(std::int32_t extent, ZoomDirection direction) {
    const double factor = direction == ZoomDirection::In ? 1.1 : 0.9;
    const std::int32_t next = LowBits32(TruncateToInteger(double(extent) * factor));
    return ClampExtent(next);
}

}  // namespace qc
