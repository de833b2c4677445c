#pragma once
// The input window "3D-System": every point, vector, line, plane and body
// the user types in, committed field by field into its Scene, plus the
// calculation buttons and the output area. A modeless tool window.
//
// Widgets carry their component names as objectName, so other folders and
// the tests find them with findChild (see edit(), checkBox(), button()).
// The draw, output and calculation buttons are created here without an
// action; the draw command and the calculations connect them by name.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <QString>
#include <QWidget>

#include "core/model/Scene.h"
#include "core/model/SceneInput.h"
#include "core/geometry/Colour.h"

class QAbstractButton;
class QCheckBox;
class QColorDialog;
class QLabel;
class QLineEdit;
class QTextEdit;
class OutputLog;
class QAction;
class RichEditOutputLog;
class PlotWindow;
class UserFeedback;
class ColourPanel;

class InputWindow : public QWidget {
    Q_OBJECT

public:
    explicit InputWindow(PlotWindow& plotWindow, QWidget* parent = nullptr);
    ~InputWindow() override;

    Scene& scene() { return scene_; }
    const Scene& scene() const { return scene_; }
    PlotWindow& mainWindow() { return plotWindow_; }
    // Where this window's messages and beeps go: the main window's feedback.
    UserFeedback& feedback() const;
    // The scene as typed: every field's text, box, colour panel and list of
    // this window and the main window's parallel planes, kept up to date by
    // the widgets as they change.
    const SceneState& input() const { return input_; }
    // The same, with any control added to the window since bound first.
    const SceneState& boundInput() const;

    // The output area RichEditOut and the sink that writes into it.
    QTextEdit* outputArea() const { return outputArea_; }
    OutputLog& outputLog();
    const OutputLog& outputLog() const;
    // "Ausgaben als LaTeX kopieren": the output area's blocks and lines the
    // selection touches (all of them without a selection) as LaTeX on the
    // clipboard.
    void copyOutputAsLatex() const;
    // Entries the output area's context menu offers below its own.
    void setOutputAreaActions(const QList<QAction*>& actions);

    // Widgets by objectName (nullptr when there is none of that kind).
    QLineEdit* edit(const QString& objectName) const;
    QCheckBox* checkBox(const QString& objectName) const;
    QAbstractButton* button(const QString& objectName) const;
    QLabel* label(const QString& objectName) const;
    ColourPanel* panel(const QString& objectName) const;

    // The size the window starts with where the screen allows: the layout's
    // size with the output area wide enough for kOutputColumns characters.
    QSize preferredSize() const;

    // The start-up sequence: the default texts and unchecked boxes
    // (defaultInputEntries), then readAllFields, then the output area is
    // cleared.
    void startUp();
    // Reads every field into the Scene as the start-up does: the derived
    // fields (AD, E5, g2) from the points' texts (a text the reader will
    // reject counts with the point's present value), then the points, h and
    // g2, t1, t2, delta t, the family, the planes; the origin and the panel
    // colours and the boxes' flags; clears drawBlocked. Draws nothing.
    void readAllFields();
    // Puts the whole Scene back to `scene` and the coplanarity labels to
    // their first captions (a new scene or an opened file starts from the
    // start-up values).
    void resetScene(const Scene& scene);
    // "auf Standardwerte zurückstellen": the main window's view defaults,
    // then the start-up. Point names, colour panels, "Dreieck DEF", the
    // spat-vector and coplanarity boxes are kept.
    void resetToDefaults();

    // Bulk readers: each reads its fields in a fixed order; a bad plain
    // number gives its own message and takes the focus.
    void readPoints();
    void readLines();
    // Evaluates g's six fields at x = 0, t = scene().familyFrom; no message,
    // a failing formula keeps its value and sets drawBlocked.
    void readLineFamily();
    void readPlanes();
    // Tells each rejected field (by object name, in this window or the
    // main window) as a failed read of a number field does.
    void reportRejections(const std::vector<FieldRejection>& rejections);

    // Colour chooser used by the ten colour panels: given the colour to open
    // with, returns the confirmed colour or nothing on Cancel. The default
    // opens the window's one QColorDialog. Tests replace it.
    using ColourChooser = std::function<std::optional<Colour>(Colour initial)>;
    void setColourChooser(ColourChooser chooser);
    // What the panels' dialog opens with next: the colour last confirmed
    // in it (black before the first use).
    Colour lastConfirmedColour() const { return lastConfirmedColour_; }
    // Clicking a panel: choose a colour and, if confirmed, store it.
    void choosePanelColour(ColourPanel* panel);

signals:
    // The user committed a change in this window: left a field, clicked a
    // check box, chose a colour or pressed the defaults button. The name is
    // that of the field, box, panel or button. Emitted after the Scene and
    // the derived fields are up to date.
    void inputCommitted(const QString& objectName);
    // The defaults button was pressed and is about to reset both windows.
    void defaultsAboutToBeApplied();

private:
    struct Fields;  // the tables of widgets, built by the layout code

    void buildLayout();
    // Makes every field, box and panel write its state into input_.
    void bindInput();
    void fitToScreen();
    void connectHandlers();
    // watchFieldLeave, then inputCommitted with the field's name.
    void onFieldLeft(QLineEdit* field, std::function<void()> read);
    void commitPointCoordinate(int point, int axis);
    void commitPointName(int point);
    void writeDerived(QLineEdit* field, Real value);
    void readDerived(QLineEdit* field, Real& target);
    void applyPanelColour(ColourPanel* panel, Colour colour);
    void copyPanelColoursToScene();
    void clearOutputArea();

    PlotWindow& plotWindow_;
    Scene scene_;
    mutable SceneState input_;
    mutable QObject binding_;  // ends input_'s binding before input_ goes
    std::unique_ptr<Fields> fields_;
    QTextEdit* outputArea_ = nullptr;
    std::unique_ptr<RichEditOutputLog> outputLog_;
    QList<QAction*> outputAreaActions_;
    QColorDialog* colourDialog_ = nullptr;
    ColourChooser colourChooser_;
    // Every box with the Scene flag it drives.
    std::vector<std::pair<QCheckBox*, bool*>> boxFlags_;
    Colour lastConfirmedColour_ = Colours::Black;
};
