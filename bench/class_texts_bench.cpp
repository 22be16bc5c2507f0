// `kwerlo-cli texts` of a full class (99 pupils x 99 busy assessments) and the composer's steps
// on a text of 32k characters, each next to a reference measured in the same run: the literal
// one-character-at-a-time respacing and rendering, and one assessment's texts.
//
//   kwerlo_texts_bench [benchmark options]     the figures
//   kwerlo_texts_bench --write-class FILE      only write the class, for timing kwerlo-cli on it

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <cstring>
#include <map>
#include <ostream>
#include <streambuf>

#include <wx/filename.h>
#include <wx/init.h>

#include "app/app_state.h"
#include "app/class_walk.h"
#include "app/core.h"
#include "app/entity_walks.h"
#include "bench/busy_class.h"
#include "cli/class_texts.h"
#include "controls/composer.h"
#include "controls/token.h"
#include "klasa/klasa.h"
#include "oc/print_texts.h"
#include "support/literal_composition.h"

namespace {

constexpr int kPupils = 99, kAssessments = 99, kDensity = 90;
constexpr unsigned kSeed = 2024;
constexpr size_t kLongText = 32768;

// Counts what is written and keeps nothing.
class CountingBuffer : public std::streambuf {
public:
    size_t bytes = 0;

protected:
    std::streamsize xsputn(const char*, std::streamsize n) override {
        bytes += static_cast<size_t>(n);
        return n;
    }
    int overflow(int c) override {
        ++bytes;
        return c;
    }
};

struct Fixture {
    kw::Core core;
    wxString raw, plain;  // 32k characters of raw assessment texts, and their rendering
    size_t jsonBytes = 0;

    Fixture() {
        const wxString path = wxFileName::GetTempDir() +
                              wxString::Format("/kwerlo-bench-%dx%d-%u-%d.kwer", kPupils,
                                               kAssessments, kSeed, kDensity);
        if (!wxFileExists(path) || !core.ReadClass(path)) {
            kwbench::FillBusyClass(core, kPupils, kAssessments, kSeed, kDensity);
            core.SaveClass(path);
            core.ReadClass(path);
        }
        // The texts of the first assessments, raw and rendered, up to 32k characters.
        kw::WalkClass(core, kw::WalkPlan{}, [this](const kw::WalkItem&) {
            kw::EditorModel& e = core.Editor();
            e.Behaviour().BehaviourPrintText();
            e.Education().EducationPrintText();
            raw += e.Behaviour().SourceText() + e.Education().SourceText();
            return raw.length() < kLongText;
        });
        raw.Truncate(kLongText);
        plain = kw::TheToken().Plain(raw);
    }
};

Fixture& F() {
    static Fixture f;
    return f;
}

// Processor seconds of this process: the machine may be shared, and waiting for a processor is
// not the program's time.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::map<std::string, double> g_seconds;  // mean processor seconds per iteration

template <class Fn>
void Timed(benchmark::State& state, const char* name, Fn fn) {
    const double start = CpuSeconds();
    for (auto _ : state) fn();
    g_seconds[name] = (CpuSeconds() - start) / static_cast<double>(state.iterations());
}

void BM_ClassTexts(benchmark::State& state) {
    Timed(state, "class", [] {
        CountingBuffer sink;
        std::ostream out(&sink);
        kw::WriteClassTexts(F().core, out);
        F().jsonBytes = sink.bytes;
    });
}

// One assessment's texts, composed anew (another assessment was loaded in between).
void BM_OneAssessment(benchmark::State& state) {
    kw::Klasa& klasa = *kw::OpenClass();
    kw::Uczen* pupil = klasa.CurrentPupil();
    int next = 0;
    Timed(state, "one", [&] {
        kw::SelectAssessment(pupil->Assessment(next));
        next = (next + 1) % pupil->AssessmentCount();
        benchmark::DoNotOptimize(kw::CurrentPrintTexts(F().core.Editor()));
    });
}

void BM_Respace(benchmark::State& state) {
    Timed(state, "respace", [] {
        wxString t = F().plain;
        kw::Respace(t);
        benchmark::DoNotOptimize(t);
    });
}

void BM_LiteralRespace(benchmark::State& state) {
    Timed(state, "literal respace", [] {
        wxString t = F().plain;
        kwref::LiteralRespace(t);
        benchmark::DoNotOptimize(t);
    });
}

void BM_Render(benchmark::State& state) {
    Timed(state, "render", [] { benchmark::DoNotOptimize(kw::TheToken().Plain(F().raw)); });
}

void BM_LiteralRender(benchmark::State& state) {
    Timed(state, "literal render",
          [] { benchmark::DoNotOptimize(kwref::LiteralRender(F().raw, false)); });
}

BENCHMARK(BM_ClassTexts)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_OneAssessment)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Respace)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LiteralRespace)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Render)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LiteralRender)->Unit(benchmark::kMicrosecond);

void Ratio(const char* what, const char* fast, const char* literal) {
    if (g_seconds.count(fast) && g_seconds.count(literal))
        std::printf("%s of %zu characters: %.1f us, literal %.1f us (processor time): %.1f x "
                    "faster\n",
                    what,
                    kLongText, g_seconds[fast] * 1e6, g_seconds[literal] * 1e6,
                    g_seconds[literal] / g_seconds[fast]);
}

}  // namespace

int main(int argc, char** argv) {
    wxInitializer init;
    if (argc == 3 && std::strcmp(argv[1], "--write-class") == 0) {
        kw::Core core;
        kwbench::FillBusyClass(core, kPupils, kAssessments, kSeed, kDensity);
        return core.SaveClass(wxString::FromUTF8(argv[2])) ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    F();
    benchmark::RunSpecifiedBenchmarks();
    std::printf("\n");
    if (g_seconds.count("class")) {
        const double assessments = kPupils * kAssessments;
        std::printf("texts of a %d x %d class: %.2f s of processor time, %.0f us per assessment "
                    "(%zu bytes of JSON)",
                    kPupils, kAssessments, g_seconds["class"],
                    g_seconds["class"] * 1e6 / assessments, F().jsonBytes);
        if (g_seconds.count("one"))
            std::printf(" = %.2f x one assessment's texts alone (%.0f us)",
                        g_seconds["class"] / assessments / g_seconds["one"],
                        g_seconds["one"] * 1e6);
        std::printf("\n");
    }
    Ratio("Respace", "respace", "literal respace");
    Ratio("Token::Plain", "render", "literal render");
    return 0;
}
