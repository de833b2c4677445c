#include "SceneConsistency.h"

#include "gui/widgets/ControlBinding.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "gui/widgets/ColourPanel.h"
#include "gui/input/InputWindow.h"
#include "core/model/InputWindowTables.h"
#include "core/numbers/Evaluator.h"
#include "core/numbers/NumberReader.h"
#include "gui/plot/PlotWindow.h"
#include "core/render/LineDrawing.h"

using namespace inputwindow;

namespace {

QString fieldName(const char* prefix, const QString& rest) { return QLatin1String(prefix) + rest; }
QString axisLetter(int a) { return QLatin1String(kAxisLetters[std::size_t(a)]); }

std::optional<Real> numberIn(const QLineEdit* field) {
    const NumberReadResult r = parseNumberOrFraction(field->text().toStdString());
    return r.ok ? std::optional<Real>(r.value) : std::nullopt;
}

QString derivedText(Real value) {
    std::string text;
    return derivedFieldText(value, text) ? QString::fromStdString(text) : QStringLiteral("Überlauf");
}

class Checker {
public:
    Checker(const InputWindow& inputWindow, const PlotWindow& plotWindow) : inputWindow_(inputWindow), plotWindow_(plotWindow), scene_(inputWindow.scene()) {}

    QStringList run() {
        points();
        derived();
        lines();
        planes();
        boxes();
        panels();
        mainWindow();
        return disagreeing_;
    }

private:
    const QLineEdit* edit(const QString& name) const {
        const QLineEdit* e = inputWindow_.edit(name);
        return e ? e : plotWindow_.findChild<QLineEdit*>(name);
    }
    void mark(const QString& name) { disagreeing_ << name; }

    // A plain-number field: a number it holds must be the model's value.
    void number(const QString& name, Real value) {
        if (const QLineEdit* e = edit(name))
            if (const std::optional<Real> read = numberIn(e); read && *read != value) mark(name);
    }
    void triple(const QString& prefix, const Vector3& v) {
        for (int a = 0; a < 3; ++a) number(prefix + axisLetter(a), axisValue(v, a));
    }
    void flag(const QString& name, bool value) {
        if (const QCheckBox* box = inputWindow_.checkBox(name); box && box->isChecked() != value) mark(name);
    }
    void colour(const ColourPanel* panel, Colour value) {
        if (panel && panel->colour() != value) mark(panel->objectName());
    }

    void points() {
        for (std::size_t i = 0; i < PointCount; ++i) {
            const QString suffix = QLatin1String(kPoints[i].suffix);
            const QString nameField = fieldName("Edit_Punkt", suffix);
            if (const QLineEdit* e = edit(nameField); e && cutPointName(e->text().toStdString()) != scene_.points[i].name)
                mark(nameField);
            triple(fieldName("Edit_Punkt", suffix + QLatin1Char('_')), scene_.points[i]);
        }
    }

    // A derived field: reading it back gives `value`; it shows `shown`.
    void derivedField(const QString& name, Real value, const QString& shown) {
        const QLineEdit* e = edit(name);
        if (!e) return;
        const std::optional<Real> read = numberIn(e);
        if (e->text() != shown || (read && *read != value)) mark(name);
    }

    void derived() {
        auto point = [this](int p, int a) { return axisValue(scene_.points[std::size_t(p)], a); };
        auto text = [this](int p, int a) {
            const QLineEdit* e = edit(fieldName("Edit_Punkt", QLatin1String(kPoints[std::size_t(p)].suffix)) +
                                      QLatin1Char('_') + axisLetter(a));
            return e ? e->text() : QString();
        };
        for (int a = 0; a < 3; ++a) {
            derivedField(fieldName("Edit_AD", axisLetter(a)), axisValue(scene_.vectorAD, a), derivedText(point(PointD, a) - point(PointA, a)));
            derivedField(fieldName("Edit_p5", axisLetter(a)), axisValue(scene_.planeSupport[PlaneE5], a), text(PointA, a));
            derivedField(fieldName("Edit_u5", axisLetter(a)), axisValue(scene_.planeSpanU[PlaneE5], a),
                         derivedText(point(PointB, a) - point(PointA, a)));
            derivedField(fieldName("Edit_v5", axisLetter(a)), axisValue(scene_.planeSpanV[PlaneE5], a),
                         derivedText(point(PointC, a) - point(PointA, a)));
            derivedField(fieldName("Edit_ug1", axisLetter(a)), axisValue(scene_.lineSupport[LineG2], a), text(PointP, a));
            const Real direction = axisValue(scene_.lineDirection[LineG2], a);
            // The direction of g2 is Q - P exactly, not read back from its text.
            const QString vg1 = fieldName("Edit_vg1", axisLetter(a));
            if (const QLineEdit* e = edit(vg1);
                e && (e->text() != derivedText(direction) || direction != point(PointQ, a) - point(PointP, a)))
                mark(vg1);
        }
    }

