// The working ("Rechenweg") of the calculation buttons. Goal: a button with
// the working on answers within 20 ms.
//   ./bench/spatium_bench --benchmark_filter=Working
// BM_WorkingCore: the working and the result block of each button into a
// plain-text log, on the start-up scene (its fields as typed).
// BM_WorkingBusy: the same on the busy scene of the export tests.
// BM_WorkingClick: a real click in the input window with "Rechenweg
// anzeigen" checked (and unchecked, for comparison): the fields re-read,
// the working and the block written into the output area. Run it with the filter above: it needs the widget
// application it creates itself.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

#include "core/calc/CalcCommands.h"
#include "gui/input/InstallCalculations.h"
#include "gui/input/InputWindow.h"
#include "core/model/InputWindowTables.h"
#include "gui/plot/PlotWindow.h"
#include "core/working/Working.h"
#include "BusyScene.h"

namespace {

// The start-up texts of every field the working reads ("1,5t" of g stays a
// formula: its value is the decimal the Scene holds).
exact::FieldTexts startupTexts() {
    using namespace inputwindow;
    exact::FieldTexts texts;
    for (int i = 0; i < PointCount; ++i)
        for (int a = 0; a < 3; ++a) texts[exact::pointFieldNames(i)[std::size_t(a)]] = kPoints[std::size_t(i)].startup[std::size_t(a)];
    for (const TripleRow* row : {&kSupportG, &kDirectionG, &kSupportH, &kDirectionH})
        for (int a = 0; a < 3; ++a) texts[exact::tripleFieldNames(row->prefix)[std::size_t(a)]] = row->startup[std::size_t(a)];
    for (const CoordinatePlaneRow& row : kCoordinatePlanes)
        for (int k = 0; k < 4; ++k) texts[exact::coefficientFieldName(row.number, k)] = row.startup[std::size_t(k)];
    for (const ParameterPlaneRow& row : kParameterPlanes) {
        const std::string n = std::to_string(row.number);
        for (int a = 0; a < 3; ++a) {
            texts[exact::tripleFieldNames("p" + n)[std::size_t(a)]] = row.p[std::size_t(a)];
            texts[exact::tripleFieldNames("u" + n)[std::size_t(a)]] = row.u[std::size_t(a)];
            texts[exact::tripleFieldNames("v" + n)[std::size_t(a)]] = row.v[std::size_t(a)];
        }
    }
    return texts;
}

void BM_WorkingCore(benchmark::State& state) {
    const working::WorkingEntry& entry = working::workingEntries()[std::size_t(state.range(0))];
    const exact::FieldTexts texts = startupTexts();
    const CalculationButton* button = nullptr;
    for (const CalculationButton& b : calculationButtons())
        if (std::string(b.objectName) == entry.objectName) button = &b;
    for (auto _ : state) {
        Scene scene;
        PlainTextOutputLog log;
        working::writeWorking(entry.objectName, scene, texts, log);
        button->run(scene, exact::buildExactScene(scene, texts), log);
        benchmark::DoNotOptimize(log.text().size());
    }
    state.SetLabel(entry.objectName);
}

// Each button's working and result on the busy scene, from its texts read
// exactly once, as a click does.
void BM_WorkingBusy(benchmark::State& state) {
    const working::WorkingEntry& entry = working::workingEntries()[std::size_t(state.range(0))];
    Scene busy;
    ViewControls controls;
    makeBusyScene(busy, controls);
    const SceneState input = inputShowing(busy);
    const CalculationButton* button = nullptr;
    for (const CalculationButton& b : calculationButtons())
        if (std::string(b.objectName) == entry.objectName) button = &b;
    for (auto _ : state) {
        Scene scene = busy;
        PlainTextOutputLog log;
        const exact::ExactScene exactScene = exact::buildExactScene(scene, input.texts);
        working::writeWorking(entry.objectName, exactScene, log);
        button->run(scene, exactScene, log);
        benchmark::DoNotOptimize(log.text().size());
    }
    state.SetLabel(entry.objectName);
}

// The worst case of reading g exactly: formulas in t whose values belong
// to no t of a family of 1000 members, so that every member is tried.
void BM_WorkingExactGSearch(benchmark::State& state) {
    exact::FieldTexts texts = startupTexts();
    texts["Edit_t1"] = "0";
    texts["Edit_t2"] = "999";
    texts["Edit_Delta_t"] = "1";
    for (const char* name : {"Edit_ugx", "Edit_ugy", "Edit_ugz", "Edit_vgx", "Edit_vgy", "Edit_vgz"})
        texts[name] = "(2t+1)/7";
    Scene scene;
    scene.lineSupport[LineG].x = 0.123L;
    for (auto _ : state) benchmark::DoNotOptimize(exact::buildExactScene(scene, texts));
}

// The click as the user makes it, output area cleared before each.
void BM_WorkingClick(benchmark::State& state) {
    if (!QApplication::instance()) {
        static int argc = 1;
        static char name[] = "spatium_bench";
        static char* argv[] = {name, nullptr};
        if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication app(argc, argv);
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        state.SkipWithError("needs a widget application: run with --benchmark_filter=Working");
        return;
    }
    WindowServices services;
    services.screenSize = [] { return QSize(1280, 1024); };
    PlotWindow plotWindow(services);
    InputWindow inputWindow(plotWindow);
    installCalculations(inputWindow);
    inputWindow.checkBox(QStringLiteral("CheckBox_Rechenweg"))->setChecked(state.range(1) != 0);
    const char* name = working::workingEntries()[std::size_t(state.range(0))].objectName;
    QAbstractButton* button = inputWindow.button(QString::fromLatin1(name));
    for (auto _ : state) {
        state.PauseTiming();
        inputWindow.outputLog().clearOutputLog();
        state.ResumeTiming();
        button->click();
    }
    state.SetLabel(std::string(name) + (state.range(1) ? " mit Rechenweg" : " ohne Rechenweg"));
}

}  // namespace

BENCHMARK(BM_WorkingCore)->DenseRange(0, 22)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WorkingBusy)->DenseRange(0, 22)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WorkingExactGSearch)->Unit(benchmark::kMillisecond);
// S auf E1, g und h (skew: the longest working), E3 und E4, Viereck ABCD,
// Pyramide ABCDS, the coplanarity.
// Each with the box checked and, for comparison, unchecked.
BENCHMARK(BM_WorkingClick)
    ->ArgsProduct({{2, 4, 7, 16, 20, 22}, {1, 0}})
    ->Unit(benchmark::kMillisecond);
