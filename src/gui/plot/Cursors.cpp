#include "gui/plot/Cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace {

constexpr int kSize = 32;

// Draws the figure of one cursor with the given pen/brush colour; used once
// for the black shape and once, widened, for the white outline of the mask.
void drawFigure(QPainter& p, ImageCursor which, bool outline) {
    const int grow = outline ? 1 : 0;
    QPen pen(Qt::color1);
    pen.setWidth(1 + 2 * grow);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::color1);

    switch (which) {
    case ImageCursor::Pan: {
        // An open hand pointing up: index finger tip at the hot spot (8, 3).
        QPainterPath hand;
        hand.addRoundedRect(6, 2, 5, 14, 2, 2);    // index finger
        hand.addRoundedRect(11, 5, 5, 12, 2, 2);   // middle finger
        hand.addRoundedRect(16, 7, 5, 11, 2, 2);   // ring finger
        hand.addRoundedRect(21, 10, 4, 9, 2, 2);   // little finger
        hand.addRoundedRect(6, 14, 19, 12, 4, 4);  // palm
        QPolygon thumb;
        thumb << QPoint(7, 16) << QPoint(2, 11) << QPoint(0, 13) << QPoint(5, 22) << QPoint(8, 24);
        hand.addPolygon(thumb);
        if (outline) {
            p.drawPath(hand.simplified());
        } else {
            p.setBrush(Qt::color0);  // hollow hand: outline only
            p.drawPath(hand.simplified());
        }
        break;
    }
    case ImageCursor::Marking: {
        // Cross-hair centred on (14, 12) with a small arrow head at each end.
        const int cx = 14, cy = 12;
        p.drawLine(cx, cy - 10, cx, cy + 10);
        p.drawLine(cx - 10, cy, cx + 10, cy);
        const QPolygon up({QPoint(cx, cy - 11), QPoint(cx - 3, cy - 7), QPoint(cx + 3, cy - 7)});
        const QPolygon down({QPoint(cx, cy + 11), QPoint(cx - 3, cy + 7), QPoint(cx + 3, cy + 7)});
        const QPolygon left({QPoint(cx - 11, cy), QPoint(cx - 7, cy - 3), QPoint(cx - 7, cy + 3)});
        const QPolygon right({QPoint(cx + 11, cy), QPoint(cx + 7, cy - 3), QPoint(cx + 7, cy + 3)});
        for (const QPolygon* arrow : {&up, &down, &left, &right})
            p.drawPolygon(*arrow);
        break;
    }
    case ImageCursor::Text: {
        // A large serif T whose stem crosses (9, 12).
        p.drawRect(1, 2, 16, 2);    // bar
        p.drawRect(1, 2, 1, 5);     // left serif
        p.drawRect(16, 2, 1, 5);    // right serif
        p.drawRect(8, 2, 2, 20);    // stem
        p.drawRect(5, 21, 8, 1);    // foot
        break;
    }
    }
}

QBitmap renderBitmap(ImageCursor which, bool outline) {
    QBitmap bitmap(kSize, kSize);
    bitmap.clear();
    QPainter p(&bitmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    drawFigure(p, which, outline);
    return bitmap;
}

}  // namespace

QPoint cursorHotSpot(ImageCursor which) {
    switch (which) {
    case ImageCursor::Pan: return {8, 3};
    case ImageCursor::Marking: return {14, 12};
    case ImageCursor::Text: return {9, 12};
    }
    return {0, 0};
}

QBitmap cursorShape(ImageCursor which) { return renderBitmap(which, false); }

// The figure drawn one pixel wider and filled: covers the shape and gives it
// a white rim, so the cursor stays visible on any colour.
QBitmap cursorMask(ImageCursor which) { return renderBitmap(which, true); }

QCursor makeImageCursor(ImageCursor which) {
    const QPoint hot = cursorHotSpot(which);
    return QCursor(cursorShape(which), cursorMask(which), hot.x(), hot.y());
}
