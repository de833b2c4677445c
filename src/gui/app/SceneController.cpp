#include "gui/app/SceneController.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTextEdit>
#include <QTimer>

#include "gui/Version.h"
#include "gui/app/CommandLine.h"
#include "gui/app/SceneBinding.h"
#include "gui/app/ShortcutRouter.h"
#include "gui/desktop/AppIcon.h"
#include "document/SceneFile.h"
#include "gui/widgets/ColourPanel.h"
#include "gui/widgets/FieldReaders.h"
#include "gui/input/InputWindow.h"
#include "gui/plot/PlotWindow.h"

namespace {

const QString kUntitled = QStringLiteral("Unbenannt");

// A text shown in a menu entry as it is ('&' is no mnemonic there).
QString menuText(QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); }

}  // namespace

QString aboutText() {
    return QStringLiteral(
               "Spatium %1\n\n"
               "Analytische Geometrie im Raum für den Unterricht: Punkte, Vektoren, Geraden, Ebenen und "
               "Körper eingeben, im Schrägbild zeichnen und berechnen.\n\n"
               "Lizenz: GNU General Public License, Version 3 oder später (GPL-3.0-or-later).")
        .arg(QLatin1String(kSpatiumVersion));
}

SceneController::SceneController(PlotWindow& plotWindow, InputWindow& inputWindow, WindowServices services,
                                 std::unique_ptr<QSettings> settings, OutputDialogServices outputDialogs,
                                 QObject* parent)
    : QObject(parent), plotWindow_(plotWindow), inputWindow_(inputWindow), services_(std::move(services)),
      outputDialogs_(std::move(outputDialogs)), settings_(std::move(settings)),
      recent_(*settings_), menu_(plotWindow), undo_(inputWindow, this), startUp_(captureScene(plotWindow, inputWindow)),
      startUpScene_(inputWindow.scene()), saved_(startUp_) {
    connect(menu_.newScene, &QAction::triggered, this, [this] { newScene(); });
    connect(menu_.open, &QAction::triggered, this, [this] { open(); });
    connect(menu_.save, &QAction::triggered, this, [this] { save(); });
    connect(menu_.saveAs, &QAction::triggered, this, [this] { saveAs(); });
    connect(menu_.exportPicture, &QAction::triggered, this,
            [this] { exportPictureWithDialogs(plotWindow_, outputChoices_, outputDialogs_); });
    connect(menu_.exportWorksheet, &QAction::triggered, this, [this] {
        // The sheet's title is the scene's name, without the file's suffix.
        const QString title = path_.isEmpty() ? kUntitled : QFileInfo(path_).completeBaseName();
        exportWorksheetWithDialog(plotWindow_, captureScene(plotWindow_, inputWindow_), inputWindow_.scene(), title,
                                  worksheetChoices_, outputDialogs_);
    });
    connect(menu_.print, &QAction::triggered, this, [this] { printPictureWithDialog(plotWindow_, outputChoices_, outputDialogs_); });
    connect(menu_.printPreview, &QAction::triggered, this, [this] { previewPicturePrint(plotWindow_, outputChoices_, outputDialogs_); });
    connect(menu_.quit, &QAction::triggered, &plotWindow_, &QWidget::close);
    connect(menu_.undo, &QAction::triggered, &undo_.stack(), &QUndoStack::undo);
    connect(menu_.redo, &QAction::triggered, &undo_.stack(), &QUndoStack::redo);
    connect(menu_.copyPicture, &QAction::triggered, &plotWindow_, &PlotWindow::copyPictureToClipboard);
    connect(menu_.copyOutputLatex, &QAction::triggered, &inputWindow_, &InputWindow::copyOutputAsLatex);
    inputWindow_.setOutputAreaActions({menu_.copyOutputLatex});
    connect(menu_.usageNotes, &QAction::triggered, &plotWindow_, &PlotWindow::showHelp);
    connect(menu_.about, &QAction::triggered, this, [this] { showAbout(); });
    connect(&undo_.stack(), &QUndoStack::indexChanged, this, [this] { refreshUndoEntries(); });

    router_ = std::make_unique<ShortcutRouter>(menu_.undo, menu_.redo, menu_.shortcutActions());
    qApp->installEventFilter(router_.get());

    plotWindow_.setCloseQuestion([this] { return mayClose(); });
    watchForChanges();
    refreshUndoEntries();
    fillRecentMenu();
    updateTitle();
}

