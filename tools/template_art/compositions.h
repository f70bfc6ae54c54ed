#pragma once

#include "art_parts.h"

namespace art {

// Draws template `index` (0..37) on a canvas already cleared to white.
void ComposeTemplate(int index, Canvas& canvas);

}  // namespace art
