#include "core/model/SceneInput.h"

#include <algorithm>
#include <utility>

#include "core/model/InputWindowTables.h"
#include "core/numbers/Evaluator.h"
#include "core/numbers/NumberReader.h"

using namespace inputwindow;

std::string numberRejectionMessage(const NumberReadResult& result) {
    return "Fehler an Stelle " + std::to_string(result.errorPosition > 0 ? result.errorPosition : 1);
}

std::string derivedFieldShownText(Real value) {
    std::string text;
    return derivedFieldText(value, text) ? text : std::string("Überlauf");
}

Real& lineGValue(Scene& scene, std::size_t i) {
    return i < 3 ? axisValue(scene.lineSupport[LineG], int(i)) : axisValue(scene.lineDirection[LineG], int(i - 3));
}

bool takeLineGAt(Scene& scene, const std::array<std::string, 6>& texts, Real t) {
    bool allTaken = true;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const EvaluationResult r = evaluateExpression(texts[i], 0, t);
        if (r.error) {
            allTaken = false;
        } else {
            lineGValue(scene, i) = r.value;
            scene.lineGParameters[i] = t;
        }
    }
    return allTaken;
}

bool readLineGAtStart(Scene& scene, const std::array<std::string, 6>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        Real value = lineGValue(scene, i);
        if (readExpression(texts[i], value).outcome == ReadExpressionOutcome::Ok) {
            lineGValue(scene, i) = value;
            scene.lineGParameters[i] = 0;
        }
    }
    return takeLineGAt(scene, texts, scene.familyFrom);
}

namespace {

std::string axisLetter(std::size_t a) { return kAxisLetters[a]; }
std::string tripleName(const std::string& prefix, std::size_t a) { return "Edit_" + prefix + axisLetter(a); }
std::string pointField(std::size_t point) { return std::string("Edit_Punkt") + kPoints[point].suffix; }
std::string coordinateField(std::size_t point, std::size_t a) { return pointField(point) + "_" + axisLetter(a); }

// Writes only x, y, z: the record's name, colour and flag stay.
void setDifference(Vector3& target, const Vector3& from, const Vector3& to) {
    target.x = to.x - from.x;
    target.y = to.y - from.y;
    target.z = to.z - from.z;
}

std::array<std::string, 6> lineGFieldNames() {
    std::array<std::string, 6> names;
    for (std::size_t a = 0; a < 3; ++a) {
        names[a] = tripleName(kSupportG.prefix, a);
        names[a + 3] = tripleName(kDirectionG.prefix, a);
    }
    return names;
}

class Reader {
public:
    // Reads into `scene`, noting rejections in `rejections`; the full
    // reading also writes the derived fields' texts into `derivedTexts`.
    Reader(const SceneState& input, Scene& scene, std::vector<FieldRejection>& rejections,
           std::map<std::string, std::string>& derivedTexts)
        : input_(input), scene_(scene), rejections_(rejections), derivedTexts_(derivedTexts) {}

    // The full reading, in the order of the start-up.
    void run() {
        derivedFields();
        points();
        lines();
        number("Edit_t1", scene_.familyFrom);
        number("Edit_t2", scene_.familyTo);
        number("Edit_Delta_t", scene_.familyStep);
        family();
        planes();
        scene_.origin = originPoint();
        colours();
        flags();
    }

    void lines() {
        scene_.lineSupport[LineG2] = scene_.points[PointP];
        setDifference(scene_.lineDirection[LineG2], scene_.points[PointP], scene_.points[PointQ]);
        triple(kSupportH.prefix, scene_.lineSupport[LineH]);
        triple(kDirectionH.prefix, scene_.lineDirection[LineH]);
    }

    void planes() {
        for (std::size_t k = 0; k < 4; ++k)
            for (std::size_t n = PlaneE1; n <= PlaneE2; ++n)
                number("Edit_" + std::string(kCoefficientLetters[k]) + std::to_string(n), scene_.planeCoeffs[n][k]);
        for (std::size_t n = PlaneE3; n <= PlaneE5; ++n) {
            const std::string suffix = std::to_string(n);
            triple("p" + suffix, scene_.planeSupport[n]);
            triple("u" + suffix, scene_.planeSpanU[n]);
            if (n == PlaneE3) scene_.e3SpanCopyU = scene_.planeSpanU[n];
            triple("v" + suffix, scene_.planeSpanV[n]);
            if (n == PlaneE3) scene_.e3SpanCopyV = scene_.planeSpanV[n];
        }
        number("Edit_x_gleich_const", scene_.parallelPlaneX);
        number("Edit_y_gleich_const", scene_.parallelPlaneY);
        number("Edit_z_gleich_const", scene_.parallelPlaneZ);
    }

private:
    // A derived field shows what the reading wrote into it; any other field
    // what the input holds.
    const std::string& text(const std::string& name) const {
        const auto it = derivedTexts_.find(name);
        return it == derivedTexts_.end() ? input_.text(name) : it->second;
    }

