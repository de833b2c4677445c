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
    void Reset(int left, int top, int width, int height) override;
    void SetPixel(int x, int y, Colour c) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polygon(std::span<const PixelPoint> points) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;
    PixelPoint TextExtent(const std::string& text) override;

private:
    // The screen canvas with this canvas's attributes.
    Canvas& Screen();

    Canvas& screen_;
};

// Draws the calls onto target in order, each with the attributes recorded
// for it. An object whose BeginObject/EndObject pair encloses no drawing is
// left out; an object still open at the end is closed.
void ReplayCalls(std::span<const CanvasCall> calls, Canvas& target);
