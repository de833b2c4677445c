#pragma once
// The scene value of both windows: taken from the values the windows keep
// (see gui/widgets/ControlBinding.h for how controls map to the value) and
// put back into their controls. The output area is kept through its
// OutputLog (outputs: the text with its colours).
#include <functional>

#include <QString>

#include "core/model/SceneState.h"
#include "gui/widgets/ControlBinding.h"

class QLineEdit;
class QWidget;
struct Scene;
class PlotWindow;
class InputWindow;

// The input window's controls: what an undo step keeps.
SceneState captureInputWindowState(const InputWindow& inputWindow);

// The main window's part of a scene: its controls, the pan offsets, the
// three rotation angles and the font of the text placed into the picture.
SceneState captureMainWindowState(const PlotWindow& plotWindow);

// The whole scene as a file holds it: the controls of both windows, the
// output area with the colour of its next text, the pan offsets, the three
// rotation angles and the font of the text placed into the picture.
SceneState captureScene(const PlotWindow& plotWindow, const InputWindow& inputWindow);

// Puts a whole scene into the windows as opening a file does, starting from
// the start-up values (`startUp`: the start-up's controls, `startUpScene`:
// its Scene) for everything the scene does not name:
//  1. the controls of both windows, the output area, the view values and
//     the text font;
//  2. every field read as the start-up reads them (points, lines, family,
//     planes), then the main window's cube edge and stretch factor;
//  3. if `draw`, the draw command once, as the draw button runs it;
//  4. for every field a reader rejected, the message leaving that field
//     gives (or its beep), one per field, in reading order; with `report`,
//     that is called with the field and the message instead (an empty
//     message for a beep).
// No redraw happens on the way, and no undo step is recorded.
using RejectionReport = std::function<void(const QLineEdit& field, const QString& message)>;
void loadScene(PlotWindow& plotWindow, InputWindow& inputWindow, const SceneState& scene, const SceneState& startUp,
               const Scene& startUpScene, bool draw, const RejectionReport& report = {});
