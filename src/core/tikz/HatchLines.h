#pragma once
// The hatching of a filled polygon as line segments, for the outputs that
// draw lines rather than pixels (vector files, high-resolution images,
// printing). The lines are those the screen hatches: every kHatchSpacing-th
// row, column or diagonal of the picture, so an export shows the hatch
// exactly where the screen does, at any scale.
#include <span>
#include <vector>

#include "core/canvas/CanvasTypes.h"

// Distance between neighbouring hatch lines along the picture's rows or
// columns, in picture pixels.
constexpr int kHatchSpacing = 8;

// Picture coordinates in pixels; (x, y) is the centre of pixel (x, y).
struct HatchSegment {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

// The rectangle left..right x top..bottom (inclusive) of picture coordinates.
struct HatchClip {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The hatch lines of the brush style inside the polygon (even-odd rule, the
// corners joined in order), cut to the clip rectangle: rows y = 8k for
// horizontal, columns x = 8k for vertical, x - y = 8k for the forward
// diagonal ("\" on the screen), x + y = 8k for the backward diagonal ("/"),
// both pairs for the crosses. Each segment runs from one crossing of the
// outline to the next. Nothing for solid and clear brushes or for fewer than
// three corners.
std::vector<HatchSegment> hatchLines(std::span<const PixelPoint> polygon, BrushStyle style,
                                     const HatchClip& clip);

// Cuts the segment to the clip rectangle; false when nothing of it is
// inside.
bool clipSegment(HatchSegment& segment, const HatchClip& clip);
