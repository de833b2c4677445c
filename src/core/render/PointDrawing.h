#pragma once
// A labelled point of space: marker, optional coordinate path, name.
#include "core/geometry/Vector3.h"
#include "core/canvas/Canvas.h"
#include "core/canvas/ViewState.h"

// Offset of a point's label from the marker's centre, in pixels.
constexpr int kPointLabelDx = 6;
constexpr int kPointLabelDy = -17;

// Fill colour and brush style of the rectangle of a coordinate path, chosen
// by an exact, case-sensitive comparison of the point's name so that the
// trace points "Syz" and "Sxz" of a line stand out.
struct PathFill {
    Colour colour;
    BrushStyle style;
};
PathFill pathFillFor(const std::string& name);

// Draws p: a white disc with a two-pixel rim in p.color, then (when
// p.coordinatePaths) the dotted path to the axes with its hatched rectangle,
// then the name 6 pixels right of and 17 above the centre. The label always
// sits on a white box, whatever an earlier fill left in the canvas.
void drawPoint(Canvas& canvas, const ViewState& view, const Vector3& p);

// drawPoint as one object of the picture of the kind Point or TracePoint,
// named "<kind> <name>" ("Punkt A", "Spurpunkt Sxy").
void drawNamedPoint(Canvas& canvas, const ViewState& view, const Vector3& p,
                    ObjectKind kind = ObjectKind::Point);
