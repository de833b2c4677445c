// The mouse over the picture: panning, marking a part for the clipboard,
// placing text; the cursors and hints of the three modes.
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "gui/plot/Cursors.h"
#include "core/canvas/Projection.h"
#include "WindowTestSupport.h"

namespace {

// A small image on the clipboard, so a test sees whether anything replaced it.
QImage putSentinelOnClipboard() {
    QImage sentinel(5, 5, QImage::Format_RGB32);
    sentinel.fill(Qt::green);
    QGuiApplication::clipboard()->setImage(sentinel);
    return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
}

QImage clipboardImage() { return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32); }

int countColour(const QImage& img, QRect area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += img.pixel(x, y) == colour ? 1 : 0;
    return n;
}

// A window whose picture was redrawn once (no title), with the mouse on Image1.
struct MouseFixture : WindowFixture {
    MouseFixture() {
        form.redraw();
        redraws = 0;
    }
    Mouse mouse{image()};
};

}  // namespace

TEST(PanMode, DragMovesTheOriginWithThePointer) {
    MouseFixture f;
    const ViewState& v = f.form.viewState();
    const PixelPoint before = pointToPixel(0, 0, 0, v);
    f.mouse.press({300, 300});
    f.mouse.move({312, 305});
    f.mouse.move({330, 320});
    f.mouse.release({330, 320});
    EXPECT_EQ(v.offsetX, 60);
    EXPECT_EQ(v.offsetY, 110);
    const PixelPoint after = pointToPixel(0, 0, 0, v);
    EXPECT_EQ(after.x - before.x, 30);
    EXPECT_EQ(after.y - before.y, 20);
    EXPECT_EQ(f.redraws, 2);
    // The picture moved with it: the axis tip row is now 20 pixels lower.
    const QImage img = f.picture();
    EXPECT_EQ(img.pixel(711, 470), qRgb(0, 0, 0));
}

// Far beyond the picture the offsets stop, so no pixel sum can overflow.
TEST(PanMode, OffsetsStopAtTheirBound) {
    MouseFixture f;
    ViewState& v = f.form.viewState();
    v.offsetX = -kMaxPanOffset + 10;
    v.offsetY = kMaxPanOffset - 10;
    f.mouse.press({300, 300});
    f.mouse.move({340, 340});
    f.mouse.release({340, 340});
    EXPECT_EQ(v.offsetX, -kMaxPanOffset);
    EXPECT_EQ(v.offsetY, kMaxPanOffset);
}

TEST(PanMode, ModifiersOtherButtonsAndDoubleClicksDoNotPan) {
    MouseFixture f;
    const ViewState& v = f.form.viewState();
    f.mouse.press({300, 300}, Qt::LeftButton, Qt::ShiftModifier);
    f.mouse.move({330, 320}, Qt::LeftButton, Qt::ShiftModifier);
    f.mouse.release({330, 320});
    f.mouse.press({300, 300}, Qt::MiddleButton);
    f.mouse.move({330, 320}, Qt::MiddleButton);
    f.mouse.release({330, 320}, Qt::MiddleButton);
    f.mouse.press({300, 300});
    f.mouse.move({330, 320}, Qt::LeftButton | Qt::RightButton);  // two buttons held
    f.mouse.release({330, 320});
    EXPECT_EQ(v.offsetX, 90);
    EXPECT_EQ(v.offsetY, 90);
    EXPECT_EQ(f.redraws, 0);
}

TEST(PanMode, SystemThreeAfterPanningResetsTheOffsets) {
    MouseFixture f;
    f.mouse.drag({300, 300}, {250, 380});
    EXPECT_NE(f.form.viewState().offsetX, 90);
    f.button("SpeedButton_3DSys3")->click();
    EXPECT_EQ(f.form.viewState().offsetX, 45);
    EXPECT_EQ(f.form.viewState().offsetY, 46);
}

