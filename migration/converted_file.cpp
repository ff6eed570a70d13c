#include "migration/converted_file.h"

#include <QRegularExpression>
#include <QSet>

#include "migration/form_design.h"

namespace veldrane::migration {
namespace {

// A module's or class's unit: the usual units and what its declarations need in the interface,
// the project's other units in the implementation.
UnitSkeleton ModuleSkeleton(const QString& unit_name, const UnitContext& context) {
  UnitSkeleton skeleton;
  skeleton.unit_name = unit_name;
  skeleton.interface_uses = QStringList{"SysUtils", "Classes", "Variants"} + *context.interface_uses;
  skeleton.implementation_uses = context.other_units;
  for (const QString& unit : *context.interface_uses) skeleton.implementation_uses.removeAll(unit);
  return skeleton;
}

}  // namespace

ConvertedFile MakeConvertedFile(VbSourceInfo info, const QString& source_text,
                                const QString& converted_text) {
  static const QRegularExpression kRoutineStart(
      R"(^\s*(?:(?:Public|Private|Friend|Static)\s+)*(?:procedure|function|Property\s+(?:Get|Let|Set))\b)",
      QRegularExpression::CaseInsensitiveOption);
  ConvertedFile file;
  file.source_lines = source_text.split(QRegularExpression("\r\n|\r|\n"));
  file.lines = SplitLines(converted_text);
  file.headers = LocateHeaders(file.lines, info.routines);
  file.declarations_end = int(file.lines.size());
  for (int i = 0; i < int(file.lines.size()); ++i)
    if (kRoutineStart.match(file.lines[i].text).hasMatch()) {
      file.declarations_end = i;
      break;
    }
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

PascalDeclarations FileDeclarations(const ConvertedFile& file, const NameResolver& resolve) {
  const int end =
      file.info.routines.empty() ? int(file.source_lines.size()) : file.info.routines.front().line - 1;
  return ReadDeclarations(file.source_lines, file.info.designer_lines, end, resolve);
}

MethodHeader VbMethod(const ConvertedFile& file, const ConvertedHeader& header, const NameResolver& resolve,
                      QStringList* not_carried) {
  const SourceRoutine& routine = file.info.routines[header.routine];
  // The VB header with its continued lines.
  QString code;
  for (int i = routine.line - 1; i < file.source_lines.size(); ++i) {
    const QString line = file.source_lines[i];
    code += line.left(CodeOfLine(line).size());
    if (!code.endsWith(" _")) break;
    code.chop(1);
  }
  QStringList no_default;
  MethodHeader method{header.keyword, DelphiIdentifier(routine.name),
                      PascalParameters(ParameterText(code), resolve, &no_default), ";", QString()};
  if (routine.kind == SourceRoutine::Kind::kFunction)
    method.tail = ": " + PascalType(FunctionResultType(code), resolve) + ";";
  for (const QString& name : no_default)
    not_carried->append(QString("Optional %1 of %2 (line %3): a Variant parameter has no default in Pascal")
                            .arg(name, routine.name)
                            .arg(routine.line));
  return method;
}

std::vector<TextLine> CodeLines(const ConvertedFile& file) {
  std::vector<TextLine> code = file.lines;
  for (int i = 0; i < file.declarations_end; ++i)
    if (!code[i].text.trimmed().isEmpty()) code[i].text.prepend("// ");
  return code;
}

QStringList Section(const QString& keyword, const QStringList& lines) {
  return lines.isEmpty() ? QStringList() : QStringList{keyword} + lines;
}

QStringList Indented(const QStringList& lines) {
  QStringList indented;
  for (const QString& line : lines) indented.append("  " + line);
  return indented;
}

BuiltUnit BuildModuleUnit(const QString& unit_name, const ConvertedFile& file, const UnitContext& context) {
  BuiltUnit built;
  const PascalDeclarations declarations = FileDeclarations(file, context.resolve);
  built.not_carried = declarations.not_carried;
  QStringList routines;
  std::vector<TextLine> code = CodeLines(file);
  for (const ConvertedHeader& header : file.headers) {
    const SourceRoutine& routine = file.info.routines[header.routine];
    const MethodHeader method = VbMethod(file, header, context.resolve, &built.not_carried);
    code[header.line].text = RewrittenHeaderLine(code[header.line].text, header, QString(), method);
    if (!routine.is_public && routine.name.compare("Main", Qt::CaseInsensitive) != 0) continue;
    routines.append(Declaration(method));
    ++built.methods;
  }
  UnitSkeleton skeleton = ModuleSkeleton(unit_name, context);
  // Private constants too: a public routine's default value may name one.
  skeleton.interface_lines << Section("const", declarations.public_constants + declarations.private_constants)
                           << Section("type", declarations.public_types)
                           << Section("var", declarations.public_variables) << routines;
  skeleton.implementation_lines << Section("type", declarations.private_types)
                                << Section("var", declarations.private_variables);
  built.unit = AssembleUnit(skeleton, std::move(code), file.eol);
  built.left_as_converted = RoutinesLeftAsConverted(file);
  return built;
}

BuiltUnit BuildClassUnit(const QString& unit_name, const QString& class_name, const ConvertedFile& file,
                         const UnitContext& context) {
  BuiltUnit built;
  const PascalDeclarations declarations = FileDeclarations(file, context.resolve);
  built.not_carried = declarations.not_carried;
  QStringList private_part = Indented(declarations.private_variables),
              public_part = Indented(declarations.public_variables);
  std::vector<TextLine> code = CodeLines(file);
  for (const ConvertedHeader& header : file.headers) {
    const SourceRoutine& routine = file.info.routines[header.routine];
    MethodHeader method = VbMethod(file, header, context.resolve, &built.not_carried);
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
  UnitSkeleton skeleton = ModuleSkeleton(unit_name, context);
  skeleton.interface_lines << Section("const", declarations.public_constants + declarations.private_constants)
                           << "type" << declarations.public_types << declarations.private_types
                           << QString("  %1 = class").arg(class_name);
  if (!private_part.isEmpty()) skeleton.interface_lines << "  private" << private_part;
  if (!public_part.isEmpty()) skeleton.interface_lines << "  public" << public_part;
  skeleton.interface_lines << "  end;";
  built.unit = AssembleUnit(skeleton, std::move(code), file.eol);
  built.left_as_converted = RoutinesLeftAsConverted(file);
  return built;
}

}  // namespace veldrane::migration
