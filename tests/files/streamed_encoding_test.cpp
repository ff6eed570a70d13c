#include "files/streamed_encoding.h"

#include <gtest/gtest.h>

namespace veldrane::files {
namespace {

QString ToQString(const std::u16string& s) {
  return QString(reinterpret_cast<const QChar*>(s.data()), qsizetype(s.size()));
}

// A text whose pieces end, for some piece size, inside every CR LF, inside a surrogate pair
// (U+1F600, where the encoding can hold it) and next to a lone CR and a lone LF.
std::u16string MixedText(bool astral) {
  std::u16string text;
  for (int i = 0; i < 40; ++i) {
    text += u"x = \u65E5\u672C\r\n";
    text += i % 3 == 0 ? (astral ? u"\U0001F600 y\r" : u"\u3042 y\r") : u"z\n";
    text += u"ab";
  }
  return text;
}

TEST(EncodeBuffer, WritesWhatWholeTextEncodingWrites) {
  for (const char* name : {"UTF-8", "UTF-16LE", "UTF-16BE", "Shift_JIS", "GB18030"}) {
    std::optional<TextEncoding> encoding = EncodingFromName(name);
    ASSERT_TRUE(encoding) << name;
    const std::u16string text = MixedText(encoding->IsUnicode() || std::string_view(name) == "GB18030");
    const SourceBuffer buffer(text);
    for (const bool bom : {false, true}) {
      encoding->bom = bom && encoding->IsUnicode();
      for (const LineBreaks breaks : {LineBreaks::kCrLf, LineBreaks::kLf, LineBreaks::kCr}) {
        const EncodedText whole = Encode(FromCrLf(ToQString(text), breaks), *encoding);
        ASSERT_FALSE(whole.error) << name;
        for (const int32_t piece : {2, 3, 7, 64, 1 << 16}) {
          const StreamedOutput streamed = EncodeBuffer(buffer, breaks, *encoding, piece);
          EXPECT_FALSE(streamed.error) << name << " piece " << piece;
          EXPECT_EQ(streamed.bytes, whole.bytes) << name << " bom " << bom << " piece " << piece;
        }
      }
    }
  }
}

TEST(EncodeBuffer, EmptyTextGetsOnlyItsByteOrderMark) {
  TextEncoding utf8;
  utf8.bom = true;
  EXPECT_EQ(EncodeBuffer(SourceBuffer(), LineBreaks::kCrLf, utf8).bytes, QByteArray("\xEF\xBB\xBF"));
  utf8.bom = false;
  EXPECT_TRUE(EncodeBuffer(SourceBuffer(), LineBreaks::kCrLf, utf8).bytes.isEmpty());
}

// The failure names the character inside the piece it was found in, wherever it stands.
TEST(EncodeBuffer, NamesTheCharacterThatCannotBeWritten) {
  std::optional<TextEncoding> latin = EncodingFromName("windows-1252");
  ASSERT_TRUE(latin);
  for (const std::size_t at : {std::size_t{0}, std::size_t{5}, std::size_t{70}}) {
    std::u16string text(100, u'a');
    text[at] = u'\u65E5';
    for (const int32_t piece : {3, 64, 1 << 16}) {
      const StreamedOutput streamed = EncodeBuffer(SourceBuffer(text), LineBreaks::kCrLf, *latin, piece);
      ASSERT_TRUE(streamed.error) << at << " " << piece;
      ASSERT_GE(streamed.error->text_index, 0);
      EXPECT_EQ(streamed.piece[streamed.error->text_index], QChar(u'\u65E5')) << at << " " << piece;
    }
  }
}

}  // namespace
}  // namespace veldrane::files
