#pragma once
// What the object drawers need besides the canvas, the view and the scene:
// the few things only the windows can do, all of them telling the user
// something. The draw command and the drawers talk to the windows through
// this interface, so they stay free of Qt and can be run against a
// RecordingCanvas in tests.
#include <string>
#include <vector>

#include "core/model/Scene.h"
#include "core/model/SceneInput.h"
#include "core/canvas/Canvas.h"
#include "core/canvas/ViewState.h"

class DrawHost {
public:
    virtual ~DrawHost() = default;

    // A modal message box with an OK button.
    virtual void showMessage(const std::string& text) = 0;
    // Hides the input window; it can be shown again with its state intact.
    virtual void hideInputWindow() = 0;

    // Fields whose text a reread of the drawing rejected, in reading order:
    // each is told as leaving the field tells it (beep, message, focus);
    // the drawing goes on either way.
    virtual void reportRejections(const std::vector<FieldRejection>& rejections) = 0;
};

// Everything one drawing run works on. The drawers read the fields again
// from `input` (the scene as typed) and write into `scene`.
struct DrawContext {
    Canvas& canvas;
    ViewState& view;
    Scene& scene;
    const SceneState& input;
    DrawHost& host;
};
