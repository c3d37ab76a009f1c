// Run: build/benchmarks/velarcana_benchmarks
#include "moon/MoonCalendar.h"
#include "moon/MoonCycle.h"
#include "moon/MoonPhase.h"
#include "runtime/ProgramFolder.h"
#include "signs/SignPeriods.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

// Instants spread over a year, so that every lunation phase and every sign is met.
runtime::DateValue instant(std::size_t i) {
    return runtime::makeDateTime({2024, 1, 1, 0, 0, 0}) + (i % 4096) * (366.0 / 4096.0);
}

void BM_PhaseJDE(benchmark::State& state) {
    runtime::Long lunation = 1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            moon::PhaseJDE(lunation, static_cast<runtime::Integer>(lunation % 4)));
        ++lunation;
    }
}
BENCHMARK(BM_PhaseJDE);

void BM_LunationOf(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(moon::LunationOf(instant(i++)));
    }
}
BENCHMARK(BM_LunationOf);

void BM_MoonCycle(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(moon::MoonCycle(instant(i++)));
    }
}
BENCHMARK(BM_MoonCycle);

// What one refresh of the moon detail window computes: four next (or previous) phase dates,
// the age, the phase angle and the phase name.
void BM_MoonDetailRefresh(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const runtime::DateValue dt = instant(i++);
        moon::MoonCycle(dt);
        benchmark::DoNotOptimize(moon::NextFullMoon(dt));
        benchmark::DoNotOptimize(moon::NextNewMoon(dt));
        benchmark::DoNotOptimize(moon::NextFirstQuarter(dt));
        benchmark::DoNotOptimize(moon::NextLastQuarter(dt));
        benchmark::DoNotOptimize(moon::MoonAge(dt));
        benchmark::DoNotOptimize(moon::PhaseAngle(dt));
        benchmark::DoNotOptimize(moon::PhaseName(dt));
    }
}
BENCHMARK(BM_MoonDetailRefresh);

// The sign search over the shipped tables; the Pisces moments read all twelve files.
void BM_SignSearch(benchmark::State& state) {
    runtime::setProgramFolder(QStringLiteral(VELARCANA_PROGRAM_DIR));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(readings::findSignPeriod(instant(i++ * 97)));
    }
    runtime::setProgramFolder(QString());
}
BENCHMARK(BM_SignSearch)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // The lunation search lets pending events run, as it does in the program.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
