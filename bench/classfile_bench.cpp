// Save and read of a full class (99 pupils x 99 busy assessments) against plain zlib level-9
// compression and inflation of the same body bytes, measured in the same run.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <map>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <wx/init.h>
#include <zlib.h>

#include "klasa/klasa.h"

namespace {

const char* const kWords[] = {
    "uczeń", "chętnie", "pracuje", "na", "lekcjach", "samodzielnie", "rozwiązuje", "zadania",
    "tekstowe", "czyta", "płynnie", "ze", "zrozumieniem", "pisze", "starannie", "i",
    "poprawnie", "wypowiada", "się", "pełnymi", "zdaniami", "zgodnie", "współpracuje", "w",
    "grupie", "dba", "o", "porządek", "potrafi", "dodawać", "odejmować", "mnożyć", "dzielić",
    "zakresie", "obserwuje", "przyrodę", "śpiewa", "piosenki", "rysuje", "maluje", "chętnie",
    "bierze", "udział", "zawodach", "sportowych", "przestrzega", "zasad", "bezpieczeństwa",
    "gramatycznie", "ortograficznie", "żółw", "źdźbło", "łąka", "ćwiczy", "ąę", "ołówek"};

struct Fixture {
    kw::Klasa klasa;
    std::string body;  // the same bytes the class file compresses
    std::string path;

    Fixture() : path("/tmp/kwerlo-bench.kwer") {
        std::mt19937 rng(12345);
        auto text = [&](size_t chars) {
            wxString s;
            while (s.length() < chars) {
                s += wxString::FromUTF8(kWords[rng() % (sizeof kWords / sizeof *kWords)]);
                s += rng() % 9 == 0 ? ". " : " ";
            }
            return s.Left(chars);
        };
        for (int r = 0; r < 23; ++r) klasa.Add_num(101 + r, 0, r);
        for (int r = 0; r < 10; ++r) klasa.Add_txt(103 + r, 0, text(30));
        for (int p = 0; p < kw::kMaxPupils; ++p) {
            kw::Uczen* u = klasa.AddPupil();
            for (int r = 0; r < 5; ++r) u->Add_num(207 + r, 0, static_cast<int>(rng() % 12));
            for (int r = 0; r < 12; ++r) u->Add_txt(201 + r, 0, text(12));
            for (int a = 0; a < kw::kMaxAssessments; ++a) {
                kw::Ocena* o = u->AddAssessment();
                for (int r = 0; r < 50; ++r) o->Add_state(11001 + r * 7, 1, rng() % 101);
                for (int r = 0; r < 100; ++r)
                    o->Add_num(11001 + r * 3, 0, static_cast<int>(rng() % 1024));
                for (int r = 0; r < 12; ++r)
                    o->Add_txt(22001 + r, 0, text(200 + rng() % 1801));
            }
        }
        auto list = [this](const kw::RecordList& l) {
            char n[4];
            kw::PutLE32(n, static_cast<int32_t>(l.Size()));
            body.append(n, 4);
            body += l.Bytes();
        };
        auto count = [this](int c) {
            char n[4];
            kw::PutLE32(n, c);
            body.append(n, 4);
        };
        list(klasa.NumList());
        list(klasa.TxtList());
        count(klasa.PupilCount());
        for (int p = 0; p < klasa.PupilCount(); ++p) {
            const kw::Uczen* u = klasa.Pupil(p);
            list(u->NumList());
            list(u->TxtList());
            count(u->AssessmentCount());
            for (int a = 0; a < u->AssessmentCount(); ++a) {
                const kw::Ocena* o = u->Assessment(a);
                list(o->StateList());
                list(o->NumList());
                list(o->TxtList());
            }
        }
    }
};

Fixture& F() {
    static Fixture f;
    return f;
}

std::map<std::string, double> g_seconds;  // mean seconds per iteration

template <class Fn>
void Timed(benchmark::State& state, const char* name, Fn fn) {
    double total = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        fn();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    g_seconds[name] = total / static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(F().body.size()));
}

