#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "migration/routine_headers.h"
#include "migration/text_lines.h"
#include "migration/unit_text.h"
#include "migration/vb_source_scan.h"

namespace veldrane::migration {

// One source file after the exact conversion: what the VB source holds and the converted
// lines with the routine headers found in them.
struct ConvertedFile {
  VbSourceInfo info;
  std::vector<TextLine> lines;
  std::vector<ConvertedHeader> headers;
  QString eol;  // the break the skeleton's lines get: the converted text's own
};

ConvertedFile MakeConvertedFile(VbSourceInfo info, const QString& converted_text);

// A unit built around a converted file.
struct BuiltUnit {
  UnitText unit;
  int methods = 0;                // routines declared in the interface or made methods
  QStringList left_as_converted;  // routines whose header stays as the conversion wrote it
};

// The routines of `file` that LocateHeaders did not find, as "Name (line N)".
QStringList RoutinesLeftAsConverted(const ConvertedFile& file);

// A standard module: its routines declared Public (or without modifier) are declared in the
// interface; the converted headers already read as Pascal routines and stay.
BuiltUnit BuildModuleUnit(const QString& unit_name, const ConvertedFile& file,
                          const QStringList& other_units);

// A class module: one class type `class_name` whose methods are the routines (Private ones
// private); Class_Initialize becomes the constructor Create, Class_Terminate the destructor
// Destroy, and every header is rewritten as its method's implementation.
BuiltUnit BuildClassUnit(const QString& unit_name, const QString& class_name, const ConvertedFile& file,
                         const QStringList& other_units);

}  // namespace veldrane::migration
