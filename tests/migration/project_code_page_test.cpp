// A project's files are read in one code page chosen from all of them, a font's Charset first.

#include "migration/project_code_page.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>

#include "files/text_encoding.h"
#include "migration/project_migration.h"

namespace veldrane::migration {
namespace {

QByteArray In(const char* code_page, const QString& text) {
  const files::EncodedText encoded = files::Encode(text, *files::EncodingFromName(code_page));
  EXPECT_FALSE(encoded.error) << code_page;
  return encoded.bytes;
}

QString Form(const QString& font, int charset, const QString& caption) {
  return QString(
             "VERSION 5.00\r\nBegin VB.Form Form1\r\n   Caption = \"%3\"\r\n   BeginProperty Font\r\n"
             "      Name = \"%1\"\r\n      Charset = %2\r\n   EndProperty\r\nEnd\r\n"
             "Attribute VB_Name = \"Form1\"\r\n")
      .arg(font)
      .arg(charset)
      .arg(caption);
}

TEST(ProjectCodePage, FontCharsetFirstThenAllTheBytesTogether) {
  const QByteArray vbp_gbk = In("gbk", u"Form=Form1.frm\r\nName=\"工程1\"\r\n"_qs);
  const QByteArray form_gbk = In("gbk", Form(u"宋体"_qs, 134, u"保存"_qs));
  const QByteArray sjis_short = In("shift_jis", u"s = \"ﾃｽﾄ\"\r\n"_qs);
  const QByteArray sjis_name = In("shift_jis", u"Public Sub 初期化()\r\nEnd Sub\r\n"_qs);
  const QByteArray ascii = "x = 1\r\n";
  struct Case {
    const char* name;
    QList<QByteArray> files;
    std::optional<files::TextEncoding> given;
    const char* code_page;
    const char* reason;
  } cases[] = {
      {"GBK named by Charset 134", {vbp_gbk, form_gbk}, {}, "GBK", "font Charset 134"},
      {"Charset 0 names no page",
       {In("windows-1251", Form("Arial", 0, u"Сохранить файл"_qs))},
       {},
       "windows-1251",
       "detected"},
      {"a Charset the bytes do not decode in",
       {In("shift_jis", Form("MS Gothic", 136, u"ﾃｽﾄを保存しました"_qs))},
       {},
       "Shift_JIS",
       "detected"},
      {"short files read together", {ascii, sjis_short, sjis_name}, {}, "Shift_JIS", "detected"},
      {"all ASCII and UTF-8",
       {ascii, u"s = \"日本\"\r\n"_qs.toUtf8()},
       {},
       "windows-1252",
       "no file needs one"},
      {"given wins", {vbp_gbk, form_gbk}, files::EncodingFromName("big5"), "Big5", "given"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ProjectCodePage chosen = ChooseProjectCodePage(c.files, c.given);
    EXPECT_EQ(chosen.encoding.DisplayName(), c.code_page);
    EXPECT_EQ(chosen.reason, c.reason);
  }
}

// The .vbp's own texts, the designer section and the code are all read in the code page
// chosen; the report and the files named by -v say which.
TEST(ProjectCodePage, TheVbpTheDesignerAndTheCodeReadInIt) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const auto write = [&](const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  };
  write("P.vbp",
        In("gbk", u"Form=Form1.frm\r\nModule=模块1; M.bas\r\nName=\"工程1\"\r\nTitle=\"图书\"\r\n"_qs));
  write("Form1.frm", In("gbk", Form(u"宋体"_qs, 134, u"保存"_qs) + u"Private Sub Form_Load()\r\n"
                                                                   u"    MsgBox \"完成\"\r\nEnd Sub\r\n"_qs));
  write("M.bas", "Attribute VB_Name = \"M\"\r\nPublic Sub Go()\r\nEnd Sub\r\n");
  std::map<QString, QByteArray> outputs;
  const ProjectOutcome outcome =
      MigrateProject(dir.filePath("P.vbp"), {}, 1, [&](const QString& path, const QByteArray& bytes) {
        outputs[path] = bytes;
        return std::optional<QString>();
      });
  EXPECT_TRUE(outcome.problems.isEmpty()) << outcome.problems.join('\n').toStdString();
  EXPECT_EQ(outcome.code_page, "GBK (font Charset 134)");
  EXPECT_EQ(outcome.files_read, QStringList({"Form1.frm: GBK (project code page)", "M.bas: UTF-8"}));
  const QString report = QString::fromUtf8(outputs["P.migration.md"]);
  for (const QString& line :
       {u"- Project name: 工程1"_qs, u"- Title: 图书"_qs, u"- Code page: GBK (font Charset 134)"_qs,
        u"- Read as: GBK (project code page)"_qs, u"- Entry: `Module=模块1; M.bas`"_qs})
    EXPECT_TRUE(report.contains(line)) << line.toStdString();
  const QByteArray dfm = outputs["Form1Unit.dfm"];
  EXPECT_TRUE(dfm.contains("#23435#20307")) << "宋体\n" << dfm.constData();
  EXPECT_TRUE(dfm.contains("#20445#23384")) << "保存\n" << dfm.constData();
  EXPECT_EQ(files::DecodeAs(outputs["Form1Unit.pas"], *files::EncodingFromName("gbk")).text.count(u"完成"_qs),
            1);
}

}  // namespace
}  // namespace veldrane::migration
