// .frx records that are cut short, point outside the file or hold what no .dfm carries are
// reported with a reason, never read past their bytes.

#include "migration/frx_resources.h"

#include <gtest/gtest.h>

namespace veldrane::migration {
namespace {

FrxSource SourceOf(const QByteArray& bytes) {
  FrxSource source;
  source.read = [bytes](const QString& name) -> std::optional<QByteArray> {
    if (name != u"F.frx") return std::nullopt;
    return bytes;
  };
  source.decode = [](const QByteArray& text) { return QString::fromLatin1(text); };
  return source;
}

TEST(FrxResources, ShortOrMisplacedRecordsAreReportedNotRead) {
  const QByteArray blob_cut("\x20\0\0\0lt\0\0\x10\0\0\0BM", 14);
  const QByteArray list_cut("\x02\0\x03\0abc\x09\0", 9);
  const QByteArray text_long("\xFF\x03\0abc", 6);
  const struct {
    const char* delphi_class;
    const char* property;
    const char* reference;
    QByteArray bytes;
    const char* reason;  // empty: carried as `value`
    const char* value;
  } rows[] = {
      {"TImage", "Picture", "\"F.frx\":0000", blob_cut, "no readable record at that offset", ""},
      {"TImage", "Picture", "\"F.frx\":0100", blob_cut, "no readable record at that offset", ""},
      {"TImage", "Picture", "\"G.frx\":0000", blob_cut, "G.frx cannot be read", ""},
      {"TImage", "Picture", "\"..\\F.frx\":0000", blob_cut, "not a reference to a file beside the form", ""},
      {"TListBox", "List", "\"F.frx\":0000", list_cut, "no readable record at that offset", ""},
      {"TLabel", "Caption", "$\"F.frx\":0000", text_long, "", "'abc'"},
      {"TLabel", "Caption", "$\"F.frx\":0003", text_long, "no readable record at that offset", ""},
      {"TPaintBox", "Picture", "\"F.frx\":0000", QByteArray("\x0C\0\0\0lt\0\0\x04\0\0\0GIF8", 16),
       "TPaintBox shows no Picture", ""},
      {"TImage", "Picture", "\"F.frx\":0000", QByteArray("\x0C\0\0\0lt\0\0\x04\0\0\0\0\0\2\0", 16),
       "a cursor", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.property) + " " + row.reference);
    const FrxCarried carried = CarryFrxProperty(QLatin1String(row.delphi_class), QLatin1String(row.property),
                                                QLatin1String(row.reference), SourceOf(row.bytes));
    EXPECT_EQ(carried.reason.toStdString(), row.reason);
    if (*row.reason == '\0') {
      ASSERT_EQ(carried.properties.size(), 1u);
      EXPECT_EQ(carried.properties.front().value.toStdString(), row.value);
    }
  }
}

// Delphi needs a unit to read a JPEG or GIF; the LCL has none of that name.
TEST(FrxResources, JpegAndGifPicturesNameDelphisUnitsForThem) {
  FormControl form;
  EXPECT_EQ(DelphiPictureUnits(form), QString());
  form.children.push_back({});
  form.children.back().properties.push_back(
      {QStringLiteral("Picture.Data"), QStringLiteral("{\r\n      0A544A504547496D616765B5}")});
  EXPECT_EQ(DelphiPictureUnits(form), QStringLiteral("{$IFNDEF FPC}, Jpeg{$ENDIF}"));
}

}  // namespace
}  // namespace veldrane::migration
