// What each control of the main window's panel does. Every change of the
// view ends in a full redraw; there is no partial repaint.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <array>

#include "gui/widgets/ColourPanel.h"
#include "gui/widgets/FieldReaders.h"
#include "core/numbers/NumberTools.h"
#include "core/canvas/ControlTables.h"
#include "gui/plot/PlotWindow.h"
#include "gui/plot/PlotImage.h"
#include "gui/canvas/QImageCanvas.h"

namespace {

constexpr int kRotationStep = 5;
constexpr int kRotationLimit = 720;

QFont PictureTextFont(const ViewState& v) {
    QFont f(QString::fromStdString(v.textFontName));
    f.setPointSize(v.textSize);
    f.setBold(v.textStyle & FontStyles::Bold);
    f.setItalic(v.textStyle & FontStyles::Italic);
    f.setUnderline(v.textStyle & FontStyles::Underline);
    f.setStrikeOut(v.textStyle & FontStyles::StrikeOut);
    return f;
}

FontStyle StyleOf(const QFont& f) {
    FontStyle s = FontStyles::Regular;
    if (f.bold())
        s |= FontStyles::Bold;
    if (f.italic())
        s |= FontStyles::Italic;
    if (f.underline())
        s |= FontStyles::Underline;
    if (f.strikeOut())
        s |= FontStyles::StrikeOut;
    return s;
}

}  // namespace

void PlotWindow::connectControls() {
    for (const CheckBoxRow& row : CheckBoxTable()) {
        const CheckBoxRow* s = &row;
        connect(box(row.name), &QCheckBox::toggled, this, [this, s](bool on) { checkBoxToggled(*s, on); });
    }
    connect(systemGroup_, &QButtonGroup::idClicked, this, [this](int id) { systemButtonClick(id); });
    connect(ComboBox_Zoomfaktor, &QComboBox::currentTextChanged, this, [this] { ComboBox_ZoomfaktorChange(); });
    connect(SpeedButton_Drehung_z_minus, &QToolButton::clicked, this, [this] { rotate(-kRotationStep); });
    connect(SpeedButton_Drehung_z_plus, &QToolButton::clicked, this, [this] { rotate(kRotationStep); });
    connect(SpeedButton_Drehung_auf_0, &QToolButton::clicked, this, [this] { SpeedButton_Drehung_auf_0Click(); });
    connect(SpeedButton_KoordEbenen_aus, &QToolButton::clicked, this, [this] { SpeedButton_KoordEbenen_ausClick(); });
    connect(SpeedButton_FontAuswahl, &QToolButton::clicked, this, [this] { SpeedButton_FontAuswahlClick(); });
    connect(SpeedButton_Hilfe, &QToolButton::clicked, this, [this] { showWindow(helpWindow_); });
    connect(SpeedButton_3DSys, &QToolButton::clicked, this, [this] { showWindow(inputWindow_); });

    connect(Panel_Koordinatenebenen, &ColourPanel::clicked, this,
            [this] { colourPanelClick(Panel_Koordinatenebenen, view_.coordPlaneColor); });
    connect(Panel_HintergrundRasterFarbe, &ColourPanel::clicked, this,
            [this] { colourPanelClick(Panel_HintergrundRasterFarbe, view_.gridColor); });
    connect(Panel_Parallelebenen, &ColourPanel::clicked, this,
            [this] { colourPanelClick(Panel_Parallelebenen, view_.parallelPlaneColor); });
    connect(Panel_Wuerfelfarbe, &ColourPanel::clicked, this,
            [this] { colourPanelClick(Panel_Wuerfelfarbe, view_.cubeColor); });

    connect(Image1, &PlotImage::mouseDown, this, [this](const ImageMouseEvent& e) { Image1MouseDown(e); });
    connect(Image1, &PlotImage::mouseMoved, this, [this](const ImageMouseEvent& e) { Image1MouseMove(e); });
    connect(Image1, &PlotImage::mouseUp, this, [this](const ImageMouseEvent& e) { Image1MouseUp(e); });

    connect(Edit_Text_in_Grafik, &QLineEdit::textChanged, this, [this] { Edit_Text_in_GrafikChange(); });
    OnFieldLeft(Edit_Kantenlaenge, [this] { Edit_KantenlaengeExit(); });
    for (int axis = 0; axis < 3; ++axis)
        OnFieldLeft(Edit_gleich_const[axis], [this, axis] { parallelPlaneExit(axis); });
    OnFieldLeft(Edit_Ebenenstreckfaktor, [this] { Edit_EbenenstreckfaktorExit(); });

    // Enter moves on like Tab in these edits (not in the stretch factor).
    for (QLineEdit* e : {Edit_Kantenlaenge, Edit_gleich_const[0], Edit_gleich_const[1],
                         Edit_gleich_const[2], Edit_Text_in_Grafik})
        e->installEventFilter(this);
}

