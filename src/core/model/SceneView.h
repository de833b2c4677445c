#pragma once
// The view's part of the scene value: the pan offsets, the three rotation
// angles and the font of the text placed into the picture, which have no
// control of their own. Core: no Qt.
#include "core/model/SceneState.h"
#include "core/canvas/ViewState.h"

TextFont fontOfView(const ViewState& view);
void setViewFont(ViewState& view, const TextFont& font);

// Writes the view values and the text font of `view` into `state`.
void captureViewValues(const ViewState& view, SceneState& state);

// Takes each view value `state` holds, and its text font, into `view`;
// true when it held a font.
bool applyViewValues(ViewState& view, const SceneState& state);
