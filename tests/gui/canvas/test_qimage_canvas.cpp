// The QImage canvas: the pixel results the drawing relies on.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <algorithm>
#include <vector>

#include "core/canvas/CoordinateSystem.h"
#include "core/canvas/Projection.h"
#include "gui/canvas/QImageCanvas.h"

namespace {

constexpr Colour kPlaneBlue = 0x00BF8200;

TEST(QImageCanvas, StartsAsAWhite721SquareInRgb32) {
    QImageCanvas canvas;
    const QImage& img = canvas.image();
    EXPECT_EQ(img.width(), 721);
    EXPECT_EQ(img.height(), 721);
    EXPECT_EQ(img.format(), QImage::Format_RGB32);
    EXPECT_EQ(canvas.getPixel(0, 0), Colours::White);
    EXPECT_EQ(canvas.getPixel(720, 720), Colours::White);
    EXPECT_EQ(canvas.getPixel(-1, 5), Colours::White);  // outside reads white
}

TEST(QImageCanvas, ColoursKeepTheirByteOrder) {
    QImageCanvas canvas;
    canvas.setPixel(1, 1, makeColour(10, 20, 30));
    EXPECT_EQ(canvas.getPixel(1, 1), makeColour(10, 20, 30));
    EXPECT_EQ(QColor(canvas.image().pixel(1, 1)), QColor(10, 20, 30));
    canvas.setPixel(-1, 800, Colours::Red);  // ignored, no crash
}

TEST(QImageCanvas, LinesLeaveTheirEndPixelInEveryDirection) {
    QImageCanvas canvas;
    drawLine(canvas, 10, 10, 20, 10, Colours::Black, 1, PenStyles::Solid);  // right
    drawLine(canvas, 20, 12, 10, 12, Colours::Black, 1, PenStyles::Solid);  // left
    drawLine(canvas, 30, 10, 30, 20, Colours::Black, 1, PenStyles::Solid);  // down
    drawLine(canvas, 32, 20, 32, 10, Colours::Black, 1, PenStyles::Solid);  // up
    drawLine(canvas, 40, 10, 50, 20, Colours::Black, 1, PenStyles::Solid);  // diagonal
    for (int x = 10; x < 20; ++x) EXPECT_EQ(canvas.getPixel(x, 10), Colours::Black) << x;
    EXPECT_EQ(canvas.getPixel(20, 10), Colours::White);
    for (int x = 11; x <= 20; ++x) EXPECT_EQ(canvas.getPixel(x, 12), Colours::Black) << x;
    EXPECT_EQ(canvas.getPixel(10, 12), Colours::White);
    for (int y = 10; y < 20; ++y) EXPECT_EQ(canvas.getPixel(30, y), Colours::Black) << y;
    EXPECT_EQ(canvas.getPixel(30, 20), Colours::White);
    for (int y = 11; y <= 20; ++y) EXPECT_EQ(canvas.getPixel(32, y), Colours::Black) << y;
    EXPECT_EQ(canvas.getPixel(32, 10), Colours::White);
    EXPECT_EQ(canvas.getPixel(49, 19), Colours::Black);
    EXPECT_EQ(canvas.getPixel(50, 20), Colours::White);
    EXPECT_EQ(canvas.getPixel(9, 10), Colours::White);
    EXPECT_EQ(canvas.getPixel(21, 10), Colours::White);
}

TEST(QImageCanvas, EndPixelKeepsWhatWasThere) {
    QImageCanvas canvas;
    canvas.setPixel(20, 10, Colours::Red);
    drawLine(canvas, 10, 10, 20, 10, Colours::Blue, 1, PenStyles::Solid);
    EXPECT_EQ(canvas.getPixel(20, 10), Colours::Red);
    EXPECT_EQ(canvas.getPixel(19, 10), Colours::Blue);
    // A polyline joins without gaps: the next segment starts on that pixel.
    canvas.lineTo(20, 30);
    EXPECT_EQ(canvas.getPixel(20, 10), Colours::Blue);
}

TEST(QImageCanvas, FarLinesAreClippedOnTheirTrueCourse) {
    QImageCanvas canvas;
    // From the clamped far left to the far right, 10 rows down over 20000
    // columns: at column 0 the line has come 5.545 rows down.
    drawLine(canvas, -10090, 450, 9910, 460, Colours::Black, 1, PenStyles::Solid);
    EXPECT_EQ(canvas.getPixel(0, 455), Colours::Black);
    EXPECT_EQ(canvas.getPixel(0, 454), Colours::White);
    EXPECT_EQ(canvas.getPixel(0, 456), Colours::White);
    EXPECT_EQ(canvas.getPixel(720, 455), Colours::Black);
    // Entirely outside, and steep through the image.
    drawLine(canvas, -500, -500, -10, 9000, Colours::Red, 1, PenStyles::Solid);
    drawLine(canvas, 300, -10000, 301, 10000, Colours::Red, 1, PenStyles::Solid);
    // It crosses from column 300 to 301 at row 0, so the image shows 301 only.
    EXPECT_EQ(canvas.getPixel(301, 100), Colours::Red);
    EXPECT_EQ(canvas.getPixel(301, 600), Colours::Red);
    EXPECT_EQ(canvas.getPixel(300, 100), Colours::White);
}

TEST(QImageCanvas, DottedPenLeavesGaps) {
    QImageCanvas canvas;
    drawLine(canvas, 0, 5, 60, 5, Colours::Black, 1, PenStyles::Dot);
    int black = 0;
    for (int x = 0; x < 60; ++x) black += canvas.getPixel(x, 5) == Colours::Black;
    EXPECT_GT(black, 10);
    EXPECT_LT(black, 40);
    // With a solid brush the gaps take the brush colour; with a clear one
    // they keep what was there.
    canvas.setBrushColour(Colours::Yellow);
    canvas.setBrushStyle(BrushStyles::Solid);
    canvas.setPenStyle(PenStyles::Dot);
    canvas.moveTo(0, 7);
    canvas.lineTo(60, 7);
    int yellow = 0, white = 0;
    for (int x = 0; x < 60; ++x) {
        yellow += canvas.getPixel(x, 7) == Colours::Yellow;
        white += canvas.getPixel(x, 7) == Colours::White;
    }
    EXPECT_GT(yellow, 10);
    EXPECT_EQ(white, 0);
}

TEST(QImageCanvas, InvertingRectangleDrawnTwiceRestoresThePicture) {
    QImageCanvas canvas;
    ViewState view;
    drawCoordinateSystem(canvas, view);
    drawCoordinatePlanes(canvas, view);
    const QImage before = canvas.image().copy();

    canvas.setBrushStyle(BrushStyles::Clear);
    canvas.setPenMode(PenMode::Not);
    canvas.setPenWidth(1);
    canvas.setPenStyle(PenStyles::Dot);
    canvas.rectangle(250, 300, 100, 460);  // corners in any order
    const QImage once = canvas.image().copy();
    EXPECT_NE(once, before);
    // Inverting white gives black on the top edge somewhere.
    int changed = 0;
    for (int x = 100; x < 250; ++x) changed += once.pixel(x, 300) != before.pixel(x, 300);
    EXPECT_GT(changed, 20);
    canvas.rectangle(250, 300, 100, 460);
    EXPECT_EQ(canvas.image(), before);
}

TEST(QImageCanvas, InvertingLineFlipsPixels) {
    QImageCanvas canvas;
    canvas.setPenMode(PenMode::Not);
    canvas.moveTo(0, 3);
    canvas.lineTo(10, 3);
    EXPECT_EQ(canvas.getPixel(5, 3), Colours::Black);
    EXPECT_EQ(canvas.getPixel(10, 3), Colours::White);
    canvas.moveTo(0, 3);
    canvas.lineTo(10, 3);
    EXPECT_EQ(canvas.getPixel(5, 3), Colours::White);
}

// Fills (10,10)-(74,74) on a red background with a hatch in blue.
QImageCanvas& hatched(QImageCanvas& canvas, BrushStyle style) {
    canvas.reset(0, 0, 100, 100);
    canvas.setBrushColour(Colours::Red);
    canvas.setBrushStyle(BrushStyles::Solid);
    canvas.setPenStyle(PenStyles::Clear);
    canvas.rectangle(0, 0, 100, 100);
    fillQuad(canvas, {10, 10}, {74, 10}, {74, 74}, {10, 74}, Colours::Blue, Colours::Blue, 1,
             PenStyles::Clear, style);
    return canvas;
}

int countInRow(QImageCanvas& c, int y, Colour colour) {
    int n = 0;
    for (int x = 20; x < 60; ++x) n += c.getPixel(x, y) == colour;
    return n;
}
int countInColumn(QImageCanvas& c, int x, Colour colour) {
    int n = 0;
    for (int y = 20; y < 60; ++y) n += c.getPixel(x, y) == colour;
    return n;
}

TEST(QImageCanvas, HatchPatternsByCodeOverATransparentBackground) {
    QImageCanvas canvas;
    // Horizontal: some rows fully blue, the rest untouched red.
    hatched(canvas, BrushStyles::Horizontal);
    int fullRows = 0, redRows = 0;
    for (int y = 20; y < 60; ++y) {
        fullRows += countInRow(canvas, y, Colours::Blue) == 40;
        redRows += countInRow(canvas, y, Colours::Red) == 40;
    }
    EXPECT_GE(fullRows, 4);
    EXPECT_EQ(fullRows + redRows, 40);
    EXPECT_GE(redRows, 30);

    hatched(canvas, BrushStyles::Vertical);
    int fullCols = 0, redCols = 0;
    for (int x = 20; x < 60; ++x) {
        fullCols += countInColumn(canvas, x, Colours::Blue) == 40;
        redCols += countInColumn(canvas, x, Colours::Red) == 40;
    }
    EXPECT_GE(fullCols, 4);
    EXPECT_EQ(fullCols + redCols, 40);

    hatched(canvas, BrushStyles::Cross);
    fullRows = fullCols = 0;
    for (int i = 20; i < 60; ++i) {
        fullRows += countInRow(canvas, i, Colours::Blue) == 40;
        fullCols += countInColumn(canvas, i, Colours::Blue) == 40;
    }
    EXPECT_GE(fullRows, 4);
    EXPECT_GE(fullCols, 4);

    // Forward diagonal runs like "\": blue pixels repeat one step down-right.
    hatched(canvas, BrushStyles::FDiagonal);
    int fd = 0, bd = 0;
    for (int y = 20; y < 59; ++y)
        for (int x = 20; x < 59; ++x)
            if (canvas.getPixel(x, y) == Colours::Blue) {
                fd += canvas.getPixel(x + 1, y + 1) == Colours::Blue;
                bd += canvas.getPixel(x - 1, y + 1) == Colours::Blue;
            }
    EXPECT_GT(fd, 100);
    EXPECT_EQ(bd, 0);
    hatched(canvas, BrushStyles::BDiagonal);
    fd = bd = 0;
    for (int y = 20; y < 59; ++y)
        for (int x = 21; x < 59; ++x)
            if (canvas.getPixel(x, y) == Colours::Blue) {
                fd += canvas.getPixel(x + 1, y + 1) == Colours::Blue;
                bd += canvas.getPixel(x - 1, y + 1) == Colours::Blue;
            }
    EXPECT_EQ(fd, 0);
    EXPECT_GT(bd, 100);

    hatched(canvas, BrushStyles::DiagCross);
    int blue = 0, red = 0;
    for (int y = 20; y < 60; ++y) {
        blue += countInRow(canvas, y, Colours::Blue);
        red += countInRow(canvas, y, Colours::Red);
    }
    EXPECT_GT(blue, 200);
    EXPECT_GT(red, 800);

    hatched(canvas, BrushStyles::Solid);
    EXPECT_EQ(countInRow(canvas, 30, Colours::Blue), 40);
    hatched(canvas, BrushStyles::Clear);
    EXPECT_EQ(countInRow(canvas, 30, Colours::Red), 40);
}

TEST(QImageCanvas, OpaqueTextBoxOnlyWithSolidBrush) {
    QImageCanvas canvas;
    canvas.setPixel(100, 100, Colours::Red);
    canvas.setBrushColour(Colours::Yellow);
    drawText(canvas, 100, 100, "Wg", "Arial", 10, Colours::Blue, FontStyles::Bold,
             BrushStyles::Solid);
    // The box starts at the text's top-left corner and is painted in the
    // brush colour where no glyph covers it.
    EXPECT_EQ(canvas.getPixel(100, 100), Colours::Yellow);
    const PixelPoint extent = canvas.textExtent("Wg");
    EXPECT_GT(extent.x, 10);
    EXPECT_EQ(extent.y, QFontMetrics(canvas.currentFont()).height());
    EXPECT_EQ(canvas.getPixel(100 + extent.x - 1, 100), Colours::Yellow);
    EXPECT_EQ(canvas.getPixel(100 + extent.x + 1, 100), Colours::White);
    int blue = 0;
    for (int y = 100; y < 100 + extent.y; ++y)
        for (int x = 100; x < 100 + extent.x; ++x) blue += canvas.getPixel(x, y) == Colours::Blue;
    EXPECT_GT(blue, 20);  // glyphs in the font colour, not antialiased grey

    canvas.setPixel(300, 100, Colours::Red);
    drawText(canvas, 300, 100, "Wg", "Arial", 10, Colours::Blue, FontStyles::Bold,
             BrushStyles::Clear);
    EXPECT_EQ(canvas.getPixel(300, 100), Colours::Red);
    int yellow = 0;
    for (int x = 300; x < 300 + extent.x; ++x) yellow += canvas.getPixel(x, 101) == Colours::Yellow;
    EXPECT_EQ(yellow, 0);
}

TEST(QImageCanvas, TextIsNotInvertedByTheRubberBandPenMode) {
    QImageCanvas canvas;
    canvas.setPenMode(PenMode::Not);
    drawText(canvas, 10, 10, "M", "Arial", 20, Colours::Red, FontStyles::Bold, BrushStyles::Clear);
    int red = 0;
    for (int y = 10; y < 40; ++y)
        for (int x = 10; x < 40; ++x) red += canvas.getPixel(x, y) == Colours::Red;
    EXPECT_GT(red, 30);
}

TEST(QImageCanvas, FacesResolveToTheMetricCompatibleFonts) {
    QImageCanvas canvas;
    struct Case {
        const char* face;
        const char* family;
    };
    for (const Case& c : {Case{"Arial", "Liberation Sans"}, Case{"Helvetica", "Liberation Sans"},
                          Case{"Courier New", "Liberation Mono"}}) {
        canvas.setFontName(c.face);
        EXPECT_EQ(QFontInfo(canvas.currentFont()).family().toStdString(), c.family) << c.face;
    }
    // The fresh canvas face is a plain sans-serif too.
    canvas.reset(0, 0, 721, 721);
    EXPECT_EQ(QFontInfo(canvas.currentFont()).family().toStdString(), "Liberation Sans");
}

TEST(QImageCanvas, PointSizesAreAt96Dpi) {
    QImageCanvas canvas;
    canvas.setFontName("Arial");
    canvas.setFontSize(10);
    EXPECT_EQ(QFontInfo(canvas.currentFont()).pixelSize(), 13);
    canvas.setFontSize(20);
    EXPECT_EQ(QFontInfo(canvas.currentFont()).pixelSize(), 27);
    canvas.setFontSize(9);
    EXPECT_EQ(QFontInfo(canvas.currentFont()).pixelSize(), 12);
    canvas.setFontSize(16);
    EXPECT_EQ(QFontInfo(canvas.currentFont()).pixelSize(), 21);
    EXPECT_EQ(canvas.image().logicalDpiY(), 96);
    canvas.setFontStyle(FontStyles::Bold | FontStyles::Italic);
    EXPECT_TRUE(canvas.currentFont().bold());
    EXPECT_TRUE(canvas.currentFont().italic());
}

TEST(QImageCanvas, MarkersAndEllipses) {
    QImageCanvas canvas;
    drawPointMarker(canvas, 50, 50, 1, Colours::Red, Colours::Blue, 1, PenStyles::Solid,
                    BrushStyles::Solid);
    int red = 0;
    for (int y = 45; y < 56; ++y)
        for (int x = 45; x < 56; ++x) red += canvas.getPixel(x, y) == Colours::Red;
    EXPECT_EQ(red, 5);

    drawPointMarker(canvas, 100, 100, 4, Colours::Red, Colours::Blue, 1, PenStyles::Solid,
                    BrushStyles::Solid);
    EXPECT_EQ(canvas.getPixel(100, 100), Colours::Blue);   // filled with the brush
    EXPECT_EQ(canvas.getPixel(96, 100), Colours::Red);     // rim in the pen colour
    EXPECT_EQ(canvas.getPixel(104, 100), Colours::White);  // right edge excluded
    EXPECT_EQ(canvas.getPixel(96, 96), Colours::White);    // corners stay free
}

TEST(QImageCanvas, CopyRectMovesABlock) {
    QImageCanvas canvas;
    canvas.setPixel(200, 300, Colours::Red);
    canvas.setPixel(209, 309, Colours::Blue);
    canvas.copyRect(0, 0, 200, 300, 210, 310);
    EXPECT_EQ(canvas.getPixel(0, 0), Colours::Red);
    EXPECT_EQ(canvas.getPixel(9, 9), Colours::Blue);
    EXPECT_EQ(canvas.getPixel(10, 10), Colours::White);
}

TEST(QImageCanvas, ResetClearsAndResizesKeepingThePainterUsable) {
    QImageCanvas canvas;
    drawLine(canvas, 0, 0, 50, 0, Colours::Red, 1, PenStyles::Solid);
    canvas.reset(0, 0, 721, 721);
    EXPECT_EQ(canvas.getPixel(5, 0), Colours::White);
    EXPECT_EQ(canvas.attributes(), CanvasAttributes{});
    drawLine(canvas, 0, 1, 50, 1, Colours::Red, 1, PenStyles::Solid);
    EXPECT_EQ(canvas.getPixel(5, 1), Colours::Red);
    const QImage held = canvas.image();  // a copy held by a viewer
    canvas.reset(0, 0, 300, 200);
    EXPECT_EQ(canvas.width(), 300);
    drawLine(canvas, 0, 2, 50, 2, Colours::Blue, 1, PenStyles::Solid);
    EXPECT_EQ(canvas.getPixel(5, 2), Colours::Blue);
    EXPECT_EQ(held.pixel(5, 1), qRgb(255, 0, 0));  // the held copy is unaffected
    EXPECT_EQ(held.pixel(5, 2), qRgb(255, 255, 255));
    canvas.reset(0, 0, 721, 721);
    drawLine(canvas, 0, 3, 50, 3, Colours::Blue, 1, PenStyles::Solid);
    EXPECT_EQ(canvas.image().pixel(5, 3), qRgb(0, 0, 255));
}

TEST(QImageCanvas, DrawingAfterTakingTheImageDoesNotChangeTheCopy) {
    QImageCanvas canvas;
    const QImage first = canvas.image();
    drawLine(canvas, 0, 0, 50, 0, Colours::Red, 1, PenStyles::Solid);
    EXPECT_EQ(first.pixel(5, 0), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.getPixel(5, 0), Colours::Red);
}

TEST(QImageCanvas, StartUpPictureAtKnownPixels) {
    QImageCanvas canvas;
    ViewState view;
    drawCoordinateSystem(canvas, view);
    drawCoordinatePlanes(canvas, view);
    EXPECT_EQ(canvas.getPixel(10, 10), Colours::White);
    EXPECT_EQ(canvas.getPixel(270, 40), Colours::Black);   // z axis above the planes
    EXPECT_EQ(canvas.getPixel(270, 200), kPlaneBlue);      // yz and xz borders on the z axis
    EXPECT_EQ(canvas.getPixel(500, 45), kPlaneBlue);       // top border of the yz plane
    EXPECT_EQ(canvas.getPixel(675, 200), kPlaneBlue);      // its right border
    EXPECT_EQ(canvas.getPixel(400, 450), kPlaneBlue);      // xy border over the y axis
    EXPECT_EQ(canvas.getPixel(680, 450), Colours::Black);  // y axis beyond the plane
    EXPECT_EQ(canvas.getPixel(698, 450), Colours::Black);  // tip of the y arrow
    EXPECT_EQ(canvas.getPixel(694, 450), Colours::White);  // hollow head
    EXPECT_EQ(canvas.getPixel(244, 472), Colours::Black);  // first tick on the x axis
    EXPECT_EQ(canvas.getPixel(700, 700), Colours::White);
}

}  // namespace
