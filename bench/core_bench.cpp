// Speed of the core: an hour of headless play with every timer running, the
// bare timer queue, and single clicks and hit tests on the main screen.

#include <benchmark/benchmark.h>

#include "game.h"
#include "runtime/program.h"
#include "state/city_state.h"

using namespace tarvik;

namespace {

constexpr Millis game_hour = 3'600'000;

std::unique_ptr<Program> main_screen_game() {
    auto program = new_game([] { return std::string("12:00:00"); });
    program->advance(12'000);
    return program;
}

// The busiest city there is: the train running (station built after the rail
// offer) and the helicopter flying (an airport).
std::unique_ptr<Program> busy_game() {
    auto program = main_screen_game();
    Form& main = program->ensure_form("form1");
    main["kolej"].set_visible(true);
    main["vlak"].set_visible(true);
    main["n56"].set_picture(main["nad"].picture());
    write_flag(main["nn56"], 1);
    write_flag(main["nn56n"], 1);
    main["letiste"].set_caption("1");
    main["pen"].set_caption("25");
    return program;
}

void BM_OneGameHour(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto program = busy_game();
        state.ResumeTiming();
        program->advance(game_hour);
        benchmark::DoNotOptimize(program->now());
    }
    state.counters["game_ms_per_wall_ms"] = benchmark::Counter(
        static_cast<double>(game_hour) * static_cast<double>(state.iterations()) / 1000.0, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OneGameHour)->Unit(benchmark::kMillisecond);

// The timer queue alone: the same windows and timers with no handlers.
void BM_BareTimerQueueHour(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Program program(std::make_shared<HandlerTable>(), [] { return std::string(); });
        program.ensure_form("form1");
        state.ResumeTiming();
        program.advance(game_hour);
        benchmark::DoNotOptimize(program.now());
    }
}
BENCHMARK(BM_BareTimerQueueHour)->Unit(benchmark::kMillisecond);

// A click on a built lot with a building type selected: the whole procedure
// runs its tests and changes nothing, so every iteration is alike.
void BM_LotClick(benchmark::State& state) {
    auto program = main_screen_game();
    Form& main = program->ensure_form("form1");
    write_flag(main["nn36"], 1);
    main["post"].set_picture(main["t"].picture());
    for (auto _ : state) program->click(main, 6900, 5800);
}
BENCHMARK(BM_LotClick);

void BM_CatalogueClick(benchmark::State& state) {
    auto program = main_screen_game();
    program->show("Form3");
    Form& catalogue = *program->find_form("Form3");
    for (auto _ : state) program->click(catalogue, 2600, 3700);  // "supermarket"
}
BENCHMARK(BM_CatalogueClick);

// The deepest point of the main screen's stacking: the river at crossing
// spot 16, below every lot.
void BM_HitTestCrowded(benchmark::State& state) {
    auto program = main_screen_game();
    Form& main = program->ensure_form("form1");
    for (auto _ : state) benchmark::DoNotOptimize(main.hit_test(10600, 2950));
}
BENCHMARK(BM_HitTestCrowded);

}  // namespace
