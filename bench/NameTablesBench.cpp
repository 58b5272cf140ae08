// Cost of the name table lookups: one lookup, a caption refresh (128 lookups) and
// filling the tables.

#include <benchmark/benchmark.h>

#include <string_view>

#include "tables/NameTables.h"

namespace tonalyx {
namespace {

NameTables FilledTables() {
  NameTables tables;
  tables.FillNameTables();
  return tables;
}

// Hides the indices from the optimiser so each iteration really looks up.
int Opaque(int value) {
  benchmark::DoNotOptimize(value);
  return value;
}

void BM_GsToneLookup(benchmark::State& state) {
  const NameTables tables = FilledTables();
  for (auto _ : state) {
    benchmark::DoNotOptimize(tables.GsTone(Opaque(88), Opaque(0), Opaque(4)));
  }
}
BENCHMARK(BM_GsToneLookup);

void BM_GsDrumLookup(benchmark::State& state) {
  const NameTables tables = FilledTables();
  for (auto _ : state) {
    benchmark::DoNotOptimize(tables.GsDrum(Opaque(0), Opaque(40), Opaque(4)));
  }
}
BENCHMARK(BM_GsDrumLookup);

// The program window's refresh: 128 program captions of one bank.
void BM_GsProgramCaptions128(benchmark::State& state) {
  const NameTables tables = FilledTables();
  const int bank = Opaque(0);
  const int map = Opaque(4);
  for (auto _ : state) {
    for (int button = 1; button <= 128; ++button) {
      benchmark::DoNotOptimize(tables.GsTone(button, bank, map));
    }
  }
  state.SetItemsProcessed(state.iterations() * 128);
}
BENCHMARK(BM_GsProgramCaptions128);

// The bank window's refresh: 128 bank captions of one program (strided access).
void BM_XgBankCaptions128(benchmark::State& state) {
  const NameTables tables = FilledTables();
  const int program = Opaque(0);
  const int map = Opaque(0);
  for (auto _ : state) {
    for (int bank = 0; bank < 128; ++bank) {
      benchmark::DoNotOptimize(tables.XgTone(program, bank, map));
    }
  }
  state.SetItemsProcessed(state.iterations() * 128);
}
BENCHMARK(BM_XgBankCaptions128);

// The drum note window's refresh: 128 note captions of one kit.
void BM_GsDrumCaptions128(benchmark::State& state) {
  const NameTables tables = FilledTables();
  const int kit = Opaque(0);
  const int map = Opaque(4);
  for (auto _ : state) {
    for (int note = 0; note < 128; ++note) {
      benchmark::DoNotOptimize(tables.GsDrum(kit, note, map));
    }
  }
  state.SetItemsProcessed(state.iterations() * 128);
}
BENCHMARK(BM_GsDrumCaptions128);

void BM_FillNameTables(benchmark::State& state) {
  for (auto _ : state) {
    NameTables tables;
    tables.FillNameTables();
    benchmark::DoNotOptimize(tables);
  }
}
BENCHMARK(BM_FillNameTables);

}  // namespace
}  // namespace tonalyx
