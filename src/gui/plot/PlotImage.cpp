#include "gui/plot/PlotImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "gui/canvas/QImageCanvas.h"

namespace {

constexpr Qt::KeyboardModifiers kBlockingModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

// Whole device pixels per picture pixel: a fractional ratio such as 1.5
// gets the next whole scale and the painter scales the picture down.
int deviceScaleFor(qreal ratio) {
    return std::max(int(std::ceil(ratio - 0.01)), 1);
}

}  // namespace

// Widget pixel i covers the picture from i * picture / shown to
// (i + 1) * picture / shown; the picture pixel under its centre is taken.
int picturePixelAt(double widgetPos, int shown, int picture) {
    return int(std::floor((widgetPos + 0.5) * picture / shown));
}

// The widget pixel whose centre lies over the picture pixel's centre, so
// picturePixelAt gives back every widget pixel it is handed.
int widgetPixelOf(int picturePixel, int shown, int picture) {
    return int(std::floor((picturePixel + 0.5) * shown / picture));
}

bool ImageMouseEvent::counts(Qt::MouseButton which) const {
    return buttons == Qt::MouseButtons(which) && !(modifiers & kBlockingModifiers) && !doubleClick;
}

PlotImage::PlotImage(QImageCanvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
    setObjectName("Image1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);  // cursor and hint follow every move
}

void PlotImage::useScreenResolution() { canvas_.setDeviceScale(deviceScaleFor(devicePixelRatioF())); }

QRect PlotImage::shownRect() const {
    const QSize picture(canvas_.width(), canvas_.height());
    if (width() >= picture.width() && height() >= picture.height())
        return QRect(QPoint(0, 0), picture);
    return QRect(QPoint(0, 0), picture.scaled(size(), Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
}

QPoint PlotImage::toPicture(QPointF widgetPos) const {
    const QSize shown = shownRect().size();
    return {picturePixelAt(widgetPos.x(), shown.width(), canvas_.width()),
            picturePixelAt(widgetPos.y(), shown.height(), canvas_.height())};
}

QPoint PlotImage::toWidget(QPoint picturePixel) const {
    const QSize shown = shownRect().size();
    return {widgetPixelOf(picturePixel.x(), shown.width(), canvas_.width()),
            widgetPixelOf(picturePixel.y(), shown.height(), canvas_.height())};
}

ImageMouseEvent PlotImage::convert(const QMouseEvent* e, bool doubleClick) const {
    ImageMouseEvent out;
    const QPoint p = toPicture(e->position());
    out.x = p.x();
    out.y = p.y();
    out.button = e->button();
    out.buttons = e->buttons();
    out.modifiers = e->modifiers();
    out.doubleClick = doubleClick;
    return out;
}

void PlotImage::paintEvent(QPaintEvent* event) {
    // A window moved to a screen of another ratio shows the resampled
    // picture until the next redraw draws it at the new resolution.
    useScreenResolution();
    QPainter p(this);
    const QImage& image = canvas_.image();
    const int scale = canvas_.deviceScale();
    const QRect area = event->rect();
    const QRect picture = shownRect();
    // Whatever the picture does not cover stays white, like an empty image.
    if (!picture.contains(area))
        p.fillRect(area, Qt::white);
    if (picture.width() < canvas_.width()) {
        // Shrunk to a small screen: the whole picture, smoothly scaled.
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(picture, image);
        return;
    }
    if (devicePixelRatioF() != scale)
        p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect shown = area.intersected(picture);
    p.drawImage(shown, image, QRect(shown.topLeft() * scale, shown.size() * scale));
}

void PlotImage::mousePressEvent(QMouseEvent* event) { emit mouseDown(convert(event, false)); }

void PlotImage::mouseDoubleClickEvent(QMouseEvent* event) { emit mouseDown(convert(event, true)); }

void PlotImage::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(convert(event, false)); }

void PlotImage::mouseReleaseEvent(QMouseEvent* event) { emit mouseUp(convert(event, false)); }
