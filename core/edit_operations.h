#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/captions.h"
#include "core/conversion.h"

namespace veldrane {

// Selects and replaces a range; returns the caret behind the inserted text. Once the text
// has been replaced during the run (Clear), makes no edit and returns the caret as it is.
int32_t ReplaceRange(Conversion& cv, int32_t offset, int32_t length, std::u16string_view text);

// Where the code of the statement starting at `position` ends: the first "//" before the
// next CR LF, else that CR LF's CR; 0 when no CR LF follows.
int32_t FindStatementEnd(const SourceBuffer& buffer, int32_t position);

// Offset of the terminator ";" of a header line whose statement end is `end`: the unit just
// before the end, or, where the end is a trailing comment written as "; //", the ";" in
// front of its space. -1 when the end leaves no room for a terminator.
int32_t HeaderTerminatorOffset(const SourceBuffer& buffer, int32_t end);

// Label1 = caption, Label2 = the character count of the current text.
void ReportProgress(Conversion& cv, std::u16string_view caption);

}  // namespace veldrane
