#pragma once
// The three mouse cursors of the plot image, 32 x 32 monochrome, drawn at
// run time: a hand for panning, a cross-hair with four arrows for marking a
// part of the picture, and a large letter T for placing text.
#include <QBitmap>
#include <QCursor>
#include <QPoint>

enum class ImageCursor { Pan, Marking, Text };

// Hot spots: hand (8, 3), cross-hair (14, 12), T (9, 12).
QPoint cursorHotSpot(ImageCursor which);

// The shape (black where set) and the mask (opaque where set).
QBitmap cursorShape(ImageCursor which);
QBitmap cursorMask(ImageCursor which);

QCursor makeImageCursor(ImageCursor which);
