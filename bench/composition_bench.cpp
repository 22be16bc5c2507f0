// One recomposition and scoring of a fully ticked behaviour page, and of a whole assessment
// (behaviour and all ten education areas), against a single rendering of the finished raw
// behaviour text (the cheapest step of it) measured in the same run.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <map>

#include <wx/init.h>

#include "app/core.h"
#include "bench/full_assessment.h"
#include "controls/token.h"

namespace {

std::map<std::string, double> g_seconds;

struct Fixture {
    kw::Core core;
    wxString raw;
    Fixture() {
        kwbench::TickEverything(core, 1);
        raw = core.Editor().Behaviour().Catalogue().Text();
    }
};

Fixture& F() {
    static Fixture f;
    return f;
}

template <class Fn>
void Timed(benchmark::State& state, const char* name, Fn fn) {
    const auto t0 = std::chrono::steady_clock::now();
    for (auto _ : state) fn();
    g_seconds[name] = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() /
                      static_cast<double>(state.iterations());
}

void BM_ComposeAndScore(benchmark::State& state) {
    Timed(state, "compose", [] {
        kw::BehaviourPage& b = F().core.Editor().Behaviour();
        benchmark::DoNotOptimize(b.BehaviourPrintText());
        benchmark::DoNotOptimize(b.BehaviourPoints());
    });
}

void BM_WholeAssessment(benchmark::State& state) {
    Timed(state, "whole", [] {
        kw::BehaviourPage& b = F().core.Editor().Behaviour();
        kw::EducationPage& e = F().core.Editor().Education();
        benchmark::DoNotOptimize(b.BehaviourPrintText());
        benchmark::DoNotOptimize(b.BehaviourPoints());
        benchmark::DoNotOptimize(e.EducationPrintText());
        for (int i = 0; i < kw::kChartAreas; ++i) benchmark::DoNotOptimize(e.AreaPoints(i));
    });
}

void BM_RenderOnce(benchmark::State& state) {
    Timed(state, "render", [] { benchmark::DoNotOptimize(kw::TheToken().Plain(F().raw)); });
}

BENCHMARK(BM_ComposeAndScore)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeAssessment)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenderOnce)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    wxInitializer init;
    benchmark::Initialize(&argc, argv);
    F();
    benchmark::RunSpecifiedBenchmarks();
    if (g_seconds.count("compose") && g_seconds.count("render"))
        std::printf("\ncompose+score of a fully ticked behaviour page: %.1f us = %.1f x one "
                    "rendering of its raw text (%zu characters)\n",
                    g_seconds["compose"] * 1e6, g_seconds["compose"] / g_seconds["render"],
                    F().raw.length());
    if (g_seconds.count("whole") && g_seconds.count("render"))
        std::printf("compose+score of a whole fully ticked assessment: %.1f us = %.1f x the same "
                    "rendering (education text %zu characters)\n",
                    g_seconds["whole"] * 1e6, g_seconds["whole"] / g_seconds["render"],
                    F().core.Editor().Education().EducationPrintText().length());
    return 0;
}
