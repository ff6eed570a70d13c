#include "translation/control_members.h"
#include "translation/unit_translator.h"

namespace veldrane::translation {
namespace {

// Statements that can raise an error and are guarded where the routine handles errors.
bool IsGuardable(vb::StmtKind kind) {
  switch (kind) {
    case vb::StmtKind::kAssign:
    case vb::StmtKind::kCall:
    case vb::StmtKind::kReDim:
    case vb::StmtKind::kErase:
    case vb::StmtKind::kMid:
    case vb::StmtKind::kLSet:
    case vb::StmtKind::kPrint:
    case vb::StmtKind::kOpen:
    case vb::StmtKind::kClose:
    case vb::StmtKind::kInput:
    case vb::StmtKind::kLineInput:
    case vb::StmtKind::kGetPut:
    case vb::StmtKind::kSeek:
    case vb::StmtKind::kName:
    case vb::StmtKind::kRaiseEvent:
      return true;
    default:
      return false;
  }
}

bool IsVariantLike(const TypeInfo& t) {
  return !t.is_array && (t.base == VbType::kVariant || t.base == VbType::kUnknown);
}

std::string IntegerText(long n) { return n < 0 ? "(" + std::to_string(n) + ")" : std::to_string(n); }

}  // namespace

std::u16string UnitTranslator::SourceLine(int line) const {
  if (line < 1 || size_t(line) > source_lines_.size()) return u"";
  return source_lines_[size_t(line) - 1];
}

std::string UnitTranslator::LabelName(std::u16string_view vb_label) const {
  std::string name = "L_";
  for (char c : Utf8(vb_label)) name += std::isalnum(static_cast<unsigned char>(c)) || c == '_' ? c : '_';
  return name;
}

void UnitTranslator::Untranslated(const vb::Stmt& stmt, std::u16string_view text, const std::string& why,
                                  PascalWriter& out) {
  notes_.push_back({stmt.line, why});
  std::u16string shown(text);
  size_t start = 0;
  while (start <= shown.size()) {
    const size_t end = shown.find_first_of(u"\r\n", start);
    const std::u16string_view piece =
        std::u16string_view(shown).substr(start, end == std::u16string::npos ? end : end - start);
    if (!piece.empty()) out.Line("// VB: " + CommentText(piece));
    if (end == std::u16string::npos) break;
    start = end + 1;
  }
  // Raised where the statement stood, so On Error handles it as it would the statement's own.
  Guarded({"VbNotTranslated(" + PascalStringLiteral(module_.vb_name) + ", " + std::to_string(stmt.line) +
           ", " + PascalStringLiteral(std::u16string(why.begin(), why.end())) + ");"},
          out);
}

void UnitTranslator::Flush(PascalWriter& out) {
  for (const std::string& line : pending_) out.Line(line);
  pending_.clear();
}

void UnitTranslator::Guarded(const std::vector<std::string>& lines, PascalWriter& out) {
  if (!routine_ || !routine_->handles_errors) {
    for (const std::string& line : lines) out.Line(line);
    return;
  }
  const int id = ++routine_->guard_count;
  if (routine_->uses_resume) {
    std::string start = routine_->line_label;
    if (start.empty()) {
      start = "_S" + std::to_string(id);
      out.Line(start + ":");
    }
    routine_->labels.insert(start);
    routine_->resume_labels.push_back(start);
    routine_->labels.insert("_R" + std::to_string(id));
  }
  out.Line("try");
  out.Indent();
  for (const std::string& line : lines) out.Line(line);
  out.Outdent();
  out.Line("except");
  out.Indent();
  out.Line("on E: Exception do");
  out.Line("begin");
  out.Indent();
  out.Line("if (_ErrMode = 0) or _ErrInHandler then raise;");
  out.Line("VbCaptureError(E);");
  out.Line("_ErrAt := " + std::to_string(id) + ";");
  out.Line("_ErrJump := _ErrMode > 0;");
  out.Outdent();
  out.Line("end;");
  out.Outdent();
  out.Line("end;");
  if (!routine_->error_handlers.empty()) out.Line("if _ErrJump then goto _ErrHandler;");
  if (routine_->uses_resume) out.Line("_R" + std::to_string(id) + ":");
}

void UnitTranslator::Statements(const vb::StmtList& body, PascalWriter& out) {
  for (const vb::StmtPtr& stmt : body) Statement(*stmt, out);
}

void UnitTranslator::Block(const vb::StmtList& body, PascalWriter& out) {
  out.Line("begin");
  out.Indent();
  Statements(body, out);
  out.Outdent();
}

void UnitTranslator::Statement(const vb::Stmt& stmt, PascalWriter& out) {
  failure_.clear();
  pending_.clear();
  switch (stmt.kind) {
    case vb::StmtKind::kBlankLine:
      out.Line("");
      return;
    case vb::StmtKind::kComment:
      out.Comment(stmt.As<vb::CommentStmt>().text);
      return;
    case vb::StmtKind::kLabel: {
      const std::string label = LabelName(stmt.As<vb::LabelStmt>().name);
      routine_->labels.insert(label);
      out.Line(label + ": ;");
      return;
    }
    case vb::StmtKind::kUnparsed: {
      const auto& u = stmt.As<vb::UnparsedStmt>();
      Untranslated(stmt, u.text, "does not parse: " + u.message, out);
      return;
    }
    case vb::StmtKind::kVariables:
      LocalVariables(stmt.As<vb::VariablesStmt>(), out);
      return;
    case vb::StmtKind::kConst:
      for (const vb::ConstDeclarator& c : stmt.As<vb::ConstStmt>().constants) {
        in_constant_ = true;
        Value v = Expr(*c.value);
        in_constant_ = false;
        Symbol s;
        s.kind = SymbolKind::kConstant;
        s.name = c.name;
        s.pascal = PascalName(Utf8(c.name));
        s.type =
            c.type.empty() && !c.suffix ? v.type : ResolveType(c.type, c.suffix, c.name, module_, project_);
        s.module = &module_;
        routine_->const_lines.push_back(s.pascal + " = " + v.text + ";");
        routine_->locals[vb::NameKey(c.name)] = s;
      }
      return;
    case vb::StmtKind::kIf:
      If(stmt.As<vb::IfStmt>(), out);
      return;
    case vb::StmtKind::kSelect:
      Select(stmt.As<vb::SelectStmt>(), out);
      return;
    case vb::StmtKind::kFor:
      For(stmt.As<vb::ForStmt>(), out);
      return;
    case vb::StmtKind::kForEach:
      ForEach(stmt.As<vb::ForEachStmt>(), out);
      return;
    case vb::StmtKind::kDo:
      Do(stmt.As<vb::DoStmt>(), out);
      return;
    case vb::StmtKind::kWhile: {
      const auto& w = stmt.As<vb::WhileStmt>();
      vb::DoStmt fake(w.line);
      const std::string condition = Condition(Expr(*w.condition));
      if (!failure_.empty() || !pending_.empty()) {
        out.Line("while True do");
        out.Line("begin");
        out.Indent();
        Flush(out);
        if (!failure_.empty())
          Untranslated(stmt, SourceLine(stmt.line), failure_, out);
        else
          out.Line("if not " + condition + " then Break;");
      } else {
        out.Line("while " + condition + " do");
        out.Line("begin");
        out.Indent();
      }
      routine_->loops.push_back({});
      Statements(w.body, out);
      RoutineState::Loop loop = routine_->loops.back();
      routine_->loops.pop_back();
      out.Outdent();
      out.Line("end;");
      if (!loop.exit_label.empty()) out.Line(loop.exit_label + ": ;");
      return;
    }
    case vb::StmtKind::kWith:
      With(stmt.As<vb::WithStmt>(), out);
      return;
    case vb::StmtKind::kExit: {
      const auto kind = stmt.As<vb::ExitStmt>().exit_kind;
      if (kind == vb::ExitKind::kFor || kind == vb::ExitKind::kDo) {
        const bool want_for = kind == vb::ExitKind::kFor;
        for (size_t i = routine_->loops.size(); i-- > 0;) {
          if (routine_->loops[i].is_for != want_for) continue;
          if (i + 1 == routine_->loops.size()) {
            out.Line("Break;");
          } else {
            auto& label = routine_->loops[i].exit_label;
            if (label.empty()) label = "_X" + std::to_string(++routine_->temp_count);
            routine_->labels.insert(label);
            out.Line("goto " + label + ";");
          }
          return;
        }
        Untranslated(stmt, SourceLine(stmt.line), "Exit outside its loop", out);
        return;
      }
      out.Line("Exit;");
      return;
    }
    case vb::StmtKind::kGoTo: {
      const auto& g = stmt.As<vb::GoToStmt>();
      const std::string label = LabelName(g.label);
      routine_->labels.insert(label);
      if (g.gosub) {
        const int id = ++routine_->gosub_count;
        routine_->uses_gosub = true;
        const std::string back = "_G" + std::to_string(id);
        routine_->labels.insert(back);
        out.Line("_GoSubStack := _GoSubStack + [" + std::to_string(id) + "];");
        out.Line("goto " + label + ";");
        out.Line(back + ": ;");
      } else {
        out.Line("goto " + label + ";");
      }
      return;
    }
    case vb::StmtKind::kReturn:
      routine_->uses_gosub = true;
      routine_->labels.insert("_GoSubReturn");
      out.Line("goto _GoSubReturn;");
      return;
    case vb::StmtKind::kOnError:
      OnError(stmt.As<vb::OnErrorStmt>(), out);
      return;
    case vb::StmtKind::kResume:
      Resume(stmt.As<vb::ResumeStmt>(), out);
      return;
    case vb::StmtKind::kEnd:
      out.Line("VbEnd;");
      return;
    case vb::StmtKind::kStop:
      out.Line("// Stop");
      return;
    case vb::StmtKind::kOption:
    case vb::StmtKind::kDefType:
      return;
    default:
      break;
  }
  if (!IsGuardable(stmt.kind)) {
    Untranslated(stmt, SourceLine(stmt.line), "statement not supported by the translator", out);
    return;
  }
  PascalWriter inner;
  Simple(stmt, inner);
  if (!failure_.empty()) {
    pending_.clear();
    Untranslated(stmt, SourceLine(stmt.line), failure_, out);
    return;
  }
  std::vector<std::string> lines = std::move(pending_);
  pending_.clear();
  std::string text = inner.Take();
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  Guarded(lines, out);
}

void UnitTranslator::Simple(const vb::Stmt& stmt, PascalWriter& out) {
  switch (stmt.kind) {
    case vb::StmtKind::kAssign:
      Assign(stmt.As<vb::AssignStmt>(), out);
      return;
    case vb::StmtKind::kCall:
      CallStatement(stmt.As<vb::CallStmt>(), out);
      return;
    case vb::StmtKind::kPrint:
      Print(stmt.As<vb::PrintStmt>(), out);
      return;
    case vb::StmtKind::kReDim:
      ReDim(stmt.As<vb::ReDimStmt>(), out);
      return;
    case vb::StmtKind::kErase:
      Erase(stmt.As<vb::EraseStmt>(), out);
      return;
    case vb::StmtKind::kMid: {
      const auto& m = stmt.As<vb::MidStmt>();
      Value target = Expr(*m.target);
      if (!target.is_lvalue || target.type.base != VbType::kString)
        Note(stmt.line, "Mid statement on something that is not a String variable");
      std::string text = "VbMidAssign(" + target.text + ", " +
                         Convert(Expr(*m.start), TypeInfo::Of(VbType::kLong)) + ", " +
                         AsString(Expr(*m.value));
      if (m.length) text += ", " + Convert(Expr(*m.length), TypeInfo::Of(VbType::kLong));
      out.Line(text + ");");
      return;
    }
    case vb::StmtKind::kRaiseEvent: {
      const auto& r = stmt.As<vb::RaiseEventStmt>();
      if (module_.form) {
        Note(stmt.line,
             "RaiseEvent in a form or user control: nothing receives its events in the translation");
        return;
      }
      const vb::EventStmt* event = nullptr;
      for (const vb::EventStmt* e : EventsOf(module_))
        if (vb::NamesEqual(e->name, r.name)) event = e;
      if (!event) {
        Note(stmt.line, "RaiseEvent of an unknown event");
        return;
      }
      std::string args;
      for (size_t i = 0; i < event->params.size(); ++i) {
        const vb::Parameter& p = event->params[i];
        TypeInfo type = ResolveType(p.type, p.suffix, p.name, module_, project_);
        Value arg = i < r.args.size() && r.args[i].value
                        ? Expr(*r.args[i].value)
                        : Value{ZeroValue(type), type, false, false, nullptr, {}};
        std::string text = Convert(arg, type);
        if (p.passing != vb::ParamPassing::kByVal &&
            !(arg.is_lvalue && PascalType(arg.type) == PascalType(type))) {
          const std::string temp = NewTemp(type);
          pending_.push_back(temp + " := " + text + ";");
          text = temp;
        } else if (p.passing != vb::ParamPassing::kByVal) {
          text = arg.text;
        }
        args += (args.empty() ? "" : ", ") + text;
      }
      const std::string index = NewTemp(TypeInfo::Of(VbType::kLong));
      out.Line("for " + index + " := 0 to High(_Sinks) do _Sinks[" + index + "]." +
               PascalName(Utf8(event->name)) + "(" + args + ");");
      return;
    }
    case vb::StmtKind::kLSet: {
      const auto& l = stmt.As<vb::LSetStmt>();
      Value target = Expr(*l.target);
      if (target.type.base != VbType::kString) Note(stmt.line, "LSet of a user-defined type");
      const std::string value = AsString(Expr(*l.value));
      // The variable keeps its length: LSet pads or cuts on the right, RSet pads on the left.
      const std::string length = "Length(" + target.text + ")";
      if (l.right)
        out.Line(target.text + " := Copy(StringOfChar(' ', " + length + ") + Copy(" + value + ", 1, " +
                 length + "), Length(Copy(" + value + ", 1, " + length + ")) + 1, " + length + ");");
      else
        out.Line(target.text + " := Copy(" + value + " + StringOfChar(' ', " + length + "), 1, " + length +
                 ");");
      return;
    }
    default:
      FileStatement(stmt, out);
  }
}

void UnitTranslator::Assign(const vb::AssignStmt& a, PascalWriter& out) {
  const vb::Expr& t = *a.target;
  // A property of an object of the project (or of this class) is assigned through Let_/Set_.
  auto property_target = [&](const Value& object, const Symbol& member, const std::vector<vb::Argument>* args,
                             const std::string& prefix) {
    (void)object;
    const bool set = a.assign_kind == vb::AssignKind::kSet;
    const std::string method = prefix + (set ? "Set_" : "Let_") + member.pascal;
    // The index parameters of the Property Let/Set being called (all but the value).
    const vb::ProcedureStmt* procedure = nullptr;
    const ModuleSymbols& owner = member.module ? *member.module : module_;
    if (auto found = owner.properties.find(vb::NameKey(member.name)); found != owner.properties.end())
      for (const vb::ProcedureStmt* p : found->second)
        if (p->procedure_kind == (set ? vb::ProcedureKind::kPropertySet : vb::ProcedureKind::kPropertyLet))
          procedure = p;
    std::string list;
    if (args) {
      for (size_t i = 0; i < args->size(); ++i) {
        const vb::Argument& arg = (*args)[i];
        const vb::Parameter* param =
            procedure && i + 1 < procedure->params.size() ? &procedure->params[i] : nullptr;
        TypeInfo type = param ? ResolveType(param->type, param->suffix, param->name, owner, project_)
                              : TypeInfo::Of(VbType::kVariant);
        std::string text = arg.value ? Convert(Expr(*arg.value), type) : "VbMissing";
        if (!param || param->passing != vb::ParamPassing::kByVal) {
          const std::string temp = NewTemp(type);
          pending_.push_back(temp + " := " + text + ";");
          text = temp;
        }
        list += text + ", ";
      }
    }
    TypeInfo type = member.type;
    std::string value = Convert(Expr(*a.value), type);
    if (procedure && !procedure->params.empty() &&
        procedure->params.back().passing != vb::ParamPassing::kByVal) {
      const std::string temp = NewTemp(type);
      pending_.push_back(temp + " := " + value + ";");
      value = temp;
    }
    out.Line(method + "(" + list + value + ");");
  };
  if (t.kind == vb::ExprKind::kMember ||
      (t.kind == vb::ExprKind::kCall && t.As<vb::CallExpr>().callee->kind == vb::ExprKind::kMember)) {
    const vb::MemberExpr& m = t.kind == vb::ExprKind::kMember
                                  ? t.As<vb::MemberExpr>()
                                  : t.As<vb::CallExpr>().callee->As<vb::MemberExpr>();
    const std::vector<vb::Argument>* args =
        t.kind == vb::ExprKind::kCall ? &t.As<vb::CallExpr>().args : nullptr;
    Value object;
    bool have_object = false;
    if (!m.object) {
      if (routine_ && !routine_->with_stack.empty()) {
        object.text = routine_->with_stack.back();
        object.type = routine_->with_types.back();
        object.is_lvalue = true;
        have_object = true;
      }
    } else if (!(m.object->kind == vb::ExprKind::kName && !Lookup(m.object->As<vb::NameExpr>().name) &&
                 project_.FindModule(m.object->As<vb::NameExpr>().name))) {
      object = Expr(*m.object);
      have_object = true;
    }
    if (have_object) object = BindLate(object, m.name);
    if (have_object && object.type.base == VbType::kObject) {
      if (const ModuleSymbols* cls = project_.FindClass(object.type.name)) {
        const Symbol* member = cls->Find(m.name);
        if (member && member->is_public) {
          property_target(object, *member, args, object.text + ".");
          return;
        }
        Note(a.line, "no public member " + Utf8(m.name) + " in class " + Utf8(cls->vb_name));
        return;
      }
    }
  } else if (t.kind == vb::ExprKind::kName || t.kind == vb::ExprKind::kCall) {
    const vb::Expr& head = t.kind == vb::ExprKind::kName ? t : *t.As<vb::CallExpr>().callee;
    if (head.kind == vb::ExprKind::kName) {
      const auto& name = head.As<vb::NameExpr>();
      const bool own =
          routine_ && routine_->procedure && vb::NamesEqual(name.name, routine_->procedure->name);
      const Symbol* s = own ? nullptr : Lookup(name.name);
      if (s && t.kind == vb::ExprKind::kCall && s->kind != SymbolKind::kProcedure) {
        // obj(args) = value: the object's default property.
        if (const std::u16string member = DefaultMember(s->type); !member.empty()) {
          const ModuleSymbols* cls = project_.FindClass(s->type.name);
          if (const Symbol* m = cls->Find(member)) {
            property_target(Value{}, *m, &t.As<vb::CallExpr>().args, Name(name).text + ".");
            return;
          }
        }
      }
      if (s && s->kind == SymbolKind::kProcedure && s->is_class_member && s->procedure &&
          s->procedure->procedure_kind != vb::ProcedureKind::kSub &&
          s->procedure->procedure_kind != vb::ProcedureKind::kFunction) {
        property_target(Value{}, *s, t.kind == vb::ExprKind::kCall ? &t.As<vb::CallExpr>().args : nullptr,
                        "");
        return;
      }
    }
  }
  assigning_ = true;  // a property only assigned is not read here
  Value target = Expr(t);
  assigning_ = false;
  if (!target.type.control_class.empty() && target.setter.empty() && a.assign_kind != vb::AssignKind::kSet)
    target = Defaulted(target);
  if (!target.setter.empty()) {
    // A control's property: LoadPicture's file is loaded into the picture.
    const vb::Expr* value = a.value.get();
    if (target.setter.find("VbLoadPictureInto") != std::string::npos && value->kind == vb::ExprKind::kCall &&
        value->As<vb::CallExpr>().callee->kind == vb::ExprKind::kName &&
        vb::NamesEqual(value->As<vb::CallExpr>().callee->As<vb::NameExpr>().name, u"LoadPicture")) {
      const auto& args = value->As<vb::CallExpr>().args;
      value = args.empty() ? nullptr : args[0].value.get();
    } else if (target.setter.find("VbLoadPictureInto") != std::string::npos &&
               value->kind == vb::ExprKind::kName &&
               vb::NamesEqual(value->As<vb::NameExpr>().name, u"LoadPicture")) {
      value = nullptr;
    } else if (target.setter.find("VbLoadPictureInto") != std::string::npos) {
      Note(a.line, "a picture that LoadPicture does not load");
      return;
    }
    const std::string text = value ? Convert(Expr(*value), target.type) : "''";
    std::string line = target.setter;
    line.replace(line.find("$v"), 2, text);
    out.Line(line + ";");
    return;
  }
  if (!target.is_lvalue) {
    Note(a.line, "assignment to something that is not a variable");
    return;
  }
  Value value = Expr(*a.value);
  if (t.kind == vb::ExprKind::kName && with_events_.count(vb::NameKey(t.As<vb::NameExpr>().name)) &&
      target.symbol && target.symbol->is_class_member) {
    // The sink leaves the old source and joins the new one.
    const std::string& f = target.text;
    out.Line("if " + f + " <> nil then " + f + "._Unadvise(" + f + "_Sink);");
    out.Line(f + " := " + Convert(value, target.type) + ";");
    out.Line("if " + f + " <> nil then " + f + "._Advise(" + f + "_Sink);");
    return;
  }
  out.Line(target.text + " := " + Convert(value, target.type) + ";");
}

void UnitTranslator::CallStatement(const vb::CallStmt& c, PascalWriter& out) {
  const vb::Expr& callee = *c.callee;
  if (callee.kind == vb::ExprKind::kName) {
    const auto& name = callee.As<vb::NameExpr>();
    const Symbol* s = Lookup(name.name);
    if (!s && LoadStatement(c, out)) return;
    if (s && (s->kind == SymbolKind::kProcedure || s->kind == SymbolKind::kDeclare)) {
      Value v = CallRoutine(*s, "", c.args, c.line);
      out.Line(v.text + ";");
      return;
    }
    if (!s) {
      bool found = false;
      Value v = CallIntrinsic(name.name, c.args, c.line, &found);
      if (found) {
        out.Line(v.text + ";");
        return;
      }
      if (module_.form && FindControlMember(module_.form->base_class, name.name)) {
        const Value v = ControlAccess(FormName(u"Me", &found), name.name, &c.args, c.line);
        out.Line(v.text + ";");
        return;
      }
    }
    Note(c.line, "call of " + Utf8(name.name) + ", which is not a routine known here");
    return;
  }
  vb::CallExpr call(c.line);
  // The callee is shared, not owned: a CallExpr is built only to reuse the call logic.
  struct Borrow {
    vb::CallExpr& call;
    ~Borrow() { (void)call.callee.release(); }
  } borrow{call};
  call.callee.reset(const_cast<vb::Expr*>(&callee));
  // The arguments are moved in and back out, so the tree is left as it was.
  auto& args = const_cast<std::vector<vb::Argument>&>(c.args);
  call.args = std::move(args);
  Value v = Call(call);
  args = std::move(call.args);
  out.Line(v.text + ";");
}

void UnitTranslator::If(const vb::IfStmt& stmt, PascalWriter& out) {
  int open = 0;
  const bool own_line_label = stmt.single_line && routine_->uses_resume && routine_->line_label.empty();
  if (own_line_label) {
    routine_->line_label = "_L" + std::to_string(++routine_->temp_count);
    out.Line(routine_->line_label + ":");
  }
  for (size_t i = 0; i < stmt.branches.size(); ++i) {
    const vb::IfBranch& b = stmt.branches[i];
    failure_.clear();
    std::string condition = Condition(Expr(*b.condition));
    if (i == 0 && routine_->handles_errors && failure_.empty()) {
      // The condition is guarded like a statement; an error in it resumes inside the
      // block, as VB does with Resume Next.
      const std::string temp = NewTemp(TypeInfo::Of(VbType::kBoolean));
      out.Line(temp + " := True;");
      std::vector<std::string> lines = std::move(pending_);
      pending_.clear();
      lines.push_back(temp + " := " + condition + ";");
      Guarded(lines, out);
      condition = temp;
    }
    if (!failure_.empty()) {
      if (i > 0) {
        out.Line("else");
        out.Line("begin");
        out.Indent();
        ++open;
      }
      pending_.clear();
      Untranslated(stmt, SourceLine(b.line), failure_, out);
      out.Line("if False then");
    } else if (i > 0 && !pending_.empty()) {
      out.Line("else");
      out.Line("begin");
      out.Indent();
      ++open;
      Flush(out);
      out.Line("if " + condition + " then");
    } else {
      Flush(out);
      out.Line((i > 0 ? "else if " : "if ") + condition + " then");
    }
    Block(b.body, out);
    out.Line("end");
  }
  if (stmt.has_else) {
    out.Line("else");
    Block(stmt.else_body, out);
    out.Line("end");
  }
  for (; open > 0; --open) {
    out.EndStatement();
    out.Outdent();
    out.Line("end");
  }
  out.EndStatement();
  if (own_line_label) routine_->line_label.clear();
}

void UnitTranslator::Select(const vb::SelectStmt& stmt, PascalWriter& out) {
  Value selector = Expr(*stmt.selector);
  if (!failure_.empty()) {
    Untranslated(stmt, SourceLine(stmt.line), failure_, out);
    return;
  }
  TypeInfo type = selector.type;
  type.fixed_length = 0;
  if (type.base == VbType::kUnknown) type = TypeInfo::Of(VbType::kVariant);
  const std::string temp = NewTemp(type);
  Flush(out);
  out.Line(temp + " := " + selector.text + ";");
  Value sel;
  sel.text = temp;
  sel.type = type;
  sel.is_lvalue = true;
  for (const vb::StmtPtr& c : stmt.leading) Statement(*c, out);
  bool first = true;
  for (const vb::CaseClause& clause : stmt.cases) {
    if (clause.is_else) {
      if (first) {
        Block(clause.body, out);
        out.Line("end;");
        return;
      }
      out.Line("else");
      Block(clause.body, out);
      out.Line("end");
      continue;
    }
    std::string condition;
    failure_.clear();
    for (const vb::CaseCondition& c : clause.conditions) {
      std::string one;
      if (c.condition_kind == vb::CaseConditionKind::kRange) {
        one = "(" + Compare(sel, Expr(*c.value), ">=") + " and " + Compare(sel, Expr(*c.upper), "<=") + ")";
      } else {
        static const std::map<vb::BinaryOp, std::string> kOps = {
            {vb::BinaryOp::kEqual, "="},      {vb::BinaryOp::kNotEqual, "<>"},
            {vb::BinaryOp::kLess, "<"},       {vb::BinaryOp::kGreater, ">"},
            {vb::BinaryOp::kLessEqual, "<="}, {vb::BinaryOp::kGreaterEqual, ">="}};
        const auto op =
            kOps.find(c.condition_kind == vb::CaseConditionKind::kIs ? c.op : vb::BinaryOp::kEqual);
        one = Compare(sel, Expr(*c.value), op == kOps.end() ? "=" : op->second);
      }
      condition += (condition.empty() ? "" : " or ") + one;
    }
    if (!failure_.empty()) {
      notes_.push_back({clause.line, failure_});
      out.Line("// VB: " + CommentText(SourceLine(clause.line)));
      condition = "False";
    }
    pending_.clear();
    out.Line((first ? "if " : "else if ") + (condition.empty() ? "False" : condition) + " then");
    first = false;
    Block(clause.body, out);
    out.Line("end");
  }
  if (!first) out.EndStatement();
}

void UnitTranslator::For(const vb::ForStmt& stmt, PascalWriter& out) {
  Value counter = Expr(*stmt.counter);
  Value start = Expr(*stmt.start);
  Value end = Expr(*stmt.end);
  Value step;
  long constant_step = 1;
  bool known_step = true;
  if (stmt.step) {
    step = Expr(*stmt.step);
    const vb::Expr* s = stmt.step.get();
    int sign = 1;
    if (s->kind == vb::ExprKind::kUnary && s->As<vb::UnaryExpr>().op == vb::UnaryOp::kNegate) {
      sign = -1;
      s = s->As<vb::UnaryExpr>().operand.get();
    }
    if (s->kind == vb::ExprKind::kLiteral &&
        (s->As<vb::LiteralExpr>().literal_kind == vb::LiteralKind::kInteger ||
         s->As<vb::LiteralExpr>().literal_kind == vb::LiteralKind::kLong))
      constant_step = sign * long(s->As<vb::LiteralExpr>().integer);
    else
      known_step = false;
  }
  if (!failure_.empty() || !counter.is_lvalue) {
    if (failure_.empty()) failure_ = "For counter that is not a variable";
    Untranslated(stmt, SourceLine(stmt.line), failure_, out);
    out.Line("begin");
    out.Indent();
    Statements(stmt.body, out);
    out.Outdent();
    out.Line("end;");
    return;
  }
  TypeInfo type = counter.type;
  Flush(out);
  std::vector<std::string> lines;
  lines.push_back(counter.text + " := " + Convert(start, type) + ";");
  const std::string limit = NewTemp(type);
  lines.push_back(limit + " := " + Convert(end, type) + ";");
  std::string step_text = IntegerText(constant_step);
  if (!known_step) {
    step_text = NewTemp(type);
    lines.push_back(step_text + " := " + Convert(step, type) + ";");
  }
  for (const std::string& line : pending_) out.Line(line);
  pending_.clear();
  Guarded(lines, out);
  std::string condition;
  if (known_step)
    condition = counter.text + (constant_step >= 0 ? " <= " : " >= ") + limit;
  else
    condition = "((" + step_text + " >= 0) and (" + counter.text + " <= " + limit + ")) or ((" + step_text +
                " < 0) and (" + counter.text + " >= " + limit + "))";
  out.Line("while " + condition + " do");
  out.Line("begin");
  out.Indent();
  routine_->loops.push_back({true, ""});
  Statements(stmt.body, out);
  RoutineState::Loop loop = routine_->loops.back();
  routine_->loops.pop_back();
  Guarded({counter.text + " := " + counter.text + " + " + step_text + ";"}, out);
  out.Outdent();
  out.Line("end;");
  if (!loop.exit_label.empty()) out.Line(loop.exit_label + ": ;");
}

void UnitTranslator::ForEach(const vb::ForEachStmt& stmt, PascalWriter& out) {
  Value element = Expr(*stmt.element);
  Value group = Expr(*stmt.group);
  if (!failure_.empty() || !element.is_lvalue) {
    if (failure_.empty()) failure_ = "For Each element that is not a variable";
    Untranslated(stmt, SourceLine(stmt.line), failure_, out);
    return;
  }
  if (ForEachControl(stmt, element, group, out)) return;
  Flush(out);
  std::string next;
  if (group.type.is_collection) {
    const std::string item = NewTemp(TypeInfo::Of(VbType::kVariant));
    out.Line("for " + item + " in " + group.text + " do");
    out.Line("begin");
    out.Indent();
    Value v;
    v.text = item;
    v.type = TypeInfo::Of(VbType::kVariant);
    out.Line(element.text + " := " + Convert(v, element.type) + ";");
  } else if (group.type.is_array) {
    const std::string index = NewTemp(TypeInfo::Of(VbType::kLong));
    const long low = group.symbol ? group.symbol->lower_bound : 0;
    out.Line("for " + index + " := " + std::to_string(low) + " to High(" + group.text + ") do");
    out.Line("begin");
    out.Indent();
    Value v;
    v.text = group.text + "[" + index + "]";
    v.type = group.type.Element();
    out.Line(element.text + " := " + Convert(v, element.type) + ";");
  } else {
    const std::string index = NewTemp(TypeInfo::Of(VbType::kLong));
    const std::string array = NewTemp(TypeInfo::Of(VbType::kVariant));
    out.Line(array + " := " + AsVariant(group) + ";");
    out.Line("for " + index + " := VarArrayLowBound(" + array + ", 1) to VarArrayHighBound(" + array +
             ", 1) do");
    out.Line("begin");
    out.Indent();
    Value v;
    v.text = array + "[" + index + "]";
    v.type = TypeInfo::Of(VbType::kVariant);
    out.Line(element.text + " := " + Convert(v, element.type) + ";");
  }
  ForEachBody(stmt, out);
}

void UnitTranslator::ForEachBody(const vb::ForEachStmt& stmt, PascalWriter& out) {
  routine_->loops.push_back({true, ""});
  Statements(stmt.body, out);
  RoutineState::Loop loop = routine_->loops.back();
  routine_->loops.pop_back();
  out.Outdent();
  out.Line("end;");
  if (!loop.exit_label.empty()) out.Line(loop.exit_label + ": ;");
}

void UnitTranslator::Do(const vb::DoStmt& stmt, PascalWriter& out) {
  std::string condition;
  if (stmt.condition) condition = Condition(Expr(*stmt.condition));
  const bool before = stmt.test == vb::DoTest::kWhileBefore || stmt.test == vb::DoTest::kUntilBefore;
  const bool until = stmt.test == vb::DoTest::kUntilBefore || stmt.test == vb::DoTest::kUntilAfter;
  if (!failure_.empty()) {
    Untranslated(stmt, SourceLine(stmt.line), failure_, out);
    condition = "True";
  }
  std::vector<std::string> test_pending = std::move(pending_);
  pending_.clear();
  routine_->loops.push_back({false, ""});
  if (stmt.test == vb::DoTest::kNone || (before && !test_pending.empty())) {
    out.Line("while True do");
    out.Line("begin");
    out.Indent();
    if (before) {
      for (const std::string& line : test_pending) out.Line(line);
      out.Line("if " + std::string(until ? "" : "not ") + condition + " then Break;");
    }
    Statements(stmt.body, out);
    out.Outdent();
    out.Line("end;");
  } else if (before) {
    out.Line("while " + (until ? "not " + condition : condition) + " do");
    Block(stmt.body, out);
    out.Line("end;");
  } else {
    out.Line("repeat");
    out.Indent();
    Statements(stmt.body, out);
    for (const std::string& line : test_pending) out.Line(line);
    out.Outdent();
    out.Line("until " + (until ? condition : "not " + condition) + ";");
  }
  RoutineState::Loop loop = routine_->loops.back();
  routine_->loops.pop_back();
  if (!loop.exit_label.empty()) out.Line(loop.exit_label + ": ;");
}

void UnitTranslator::With(const vb::WithStmt& stmt, PascalWriter& out) {
  Value object = Expr(*stmt.object);
  if (!failure_.empty()) {
    Untranslated(stmt, SourceLine(stmt.line), failure_, out);
    object.text = "nil";
  }
  Flush(out);
  std::string name;
  if (object.type.base == VbType::kRecord && object.is_lvalue) {
    name = "_W" + std::to_string(++routine_->temp_count);
    routine_->var_lines.push_back(name + ": ^" + PascalType(object.type) + ";");
    out.Line(name + " := @" + object.text + ";");
    name += "^";
  } else {
    name = NewTemp(object.type);
    out.Line(name + " := " + object.text + ";");
  }
  routine_->with_stack.push_back(name);
  routine_->with_types.push_back(object.type);
  Statements(stmt.body, out);
  routine_->with_stack.pop_back();
  routine_->with_types.pop_back();
}

void UnitTranslator::Print(const vb::PrintStmt& stmt, PascalWriter& out) {
  std::string items, seps;
  for (const vb::PrintItem& item : stmt.items) {
    std::string text = "Unassigned";
    if (item.value) {
      const vb::Expr& e = *item.value;
      bool done = false;
      if (e.kind == vb::ExprKind::kCall && e.As<vb::CallExpr>().callee->kind == vb::ExprKind::kName) {
        const auto& callee = e.As<vb::CallExpr>().callee->As<vb::NameExpr>();
        const auto& args = e.As<vb::CallExpr>().args;
        if ((vb::NamesEqual(callee.name, u"Spc") || vb::NamesEqual(callee.name, u"Tab")) &&
            !Lookup(callee.name)) {
          const std::string n = args.empty() || !args[0].value
                                    ? "-1"
                                    : Convert(Expr(*args[0].value), TypeInfo::Of(VbType::kLong));
          text = (vb::NamesEqual(callee.name, u"Spc") ? "VbSpc(" : "VbTab(") + n + ")";
          done = true;
        }
      } else if (e.kind == vb::ExprKind::kName && vb::NamesEqual(e.As<vb::NameExpr>().name, u"Tab") &&
                 !Lookup(u"Tab")) {
        text = "VbTab(-1)";
        done = true;
      }
      if (!done) text = AsVariant(Expr(e));
    }
    items += (items.empty() ? "" : ", ") + text;
    seps += item.separator == u';' ? ';' : item.separator == u',' ? ',' : ' ';
  }
  const std::string args = "[" + items + "], '" + seps + "'";
  if (stmt.file_number) {
    const std::string n = Convert(Expr(*stmt.file_number), TypeInfo::Of(VbType::kInteger));
    if (stmt.is_write) {
      out.Line("VbWriteToFile(" + n + ", " + args + ");");
    } else {
      out.Line("VbPrintToFile(" + n + ", " + args + ");");
    }
    return;
  }
  if (stmt.object && stmt.object->kind == vb::ExprKind::kName &&
      vb::NamesEqual(stmt.object->As<vb::NameExpr>().name, u"Debug")) {
    out.Line("VbDebugPrint(" + args + ");");
    return;
  }
  Note(stmt.line, "Print on a form or control");
}

std::string UnitTranslator::AllocateArray(const std::string& target, const TypeInfo& type,
                                          const std::vector<vb::ArrayBound>& bounds, bool preserve) {
  std::string sizes;
  for (const vb::ArrayBound& b : bounds) {
    if (b.lower) {
      Value low = Expr(*b.lower);
      if (low.text.find('-') != std::string::npos || low.text.find('(') != std::string::npos)
        if (!(b.lower->kind == vb::ExprKind::kLiteral))
          Note(b.upper ? b.upper->line : 0, "an array lower bound that is not a constant");
      if (low.is_literal && low.text.rfind("(-", 0) == 0)
        Note(b.upper ? b.upper->line : 0, "a negative array lower bound");
    }
    sizes += ", " + AsInteger(Expr(*b.upper)) + " + 1";
  }
  (void)type;
  return (preserve ? "" : target + " := nil; ") + "SetLength(" + target + sizes + ");";
}

void UnitTranslator::ReDim(const vb::ReDimStmt& stmt, PascalWriter& out) {
  for (const vb::ReDimClause& clause : stmt.arrays) {
    if (clause.target->kind == vb::ExprKind::kName && !Lookup(clause.target->As<vb::NameExpr>().name) &&
        routine_) {
      const auto& name = clause.target->As<vb::NameExpr>();
      Symbol s;
      s.kind = SymbolKind::kVariable;
      s.name = name.name;
      s.pascal = PascalName(Utf8(name.name));
      s.type = ResolveType(clause.type, name.suffix, name.name, module_, project_);
      s.type.is_array = true;
      s.type.dims = int(clause.bounds.size());
      s.module = &module_;
      routine_->var_lines.push_back(s.pascal + ": " + PascalType(s.type) + ";");
      routine_->locals[vb::NameKey(name.name)] = s;
    }
    Value target = Expr(*clause.target);
    if (!target.type.is_array) {
      if (IsVariantLike(target.type)) {
        std::string bounds;
        for (const vb::ArrayBound& b : clause.bounds)
          bounds += (bounds.empty() ? "" : ", ") +
                    (b.lower ? AsInteger(Expr(*b.lower)) : std::to_string(module_.option_base)) + ", " +
                    AsInteger(Expr(*b.upper));
        if (stmt.preserve && clause.bounds.size() == 1)
          out.Line("VarArrayRedim(" + target.text + ", " + AsInteger(Expr(*clause.bounds[0].upper)) + ");");
        else
          out.Line(target.text + " := VarArrayCreate([" + bounds + "], varVariant);");
        continue;
      }
      Note(stmt.line, "ReDim of something that is not an array");
      return;
    }
    if (!clause.bounds.empty() && clause.bounds[0].lower &&
        clause.bounds[0].lower->kind == vb::ExprKind::kLiteral)
      lower_bounds_[target.text] = long(clause.bounds[0].lower->As<vb::LiteralExpr>().integer);
    if (int(clause.bounds.size()) != std::max(1, target.type.dims) && target.symbol &&
        target.symbol->declarator && !target.symbol->declarator->bounds.empty())
      Note(stmt.line, "ReDim with another number of dimensions");
    out.Line(AllocateArray(target.text, target.type, clause.bounds, stmt.preserve));
  }
}

void UnitTranslator::Erase(const vb::EraseStmt& stmt, PascalWriter& out) {
  for (const vb::ExprPtr& e : stmt.arrays) {
    Value target = Expr(*e);
    if (target.symbol && target.symbol->declarator && !target.symbol->declarator->bounds.empty())
      out.Line(AllocateArray(target.text, target.type, target.symbol->declarator->bounds, false));
    else if (target.type.is_array)
      out.Line(target.text + " := nil;");
    else
      out.Line(target.text + " := Unassigned;");
  }
}

void UnitTranslator::OnError(const vb::OnErrorStmt& stmt, PascalWriter& out) {
  switch (stmt.on_error_kind) {
    case vb::OnErrorKind::kResumeNext:
      out.Line("_ErrMode := -1; Err.Clear;");
      return;
    case vb::OnErrorKind::kGoTo0:
      out.Line("_ErrMode := 0; Err.Clear;");
      return;
    case vb::OnErrorKind::kGoToMinus1:
      out.Line("_ErrInHandler := False;");
      return;
    case vb::OnErrorKind::kGoToLabel: {
      auto& handlers = routine_->error_handlers;
      size_t index = 0;
      while (index < handlers.size() && !vb::NamesEqual(handlers[index], stmt.label)) ++index;
      if (index == handlers.size()) handlers.push_back(stmt.label);
      routine_->labels.insert(LabelName(stmt.label));
      out.Line("_ErrMode := " + std::to_string(index + 1) + "; Err.Clear;");
      return;
    }
  }
}

void UnitTranslator::Resume(const vb::ResumeStmt& stmt, PascalWriter& out) {
  out.Line("_ErrInHandler := False; Err.Clear;");
  switch (stmt.resume_kind) {
    case vb::ResumeKind::kLabel:
      routine_->labels.insert(LabelName(stmt.label));
      out.Line("goto " + LabelName(stmt.label) + ";");
      return;
    case vb::ResumeKind::kNext:
      out.Line("goto _ResumeNext;");
      routine_->labels.insert("_ResumeNext");
      return;
    case vb::ResumeKind::kResume:
      out.Line("goto _Resume;");
      routine_->labels.insert("_Resume");
      return;
  }
}

void UnitTranslator::FileStatement(const vb::Stmt& stmt, PascalWriter& out) {
  auto number = [&](const vb::ExprPtr& e) { return Convert(Expr(*e), TypeInfo::Of(VbType::kInteger)); };
  switch (stmt.kind) {
    case vb::StmtKind::kOpen: {
      const auto& o = stmt.As<vb::OpenStmt>();
      static const char* kModes[] = {"vbomRandom", "vbomInput",  "vbomOutput",
                                     "vbomAppend", "vbomBinary", "vbomRandom"};
      static const char* kAccess[] = {"vboaDefault", "vboaRead", "vboaWrite", "vboaReadWrite"};
      static const char* kLock[] = {"vbolDefault", "vbolShared", "vbolRead", "vbolWrite", "vbolReadWrite"};
      out.Line("VbOpen(" + AsString(Expr(*o.path)) + ", " + kModes[int(o.mode)] + ", " +
               number(o.file_number) + ", " +
               (o.record_length ? Convert(Expr(*o.record_length), TypeInfo::Of(VbType::kLong))
                                : std::string("0")) +
               ", " + kAccess[int(o.access)] + ", " + kLock[int(o.lock)] + ");");
      return;
    }
    case vb::StmtKind::kClose: {
      const auto& c = stmt.As<vb::CloseStmt>();
      if (c.file_numbers.empty()) out.Line("VbCloseAll;");
      for (const vb::ExprPtr& n : c.file_numbers) out.Line("VbClose(" + number(n) + ");");
      return;
    }
    case vb::StmtKind::kLineInput: {
      const auto& l = stmt.As<vb::LineInputStmt>();
      Value target = Expr(*l.target);
      Value v{"VbLineInput(" + number(l.file_number) + ")",
              TypeInfo::Of(VbType::kString),
              false,
              false,
              nullptr,
              {}};
      out.Line(target.text + " := " + Convert(v, target.type) + ";");
      return;
    }
    case vb::StmtKind::kInput: {
      const auto& in = stmt.As<vb::InputStmt>();
      for (const vb::ExprPtr& t : in.targets) {
        Value target = Expr(*t);
        Value v{"VbInputField(" + number(in.file_number) + ")",
                TypeInfo::Of(VbType::kVariant),
                false,
                false,
                nullptr,
                {}};
        out.Line(target.text + " := " + Convert(v, target.type) + ";");
      }
      return;
    }
    case vb::StmtKind::kGetPut: {
      const auto& g = stmt.As<vb::GetPutStmt>();
      Value target = Expr(*g.variable);
      if (g.is_put && !target.is_lvalue && !target.type.is_array && IsNumeric(target.type.base)) {
        const std::string temp = NewTemp(target.type);
        pending_.push_back(temp + " := " + target.text + ";");
        target.text = temp;
        target.is_lvalue = true;
      }
      const std::string record = g.record ? Convert(Expr(*g.record), TypeInfo::Of(VbType::kLong)) : "0";
      const std::string n = number(g.file_number);
      if (!target.is_lvalue || target.type.is_array || target.type.base == VbType::kVariant ||
          target.type.base == VbType::kObject)
        Note(stmt.line, "Get/Put of a Variant, object or array");
      else if (target.type.base == VbType::kString && target.type.fixed_length == 0)
        out.Line(std::string(g.is_put ? "VbPutString(" : "VbGetString(") + n + ", " + record + ", " +
                 target.text + ");");
      else if (target.type.base == VbType::kString)
        Note(stmt.line, "Get/Put of a fixed-length String");
      else
        out.Line(std::string(g.is_put ? "VbPut(" : "VbGet(") + n + ", " + record + ", " + target.text +
                 ", SizeOf(" + target.text + "));");
      return;
    }
    case vb::StmtKind::kSeek: {
      const auto& s = stmt.As<vb::SeekStmt>();
      out.Line("VbSeekSet(" + number(s.file_number) + ", " +
               Convert(Expr(*s.position), TypeInfo::Of(VbType::kLong)) + ");");
      return;
    }
    case vb::StmtKind::kName: {
      const auto& n = stmt.As<vb::NameStmt>();
      out.Line("VbName(" + AsString(Expr(*n.old_path)) + ", " + AsString(Expr(*n.new_path)) + ");");
      return;
    }
    default:
      Note(stmt.line, "statement not supported by the translator");
  }
}

void UnitTranslator::LocalVariables(const vb::VariablesStmt& stmt, PascalWriter& out) {
  (void)out;
  const bool is_static =
      stmt.scope == vb::Scope::kStatic || (routine_->procedure && routine_->procedure->is_static);
  for (const vb::VarDeclarator& v : stmt.variables) {
    Symbol s;
    s.kind = SymbolKind::kVariable;
    s.name = v.name;
    s.type = ResolveType(v.type, v.suffix, v.name, module_, project_);
    s.type.is_array = v.is_array;
    s.type.dims = v.is_array ? std::max<int>(1, int(v.bounds.size())) : 0;
    s.declarator = &v;
    s.module = &module_;
    s.lower_bound = v.is_array && !v.bounds.empty() && v.bounds[0].lower &&
                            v.bounds[0].lower->kind == vb::ExprKind::kLiteral
                        ? long(v.bounds[0].lower->As<vb::LiteralExpr>().integer)
                        : module_.option_base;
    std::vector<std::string>* init = &routine_->init_lines;
    if (is_static) {
      s.pascal = routine_->pascal_name + "_" + Utf8(v.name);
      for (char& c : s.pascal)
        if (c == '.' || c == '&') c = '_';
      static_vars_.push_back(s.pascal + ": " + PascalType(s.type) + ";");
      init = &unit_init_;
    } else {
      s.pascal = PascalName(Utf8(v.name));
      routine_->var_lines.push_back(s.pascal + ": " + PascalType(s.type) + ";");
    }
    routine_->locals[vb::NameKey(v.name)] = s;
    // Statics are unit variables: zeroed already, set up once when the unit starts.
    for (const std::string& line : InitLines(s.pascal, v, s.type, !is_static)) init->push_back(line);
  }
  if (!failure_.empty()) {
    notes_.push_back({stmt.line, failure_});
    failure_.clear();
  }
}

}  // namespace veldrane::translation
