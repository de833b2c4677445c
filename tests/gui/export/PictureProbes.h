#pragma once
// A scene whose objects stand apart, and probes of where the screen shows
// them: sample points on the axes, the cube's dotted edge, a hatched
// plane's hatch lines, a point marker, a label and an arrowhead, each
// checked at the scale an exported picture was drawn or rasterised at.
#include <QImage>
#include <QPointF>
#include <QStringList>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "core/canvas/PictureRecorder.h"
#include "core/model/Scene.h"
#include "core/canvas/Projection.h"
#include "gui/canvas/QImageCanvas.h"
#include "core/canvas/ViewState.h"

namespace probes {

constexpr Colour kCubeGreen = 0x0000A000;
constexpr Colour kPlaneMagenta = 0x00C000C0;

// Objects that stand apart: axes, a green cube of edge 4 whose dotted
// edges lie on the axes, the plane x + y - z = 3 hatched (below the x and y
// axes), the point C with its label and the vector AB.
inline const Vector3 kPointC = makeVector(0, 8, 8);

inline void probeScene(Scene& s, ViewControls& c, ViewState& view) {
    c.cube = true;
    c.xyPlane = c.xzPlane = c.yzPlane = false;
    view.cubeEdge = 4;
    view.cubeColor = kCubeGreen;
    setCoordinates(s.points[PointA], makeVector(2, 6, 5));
    setCoordinates(s.points[PointB], makeVector(6, 2, 5));
    setCoordinates(s.points[PointC], kPointC);
    s.drawPointFlag[PointC] = true;
    s.drawVectorFlag[VectorAB] = true;
    s.planeCoeffs[PlaneE1] = {1, 1, -1, 3};
    s.planeColor[PlaneE1] = kPlaneMagenta;
    s.drawPlaneFlag[PlaneE1] = true;
}

// Something the picture must (or must not) show near a place, in picture
// coordinates (pixel x covers x .. x + 1).
struct Probe {
    std::string what;
    double x;
    double y;
    Colour colour;
    bool present;
    double radius;  // picture pixels
};

inline bool near(QRgb pixel, Colour c) {
    const QColor want = QImageCanvas::toQColor(c);
    return std::abs(qRed(pixel) - want.red()) <= 60 && std::abs(qGreen(pixel) - want.green()) <= 60 &&
           std::abs(qBlue(pixel) - want.blue()) <= 60;
}

// The probes an image of the picture drawn at `scale` fails.
inline std::vector<std::string> misplaced(const QImage& image, double scale, const std::vector<Probe>& probes) {
    std::vector<std::string> failures;
    if (image.isNull()) return {"no image"};
    for (const Probe& p : probes) {
        const double cx = p.x * scale, cy = p.y * scale, r = std::max(p.radius * scale, 0.71);
        bool found = false;
        for (int y = int(std::floor(cy - r)); y <= int(std::ceil(cy + r)); ++y)
            for (int x = int(std::floor(cx - r)); x <= int(std::ceil(cx + r)); ++x)
                if (image.rect().contains(x, y) && std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= r &&
                    near(image.pixel(x, y), p.colour))
                    found = true;
        if (found != p.present) failures.push_back(p.what);
    }
    return failures;
}

inline std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& s : items) out += s + "; ";
    return out;
}

