#pragma once

#include <optional>
#include <string>
#include <vector>

#include "picture/formats/result.h"

namespace qc {

// What `quipcanvas-cli render` was asked for; unset fields leave the window as it starts.
struct RenderOptions {
    std::optional<int> templateIndex;
    std::optional<std::string> picturePath;
    std::optional<std::string> caption;   // UTF-8
    std::optional<std::uint32_t> colour;  // 0x00BBGGRR
    std::optional<int> points;
    std::optional<bool> bold;
    std::optional<std::string> face;  // UTF-8
    std::optional<int> boxWidth, boxHeight;
    std::optional<int> left, top;
    int zoomSteps = 0;  // positive zooms in, negative out
    std::string output;
};

// The options after the word "render"; the error is a one-line reason.
Result<RenderOptions> ParseRenderOptions(const std::vector<std::string>& args);

// `quipcanvas-cli render ...`: argv[0] is the word "render", the options follow. Returns the
// process exit code: 0 written, 1 failed, 2 wrong arguments.
int RunRender(int argc, char** argv);

}  // namespace qc
