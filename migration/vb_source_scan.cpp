#include "migration/vb_source_scan.h"

#include <QRegularExpression>

#include "files/designer_header.h"

namespace veldrane::migration {
namespace {

constexpr auto kInsensitive = QRegularExpression::CaseInsensitiveOption;

struct Detector {
  QString construct;
  QRegularExpression pattern;
};

const std::vector<Detector>& Detectors() {
  static const std::vector<Detector> kDetectors{
      {"On Error", QRegularExpression(R"(\bOn\s+(Local\s+)?Error\b)", kInsensitive)},
      {"GoTo", QRegularExpression(R"(\bGoTo\b)", kInsensitive)},
      {"GoSub", QRegularExpression(R"(\bGoSub\b)", kInsensitive)},
      {"Variant", QRegularExpression(R"(\bVariant\b)", kInsensitive)},
      {"Open/Print # file I/O",
       QRegularExpression(
           R"(^\s*Open\s|\b(Print|Input|Write|Get|Put|Close|Seek|Lock|Unlock)\s*#|\bLine\s+Input\s*#)",
           kInsensitive)},
      {"Set/New of COM objects", QRegularExpression(R"(\b(CreateObject|GetObject)\s*\()", kInsensitive)},
  };
  return kDetectors;
}

const QRegularExpression kOnError(R"(\bOn\s+(Local\s+)?Error\b)", kInsensitive);
// VB names may hold any letter (Café, 初期化), combining marks (Thai) and digits after the first.
const QString kName(R"([\p{L}_][\p{L}\p{M}\p{N}_]*)");
const QRegularExpression kNewObject(R"(\bNew\s+()" + kName + R"((?:\.)" + kName + ")*)", kInsensitive);
const QRegularExpression kVbName(R"re(^\s*Attribute\s+VB_Name\s*=\s*"([^"]*)")re", kInsensitive);
// The pipeline matches "Sub " and "Function " case-sensitively, so this does too.
const QRegularExpression kRoutine(
    R"(^\s*(?:(Public|Private|Friend)\s+)?(?:Static\s+)?(Sub|Function|Property\s+(?:Get|Let|Set))\s+()" +
    kName + ")");

const QRegularExpression kRoutineEnd(R"(^\s*End\s+(Sub|Function|Property)\b)");

bool IsComObjectLine(const QString& code, const QSet<QString>& project_classes) {
  for (auto it = kNewObject.globalMatch(code); it.hasNext();) {
    const QString type = it.next().captured(1);
    if (!project_classes.contains(type.toLower())) return true;
  }
  return false;
}

}  // namespace

QString ParameterText(const QString& code, qsizetype from) {
  const qsizetype open = code.indexOf(u'(', from);
  if (open < 0) return {};
  int depth = 0;
  for (qsizetype i = open; i < code.size(); ++i) {
    if (code[i] == u'(') ++depth;
    if (code[i] == u')' && --depth == 0) return code.mid(open + 1, i - open - 1);
  }
  return code.mid(open + 1);
}

int LineCount(const QString& text) {
  int lines = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == n || text[i + 1] != u'\n'))) ++lines;
  }
  return lines + (n > 0 && text.back() != u'\n' && text.back() != u'\r' ? 1 : 0);
}

QString RoutineBody(const QStringList& lines, const SourceRoutine& routine) {
  const int count = routine.end_line >= routine.line ? routine.end_line - routine.line + 1 : 1;
  return lines.mid(routine.line - 1, count).join(u'\n');
}

const QStringList& HandWorkConstructs() {
  static const QStringList kNames = [] {
    QStringList names;
    for (const Detector& detector : Detectors()) names.append(detector.construct);
    return names;
  }();
  return kNames;
}

QString CodeOfLine(const QString& line) {
  QString code;
  code.reserve(line.size());
  bool in_string = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (c == u'"') {
      in_string = !in_string;
      code += c;
    } else if (in_string) {
      code += u' ';
    } else if (c == u'\'') {
      break;
    } else {
      code += c;
    }
  }
  static const QRegularExpression kRem(R"((^|:)\s*Rem(\s|$))", kInsensitive);
  if (const auto rem = kRem.match(code); rem.hasMatch()) code.truncate(rem.capturedStart());
  return code;
}

VbSourceInfo ScanVbSource(const QString& text, const QSet<QString>& project_classes) {
  static const QRegularExpression kLineBreak("\r\n|\r|\n");
  VbSourceInfo info;
  const qsizetype header = files::DesignerHeaderLength(text);
  info.designer = text.left(header);
  const QStringList lines = text.split(kLineBreak);
  info.total_lines = LineCount(text);
  info.designer_lines = LineCount(info.designer);

  std::vector<HandWork> found(Detectors().size());
  for (int i = 0; i < lines.size(); ++i) {
    const QString& line = lines[i];
    if (info.vb_name.isEmpty()) {
      if (const auto m = kVbName.match(line); m.hasMatch()) info.vb_name = m.captured(1);
    }
    if (i < info.designer_lines) continue;
    const QString code = CodeOfLine(line);
    if (const auto m = kRoutine.match(code); m.hasMatch()) {
      const QString keyword = m.captured(2);
      SourceRoutine routine;
      routine.name = m.captured(3);
      routine.kind = keyword == "Sub"        ? SourceRoutine::Kind::kSub
                     : keyword == "Function" ? SourceRoutine::Kind::kFunction
                                             : SourceRoutine::Kind::kProperty;
      routine.is_public = m.captured(1) != "Private";
      routine.line = i + 1;
      routine.parameters = ParameterText(code, m.capturedEnd(3));
      info.routines.push_back(routine);
    } else if (kRoutineEnd.match(code).hasMatch() && !info.routines.empty() &&
               info.routines.back().end_line == 0) {
      info.routines.back().end_line = i + 1;
    }
    const bool on_error = kOnError.match(code).hasMatch();
    for (std::size_t d = 0; d < Detectors().size(); ++d) {
      const Detector& detector = Detectors()[d];
      bool hit = detector.pattern.match(code).hasMatch();
      if (detector.construct == "GoTo" && on_error) hit = false;  // counted as On Error
      if (detector.construct == "Set/New of COM objects" && !hit)
        hit = IsComObjectLine(code, project_classes);
      if (hit) found[d].lines.push_back(i + 1);
    }
  }
  for (std::size_t d = 0; d < found.size(); ++d) {
    if (found[d].lines.empty()) continue;
    found[d].construct = Detectors()[d].construct;
    info.hand_work.push_back(std::move(found[d]));
  }
  return info;
}

}  // namespace veldrane::migration
