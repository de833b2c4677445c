#pragma once
// Undo and redo of the input window: every change the user commits there
// (a field left with a changed text, a box clicked, a colour chosen, the
// defaults button) becomes one step of a QUndoStack. A step holds the
// controls it changed, before and after, and the Scene before and after, so
// undoing restores the texts, boxes, colours and the Scene's values
// (derived ones included) exactly, and draws nothing. View changes and
// calculation output are no steps.
#include <QObject>
#include <QString>
#include <QUndoStack>

#include "document/SceneState.h"
#include "input/Scene.h"

class TForm3;

class InputUndo : public QObject {
public:
    static constexpr int kStepLimit = 500;

    explicit InputUndo(TForm3& form3, QObject* parent = nullptr);

    QUndoStack& stack() { return stack_; }
    // Forgets every step; the window's present state is where the next
    // step starts ("Neu", opening a file).
    void restart();

    // What a step is called in the menu ("A x = 7", "Vektor AB ein",
    // "Punktefarbe", "Standardwerte").
    static QString StepName(const TForm3& form3, const QString& objectName);

private:
    friend class InputStep;
    void record(const QString& objectName);
    void restore(const SceneState& controls, const Scene& scene);

    TForm3& form3_;
    QUndoStack stack_;
    SceneState committed_;   // the controls as the last step left them
    Scene committedScene_;
    bool restoring_ = false;
};
