#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "picture/formats/bitmap.h"
#include "picture/formats/result.h"

namespace qc {

class PictureBox;

// The saved picture's file content: a quality-95 JPEG with full-resolution colour.
Result<std::vector<std::uint8_t>> SavedJpeg(const Bitmap& pixels);

// Saves what the picture box shows as "<desktop>/<date-time>.jpg", or " (2)", " (3)", … when
// the name is taken; never replaces a file and leaves nothing behind on failure. The name is
// the time before the capture. Gives the path written (UTF-8).
Result<std::string> SaveBoxToDesktop(PictureBox* box);

// The same into a given folder under a given name (UTF-8), for callers that chose them.
Result<std::string> SaveBoxAs(PictureBox* box, const std::string& folder, const std::string& name);

}  // namespace qc
