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
    EXPECT_EQ(canvas.GetPixel(0, 0), Colours::White);
    EXPECT_EQ(canvas.GetPixel(720, 720), Colours::White);
    EXPECT_EQ(canvas.GetPixel(-1, 5), Colours::White);  // outside reads white
}

TEST(QImageCanvas, ColoursKeepTheirByteOrder) {
    QImageCanvas canvas;
    canvas.SetPixel(1, 1, MakeColour(10, 20, 30));
    EXPECT_EQ(canvas.GetPixel(1, 1), MakeColour(10, 20, 30));
    EXPECT_EQ(QColor(canvas.image().pixel(1, 1)), QColor(10, 20, 30));
    canvas.SetPixel(-1, 800, Colours::Red);  // ignored, no crash
}

TEST(QImageCanvas, LinesLeaveTheirEndPixelInEveryDirection) {
    QImageCanvas canvas;
    DrawLine(canvas, 10, 10, 20, 10, Colours::Black, 1, PenStyles::Solid);  // right
    DrawLine(canvas, 20, 12, 10, 12, Colours::Black, 1, PenStyles::Solid);  // left
    DrawLine(canvas, 30, 10, 30, 20, Colours::Black, 1, PenStyles::Solid);  // down
    DrawLine(canvas, 32, 20, 32, 10, Colours::Black, 1, PenStyles::Solid);  // up
    DrawLine(canvas, 40, 10, 50, 20, Colours::Black, 1, PenStyles::Solid);  // diagonal
    for (int x = 10; x < 20; ++x) EXPECT_EQ(canvas.GetPixel(x, 10), Colours::Black) << x;
    EXPECT_EQ(canvas.GetPixel(20, 10), Colours::White);
    for (int x = 11; x <= 20; ++x) EXPECT_EQ(canvas.GetPixel(x, 12), Colours::Black) << x;
    EXPECT_EQ(canvas.GetPixel(10, 12), Colours::White);
    for (int y = 10; y < 20; ++y) EXPECT_EQ(canvas.GetPixel(30, y), Colours::Black) << y;
    EXPECT_EQ(canvas.GetPixel(30, 20), Colours::White);
    for (int y = 11; y <= 20; ++y) EXPECT_EQ(canvas.GetPixel(32, y), Colours::Black) << y;
    EXPECT_EQ(canvas.GetPixel(32, 10), Colours::White);
    EXPECT_EQ(canvas.GetPixel(49, 19), Colours::Black);
    EXPECT_EQ(canvas.GetPixel(50, 20), Colours::White);
    EXPECT_EQ(canvas.GetPixel(9, 10), Colours::White);
    EXPECT_EQ(canvas.GetPixel(21, 10), Colours::White);
}

TEST(QImageCanvas, EndPixelKeepsWhatWasThere) {
    QImageCanvas canvas;
    canvas.SetPixel(20, 10, Colours::Red);
    DrawLine(canvas, 10, 10, 20, 10, Colours::Blue, 1, PenStyles::Solid);
    EXPECT_EQ(canvas.GetPixel(20, 10), Colours::Red);
    EXPECT_EQ(canvas.GetPixel(19, 10), Colours::Blue);
    // A polyline joins without gaps: the next segment starts on that pixel.
    canvas.LineTo(20, 30);
    EXPECT_EQ(canvas.GetPixel(20, 10), Colours::Blue);
}

TEST(QImageCanvas, FarLinesAreClippedOnTheirTrueCourse) {
    QImageCanvas canvas;
    // From the clamped far left to the far right, 10 rows down over 20000
    // columns: at column 0 the line has come 5.545 rows down.
    DrawLine(canvas, -10090, 450, 9910, 460, Colours::Black, 1, PenStyles::Solid);
    EXPECT_EQ(canvas.GetPixel(0, 455), Colours::Black);
    EXPECT_EQ(canvas.GetPixel(0, 454), Colours::White);
    EXPECT_EQ(canvas.GetPixel(0, 456), Colours::White);
    EXPECT_EQ(canvas.GetPixel(720, 455), Colours::Black);
    // Entirely outside, and steep through the image.
    DrawLine(canvas, -500, -500, -10, 9000, Colours::Red, 1, PenStyles::Solid);
    DrawLine(canvas, 300, -10000, 301, 10000, Colours::Red, 1, PenStyles::Solid);
    // It crosses from column 300 to 301 at row 0, so the image shows 301 only.
    EXPECT_EQ(canvas.GetPixel(301, 100), Colours::Red);
    EXPECT_EQ(canvas.GetPixel(301, 600), Colours::Red);
    EXPECT_EQ(canvas.GetPixel(300, 100), Colours::White);
}