    void reject(const std::string& field, std::string message) {
        auto& list = rejections_;
        const bool known =
            std::any_of(list.begin(), list.end(), [&field](const FieldRejection& r) { return r.field == field; });
        if (!known) list.push_back({field, std::move(message)});
    }

    // A plain number or fraction; a rejected text keeps the target's value.
    void number(const std::string& field, Real& target) {
        const NumberReadResult r = parseNumberOrFraction(text(field));
        if (r.ok) {
            target = r.value;
            return;
        }
        reject(field, numberRejectionMessage(r));
    }
    void triple(const std::string& prefix, Vector3& target) {
        for (std::size_t a = 0; a < 3; ++a) number(tripleName(prefix, a), axisValue(target, int(a)));
    }

    // AD, E5 and g2 from the values the point reader will leave: a text it
    // will reject counts with the point's present value.
    void derivedFields() {
        auto value = [this](std::size_t point, std::size_t a) {
            const NumberReadResult r = parseNumberOrFraction(input_.text(coordinateField(point, a)));
            return r.ok ? r.value : axisValue(scene_.points[point], int(a));
        };
        auto& shown = derivedTexts_;
        for (std::size_t a = 0; a < 3; ++a) {
            shown[tripleName("AD", a)] = derivedFieldShownText(value(PointD, a) - value(PointA, a));
            shown[tripleName("p5", a)] = input_.text(coordinateField(PointA, a));
            shown[tripleName("u5", a)] = derivedFieldShownText(value(PointB, a) - value(PointA, a));
            shown[tripleName("v5", a)] = derivedFieldShownText(value(PointC, a) - value(PointA, a));
            shown[tripleName("ug1", a)] = input_.text(coordinateField(PointP, a));
            shown[tripleName("vg1", a)] = derivedFieldShownText(value(PointQ, a) - value(PointP, a));
        }
    }

    void points() {
        const Colour colour = input_.colour(kPointPanel.objectName, kPointPanel.colour);
        for (std::size_t i = 0; i < PointCount; ++i) {
            Vector3& point = scene_.points[i];
            for (std::size_t a = 0; a < 3; ++a) number(coordinateField(i, a), axisValue(point, int(a)));
            point.name = cutPointName(input_.text(pointField(i)));
            point.color = colour;
            if (i < std::size_t(kPointsWithPaths)) point.coordinatePaths = input_.checked(pathBox(i));
        }
        triple("AD", scene_.vectorAD);
        scene_.vectorAD.name = "AD";
        scene_.vectorAD.color = colour;
    }

    // g at t = 0, then at t1; then what leaving each of its fields would say.
    void family() {
        const std::array<std::string, 6> names = lineGFieldNames();
        std::array<std::string, 6> texts;
        for (std::size_t i = 0; i < 6; ++i) texts[i] = text(names[i]);
        readLineGAtStart(scene_, texts);
        for (std::size_t i = 0; i < 6; ++i) {
            Real ignored = 0;
            const ReadExpressionResult r = readExpression(texts[i], ignored);
            if (r.outcome == ReadExpressionOutcome::SyntaxError)
                reject(names[i], r.message);
            else if (r.outcome == ReadExpressionOutcome::ValueError)
                reject(names[i], std::string());
        }
    }

    void colours() {
        scene_.pointColor = input_.colour(kPointPanel.objectName, kPointPanel.colour);
        scene_.bodyColor = input_.colour(kBodyPanel.objectName, kBodyPanel.colour);
        for (std::size_t n = 1; n < LineSlots; ++n)
            scene_.lineColor[n] = input_.colour(kLinePanels[n].objectName, kLinePanels[n].colour);
        for (std::size_t n = 1; n < PlaneSlots; ++n)
            scene_.planeColor[n] = input_.colour(kPlanePanels[n].objectName, kPlanePanels[n].colour);
    }

