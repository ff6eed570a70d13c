#include "migration/project_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace veldrane::migration {
namespace {

bool IsInside(const QString& dir, const QString& path) {
  return dir == "/" ? path.startsWith(u'/') : path.startsWith(dir + u'/');
}

QString CommonFolder(QString a, const QString& b) {
  while (a != "/" && !IsInside(a, b) && a != b) a = QFileInfo(a).path();
  return a;
}

// The entry of `dir` called `name`, exactly or else in any case; empty when there is none.
QString FindEntry(const QDir& dir, const QString& name) {
  if (QFileInfo::exists(dir.filePath(name))) return name;
  const QStringList entries =
      dir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
  for (const QString& entry : entries) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
  }
  return {};
}

}  // namespace

ResolvedPath ResolveMemberPath(const QString& project_dir, const QString& entry_path) {
  static const QRegularExpression kDrive("^[A-Za-z]:");
  QString path = entry_path.trimmed();
  path.replace(u'\\', u'/');
  if (path.isEmpty()) return {{}, "no file name"};
  if (kDrive.match(path).hasMatch()) return {{}, "absolute Windows path; copy the file next to the project"};
  QString current = path.startsWith(u'/') ? QString("/") : QDir::cleanPath(project_dir);
  const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
  for (int i = 0; i < parts.size(); ++i) {
    const QString& part = parts[i];
    if (part == ".") continue;
    if (part == "..") {
      current = QFileInfo(current).path();
      continue;
    }
    const QString found = FindEntry(QDir(current), part);
    if (found.isEmpty()) return {{}, QString("not found: %1").arg(QDir(current).filePath(part))};
    current = QDir(current).filePath(found);
  }
  if (!QFileInfo(current).isFile()) return {{}, QString("not a regular file: %1").arg(current)};
  return {QDir::cleanPath(current), {}};
}

QStringList OutputRelativePaths(const QString& project_dir, const QStringList& absolute_paths) {
  const QString project = QDir::cleanPath(project_dir);
  QString anchor = project;
  for (const QString& path : absolute_paths) {
    if (!IsInside(project, path)) anchor = CommonFolder(anchor, path);
  }
  QStringList relative;
  for (const QString& path : absolute_paths) {
    if (IsInside(project, path)) {
      relative.append(QDir(project).relativeFilePath(path));
    } else {
      relative.append(QString(kExternalFolder) + u'/' + QDir(anchor).relativeFilePath(path));
    }
  }
  return relative;
}

QString WithExtension(const QString& relative, const QString& extension, const QString& base_name) {
  const QFileInfo info(relative);
  const QString name = (base_name.isEmpty() ? info.completeBaseName() : base_name) + extension;
  return info.path() == "." ? name : info.path() + u'/' + name;
}

}  // namespace veldrane::migration
