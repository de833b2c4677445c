#include "core/render/PlaneDrawing.h"

#include <cmath>
#include <string>

#include "core/geometry/LinesPlanes.h"
#include "core/geometry/VectorOps.h"

BrushStyle PlaneBrushStyle(int k) {
    switch (k) {
    case 1: return BrushStyles::FDiagonal;
    case 2: return BrushStyles::BDiagonal;
    case 3: return BrushStyles::Vertical;
    case 4: return BrushStyles::Horizontal;
    case 5: return BrushStyles::DiagCross;
    default: return BrushStyles::Clear;
    }
}

std::string PlaneObjectName(int k) { return "Ebene E" + std::to_string(k); }

namespace {

struct PlanePen {
    Canvas& canvas;
    const ViewState& view;
    Colour colour;
    BrushStyle style;

    void Quad(const Vector3& a, const Vector3& b, const Vector3& c, const Vector3& d) const {
        FillQuad3D(canvas, view, a, b, c, d, colour, style);
    }
    void Triangle(const Vector3& a, const Vector3& b, const Vector3& c) const {
        FillTriangle3D(canvas, view, a, b, c, colour, style);
    }
    void Guide(const Vector3& a, const Vector3& b) const {
        DrawSegment3D(canvas, view, a, b, colour, true);
    }
};

// A plane through the origin: the parallelogram spanned by its two
// parameter-form vectors, each cut to the length R.
void DrawOriginParallelogram(const PlanePen& pen, Real a, Real b, Real c, Real d, Real R) {
    const ParameterForm form = CoordinateToParameterForm(a, b, c, d);
    if (!form.ok) return;
    const Real lu = VectorLength(form.u);
    const Real lv = VectorLength(form.v);
    if (!(lu > 0) || !(lv > 0) || !std::isfinite(lu) || !std::isfinite(lv)) return;
    const Vector3 u = ScaleVector(form.u, R / lu);
    const Vector3 v = ScaleVector(form.v, R / lv);
    pen.Quad(Vector3{}, u, AddVectors(u, v), v);
}

void DrawTraceTriangle(const PlanePen& pen, const PlaneTraces& t, const ViewControls& controls,
                       Real f) {
    Vector3 t1 = t.Sx, t2 = t.Sy, t3 = t.Sz;
    auto stretched = [f](const Vector3& centre, const Vector3& to) {
        return AddVectors(centre, ScaleVector(VectorFromTo(centre, to), f));
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
    pen.Triangle(t1, t2, t3);
}

// A plane parallel to one axis: the strip between its trace line and the
// copy shifted by R along that axis.
void DrawStrip(const PlanePen& pen, Vector3 s1, Vector3 s2, int axis, Real R) {
    Vector3 t1 = s1, t2 = s2, corner;
    AxisValue(t1, axis) = R;
    AxisValue(t2, axis) = R;
    AxisValue(corner, axis) = R;
    pen.Quad(s1, s2, t2, t1);
    pen.Guide(corner, t2);
    pen.Guide(corner, t1);
}

}  // namespace

void Ebene_zeichnen(DrawContext& ctx, Colour colour, int k, Real a, Real b, Real c, Real d) {
    if (k == PlaneE1 || k == PlaneE2) ctx.host.ReportRejections(RereadPlanes(ctx.input, ctx.scene));
    if (a == 0 && b == 0 && c == 0) return;
    // Overflowing input has no picture; it must not reach a pixel as inf.
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c) || !std::isfinite(d)) return;
    const ViewState& view = ctx.view;
    const PlanePen pen{ctx.canvas, view, colour,
                       view.hatchSurfaces ? PlaneBrushStyle(k) : BrushStyles::Clear};
    const Real R = view.planeExtent;
    if (d == 0) {
        DrawOriginParallelogram(pen, a, b, c, d, R);
        return;
    }
    const PlaneTraces t = PlaneTracePoints(a, b, c, d);
    if ((t.hasSx && !IsFiniteVector(t.Sx)) || (t.hasSy && !IsFiniteVector(t.Sy)) ||
        (t.hasSz && !IsFiniteVector(t.Sz)))
        return;
    if (t.hasSx && t.hasSy && t.hasSz) {
        DrawTraceTriangle(pen, t, view.controls, view.planeStretch);
    } else if (t.hasSx && t.hasSy) {
        DrawStrip(pen, t.Sx, t.Sy, AxisZ, R);
    } else if (t.hasSx && t.hasSz) {
        DrawStrip(pen, t.Sx, t.Sz, AxisY, R);
    } else if (t.hasSy && t.hasSz) {
        DrawStrip(pen, t.Sy, t.Sz, AxisX, R);
    } else if (t.hasSz) {
        const Real z0 = t.Sz.z;
        const Vector3 t1 = MakeVector(R, 0, z0), t2 = MakeVector(0, R, z0), t3 = MakeVector(R, R, z0);
        const Vector3 a1 = MakeVector(R, 0, 0), b1 = MakeVector(0, R, 0), c1 = MakeVector(R, R, 0);
        pen.Quad(t.Sz, t1, t3, t2);
        pen.Guide(t1, a1);
        pen.Guide(t2, b1);
        pen.Guide(t3, c1);
        pen.Guide(a1, c1);
        pen.Guide(b1, c1);
    } else if (t.hasSy) {
        const Real y0 = t.Sy.y;
        const Vector3 t1 = MakeVector(R, y0, 0), t2 = MakeVector(R, y0, R), t3 = MakeVector(0, y0, R);
        const Vector3 a1 = MakeVector(R, 0, 0), b1 = MakeVector(R, 0, R), c1 = MakeVector(0, 0, R);
        pen.Quad(t.Sy, t1, t2, t3);
        pen.Guide(t1, a1);
        pen.Guide(t2, b1);
        pen.Guide(t3, c1);
        pen.Guide(a1, b1);
        pen.Guide(b1, c1);
    } else if (t.hasSx) {
        const Real x0 = t.Sx.x;
        const Vector3 t1 = MakeVector(x0, R, 0), t2 = MakeVector(x0, R, R), t3 = MakeVector(x0, 0, R);
        const Vector3 a1 = MakeVector(0, R, 0), b1 = MakeVector(0, R, R), c1 = MakeVector(0, 0, R);
        pen.Quad(t.Sx, t1, t2, t3);
        pen.Guide(t1, a1);
        pen.Guide(t2, b1);
        pen.Guide(t3, c1);
        pen.Guide(a1, b1);
        pen.Guide(b1, c1);
    }
}

void Ebene_param_zeichnen(DrawContext& ctx, int k, Vector3 p, Vector3 u, Vector3 v,
                          bool& failed) {
    failed = false;
    Scene& scene = ctx.scene;
    const Colour colour = scene.planeColor[k];
    if (k == PlaneE5) {
        ctx.host.ReportRejections(RereadPlanes(ctx.input, scene));
        p = scene.planeSupport[PlaneE5];
        u = scene.planeSpanU[PlaneE5];
        v = scene.planeSpanV[PlaneE5];
    }
    if (IsNullVector(u) || IsNullVector(v)) {
        ctx.host.ShowMessage(std::string(kNullSpanMessage));
        failed = true;
        return;
    }
    const CoordinateForm form = ParameterToCoordinateForm(p, u, v);
    Ebene_zeichnen(ctx, colour, k, form.a, form.b, form.c, form.d);
}
