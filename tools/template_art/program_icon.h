#pragma once

#include <QImage>

namespace art {

// The program icon at `size` x `size` pixels with a transparent background.
QImage DrawProgramIcon(int size);

}  // namespace art
