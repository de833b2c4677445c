#pragma once
// What the object drawers need besides the canvas, the view and the scene:
// the few things only the windows can do. The draw command and the drawers
// talk to the windows through this interface, so they stay free of Qt and
// can be run against a RecordingCanvas in tests.
#include <string>

#include "core/model/Scene.h"
#include "core/canvas/Canvas.h"
#include "core/canvas/ViewState.h"

class DrawHost {
public:
    virtual ~DrawHost() = default;

    // A modal message box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // Hides the input window; it can be shown again with its state intact.
    virtual void HideInputWindow() = 0;

    // Re-reading fields of the input window into the scene. Invalid texts
    // report themselves (beep, message, focus) and leave what the reader
    // left; the drawing goes on either way.
    virtual void RereadLines(Scene& scene) = 0;    // h from its fields, g2 from P and Q
    virtual void RereadPlanes(Scene& scene) = 0;   // all plane fields, E5 from A, B, C
    // Evaluates the six formulas of g at t = scene.familyFrom.
    virtual void RereadFamily(Scene& scene) = 0;
    // Current text of the field t1.
    virtual std::string FamilyFromText() = 0;
};

// Everything one drawing run works on.
struct DrawContext {
    Canvas& canvas;
    ViewState& view;
    Scene& scene;
    DrawHost& host;
};
