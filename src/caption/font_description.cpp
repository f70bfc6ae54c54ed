#include "caption/font_description.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "convert/gbk.h"
#include "convert/number_text.h"
#include "shell/program_state.h"

namespace qc {
namespace {

// Glyphs beyond this are larger than any caption box can show; the cap keeps the font engine
// away from absurd sizes that a typed or chosen height could ask for.
constexpr int kMaxPixelSize = 32767;

std::int32_t SaturatedRound(double value) {
    const double r = std::round(value);  // halves away from zero
    if (!(r > -2147483648.0)) return INT32_MIN;
    if (r > 2147483647.0) return INT32_MAX;
    return std::int32_t(r);
}

int ClampedPixelSize(std::int64_t pixels) {
    return int(std::clamp<std::int64_t>(pixels, 1, kMaxPixelSize));
}

QString FaceFromGbk(std::string_view faceName) {
    const std::string cut = CutGbk(faceName, kFaceNameMaxBytes);
    return QString::fromStdString(Utf8FromGbk(cut));
}

// A face Qt can make, directly or through a substitution the shell installed ("宋体" etc.).
// Substitutions are asked first: they are a table look-up, while the font database has to list
// every installed font, which start-up must not wait for.
bool UsableFace(const QString& face) {
    return !face.isEmpty() &&
           (!QFont::substitutes(face).isEmpty() || QFontDatabase::hasFamily(face));
}

}  // namespace

int ScreenDotsPerInch() {
    if (!qGuiApp) return 96;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 96;
    const int dpi = int(std::lround(screen->logicalDotsPerInchY()));
    return dpi > 0 ? dpi : 96;
}

std::int32_t PointsToHeight(double points, int dotsPerInch) {
    return SaturatedRound(-(points * dotsPerInch / 72.0));
}

std::int32_t HeightToPoints(std::int32_t height, int dotsPerInch) {
    if (dotsPerInch <= 0) return 0;
    return SaturatedRound(std::abs(double(height)) * 72.0 / dotsPerInch);
}

std::string CutGbk(std::string_view gbk, std::size_t maxBytes) {
    gbk = gbk.substr(0, TextLength(gbk));
    std::size_t end = 0;
    while (end < gbk.size()) {
        const bool leadByte = std::uint8_t(gbk[end]) >= 0x81 && end + 1 < gbk.size();
        const std::size_t next = end + (leadByte ? 2 : 1);
        if (next > maxBytes) break;
        end = next;
    }
    return std::string(gbk.substr(0, end));
}

QFont MakeFont(const std::optional<FontDescription>& description) {
    QFont font = QApplication::font();
    if (!description) return font;
    const FontDescription& d = *description;

    const QString face = FaceFromGbk(d.faceName);
    // Asking for the substitute's own name lets Qt share one font fallback list with the
    // controls that already use that face, instead of building another at start-up.
    if (UsableFace(face)) font.setFamily(QFont::substitute(face));

    if (d.height < 0) {
        font.setPixelSize(ClampedPixelSize(-std::int64_t(d.height)));
    } else if (d.height > 0) {
        // A positive height is the whole cell, leading included; scale the em size to fit it.
        font.setPixelSize(ClampedPixelSize(d.height));
        const double cell = QFontMetricsF(font).height();
        if (cell > 0) font.setPixelSize(ClampedPixelSize(std::llround(d.height * d.height / cell)));
    }

    if (d.weight == 0) {
        font.setWeight(QFont::Normal);
    } else {
        font.setWeight(QFont::Weight(std::clamp(d.weight, 1, 1000)));
    }
    font.setItalic(d.italic != 0);
    font.setUnderline(d.underline != 0);
    font.setStrikeOut(d.strikeout != 0);

    if (d.width != 0) {
        const double average = QFontMetricsF(font).averageCharWidth();
        if (average > 0) {
            const double stretch = 100.0 * std::abs(double(d.width)) / average;
            font.setStretch(int(std::clamp(std::lround(stretch), 1L, 4000L)));
        }
    }
    return font;
}

FontDescription DescriptionOfFont(const QFont& font, int dotsPerInch) {
    FontDescription d;
    d.height =
        font.pixelSize() > 0 ? -font.pixelSize() : PointsToHeight(font.pointSizeF(), dotsPerInch);
    d.weight = font.weight();
    d.italic = font.italic() ? 1 : 0;
    d.underline = font.underline() ? 1 : 0;
    d.strikeout = font.strikeOut() ? 1 : 0;
    d.faceName = CutGbk(GbkFromUtf8(font.family().toStdString()), kFaceNameMaxBytes);
    return d;
}

FontDescription DefaultGuiFontDescription(int dotsPerInch) {
    return DescriptionOfFont(QApplication::font(), dotsPerInch);
}

FontDescription DescriptionFromCaptionFont(const CaptionFont& font, int dotsPerInch) {
    FontDescription d;
    d.escapement = font.angle;
    d.orientation = font.angle;
    d.weight = font.bold != 0 ? 700 : 0;
    d.italic = font.italic != 0 ? 1 : 0;
    d.strikeout = font.strikeout != 0 ? 1 : 0;
    d.underline = font.underline != 0 ? 1 : 0;
    d.height = PointsToHeight(std::max(font.size, 0), dotsPerInch);
    if (font.name && TextLength(*font.name) <= kFaceNameMaxBytes) {
        d.faceName = font.name->substr(0, TextLength(*font.name));
    } else {
        d.faceName = std::string(kSongTiFace);
    }
    return d;
}

FontDescription WithBold(const std::optional<FontDescription>& current, int bold) {
    FontDescription d = current ? *current : DefaultGuiFontDescription(ScreenDotsPerInch());
    d.weight = bold != 0 ? 700 : 0;
    return d;
}

FontDescription WithSize(const std::optional<FontDescription>& current, int points,
                         int dotsPerInch) {
    FontDescription d = current ? *current : DefaultGuiFontDescription(dotsPerInch);
    d.height = PointsToHeight(std::max(points, 0), dotsPerInch);
    return d;
}

}  // namespace qc
