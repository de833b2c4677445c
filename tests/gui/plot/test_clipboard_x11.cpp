// The clipboard as another program sees it: under a real X server the copied
// picture is offered as a bitmap and as SVG, and xclip reads both while the
// program runs. Skipped without an X server or without xclip.
#include <QApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include "WindowTestSupport.h"

namespace {

void click(QWidget* w, QPoint p, Qt::MouseButton b, QPoint release) {
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
QByteArray fromXclip(const QString& xclip, const char* target) {
    QProcess p;
    p.start(xclip, {"-selection", "clipboard", "-t", target, "-o"});
    if (!QTest::qWaitFor([&p] { return p.state() == QProcess::NotRunning; }, 15000)) {
        p.kill();
        return {};
    }
    return p.readAllStandardOutput();
}

QImage pngFromXclip(const QString& xclip) { return QImage::fromData(fromXclip(xclip, "image/png"), "PNG"); }

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

    click(f.image(), {100, 100}, Qt::RightButton, {100, 100});
    ASSERT_EQ(f.feedback.messages, QStringList{"Grafik in der Zwischenablage gespeichert !"});
    const QByteArray targets = fromXclip(xclip, "TARGETS");
    EXPECT_TRUE(targets.contains("image/png")) << targets.toStdString();
    EXPECT_TRUE(targets.contains("image/svg+xml")) << targets.toStdString();
    const QImage whole = pngFromXclip(xclip);
    EXPECT_EQ(whole.size(), QSize(721, 721));
    EXPECT_EQ(whole.convertToFormat(QImage::Format_RGB32), f.picture().convertToFormat(QImage::Format_RGB32));
    const QByteArray svg = fromXclip(xclip, "image/svg+xml");
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 721 721\"")) << svg.left(300).toStdString();
    EXPECT_TRUE(svg.contains("<title>Koordinatensystem</title>"));

    f.box("CheckBox_SchnittModus")->click();
    click(f.image(), {100, 100}, Qt::LeftButton, {160, 140});
    const QImage part = pngFromXclip(xclip);
    EXPECT_EQ(part.size(), QSize(60, 40));
    EXPECT_TRUE(fromXclip(xclip, "image/svg+xml").contains("viewBox=\"0 0 60 40\""));
}
