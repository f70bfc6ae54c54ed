#pragma once

#include <span>

namespace qc {

// One built-in template: what the list shows, where its JPEG lives among the program's
// resources, the JPEG's own size and coding, and the size the picture box takes for it.
struct TemplateEntry {
    const char* itemText;  // UTF-8
    const char* resource;  // Qt resource path of the JPEG
    int pictureWidth;
    int pictureHeight;
    int boxWidth;
    int boxHeight;
    bool progressive;
    int components;  // 3 colour, 1 greyscale
};

// The 38 templates in the order the list shows them.
std::span<const TemplateEntry> TemplateCatalog();

}  // namespace qc
