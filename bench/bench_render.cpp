// Full redraw of a busy scene through the draw command onto the 721 x 721
// QImage canvas, against the floor: the same primitive calls, recorded once,
// replayed straight onto a QImage with QPainter. Compare the process_cpu_ms
// counters: QPainter's pattern fills run partly on Qt's thread pool, which the
// CPU column (calling thread only) leaves out.
#include <benchmark/benchmark.h>

#include "BenchApp.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <ctime>
#include <fstream>
#include <variant>
#include <vector>

#include "BusyScene.h"
#include "BusySheet.h"
#include "gui/export/WorksheetExport.h"
#include "gui/picture/PictureExport.h"
#include "core/canvas/PictureRecorder.h"
#include "core/render/DrawCommand.h"
#include "gui/canvas/QImageCanvas.h"
#include "core/canvas/RecordingCanvas.h"

namespace {

struct BusyRun {
    ViewState view;
    Scene scene;
    SceneState input;
    BusySceneHost host;
    BusyRun() {
        makeBusyScene(scene, view.controls);
        input = inputShowing(scene);
    }
    void draw(Canvas& canvas) {
        scene.drawBlocked = false;
        DrawContext ctx{canvas, view, scene, input, host};
        executeDrawCommand(ctx);
    }
};

// CPU time of the whole process, all threads: Qt's raster engine hands
// parts of some fills to its thread pool, which the benchmark's own CPU
// column (the calling thread only) does not see.
double processCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}

