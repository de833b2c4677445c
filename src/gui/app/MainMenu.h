#pragma once
// The main window's menu bar: "Datei", "Bearbeiten", "Hilfe". Every entry is
// an action with an object name ("Action_…") and application-wide
// shortcuts, so its keys work in every window of the program. The entries
// do nothing by themselves; SceneController connects them.
#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QObject;

class MainMenu {
public:
    explicit MainMenu(QMainWindow& window);

    // A new entry at the end of `menu`.
    static QAction* addEntry(QMenu* menu, const char* objectName, const QString& text,
                             const QList<QKeySequence>& keys = {});
    // A new entry of "Datei" at the end of the group above "Beenden" (after
    // "Druckvorschau …" and the entries added before).
    QAction* addFileEntry(const char* objectName, const QString& text, const QList<QKeySequence>& keys = {});

    // Every action of the menus that has a shortcut.
    QList<QAction*> shortcutActions() const;

    QMenu* fileMenu = nullptr;
    QMenu* recentMenu = nullptr;   // "Zuletzt geöffnet": filled by SceneController
    QMenu* editMenu = nullptr;
    QMenu* helpMenu = nullptr;

    QAction* newScene = nullptr;
    QAction* open = nullptr;
    QAction* save = nullptr;
    QAction* saveAs = nullptr;
    QAction* exportPicture = nullptr;
    QAction* exportWorksheet = nullptr;
    QAction* print = nullptr;
    QAction* printPreview = nullptr;
    QAction* quit = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* copyPicture = nullptr;
    QAction* copyOutputLatex = nullptr;
    QAction* usageNotes = nullptr;
    QAction* about = nullptr;

private:
    QAction* quitSeparator_ = nullptr;
};
