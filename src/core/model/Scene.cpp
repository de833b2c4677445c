#include "core/model/Scene.h"

#include <cmath>

#include "core/geometry/VectorOps.h"
#include "core/numbers/NumberReader.h"
#include "core/numbers/NumberTools.h"

namespace {

Vector3 makePoint(Real x, Real y, Real z, const char* name, Colour colour) {
    Vector3 v;
    v.x = x;
    v.y = y;
    v.z = z;
    v.name = name;
    v.color = colour;
    v.coordinatePaths = false;
    return v;
}

}  // namespace

Scene::Scene() {
    const Colour c = pointColor;
    points[PointA] = makePoint(4, 0, 0, "A", c);
    points[PointB] = makePoint(0, 6, 0, "B", c);
    points[PointC] = makePoint(0, 0, 8, "C", c);
    points[PointD] = makePoint(6, 0, 7, "D", c);
    points[PointE] = makePoint(-3, -3, 0, "E", c);
    points[PointF] = makePoint(-2, -4, 2, "F", c);
    points[PointS] = makePoint(6, 8, 8, "S", c);
    points[PointP] = makePoint(5, 0, 2, "P", c);
    points[PointQ] = makePoint(0, 6, 7, "Q", c);
    vectorAD = makePoint(2, 0, 7, "AD", c);
    origin = originPoint();

    // g as evaluated at the start of its family (t = 1).
    lineSupport[LineG] = makeVector(3, 3, 4);
    lineDirection[LineG] = makeVector(-4, 5, 1.5L);
    lineSupport[LineH] = makeVector(4, 0, 6);
    lineDirection[LineH] = makeVector(0, 7, -6);
    lineSupport[LineG2] = points[PointP];
    lineDirection[LineG2] = makeVector(-5, 6, 5);

    planeCoeffs[PlaneE1] = {15, 12, 10, 60};
    planeCoeffs[PlaneE2] = {0, 6, 5, 30};
    planeSupport[PlaneE3] = makeVector(3, 2, 1);
    planeSpanU[PlaneE3] = makeVector(3, -2, 1);
    planeSpanV[PlaneE3] = makeVector(-3, 2, 1);
    planeSupport[PlaneE4] = makeVector(2, 1, 2);
    planeSpanU[PlaneE4] = makeVector(-1, 0, 2);
    planeSpanV[PlaneE4] = makeVector(0, 1, 0);
    planeSupport[PlaneE5] = makeVector(4, 0, 0);
    planeSpanU[PlaneE5] = makeVector(-4, 6, 0);
    planeSpanV[PlaneE5] = makeVector(-4, 0, 8);
    e3SpanCopyU = planeSpanU[PlaneE3];
    e3SpanCopyV = planeSpanV[PlaneE3];

    lineColor[LineG] = Colours::Red;
    lineColor[LineH] = Colours::Teal;
    lineColor[LineG2] = Colours::Blue;
    planeColor[PlaneE1] = Colours::Green;
    planeColor[PlaneE2] = Colours::Purple;
    planeColor[PlaneE3] = Colours::Navy;
    planeColor[PlaneE4] = Colours::Red;
    planeColor[PlaneE5] = 0x0055AAFF;  // orange
}

Vector3 originPoint() { return makePoint(0, 0, 0, "O", Colours::Black); }

void restoreInputValues(Scene& scene, const Scene& saved) {
    const Scene kept = scene;
    scene = saved;
    scene.drawPointColor = kept.drawPointColor;
    scene.vectorPenWidth = kept.vectorPenWidth;
    scene.coplanarR = kept.coplanarR;
    scene.coplanarT = kept.coplanarT;
    scene.coplanarValid = kept.coplanarValid;
    scene.e3SpanCopyU = kept.e3SpanCopyU;
    scene.e3SpanCopyV = kept.e3SpanCopyV;
    scene.origin = kept.origin;
    scene.parallelPlaneX = kept.parallelPlaneX;
    scene.parallelPlaneY = kept.parallelPlaneY;
    scene.parallelPlaneZ = kept.parallelPlaneZ;
}

namespace {

// Calls f(name, value) for every Real of the scene.
template <class F>
void forEachValue(const Scene& s, F f) {
    auto vector = [&f](const std::string& name, const Vector3& v) {
        f(name + ".x", v.x);
        f(name + ".y", v.y);
        f(name + ".z", v.z);
    };
    auto indexed = [](const char* name, std::size_t i) { return std::string(name) + "[" + std::to_string(i) + "]"; };
    for (std::size_t i = 0; i < s.points.size(); ++i) vector(indexed("points", i), s.points[i]);
    vector("vectorAD", s.vectorAD);
    vector("origin", s.origin);
    for (std::size_t i = 0; i < LineSlots; ++i) {
        vector(indexed("lineSupport", i), s.lineSupport[i]);
        vector(indexed("lineDirection", i), s.lineDirection[i]);
    }
    for (std::size_t i = 0; i < s.planeCoeffs.size(); ++i)
        for (std::size_t k = 0; k < 4; ++k) f(indexed("planeCoeffs", i) + "[" + std::to_string(k) + "]", s.planeCoeffs[i][k]);
    for (std::size_t i = 0; i < PlaneSlots; ++i) {
        vector(indexed("planeSupport", i), s.planeSupport[i]);
        vector(indexed("planeSpanU", i), s.planeSpanU[i]);
        vector(indexed("planeSpanV", i), s.planeSpanV[i]);
    }
    vector("e3SpanCopyU", s.e3SpanCopyU);
    vector("e3SpanCopyV", s.e3SpanCopyV);
    for (std::size_t i = 0; i < s.lineGParameters.size(); ++i) f(indexed("lineGParameters", i), s.lineGParameters[i]);
    f("familyFrom", s.familyFrom);
    f("familyTo", s.familyTo);
    f("familyStep", s.familyStep);
    f("parallelPlaneX", s.parallelPlaneX);
    f("parallelPlaneY", s.parallelPlaneY);
    f("parallelPlaneZ", s.parallelPlaneZ);
    f("coplanarR", s.coplanarR);
    f("coplanarT", s.coplanarT);
}

}  // namespace

std::string naNValueName(const Scene& scene) {
    std::string first;
    forEachValue(scene, [&first](const std::string& name, Real value) {
        if (first.empty() && std::isnan(value)) first = name;
    });
    return first;
}

std::string cutPointName(const std::string& utf8) {
    std::size_t pos = 0;
    int count = 0;
    while (pos < utf8.size() && count < 3) {
        ++pos;
        // Skip continuation bytes so a character is never split.
        while (pos < utf8.size() && (static_cast<unsigned char>(utf8[pos]) & 0xC0) == 0x80) ++pos;
        ++count;
    }
    return utf8.substr(0, pos);
}

bool derivedFieldText(Real value, std::string& text) {
    if (!std::isfinite(value)) return false;
    text = numberText(value);
    return true;
}

std::optional<Real> derivedFieldValue(Real value) {
    std::string text;
    if (!derivedFieldText(value, text)) return std::nullopt;
    const NumberReadResult r = parseNumberOrFraction(text);
    return r.ok ? std::optional<Real>(r.value) : std::nullopt;
}
