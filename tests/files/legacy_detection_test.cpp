// Bytes that are not UTF-8 are read in the code page the detector finds among VB6's, and in
// windows-1252 when it finds none; a code page the user names always wins.
#include "files/legacy_detection.h"

#include <gtest/gtest.h>

#include "files/text_encoding.h"

namespace veldrane::files {
namespace {

TextEncoding Named(const char* name) {
  const std::optional<TextEncoding> encoding = EncodingFromName(name);
  EXPECT_TRUE(encoding) << name;
  return encoding.value_or(TextEncoding{});
}

QByteArray EncodedIn(const QString& text, const char* name) {
  const EncodedText encoded = Encode(text, Named(name));
  EXPECT_FALSE(encoded.error) << name;
  return encoded.bytes;
}

QString Module(const QString& comment, const QString& caption, const QString& message) {
  return "Option Explicit\r\n' " + comment + "\r\nPrivate Sub Form_Load()\r\n    Label1.Caption = \"" +
         caption + "\"\r\n    MsgBox \"" + message + "\"\r\nEnd Sub\r\n";
}

TEST(LegacyDetection, FindsTheCodePageOfRealisticModules) {
  struct Case {
    const char* code_page;  // the file is written in it
    QString text;
    const char* detected;  // Qt's name of the code page read
  } cases[] = {
      {"shift_jis", Module(u"日本語のコメントです"_qs, u"こんにちは"_qs, u"ファイルを保存しました"_qs),
       "Shift_JIS"},
      {"gbk", Module(u"这是一个测试模块，用于显示中文字符串"_qs, u"你好，世界"_qs, u"文件已保存"_qs), "GBK"},
      {"big5", Module(u"這是一個測試模組，用來顯示中文字串"_qs, u"你好，世界"_qs, u"檔案已儲存"_qs), "Big5"},
      {"windows-949",
       Module(u"이것은 한국어 주석입니다"_qs, u"안녕하세요 세계"_qs, u"파일이 저장되었습니다"_qs), nullptr},
      {"windows-1251",
       Module(u"Это комментарий на русском языке"_qs, u"Привет, мир"_qs, u"Файл сохранён успешно"_qs),
       "windows-1251"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code_page);
    const QByteArray bytes = EncodedIn(c.text, c.code_page);
    const DecodedText decoded = DecodeAuto(bytes, std::nullopt);
    ASSERT_FALSE(decoded.error);
    EXPECT_EQ(decoded.choice, DecodedText::Choice::kDetected);
    EXPECT_EQ(decoded.text, c.text);
    EXPECT_EQ(decoded.encoding.name, c.detected ? QByteArray(c.detected) : Named(c.code_page).name);
  }
}

// Short texts the detector misnames or does not name: the code page whose reading holds the
// fewest unlikely characters wins; IBM852 answers become windows-1257 or 1250.
TEST(LegacyDetection, WeakAnswersGoToTheMostPlausibleReading) {
  struct Case {
    const char* name;
    const char* code_page;  // the file is written in it and is to be read so
    QString text;
  } cases[] = {
      {"Shift_JIS, half-width katakana (windows-1252 answered)", "shift_jis", u"s = \"ｱｲｳｴｵ ﾃｽﾄ\"\r\n"_qs},
      {"Shift_JIS, half-width katakana only", "shift_jis", u"s = \"ﾌｧｲﾙ\"\r\n"_qs},
      {"Shift_JIS, a routine name (nothing answered)", "shift_jis", u"Public Sub 初期化()\r\nEnd Sub\r\n"_qs},
      {"GBK, two characters (windows-1252 answered)", "gbk", u"MsgBox \"保存\"\r\n"_qs},
      {"Thai (ISO-8859-7 answered)", "windows-874", u"MsgBox \"สวัสดีครับ บันทึกไฟล์เรียบร้อยแล้ว\"\r\n"_qs},
      {"Lithuanian (IBM852 answered)", "windows-1257", u"x = Ąžuolas\r\n"_qs},
      {"Lithuanian (windows-1252 answered)", "windows-1257", u"x = Žąsis\r\n"_qs},
      {"Polish", "windows-1250", u"MsgBox \"Zażółć gęślą jaźń. Plik został zapisany\"\r\n"_qs},
      {"French", "windows-1252", u"MsgBox \"Le fichier a été enregistré, voulez-vous continuer ?\"\r\n"_qs},
      {"German and symbols", "windows-1252", u"MsgBox \"Größe prüfen: ±5° ©2001 don´t\"\r\n"_qs},
      {"Spanish, signs glued to words", "windows-1252",
       u"MsgBox \"¿Desea guardar? ¡Atención! El año\"\r\n"_qs},
      {"a unit glued to its sign", "windows-1252", u"x = 5 ' °C\r\n"_qs},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DecodedText decoded = DecodeAuto(EncodedIn(c.text, c.code_page), std::nullopt);
    ASSERT_FALSE(decoded.error);
    EXPECT_EQ(decoded.text, c.text);
  }
}

TEST(LegacyDetection, FallsBackToWindows1252AndANamedCodePageWins) {
  // A lone accented letter: too little for the detector to name a code page it trusts, or
  // one of the Western pages; either way the text reads as windows-1252 does.
  const QByteArray latin = "s = \"caf\xE9\"\r\n";
  const DecodedText automatic = DecodeAuto(latin, std::nullopt);
  ASSERT_FALSE(automatic.error);
  EXPECT_EQ(automatic.text, u"s = \"caf\u00e9\"\r\n"_qs);

  // Bytes the detector names no code page for, and that no other code page reads better,
  // are read as windows-1252.
  const DecodedText fallback = DecodeAuto("ab\x81 c\x8D d", std::nullopt);
  EXPECT_EQ(fallback.choice, DecodedText::Choice::kFallback);
  EXPECT_EQ(fallback.encoding.name, "windows-1252");
  EXPECT_FALSE(fallback.error);

  const QByteArray japanese = EncodedIn(u"' 日本語のコメントです\r\n"_qs, "shift_jis");
  const DecodedText forced = DecodeAuto(japanese, Named("windows-1252"));
  EXPECT_EQ(forced.choice, DecodedText::Choice::kGiven);
  EXPECT_EQ(forced.encoding.name, "windows-1252");
}

TEST(LegacyDetection, ValidUtf8AndByteOrderMarksAreNeverSentToTheDetector) {
  EXPECT_EQ(DecodeAuto("x = \"\xE6\x97\xA5\"", std::nullopt).choice, DecodedText::Choice::kValidUtf8);
  EXPECT_EQ(DecodeAuto("\xEF\xBB\xBFx", std::nullopt).choice, DecodedText::Choice::kByteOrderMark);
}

}  // namespace
}  // namespace veldrane::files
