#include "core/render/PointDrawing.h"

#include "core/geometry/VectorOps.h"
#include "core/canvas/Projection.h"

PathFill pathFillFor(const std::string& name) {
    if (name == "Syz") return {0x00FF88FF, BrushStyles::FDiagonal};
    if (name == "Sxz") return {0x00FFFF88, BrushStyles::BDiagonal};
    return {Colours::Silver, BrushStyles::FDiagonal};
}

namespace {

void drawCoordinatePath(Canvas& canvas, const ViewState& view, const Vector3& p) {
    // The foot in the xy-plane; a point in the xz- or yz-plane is its own
    // foot, so its rectangle lies in that plane instead.
    const bool onYz = p.x == 0;
    const bool onXz = p.y == 0;
    const Vector3 foot = (onYz || onXz) ? p : projectToCoordinatePlane("xy", p);
    Vector3 alongX = projectToCoordinatePlane("xz", foot);
    Vector3 alongY = projectToCoordinatePlane("yz", foot);
    if (onYz) alongY = projectToCoordinatePlane("xy", p);
    if (onXz) alongX = projectToCoordinatePlane("xy", p);

    if (p.z != 0 && !(onYz && onXz) && view.hatchSurfaces) {
        const PathFill fill = pathFillFor(p.name);
        const Vector3 origin{};
        fillQuad3D(canvas, view, foot, alongX, origin, alongY, fill.colour, fill.style);
    }
    drawSegment3D(canvas, view, p, foot, p.color, true);
    drawSegment3D(canvas, view, foot, alongX, p.color, true);
    drawSegment3D(canvas, view, foot, alongY, p.color, true);
}

}  // namespace

void drawPoint(Canvas& canvas, const ViewState& view, const Vector3& p) {
    const PixelPoint at = pointToPixel(p, view);
    drawPointMarker(canvas, at.x, at.y, view.pointMarkerSize, p.color, Colours::White, 2,
                    PenStyles::Solid, BrushStyles::Solid);
    if (p.coordinatePaths) drawCoordinatePath(canvas, view, p);
    // A fixed white box keeps every label readable; otherwise its background
    // would be whatever colour the last fill happened to leave behind.
    canvas.setBrushColour(Colours::White);
    drawText(canvas, at.x + kPointLabelDx, at.y + kPointLabelDy, p.name, "",
             view.pointLabelSize, p.color, FontStyles::Bold, BrushStyles::Solid);
}

void drawNamedPoint(Canvas& canvas, const ViewState& view, const Vector3& p, ObjectKind kind) {
    const std::string word = kind == ObjectKind::TracePoint ? "Spurpunkt" : "Punkt";
    const CanvasObject object(canvas, kind, p.name.empty() ? word : word + " " + p.name);
    drawPoint(canvas, view, p);
}
