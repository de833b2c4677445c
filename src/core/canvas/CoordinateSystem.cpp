// The coordinate system and its decorations. Everything is placed with
// pointToPixel except the background raster, which lies in the image plane.
#include "core/canvas/CoordinateSystem.h"

#include <cmath>
#include <string>

#include "core/geometry/VectorOps.h"
#include "core/numbers/NumberTools.h"
#include "core/canvas/Projection.h"

namespace {

// Tick numbers are i S rounded to one decimal, halves to even.
std::string tickNumber(Real value) {
    return numberText(std::nearbyint(value / 0.1L) * 0.1L);
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

Vector3 onAxis(int index, Real value) {
    return makeVector(index == 0 ? value : 0, index == 1 ? value : 0, index == 2 ? value : 0);
}

void drawTick(Canvas& canvas, const ViewState& view, const AxisLayout& axis, int i,
              const PixelPoint& shift) {
    const Real S = view.zoomScale;
    const PixelPoint px = pointToPixel(onAxis(axis.index, i * S), view);
    if (axis.verticalTick)
        drawLine(canvas, px.x, px.y - 5, px.x, px.y + 5, Colours::Black, 1, PenStyles::Solid);
    else
        drawLine(canvas, px.x - 5, px.y, px.x + 5, px.y, Colours::Black, 1, PenStyles::Solid);
    if (i % 2 == 0)
        drawText(canvas, px.x + shift.x, px.y + shift.y, tickNumber(i * S), "Arial",
                 view.tickLabelSize, Colours::Black, FontStyles::Bold, BrushStyles::Solid);
}

void drawAxes(Canvas& canvas, const ViewState& view) {
    const ViewControls& c = view.controls;
    const Real L = view.axisLength;
    const Real S = view.zoomScale;
    const bool onlyPositive = c.axesOnlyPositive;

    const Vector3 O = makeVector(0, 0, 0);
    drawArrow3D(canvas, view, onlyPositive ? O : makeVector(-0.6L * L, 0, 0), makeVector(1.05L * L, 0, 0),
                Colours::Black, 1, false);
    drawArrow3D(canvas, view, onlyPositive ? O : makeVector(0, -0.6L * L, 0), makeVector(0, L, 0),
                Colours::Black, 1, false);
    drawArrow3D(canvas, view, onlyPositive ? O : makeVector(0, 0, -0.6L * L), makeVector(0, 0, L),
                Colours::Black, 1, false);

    Real zLetter = 1.035L;
    if (c.shrink075) zLetter = 1.05L;
    if (c.shrink05) zLetter = 1.06L;
    if (c.shrink025) zLetter = 1.12L;
    drawLabel3D(canvas, view, makeVector(1.06L * L, 0, 0), Colours::Black, 9, "x");
    drawLabel3D(canvas, view, makeVector(0, 1.01L * L, 0), Colours::Black, 9, "y");
    drawLabel3D(canvas, view, makeVector(0, 0, zLetter * L), Colours::Black, 9, "z");

    const int nPos = static_cast<int>(std::trunc(L / S));
    const int nNeg = static_cast<int>(std::trunc(-0.6L * L / S));
    for (const AxisLayout& axis : kAxes) {
        for (int i = 1; i <= nPos; ++i) drawTick(canvas, view, axis, i, axis.posShift);
        if (!onlyPositive)
            for (int i = -1; i >= nNeg; --i) drawTick(canvas, view, axis, i, axis.negShift);
    }
}

// Real parameters of the view could in principle be anything; a zoom scale
// that is not a positive finite number would make the tick and hatch counts
// meaningless (or the loops endless), so such views draw no ticks/hatching.
bool usableScale(Real s) { return std::isfinite(s) && s > 0; }

}  // namespace

void drawCoordinateSystem(Canvas& canvas, ViewState& view) {
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
    view.planeExtent = usableScale(S) ? std::trunc(view.axisLength / S) * S : 0;

    resetImage(canvas, view.imageLeft, view.imageTop, view.imagePixelWidth, view.imagePixelHeight);

    if (c.raster) {
        const CanvasObject object(canvas, ObjectKind::Grid, "Hintergrundraster");
        const Real divisor = view.gridDivisor;
        drawBackgroundGrid(canvas, view, 1, view.gridStepsX / divisor, view.gridStepsY / divisor);
    }
    if (c.noAxes) return;
    if (!usableScale(S)) return;
    const CanvasObject object(canvas, ObjectKind::CoordinateSystem, "Koordinatensystem");
    drawAxes(canvas, view);
}

void drawBackgroundGrid(Canvas& canvas, const ViewState& view, int penWidth,
                        Real stepX, Real stepY) {
    canvas.setBrushStyle(BrushStyles::Clear);
    // A step that is not a positive finite number would never reach the far
    // edge; only the closing line is drawn then.
    if (std::isfinite(stepX) && stepX > 0) {
        for (Real d = view.worldXMin; d < view.worldXMax; d += stepX) {
            const int col = worldToPixelX(d, view);
            drawLine(canvas, col, 0, col, view.imageHeight, view.gridColor, penWidth,
                     view.gridPenStyle);
        }
    }
    const int lastCol = worldToPixelX(view.worldXMax, view);
    drawLine(canvas, lastCol, 0, lastCol, view.imageHeight, view.gridColor, penWidth,
             view.gridPenStyle);

    if (std::isfinite(stepY) && stepY > 0) {
        for (Real d = view.worldYMin; d < view.worldYMax; d += stepY) {
            const int row = worldToPixelY(d, view);
            drawLine(canvas, 0, row, view.imageWidth, row, view.gridColor, penWidth,
                     view.gridPenStyle);
        }
    }
    const int lastRow = worldToPixelY(view.worldYMax, view);
    drawLine(canvas, 0, lastRow, view.imageWidth, lastRow, view.gridColor, penWidth,
             view.gridPenStyle);
}

void drawAxisPlane(Canvas& canvas, const ViewState& view, char letter, Colour colour, Real c) {
    const Real S = view.zoomScale;
    if (!usableScale(S)) return;
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
            drawSegment3D(canvas, view, makeVector(lo, t, c), makeVector(E, t, c), colour, true);
            drawSegment3D(canvas, view, makeVector(t, lo, c), makeVector(t, E, c), colour, true);
            break;
        case 'y':
            drawSegment3D(canvas, view, makeVector(E, c, t), makeVector(lo, c, t), colour, true);
            drawSegment3D(canvas, view, makeVector(t, c, lo), makeVector(t, c, E), colour, true);
            break;
        case 'x':
            drawSegment3D(canvas, view, makeVector(c, t, lo), makeVector(c, t, E), colour, true);
            drawSegment3D(canvas, view, makeVector(c, lo, t), makeVector(c, E, t), colour, true);
            break;
        default:
            return;
        }
    }

    switch (letter) {
    case 'z':
        fillQuad3D(canvas, view, makeVector(E, lo, c), makeVector(E, E, c), makeVector(lo, E, c), makeVector(lo, lo, c), colour,
                   BrushStyles::Clear);
        break;
    case 'y':
        fillQuad3D(canvas, view, makeVector(E, c, lo), makeVector(E, c, E), makeVector(lo, c, E), makeVector(lo, c, lo), colour,
                   BrushStyles::Clear);
        break;
    case 'x':
        fillQuad3D(canvas, view, makeVector(c, lo, E), makeVector(c, E, E), makeVector(c, E, lo), makeVector(c, lo, lo), colour,
                   BrushStyles::Clear);
        break;
    default:
        break;
    }
}

