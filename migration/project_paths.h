#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace veldrane::migration {

// Folder below the output directory that receives the files a project takes from outside
// its own folder ("..\Shared\Util.bas" → "external/Shared/Util.pas").
inline constexpr char kExternalFolder[] = "external";

struct ResolvedPath {
  QString absolute_path;  // cleaned; empty when the file was not found
  QString problem;        // why it was not found
};

// Finds the file an entry of a project file names, relative to the project's folder
// `project_dir` (absolute). Backslashes and slashes both separate folders, ".." and "."
// are followed, and each name is matched exactly or, failing that, in any case (VB6 ran
// on a file system that ignores case). A drive-letter path cannot be found here.
ResolvedPath ResolveMemberPath(const QString& project_dir, const QString& entry_path);

// Where each of the files `absolute_paths` (cleaned, absolute) goes below the output
// directory, as a relative path with '/' separators and the source's own extension: the
// path relative to `project_dir` for a file inside it; for files outside it, kExternalFolder
// followed by the path relative to the deepest folder that holds the project folder and all
// those files. The results never climb with "..".
QStringList OutputRelativePaths(const QString& project_dir, const QStringList& absolute_paths);

// `relative` with its extension replaced by `extension` (".pas", ".dfm") and, when
// `base_name` is given, its file name replaced by base_name + extension.
QString WithExtension(const QString& relative, const QString& extension, const QString& base_name = {});

}  // namespace veldrane::migration
