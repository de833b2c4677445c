#include "core/render/DrawCommand.h"

#include <cmath>

#include "core/exact/ExactVerdicts.h"
#include "core/geometry/VectorOps.h"
#include "core/model/SceneOpening.h"
#include "core/canvas/CoordinateSystem.h"
#include "core/render/BodyDrawing.h"
#include "core/render/LineDrawing.h"
#include "core/render/PlaneDrawing.h"
#include "core/render/PointDrawing.h"

namespace {

struct Connection {
    VectorIndex flag;
    PointIndex from;
    PointIndex to;
};
constexpr Connection kConnections[] = {
    {VectorAB, PointA, PointB}, {VectorBC, PointB, PointC}, {VectorCD, PointC, PointD},
    {VectorDE, PointD, PointE}, {VectorEF, PointE, PointF}, {VectorFS, PointF, PointS},
    {VectorPQ, PointP, PointQ},
};

void drawPoints(DrawContext& ctx) {
    for (int i = 0; i < PointCount; ++i)
        if (ctx.scene.drawPointFlag[i]) drawNamedPoint(ctx.canvas, ctx.view, ctx.scene.points[i]);
}

void drawConnections(DrawContext& ctx) {
    const Scene& scene = ctx.scene;
    for (const Connection& c : kConnections) {
        if (!scene.drawVectorFlag[c.flag]) continue;
        const Vector3& from = scene.points[c.from];
        const Vector3& to = scene.points[c.to];
        const bool segment = scene.segmentsInsteadOfVectors;
        const CanvasObject object(ctx.canvas, segment ? ObjectKind::Segment : ObjectKind::Vector,
                                  (segment ? "Strecke " : "Vektor ") + from.name + to.name);
        if (scene.segmentsInsteadOfVectors)
            drawSegment3D(ctx.canvas, ctx.view, from, to, scene.drawPointColor, false);
        else
            drawArrow3D(ctx.canvas, ctx.view, from, to, scene.drawPointColor,
                        scene.vectorPenWidth, true);
    }
}

// AB, AC, AD coplanar as the coplanarity button decides it. A triple
// product of 0 or clearly away from zero in floats says so; only a residue
// within rounding of zero needs the exact reading.
bool coplanarAsDecided(const DrawContext& ctx) {
    const Scene& scene = ctx.scene;
    const Vector3& AB = scene.planeSpanU[PlaneE5];
    const Vector3& AC = scene.planeSpanV[PlaneE5];
    const Vector3 n = crossProduct(AC, scene.vectorAD);
    const Vector3 terms = crossProductTerms(AC, scene.vectorAD);
    const Real tripleTerms = std::fabs(AB.x) * terms.x + std::fabs(AB.y) * terms.y + std::fabs(AB.z) * terms.z;
    const Real triple = dotProduct(AB, n);
    if (!residueNearZero(triple, tripleTerms)) return triple == 0;
    const exact::ExactScene exact = exact::buildExactScene(scene, ctx.input.texts);
    return exact::areCoplanar(exact.planeSpanU[PlaneE5], exact.planeSpanV[PlaneE5], exact.vectorAD);
}

// AD = r AB + t AC as a parallelogram of hollow arrows (when the last
// coplanarity calculation found r and t and AB, AC, AD are still coplanar),
// always the three vectors AB, AC, AD, then the four points on top.
void drawCoplanarity(DrawContext& ctx) {
    const Scene& scene = ctx.scene;
    Canvas& canvas = ctx.canvas;
    const ViewState& view = ctx.view;
    const int width = scene.vectorPenWidth;
    const Vector3& a = scene.points[PointA];
    const Vector3& b = scene.points[PointB];
    const Vector3& c = scene.points[PointC];
    const Vector3& d = scene.points[PointD];
    if (scene.coplanarValid && coplanarAsDecided(ctx)) {
        const Vector3 r = addVectors(a, scaleVector(vectorFromTo(a, b), scene.coplanarR));
        const Vector3 t = addVectors(a, scaleVector(vectorFromTo(a, c), scene.coplanarT));
        drawArrow3D(canvas, view, a, r, CoplanarColours::AB, width, false);
        drawArrow3D(canvas, view, a, t, CoplanarColours::AC, width, false);
        drawArrow3D(canvas, view, r, d, CoplanarColours::AC, width, false);
        drawArrow3D(canvas, view, t, d, CoplanarColours::AB, width, false);
    }
    drawArrow3D(canvas, view, a, b, CoplanarColours::AB, width, true);
    drawArrow3D(canvas, view, a, c, CoplanarColours::AC, width, true);
    drawArrow3D(canvas, view, a, d, CoplanarColours::AD, width, true);
    for (PointIndex i : {PointA, PointB, PointC, PointD})
        if (scene.drawPointFlag[i]) drawNamedPoint(canvas, view, scene.points[i]);
}

void drawPlanes(DrawContext& ctx) {
    Scene& scene = ctx.scene;
    for (int k : {PlaneE1, PlaneE2}) {
        if (!scene.drawPlaneFlag[k]) continue;
        const CanvasObject object(ctx.canvas, ObjectKind::Plane, planeObjectName(k));
        const auto coeffs = scene.planeCoeffs[k];  // as committed before the re-read
        drawPlaneByEquation(ctx, scene.planeColor[k], k, coeffs[0], coeffs[1], coeffs[2], coeffs[3]);
    }
    for (int k : {PlaneE3, PlaneE4, PlaneE5}) {
        if (!scene.drawPlaneFlag[k]) continue;
        const CanvasObject object(ctx.canvas, ObjectKind::Plane, planeObjectName(k));
        drawParametricPlane(ctx, k, scene.planeSupport[k], scene.planeSpanU[k],
                             scene.planeSpanV[k], scene.drawBlocked);
    }
}

}  // namespace

