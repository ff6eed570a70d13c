#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace veldrane::translation {

// One VB6 source file of a translation: its text and the unit name its Pascal is given.
struct SourceFile {
  std::u16string text;
  std::string unit_name;
  std::u16string file_name;  // its extension tells a class (.cls) from a module (.bas)
};

// A construct that was not translated: the output keeps it as a comment and raises a
// run-time error in its place.
struct TranslationNote {
  int line = 0;  // 1-based, in the VB source
  std::string message;
};

struct TranslatedUnit {
  std::string unit_name;  // as asked, or with "_vb" added where a library unit has the name
  std::string pascal;     // UTF-8, LF line breaks
  std::vector<TranslationNote> notes;
};

// Translates the files together, as one VB6 project: every module's public members are seen
// from every other file. One unit per file, in the order given; for several files one more
// unit at the end that they all use (the declarations they share, see unit_translator.h).
std::vector<TranslatedUnit> TranslateProject(const std::vector<SourceFile>& files);

}  // namespace veldrane::translation
