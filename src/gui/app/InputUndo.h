#pragma once
// Undo and redo of the input window: every change the user commits there
// (a field left with a changed text, a box clicked, a colour chosen, the
// defaults button) becomes one step of a QUndoStack. A step holds the
// controls it changed, before and after, and the Scene before and after, so
// undoing restores the texts, boxes, colours and the Scene's values
// (derived ones included) exactly, and draws nothing. View changes and
// calculation output are no steps. The defaults button resets the main
// window's view too, and redraws: its step also holds the main window's
// controls and view before and after, and undoing or redoing it redraws.
#include <array>
#include <optional>

#include <QObject>
#include <QString>
#include <QUndoStack>

#include "core/model/SceneState.h"
#include "core/model/Scene.h"
#include "core/canvas/ViewState.h"

class InputWindow;

class InputUndo : public QObject {
public:
    static constexpr int kStepLimit = 500;

    explicit InputUndo(InputWindow& inputWindow, QObject* parent = nullptr);

    QUndoStack& stack() { return stack_; }
    // Forgets every step; the window's present state is where the next
    // step starts ("Neu", opening a file).
    void restart();

    // What a step is called in the menu ("A x = 7", "Vektor AB ein",
    // "Punktefarbe", "Standardwerte").
    static QString stepName(const InputWindow& inputWindow, const QString& objectName);

    // The main window's part of a step: what the defaults button resets.
    struct MainWindowPart {
        SceneState controls;
        ViewState view;
        std::array<Real, 3> parallelPlanes{};
    };

private:
    friend class InputStep;
    MainWindowPart captureMainWindow() const;
    void record(const QString& objectName);
    void restore(const SceneState& controls, const Scene& scene, const MainWindowPart* mainWindow);

    InputWindow& inputWindow_;
    QUndoStack stack_;
    SceneState committed_;   // the controls as the last step left them
    Scene committedScene_;
    bool restoring_ = false;
    std::optional<MainWindowPart> beforeDefaults_;  // the main window as the defaults button found it
};
