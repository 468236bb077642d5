// Opening the standings, player matrix and Player StatPak windows on a pool
// of an ordinary office (1,000 members, every game of 21 weeks picked), the
// window built, shown and laid out offscreen, as a menu command opens it. The
// aim: each well under 100 ms.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <memory>

#include "BenchFixtures.h"
#include "ui/pool/frmPMatrix.h"
#include "ui/pool/frmPoolStn.h"
#include "ui/pool/frmStats.h"
#include "ui/shell/Prompt.h"
#include "ui/shell/UiContext.h"

namespace {

using gm::bench::FullPool;

struct WindowPool {
    FullPool pool{gm::bench::kOfficePool, "bench-windows"};
    gm::ui::ScriptedPrompter prompts;
    gm::ui::UiContext ctx{pool.state, prompts};
};

WindowPool& Pool() {
    static WindowPool pool;
    return pool;
}

// Builds the window, shows it and lets it lay out and paint, then closes it.
template <typename Window>
void OpenWindow(benchmark::State& st) {
    WindowPool& p = Pool();
    for (auto _ : st) {
        p.pool.state.CurrentWeek = gm::kWeeks;
        auto window = std::make_unique<Window>(p.ctx);
        window->show();
        QApplication::processEvents();
        window->close();
    }
}

void BM_OpenStandings(benchmark::State& st) { OpenWindow<gm::ui::frmPoolStn>(st); }
void BM_OpenPlayerMatrix(benchmark::State& st) { OpenWindow<gm::ui::frmPMatrix>(st); }
void BM_OpenPlayerStatPak(benchmark::State& st) { OpenWindow<gm::ui::frmStats>(st); }

}  // namespace

BENCHMARK(BM_OpenStandings)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPlayerMatrix)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPlayerStatPak)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
