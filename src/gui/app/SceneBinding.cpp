#include "gui/app/SceneBinding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "core/output/OutputLog.h"
#include "gui/widgets/ColourPanel.h"
#include "gui/input/DrawCommandQt.h"
#include "gui/widgets/FieldReaders.h"
#include "gui/input/InputWindow.h"
#include "core/canvas/ControlTables.h"
#include "core/model/InputWindowTables.h"
#include "core/model/SceneInput.h"
#include "core/model/SceneView.h"
#include "core/numbers/Evaluator.h"
#include "gui/plot/PlotWindow.h"

namespace {

// The entry of `name` in a group, or nullptr.
template <class Map>
const typename Map::mapped_type* findEntry(const Map& group, const std::string& name) {
    const auto it = group.find(name);
    return it == group.end() ? nullptr : &it->second;
}

// The view values of `scene` (each one it holds) into the main window.
void applyViewValues(PlotWindow& plotWindow, const SceneState& scene) {
    if (applyViewValues(plotWindow.viewState(), scene)) plotWindow.showTextFontInEdit();
}

void showRejections(const std::vector<QuietFieldReads::Rejection>& rejections, const RejectionReport& report,
                    UserFeedback& feedback) {
    for (const QuietFieldReads::Rejection& r : rejections) {
        // A derived field fails only because its source did, which has its
        // own message.
        if (!r.field || r.field->isReadOnly()) continue;
        if (report)
            report(*r.field, r.message);
        else if (r.message.isEmpty())
            feedback.beep();
        else
            feedback.showMessage(r.field->window(), r.message);
    }
}

}  // namespace

SceneState captureInputWindowState(const InputWindow& inputWindow) {
    SceneState s = inputWindow.boundInput();
    // The parallel planes belong to the main window.
    for (const ParallelPlaneField& field : kParallelPlaneFields) s.texts.erase(field.name);
    return s;
}

SceneState captureMainWindowState(const PlotWindow& plotWindow) {
    SceneState s = plotWindow.controls();
    captureViewValues(plotWindow.viewState(), s);
    return s;
}

SceneState captureScene(const PlotWindow& plotWindow, const InputWindow& inputWindow) {
    SceneState s = captureMainWindowState(plotWindow);
    s.overlay(captureInputWindowState(inputWindow));
    OutputText& output = s.outputs[kOutputAreaName];
    for (const OutputRun& run : inputWindow.outputLog().contents()) output.runs.push_back({run.text, run.colour});
    output.colour = inputWindow.outputLog().outputColour();
    // Only the blocks the area still shows unchanged: the others explain nothing.
    if (!inputWindow.outputLog().blocks().empty()) {
        std::string text;
        for (const TextRun& run : output.runs) text += run.text;
        output.blocks = blocksStillShown(text, inputWindow.outputLog().blocks());
    }
    captureLineGParameters(inputWindow.scene(), s);
    return s;
}

void loadScene(PlotWindow& plotWindow, InputWindow& inputWindow, const SceneState& scene, const SceneState& startUp,
               const Scene& startUpScene, bool draw, const RejectionReport& report) {
    SceneState whole = startUp;
    whole.overlay(scene);
    std::vector<QuietFieldReads::Rejection> rejections;
    {
        const PlotWindow::RedrawPause pause(plotWindow);
        const QuietFieldReads quiet;
        inputWindow.resetScene(startUpScene);
        applyControls(inputWindow, whole);
        applyControls(plotWindow, whole);
        applyViewValues(plotWindow, whole);
        if (const OutputText* output = findEntry(whole.outputs, std::string(kOutputAreaName))) {
            std::vector<OutputRun> runs;
            for (const TextRun& run : output->runs) runs.push_back({run.colour, run.text});
            inputWindow.outputLog().replaceContents(runs);
            inputWindow.outputLog().setOutputColour(output->colour);
            inputWindow.outputLog().setBlocks(output->blocks);
        }
        inputWindow.readAllFields();
        // g at the t the file says it was left at (a file without them
        // keeps g as the reading above leaves it).
        takeLineGAtParameters(inputWindow.scene(), inputWindow.input(), lineGParametersOf(scene));
        // Typed, a formula of g its reader rejects leaves the evaluator's
        // flag set, and the draw button then draws nothing: so here too.
        if (lineGFieldRejected(inputWindow.input())) inputWindow.scene().drawBlocked = true;
        plotWindow.takeViewFromControls();
        if (draw) runDrawCommand(plotWindow, inputWindow);
        rejections = quiet.rejections();
    }
    showRejections(rejections, report, plotWindow.feedback());
}
