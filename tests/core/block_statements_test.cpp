#include "passes/block_statements.h"

#include <gtest/gtest.h>

#include "core/conversion_fixture.h"
#include "core/edit_operations.h"

namespace veldrane {
namespace {

using testing::ConversionFixture;
using testing::Convert;
using Label = RecordingHost::Label;

struct Case {
  std::u16string text, expected;
};

void ExpectConversions(void (*pass)(Conversion&), std::initializer_list<Case> cases) {
  for (const Case& c : cases) EXPECT_EQ(Convert(c.text, pass), c.expected);
}

TEST(ConvertForLoops, RewritesHeadersAndOpensTheirBodies) {
  ExpectConversions(ConvertForLoops,
                    {
                        {u"For i = 1 To 10;\r\n  s = s + i;\r\nend;\r\n",
                         u"for i = 1 to 10 do\r\n\tbegin\r\n  s = s + i;\r\nend;\r\n"},
                        // The begin line is one tab whatever the header's indentation.
                        {u"    For i = 0 To n;\r\n      For j = 0 To m;\r\n      end;\r\n    end;\r\n",
                         u"    for i = 0 to n do\r\n\tbegin\r\n      for j = 0 to m do\r\n\tbegin\r\n      "
                         u"end;\r\n    end;\r\n"},
                        // A header without " To " on its line takes the next " To " in the text; the header
                        // that held it keeps its capital, the search resuming behind the begin line.
                        {u"For Each x In y;\r\n  z;\r\nFor i = 1 To 2;\r\nend;\r\n",
                         u"for Each x In y;\r\n  z;\r\nFor i = 1 to 2 do\r\n\tbegin\r\nend;\r\n"},
                        // Matched anywhere; the unit before the line end takes " do" whatever it is.
                        {u"// For i = 1 To 2\r\n", u"// for i = 1 to  do\r\n\tbegin\r\n"},
                        {u"Next;\r\nFor;\r\nfor i = 1 To 2;\r\n", u"Next;\r\nFor;\r\nfor i = 1 To 2;\r\n"},
                        // The begin line goes in front of the next line, also where that line is empty.
                        {u"For i = 1 To 2;\r\n\r\n", u"for i = 1 to 2 do\r\n\tbegin\r\n\r\n"},
                        {u"For i = 1 To 2;\r\n", u"for i = 1 to 2 do\r\n\tbegin\r\n"},
                    });
}

TEST(ConvertWhileLoops, RewritesHeadersAndOpensTheirBodies) {
  ExpectConversions(ConvertWhileLoops,
                    {
                        {u"While n > 0;\r\n  n = n - 1;\r\nLoop;\r\n",
                         u"while n > 0 do\r\n\tbegin\r\n  n = n - 1;\r\nLoop;\r\n"},
                        {u"Loop While x;\r\n", u"Loop while x do\r\n\tbegin\r\n"},
                        {u"Wend;\r\nWhile;\r\n", u"Wend;\r\nWhile;\r\n"},
                        {u"While a;\r\nWhile b;\r\n", u"while a do\r\n\tbegin\r\nwhile b do\r\n\tbegin\r\n"},
                    });
}

TEST(ConvertWithBlocks, RewritesTheBlockAndItsMemberReferences) {
  ExpectConversions(
      ConvertWithBlocks,
      {
          {u"With Text1;\r\n  .Text = s;\r\n  .SelStart = 0;\r\nEnd With;\r\n",
           u"with Text1 do\r\n\tbegin\r\n  Text = s;\r\n  SelStart = 0;\r\nend;\r\n"},
          // Only a dot after a space or an LF is a member reference, and only inside the block.
          {u"With a.b;\r\n.x = c.d + 1.5;\r\ny = .5;\r\n\t.z;\r\n(.w);\r\nEnd With;\r\nq = .r;\r\n",
           u"with a.b do\r\n\tbegin\r\nx = c.d + 1.5;\r\ny = 5;\r\n\t.z;\r\n(.w);\r\nend;\r\nq = .r;\r\n"},
          // The unit after a removed dot is passed over.
          {u"With a;\r\n ..x;\r\nEnd With;\r\n", u"with a do\r\n\tbegin\r\n .x;\r\nend;\r\n"},
          // Indentation of the closing line stays.
          {u"  With a;\r\n    .x = 1;\r\n  End With;\r\n",
           u"  with a do\r\n\tbegin\r\n    x = 1;\r\n  end;\r\n"},
          // Nested blocks: the outer block ends at the inner "End With"; the inner header and
          // the outer closing line stay.
          {u"With a;\r\n  With .Font;\r\n    .Bold = 1;\r\n  End With;\r\n  .X = 2;\r\nEnd With;\r\n",
           u"with a do\r\n\tbegin\r\n  With Font;\r\n    Bold = 1;\r\n  end;\r\n  .X = 2;\r\nEnd With;\r\n"},
          // Consecutive blocks are each converted.
          {u"With a;\r\n .x;\r\nEnd With;\r\nWith b;\r\n .y;\r\nEnd With;\r\n",
           u"with a do\r\n\tbegin\r\n x;\r\nend;\r\nwith b do\r\n\tbegin\r\n y;\r\nend;\r\n"},
          // A block without members: only header and closing line change.
          {u"With a;\r\nEnd With;\r\n", u"with a do\r\n\tbegin\r\nend;\r\n"},
          {u"End With;\r\n", u"End With;\r\n"},
      });
}

TEST(BlockStatements, PutTheSuffixOnTheTerminatorInFrontOfATrailingComment) {
  // The terminator pass wrote "; " in front of the comment: its ";" takes " do", and the
  // begin line goes to the start of the line after the comment.
  const struct {
    void (*pass)(Conversion&);
    Case c;
  } cases[] = {
      {ConvertForLoops,
       {u"For i = 1 To 10 ; // up\r\n  x;\r\n", u"for i = 1 to 10  do // up\r\n\tbegin\r\n  x;\r\n"}},
      {ConvertForLoops, {u"For i = 1 To 10; // up\r\n", u"for i = 1 to 10 do // up\r\n\tbegin\r\n"}},
      {ConvertWhileLoops, {u"While a ; // c\r\nb;\r\n", u"while a  do // c\r\n\tbegin\r\nb;\r\n"}},
      // The dots of the header's comment are not member references of the block.
      {ConvertWithBlocks,
       {u"With a ; // see .x\r\n .x;\r\nEnd With;\r\n",
        u"with a  do // see .x\r\n\tbegin\r\n x;\r\nend;\r\n"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Convert(c.c.text, c.pass), c.c.expected);
}

TEST(BlockStatements, EndThePassAtAHeaderThatCannotBeRewrittenWhole) {
  // Such a header and everything after it stay unchanged; the headers before it are done.
  const struct {
    void (*pass)(Conversion&);
    Case c;
  } cases[] = {
      // No " To " anywhere after a For.
      {ConvertForLoops, {u"For Each x In y;\r\n  z;\r\n", u"For Each x In y;\r\n  z;\r\n"}},
      {ConvertForLoops,
       {u"For i = 1 To 2;\r\nFor Each x;\r\nFor j = 3;\r\n",
        u"for i = 1 to 2 do\r\n\tbegin\r\nFor Each x;\r\nFor j = 3;\r\n"}},
      // No line break after the header (or after its " To ").
      {ConvertForLoops, {u"For i = 1 To 2;", u"For i = 1 To 2;"}},
      {ConvertForLoops, {u"For i = 1\r\n To 2;", u"For i = 1\r\n To 2;"}},
      {ConvertWhileLoops, {u"x;\r\nWhile a; // c", u"x;\r\nWhile a; // c"}},
      {ConvertWithBlocks, {u"With a;", u"With a;"}},
      // No "End With" after the header's line.
      {ConvertWithBlocks, {u"With a;\r\n .x;\r\n", u"With a;\r\n .x;\r\n"}},
      {ConvertWithBlocks, {u"With a; End With;\r\n .x;\r\n", u"With a; End With;\r\n .x;\r\n"}},
      {ConvertWithBlocks,
       {u"With a;\r\n .x;\r\nEnd With;\r\nWith b;\r\n .y;\r\n",
        u"with a do\r\n\tbegin\r\n x;\r\nend;\r\nWith b;\r\n .y;\r\n"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Convert(c.c.text, c.pass), c.c.expected);
}

TEST(BlockStatements, ReportTheirCaptionsAndYieldOncePerSearch) {
  const struct {
    void (*pass)(Conversion&);
    std::u16string text, caption;
    int yields;
  } cases[] = {
      {ConvertForLoops, u"For i = 1 To 2;\r\nFor j = 1 To 2;\r\n", u"「For」を変換", 3},
      {ConvertWhileLoops, u"x;\r\n", u"「While」を変換", 1},
      // One per header search, one per dot examined and one for the scan's last search.
      {ConvertWithBlocks, u"With a;\r\n .x = b.c;\r\nEnd With;\r\n.d;\r\n", u"「With」を変換", 5},
  };
  for (const auto& c : cases) {
    ConversionFixture fixture(c.text);
    fixture.Run(c.pass);
    const std::vector<RecordingHost::CaptionWrite> expected = {
        {Label::kLabel1, c.caption},
        {Label::kLabel2, CharacterCountCaption(static_cast<int32_t>(c.text.size()))}};
    EXPECT_EQ(fixture.host.Captions(), expected);
    EXPECT_EQ(fixture.host.Yields(), c.yields);
  }
}

TEST(BlockStatements, StopLeavesWhatIsRewrittenWhole) {
  const std::u16string with_block = u"With Text1;\r\n  .Text = s;\r\n  .SelStart = 0;\r\nEnd With;\r\n";
  const struct {
    void (*pass)(Conversion&);
    std::u16string text;
    int stop_at;
    std::u16string expected;
  } cases[] = {
      {ConvertForLoops, u"For i = 1 To 2;\r\nFor j = 1 To 2;\r\n", 1,
       u"for i = 1 to 2 do\r\n\tbegin\r\nFor j = 1 To 2;\r\n"},
      // A Stop in the member scan keeps the header and the "end", and the remaining dots.
      {ConvertWithBlocks, with_block, 1,
       u"with Text1 do\r\n\tbegin\r\n  .Text = s;\r\n  .SelStart = 0;\r\nend;\r\n"},
      {ConvertWithBlocks, with_block, 2,
       u"with Text1 do\r\n\tbegin\r\n  Text = s;\r\n  .SelStart = 0;\r\nend;\r\n"},
      {ConvertWithBlocks, with_block, 4,
       u"with Text1 do\r\n\tbegin\r\n  Text = s;\r\n  SelStart = 0;\r\nend;\r\n"},
  };
  for (const auto& c : cases) {
    ConversionFixture fixture(c.text);
    fixture.host.StopAtYield(c.stop_at);
    EXPECT_EQ(fixture.Run(c.pass), c.expected) << "stop at yield " << c.stop_at;
    EXPECT_EQ(fixture.host.Yields(), c.stop_at);
  }
}

TEST(BlockStatements, StayLinearOnLargeTexts) {
  std::u16string text, expected;
  for (int i = 0; i < 20000; ++i) {
    text += u"With a;\r\n .x = 1.5;\r\nEnd With;\r\nFor i = 1 To 2;\r\nend;\r\n";
    expected += u"with a do\r\n\tbegin\r\n x = 1.5;\r\nend;\r\nfor i = 1 to 2 do\r\n\tbegin\r\nend;\r\n";
  }
  ConversionFixture fixture(text);
  fixture.Run(ConvertWithBlocks);
  EXPECT_EQ(fixture.Run(ConvertForLoops), expected);
}

}  // namespace
}  // namespace veldrane
