#pragma once

// The parser's internals, shared by the files that implement its parts (statement lists,
// declarations, executable statements, expressions).

#include <string>
#include <string_view>
#include <vector>

#include "vb/lexer.h"
#include "vb/syntax_tree.h"

namespace veldrane::vb {

// Thrown where a statement stops making sense; the statement becomes an UnparsedStmt.
struct SyntaxError {
  std::size_t token;  // index of the offending token
  std::string message;
};

// The blocks a statement can close (by its own terminator or one of an enclosing block).
enum class Block { kNone, kModule, kProcedure, kIf, kSelect, kFor, kDo, kWhile, kWith, kSingleLineIf };

class Parser {
 public:
  // Bounds the nesting of statements and expressions, so no input exhausts the stack.
  class DepthGuard {
   public:
    explicit DepthGuard(Parser& parser) : parser_(parser) {
      if (++parser_.depth_ > kMaxDepth) {
        --parser_.depth_;
        parser_.Fail("nested too deeply");
      }
    }
    ~DepthGuard() { --parser_.depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

   private:
    static constexpr int kMaxDepth = 200;
    Parser& parser_;
  };

  Parser(std::u16string_view source, std::vector<Token> tokens, Module& module);
  void ParseModule();

 private:
  // Tokens (parser.cpp)
  const Token& Peek(std::size_t ahead = 0) const;
  const Token& Take();
  bool AtWord(std::u16string_view word, std::size_t ahead = 0) const;
  bool AtPunct(std::u16string_view punct, std::size_t ahead = 0) const;
  bool AtEndOfStatement(std::size_t ahead = 0) const;
  bool TakeWord(std::u16string_view word);
  bool TakePunct(std::u16string_view punct);
  void ExpectWord(std::u16string_view word);
  void ExpectPunct(std::u16string_view punct);
  void ExpectEndOfStatement();
  const Token& ExpectName(const char* what);
  [[noreturn]] void Fail(const std::string& message) const;
  int Line() const { return Peek().line; }
  void Diagnose(const Token& at, const std::string& message);
  std::u16string SourceText(std::size_t first_token, std::size_t end_token) const;

  // Statement lists (parser.cpp)
  bool TakeTrivia(StmtList& out);
  void ParseStatements(StmtList& out, Block self);
  Block TerminatorAt() const;
  bool IsOpen(Block block) const;
  void ParseStatementRecovering(StmtList& out);
  // After a syntax error in what started at token `start`: the diagnostic, the rest of the
  // statement (or line) skipped, and what was skipped as an UnparsedStmt.
  StmtPtr Recover(const SyntaxError& error, std::size_t start, bool whole_line);
  void ParseStatement(StmtList& out);
  void ParseAttribute();
  void EndBlock(Block block, std::u16string_view terminator, int* end_line);

  // Declarations (declaration_parser.cpp)
  bool ParseDeclaration(StmtList& out);
  Scope TakeScope();
  void ParseVariables(StmtList& out, Scope scope);
  VarDeclarator ParseVarDeclarator();
  void ParseConst(StmtList& out, Scope scope);
  void ParseType(StmtList& out, Scope scope);
  void ParseEnum(StmtList& out, Scope scope);
  void ParseDeclare(StmtList& out, Scope scope);
  void ParseEvent(StmtList& out, Scope scope);
  void ParseProcedure(StmtList& out, Scope scope, bool is_static);
  std::vector<Parameter> ParseParameters();
  TypeRef ParseAsType();
  TypeRef ParseTypeName();
  std::vector<ArrayBound> ParseBounds();
  void ParseOption(StmtList& out);
  void ParseDefType(StmtList& out);
  void ParseMembersUntilEnd(StmtList& body, std::u16string_view end_word, bool is_enum, int* end_line);

  // Executable statements (statement_parser.cpp)
  void ParseIf(StmtList& out);
  void ParseSingleLineBody(StmtList& out);
  void ParseSelect(StmtList& out);
  void ParseFor(StmtList& out);
  void ParseDo(StmtList& out);
  void ParseWhile(StmtList& out);
  void ParseWith(StmtList& out);
  void ParseExit(StmtList& out);
  void ParseOn(StmtList& out);
  void ParseResume(StmtList& out);
  void ParseReDim(StmtList& out);
  void ParseErase(StmtList& out);
  void ParseRaiseEvent(StmtList& out);
  void ParseLSet(StmtList& out, bool right);
  void ParseAssignment(StmtList& out, AssignKind kind);
  void ParseCall(StmtList& out);
  void ParseExpressionStatement(StmtList& out);
  void ParsePrint(StmtList& out, ExprPtr object, bool is_write, bool on_with_object = false);
  void ParseGraphics(StmtList& out, ExprPtr object, std::u16string method, bool on_with_object);
  void ParseOpen(StmtList& out);
  void ParseClose(StmtList& out);
  void ParseFileStatement(StmtList& out);
  ExprPtr ParseFileNumber();
  bool AtContextualStatement() const;
  std::u16string ParseLabelName();

  // Expressions (expression_parser.cpp)
  ExprPtr ParseExpression();
  ExprPtr ParseLevel(int level);
  ExprPtr ParseUnary();
  ExprPtr ParsePower();
  ExprPtr ParsePrimary();
  ExprPtr ParsePostfix(ExprPtr expr, bool statement_callee);
  ExprPtr ParseCallee();
  // A name, member or call: what can be assigned, called or counted.
  ExprPtr ParseReference(const char* what);
  std::vector<Argument> ParseArgumentsInParens();
  std::vector<Argument> ParseArgumentsToEnd();
  Argument ParseArgument();
  ExprPtr NameFromToken(const Token& t);
  ExprPtr LiteralFromToken(const Token& t);

  std::u16string_view source_;
  std::vector<Token> tokens_;
  Module& module_;
  std::size_t pos_ = 0;
  bool at_line_start_ = true;
  std::vector<Block> open_blocks_;
  int pending_next_ = 0;  // loops still to close by a `Next j, i` already read
  int depth_ = 0;         // nesting of expressions and blocks, bounded
};

// Whether an expression names something (a variable, member, element or procedure).
bool IsReference(const Expr& e);

// Methods written with points, (x, y) or Step (x, y): Line, Circle, PSet, Scale.
bool IsGraphicsMethod(std::u16string_view name);

// False, standing for a condition that did not parse (its text is kept as an UnparsedStmt).
ExprPtr FalseLiteral(int line);

// Builds a literal from a number token: VB's type from the digits, the radix and the suffix.
ExprPtr NumberLiteral(const Token& t);

}  // namespace veldrane::vb
