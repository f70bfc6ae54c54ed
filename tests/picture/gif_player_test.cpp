#include "picture/gif_player.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include "../formats/gif_builder.h"
#include "picture/formats/gif_reader.h"

namespace qc {
namespace {

using test::BuildGif;
using test::GifFrameSpec;
using test::GifRecipe;

GifFrameSpec Frame(int delay, std::uint8_t colour) {
    GifFrameSpec f;
    f.width = 4;
    f.height = 2;
    f.indices.assign(8, colour);
    f.delay = delay;
    return f;
}

// Three frames (delays 0, 7 and 2) of one colour each, asking for a single pass.
std::shared_ptr<const GifAnimation> Animation() {
    GifRecipe recipe{4, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0x000000}, {}};
    recipe.frames = {Frame(0, 0), Frame(7, 1), Frame(2, 2)};
    recipe.loopOnce = true;
    auto picture = ReadGif(BuildGif(recipe));
    EXPECT_TRUE(picture.ok());
    return picture->animation;
}

class GifPlayerTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "gif_player_tests";
            static char* argv[] = {name, nullptr};
            new QCoreApplication(argc, argv);
        }
    }

    qint64 m_now = 1000;
    GifPlayer::Clock clock() {
        return [this] { return m_now; };
    }
};

TEST_F(GifPlayerTest, KeepsEachFrameForItsDelayAndLoopsForEver) {
    GifPlayer player(Animation(), qRgb(1, 2, 3), clock());
    QSignalSpy frames(&player, &GifPlayer::frameChanged);
    ASSERT_TRUE(player.start());
    ASSERT_EQ(frames.count(), 1);
    EXPECT_EQ(player.frameIndex(), 0);
    EXPECT_EQ(player.currentFrame().pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(player.currentFrame().format(), QImage::Format_RGB32);

    // Each frame shows for its delay counted from when it was noted: 0 → 50 ms, 7 → 70 ms,
    // 2 → 20 ms; a step that runs late counts the next delay from when it ran.
    struct Step {
        qint64 at;
        int shownFrames;
        int frame;
    };
    const Step steps[] = {
        {1049, 1, 0}, {1050, 2, 1}, {1119, 2, 1}, {1120, 3, 2}, {1139, 3, 2}, {1145, 4, 0},
        {1194, 4, 0}, {1195, 5, 1}, {1265, 6, 2}, {1285, 7, 0}, {1335, 8, 1},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.at);
        m_now = s.at;
        player.showDueFrame();
        EXPECT_EQ(frames.count(), s.shownFrames);
        EXPECT_EQ(player.frameIndex(), s.frame);
    }
    EXPECT_EQ(player.nextFrameDue(), 1335 + 70);
    EXPECT_EQ(player.currentFrame().pixel(3, 1), qRgb(0, 255, 0));
}

TEST_F(GifPlayerTest, NoFrameAfterStopEvenWhenOneIsDue) {
    GifPlayer player(Animation(), qRgb(0, 0, 0), clock());
    QSignalSpy frames(&player, &GifPlayer::frameChanged);
    ASSERT_TRUE(player.start());
    m_now += 500;
    player.stop();
    player.showDueFrame();  // a timeout queued before the stop
    QCoreApplication::processEvents();
    EXPECT_EQ(frames.count(), 1);
    EXPECT_EQ(player.frameIndex(), 0);
    EXPECT_FALSE(player.isPlaying());
}

TEST_F(GifPlayerTest, StopFromAFrameHandlerEndsPlaying) {
    GifPlayer player(Animation(), qRgb(0, 0, 0));
    QSignalSpy frames(&player, &GifPlayer::frameChanged);
    QObject::connect(&player, &GifPlayer::frameChanged, [&] {
        if (frames.count() == 2) player.stop();
    });
    ASSERT_TRUE(player.start());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !player.isPlaying(); }, 5000));
    EXPECT_EQ(frames.count(), 2);
    player.showDueFrame();
    EXPECT_EQ(frames.count(), 2);
}

TEST_F(GifPlayerTest, TimerPlaysOnItsOwn) {
    GifPlayer player(Animation(), qRgb(0, 0, 0));
    QSignalSpy frames(&player, &GifPlayer::frameChanged);
    ASSERT_TRUE(player.start());
    EXPECT_TRUE(QTest::qWaitFor([&] { return frames.count() >= 5; }, 5000));
    EXPECT_EQ(player.frameIndex(), (frames.count() - 1) % 3);
}

TEST_F(GifPlayerTest, ScaledFramesAreKeptFromTheSecondPass) {
    GifPlayer player(Animation(), qRgb(0, 0, 0), clock());
    ASSERT_TRUE(player.start());
    const QSize size(9, 5);
    const QImage first = player.scaledFrame(size);
    ASSERT_EQ(first.size(), size);
    EXPECT_EQ(first.pixel(4, 2), qRgb(255, 0, 0));
    EXPECT_EQ(player.scaledFrame(player.currentFrame().size()).cacheKey(),
              player.currentFrame().cacheKey());

    std::vector<qint64> keys;
    for (int i = 0; i < 6; ++i) {
        m_now += 100;
        player.showDueFrame();
        const QImage scaled = player.scaledFrame(size);
        EXPECT_EQ(scaled.cacheKey(), player.scaledFrame(size).cacheKey()) << "repaint rescaled";
        keys.push_back(scaled.cacheKey());
    }
    // Frames 1 and 2 of the first pass were scaled afresh; from frame 0's second showing on
    // each scaled frame is kept and comes back on the next pass.
    EXPECT_EQ(keys[5], keys[2]);
    m_now += 100;
    player.showDueFrame();
    EXPECT_EQ(player.frameIndex(), 1);
    EXPECT_EQ(player.scaledFrame(size).cacheKey(), keys[3]);
    EXPECT_EQ(player.scaledFrame(size).pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_NE(keys[0], keys[3]);

    // A new size drops what was kept.
    const QImage other = player.scaledFrame(QSize(8, 4));
    EXPECT_EQ(other.size(), QSize(8, 4));
    EXPECT_NE(player.scaledFrame(size).cacheKey(), keys[3]);
}

}  // namespace
}  // namespace qc
