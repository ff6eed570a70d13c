#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace veldrane::translation {

// A component of a form as its .dfm declares it.
struct FormComponent {
  std::u16string vb_name;    // Command1 (every element of a control array has the array's name)
  std::string name;          // the component and field: Command1, or Command1_2 for element 2
  std::string vb_class;      // VB.CommandButton, MSComDlg.CommonDialog
  std::string delphi_class;  // TButton, TOpenDialog; TPanel for a control without counterpart
  int index = -1;            // control-array index, -1 outside an array
  int scale_mode = 1;        // a container's ScaleMode (forms and picture boxes)
};

// A VB event handler the .dfm wires to a component's (or the form's) Delphi event.
struct FormEvent {
  std::u16string vb_routine;  // Command1_Click
  std::string component;      // empty: the form itself
  std::string delphi_event;   // OnClick
  std::string parameters;     // the Delphi event's: "(Sender: TObject; var Key: Char)"
  std::string handler;        // set by the translation: the method the .dfm names for it
};

// What a form's code sees of its designer: the class and components, and the events to wire.
struct FormDescription {
  std::string class_name;          // TForm1
  std::string instance_name;       // Form1: the function giving VB's implicit instance
  std::string base_class;          // TForm, or TFrame for a user control
  std::vector<std::string> units;  // units the components' classes need besides the usual ones
  std::string uses_suffix;         // written after the last unit: "{$IFNDEF FPC}, Jpeg{$ENDIF}"
  std::vector<FormComponent> components;
  std::vector<FormEvent> events;
  std::vector<std::u16string> unwired;  // handlers of events neither library gives the control
  int scale_mode = 1;                   // the form's ScaleMode: its controls' geometry in code
  // VB's client height, where the LCL lays the form out otherwise (group boxes, a menu) and the
  // form puts VB's layout back when first shown; 0 where nothing needs it.
  int vb_client_height = 0;
};

// One VB6 source file of a translation: its text and the unit name its Pascal is given.
struct SourceFile {
  std::u16string text;
  std::string unit_name;
  std::u16string file_name;               // its extension tells a class (.cls) from a module (.bas)
  const FormDescription* form = nullptr;  // forms: their designer's components
};

// A construct that was not translated: the output keeps it as a comment and raises a
// run-time error in its place.
struct TranslationNote {
  int line = 0;  // 1-based, in the VB source
  std::string message;
};

struct TranslatedUnit {
  std::string unit_name;  // as asked, or with "_vb" added where a library unit has the name
  std::string pascal;     // UTF-8, LF line breaks
  std::vector<TranslationNote> notes;
  std::vector<FormEvent> events;  // forms: the events wired, with the methods the .dfm names
};

// `wanted` as a unit name, or with "_vb" added when a library unit (or the runtime's Vr*) has it.
std::string FreeUnitName(const std::string& wanted);

// Translates the files together, as one VB6 project: every module's public members are seen
// from every other file. One unit per file, in the order given; for several files one more
// unit at the end that they all use (the declarations they share, see unit_translator.h).
std::vector<TranslatedUnit> TranslateProject(const std::vector<SourceFile>& files);

}  // namespace veldrane::translation