// The busy scene redrawn again and again onto a canvas of the given
// device scale.
void runBusyRedraws(benchmark::State& state, int deviceScale) {
    ensureApplication();
    QImageCanvas canvas(721, 721, deviceScale);
    BusyRun run;
    const double cpuStart = processCpuMs();
    for (auto _ : state) {
        run.draw(canvas);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
    state.counters["process_cpu_ms"] = (processCpuMs() - cpuStart) / double(state.iterations());
}

void BM_RenderBusyRedraw(benchmark::State& state) { runBusyRedraws(state, 1); }
BENCHMARK(BM_RenderBusyRedraw)->Unit(benchmark::kMillisecond)->Repetitions(9)
    ->ReportAggregatesOnly(true)->MinTime(0.5);

// The same redraw on a screen with a device pixel ratio of 2: the canvas
// draws 1442 x 1442 device pixels. Goal: within 12 ms.
void BM_RenderBusyRedrawAtRatio2(benchmark::State& state) { runBusyRedraws(state, 2); }
BENCHMARK(BM_RenderBusyRedrawAtRatio2)->Unit(benchmark::kMillisecond)->Repetitions(9)
    ->ReportAggregatesOnly(true)->MinTime(0.5);


// The redraw as the main window makes it: through the recorder that keeps
// the picture's calls for the exports, onto the same canvas.
void BM_RenderBusyRedrawKept(benchmark::State& state) {
    ensureApplication();
    QImageCanvas canvas;
    PictureRecorder recorder(canvas);
    BusyRun run;
    const double cpuStart = processCpuMs();
    for (auto _ : state) {
        run.draw(recorder);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
    state.counters["process_cpu_ms"] = (processCpuMs() - cpuStart) / double(state.iterations());
    state.counters["kept_calls"] = double(recorder.calls().size());
}
BENCHMARK(BM_RenderBusyRedrawKept)->Unit(benchmark::kMillisecond)->Repetitions(9)
    ->ReportAggregatesOnly(true)->MinTime(0.5);

// --- exports of the busy picture ------------------------------------------

struct KeptBusyPicture {
    QImageCanvas canvas;
    PictureRecorder recorder{canvas};
    KeptBusyPicture() {
        BusyRun run;
        run.draw(recorder);
    }
    PictureSource source() { return {recorder.calls(), canvas.picture()}; }
};

template <class Render>
void runBusyExports(benchmark::State& state, Render render) {
    ensureApplication();
    KeptBusyPicture picture;
    const PictureSource source = picture.source();
    std::size_t bytes = 0;
    for (auto _ : state) bytes = render(source).size();
    state.counters["kB"] = double(bytes) / 1024;
}

void BM_ExportBusySvg(benchmark::State& state) {
    runBusyExports(state, [](const PictureSource& s) { return renderSvg(s, s.screen.rect()); });
}
BENCHMARK(BM_ExportBusySvg)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ExportBusyPdf(benchmark::State& state) {
    runBusyExports(state, [](const PictureSource& s) { return renderPdf(s, s.screen.rect(), kDefaultWidthCm); });
}
BENCHMARK(BM_ExportBusyPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ExportBusyTikz(benchmark::State& state) {
    runBusyExports(state, [](const PictureSource& s) { return renderTikz(s, s.screen.rect(), kDefaultWidthCm, false); });
}
BENCHMARK(BM_ExportBusyTikz)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// PNG at scale 4: drawing the 2884 x 2884 image, and encoding it apart.
void BM_ExportBusyPng4Draw(benchmark::State& state) {
    ensureApplication();
    KeptBusyPicture picture;
    const PictureSource source = picture.source();
    const double cpuStart = processCpuMs();
    for (auto _ : state) benchmark::DoNotOptimize(renderPictureImage(source, source.screen.rect(), 4).constBits());
    state.counters["process_cpu_ms"] = (processCpuMs() - cpuStart) / double(state.iterations());
}
BENCHMARK(BM_ExportBusyPng4Draw)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ExportBusyPng4Encode(benchmark::State& state) {
    ensureApplication();
    KeptBusyPicture picture;
    const PictureSource source = picture.source();
    const QImage image = renderPictureImage(source, source.screen.rect(), 4);
    std::size_t bytes = 0;
    for (auto _ : state) bytes = encodePng(image, 4).size();
    state.counters["kB"] = double(bytes) / 1024;
}
BENCHMARK(BM_ExportBusyPng4Encode)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

// A worksheet of the busy scene with the output of every calculation and
// its working (31 blocks): the sheet made from the scene and written with
// the figure 12 cm wide. Goal: within 300 ms.
//   ./bench/spatium_bench --benchmark_filter=Sheet
template <class Render>
void runBusySheets(benchmark::State& state, Render render) {
    ensureApplication();
    KeptBusyPicture picture;
    const PictureSource source = picture.source();
    Scene scene;
    ViewControls controls;
    makeBusyScene(scene, controls);
    const SceneState input = busySheetState(scene);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const Worksheet sheet = makeWorksheet(input, scene, SheetKind::Solution, "Busy");
        bytes = render(sheet, source).size();
    }
    state.counters["kB"] = double(bytes) / 1024;
}

void BM_SheetBusyPdf(benchmark::State& state) {
    runBusySheets(state, [](const Worksheet& w, const PictureSource& s) { return renderWorksheetPdf(w, &s, kDefaultWidthCm); });
}
BENCHMARK(BM_SheetBusyPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SheetBusyTex(benchmark::State& state) {
    runBusySheets(state, [](const Worksheet& w, const PictureSource& s) { return renderWorksheetTex(w, &s, kDefaultWidthCm); });
}
BENCHMARK(BM_SheetBusyTex)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same redraw onto the recording canvas: the cost of the drawing logic
// and projection alone, without any painting.
void BM_RenderBusyRedrawLogicOnly(benchmark::State& state) {
    RecordingCanvas canvas;
    BusyRun run;
    for (auto _ : state) {
        canvas.clearCalls();
        run.draw(canvas);
        benchmark::DoNotOptimize(canvas.calls().data());
    }
    state.counters["calls"] = double(canvas.calls().size());
}
BENCHMARK(BM_RenderBusyRedrawLogicOnly)->Unit(benchmark::kMillisecond);

// --- the floor: recorded calls replayed with QPainter ----------------------

Qt::PenStyle qtPen(PenStyle s) {
    switch (s) {
    case PenStyles::Dash: return Qt::DashLine;
    case PenStyles::Dot: return Qt::DotLine;
    case PenStyles::DashDot: return Qt::DashDotLine;
    case PenStyles::DashDotDot: return Qt::DashDotDotLine;
    case PenStyles::Clear: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}
Qt::BrushStyle qtBrush(BrushStyle s) {
    switch (s) {
    case BrushStyles::Clear: return Qt::NoBrush;
    case BrushStyles::Horizontal: return Qt::HorPattern;
    case BrushStyles::Vertical: return Qt::VerPattern;
    case BrushStyles::FDiagonal: return Qt::FDiagPattern;
    case BrushStyles::BDiagonal: return Qt::BDiagPattern;
    case BrushStyles::Cross: return Qt::CrossPattern;
    case BrushStyles::DiagCross: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
    }
}
QColor toQt(Colour c) { return QColor(int(colourRed(c)), int(colourGreen(c)), int(colourBlue(c))); }

// One painting step with its pen, brush and font already built.
struct ReplayOp {
    enum Kind { Line, Polygon, Ellipse, Text, Pixel } kind;
    QPen pen;
    QBrush brush;
    bool opaque = false;
    int font = -1;  // index into ReplayScript::fonts
    QColor textColour;
    QVector<QPoint> points;
    QString text;
    int ascent = 0;
    QRgb rgb = 0;
};

struct ReplayScript {
    std::vector<ReplayOp> ops;
    std::vector<QFont> fonts;  // one per distinct font attribute set
};

ReplayScript prepareReplay(const std::vector<CanvasCall>& calls) {
    ReplayScript script;
    std::vector<FontAttributes> fontKeys;
    std::vector<ReplayOp>& ops = script.ops;
    for (const CanvasCall& c : calls) {
        ReplayOp op{};
        const CanvasAttributes& a = c.attributes;
        const int w = std::max(a.pen.width, 1);
        op.pen = QPen(toQt(a.pen.colour), w == 1 ? 0 : w, w > 1 ? Qt::SolidLine : qtPen(a.pen.style),
                      w == 1 ? Qt::SquareCap : Qt::RoundCap, Qt::MiterJoin);
        op.brush = QBrush(toQt(a.brush.colour), qtBrush(a.brush.style));
        op.opaque = a.brush.style == BrushStyles::Solid;
        for (const PixelPoint& p : c.points) op.points.append(QPoint(p.x, p.y));
        if (c.op == CanvasOp::LineTo) op.kind = ReplayOp::Line;
        else if (c.op == CanvasOp::Polygon) op.kind = ReplayOp::Polygon;
        else if (c.op == CanvasOp::Ellipse) op.kind = ReplayOp::Ellipse;
        else if (c.op == CanvasOp::SetPixel) {
            op.kind = ReplayOp::Pixel;
            op.rgb = toQt(c.colour).rgb();
        } else if (c.op == CanvasOp::TextOut) {
            op.kind = ReplayOp::Text;
            FontAttributes key = a.font;
            key.colour = 0;
            const auto found = std::find(fontKeys.begin(), fontKeys.end(), key);
            op.font = int(found - fontKeys.begin());
            if (found == fontKeys.end()) {
                QFont font(QString::fromStdString(a.font.name));
                font.setPointSize(a.font.size);
                font.setBold(a.font.style & FontStyles::Bold);
                font.setStyleStrategy(QFont::NoAntialias);
                fontKeys.push_back(key);
                script.fonts.push_back(font);
            }
            op.textColour = toQt(a.font.colour);
            op.text = QString::fromStdString(c.text);
            QImage probe(1, 1, QImage::Format_RGB32);
            op.ascent = QFontMetrics(script.fonts[op.font], &probe).ascent();
        } else {
            continue;  // Reset and MoveTo paint nothing
        }
        ops.push_back(std::move(op));
    }
    return script;
}

// Pen, brush and font are handed to the painter only when they change, as
// the canvas does.
void replay(QImage& image, const ReplayScript& script) {
    image.fill(Qt::white);
    // Raw pixel access for the end-pixel rule, taken before painting starts.
    QRgb* const bits = reinterpret_cast<QRgb*>(image.bits());
    const int stride = image.bytesPerLine() / 4;
    const QRect bounds = image.rect();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    int fontIndex = -1;
    const ReplayOp* penOf = nullptr;
    const ReplayOp* brushOf = nullptr;
    auto usePen = [&](const ReplayOp& op) {
        if (!penOf || penOf->pen != op.pen) p.setPen(op.pen);
        penOf = &op;
    };
    // As on the canvas: with a solid brush, text boxes and the gaps of
    // styled lines take the brush colour; otherwise they stay transparent.
    auto useBrush = [&](const ReplayOp& op) {
        if (!brushOf || brushOf->brush != op.brush) {
            p.setBrush(op.brush);
            p.setBackgroundMode(op.opaque ? Qt::OpaqueMode : Qt::TransparentMode);
            if (op.opaque) p.setBackground(op.brush);
        }
        brushOf = &op;
    };
    for (const ReplayOp& op : script.ops) {
        switch (op.kind) {
        case ReplayOp::Line: {
            usePen(op);
            useBrush(op);
            const QPoint end = op.points[1];
            const bool inside = bounds.contains(end) && op.pen.width() <= 1;
            QRgb saved = 0;
            if (inside) saved = bits[end.y() * stride + end.x()];
            p.drawLine(op.points[0], end);
            if (inside) bits[end.y() * stride + end.x()] = saved;
            break;
        }
        case ReplayOp::Polygon:
            usePen(op);
            useBrush(op);
            p.drawPolygon(op.points.constData(), int(op.points.size()), Qt::OddEvenFill);
            break;
        case ReplayOp::Ellipse: {
            usePen(op);
            useBrush(op);
            const QPoint a = op.points[0], b = op.points[1];
            p.drawEllipse(a.x(), a.y(), b.x() - a.x() - 1, b.y() - a.y() - 1);
            break;
        }
        case ReplayOp::Text:
            if (op.font != fontIndex) p.setFont(script.fonts[op.font]);
            fontIndex = op.font;
            p.setPen(op.textColour);
            penOf = nullptr;
            useBrush(op);
            p.drawText(QPoint(op.points[0].x(), op.points[0].y() + op.ascent), op.text);
            break;
        case ReplayOp::Pixel:
            if (bounds.contains(op.points[0]))
                bits[op.points[0].y() * stride + op.points[0].x()] = op.rgb;
            break;
        }
    }
}

void BM_RenderBusyReplayFloor(benchmark::State& state) {
    ensureApplication();
    RecordingCanvas recorder;
    BusyRun run;
    run.draw(recorder);
    const ReplayScript script = prepareReplay(recorder.calls());
    QImage image(721, 721, QImage::Format_RGB32);
    const double cpuStart = processCpuMs();
    for (auto _ : state) {
        replay(image, script);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["process_cpu_ms"] = (processCpuMs() - cpuStart) / double(state.iterations());
    state.counters["ops"] = double(script.ops.size());
    // How far the floor's picture is from the canvas's (a sanity check that
    // both paint the same scene).
    QImageCanvas canvas;
    run.draw(canvas);
    const QImage& drawn = canvas.image();
    int differing = 0;
    for (int y = 0; y < 721; ++y)
        for (int x = 0; x < 721; ++x) differing += drawn.pixel(x, y) != image.pixel(x, y);
    state.counters["pixels_differing"] = differing;
}
BENCHMARK(BM_RenderBusyReplayFloor)->Unit(benchmark::kMillisecond)->Repetitions(9)
    ->ReportAggregatesOnly(true)->MinTime(0.5);

// Memory over 10 000 full redraws: resident size after a warm-up and at the
// end. rss_growth_kb should stay near zero.
void BM_RenderBusyRedrawMemory(benchmark::State& state) {
    ensureApplication();
    QImageCanvas canvas;
    BusyRun run;
    for (int i = 0; i < 200; ++i) run.draw(canvas);
    canvas.image();
    const long before = residentKilobytes();
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) run.draw(canvas);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
    state.counters["rss_before_kb"] = double(before);
    state.counters["rss_growth_kb"] = double(residentKilobytes() - before);
}
BENCHMARK(BM_RenderBusyRedrawMemory)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
