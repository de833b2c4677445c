#pragma once
// The plot image: a Canvas that paints a QImage (RGB32) with one long-lived
// QPainter, aliased, with the GDI-like results the drawing relies on (line
// end pixel untouched, hatch brushes by code, inverting pen mode, opaque
// text boxes).
#include <QImage>
#include <QPainter>
#include <memory>

#include "plot/Canvas.h"

class QImageCanvas : public Canvas {
public:
    explicit QImageCanvas(int width = 721, int height = 721);
    ~QImageCanvas() override;
    QImageCanvas(const QImageCanvas&) = delete;
    QImageCanvas& operator=(const QImageCanvas&) = delete;

    void Reset(int left, int top, int width, int height) override;
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    void SetPixel(int x, int y, Colour c) override;
    Colour GetPixel(int x, int y) const override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polygon(std::span<const PixelPoint> points) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;
    void CopyRect(int destX, int destY, int x1, int y1, int x2, int y2) override;
    PixelPoint TextExtent(const std::string& text) override;

    // The finished picture. Ends the painter first so that copies taken
    // from it never share a buffer that is still being painted; the next
    // drawing operation starts it again.
    const QImage& image();
    // The QFont the current font attributes resolve to.
    QFont currentFont();

    static QColor ToQColor(Colour c);
    // Qt's pen style for a style code at a width; the dash patterns are the
    // screen's (dash 4-2, dot 1-2, ...).
    static Qt::PenStyle ToQtPenStyle(PenStyle style, int width);
    // The face, pixel size (points at 96 dpi) and style the font attributes
    // give, before the screen switches off antialiasing.
    static QFont FontFor(const FontAttributes& font);
    static Colour FromQRgb(QRgb rgb);

private:
    QPainter& painter();
    void applyPen();
    void applyBrush();
    void applyFont();
    void endPainter();
    // A one-pixel line without its end pixel, written straight into the image.
    void DrawThinLine(PixelPoint from, PixelPoint to);
    // Hatch pixels of the polygon's interior, written straight into the image.
    void FillHatched(std::span<const PixelPoint> points);

    QImage image_;
    QPainter painter_;
    QFont font_;
    QPen pen_;
    QBrush brush_;
    int fontAscent_ = 0;
    bool fontOnPainter_ = false;
};
