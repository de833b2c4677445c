#include "gui/widgets/ColourPanel.h"

#include <QMouseEvent>
#include <QPainter>

QColor toQColor(Colour colour) {
    return QColor(int(colourRed(colour)), int(colourGreen(colour)), int(colourBlue(colour)));
}

Colour fromQColor(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return makeColour(unsigned(rgb.red()), unsigned(rgb.green()), unsigned(rgb.blue()));
}

ColourPanel::ColourPanel(Colour colour, QWidget* parent) : QFrame(parent), colour_(colour) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(18, 18);
}

void ColourPanel::setColour(Colour colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
    emit colourChanged(colour);
}

void ColourPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QFrame::mouseReleaseEvent(event);
}

void ColourPanel::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), toQColor(colour_));
    }
    QFrame::paintEvent(event);
}
