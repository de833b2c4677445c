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
const typename Map::mapped_type* Find(const Map& group, const std::string& name) {
    const auto it = group.find(name);
    return it == group.end() ? nullptr : &it->second;
}

// The view values of `scene` (each one it holds) into the main window.
void ApplyViewValues(PlotWindow& form1, const SceneState& scene) {
    if (ApplyViewValues(form1.viewState(), scene)) form1.showTextFontInEdit();
}

void ShowRejections(const std::vector<QuietFieldReads::Rejection>& rejections, const RejectionReport& report,
                    UserFeedback& feedback) {
    for (const QuietFieldReads::Rejection& r : rejections) {
        // A derived field fails only because its source did, which has its
        // own message.
        if (!r.field || r.field->isReadOnly()) continue;
        if (report)
            report(*r.field, r.message);
        else if (r.message.isEmpty())
            feedback.Beep();
        else
            feedback.ShowMessage(r.field->window(), r.message);
    }
}

}  // namespace

SceneState CaptureInputWindow(const InputWindow& form3) {
    SceneState s = form3.boundInput();
    // The parallel planes belong to the main window.
    for (const ParallelPlaneField& field : kParallelPlaneFields) s.texts.erase(field.name);
    return s;
}

SceneState CaptureMainWindow(const PlotWindow& form1) {
    SceneState s = form1.controls();
    CaptureViewValues(form1.viewState(), s);
    return s;
}

SceneState CaptureScene(const PlotWindow& form1, const InputWindow& form3) {
    SceneState s = CaptureMainWindow(form1);
    s.overlay(CaptureInputWindow(form3));
    OutputText& output = s.outputs[kOutputAreaName];
    for (const OutputRun& run : form3.outputLog().Contents()) output.runs.push_back({run.text, run.colour});
    output.colour = form3.outputLog().OutputColour();
    CaptureLineGParameters(form3.scene(), s);
    return s;
}

void LoadScene(PlotWindow& form1, InputWindow& form3, const SceneState& scene, const SceneState& startUp,
               const Scene& startUpScene, bool draw, const RejectionReport& report) {
    SceneState whole = startUp;
    whole.overlay(scene);
    std::vector<QuietFieldReads::Rejection> rejections;
    {
        const PlotWindow::RedrawPause pause(form1);
        const QuietFieldReads quiet;
        form3.resetScene(startUpScene);
        ApplyControls(form3, whole);
        ApplyControls(form1, whole);
        ApplyViewValues(form1, whole);
        if (const OutputText* output = Find(whole.outputs, std::string(kOutputAreaName))) {
            std::vector<OutputRun> runs;
            for (const TextRun& run : output->runs) runs.push_back({run.colour, run.text});
            form3.outputLog().ReplaceContents(runs);
            form3.outputLog().SetOutputColour(output->colour);
        }
        form3.readAllFields();
        // g at the t the file says it was left at (a file without them
        // keeps g as the reading above leaves it).
        TakeLineGAtParameters(form3.scene(), form3.input(), LineGParametersOf(scene));
        // Typed, a formula of g its reader rejects leaves the evaluator's
        // flag set, and the draw button then draws nothing: so here too.
        if (LineGFieldRejected(form3.input())) form3.scene().drawBlocked = true;
        form1.takeViewFromControls();
        if (draw) RunDrawCommand(form1, form3);
        rejections = quiet.rejections();
    }
    ShowRejections(rejections, report, form1.feedback());
}
