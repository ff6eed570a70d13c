#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

#include "files/text_encoding.h"

namespace veldrane::migration {

// The one code page a project's files are read in where they are not Unicode: the .vbp,
// the designer sections and the code alike, so that a name or caption reads the same in all.
struct ProjectCodePage {
  files::TextEncoding encoding;
  QString reason;  // "font Charset 134", "detected", "given", "no code page detected"

  QString Described() const { return QString("%1 (%2)").arg(encoding.DisplayName(), reason); }
};

// Chooses it from the bytes of all of the project's files together (the .vbp and its members,
// in any order): `given` (--legacy-encoding) when set; else the code page of the fonts'
// Charset in the designer sections (128 Shift_JIS, 134 GBK, 136 Big5, 129 windows-949,
// 222 windows-874, 238 windows-1250, 204 windows-1251, 161 to 163 and 177, 178, 186 the other
// Windows pages; the most frequent one) when every file that is not Unicode decodes in it;
// else the code page detected in those files' bytes taken as one text; else windows-1252.
ProjectCodePage ChooseProjectCodePage(const QList<QByteArray>& project_files,
                                      const std::optional<files::TextEncoding>& given = std::nullopt);

}  // namespace veldrane::migration
