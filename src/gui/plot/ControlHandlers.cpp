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
#include "core/model/SceneOpening.h"
#include "gui/plot/PlotWindow.h"
#include "gui/plot/PlotImage.h"
#include "gui/canvas/QImageCanvas.h"

namespace {

constexpr int kRotationStep = 5;
constexpr int kRotationLimit = 720;

QFont pictureTextFont(const ViewState& v) {
    QFont f(QString::fromStdString(v.textFontName));
    f.setPointSize(v.textSize);
    f.setBold(v.textStyle & FontStyles::Bold);
    f.setItalic(v.textStyle & FontStyles::Italic);
    f.setUnderline(v.textStyle & FontStyles::Underline);
    f.setStrikeOut(v.textStyle & FontStyles::StrikeOut);
    return f;
}

FontStyle styleOf(const QFont& f) {
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
    for (const CheckBoxRow& row : checkBoxTable()) {
        const CheckBoxRow* s = &row;
        connect(box(row.name), &QCheckBox::toggled, this, [this, s](bool on) { checkBoxToggled(*s, on); });
    }
    connect(systemGroup_, &QButtonGroup::idClicked, this, [this](int id) { systemButtonClick(id); });
    connect(zoomList_, &QComboBox::currentTextChanged, this, [this] { onZoomListChanged(); });
    connect(rotateMinusButton_, &QToolButton::clicked, this, [this] { rotate(-kRotationStep); });
    connect(rotatePlusButton_, &QToolButton::clicked, this, [this] { rotate(kRotationStep); });
    connect(rotationResetButton_, &QToolButton::clicked, this, [this] { resetRotation(); });
    connect(coordPlanesOffButton_, &QToolButton::clicked, this, [this] { hideCoordinatePlanes(); });
    connect(fontButton_, &QToolButton::clicked, this, [this] { chooseTextFont(); });
    connect(helpButton_, &QToolButton::clicked, this, [this] { showWindow(helpWindow_); });
    connect(inputWindowButton_, &QToolButton::clicked, this, [this] { showWindow(inputWindow_); });

    connect(coordPlaneColourPanel_, &ColourPanel::clicked, this,
            [this] { colourPanelClick(coordPlaneColourPanel_, view_.coordPlaneColor); });
    connect(gridColourPanel_, &ColourPanel::clicked, this,
            [this] { colourPanelClick(gridColourPanel_, view_.gridColor); });
    connect(parallelPlaneColourPanel_, &ColourPanel::clicked, this,
            [this] { colourPanelClick(parallelPlaneColourPanel_, view_.parallelPlaneColor); });
    connect(cubeColourPanel_, &ColourPanel::clicked, this,
            [this] { colourPanelClick(cubeColourPanel_, view_.cubeColor); });

    connect(image_, &PlotImage::mouseDown, this, [this](const ImageMouseEvent& e) { onImageMouseDown(e); });
    connect(image_, &PlotImage::mouseMoved, this, [this](const ImageMouseEvent& e) { onImageMouseMove(e); });
    connect(image_, &PlotImage::mouseUp, this, [this](const ImageMouseEvent& e) { onImageMouseUp(e); });

    connect(pictureTextEdit_, &QLineEdit::textChanged, this, [this] { onPictureTextChanged(); });
    watchFieldLeave(cubeEdgeEdit_, [this] { onEdgeLengthLeft(); });
    for (int axis = 0; axis < 3; ++axis)
        watchFieldLeave(parallelPlaneEdits_[axis], [this, axis] { onParallelPlaneLeft(axis); });
    watchFieldLeave(stretchFactorEdit_, [this] { onStretchFactorLeft(); });

    // Enter moves on like Tab in these edits (not in the stretch factor).
    for (QLineEdit* e : {cubeEdgeEdit_, parallelPlaneEdits_[0], parallelPlaneEdits_[1],
                         parallelPlaneEdits_[2], pictureTextEdit_})
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

void PlotWindow::onZoomListChanged() {
    takeZoomFromList();
    redraw();  // also when the scale stayed
}

void PlotWindow::takeZoomFromList() {
    // A typed text that is no item keeps the scale.
    const int item = zoomList_->findText(zoomList_->currentText(), Qt::MatchExactly);
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
        rotationAngleEdit_->setText(QString::fromStdString(numberText(angle)) + QStringLiteral("°"));
    }
    redraw();
}

void PlotWindow::resetRotation() {
    rotationAngleEdit_->setText(QStringLiteral("0°"));
    view_.rotationX = 0;
    view_.rotationY = 0;
    view_.rotationZ = 0;
    redraw();
}

void PlotWindow::hideCoordinatePlanes() {
    // Each box that changes runs its own handler, which redraws.
    for (const char* name : {"CheckBox_xy_Ebene", "CheckBox_xz_Ebene", "CheckBox_yz_Ebene"})
        box(name)->setChecked(false);
}

void PlotWindow::colourPanelClick(ColourPanel* panel, Colour& target) {
    // One dialog for all four panels: it opens with the colour last chosen in it.
    QColor colour = lastDialogColour_;
    if (services_.chooseColour && services_.chooseColour(this, colour)) {
        lastDialogColour_ = colour;
        panel->setColour(fromQColor(colour));
        target = panel->colour();
    }
    redraw();  // also after Cancel
}

void PlotWindow::chooseTextFont() {
    QFont font = pictureTextFont(view_);
    QColor colour = toQColor(view_.textColor);
    if (services_.chooseFont)
        services_.chooseFont(this, font, colour);  // unchanged when cancelled
    view_.textColor = fromQColor(colour);
    view_.textFontName = font.family().toStdString();
    if (font.pointSize() > 0)
        view_.textSize = font.pointSize();
    view_.textStyle = styleOf(font);
    view_.textBrushStyle = BrushStyles::Clear;
    showTextFontInEdit();
    emit viewChanged();
}

void PlotWindow::showTextFontInEdit() {
    pictureTextEdit_->setFont(pictureTextFont(view_));
    QPalette palette = pictureTextEdit_->palette();
    palette.setColor(QPalette::Text, toQColor(view_.textColor));
    pictureTextEdit_->setPalette(palette);
}

void PlotWindow::onPictureTextChanged() {
    view_.textString = pictureTextEdit_->text().toStdString();
}

void PlotWindow::onEdgeLengthLeft() {
    readNumberField(cubeEdgeEdit_, view_.cubeEdge, feedback());
    redraw();
}

void PlotWindow::onParallelPlaneLeft(int axis) {
    readNumberField(parallelPlaneEdits_[axis], *parallel_[axis], feedback());
    redraw();
}

void PlotWindow::onStretchFactorLeft() {
    // A factor of 0 or less is not taken: it would collapse or mirror the
    // stretched planes at the next redraw. The focus stays in the field.
    if (!readStretchFactor()) {
        returnFocusTo(stretchFactorEdit_);
        return;
    }
    redraw();
}

// Reads the stretch factor; false (and the factor kept) for a number that is
// not greater than 0. A malformed text reports itself and still counts as
// read, as the field's leave handler has always done.
bool PlotWindow::readStretchFactor() {
    Real factor = view_.planeStretch;
    const bool read = readNumberField(stretchFactorEdit_, factor, feedback());
    if (read && factor <= 0)
        return false;
    view_.planeStretch = factor;
    return true;
}

void PlotWindow::takeViewFromControls() {
    // The same reading as opening a scene without windows, on the value
    // the controls keep.
    std::vector<FieldRejection> rejections;
    ::readViewControls(controls(), view_, rejections);
    for (const FieldRejection& r : rejections)
        if (auto* field = findChild<QLineEdit*>(QString::fromStdString(r.field)))
            reportRejectedNumberField(field, QString::fromStdString(r.message), feedback());
    readViewControls();
}
