#include "core/render/BodyDrawing.h"

#include "core/geometry/VectorOps.h"

namespace {

struct BodyPen {
    Canvas& canvas;
    const ViewState& view;
    Colour colour;

    void Face(const Vector3& a, const Vector3& b, const Vector3& c) const {
        FillTriangle3D(canvas, view, a, b, c, colour, BrushStyles::Clear);
    }
    void Face(const Vector3& a, const Vector3& b, const Vector3& c, const Vector3& d) const {
        FillQuad3D(canvas, view, a, b, c, d, colour, BrushStyles::Clear);
    }
    void Edge(const Vector3& a, const Vector3& b) const {
        DrawSegment3D(canvas, view, a, b, colour, false);
    }
};

BodyPen PenOf(DrawContext& ctx) { return {ctx.canvas, ctx.view, ctx.scene.bodyColor}; }

const Vector3& Pt(const DrawContext& ctx, PointIndex i) { return ctx.scene.points[i]; }

BrushStyle FlatFigureStyle(const DrawContext& ctx) {
    return ctx.view.hatchSurfaces ? BrushStyles::DiagCross : BrushStyles::Clear;
}

// The corner c moved along the edge vector AS.
Vector3 Shifted(const DrawContext& ctx, PointIndex c) {
    return AddVectors(Pt(ctx, c), VectorFromTo(Pt(ctx, PointA), Pt(ctx, PointS)));
}

}  // namespace

void DrawTriangleABC(DrawContext& ctx) {
    FillTriangle3D(ctx.canvas, ctx.view, Pt(ctx, PointA), Pt(ctx, PointB), Pt(ctx, PointC),
                   ctx.scene.bodyColor, FlatFigureStyle(ctx));
}

void DrawTriangleDEF(DrawContext& ctx) {
    FillTriangle3D(ctx.canvas, ctx.view, Pt(ctx, PointD), Pt(ctx, PointE), Pt(ctx, PointF),
                   ctx.scene.bodyColor, FlatFigureStyle(ctx));
}

void DrawQuadABCD(DrawContext& ctx) {
    FillQuad3D(ctx.canvas, ctx.view, Pt(ctx, PointA), Pt(ctx, PointB), Pt(ctx, PointC),
               Pt(ctx, PointD), ctx.scene.bodyColor, FlatFigureStyle(ctx));
}

void DrawPrismABC(DrawContext& ctx) {
    const BodyPen pen = PenOf(ctx);
    const Vector3 &a = Pt(ctx, PointA), &b = Pt(ctx, PointB), &c = Pt(ctx, PointC);
    const Vector3 &s = Pt(ctx, PointS);
    const Vector3 b1 = Shifted(ctx, PointB), c1 = Shifted(ctx, PointC);
    pen.Face(a, b, c);
    pen.Face(s, b1, c1);
    pen.Edge(a, s);
    pen.Edge(b, b1);
    pen.Edge(c, c1);
}

void DrawPrismABCD(DrawContext& ctx) {
    const BodyPen pen = PenOf(ctx);
    const Vector3 &a = Pt(ctx, PointA), &b = Pt(ctx, PointB), &c = Pt(ctx, PointC);
    const Vector3 &d = Pt(ctx, PointD), &s = Pt(ctx, PointS);
    const Vector3 b1 = Shifted(ctx, PointB), c1 = Shifted(ctx, PointC),
                  d1 = Shifted(ctx, PointD);
    pen.Face(a, b, c, d);
    pen.Face(s, b1, c1, d1);
    pen.Edge(a, s);
    pen.Edge(b, b1);
    pen.Edge(c, c1);
    pen.Edge(d, d1);
}

void DrawPyramidABC(DrawContext& ctx) {
    const BodyPen pen = PenOf(ctx);
    const Vector3 &a = Pt(ctx, PointA), &b = Pt(ctx, PointB), &c = Pt(ctx, PointC);
    const Vector3 &s = Pt(ctx, PointS);
    pen.Face(a, b, c);
    pen.Edge(a, s);
    pen.Edge(b, s);
    pen.Edge(c, s);
}

void DrawPyramidABCD(DrawContext& ctx) {
    const BodyPen pen = PenOf(ctx);
    const Vector3 &a = Pt(ctx, PointA), &b = Pt(ctx, PointB), &c = Pt(ctx, PointC);
    const Vector3 &d = Pt(ctx, PointD), &s = Pt(ctx, PointS);
    pen.Face(a, b, c, d);
    pen.Edge(a, s);
    pen.Edge(b, s);
    pen.Edge(c, s);
    pen.Edge(d, s);
}

void DrawSpat(DrawContext& ctx) {
    const BodyPen pen = PenOf(ctx);
    const Vector3 &a = Pt(ctx, PointA), &b = Pt(ctx, PointB), &c = Pt(ctx, PointC);
    const Vector3 &s = Pt(ctx, PointS);
    const Vector3 ab = VectorFromTo(a, b), ac = VectorFromTo(a, c), as = VectorFromTo(a, s);
    const Vector3 bc = AddVectors(b, ac);        // B + AC
    const Vector3 sb = AddVectors(s, ab);        // S + AB
    const Vector3 top = AddVectors(bc, as);      // B + AC + AS
    const Vector3 sc = AddVectors(s, ac);        // S + AC
    pen.Face(a, b, bc, c);
    pen.Face(s, sb, top, sc);
    pen.Edge(a, s);
    pen.Edge(b, sb);
    pen.Edge(bc, top);
    pen.Edge(c, sc);
    if (!ctx.scene.drawSpatVectors) return;
    const Colour colour = ctx.scene.drawPointColor;
    const int width = ctx.scene.vectorPenWidth;
    DrawArrow3D(ctx.canvas, ctx.view, a, b, colour, width, true);
    DrawArrow3D(ctx.canvas, ctx.view, a, c, colour, width, true);
    DrawArrow3D(ctx.canvas, ctx.view, a, s, colour, width, true);
}
