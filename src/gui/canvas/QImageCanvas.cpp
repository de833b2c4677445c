#include "gui/canvas/QImageCanvas.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPolygon>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// The faces the drawing asks for by name. Their metric-compatible
// replacements are preferred over whatever fallback the font system picks,
// because a different fallback would change every text width.
void installFontSubstitutions() {
    static bool done = false;
    if (done) return;
    done = true;
    const QStringList families = QFontDatabase::families();
    auto substitute = [&](const char* face, const char* replacement) {
        if (families.contains(QString::fromLatin1(replacement)) &&
            !families.contains(QString::fromLatin1(face)))
            QFont::insertSubstitution(QString::fromLatin1(face), QString::fromLatin1(replacement));
    };
    substitute("Arial", "Liberation Sans");
    substitute("Helvetica", "Liberation Sans");
    substitute("MS Sans Serif", "Liberation Sans");
    substitute("Courier New", "Liberation Mono");
    substitute("Courier", "Liberation Mono");
    substitute("Times New Roman", "Liberation Serif");
}

Qt::BrushStyle toQtBrushStyle(BrushStyle style) {
    switch (style) {
    case BrushStyles::Clear: return Qt::NoBrush;
    case BrushStyles::Horizontal: return Qt::HorPattern;
    case BrushStyles::Vertical: return Qt::VerPattern;
    case BrushStyles::FDiagonal: return Qt::FDiagPattern;  // "\" lines
    case BrushStyles::BDiagonal: return Qt::BDiagPattern;  // "/" lines
    case BrushStyles::Cross: return Qt::CrossPattern;
    case BrushStyles::DiagCross: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
    }
}

constexpr int kMaxDeviceScale = 4;
constexpr int kDotsPerMeter = 3780;  // 96 dpi per picture pixel

// a mod m in [0, m), also for negative a.
int mod(int a, int m) {
    const int r = a % m;
    return r < 0 ? r + m : r;
}

}  // namespace

Qt::PenStyle QImageCanvas::toQtPenStyle(PenStyle style, int width) {
    // Like the classic GDI pens, a styled pen wider than one pixel draws solid.
    if (style == PenStyles::Clear) return Qt::NoPen;
    if (width > 1) return Qt::SolidLine;
    switch (style) {
    case PenStyles::Dash: return Qt::DashLine;
    case PenStyles::Dot: return Qt::DotLine;
    case PenStyles::DashDot: return Qt::DashDotLine;
    case PenStyles::DashDotDot: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}

QColor QImageCanvas::toQColor(Colour c) {
    return QColor(int(colourRed(c)), int(colourGreen(c)), int(colourBlue(c)));
}

Colour QImageCanvas::fromQRgb(QRgb rgb) {
    return makeColour(unsigned(qRed(rgb)), unsigned(qGreen(rgb)), unsigned(qBlue(rgb)));
}

QImageCanvas::QImageCanvas(int width, int height, int deviceScale)
    : scale_(std::clamp(deviceScale, 1, kMaxDeviceScale)) {
    installFontSubstitutions();
    reset(0, 0, width, height);
}

QImageCanvas::~QImageCanvas() { endPainter(); }

void QImageCanvas::endPainter() {
    if (painter_.isActive()) painter_.end();
}

QPainter& QImageCanvas::painter() {
    if (!painter_.isActive()) {
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, false);
        penChanged_ = brushChanged_ = true;
        fontOnPainter_ = false;
    }
    if (penChanged_) applyPen();
    if (brushChanged_) applyBrush();
    return painter_;
}

void QImageCanvas::applyPen() {
    const PenAttributes& p = attr_.pen;
    const int width = std::max(p.width, 1);
    // At scale 1 a one-pixel pen is cosmetic; above it the pen is one
    // picture pixel wide, not one device pixel.
    pen_ = QPen(toQColor(p.colour), width == 1 && scale_ == 1 ? 0 : width, toQtPenStyle(p.style, width),
                width == 1 ? Qt::SquareCap : Qt::RoundCap, Qt::MiterJoin);
    painter_.setPen(pen_);
    painter_.setCompositionMode(penMode_ == PenMode::Not ? QPainter::RasterOp_NotDestination
                                                         : QPainter::CompositionMode_SourceOver);
    penChanged_ = false;
}

