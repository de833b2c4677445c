// Scene files and undo on the whole program (both windows, offscreen):
// opening the busy scene (every object checked) and drawing it, building
// the bytes of a save, and one undo or redo step of the input window.
#include <benchmark/benchmark.h>

#include "BenchApp.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "gui/app/AppWindows.h"
#include "gui/app/SceneBinding.h"
#include "core/calc/CalcCommands.h"
#include "gui/input/InstallCalculations.h"
#include "document/SceneFile.h"
#include "gui/widgets/FieldReaders.h"

namespace {

class QuietFeedback : public UserFeedback {
public:
    void beep() override {}
    void showMessage(QWidget*, const QString&) override {}
};

// The program with the busy scene in it: every box of the input window, the
// cube, the parallel planes, the raster and the trace points on, D moved so
// that AB, AC, AD are coplanar, every calculation run once into the output.
struct BusyProgram {
    BusyProgram() {
        ensureApplication();
        AppOptions options;
        options.services.askSaveChanges = [](QWidget*, const QString&) { return WindowServices::SaveAnswer::Discard; };
        options.services.feedback = &feedback;
        options.settingsFile = dir.filePath(QStringLiteral("settings.ini"));
        windows = std::make_unique<AppWindows>(options);
        InputWindow& inputWindow = *windows->inputWindow;
        PlotWindow& plotWindow = windows->plotWindow;
        const std::pair<const char*, const char*> texts[] = {{"Edit_Punkt4_x", "0"}, {"Edit_Punkt4_y", "3"}, {"Edit_Punkt4_z", "4"}};
        for (const auto& [name, text] : texts) typeAndLeave(inputWindow.edit(QLatin1String(name)), QLatin1String(text));
        for (QCheckBox* box : inputWindow.findChildren<QCheckBox*>()) box->setChecked(true);
        for (const char* name : {"CheckBox_Wuerfel", "CheckBox_x_gleich_const", "CheckBox_y_gleich_const",
                                 "CheckBox_z_gleich_const", "CheckBox_3D_Raster_mittel", "CheckBox_Spurpunkte"})
            plotWindow.findChild<QCheckBox*>(QLatin1String(name))->setChecked(true);
        for (const CalculationButton& button : calculationButtons())
            runCalculationButton(inputWindow, QLatin1String(button.objectName));
        path = dir.filePath(QStringLiteral("busy.spatium"));
        writeSceneFile(path, captureScene(plotWindow, inputWindow));
    }

    void typeAndLeave(QLineEdit* field, const QString& text) {
        QWidget* window = field->window();
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window)) qWarning("window not active");
        field->setFocus(Qt::MouseFocusReason);
        field->setText(text);
        windows->inputWindow->checkBox(QStringLiteral("CheckBox_Dreieck2"))->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    QuietFeedback feedback;
    QTemporaryDir dir;
    std::unique_ptr<AppWindows> windows;
    QString path;
};

// Opening the busy scene again: the file is read, put into both windows,
// every field read and the whole picture drawn; the recent-files list is
// already in order.
void BM_SceneOpenBusyAndDraw(benchmark::State& state) {
    BusyProgram busy;
    for (auto _ : state)
        if (!busy.windows->scenes->openFile(busy.path)) state.SkipWithError("not opened");
}
BENCHMARK(BM_SceneOpenBusyAndDraw)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Two busy files opened in turn: each opening also rewrites the recent-files
// list in the settings file (with its sync to disk).
void BM_SceneOpenBusyAndDrawNewRecent(benchmark::State& state) {
    BusyProgram busy;
    const QString other = busy.dir.filePath(QStringLiteral("other.spatium"));
    QFile::copy(busy.path, other);
    bool first = true;
    for (auto _ : state) {
        if (!busy.windows->scenes->openFile(first ? busy.path : other)) state.SkipWithError("not opened");
        first = !first;
    }
}
BENCHMARK(BM_SceneOpenBusyAndDrawNewRecent)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SceneSaveBytes(benchmark::State& state) {
    BusyProgram busy;
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray json = sceneToJson(captureScene(busy.windows->plotWindow, *busy.windows->inputWindow));
        bytes = json.size();
        benchmark::DoNotOptimize(json.constData());
    }
    state.counters["file_bytes"] = double(bytes);
}
BENCHMARK(BM_SceneSaveBytes)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One iteration undoes and redoes a field edit: two steps.
void BM_SceneUndoRedoStep(benchmark::State& state) {
    BusyProgram busy;
    busy.typeAndLeave(busy.windows->inputWindow->edit(QStringLiteral("Edit_Punkt1_x")), QStringLiteral("7"));
    QUndoStack& stack = busy.windows->scenes->undoStack();
    for (auto _ : state) {
        stack.undo();
        stack.redo();
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_SceneUndoRedoStep)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
