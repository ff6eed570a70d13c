#include "files/text_encoding.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace veldrane::files {
namespace {

TextEncoding Named(const char* name) { return *EncodingFromName(name); }

TEST(Utf8Validation, ReportsTheFirstOffendingByte) {
  struct Case {
    QByteArray bytes;
    qsizetype offset;
  } cases[] = {
      {"", -1},
      {"plain ascii", -1},
      {"\xC2\xA9 \xE6\x97\xA5 \xF0\x9F\x98\x80", -1},  // 2, 3 and 4 byte forms
      {"\xF4\x8F\xBF\xBF", -1},                        // U+10FFFF
      {"\xED\x9F\xBF", -1},                            // U+D7FF, just below the surrogates
      {"a\x80", 1},                                    // continuation without lead
      {"\xC1\xBF", 0},                                 // overlong 2 byte
      {"\xE0\x9F\xBF", 0},                             // overlong 3 byte
      {"\xF0\x8F\xBF\xBF", 0},                         // overlong 4 byte
      {"xy\xED\xA0\x80", 2},                           // surrogate
      {"\xF4\x90\x80\x80", 0},                         // above U+10FFFF
      {"\xF5\x80\x80\x80", 0},
      {"ok\xE6\x97", 2},  // cut short at the end
      {"\xE6\x97"
       "a",
       0},  // cut short by an ASCII byte
      {"\xC3\xA9\xFE", 2},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FirstInvalidUtf8Offset(c.bytes), c.offset) << c.bytes.toHex().constData();
}

TEST(EncodingNames, ResolvesKnownNamesAndRejectsOthers) {
  EXPECT_EQ(EncodingFromName("utf-8")->kind, TextEncoding::Kind::kUtf8);
  EXPECT_EQ(EncodingFromName("UTF8")->kind, TextEncoding::Kind::kUtf8);
  EXPECT_EQ(EncodingFromName("utf-16le")->kind, TextEncoding::Kind::kUtf16LE);
  EXPECT_EQ(EncodingFromName("UTF-16BE")->kind, TextEncoding::Kind::kUtf16BE);
  EXPECT_EQ(EncodingFromName("windows-1252")->kind, TextEncoding::Kind::kNamed);
  EXPECT_EQ(EncodingFromName("shift_jis")->DisplayName(), "Shift_JIS");
  EXPECT_FALSE(EncodingFromName("utf-16"));  // byte order left open
  EXPECT_FALSE(EncodingFromName("no-such-encoding"));
  EXPECT_FALSE(EncodingFromName(""));
}

TEST(AutoDetection, BomThenUtf8ThenLegacy) {
  struct Case {
    const char* name;
    QByteArray bytes;
    TextEncoding::Kind kind;
    bool bom;
    QString text;
  } cases[] = {
      {"UTF-8 BOM", "\xEF\xBB\xBFx\xC3\xA9", TextEncoding::Kind::kUtf8, true, u"x\u00e9"_qs},
      {"UTF-16LE BOM", QByteArray("\xFF\xFEx\0\xE9\0", 6), TextEncoding::Kind::kUtf16LE, true, u"x\u00e9"_qs},
      {"UTF-16BE BOM", QByteArray("\xFE\xFF\0x\0\xE9", 6), TextEncoding::Kind::kUtf16BE, true, u"x\u00e9"_qs},
      {"valid UTF-8", "x\xC3\xA9", TextEncoding::Kind::kUtf8, false, u"x\u00e9"_qs},
      {"ASCII", "x = 1", TextEncoding::Kind::kUtf8, false, "x = 1"},
      {"legacy", "x\xE9", TextEncoding::Kind::kNamed, false, u"x\u00e9"_qs},
      {"legacy euro sign", "\x80", TextEncoding::Kind::kNamed, false, u"\u20ac"_qs},
      {"UTF-16LE without BOM", QByteArray("x\0=\0\xE5\x65\r\0\n\0", 10), TextEncoding::Kind::kUtf16LE, false,
       u"x=\u65e5\r\n"_qs},
      {"UTF-16BE without BOM", QByteArray("\0x\0=\x65\xE5", 6), TextEncoding::Kind::kUtf16BE, false,
       u"x=\u65e5"_qs},
      {"UTF-16LE without BOM, mostly Japanese",
       Encode(u"' 日本語のコメントです\r\n"_qs, Named("utf-16le")).bytes, TextEncoding::Kind::kUtf16LE, false,
       u"' 日本語のコメントです\r\n"_qs},
      {"16-bit numbers are no UTF-16", QByteArray("\x01\0\x02\0", 4), TextEncoding::Kind::kUtf8, false,
       QString::fromLatin1("\x01\0\x02\0", 4)},
      {"zero bytes on both sides", QByteArray("a\0\0b", 4), TextEncoding::Kind::kUtf8, false,
       QString::fromLatin1("a\0\0b", 4)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DecodedText decoded = DecodeAuto(c.bytes, Named("windows-1252"));
    ASSERT_FALSE(decoded.error);
    EXPECT_EQ(decoded.encoding.kind, c.kind);
    EXPECT_EQ(decoded.encoding.bom, c.bom);
    EXPECT_EQ(decoded.text, c.text);
  }
}

TEST(Decoding, ReportsWhereTheInvalidSequenceStarts) {
  struct Case {
    const char* name;
    QByteArray bytes;
    const char* encoding;
    qsizetype offset;
  } cases[] = {
      {"Shift_JIS lead byte before a space", "a\x93\xFA\x81 z", "shift_jis", 3},
      {"Shift_JIS cut short at the end", "ab\x93", "shift_jis", 2},
      {"UTF-16LE odd length", QByteArray("x\0y", 3), "utf-16le", 2},
      {"UTF-16LE lone low surrogate", QByteArray("x\0\x00\xDC", 4), "utf-16le", 2},
      {"UTF-16BE high surrogate at the end", QByteArray("\0x\xD8\x00", 4), "utf-16be", 2},
      {"UTF-8", "ab\xFF", "utf-8", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DecodedText decoded = DecodeAs(c.bytes, Named(c.encoding));
    ASSERT_TRUE(decoded.error);
    EXPECT_EQ(decoded.error->byte_offset, c.offset);
  }
}

TEST(Decoding, ForcedEncodingKeepsTheBomAsCharacter) {
  const DecodedText decoded = DecodeAs("\xEF\xBB\xBFx", Named("utf-8"));
  ASSERT_FALSE(decoded.error);
  EXPECT_EQ(decoded.text, u"\ufeffx"_qs);
}

TEST(NulDetection, CountsZeroUnitsNotZeroBytesInUtf16) {
  EXPECT_EQ(FirstNulOffset("abc", Named("utf-8")), -1);
  EXPECT_EQ(FirstNulOffset(QByteArray("ab\0c", 4), Named("windows-1252")), 2);
  TextEncoding le = Named("utf-16le");
  EXPECT_EQ(FirstNulOffset(QByteArray("a\0b\0", 4), le), -1);
  EXPECT_EQ(FirstNulOffset(QByteArray("a\0\0\0", 4), le), 2);
  le.bom = true;
  EXPECT_EQ(FirstNulOffset(QByteArray("\xFF\xFE\0\0", 4), le), 2);
}

TEST(Encoding, RoundTripsWhatWasDecoded) {
  struct Case {
    const char* encoding;
    bool bom;
    QByteArray bytes;
  } cases[] = {
      {"utf-8", false, "x \xE6\x97\xA5 \xF0\x9F\x98\x80"},
      {"utf-8", true, "\xEF\xBB\xBFx"},
      {"utf-16le", true, QByteArray("\xFF\xFEx\0\x3D\xD8\x00\xDE", 8)},
      {"utf-16be", false, QByteArray("\0x\0y", 4)},
      {"windows-1252", false, "caf\xE9 \x80 \x81 \x8D"},
      {"shift_jis", false, "\x93\xFA\x96\x7B \\ ~"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.encoding);
    TextEncoding encoding = Named(c.encoding);
    encoding.bom = c.bom;
    const DecodedText decoded = DecodeAs(c.bytes, encoding);
    ASSERT_FALSE(decoded.error);
    const EncodedText encoded = Encode(decoded.text, decoded.encoding);
    ASSERT_FALSE(encoded.error);
    EXPECT_EQ(encoded.bytes, c.bytes);
  }
}

TEST(Encoding, CharacterTheEncodingCannotHoldIsAnError) {
  struct Case {
    const char* encoding;
    QString text;
    const char* cause;
    qsizetype index;
  } cases[] = {
      {"windows-1252", u"ok\r\nx \u65e5"_qs, "character U+65E5 cannot be written in windows-1252", 6},
      {"shift_jis", u"\u00e9"_qs, "character U+00E9 cannot be written in Shift_JIS", 0},
      {"windows-1252", u"a\U0001F600"_qs, "character U+1F600 cannot be written in windows-1252", 1},
      {"utf-8", u"ab"_qs + QChar(0xD800), "unpaired surrogate cannot be written in UTF-8", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.encoding);
    const EncodedText encoded = Encode(c.text, Named(c.encoding));
    ASSERT_TRUE(encoded.error);
    EXPECT_EQ(encoded.error->cause, c.cause);
    EXPECT_EQ(encoded.error->text_index, c.index);
    EXPECT_TRUE(encoded.bytes.isEmpty());
  }
}

// Each code page the README and --help list, by the names users give it: it is the Windows
// variant (a byte only that variant maps decides), and its own script round-trips.
TEST(CodePages, EveryListedOneReadsAndWritesItsScript) {
  struct Case {
    const char* given;
    const char* shown;
    QByteArray byte;  // a byte sequence only the Windows variant maps so
    char16_t character;
    QString text;
  } cases[] = {
      {"windows-1250", "windows-1250", "\x9C", u'\u015B', u"Zażółć gęślą jaźń"_qs},
      {"windows-1251", "windows-1251", "\x80", u'\u0402', u"Привет, мир"_qs},
      {"windows-1252", "windows-1252", "\x80", u'\u20AC', u"café Größe"_qs},
      {"windows-1253", "windows-1253", "\xA2", u'\u0386', u"Καλημέρα κόσμε"_qs},
      {"windows-1254", "windows-1254", "\xFD", u'\u0131', u"Şifre ğ ı İ"_qs},
      {"windows-1255", "windows-1255", "\xE0", u'\u05D0', u"שלום עולם"_qs},
      {"windows-1256", "windows-1256", "\xC7", u'\u0627', u"مرحبا بالعالم"_qs},
      {"windows-1257", "windows-1257", "\xE0", u'\u0105', u"Ačiū, įrašas išsaugotas"_qs},
      {"windows-1258", "windows-1258", "\xF0", u'\u0111', u"đ ơ ư Vi\u00EA\u0323t"_qs},
      {"shift_jis", "Shift_JIS", "\x82\xA0", u'\u3042', u"日本語のｶﾀｶﾅ"_qs},
      {"gbk", "GBK", "\x80", u'\u20AC', u"中文简体字"_qs},
      {"big5", "Big5", "\xA4\x40", u'\u4E00', u"中文繁體字"_qs},
      {"windows-950", "Big5", "\xA3\xE1", u'\u20AC', u"檔案已儲存"_qs},
      {"windows-949", "windows-949", "\x81\x41", u'\uAC02', u"한국어 갂"_qs},
      {"cp949", "windows-949", "\x81\x41", u'\uAC02', u"저장"_qs},
      {"windows-874", "windows-874", "\x80", u'\u20AC', u"ภาษาไทย"_qs},
      {"tis-620", "windows-874", "\xA1", u'\u0E01', u"บันทึกไฟล์"_qs},
      {"cp874", "windows-874", "\x80", u'\u20AC', u"สวัสดี"_qs},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.given);
    const std::optional<TextEncoding> encoding = EncodingFromName(c.given);
    ASSERT_TRUE(encoding);
    EXPECT_EQ(encoding->DisplayName(), c.shown);
    const DecodedText signature = DecodeAs(c.byte, *encoding);
    ASSERT_FALSE(signature.error) << signature.error->cause.toStdString();
    EXPECT_EQ(signature.text, QString(QChar(c.character)));
    const EncodedText encoded = Encode(c.text, *encoding);
    ASSERT_FALSE(encoded.error) << encoded.error->cause.toStdString();
    EXPECT_TRUE(std::any_of(encoded.bytes.cbegin(), encoded.bytes.cend(), [](char b) { return b & 0x80; }));
    const DecodedText decoded = DecodeAs(encoded.bytes, *encoding);
    ASSERT_FALSE(decoded.error);
    EXPECT_EQ(decoded.text, c.text);
  }
}

}  // namespace
}  // namespace veldrane::files
