#include "picture/formats/gif_reader.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "picture/formats/byte_reader.h"
#include "picture/formats/gif_animation.h"
#include "picture/formats/lzw_decoder.h"

namespace qc {
namespace {

// A tiny file may honestly declare a big screen with one small frame, so the screen is only
// held to a generous 64 Ki pixels per file byte (a 1920 × 1080 screen needs 32 bytes).
constexpr std::int64_t kMaxScreenPixelsPerByte = 65536;
// Limits on what one file may make us hold and do; a file past them keeps the frames so far.
constexpr std::size_t kMaxFrames = 10000;
constexpr std::int64_t kMaxStoredPixels = kMaxPicturePixels;
constexpr std::int64_t kMaxDecodedPixels = 4 * kMaxPicturePixels;

constexpr std::uint32_t kOpaqueBlack = 0xFF000000u;
constexpr std::uint32_t kTransparentWhite = 0x00FFFFFFu;

struct GraphicControl {
    std::uint8_t disposal = 0;
    int transparentIndex = -1;
    int delay = 0;
};

GifPalette PaletteFrom(std::span<const std::uint8_t> rgb) {
    GifPalette palette;
    palette.fill(kOpaqueBlack);
    for (std::size_t i = 0; i < rgb.size() / 3 && i < palette.size(); ++i)
        palette[i] = Rgb(rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]);
    return palette;
}

// A frame with neither a local nor a global colour table gets greys from black to white over
// the values its code size can name, so the picture still shows its shapes.
GifPalette GreyPalette(int minCodeSize) {
    GifPalette palette;
    palette.fill(kOpaqueBlack);
    const int levels = 1 << std::clamp(minCodeSize, 1, 8);
    for (int i = 0; i < levels; ++i) {
        const std::uint32_t v = std::uint32_t(i * 255 / (levels - 1));
        palette[i] = Rgb(v, v, v);
    }
    return palette;
}

// Reads data sub-blocks up to their zero terminator, appending their bytes to `out` when
// given. False when the file ends first; whatever came before is kept.
bool ReadSubBlocks(ByteReader& reader, std::vector<std::uint8_t>* out) {
    for (;;) {
        std::uint8_t length;
        if (!reader.u8(length)) return false;
        if (length == 0) return true;
        std::span<const std::uint8_t> block;
        if (!reader.bytes(length, block)) {
            if (out) out->insert(out->end(), reader.rest().begin(), reader.rest().end());
            return false;
        }
        if (out) out->insert(out->end(), block.begin(), block.end());
    }
}

class GifParser {
  public:
    explicit GifParser(std::span<const std::uint8_t> bytes) : m_reader(bytes) {}

    Result<DecodedPicture> read();

  private:
    // False when the file ends inside the extension.
    bool readExtension();
    // False when no further block should be read.
    bool readFrame();
    // A frame wholly on the screen, decoded straight into its indices.
    void decodeWholeFrame(GifFrame& frame, int minCodeSize, bool interlaced);
    std::uint32_t greyPaletteFor(int minCodeSize);

