#pragma once

#include <functional>

#include "vb/syntax_tree.h"

namespace veldrane::vb {

// Calls `visit` for every statement of `list` and, after each, for those of its bodies
// (procedure, If branches and Else, Case clauses, loops, With, Type and Enum members), in
// source order.
void ForEachStatement(const StmtList& list, const std::function<void(const Stmt&)>& visit);

}  // namespace veldrane::vb
