#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/conversion.h"
#include "core/name_list.h"
#include "passes/name_search.h"

namespace veldrane {

// The walk of the two passes that rewrite the occurrences of a name list: from entry 0 to the
// first empty entry, each name's occurrences from the text's start on. Every step tests for
// Stop and yields first, then asks `search` for the name's next occurrence from where its last
// one left off. `visit(name, found)` rewrites an occurrence and returns the position where the
// search for that name goes on, or 0 to go on with the next name.
template <typename Visit>
void WalkNameOccurrences(Conversion& cv, const NameList& names, NameSearch& search, Visit visit) {
  std::size_t index = 0;
  int32_t search_start = 1;
  while (index < names.size() && !names.IsEmpty(index) && ContinueRun(cv)) {
    const std::u16string& name = search.Name(index);
    const int32_t found = search.Next(index, search_start);
    search_start = found == 0 ? 0 : visit(name, found);
    if (search_start == 0) {
      ++index;
      search_start = 1;
    }
  }
}

}  // namespace veldrane