    static std::string pathBox(std::size_t point) {
        return std::string("CheckBox_Punkt") + kPoints[point].suffix + "_KO_Zuege";
    }

    void flags() {
        for (std::size_t i = 0; i < PointCount; ++i)
            scene_.drawPointFlag[i] = input_.checked(std::string("CheckBox_Punkt") + kPoints[i].suffix + "_zeichnen");
        for (std::size_t v = 0; v < VectorCount; ++v)
            scene_.drawVectorFlag[v] = input_.checked(std::string("CheckBox_Vektor") + kVectors[v].name);
        scene_.segmentsInsteadOfVectors = input_.checked("CheckBox_Strecke_statt_Vektor");
        scene_.coplanarGraphic = input_.checked("CheckBox_komplanar_grafisch");
        scene_.familyEnabled = input_.checked("CheckBox_Geradenschar");
        scene_.drawLineFlag[LineG] = input_.checked("CheckBox_Gerade_g");
        scene_.drawLineFlag[LineH] = input_.checked("CheckBox_Gerade_h");
        scene_.drawLineFlag[LineG2] = input_.checked("CheckBox_Gerade_g2");
        for (std::size_t n = 1; n < PlaneSlots; ++n)
            scene_.drawPlaneFlag[n] = input_.checked("CheckBox_Ebene" + std::to_string(n) + "_zeichnen");
        for (std::size_t b = 1; b < BodySlots; ++b) scene_.drawBodyFlag[b] = input_.checked(kBodies[b - 1].objectName);
        scene_.drawSpatVectors = input_.checked("CheckBox_Spatvektoren_zeichnen");
    }

    const SceneState& input_;
    Scene& scene_;
    std::vector<FieldRejection>& rejections_;
    std::map<std::string, std::string>& derivedTexts_;
};

}  // namespace

SceneReading readScene(const SceneState& input, Scene start) {
    SceneReading out;
    out.scene = std::move(start);
    Reader(input, out.scene, out.rejections, out.derivedTexts).run();
    out.scene.drawBlocked = false;
    return out;
}

std::array<std::string, 6> lineGTexts(const SceneState& input) {
    const std::array<std::string, 6> names = lineGFieldNames();
    std::array<std::string, 6> texts;
    for (std::size_t i = 0; i < names.size(); ++i) texts[i] = input.text(names[i]);
    return texts;
}

std::vector<FieldRejection> rereadLines(const SceneState& input, Scene& scene) {
    std::vector<FieldRejection> rejections;
    std::map<std::string, std::string> noDerivedTexts;
    Reader(input, scene, rejections, noDerivedTexts).lines();
    return rejections;
}

std::vector<FieldRejection> rereadPlanes(const SceneState& input, Scene& scene) {
    std::vector<FieldRejection> rejections;
    std::map<std::string, std::string> noDerivedTexts;
    Reader(input, scene, rejections, noDerivedTexts).planes();
    return rejections;
}

void takeLineGAtParameters(Scene& scene, const SceneState& input,
                           const std::array<std::optional<Real>, 6>& parameters) {
    const std::array<std::string, 6> texts = lineGTexts(input);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!parameters[i]) continue;
        const EvaluationResult r = evaluateExpression(texts[i], 0, *parameters[i]);
        if (r.error) continue;
        lineGValue(scene, i) = r.value;
        scene.lineGParameters[i] = *parameters[i];
    }
}

bool lineGFieldRejected(const SceneState& input) {
    for (const std::string& text : lineGTexts(input)) {
        Real ignored = 0;
        if (readExpression(text, ignored).outcome != ReadExpressionOutcome::Ok) return true;
    }
    return false;
}

std::array<std::optional<Real>, 6> lineGParametersOf(const SceneState& state) {
    std::array<std::optional<Real>, 6> parameters;
    const std::array<std::string, 6> names = lineGFieldNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (const auto it = state.parameters.find(names[i]); it != state.parameters.end()) parameters[i] = it->second;
    return parameters;
}

void captureLineGParameters(const Scene& scene, SceneState& state) {
    const std::array<std::string, 6> names = lineGFieldNames();
    for (std::size_t i = 0; i < names.size(); ++i) state.parameters[names[i]] = scene.lineGParameters[i];
}

bool isDerivedField(const std::string& name) {
    for (const char* prefix : {"AD", "p5", "u5", "v5", "ug1", "vg1"})
        for (std::size_t a = 0; a < 3; ++a)
            if (name == tripleName(prefix, a)) return true;
    return false;
}