TEST(Clipboard, RightClickInPanModeCopiesTheWholePicture) {
    MouseFixture f;
    putSentinelOnClipboard();
    f.mouse.rightClick({100, 100});
    const QImage copied = clipboardImage();
    EXPECT_EQ(copied.size(), QSize(721, 721));
    EXPECT_EQ(copied, f.picture().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(f.feedback.messages, QStringList{"Grafik in der Zwischenablage gespeichert !"});
    EXPECT_EQ(f.redraws, 0);
}

TEST(Clipboard, RightClickInMarkingModeCopiesTheWholePictureToo) {
    MouseFixture f;
    f.box("CheckBox_SchnittModus")->click();
    putSentinelOnClipboard();
    f.mouse.rightClick({400, 400});
    EXPECT_EQ(clipboardImage().size(), QSize(721, 721));
    EXPECT_EQ(f.feedback.messages, QStringList{"Grafik in der Zwischenablage gespeichert !"});
}

TEST(Clipboard, SecondClickOfADoubleClickDoesNotCopyAgain) {
    MouseFixture f;
    f.mouse.rightClick({100, 100});
    send(f.image(), QEvent::MouseButtonDblClick, {100, 100}, Qt::RightButton, Qt::RightButton);
    f.mouse.release({100, 100}, Qt::RightButton);
    EXPECT_EQ(f.feedback.messages.size(), 1);
}

TEST(Clipboard, ModifiedRightClickCopiesNothing) {
    MouseFixture f;
    const QImage sentinel = putSentinelOnClipboard();
    f.mouse.press({100, 100}, Qt::RightButton, Qt::ControlModifier);
    f.mouse.release({100, 100}, Qt::RightButton);
    EXPECT_EQ(clipboardImage(), sentinel);
    EXPECT_TRUE(f.feedback.messages.isEmpty());
}

TEST(MarkingMode, DragCopiesTheMarkedPartAndRestoresThePicture) {
    MouseFixture f;
    f.box("CheckBox_SchnittModus")->click();
    const QImage before = f.picture();
    f.mouse.press({100, 100});
    f.mouse.move({160, 140});
    EXPECT_NE(f.picture(), before);  // the rubber band is visible
    f.mouse.release({160, 140});
    const QImage copied = clipboardImage();
    EXPECT_EQ(copied.size(), QSize(60, 40));
    EXPECT_EQ(copied, before.copy(100, 100, 60, 40).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(f.picture(), before);
    EXPECT_EQ(f.feedback.messages, QStringList{"Teilgrafik in der Zwischenablage gespeichert !"});
    EXPECT_EQ(f.redraws, 1);
    EXPECT_FALSE(f.form.viewState().selecting);
}

TEST(MarkingMode, UpwardsAndLeftwardsDragGivesTheSamePart) {
    MouseFixture f;
    f.box("CheckBox_SchnittModus")->click();
    const QImage before = f.picture();
    f.mouse.drag({160, 140}, {100, 100});
    EXPECT_EQ(clipboardImage(), before.copy(100, 100, 60, 40).convertToFormat(QImage::Format_RGB32));
    const SelectionRect& r = f.form.viewState().selectionRect;
    EXPECT_LT(r.x1, r.x2);
    EXPECT_LT(r.y1, r.y2);
}

TEST(MarkingMode, ZeroWidthOrHeightCopiesNothingAndSaysNothing) {
    MouseFixture f;
    f.box("CheckBox_SchnittModus")->click();
    const QImage before = f.picture();
    const QImage sentinel = putSentinelOnClipboard();
    f.mouse.drag({100, 100}, {100, 150});
    f.mouse.drag({100, 100}, {180, 100});
    f.mouse.press({50, 50});
    f.mouse.release({50, 50});
    EXPECT_EQ(clipboardImage(), sentinel);
    EXPECT_TRUE(f.feedback.messages.isEmpty());
    EXPECT_EQ(f.picture(), before);
    EXPECT_EQ(f.redraws, 0);
}

TEST(MarkingMode, DragPastTheImageCopiesOnlyPicturePixels) {
    MouseFixture f;
    f.box("CheckBox_SchnittModus")->click();
    const QImage before = f.picture();
    f.mouse.drag({700, 690}, {800, 760});
    EXPECT_EQ(clipboardImage(), before.copy(700, 690, 21, 31).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(f.picture(), before);
}

TEST(MarkingMode, RubberBandDrawnTwiceLeavesThePictureUnchanged) {
    MouseFixture f;
    f.box("CheckBox_SchnittModus")->click();
    const QImage before = f.picture();
    f.mouse.press({100, 100});
    f.mouse.move({200, 180});
    const QImage oneFrame = f.picture();
    f.mouse.move({260, 220});
    f.mouse.move({200, 180});  // the same frame again, the other one erased
    EXPECT_EQ(f.picture(), oneFrame);
    f.mouse.move({100, 100});  // no frame at all
    EXPECT_EQ(f.picture(), before);
    f.mouse.release({100, 100});
    EXPECT_EQ(f.picture(), before);
}

TEST(MarkingMode, MoveWithoutAPressDrawsNoFrame) {
    MouseFixture f;
    f.box("CheckBox_SchnittModus")->click();
    const QImage before = f.picture();
    f.mouse.move({200, 200});  // left button held, but pressed before marking began
    f.mouse.release({200, 200});
    EXPECT_EQ(f.picture(), before);
}

TEST(TextMode, RightClickPlacesTheTextUntilTheNextRedraw) {
    MouseFixture f;
    f.box("CheckBox_Textmodus")->click();
    const QImage before = f.picture();
    const QImage sentinel = putSentinelOnClipboard();
    f.mouse.rightClick({400, 100});
    const QImage withText = f.picture();
    const QRgb blue = qRgb(0, 0, 255);  // the default text colour
    EXPECT_GT(countColour(withText, QRect(400, 100, 70, 16), blue), 20);
    EXPECT_EQ(countColour(withText, QRect(0, 0, 721, 100), blue), 0);  // its top-left corner is at the pointer
    EXPECT_EQ(countColour(withText, QRect(0, 0, 400, 721), blue), 0);
    EXPECT_EQ(clipboardImage(), sentinel);
    EXPECT_TRUE(f.feedback.messages.isEmpty());
    EXPECT_EQ(f.redraws, 0);

    f.button("SpeedButton_Drehung_z_plus")->click();
    f.button("SpeedButton_Drehung_z_minus")->click();
    EXPECT_EQ(f.picture(), before);
}

TEST(TextMode, PlacesTheEditsTextInTheChosenFont) {
    MouseFixture f;
    f.box("CheckBox_Textmodus")->click();
    f.edit("Edit_Text_in_Grafik")->setText("WWWWWWWWWW");
    f.mouse.rightClick({100, 100});
    const QRgb blue = qRgb(0, 0, 255);
    EXPECT_GT(countColour(f.picture(), QRect(160, 100, 60, 16), blue), 20);  // longer than "Gerade g" would be
}

TEST(MouseHints, EachModeShowsItsCursorAndHint) {
    MouseFixture f;
    PlotImage* image = f.image();
    f.mouse.move({10, 10}, Qt::NoButton);
    EXPECT_EQ(image->toolTip(),
              QStringLiteral("Bewegen der Maus bei gedrückter linker Taste \r\nverschiebt das KOS.\r\n\n"
                             "Drücken der rechten Maustaste speichert \r\ndie Grafik in die Zwischenablage"));
    EXPECT_EQ(image->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(image->cursor().hotSpot(), QPoint(8, 3));

    f.box("CheckBox_SchnittModus")->click();
    f.mouse.move({11, 10}, Qt::NoButton);
    EXPECT_EQ(image->toolTip(), QStringLiteral("Bewegen der Maus bei gedrückter linker Taste \r\nzieht einen "
                                               "Rahmen auf.\r\nLoslassen der Taste speichert den Grafikausschnitt."));
    EXPECT_EQ(image->cursor().hotSpot(), QPoint(14, 12));

    f.box("CheckBox_Textmodus")->click();
    f.mouse.move({12, 10}, Qt::NoButton);
    EXPECT_EQ(image->toolTip(), QStringLiteral("Drücken der rechten Maustaste setzt den Text"));
    EXPECT_EQ(image->cursor().hotSpot(), QPoint(9, 12));
    EXPECT_EQ(f.redraws, 0);
}

TEST(Cursors, ThreeDistinctMonochromeCursorsWithTheirHotSpots) {
    const std::pair<ImageCursor, QPoint> cursors[] = {
        {ImageCursor::Pan, {8, 3}}, {ImageCursor::Marking, {14, 12}}, {ImageCursor::Text, {9, 12}}};
    QList<QImage> shapes;
    for (const auto& [which, hot] : cursors) {
        const QBitmap shape = cursorShape(which);
        const QBitmap mask = cursorMask(which);
        EXPECT_EQ(shape.size(), QSize(32, 32));
        EXPECT_EQ(mask.size(), QSize(32, 32));
        EXPECT_EQ(cursorHotSpot(which), hot);
        // The hot spot lies on the visible figure.
        const QImage m = mask.toImage().convertToFormat(QImage::Format_Mono);
        EXPECT_EQ(m.pixelIndex(hot), m.pixelIndex(0, 31) == 0 ? 1 : 0) << hot.x() << "," << hot.y();
        const QCursor cursor = makeImageCursor(which);
        EXPECT_EQ(cursor.hotSpot(), hot);
        shapes << shape.toImage();
    }
    EXPECT_NE(shapes[0], shapes[1]);
    EXPECT_NE(shapes[1], shapes[2]);
    EXPECT_NE(shapes[0], shapes[2]);
}

// On a screen too low for the whole window the picture is shown scaled into
// a smaller square; every widget pixel names the picture pixel under its
// centre, and the full size stays one to one.
TEST(ScaledPicture, WidgetPixelsMapToThePictureUnderThem) {
    for (int shown : {200, 360, 361, 577, 675, 720}) {
        int previous = -1;
        for (int w = 0; w < shown; ++w) {
            const int p = picturePixelAt(w, shown, 721);
            const double centre = (w + 0.5) * 721.0 / shown;
            EXPECT_TRUE(p <= centre && centre < p + 1) << shown << " " << w;
            EXPECT_GT(p, previous) << shown << " " << w;
            EXPECT_EQ(widgetPixelOf(p, shown, 721), w) << shown << " " << w;
            previous = p;
        }
        // The corners: the last widget pixel shows the last picture pixel,
        // and the picture's corners land inside the square.
        EXPECT_LE(720 - picturePixelAt(shown - 1, shown, 721), 721 / (2 * shown));
        EXPECT_EQ(widgetPixelOf(0, shown, 721), 0);
        EXPECT_EQ(widgetPixelOf(720, shown, 721), shown - 1);
        // Positions beyond the square (a drag past the edge) go on linearly.
        EXPECT_NEAR(picturePixelAt(-shown / 2, shown, 721), -360, 2);
        EXPECT_NEAR(picturePixelAt(shown + shown / 2, shown, 721), 721 + 360, 2);
    }
    for (double w : {-40.0, 0.0, 10.4, 10.6, 359.0, 720.0, 900.0})
        EXPECT_EQ(picturePixelAt(w, 721, 721), qRound(w)) << w;

    // Through the widget: a screen 600 pixels high leaves the picture a
    // square as high as the window without its frame, and marking and
    // placing text work in picture pixels.
    MouseFixture f;
    f.answers.available = QRect(0, 0, 1024, 600);
    f.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.form));
    EXPECT_EQ(f.form.frameGeometry().height(), 600);
    PlotImage* image = f.image();
    const QRect shownRect = image->shownRect();
    const int side = f.form.height();
    ASSERT_EQ(shownRect, QRect(0, 0, side, side));
    ASSERT_GT(side, 580);
    const double scale = 721.0 / side;
    f.box("CheckBox_SchnittModus")->click();
    f.mouse.drag({100, 80}, {400, 300});
    const QRect part = f.form.markedPart();
    EXPECT_NEAR(part.left(), 100 * scale, 1);
    EXPECT_NEAR(part.top(), 80 * scale, 1);
    EXPECT_NEAR(part.right() + 1, 400 * scale, 1);
    EXPECT_NEAR(part.bottom() + 1, 300 * scale, 1);
    EXPECT_EQ(clipboardImage().size(), part.size());
    f.box("CheckBox_Textmodus")->click();
    f.mouse.rightClick(image->toWidget({500, 600}));
    EXPECT_GT(countColour(f.picture(), QRect(500, 600, 60, 15), qRgb(0, 0, 255)), 20);
    EXPECT_EQ(countColour(f.picture(), QRect(440, 540, 55, 55), qRgb(0, 0, 255)), 0);
    // The widget shows the text scaled down, where the pointer was.
    const QImage shown = image->grab(shownRect).toImage().convertToFormat(QImage::Format_RGB32);
    int bluish = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            if (c.blue() > 150 && c.red() < 100 && c.green() < 100) {
                ++bluish;
                EXPECT_TRUE(QRect(QPointF(500 / scale, 600 / scale).toPoint() - QPoint(1, 1), QSize(52, 14)).contains(x, y))
                    << x << "," << y;
            }
        }
    EXPECT_GT(bluish, 10);
}
