#include "plot/PlotImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "plot/QImageCanvas.h"

namespace {

constexpr Qt::KeyboardModifiers kBlockingModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

ImageMouseEvent Convert(const QMouseEvent* e, bool doubleClick) {
    ImageMouseEvent out;
    const QPoint p = e->position().toPoint();
    out.x = p.x();
    out.y = p.y();
    out.button = e->button();
    out.buttons = e->buttons();
    out.modifiers = e->modifiers();
    out.doubleClick = doubleClick;
    return out;
}

// Whole device pixels per picture pixel: a fractional ratio such as 1.5
// gets the next whole scale and the painter scales the picture down.
int DeviceScaleFor(qreal ratio) {
    return std::max(int(std::ceil(ratio - 0.01)), 1);
}

}  // namespace

bool ImageMouseEvent::counts(Qt::MouseButton which) const {
    return buttons == Qt::MouseButtons(which) && !(modifiers & kBlockingModifiers) && !doubleClick;
}

PlotImage::PlotImage(QImageCanvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
    setObjectName("Image1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);  // cursor and hint follow every move
}

void PlotImage::useScreenResolution() { canvas_.setDeviceScale(DeviceScaleFor(devicePixelRatioF())); }

void PlotImage::paintEvent(QPaintEvent* event) {
    // A window moved to a screen of another ratio shows the resampled
    // picture until the next redraw draws it at the new resolution.
    useScreenResolution();
    QPainter p(this);
    const QImage& image = canvas_.image();
    const int scale = canvas_.deviceScale();
    const QRect area = event->rect();
    const QRect picture(0, 0, canvas_.Width(), canvas_.Height());
    // Whatever the picture does not cover stays white, like an empty image.
    if (!picture.contains(area))
        p.fillRect(area, Qt::white);
    if (devicePixelRatioF() != scale)
        p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect shown = area.intersected(picture);
    p.drawImage(shown, image, QRect(shown.topLeft() * scale, shown.size() * scale));
}

void PlotImage::mousePressEvent(QMouseEvent* event) { emit mouseDown(Convert(event, false)); }

void PlotImage::mouseDoubleClickEvent(QMouseEvent* event) { emit mouseDown(Convert(event, true)); }

void PlotImage::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(Convert(event, false)); }

void PlotImage::mouseReleaseEvent(QMouseEvent* event) { emit mouseUp(Convert(event, false)); }
