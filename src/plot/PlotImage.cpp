#include "plot/PlotImage.h"

#include <QMouseEvent>
#include <QPainter>

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

}  // namespace

bool ImageMouseEvent::counts(Qt::MouseButton which) const {
    return buttons == Qt::MouseButtons(which) && !(modifiers & kBlockingModifiers) && !doubleClick;
}

PlotImage::PlotImage(QImageCanvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
    setObjectName("Image1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);  // cursor and hint follow every move
}

void PlotImage::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QImage& image = canvas_.image();
    // Whatever the picture does not cover stays white, like an empty image.
    if (!image.rect().contains(event->rect()))
        p.fillRect(event->rect(), Qt::white);
    p.drawImage(event->rect().topLeft(), image, event->rect());
}

void PlotImage::mousePressEvent(QMouseEvent* event) { emit mouseDown(Convert(event, false)); }

void PlotImage::mouseDoubleClickEvent(QMouseEvent* event) { emit mouseDown(Convert(event, true)); }

void PlotImage::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(Convert(event, false)); }

void PlotImage::mouseReleaseEvent(QMouseEvent* event) { emit mouseUp(Convert(event, false)); }
