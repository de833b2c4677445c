#pragma once
// The plot image: a Canvas that paints a QImage (RGB32) with one long-lived
// QPainter, aliased, with the GDI-like results the drawing relies on (line
// end pixel untouched, hatch brushes by code, inverting pen mode, opaque
// text boxes).
//
// All coordinates are picture pixels (721 x 721 for the plot). On a screen
// with a device pixel ratio above 1 the image holds deviceScale() x
// deviceScale() device pixels per picture pixel and everything is drawn at
// that resolution: lines and hatches are one picture pixel thick but step by
// single device pixels, text and ellipses are rendered at the finer size.
#include <QImage>
#include <QPainter>
#include <memory>

#include "core/canvas/ScreenCanvas.h"

class QImageCanvas : public ScreenCanvas {
public:
    explicit QImageCanvas(int width = 721, int height = 721, int deviceScale = 1);
    ~QImageCanvas() override;
    QImageCanvas(const QImageCanvas&) = delete;
    QImageCanvas& operator=(const QImageCanvas&) = delete;

    void reset(int left, int top, int width, int height) override;
    int width() const override { return width_; }
    int height() const override { return height_; }
    void setPixel(int x, int y, Colour c) override;
    Colour getPixel(int x, int y) const override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void polygon(std::span<const PixelPoint> points) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const std::string& text) override;
    void copyRect(int destX, int destY, int x1, int y1, int x2, int y2) override;
    PixelPoint textExtent(const std::string& text) override;

    // Device pixels per picture pixel in each direction (1 to 4). Changing
    // it keeps the current picture, resampled, until the next drawing.
    int deviceScale() const { return scale_; }
    void setDeviceScale(int scale);

    // The finished picture at device resolution (its devicePixelRatio is the
    // device scale). Ends the painter first so that copies taken from it
    // never share a buffer that is still being painted; the next drawing
    // operation starts it again.
    const QImage& image();
    // The picture at its own size, width() x height(): the image itself at
    // scale 1, otherwise the top-left device pixel of each picture pixel
    // (lines and hatches, one picture pixel thick, keep every pixel).
    // getPixel reads the same pixels.
    QImage picture();
    // The QFont the current font attributes resolve to.
    QFont currentFont();

    static QColor toQColor(Colour c);
    // Qt's pen style for a style code at a width; the dash patterns are the
    // screen's (dash 4-2, dot 1-2, ...).
    static Qt::PenStyle toQtPenStyle(PenStyle style, int width);
    // The face, pixel size (points at 96 dpi) and style the font attributes
    // give, before the screen switches off antialiasing.
    static QFont fontFor(const FontAttributes& font);
    static Colour fromQRgb(QRgb rgb);

private:
    QPainter& painter();
    void applyPen();
    void applyBrush();
    void applyFont();
    void endPainter();
    // Runs paint with the painter's pen (a stroke without fill).
    template <class Paint>
    void stroke(Paint paint);
    // Draws a shape the painter fills and outlines. Above scale 1 a
    // one-pixel outline is drawn by drawThinLine along `outline`, a wider
    // one by the painter, centred like the thin lines.
    template <class Paint>
    void paintShape(std::span<const PixelPoint> outline, Paint paint);
    // A one-pixel line without its end pixel, written straight into the image.
    void drawThinLine(PixelPoint from, PixelPoint to);
    // Hatch pixels of the polygon's interior, written straight into the image.
    void fillHatched(std::span<const PixelPoint> points);

    int width_ = 0;
    int height_ = 0;
    int scale_ = 1;
    QImage image_;
    QPainter painter_;
    QFont font_;
    QPen pen_;
    QBrush brush_;
    int fontAscent_ = 0;
    bool fontOnPainter_ = false;
};
