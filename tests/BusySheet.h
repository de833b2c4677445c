#pragma once
// The busy scene as a worksheet sees it, shared by the worksheet tests and
// the benchmarks: every object's box checked, the texts as typed, and the
// output area holding what every calculation writes (its working first).
#include <string>
#include <string_view>
#include <vector>

#include "BusyScene.h"
#include "core/calc/CalcCommands.h"
#include "core/model/InputWindowTables.h"
#include "core/working/Working.h"

// What the calculations write, one block per click (the working first, as
// with "Rechenweg anzeigen").
inline OutputText calculatedOutput(Scene scene, const SceneState& state) {
    PlainTextOutputLog log;
    log.clearOutputLog();
    for (const CalculationButton& button : calculationButtons()) {
        if (std::string_view(button.objectName) == "SpeedButton_ClearRichEdit") continue;
        const exact::ExactScene exactScene = exact::buildExactScene(scene, state.texts);
        const OutputBlockScope block(log, button.objectName);
        working::writeWorking(button.objectName, exactScene, log);
        button.run(scene, exactScene, log);
    }
    OutputText area;
    for (const OutputRun& run : log.contents()) area.runs.push_back({run.text, run.colour});
    area.blocks = log.blocks();
    return area;
}

// The busy scene as typed, every object's box checked, with the output of
// every calculation.
inline SceneState busySheetState(const Scene& scene) {
    using namespace inputwindow;
    SceneState state = inputShowing(scene);
    for (std::size_t i = 0; i < kPoints.size(); ++i) {
        const std::string field = std::string("Edit_Punkt") + kPoints[i].suffix + "_";
        state.texts[field + "x"] = derivedFieldShownText(scene.points[i].x);
        state.texts[field + "y"] = derivedFieldShownText(scene.points[i].y);
        state.texts[field + "z"] = derivedFieldShownText(scene.points[i].z);
        state.checks[std::string("CheckBox_Punkt") + kPoints[i].suffix + "_zeichnen"] = true;
    }
    for (const VectorRow& v : kVectors) state.checks[std::string("CheckBox_Vektor") + v.name] = true;
    for (const BodyRow& b : kBodies) state.checks[b.objectName] = true;
    for (int n = PlaneE1; n < PlaneSlots; ++n) state.checks["CheckBox_Ebene" + std::to_string(n) + "_zeichnen"] = true;
    for (const char* box : {"CheckBox_Gerade_g", "CheckBox_Gerade_h", "CheckBox_Gerade_g2", "CheckBox_Geradenschar"})
        state.checks[box] = true;
    state.texts["Edit_t2"] = "3";
    state.texts["Edit_Delta_t"] = "0,5";
    state.outputs[kOutputAreaName] = calculatedOutput(scene, state);
    return state;
}
