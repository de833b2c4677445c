#pragma once
// The canvas of the screen's picture: a Canvas whose pixels exist, so they
// can be read, copied and inverted. The mouse's rubber band and the marked
// part of the picture need that; pictures and exports never do, so the
// vector canvases have none of it.
#include "core/canvas/Canvas.h"

// Copy paints the pen colour; Not inverts the destination pixels the pen
// touches (so drawing the same figure twice restores the picture).
enum class PenMode { Copy, Not };

class ScreenCanvas : public Canvas {
public:
    // Pixels outside the picture read as white.
    virtual Colour getPixel(int x, int y) const = 0;
    // Copies the pixels of source (x1, y1)-(x2, y2) (right/bottom excluded)
    // so that its top-left corner lands at (destX, destY).
    virtual void copyRect(int destX, int destY, int x1, int y1, int x2, int y2) = 0;

    // How the pen's lines and outlines meet the pixels. Text is never
    // inverted. Reset returns it to Copy.
    PenMode currentPenMode() const { return penMode_; }
    void setPenMode(PenMode m) { set(penMode_, m, penChanged_); }

protected:
    // Canvas::resetAttributes and the copying pen.
    void resetAttributes() {
        Canvas::resetAttributes();
        penMode_ = PenMode::Copy;
    }

    PenMode penMode_ = PenMode::Copy;
};
