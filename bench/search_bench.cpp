// The text search on its own: SearchUnits against the standard library's find, over a
// realistic module and over a text of spaces (indentation-like runs of one unit), for the
// kinds of literal the pipeline searches. Run by hand.
#include <benchmark/benchmark.h>

#include <string>

#include "buffer/unit_search.h"
#include "inputs/module_generator.h"

namespace veldrane::bench {
namespace {

struct Needle {
  const char* name;
  std::u16string_view literal;
};
constexpr Needle kNeedles[] = {
    {"absent", u"#absent#"}, {"and", u" And "}, {"crlf", u"\r\n"}, {"quote", u"'"}, {"dim", u"Dim "},
};

const std::u16string& Text(int64_t which) {
  static const std::u16string realistic = GenerateModule(kMiB, 1);
  static const std::u16string spaces(kMiB, u' ');
  return which == 0 ? realistic : spaces;
}

// Finds every occurrence, from the start to the end of the text.
template <typename Search>
void Scan(benchmark::State& state, Search search) {
  const std::u16string_view text = Text(state.range(0));
  const std::u16string_view needle = kNeedles[state.range(1)].literal;
  std::size_t matches = 0;
  for (auto _ : state) {
    matches = 0;
    for (std::size_t i = search(text, needle, 0); i != std::u16string_view::npos;
         i = search(text, needle, i + 1)) {
      ++matches;
    }
    benchmark::DoNotOptimize(matches);
  }
  state.SetLabel(std::string(state.range(0) == 0 ? "realistic/" : "spaces/") + kNeedles[state.range(1)].name);
  state.counters["matches"] = static_cast<double>(matches);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size() * sizeof(char16_t)));
}

void BM_SearchUnits(benchmark::State& state) { Scan(state, SearchUnits); }
void BM_StdFind(benchmark::State& state) {
  Scan(state, [](std::u16string_view t, std::u16string_view n, std::size_t from) { return t.find(n, from); });
}
BENCHMARK(BM_SearchUnits)->ArgsProduct({{0, 1}, {0, 1, 2, 3, 4}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StdFind)->ArgsProduct({{0, 1}, {0, 1, 2, 3, 4}})->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace veldrane::bench

BENCHMARK_MAIN();
