#include "core/render/PlaneDrawing.h"

#include <cmath>
#include <string>

#include "core/exact/ExactVerdicts.h"
#include "core/geometry/LinesPlanes.h"
#include "core/geometry/VectorOps.h"

BrushStyle planeBrushStyle(int k) {
    switch (k) {
    case 1: return BrushStyles::FDiagonal;
    case 2: return BrushStyles::BDiagonal;
    case 3: return BrushStyles::Vertical;
    case 4: return BrushStyles::Horizontal;
    case 5: return BrushStyles::DiagCross;
    default: return BrushStyles::Clear;
    }
}

std::string planeObjectName(int k) { return "Ebene E" + std::to_string(k); }

namespace {

struct PlanePen {
    Canvas& canvas;
    const ViewState& view;
    Colour colour;
    BrushStyle style;

    void quad(const Vector3& a, const Vector3& b, const Vector3& c, const Vector3& d) const {
        fillQuad3D(canvas, view, a, b, c, d, colour, style);
    }
    void triangle(const Vector3& a, const Vector3& b, const Vector3& c) const {
        fillTriangle3D(canvas, view, a, b, c, colour, style);
    }
    void guide(const Vector3& a, const Vector3& b) const {
        drawSegment3D(canvas, view, a, b, colour, true);
    }
};

// A plane through the origin: the parallelogram spanned by its two
// parameter-form vectors, each cut to the length R.
void drawOriginParallelogram(const PlanePen& pen, Real a, Real b, Real c, Real d, Real R) {
    const ParameterForm form = coordinateToParameterForm(a, b, c, d);
    if (!form.ok) return;
    const Real lu = vectorLength(form.u);
    const Real lv = vectorLength(form.v);
    if (!(lu > 0) || !(lv > 0) || !std::isfinite(lu) || !std::isfinite(lv)) return;
    const Vector3 u = scaleVector(form.u, R / lu);
    const Vector3 v = scaleVector(form.v, R / lv);
    pen.quad(Vector3{}, u, addVectors(u, v), v);
}

void drawTraceTriangle(const PlanePen& pen, const PlaneTraces& t, const ViewControls& controls,
                       Real f) {
    Vector3 t1 = t.Sx, t2 = t.Sy, t3 = t.Sz;
    auto stretched = [f](const Vector3& centre, const Vector3& to) {
        return addVectors(centre, scaleVector(vectorFromTo(centre, to), f));
    };
    if (controls.stretchAtSx) {
        t2 = stretched(t.Sx, t.Sy);
        t3 = stretched(t.Sx, t.Sz);
    }
    if (controls.stretchAtSy) {
        t1 = stretched(t.Sy, t.Sx);
        t3 = stretched(t.Sy, t.Sz);
    }
    if (controls.stretchAtSz) {
        t1 = stretched(t.Sz, t.Sx);
        t2 = stretched(t.Sz, t.Sy);
    }
    pen.triangle(t1, t2, t3);
}

// A plane parallel to one axis: the strip between its trace line and the
// copy shifted by R along that axis.
void drawStrip(const PlanePen& pen, Vector3 s1, Vector3 s2, int axis, Real R) {
    Vector3 t1 = s1, t2 = s2, corner;
    axisValue(t1, axis) = R;
    axisValue(t2, axis) = R;
    axisValue(corner, axis) = R;
    pen.quad(s1, s2, t2, t1);
    pen.guide(corner, t2);
    pen.guide(corner, t1);
}

}  // namespace

