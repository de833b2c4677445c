// The mouse over the image: panning the coordinate system, marking a part of
// the picture for the clipboard, and placing text. Also the clipboard copy
// of the whole picture.
#include <QCheckBox>
#include <algorithm>
#include <QClipboard>
#include <QGuiApplication>

#include "gui/picture/PictureExport.h"
#include "gui/widgets/FieldReaders.h"
#include "core/canvas/Canvas.h"
#include "gui/plot/Cursors.h"
#include "gui/plot/PlotWindow.h"
#include "gui/plot/PlotImage.h"
#include "gui/canvas/QImageCanvas.h"

namespace {

enum class MouseMode { Pan, Marking, Text };

const QCursor& cursorFor(MouseMode mode) {
    static const QCursor pan = makeImageCursor(ImageCursor::Pan);
    static const QCursor marking = makeImageCursor(ImageCursor::Marking);
    static const QCursor text = makeImageCursor(ImageCursor::Text);
    switch (mode) {
    case MouseMode::Text: return text;
    case MouseMode::Marking: return marking;
    case MouseMode::Pan: break;
    }
    return pan;
}

// Text mode wins over marking mode; with neither the mouse pans.
MouseMode currentMode(bool textMode, bool markingMode) {
    if (textMode)
        return MouseMode::Text;
    return markingMode ? MouseMode::Marking : MouseMode::Pan;
}

}  // namespace

void PlotWindow::onImageMouseDown(const ImageMouseEvent& e) {
    view_.mouseLastX = e.x;
    view_.mouseLastY = e.y;
    const MouseMode mode = currentMode(box("CheckBox_Textmodus")->isChecked(),
                                       box("CheckBox_SchnittModus")->isChecked());
    if (e.counts(Qt::RightButton)) {
        if (mode == MouseMode::Text) {
            // Through the kept picture, so exports show the text until the next redraw.
            const CanvasObject object(canvas(), ObjectKind::Text, "Text „" + view_.textString + "“");
            drawText(canvas(), e.x, e.y, view_.textString, view_.textFontName, view_.textSize,
                     view_.textColor, view_.textStyle, view_.textBrushStyle);
            updateImage();
        } else {
            copyPictureToClipboard();
        }
    }
    if (e.counts(Qt::LeftButton)) {
        view_.selecting = true;
        view_.selectionRect = {e.x, e.y, e.x, e.y};
        drawSelectionRect();
        updateImage();
    }
}

void PlotWindow::onImageMouseMove(const ImageMouseEvent& e) {
    const MouseMode mode = currentMode(box("CheckBox_Textmodus")->isChecked(),
                                       box("CheckBox_SchnittModus")->isChecked());
    image_->setCursor(cursorFor(mode));
    image_->setToolTip(mode == MouseMode::Text      ? kTextModeHint
                       : mode == MouseMode::Marking ? kMarkingModeHint
                                                    : kPanModeHint);
    if (!e.counts(Qt::LeftButton))
        return;
    if (mode == MouseMode::Marking) {
        // Only a drag that began with a counted press has a rectangle to move;
        // otherwise the first "erase" would leave an inverted frame behind.
        if (!view_.selecting)
            return;
        drawSelectionRect();  // erases the old frame
        view_.selectionRect.x2 = e.x;
        view_.selectionRect.y2 = e.y;
        drawSelectionRect();
        updateImage();
    } else if (mode == MouseMode::Pan) {
        // Bounded far beyond the picture, so pixel sums never overflow.
        view_.offsetX = std::clamp(view_.offsetX + (view_.mouseLastX - e.x), -kMaxPanOffset, kMaxPanOffset);
        view_.offsetY = std::clamp(view_.offsetY + (e.y - view_.mouseLastY), -kMaxPanOffset, kMaxPanOffset);
        view_.mouseLastX = e.x;
        view_.mouseLastY = e.y;
        redraw();
    }
}

void PlotWindow::onImageMouseUp(const ImageMouseEvent&) {
    const bool marking = !box("CheckBox_Textmodus")->isChecked() && box("CheckBox_SchnittModus")->isChecked();
    if (marking && view_.selecting) {
        drawSelectionRect();  // erases the frame
        SelectionRect& r = view_.selectionRect;
        if (r.x1 == r.x2 || r.y1 == r.y2)
            return;  // nothing to copy; a later release ends the selection
        if (r.x1 > r.x2)
            std::swap(r.x1, r.x2);
        if (r.y1 > r.y2)
            std::swap(r.y1, r.y2);
        // A drag may end outside the image: only pixels of the picture are copied.
        const PictureSource picture = pictureOf(*this);
        const QRect part = QRect(r.x1, r.y1, r.x2 - r.x1, r.y2 - r.y1).intersected(picture.screen.rect());
        view_.selecting = false;
        if (part.isEmpty()) {
            updateImage();
            return;
        }
        markedPart_ = part;
        QGuiApplication::clipboard()->setMimeData(pictureMimeData(picture, part));
        redraw();
        feedback().showMessage(this, QStringLiteral("Teilgrafik in der Zwischenablage gespeichert !"));
        activateWindow();
    }
    view_.selecting = false;
    updateImage();
}

// The rubber band: a dotted frame with the inverting pen, so drawing the
// same frame twice restores the picture. A frame without width or height
// encloses nothing and is not drawn.
void PlotWindow::drawSelectionRect() {
    const SelectionRect& r = view_.selectionRect;
    if (r.x1 == r.x2 || r.y1 == r.y2)
        return;
    ScreenCanvas& c = *canvas_;
    c.setBrushStyle(BrushStyles::Clear);
    c.setPenMode(PenMode::Not);
    c.setPenWidth(1);
    c.setPenStyle(PenStyles::Dot);
    c.rectangle(std::min(r.x1, r.x2), std::min(r.y1, r.y2), std::max(r.x1, r.x2), std::max(r.y1, r.y2));
    // The picture's own drawing goes on to the screen with a copying pen.
    c.setPenMode(PenMode::Copy);
}

PictureSource pictureOf(PlotWindow& plotWindow) {
    return {plotWindow.pictureCalls(), plotWindow.imageCanvas().picture()};
}

// The whole picture on the clipboard, as bitmap and SVG ("Bild kopieren",
// the right mouse button).
void PlotWindow::copyWholePicture() {
    const PictureSource picture = pictureOf(*this);
    QGuiApplication::clipboard()->setMimeData(pictureMimeData(picture, picture.screen.rect()));
}

void PlotWindow::copyPictureToClipboard() {
    copyWholePicture();
    feedback().showMessage(this, QStringLiteral("Grafik in der Zwischenablage gespeichert !"));
    activateWindow();
}
