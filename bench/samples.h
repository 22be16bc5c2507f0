#pragma once
// Timing each run of a benchmark by hand, so that a program can print medians of several
// benchmarks side by side, as ratios.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace kwbench {

// Seconds of each run, by name.
inline std::map<std::string, std::vector<double>>& Samples() {
    static std::map<std::string, std::vector<double>> samples;
    return samples;
}

// Runs fn once per iteration, records its seconds under name and reports them as the
// iteration's (manual) time.
template <class Fn>
void Sampled(benchmark::State& state, const char* name, Fn fn) {
    std::vector<double>& samples = Samples()[name];
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        fn();
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        samples.push_back(s);
        state.SetIterationTime(s);
    }
}

// The median seconds of the runs under name; 0 when there were none.
inline double Median(const char* name) {
    std::vector<double> v = Samples()[name];
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace kwbench
