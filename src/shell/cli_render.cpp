#include "shell/cli_render.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QSaveFile>
#include <QSignalBlocker>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "caption/caption_handlers.h"
#include "caption/color_picker.h"
#include "caption/font_description.h"
#include "caption/trans_label.h"
#include "convert/gbk.h"
#include "export/bmp_snapshot.h"
#include "export/desktop_save.h"
#include "export/png_writer.h"
#include "export/snapshot.h"
#include "picture/file_drop.h"
#include "picture/formats/picture_decoder.h"
#include "picture/picture_box.h"
#include "picture/picture_handlers.h"
#include "picture/template_catalog.h"
#include "shell/control_geometry.h"
#include "shell/controls.h"
#include "shell/edit_box.h"
#include "shell/font_substitution.h"
#include "shell/main_window.h"
#include "shell/program_state.h"
#include "shell/slider_bar.h"

namespace qc {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// The ranges a user can reach with the controls; zoom is bounded so the box stays capturable.
constexpr int kMinPoints = 1, kMaxPoints = 95;
constexpr int kMinBoxSide = 1, kMaxBoxSide = 500;
constexpr int kMaxZoomSteps = 100;

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || at != end) return std::nullopt;
    return value;
}

// "AxB" into two whole numbers.
std::optional<std::pair<int, int>> NumberPair(std::string_view text, char separator) {
    const auto split = text.find(separator);
    if (split == std::string_view::npos) return std::nullopt;
    const auto a = WholeNumber(text.substr(0, split));
    const auto b = WholeNumber(text.substr(split + 1));
    if (!a || !b) return std::nullopt;
    return std::pair(*a, *b);
}

// "#RRGGBB" as the caption stores colours: 0x00BBGGRR.
std::optional<std::uint32_t> Colour(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') return std::nullopt;
    std::uint32_t rgb = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data() + 1, end, rgb, 16);
    if (error != std::errc() || at != end) return std::nullopt;
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() > tail.size() && text.substr(text.size() - tail.size()) == tail;
}

Error Bad(const std::string& option, const std::string& what) {
    return Fail(option + ": " + what);
}

int UsageError(const std::string& reason) {
    std::fprintf(stderr, "quipcanvas-cli render: %s\n", reason.c_str());
    return kExitUsage;
}

int Failure(const std::string& reason) {
    std::fprintf(stderr, "quipcanvas-cli render: %s\n", reason.c_str());
    return kExitFailed;
}

std::optional<std::int32_t> CurrentPoints(const TransLabel& caption) {
    const auto& font = caption.fontDescription();
    if (!font || font->height == 0) return std::nullopt;
    return HeightToPoints(font->height, ScreenDotsPerInch());
}

// --font changes the face only: the whole font the font button applies, keeping the caption's
// present size and weight.
void ApplyFace(Controls& ui, const std::string& face) {
    CaptionFont& font = ui.state->captionFont;
    font.name = CutGbk(GbkFromUtf8(face), kFaceNameMaxBytes);
    if (const auto points = CurrentPoints(*ui.caption)) font.size = *points;
    const auto& current = ui.caption->fontDescription();
    font.bold = current && current->weight >= 700 ? 1 : 0;
    ui.caption->setFontDescription(DescriptionFromCaptionFont(font, ScreenDotsPerInch()));
}

// Every option goes through the handler the matching user action runs.
void Apply(Controls& ui, const RenderOptions& o) {
    if (o.templateIndex) {
        {
            const QSignalBlocker quiet(ui.templateList);
            ui.templateList->setCurrentRow(*o.templateIndex);
        }
        OnTemplateSelected(ui);
    }
    if (o.picturePath) OnFileReceived(ui, QString::fromStdString(*o.picturePath));
    if (o.caption) ui.captionEdit->writeText(QString::fromStdString(*o.caption));
    if (o.face) ApplyFace(ui, *o.face);
    if (o.bold) {
        ui.boldCheck->setChecked(*o.bold);
        OnBoldClicked(ui);
    }
    if (o.points) {
        ui.fontSizeSlider->setPosition(100 - *o.points);
        OnFontSizeSliderMoved(ui);
    }
    if (o.colour) {
        ui.colorPicker->setColour(*o.colour);
        OnCaptionColourChanged(ui);
    }
    if (o.boxWidth) {
        ui.captionWidthSlider->setPosition(*o.boxWidth);
        OnCaptionWidthSliderMoved(ui);
        ui.captionHeightSlider->setPosition(*o.boxHeight);
        OnCaptionHeightSliderMoved(ui);
    }
    if (o.left) {
        ui.caption->setCaptionLeft(*o.left);
        ui.caption->setCaptionTop(*o.top);
    }
    for (int i = 0; i < o.zoomSteps; ++i) OnZoomIn(ui);
    for (int i = 0; i > o.zoomSteps; --i) OnZoomOut(ui);
}

