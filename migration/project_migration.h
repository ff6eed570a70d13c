#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "files/file_conversion.h"
#include "migration/frx_resources.h"

namespace veldrane::migration {

// Writes one output, `relative_path` ('/' separators) below the output directory; the cause
// on failure. Supplied by the caller, so that every output goes through the files layer's
// safe writer.
using OutputWriter =
    std::function<std::optional<QString>(const QString& relative_path, const QByteArray& bytes)>;

struct ProjectOutcome {
  QString dpr_path;     // relative to the output directory; empty when the project was not read
  QString report_path;  // likewise
  bool dpr_written = false, report_written = false;  // false: what is at the path is not this run's
  int units = 0;                                     // units written
  QStringList problems;    // one line each ("Module=X; x.bas (line 4): not found: ..."), nothing silent
  QString code_page;       // the project's (project_code_page.h): "GBK (font Charset 134)"
  QStringList files_read;  // "Form1.frm: GBK (project code page)", one for each member converted
};

// Migrates the project `vbp_path`, all of its files read in one code page where they are
// not Unicode (ChooseProjectCodePage; settings.input_encoding forces one encoding for all):
// P.dpr, one unit per form, module, class and user control (a .dfm beside each form's and
// user control's unit), and the report P.migration.md, all through `write`. Each file's
// code goes through files::ConvertBytes with `settings` (the
// designer header always set aside: it becomes the .dfm). A member that cannot be found,
// read or converted is reported and the others still migrate. Up to `jobs` files are
// converted at once; the outputs do not depend on it. Members are read only below
// `project_root` (empty: the .vbp's folder; see project_paths.h), and a refused one is
// reported like a missing one. Paths are lossless (files::ArgumentFromNative), so that names
// that are not UTF-8 keep their bytes, and so are the relative paths given to `write`.
// The .frx files a form (`form_path`, lossless) names, read beside it as regular files only; a
// name differing in case is found too, as VB found it. Their texts are in `code_page`.
FrxSource FrxBesideForm(const QString& form_path, const files::TextEncoding& code_page);

ProjectOutcome MigrateProject(const QString& vbp_path, const files::ConversionSettings& settings, int jobs,
                              const OutputWriter& write, const QString& project_root = {});

}  // namespace veldrane::migration
