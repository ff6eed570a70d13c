#pragma once
// The raw block structure of a VB6 designer section: `Begin <class> <name>` ... `End` blocks with
// their `Name = value` lines; `BeginProperty X` groups are flattened to `X.Name`.

#include <QString>
#include <deque>
#include <vector>

#include "migration/form_design.h"

namespace veldrane::migration {

struct RawProperty {
  QString name;   // "Caption", "Font.Name"
  QString value;  // text after `=`, trailing comment removed, trimmed: "\"OK\"", "-1", "&H8000000F&"
  int line = 0;
};

struct RawBlock {
  QString vb_class;  // "VB.CommandButton"
  QString vb_name;   // "Command1"
  int line = 0;
  std::vector<RawProperty> properties;
  std::deque<RawBlock> children;  // a deque: adding a block keeps the open ones where they are

  // The value of a property (case-insensitive name), or nullptr.
  const RawProperty* Find(const QString& property_name) const;
};

struct RawDesigner {
  bool found = false;
  RawBlock root;
  std::vector<FormProblem> problems;
};

// Reads from the first `Begin` line to the `End` that closes it; lines before it (VERSION, Object
// references) are skipped. Blocks left open at the end of the text are closed and reported.
// Blocks nested deeper than kMaxDesignerDepth are kept, as children of the block at that depth.
inline constexpr size_t kMaxDesignerDepth = 64;
RawDesigner ReadDesignerBlocks(const QString& text);

}  // namespace veldrane::migration
