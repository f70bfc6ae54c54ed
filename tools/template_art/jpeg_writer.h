#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace art {

struct JpegCoding {
    bool progressive = false;
    bool greyscale = false;
    int quality = 90;
};

// Encodes with libjpeg directly so the coding (progressive or baseline, one or three
// components) is exactly the one asked for. Returns an empty array and sets `error` on failure.
QByteArray EncodeJpeg(const QImage& image, const JpegCoding& coding, QString* error);

}  // namespace art
