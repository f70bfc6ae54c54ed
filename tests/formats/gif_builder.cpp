#include "gif_builder.h"

#include <algorithm>
#include <unordered_map>

namespace qc::test {
namespace {

class BitWriter {
  public:
    void put(int code, int width) {
        m_bits |= std::uint32_t(code) << m_count;
        m_count += width;
        while (m_count >= 8) {
            m_bytes.push_back(std::uint8_t(m_bits));
            m_bits >>= 8;
            m_count -= 8;
        }
    }
    std::vector<std::uint8_t> finish() {
        if (m_count > 0) m_bytes.push_back(std::uint8_t(m_bits));
        return std::move(m_bytes);
    }

  private:
    std::vector<std::uint8_t> m_bytes;
    std::uint32_t m_bits = 0;
    int m_count = 0;
};

void Put16(std::vector<std::uint8_t>& out, int v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

int SizeField(std::size_t entries) {
    int s = 0;
    while ((std::size_t(2) << s) < entries) ++s;
    return s;
}

void PutPalette(std::vector<std::uint8_t>& out, const std::vector<std::uint32_t>& palette) {
    const std::size_t entries = std::size_t(2) << SizeField(palette.size());
    for (std::size_t i = 0; i < entries; ++i) {
        const std::uint32_t c = i < palette.size() ? palette[i] : 0;
        out.push_back(std::uint8_t(c >> 16));
        out.push_back(std::uint8_t(c >> 8));
        out.push_back(std::uint8_t(c));
    }
}

void PutSubBlocks(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> data) {
    for (std::size_t pos = 0; pos < data.size(); pos += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - pos);
        out.push_back(std::uint8_t(n));
        out.insert(out.end(), data.begin() + pos, data.begin() + pos + n);
    }
    out.push_back(0);
}

std::vector<std::uint8_t> InterlaceOrder(const GifFrameSpec& f) {
    std::vector<std::uint8_t> out;
    const int start[4] = {0, 4, 2, 1};
    const int step[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = start[pass]; y < f.height; y += step[pass])
            out.insert(out.end(), f.indices.begin() + y * f.width,
                       f.indices.begin() + (y + 1) * f.width);
    return out;
}

}  // namespace

std::vector<std::uint8_t> EncodeLzw(std::span<const std::uint8_t> indices, int minCodeSize,
                                    bool clearWhenFull) {
    BitWriter writer;
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    // The code width follows the decoder, whose table lags one entry behind ours.
    int width = minCodeSize + 1;
    int decoderNext = clear + 2;
    bool decoderHasPrevious = false;
    auto emit = [&](int code) {
        writer.put(code, width);
        if (code == clear) {
            width = minCodeSize + 1;
            decoderNext = clear + 2;
            decoderHasPrevious = false;
            return;
        }
        if (decoderHasPrevious && decoderNext < 4096) {
            ++decoderNext;
            if (decoderNext >= (1 << width) && width < 12) ++width;
        }
        decoderHasPrevious = true;
    };

    std::unordered_map<int, int> table;
    int next = clear + 2;
    emit(clear);
    if (!indices.empty()) {
        int prefix = indices[0];
        for (std::size_t i = 1; i < indices.size(); ++i) {
            const int key = (prefix << 8) | indices[i];
            auto found = table.find(key);
            if (found != table.end()) {
                prefix = found->second;
                continue;
            }
            emit(prefix);
            if (next < 4096) {
                table[key] = next++;
            } else if (clearWhenFull) {
                emit(clear);
                table.clear();
                next = clear + 2;
            }
            prefix = indices[i];
        }
        emit(prefix);
    }
    emit(end);
    return writer.finish();
}

std::vector<std::uint8_t> PackCodes(const std::vector<std::pair<int, int>>& codes) {
    BitWriter writer;
    for (auto [code, width] : codes) writer.put(code, width);
    return writer.finish();
}

std::vector<std::uint8_t> BuildGif(const GifRecipe& recipe) {
    std::vector<std::uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
    Put16(out, recipe.width);
    Put16(out, recipe.height);
    const bool global = !recipe.globalPalette.empty();
    out.push_back(std::uint8_t(global ? 0x80 | SizeField(recipe.globalPalette.size()) : 0));
    out.push_back(0);
    out.push_back(0);
    if (global) PutPalette(out, recipe.globalPalette);
    if (recipe.loopOnce) {
        const std::uint8_t app[] = {0x21, 0xFF, 11,  'N', 'E', 'T', 'S', 'C', 'A', 'P',
                                    'E',  '2',  '.', '0', 3,   1,   1,   0,   0};
        out.insert(out.end(), std::begin(app), std::end(app));
    }
    if (recipe.comment) {
        const std::uint8_t text[] = {'h', 'e', 'l', 'l', 'o'};
        out.push_back(0x21);
        out.push_back(0xFE);
        PutSubBlocks(out, text);
    }
    for (const GifFrameSpec& f : recipe.frames) {
        out.insert(out.end(), {0x21, 0xF9, 4});
        out.push_back(std::uint8_t((f.disposal << 2) | (f.transparentIndex >= 0 ? 1 : 0)));
        Put16(out, f.delay);
        out.push_back(std::uint8_t(std::max(f.transparentIndex, 0)));
        out.push_back(0);

        out.push_back(0x2C);
        Put16(out, f.left);
        Put16(out, f.top);
        Put16(out, f.width);
        Put16(out, f.height);
        const bool local = !f.localPalette.empty();
        out.push_back(std::uint8_t((local ? 0x80 | SizeField(f.localPalette.size()) : 0) |
                                   (f.interlaced ? 0x40 : 0)));
        if (local) PutPalette(out, f.localPalette);
        const std::size_t colours =
            local ? f.localPalette.size() : std::max<std::size_t>(recipe.globalPalette.size(), 2);
        const int minCodeSize =
            f.minCodeSize >= 0 ? f.minCodeSize : std::max(2, SizeField(colours) + 1);
        out.push_back(std::uint8_t(minCodeSize));
        if (!f.lzwData.empty()) {
            PutSubBlocks(out, f.lzwData);
        } else {
            const auto ordered = f.interlaced ? InterlaceOrder(f) : f.indices;
            PutSubBlocks(out, EncodeLzw(ordered, minCodeSize, f.clearWhenFull));
        }
    }
    if (recipe.trailer) out.push_back(0x3B);
    return out;
}

std::vector<std::uint8_t> PatternIndices(int width, int height, int colours, unsigned seed) {
    std::vector<std::uint8_t> out(std::size_t(width) * height);
    unsigned state = seed * 2654435761u + 1;
    std::uint8_t value = 0;
    for (auto& v : out) {
        state = state * 1103515245u + 12345u;
        if ((state >> 16) % 4 == 0) value = std::uint8_t((state >> 8) % colours);
        v = value;
    }
    return out;
}

}  // namespace qc::test
