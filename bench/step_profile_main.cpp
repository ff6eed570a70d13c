// veldrane-step-profile: the time of every pipeline step on one benchmark input, as the
// median, minimum and maximum over several runs, with the share of the whole conversion.
// Finds the steps whose cost does not grow with the text alone. "gap ms" is the median of
// the step's longest wall time between two yields: how long a window's events would wait.
// Run by hand.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "conversion_runner.h"
#include "inputs/module_generator.h"
#include "inputs/real_code.h"
#include "inputs/utf8.h"

namespace {

using namespace veldrane::bench;

struct Spread {
  double median, min, max;
};

Spread SpreadOf(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return {v[v.size() / 2], v.front(), v.back()};
}

int Usage() {
  std::fprintf(
      stderr,
      "usage: veldrane-step-profile [--runs N] [--top N] (--size UNITS | --real UNITS [--modules DIR] |\n"
      "                             --pathological KIND | --file PATH)\n"
      "UNITS in code units; --real: real code, the modules of bench/inputs/real_code or those below DIR\n"
      "joined and repeated; KIND as for veldrane-gen-module (1 MiB each); PATH a UTF-8 text.\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t size = 0, real = 0, runs = 5, top = 0;
  std::string kind, file, modules;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string arg = argv[i];
    const std::size_t value = std::strtoul(argv[i + 1], nullptr, 10);
    if (arg == "--size") {
      size = value;
    } else if (arg == "--real") {
      real = value;
    } else if (arg == "--modules") {
      modules = argv[i + 1];
    } else if (arg == "--runs") {
      runs = std::max<std::size_t>(value, 1);
    } else if (arg == "--top") {
      top = value;
    } else if (arg == "--pathological") {
      kind = argv[i + 1];
    } else if (arg == "--file") {
      file = argv[i + 1];
    } else {
      return Usage();
    }
  }
  std::u16string input;
  if (!file.empty()) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    input = FromUtf8(bytes.str());
  } else if (!kind.empty()) {
    for (Pathological p : kAllPathological) {
      if (PathologicalName(p) == kind) input = GeneratePathological(p, kMiB);
    }
  } else if (real > 0) {
    input = GenerateRealCode(real, modules.empty() ? AuthoredModules() : ReadModules(modules));
  } else if (size > 0) {
    input = GenerateModule(size, 1);
  }
  if (input.empty()) return Usage();

  const auto steps = veldrane::PipelineSteps();
  std::vector<std::vector<double>> times(steps.size());  // per step, one entry per run
  std::vector<std::vector<double>> gaps(steps.size());
  std::vector<double> totals;
  for (std::size_t run = 0; run < runs; ++run) {
    const StepTimes measured = TimeSteps(input);
    double total = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
      times[i].push_back(measured.seconds[i]);
      gaps[i].push_back(measured.longest_yield_gap[i]);
      total += measured.seconds[i];
    }
    totals.push_back(total);
  }

  const Spread whole = SpreadOf(totals);
  std::printf("input: %zu units, %zu runs; whole conversion median %.2f ms (min %.2f, max %.2f)\n",
              input.size(), runs, whole.median * 1e3, whole.min * 1e3, whole.max * 1e3);
  std::vector<std::size_t> order(steps.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  if (top > 0) {
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      return SpreadOf(times[a]).median > SpreadOf(times[b]).median;
    });
    order.resize(std::min(top, order.size()));
  }
  std::printf("%4s %10s %10s %10s %6s %9s  %s\n", "step", "median ms", "min ms", "max ms", "share", "gap ms",
              "caption or pass");
  for (std::size_t i : order) {
    const Spread s = SpreadOf(times[i]);
    std::printf("%4zu %10.3f %10.3f %10.3f %5.1f%% %9.3f  %s\n", i + 1, s.median * 1e3, s.min * 1e3,
                s.max * 1e3, 100 * s.median / whole.median, SpreadOf(gaps[i]).median * 1e3,
                ToUtf8(veldrane::StepTitle(steps[i])).c_str());
  }
  return 0;
}