template <class Paint>
void QImageCanvas::stroke(Paint paint) {
    QPainter& p = painter();
    // Above scale 1 a pen is centred on the middle of the picture pixels,
    // so that it covers the picture pixels it covers at scale 1 (where Qt
    // draws aliased strokes to the right of and below the ideal line).
    if (scale_ > 1) p.translate(0.5, 0.5);
    paint(p);
    if (scale_ > 1) p.translate(-0.5, -0.5);
}

template <class Paint>
void QImageCanvas::paintShape(std::span<const PixelPoint> outline, Paint paint) {
    QPainter& p = painter();
    if (scale_ == 1) {
        paint(p);
        return;
    }
    const bool stroked = pen_.style() != Qt::NoPen;
    const bool filled = p.brush().style() != Qt::NoBrush;
    if (filled) {
        p.setPen(Qt::NoPen);
        paint(p);
        p.setPen(pen_);
    }
    if (!stroked) return;
    if (attr_.pen.width <= 1 && !outline.empty()) {
        const std::size_t n = outline.size();
        for (std::size_t i = 0; i < n; ++i) drawThinLine(outline[i], outline[(i + 1) % n]);
        return;
    }
    if (filled) p.setBrush(Qt::NoBrush);
    stroke(paint);
    if (filled) p.setBrush(brush_);
}

void QImageCanvas::applyBrush() {
    const BrushAttributes& b = attr_.brush;
    brush_ = QBrush(toQColor(b.colour), toQtBrushStyle(b.style));
    painter_.setBrush(brush_);
    // As on GDI canvases: with a solid brush, text boxes and the gaps of
    // styled lines are filled in the brush colour; otherwise they stay
    // transparent, and so do the gaps of hatch patterns.
    if (b.style == BrushStyles::Solid || toQtBrushStyle(b.style) == Qt::SolidPattern) {
        painter_.setBackgroundMode(Qt::OpaqueMode);
        painter_.setBackground(QBrush(toQColor(b.colour)));
    } else {
        painter_.setBackgroundMode(Qt::TransparentMode);
    }
    brushChanged_ = false;
}

QFont QImageCanvas::fontFor(const FontAttributes& f) {
    installFontSubstitutions();
    QFont font(QString::fromStdString(f.name));
    // Never dependent on the display's resolution.
    font.setPixelSize(fontPixelSize(f.size));
    font.setBold(f.style & FontStyles::Bold);
    font.setItalic(f.style & FontStyles::Italic);
    font.setUnderline(f.style & FontStyles::Underline);
    font.setStrikeOut(f.style & FontStyles::StrikeOut);
    return font;
}

void QImageCanvas::applyFont() {
    font_ = fontFor(attr_.font);
    font_.setStyleStrategy(QFont::NoAntialias);
    fontAscent_ = QFontMetrics(font_, &image_).ascent();
    fontOnPainter_ = false;
    fontChanged_ = false;
}

QFont QImageCanvas::currentFont() {
    if (fontChanged_) applyFont();
    return font_;
}

void QImageCanvas::reset(int left, int top, int width, int height) {
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    if (image_.width() != width_ * scale_ || image_.height() != height_ * scale_ ||
        image_.devicePixelRatio() != scale_ || image_.format() != QImage::Format_RGB32) {
        endPainter();
        image_ = QImage(width_ * scale_, height_ * scale_, QImage::Format_RGB32);
        image_.setDotsPerMeterX(kDotsPerMeter * scale_);
        image_.setDotsPerMeterY(kDotsPerMeter * scale_);
        image_.setDevicePixelRatio(scale_);
    }
    image_.fill(Qt::white);
    setBounds(left, top);
    resetAttributes();
}

void QImageCanvas::setDeviceScale(int scale) {
    scale = std::clamp(scale, 1, kMaxDeviceScale);
    if (scale == scale_) return;
    endPainter();
    scale_ = scale;
    QImage resampled = image_.scaled(width_ * scale_, height_ * scale_, Qt::IgnoreAspectRatio,
                                     Qt::FastTransformation)
                           .convertToFormat(QImage::Format_RGB32);
    resampled.setDotsPerMeterX(kDotsPerMeter * scale_);
    resampled.setDotsPerMeterY(kDotsPerMeter * scale_);
    resampled.setDevicePixelRatio(scale_);
    image_ = std::move(resampled);
}

const QImage& QImageCanvas::image() {
    endPainter();
    return image_;
}

