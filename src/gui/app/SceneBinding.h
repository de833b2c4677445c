#pragma once
// Binds the controls of the windows to the plain scene value SceneState by
// their object names. The binding goes by the kind of control, not by a
// list of names, so a control added to a window later is saved, restored
// and undone without further work:
//
//   QLineEdit                      -> texts      (the text exactly as shown)
//   QCheckBox, checkable button    -> checks
//   ColourPanel                    -> colours
//   QComboBox                      -> choices    (the selected item)
//
// The output area is kept by CaptureScene and LoadScene through its
// OutputLog (outputs: the text with its colours).
//
// Controls without an object name and Qt's own parts ("qt_..." names, such
// as the editor inside a combo box) are skipped, and so is everything that
// belongs to another window.
#include <functional>

#include <QString>

#include "core/model/SceneState.h"

class QLineEdit;
class QWidget;
struct Scene;
class PlotWindow;
class InputWindow;

// Adds the state of every bound control of root's window to state.
void CaptureControls(const QWidget& root, SceneState& state);

// Sets every bound control of root's window that state names; names without
// such a control are ignored, and so is an item a list does not have.
// Controls report the change as if the program set them (their change
// signals fire), never as a user's click or leave.
void ApplyControls(QWidget& root, const SceneState& state);

// The input window's controls: what an undo step keeps.
SceneState CaptureInputWindow(const InputWindow& form3);

// The main window's part of a scene: its controls, the pan offsets, the
// three rotation angles and the font of the text placed into the picture.
SceneState CaptureMainWindow(const PlotWindow& form1);

// The whole scene as a file holds it: the controls of both windows, the
// output area with the colour of its next text, the pan offsets, the three
// rotation angles and the font of the text placed into the picture.
SceneState CaptureScene(const PlotWindow& form1, const InputWindow& form3);

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
void LoadScene(PlotWindow& form1, InputWindow& form3, const SceneState& scene, const SceneState& startUp,
               const Scene& startUpScene, bool draw, const RejectionReport& report = {});
