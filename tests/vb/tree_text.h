#pragma once

#include <string>
#include <string_view>

#include "vb/syntax_tree.h"

namespace veldrane::vb::testing {

// UTF-8 to UTF-16 for test inputs.
std::u16string Utf16(std::string_view utf8);
std::string Utf8(std::u16string_view utf16);

// A compact, fully parenthesised rendering of an expression: (+ a (* b c)), (call f 1 _ x:=2).
std::string ExprText(const Expr* e);
// A statement in the same style; statements with bodies show their kind and body only.
std::string StmtText(const Stmt& s);

}  // namespace veldrane::vb::testing
