#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "files/pipeline_run.h"
#include "files/text_encoding.h"

namespace veldrane::files {

enum class EolMode { kAuto, kKeep };

struct ConversionSettings {
  std::optional<TextEncoding> input_encoding;   // nullopt: detect (BOM, UTF-8, legacy)
  std::optional<TextEncoding> legacy_encoding;  // nullopt: detect the code page
  std::optional<TextEncoding> output_encoding;  // nullopt: the input's encoding
  EolMode eol = EolMode::kAuto;
  bool whole_file = false;  // also convert a designer header
  RunControls run;
};

struct FileOutcome {
  QByteArray output;
  TextEncoding source_encoding;  // what the input was read as, with bom set when it had one
  TextEncoding encoding;         // what `output` is written in, with bom set when it begins with one
  std::optional<QString> error;  // the cause, for "FILE: cause"; nothing is to be written
  QStringList warnings;          // for "FILE: warning: ..."; the output is still written
  QString input_encoding;        // how the input was read: "Shift_JIS (detected)"
  RunResult run;
};

// How an input's bytes are read as text: with the encoding given, or detected.
DecodedText DecodeInput(const QByteArray& bytes, const ConversionSettings& settings);

// The whole way of one file's bytes: decode, set aside the designer header, give the text
// CR LF line breaks (EolMode::kAuto), run the pipeline, restore the line breaks, encode.
// With kAuto a file with mixed line breaks is converted with all of them made CR LF and
// written in its most frequent kind, with a warning giving the counts; a non-empty input
// whose result is empty gets a warning; kKeep hands the text over exactly as decoded.
FileOutcome ConvertBytes(const QByteArray& bytes, const ConversionSettings& settings);

}  // namespace veldrane::files