TEST(QImageCanvas, DottedPenLeavesGaps) {
    QImageCanvas canvas;
    DrawLine(canvas, 0, 5, 60, 5, Colours::Black, 1, PenStyles::Dot);
    int black = 0;
    for (int x = 0; x < 60; ++x) black += canvas.GetPixel(x, 5) == Colours::Black;
    EXPECT_GT(black, 10);
    EXPECT_LT(black, 40);
    // With a solid brush the gaps take the brush colour; with a clear one
    // they keep what was there.
    canvas.SetBrushColour(Colours::Yellow);
    canvas.SetBrushStyle(BrushStyles::Solid);
    canvas.SetPenStyle(PenStyles::Dot);
    canvas.MoveTo(0, 7);
    canvas.LineTo(60, 7);
    int yellow = 0, white = 0;
    for (int x = 0; x < 60; ++x) {
        yellow += canvas.GetPixel(x, 7) == Colours::Yellow;
        white += canvas.GetPixel(x, 7) == Colours::White;
    }
    EXPECT_GT(yellow, 10);
    EXPECT_EQ(white, 0);
}

TEST(QImageCanvas, InvertingRectangleDrawnTwiceRestoresThePicture) {
    QImageCanvas canvas;
    ViewState view;
    Zeichne_3DSys(canvas, view);
    DrawCoordinatePlanes(canvas, view);
    const QImage before = canvas.image().copy();

    canvas.SetBrushStyle(BrushStyles::Clear);
    canvas.SetPenMode(PenMode::Not);
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(PenStyles::Dot);
    canvas.Rectangle(250, 300, 100, 460);  // corners in any order
    const QImage once = canvas.image().copy();
    EXPECT_NE(once, before);
    // Inverting white gives black on the top edge somewhere.
    int changed = 0;
    for (int x = 100; x < 250; ++x) changed += once.pixel(x, 300) != before.pixel(x, 300);
    EXPECT_GT(changed, 20);
    canvas.Rectangle(250, 300, 100, 460);
    EXPECT_EQ(canvas.image(), before);
}

TEST(QImageCanvas, InvertingLineFlipsPixels) {
    QImageCanvas canvas;
    canvas.SetPenMode(PenMode::Not);
    canvas.MoveTo(0, 3);
    canvas.LineTo(10, 3);
    EXPECT_EQ(canvas.GetPixel(5, 3), Colours::Black);
    EXPECT_EQ(canvas.GetPixel(10, 3), Colours::White);
    canvas.MoveTo(0, 3);
    canvas.LineTo(10, 3);
    EXPECT_EQ(canvas.GetPixel(5, 3), Colours::White);
}

// Fills (10,10)-(74,74) on a red background with a hatch in blue.
QImageCanvas& Hatched(QImageCanvas& canvas, BrushStyle style) {
    canvas.Reset(0, 0, 100, 100);
    canvas.SetBrushColour(Colours::Red);
    canvas.SetBrushStyle(BrushStyles::Solid);
    canvas.SetPenStyle(PenStyles::Clear);
    canvas.Rectangle(0, 0, 100, 100);
    FillQuad(canvas, {10, 10}, {74, 10}, {74, 74}, {10, 74}, Colours::Blue, Colours::Blue, 1,
             PenStyles::Clear, style);
    return canvas;
}

