#include "export/jpeg_writer.h"

#include <csetjmp>
#include <cstdio>
#include <new>

#include <jerror.h>
#include <jpeglib.h>

namespace qc {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// libjpeg's own error_exit ends the process; ours returns to EncodeJpeg instead.
[[noreturn]] void OnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr) {}

struct Destination {
    jpeg_destination_mgr base;
    std::vector<std::uint8_t>* out;
};

constexpr std::size_t kFirstChunk = 64 * 1024;

// Grows the vector; false when memory ran out. No exception may cross libjpeg's C frames.
bool Grow(Destination& dest, std::size_t used) {
    try {
        dest.out->resize(dest.out->size() < kFirstChunk ? kFirstChunk : dest.out->size() * 2);
    } catch (const std::bad_alloc&) {
        return false;
    }
    dest.base.next_output_byte = dest.out->data() + used;
    dest.base.free_in_buffer = dest.out->size() - used;
    return true;
}

void InitDestination(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<Destination*>(cinfo->dest);
    if (!Grow(*dest, 0)) ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
    // libjpeg calls this only when the whole buffer is full.
    auto* dest = reinterpret_cast<Destination*>(cinfo->dest);
    if (!Grow(*dest, dest->out->size())) ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<Destination*>(cinfo->dest);
    dest->out->resize(dest->out->size() - dest->base.free_in_buffer);
}

// Everything libjpeg may jump over lives in the caller's frame or on the heap, so the
// longjmp skips no destructor.
bool Compress(jpeg_compress_struct& cinfo, ErrorManager& err, Destination& dest,
              const PixelView& view, int quality, std::vector<JSAMPROW>& rows) {
    if (setjmp(err.jump)) return false;
    jpeg_create_compress(&cinfo);  // clears every field but err
    cinfo.dest = &dest.base;
    cinfo.image_width = JDIMENSION(view.width);
    cinfo.image_height = JDIMENSION(view.height);
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    for (int c = 0; c < cinfo.num_components; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height)
        jpeg_write_scanlines(&cinfo, rows.data() + cinfo.next_scanline,
                             cinfo.image_height - cinfo.next_scanline);
    jpeg_finish_compress(&cinfo);
    return true;
}

}  // namespace

Result<std::vector<std::uint8_t>> EncodeJpeg(const PixelView& view, int quality) {
    if (view.isEmpty()) return Fail("picture has no pixels");
    if (quality < 1 || quality > 100) return Fail("JPEG quality must be 1 to 100");

    std::vector<std::uint8_t> out;
    std::vector<JSAMPROW> rows(std::size_t(view.height));
    for (int y = 0; y < view.height; ++y)
        rows[std::size_t(y)] = reinterpret_cast<JSAMPROW>(const_cast<std::uint32_t*>(view.row(y)));

    jpeg_compress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.base);
    err.base.error_exit = OnError;
    err.base.output_message = OnMessage;
    Destination dest{};
    dest.base.init_destination = InitDestination;
    dest.base.empty_output_buffer = EmptyOutputBuffer;
    dest.base.term_destination = TermDestination;
    dest.out = &out;

    const bool ok = Compress(cinfo, err, dest, view, quality, rows);
    jpeg_destroy_compress(&cinfo);
    if (!ok) return Fail(std::string("JPEG encoding failed: ") + err.message);
    return out;
}

}  // namespace qc
