#include "translation/translator.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "translation/binding.h"
#include "translation/pascal_text.h"
#include "translation/unit_translator.h"
#include "vb/parser.h"

namespace veldrane::translation {
namespace {
// Units of Free Pascal's, Lazarus's and Delphi's libraries that translated code or the runtime uses
// (directly or through others): a translated unit of the same name would hide them.
constexpr std::string_view kLibraryUnits[] = {
    "actnlist", "baseunix",   "buttons",  "character",    "checklst", "classes",   "clipbrd",
    "comctrls", "contnrs",    "controls", "crt",          "ctypes",   "cwstring",  "dateutils",
    "dialogs",  "dl",         "dos",      "dynlibs",      "errors",   "extctrls",  "extdlgs",
    "fgl",      "fileutil",   "forms",    "graphics",     "grids",    "imglist",   "inifiles",
    "initc",    "interfaces", "jpeg",     "lazfileutils", "lazutf8",  "lclintf",   "lcltype",
    "linux",    "lresources", "maskedit", "math",         "menus",    "messages",  "objects",
    "objpas",   "printers",   "process",  "registry",     "richedit", "rtlconsts", "sockets",
    "sortbase", "spin",       "stdctrls", "strings",      "strutils", "syscall",   "sysconst",
    "system",   "sysutils",   "themes",   "toolwin",      "types",    "typinfo",   "unicodedata",
    "unix",     "unixtype",   "unixutil", "variants",     "varutils", "windows",
};

}  // namespace

std::string FreeUnitName(const std::string& wanted) {
  std::string lower = wanted;
  for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
  bool taken = lower.rfind("vr", 0) == 0;
  for (std::string_view unit : kLibraryUnits) taken |= lower == unit;
  return taken ? wanted + "_vb" : wanted;
}

namespace {

// The unit every unit of a translation of several files uses for the declarations they share.
TranslatedUnit SharedUnit(SharedDeclarations& shared) {
  PascalWriter out;
  out.Line("{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}");
  out.Line("unit " + shared.unit_name + ";");
  out.Line("");
  out.Line("interface");
  out.Line("");
  out.Line("uses SysUtils, Variants, VrConstants, VrCollections, VrStrings;");
  out.Line("");
  auto section = [&](const char* keyword, const std::string& text) {
    if (text.empty()) return;
    out.Line(keyword);
    out.Line(text);
  };
  section("const", shared.consts.Take());
  const std::string forwards = shared.forwards.Take(), types = shared.types.Take();
  if (!forwards.empty() || !types.empty()) out.Line("type");
  if (!forwards.empty()) out.Line(forwards);
  if (!types.empty()) out.Line(types);
  out.Line("implementation");
  out.Line("");
  out.Line("end.");
  TranslatedUnit unit;
  unit.unit_name = shared.unit_name;
  unit.pascal = out.Take();
  return unit;
}

}  // namespace

std::vector<TranslatedUnit> TranslateProject(const std::vector<SourceFile>& files) {
  std::vector<vb::Module> trees;
  trees.reserve(files.size());
  for (const SourceFile& file : files) {
    vb::ParseOptions options;
    options.source_kind = vb::SourceKindForFileName(file.file_name);
    trees.push_back(vb::Parse(file.text, options));
  }
  std::vector<const vb::Module*> modules;
  std::vector<std::string> names;
  for (size_t i = 0; i < files.size(); ++i) {
    modules.push_back(&trees[i]);
    std::string name = files[i].unit_name;
    if (name.empty()) {
      // Standard input: the module's own name (Attribute VB_Name), else Module1.
      for (char16_t c : trees[i].name)
        if (c < 128 && (std::isalnum(static_cast<unsigned char>(c)) || c == '_')) name += char(c);
      if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) name = "Module1";
    }
    names.push_back(FreeUnitName(name));
  }
  std::vector<const FormDescription*> forms;
  for (const SourceFile& file : files) forms.push_back(file.form);
  const ProjectSymbols project = BindProject(modules, names, forms);
  SharedDeclarations shared;
  if (files.size() > 1) {
    shared.unit_name = "ProjectTypes";
    for (int n = 2; std::find(names.begin(), names.end(), shared.unit_name) != names.end(); ++n)
      shared.unit_name = "ProjectTypes_" + std::to_string(n);
  }
  std::vector<TranslatedUnit> units;
  for (size_t i = 0; i < files.size(); ++i) {
    UnitTranslator translator(project, *project.modules[i], files[i].text, shared);
    units.push_back(translator.Translate());
  }
  if (!shared.unit_name.empty()) units.push_back(SharedUnit(shared));
  return units;
}

}  // namespace veldrane::translation
