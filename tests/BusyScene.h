#pragma once
// The busy scene shared by the export tests and the benchmarks: everything
// drawable switched on, the scene as typed that shows it, and a host that
// tells nobody.
#include "core/geometry/VectorOps.h"
#include "core/model/SceneInput.h"
#include "core/render/DrawHost.h"

class BusySceneHost : public DrawHost {
public:
    void showMessage(const std::string&) override {}
    void hideInputWindow() override {}
    void reportRejections(const std::vector<FieldRejection>&) override {}
};

// The scene as the input window shows `s`: h, the planes and the parallel
// planes with the Scene's values, E5 from the points A, B and C, g with its
// start-up formulas (the family in t) and t1 = 1.
inline SceneState inputShowing(const Scene& s) {
    SceneState in;
    auto triple = [&in](const std::string& prefix, const Vector3& v) {
        in.texts["Edit_" + prefix + "x"] = derivedFieldShownText(v.x);
        in.texts["Edit_" + prefix + "y"] = derivedFieldShownText(v.y);
        in.texts["Edit_" + prefix + "z"] = derivedFieldShownText(v.z);
    };
    triple("uh", s.lineSupport[LineH]);
    triple("vh", s.lineDirection[LineH]);
    for (int n : {PlaneE1, PlaneE2})
        for (std::size_t k = 0; k < 4; ++k)
            in.texts["Edit_" + std::string("abcd").substr(k, 1) + std::to_string(n)] =
                derivedFieldShownText(s.planeCoeffs[std::size_t(n)][k]);
    for (int n : {PlaneE3, PlaneE4}) {
        triple("p" + std::to_string(n), s.planeSupport[std::size_t(n)]);
        triple("u" + std::to_string(n), s.planeSpanU[std::size_t(n)]);
        triple("v" + std::to_string(n), s.planeSpanV[std::size_t(n)]);
    }
    triple("p5", s.points[PointA]);
    triple("u5", vectorFromTo(s.points[PointA], s.points[PointB]));
    triple("v5", vectorFromTo(s.points[PointA], s.points[PointC]));
    in.texts["Edit_x_gleich_const"] = derivedFieldShownText(s.parallelPlaneX);
    in.texts["Edit_y_gleich_const"] = derivedFieldShownText(s.parallelPlaneY);
    in.texts["Edit_z_gleich_const"] = derivedFieldShownText(s.parallelPlaneZ);
    const char* const g[6] = {"3", "3", "4", "-4", "5", "1,5t"};
    for (std::size_t i = 0; i < 3; ++i) {
        in.texts["Edit_ug" + std::string("xyz").substr(i, 1)] = g[i];
        in.texts["Edit_vg" + std::string("xyz").substr(i, 1)] = g[i + 3];
    }
    in.texts["Edit_t1"] = "1";
    return in;
}

// Nine points with paths, seven vectors, the coplanarity construction, the
// family of five, h and g2 with trace points, five hatched planes, eight
// bodies with spat vectors, the cube, three parallel planes, three
// coordinate planes and the background raster.
inline void makeBusyScene(Scene& s, ViewControls& c) {
    setCoordinates(s.points[PointD], makeVector(0, 3, 4));  // D = A + AB/2 + AC/2: coplanar
    s.vectorAD = vectorFromTo(s.points[PointA], s.points[PointD]);
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
