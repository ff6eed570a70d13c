#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

#include "files/text_encoding.h"

namespace veldrane::migration {

// Folder below the output directory that receives the files a project takes from outside
// its own folder ("..\Shared\Util.bas" → "external/Shared/Util.pas").
inline constexpr char kExternalFolder[] = "external";

// Where a project's members may be read from: the project root (the folder that holds the
// .vbp, or a folder above it that the user names) and everything below it, never anything
// else. A downloaded project must not pull a user's other files (~/.ssh, /etc) into an
// output they may publish. Paths are native bytes.
struct ProjectFolder {
  QByteArray root;         // as the user named it (or the .vbp's folder)
  QByteArray project_dir;  // the .vbp's folder below the root, '/'-separated; empty: the root
};

// The folder of the project file `vbp_path` below `root` (empty: the .vbp's own folder); the
// cause when the root cannot be opened or does not hold the project file.
std::optional<QString> LocateProjectFolder(const QByteArray& vbp_path, const QByteArray& root,
                                           ProjectFolder* folder);

struct ResolvedPath {
  QByteArray relative;  // below the root, '/'-separated, no link in it; empty when refused
  QString problem;      // why not; names are kept lossless (files::ArgumentFromNative)
};

// Finds the file an entry of a project file names, relative to the project's folder.
// Backslashes and slashes both separate folders, "." and ".." are followed by name, and each
// name is matched by its bytes in the project's code page `code_page`, then in UTF-8, then by
// a case-insensitive match of the folder's names decoded (UTF-8, else the code page): VB6 ran
// on a file system that ignores case, and an archive may carry the names in either form.
// Refused: an absolute path (Windows or Unix), a ".." that climbs above the root, and a
// member that is, or lies in a folder that is, a symbolic link leading outside the root.
ResolvedPath ResolveMemberPath(const ProjectFolder& folder, const QString& entry_path,
                               const files::TextEncoding& code_page);

// Where each of the files `relative_paths` (below the root, as ResolveMemberPath gives them)
// goes below the output directory, '/'-separated with the source's own extension: the path
// relative to the project's folder for a file inside it; for files outside it,
// kExternalFolder followed by the path relative to the deepest folder that holds the project
// folder and all those files. The results never climb with "..".
QList<QByteArray> OutputRelativePaths(const QByteArray& project_dir, const QList<QByteArray>& relative_paths);

// `relative` with its extension replaced by `extension` (".pas", ".dfm") and, when
// `base_name` is given, its file name replaced by base_name + extension.
QString WithExtension(const QString& relative, const QString& extension, const QString& base_name = {});

}  // namespace veldrane::migration
