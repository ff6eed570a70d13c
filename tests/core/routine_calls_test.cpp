#include "passes/routine_calls.h"

#include <gtest/gtest.h>

#include "core/conversion_fixture.h"
#include "core/interruption_sweep.h"
#include "core/table_test.h"

namespace veldrane {
namespace {

using testing::ConversionFixture;
using Label = RecordingHost::Label;
using Names = std::vector<std::u16string>;

struct Case {
  Names names;
  std::u16string text, expected;
};

std::u16string WithRoutineNames(const Names& names, const std::u16string& text) {
  return testing::ConvertEndingSoundly(
      text, [&names](ConversionState& state) { state.RoutineNames = names; }, FixRoutineCalls);
}

TEST(FixRoutineCalls, PutsTheArgumentsOfCallsInParentheses) {
  const Names foo = {u"Foo"};
  const Case cases[] = {
      {foo, u"Foo a, b;", u"Foo(a, b);"},
      {foo, u"Foo;", u"Foo;"},
      {foo, u"x = Foo(1);", u"x = Foo(1);"},
      {foo, u"Foo = 5;", u"Foo = 5;"},
      {foo, u"Foo a ; // note", u"Foo(a ); // note"},
      {foo, u"Foo a = b;", u"Foo a = b;"},
      // Only a " = " in front of the ";" counts.
      {foo, u"Foo a; x = 1;", u"Foo(a); x = 1;"},
      // The first ";" behind the name, wherever it is.
      {foo, u"if Foo x then\r\n  y;\r\n", u"if Foo(x then\r\n  y);\r\n"},
      {foo, u"if Foo x then\r\n  y = 1;\r\n", u"if Foo x then\r\n  y = 1;\r\n"},
      {foo, u"MyFoo a;", u"MyFoo(a);"},
      {{u"Foo", u"Bar", u""}, u"Bar 1;\r\nFoo 2;\r\nBar 3;", u"Bar(1);\r\nFoo(2);\r\nBar(3);"},
      // No ";" behind the name: no place for the ")", the occurrence stays.
      {foo, u"Foo a", u"Foo a"},
      {foo, u"Foo a;\r\n// Foo b", u"Foo(a);\r\n// Foo b"},
      {foo, u"Foo ", u"Foo "},
      // Each ")" moves the later ";" on, the last one included.
      {foo, u"Foo a; Foo b;", u"Foo(a); Foo(b);"},
      {{u"Bar", u"Foo", u""}, u"Bar 1; Foo 2; Bar 3;", u"Bar(1); Foo(2); Bar(3);"},
      {foo, u"Foo a;\r\n// Foo b\r\n// Foo c\r\nFoo d;", u"Foo(a);\r\n// Foo(b\r\n// Foo(c\r\nFoo(d)));"},
      {foo, u"Foo a;\r\n// Foo b\r\n// Foo c\r\n", u"Foo(a);\r\n// Foo b\r\n// Foo c\r\n"},
      // Names holding "(" or ")": found also where the pass wrote the "(", and not where only
      // the part of the name between them matches (the answers for "e" first complete the
      // scan of the text, which then serves the later names).
      {{u"e", u"Foo", u"Foo(Quantity", u""},
       u"// eeeeeeeeeeeeeeee\r\nFoo Quantity x;",
       u"// eeeeeeeeeeeeeeee\r\nFoo(Quantity(x));"},
      {{u"e", u"Total) : Integer;\r\nBar", u""},
       u"// eeeeeeeeeeeeeeee\r\ny : Integer;\r\nBar 2;\r\nx(Total) : Integer;\r\nBar 1;",
       u"// eeeeeeeeeeeeeeee\r\ny : Integer;\r\nBar 2;\r\nx(Total) : Integer;\r\nBar(1);"},
      // The walk ends at the first empty entry.
      {{u""}, u"Foo a;", u"Foo a;"},
      {{u"", u"Foo"}, u"Foo a;", u"Foo a;"},
      {{}, u"Foo a;", u"Foo a;"},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    EXPECT_EQ(WithRoutineNames(c.names, c.text), c.expected);
  }
}

TEST(FixRoutineCalls, ReportsItsCaptionAndYieldsOncePerOccurrenceSearched) {
  ConversionFixture fixture(u"Foo a;\r\nFoo b;");
  fixture.state.RoutineNames = {u"Foo", u""};
  fixture.Run(FixRoutineCalls);
  const std::vector<RecordingHost::CaptionWrite> expected = {
      {Label::kLabel1, u"関数、手続きの呼び出しを修正"}, {Label::kLabel2, u"全文字数 14"}};
  EXPECT_EQ(fixture.host.Captions(), expected);
  EXPECT_EQ(fixture.host.Yields(), 3);
}

TEST(FixRoutineCalls, StopStillClosesTheCallInProgress) {
  ConversionFixture fixture(u"Foo a;\r\nFoo b;");
  fixture.state.RoutineNames = {u"Foo"};
  fixture.host.StopAtYield(1);
  EXPECT_EQ(fixture.Run(FixRoutineCalls), u"Foo(a);\r\nFoo b;");
}

TEST(FixRoutineCalls, StaysInsideTheTextWhenStoppedOrClearedAnywhere) {
  testing::ExpectSoundAtEveryYield(
      u"Foo a;\r\nx = Foo 1;\r\nBar Foo b;\r\n// Foo c",
      [](ConversionState& state) {
        state.RoutineNames = {u"Foo", u"Bar", u""};
      },
      FixRoutineCalls);
}

}  // namespace
}  // namespace veldrane
