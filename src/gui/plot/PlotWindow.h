#pragma once
// PlotWindow, the plot window: the picture Image1 on the left and the control
// panel on the right. Owns the ViewState and the plot image; every view
// control changes the ViewState and asks for a redraw.
#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "core/numbers/Real.h"
#include "core/canvas/ViewState.h"
#include "core/model/SceneState.h"
#include "gui/plot/WindowServices.h"

class Canvas;
class PictureRecorder;
class QImageCanvas;
struct CanvasCall;
struct PictureSource;
class PlotImage;
struct ImageMouseEvent;
class ColourPanel;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class UserFeedback;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QToolButton;
struct CheckBoxRow;

class PlotWindow : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up (startUp). When the screen is too small it shows
    // "Bildschirm zu klein" and stops; startupAborted() then tells main to end.
    explicit PlotWindow(WindowServices services = defaultWindowServices(), QWidget* parent = nullptr);
    ~PlotWindow() override;

    // --- used by the input window and the draw command ----------------------
    ViewState& viewState() { return view_; }
    const ViewState& viewState() const { return view_; }
    // What every drawing of the picture goes through: the screen canvas,
    // with each call kept until the next reset of the picture.
    Canvas& canvas();
    // The screen canvas itself (its image is what Image1 shows).
    QImageCanvas& imageCanvas() { return *canvas_; }
    // The drawing calls of the picture shown, since it was last reset: the
    // recipe every export draws from. The marking rubber band is not among
    // them; texts placed with the text mode are.
    const std::vector<CanvasCall>& pictureCalls() const;
    // The part of the picture last marked in marking mode (picture pixels),
    // or an empty rectangle when nothing has been marked yet.
    QRect markedPart() const { return markedPart_; }
    // The view defaults, shown in the controls. Does not draw by itself, but
    // each check box it changes runs its own handler (which redraws).
    void applyViewDefaults();
    // Shows the painted image in Image1.
    void updateImage();
    // What every view control runs to rebuild the picture (the draw command,
    // once wired). The default draws the coordinate system with cube,
    // parallel planes and coordinate planes. An empty function restores it.
    void setRedrawHandler(std::function<void()> handler);
    // The window SpeedButton_3DSys shows (not modal).
    void setInputWindow(QWidget* window);
    // The window SpeedButton_Hilfe shows (not modal).
    void setHelpWindow(QWidget* window);
    // Copies the states of the check boxes, system buttons and the raster
    // colour panel into viewState().controls. Run before every drawing.
    void readViewControls();
    // readViewControls, then the coordinate system (resets the picture).
    void drawCoordinateSystem();
    // Rebuilds the picture through the redraw handler and shows it.
    void redraw();

    // The planes x = c, y = c, z = c. Their values belong to the input
    // model; bindParallelPlanes makes the edits read into those variables
    // (they must outlive this window). Until bound, the window keeps them.
    Real parallelPlaneX() const { return *parallel_[0]; }
    Real parallelPlaneY() const { return *parallel_[1]; }
    Real parallelPlaneZ() const { return *parallel_[2]; }
    void bindParallelPlanes(Real& x, Real& y, Real& z);

    bool startupAborted() const { return startupAborted_; }

    // The window's part of the scene as typed: every field, box, button,
    // colour panel and list by its object name, kept up to date by the
    // controls as they change.
    // Controls added to the window since are bound first.
    const SceneState& controls() const;

    // Where both windows' messages and beeps go (WindowServices::feedback).
    UserFeedback& feedback() const;
    void setFeedback(UserFeedback* feedback) { services_.feedback = feedback; }

    // --- used by the scene files and the menu ------------------------------
    // The start-up picture: coordinate system, coordinate planes, title.
    void drawStartPicture();
    // "Bild kopieren": the whole picture to the clipboard with the
    // confirming message, as a right click on the picture does.
    void copyPictureToClipboard();
    // Shows the help window (not modal).
    void showHelp();
    // Shows the view's text font in Edit_Text_in_Grafik.
    void showTextFontInEdit();
    // Takes into the view what the controls show, as their own handlers do:
    // the zoom item, the point-label size, the four colour panels, the text
    // to place, and the cube edge and stretch factor read from their edits
    // (a text their reader rejects gives the start-up value). Draws nothing.
    void takeViewFromControls();
    // The question closing the window asks: true lets it close. Without
    // one, "Wirklich beenden ?" (confirmClose).
    void setCloseQuestion(std::function<bool()> question);
    bool confirmClose();

    // While one lives, redraw() draws nothing: a whole scene is being put
    // into the controls, whose handlers would each redraw.
    class RedrawPause {
    public:
        explicit RedrawPause(PlotWindow& form) : form_(form) { ++form_.redrawPauses_; }
        ~RedrawPause() { --form_.redrawPauses_; }
        RedrawPause(const RedrawPause&) = delete;
        RedrawPause& operator=(const RedrawPause&) = delete;

    private:
        PlotWindow& form_;
    };

    // The hint Image1 shows in each mouse mode.
    static const QString kTextModeHint;
    static const QString kMarkingModeHint;
    static const QString kPanModeHint;

