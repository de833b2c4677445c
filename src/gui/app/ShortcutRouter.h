#pragma once
// Decides, key by key, whether one of the program's application-wide
// shortcuts goes to the focused text field or to its menu entry. A line
// edit claims Ctrl+Z, Ctrl+Y and several Ctrl letters for itself; without
// this, the menu's shortcuts would never fire while the focus is in a
// field, which is nearly always.
//
//  - Undo and redo keys go to the focused field (line edit or rich-text
//    area) while it has typing of its own to undo or redo, else to the
//    menu entry, which undoes the last committed step.
//  - Every other shortcut of the menu goes to its entry.
//  - Keys that are no shortcut of the menu (Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+A,
//    ...) stay with the fields.
#include <QList>
#include <QObject>

class QAction;

class ShortcutRouter : public QObject {
public:
    // Watches the whole application (install with qApp->installEventFilter).
    ShortcutRouter(QAction* undo, QAction* redo, QList<QAction*> shortcutActions, QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Route { None, FieldUndo, FieldRedo, Menu };
    Route routeOf(QObject* receiver, const QEvent* event) const;

    QAction* undo_;
    QAction* redo_;
    QList<QAction*> actions_;
};