SceneController::~SceneController() { plotWindow_.setCloseQuestion({}); }

// ---------------------------------------------------------------------------
// The menu entries

void SceneController::newScene() {
    if (!keepChangesAsked()) return;
    loadScene(plotWindow_, inputWindow_, SceneState{}, startUp_, startUpScene_, false);
    plotWindow_.drawStartPicture();
    remember(QString(), captureScene(plotWindow_, inputWindow_));
}

void SceneController::open() {
    if (!keepChangesAsked()) return;
    const QString path = services_.chooseOpenFile ? services_.chooseOpenFile(&plotWindow_, folder()) : QString();
    SceneState file;
    if (!path.isEmpty() && readFile(path, file)) adoptFile(path, file);
}

bool SceneController::openFile(const QString& path) {
    // The question comes before the read: answered "Speichern", it may write
    // the very file that is to be opened, which must then be read as saved.
    SceneState file;
    if (!keepChangesAsked() || !readFile(path, file)) return false;
    adoptFile(path, file);
    return true;
}

bool SceneController::save() { return path_.isEmpty() ? saveAs() : writeTo(path_); }

bool SceneController::saveAs() {
    const QString untitled = kUntitled + QLatin1Char('.') + QLatin1String(kSceneFileSuffix);
    const QString suggestion = path_.isEmpty() ? QDir(folder()).filePath(untitled) : path_;
    QString path = services_.chooseSaveFile ? services_.chooseSaveFile(&plotWindow_, suggestion) : QString();
    // "Würfel" is saved as "Würfel.spatium", asking first when that exists.
    path = completedSaveFileName(&plotWindow_, path, QLatin1Char('.') + QLatin1String(kSceneFileSuffix), services_.askYesNo);
    return !path.isEmpty() && writeTo(path);
}

void SceneController::showAbout() {
    plotWindow_.feedback().showInformation(&plotWindow_, QStringLiteral("Über Spatium"), aboutText(), applicationIcon());
}

void SceneController::openAtStart(const CommandLine& commandLine) {
    if (!commandLine.files.isEmpty()) openFile(commandLine.files.front());
}

// ---------------------------------------------------------------------------
// Files

// Asks before a changed scene is replaced or the program ends. True: go on
// (saved, or not to be saved).
bool SceneController::keepChangesAsked() {
    if (!isModified()) return true;
    const WindowServices::SaveAnswer answer =
        services_.askSaveChanges
            ? services_.askSaveChanges(&plotWindow_, QStringLiteral("Änderungen an „%1“ speichern?").arg(sceneName()))
            : WindowServices::SaveAnswer::Cancel;
    switch (answer) {
    case WindowServices::SaveAnswer::Save: return save();
    case WindowServices::SaveAnswer::Discard: return true;
    case WindowServices::SaveAnswer::Cancel: break;
    }
    return false;
}

bool SceneController::readFile(const QString& path, SceneState& file) {
    const SceneFileResult result = readSceneFile(path, file);
    if (result.ok()) return true;
    QString message = result.message;
    if (result.status == SceneFileStatus::Missing && recent_.files().contains(QFileInfo(path).absoluteFilePath())) {
        recent_.remove(path);
        fillRecentMenu();
        message += QStringLiteral(" Sie wurde aus der Liste „Zuletzt geöffnet“ entfernt.");
    }
    plotWindow_.feedback().showMessage(&plotWindow_, message);
    return false;
}

void SceneController::adoptFile(const QString& path, const SceneState& file) {
    loadScene(plotWindow_, inputWindow_, file, startUp_, startUpScene_, true);
    remember(path, captureScene(plotWindow_, inputWindow_));
}

