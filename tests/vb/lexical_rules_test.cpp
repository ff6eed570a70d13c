// The lexical rules of VB6 source, a row each: what the tokens of a text are.
#include <gtest/gtest.h>

#include "core/table_test.h"
#include "tree_text.h"
#include "vb/lexer.h"

namespace veldrane::vb {
namespace {

// Identifiers I:, numbers N:, strings S:, dates D:, punctuation P:, comments C:, directives X:,
// inactive lines Z:, unknown U:; each line end as ;<line>.
std::string TokensText(const std::string& source) {
  std::string out;
  for (const Token& t : Lex(testing::Utf16(source))) {
    static constexpr const char* kTags[] = {"I:", "N:", "S:", "D:", "P:", "C:", "X:", "Z:", ";", "", "U:"};
    if (t.kind == TokenKind::kEnd) break;
    if (!out.empty()) out += " ";
    out += kTags[static_cast<int>(t.kind)];
    out += t.kind == TokenKind::kLineEnd ? std::to_string(t.line) : testing::Utf8(t.text);
    if (t.suffix) out += static_cast<char>(t.suffix);
    if (t.bracketed) out += "[]";
  }
  return out;
}

struct Row {
  const char* name;
  const char* text;
  const char* tokens;
};

const Row kRows[] = {
    {"a line continuation joins lines", "a = 1 + _\r\n  2\r\nb", "I:a P:= N:1 P:+ N:2 ;2 I:b ;3"},
    {"LF and CR line breaks", "a\rb\nc", "I:a ;1 I:b ;2 I:c ;3"},
    {"':' separates statements, ':=' names an argument", "a: f x:=1", "I:a P:: I:f I:x P::= N:1 ;1"},
    {"type characters after names", "s$ = i% + l& + f! + d# + c@",
     "I:s$ P:= I:i% P:+ I:l& P:+ I:f! P:+ I:d# P:+ I:c@ ;1"},
    {"'&' before a name concatenates", "x = a&b", "I:x P:= I:a P:& I:b ;1"},
    {"'!' before a name is dictionary access", "rs!Name = x!", "I:rs P:! I:Name P:= I:x! ;1"},
    {"hex and octal literals, & suffix", "&HFF& &O17 &17 &hff", "N:&HFF& N:&O17 N:&17 N:&hff ;1"},
    {"decimal literals with exponents and suffixes", "1.5E+3 .5 1D2 3# 2! 7@",
     "N:1.5E+3 N:.5 N:1D2 N:3# N:2! N:7@ ;1"},
    {"strings double their quotes", "\"say \"\"hi\"\"\"", "S:say \"hi\" ;1"},
    {"date literals", "d = #1/2/2000# + #12:30 PM#", "I:d P:= D:1/2/2000 P:+ D:12:30 PM ;1"},
    {"'#' of a file number is no date", "Print #1, #1/2/2000#: Put #1, , x#",
     "I:Print P:# N:1 P:, D:1/2/2000 P:: I:Put P:# N:1 P:, P:, I:x# ;1"},
    {"Rem starts a comment only where a statement starts", "x.Rem = 1: Rem note",
     "I:x P:. I:Rem P:= N:1 P:: C:note ;1"},
    {"a comment goes on past ' _'", "' one _\r\n two\r\nx", "C: one _\r\n two ;2 I:x ;3"},
    {"bracketed names", "[Type] = [a b]", "I:Type[] P:= I:a b[] ;1"},
    {"comparison operators, =< read as <=", "a <> b <= c >= d =< e",
     "I:a P:<> I:b P:<= I:c P:>= I:d P:<= I:e ;1"},
    {"#If keeps the branch that holds", "#If Win32 Then\r\na\r\n#Else\r\nb\r\n#End If",
     "X:#If Win32 Then ;1 I:a ;2 X:#Else ;3 Z:b ;4 X:#End If ;5"},
    {"#Const values decide #ElseIf",
     "#Const V = 2\n#If V = 1 Then\na\n#ElseIf V > 1 And Not Win16 Then\nb\n#End If",
     "X:#Const V = 2 ;1 X:#If V = 1 Then ;2 Z:a ;3 X:#ElseIf V > 1 And Not Win16 Then ;4 I:b ;5 X:#End If "
     ";6"},
    {"nested #If inside an inactive branch stays inactive", "#If 0 Then\n#If 1 Then\na\n#End If\n#End If\nb",
     "X:#If 0 Then ;1 X:#If 1 Then ;2 Z:a ;3 X:#End If ;4 X:#End If ;5 I:b ;6"},
};

TEST(VbLexicalRules, TokensOfEachRule) {
  for (const Row& row : kRows) {
    TRACE_ROW(kRows, row);
    EXPECT_EQ(TokensText(row.text), row.tokens);
  }
}

}  // namespace
}  // namespace veldrane::vb
