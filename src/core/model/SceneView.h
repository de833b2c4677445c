#pragma once
// The view's part of the scene value: the pan offsets, the three rotation
// angles and the font of the text placed into the picture, which have no
// control of their own. Core: no Qt.
#include "core/model/SceneState.h"
#include "core/canvas/ViewState.h"

TextFont FontOfView(const ViewState& view);
void SetViewFont(ViewState& view, const TextFont& font);

// Writes the view values and the text font of `view` into `state`.
void CaptureViewValues(const ViewState& view, SceneState& state);

// Takes each view value `state` holds, and its text font, into `view`;
// true when it held a font.
bool ApplyViewValues(ViewState& view, const SceneState& state);
