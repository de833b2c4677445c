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

QColor toQt(Colour c) { return QImageCanvas::toQColor(c); }

QPointF toQt(PicturePoint p) { return {p.x, p.y}; }

// Text metrics as the screen measures them (96 dpi, no antialiasing).
QFontMetrics screenMetrics(const FontAttributes& attributes) {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        return image;
    }();
    QFont font = QImageCanvas::fontFor(attributes);
    font.setStyleStrategy(QFont::NoAntialias);
    return QFontMetrics(font, &device);
}

}  // namespace

TextBox screenTextBox(const FontAttributes& font, const std::string& text) {
    const QFontMetrics metrics = screenMetrics(font);
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
    resetAttributes();
}

QPainterCanvas::~QPainterCanvas() { painter_.restore(); }

void QPainterCanvas::reset(int left, int top, int width, int height) {
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    setBounds(left, top);
    resetAttributes();
    painter_.fillRect(QRectF(part_), Qt::white);
}

void QPainterCanvas::setPixel(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    painter_.fillRect(QRectF(x, y, 1, 1), toQt(c));
}

void QPainterCanvas::moveTo(int x, int y) { penPos_ = {x, y}; }

void QPainterCanvas::strokePath(const QPainterPath& path, const QPen& pen) {
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
}

QPen QPainterCanvas::outlinePen() const {
    const PenAttributes& p = attr_.pen;
    if (p.style == PenStyles::Clear) return QPen(Qt::NoPen);
    const int width = std::max(p.width, 1);
    return QPen(toQt(p.colour), width, QImageCanvas::toQtPenStyle(p.style, width),
                width > 1 ? Qt::RoundCap : Qt::FlatCap, Qt::MiterJoin);
}

void QPainterCanvas::lineTo(int x, int y) {
    const PixelPoint from = penPos_;
    penPos_ = {x, y};
    const std::optional<LineStroke> stroke = strokeOfLine(from, penPos_, attr_.pen);
    if (!stroke) return;
    QPainterPath path;
    path.moveTo(toQt(stroke->from));
    path.lineTo(toQt(stroke->to));
    if (stroke->width > 1) {
        strokePath(path, outlinePen());
        return;
    }
    QPen pen(toQt(attr_.pen.colour), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (!stroke->dashes.empty()) {
        // With a solid brush the gaps take the brush colour, as on the screen.
        if (isSolidBrush(attr_.brush.style))
            strokePath(path, QPen(toQt(attr_.brush.colour), 1, Qt::SolidLine, Qt::FlatCap));
        pen.setDashPattern(QList<qreal>(stroke->dashes.begin(), stroke->dashes.end()));
    }
    strokePath(path, pen);
}

void QPainterCanvas::polygon(std::span<const PixelPoint> points) {
    if (points.empty()) return;
    QPolygonF outline;
    for (const PixelPoint& p : points) outline << toQt(pixelCentre(p));
    const BrushAttributes& b = attr_.brush;
    if (isHatchBrush(b.style)) {
        QPainterPath hatch;
        for (const HatchSegment& s : hatchLines(points, b.style, hatchClip_)) {
            hatch.moveTo(s.x1 + 0.5, s.y1 + 0.5);
            hatch.lineTo(s.x2 + 0.5, s.y2 + 0.5);
        }
        if (!hatch.isEmpty()) strokePath(hatch, QPen(toQt(b.colour), 1, Qt::SolidLine, Qt::FlatCap));
    }
    painter_.setPen(outlinePen());
    painter_.setBrush(isSolidBrush(b.style) ? QBrush(toQt(b.colour)) : QBrush(Qt::NoBrush));
    painter_.drawPolygon(outline, Qt::OddEvenFill);
}

std::optional<QRectF> QPainterCanvas::shapeBox(int x1, int y1, int x2, int y2) {
    const std::optional<PictureBox> box = shapeBoxOf(x1, y1, x2, y2);
    if (!box) return std::nullopt;
    painter_.setPen(outlinePen());
    painter_.setBrush(isSolidBrush(attr_.brush.style) ? QBrush(toQt(attr_.brush.colour)) : QBrush(Qt::NoBrush));
    return QRectF(box->left, box->top, box->width, box->height);
}

void QPainterCanvas::ellipse(int x1, int y1, int x2, int y2) {
    if (const auto box = shapeBox(x1, y1, x2, y2)) painter_.drawEllipse(*box);
}

void QPainterCanvas::rectangle(int x1, int y1, int x2, int y2) {
    if (const auto box = shapeBox(x1, y1, x2, y2)) painter_.drawRect(*box);
}

void QPainterCanvas::textOut(int x, int y, const std::string& text) {
    if (text.empty()) return;
    const TextBox box = screenTextBox(attr_.font, text);
    // The box the screen paints behind text while the brush is solid.
    if (isSolidBrush(attr_.brush.style))
        painter_.fillRect(QRectF(x, y, box.width, box.height), toQt(attr_.brush.colour));
    painter_.setFont(QImageCanvas::fontFor(attr_.font));
    painter_.setPen(toQt(attr_.font.colour));
    painter_.drawText(QPointF(x, y + box.ascent), QString::fromStdString(text));
}

PixelPoint QPainterCanvas::textExtent(const std::string& text) {
    const TextBox box = screenTextBox(attr_.font, text);
    return {box.width, box.height};
}

void QPainterCanvas::beginObject(ObjectKind kind, const std::string& name) {
    if (objects_) objects_->beginObject(painter_, kind, name);
}

void QPainterCanvas::endObject() {
    if (objects_) objects_->endObject(painter_);
}
