// The certificate check that every click in the editor runs, on the fullest certificate
// assessment: every phrase ticked, the four free texts at their limit. Its measuring half (the
// texts fitted into the back's six boxes) with the fast line breaking, with its remembered word
// widths forgotten before each run, and with the remeasuring breaking, in the same run; and the
// whole check with its composing half. Medians.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <vector>

#include <wx/init.h>

#include "app/core.h"
#include "bench/full_assessment.h"
#include "oc/print_texts.h"
#include "print/checks.h"
#include "print/pango_metrics.h"

namespace {

std::map<std::string, std::vector<double>> g_samples;  // seconds of each run

struct Fixture {
    kw::Core core;
    std::unique_ptr<kw::PangoTextMetrics> metrics;
    Fixture() {
        metrics = kw::PangoTextMetrics::Create(nullptr);
        if (!metrics) {
            std::fprintf(stderr, "no fonts for the printed pages\n");
            std::exit(1);
        }
        kw::InstallTextMetrics(metrics.get());
        kwbench::TickEverything(core, 0);
        core.Print().FontSize().Select(1);
        // Every text the teacher types, up to its limit of 10000 characters.
        wxString typed;
        while (typed.length() + 40 <= 10000) typed += wxString::FromUTF8("Uczestniczy w zajęciach koła. ");
        kw::EditorModel& e = core.Editor();
        for (kw::FreeTextPage* page : {&e.Achievements(), &e.Additional(), &e.Other(), &e.Individual()})
            page->Field().SetText(typed);
        texts = kw::CurrentPrintTexts(e);
    }
    kw::PrintTexts texts;
};

Fixture& F() {
    static Fixture f;
    return f;
}

template <class Fn>
void Sampled(benchmark::State& state, const char* name, Fn fn) {
    std::vector<double>& samples = g_samples[name];
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        fn();
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        samples.push_back(s);
        state.SetIterationTime(s);
    }
}

void Boxes(kw::BreakMethod method, bool forget) {
    kw::PrePrintChecks& checks = F().core.Checks();
    checks.SetBreakMethod(method);
    if (forget) checks.ForgetWordWidths();
    benchmark::DoNotOptimize(checks.FitCertificate(F().texts, 10));
}

void BM_CheckBoxes(benchmark::State& state) {
    Boxes(kw::BreakMethod::Fast, true);  // the first click measures the words
    Sampled(state, "fast", [] { Boxes(kw::BreakMethod::Fast, false); });
}

void BM_CheckBoxesForgettingWords(benchmark::State& state) {
    Sampled(state, "cold", [] { Boxes(kw::BreakMethod::Fast, true); });
}

void BM_CheckBoxesRemeasuring(benchmark::State& state) {
    Sampled(state, "remeasure", [] { Boxes(kw::BreakMethod::Remeasure, false); });
}

void BM_WholeCertificateCheck(benchmark::State& state) {
    F().core.Checks().SetBreakMethod(kw::BreakMethod::Fast);
    Sampled(state, "whole", [] {
        benchmark::DoNotOptimize(F().core.Checks().AssessmentMessages(0, kw::CheckFlags{}));
    });
}

// What the check spends on composing the texts, not on fitting them.
void BM_ComposeTexts(benchmark::State& state) {
    Sampled(state, "compose",
            [] { benchmark::DoNotOptimize(kw::CurrentPrintTexts(F().core.Editor())); });
}

BENCHMARK(BM_CheckBoxes)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2);
BENCHMARK(BM_CheckBoxesForgettingWords)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2);
BENCHMARK(BM_CheckBoxesRemeasuring)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_WholeCertificateCheck)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(1);
BENCHMARK(BM_ComposeTexts)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(1);

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    wxInitializer init;
    benchmark::Initialize(&argc, argv);
    F();
    benchmark::RunSpecifiedBenchmarks();
    const double fast = Median(g_samples["fast"]), cold = Median(g_samples["cold"]);
    const double slow = Median(g_samples["remeasure"]), whole = Median(g_samples["whole"]);
    const double compose = Median(g_samples["compose"]);
    const kw::PrintTexts& t = F().texts;
    std::printf("\nThe certificate check of the fullest assessment (behaviour %zu, education %zu "
                "characters):\n",
                t.behaviour.length(), t.education.length());
    if (fast > 0) std::printf("  six boxes, fast line breaking:          median %8.2f ms\n", fast * 1e3);
    if (cold > 0) std::printf("  six boxes, fast, word widths forgotten: median %8.2f ms\n", cold * 1e3);
    if (slow > 0) std::printf("  six boxes, remeasuring line breaking:   median %8.2f ms\n", slow * 1e3);
    if (fast > 0 && slow > 0)
        std::printf("  remeasuring / fast = %.0f x; remeasuring / fast forgetting = %.0f x\n",
                    slow / fast, cold > 0 ? slow / cold : 0.0);
    if (whole > 0) std::printf("  whole check with composing:             median %8.2f ms\n", whole * 1e3);
    if (compose > 0) std::printf("  composing the texts alone:              median %8.2f ms\n", compose * 1e3);
    return 0;
}
