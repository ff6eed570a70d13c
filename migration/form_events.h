#pragma once
// VB event handlers of a form's code matched to the Delphi events of the form's components.

#include <QString>
#include <QStringList>
#include <vector>

#include "migration/form_design.h"

namespace veldrane::migration {

struct EventBinding {
  QString vb_routine;              // "Command1_Click", "Form_Load", "Text1_KeyPress"
  QString method;                  // the VB routine's name as a Delphi identifier: "Command1_Click"
  QString component;               // component name in the .dfm ("" = the form itself)
  QString delphi_event;            // "OnClick", "OnCreate", "OnKeyPress"
  QString parameters;              // "(Sender: TObject; var Key: Char)"
  QStringList vb_parameters_left;  // VB parameter names with no same-named Delphi parameter (KeyAscii, Index)
};

// A routine of the form's code: its name, and optionally the text of its parameter list (between
// the parentheses of its header) and of its body. With a body, only the VB parameters the body uses
// are listed as left.
struct VbRoutine {
  QString name;
  QString parameters;
  QString body;
};

struct EventResolution {
  // One binding per component: a control array's handler is bound to every element, so the same
  // method may appear several times (declare it once).
  std::vector<EventBinding> wired;
  QStringList unwired;  // handlers of the form's controls whose event has no Delphi counterpart
};

// Routines whose name is not `<control or Form>_<event>` of this form are ordinary routines and are
// left out of both lists. Names match case-insensitively, as in VB.
EventResolution ResolveEvents(const FormDesign& design, const QStringList& vb_routine_names);
EventResolution ResolveEvents(const FormDesign& design, const std::vector<VbRoutine>& routines);

// VB code with its string literals and comments blanked out, for finding names in it.
QString CodeWithoutStringsAndComments(const QString& code);

}  // namespace veldrane::migration
