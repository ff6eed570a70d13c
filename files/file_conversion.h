#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "files/pipeline_run.h"
#include "files/text_encoding.h"

namespace veldrane::files {

enum class EolMode { kAuto, kKeep };

struct ConversionSettings {
  std::optional<TextEncoding> input_encoding;  // nullopt: detect (BOM, UTF-8, legacy)
  TextEncoding legacy_encoding{TextEncoding::Kind::kNamed, "windows-1252", false};
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
  RunResult run;
};

// How an input's bytes are read as text: with the encoding given, or detected.
DecodedText DecodeInput(const QByteArray& bytes, const ConversionSettings& settings);

// The whole way of one file's bytes: decode, set aside the designer header, give the text
// CR LF line breaks where needed, run the pipeline, restore the line breaks, encode.
FileOutcome ConvertBytes(const QByteArray& bytes, const ConversionSettings& settings);

}  // namespace veldrane::files
