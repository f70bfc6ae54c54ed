#include <gtest/gtest.h>
#include <QClipboard>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "export/export_handlers.h"
#include "export/snapshot.h"
#include "export/test_window.h"
#include "picture/formats/picture_decoder.h"
#include "shell/edit_box.h"

namespace qc {
namespace {

using test::TestWindow;

int RunCli(const QStringList& arguments) {
    QProcess cli;
    cli.start(QStringLiteral(QC_CLI), QStringList{QStringLiteral("render")} + arguments);
    if (!cli.waitForFinished(30000)) return -1;
    return cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(CliRender, DrawsWhatTheWindowsCopyGivesForTheSameState) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("out.png"));
    const QString bmp = dir.filePath(QStringLiteral("out.bmp"));
    const QStringList state = {"--template", "27", "--caption", QStringLiteral("测试")};
    ASSERT_EQ(RunCli(state + QStringList{"-o", png}), 0);
    ASSERT_EQ(RunCli(state + QStringList{"-o", bmp}), 0);

    TestWindow w;
    w.selectTemplate(27);
    w.ui().captionEdit->writeText(QStringLiteral("测试"));
    const std::vector<std::uint8_t> snapshot = SnapshotWindow(w.box());
    OnCopyClicked(w.ui());
    const QImage copied =
        QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);

    auto drawn = DecodePicture(test::Bytes(ReadFile(png)));
    ASSERT_TRUE(drawn) << drawn.error();
    ASSERT_EQ(copied.size(), QSize(drawn->width(), drawn->height()));
    for (int y = 0; y < copied.height(); ++y)
        for (int x = 0; x < copied.width(); ++x)
            ASSERT_EQ(copied.pixel(x, y) & 0xFFFFFF, drawn->image.row(y)[x] & 0xFFFFFF)
                << x << "," << y;

    const QByteArray written = ReadFile(bmp);
    ASSERT_EQ(snapshot.size(), std::size_t(written.size()));
    for (std::size_t i = 0; i < snapshot.size(); ++i)
        ASSERT_EQ(snapshot[i], std::uint8_t(written[int(i)])) << "byte " << i;
}

TEST(CliRender, ZoomAndJpegOutputGiveTheZoomedBoxSize) {
    QTemporaryDir dir;
    const QString jpg = dir.filePath(QStringLiteral("zoomed.jpg"));
    ASSERT_EQ(RunCli({"--template", "27", "--zoom", "2", "--size", "40", "--color", "#FF0000",
                      "--box", "300x100", "--at", "20,100", "--no-bold", "-o", jpg}),
              0);
    auto drawn = DecodePicture(test::Bytes(ReadFile(jpg)));
    ASSERT_TRUE(drawn) << drawn.error();
    EXPECT_EQ(drawn->kind, PictureKind::Jpeg);
    EXPECT_EQ(drawn->width(), 484);
    EXPECT_EQ(drawn->height(), 484);
}

struct BadCase {
    const char* why;
    QStringList arguments;
    int exitCode;
};

TEST(CliRender, WrongArgumentsOrUnreadablePictureWriteNothing) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.png"));
    const QString text = dir.filePath(QStringLiteral("note.txt"));
    {
        QFile file(text);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
    }
    const BadCase cases[] = {
        {"no output", {"--template", "1"}, 2},
        {"template out of range", {"--template", "38", "-o", out}, 2},
        {"template not a number", {"--template", "x1", "-o", out}, 2},
        {"unknown option", {"--shadow", "-o", out}, 2},
        {"missing value", {"-o", out, "--size"}, 2},
        {"size out of range", {"--size", "0", "-o", out}, 2},
        {"colour by name", {"--color", "red", "-o", out}, 2},
        {"box without height", {"--box", "100", "-o", out}, 2},
        {"place without y", {"--at", "5", "-o", out}, 2},
        {"template and picture", {"--template", "1", "--picture", text, "-o", out}, 2},
        {"unknown output kind", {"--template", "1", "-o", dir.filePath("out.gif")}, 2},
        {"picture is text", {"--picture", text, "-o", out}, 1},
        {"picture missing", {"--picture", dir.filePath("none.jpg"), "-o", out}, 1},
    };
    for (const BadCase& c : cases) {
        EXPECT_EQ(RunCli(c.arguments), c.exitCode) << c.why;
        EXPECT_FALSE(QFile::exists(out)) << c.why;
    }
}

}  // namespace
}  // namespace qc
