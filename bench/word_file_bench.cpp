// Reading word files against a plain tokenizing pass over the same file. Reading also
// drops duplicates ignoring case with a hash of each word's key, so it must stay linear and
// within a small factor of the tokenizing pass.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_data.h"
#include "text/file_io.h"

namespace kawaban::bench {
namespace {

void BM_ReadWordFile(benchmark::State& state) {
    const std::string& path = Files().PathFor(state.range(0));
    const Cp932CaseKey key;
    for (auto _ : state) {
        auto words = std::make_unique<WordData>();
        if (!ReadWordFile(*words, path, false, key))
            state.SkipWithError("cannot read the generated file");
        benchmark::DoNotOptimize(words->Lists[2].size());
        // Freeing the lists is no part of reading them.
        state.PauseTiming();
        words.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * kWordCategoryCount);
}

void BM_TokenizeOnly(benchmark::State& state) {
    const std::string& path = Files().PathFor(state.range(0));
    for (auto _ : state) {
        std::string text;
        if (!ReadWholeFile(path, text))
            state.SkipWithError("cannot read the generated file");
        WordTokenizer tokens(text);
        std::string_view token;
        long count = 0;
        while (tokens.Next(token))
            ++count;
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * kWordCategoryCount);
}

// The floor under reading: the tokenizing pass plus copying every token into a list of
// strings, with no duplicate check.
void BM_CopyTokensOnly(benchmark::State& state) {
    const std::string& path = Files().PathFor(state.range(0));
    for (auto _ : state) {
        auto words = std::make_unique<WordData>();
        std::string text;
        if (!ReadWholeFile(path, text))
            state.SkipWithError("cannot read the generated file");
        WordTokenizer tokens(text);
        std::string_view token;
        words->Lists[0].reserve(state.range(0) * kWordCategoryCount + kWordCategoryCount);
        while (tokens.Next(token))
            words->Lists[0].emplace_back(token);
        benchmark::DoNotOptimize(words->Lists[0].size());
        state.PauseTiming();
        words.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * kWordCategoryCount);
}

BENCHMARK(BM_ReadWordFile)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TokenizeOnly)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyTokensOnly)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kawaban::bench