bool SceneController::writeTo(const QString& path) {
    SceneState scene = captureScene(plotWindow_, inputWindow_);
    const SceneFileResult result = writeSceneFile(path, scene);
    if (!result.ok()) {
        plotWindow_.feedback().showMessage(&plotWindow_, result.message);
        updateTitle();
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    saved_ = std::move(scene);
    recent_.add(path);
    fillRecentMenu();
    updateTitle();
    return true;
}

// A new scene or an opened file: its path (empty for a new one), the state
// it counts as unchanged in, and a fresh undo history.
void SceneController::remember(const QString& path, SceneState saved) {
    path_ = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    saved_ = std::move(saved);
    undo_.restart();
    if (!path.isEmpty()) recent_.add(path);
    fillRecentMenu();
    updateTitle();
}

void SceneController::fillRecentMenu() {
    QMenu* menu = menu_.recentMenu;
    menu->clear();
    const QStringList files = recent_.files();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* entry = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(menuText(QDir::toNativeSeparators(path))));
        entry->setObjectName(QStringLiteral("Action_Zuletzt_%1").arg(i + 1));
        connect(entry, &QAction::triggered, this, [this, path] { openFile(path); });
    }
    menu->setEnabled(!files.isEmpty());
}

QString SceneController::folder() const {
    if (!path_.isEmpty()) return QFileInfo(path_).absolutePath();
    const QStringList files = recent_.files();
    return files.isEmpty() ? QDir::homePath() : QFileInfo(files.front()).absolutePath();
}

// ---------------------------------------------------------------------------
// Changes, title, closing

bool SceneController::isModified() const { return captureScene(plotWindow_, inputWindow_) != saved_; }

QString SceneController::sceneName() const { return path_.isEmpty() ? kUntitled : QFileInfo(path_).fileName(); }

void SceneController::updateTitle() {
    titleUpdatePending_ = false;
    // "[*]" marks where "*" goes; one in the name itself is doubled to stay text.
    QString name = sceneName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    plotWindow_.setWindowTitle(name + QStringLiteral("[*] – ") + ProgramCaption());
    plotWindow_.setWindowModified(isModified());
}

void SceneController::scheduleTitleUpdate() {
    if (std::exchange(titleUpdatePending_, true)) return;
    QTimer::singleShot(0, this, [this] {
        if (titleUpdatePending_) updateTitle();
    });
}

// Every control the scene file holds reports its changes, and so do the
// view and the undo history; a change leads to a fresh look at the title.
void SceneController::watchForChanges() {
    auto changed = [this] { scheduleTitleUpdate(); };
    for (QWidget* window : {static_cast<QWidget*>(&plotWindow_), static_cast<QWidget*>(&inputWindow_)}) {
        for (QLineEdit* e : window->findChildren<QLineEdit*>()) connect(e, &QLineEdit::textChanged, this, changed);
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
            connect(b, &QAbstractButton::toggled, this, changed);
        for (ColourPanel* p : window->findChildren<ColourPanel*>())
            connect(p, &ColourPanel::colourChanged, this, changed);
        for (QComboBox* c : window->findChildren<QComboBox*>())
            connect(c, &QComboBox::currentIndexChanged, this, changed);
        for (QTextEdit* t : window->findChildren<QTextEdit*>()) connect(t, &QTextEdit::textChanged, this, changed);
    }
    connect(&plotWindow_, &PlotWindow::viewChanged, this, changed);
    connect(&undo_.stack(), &QUndoStack::indexChanged, this, changed);
}

void SceneController::refreshUndoEntries() {
    const QUndoStack& stack = undo_.stack();
    menu_.undo->setEnabled(stack.canUndo());
    menu_.undo->setText(stack.canUndo() ? QStringLiteral("&Rückgängig: ") + menuText(stack.undoText())
                                        : QStringLiteral("&Rückgängig"));
    menu_.redo->setEnabled(stack.canRedo());
    menu_.redo->setText(stack.canRedo() ? QStringLiteral("&Wiederholen: ") + menuText(stack.redoText())
                                        : QStringLiteral("&Wiederholen"));
}

// Closing: with unsaved changes the save question takes the place of
// "Wirklich beenden ?"; without, that question stays.
bool SceneController::mayClose() {
    if (!isModified()) return plotWindow_.confirmClose();
    const bool close = keepChangesAsked();
    if (!close) plotWindow_.activateWindow();  // the question box left no window active
    return close;
}
