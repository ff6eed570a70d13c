#include "vb/tree_walk.h"

namespace veldrane::vb {

void ForEachStatement(const StmtList& list, const std::function<void(const Stmt&)>& visit) {
  for (const StmtPtr& s : list) {
    visit(*s);
    switch (s->kind) {
      case StmtKind::kProcedure:
        ForEachStatement(s->As<ProcedureStmt>().body, visit);
        break;
      case StmtKind::kType:
        ForEachStatement(s->As<TypeStmt>().body, visit);
        break;
      case StmtKind::kEnum:
        ForEachStatement(s->As<EnumStmt>().body, visit);
        break;
      case StmtKind::kIf:
        for (const IfBranch& b : s->As<IfStmt>().branches) ForEachStatement(b.body, visit);
        ForEachStatement(s->As<IfStmt>().else_body, visit);
        break;
      case StmtKind::kSelect:
        ForEachStatement(s->As<SelectStmt>().leading, visit);
        for (const CaseClause& c : s->As<SelectStmt>().cases) ForEachStatement(c.body, visit);
        break;
      case StmtKind::kFor:
        ForEachStatement(s->As<ForStmt>().body, visit);
        break;
      case StmtKind::kForEach:
        ForEachStatement(s->As<ForEachStmt>().body, visit);
        break;
      case StmtKind::kDo:
        ForEachStatement(s->As<DoStmt>().body, visit);
        break;
      case StmtKind::kWhile:
        ForEachStatement(s->As<WhileStmt>().body, visit);
        break;
      case StmtKind::kWith:
        ForEachStatement(s->As<WithStmt>().body, visit);
        break;
      default:
        break;
    }
  }
}

}  // namespace veldrane::vb
