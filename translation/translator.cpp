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
// Units of Free Pascal's run-time library, the units a program on the LCL loads, and other units
// on the compiler's default search path with names a VB module may have: a translated unit of the
// same name would hide them, or be hidden by them where a unit is found before the project's.
// clang-format off
constexpr std::string_view kLibraryUnits[] = {
    "actnlist", "adler", "atk", "avglvltree", "base64", "baseunix", "bmpcomn", "buttonpanel", "buttons",
    "cairo", "calcform", "calendar", "character", "charset", "checklst", "classes", "clipbrd", "clipping",
    "cmem", "comctrls", "contnrs", "controls", "cpall", "cpu", "crc", "crt", "cthreads", "ctypes", "custapp",
    "customtimer", "cwstring", "dateutils", "db", "dialogs", "dl", "dom", "dos", "dynamicarray",
    "dynhasharray", "dynlibs", "dynqueue", "ellipses", "errors", "exeinfo", "extctrls", "extdlgs",
    "extendedstrings", "extpas", "fasthtmlparser", "fgl", "fileutil", "forms", "fpcadds", "fpcanvas",
    "fpcylix", "fpimage", "fpimgcanv", "fpimgcmn", "fpintres", "fpjson", "fppixlcanv", "fpwidestring", "gdk2",
    "gdk2pixbuf", "gdk2x", "getopts", "gettext", "glib2", "graph", "graphics", "graphmath", "graphtype",
    "grids", "gtk2", "gzio", "heaptrc", "helpintfs", "htmldefs", "icnstypes", "imagelistcache", "imglist",
    "inifiles", "initc", "integerlist", "interfacebase", "interfaces", "intfgraphics", "iso7185", "jpeg", "jpeglib",
    "jsonparser", "keyboard", "laz2_dom", "laz2_xmlcfg", "lazclasses", "lazfileutils", "lazlogger", "lazutf8",
    "lazutilities", "lclclasses", "lclintf", "lclproc", "lcltype", "lclversion", "lineinfo", "linux",
    "linuxvcs", "lmessages", "lnfodwrf", "lresources", "macpas", "maps", "maskedit", "masks", "math", "md5",
    "menus", "messages", "mouse", "objects", "objpas", "pairsplitter", "pango", "paszlib", "pipes", "pixtools",
    "popupnotifier", "ports", "printer", "printers", "process", "propertystorage", "regexpr", "registry", "richedit",
    "rtlconsts", "sha1", "singleinstance", "sockets", "spin", "sqldb", "stdctrls", "strings", "strutils",
    "syncobjs", "syscall", "sysconst", "system", "sysutils", "termio", "textstrings", "themes", "toolwin",
    "trees", "types", "typinfo", "uitypes", "unicodedata", "unicodenumtable", "unix", "unixcp", "unixtype",
    "unixutil", "unzip", "uriparser", "uuchar", "variants", "varutils", "video", "windows", "x", "x86",
    "xatom", "xlib", "xmlread", "xmlwrite", "xrender", "zbase", "zdeflate", "zinflate", "zipper", "zlib",
    "zstream",
};
// clang-format on

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
