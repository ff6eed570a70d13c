// Fuzz target: any text given to the VB front end parses without a crash, a hang or a
// sanitizer finding; statements, nested ones included, keep source order within the text, and every
// statement that did not parse has its diagnostic.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "vb/parser.h"
#include "vb/tree_walk.h"

using namespace veldrane::vb;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Bytes are Latin-1 characters (so a dictionary of keywords works); 0xFF introduces one
  // UTF-16 code unit written in the next two bytes.
  std::u16string text;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0xFF && i + 2 < size) {
      text.push_back(static_cast<char16_t>(data[i + 1] | (data[i + 2] << 8)));
      i += 2;
    } else {
      text.push_back(data[i]);
    }
  }
  ParseOptions options;
  options.source_kind = size % 2 ? SourceKind::kClass : SourceKind::kModule;
  const Module module = Parse(text, options);

  const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), u'\n') +
                                         std::count(text.begin(), text.end(), u'\r'));
  int previous = 1;
  std::size_t unparsed = 0;
  ForEachStatement(module.body, [&](const Stmt& s) {
    if (s.line < previous || s.line > lines) std::abort();
    previous = s.line;
    if (s.kind == StmtKind::kUnparsed) ++unparsed;
  });
  if (unparsed > module.diagnostics.size()) std::abort();
  for (const Diagnostic& d : module.diagnostics) {
    if (d.line < 1 || d.line > lines || d.message.empty()) std::abort();
  }
  return 0;
}
