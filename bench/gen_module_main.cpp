// veldrane-gen-module: writes the benchmark inputs as UTF-8 files, so that benchmarks of the
// command-line converter and the window can run on the same texts as the core benchmarks.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "inputs/module_generator.h"
#include "inputs/real_code.h"
#include "inputs/utf8.h"

namespace {

using namespace veldrane::bench;

constexpr const char* kUsage =
    "usage: veldrane-gen-module [--seed N] [--out FILE] --size SIZE\n"
    "       veldrane-gen-module [--out FILE] --pathological KIND --size SIZE\n"
    "       veldrane-gen-module [--seed N] --tree DIR --count N --size TOTAL\n"
    "       veldrane-gen-module [--out FILE] [--modules DIR] --real --size SIZE\n"
    "SIZE in code units, with an optional K or M suffix (2.5M = 2.5 * 1024 * 1024).\n"
    "--tree writes N realistic modules of varying size, TOTAL units in all, into DIR/groupNN/,\n"
    "with distinct routine and array names across the tree.\n"
    "--real writes real code: the modules of bench/inputs/real_code (or the .bas, .cls, .frm and .ctl\n"
    "files below DIR) joined and repeated, each copy with its own routine names.\n";

int Usage() {
  std::cerr << kUsage << "KIND:";
  for (Pathological kind : kAllPathological) std::cerr << ' ' << PathologicalName(kind);
  std::cerr << '\n';
  return 2;
}

bool ParseSize(const std::string& text, std::size_t& size) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  const std::string suffix(end);
  const double scale = suffix.empty() ? 1 : suffix == "K" ? kKiB : suffix == "M" ? kMiB : 0;
  if (end == text.c_str() || scale == 0 || value <= 0) return false;
  size = static_cast<std::size_t>(value * scale);
  return true;
}

bool Write(const std::string& out, std::u16string_view text) {
  if (out.empty()) {
    const std::string bytes = ToUtf8(text);
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
  }
  return WriteUtf8File(out, text);
}

// Module sizes vary from a quarter to seven quarters of the mean, in a fixed pattern.
int WriteTree(const std::string& dir, std::size_t count, std::size_t total, uint32_t seed) {
  const std::size_t mean = total / count;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t size = mean / 4 + mean * ((i * 37) % 100) * 3 / 200;
    const std::filesystem::path group = std::filesystem::path(dir) / ("group" + std::to_string(i / 100));
    std::filesystem::create_directories(group);
    // Name bases far apart keep routine and array names distinct across the tree.
    const auto base = static_cast<uint32_t>(i * 10000);
    const std::string file = (group / ("Module" + std::to_string(i) + ".bas")).string();
    if (!WriteUtf8File(file, GenerateModule(size, seed + static_cast<uint32_t>(i), base))) {
      std::cerr << "veldrane-gen-module: cannot write " << file << "\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string out, tree, kind, modules;
  std::size_t size = 0, count = 0;
  uint32_t seed = 1;
  bool real = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--real") {
      real = true;
      continue;
    }
    if (i + 1 >= argc) return Usage();
    const std::string value = argv[++i];
    if (arg == "--out") {
      out = value;
    } else if (arg == "--seed") {
      seed = static_cast<uint32_t>(std::strtoul(value.c_str(), nullptr, 10));
    } else if (arg == "--size") {
      if (!ParseSize(value, size)) return Usage();
    } else if (arg == "--tree") {
      tree = value;
    } else if (arg == "--count") {
      count = std::strtoul(value.c_str(), nullptr, 10);
    } else if (arg == "--pathological") {
      kind = value;
    } else if (arg == "--modules") {
      modules = value;
    } else {
      return Usage();
    }
  }
  if (size == 0) return Usage();
  if (!tree.empty()) return count == 0 ? Usage() : WriteTree(tree, count, size, seed);
  if (real) {
    const std::u16string text =
        GenerateRealCode(size, modules.empty() ? AuthoredModules() : ReadModules(modules));
    if (text.empty()) {
      std::cerr << "veldrane-gen-module: no modules below " << modules << "\n";
      return 1;
    }
    return Write(out, text) ? 0 : 1;
  }
  if (!kind.empty()) {
    for (Pathological p : kAllPathological) {
      if (PathologicalName(p) == kind) return Write(out, GeneratePathological(p, size)) ? 0 : 1;
    }
    return Usage();
  }
  return Write(out, GenerateModule(size, seed)) ? 0 : 1;
}
