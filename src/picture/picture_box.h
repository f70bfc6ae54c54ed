#pragma once

#include <QByteArray>
#include <QImage>
#include <QWidget>
#include <memory>

#include "picture/formats/decoded_picture.h"

namespace qc {

class GifPlayer;

// 图片框1: shows one picture stretched to exactly the box's size over the button-face colour.
// The picture is always scaled from the decoded original, so repeated zooms lose nothing.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // Replaces the picture with the bytes of an image file (empty: no picture). Stops a
    // playing GIF first. Bytes that do not decode leave the box without a picture.
    void assignPicture(const QByteArray& bytes);
    // Like assignPicture with bytes already decoded, for callers that probed them first.
    void assignDecoded(const QByteArray& bytes, DecodedPicture picture);

    const QByteArray& pictureBytes() const { return m_bytes; }
    bool hasPicture() const { return !m_source.isNull(); }
    // Whether an animated GIF is playing (it starts at the box's first paint).
    bool isAnimating() const;
    const DecodedPicture& decodedPicture() const { return m_picture; }

    // Geometry writes, clamped: left/top to −32627..32627, width/height to 0..32627.
    void setBoxLeft(int left);
    void setBoxTop(int top);
    void setBoxWidth(int width);
    void setBoxHeight(int height);

    QColor backgroundColour() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void clearPicture();
    void startPlayerIfNeeded();
    const QImage& scaledPicture();

    QByteArray m_bytes;
    DecodedPicture m_picture;
    QImage m_source;  // what is drawn: opaque, alpha already blended over the background
    QImage m_scaled;  // m_source at the box's current size, when that size is cached
    std::unique_ptr<GifPlayer> m_player;
};

}  // namespace qc
