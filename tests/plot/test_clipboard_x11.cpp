// The clipboard as another program sees it: under a real X server the copied
// picture is readable as PNG by xclip while the program runs. Skipped
// without an X server or without xclip.
#include <QApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include "WindowTestSupport.h"

namespace {

void Click(QWidget* w, QPoint p, Qt::MouseButton b, QPoint release) {
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(p), w->mapToGlobal(QPointF(p)), b, b, Qt::NoModifier);
    QApplication::sendEvent(w, &down);
    if (release != p) {
        QMouseEvent move(QEvent::MouseMove, QPointF(release), w->mapToGlobal(QPointF(release)), Qt::NoButton, b,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(release), w->mapToGlobal(QPointF(release)), b,
                   Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &up);
}

// Runs xclip while this process keeps serving the selection.
QImage PngFromXclip(const QString& xclip) {
    QProcess p;
    p.start(xclip, {"-selection", "clipboard", "-t", "image/png", "-o"});
    if (!QTest::qWaitFor([&p] { return p.state() == QProcess::NotRunning; }, 15000)) {
        p.kill();
        return {};
    }
    return QImage::fromData(p.readAllStandardOutput(), "PNG");
}

}  // namespace

TEST(ClipboardX11, AnotherProgramReadsTheWholePictureAndAPart) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X server: run under xvfb-run with QT_QPA_PLATFORM=xcb";
    const QString xclip = QStandardPaths::findExecutable("xclip");
    if (xclip.isEmpty())
        GTEST_SKIP() << "xclip is not installed";

    WindowFixture f;
    f.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.form));

    Click(f.image(), {100, 100}, Qt::RightButton, {100, 100});
    ASSERT_EQ(f.feedback.messages, QStringList{"Grafik in der Zwischenablage gespeichert !"});
    const QImage whole = PngFromXclip(xclip);
    EXPECT_EQ(whole.size(), QSize(721, 721));
    EXPECT_EQ(whole.convertToFormat(QImage::Format_RGB32), f.picture().convertToFormat(QImage::Format_RGB32));

    f.box("CheckBox_SchnittModus")->click();
    Click(f.image(), {100, 100}, Qt::LeftButton, {160, 140});
    const QImage part = PngFromXclip(xclip);
    EXPECT_EQ(part.size(), QSize(60, 40));
}