signals:
    // The user confirmed closing the window: the program ends.
    void closed();
    // The view changed: after every redraw and after a new text font.
    void viewChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Start-up and shut-down.
    void startUp();
    void drawDefaultPicture();
    // Keeps the window inside the screen's free area: at full size where it
    // fits, else shrunk, with the picture scaled and the panel scrolling.
    void fitToScreen();

    // Building the panel (ControlPanel.cpp).
    void buildControlPanel(QWidget* panel);
    void connectControls();

    // Handlers (ControlHandlers.cpp).
    void checkBoxToggled(const CheckBoxRow& row, bool checked);
    void systemButtonClick(int system);
    void onZoomListChanged();
    void rotate(int step);
    void resetRotation();
    void hideCoordinatePlanes();
    void colourPanelClick(ColourPanel* panel, Colour& target);
    void chooseTextFont();
    void onPictureTextChanged();
    void onEdgeLengthLeft();
    void onParallelPlaneLeft(int axis);
    void onStretchFactorLeft();
    bool readStretchFactor();
    void takeZoomFromList();
    void showWindow(QWidget* window);

    // Mouse over the image (MouseModes.cpp).
    void onImageMouseDown(const ImageMouseEvent& e);
    void onImageMouseMove(const ImageMouseEvent& e);
    void onImageMouseUp(const ImageMouseEvent& e);
    void drawSelectionRect();
    void copyWholePicture();

    WindowServices services_;
    mutable SceneState controls_;
    mutable QObject binding_;  // ends controls_'s binding before controls_ goes
    ViewState view_;
    std::unique_ptr<QImageCanvas> canvas_;
    std::unique_ptr<PictureRecorder> recorder_;
    QRect markedPart_;
    std::function<void()> redrawHandler_;
    std::function<bool()> closeQuestion_;
    int redrawPauses_ = 0;
    QWidget* inputWindow_ = nullptr;
    QWidget* helpWindow_ = nullptr;
    bool startupAborted_ = false;
    bool fitting_ = false;
    Real ownParallel_[3] = {6.5L, 6.0L, 5.0L};
    Real* parallel_[3] = {&ownParallel_[0], &ownParallel_[1], &ownParallel_[2]};
    QColor lastDialogColour_ = Qt::black;  // the shared colour dialog's last choice

    // Widgets.
    PlotImage* image_ = nullptr;
    QScrollArea* panelArea_ = nullptr;  // scrolls the control panel on low screens
    QToolButton* helpButton_ = nullptr;
    QToolButton* inputWindowButton_ = nullptr;
    QToolButton* systemButton1_ = nullptr;
    QToolButton* systemButton2_ = nullptr;
    QToolButton* systemButton3_ = nullptr;
    QButtonGroup* systemGroup_ = nullptr;
    QComboBox* zoomList_ = nullptr;
    QToolButton* rotateMinusButton_ = nullptr;
    QToolButton* rotatePlusButton_ = nullptr;
    QToolButton* rotationResetButton_ = nullptr;
    QLineEdit* rotationAngleEdit_ = nullptr;
    QToolButton* coordPlanesOffButton_ = nullptr;
    QLineEdit* cubeEdgeEdit_ = nullptr;
    QLineEdit* parallelPlaneEdits_[3] = {nullptr, nullptr, nullptr};  // x, y, z
    QLineEdit* stretchFactorEdit_ = nullptr;
    QLineEdit* pictureTextEdit_ = nullptr;
    QToolButton* fontButton_ = nullptr;
    ColourPanel* gridColourPanel_ = nullptr;
    ColourPanel* coordPlaneColourPanel_ = nullptr;
    ColourPanel* parallelPlaneColourPanel_ = nullptr;
    ColourPanel* cubeColourPanel_ = nullptr;
    // Every check box, in the order of the check-box table.
    std::vector<QCheckBox*> checkBoxes_;
    QCheckBox* box(const char* name) const;
    QCheckBox* box(bool ViewControls::*field) const;
};

// The picture the main window shows: what the exports and the clipboard
// draw from.
PictureSource pictureOf(PlotWindow& plotWindow);
