#include "core/model/SceneOpening.h"

#include <algorithm>
#include <string>

#include "core/model/InputWindowTables.h"
#include "core/model/SceneView.h"
#include "core/numbers/NumberReader.h"
#include "core/canvas/ControlTables.h"

using namespace inputwindow;

namespace {

void setTriple(SceneState& s, const std::string& prefix, const std::array<const char*, 3>& texts) {
    for (std::size_t a = 0; a < 3; ++a) s.texts["Edit_" + prefix + kAxisLetters[a]] = texts[a];
}

void setPoint(SceneState& s, std::size_t i) {
    setTriple(s, std::string("Punkt") + kPoints[i].suffix + "_", kPoints[i].startup);
    s.checks[std::string("CheckBox_Punkt") + kPoints[i].suffix + "_zeichnen"] = false;
}

}  // namespace

void addOpeningRejection(std::vector<FieldRejection>& list, const FieldRejection& r) {
    if (isDerivedField(r.field)) return;
    const bool known =
        std::any_of(list.begin(), list.end(), [&r](const FieldRejection& k) { return k.field == r.field; });
    if (!known) list.push_back(r);
}

namespace {

// A plain number field of the main window; a rejected text leaves `target`.
bool readNumber(const SceneState& state, const char* field, Real& target, std::vector<FieldRejection>& rejections) {
    const auto it = state.texts.find(field);
    if (it == state.texts.end()) return false;
    const NumberReadResult r = parseNumberOrFraction(it->second);
    if (r.ok) {
        target = r.value;
        return true;
    }
    addOpeningRejection(rejections, {field, numberRejectionMessage(r)});
    return false;
}

}  // namespace

SceneState defaultInputEntries() {
    SceneState s;
    for (std::size_t i = 0; i < std::size_t(kPointsWithPaths); ++i) {
        setPoint(s, i);
        s.checks[std::string("CheckBox_Punkt") + kPoints[i].suffix + "_KO_Zuege"] = false;
    }
    for (std::size_t v = VectorAB; v <= VectorFS; ++v) s.checks[std::string("CheckBox_Vektor") + kVectors[v].name] = false;
    s.checks["CheckBox_Strecke_statt_Vektor"] = false;
    for (const CoordinatePlaneRow& plane : kCoordinatePlanes)
        for (std::size_t k = 0; k < 4; ++k)
            s.texts["Edit_" + std::string(kCoefficientLetters[k]) + std::to_string(plane.number)] = plane.startup[k];
    for (const ParameterPlaneRow& plane : kParameterPlanes) {
        const std::string n = std::to_string(plane.number);
        setTriple(s, "p" + n, plane.p);
        setTriple(s, "u" + n, plane.u);
        setTriple(s, "v" + n, plane.v);
    }
    for (int n = PlaneE1; n <= PlaneE5; ++n) s.checks["CheckBox_Ebene" + std::to_string(n) + "_zeichnen"] = false;
    for (std::size_t i = PointP; i <= PointQ; ++i) setPoint(s, i);
    s.checks[std::string("CheckBox_Vektor") + kVectors[VectorPQ].name] = false;
    for (const TripleRow* row : {&kSupportH, &kDirectionH, &kSupportG, &kDirectionG})
        setTriple(s, row->prefix, row->startup);
    s.checks["CheckBox_Geradenschar"] = false;
    s.texts["Edit_t1"] = kStartupT1;
    s.texts["Edit_t2"] = kStartupT2;
    s.texts["Edit_Delta_t"] = kStartupDeltaT;
    for (const char* line : {"CheckBox_Gerade_g", "CheckBox_Gerade_h", "CheckBox_Gerade_g2"}) s.checks[line] = false;
    for (const BodyRow& body : kBodies)
        if (body.resetByDefaults) s.checks[body.objectName] = false;
    return s;
}

SceneState startUpInput() {
    SceneState s = defaultInputEntries();
    for (const PointRow& point : kPoints) s.texts[std::string("Edit_Punkt") + point.suffix] = point.name;
    for (const ParallelPlaneField& field : kParallelPlaneFields) s.texts[field.name] = field.startup;
    return s;
}

Scene startUpScene() { return readScene(startUpInput(), Scene{}).scene; }

ViewState startUpView() {
    ViewState view;
    resetViewDefaults(view);
    return view;
}

void readViewControls(const SceneState& state, ViewState& view, std::vector<FieldRejection>& rejections) {
    applyViewValues(view, state);
    if (const auto zoom = state.choices.find("ComboBox_Zoomfaktor");
        zoom != state.choices.end() && zoom->second >= 0 && zoom->second < int(kZoomItems.size()))
        view.zoomScale = kZoomItems[std::size_t(zoom->second)].scale;
    ViewControls& c = view.controls;
    for (const CheckBoxRow& row : checkBoxTable())
        if (const auto it = state.checks.find(row.name); it != state.checks.end()) c.*row.field = it->second;
    for (int system : {1, 2, 3})
        if (state.checked("SpeedButton_3DSys" + std::to_string(system))) c.systemButton = system;
    view.pointLabelSize = c.largeLabels ? 16 : 10;
    view.coordPlaneColor = state.colour("Panel_Koordinatenebenen", view.coordPlaneColor);
    view.gridColor = state.colour("Panel_HintergrundRasterFarbe", view.gridColor);
    c.rasterPanelColour = view.gridColor;
    view.parallelPlaneColor = state.colour("Panel_Parallelebenen", view.parallelPlaneColor);
    view.cubeColor = state.colour("Panel_Wuerfelfarbe", view.cubeColor);
    if (const auto text = state.texts.find("Edit_Text_in_Grafik"); text != state.texts.end())
        view.textString = text->second;
    view.cubeEdge = kViewDefaults.cubeEdge;
    readNumber(state, "Edit_Kantenlaenge", view.cubeEdge, rejections);
    // A factor that is not greater than 0 keeps the default.
    view.planeStretch = kViewDefaults.planeStretch;
    Real stretch = view.planeStretch;
    if (readNumber(state, "Edit_Ebenenstreckfaktor", stretch, rejections) && stretch > 0) view.planeStretch = stretch;
}

OpenedScene openScene(const SceneState& file) {
    OpenedScene opened;
    opened.input = startUpInput();
    opened.input.overlay(file);
    SceneReading reading = readScene(opened.input, startUpScene());
    for (const auto& [name, text] : reading.derivedTexts) opened.input.texts[name] = text;
    for (const FieldRejection& r : reading.rejections)
        if (!isDerivedField(r.field)) addOpeningRejection(opened.rejections, r);
    opened.scene = std::move(reading.scene);
    takeLineGAtParameters(opened.scene, opened.input, lineGParametersOf(file));
    opened.scene.drawBlocked = lineGFieldRejected(opened.input);
    opened.view = startUpView();
    readViewControls(file, opened.view, opened.rejections);
    return opened;
}
