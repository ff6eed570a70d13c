// veldrane-equivalence-digest: runs the whole conversion on a corpus of inputs, once to the
// end and then stopped or cleared at a spread of yields, and prints one line per run with
// the yield count, the text length and a hash of the text, of every caption write and of the
// final run state. Built twice, with the real source buffer and with the plain-string
// reference store; the two outputs must be identical (see compare_digests.cmake).
//
//   veldrane-equivalence-digest [--full] [--stops N] TEST_SOURCE_DIR TEST_DATA_DIR
//
// The corpus: the u"..." literals of TEST_SOURCE_DIR/*_test.cpp, the files of TEST_DATA_DIR,
// and the benchmark inputs, generated modules and real code (small versions; --full adds the
// benchmark sizes themselves).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/conversion.h"
#include "core/recording_host.h"
#include "inputs/module_generator.h"
#include "inputs/real_code.h"
#include "inputs/utf8.h"
#include "passes/conversion_run.h"
#include "test_literals.h"

namespace {

using namespace veldrane;
using namespace veldrane::bench;
namespace fs = std::filesystem;

struct Input {
  std::string name;
  std::u16string text;
};

// FNV-1a over 16-bit units, with a separator between fields.
class Hash {
 public:
  void Add(std::u16string_view s) {
    for (char16_t c : s) Unit(c);
    Unit(0xFFFF);
  }
  void Add(long long n) {
    Add(std::u16string(1, static_cast<char16_t>(n & 0xFFFF)) + static_cast<char16_t>(n >> 16));
  }
  unsigned long long value() const { return h_; }

 private:
  void Unit(char16_t c) {
    h_ = (h_ ^ (c & 0xFF)) * 1099511628211ull;
    h_ = (h_ ^ (c >> 8)) * 1099511628211ull;
  }
  unsigned long long h_ = 14695981039346656037ull;
};

enum class Action { kNone, kStop, kClear };

// One run of the pipeline as the window makes it; returns the yield count and prints a line.
long long RunAndPrint(const Input& input, Action action, long long k) {
  SourceBuffer buffer(input.text);
  ConversionState state;
  RecordingHost host(buffer, state);
  if (action == Action::kStop) host.StopAtYield(k);
  if (action == Action::kClear) host.ClearAtYield(k);
  Conversion cv{buffer, state, host};
  RunConversion(cv);

  Hash hash;
  const std::u16string text = buffer.Text();
  hash.Add(text);
  for (const auto& write : host.Captions()) {
    hash.Add(write.label == RecordingHost::Label::kLabel1 ? u"1" : u"2");
    hash.Add(write.caption);
  }
  for (const auto& name : state.ArrayNames.Entries()) hash.Add(name);
  hash.Add(u"|");
  for (const auto& name : state.RoutineNames.Entries()) hash.Add(name);
  hash.Add(state.RoutineNameCount);
  hash.Add(static_cast<long long>(state.LocalVarMode) * 2 + state.VarHeaderWritten);
  const char* mode = action == Action::kNone ? "full" : action == Action::kStop ? "stop" : "clear";
  std::printf("%s\t%s\t%lld\tyields=%lld\tlength=%zu\tcaptions=%zu\t%016llx\n", input.name.c_str(), mode, k,
              static_cast<long long>(host.Yields()), text.size(), host.Captions().size(), hash.value());
  return host.Yields();
}

// The yields at which a partial run is made: the first few, the last, one past it, and an
// even spread in between.
std::set<long long> StopPoints(long long yields, long long spread) {
  std::set<long long> points{1, 2, 3, yields, yields + 1};
  for (long long j = 1; j <= spread; ++j) points.insert(std::max(1LL, yields * j / (spread + 1)));
  return points;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<fs::path> SortedFiles(const fs::path& dir, const std::string& suffix) {
  std::vector<fs::path> files;
  if (!fs::is_directory(dir)) return files;
  for (const auto& entry : fs::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && name.ends_with(suffix)) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<Input> Corpus(const fs::path& test_sources, const fs::path& test_data, bool full) {
  std::vector<Input> corpus;
  for (const fs::path& file : SortedFiles(test_sources, "_test.cpp")) {
    int n = 0;
    for (std::u16string& literal : equivalence::ExtractUtf16Literals(ReadFile(file))) {
      corpus.push_back({file.filename().string() + "#" + std::to_string(n++), std::move(literal)});
    }
  }
  for (const fs::path& file : SortedFiles(test_data, "")) {
    corpus.push_back({file.filename().string(), FromUtf8(ReadFile(file))});
  }
  const std::size_t pathological_size = full ? kMiB : 24 * kKiB;
  for (Pathological kind : kAllPathological) {
    corpus.push_back({std::string(PathologicalName(kind)), GeneratePathological(kind, pathological_size)});
  }
  std::vector<std::size_t> sizes{4 * kKiB, 10 * kKiB, 40 * kKiB};
  if (full) sizes = {10 * kKiB, 100 * kKiB, kMiB, 5 * kMiB / 2};
  for (std::size_t size : sizes) {
    corpus.push_back({"module_" + std::to_string(size), GenerateModule(size, 1)});
  }
  // Real code: one copy of the modules, then several, each with its own routine names.
  std::vector<std::size_t> real_sizes{kKiB, 60 * kKiB};
  if (full) real_sizes = {100 * kKiB, kMiB, 5 * kMiB / 2};
  for (std::size_t size : real_sizes) {
    corpus.push_back({"real_code_" + std::to_string(size), GenerateRealCode(size, AuthoredModules())});
  }
  return corpus;
}

}  // namespace

int main(int argc, char** argv) {
  bool full = false;
  long long spread = 24;
  std::vector<std::string> dirs;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--full") {
      full = true;
    } else if (arg == "--stops" && i + 1 < argc) {
      spread = std::strtoll(argv[++i], nullptr, 10);
    } else {
      dirs.push_back(arg);
    }
  }
  if (dirs.size() != 2) {
    std::fprintf(stderr,
                 "usage: veldrane-equivalence-digest [--full] [--stops N] TEST_SOURCE_DIR TEST_DATA_DIR\n");
    return 2;
  }
  for (const Input& input : Corpus(dirs[0], dirs[1], full)) {
    const long long yields = RunAndPrint(input, Action::kNone, 0);
    for (long long k : StopPoints(yields, spread)) RunAndPrint(input, Action::kStop, k);
    for (long long k : {1LL, yields / 2, yields}) RunAndPrint(input, Action::kClear, std::max(1LL, k));
  }
  return 0;
}
