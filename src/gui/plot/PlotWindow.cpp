#include "gui/plot/PlotWindow.h"
#include "gui/widgets/ControlBinding.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "gui/Version.h"
#include "gui/widgets/ColourPanel.h"
#include "core/canvas/PictureRecorder.h"
#include "gui/widgets/FieldReaders.h"
#include "core/canvas/Canvas.h"
#include "core/canvas/ControlTables.h"
#include "core/canvas/CoordinateSystem.h"
#include "gui/plot/PlotImage.h"
#include "gui/canvas/QImageCanvas.h"

namespace {
constexpr int kImageSize = 720;   // the image in the layout; 721 once initialised
constexpr int kPanelWidth = 288;
constexpr int kClientWidth = 1009;
constexpr int kClientHeight = 721;
// The smallest picture a user can shrink the window to.
constexpr int kMinPicture = 200;

// The width the panel takes beside the picture: with a scroll bar when the
// client area is lower than the panel's controls.
int panelAreaWidth(const QScrollArea* area, int clientHeight) {
    if (clientHeight >= area->widget()->minimumHeight())
        return kPanelWidth;
    return kPanelWidth + area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area->verticalScrollBar());
}

// The control panel's scroll area: without a frame, so the panel sits where
// it would sit without one.
class PanelScrollArea : public QScrollArea {
public:
    explicit PanelScrollArea(QWidget* parent) : QScrollArea(parent) {
        setFrameShape(QFrame::NoFrame);
        setViewportMargins(0, 0, 0, 0);  // lays the viewport out at once, before the first showing
    }
};

// The client area: the picture Image1 on the left, the control panel on the
// right. At its full size the picture takes 721 x 721 pixels. In a smaller
// area the picture widget gets what the panel leaves (and shows the picture
// scaled down), and the panel scrolls when it is taller than the area.
class ClientArea : public QWidget {
public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) {}
    QSize sizeHint() const override { return {kClientWidth, kClientHeight}; }
    void setParts(QWidget* image, QScrollArea* panelArea) {
        image_ = image;
        panelArea_ = panelArea;
        arrange();
    }

protected:
    void resizeEvent(QResizeEvent*) override { arrange(); }

private:
    void arrange() {
        if (!image_)
            return;
        const int panelWidth = panelAreaWidth(panelArea_, height());
        panelArea_->setGeometry(width() - panelWidth, 0, panelWidth, height());
        image_->setGeometry(0, 0, std::max(width() - panelWidth, 1), height());
    }

    QWidget* image_ = nullptr;
    QScrollArea* panelArea_ = nullptr;
};
}  // namespace

const QString PlotWindow::kTextModeHint = QStringLiteral("Drücken der rechten Maustaste setzt den Text");
const QString PlotWindow::kMarkingModeHint = QStringLiteral(
    "Bewegen der Maus bei gedrückter linker Taste \r\nzieht einen Rahmen auf.\r\n"
    "Loslassen der Taste speichert den Grafikausschnitt.");
const QString PlotWindow::kPanModeHint = QStringLiteral(
    "Bewegen der Maus bei gedrückter linker Taste \r\nverschiebt das KOS.\r\n\n"
    "Drücken der rechten Maustaste speichert \r\ndie Grafik in die Zwischenablage");

PlotWindow::PlotWindow(WindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)),
      canvas_(std::make_unique<QImageCanvas>(kImageSize + 1, kImageSize + 1)),
      recorder_(std::make_unique<PictureRecorder>(*canvas_)) {
    setObjectName("Form1");
    setWindowTitle(ProgramCaption());

    auto* client = new ClientArea(this);
    client->setObjectName("Client");
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    // The window is as large as the client area plus a menu bar, if any;
    // showing it fits it into a smaller screen (fitToScreen).
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    image_ = new PlotImage(*canvas_, client);
    image_->useScreenResolution();
    panelArea_ = new PanelScrollArea(client);
    panelArea_->setObjectName("ScrollBox_Steuerung");
    panelArea_->setFocusPolicy(Qt::NoFocus);
    panelArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* panel = new QWidget;
    panel->setObjectName("Panel_Steuerung");
    panel->resize(kPanelWidth, kClientHeight);
    buildControlPanel(panel);
    // As high as the area it is shown in, but never lower than its controls.
    panel->setMinimumSize(kPanelWidth, panel->childrenRect().bottom() + 4);
    panelArea_->setWidgetResizable(true);
    panelArea_->setWidget(panel);
    client->setParts(image_, panelArea_);
    // A control reached with the keyboard scrolls into view, all of it (an
    // edit's own request would show only its text cursor).
    connect(qApp, &QApplication::focusChanged, this, [this, panel](QWidget*, QWidget* now) {
        if (!now || !panel->isAncestorOf(now))
            return;
        const QPoint centre = now->mapTo(panel, now->rect().center());
        panelArea_->ensureVisible(centre.x(), centre.y(), now->width() / 2 + 4, now->height() / 2 + 4);
    });
    layout()->activate();
    bindControls(*this, controls_, binding_);

    startUp();
    if (!startupAborted_)
        connectControls();
}

