#include "buffer/source_buffer.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>

#include "core/table_test.h"

namespace veldrane {
namespace {

// The plain-string meaning of find, used as the reference for the gap buffer.
int32_t ReferenceFind(const std::u16string& text, int32_t p, const std::u16string& s, int32_t limit) {
  if (s.empty() || p > static_cast<int32_t>(text.size())) return 0;
  const auto i = text.find(s, static_cast<std::size_t>(std::max(p, 1) - 1));
  if (i == std::u16string::npos || static_cast<int32_t>(i) + 1 >= limit) return 0;
  return static_cast<int32_t>(i) + 1;
}

TEST(SourceBuffer, FindFollowsThePrimitiveDefinition) {
  struct Case {
    std::u16string text;
    int32_t p;
    std::u16string literal;
    int32_t expected;
  };
  const Case cases[] = {
      {u"a And And b", 1, u" And ", 2},
      {u"a And And b", 3, u" And ", 6},
      {u"abc", 4, u"c", 0},
      {u"abc", 3, u"c", 3},
      {u"abc", 1, u"", 0},
      {u"", 1, u"a", 0},
      {u"x\r\ny", 1, u"\r\n", 2},
      {u"abcabc", 2, u"abc", 4},
      {u"ab", 1, u"abc", 0},
      {u"AbC", 1, u"abc", 0},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    SourceBuffer buffer(c.text);
    EXPECT_EQ(buffer.Find(c.p, c.literal), c.expected) << "p=" << c.p;
  }
}

TEST(SourceBuffer, SelectAndReplaceLeavesTheCaretBehindTheInsertedText) {
  SourceBuffer buffer(u"Private Sub A()");
  buffer.SelectAndReplace(0, 8, u"");
  EXPECT_EQ(buffer.Text(), u"Sub A()");
  EXPECT_EQ(buffer.Caret(), 0);
  buffer.SelectAndReplace(4, 1, u"Beta");
  EXPECT_EQ(buffer.Text(), u"Sub Beta()");
  EXPECT_EQ(buffer.Caret(), 8);
}

TEST(SourceBuffer, NoEditReachesOutsideTheText) {
  SourceBuffer buffer(u"abc");
  buffer.SelectAndReplace(-2, 1, u"X");
  buffer.SelectAndReplace(4, 0, u"Y");
  EXPECT_EQ(buffer.Text(), u"abc");
  EXPECT_EQ(buffer.Caret(), 3);
  buffer.SelectAndReplace(3, 0, u"d");
  buffer.SelectAndReplace(2, 100, u"");
  EXPECT_EQ(buffer.Text(), u"ab");
  EXPECT_EQ(buffer.ClampedEdits(), 3);
  EXPECT_EQ(buffer.At(0), 0);
  EXPECT_EQ(buffer.At(3), 0);
  EXPECT_EQ(buffer.Substr(2, 10), u"b");
}

// Random edits and searches against a plain string: the gaps and the block boundaries,
// wherever they stand, must never change what a search or a read sees, matches straddling
// them included. Tiny blocks put a boundary inside almost every match and edit.
TEST(SourceBuffer, AgreesWithAPlainStringUnderRandomEdits) {
  for (const std::size_t block_units :
       {SourceBuffer::kBlockUnits, std::size_t{1}, std::size_t{3}, std::size_t{64}}) {
    SCOPED_TRACE(block_units);
    std::mt19937 random(12345);
    const std::u16string alphabet = u"ab\r\n;";
    auto random_text = [&](int max_length) {
      std::u16string s(random() % (max_length + 1), u'a');
      for (auto& c : s) c = alphabet[random() % alphabet.size()];
      return s;
    };
    std::u16string reference = random_text(50);
    SourceBuffer buffer(reference, block_units);
    for (int step = 0; step < 20000; ++step) {
      const int32_t length = static_cast<int32_t>(reference.size());
      const int32_t offset = static_cast<int32_t>(random() % (length + 1));
      // Now and then a removal long enough to empty several blocks.
      const int32_t removed =
          static_cast<int32_t>(random() % (length - offset + 1) % (step % 97 == 0 ? 400 : 4));
      // Now and then an insertion that splits its block (kept small for tiny blocks, whose
      // count would otherwise make the test slow).
      const int big = static_cast<int>(std::min<std::size_t>(6000, 100 * block_units));
      const std::u16string inserted = random_text(step % 500 == 0 ? big : 3);
      buffer.SelectAndReplace(offset, removed, inserted);
      reference.replace(static_cast<std::size_t>(offset), static_cast<std::size_t>(removed), inserted);
      ASSERT_EQ(buffer.Length(), static_cast<int32_t>(reference.size()));
      ASSERT_EQ(buffer.Caret(), offset + static_cast<int32_t>(inserted.size()));
      const std::u16string literal = random_text(3);
      const int32_t p = 1 + static_cast<int32_t>(random() % (reference.size() + 2));
      const int32_t limit =
          random() % 2 ? SourceBuffer::kNoLimit : static_cast<int32_t>(random() % (reference.size() + 3));
      ASSERT_EQ(buffer.Find(p, literal, limit), ReferenceFind(reference, p, literal, limit));
      const int32_t q = 1 + static_cast<int32_t>(random() % (reference.size() + 1));
      ASSERT_EQ(
          buffer.Substr(q, 5),
          reference.substr(std::min<std::size_t>(static_cast<std::size_t>(q - 1), reference.size()), 5));
      ASSERT_EQ(buffer.At(q),
                q <= static_cast<int32_t>(reference.size()) ? reference[static_cast<std::size_t>(q - 1)] : 0);
      const auto last_cr = reference.rfind(u'\r', static_cast<std::size_t>(q) - 1);
      ASSERT_EQ(buffer.FindLastBefore(q + 1, u'\r'),
                last_cr == std::u16string::npos ? 0 : static_cast<int32_t>(last_cr) + 1);
    }
    EXPECT_EQ(buffer.Text(), reference);
  }
}

// Literals far longer than a block, found across many blocks whose gaps stand anywhere.
TEST(SourceBuffer, FindsLiteralsLongerThanManyBlocks) {
  std::mt19937 random(99);
  std::u16string reference;
  for (int i = 0; i < 400; ++i) reference.push_back(random() % 3 == 0 ? u'b' : u'a');
  SourceBuffer buffer(reference, 4);
  for (int edit = 0; edit < 40; ++edit) {  // gaps in many blocks
    const auto at = static_cast<int32_t>(random() % reference.size());
    buffer.SelectAndReplace(at, 1, u"ab");
    reference.replace(static_cast<std::size_t>(at), 1, u"ab");
  }
  for (int round = 0; round < 200; ++round) {
    const std::size_t length = 5 + random() % 80;
    std::u16string literal = reference.substr(random() % (reference.size() - length), length);
    if (round % 3 == 0) literal.back() = u'c';  // occurs nowhere
    const int32_t p = 1 + static_cast<int32_t>(random() % reference.size());
    ASSERT_EQ(buffer.Find(p, literal), ReferenceFind(reference, p, literal, SourceBuffer::kNoLimit))
        << "round " << round;
  }
}

// A text handed over in pieces of any size makes the same buffer as the text whole: the
// same units, the same answers, and edits across the pieces' and blocks' borders work.
TEST(SourceBuffer, TextSetInPiecesEqualsTextSetWhole) {
  const std::u16string text = u"Sub A()\r\n  B 1;\r\nEnd Sub\r\nx";
  for (const std::size_t block_units : {std::size_t{4}, std::size_t{7}, std::size_t{64}}) {
    for (const std::size_t piece_units : {std::size_t{1}, std::size_t{3}, block_units - 1, block_units,
                                          block_units + 1, 2 * block_units, text.size()}) {
      SCOPED_TRACE(::testing::Message() << "block " << block_units << ", piece " << piece_units);
      SourceBuffer whole(text, block_units);
      SourceBuffer pieces(u"old text", block_units);
      const uint64_t generation = pieces.Generation();
      std::size_t at = 0;
      pieces.SetTextInPieces([&] {
        const std::u16string_view piece =
            std::u16string_view(text).substr(std::min(at, text.size()), piece_units);
        at += piece_units;
        return piece;
      });
      EXPECT_EQ(pieces.Text(), text);
      EXPECT_EQ(pieces.Length(), whole.Length());
      EXPECT_EQ(pieces.Caret(), 0);
      EXPECT_EQ(pieces.Generation(), generation + 1);
      for (const std::u16string_view literal : {u"End", u"\r\n", u"B 1;", u"x"}) {
        EXPECT_EQ(pieces.Find(1, literal), whole.Find(1, literal));
      }
      pieces.SelectAndReplace(5, 9, u"[]");
      whole.SelectAndReplace(5, 9, u"[]");
      EXPECT_EQ(pieces.Text(), whole.Text());
    }
  }
  SourceBuffer emptied(u"abc");
  emptied.SetTextInPieces([] { return std::u16string_view(); });
  EXPECT_EQ(emptied.Length(), 0);
  EXPECT_EQ(emptied.Text(), u"");
}

// Reads on either side of the gap, across it and up to the end of the text, also with a
// length so large that position + length does not fit in 32 bits.
TEST(SourceBuffer, SubstrReadsBothSegmentsAndStopsAtTheEnd) {
  SourceBuffer buffer(u"abcdefgh");
  buffer.SelectAndReplace(3, 1, u"D");  // the gap now stands behind "abcD"
  struct Case {
    int32_t p, length;
    std::u16string expected;
  };
  const Case cases[] = {
      {1, 3, u"abc"}, {1, 4, u"abcD"},      {4, 2, u"De"},
      {5, 2, u"ef"},  {2, 100, u"bcDefgh"}, {3, std::numeric_limits<int32_t>::max(), u"cDefgh"},
      {0, 2, u"a"},   {9, 1, u""},          {4, 0, u""},
      {4, -3, u""},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    EXPECT_EQ(buffer.Substr(c.p, c.length), c.expected) << c.p << "," << c.length;
  }
}

TEST(SourceBuffer, FindLastBeforeSearchesBackwards) {
  SourceBuffer buffer(u"a\r\nb\r\nSub x");
  EXPECT_EQ(buffer.FindLastBefore(7, u'\r'), 5);
  EXPECT_EQ(buffer.FindLastBefore(5, u'\r'), 2);
  EXPECT_EQ(buffer.FindLastBefore(2, u'\r'), 0);
}

}  // namespace
}  // namespace veldrane