std::string Compress(const std::string& body) {
    z_stream z{};
    deflateInit(&z, 9);
    std::string out(deflateBound(&z, body.size()) + 64, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.data()));
    z.avail_in = static_cast<uInt>(body.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FULL_FLUSH);
    out.resize(out.size() - z.avail_out);
    deflateEnd(&z);
    return out;
}

void BM_Save(benchmark::State& state) {
    Timed(state, "save", [] {
        if (!F().klasa.Save(F().path)) std::fprintf(stderr, "save failed\n");
    });
}

void BM_Compress(benchmark::State& state) {
    Timed(state, "compress", [] { benchmark::DoNotOptimize(Compress(F().body)); });
}

void BM_Read(benchmark::State& state) {
    F().klasa.Save(F().path);
    Timed(state, "read", [] {
        kw::Klasa k;
        if (!k.Read(F().path)) std::fprintf(stderr, "read failed\n");
        benchmark::DoNotOptimize(k.PupilCount());
    });
}

void BM_Inflate(benchmark::State& state) {
    const std::string z = Compress(F().body);
    Timed(state, "inflate", [&z] {
        std::string out(F().body.size(), '\0');
        z_stream s{};
        inflateInit(&s);
        s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(z.data()));
        s.avail_in = static_cast<uInt>(z.size());
        s.next_out = reinterpret_cast<Bytef*>(out.data());
        s.avail_out = static_cast<uInt>(out.size());
        inflate(&s, Z_SYNC_FLUSH);
        inflateEnd(&s);
        benchmark::DoNotOptimize(out.data());
    });
}

BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_Compress)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_Read)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Inflate)->Unit(benchmark::kMillisecond)->Iterations(3);

long StatusKb(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
    return -1;
}

// Peak resident memory added by one operation, measured in a child: memory freed earlier is given
// back to the system first, so that the operation cannot hide in pages already resident, and the
// kernel's high-water mark is reset just before it.
template <class Fn>
double PeakMiB(Fn fn) {
    int pipefd[2];
    if (pipe(pipefd) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(pipefd[0]);
        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";
        const long before = StatusKb("VmRSS:");
        fn();
        const double mib = static_cast<double>(StatusKb("VmHWM:") - before) / 1024.0;
        if (write(pipefd[1], &mib, sizeof mib) != sizeof mib) _exit(1);
        _exit(0);
    }
    close(pipefd[1]);
    double mib = -1;
    if (read(pipefd[0], &mib, sizeof mib) != sizeof mib) mib = -1;
    close(pipefd[0]);
    waitpid(child, nullptr, 0);
    return mib;
}

}  // namespace

int main(int argc, char** argv) {
    wxInitializer init;
    benchmark::Initialize(&argc, argv);
    std::printf("building the class ...\n");
    const double bodyMiB = static_cast<double>(F().body.size()) / (1024.0 * 1024.0);
    benchmark::RunSpecifiedBenchmarks();

    const double savePeak = PeakMiB([] { F().klasa.Save(F().path); });
    const double readPeak = PeakMiB([] {
        kw::Klasa k;
        k.Read(F().path);
    });
    std::printf("\nbody %.1f MiB, file %.1f MiB\n", bodyMiB,
                static_cast<double>(std::ifstream(F().path, std::ios::ate | std::ios::binary)
                                        .tellg()) /
                    (1024.0 * 1024.0));
    auto report = [](const char* what, const char* a, const char* b, double target) {
        if (!g_seconds.count(a) || !g_seconds.count(b)) return;
        std::printf("%s = %.2f  (target <= %.1f)  [%.0f ms / %.0f ms]\n", what,
                    g_seconds[a] / g_seconds[b], target, g_seconds[a] * 1e3, g_seconds[b] * 1e3);
    };
    report("save / compress", "save", "compress", 1.2);
    report("read / inflate ", "read", "inflate", 1.5);
    std::printf("peak memory: save %.1f MiB = %.2f x body, read %.1f MiB = %.2f x body "
                "(target <= 3)\n",
                savePeak, savePeak / bodyMiB, readPeak, readPeak / bodyMiB);
    std::remove(F().path.c_str());
    return 0;
}