void drawPlaneByEquation(DrawContext& ctx, Colour colour, int k, Real a, Real b, Real c, Real d) {
    if (k == PlaneE1 || k == PlaneE2) ctx.host.reportRejections(rereadPlanes(ctx.input, ctx.scene));
    if (a == 0 && b == 0 && c == 0) return;
    // Overflowing input has no picture; it must not reach a pixel as inf.
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c) || !std::isfinite(d)) return;
    const ViewState& view = ctx.view;
    const PlanePen pen{ctx.canvas, view, colour,
                       view.hatchSurfaces ? planeBrushStyle(k) : BrushStyles::Clear};
    const Real R = view.planeExtent;
    if (d == 0) {
        drawOriginParallelogram(pen, a, b, c, d, R);
        return;
    }
    const PlaneTraces t = planeTracePoints(a, b, c, d);
    if ((t.hasSx && !isFiniteVector(t.Sx)) || (t.hasSy && !isFiniteVector(t.Sy)) ||
        (t.hasSz && !isFiniteVector(t.Sz)))
        return;
    if (t.hasSx && t.hasSy && t.hasSz) {
        drawTraceTriangle(pen, t, view.controls, view.planeStretch);
    } else if (t.hasSx && t.hasSy) {
        drawStrip(pen, t.Sx, t.Sy, AxisZ, R);
    } else if (t.hasSx && t.hasSz) {
        drawStrip(pen, t.Sx, t.Sz, AxisY, R);
    } else if (t.hasSy && t.hasSz) {
        drawStrip(pen, t.Sy, t.Sz, AxisX, R);
    } else if (t.hasSz) {
        const Real z0 = t.Sz.z;
        const Vector3 t1 = makeVector(R, 0, z0), t2 = makeVector(0, R, z0), t3 = makeVector(R, R, z0);
        const Vector3 a1 = makeVector(R, 0, 0), b1 = makeVector(0, R, 0), c1 = makeVector(R, R, 0);
        pen.quad(t.Sz, t1, t3, t2);
        pen.guide(t1, a1);
        pen.guide(t2, b1);
        pen.guide(t3, c1);
        pen.guide(a1, c1);
        pen.guide(b1, c1);
    } else if (t.hasSy) {
        const Real y0 = t.Sy.y;
        const Vector3 t1 = makeVector(R, y0, 0), t2 = makeVector(R, y0, R), t3 = makeVector(0, y0, R);
        const Vector3 a1 = makeVector(R, 0, 0), b1 = makeVector(R, 0, R), c1 = makeVector(0, 0, R);
        pen.quad(t.Sy, t1, t2, t3);
        pen.guide(t1, a1);
        pen.guide(t2, b1);
        pen.guide(t3, c1);
        pen.guide(a1, b1);
        pen.guide(b1, c1);
    } else if (t.hasSx) {
        const Real x0 = t.Sx.x;
        const Vector3 t1 = makeVector(x0, R, 0), t2 = makeVector(x0, R, R), t3 = makeVector(x0, 0, R);
        const Vector3 a1 = makeVector(0, R, 0), b1 = makeVector(0, R, R), c1 = makeVector(0, 0, R);
        pen.quad(t.Sx, t1, t2, t3);
        pen.guide(t1, a1);
        pen.guide(t2, b1);
        pen.guide(t3, c1);
        pen.guide(a1, b1);
        pen.guide(b1, c1);
    }
}

void drawParametricPlane(DrawContext& ctx, int k, Vector3 p, Vector3 u, Vector3 v,
                          bool& failed) {
    failed = false;
    Scene& scene = ctx.scene;
    const Colour colour = scene.planeColor[k];
    if (k == PlaneE5) {
        ctx.host.reportRejections(rereadPlanes(ctx.input, scene));
        p = scene.planeSupport[PlaneE5];
        u = scene.planeSpanU[PlaneE5];
        v = scene.planeSpanV[PlaneE5];
    }
    if (isNullVector(u) || isNullVector(v)) {
        ctx.host.showMessage(std::string(kNullSpanMessage));
        failed = true;
        return;
    }
    // The picture shows the plane the calculations decide on: a coefficient
    // that is exactly zero draws no trace point out of rounding residue.
    // Only a residue within rounding of zero needs the exact reading, so that
    // redrawing stays as fast as before.
    CoordinateForm form = parameterToCoordinateForm(p, u, v);
    const Vector3 terms = crossProductTerms(u, v);
    if (residueNearZero(form.a, terms.x) || residueNearZero(form.b, terms.y) ||
        residueNearZero(form.c, terms.z)) {
        const exact::ExactParameterForm exactForm = exact::exactParameterForm(scene, ctx.input.texts, k);
        form = exact::withExactZeros(form, exact::planeThrough(exactForm.p, exactForm.u, exactForm.v));
    }
    drawPlaneByEquation(ctx, colour, k, form.a, form.b, form.c, form.d);
}
