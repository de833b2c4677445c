#pragma once
// The picture as a list of drawing calls. The main window draws through a
// PictureRecorder: every call goes on to the screen canvas unchanged and is
// kept, together with the attributes in force, until the next reset. An
// export replays the kept calls onto a canvas of its own, so it shows
// exactly what the screen shows (objects, title texts, texts placed with
// the text mode) at any resolution, without drawing the scene again.
#include <span>

#include "core/canvas/RecordingCanvas.h"

class PictureRecorder : public RecordingCanvas {
public:
    explicit PictureRecorder(Canvas& screen);

    // Starts a new picture: the kept calls are dropped.
    void reset(int left, int top, int width, int height) override;
    void setPixel(int x, int y, Colour c) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void polygon(std::span<const PixelPoint> points) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const std::string& text) override;
    PixelPoint textExtent(const std::string& text) override;

private:
    // The screen canvas with this canvas's attributes.
    Canvas& screen();

    Canvas& screen_;
};

// Draws the calls onto target in order, each with the attributes recorded
// for it. An object whose BeginObject/EndObject pair encloses no drawing is
// left out; an object still open at the end is closed.
void replayCalls(std::span<const CanvasCall> calls, Canvas& target);
