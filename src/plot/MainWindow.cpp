#include "plot/MainWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QToolButton>

#include "Version.h"
#include "input/ColourPanel.h"
#include "export/PictureRecorder.h"
#include "input/FieldReaders.h"
#include "plot/Canvas.h"
#include "plot/ControlTables.h"
#include "plot/CoordinateSystem.h"
#include "plot/PlotImage.h"
#include "plot/QImageCanvas.h"

namespace {
constexpr int kImageSize = 720;   // the image in the layout; 721 once initialised
constexpr int kPanelWidth = 288;
constexpr int kClientWidth = 1009;
constexpr int kClientHeight = 721;
}  // namespace

const QString TForm1::kTextModeHint = QStringLiteral("Drücken der rechten Maustaste setzt den Text");
const QString TForm1::kMarkingModeHint = QStringLiteral(
    "Bewegen der Maus bei gedrückter linker Taste \r\nzieht einen Rahmen auf.\r\n"
    "Loslassen der Taste speichert den Grafikausschnitt.");
const QString TForm1::kPanModeHint = QStringLiteral(
    "Bewegen der Maus bei gedrückter linker Taste \r\nverschiebt das KOS.\r\n\n"
    "Drücken der rechten Maustaste speichert \r\ndie Grafik in die Zwischenablage");

TForm1::TForm1(WindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)),
      canvas_(std::make_unique<QImageCanvas>(kImageSize + 1, kImageSize + 1)),
      recorder_(std::make_unique<PictureRecorder>(*canvas_)) {
    setObjectName("Form1");
    setWindowTitle(ProgramCaption());

    auto* client = new QWidget(this);
    client->setObjectName("Client");
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    // The window is as large as the client area plus a menu bar, if any.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Image1 = new PlotImage(*canvas_, client);
    Image1->setGeometry(0, 0, kImageSize, kImageSize);
    Image1->useScreenResolution();
    auto* panel = new QWidget(client);
    panel->setObjectName("Panel_Steuerung");
    panel->setGeometry(kClientWidth - kPanelWidth, 0, kPanelWidth, kClientHeight);
    buildControlPanel(panel);
    layout()->activate();

    FormCreate();
    if (!startupAborted_)
        connectControls();
}

TForm1::~TForm1() = default;

Canvas& TForm1::canvas() { return *recorder_; }

const std::vector<CanvasCall>& TForm1::pictureCalls() const { return recorder_->Calls(); }

void TForm1::FormCreate() {
    const QSize screen = services_.screenSize ? services_.screenSize() : QSize();
    if (!ScreenLargeEnough(screen)) {
        ActiveUserFeedback().ShowMessage(nullptr, QStringLiteral("Bildschirm zu klein"));
        startupAborted_ = true;
        return;
    }
    // Double buffering: Qt paints every widget through a back buffer already.
    view_.imageLeft = Image1->x();
    view_.imageTop = Image1->y();
    view_.imageWidth = Image1->width();
    view_.imageHeight = Image1->height();
    view_.tickLabelSize = 9;
    view_.gridDivisor = 2;
    view_.gridPenStyle = PenStyles::Solid;
    // The kernel's trace-point records carry their names ("Sxy", "Sxz",
    // "Syz", "Sx", "Sy", "Sz") as values of their own; nothing to name here.
    SpeedButton_3DSys1->setChecked(true);  // the exclusive group unchecks the others
    Init_Form1();
    drawStartPicture();
}

void TForm1::drawStartPicture() {
    Zeichne_3DSys();
    DrawCoordinatePlanes(canvas(), view_);
    const CanvasObject title(canvas(), "Titel");
    DrawText(canvas(), 5, 200, "Vektorrechnung und 3D", "Helvetica", 20, Colours::Red,
             FontStyles::Regular, BrushStyles::Solid);
    DrawText(canvas(), 5, 230, "Analytische Geometrie im Raum", "Helvetica", 12, Colours::Red,
             FontStyles::Regular, BrushStyles::Solid);
    updateImage();
}