    // The parameters the family reader may have evaluated g at: t1, then
    // t1 + dt, ... as the family drawer adds them up; and the last value of
    // its running parameter. The drawer draws the member at t1 also when t1
    // lies beyond t2, and steps once past it.
    std::vector<Real> familyParameters() const {
        std::vector<Real> starts;
        if (const QLineEdit* t1 = edit(QStringLiteral("Edit_t1"))) {
            if (const std::optional<Real> v = numberIn(t1)) starts.push_back(*v);
            if (const std::optional<Real> v = parsePlainDecimal(t1->text().toStdString())) starts.push_back(*v);
        }
        std::vector<Real> values;
        for (Real t : starts) {
            values.push_back(t);
            if (!(scene_.familyStep > 0)) continue;
            for (int member = 1; member <= kMaxFamilyMembers; ++member) {
                t = t + scene_.familyStep;
                values.push_back(t);
                if (!(t <= scene_.familyTo)) break;
            }
        }
        return values;
    }

    void lines() {
        triple(QStringLiteral("Edit_uh"), scene_.lineSupport[LineH]);
        triple(QStringLiteral("Edit_vh"), scene_.lineDirection[LineH]);
        number(QStringLiteral("Edit_t2"), scene_.familyTo);
        number(QStringLiteral("Edit_Delta_t"), scene_.familyStep);

        std::vector<Real> parameters = familyParameters();
        if (const QLineEdit* t1 = edit(QStringLiteral("Edit_t1")); t1 && numberIn(t1)) {
            if (std::find(parameters.begin(), parameters.end(), scene_.familyFrom) == parameters.end())
                mark(t1->objectName());
        }
        parameters.insert(parameters.begin(), {Real(0), scene_.familyFrom});
        const std::pair<const char*, const Vector3*> formulas[] = {
            {kSupportG.prefix, &scene_.lineSupport[LineG]}, {kDirectionG.prefix, &scene_.lineDirection[LineG]}};
        for (const auto& [prefix, vector] : formulas) {
            for (int a = 0; a < 3; ++a) {
                const QLineEdit* e = edit(fieldName("Edit_", QLatin1String(prefix)) + axisLetter(a));
                if (!e) continue;
                const std::string text = e->text().toStdString();
                Real ignored = 0;
                if (readExpression(text, ignored).outcome != ReadExpressionOutcome::Ok) continue;
                const Real value = axisValue(*vector, a);
                const bool found = std::any_of(parameters.begin(), parameters.end(), [&](Real t) {
                    const EvaluationResult r = evaluateExpression(text, 0, t);
                    return !r.error && r.value == value;
                });
                if (!found) mark(e->objectName());
            }
        }
    }

    void planes() {
        for (const CoordinatePlaneRow& plane : kCoordinatePlanes)
            for (std::size_t k = 0; k < 4; ++k)
                number(QStringLiteral("Edit_%1%2").arg(QLatin1String(kCoefficientLetters[k])).arg(plane.number),
                       scene_.planeCoeffs[std::size_t(plane.number)][k]);
        for (const ParameterPlaneRow& plane : kParameterPlanes) {
            const auto n = std::size_t(plane.number);
            triple(QStringLiteral("Edit_p%1").arg(n), scene_.planeSupport[n]);
            triple(QStringLiteral("Edit_u%1").arg(n), scene_.planeSpanU[n]);
            triple(QStringLiteral("Edit_v%1").arg(n), scene_.planeSpanV[n]);
        }
        number(QStringLiteral("Edit_x_gleich_const"), scene_.parallelPlaneX);
        number(QStringLiteral("Edit_y_gleich_const"), scene_.parallelPlaneY);
        number(QStringLiteral("Edit_z_gleich_const"), scene_.parallelPlaneZ);
    }

