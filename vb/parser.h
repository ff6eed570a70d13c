#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "vb/syntax_tree.h"

namespace veldrane::vb {

struct ParseOptions {
  SourceKind source_kind = SourceKind::kModule;
  // Conditional-compilation constants of the project (the .vbp's CondComp), on top of
  // VB6's own Win16 = False, Win32 = True, Win64 = False, VBA6 = True.
  std::vector<std::pair<std::u16string, std::int64_t>> constants;
};

// Parses one source file. The text may have CR LF, LF or CR line breaks and a designer header.
// Never fails: what does not parse is kept as UnparsedStmt with a diagnostic.
Module Parse(std::u16string_view text, const ParseOptions& options = {});

// The kind of source a file name's extension stands for (.bas, .cls, .frm, .ctl, .dob, .pag,
// .dsr, any case); kModule for anything else.
SourceKind SourceKindForFileName(std::u16string_view file_name);

}  // namespace veldrane::vb
