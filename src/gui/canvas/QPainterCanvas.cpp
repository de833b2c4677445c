#include "gui/canvas/QPainterCanvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <cmath>

#include "gui/canvas/QImageCanvas.h"

namespace {

QColor Q(Colour c) { return QImageCanvas::ToQColor(c); }

QPointF Q(PicturePoint p) { return {p.x, p.y}; }

// Text metrics as the screen measures them (96 dpi, no antialiasing).
QFontMetrics ScreenMetrics(const FontAttributes& attributes) {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        return image;
    }();
    QFont font = QImageCanvas::FontFor(attributes);
    font.setStyleStrategy(QFont::NoAntialias);
    return QFontMetrics(font, &device);
}

}  // namespace

TextBox ScreenTextBox(const FontAttributes& font, const std::string& text) {
    const QFontMetrics metrics = ScreenMetrics(font);
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height(), metrics.ascent()};
}

QPainterCanvas::QPainterCanvas(QPainter& painter, QRect part, double scale, QPointF at,
                               ObjectSink* objects)
    : painter_(painter), part_(part), objects_(objects), width_(part.right() + 1),
      height_(part.bottom() + 1) {
    // Hatch lines beyond the part would only fill the file.
    hatchClip_ = {part.left() - 1.0, part.top() - 1.0, part.right() + 1.0, part.bottom() + 1.0};
    painter_.save();
    painter_.translate(at);
    painter_.scale(scale, scale);
    painter_.translate(-part.left(), -part.top());
    ResetAttributes();
}

QPainterCanvas::~QPainterCanvas() { painter_.restore(); }

void QPainterCanvas::Reset(int left, int top, int width, int height) {
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    SetBounds(left, top);
    ResetAttributes();
    painter_.fillRect(QRectF(part_), Qt::white);
}

void QPainterCanvas::SetPixel(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    painter_.fillRect(QRectF(x, y, 1, 1), Q(c));
}

void QPainterCanvas::MoveTo(int x, int y) { penPos_ = {x, y}; }

void QPainterCanvas::Stroke(const QPainterPath& path, const QPen& pen) {
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
}

QPen QPainterCanvas::OutlinePen() const {
    const PenAttributes& p = attr_.pen;
    if (p.style == PenStyles::Clear) return QPen(Qt::NoPen);
    const int width = std::max(p.width, 1);
    return QPen(Q(p.colour), width, QImageCanvas::ToQtPenStyle(p.style, width),
                width > 1 ? Qt::RoundCap : Qt::FlatCap, Qt::MiterJoin);
}

void QPainterCanvas::LineTo(int x, int y) {
    const PixelPoint from = penPos_;
    penPos_ = {x, y};
    const std::optional<LineStroke> stroke = StrokeOfLine(from, penPos_, attr_.pen);
    if (!stroke) return;
    QPainterPath path;
    path.moveTo(Q(stroke->from));
    path.lineTo(Q(stroke->to));
    if (stroke->width > 1) {
        Stroke(path, OutlinePen());
        return;
    }
    QPen pen(Q(attr_.pen.colour), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (!stroke->dashes.empty()) {
        // With a solid brush the gaps take the brush colour, as on the screen.
        if (IsSolidBrush(attr_.brush.style))
            Stroke(path, QPen(Q(attr_.brush.colour), 1, Qt::SolidLine, Qt::FlatCap));
        pen.setDashPattern(QList<qreal>(stroke->dashes.begin(), stroke->dashes.end()));
    }
    Stroke(path, pen);
}

void QPainterCanvas::Polygon(std::span<const PixelPoint> points) {
    if (points.empty()) return;
    QPolygonF outline;
    for (const PixelPoint& p : points) outline << Q(PixelCentre(p));
    const BrushAttributes& b = attr_.brush;
    if (IsHatchBrush(b.style)) {
        QPainterPath hatch;
        for (const HatchSegment& s : HatchLines(points, b.style, hatchClip_)) {
            hatch.moveTo(s.x1 + 0.5, s.y1 + 0.5);
            hatch.lineTo(s.x2 + 0.5, s.y2 + 0.5);
        }
        if (!hatch.isEmpty()) Stroke(hatch, QPen(Q(b.colour), 1, Qt::SolidLine, Qt::FlatCap));
    }
    painter_.setPen(OutlinePen());
    painter_.setBrush(IsSolidBrush(b.style) ? QBrush(Q(b.colour)) : QBrush(Qt::NoBrush));
    painter_.drawPolygon(outline, Qt::OddEvenFill);
}

std::optional<QRectF> QPainterCanvas::ShapeBox(int x1, int y1, int x2, int y2) {
    const std::optional<PictureBox> box = ShapeBoxOf(x1, y1, x2, y2);
    if (!box) return std::nullopt;
    painter_.setPen(OutlinePen());
    painter_.setBrush(IsSolidBrush(attr_.brush.style) ? QBrush(Q(attr_.brush.colour)) : QBrush(Qt::NoBrush));
    return QRectF(box->left, box->top, box->width, box->height);
}

void QPainterCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (const auto box = ShapeBox(x1, y1, x2, y2)) painter_.drawEllipse(*box);
}

void QPainterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (const auto box = ShapeBox(x1, y1, x2, y2)) painter_.drawRect(*box);
}

void QPainterCanvas::TextOut(int x, int y, const std::string& text) {
    if (text.empty()) return;
    const TextBox box = ScreenTextBox(attr_.font, text);
    // The box the screen paints behind text while the brush is solid.
    if (IsSolidBrush(attr_.brush.style))
        painter_.fillRect(QRectF(x, y, box.width, box.height), Q(attr_.brush.colour));
    painter_.setFont(QImageCanvas::FontFor(attr_.font));
    painter_.setPen(Q(attr_.font.colour));
    painter_.drawText(QPointF(x, y + box.ascent), QString::fromStdString(text));
}

PixelPoint QPainterCanvas::TextExtent(const std::string& text) {
    const TextBox box = ScreenTextBox(attr_.font, text);
    return {box.width, box.height};
}

void QPainterCanvas::BeginObject(ObjectKind kind, const std::string& name) {
    if (objects_) objects_->Begin(painter_, kind, name);
}

void QPainterCanvas::EndObject() {
    if (objects_) objects_->End(painter_);
}