PlotWindow::~PlotWindow() = default;

const SceneState& PlotWindow::controls() const {
    bindControls(*this, controls_, binding_);
    return controls_;
}

UserFeedback& PlotWindow::feedback() const { return services_.feedback ? *services_.feedback : qtUserFeedback(); }

Canvas& PlotWindow::canvas() { return *recorder_; }

const std::vector<CanvasCall>& PlotWindow::pictureCalls() const { return recorder_->calls(); }

void PlotWindow::startUp() {
    const QSize screen = services_.screenSize ? services_.screenSize() : QSize();
    if (!screenLargeEnough(screen)) {
        feedback().showMessage(nullptr, QStringLiteral("Bildschirm zu klein"));
        startupAborted_ = true;
        return;
    }
    // Double buffering: Qt paints every widget through a back buffer already.
    view_.imageLeft = 0;
    view_.imageTop = 0;
    view_.imageWidth = kImageSize;
    view_.imageHeight = kImageSize;
    view_.tickLabelSize = 9;
    view_.gridDivisor = 2;
    view_.gridPenStyle = PenStyles::Solid;
    // The kernel's trace-point records carry their names ("Sxy", "Sxz",
    // "Syz", "Sx", "Sy", "Sz") as values of their own; nothing to name here.
    systemButton1_->setChecked(true);  // the exclusive group unchecks the others
    applyViewDefaults();
    drawStartPicture();
}

void PlotWindow::drawStartPicture() {
    readViewControls();
    ::drawStartPicture(canvas(), view_);
    updateImage();
}

void PlotWindow::applyViewDefaults() {
    const ViewDefaults& d = kViewDefaults;
    // 1. World window and raster steps.
    view_.worldXMin = d.worldMin;
    view_.worldXMax = d.worldMax;
    view_.worldYMin = d.worldMin;
    view_.worldYMax = d.worldMax;
    view_.gridStepsX = d.gridSteps;
    view_.gridStepsY = d.gridSteps;
    // 2. The picture gets one pixel more than its layout size (Image1
    // shows all of it, at whatever size the window leaves it).
    view_.imagePixelWidth = view_.imageWidth + 1;
    view_.imagePixelHeight = view_.imageHeight + 1;
    // 3. Zoom 1 (setting the list from code is no user change: no redraw).
    {
        const RedrawPause pause(*this);
        zoomList_->setCurrentIndex(d.zoomItem);
    }
    view_.zoomScale = d.zoomScale;
    // 4. Pan offsets.
    view_.offsetX = d.offset;
    view_.offsetY = d.offset;
    // 5. Text placed into the graphic.
    view_.textFontName = d.textFontName;
    view_.textColor = d.textColor;
    view_.textSize = d.textSize;
    view_.textStyle = d.textStyle;
    view_.textBrushStyle = d.textBrushStyle;
    view_.textString = d.textString;
    pictureTextEdit_->setText(QString::fromUtf8(d.textString));
    pictureTextEdit_->resize(d.textEditWidth, d.textEditHeight);
    showTextFontInEdit();
    // 6. System 1.
    systemGroup_->button(d.systemButton)->setChecked(true);
    // 7. No rotation.
    view_.rotationX = d.rotation;
    view_.rotationY = d.rotation;
    view_.rotationZ = d.rotation;
    rotationAngleEdit_->setText(QString::fromUtf8(d.rotationText));
    // 8. Check boxes (each one that changes runs its handler).
    for (const ControlDefault& row : kOptionBoxDefaults)
        box(row.field)->setChecked(row.checked);
    // 9. Coordinate-plane colour.
    coordPlaneColourPanel_->setColour(d.coordPlaneColor);
    view_.coordPlaneColor = coordPlaneColourPanel_->colour();
    // 10. Plane stretching and the cube.
    stretchFactorEdit_->setText(QString::fromUtf8(d.planeStretchText));
    view_.planeStretch = d.planeStretch;
    cubeEdgeEdit_->setText(QString::fromUtf8(d.cubeEdgeText));
    view_.cubeEdge = d.cubeEdge;
    box(kCubeBoxDefault.field)->setChecked(kCubeBoxDefault.checked);
    cubeColourPanel_->setColour(d.cubeColor);
    view_.cubeColor = cubeColourPanel_->colour();
    // 11. Parallel planes off.
    for (const ControlDefault& row : kParallelBoxDefaults)
        box(row.field)->setChecked(row.checked);
    parallelPlaneColourPanel_->setColour(d.parallelPlaneColor);
    view_.parallelPlaneColor = parallelPlaneColourPanel_->colour();
}

