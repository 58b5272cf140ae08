// Cost of one search per keystroke over the largest maps: the SC-8850 map of the GS
// tone table, the MU1000/2000 map of the XG tone table, the SC-8850 map of the GS
// drum table and the XG drum table. Each search reuses its words and hit list, as
// the search window does from one keystroke to the next.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "tables/NameSearch.h"

namespace tonalyx {
namespace {

constexpr int kSc8850Map = 4;
constexpr int kMu1000Map = 0;

NameTables FilledTables() {
  NameTables tables;
  tables.FillNameTables();
  return tables;
}

// Runs find for each iteration with the words of the benchmark's label; reports the
// number of hits of the last search.
template <typename Hit, typename Find>
void RunSearch(benchmark::State& state, const char* text, Find find) {
  const NameTables tables = FilledTables();
  SearchWords words;
  std::vector<Hit> hits;
  for (auto _ : state) {
    words.Assign(text);
    find(tables, words, hits);
    benchmark::DoNotOptimize(hits.data());
  }
  state.counters["hits"] = static_cast<double>(hits.size());
  state.SetLabel(std::string("\"") + text + "\"");
}

void BM_GsToneSearch(benchmark::State& state, const char* text) {
  RunSearch<ToneHit>(state, text, [](const NameTables& t, const SearchWords& w, auto& hits) {
    FindGsTones(t, kSc8850Map, w, hits);
  });
}
void BM_XgToneSearch(benchmark::State& state, const char* text) {
  RunSearch<ToneHit>(state, text, [](const NameTables& t, const SearchWords& w, auto& hits) {
    FindXgTones(t, kMu1000Map, w, hits);
  });
}
void BM_GsDrumSearch(benchmark::State& state, const char* text) {
  RunSearch<DrumHit>(state, text, [](const NameTables& t, const SearchWords& w, auto& hits) {
    FindGsDrums(t, kSc8850Map, w, hits);
  });
}
void BM_XgDrumSearch(benchmark::State& state, const char* text) {
  RunSearch<DrumHit>(state, text, [](const NameTables& t, const SearchWords& w, auto& hits) {
    FindXgDrums(t, w, hits);
  });
}

// A typical word, two words, and one letter (the first keystroke, most hits).
BENCHMARK_CAPTURE(BM_GsToneSearch, piano, "piano");
BENCHMARK_CAPTURE(BM_GsToneSearch, two_words, "slow str");
BENCHMARK_CAPTURE(BM_GsToneSearch, one_letter, "e");
BENCHMARK_CAPTURE(BM_XgToneSearch, piano, "piano");
BENCHMARK_CAPTURE(BM_XgToneSearch, one_letter, "e");
BENCHMARK_CAPTURE(BM_GsDrumSearch, snare, "snare");
BENCHMARK_CAPTURE(BM_GsDrumSearch, two_words, "808 kick");
BENCHMARK_CAPTURE(BM_GsDrumSearch, one_letter, "e");
BENCHMARK_CAPTURE(BM_XgDrumSearch, snare, "snare");
BENCHMARK_CAPTURE(BM_XgDrumSearch, one_letter, "e");

}  // namespace
}  // namespace tonalyx
