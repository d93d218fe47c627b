// One ticker step, averaged over cuts and appends as they come on the board.
#include <benchmark/benchmark.h>

#include "app/ticker.h"
#include "bench_data.h"

namespace kawaban::bench {
namespace {

void BM_TickerStep(benchmark::State& state) {
    const WordData words = GeneratedWords(46);
    MsRandom random(1);
    TickerEngine engine(words, random);
    engine.TickerWidth = 17;
    engine.ResetTickerText(false);
    for (auto _ : state) {
        engine.TickerStep();
        benchmark::DoNotOptimize(engine.TickerText.data());
    }
}

BENCHMARK(BM_TickerStep);

}  // namespace
}  // namespace kawaban::bench
