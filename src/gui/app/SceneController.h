#pragma once
// Scenes as files: the main window's menu bar and what its entries do
// ("Neu", "Öffnen …", "Zuletzt geöffnet", "Speichern", "Speichern unter …",
// "Bild exportieren …", "Arbeitsblatt exportieren …", "Drucken …", "Druckvorschau …", "Beenden",
// "Rückgängig", "Wiederholen", "Bild kopieren",
// "Bedienungshinweise", "Über Spatium"), the question about unsaved changes,
// the window title with the scene's name and "*", and the undo history of
// the input window.
//
// "Changed" compares the whole scene (SceneBinding's captureScene) with the
// one last saved or opened, or with the start-up scene for a new one; view
// changes and new output count as changes.
#include <memory>

#include <QObject>
#include <QString>

#include "gui/app/InputUndo.h"
#include "gui/app/MainMenu.h"
#include "document/RecentFiles.h"
#include "core/model/SceneState.h"
#include "gui/export/OutputDialogs.h"
#include "gui/export/WorksheetDialog.h"
#include "core/model/Scene.h"
#include "gui/plot/WindowServices.h"

class QSettings;
class ShortcutRouter;
class PlotWindow;
class InputWindow;
struct CommandLine;

class SceneController : public QObject {
public:
    // Takes the windows as they are now as the start-up scene. The recent
    // files are kept in `settings`.
    // The export and print entries open their dialogs through `outputDialogs`.
    SceneController(PlotWindow& plotWindow, InputWindow& inputWindow, WindowServices services, std::unique_ptr<QSettings> settings,
                    OutputDialogServices outputDialogs = defaultOutputDialogServices(), QObject* parent = nullptr);
    ~SceneController() override;

    // The menu entries. Each that would replace a changed scene asks first.
    void newScene();
    void open();
    // Opens path (as "Zuletzt geöffnet" does): asks about unsaved changes
    // first, then reads the file; only a good one replaces the scene. False
    // when nothing was opened.
    bool openFile(const QString& path);
    bool save();
    bool saveAs();
    void showAbout();

    // After the start-up: opens the command line's file; a file that cannot
    // be opened leaves the start-up scene and says why.
    void openAtStart(const CommandLine& commandLine);

    bool isModified() const;
    // The file's name, or "Unbenannt" for a new scene.
    QString sceneName() const;
    const QString& filePath() const { return path_; }
    QUndoStack& undoStack() { return undo_.stack(); }
    const RecentFiles& recentFiles() const { return recent_; }
    MainMenu& menu() { return menu_; }
    const SceneState& startUpState() const { return startUp_; }
    const Scene& startUpScene() const { return startUpScene_; }
    // Puts the window title in line with the scene's name and state (done
    // by itself shortly after every change).
    void updateTitle();

private:
    bool keepChangesAsked();
    bool readFile(const QString& path, SceneState& file);
    void adoptFile(const QString& path, const SceneState& file);
    bool writeTo(const QString& path);
    void remember(const QString& path, SceneState saved);
    void fillRecentMenu();
    void refreshUndoEntries();
    void watchForChanges();
    void scheduleTitleUpdate();
    bool mayClose();
    QString folder() const;

    PlotWindow& plotWindow_;
    InputWindow& inputWindow_;
    WindowServices services_;
    OutputDialogServices outputDialogs_;
    OutputChoices outputChoices_;  // what the export and print dialogs last chose in this run
    WorksheetChoices worksheetChoices_;
    std::unique_ptr<QSettings> settings_;
    RecentFiles recent_;
    MainMenu menu_;
    InputUndo undo_;
    std::unique_ptr<ShortcutRouter> router_;
    SceneState startUp_;
    Scene startUpScene_;
    SceneState saved_;
    QString path_;
    bool titleUpdatePending_ = false;
};

// The text of "Über Spatium".
QString aboutText();
