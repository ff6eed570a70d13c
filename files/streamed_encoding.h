#pragma once

#include <QByteArray>
#include <QString>
#include <QStringEncoder>
#include <optional>

#include "buffer/source_buffer.h"
#include "files/line_breaks.h"
#include "files/text_encoding.h"

namespace veldrane::files {

// The converted text of a buffer, given back its line breaks and encoded piece by piece, so
// that no whole copy of it is made besides the output bytes. The result equals
// Encode(FromCrLf(buffer.Text(), breaks), encoding). On failure `error` holds the error of
// Encode for the piece (its text_index counting in `piece`) and `piece` the text it was
// found in; `bytes` is then incomplete.
struct StreamedOutput {
  QByteArray bytes;
  std::optional<CodingError> error;
  QString piece;
};

// `piece_units` other than the default serves the tests.
StreamedOutput EncodeBuffer(const SourceBuffer& buffer, LineBreaks breaks, const TextEncoding& encoding,
                            int32_t piece_units = 1 << 16);

}  // namespace veldrane::files