int CountInRow(QImageCanvas& c, int y, Colour colour) {
    int n = 0;
    for (int x = 20; x < 60; ++x) n += c.GetPixel(x, y) == colour;
    return n;
}
int CountInColumn(QImageCanvas& c, int x, Colour colour) {
    int n = 0;
    for (int y = 20; y < 60; ++y) n += c.GetPixel(x, y) == colour;
    return n;
}

TEST(QImageCanvas, HatchPatternsByCodeOverATransparentBackground) {
    QImageCanvas canvas;
    // Horizontal: some rows fully blue, the rest untouched red.
    Hatched(canvas, BrushStyles::Horizontal);
    int fullRows = 0, redRows = 0;
    for (int y = 20; y < 60; ++y) {
        fullRows += CountInRow(canvas, y, Colours::Blue) == 40;
        redRows += CountInRow(canvas, y, Colours::Red) == 40;
    }
    EXPECT_GE(fullRows, 4);
    EXPECT_EQ(fullRows + redRows, 40);
    EXPECT_GE(redRows, 30);

    Hatched(canvas, BrushStyles::Vertical);
    int fullCols = 0, redCols = 0;
    for (int x = 20; x < 60; ++x) {
        fullCols += CountInColumn(canvas, x, Colours::Blue) == 40;
        redCols += CountInColumn(canvas, x, Colours::Red) == 40;
    }
    EXPECT_GE(fullCols, 4);
    EXPECT_EQ(fullCols + redCols, 40);

    Hatched(canvas, BrushStyles::Cross);
    fullRows = fullCols = 0;
    for (int i = 20; i < 60; ++i) {
        fullRows += CountInRow(canvas, i, Colours::Blue) == 40;
        fullCols += CountInColumn(canvas, i, Colours::Blue) == 40;
    }
    EXPECT_GE(fullRows, 4);
    EXPECT_GE(fullCols, 4);

    // Forward diagonal runs like "\": blue pixels repeat one step down-right.
    Hatched(canvas, BrushStyles::FDiagonal);
    int fd = 0, bd = 0;
    for (int y = 20; y < 59; ++y)
        for (int x = 20; x < 59; ++x)
            if (canvas.GetPixel(x, y) == Colours::Blue) {
                fd += canvas.GetPixel(x + 1, y + 1) == Colours::Blue;
                bd += canvas.GetPixel(x - 1, y + 1) == Colours::Blue;
            }
    EXPECT_GT(fd, 100);
    EXPECT_EQ(bd, 0);
    Hatched(canvas, BrushStyles::BDiagonal);
    fd = bd = 0;
    for (int y = 20; y < 59; ++y)
        for (int x = 21; x < 59; ++x)
            if (canvas.GetPixel(x, y) == Colours::Blue) {
                fd += canvas.GetPixel(x + 1, y + 1) == Colours::Blue;
                bd += canvas.GetPixel(x - 1, y + 1) == Colours::Blue;
            }
    EXPECT_EQ(fd, 0);
    EXPECT_GT(bd, 100);

    Hatched(canvas, BrushStyles::DiagCross);
    int blue = 0, red = 0;
    for (int y = 20; y < 60; ++y) {
        blue += CountInRow(canvas, y, Colours::Blue);
        red += CountInRow(canvas, y, Colours::Red);
    }
    EXPECT_GT(blue, 200);
    EXPECT_GT(red, 800);

    Hatched(canvas, BrushStyles::Solid);
    EXPECT_EQ(CountInRow(canvas, 30, Colours::Blue), 40);
    Hatched(canvas, BrushStyles::Clear);
    EXPECT_EQ(CountInRow(canvas, 30, Colours::Red), 40);
}

