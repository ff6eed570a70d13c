// How the parser reads statements and expressions, a row per rule of the language.
#include <gtest/gtest.h>

#include "core/table_test.h"
#include "tree_text.h"
#include "vb/parser.h"

namespace veldrane::vb {
namespace {

// The statements of a Sub's body written as `text`, rendered one after another.
std::string BodyText(const std::string& text, std::size_t* diagnostics = nullptr) {
  const Module module = Parse(testing::Utf16("Sub S()\n" + text + "\nEnd Sub\n"));
  if (diagnostics) *diagnostics = module.diagnostics.size();
  if (module.body.empty() || module.body[0]->kind != StmtKind::kProcedure) return "no procedure";
  std::string out;
  for (const StmtPtr& s : module.body[0]->As<ProcedureStmt>().body) {
    if (!out.empty()) out += " ";
    out += testing::StmtText(*s);
  }
  return out;
}

struct Row {
  const char* name;
  const char* text;
  const char* tree;
};

const Row kExpressionRows[] = {
    {"^ binds tighter than unary minus", "x = -2 ^ 2", "(assign x (neg (^ int:2 int:2)))"},
    {"an exponent may have a sign", "x = 2 ^ -1", "(assign x (^ int:2 (neg int:1)))"},
    {"* / then \\ then Mod then + -", "x = a + b Mod c \\ d * e", "(assign x (+ a (mod b (\\ c (* d e)))))"},
    {"& below + and above comparisons", "x = a & b + c = d", "(assign x (= (& a (+ b c)) d))"},
    {"Not below comparisons, above And", "x = Not a = b And c", "(assign x (and (not (= a b)) c))"},
    {"And Or Xor Eqv Imp from tight to loose", "x = a Imp b Eqv c Xor d Or e And f",
     "(assign x (imp a (eqv b (xor c (or d (and e f))))))"},
    {"Like and Is compare", "x = s Like \"a*\" And o Is Nothing",
     "(assign x (and (like s str:\"a*\") (is o nothing)))"},
    {"Not as an operand", "x = a Or Not b", "(assign x (or a (not b)))"},
    {"integer literals take VB's type and value",
     "x = f(32767, 32768, &HFFFF, &HFFFF&, &H10000, 1.5, 2#, 3!)",
     "(assign x (call f int:32767 lng:32768 int:-1 lng:65535 lng:65536 dbl:1.5 dbl:2 sng:3))"},
    {"True, False, Nothing, Empty, Null, dates", "x = f(True, False, Nothing, Empty, Null, #1/2/2000#)",
     "(assign x (call f bool:-1 bool:0 nothing empty null date:1/2/2000))"},
    {"index and call are one node; named, omitted and ByVal arguments", "x = a(1)(2) + f(1, , y:=2, ByVal z)",
     "(assign x (+ (call (call a int:1) int:2) (call f int:1 _ y:=int:2 byval z)))"},
    {"keywords as member names", "x = o.Name & o.Left & o.Type & o.End.Print",
     "(assign x (& (& (& (. o Name) (. o Left)) (. o Type)) (. (. o End) Print)))"},
    {"dictionary access and With members", "x = rs!Total + .Count + !Key",
     "(assign x (+ (+ (! rs Total) (. _ Count)) (! _ Key)))"},
    {"New, TypeOf, AddressOf", "x = f(New ADODB.Recordset, TypeOf o Is Form, AddressOf M.Proc)",
     "(assign x (call f (new ADODB.Recordset) (typeof o Form) (addressof (. M Proc))))"},
    {"parentheses are kept", "x = (a + b) * c", "(assign x (* (paren (+ a b)) c))"},
};

TEST(VbParserRules, Expressions) {
  for (const Row& row : kExpressionRows) {
    TRACE_ROW(kExpressionRows, row);
    std::size_t diagnostics = 0;
    EXPECT_EQ(BodyText(row.text, &diagnostics), row.tree);
    EXPECT_EQ(diagnostics, 0u);
  }
}

const Row kStatementRows[] = {
    {"a call without parentheses", "f 1, , 3", "(callstmt f int:1 _ int:3)"},
    {"F (a) passes a parenthesised expression", "f (a)", "(callstmt f (paren a))"},
    {"F (a), b: the first argument is parenthesised", "f (a), b", "(callstmt f (paren a) b)"},
    {"x (1) = 2 is an assignment to an element", "x (1) = 2", "(assign (call x int:1) int:2)"},
    {"Call with parentheses passes the arguments", "Call f(a, b)", "(Call f a b)"},
    {"a method on an element", "c(1).Remove i", "(callstmt (. (call c int:1) Remove) i)"},
    {"Let and Set", "Let a = 1: Set o = New C", "(let a int:1) (set o (new C))"},
    {"the Mid statement", "Mid$(s, 2, 1) = \"z\": Mid(s, 3) = t",
     "(Mid$ s int:2 int:1 str:\"z\") (Mid s int:3 _ t)"},
    {"Debug.Print keeps its separators", "Debug.Print a; b, Spc(2); Tab(10);",
     "(print Debug a; b, (call Spc int:2); (call Tab int:10);)"},
    {"Print with leading separator and adjacent items", "Print , a b", "(print _ _, a; b)"},
    {"labels and line numbers", "10 a = 1\nL1: b = 2\n20: GoTo L1",
     "(label 10) (assign a int:1) (label L1) (assign b int:2) (label 20) (goto L1)"},
    {"single-line If with Else and several statements", "If a Then b = 1: c Else d = 2",
     "(if a [ (assign b int:1) (callstmt c) ] else [ (assign d int:2) ])"},
    {"single-line If nested: Else belongs to the inner If", "If a Then If b Then c Else d",
     "(if a [ (if b [ (callstmt c) ] else [ (callstmt d) ]) ])"},
    {"If ... Then line number", "If a Then 100", "(if a [ (goto 100) ])"},
    {"block If, ElseIf, Else with trailing comments", "If a Then ' why\nb\nElseIf c Then\nElse\nEnd If",
     "(if a [ (comment  why) (callstmt b) ] c [ ] else [ ])"},
    {"Rem and ' comments, blank lines in place", "a\n\nRem r\n' q",
     "(callstmt a) (blank) (comment r) (comment  q)"},
    {"a statement that does not parse is kept and the next one read", "x = = 1: y = 2\nz = (",
     "(unparsed x = = 1) (assign y int:2) (unparsed z = ()"},
    {"a failed If skips its whole line", "If a b Then c: d\ne", "(unparsed If a b Then c: d) (callstmt e)"},
    {"a stray terminator is kept", "Loop\na", "(unparsed Loop) (callstmt a)"},
    {"an ElseIf after Else is no branch", "If a Then\nElse\nElseIf b Then\nEnd If",
     "(if a [ ] else [ ]) (unparsed ElseIf b Then) (unparsed End If)"},
    {"an ElseIf that does not parse is kept in a branch never taken", "If a Then\nElseIf = Then\nb\nEnd If",
     "(if a [ ] bool:0 [ (unparsed ElseIf = Then) (callstmt b) ])"},
};

TEST(VbParserRules, Statements) {
  for (const Row& row : kStatementRows) {
    TRACE_ROW(kStatementRows, row);
    EXPECT_EQ(BodyText(row.text), row.tree);
  }
}

}  // namespace
}  // namespace veldrane::vb

namespace veldrane::vb {
namespace {

TEST(VbParserRules, DeepNestingIsBoundedNotFatal) {
  std::size_t diagnostics = 0;
  EXPECT_EQ(BodyText("x = " + std::string(60, '(') + "1" + std::string(60, ')'), &diagnostics).substr(0, 16),
            "(assign x (paren");
  EXPECT_EQ(diagnostics, 0u);
  std::string deep;
  for (int i = 0; i < 5000; ++i) deep += "If a Then\n";
  // Beyond the bound statements are kept as text with a diagnostic.
  EXPECT_NE(
      BodyText(deep + "x = " + std::string(5000, '(') + "\ny = 1", &diagnostics).find("(unparsed y = 1)"),
      std::string::npos);
  EXPECT_GT(diagnostics, 0u);
}

}  // namespace
}  // namespace veldrane::vb
