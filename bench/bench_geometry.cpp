// Geometry kernel benchmarks. The whole-number support point search is
// measured in both forms on the same lines, so that one run shows the ratio:
//   ./bench/spatium_bench --benchmark_filter=SupportPoint
#include <benchmark/benchmark.h>

#include "core/geometry/LinesPlanes.h"
#include "core/geometry/SupportPointSearch.h"
#include "core/geometry/VectorOps.h"

namespace {

struct Line {
    Vector3 P, u;
};

// Lines without a whole-number point (the search runs to its end) and one
// whose support point sits a hair off whole numbers, where the candidates
// have to be evaluated.
Line lineByIndex(int index) {
    switch (index) {
    case 0: return {makeVector(0, 0, 0.5L), makeVector(0, 0, 2)};
    case 1: return {makeVector(2.5L, 1.0L / 3, 0.2L), makeVector(4, -7, 5)};
    case 2: return {makeVector(-1.0L / 3, 0.25L, 0), makeVector(1.0L / 3, 0.5L, 2000000000)};
    // A trace line whose direction keeps large denominators.
    case 3: return {makeVector(0.52421652212421677677L, 0, 0),
                    makeVector(-0.52421652212421677677L, 0, 1.1151515131093357522L)};
    default: return {makeVector(3 + 2E-14L, 5, 7), makeVector(1, 2, 3)};
    }
}

void BM_SupportPointLiteral(benchmark::State& state) {
    const Line line = lineByIndex(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Vector3 P = line.P, u = line.u;
        literalIntegerSupportPoint(P, u, kSearchLimit);
        benchmark::DoNotOptimize(P);
    }
}

void BM_SupportPointFast(benchmark::State& state) {
    const Line line = lineByIndex(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Vector3 P = line.P, u = line.u;
        fastIntegerSupportPoint(P, u, kSearchLimit);
        benchmark::DoNotOptimize(P);
    }
}

void BM_LineLineIncidence(benchmark::State& state) {
    const Vector3 p = makeVector(0, 0, 0), u = makeVector(1, 2, 3), q = makeVector(4, 1, -2), v = makeVector(-1, 0, 2);
    for (auto _ : state) {
        IncidenceResult r;
        Vector3 S, F1, F2, Fq;
        lineLineIncidence(p, u, q, v, r, S, F1, F2, Fq);
        benchmark::DoNotOptimize(r);
    }
}

}  // namespace

BENCHMARK(BM_SupportPointLiteral)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SupportPointFast)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LineLineIncidence);
