// The cost of one record call through the C interface, beside the floor that every accepted
// call pays by design: opening the SEF file for append, writing one line, closing it.
//
// Run: build/bench/quelvar_bench. After the benchmarks it prints calls per second and the ratio
// of each case to the floor; the goal is an accepted Registro54 within 1.15x of the floor.
#include "quelvar.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<unsigned char> shortText(std::string_view s) {
    std::vector<unsigned char> t(s.size() + 1);
    t[0] = static_cast<unsigned char>(s.size());
    std::copy(s.begin(), s.end(), t.begin() + 1);
    return t;
}

struct Fields {
    std::vector<std::vector<unsigned char>> texts;
    explicit Fields(std::initializer_list<std::string_view> values) {
        for (auto v : values)
            texts.push_back(shortText(v));
    }
    const unsigned char* operator[](std::size_t i) const { return texts[i].data(); }
};

fs::path benchDir() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / ("quelvar-bench-" + std::to_string(::getpid()));
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

// A session with its header records written, ready for invoice items.
void openSession() {
    Finaliza_SEF();
    const auto sef = shortText((benchDir() / "SEF.txt").string());
    const auto erro = shortText((benchDir() / "Erro.txt").string());
    const auto log = shortText((benchDir() / "Log.txt").string());
    Inicia_SEF(sef.data(), erro.data(), log.data());
    const Fields r10{"11222333000181", "ISENTO",     "Empresa", "Recife", "PE", "8133334444",
                     "01/01/2005",     "31/01/2005", "2",       "3",      "1",  "1"};
    Registro10(r10[0], r10[1], r10[2], r10[3], r10[4], r10[5], r10[6], r10[7], r10[8], r10[9], r10[10],
               r10[11]);
    const Fields r11{"Rua das Flores", "100", "", "Centro", "50050000", "Maria", "8133334444"};
    Registro11(r11[0], r11[1], r11[2], r11[3], r11[4], r11[5], r11[6]);
}

int32_t call54(const Fields& f) {
    return Registro54(f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11], f[12], f[13],
                      f[14], f[15], f[16], f[17], f[18], f[19]);
}

void BM_Registro54_Accepted(benchmark::State& state) {
    openSession();
    const Fields f{"10456237000135", "01",     "1",          "123",  "1102",   "000",  "1",
                   "PROD001",        "6,000",  "600,00",     "0,00", "600,00", "0,00", "60,00",
                   "17,00",          "ISENTO", "03/01/2005", "PE",   "01",     "0"};
    if (call54(f) != 0) state.SkipWithError("the accepted case was rejected");
    for (auto _ : state)
        benchmark::DoNotOptimize(call54(f));
    state.counters["calls/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    Finaliza_SEF();
}

void BM_Registro54_Rejected(benchmark::State& state) {
    openSession();
    // An invalid identifier and CFOP: the record's block goes to the error report instead.
    const Fields f{"10456237000136", "01",     "1",          "123",  "4101",   "000",  "1",
                   "PROD001",        "6,000",  "600,00",     "0,00", "600,00", "0,00", "60,00",
                   "17,00",          "ISENTO", "03/01/2005", "PE",   "01",     "0"};
    if (call54(f) != -1) state.SkipWithError("the rejected case was accepted");
    for (auto _ : state)
        benchmark::DoNotOptimize(call54(f));
    state.counters["calls/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    Finaliza_SEF();
}

// The floor: what an accepted call cannot avoid, one append of the line to a closed file.
void BM_Floor_AppendLine(benchmark::State& state) {
    const std::string path = (benchDir() / "Floor.txt").string();
    const std::string line = std::string(154, 'x') + "\r\n";
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
        benchmark::DoNotOptimize(::write(fd, line.data(), line.size()));
        ::close(fd);
    }
    state.counters["calls/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_Floor_AppendLine);
BENCHMARK(BM_Registro54_Accepted);
BENCHMARK(BM_Registro54_Rejected);

// Collects the results to print the ratios to the floor once every case has run.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    RatioReporter()
        : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred)
                perCall_[r.benchmark_name()] = r.GetAdjustedRealTime();
    }
    void Summary() const {
        const auto floor = perCall_.find("BM_Floor_AppendLine");
        if (floor == perCall_.end() || floor->second <= 0) return;
        std::printf("\n%-28s %14s %10s\n", "case", "calls/s", "x floor");
        for (const auto& [name, t] : perCall_)
            std::printf("%-28s %14.0f %10.3f\n", name.c_str(), 1e9 / t, t / floor->second);
        const auto accepted = perCall_.find("BM_Registro54_Accepted");
        if (accepted != perCall_.end())
            std::printf("\naccepted Registro54: %.3fx the floor (goal: within 1.15x)\n",
                        accepted->second / floor->second);
    }

  private:
    std::map<std::string, double> perCall_; // nanoseconds per call
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.Summary();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(benchDir(), ec);
    return 0;
}
