// Printing the whole class into one PDF against printing one page, in the same run: a class of
// 30 pupils, each with a certificate assessment, a periodic one and a letter, phrases ticked at
// random; kind 0, documents 1 to 3 (90 pages). Pages per second of each. Then kwerlo-cli pdf
// --all on that class as a separate process, for its wall time and peak memory; and the chart of
// a pupil with 13 periodic assessments (reading their scores and drawing it). Medians.

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <cairo.h>
#include <wx/filename.h>
#include <wx/init.h>

#include "app/app_state.h"
#include "app/core.h"
#include "app/entity_walks.h"
#include "bench/busy_class.h"
#include "bench/samples.h"
#include "klasa/klasa.h"
#include "print/chart_data.h"
#include "print/class_printing.h"
#include "print/documents.h"
#include "print/pango_metrics.h"
#include "print/progress_chart.h"

namespace {

constexpr int kPupils = 30, kAssessments = 3, kDensity = 30;
constexpr unsigned kSeed = 2025;

int g_pages = 0;

struct Fixture {
    kw::Core core;
    std::unique_ptr<kw::PangoTextMetrics> metrics;
    wxString folder;
    Fixture() {
        metrics = kw::PangoTextMetrics::Create(nullptr);
        if (!metrics) {
            std::fprintf(stderr, "no fonts for the printed pages\n");
            std::exit(1);
        }
        kw::InstallTextMetrics(metrics.get());
        folder = wxFileName::CreateTempFileName("kwerlo-bench");
        wxRemoveFile(folder);
        wxMkdir(folder);
    }
    ~Fixture() {
        for (const char* f : {"class.pdf", "page.pdf", "cli.pdf", "class.kwer"})
            wxRemoveFile(folder + "/" + f);
        wxRmdir(folder);
    }
    wxString File(const char* name) const { return folder + "/" + name; }
};

Fixture& F() {
    static Fixture f;
    return f;
}

// A class as the benchmarks use it: the certificate's font size set, as a teacher has it.
void Fill(int pupils, int assessments) {
    kwbench::FillBusyClass(F().core, pupils, assessments, kSeed, kDensity);
    F().core.Print().FontSize().Select(1);
}
void FillClass() { Fill(kPupils, kAssessments); }

// One pupil with 39 assessments, every third one periodic; the newest periodic one is current.
bool FillChartPupil() {
    Fill(1, 39);
    kw::SelectAssessment(kw::OpenClass()->CurrentPupil()->Assessment(37));
    return kw::PeriodicRows(F().core, kw::kChartColumns).size() == kw::kChartColumns;
}

void BM_WholeClass(benchmark::State& state) {
    FillClass();
    kwbench::Sampled(state, "class", [] {
        kw::PdfPages pdf(F().File("class.pdf"), *F().metrics, kw::PageMode{true, true});
        kw::TextFitter fitter(*F().metrics);
        kw::ClassPrintPlan plan;
        const kw::ClassPrintResult r = kw::PrintClass(
            F().core, fitter, plan, [&](const kw::PageDrawing& page) { return pdf.Add(page); });
        g_pages = r.pages;
        if (!pdf.Commit(nullptr)) std::fprintf(stderr, "the PDF was not written\n");
    });
}

// The densest page of the current pupil (the certificate's back) as a PDF of its own.
void BM_OnePage(benchmark::State& state) {
    FillClass();
    kwbench::Sampled(state, "page", [] {
        kw::PdfPages pdf(F().File("page.pdf"), *F().metrics, kw::PageMode{true, true});
        kw::TextFitter fitter(*F().metrics);
        const kw::DocumentSources s = kw::CurrentSources(F().core, {2}, kw::CalibrationTable{});
        pdf.Add([&](kw::PagePainter& p) { kw::DrawDocument(p, fitter, 2, s); });
        if (!pdf.Commit(nullptr)) std::fprintf(stderr, "the PDF was not written\n");
    });
}

void BM_Chart(benchmark::State& state) {
    if (!FillChartPupil()) state.SkipWithError("not 13 periodic assessments");
    kwbench::Sampled(state, "chart", [] {
        cairo_surface_t* s = cairo_recording_surface_create(CAIRO_CONTENT_COLOR, nullptr);
        cairo_t* cr = cairo_create(s);
        {
            kw::PagePainter p(cr, *F().metrics, kw::PageMode{true, true});
            kw::DrawProgressChart(p, 15000, 200000, kw::CollectChart(F().core));
        }
        cairo_destroy(cr);
        cairo_surface_destroy(s);
    });
}

// What of it is reading the scores.
void BM_ChartScores(benchmark::State& state) {
    if (!FillChartPupil()) state.SkipWithError("not 13 periodic assessments");
    kwbench::Sampled(state, "chart scores",
                     [] { benchmark::DoNotOptimize(kw::CollectChart(F().core)); });
}

BENCHMARK(BM_WholeClass)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_OnePage)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2);
BENCHMARK(BM_Chart)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(1);
BENCHMARK(BM_ChartScores)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(1);

// kwerlo-cli pdf --all as its own process: wall seconds and peak resident memory in MB, or
// false when it did not run.
bool RunCli(double& seconds, double& megabytes) {
    FillClass();
    if (!F().core.SaveClass(F().File("class.kwer"))) return false;
    const std::string cls = F().File("class.kwer").utf8_string();
    const std::string out = F().File("cli.pdf").utf8_string();
    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stderr);  // the checks' messages
        execl(KWERLO_CLI, KWERLO_CLI, "pdf", cls.c_str(), out.c_str(), "--all", "--document", "1",
              "--document", "2", "--document", "3", static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) return false;
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    megabytes = usage.ru_maxrss / 1024.0;  // kilobytes on Linux
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    wxInitializer init;
    benchmark::Initialize(&argc, argv);
    F();
    benchmark::RunSpecifiedBenchmarks();
    const double all = kwbench::Median("class"), page = kwbench::Median("page");
    const double chart = kwbench::Median("chart"), scores = kwbench::Median("chart scores");
    std::printf("\nThe whole class (%d pupils, kind 0, documents 1-3) against one page:\n", kPupils);
    if (all > 0)
        std::printf("  whole class, %d pages:   median %8.2f s   %6.1f pages/s\n", g_pages, all,
                    g_pages / all);
    if (page > 0)
        std::printf("  one page (the back):    median %8.2f ms  %6.1f pages/s\n", page * 1e3, 1 / page);
    if (all > 0 && page > 0)
        std::printf("  a page of the whole class takes %.2f x a page on its own\n",
                    all / g_pages / page);
    double seconds = 0, megabytes = 0;
    if (RunCli(seconds, megabytes))
        std::printf("  kwerlo-cli pdf --all (one run, its own process): %.2f s, peak memory %.0f MB\n",
                    seconds, megabytes);
    else
        std::printf("  kwerlo-cli pdf --all did not run\n");
    std::printf("The chart of 13 periodic assessments:\n");
    if (chart > 0) std::printf("  scores and drawing:      median %8.2f ms\n", chart * 1e3);
    if (scores > 0) std::printf("  the scores alone:        median %8.2f ms\n", scores * 1e3);
    kw::InstallTextMetrics(nullptr);
    return 0;
}
