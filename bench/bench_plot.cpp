// Redraw costs of the coordinate system on the QImage canvas.
#include <benchmark/benchmark.h>

#include "BenchApp.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>

#include "core/canvas/CoordinateSystem.h"
#include "core/canvas/Projection.h"
#include "gui/canvas/QImageCanvas.h"

namespace {

void BM_PlotStartUpPicture(benchmark::State& state) {
    ensureApplication();
    QImageCanvas canvas;
    ViewState view;
    for (auto _ : state) {
        drawCoordinateSystem(canvas, view);
        drawCoordinatePlanes(canvas, view);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_PlotStartUpPicture)->Unit(benchmark::kMillisecond);

void BM_PlotBusyScene(benchmark::State& state) {
    ensureApplication();
    QImageCanvas canvas;
    ViewState view;
    view.controls.raster = true;
    view.controls.axesOnlyPositive = false;
    view.controls.cube = true;
    view.controls.xPlane = view.controls.yPlane = view.controls.zPlane = true;
    for (auto _ : state) {
        drawCoordinateSystem(canvas, view);
        drawViewDecorations(canvas, view, 6.5L, 6, 5);
        for (int i = 0; i < 100; ++i) {
            Vector3 a, b;
            a.x = i * 0.1L;
            b.y = 9 - i * 0.05L;
            b.z = i * 0.07L;
            drawSegment3D(canvas, view, a, b, Colours::Red, i % 2 == 0);
            if (i % 10 == 0)
                fillTriangle3D(canvas, view, a, b, Vector3{}, Colours::Green, BrushStyles::DiagCross);
            drawLabel3D(canvas, view, b, Colours::Blue, 10, "P");
        }
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_PlotBusyScene)->Unit(benchmark::kMillisecond);

// What Image1's paint event does after each redraw on a screen with a
// device pixel ratio of 2: the 1442 x 1442 device pixels into a backing
// store of the same ratio.
void BM_PlotImageShownAtRatio2(benchmark::State& state) {
    ensureApplication();
    QImageCanvas canvas(721, 721, 2);
    ViewState view;
    drawCoordinateSystem(canvas, view);
    QImage backingStore(1442, 1442, QImage::Format_RGB32);
    backingStore.setDevicePixelRatio(2);
    for (auto _ : state) {
        QPainter p(&backingStore);
        p.drawImage(QRect(0, 0, 721, 721), canvas.image(), QRect(0, 0, 1442, 1442));
        p.end();
        benchmark::DoNotOptimize(backingStore.constBits());
    }
}
BENCHMARK(BM_PlotImageShownAtRatio2)->Unit(benchmark::kMillisecond);

void BM_PlotPointToPixel(benchmark::State& state) {
    ViewState view;
    view.rotationX = 30;
    view.rotationZ = 45;
    Vector3 p;
    p.x = 1.5L;
    p.y = -2;
    p.z = 3;
    for (auto _ : state) benchmark::DoNotOptimize(pointToPixel(p, view));
}
BENCHMARK(BM_PlotPointToPixel);

}  // namespace
