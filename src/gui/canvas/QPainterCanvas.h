#pragma once
// The canvas of every output that leaves the program: SVG and PDF files,
// printing and high-resolution images. It paints with a QPainter on any
// paint device at any scale, as lines, paths and text, and makes the
// picture look like the screen: the same colours, line widths and dotted
// styles relative to the figure, labels on their boxes, and hatching as
// line paths in the screen's directions and spacing (never Qt's pattern
// brushes, which the SVG generator drops and PDF ties to device pixels).
// The screen keeps its own pixel-exact canvas; this one is never used for it.
#include <QPointF>
#include <QRect>
#include <optional>
#include <string>

#include "core/tikz/HatchLines.h"
#include "core/tikz/VectorGeometry.h"
#include "core/canvas/Canvas.h"

class QPainter;

// The size the screen gives a text in the font, in picture pixels.
TextBox screenTextBox(const FontAttributes& font, const std::string& text);

class QPainterCanvas : public Canvas {
public:
    // Receives the object brackets of the picture (the SVG writer turns
    // them into named groups).
    class ObjectSink {
    public:
        virtual ~ObjectSink() = default;
        virtual void beginObject(QPainter& painter, ObjectKind kind, const std::string& name) = 0;
        virtual void endObject(QPainter& painter) = 0;
    };

    // Draws the part `part` of the picture (in picture pixels) with every
    // picture pixel `scale` units of the painter's coordinates wide, the
    // part's top-left corner at `at`. The painter must be active; its render
    // hints are the caller's; its state is restored when the canvas goes.
    QPainterCanvas(QPainter& painter, QRect part, double scale, QPointF at = {},
                   ObjectSink* objects = nullptr);
    ~QPainterCanvas() override;
    QPainterCanvas(const QPainterCanvas&) = delete;
    QPainterCanvas& operator=(const QPainterCanvas&) = delete;

    // Paints the part white and starts a picture of the given size.
    void reset(int left, int top, int width, int height) override;
    int width() const override { return width_; }
    int height() const override { return height_; }
    void setPixel(int x, int y, Colour c) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void polygon(std::span<const PixelPoint> points) override;
    // Ellipses and rectangles are filled solid or not at all.
    void ellipse(int x1, int y1, int x2, int y2) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const std::string& text) override;
    // The screen's text metrics, so boxes and layout match it.
    PixelPoint textExtent(const std::string& text) override;
    void beginObject(ObjectKind kind, const std::string& name) override;
    void endObject() override;

private:
    void strokePath(const class QPainterPath& path, const class QPen& pen);
    class QPen outlinePen() const;
    // The box (x1, y1)-(x2, y2) without its right and bottom edges, through
    // the centres of its outer pixels, with pen and brush set for it; none
    // when there is nothing to draw.
    std::optional<QRectF> shapeBox(int x1, int y1, int x2, int y2);

    QPainter& painter_;
    QRect part_;
    HatchClip hatchClip_;
    ObjectSink* objects_;
    int width_;
    int height_;
};
