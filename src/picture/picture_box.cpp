#include "picture/picture_box.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "picture/formats/picture_decoder.h"
#include "picture/gif_player.h"
#include "picture/qimage_view.h"
#include "shell/control_geometry.h"

namespace qc {
namespace {

// Above this many pixels the box is drawn from the original region by region instead of
// keeping a whole scaled copy (a fully zoomed box would need gigabytes).
constexpr qint64 kMaxCachedPixels = 16 * 1024 * 1024;

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PictureBox::~PictureBox() = default;

QColor PictureBox::backgroundColour() const {
    return palette().color(QPalette::Button);
}

bool PictureBox::isAnimating() const {
    return m_player && m_player->isPlaying();
}

void PictureBox::clearPicture() {
    // Stop first: no frame of the old picture may be drawn after this.
    if (m_player) m_player->stop();
    m_player.reset();
    m_picture = DecodedPicture();
    m_source = QImage();
    m_scaled = QImage();
}

void PictureBox::assignPicture(const QByteArray& bytes) {
    clearPicture();
    DecodedPicture picture;
    if (!bytes.isEmpty()) {
        auto decoded = DecodePicture(std::span(
            reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())));
        if (decoded) picture = std::move(decoded.value());
    }
    assignDecoded(bytes, std::move(picture));
}

void PictureBox::assignDecoded(const QByteArray& bytes, DecodedPicture picture) {
    clearPicture();
    m_bytes = bytes;
    m_picture = std::move(picture);
    if (!m_picture.image.isNull()) {
        auto drawable = OpaqueOver(m_picture, backgroundColour().rgb() & 0xFFFFFF);
        if (drawable) m_source = ImageView(*drawable);
    }
    update();
}

void PictureBox::setBoxLeft(int left) {
    move(ClampPlace(left), y());
}
void PictureBox::setBoxTop(int top) {
    move(x(), ClampPlace(top));
}
void PictureBox::setBoxWidth(int width) {
    resize(ClampExtent(width), height());
}
void PictureBox::setBoxHeight(int height) {
    resize(width(), ClampExtent(height));
}

void PictureBox::startPlayerIfNeeded() {
    if (m_player || !m_picture.animation) return;
    m_player = std::make_unique<GifPlayer>(m_picture.animation, backgroundColour().rgb());
    connect(m_player.get(), &GifPlayer::frameChanged, this, [this] { update(); });
    if (!m_player->start()) m_player.reset();
}

const QImage& PictureBox::scaledPicture() {
    if (m_scaled.size() != size()) {
        m_scaled = m_source.size() == size()
                       ? m_source
                       : m_source.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return m_scaled;
}

void PictureBox::paintEvent(QPaintEvent* event) {
    startPlayerIfNeeded();
    QPainter painter(this);
    const QRect exposed = event->rect();
    if (m_player && qint64(width()) * height() <= kMaxCachedPixels && width() > 0 && height() > 0) {
        painter.drawImage(exposed.topLeft(), m_player->scaledFrame(size()), exposed);
        return;
    }
    if (m_source.isNull() || width() == 0 || height() == 0) {
        painter.fillRect(exposed, backgroundColour());
        return;
    }
    if (qint64(width()) * height() <= kMaxCachedPixels) {
        // Stretching fills the whole box, so the background never shows beside the picture.
        painter.drawImage(exposed.topLeft(), scaledPicture(), exposed);
        return;
    }
    m_scaled = QImage();
    painter.fillRect(exposed, backgroundColour());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_player ? m_player->currentFrame() : m_source);
}

}  // namespace qc
