#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace veldrane::bench {

// Real code as users convert it: whole VB6 modules (a form's, a class's and standard modules'
// code, as written by hand rather than generated) joined into one text and repeated to at
// least `target_units` code units. Each copy gets its own routine names, as the modules of a
// real project have them: every routine declared in the modules is renamed in the whole copy
// (its name followed by "_" and the copy's number). Line breaks are CR LF.
std::u16string GenerateRealCode(std::size_t target_units, const std::vector<std::u16string>& modules);

// The project's own modules for that (bench/inputs/real_code/): "Type " in comments and in
// longer names ("FileType ", "VarType "), far from the next "End Type", record types, API
// declarations, control arrays, Property procedures and file I/O.
const std::vector<std::u16string>& AuthoredModules();

// The modules (.bas, .cls, .frm, .ctl) below `dir`, in path order, as UTF-8 where they are
// valid UTF-8 and as Latin-1 otherwise, with CR LF line breaks. Empty when there are none.
std::vector<std::u16string> ReadModules(const std::string& dir);

// The text with every line feed not preceded by a CR preceded by one.
std::u16string WithCrLf(std::u16string_view text);

}  // namespace veldrane::bench
