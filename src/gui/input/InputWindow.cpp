// The input window's behaviour: committing fields when they are left, the
// derived read-only fields, the bulk readers, the colour panels and the
// start-up sequence.
#include "gui/input/InputWindow.h"

#include <algorithm>
#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTextEdit>
#include <QToolButton>

#include "gui/output/RichEditOutputLog.h"
#include "gui/widgets/ColourPanel.h"
#include "gui/widgets/ControlBinding.h"
#include "gui/widgets/FieldReaders.h"
#include "gui/input/InputWindowFields.h"
#include "core/canvas/ControlTables.h"
#include "core/model/InputWindowTables.h"
#include "core/model/SceneInput.h"
#include "core/model/SceneOpening.h"
#include "core/numbers/Evaluator.h"
#include "core/numbers/NumberReader.h"
#include "gui/plot/PlotWindow.h"

using namespace inputwindow;

namespace {

// Writes only x, y, z: the record's name, colour and flag stay.
void setDifference(Vector3& target, const Vector3& from, const Vector3& to) {
    target.x = to.x - from.x;
    target.y = to.y - from.y;
    target.z = to.z - from.z;
}

// g's six fields in the order of Scene::lineGParameters (see lineGValue).
std::array<QLineEdit*, 6> lineGEdits(const std::array<QLineEdit*, 3>& ug, const std::array<QLineEdit*, 3>& vg) {
    return {ug[0], ug[1], ug[2], vg[0], vg[1], vg[2]};
}

// g as the start-up and an opened file read it (see readLineGAtStart).
void readFamilyAtT1(InputWindow& form) { readLineGAtStart(form.scene(), lineGTexts(form.input())); }

}  // namespace

InputWindow::InputWindow(PlotWindow& plotWindow, QWidget* parent)
    : QWidget(parent ? parent : &plotWindow, Qt::Tool), plotWindow_(plotWindow), fields_(std::make_unique<Fields>()) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("3D-System"));
    buildLayout();
    bindInput();
    outputLog_ = std::make_unique<RichEditOutputLog>(outputArea_);
    outputArea_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(outputArea_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = outputArea_->createStandardContextMenu(at);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        if (!outputAreaActions_.isEmpty()) menu->addSeparator();
        menu->addActions(outputAreaActions_);
        menu->popup(outputArea_->viewport()->mapToGlobal(at));
    });
    fitToScreen();
    colourChooser_ = [this](Colour initial) -> std::optional<Colour> {
        if (!colourDialog_) colourDialog_ = new QColorDialog(this);
        colourDialog_->setCurrentColor(toQColor(initial));
        const bool accepted = colourDialog_->exec() == QDialog::Accepted;
        // A closed modal dialog leaves no window active: give this one back,
        // so the user's next keys reach the field they were typing in.
        if (isVisible()) activateWindow();
        if (!accepted) return std::nullopt;
        return fromQColor(colourDialog_->selectedColor());
    };
    connectHandlers();
    plotWindow_.bindParallelPlanes(scene_.parallelPlaneX, scene_.parallelPlaneY, scene_.parallelPlaneZ);
    startUp();
}

InputWindow::~InputWindow() {
    // Give up the focus first: no leave handler may run while the window's
    // fields and tables are taken apart.
    if (QWidget* focused = QApplication::focusWidget(); focused && isAncestorOf(focused)) focused->clearFocus();
}

QSize InputWindow::preferredSize() const {
    // The layout's size, with the output area wide enough for its widest
    // lines (results and workings).
    QSize size = sizeHint();
    const int wanted = RichEditOutputLog::widthForColumns(outputArea_, kOutputColumns);
    size.rwidth() += std::max(0, wanted - outputArea_->sizeHint().width());
    return size;
}

// Start as large as the layout likes, but never larger than the screen
// (the program runs on screens from 1024 x 600 up).
void InputWindow::fitToScreen() {
    QSize size = preferredSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        resize(size);
        return;
    }
    const QRect available = screen->availableGeometry();
    size = size.boundedTo(QSize(available.width(), available.height() - 30)).expandedTo(minimumSizeHint());
    resize(size);
    // Top right: on a wide screen the picture on the left stays in view.
    move(available.right() - size.width() + 1, available.top());
}

OutputLog& InputWindow::outputLog() { return *outputLog_; }
const OutputLog& InputWindow::outputLog() const { return *outputLog_; }

