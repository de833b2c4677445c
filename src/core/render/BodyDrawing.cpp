#include "core/render/BodyDrawing.h"

#include "core/geometry/VectorOps.h"

namespace {

struct BodyPen {
    Canvas& canvas;
    const ViewState& view;
    Colour colour;

    void face(const Vector3& a, const Vector3& b, const Vector3& c) const {
        fillTriangle3D(canvas, view, a, b, c, colour, BrushStyles::Clear);
    }
    void face(const Vector3& a, const Vector3& b, const Vector3& c, const Vector3& d) const {
        fillQuad3D(canvas, view, a, b, c, d, colour, BrushStyles::Clear);
    }
    void edge(const Vector3& a, const Vector3& b) const {
        drawSegment3D(canvas, view, a, b, colour, false);
    }
};

BodyPen penOf(DrawContext& ctx) { return {ctx.canvas, ctx.view, ctx.scene.bodyColor}; }

const Vector3& pt(const DrawContext& ctx, PointIndex i) { return ctx.scene.points[i]; }

BrushStyle flatFigureStyle(const DrawContext& ctx) {
    return ctx.view.hatchSurfaces ? BrushStyles::DiagCross : BrushStyles::Clear;
}

// The corner c moved along the edge vector AS.
Vector3 shifted(const DrawContext& ctx, PointIndex c) {
    return addVectors(pt(ctx, c), vectorFromTo(pt(ctx, PointA), pt(ctx, PointS)));
}

}  // namespace

void drawTriangleABC(DrawContext& ctx) {
    fillTriangle3D(ctx.canvas, ctx.view, pt(ctx, PointA), pt(ctx, PointB), pt(ctx, PointC),
                   ctx.scene.bodyColor, flatFigureStyle(ctx));
}

void drawTriangleDEF(DrawContext& ctx) {
    fillTriangle3D(ctx.canvas, ctx.view, pt(ctx, PointD), pt(ctx, PointE), pt(ctx, PointF),
                   ctx.scene.bodyColor, flatFigureStyle(ctx));
}

void drawQuadABCD(DrawContext& ctx) {
    fillQuad3D(ctx.canvas, ctx.view, pt(ctx, PointA), pt(ctx, PointB), pt(ctx, PointC),
               pt(ctx, PointD), ctx.scene.bodyColor, flatFigureStyle(ctx));
}

void drawPrismABC(DrawContext& ctx) {
    const BodyPen pen = penOf(ctx);
    const Vector3 &a = pt(ctx, PointA), &b = pt(ctx, PointB), &c = pt(ctx, PointC);
    const Vector3 &s = pt(ctx, PointS);
    const Vector3 b1 = shifted(ctx, PointB), c1 = shifted(ctx, PointC);
    pen.face(a, b, c);
    pen.face(s, b1, c1);
    pen.edge(a, s);
    pen.edge(b, b1);
    pen.edge(c, c1);
}

void drawPrismABCD(DrawContext& ctx) {
    const BodyPen pen = penOf(ctx);
    const Vector3 &a = pt(ctx, PointA), &b = pt(ctx, PointB), &c = pt(ctx, PointC);
    const Vector3 &d = pt(ctx, PointD), &s = pt(ctx, PointS);
    const Vector3 b1 = shifted(ctx, PointB), c1 = shifted(ctx, PointC),
                  d1 = shifted(ctx, PointD);
    pen.face(a, b, c, d);
    pen.face(s, b1, c1, d1);
    pen.edge(a, s);
    pen.edge(b, b1);
    pen.edge(c, c1);
    pen.edge(d, d1);
}

void drawPyramidABC(DrawContext& ctx) {
    const BodyPen pen = penOf(ctx);
    const Vector3 &a = pt(ctx, PointA), &b = pt(ctx, PointB), &c = pt(ctx, PointC);
    const Vector3 &s = pt(ctx, PointS);
    pen.face(a, b, c);
    pen.edge(a, s);
    pen.edge(b, s);
    pen.edge(c, s);
}

void drawPyramidABCD(DrawContext& ctx) {
    const BodyPen pen = penOf(ctx);
    const Vector3 &a = pt(ctx, PointA), &b = pt(ctx, PointB), &c = pt(ctx, PointC);
    const Vector3 &d = pt(ctx, PointD), &s = pt(ctx, PointS);
    pen.face(a, b, c, d);
    pen.edge(a, s);
    pen.edge(b, s);
    pen.edge(c, s);
    pen.edge(d, s);
}

void drawSpat(DrawContext& ctx) {
    const BodyPen pen = penOf(ctx);
    const Vector3 &a = pt(ctx, PointA), &b = pt(ctx, PointB), &c = pt(ctx, PointC);
    const Vector3 &s = pt(ctx, PointS);
    const Vector3 ab = vectorFromTo(a, b), ac = vectorFromTo(a, c), as = vectorFromTo(a, s);
    const Vector3 bc = addVectors(b, ac);        // B + AC
    const Vector3 sb = addVectors(s, ab);        // S + AB
    const Vector3 top = addVectors(bc, as);      // B + AC + AS
    const Vector3 sc = addVectors(s, ac);        // S + AC
    pen.face(a, b, bc, c);
    pen.face(s, sb, top, sc);
    pen.edge(a, s);
    pen.edge(b, sb);
    pen.edge(bc, top);
    pen.edge(c, sc);
    if (!ctx.scene.drawSpatVectors) return;
    const Colour colour = ctx.scene.drawPointColor;
    const int width = ctx.scene.vectorPenWidth;
    drawArrow3D(ctx.canvas, ctx.view, a, b, colour, width, true);
    drawArrow3D(ctx.canvas, ctx.view, a, c, colour, width, true);
    drawArrow3D(ctx.canvas, ctx.view, a, s, colour, width, true);
}
