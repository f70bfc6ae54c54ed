#include "picture/gif_player.h"

#include <algorithm>
#include <chrono>
#include <climits>

#include "picture/qimage_view.h"

namespace qc {
namespace {

GifPlayer::Clock SteadyClock() {
    return [] {
        using namespace std::chrono;
        return qint64(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    };
}

}  // namespace

GifPlayer::GifPlayer(std::shared_ptr<const GifAnimation> animation, QRgb background,
                     QObject* parent)
    : GifPlayer(std::move(animation), background, SteadyClock(), parent) {}

GifPlayer::GifPlayer(std::shared_ptr<const GifAnimation> animation, QRgb background, Clock clock,
                     QObject* parent)
    : QObject(parent),
      m_animation(std::move(animation)),
      m_background(background),
      m_clock(std::move(clock)) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &GifPlayer::showDueFrame);
}

GifPlayer::~GifPlayer() {
    stop();
}

bool GifPlayer::start() {
    if (m_playing) return true;
    auto canvas = GifCanvas::Create(m_animation, m_background & 0xFFFFFFu);
    if (!canvas) return false;
    m_canvas.emplace(std::move(canvas.value()));
    m_scaledSize = QSize();
    m_scaled.clear();
    m_scaledBytes = 0;
    m_playing = true;
    showNextFrame(m_clock());
    return true;
}

void GifPlayer::stop() {
    m_playing = false;
    m_timer.stop();
}

int GifPlayer::frameIndex() const {
    return m_canvas ? m_canvas->frameIndex() : -1;
}

void GifPlayer::showDueFrame() {
    // A timeout already queued when stop() ran still arrives here; it must not draw.
    if (!m_playing) return;
    const qint64 now = m_clock();
    if (now < m_due) {
        armTimer(now);
        return;
    }
    showNextFrame(now);
}

void GifPlayer::showNextFrame(qint64 now) {
    // The delay counts from when this frame was noted, so the time spent drawing and
    // painting does not add up over a loop.
    const int delay = m_canvas->advance();
    ++m_serial;
    m_frame = ImageView(m_canvas->canvas());
    m_due = now + delay;
    emit frameChanged();
    if (m_playing) armTimer(m_clock());
}

void GifPlayer::armTimer(qint64 now) {
    m_timer.start(int(std::clamp<qint64>(m_due - now, 0, INT_MAX)));
}

QImage GifPlayer::scaledFrame(QSize size) {
    if (m_frame.isNull() || size.isEmpty()) return {};
    if (size == m_frame.size()) return m_frame;
    if (size != m_scaledSize) {
        m_scaledSize = size;
        m_scaled.clear();
        m_scaledBytes = 0;
        m_lastScaledSerial = -1;
    }
    const int index = m_canvas->frameIndex();
    // Until playing wraps, frame i may still look different on the next pass (it is drawn
    // over what the last frame left), so only the second pass on is kept per frame.
    const bool steady = m_canvas->wrapped();
    if (steady && std::size_t(index) < m_scaled.size() && !m_scaled[index].isNull())
        return m_scaled[index];
    if (m_lastScaledSerial == m_serial) return m_lastScaled;

    QImage scaled = m_frame.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_lastScaled = scaled;
    m_lastScaledSerial = m_serial;
    if (steady && m_scaledBytes + scaled.sizeInBytes() <= kScaledCacheBytes) {
        m_scaled.resize(m_animation->frames().size());
        m_scaled[index] = scaled;
        m_scaledBytes += scaled.sizeInBytes();
    }
    return scaled;
}

}  // namespace qc
