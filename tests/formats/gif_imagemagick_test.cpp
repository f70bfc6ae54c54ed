#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "picture/formats/gif_animation.h"
#include "picture/formats/gif_reader.h"

namespace qc {
namespace {

namespace fs = std::filesystem;

std::string ReadCommandOutput(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    pclose(pipe);
    return out;
}

bool HaveConvert() {
    return std::system("convert -version >/dev/null 2>&1") == 0;
}

struct MagickCase {
    const char* name;
    const char* arguments;  // what `convert` is given before the output file
    bool allFrames;         // every frame opaque and kept, so whole animations can be compared
};

// GIFs written by another encoder must decode to the same pixels, first frame and (where the
// frames keep what is under them) every coalesced frame.
TEST(GifAgainstImageMagick, SamePixels) {
    if (!HaveConvert()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    const fs::path dir = fs::temp_directory_path() / ("qc-gif-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const MagickCase cases[] = {
        {"still", "-size 37x23 gradient:red-blue -colors 64", false},
        {"interlaced", "-size 50x30 gradient:yellow-navy -swirl 90 -interlace GIF", false},
        {"transparent", "-size 30x20 xc:none -fill red -draw 'circle 15,10 15,3'", false},
        {"large, full code tables", "logo: -colors 256", false},
        {"large interlaced", "rose: -resize 300% -interlace GIF", false},
        {"animated",
         "-delay 7 -size 40x30 gradient:red-blue ( -size 20x10 xc:green -repage +5+6 ) "
         "( -size 7x9 gradient:white-black -repage +30+20 ) -loop 1",
         true},
    };
    for (const MagickCase& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path file = dir / "case.gif";
        std::string make = "convert ";
        for (const char* p = c.arguments; *p; ++p) {
            if (*p == '(' || *p == ')') make += '\\';
            make += *p;
        }
        ASSERT_EQ(std::system((make + " " + file.string()).c_str()), 0);
        std::ifstream in(file, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        auto picture = ReadGif(bytes);
        ASSERT_TRUE(picture.ok()) << picture.error();
        const std::string rgba =
            ReadCommandOutput("convert " + file.string() + " -coalesce rgba:-");
        const std::size_t pixels = picture->image.pixelCount();
        ASSERT_GE(rgba.size(), pixels * 4);

        auto magick = [&](std::size_t frame, std::size_t i) {
            const auto* p =
                reinterpret_cast<const std::uint8_t*>(rgba.data()) + 4 * (frame * pixels + i);
            return Argb(p[3], p[0], p[1], p[2]);
        };
        const std::uint32_t* ours = picture->image.pixels();
        for (std::size_t i = 0; i < pixels; ++i) {
            const std::uint32_t theirs = magick(0, i);
            ASSERT_EQ(ours[i] >> 24, theirs >> 24) << "alpha at " << i;
            if (theirs >> 24) {
                ASSERT_EQ(ours[i], theirs) << "pixel " << i;
            }
        }
        if (!c.allFrames) continue;
        ASSERT_NE(picture->animation, nullptr);
        const std::size_t frames = picture->animation->frames().size();
        ASSERT_EQ(rgba.size(), frames * pixels * 4);
        auto canvas = GifCanvas::Create(picture->animation, 0);
        ASSERT_TRUE(canvas.ok());
        for (std::size_t f = 0; f < frames; ++f) {
            canvas->advance();
            for (std::size_t i = 0; i < pixels; ++i)
                ASSERT_EQ(canvas->canvas().pixels()[i], magick(f, i)) << "frame " << f << " " << i;
        }
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace qc
