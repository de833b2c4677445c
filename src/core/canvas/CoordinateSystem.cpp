// The coordinate system and its decorations. Everything is placed with
// PointToPixel except the background raster, which lies in the image plane.
#include "core/canvas/CoordinateSystem.h"

#include <cmath>
#include <string>

#include "core/geometry/VectorOps.h"
#include "core/numbers/NumberTools.h"
#include "core/canvas/Projection.h"

namespace {

// Tick numbers are i S rounded to one decimal, halves to even.
std::string TickNumber(Real value) {
    return NumberText(std::nearbyint(value / 0.1L) * 0.1L);
}

struct AxisLayout {
    int index;            // 0 x, 1 y, 2 z
    bool verticalTick;    // the y axis carries vertical ticks
    PixelPoint posShift;  // number offset on the positive side
    PixelPoint negShift;  // ... and on the negative side
};

constexpr AxisLayout kAxes[3] = {
    {0, false, {11, -4}, {9, -4}},
    {1, true, {-6, 4}, {-8, 4}},
    {2, false, {-18, -8}, {-21, -8}},
};

Vector3 OnAxis(int index, Real value) {
    return MakeVector(index == 0 ? value : 0, index == 1 ? value : 0, index == 2 ? value : 0);
}

void DrawTick(Canvas& canvas, const ViewState& view, const AxisLayout& axis, int i,
              const PixelPoint& shift) {
    const Real S = view.zoomScale;
    const PixelPoint px = PointToPixel(OnAxis(axis.index, i * S), view);
    if (axis.verticalTick)
        DrawLine(canvas, px.x, px.y - 5, px.x, px.y + 5, Colours::Black, 1, PenStyles::Solid);
    else
        DrawLine(canvas, px.x - 5, px.y, px.x + 5, px.y, Colours::Black, 1, PenStyles::Solid);
    if (i % 2 == 0)
        DrawText(canvas, px.x + shift.x, px.y + shift.y, TickNumber(i * S), "Arial",
                 view.tickLabelSize, Colours::Black, FontStyles::Bold, BrushStyles::Solid);
}

void DrawAxes(Canvas& canvas, const ViewState& view) {
    const ViewControls& c = view.controls;
    const Real L = view.axisLength;
    const Real S = view.zoomScale;
    const bool onlyPositive = c.axesOnlyPositive;

    const Vector3 O = MakeVector(0, 0, 0);
    DrawArrow3D(canvas, view, onlyPositive ? O : MakeVector(-0.6L * L, 0, 0), MakeVector(1.05L * L, 0, 0),
                Colours::Black, 1, false);
    DrawArrow3D(canvas, view, onlyPositive ? O : MakeVector(0, -0.6L * L, 0), MakeVector(0, L, 0),
                Colours::Black, 1, false);
    DrawArrow3D(canvas, view, onlyPositive ? O : MakeVector(0, 0, -0.6L * L), MakeVector(0, 0, L),
                Colours::Black, 1, false);

    Real zLetter = 1.035L;
    if (c.shrink075) zLetter = 1.05L;
    if (c.shrink05) zLetter = 1.06L;
    if (c.shrink025) zLetter = 1.12L;
    DrawLabel3D(canvas, view, MakeVector(1.06L * L, 0, 0), Colours::Black, 9, "x");
    DrawLabel3D(canvas, view, MakeVector(0, 1.01L * L, 0), Colours::Black, 9, "y");
    DrawLabel3D(canvas, view, MakeVector(0, 0, zLetter * L), Colours::Black, 9, "z");

    const int nPos = static_cast<int>(std::trunc(L / S));
    const int nNeg = static_cast<int>(std::trunc(-0.6L * L / S));
    for (const AxisLayout& axis : kAxes) {
        for (int i = 1; i <= nPos; ++i) DrawTick(canvas, view, axis, i, axis.posShift);
        if (!onlyPositive)
            for (int i = -1; i >= nNeg; --i) DrawTick(canvas, view, axis, i, axis.negShift);
    }
}

// Real parameters of the view could in principle be anything; a zoom scale
// that is not a positive finite number would make the tick and hatch counts
// meaningless (or the loops endless), so such views draw no ticks/hatching.
bool UsableScale(Real s) { return std::isfinite(s) && s > 0; }

}  // namespace