void TForm1::Init_Form1() {
    const ViewDefaults& d = kViewDefaults;
    // 1. World window and raster steps.
    view_.worldXMin = d.worldMin;
    view_.worldXMax = d.worldMax;
    view_.worldYMin = d.worldMin;
    view_.worldYMax = d.worldMax;
    view_.gridStepsX = d.gridSteps;
    view_.gridStepsY = d.gridSteps;
    // 2. The image gets one pixel more than its layout size.
    Image1->setGeometry(view_.imageLeft, view_.imageTop, view_.imageWidth + 1, view_.imageHeight + 1);
    view_.imagePixelWidth = view_.imageWidth + 1;
    view_.imagePixelHeight = view_.imageHeight + 1;
    // 3. Zoom 1 (setting the list from code is no user change: no redraw).
    {
        const QSignalBlocker block(ComboBox_Zoomfaktor);
        ComboBox_Zoomfaktor->setCurrentIndex(d.zoomItem);
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
    Edit_Text_in_Grafik->setText(QString::fromUtf8(d.textString));
    Edit_Text_in_Grafik->resize(d.textEditWidth, d.textEditHeight);
    showTextFontInEdit();
    // 6. System 1.
    systemGroup_->button(d.systemButton)->setChecked(true);
    // 7. No rotation.
    view_.rotationX = d.rotation;
    view_.rotationY = d.rotation;
    view_.rotationZ = d.rotation;
    Edit_Drehwinkel_Achse->setText(QString::fromUtf8(d.rotationText));
    // 8. Check boxes (each one that changes runs its handler).
    for (const ControlDefault& row : kOptionBoxDefaults)
        box(row.field)->setChecked(row.checked);
    // 9. Coordinate-plane colour.
    Panel_Koordinatenebenen->setColour(d.coordPlaneColor);
    view_.coordPlaneColor = Panel_Koordinatenebenen->colour();
    // 10. Plane stretching and the cube.
    Edit_Ebenenstreckfaktor->setText(QString::fromUtf8(d.planeStretchText));
    view_.planeStretch = d.planeStretch;
    Edit_Kantenlaenge->setText(QString::fromUtf8(d.cubeEdgeText));
    view_.cubeEdge = d.cubeEdge;
    box(kCubeBoxDefault.field)->setChecked(kCubeBoxDefault.checked);
    Panel_Wuerfelfarbe->setColour(d.cubeColor);
    view_.cubeColor = Panel_Wuerfelfarbe->colour();
    // 11. Parallel planes off.
    for (const ControlDefault& row : kParallelBoxDefaults)
        box(row.field)->setChecked(row.checked);
    Panel_Parallelebenen->setColour(d.parallelPlaneColor);
    view_.parallelPlaneColor = Panel_Parallelebenen->colour();
}

void TForm1::readViewControls() {
    ViewControls& c = view_.controls;
    for (const CheckBoxRow& row : CheckBoxTable())
        c.*row.field = box(row.name)->isChecked();
    c.systemButton = SpeedButton_3DSys3->isChecked() ? 3 : SpeedButton_3DSys2->isChecked() ? 2 : 1;
    c.rasterPanelColour = Panel_HintergrundRasterFarbe->colour();
}

void TForm1::Zeichne_3DSys() {
    readViewControls();
    ::Zeichne_3DSys(canvas(), view_);
}

void TForm1::drawDefaultPicture() {
    Zeichne_3DSys();
    DrawViewDecorations(canvas(), view_, parallelPlaneX(), parallelPlaneY(), parallelPlaneZ());
}

void TForm1::redraw() {
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

void TForm1::updateImage() {
    Image1->update();
}

void TForm1::setRedrawHandler(std::function<void()> handler) { redrawHandler_ = std::move(handler); }

void TForm1::setInputWindow(QWidget* window) { inputWindow_ = window; }

void TForm1::setHelpWindow(QWidget* window) { helpWindow_ = window; }

void TForm1::showHelp() { showWindow(helpWindow_); }

void TForm1::setCloseQuestion(std::function<bool()> question) { closeQuestion_ = std::move(question); }

void TForm1::bindParallelPlanes(Real& x, Real& y, Real& z) {
    parallel_[0] = &x;
    parallel_[1] = &y;
    parallel_[2] = &z;
}

void TForm1::showWindow(QWidget* window) {
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

bool TForm1::FormClose() {
    const bool yes = services_.askYesNo && services_.askYesNo(this, QStringLiteral("Wirklich beenden ?"));
    if (!yes)
        activateWindow();  // the question box left no window active
    return yes;
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (closeQuestion_ ? closeQuestion_() : FormClose()) {
        event->accept();
        emit closed();
    } else {
        event->ignore();
    }
}