QImage QImageCanvas::picture() {
    endPainter();
    if (scale_ == 1) return image_;
    QImage out(width_, height_, QImage::Format_RGB32);
    out.setDotsPerMeterX(kDotsPerMeter);
    out.setDotsPerMeterY(kDotsPerMeter);
    for (int y = 0; y < height_; ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(image_.constScanLine(y * scale_));
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width_; ++x) dst[x] = src[x * scale_];
    }
    return out;
}

void QImageCanvas::setPixel(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    const QRgb rgb = qRgb(int(colourRed(c)), int(colourGreen(c)), int(colourBlue(c)));
    for (int row = y * scale_; row < (y + 1) * scale_; ++row) {
        QRgb* px = reinterpret_cast<QRgb*>(image_.scanLine(row)) + x * scale_;
        std::fill(px, px + scale_, rgb);
    }
}

Colour QImageCanvas::getPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return Colours::White;
    return fromQRgb(reinterpret_cast<const QRgb*>(image_.constScanLine(y * scale_))[x * scale_]);
}

void QImageCanvas::moveTo(int x, int y) { penPos_ = {x, y}; }

void QImageCanvas::lineTo(int x, int y) {
    const PixelPoint from = penPos_;
    penPos_ = {x, y};
    if (attr_.pen.style == PenStyles::Clear) return;
    if (attr_.pen.width > 1) {
        stroke([&](QPainter& p) { p.drawLine(from.x, from.y, x, y); });
        return;
    }
    drawThinLine(from, {x, y});
}

namespace {

// On/off run lengths, in pixels along the major axis, of the one-pixel styles.
struct DashPattern {
    int runs[6];
    int count;
};
const DashPattern* patternOf(PenStyle style) {
    static const DashPattern dash{{4, 2}, 2};
    static const DashPattern dot{{1, 2}, 2};
    static const DashPattern dashDot{{4, 2, 1, 2}, 4};
    static const DashPattern dashDotDot{{4, 2, 1, 2, 1, 2}, 6};
    switch (style) {
    case PenStyles::Dash: return &dash;
    case PenStyles::Dot: return &dot;
    case PenStyles::DashDot: return &dashDot;
    case PenStyles::DashDotDot: return &dashDotDot;
    default: return nullptr;
    }
}

}  // namespace