inline std::vector<Probe> probesOf(const ViewState& view, const std::vector<CanvasCall>& calls) {
    std::vector<Probe> probes;
    auto centre = [&](Real x, Real y, Real z) {
        const PixelPoint p = pointToPixel(makeVector(x, y, z), view);
        return QPointF(p.x + 0.5, p.y + 0.5);
    };
    for (Real u : {5.5L, 6.5L, 7.5L, 8.5L}) {
        const QPointF p = centre(u, 0, 0);
        probes.push_back({"x-Achse bei " + std::to_string(double(u)), p.x(), p.y(), Colours::Black, true, 1.0});
    }
    // The cube's dotted edge O-X over the axis: every third step a dot.
    const PixelPoint o = pointToPixel(makeVector(0, 0, 0), view), x4 = pointToPixel(makeVector(4, 0, 0), view);
    const int steps = std::max(std::abs(x4.x - o.x), std::abs(x4.y - o.y));
    for (int t = steps / 8; t < steps * 5 / 8; ++t) {
        const double px = o.x + 0.5 + double(x4.x - o.x) * t / steps, py = o.y + 0.5 + double(x4.y - o.y) * t / steps;
        const std::string at = " bei Schritt " + std::to_string(t);
        if (t % 3 == 0) probes.push_back({"Würfelkante Punkt" + at, px, py, kCubeGreen, true, 0.3});
        if (t % 3 == 1) probes.push_back({"Würfelkante Lücke" + at, px, py, kCubeGreen, false, 0.25});
    }
    // Hatch lines of E1 near its centroid: x - y = 8k, white between.
    const QPointF c = (centre(3, 0, 0) + centre(0, 3, 0) + centre(0, 0, -3)) / 3;
    const int row = int(c.y());
    int col = int(c.x());
    while (((col - row) % 8 + 8) % 8 != 0) ++col;
    for (int k = -1; k <= 1; ++k) {
        const double x = col + 8 * k + 0.5;
        probes.push_back({"Schraffurlinie " + std::to_string(k), x, row + 0.5, kPlaneMagenta, true, 0.3});
        probes.push_back({"zwischen Schraffurlinien " + std::to_string(k), x + 4, row + 0.5, kPlaneMagenta,
                          false, 1.2});
    }
    // C: a white disc with a blue rim around the corner of its pixel, the
    // label above to the right.
    const PixelPoint pc = pointToPixel(kPointC, view);
    const QPointF a(pc.x, pc.y);
    probes.push_back({"Punkt C innen", a.x(), a.y(), Colours::Blue, false, 0.6});
    for (auto [dx, dy] : {std::pair{2.5, 0.0}, {-2.5, 0.0}, {0.0, 2.5}, {0.0, -2.5}})
        probes.push_back({"Punkt C Rand", a.x() + dx, a.y() + dy, Colours::Blue, true, 0.5});
    probes.push_back({"Beschriftung C", a.x() + 6 + 4.5, a.y() - 17 + 8, Colours::Blue, true, 3.5});
    probes.push_back({"rechts neben der Beschriftung", a.x() + 6 + 22, a.y() - 17 + 8, Colours::Blue, false, 3.0});
    probes.push_back({"über der Beschriftung", a.x() + 10, a.y() - 17 - 7, Colours::Blue, false, 3.0});
    // The arrowhead of AB, filled, and nothing beyond its tip.
    bool inVector = false;
    for (const CanvasCall& call : calls) {
        if (call.op == CanvasOp::BeginObject) inVector = call.text == "Vektor AB";
        if (!inVector || call.op != CanvasOp::Polygon || call.points.size() != 4) continue;
        const PixelPoint tip = call.points[0], b = call.points[1], d = call.points[2];
        const double mx = (tip.x + b.x + d.x) / 3.0 + 0.5, my = (tip.y + b.y + d.y) / 3.0 + 0.5;
        probes.push_back({"Pfeilspitze", mx, my, Colours::Blue, true, 0.5});
        probes.push_back({"hinter der Pfeilspitze", tip.x + 0.5 + 1.5 * (tip.x + 0.5 - mx),
                          tip.y + 0.5 + 1.5 * (tip.y + 0.5 - my), Colours::Blue, false, 1.0});
    }
    return probes;
}

// The names of the objects an export names, in order: those that draw
// nothing are left out.
inline QStringList objectNames(std::span<const CanvasCall> calls) {
    RecordingCanvas replayed;
    replayCalls(calls, replayed);
    QStringList names;
    for (const CanvasCall& c : replayed.calls())
        if (c.op == CanvasOp::BeginObject) names << QString::fromStdString(c.text);
    return names;
}

}  // namespace probes
