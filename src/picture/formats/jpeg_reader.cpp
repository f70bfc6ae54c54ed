#include "picture/formats/jpeg_reader.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

// jpeglib.h needs size_t and FILE declared before it.
#include <jerror.h>
#include <jpeglib.h>

namespace qc {
namespace {

// A blank picture with optimised Huffman tables packs about 500 pixels into a byte; twice that
// again covers arithmetic coding of flat areas while a few hundred bytes still cannot ask for
// a gigabyte.
constexpr std::int64_t kJpegMaxPixelsPerByte = 2048;

// Each progressive scan walks the whole coefficient buffer; real files have about ten.
constexpr int kMaxScans = 100;

// libjpeg keeps coefficient buffers for progressive files; anything beyond this fails rather
// than swapping.
constexpr long kMaxDecoderMemory = 512L * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool reachedEnd;
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

// Corrupt data can raise a warning per block; count them and print nothing.
void OnMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) return;
    ++cinfo->err->num_warnings;
    if (cinfo->err->msg_code == JWRN_JPEG_EOF)
        reinterpret_cast<ErrorManager*>(cinfo->err)->reachedEnd = true;
}

void OnOutputMessage(j_common_ptr) {}

void OnProgress(j_common_ptr cinfo) {
    if (!cinfo->is_decompressor) return;
    auto* dinfo = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (dinfo->input_scan_number > kMaxScans) {
        auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
        std::snprintf(manager->message, sizeof manager->message, "JPEG file has more than %d scans",
                      kMaxScans);
        std::longjmp(manager->jump, 1);
    }
}

// Converts one row of CMYK samples to BGRX. Photoshop (the Adobe marker) stores the inks
// inverted, which is what nearly every CMYK JPEG in the wild is.
void CmykRowToBgrx(const JSAMPLE* cmyk, std::uint32_t* out, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4) {
        unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        out[x] = Rgb((c * k + 127) / 255, (m * k + 127) / 255, (y * k + 127) / 255);
    }
}

// The libjpeg state of one decode. The functions that set a jump point keep only trivially
// destructible locals, so a longjmp out of libjpeg skips no destructor.
class JpegDecoder {
  public:
    JpegDecoder() {
        m_cinfo.err = jpeg_std_error(&m_errors.pub);
        m_errors.pub.error_exit = OnError;
        m_errors.pub.emit_message = OnMessage;
        m_errors.pub.output_message = OnOutputMessage;
        m_errors.message[0] = '\0';
        m_progress.progress_monitor = OnProgress;
    }
    ~JpegDecoder() {
        if (m_created) jpeg_destroy_decompress(&m_cinfo);
    }
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    bool readHeader(std::span<const std::uint8_t> bytes) {
        if (setjmp(m_errors.jump)) return false;
        jpeg_create_decompress(&m_cinfo);
        m_created = true;
        m_cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
        m_cinfo.progress = &m_progress;
        jpeg_mem_src(&m_cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
        jpeg_read_header(&m_cinfo, TRUE);
        return true;
    }

    // Reads the whole picture into `out`, which has the header's size.
    bool decode(Bitmap& out) {
        if (setjmp(m_errors.jump)) return false;
        const bool cmyk = m_cinfo.num_components == 4;
        m_cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
        m_cinfo.scale_num = m_cinfo.scale_denom = 1;
        m_cinfo.do_fancy_upsampling = TRUE;
        jpeg_start_decompress(&m_cinfo);
        if (m_cinfo.output_width != JDIMENSION(out.width()) ||
            m_cinfo.output_height != JDIMENSION(out.height()) || m_cinfo.output_components != 4) {
            std::snprintf(m_errors.message, sizeof m_errors.message,
                          "JPEG decoder gave an unexpected layout");
            return false;
        }
        if (cmyk) {
            // The one row buffer comes from libjpeg's pool, freed with the decoder.
            JSAMPARRAY row = (*m_cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&m_cinfo),
                                                          JPOOL_IMAGE, m_cinfo.output_width * 4, 1);
            const bool inverted = m_cinfo.saw_Adobe_marker;
            while (m_cinfo.output_scanline < m_cinfo.output_height) {
                const JDIMENSION y = m_cinfo.output_scanline;
                if (jpeg_read_scanlines(&m_cinfo, row, 1) != 1) return failStalled();
                CmykRowToBgrx(row[0], out.row(int(y)), m_cinfo.output_width, inverted);
            }
        } else {
            constexpr int kBatch = 16;
            JSAMPROW rows[kBatch];
            while (m_cinfo.output_scanline < m_cinfo.output_height) {
                const JDIMENSION y = m_cinfo.output_scanline;
                const JDIMENSION count = std::min<JDIMENSION>(kBatch, m_cinfo.output_height - y);
                for (JDIMENSION i = 0; i < count; ++i)
                    rows[i] = reinterpret_cast<JSAMPROW>(out.row(int(y + i)));
                if (jpeg_read_scanlines(&m_cinfo, rows, count) == 0) return failStalled();
            }
        }
        // Not jpeg_finish_decompress: every row is in, and junk after the picture should not
        // cost the picture.
        jpeg_abort_decompress(&m_cinfo);
        return true;
    }

    jpeg_decompress_struct& info() { return m_cinfo; }
    // Whether the header alone used up the file.
    bool headerReachedEnd() const {
        return m_errors.reachedEnd || !m_cinfo.src || m_cinfo.src->bytes_in_buffer == 0;
    }
    const char* message() const { return m_errors.message; }

  private:
    bool failStalled() {
        std::snprintf(m_errors.message, sizeof m_errors.message, "JPEG decoder stalled");
        return false;
    }

    jpeg_decompress_struct m_cinfo{};
    ErrorManager m_errors{};
    jpeg_progress_mgr m_progress{};
    bool m_created = false;
};

}  // namespace

Result<DecodedPicture> ReadJpeg(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 4) return Fail("JPEG file is too short");
    JpegDecoder decoder;
    if (!decoder.readHeader(bytes)) return Fail(decoder.message());
    const jpeg_decompress_struct& info = decoder.info();
    // A file that stops where its first scan should start has no picture at all; one that
    // stops later keeps what was decoded, padded with grey, as viewers show it.
    if (decoder.headerReachedEnd()) return Fail("JPEG file ends before its image data");
    if (info.num_components != 1 && info.num_components != 3 && info.num_components != 4)
        return Fail("JPEG file has an unsupported number of colour components");
    const std::int64_t width = info.image_width, height = info.image_height;
    if (width * height > kMaxPicturePixels) return Fail("picture is larger than 256 megapixels");
    if (!PlausibleForFileSize(width, height, bytes.size(), kJpegMaxPixelsPerByte))
        return Fail("JPEG file is too small for the picture size it gives");
    auto bitmap = Bitmap::Create(width, height);
    if (!bitmap) return bitmap.takeError();
    if (!decoder.decode(bitmap.value())) return Fail(decoder.message());
    DecodedPicture picture;
    picture.kind = PictureKind::Jpeg;
    picture.image = std::move(bitmap.value());
    return picture;
}

}  // namespace qc
