#include "migration/converted_file.h"

#include <QSet>

namespace veldrane::migration {

ConvertedFile MakeConvertedFile(VbSourceInfo info, const QString& converted_text) {
  ConvertedFile file;
  file.lines = SplitLines(converted_text);
  file.headers = LocateHeaders(file.lines, info.routines);
  file.eol = DominantLineBreak(file.lines);
  file.info = std::move(info);
  return file;
}

QStringList RoutinesLeftAsConverted(const ConvertedFile& file) {
  QSet<int> located;
  for (const ConvertedHeader& header : file.headers) located.insert(header.routine);
  QStringList left;
  for (int i = 0; i < int(file.info.routines.size()); ++i) {
    if (located.contains(i)) continue;
    const SourceRoutine& routine = file.info.routines[i];
    left.append(QString("%1 (line %2)").arg(routine.name).arg(routine.line));
  }
  return left;
}

BuiltUnit BuildModuleUnit(const QString& unit_name, const ConvertedFile& file,
                          const QStringList& other_units) {
  UnitSkeleton skeleton;
  skeleton.unit_name = unit_name;
  skeleton.interface_uses = {"SysUtils", "Classes"};
  skeleton.implementation_uses = other_units;
  BuiltUnit built;
  for (const ConvertedHeader& header : file.headers) {
    const SourceRoutine& routine = file.info.routines[header.routine];
    if (!routine.is_public) continue;
    skeleton.interface_lines.append(Declaration(PlainMethod(file.lines[header.line], header, routine.name)));
    ++built.methods;
  }
  built.unit = AssembleUnit(skeleton, file.lines, file.eol);
  built.left_as_converted = RoutinesLeftAsConverted(file);
  return built;
}

BuiltUnit BuildClassUnit(const QString& unit_name, const QString& class_name, const ConvertedFile& file,
                         const QStringList& other_units) {
  UnitSkeleton skeleton;
  skeleton.unit_name = unit_name;
  skeleton.interface_uses = {"SysUtils", "Classes"};
  skeleton.implementation_uses = other_units;
  QStringList private_part, public_part;
  std::vector<TextLine> code = file.lines;
  BuiltUnit built;
  for (const ConvertedHeader& header : file.headers) {
    const SourceRoutine& routine = file.info.routines[header.routine];
    MethodHeader method = PlainMethod(file.lines[header.line], header, routine.name);
    const bool initialize = routine.name.compare("Class_Initialize", Qt::CaseInsensitive) == 0;
    const bool terminate = routine.name.compare("Class_Terminate", Qt::CaseInsensitive) == 0;
    if (initialize || terminate) {
      method = {initialize ? "constructor" : "destructor", initialize ? "Create" : "Destroy", "", ";",
                terminate ? " override;" : ""};
    }
    ((routine.is_public || initialize || terminate) ? public_part : private_part)
        .append("    " + Declaration(method));
    code[header.line].text = RewrittenHeaderLine(code[header.line].text, header, class_name, method);
    ++built.methods;
  }
  skeleton.interface_lines << "type" << QString("  %1 = class").arg(class_name);
  if (!private_part.isEmpty()) skeleton.interface_lines << "  private" << private_part;
  if (!public_part.isEmpty()) skeleton.interface_lines << "  public" << public_part;
  skeleton.interface_lines << "  end;";
  built.unit = AssembleUnit(skeleton, std::move(code), file.eol);
  built.left_as_converted = RoutinesLeftAsConverted(file);
  return built;
}

}  // namespace veldrane::migration