    void boxes() {
        for (std::size_t i = 0; i < PointCount; ++i) {
            const QString suffix = QLatin1String(kPoints[i].suffix);
            flag(QStringLiteral("CheckBox_Punkt%1_zeichnen").arg(suffix), scene_.drawPointFlag[i]);
            if (int(i) < kPointsWithPaths)
                flag(QStringLiteral("CheckBox_Punkt%1_KO_Zuege").arg(suffix), scene_.points[i].coordinatePaths);
        }
        for (std::size_t v = 0; v < VectorCount; ++v)
            flag(fieldName("CheckBox_Vektor", QLatin1String(kVectors[v].name)), scene_.drawVectorFlag[v]);
        flag(QStringLiteral("CheckBox_Strecke_statt_Vektor"), scene_.segmentsInsteadOfVectors);
        flag(QStringLiteral("CheckBox_komplanar_grafisch"), scene_.coplanarGraphic);
        flag(QStringLiteral("CheckBox_Geradenschar"), scene_.familyEnabled);
        flag(QStringLiteral("CheckBox_Gerade_g"), scene_.drawLineFlag[LineG]);
        flag(QStringLiteral("CheckBox_Gerade_h"), scene_.drawLineFlag[LineH]);
        flag(QStringLiteral("CheckBox_Gerade_g2"), scene_.drawLineFlag[LineG2]);
        for (std::size_t n = 1; n < PlaneSlots; ++n)
            flag(QStringLiteral("CheckBox_Ebene%1_zeichnen").arg(n), scene_.drawPlaneFlag[n]);
        for (std::size_t b = 1; b < BodySlots; ++b) flag(QLatin1String(kBodies[b - 1].objectName), scene_.drawBodyFlag[b]);
        flag(QStringLiteral("CheckBox_Spatvektoren_zeichnen"), scene_.drawSpatVectors);
    }

    void panels() {
        const ColourPanel* points = inputWindow_.panel(QLatin1String(kPointPanel.objectName));
        colour(points, scene_.pointColor);
        for (const Vector3& p : scene_.points) colour(points, p.color);
        colour(inputWindow_.panel(QLatin1String(kBodyPanel.objectName)), scene_.bodyColor);
        for (std::size_t n = 1; n < LineSlots; ++n)
            colour(inputWindow_.panel(QLatin1String(kLinePanels[n].objectName)), scene_.lineColor[n]);
        for (std::size_t n = 1; n < PlaneSlots; ++n)
            colour(inputWindow_.panel(QLatin1String(kPlanePanels[n].objectName)), scene_.planeColor[n]);
    }

    void mainWindow() {
        const ViewState& v = plotWindow_.viewState();
        number(QStringLiteral("Edit_Kantenlaenge"), v.cubeEdge);
        if (const QLineEdit* e = edit(QStringLiteral("Edit_Ebenenstreckfaktor")))
            if (const std::optional<Real> read = numberIn(e); read && *read > 0 && *read != v.planeStretch)
                mark(e->objectName());
        colour(plotWindow_.findChild<ColourPanel*>(QStringLiteral("Panel_Koordinatenebenen")), v.coordPlaneColor);
        colour(plotWindow_.findChild<ColourPanel*>(QStringLiteral("Panel_Parallelebenen")), v.parallelPlaneColor);
        colour(plotWindow_.findChild<ColourPanel*>(QStringLiteral("Panel_Wuerfelfarbe")), v.cubeColor);
        if (const QCheckBox* large = plotWindow_.findChild<QCheckBox*>(QStringLiteral("CheckBox_PunktBeschriftung_gross"));
            large && (large->isChecked() ? 16 : 10) != v.pointLabelSize)
            mark(large->objectName());
        if (const QComboBox* zoom = plotWindow_.findChild<QComboBox*>(QStringLiteral("ComboBox_Zoomfaktor"))) {
            const std::optional<Real> read = parsePlainDecimal(zoom->currentText().toStdString());
            const bool isItem = zoom->findText(zoom->currentText()) >= 0;
            if (isItem && read && *read != v.zoomScale) mark(zoom->objectName());
        }
    }

    const InputWindow& inputWindow_;
    const PlotWindow& plotWindow_;
    const Scene& scene_;
    QStringList disagreeing_;
};

}  // namespace

QStringList fieldsDisagreeingWithScene(const InputWindow& inputWindow, const PlotWindow& plotWindow) {
    QStringList names = Checker(inputWindow, plotWindow).run();
    // The value each window keeps is what its controls show.
    SceneState shown;
    captureControls(plotWindow, shown);
    captureControls(inputWindow, shown);
    SceneState kept = plotWindow.controls();
    kept.overlay(inputWindow.boundInput());
    for (const std::string& name : kept.differingNames(shown)) names << QString::fromStdString(name);
    names.removeDuplicates();
    return names;
}
