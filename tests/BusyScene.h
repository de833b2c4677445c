#pragma once
// The busy scene shared by the export tests and the benchmarks: everything
// drawable switched on, and a host that reads the windows' fields as the
// start-up leaves them (the family formulas evaluated for real).
#include "core/geometry/VectorOps.h"
#include "core/numbers/Evaluator.h"
#include "core/render/DrawHost.h"

class BusySceneHost : public DrawHost {
public:
    void ShowMessage(const std::string&) override {}
    void HideInputWindow() override {}
    void RereadLines(Scene& s) override {
        s.lineSupport[LineG2] = s.points[PointP];
        s.lineDirection[LineG2] = VectorFromTo(s.points[PointP], s.points[PointQ]);
    }
    void RereadPlanes(Scene& s) override {
        s.planeSupport[PlaneE5] = s.points[PointA];
        s.planeSpanU[PlaneE5] = VectorFromTo(s.points[PointA], s.points[PointB]);
        s.planeSpanV[PlaneE5] = VectorFromTo(s.points[PointA], s.points[PointC]);
    }
    void RereadFamily(Scene& s) override {
        static const char* const texts[6] = {"3", "3", "4", "-4", "5", "1,5t"};
        Real values[6];
        for (int i = 0; i < 6; ++i) values[i] = EvaluateExpression(texts[i], 0, s.familyFrom).value;
        SetCoordinates(s.lineSupport[LineG], MakeVector(values[0], values[1], values[2]));
        SetCoordinates(s.lineDirection[LineG], MakeVector(values[3], values[4], values[5]));
    }
    std::string FamilyFromText() override { return "1"; }
};

// Nine points with paths, seven vectors, the coplanarity construction, the
// family of five, h and g2 with trace points, five hatched planes, eight
// bodies with spat vectors, the cube, three parallel planes, three
// coordinate planes and the background raster.
inline void MakeBusyScene(Scene& s, ViewControls& c) {
    SetCoordinates(s.points[PointD], MakeVector(0, 3, 4));  // D = A + AB/2 + AC/2: coplanar
    s.vectorAD = VectorFromTo(s.points[PointA], s.points[PointD]);
    s.coplanarR = 0.5L;
    s.coplanarT = 0.5L;
    s.coplanarValid = true;
    s.coplanarGraphic = true;
    for (auto& p : s.points) p.coordinatePaths = true;
    s.drawPointFlag.fill(true);
    s.drawVectorFlag.fill(true);
    s.familyEnabled = true;
    s.familyTo = 3;
    s.familyStep = 0.5L;
    s.drawLineFlag.fill(true);
    s.drawPlaneFlag.fill(true);
    s.drawBodyFlag.fill(true);
    s.drawSpatVectors = true;
    c.raster = true;
    c.tracePoints = true;
    c.hatchSurfaces = true;
    c.cube = c.xPlane = c.yPlane = c.zPlane = true;
    c.xyPlane = c.xzPlane = c.yzPlane = true;
}
