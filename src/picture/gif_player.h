#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "picture/formats/gif_animation.h"

namespace qc {

// Plays an animated GIF on the GUI thread: a single-shot timer brings each frame when its
// delay, counted from the moment the previous frame was noted, has passed. The picture box
// owns one player while it shows an animation and paints scaledFrame(size()).
class GifPlayer : public QObject {
    Q_OBJECT

  public:
    // Milliseconds on a steady clock; tests hand in a fake one.
    using Clock = std::function<qint64()>;

    GifPlayer(std::shared_ptr<const GifAnimation> animation, QRgb background,
              QObject* parent = nullptr);
    GifPlayer(std::shared_ptr<const GifAnimation> animation, QRgb background, Clock clock,
              QObject* parent = nullptr);
    ~GifPlayer() override;

    // Draws frame 0 at once and schedules the rest. False when the canvas cannot be made.
    bool start();
    // After this no frame is drawn or announced again, even one already due.
    void stop();
    bool isPlaying() const { return m_playing; }

    // The canvas as it stands (a view of the player's pixels; null before start()).
    const QImage& currentFrame() const { return m_frame; }
    // The canvas stretched to `size` with smooth filtering. From the second pass on, each
    // frame's stretched picture is kept (up to kScaledCacheBytes), so a playing GIF costs
    // little once it has looped.
    QImage scaledFrame(QSize size);
    int frameIndex() const;
    // When the next frame is due, on the player's clock.
    qint64 nextFrameDue() const { return m_due; }

    static constexpr qint64 kScaledCacheBytes = 64LL * 1024 * 1024;

  signals:
    void frameChanged();

  public slots:
    // Shows the next frame if it is due, otherwise waits for it. The timer calls this.
    void showDueFrame();

  private:
    void showNextFrame(qint64 now);
    void armTimer(qint64 now);

    std::shared_ptr<const GifAnimation> m_animation;
    QRgb m_background;
    Clock m_clock;
    QTimer m_timer;
    std::optional<GifCanvas> m_canvas;
    QImage m_frame;
    qint64 m_due = 0;
    bool m_playing = false;

    QSize m_scaledSize;
    std::vector<QImage> m_scaled;  // by frame index, for m_scaledSize
    qint64 m_scaledBytes = 0;
    QImage m_lastScaled;  // the current frame at m_scaledSize, while still in the first pass
    qint64 m_lastScaledSerial = -1;
    qint64 m_serial = 0;  // counts frames shown
};

}  // namespace qc
