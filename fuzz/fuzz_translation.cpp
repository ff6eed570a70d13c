// Fuzz target: any text given to the translator, as one file or split into a module and a
// class translated together, gives Pascal units without a crash, a hang or a sanitizer
// finding; every unit is whole (its header first, "end." last) and every note has a line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "translation/translator.h"

using namespace veldrane::translation;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Bytes are Latin-1 characters (so the parser's dictionary works); 0xFF introduces one
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
  std::vector<SourceFile> files;
  if (size % 2) {
    files.push_back({text, "Module1", u"Module1.bas"});
  } else {
    const std::size_t half = text.size() / 2;
    files.push_back({text.substr(0, half), "Module1", u"Module1.bas"});
    files.push_back({text.substr(half), "Class1", u"Class1.cls"});
  }
  const std::vector<TranslatedUnit> units = TranslateProject(files);
  if (units.size() != files.size() + (files.size() > 1 ? 1 : 0)) std::abort();
  const std::string header = "{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}\n";
  for (const TranslatedUnit& unit : units) {
    if (unit.pascal.compare(0, header.size(), header) != 0) std::abort();
    if (unit.pascal.size() < 5 || unit.pascal.compare(unit.pascal.size() - 5, 5, "end.\n") != 0) std::abort();
    for (const TranslationNote& note : unit.notes)
      if (note.line < 0 || note.message.empty()) std::abort();
  }
  return 0;
}
