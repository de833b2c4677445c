// The main window on a high-resolution screen: a virtual X server of
// 2560 x 1600 with QT_SCALE_FACTOR=2 gives a device pixel ratio of 2. The
// picture is drawn at the screen's resolution, not enlarged, while the mouse,
// the marking mode, the text mode and the clipboard keep working in the
// picture's own 721 x 721 pixels. Skipped without an X server.
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "core/canvas/Projection.h"

namespace {

QImage rgb32(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

bool isBlack(const QImage& image, int x, int y) { return image.pixel(x, y) == qRgb(0, 0, 0); }

}  // namespace

TEST(HighDpiX11, PictureAtTheScreensResolutionInPictureCoordinates) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X server: run under xvfb-run with QT_QPA_PLATFORM=xcb";
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";

    WindowFixture f;
    f.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.form));
    QImageCanvas& canvas = f.form.imageCanvas();
    EXPECT_EQ(canvas.deviceScale(), 2);
    EXPECT_EQ(canvas.image().size(), QSize(1442, 1442));

    // Without the coordinate planes the x axis runs alone, slanting down to
    // the left from the origin. Between the ticks at 4 and 5 it is one
    // picture pixel (two device pixels) thick and steps by single device
    // pixels, where an enlarged bitmap would step by two.
    f.button("SpeedButton_KoordEbenen_aus")->click();
    const QImage& image = canvas.image();
    const ViewState& view = f.form.viewState();
    const PixelPoint from = pointToPixel(4.2L, 0, 0, view), to = pointToPixel(4.8L, 0, 0, view);
    ASSERT_GT(from.x - to.x, 12);
    int oddTops = 0, columns = 0;
    for (int x = 2 * to.x; x < 2 * from.x; ++x) {
        std::vector<int> rows;
        for (int y = 2 * from.y - 4; y < 2 * to.y + 4; ++y)
            if (isBlack(image, x, y)) rows.push_back(y);
        ASSERT_EQ(rows.size(), 2u) << "device column " << x;
        EXPECT_EQ(rows[1], rows[0] + 1);
        oddTops += rows[0] % 2;
        ++columns;
    }
    EXPECT_GT(oddTops, columns / 4);
    EXPECT_LT(oddTops, 3 * columns / 4);

    // The widget shows the device pixels one to one.
    const QImage shown = rgb32(f.image()->grab().toImage());
    EXPECT_EQ(shown.size(), QSize(1442, 1442));
    EXPECT_EQ(shown, rgb32(image));

    // Panning by 30 x 20 picture pixels moves the origin by as much.
    const PixelPoint origin = pointToPixel(0, 0, 0, view);
    Mouse mouse{f.image()};
    mouse.drag({300, 300}, {330, 320});
    EXPECT_EQ(pointToPixel(0, 0, 0, view), (PixelPoint{origin.x + 30, origin.y + 20}));

    // The clipboard gets the 721 x 721 picture, and a marked part of it.
    mouse.rightClick({100, 100});
    EXPECT_EQ(rgb32(QGuiApplication::clipboard()->image()), rgb32(canvas.picture()));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(721, 721));
    const QImage beforeMarking = canvas.image().copy();
    f.box("CheckBox_SchnittModus")->click();
    mouse.drag({100, 100}, {160, 140});
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(60, 40));
    EXPECT_EQ(canvas.image(), beforeMarking);

    // Text goes where the pointer is, in picture pixels.
    f.box("CheckBox_Textmodus")->click();
    mouse.rightClick({500, 600});
    const QImage picture = canvas.picture();
    int blue = 0;
    for (int y = 600; y < 615; ++y)
        for (int x = 500; x < 560; ++x) blue += picture.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_GT(blue, 20);
}