void Zeichne_3DSys(Canvas& canvas, ViewState& view) {
    const ViewControls& c = view.controls;
    view.gridColor = c.rasterPanelColour;
    view.lineWidth = c.thickLines ? 2 : 1;
    view.hatchSurfaces = c.hatchSurfaces;
    view.projectionSystem = 1;
    if (c.systemButton == 2) view.projectionSystem = 2;
    if (c.systemButton == 3) view.projectionSystem = 3;

    const Real S = view.zoomScale;
    view.axisLength = 9.5L * S;
    if (c.shrink025) view.axisLength = 2.5L * S;
    if (c.shrink05) view.axisLength = 5.5L * S;
    if (c.shrink075) view.axisLength = 7.5L * S;
    view.planeExtent = UsableScale(S) ? std::trunc(view.axisLength / S) * S : 0;

    ResetImage(canvas, view.imageLeft, view.imageTop, view.imagePixelWidth, view.imagePixelHeight);

    if (c.raster) {
        const CanvasObject object(canvas, ObjectKind::Grid, "Hintergrundraster");
        const Real divisor = view.gridDivisor;
        DrawBackgroundGrid(canvas, view, 1, view.gridStepsX / divisor, view.gridStepsY / divisor);
    }
    if (c.noAxes) return;
    if (!UsableScale(S)) return;
    const CanvasObject object(canvas, ObjectKind::CoordinateSystem, "Koordinatensystem");
    DrawAxes(canvas, view);
}

void DrawBackgroundGrid(Canvas& canvas, const ViewState& view, int penWidth,
                        Real stepX, Real stepY) {
    canvas.SetBrushStyle(BrushStyles::Clear);
    // A step that is not a positive finite number would never reach the far
    // edge; only the closing line is drawn then.
    if (std::isfinite(stepX) && stepX > 0) {
        for (Real d = view.worldXMin; d < view.worldXMax; d += stepX) {
            const int col = WorldToPixelX(d, view);
            DrawLine(canvas, col, 0, col, view.imageHeight, view.gridColor, penWidth,
                     view.gridPenStyle);
        }
    }
    const int lastCol = WorldToPixelX(view.worldXMax, view);
    DrawLine(canvas, lastCol, 0, lastCol, view.imageHeight, view.gridColor, penWidth,
             view.gridPenStyle);

    if (std::isfinite(stepY) && stepY > 0) {
        for (Real d = view.worldYMin; d < view.worldYMax; d += stepY) {
            const int row = WorldToPixelY(d, view);
            DrawLine(canvas, 0, row, view.imageWidth, row, view.gridColor, penWidth,
                     view.gridPenStyle);
        }
    }
    const int lastRow = WorldToPixelY(view.worldYMax, view);
    DrawLine(canvas, 0, lastRow, view.imageWidth, lastRow, view.gridColor, penWidth,
             view.gridPenStyle);
}

void DrawAxisPlane(Canvas& canvas, const ViewState& view, char letter, Colour colour, Real c) {
    const Real S = view.zoomScale;
    if (!UsableScale(S)) return;
    const Real E = view.planeExtent;
    Real lo = -E / 2;
    long long nFirst = -static_cast<long long>(std::trunc(E / S));
    if (view.controls.axesOnlyPositive) {
        lo = 0;
        nFirst = 1;
    }
    const long long nLast = static_cast<long long>(std::trunc(2 * E / S));

    for (long long n = nFirst; n <= nLast; ++n) {
        const Real t = (static_cast<Real>(n) / 2) * S;
        switch (letter) {
        case 'z':
            DrawSegment3D(canvas, view, MakeVector(lo, t, c), MakeVector(E, t, c), colour, true);
            DrawSegment3D(canvas, view, MakeVector(t, lo, c), MakeVector(t, E, c), colour, true);
            break;
        case 'y':
            DrawSegment3D(canvas, view, MakeVector(E, c, t), MakeVector(lo, c, t), colour, true);
            DrawSegment3D(canvas, view, MakeVector(t, c, lo), MakeVector(t, c, E), colour, true);
            break;
        case 'x':
            DrawSegment3D(canvas, view, MakeVector(c, t, lo), MakeVector(c, t, E), colour, true);
            DrawSegment3D(canvas, view, MakeVector(c, lo, t), MakeVector(c, E, t), colour, true);
            break;
        default:
            return;
        }
    }

    switch (letter) {
    case 'z':
        FillQuad3D(canvas, view, MakeVector(E, lo, c), MakeVector(E, E, c), MakeVector(lo, E, c), MakeVector(lo, lo, c), colour,
                   BrushStyles::Clear);
        break;
    case 'y':
        FillQuad3D(canvas, view, MakeVector(E, c, lo), MakeVector(E, c, E), MakeVector(lo, c, E), MakeVector(lo, c, lo), colour,
                   BrushStyles::Clear);
        break;
    case 'x':
        FillQuad3D(canvas, view, MakeVector(c, lo, E), MakeVector(c, E, E), MakeVector(c, E, lo), MakeVector(c, lo, lo), colour,
                   BrushStyles::Clear);
        break;
    default:
        break;
    }
}

