#include "translation/translator.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "translation/binding.h"
#include "translation/unit_translator.h"
#include "vb/parser.h"

namespace veldrane::translation {
namespace {

// Units of Free Pascal's and Delphi's libraries that translated code or the runtime uses
// (directly or through others): a translated unit of the same name would hide them.
constexpr std::string_view kLibraryUnits[] = {
    "baseunix", "character", "classes", "clipbrd", "contnrs", "controls", "crt", "ctypes", "cwstring",
    "dateutils", "dialogs", "dl", "dos", "dynlibs", "errors", "extctrls", "fgl", "forms", "graphics",
    "initc", "inifiles", "interfaces", "linux", "math", "menus", "messages", "objpas", "printers",
    "process", "registry", "rtlconsts", "sockets", "sortbase", "stdctrls", "strutils", "syscall",
    "sysconst", "system", "sysutils", "types", "typinfo", "unicodedata", "unix", "unixtype", "unixutil",
    "variants", "varutils", "windows",
};

std::string FreeUnitName(const std::string& wanted) {
  std::string lower = wanted;
  for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
  bool taken = lower.rfind("vr", 0) == 0;
  for (std::string_view unit : kLibraryUnits) taken |= lower == unit;
  return taken ? wanted + "_vb" : wanted;
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
    names.push_back(FreeUnitName(files[i].unit_name));
  }
  const ProjectSymbols project = BindProject(modules, names);
  std::vector<TranslatedUnit> units;
  for (size_t i = 0; i < files.size(); ++i) {
    UnitTranslator translator(project, *project.modules[i], files[i].text);
    units.push_back(translator.Translate());
  }
  return units;
}

}  // namespace veldrane::translation
