#include "export/desktop_save.h"

#include "convert/date_time_text.h"
#include "convert/gbk.h"
#include "export/bmp_snapshot.h"
#include "export/jpeg_writer.h"
#include "export/save_file.h"
#include "export/snapshot.h"

namespace qc {

Result<std::vector<std::uint8_t>> SavedJpeg(const Bitmap& pixels) {
    return EncodeJpeg(ViewOf(pixels), 95);
}

Result<std::string> SaveBoxAs(PictureBox* box, const std::string& folder, const std::string& name) {
    auto pixels = CaptureBoxPixels(box);
    if (!pixels) return pixels.takeError();
    auto jpeg = SavedJpeg(*pixels);
    if (!jpeg) return jpeg.takeError();
    return SaveNewFile(folder, name, ".jpg", *jpeg);
}

Result<std::string> SaveBoxToDesktop(PictureBox* box) {
    const std::string folder = DesktopFolder();
    // The date-time text is GBK; the file system takes UTF-8, so 年月日时分秒 stay as such.
    const std::string name = Utf8FromGbk(DateTimeToText(CurrentDateTime()));
    return SaveBoxAs(box, folder, name);
}

}  // namespace qc
