#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "picture/formats/result.h"

namespace qc {

struct Controls;

// 拖放对象1 file received: the first of the dropped paths (one, or several each followed by
// "\r\n") that holds a picture becomes the box's picture, at the picture's own size. When none
// does, the box, its picture and the read-outs stay as they were.
void OnFileReceived(Controls& ui, const QString& droppedText);

// The paths of a dropped-file text.
QStringList DroppedPaths(const QString& droppedText);

// The whole content of a regular file, refusing anything too large to be a picture.
Result<QByteArray> ReadWholeFile(const QString& path);

// The pixel size of the picture in the file, 0 when it cannot be read as one.
int GetPictureFileWidth(const QString& path);
int GetPictureFileHeight(const QString& path);

}  // namespace qc