Result<std::vector<std::uint8_t>> Encode(const Bitmap& pixels, const std::string& output) {
    if (EndsWith(output, ".jpg")) return SavedJpeg(pixels);
    if (EndsWith(output, ".png")) return EncodePng(ViewOf(pixels), false);
    auto bmp = EncodePictureSnapshot(pixels);
    if (bmp.empty()) return Fail("the picture is too large for a BMP file");
    return bmp;
}

// Written whole under a temporary name and then renamed, so a failure leaves no file.
Result<bool> WriteOutput(const std::string& output, const std::vector<std::uint8_t>& bytes) {
    QSaveFile file(QString::fromStdString(output));
    if (!file.open(QIODevice::WriteOnly)) return Fail(file.errorString().toStdString());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) !=
            qint64(bytes.size()) ||
        !file.commit())
        return Fail(file.errorString().toStdString());
    return true;
}

// The picture file is checked before any window exists, so its failure is told plainly.
Result<bool> CheckPicture(const std::string& path) {
    auto bytes = ReadWholeFile(QString::fromStdString(path));
    if (!bytes) return Fail(path + ": " + bytes.error());
    const auto span = std::span(reinterpret_cast<const std::uint8_t*>(bytes->constData()),
                                std::size_t(bytes->size()));
    auto picture = DecodePicture(span);
    if (!picture) return Fail(path + ": " + picture.error());
    return true;
}

}  // namespace

Result<RenderOptions> ParseRenderOptions(const std::vector<std::string>& args) {
    RenderOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--bold" || option == "--no-bold") {
            o.bold = option == "--bold";
            continue;
        }
        static constexpr std::string_view kTaking[] = {
            "--template", "--picture", "--caption", "--color", "--size",
            "--font",     "--box",     "--at",      "--zoom",  "-o"};
        if (std::find(std::begin(kTaking), std::end(kTaking), option) == std::end(kTaking))
            return Fail("unknown option '" + option + "'");
        if (i + 1 >= args.size()) return Bad(option, "needs a value");
        const std::string& value = args[++i];
        if (option == "--template") {
            const auto n = WholeNumber(value);
            const int count = int(TemplateCatalog().size());
            if (!n || *n < 0 || *n >= count)
                return Bad(option, "must be a template number 0.." + std::to_string(count - 1));
            o.templateIndex = *n;
        } else if (option == "--picture") {
            if (value.empty()) return Bad(option, "needs a file");
            o.picturePath = value;
        } else if (option == "--caption") {
            o.caption = value;
        } else if (option == "--color") {
            o.colour = Colour(value);
            if (!o.colour) return Bad(option, "must look like '#RRGGBB'");
        } else if (option == "--size") {
            o.points = WholeNumber(value);
            if (!o.points || *o.points < kMinPoints || *o.points > kMaxPoints)
                return Bad(option, "must be 1..95 points");
        } else if (option == "--font") {
            if (value.empty()) return Bad(option, "needs a face name");
            o.face = value;
        } else if (option == "--box") {
            const auto size = NumberPair(value, 'x');
            if (!size || size->first < kMinBoxSide || size->first > kMaxBoxSide ||
                size->second < kMinBoxSide || size->second > kMaxBoxSide)
                return Bad(option, "must be WxH with each side 1..500");
            o.boxWidth = size->first;
            o.boxHeight = size->second;
        } else if (option == "--at") {
            const auto place = NumberPair(value, ',');
            if (!place || std::abs(place->first) > kMaxControlExtent ||
                std::abs(place->second) > kMaxControlExtent)
                return Bad(option, "must be X,Y within -32627..32627");
            o.left = place->first;
            o.top = place->second;
        } else if (option == "--zoom") {
            const auto n = WholeNumber(value);
            if (!n || std::abs(*n) > kMaxZoomSteps) return Bad(option, "must be -100..100 steps");
            o.zoomSteps = *n;
        } else {
            if (!EndsWith(value, ".jpg") && !EndsWith(value, ".png") && !EndsWith(value, ".bmp"))
                return Bad(option, "must end in .jpg, .png or .bmp");
            o.output = value;
        }
    }
    if (o.templateIndex && o.picturePath)
        return Fail("--template and --picture exclude each other");
    if (o.output.empty()) return Fail("-o OUT is required");
    return o;
}

int RunRender(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    auto options = ParseRenderOptions(args);
    if (!options) return UsageError(options.error());
    if (options->picturePath) {
        if (auto checked = CheckPicture(*options->picturePath); !checked)
            return Failure(checked.error());
    }

    // The very window the program shows, built where no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int appArgc = 1;
    char* appArgv[] = {argv[0], nullptr};
    QApplication app(appArgc, appArgv);
    SubstituteFonts();

    ProgramState state;
    MainWindow window(state);
    window.show();
    Controls& ui = window.controls();
    Apply(ui, *options);

    auto pixels = CaptureBoxPixels(ui.pictureBox);
    if (!pixels) return Failure(pixels.error());
    auto encoded = Encode(*pixels, options->output);
    if (!encoded) return Failure(encoded.error());
    if (auto written = WriteOutput(options->output, *encoded); !written)
        return Failure(options->output + ": " + written.error());
    return kExitOk;
}

}  // namespace qc
