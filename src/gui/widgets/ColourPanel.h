#pragma once
// A coloured panel that the user clicks to choose a colour. It takes no
// keyboard focus, so clicking it does not commit the field being edited.
#include <QFrame>

#include "core/geometry/Colour.h"

class ColourPanel : public QFrame {
    Q_OBJECT

public:
    explicit ColourPanel(Colour colour, QWidget* parent = nullptr);

    Colour colour() const { return colour_; }
    void setColour(Colour colour);

signals:
    void clicked();
    // The panel shows another colour (set by the program or a dialog).
    void colourChanged(Colour colour);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Colour colour_;
};

QColor toQColor(Colour colour);
Colour fromQColor(const QColor& colour);
