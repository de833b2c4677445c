#include "export/QPainterCanvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <cmath>

#include "plot/QImageCanvas.h"

namespace {

QColor Q(Colour c) { return QImageCanvas::ToQColor(c); }

// Integer picture coordinates name pixels; lines and outlines run through
// their centres, as the screen's do.
QPointF Centre(PixelPoint p) { return {p.x + 0.5, p.y + 0.5}; }

bool IsHatched(BrushStyle s) { return s >= BrushStyles::Horizontal && s <= BrushStyles::DiagCross; }
bool IsSolid(BrushStyle s) { return s != BrushStyles::Clear && !IsHatched(s); }

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

Colour QPainterCanvas::GetPixel(int, int) const { return Colours::White; }

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
    const PixelPoint to{x, y};
    penPos_ = to;
    const PenAttributes& p = attr_.pen;
    if (p.style == PenStyles::Clear || Inverting()) return;
    QPainterPath path;
    if (p.width > 1) {
        path.moveTo(Centre(from));
        path.lineTo(Centre(to));
        Stroke(path, OutlinePen());
        return;
    }
    // The screen sets one pixel per step along the longer axis, from the
    // start pixel up to, not including, the end pixel. Half a step back from
    // both centres, a flat-capped line covers exactly those steps, and a dash
    // pattern in steps puts every dot where the screen has it.
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double steps = std::max(std::fabs(dx), std::fabs(dy));
    if (steps == 0) return;
    const QPointF back(dx / (2 * steps), dy / (2 * steps));
    path.moveTo(Centre(from) - back);
    path.lineTo(Centre(to) - back);
    QPen pen(Q(p.colour), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    const Qt::PenStyle dashes = QImageCanvas::ToQtPenStyle(p.style, 1);
    if (dashes != Qt::SolidLine) {
        // With a solid brush the gaps take the brush colour, as on the screen.
        if (IsSolid(attr_.brush.style))
            Stroke(path, QPen(Q(attr_.brush.colour), 1, Qt::SolidLine, Qt::FlatCap));
        const double step = std::hypot(dx, dy) / steps;
        QList<qreal> pattern = QPen(dashes).dashPattern();
        for (qreal& run : pattern) run *= step;
        pen.setDashPattern(pattern);
    }
    Stroke(path, pen);
}

void QPainterCanvas::Polygon(std::span<const PixelPoint> points) {
    if (points.empty() || Inverting()) return;
    QPolygonF outline;
    for (const PixelPoint& p : points) outline << Centre(p);
    const BrushAttributes& b = attr_.brush;
    if (IsHatched(b.style)) {
        QPainterPath hatch;
        for (const HatchSegment& s : HatchLines(points, b.style, hatchClip_)) {
            hatch.moveTo(s.x1 + 0.5, s.y1 + 0.5);
            hatch.lineTo(s.x2 + 0.5, s.y2 + 0.5);
        }
        if (!hatch.isEmpty()) Stroke(hatch, QPen(Q(b.colour), 1, Qt::SolidLine, Qt::FlatCap));
    }
    painter_.setPen(OutlinePen());
    painter_.setBrush(IsSolid(b.style) ? QBrush(Q(b.colour)) : QBrush(Qt::NoBrush));
    painter_.drawPolygon(outline, Qt::OddEvenFill);
}

std::optional<QRectF> QPainterCanvas::ShapeBox(int x1, int y1, int x2, int y2) {
    const int l = std::min(x1, x2), r = std::max(x1, x2);
    const int t = std::min(y1, y2), b = std::max(y1, y2);
    if (r - l < 1 || b - t < 1 || Inverting()) return std::nullopt;
    painter_.setPen(OutlinePen());
    painter_.setBrush(IsSolid(attr_.brush.style) ? QBrush(Q(attr_.brush.colour)) : QBrush(Qt::NoBrush));
    return QRectF(l + 0.5, t + 0.5, r - l - 1, b - t - 1);
}

void QPainterCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (const auto box = ShapeBox(x1, y1, x2, y2)) painter_.drawEllipse(*box);
}

void QPainterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (const auto box = ShapeBox(x1, y1, x2, y2)) painter_.drawRect(*box);
}

void QPainterCanvas::TextOut(int x, int y, const std::string& text) {
    if (text.empty()) return;
    const QString s = QString::fromStdString(text);
    const QFontMetrics metrics = ScreenMetrics(attr_.font);
    // The box the screen paints behind text while the brush is solid.
    if (IsSolid(attr_.brush.style))
        painter_.fillRect(QRectF(x, y, metrics.horizontalAdvance(s), metrics.height()),
                          Q(attr_.brush.colour));
    painter_.setFont(QImageCanvas::FontFor(attr_.font));
    painter_.setPen(Q(attr_.font.colour));
    painter_.drawText(QPointF(x, y + metrics.ascent()), s);
}

void QPainterCanvas::CopyRect(int, int, int, int, int, int) {}

PixelPoint QPainterCanvas::TextExtent(const std::string& text) {
    const QFontMetrics metrics = ScreenMetrics(attr_.font);
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

void QPainterCanvas::BeginObject(const std::string& name) {
    if (objects_) objects_->Begin(painter_, name);
}

void QPainterCanvas::EndObject() {
    if (objects_) objects_->End(painter_);
}
