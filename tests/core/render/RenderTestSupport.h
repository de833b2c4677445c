#pragma once
// Shared helpers of the drawing tests: a host that records what the drawers
// asked of the windows, and short ways to name pixels and recorded lines.
#include <functional>
#include <string>
#include <vector>

#include "core/geometry/Vector3.h"
#include "core/model/Scene.h"
#include "core/canvas/Projection.h"
#include "core/canvas/RecordingCanvas.h"
#include "core/canvas/ViewState.h"
#include "core/render/DrawHost.h"

class FakeHost : public DrawHost {
public:
    std::vector<std::string> messages;
    int hideCount = 0;
    int lineRereads = 0;
    int planeRereads = 0;
    std::vector<Real> familyRereadsAt;  // familyFrom at each family re-read
    std::string familyFromText = "1";

    // Optional effects of the re-readers on the scene.
    std::function<void(Scene&)> onRereadLines;
    std::function<void(Scene&)> onRereadPlanes;
    std::function<void(Scene&)> onRereadFamily;

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void HideInputWindow() override { ++hideCount; }
    void RereadLines(Scene& scene) override {
        ++lineRereads;
        if (onRereadLines) onRereadLines(scene);
    }
    void RereadPlanes(Scene& scene) override {
        ++planeRereads;
        if (onRereadPlanes) onRereadPlanes(scene);
    }
    void RereadFamily(Scene& scene) override {
        familyRereadsAt.push_back(scene.familyFrom);
        if (onRereadFamily) onRereadFamily(scene);
    }
    std::string FamilyFromText() override { return familyFromText; }
};

inline Vector3 V(Real x, Real y, Real z) {
    Vector3 v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}

inline Vector3 Named(Real x, Real y, Real z, const std::string& name, Colour colour,
                     bool paths = false) {
    Vector3 v = V(x, y, z);
    v.name = name;
    v.color = colour;
    v.coordinatePaths = paths;
    return v;
}

inline PixelPoint Px(const ViewState& view, Real x, Real y, Real z) {
    return PointToPixel(V(x, y, z), view);
}

// A recorded line: the LineTo call with its start and end.
struct RecordedLine {
    PixelPoint from;
    PixelPoint to;
    CanvasAttributes attributes;
};

inline std::vector<RecordedLine> LinesOf(const RecordingCanvas& canvas) {
    std::vector<RecordedLine> lines;
    for (const CanvasCall& call : canvas.Calls())
        if (call.op == CanvasOp::LineTo) lines.push_back({call.points.at(0), call.points.at(1), call.attributes});
    return lines;
}

// Test fixture pieces: a canvas, the default view, a start-up scene, a host
// and the context joining them.
struct DrawBench {
    RecordingCanvas canvas;
    ViewState view;
    Scene scene;
    FakeHost host;
    DrawContext ctx{canvas, view, scene, host};
};
