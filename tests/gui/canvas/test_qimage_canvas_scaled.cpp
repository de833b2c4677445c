// The QImage canvas at device scale 2, as on a screen with a device pixel
// ratio of 2: everything in picture pixels, drawn at twice the resolution.
// Lines and hatches stay one picture pixel thick but step by single device
// pixels; shapes the painter draws keep their picture pixels.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <vector>

#include "core/canvas/Canvas.h"
#include "gui/canvas/QImageCanvas.h"

namespace {

bool ink(const QImage& image, int x, int y) { return image.pixel(x, y) != qRgb(255, 255, 255); }

QImage rgb32(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// The inked device rows of column x within [top, bottom).
std::vector<int> inkedRows(const QImage& image, int x, int top, int bottom) {
    std::vector<int> rows;
    for (int y = top; y < bottom; ++y)
        if (ink(image, x, y)) rows.push_back(y);
    return rows;
}

// The bounding box of everything inked.
QRect inkedBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ink(image, x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(ScaledCanvas, PicturePixelsAreDeviceBlocksAndThePictureKeepsItsSize) {
    QImageCanvas canvas(721, 721, 2);
    EXPECT_EQ(canvas.width(), 721);
    EXPECT_EQ(canvas.height(), 721);
    const QImage& image = canvas.image();
    EXPECT_EQ(image.size(), QSize(1442, 1442));
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    EXPECT_EQ(image.deviceIndependentSize(), QSizeF(721, 721));

    canvas.setPixel(3, 4, Colours::Red);
    canvas.setPixel(721, 0, Colours::Red);  // outside: ignored
    const QImage& device = canvas.image();
    EXPECT_EQ(inkedBox(device), QRect(6, 8, 2, 2));
    EXPECT_EQ(QColor(device.pixel(7, 9)), QColor(Qt::red));
    EXPECT_EQ(canvas.getPixel(3, 4), Colours::Red);

    const QImage picture = canvas.picture();
    EXPECT_EQ(picture.size(), QSize(721, 721));
    EXPECT_EQ(picture.devicePixelRatio(), 1.0);
    EXPECT_EQ(inkedBox(picture), QRect(3, 4, 1, 1));
}

TEST(ScaledCanvas, SlantedLinesAreOnePicturePixelThickAndStepBySingleDevicePixels) {
    QImageCanvas canvas(100, 100, 2);
    // Slope 28/63 to the right and down, and to the left and down.
    drawLine(canvas, 10, 10, 73, 38, Colours::Black, 1, PenStyles::Solid);
    drawLine(canvas, 73, 60, 10, 88, Colours::Black, 1, PenStyles::Solid);
    const QImage& image = canvas.image();
    for (const int top : {0, 110}) {  // device rows of the first and the second line
        SCOPED_TRACE(top);
        int previousTop = -1, oddTops = 0, stepsAtOddColumns = 0, stepsAtEvenColumns = 0;
        for (int x = 22; x < 138; ++x) {  // away from both ends
            const std::vector<int> rows = inkedRows(image, x, top, top + 90);
            ASSERT_EQ(rows.size(), 2u) << "column " << x;
            EXPECT_EQ(rows[1], rows[0] + 1) << "column " << x;
            if (previousTop >= 0) {
                EXPECT_LE(std::abs(rows[0] - previousTop), 1) << "column " << x;
                if (rows[0] != previousTop) ++(x % 2 ? stepsAtOddColumns : stepsAtEvenColumns);
            }
            oddTops += rows[0] % 2;
            previousTop = rows[0];
        }
        // An enlarged bitmap would step only between blocks of two.
        EXPECT_GT(oddTops, 20);
        EXPECT_GT(stepsAtOddColumns, 10);
        EXPECT_GT(stepsAtEvenColumns, 10);
    }
    // Each line covers its start pixel and leaves its end pixel.
    EXPECT_EQ(canvas.getPixel(10, 10), Colours::Black);
    EXPECT_TRUE(inkedRows(image, 146, 0, 100).empty());
    EXPECT_TRUE(inkedRows(image, 147, 0, 100).empty());
    EXPECT_EQ(inkedRows(image, 147, 100, 200), (std::vector<int>{120, 121}));
    EXPECT_EQ(inkedRows(image, 146, 100, 200), (std::vector<int>{120, 121}));
    EXPECT_TRUE(inkedRows(image, 20, 100, 200).empty());
    EXPECT_TRUE(inkedRows(image, 21, 100, 200).empty());
}

TEST(ScaledCanvas, DotsAndGapsAreMeasuredInPicturePixels) {
    QImageCanvas canvas(60, 20, 2);
    drawLine(canvas, 10, 5, 40, 5, Colours::Black, 1, PenStyles::Dot);  // 1 on, 2 off
    const QImage& image = canvas.image();
    for (int x = 20; x < 80; ++x) {
        const bool on = ((x - 20) / 2) % 3 == 0;
        EXPECT_EQ(ink(image, x, 10), on) << x;
        EXPECT_EQ(ink(image, x, 11), on) << x;
        EXPECT_FALSE(ink(image, x, 12)) << x;
    }
}

TEST(ScaledCanvas, HatchesStepBySingleDevicePixelsAndSampleBackToTheScaleOneHatch) {
    for (BrushStyle style = BrushStyles::Horizontal; style <= BrushStyles::DiagCross; ++style) {
        SCOPED_TRACE(style);
        QImageCanvas fine(80, 80, 2);
        QImageCanvas plain(80, 80, 1);
        for (QImageCanvas* canvas : {&fine, &plain})
            fillQuad(*canvas, {5, 5}, {75, 5}, {75, 75}, {5, 75}, Colours::Blue, Colours::Blue, 1,
                     PenStyles::Clear, style);
        EXPECT_EQ(rgb32(fine.picture()), rgb32(plain.image()));
        if (style != BrushStyles::FDiagonal) continue;
        // "\" lines two device pixels wide, one device pixel further right on each row.
        const QImage& image = fine.image();
        for (int y = 12; y < 148; ++y) {
            for (int x = 12; x < 148; ++x) {
                ASSERT_EQ(ink(image, x, y), ((y - x) % 16 + 16) % 16 < 2) << x << "," << y;
            }
        }
    }
}

TEST(ScaledCanvas, OutlinesFillsTextAndMarkersKeepTheirPicturePixels) {
    QImageCanvas fine(120, 120, 2);
    QImageCanvas plain(120, 120, 1);
    for (QImageCanvas* canvas : {&fine, &plain})
        fillQuad(*canvas, {10, 10}, {50, 10}, {50, 40}, {10, 40}, Colours::Black, Colours::Lime, 1,
                 PenStyles::Solid, BrushStyles::Solid);
    EXPECT_EQ(rgb32(fine.picture()), rgb32(plain.image()));

    // A marker of radius 3 at (60, 60) fills its box (57, 57)-(63, 63)
    // without the right and bottom edge: picture pixels 57 to 62.
    resetImage(fine, 0, 0, 120, 120);
    drawPointMarker(fine, 60, 60, 3, Colours::Black, Colours::Red, 1, PenStyles::Solid, BrushStyles::Solid);
    EXPECT_EQ(inkedBox(fine.image()), QRect(114, 114, 12, 12));

    for (QImageCanvas* canvas : {&fine, &plain}) {
        resetImage(*canvas, 0, 0, 120, 120);
        drawText(*canvas, 20, 30, "Ebene E1", "Arial", 10, Colours::Black, FontStyles::Regular,
                 BrushStyles::Solid);
    }
    // The opaque text box (white on white) is invisible; the glyphs sit
    // within the extent the drawing measures with, in picture pixels.
    const PixelPoint extent = fine.textExtent("Ebene E1");
    EXPECT_EQ(extent, plain.textExtent("Ebene E1"));
    const QRect glyphs = inkedBox(fine.image());
    EXPECT_TRUE(QRect(40, 60, 2 * extent.x + 2, 2 * extent.y).contains(glyphs)) << glyphs.x() << "," << glyphs.y();
    EXPECT_GT(glyphs.height(), 14);
}

TEST(ScaledCanvas, RubberBandDrawnTwiceRestoresAndCopyRectMovesDeviceBlocks) {
    QImageCanvas canvas(100, 100, 2);
    fillQuad(canvas, {5, 5}, {90, 5}, {90, 90}, {5, 90}, Colours::Navy, Colours::Navy, 1, PenStyles::Solid,
             BrushStyles::DiagCross);
    const QImage before = canvas.image().copy();
    canvas.setBrushStyle(BrushStyles::Clear);
    canvas.setPenMode(PenMode::Not);
    canvas.setPenStyle(PenStyles::Dot);
    canvas.rectangle(20, 30, 61, 52);
    const QImage once = canvas.image().copy();
    EXPECT_NE(once, before);
    // Only pixels on the frame's picture pixels change.
    const QRect outer(40, 60, 82, 44), inner(42, 62, 78, 40);
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (once.pixel(x, y) != before.pixel(x, y)) {
                ASSERT_TRUE(outer.contains(x, y) && !inner.contains(x, y)) << x << "," << y;
            }
        }
    }
    canvas.rectangle(20, 30, 61, 52);
    EXPECT_EQ(canvas.image(), before);

    resetImage(canvas, 0, 0, 100, 100);
    canvas.setPixel(2, 3, Colours::Red);
    canvas.copyRect(50, 60, 0, 0, 10, 10);
    EXPECT_EQ(inkedBox(canvas.image()), QRect(4, 6, 2, 2).united(QRect(104, 126, 2, 2)));
}

TEST(ScaledCanvas, ChangingTheScaleKeepsThePicture) {
    QImageCanvas canvas(100, 100, 1);
    drawLine(canvas, 10, 10, 80, 45, Colours::Black, 1, PenStyles::Solid);
    const QImage original = canvas.image().copy();
    canvas.setDeviceScale(2);
    EXPECT_EQ(canvas.image().size(), QSize(200, 200));
    EXPECT_EQ(rgb32(canvas.picture()), original);
    canvas.setDeviceScale(1);
    EXPECT_EQ(canvas.image(), original);
    // The next drawing is at the new resolution.
    canvas.setDeviceScale(2);
    resetImage(canvas, 0, 0, 100, 100);
    EXPECT_EQ(canvas.image().size(), QSize(200, 200));
    EXPECT_EQ(canvas.image().devicePixelRatio(), 2.0);
}

}  // namespace
