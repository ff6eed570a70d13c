#include "translation/pascal_text.h"

#include <gtest/gtest.h>

namespace veldrane::translation {
namespace {

struct NameRow {
  const char* vb;
  const char* pascal;
};

TEST(PascalName, EscapesReservedWordsOnly) {
  const NameRow rows[] = {
      {"Type", "&Type"},      {"END", "&END"},       {"xor", "&xor"},
      {"Label", "&Label"},    {"Result", "Result_"}, {"self", "self_"},
      {"Counter", "Counter"}, {"Types", "Types"},    {"Left", "Left"},
  };
  for (const NameRow& row : rows) EXPECT_EQ(PascalName(row.vb), row.pascal) << row.vb;
}

struct LiteralRow {
  std::u16string text;
  std::string pascal;
};

TEST(PascalStringLiteral, QuotesPrintableAsciiAndNumbersTheRest) {
  const LiteralRow rows[] = {
      {u"", "''"},
      {u"abc", "'abc'"},
      {u"it's", "'it''s'"},
      {u"\r\n", "#13#10"},
      {u"a\tb", "'a'#9'b'"},
      {u"日本", "#26085#26412"},
      {u"caf\u00e9!", "'caf'#233'!'"},
      {u"\x7f", "#127"},
  };
  for (const LiteralRow& row : rows) EXPECT_EQ(PascalStringLiteral(row.text), row.pascal) << row.pascal;
}

TEST(PascalStringLiteral, SplitsLongTextIntoPiecesWithinDelphisLimit) {
  const std::string literal = PascalStringLiteral(std::u16string(450, u'x'));
  EXPECT_EQ(literal, "'" + std::string(200, 'x') + "' + '" + std::string(200, 'x') + "' + '" +
                         std::string(50, 'x') + "'");
}

TEST(CommentText, KeepsTheCommentOpenAndOnOneLine) {
  EXPECT_EQ(CommentText(u"a } b\r\nc \u00e9"), "a } b  c \xc3\xa9");
}

TEST(PascalWriter, IndentsNonEmptyLinesByBlockDepth) {
  PascalWriter writer;
  writer.Line("begin");
  writer.Indent();
  writer.Line("x := 1;");
  writer.Line("");
  writer.Outdent();
  writer.Line("end");
  writer.EndStatement();
  EXPECT_EQ(writer.Text(), "begin\n  x := 1;\n\nend;\n");
}

}  // namespace
}  // namespace veldrane::translation