// One-pixel lines are rasterised here rather than by QPainter: a line
// covers its start pixel and every pixel up to, but not including, its end
// pixel, as the platform canvases this picture is modelled on do, and the
// direct writes are several times faster than the painter's per-pixel spans.
// Each step along the major axis sets one pixel; the minor coordinate is the
// exact rounding of the ideal line through the pixel centres, halves rounded
// away from the start. Only the part inside the image is walked.
//
// Above scale 1 the walk runs over the device pixels of the same picture
// pixels along the major axis, and at each one sets a run of `scale` device
// pixels across it, centred on the ideal line: the line stays one picture
// pixel thick but steps by single device pixels. At scale 1 this is exactly
// the walk above.
void QImageCanvas::drawThinLine(PixelPoint from, PixelPoint to) {
    const std::int64_t scale = scale_;
    const std::int64_t dx = std::int64_t(to.x) - from.x;
    const std::int64_t dy = std::int64_t(to.y) - from.y;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t steps = xMajor ? std::llabs(dx) : std::llabs(dy);  // picture pixels
    if (steps == 0) return;  // the only pixel is the end pixel
    const int majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const int minorSign = minorDelta < 0 ? -1 : 1;
    const std::int64_t minorAbs = std::llabs(minorDelta);
    // Device pixel of step 0: the first one of the start pixel in the
    // direction of travel; the run across starts at the start pixel's first.
    const std::int64_t major0 = (xMajor ? from.x : from.y) * scale + (majorSign < 0 ? scale - 1 : 0);
    const std::int64_t minor0 = (xMajor ? from.y : from.x) * scale;
    const std::int64_t majorLimit = (xMajor ? image_.width() : image_.height()) - 1;
    const std::int64_t minorLimit = (xMajor ? image_.height() : image_.width()) - 1;

    // Device steps t in [0, scale * steps) whose major coordinate lies inside the image.
    std::int64_t tFirst = 0, tLast = scale * steps - 1;
    if (majorSign > 0) {
        tFirst = std::max<std::int64_t>(tFirst, -major0);
        tLast = std::min<std::int64_t>(tLast, majorLimit - major0);
    } else {
        tFirst = std::max<std::int64_t>(tFirst, major0 - majorLimit);
        tLast = std::min<std::int64_t>(tLast, major0);
    }
    if (tFirst > tLast) return;

    const PenMode mode = penMode_;
    const QRgb ink = qRgb(int(colourRed(attr_.pen.colour)), int(colourGreen(attr_.pen.colour)),
                          int(colourBlue(attr_.pen.colour)));
    const DashPattern* pattern = patternOf(attr_.pen.style);
    // With a solid brush the gaps of a styled line take the brush colour.
    const bool opaqueGaps = pattern && mode == PenMode::Copy &&
                            toQtBrushStyle(attr_.brush.style) == Qt::SolidPattern;
    const QRgb gap = qRgb(int(colourRed(attr_.brush.colour)), int(colourGreen(attr_.brush.colour)),
                          int(colourBlue(attr_.brush.colour)));
    int period = 0;
    if (pattern)
        for (int i = 0; i < pattern->count; ++i) period += pattern->runs[i];

    // Device step t lies (2t + 1 - scale) / 2 device pixels from the start
    // pixel's centre along the major axis; the run across is offset by
    // floor(that * |d| / steps + 1/2) = floor(((2t + 1 - scale) |d| + steps) / (2 steps)),
    // carried incrementally from tFirst on.
    const std::int64_t twoSteps = 2 * steps;
    const std::int64_t num = (2 * tFirst + 1 - scale) * minorAbs + steps;
    std::int64_t minorOffset = num >= 0 ? num / twoSteps : -((-num + twoSteps - 1) / twoSteps);
    std::int64_t rem = num - minorOffset * twoSteps;
    const std::int64_t bytesPerLine = image_.bytesPerLine() / 4;
    QRgb* bits = reinterpret_cast<QRgb*>(image_.bits());

    for (std::int64_t t = tFirst; t <= tLast; ++t) {
        const std::int64_t major = major0 + majorSign * t;
        const std::int64_t runStart = minor0 + minorSign * minorOffset;
        const std::int64_t minorFirst = std::max<std::int64_t>(runStart, 0);
        const std::int64_t minorLast = std::min(runStart + scale - 1, minorLimit);
        if (minorFirst <= minorLast) {
            bool on = true;
            if (pattern) {
                int phase = int((t / scale) % period);
                int i = 0;
                while (phase >= pattern->runs[i]) phase -= pattern->runs[i++];
                on = (i % 2) == 0;
            }
            for (std::int64_t minor = minorFirst; minor <= minorLast; ++minor) {
                QRgb* px = xMajor ? bits + minor * bytesPerLine + major : bits + major * bytesPerLine + minor;
                if (on)
                    *px = mode == PenMode::Not ? (~*px | 0xFF000000u) : ink;
                else if (opaqueGaps)
                    *px = gap;
            }
        }
        rem += 2 * minorAbs;
        while (rem >= twoSteps) {
            rem -= twoSteps;
            ++minorOffset;
        }
    }
}

void QImageCanvas::polygon(std::span<const PixelPoint> points) {
    if (points.empty()) return;
    QPainter& p = painter();
    QVarLengthArray<QPoint, 16> qpts;
    for (const PixelPoint& pt : points) qpts.append(QPoint(pt.x, pt.y));
    const auto draw = [&](QPainter& painter) {
        painter.drawPolygon(qpts.constData(), int(qpts.size()), Qt::OddEvenFill);
    };
    const BrushStyle style = attr_.brush.style;
    const bool hatched = style >= BrushStyles::Horizontal && style <= BrushStyles::DiagCross;
    if (hatched && penMode_ == PenMode::Copy) {
        // Qt fills pattern brushes through a blended texture, several times
        // slower than touching only the hatch pixels; hatched planes are the
        // bulk of a busy picture.
        fillHatched(points);
        p.setBrush(Qt::NoBrush);
        paintShape(points, draw);
        p.setBrush(brush_);
        return;
    }
    paintShape(points, draw);
}