TEST(QImageCanvas, OpaqueTextBoxOnlyWithSolidBrush) {
    QImageCanvas canvas;
    canvas.SetPixel(100, 100, Colours::Red);
    canvas.SetBrushColour(Colours::Yellow);
    DrawText(canvas, 100, 100, "Wg", "Arial", 10, Colours::Blue, FontStyles::Bold,
             BrushStyles::Solid);
    // The box starts at the text's top-left corner and is painted in the
    // brush colour where no glyph covers it.
    EXPECT_EQ(canvas.GetPixel(100, 100), Colours::Yellow);
    const PixelPoint extent = canvas.TextExtent("Wg");
    EXPECT_GT(extent.x, 10);
    EXPECT_EQ(extent.y, QFontMetrics(canvas.currentFont()).height());
    EXPECT_EQ(canvas.GetPixel(100 + extent.x - 1, 100), Colours::Yellow);
    EXPECT_EQ(canvas.GetPixel(100 + extent.x + 1, 100), Colours::White);
    int blue = 0;
    for (int y = 100; y < 100 + extent.y; ++y)
        for (int x = 100; x < 100 + extent.x; ++x) blue += canvas.GetPixel(x, y) == Colours::Blue;
    EXPECT_GT(blue, 20);  // glyphs in the font colour, not antialiased grey

    canvas.SetPixel(300, 100, Colours::Red);
    DrawText(canvas, 300, 100, "Wg", "Arial", 10, Colours::Blue, FontStyles::Bold,
             BrushStyles::Clear);
    EXPECT_EQ(canvas.GetPixel(300, 100), Colours::Red);
    int yellow = 0;
    for (int x = 300; x < 300 + extent.x; ++x) yellow += canvas.GetPixel(x, 101) == Colours::Yellow;
    EXPECT_EQ(yellow, 0);
}

TEST(QImageCanvas, TextIsNotInvertedByTheRubberBandPenMode) {
    QImageCanvas canvas;
    canvas.SetPenMode(PenMode::Not);
    DrawText(canvas, 10, 10, "M", "Arial", 20, Colours::Red, FontStyles::Bold, BrushStyles::Clear);
    int red = 0;
    for (int y = 10; y < 40; ++y)
        for (int x = 10; x < 40; ++x) red += canvas.GetPixel(x, y) == Colours::Red;
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
        canvas.SetFontName(c.face);
        EXPECT_EQ(QFontInfo(canvas.currentFont()).family().toStdString(), c.family) << c.face;
    }
    // The fresh canvas face is a plain sans-serif too.
    canvas.Reset(0, 0, 721, 721);
    EXPECT_EQ(QFontInfo(canvas.currentFont()).family().toStdString(), "Liberation Sans");
}

TEST(QImageCanvas, PointSizesAreAt96Dpi) {
    QImageCanvas canvas;
    canvas.SetFontName("Arial");
    canvas.SetFontSize(10);
    EXPECT_EQ(QFontInfo(canvas.currentFont()).pixelSize(), 13);
    canvas.SetFontSize(20);
    EXPECT_EQ(QFontInfo(canvas.currentFont()).pixelSize(), 27);
    canvas.SetFontSize(9);
    EXPECT_EQ(QFontInfo(canvas.currentFont()).pixelSize(), 12);
    canvas.SetFontSize(16);
    EXPECT_EQ(QFontInfo(canvas.currentFont()).pixelSize(), 21);
    EXPECT_EQ(canvas.image().logicalDpiY(), 96);
    canvas.SetFontStyle(FontStyles::Bold | FontStyles::Italic);
    EXPECT_TRUE(canvas.currentFont().bold());
    EXPECT_TRUE(canvas.currentFont().italic());
}

TEST(QImageCanvas, MarkersAndEllipses) {
    QImageCanvas canvas;
    DrawPointMarker(canvas, 50, 50, 1, Colours::Red, Colours::Blue, 1, PenStyles::Solid,
                    BrushStyles::Solid);
    int red = 0;
    for (int y = 45; y < 56; ++y)
        for (int x = 45; x < 56; ++x) red += canvas.GetPixel(x, y) == Colours::Red;
    EXPECT_EQ(red, 5);

    DrawPointMarker(canvas, 100, 100, 4, Colours::Red, Colours::Blue, 1, PenStyles::Solid,
                    BrushStyles::Solid);
    EXPECT_EQ(canvas.GetPixel(100, 100), Colours::Blue);   // filled with the brush
    EXPECT_EQ(canvas.GetPixel(96, 100), Colours::Red);     // rim in the pen colour
    EXPECT_EQ(canvas.GetPixel(104, 100), Colours::White);  // right edge excluded
    EXPECT_EQ(canvas.GetPixel(96, 96), Colours::White);    // corners stay free
}

