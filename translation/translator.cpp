#include "translation/translator.h"

#include <algorithm>

#include "translation/binding.h"
#include "translation/unit_translator.h"
#include "vb/parser.h"

namespace veldrane::translation {

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
    names.push_back(files[i].unit_name);
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