void InputWindow::copyOutputAsLatex() const {
    QGuiApplication::clipboard()->setText(QString::fromStdString(outputLog_->latex()));
}

void InputWindow::setOutputAreaActions(const QList<QAction*>& actions) { outputAreaActions_ = actions; }

QLineEdit* InputWindow::edit(const QString& objectName) const { return findChild<QLineEdit*>(objectName); }
QCheckBox* InputWindow::checkBox(const QString& objectName) const { return findChild<QCheckBox*>(objectName); }
QAbstractButton* InputWindow::button(const QString& objectName) const {
    return findChild<QAbstractButton*>(objectName);
}
QLabel* InputWindow::label(const QString& objectName) const { return findChild<QLabel*>(objectName); }
ColourPanel* InputWindow::panel(const QString& objectName) const { return findChild<ColourPanel*>(objectName); }

void InputWindow::setColourChooser(ColourChooser chooser) { colourChooser_ = std::move(chooser); }

// ---------------------------------------------------------------------------
// Handlers

void InputWindow::onFieldLeft(QLineEdit* field, std::function<void()> read) {
    watchFieldLeave(field, [this, field, read = std::move(read)] {
        read();
        emit inputCommitted(field->objectName());
    });
}

void InputWindow::connectHandlers() {
    Fields& f = *fields_;
    for (int i = 0; i < PointCount; ++i) {
        onFieldLeft(f.pointName[std::size_t(i)], [this, i] { commitPointName(i); });
        for (int a = 0; a < 3; ++a)
            onFieldLeft(f.pointCoord[std::size_t(i)][std::size_t(a)], [this, i, a] { commitPointCoordinate(i, a); });
    }

    auto numberField = [this](QLineEdit* field, Real& target) {
        onFieldLeft(field, [this, field, &target] { readNumberField(field, target, feedback()); });
    };
    auto numberTriple = [&](const std::array<QLineEdit*, 3>& fields, Vector3& target) {
        for (int a = 0; a < 3; ++a) numberField(fields[std::size_t(a)], axisValue(target, a));
    };
    numberTriple(f.uh, scene_.lineSupport[LineH]);
    numberTriple(f.vh, scene_.lineDirection[LineH]);
    for (const CoordinatePlaneRow& plane : kCoordinatePlanes)
        for (std::size_t k = 0; k < 4; ++k)
            numberField(f.planeCoeff[std::size_t(plane.number)][k], scene_.planeCoeffs[std::size_t(plane.number)][k]);
    for (const ParameterPlaneRow& plane : kParameterPlanes) {
        const auto n = std::size_t(plane.number);
        numberTriple(f.planeP[n], scene_.planeSupport[n]);
        numberTriple(f.planeU[n], scene_.planeSpanU[n]);
        numberTriple(f.planeV[n], scene_.planeSpanV[n]);
    }
    // A new t1, t2 or delta t takes the family back to its start, as the
    // start-up reads it: the running parameter at t1 and g there. Otherwise
    // the Scene would keep g at a t (the drawer's last member) that the
    // fields no longer give. Leaving a number field never changed the draw
    // command's gate, and these still do not.
    auto restartFamily = [this, &f] {
        if (const NumberReadResult t1 = parseNumberOrFraction(f.t1->text().toStdString()); t1.ok)
            scene_.familyFrom = t1.value;
        readFamilyAtT1(*this);
    };
    for (auto [field, target] : {std::pair{f.t1, &scene_.familyFrom}, std::pair{f.t2, &scene_.familyTo},
                                 std::pair{f.deltaT, &scene_.familyStep}}) {
        onFieldLeft(field, [this, field, target, restartFamily] {
            const Real before = *target;
            if (readNumberField(field, *target, feedback()) && *target != before) restartFamily();
        });
    }
    const std::array<QLineEdit*, 6> lineG = lineGEdits(f.ug, f.vg);
    for (std::size_t i = 0; i < lineG.size(); ++i) {
        QLineEdit* field = lineG[i];
        onFieldLeft(field, [this, field, i] {
            const bool taken = readFamilyField(field, lineGValue(scene_, i), feedback());
            if (taken) scene_.lineGParameters[i] = 0;
            scene_.drawBlocked = !taken;
        });
    }

    // Entering a derived field passes the focus to the field it comes from.
    auto redirect = [](QLineEdit* from, QLineEdit* to) {
        watchFieldEnter(from, [to] { to->setFocus(Qt::OtherFocusReason); });
    };
    for (std::size_t a = 0; a < 3; ++a) {
        redirect(f.p5[a], f.pointCoord[PointA][a]);
        redirect(f.u5[a], f.pointCoord[PointB][a]);
        redirect(f.v5[a], f.pointCoord[PointC][a]);
        // AD shares the handler of v5's x field.
        redirect(f.ad[a], f.pointCoord[PointC][AxisX]);
        redirect(f.ug1[a], f.pointCoord[PointP][a]);
        redirect(f.vg1[a], f.pointCoord[PointQ][a]);
    }

    // Check boxes: the coordinate-path boxes commit into the point at once;
    // the others keep their flag in the Scene current for the draw command.
    auto flag = [this](QCheckBox* box, bool& target) {
        QObject::connect(box, &QCheckBox::toggled, box, [&target](bool on) { target = on; });
        boxFlags_.emplace_back(box, &target);
    };
    for (std::size_t i = 0; i < PointCount; ++i) {
        if (f.pathBox[i]) flag(f.pathBox[i], scene_.points[i].coordinatePaths);
        flag(f.drawPointBox[i], scene_.drawPointFlag[i]);
    }
    for (std::size_t v = 0; v < VectorCount; ++v) flag(f.vectorBox[v], scene_.drawVectorFlag[v]);
    flag(f.segmentBox, scene_.segmentsInsteadOfVectors);
    flag(f.coplanarBox, scene_.coplanarGraphic);
    flag(f.familyBox, scene_.familyEnabled);
    for (std::size_t n = 1; n < LineSlots; ++n) flag(f.lineBox[n], scene_.drawLineFlag[n]);
    for (std::size_t n = 1; n < PlaneSlots; ++n) flag(f.planeBox[n], scene_.drawPlaneFlag[n]);
    for (std::size_t b = 1; b < BodySlots; ++b) flag(f.bodyBox[b], scene_.drawBodyFlag[b]);
    flag(f.spatVectorsBox, scene_.drawSpatVectors);

    std::vector<ColourPanel*> panels = {f.pointPanel, f.bodyPanel};
    for (std::size_t n = 1; n < LineSlots; ++n) panels.push_back(f.linePanel[n]);
    for (std::size_t n = 1; n < PlaneSlots; ++n) panels.push_back(f.planePanel[n]);
    for (ColourPanel* p : panels)
        connect(p, &ColourPanel::clicked, this, [this, p] { choosePanelColour(p); });

    // Every box the layout made reports its click, after its own toggled
    // handler has run (a box added to the layout needs no line here).
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::clicked, this, [this, box] { emit inputCommitted(box->objectName()); });

    connect(f.defaultsButton, &QToolButton::clicked, this, [this] {
        emit defaultsAboutToBeApplied();
        resetToDefaults();
        emit inputCommitted(fields_->defaultsButton->objectName());
    });
}