void drawScene(DrawContext& ctx) {
    Scene& scene = ctx.scene;
    ViewState& view = ctx.view;
    drawCoordinateSystem(ctx.canvas, view);
    scene.drawPointColor = scene.pointColor;
    scene.vectorPenWidth = view.controls.thickVectors ? 2 : 1;
    view.lineWidth = view.controls.thickLines ? 2 : 1;
    drawViewDecorations(ctx.canvas, view, scene.parallelPlaneX, scene.parallelPlaneY,
                        scene.parallelPlaneZ);
    drawPoints(ctx);
    drawConnections(ctx);
    if (scene.coplanarGraphic) {
        const CanvasObject object(ctx.canvas, ObjectKind::Coplanarity, "Komplanarität AD = rAB + tAC");
        drawCoplanarity(ctx);
    }
    if (scene.drawLineFlag[LineG]) {
        const CanvasObject object(ctx.canvas, scene.familyEnabled ? ObjectKind::LineFamily : ObjectKind::Line,
                                  scene.familyEnabled ? "Geradenschar gt" : "Gerade g");
        drawLineFamily(ctx, scene.drawBlocked);
    }
    if (scene.drawLineFlag[LineH]) {
        const CanvasObject object(ctx.canvas, ObjectKind::Line, "Gerade h");
        drawSceneLine(ctx, LineH, scene.drawBlocked);
    }
    if (scene.drawLineFlag[LineG2]) {
        const CanvasObject object(ctx.canvas, ObjectKind::Line, "Gerade g2");
        drawSceneLine(ctx, LineG2, scene.drawBlocked);
    }
    drawPlanes(ctx);
    for (int body = BodyTriangleABC; body < BodySlots; ++body) {
        if (!scene.drawBodyFlag[body]) continue;
        const CanvasObject object(ctx.canvas, ObjectKind::Body, kBodyNames[body - BodyTriangleABC]);
        kBodyDrawers[body - BodyTriangleABC](ctx);
    }
}

void executeDrawCommand(DrawContext& ctx) {
    if (ctx.scene.drawBlocked) return;
    ctx.host.hideInputWindow();
    drawScene(ctx);
}

namespace {

// Passes messages on and keeps the rejections with the opening's.
class OpeningHost : public DrawHost {
public:
    OpeningHost(DrawHost& host, std::vector<FieldRejection>& rejections) : host_(host), rejections_(rejections) {}
    void showMessage(const std::string& text) override { host_.showMessage(text); }
    void hideInputWindow() override {}
    void reportRejections(const std::vector<FieldRejection>& rejections) override {
        for (const FieldRejection& r : rejections) addOpeningRejection(rejections_, r);
    }

private:
    DrawHost& host_;
    std::vector<FieldRejection>& rejections_;
};

}  // namespace

void drawOpenedScene(Canvas& canvas, OpenedScene& opened, DrawHost& host) {
    if (opened.scene.drawBlocked) {
        ViewState start = startUpView();
        drawStartPicture(canvas, start);
        return;
    }
    OpeningHost opening(host, opened.rejections);
    DrawContext ctx{canvas, opened.view, opened.scene, opened.input, opening};
    drawScene(ctx);
}
