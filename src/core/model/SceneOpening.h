#pragma once
// A whole scene value read as the program reads it when it starts and when
// it opens a file, without any window: the start-up value, the Scene and
// the view it gives, and the fields it rejects. The windows start from the
// same tables, and the command-line export draws from this reading.
// Core: no Qt.
#include <vector>

#include "core/model/Scene.h"
#include "core/model/SceneInput.h"
#include "core/model/SceneState.h"
#include "core/canvas/ViewState.h"

// What the start-up and the defaults button set in the input window: the
// texts of the points A to S, P, Q, the planes E1 to E4, h, g and the
// family, and those boxes unchecked (point names, colour panels and a few
// boxes are kept by the defaults button and are not part of it).
SceneState defaultInputEntries();

// The input window's and the parallel planes' fields as the program starts:
// the defaults, the point names and the parallel planes' texts. Boxes it
// does not name are unchecked, panels it does not name have their table
// colour.
SceneState startUpInput();

// The Scene the start-up reads from startUpInput().
Scene startUpScene();

// The view as the main window starts.
ViewState startUpView();

// The main window's controls and view values that `state` names, read
// into `view` as the window reads them from its controls (the zoom list,
// the boxes and system buttons, the colour panels, the cube's edge, the
// planes' stretch factor, the text for the picture and its font, the pan
// offsets and the rotation angles). A cube edge or stretch factor whose
// text is rejected keeps its default, and the field is added to
// `rejections`.
void readViewControls(const SceneState& state, ViewState& view, std::vector<FieldRejection>& rejections);

// A scene file's value opened as the program opens it.
struct OpenedScene {
    SceneState input;   // the start-up input with the file's entries and the derived fields' texts
    // Its drawBlocked is set for a formula of g that leaving its field
    // would reject: typed, that keeps the draw button from drawing, and so
    // it does here.
    Scene scene;
    ViewState view;
    // Every field whose text was rejected, once, in the order opening meets
    // them; the derived read-only fields are left out (their source field
    // has a rejection of its own).
    std::vector<FieldRejection> rejections;
};
OpenedScene openScene(const SceneState& file);

// Adds a rejection to an opening's list as opening reports them: each field
// once, derived fields never.
void addOpeningRejection(std::vector<FieldRejection>& list, const FieldRejection& rejection);