    ByteReader m_reader;
    int m_width = 0;
    int m_height = 0;
    int m_globalPalette = -1;
    int m_greyPalettes[12] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    std::vector<GifPalette> m_palettes;
    std::vector<GifFrame> m_frames;
    GraphicControl m_control;
    std::vector<std::uint8_t> m_lzwData;
    std::vector<std::uint8_t> m_streamOrder;
    std::int64_t m_storedPixels = 0;
    std::int64_t m_decodedPixels = 0;
};

Result<DecodedPicture> GifParser::read() {
    const auto bytes = m_reader.rest();
    if (bytes.size() <= 13) return Fail("gif file is too short");
    if (std::memcmp(bytes.data(), "GIF87a", 6) != 0 && std::memcmp(bytes.data(), "GIF89a", 6) != 0)
        return Fail("not a gif file");
    std::uint16_t width, height;
    std::uint8_t flags, background, aspect;
    if (!m_reader.skip(6) || !m_reader.u16le(width) || !m_reader.u16le(height) ||
        !m_reader.u8(flags) || !m_reader.u8(background) || !m_reader.u8(aspect))
        return Fail("gif file is too short");
    if (width == 0 || height == 0) return Fail("gif logical screen is empty");
    if (!PlausibleForFileSize(width, height, bytes.size(), kMaxScreenPixelsPerByte))
        return Fail("gif logical screen is too large for the file");
    m_width = width;
    m_height = height;
    if (flags & 0x80) {
        const std::size_t entries = std::size_t(2) << (flags & 7);
        std::span<const std::uint8_t> table;
        if (!m_reader.bytes(entries * 3, table)) return Fail("gif colour table does not fit");
        m_palettes.push_back(PaletteFrom(table));
        m_globalPalette = 0;
    }

    // A file that breaks off or holds an unknown block keeps the frames read so far.
    for (bool more = true; more && m_frames.size() < kMaxFrames;) {
        std::uint8_t introducer;
        if (!m_reader.u8(introducer)) break;
        if (introducer == 0x21)
            more = readExtension();
        else if (introducer == 0x2C)
            more = readFrame();
        else
            more = false;  // the trailer 0x3B, a zero byte, or something we cannot follow
    }
    if (m_frames.empty()) return Fail("gif holds no image");

    auto image = Bitmap::Filled(m_width, m_height, kTransparentWhite);
    if (!image) return image.takeError();
    const bool several = m_frames.size() > 1;
    auto animation = std::make_shared<GifAnimation>(m_width, m_height, std::move(m_palettes),
                                                    std::move(m_frames));
    const GifFrame& first = animation->frames().front();
    DrawGifFrame(*animation, first, image.value(), true);
    const bool covers = first.left == 0 && first.top == 0 && first.width == m_width &&
                        first.height == m_height && first.rowLengths.empty();
    const bool usesTransparency =
        first.transparentIndex >= 0 && std::find(first.indices.begin(), first.indices.end(),
                                                 first.transparentIndex) != first.indices.end();
    image->setHasAlpha(!covers || usesTransparency);

    DecodedPicture picture;
    picture.kind = PictureKind::Gif;
    picture.image = std::move(image.value());
    if (several) picture.animation = std::move(animation);
    return picture;
}

bool GifParser::readExtension() {
    std::uint8_t label;
    if (!m_reader.u8(label)) return false;
    if (label != 0xF9) return ReadSubBlocks(m_reader, nullptr);
    std::uint8_t length;
    std::span<const std::uint8_t> block;
    if (!m_reader.u8(length) || !m_reader.bytes(length, block)) return false;
    if (length >= 4) {
        m_control.disposal = (block[0] >> 2) & 7;
        m_control.delay = block[1] | (block[2] << 8);
        m_control.transparentIndex = (block[0] & 1) ? block[3] : -1;
    }
    return length == 0 || ReadSubBlocks(m_reader, nullptr);
}

bool GifParser::readFrame() {
    std::uint16_t left, top, width, height;
    std::uint8_t flags, minCodeSize;
    if (!m_reader.u16le(left) || !m_reader.u16le(top) || !m_reader.u16le(width) ||
        !m_reader.u16le(height) || !m_reader.u8(flags))
        return false;
    std::int64_t palette = m_globalPalette;
    if (flags & 0x80) {
        const std::size_t entries = std::size_t(2) << (flags & 7);
        std::span<const std::uint8_t> table;
        if (!m_reader.bytes(entries * 3, table)) return false;
        m_palettes.push_back(PaletteFrom(table));
        palette = std::int64_t(m_palettes.size()) - 1;
    }
    if (!m_reader.u8(minCodeSize)) return false;
    if (palette < 0) palette = greyPaletteFor(minCodeSize);
    m_lzwData.clear();
    const bool whole = ReadSubBlocks(m_reader, &m_lzwData);

    // Frames reaching past the logical screen are cut to it.
    GifFrame frame;
    frame.left = std::min<int>(left, m_width);
    frame.top = std::min<int>(top, m_height);
    frame.width = std::min<int>(width, m_width - frame.left);
    frame.height = std::min<int>(height, m_height - frame.top);
    const std::int64_t visible = std::int64_t(frame.width) * frame.height;
    if (m_storedPixels + visible > kMaxStoredPixels) return false;
    m_storedPixels += visible;
    frame.indices.resize(std::size_t(visible));

    const bool interlaced = (flags & 0x40) != 0;
    bool outOfBudget = false;
    if (frame.width == width && frame.height == height) {
        decodeWholeFrame(frame, minCodeSize, interlaced);
        m_decodedPixels += visible;
    } else {
        GifFrameRows rows(width, height, interlaced, frame.width, frame.height,
                          kMaxDecodedPixels - m_decodedPixels, frame.indices.data());
        DecodeGifLzw(m_lzwData, minCodeSize, rows);
        frame.rowLengths = rows.finish();
        m_decodedPixels += rows.pixelsDecoded();
        outOfBudget = rows.outOfBudget();
    }

    frame.palette = std::uint32_t(palette);
    frame.transparentIndex = m_control.transparentIndex;
    frame.disposal = m_control.disposal;
    frame.delay = m_control.delay;
    m_control = GraphicControl();
    m_frames.push_back(std::move(frame));
    return whole && !outOfBudget && m_decodedPixels < kMaxDecodedPixels;
}

void GifParser::decodeWholeFrame(GifFrame& frame, int minCodeSize, bool interlaced) {
    const int w = frame.width, h = frame.height;
    const std::size_t visible = std::size_t(w) * std::size_t(h);
    std::size_t decoded;
    if (!interlaced) {
        decoded = DecodeGifLzwLinear(m_lzwData, minCodeSize, frame.indices.data(), visible);
    } else {
        m_streamOrder.resize(visible);
        decoded = DecodeGifLzwLinear(m_lzwData, minCodeSize, m_streamOrder.data(), visible);
    }
    if (decoded < visible) frame.rowLengths.assign(std::size_t(h), 0);
    for (int y = 0; y < h; ++y) {
        const std::size_t start = std::size_t(GifStreamRow(y, h, interlaced)) * std::size_t(w);
        const int n = int(std::min<std::size_t>(w, decoded > start ? decoded - start : 0));
        if (interlaced)
            std::copy_n(m_streamOrder.data() + start, n, frame.indices.data() + std::size_t(y) * w);
        if (!frame.rowLengths.empty()) frame.rowLengths[y] = n;
    }
}

std::uint32_t GifParser::greyPaletteFor(int minCodeSize) {
    const int slot = std::clamp(minCodeSize, 0, 11);
    if (m_greyPalettes[slot] < 0) {
        m_palettes.push_back(GreyPalette(minCodeSize));
        m_greyPalettes[slot] = int(m_palettes.size()) - 1;
    }
    return std::uint32_t(m_greyPalettes[slot]);
}

}  // namespace

Result<DecodedPicture> ReadGif(std::span<const std::uint8_t> bytes) {
    return GifParser(bytes).read();
}

}  // namespace qc