void PlotWindow::readViewControls() {
    ViewControls& c = view_.controls;
    for (const CheckBoxRow& row : checkBoxTable())
        c.*row.field = box(row.name)->isChecked();
    c.systemButton = systemButton3_->isChecked() ? 3 : systemButton2_->isChecked() ? 2 : 1;
    c.rasterPanelColour = gridColourPanel_->colour();
}

void PlotWindow::drawCoordinateSystem() {
    readViewControls();
    ::drawCoordinateSystem(canvas(), view_);
}

void PlotWindow::drawDefaultPicture() {
    drawCoordinateSystem();
    drawViewDecorations(canvas(), view_, parallelPlaneX(), parallelPlaneY(), parallelPlaneZ());
}

void PlotWindow::redraw() {
    if (redrawPauses_ > 0)
        return;
    readViewControls();
    if (redrawHandler_)
        redrawHandler_();
    else
        drawDefaultPicture();
    updateImage();
    emit viewChanged();
}

void PlotWindow::updateImage() {
    image_->update();
}

void PlotWindow::setRedrawHandler(std::function<void()> handler) { redrawHandler_ = std::move(handler); }

void PlotWindow::setInputWindow(QWidget* window) { inputWindow_ = window; }

void PlotWindow::setHelpWindow(QWidget* window) { helpWindow_ = window; }

void PlotWindow::showHelp() { showWindow(helpWindow_); }

void PlotWindow::setCloseQuestion(std::function<bool()> question) { closeQuestion_ = std::move(question); }

void PlotWindow::bindParallelPlanes(Real& x, Real& y, Real& z) {
    parallel_[0] = &x;
    parallel_[1] = &y;
    parallel_[2] = &z;
}

void PlotWindow::showWindow(QWidget* window) {
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

bool PlotWindow::confirmClose() {
    const bool yes = services_.askYesNo && services_.askYesNo(this, QStringLiteral("Wirklich beenden ?"));
    if (!yes)
        activateWindow();  // the question box left no window active
    return yes;
}

void PlotWindow::closeEvent(QCloseEvent* event) {
    if (closeQuestion_ ? closeQuestion_() : confirmClose()) {
        event->accept();
        emit closed();
    } else {
        event->ignore();
    }
}

void PlotWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        fitToScreen();
}

// A window manager that adds a title bar after the window was first shown
// may leave its frame larger than the screen: fit again.
void PlotWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    const QRect available = services_.availableArea ? services_.availableArea(this) : QRect();
    const QSize frame = frameGeometry().size();
    if (isVisible() && !available.isEmpty() &&
        (frame.width() > available.width() || frame.height() > available.height()))
        fitToScreen();
}

void PlotWindow::fitToScreen() {
    const QRect available = services_.availableArea ? services_.availableArea(this) : QRect();
    if (available.isEmpty() || fitting_)
        return;
    fitting_ = true;
    auto* client = static_cast<ClientArea*>(centralWidget());
    layout()->activate();
    // The menu bar above the client area, and the title bar and borders
    // around the window (once the window manager has added them).
    const QSize bars = size() - client->size();
    const QSize room = available.size() - (frameGeometry().size() - size()) - bars;
    if (room.width() >= kClientWidth && room.height() >= kClientHeight) {
        client->setFixedSize(kClientWidth, kClientHeight);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        // Too small for the whole window: the picture shrinks to the room the
        // screen leaves, and the user may resize the window up to its full size.
        const int height = std::clamp(room.height(), kMinPicture, kClientHeight);
        const int side =
            std::clamp(std::min(height, room.width() - panelAreaWidth(panelArea_, height)), kMinPicture, kImageSize + 1);
        client->setMinimumSize(kMinPicture + panelAreaWidth(panelArea_, kMinPicture), kMinPicture);
        client->setMaximumSize(kClientWidth, kClientHeight);
        layout()->setSizeConstraint(QLayout::SetMinAndMaxSize);
        layout()->activate();
        resize(QSize(side + panelAreaWidth(panelArea_, height), height) + bars);
        move(available.topLeft());
    }
    fitting_ = false;
}
