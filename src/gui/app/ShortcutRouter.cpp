#include "gui/app/ShortcutRouter.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>

namespace {

bool matches(const QAction* action, const QKeySequence& keys) { return action && action->shortcuts().contains(keys); }

// Whether the focused widget is an editable text field that can undo (or
// redo) typing of its own.
bool fieldCanStep(QObject* receiver, bool undo) {
    if (auto* edit = qobject_cast<QLineEdit*>(receiver))
        return !edit->isReadOnly() && (undo ? edit->isUndoAvailable() : edit->isRedoAvailable());
    if (auto* text = qobject_cast<QTextEdit*>(receiver))
        return !text->isReadOnly() &&
               (undo ? text->document()->isUndoAvailable() : text->document()->isRedoAvailable());
    return false;
}

void stepField(QObject* receiver, bool undo) {
    if (auto* edit = qobject_cast<QLineEdit*>(receiver)) undo ? edit->undo() : edit->redo();
    if (auto* text = qobject_cast<QTextEdit*>(receiver)) undo ? text->undo() : text->redo();
}

}  // namespace

ShortcutRouter::ShortcutRouter(QAction* undo, QAction* redo, QList<QAction*> shortcutActions, QObject* parent)
    : QObject(parent), undo_(undo), redo_(redo), actions_(std::move(shortcutActions)) {}

ShortcutRouter::Route ShortcutRouter::routeOf(QObject* receiver, const QEvent* event) const {
    const auto* key = static_cast<const QKeyEvent*>(event);
    const QKeySequence keys(key->keyCombination());
    const bool undo = matches(undo_, keys);
    const bool redo = matches(redo_, keys);
    if (undo || redo) {
        if (fieldCanStep(receiver, undo)) return undo ? Route::FieldUndo : Route::FieldRedo;
        return Route::Menu;
    }
    for (const QAction* action : actions_)
        if (matches(action, keys)) return Route::Menu;
    return Route::None;
}

bool ShortcutRouter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
    const Route route = routeOf(watched, event);
    if (route == Route::None) return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Accepted: the key is the field's and reaches it as a key press.
        // Ignored: the shortcut fires.
        event->setAccepted(route != Route::Menu);
        return true;
    }
    // The key press of an undo or redo the field keeps: done here, for
    // Ctrl+Y and Ctrl+Shift+Z alike, whatever the field's own key bindings.
    if (route == Route::FieldUndo || route == Route::FieldRedo) {
        stepField(watched, route == Route::FieldUndo);
        return true;
    }
    return false;
}