// Hatch lines are one picture pixel thick, 8 picture pixels apart; the walk
// runs over device pixels, so above scale 1 the diagonals step by single
// device pixels like the thin lines.
void QImageCanvas::fillHatched(std::span<const PixelPoint> picturePoints) {
    const int n = int(picturePoints.size());
    if (n < 3) return;
    const int scale = scale_;
    const int period = 8 * scale;
    QVarLengthArray<PixelPoint, 16> points;
    for (const PixelPoint& pt : picturePoints) points.append({pt.x * scale, pt.y * scale});
    int top = picturePoints[0].y * scale, bottom = top;
    for (const PixelPoint& pt : points) {
        top = std::min(top, pt.y);
        bottom = std::max(bottom, pt.y);
    }
    top = std::max(top, 0);
    bottom = std::min(bottom, image_.height() - 1);
    const int width = image_.width();
    const BrushStyle style = attr_.brush.style;
    const QRgb colour = qRgb(int(colourRed(attr_.brush.colour)), int(colourGreen(attr_.brush.colour)),
                             int(colourBlue(attr_.brush.colour)));
    const bool horizontal = style == BrushStyles::Horizontal || style == BrushStyles::Cross;
    const bool vertical = style == BrushStyles::Vertical || style == BrushStyles::Cross;
    const bool forward = style == BrushStyles::FDiagonal || style == BrushStyles::DiagCross;
    const bool backward = style == BrushStyles::BDiagonal || style == BrushStyles::DiagCross;

    QVarLengthArray<double, 16> xs;
    for (int y = top; y <= bottom; ++y) {
        // Even-odd spans of the pixel centres on this row.
        const double cy = y + 0.5;
        xs.clear();
        for (int i = 0; i < n; ++i) {
            const PixelPoint a = points[i];
            const PixelPoint b = points[(i + 1) % n];
            if ((a.y <= cy) == (b.y <= cy)) continue;
            xs.append(a.x + (cy - a.y) * double(b.x - a.x) / double(b.y - a.y));
        }
        std::sort(xs.begin(), xs.end());
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        const bool fullRow = horizontal && mod(y, period) < scale;
        for (qsizetype k = 0; k + 1 < xs.size(); k += 2) {
            // Pixels whose centre x + 0.5 lies in [xs[k], xs[k+1]).
            const int x0 = std::max(int(std::ceil(xs[k] - 0.5)), 0);
            const int x1 = std::min(int(std::ceil(xs[k + 1] - 0.5)) - 1, width - 1);
            if (x0 > x1) continue;
            if (fullRow) {
                std::fill(row + x0, row + x1 + 1, colour);
                continue;
            }
            // The pixels x in [x0, x1] with (x - first) mod period < scale.
            const auto mark = [&](int first) {
                for (int j = 0; j < scale; ++j)
                    for (int x = x0 + mod(first + j - x0, period); x <= x1; x += period) row[x] = colour;
            };
            if (vertical) mark(0);                // x mod 8 = 0
            if (forward) mark(y - scale + 1);     // (y - x) mod 8 = 0
            if (backward) mark(-y);               // (x + y) mod 8 = 0
        }
    }
}

void QImageCanvas::ellipse(int x1, int y1, int x2, int y2) {
    const int l = std::min(x1, x2), r = std::max(x1, x2);
    const int t = std::min(y1, y2), b = std::max(y1, y2);
    if (r - l < 1 || b - t < 1) return;
    paintShape({}, [&](QPainter& p) { p.drawEllipse(l, t, r - l - 1, b - t - 1); });
}

void QImageCanvas::rectangle(int x1, int y1, int x2, int y2) {
    const int l = std::min(x1, x2), r = std::max(x1, x2);
    const int t = std::min(y1, y2), b = std::max(y1, y2);
    if (r - l < 1 || b - t < 1) return;
    paintShape({}, [&](QPainter& p) { p.drawRect(l, t, r - l - 1, b - t - 1); });
}

void QImageCanvas::textOut(int x, int y, const std::string& text) {
    QPainter& p = painter();
    if (fontChanged_) applyFont();
    if (!fontOnPainter_) {
        p.setFont(font_);
        fontOnPainter_ = true;
    }
    p.setPen(toQColor(attr_.font.colour));
    // Text is never inverted, whatever the pen mode.
    if (penMode_ == PenMode::Not) p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawText(QPoint(x, y + fontAscent_), QString::fromStdString(text));
    penChanged_ = true;  // the text colour replaced the pen
}

void QImageCanvas::copyRect(int destX, int destY, int x1, int y1, int x2, int y2) {
    const QRect source = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                               QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
    if (source.isEmpty()) return;
    QPainter& p = painter();
    QImage piece = image_.copy(QRect(source.topLeft() * scale_, source.size() * scale_));
    piece.setDevicePixelRatio(scale_);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(destX, destY), piece);
    p.restore();
}

PixelPoint QImageCanvas::textExtent(const std::string& text) {
    if (fontChanged_) applyFont();
    const QFontMetrics fm(font_, &image_);
    return {fm.horizontalAdvance(QString::fromStdString(text)), fm.height()};
}
