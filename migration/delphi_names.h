#pragma once
// The Delphi names of a project's members: units, types and the forms' variables, chosen so
// that none collides with another (Delphi resolves a unit name and a variable of the same
// name to whichever is in scope last, so `frmMain.Caption` from another unit would fail).

#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

#include "migration/vbp_file.h"

namespace veldrane::migration {

struct MemberNameRequest {
  MemberKind kind = MemberKind::kModule;
  QString vb_name;    // Attribute VB_Name (or the project's name for it)
  QString file_base;  // the file's name without extension; forms name their unit after it
};

struct MemberNames {
  QString unit;      // the unit and its file's name
  QString type;      // forms, user controls, classes: "T" + the VB name; empty for modules
  QString variable;  // forms: the VB name (VB's auto-instance); empty otherwise
};

// Types are `T<VB name>`, a form's instance keeps the VB name; a form's unit takes its file's
// name, a module's or class's unit its VB name. A unit name that is already a type, a form
// variable, a name in `reserved` or another unit's (in any case) gets `Unit`, then `_2`...
// `notes` receives a line for every unit so renamed.
std::vector<MemberNames> NameMembers(const std::vector<MemberNameRequest>& members, QSet<QString> reserved,
                                     QStringList* notes);

// The type a class module or form declares: "T" + its VB name as a Delphi identifier.
QString DelphiTypeName(const QString& vb_name);

}  // namespace veldrane::migration
