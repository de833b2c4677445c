#pragma once
// The widget Image1: shows the plot picture at the screen's resolution and
// reports mouse presses, moves and releases in picture pixel coordinates.
// A widget smaller than the picture shows it scaled down into the largest
// square that fits; the picture itself keeps its size.
#include <QRect>
#include <QWidget>

class QImageCanvas;

// One mouse event of the image, reduced to what the mouse modes need.
struct ImageMouseEvent {
    int x = 0;                  // pixel column relative to the image
    int y = 0;                  // pixel row relative to the image
    Qt::MouseButton button = Qt::NoButton;   // the button pressed/released
    Qt::MouseButtons buttons;   // buttons held (after the event)
    Qt::KeyboardModifiers modifiers;
    bool doubleClick = false;   // second press of a double click

    // Only this button is down, no shift/control/alt, not a double click.
    bool counts(Qt::MouseButton which) const;
};

// Between the picture's pixels and the positions of a square of `shown`
// widget pixels that displays `picture` pixels (shown <= picture). A widget
// position names the pixel under it; equal sizes map one to one.
int picturePixelAt(double widgetPos, int shown, int picture);
int widgetPixelOf(int picturePixel, int shown, int picture);

class PlotImage : public QWidget {
    Q_OBJECT
public:
    PlotImage(QImageCanvas& canvas, QWidget* parent = nullptr);

    // Gives the canvas as many device pixels per picture pixel as the
    // screen has (2 at a device pixel ratio of 2). Run before the first
    // drawing; painting runs it again when the window changes screens.
    void useScreenResolution();

    // Where the picture is shown: the top left square of the widget, as
    // large as the picture or as the widget allows.
    QRect shownRect() const;
    // The picture pixel under a widget position, and a widget position over
    // a picture pixel: what every mouse event goes through.
    QPoint toPicture(QPointF widgetPos) const;
    QPoint toWidget(QPoint picturePixel) const;

signals:
    void mouseDown(const ImageMouseEvent& event);
    void mouseMoved(const ImageMouseEvent& event);
    void mouseUp(const ImageMouseEvent& event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ImageMouseEvent convert(const QMouseEvent* e, bool doubleClick) const;

    QImageCanvas& canvas_;
};