void drawCoordinatePlanes(Canvas& canvas, const ViewState& view) {
    const ViewControls& c = view.controls;
    Colour xy = view.coordPlaneColor, xz = view.coordPlaneColor, yz = view.coordPlaneColor;
    if (c.autoColours) {
        xy = CoordPlaneColours::Xy;
        xz = CoordPlaneColours::Xz;
        yz = CoordPlaneColours::Yz;
    }
    if (c.yzPlane) {
        const CanvasObject object(canvas, ObjectKind::CoordinatePlane, "yz-Ebene");
        drawAxisPlane(canvas, view, 'x', yz, 0);
    }
    if (c.xzPlane) {
        const CanvasObject object(canvas, ObjectKind::CoordinatePlane, "xz-Ebene");
        drawAxisPlane(canvas, view, 'y', xz, 0);
    }
    if (c.xyPlane) {
        const CanvasObject object(canvas, ObjectKind::CoordinatePlane, "xy-Ebene");
        drawAxisPlane(canvas, view, 'z', xy, 0);
    }
}

void drawCube(Canvas& canvas, const ViewState& view, Real a) {
    const Colour col = view.cubeColor;
    const Vector3 O = makeVector(0, 0, 0), X = makeVector(a, 0, 0), Y = makeVector(0, a, 0), Z = makeVector(0, 0, a);
    const Vector3 XY = makeVector(a, a, 0), XZ = makeVector(a, 0, a), YZ = makeVector(0, a, a), XYZ = makeVector(a, a, a);
    drawSegment3D(canvas, view, O, X, col, true);
    drawSegment3D(canvas, view, O, Y, col, true);
    drawSegment3D(canvas, view, O, Z, col, true);
    drawSegment3D(canvas, view, X, XY, col, false);
    drawSegment3D(canvas, view, Y, XY, col, false);
    fillQuad3D(canvas, view, XZ, XYZ, YZ, Z, col, BrushStyles::Clear);
    drawSegment3D(canvas, view, X, XZ, col, false);
    drawSegment3D(canvas, view, XY, XYZ, col, false);
    drawSegment3D(canvas, view, Y, YZ, col, false);
    drawSegment3D(canvas, view, O, Z, col, true);
}

void drawViewDecorations(Canvas& canvas, const ViewState& view,
                         Real planeX, Real planeY, Real planeZ) {
    const ViewControls& c = view.controls;
    if (c.cube) {
        const CanvasObject object(canvas, ObjectKind::Cube, "Würfel");
        drawCube(canvas, view, view.cubeEdge);
    }
    const bool checked[3] = {c.xPlane, c.yPlane, c.zPlane};
    const Real at[3] = {planeX, planeY, planeZ};
    const char letters[3] = {'x', 'y', 'z'};
    for (int i = 0; i < 3; ++i) {
        if (!checked[i]) continue;
        const CanvasObject object(canvas, ObjectKind::ParallelPlane,
                                  std::string("Parallelebene ") + letters[i] + " = " + numberText(at[i]));
        drawAxisPlane(canvas, view, letters[i], view.parallelPlaneColor, at[i]);
    }
    if (c.xyPlane || c.xzPlane || c.yzPlane) drawCoordinatePlanes(canvas, view);
}

void drawStartPicture(Canvas& canvas, ViewState& view) {
    drawCoordinateSystem(canvas, view);
    drawCoordinatePlanes(canvas, view);
    const CanvasObject title(canvas, ObjectKind::Title, "Titel");
    drawText(canvas, 5, 200, "Vektorrechnung und 3D", "Helvetica", 20, Colours::Red, FontStyles::Regular,
             BrushStyles::Solid);
    drawText(canvas, 5, 230, "Analytische Geometrie im Raum", "Helvetica", 12, Colours::Red, FontStyles::Regular,
             BrushStyles::Solid);
}
