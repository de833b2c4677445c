// Throughput of the formula evaluator on line-family formulas, and of the
// number tools the result texts use.
#include <benchmark/benchmark.h>

#include <string>

#include "core/numbers/Evaluator.h"
#include "core/numbers/NumberReader.h"
#include "core/numbers/NumberTools.h"

namespace {

const char* const kFamilyFormulas[] = {
    "1,5t", "sin(30°)+2^(1/3)*t", "(-8)^(1/3)", "w(2)*t²", "-6t", "3t+2", "exp(t/2)-ln(2)", "2pi*cos(t)",
};

void BM_EvaluateFamilyFormula(benchmark::State& state) {
    const char* formula = kFamilyFormulas[state.range(0)];
    Real t = 0.5L;
    for (auto _ : state) {
        const EvaluationResult r = evaluateExpression(formula, 0, t);
        benchmark::DoNotOptimize(r.value);
        t += 0.001L;
    }
    state.SetLabel(formula);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateFamilyFormula)->DenseRange(0, 7);

// One drawing of the family: every formula for a run of t values.
void BM_EvaluateFamilyMix(benchmark::State& state) {
    std::int64_t evaluations = 0;
    for (auto _ : state) {
        for (Real t = -5; t <= 5; t += 1)
            for (const char* formula : kFamilyFormulas) {
                benchmark::DoNotOptimize(evaluateExpression(formula, 0, t).value);
                ++evaluations;
            }
    }
    state.SetItemsProcessed(evaluations);
}
BENCHMARK(BM_EvaluateFamilyMix);

void BM_EvaluateLongText(benchmark::State& state) {
    std::string text = "1";
    while (text.size() < 100000) text += "+sin(2,5t)*3";
    for (auto _ : state) benchmark::DoNotOptimize(evaluateExpression(text, 0, 1).value);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_EvaluateLongText)->Unit(benchmark::kMillisecond);

void BM_ParseNumberOrFraction(benchmark::State& state) {
    const char* texts[] = {"2,5", "-1/3", "1,5E-3", "12"};
    for (auto _ : state)
        for (const char* text : texts) benchmark::DoNotOptimize(parseNumberOrFraction(text).value);
    state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_ParseNumberOrFraction);

void BM_RoundedText(benchmark::State& state) {
    Real x = 4.08248290463863L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(roundedText(3, x));
        x += 0.37L;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RoundedText);

void BM_ToFraction(benchmark::State& state) {
    Real x = 1.0L / 7;
    for (auto _ : state) {
        benchmark::DoNotOptimize(toFraction(x));
        x += 1.0L / 3;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ToFraction);

}  // namespace