TEST(QImageCanvas, CopyRectMovesABlock) {
    QImageCanvas canvas;
    canvas.SetPixel(200, 300, Colours::Red);
    canvas.SetPixel(209, 309, Colours::Blue);
    canvas.CopyRect(0, 0, 200, 300, 210, 310);
    EXPECT_EQ(canvas.GetPixel(0, 0), Colours::Red);
    EXPECT_EQ(canvas.GetPixel(9, 9), Colours::Blue);
    EXPECT_EQ(canvas.GetPixel(10, 10), Colours::White);
}

TEST(QImageCanvas, ResetClearsAndResizesKeepingThePainterUsable) {
    QImageCanvas canvas;
    DrawLine(canvas, 0, 0, 50, 0, Colours::Red, 1, PenStyles::Solid);
    canvas.Reset(0, 0, 721, 721);
    EXPECT_EQ(canvas.GetPixel(5, 0), Colours::White);
    EXPECT_EQ(canvas.Attributes(), CanvasAttributes{});
    DrawLine(canvas, 0, 1, 50, 1, Colours::Red, 1, PenStyles::Solid);
    EXPECT_EQ(canvas.GetPixel(5, 1), Colours::Red);
    const QImage held = canvas.image();  // a copy held by a viewer
    canvas.Reset(0, 0, 300, 200);
    EXPECT_EQ(canvas.Width(), 300);
    DrawLine(canvas, 0, 2, 50, 2, Colours::Blue, 1, PenStyles::Solid);
    EXPECT_EQ(canvas.GetPixel(5, 2), Colours::Blue);
    EXPECT_EQ(held.pixel(5, 1), qRgb(255, 0, 0));  // the held copy is unaffected
    EXPECT_EQ(held.pixel(5, 2), qRgb(255, 255, 255));
    canvas.Reset(0, 0, 721, 721);
    DrawLine(canvas, 0, 3, 50, 3, Colours::Blue, 1, PenStyles::Solid);
    EXPECT_EQ(canvas.image().pixel(5, 3), qRgb(0, 0, 255));
}

TEST(QImageCanvas, DrawingAfterTakingTheImageDoesNotChangeTheCopy) {
    QImageCanvas canvas;
    const QImage first = canvas.image();
    DrawLine(canvas, 0, 0, 50, 0, Colours::Red, 1, PenStyles::Solid);
    EXPECT_EQ(first.pixel(5, 0), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.GetPixel(5, 0), Colours::Red);
}

TEST(QImageCanvas, StartUpPictureAtKnownPixels) {
    QImageCanvas canvas;
    ViewState view;
    Zeichne_3DSys(canvas, view);
    DrawCoordinatePlanes(canvas, view);
    EXPECT_EQ(canvas.GetPixel(10, 10), Colours::White);
    EXPECT_EQ(canvas.GetPixel(270, 40), Colours::Black);   // z axis above the planes
    EXPECT_EQ(canvas.GetPixel(270, 200), kPlaneBlue);      // yz and xz borders on the z axis
    EXPECT_EQ(canvas.GetPixel(500, 45), kPlaneBlue);       // top border of the yz plane
    EXPECT_EQ(canvas.GetPixel(675, 200), kPlaneBlue);      // its right border
    EXPECT_EQ(canvas.GetPixel(400, 450), kPlaneBlue);      // xy border over the y axis
    EXPECT_EQ(canvas.GetPixel(680, 450), Colours::Black);  // y axis beyond the plane
    EXPECT_EQ(canvas.GetPixel(698, 450), Colours::Black);  // tip of the y arrow
    EXPECT_EQ(canvas.GetPixel(694, 450), Colours::White);  // hollow head
    EXPECT_EQ(canvas.GetPixel(244, 472), Colours::Black);  // first tick on the x axis
    EXPECT_EQ(canvas.GetPixel(700, 700), Colours::White);
}

}  // namespace
