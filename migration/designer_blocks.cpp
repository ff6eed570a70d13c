#include "migration/designer_blocks.h"

#include <QRegularExpression>
#include <QStringList>

namespace veldrane::migration {
namespace {

// The value part of `Name = value 'comment`: a quoted string keeps its quotes (and a `:0000` .frx
// offset behind it); anything else ends at the comment.
QString ValueWithoutComment(const QString& text) {
  qsizetype i = 0;
  if (text.startsWith(u'$')) i = 1;
  if (i < text.size() && text[i] == u'"') {
    ++i;
    while (i < text.size()) {
      if (text[i] == u'"') {
        if (i + 1 < text.size() && text[i + 1] == u'"') {
          i += 2;
          continue;
        }
        ++i;
        break;
      }
      ++i;
    }
    while (i < text.size() && text[i] != u'\'') ++i;
    return text.left(i).trimmed();
  }
  const qsizetype quote = text.indexOf(u'\'');
  return (quote < 0 ? text : text.left(quote)).trimmed();
}

bool StartsWithWord(const QString& line, const QString& word) {
  return line.startsWith(word, Qt::CaseInsensitive) &&
         (line.size() == word.size() || line[word.size()].isSpace());
}

}  // namespace

const RawProperty* RawBlock::Find(const QString& property_name) const {
  for (const RawProperty& property : properties)
    if (property.name.compare(property_name, Qt::CaseInsensitive) == 0) return &property;
  return nullptr;
}

RawDesigner ReadDesignerBlocks(const QString& text) {
  RawDesigner result;
  std::vector<RawBlock*> open;  // open[0] is the root
  QStringList groups;           // open BeginProperty groups of the innermost block
  std::vector<QStringList> saved_groups;
  static const QRegularExpression kLineBreak(QStringLiteral("\r\n|\r|\n"));
  const QStringList lines = text.split(kLineBreak);
  for (qsizetype index = 0; index < lines.size(); ++index) {
    const int line_number = static_cast<int>(index + 1);
    const QString line = lines[index].trimmed();
    if (line.isEmpty()) continue;
    if (StartsWithWord(line, QStringLiteral("Begin"))) {
      const QStringList words = line.mid(5).split(u' ', Qt::SkipEmptyParts);
      RawBlock block;
      block.vb_class = words.value(0);
      block.vb_name = words.value(1);
      block.line = line_number;
      if (words.size() < 2)
        result.problems.push_back({line_number, QStringLiteral("`Begin` without a class and a name")});
      if (open.empty()) {
        if (result.found) break;
        result.found = true;
        result.root = std::move(block);
        open.push_back(&result.root);
      } else {
        RawBlock* parent = open.back();
        if (open.size() >= kMaxDesignerDepth) {
          parent = open[kMaxDesignerDepth - 1];
          result.problems.push_back(
              {line_number,
               QStringLiteral("Nested deeper than %1 levels: kept at that depth").arg(kMaxDesignerDepth)});
        }
        parent->children.push_back(std::move(block));
        open.push_back(&parent->children.back());
      }
      saved_groups.push_back(groups);
      groups.clear();
      continue;
    }
    if (open.empty()) continue;
    if (StartsWithWord(line, QStringLiteral("End"))) {
      if (!groups.isEmpty())
        result.problems.push_back({line_number, QStringLiteral("`BeginProperty` without `EndProperty`")});
      groups = saved_groups.back();
      saved_groups.pop_back();
      open.pop_back();
      if (open.empty()) return result;
      continue;
    }
    if (StartsWithWord(line, QStringLiteral("BeginProperty"))) {
      groups.append(line.mid(13).trimmed().section(u' ', 0, 0));
      continue;
    }
    if (StartsWithWord(line, QStringLiteral("EndProperty"))) {
      if (groups.isEmpty())
        result.problems.push_back({line_number, QStringLiteral("`EndProperty` without `BeginProperty`")});
      else
        groups.removeLast();
      continue;
    }
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0) {
      result.problems.push_back({line_number, QStringLiteral("Line not understood: %1").arg(line.left(80))});
      continue;
    }
    QString name = line.left(equals).trimmed();
    if (!groups.isEmpty()) name = groups.join(u'.') + u'.' + name;
    open.back()->properties.push_back(
        {name, ValueWithoutComment(line.mid(equals + 1).trimmed()), line_number});
  }
  if (!open.empty())
    result.problems.push_back(
        {static_cast<int>(lines.size()), QStringLiteral("The designer section ends without `End`")});
  return result;
}

}  // namespace veldrane::migration