void InputWindow::commitPointName(int point) {
    scene_.points[std::size_t(point)].name =
        cutPointName(fields_->pointName[std::size_t(point)]->text().toStdString());
}

void InputWindow::writeDerived(QLineEdit* field, Real value) {
    // The difference of two huge coordinates does not exist as a number;
    // the field then says so, and reading it back keeps the Scene's value.
    field->setText(QString::fromStdString(derivedFieldShownText(value)));
}

void InputWindow::readDerived(QLineEdit* field, Real& target) {
    const NumberReadResult r = parseNumberOrFraction(field->text().toStdString());
    if (r.ok) target = r.value;
}

// Leaving a coordinate field of a point: read it, then keep the derived
// values of that coordinate current. The derived steps run in this order
// even when the read failed; they then use the point's previous value.
void InputWindow::commitPointCoordinate(int point, int axis) {
    Fields& f = *fields_;
    const auto a = std::size_t(axis);
    QLineEdit* field = f.pointCoord[std::size_t(point)][a];
    readNumberField(field, axisValue(scene_.points[std::size_t(point)], axis), feedback());

    auto value = [this, axis](int p) { return axisValue(scene_.points[std::size_t(p)], axis); };
    auto refreshU5 = [&] {
        writeDerived(f.u5[a], value(PointB) - value(PointA));
    };
    auto refreshV5 = [&] {
        writeDerived(f.v5[a], value(PointC) - value(PointA));
    };
    auto refreshAD = [&] {
        writeDerived(f.ad[a], value(PointD) - value(PointA));
    };
    switch (point) {
    case PointA:
        f.p5[a]->setText(field->text());
        refreshU5();
        refreshV5();
        refreshAD();
        readDerived(f.ad[a], axisValue(scene_.vectorAD, axis));
        axisValue(scene_.planeSupport[PlaneE5], axis) = value(PointA);
        readDerived(f.u5[a], axisValue(scene_.planeSpanU[PlaneE5], axis));
        readDerived(f.v5[a], axisValue(scene_.planeSpanV[PlaneE5], axis));
        break;
    case PointB:
        refreshU5();
        readDerived(f.u5[a], axisValue(scene_.planeSpanU[PlaneE5], axis));
        break;
    case PointC:
        refreshV5();
        readDerived(f.v5[a], axisValue(scene_.planeSpanV[PlaneE5], axis));
        break;
    case PointD:
        refreshAD();
        readDerived(f.ad[a], axisValue(scene_.vectorAD, axis));
        break;
    case PointP:
        f.ug1[a]->setText(field->text());
        writeDerived(f.vg1[a], value(PointQ) - value(PointP));
        scene_.lineSupport[LineG2] = scene_.points[PointP];
        setDifference(scene_.lineDirection[LineG2], scene_.points[PointP], scene_.points[PointQ]);
        break;
    case PointQ:
        writeDerived(f.vg1[a], value(PointQ) - value(PointP));
        setDifference(scene_.lineDirection[LineG2], scene_.points[PointP], scene_.points[PointQ]);
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------
// Colour panels

void InputWindow::choosePanelColour(ColourPanel* p) {
    if (!p || !colourChooser_) return;
    const std::optional<Colour> chosen = colourChooser_(lastConfirmedColour_);
    if (!chosen) return;
    lastConfirmedColour_ = *chosen;
    applyPanelColour(p, *chosen);
    emit inputCommitted(p->objectName());
}

void InputWindow::applyPanelColour(ColourPanel* p, Colour colour) {
    Fields& f = *fields_;
    p->setColour(colour);
    if (p == f.pointPanel) {
        scene_.pointColor = colour;
        for (Vector3& point : scene_.points) point.color = colour;
        return;
    }
    if (p == f.bodyPanel) scene_.bodyColor = colour;
    for (std::size_t n = 1; n < LineSlots; ++n)
        if (p == f.linePanel[n]) scene_.lineColor[n] = colour;
    for (std::size_t n = 1; n < PlaneSlots; ++n)
        if (p == f.planePanel[n]) scene_.planeColor[n] = colour;
}

void InputWindow::copyPanelColoursToScene() {
    Fields& f = *fields_;
    scene_.pointColor = f.pointPanel->colour();
    scene_.bodyColor = f.bodyPanel->colour();
    for (std::size_t n = LineSlots - 1; n >= 1; --n) scene_.lineColor[n] = f.linePanel[n]->colour();
    for (std::size_t n = 1; n < PlaneSlots; ++n) scene_.planeColor[n] = f.planePanel[n]->colour();
    if (auto* coordPlanes = plotWindow_.findChild<ColourPanel*>(QStringLiteral("Panel_Koordinatenebenen")))
        plotWindow_.viewState().coordPlaneColor = coordPlanes->colour();
}

// ---------------------------------------------------------------------------
// Bulk readers

void InputWindow::readPoints() {
    Fields& f = *fields_;
    for (std::size_t i = 0; i < PointCount; ++i) {
        Vector3& point = scene_.points[i];
        for (int a = 0; a < 3; ++a) readNumberField(f.pointCoord[i][std::size_t(a)], axisValue(point, a), feedback());
        point.name = cutPointName(f.pointName[i]->text().toStdString());
        point.color = f.pointPanel->colour();
        if (f.pathBox[i]) point.coordinatePaths = f.pathBox[i]->isChecked();
    }
    for (int a = 0; a < 3; ++a) readNumberField(f.ad[std::size_t(a)], axisValue(scene_.vectorAD, a), feedback());
    scene_.vectorAD.name = "AD";
    scene_.vectorAD.color = f.pointPanel->colour();
}

UserFeedback& InputWindow::feedback() const { return plotWindow_.feedback(); }

void InputWindow::readLines() { reportRejections(rereadLines(input_, scene_)); }

void InputWindow::readLineFamily() {
    // A bad field before a good one must still block drawing.
    scene_.drawBlocked = !takeLineGAt(scene_, lineGTexts(input_), scene_.familyFrom);
}

void InputWindow::readPlanes() { reportRejections(rereadPlanes(input_, scene_)); }

// Rereads read plain number fields only.
void InputWindow::reportRejections(const std::vector<FieldRejection>& rejections) {
    for (const FieldRejection& r : rejections) {
        const QString name = QString::fromStdString(r.field);
        QLineEdit* field = edit(name);
        if (!field) field = plotWindow_.findChild<QLineEdit*>(name);
        if (field) reportRejectedNumberField(field, QString::fromStdString(r.message), feedback());
    }
}

const SceneState& InputWindow::boundInput() const {
    bindControls(*this, input_, binding_);
    return input_;
}

void InputWindow::bindInput() {
    bindControls(*this, input_, binding_);
    // The parallel planes are typed into the main window but read with the
    // planes.
    for (const ParallelPlaneField& field : kParallelPlaneFields)
        if (auto* e = plotWindow_.findChild<QLineEdit*>(QString::fromLatin1(field.name))) bindText(*e, input_, binding_);
}

// ---------------------------------------------------------------------------
// Start-up

void InputWindow::startUp() {
    // The texts of the points, planes, lines and the family, and their
    // boxes unchecked (names, colours and a few boxes stay as they are).
    applyControls(*this, defaultInputEntries());
    // Point marks in the picture.
    plotWindow_.viewState().pointMarkerSize = 3;
    plotWindow_.viewState().pointLabelSize = 10;
    // The derived fields (AD, E5, g2) and the whole Scene.
    readAllFields();
    clearOutputArea();
}

void InputWindow::readAllFields() {
    Fields& f = *fields_;
    // The derived fields, from the values the point reader will leave.
    auto value = [&](std::size_t point, std::size_t axis) {
        const NumberReadResult r = parseNumberOrFraction(f.pointCoord[point][axis]->text().toStdString());
        return r.ok ? r.value : axisValue(scene_.points[point], int(axis));
    };
    for (std::size_t a = 0; a < 3; ++a) {
        writeDerived(f.ad[a], value(PointD, a) - value(PointA, a));
        f.p5[a]->setText(f.pointCoord[PointA][a]->text());
        writeDerived(f.u5[a], value(PointB, a) - value(PointA, a));
        writeDerived(f.v5[a], value(PointC, a) - value(PointA, a));
        f.ug1[a]->setText(f.pointCoord[PointP][a]->text());
        writeDerived(f.vg1[a], value(PointQ, a) - value(PointP, a));
    }
    // 10. Read everything into the Scene.
    readPoints();
    readLines();
    readNumberField(f.t1, scene_.familyFrom, feedback());
    readNumberField(f.t2, scene_.familyTo, feedback());
    readNumberField(f.deltaT, scene_.familyStep, feedback());
    readFamilyAtT1(*this);
    // The family reader itself says nothing; when the messages are being
    // collected, note what leaving each of g's fields would say.
    for (const auto* triple : {&f.ug, &f.vg})
        for (QLineEdit* field : *triple) noteFamilyFieldVerdict(field);
    readPlanes();
    // 11. The origin.
    scene_.origin = originPoint();
    // 12. Colours.
    copyPanelColoursToScene();
    // The flags as the boxes show them: a box set to the state it already
    // had (opening a file) reports no toggle.
    for (const auto& [box, target] : boxFlags_) *target = box->isChecked();
    scene_.drawBlocked = false;
}

void InputWindow::resetScene(const Scene& scene) {
    scene_ = scene;
    if (QLabel* r = label(QStringLiteral("Label_kompl_r"))) r->setText(QString::fromUtf8(kCoplanarLabelR));
    if (QLabel* t = label(QStringLiteral("Label_kompl_t"))) t->setText(QString::fromUtf8(kCoplanarLabelT));
}

void InputWindow::clearOutputArea() { outputLog_->clearOutputLog(); }

void InputWindow::resetToDefaults() {
    plotWindow_.applyViewDefaults();
    startUp();
}