void DrawCoordinatePlanes(Canvas& canvas, const ViewState& view) {
    const ViewControls& c = view.controls;
    Colour xy = view.coordPlaneColor, xz = view.coordPlaneColor, yz = view.coordPlaneColor;
    if (c.autoColours) {
        xy = CoordPlaneColours::Xy;
        xz = CoordPlaneColours::Xz;
        yz = CoordPlaneColours::Yz;
    }
    if (c.yzPlane) {
        const CanvasObject object(canvas, ObjectKind::CoordinatePlane, "yz-Ebene");
        DrawAxisPlane(canvas, view, 'x', yz, 0);
    }
    if (c.xzPlane) {
        const CanvasObject object(canvas, ObjectKind::CoordinatePlane, "xz-Ebene");
        DrawAxisPlane(canvas, view, 'y', xz, 0);
    }
    if (c.xyPlane) {
        const CanvasObject object(canvas, ObjectKind::CoordinatePlane, "xy-Ebene");
        DrawAxisPlane(canvas, view, 'z', xy, 0);
    }
}

void DrawCube(Canvas& canvas, const ViewState& view, Real a) {
    const Colour col = view.cubeColor;
    const Vector3 O = MakeVector(0, 0, 0), X = MakeVector(a, 0, 0), Y = MakeVector(0, a, 0), Z = MakeVector(0, 0, a);
    const Vector3 XY = MakeVector(a, a, 0), XZ = MakeVector(a, 0, a), YZ = MakeVector(0, a, a), XYZ = MakeVector(a, a, a);
    DrawSegment3D(canvas, view, O, X, col, true);
    DrawSegment3D(canvas, view, O, Y, col, true);
    DrawSegment3D(canvas, view, O, Z, col, true);
    DrawSegment3D(canvas, view, X, XY, col, false);
    DrawSegment3D(canvas, view, Y, XY, col, false);
    FillQuad3D(canvas, view, XZ, XYZ, YZ, Z, col, BrushStyles::Clear);
    DrawSegment3D(canvas, view, X, XZ, col, false);
    DrawSegment3D(canvas, view, XY, XYZ, col, false);
    DrawSegment3D(canvas, view, Y, YZ, col, false);
    DrawSegment3D(canvas, view, O, Z, col, true);
}

void DrawViewDecorations(Canvas& canvas, const ViewState& view,
                         Real planeX, Real planeY, Real planeZ) {
    const ViewControls& c = view.controls;
    if (c.cube) {
        const CanvasObject object(canvas, ObjectKind::Cube, "Würfel");
        DrawCube(canvas, view, view.cubeEdge);
    }
    const bool checked[3] = {c.xPlane, c.yPlane, c.zPlane};
    const Real at[3] = {planeX, planeY, planeZ};
    const char letters[3] = {'x', 'y', 'z'};
    for (int i = 0; i < 3; ++i) {
        if (!checked[i]) continue;
        const CanvasObject object(canvas, ObjectKind::ParallelPlane,
                                  std::string("Parallelebene ") + letters[i] + " = " + NumberText(at[i]));
        DrawAxisPlane(canvas, view, letters[i], view.parallelPlaneColor, at[i]);
    }
    if (c.xyPlane || c.xzPlane || c.yzPlane) DrawCoordinatePlanes(canvas, view);
}

void DrawStartPicture(Canvas& canvas, ViewState& view) {
    Zeichne_3DSys(canvas, view);
    DrawCoordinatePlanes(canvas, view);
    const CanvasObject title(canvas, ObjectKind::Title, "Titel");
    DrawText(canvas, 5, 200, "Vektorrechnung und 3D", "Helvetica", 20, Colours::Red, FontStyles::Regular,
             BrushStyles::Solid);
    DrawText(canvas, 5, 230, "Analytische Geometrie im Raum", "Helvetica", 12, Colours::Red, FontStyles::Regular,
             BrushStyles::Solid);
}
