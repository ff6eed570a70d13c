#include "core/name_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veldrane {
namespace {

// Every name comes back unit for unit, whether it is kept at one byte a unit or not, also
// after an entry is overwritten with a name of the other kind.
TEST(NameList, GivesBackEveryNameAsItWasSet) {
  const std::vector<std::u16string> names = {
      u"",
      u"Foo",
      std::u16string(u"a\0b", 3),
      u"\u00FF\u00E9",
      u"x\u0100",
      u"\u65E5\u672C",
      u"a\xD800",
      u"\r\nEnd Type\r\n",
  };
  NameList list(names);
  ASSERT_EQ(list.size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(list[i], names[i]) << i;
    EXPECT_EQ(list.IsEmpty(i), names[i].empty()) << i;
  }
  for (std::size_t i = 0; i < names.size(); ++i) list.Set(i, names[names.size() - 1 - i]);
  for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(list[i], names[names.size() - 1 - i]) << i;
  EXPECT_EQ(list.Entries().front(), names.back());
}

}  // namespace
}  // namespace veldrane