bool PlotWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            qobject_cast<QLineEdit*>(watched)) {
            focusNextChild();
            return true;  // the edit never sees the Enter
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void PlotWindow::checkBoxToggled(const CheckBoxRow& row, bool checked) {
    switch (row.action) {
    case BoxAction::None:
        return;
    case BoxAction::Redraw:
        break;
    case BoxAction::Shrink:
        if (checked) {
            for (const char* other : {"CheckBox_schrumpf075", "CheckBox_schrumpf05", "CheckBox_schrumpf025"})
                if (qstrcmp(other, row.name) != 0)
                    box(other)->setChecked(false);
        }
        break;
    case BoxAction::LargeLabels:
        view_.pointLabelSize = checked ? 16 : 10;
        break;
    case BoxAction::TextMode:
        if (checked)
            box("CheckBox_SchnittModus")->setChecked(false);
        return;
    case BoxAction::MarkingMode:
        if (checked)
            box("CheckBox_Textmodus")->setChecked(false);
        return;
    }
    redraw();
}

void PlotWindow::systemButtonClick(int system) {
    // Also for the button already down: it undoes a pan.
    view_.offsetX = system == 3 ? 45 : 90;
    view_.offsetY = system == 3 ? 46 : 90;
    redraw();
}

void PlotWindow::ComboBox_ZoomfaktorChange() {
    takeZoomFromList();
    redraw();  // also when the scale stayed
}

void PlotWindow::takeZoomFromList() {
    // A typed text that is no item keeps the scale.
    const int item = ComboBox_Zoomfaktor->findText(ComboBox_Zoomfaktor->currentText(), Qt::MatchExactly);
    if (item >= 0 && item < static_cast<int>(kZoomItems.size()))
        view_.zoomScale = kZoomItems[static_cast<std::size_t>(item)].scale;
}

void PlotWindow::rotate(int step) {
    Real* angles[3] = {&view_.rotationX, &view_.rotationY, &view_.rotationZ};
    const char* axes[3] = {"CheckBox_x_Drehung", "CheckBox_y_Drehung", "CheckBox_z_Drehung"};
    for (int i = 0; i < 3; ++i) {
        if (!box(axes[i])->isChecked())
            continue;
        Real& angle = *angles[i];
        if (step < 0 && angle > -kRotationLimit)
            angle -= kRotationStep;
        else if (step > 0 && angle < kRotationLimit)
            angle += kRotationStep;
        else
            continue;
        Edit_Drehwinkel_Achse->setText(QString::fromStdString(NumberText(angle)) + QStringLiteral("°"));
    }
    redraw();
}

void PlotWindow::SpeedButton_Drehung_auf_0Click() {
    Edit_Drehwinkel_Achse->setText(QStringLiteral("0°"));
    view_.rotationX = 0;
    view_.rotationY = 0;
    view_.rotationZ = 0;
    redraw();
}

void PlotWindow::SpeedButton_KoordEbenen_ausClick() {
    // Each box that changes runs its own handler, which redraws.
    for (const char* name : {"CheckBox_xy_Ebene", "CheckBox_xz_Ebene", "CheckBox_yz_Ebene"})
        box(name)->setChecked(false);
}

void PlotWindow::colourPanelClick(ColourPanel* panel, Colour& target) {
    // One dialog for all four panels: it opens with the colour last chosen in it.
    QColor colour = lastDialogColour_;
    if (services_.chooseColour && services_.chooseColour(this, colour)) {
        lastDialogColour_ = colour;
        panel->setColour(FromQColor(colour));
        target = panel->colour();
    }
    redraw();  // also after Cancel
}

void PlotWindow::SpeedButton_FontAuswahlClick() {
    QFont font = PictureTextFont(view_);
    QColor colour = ToQColor(view_.textColor);
    if (services_.chooseFont)
        services_.chooseFont(this, font, colour);  // unchanged when cancelled
    view_.textColor = FromQColor(colour);
    view_.textFontName = font.family().toStdString();
    if (font.pointSize() > 0)
        view_.textSize = font.pointSize();
    view_.textStyle = StyleOf(font);
    view_.textBrushStyle = BrushStyles::Clear;
    showTextFontInEdit();
    emit viewChanged();
}

void PlotWindow::showTextFontInEdit() {
    Edit_Text_in_Grafik->setFont(PictureTextFont(view_));
    QPalette palette = Edit_Text_in_Grafik->palette();
    palette.setColor(QPalette::Text, ToQColor(view_.textColor));
    Edit_Text_in_Grafik->setPalette(palette);
}

void PlotWindow::Edit_Text_in_GrafikChange() {
    view_.textString = Edit_Text_in_Grafik->text().toStdString();
}

void PlotWindow::Edit_KantenlaengeExit() {
    ReadNumberField(Edit_Kantenlaenge, view_.cubeEdge, feedback());
    redraw();
}

void PlotWindow::parallelPlaneExit(int axis) {
    ReadNumberField(Edit_gleich_const[axis], *parallel_[axis], feedback());
    redraw();
}

void PlotWindow::Edit_EbenenstreckfaktorExit() {
    // A factor of 0 or less is not taken: it would collapse or mirror the
    // stretched planes at the next redraw. The focus stays in the field.
    if (!readStretchFactor()) {
        ReturnFocusTo(Edit_Ebenenstreckfaktor);
        return;
    }
    redraw();
}

// Reads the stretch factor; false (and the factor kept) for a number that is
// not greater than 0. A malformed text reports itself and still counts as
// read, as the field's leave handler has always done.
bool PlotWindow::readStretchFactor() {
    Real factor = view_.planeStretch;
    const bool read = ReadNumberField(Edit_Ebenenstreckfaktor, factor, feedback());
    if (read && factor <= 0)
        return false;
    view_.planeStretch = factor;
    return true;
}

void PlotWindow::takeViewFromControls() {
    takeZoomFromList();
    view_.pointLabelSize = box("CheckBox_PunktBeschriftung_gross")->isChecked() ? 16 : 10;
    view_.coordPlaneColor = Panel_Koordinatenebenen->colour();
    view_.gridColor = Panel_HintergrundRasterFarbe->colour();
    view_.parallelPlaneColor = Panel_Parallelebenen->colour();
    view_.cubeColor = Panel_Wuerfelfarbe->colour();
    view_.textString = Edit_Text_in_Grafik->text().toStdString();
    view_.cubeEdge = kViewDefaults.cubeEdge;
    ReadNumberField(Edit_Kantenlaenge, view_.cubeEdge, feedback());
    view_.planeStretch = kViewDefaults.planeStretch;
    readStretchFactor();
    readViewControls();
}
