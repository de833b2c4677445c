#pragma once
// Shared helpers of the drawing tests: a host that records what the drawers
// asked of the windows, and short ways to name pixels and recorded lines.
#include <array>
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
    std::vector<FieldRejection> rejections;  // every reported one, in order

    void showMessage(const std::string& text) override { messages.push_back(text); }
    void hideInputWindow() override { ++hideCount; }
    void reportRejections(const std::vector<FieldRejection>& r) override {
        rejections.insert(rejections.end(), r.begin(), r.end());
    }
};

inline Vector3 V(Real x, Real y, Real z) {
    Vector3 v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}

inline Vector3 named(Real x, Real y, Real z, const std::string& name, Colour colour,
                     bool paths = false) {
    Vector3 v = V(x, y, z);
    v.name = name;
    v.color = colour;
    v.coordinatePaths = paths;
    return v;
}

inline PixelPoint Px(const ViewState& view, Real x, Real y, Real z) {
    return pointToPixel(V(x, y, z), view);
}

// A recorded line: the LineTo call with its start and end.
struct RecordedLine {
    PixelPoint from;
    PixelPoint to;
    CanvasAttributes attributes;
};

inline std::vector<RecordedLine> linesOf(const RecordingCanvas& canvas) {
    std::vector<RecordedLine> lines;
    for (const CanvasCall& call : canvas.calls())
        if (call.op == CanvasOp::LineTo) lines.push_back({call.points.at(0), call.points.at(1), call.attributes});
    return lines;
}

// Test fixture pieces: a canvas, the default view, a start-up scene, the
// scene as typed (empty: every reread field rejected and kept), a host and
// the context joining them.
struct DrawBench {
    RecordingCanvas canvas;
    ViewState view;
    Scene scene;
    SceneState input;
    FakeHost host;
    DrawContext ctx{canvas, view, scene, input, host};

    // The input's fields of a triple such as "uh" or "Punkt1_": x, y, z.
    void setTriple(const std::string& prefix, const std::array<std::string, 3>& texts) {
        for (std::size_t a = 0; a < 3; ++a) input.texts["Edit_" + prefix + "xyz"[a]] = texts[a];
    }
    // g's support and direction fields (formulas in t).
    void setLineG(const std::array<std::string, 3>& support, const std::array<std::string, 3>& direction) {
        setTriple("ug", support);
        setTriple("vg", direction);
    }
};
