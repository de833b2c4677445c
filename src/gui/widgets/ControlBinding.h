#pragma once
// The controls of a window and the scene value, bound by object name and
// by the kind of control, so a control added to a window later is kept,
// saved, restored and undone without further work:
//
//   QLineEdit                      -> texts      (the text exactly as shown)
//   QCheckBox, checkable button    -> checks
//   ColourPanel                    -> colours
//   QComboBox                      -> choices    (the selected item)
//
// Controls without an object name and Qt's own parts ("qt_..." names, such
// as the editor inside a combo box) are skipped, and so is everything that
// belongs to another window.
#include "core/model/SceneState.h"

class QLineEdit;
class QObject;
class QWidget;

// Writes the state of every bound control of root's window into `value`
// now and each time the control changes: the window keeps its part of the
// scene value current. The writing stops when `context` is destroyed, which
// must happen before `value` is (a member declared after the value).
// Controls bound before are left as they are, so calling it again binds
// the controls added to the window since.
void bindControls(const QWidget& root, SceneState& value, QObject& context);

// Keeps one field's text in `value` in the same way (a field of another
// window whose text belongs to this window's reading).
void bindText(QLineEdit& field, SceneState& value, QObject& context);

// Adds the state of every bound control of root's window to state, as the
// widgets show it.
void captureControls(const QWidget& root, SceneState& state);

// Sets every bound control of root's window that state names; names without
// such a control are ignored, and so is an item a list does not have.
// Controls report the change as if the program set them (their change
// signals fire), never as a user's click or leave.
void applyControls(QWidget& root, const SceneState& state);
