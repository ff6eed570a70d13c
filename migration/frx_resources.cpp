#include "migration/frx_resources.h"

#include <QRegularExpression>
#include <QStringList>

#include "migration/dfm_values.h"

namespace veldrane::migration {
namespace {

struct Reference {
  QString file;
  qsizetype offset = 0;
};

std::optional<Reference> ParseReference(const QString& raw) {
  static const QRegularExpression kReference(QStringLiteral("^\\$?\"([^\"\\\\/:]+)\":([0-9A-Fa-f]{1,8})$"));
  const QRegularExpressionMatch match = kReference.match(raw.trimmed());
  if (!match.hasMatch()) return std::nullopt;
  return Reference{match.captured(1), qsizetype(match.captured(2).toULongLong(nullptr, 16))};
}

// Little-endian integers; the caller checks the bounds.
quint32 U32(const QByteArray& bytes, qsizetype at) {
  return quint32(quint8(bytes[at])) | quint32(quint8(bytes[at + 1])) << 8 |
         quint32(quint8(bytes[at + 2])) << 16 | quint32(quint8(bytes[at + 3])) << 24;
}
quint32 U16(const QByteArray& bytes, qsizetype at) {
  return quint32(quint8(bytes[at])) | quint32(quint8(bytes[at + 1])) << 8;
}
bool Fits(const QByteArray& bytes, qsizetype at, qint64 size) {
  return at >= 0 && size >= 0 && at + size <= bytes.size();
}

// A picture or icon: a length, "lt\0\0", the data's length and the data.
std::optional<QByteArray> Blob(const QByteArray& bytes, qsizetype at) {
  if (!Fits(bytes, at, 12) || bytes.mid(at + 4, 4) != QByteArray("lt\0\0", 4)) return std::nullopt;
  const quint32 size = U32(bytes, at + 8);
  if (!Fits(bytes, at + 12, size)) return std::nullopt;
  return bytes.mid(at + 12, size);
}

// A text: its length in one byte, or 0xFF and two bytes, or four bytes when those hold a zero.
std::optional<QByteArray> Text(const QByteArray& bytes, qsizetype at) {
  if (!Fits(bytes, at, 1)) return std::nullopt;
  if (quint8(bytes[at]) == 0xFF && Fits(bytes, at, 3) && Fits(bytes, at + 3, U16(bytes, at + 1)))
    return bytes.mid(at + 3, U16(bytes, at + 1));
  if (Fits(bytes, at, 4) && bytes.mid(at, 4).contains('\0') && Fits(bytes, at + 4, U32(bytes, at)))
    return bytes.mid(at + 4, U32(bytes, at));
  if (Fits(bytes, at + 1, quint8(bytes[at]))) return bytes.mid(at + 1, quint8(bytes[at]));
  return std::nullopt;
}

// List items: their count, then each item's length and bytes, in two-byte numbers.
std::optional<QList<QByteArray>> Items(const QByteArray& bytes, qsizetype at) {
  if (!Fits(bytes, at, 2)) return std::nullopt;
  QList<QByteArray> items;
  const quint32 count = U16(bytes, at);
  at += 2;
  for (quint32 i = 0; i < count; ++i) {
    if (!Fits(bytes, at, 2) || !Fits(bytes, at + 2, U16(bytes, at))) return std::nullopt;
    items.append(bytes.mid(at + 2, U16(bytes, at)));
    at += 2 + U16(bytes, at);
  }
  return items;
}

// A binary property as Delphi writes it: hexadecimal, 32 bytes a line, between braces.
QString DfmBinary(const QByteArray& data) {
  QString value = QStringLiteral("{");
  for (qsizetype at = 0; at < data.size(); at += 32)
    value += QStringLiteral("\r\n      ") + QString::fromLatin1(data.mid(at, 32).toHex().toUpper());
  return value + u'}';
}

QString DfmStrings(const QStringList& lines) {
  QStringList quoted;
  for (const QString& line : lines) quoted << DfmString(line);
  return QStringLiteral("(\r\n      ") + quoted.join(QStringLiteral("\r\n      ")) + u')';
}

QByteArray Sized(const QByteArray& data) {
  QByteArray sized(4, '\0');
  for (int i = 0; i < 4; ++i) sized[i] = char((quint32(data.size()) >> (8 * i)) & 0xFF);
  return sized + data;
}

bool IsIcon(const QByteArray& data) { return data.startsWith(QByteArray("\0\0\1\0", 4)); }

// TPicture's data: the graphic class's name as a short string, then the graphic's own data (its
// length first, but for an icon, which both libraries read without it).
std::optional<QByteArray> PictureData(const QByteArray& data, QString* reason) {
  QByteArray name, graphic;
  if (data.startsWith("BM"))
    name = "TBitmap", graphic = Sized(data);
  else if (IsIcon(data))
    name = "TIcon", graphic = data;
  else if (data.startsWith("\xFF\xD8"))
    name = "TJPEGImage", graphic = Sized(data);
  else if (data.startsWith("GIF8"))
    name = "TGIFImage", graphic = Sized(data);
  else if (data.startsWith(QByteArray("\xD7\xCD\xC6\x9A", 4)) || data.mid(40, 4) == " EMF")
    *reason = QStringLiteral("a metafile, which the LCL does not read");
  else if (data.startsWith(QByteArray("\0\0\2\0", 4)))
    *reason = QStringLiteral("a cursor");
  else
    *reason = QStringLiteral("a picture of unknown format");
  if (name.isEmpty()) return std::nullopt;
  return char(name.size()) + name + graphic;
}

// The graphic class a Picture.Data value names first.
bool PictureOfClass(const FormControl& control, const QByteArray& class_name) {
  const QString hex = QString::fromLatin1((char(class_name.size()) + class_name).toHex().toUpper());
  for (const DfmProperty& property : control.properties)
    if (property.name == u"Picture.Data" && property.value.simplified().mid(2).startsWith(hex)) return true;
  for (const FormControl& child : control.children)
    if (PictureOfClass(child, class_name)) return true;
  return false;
}

}  // namespace

QString DelphiPictureUnits(const FormControl& root) {
  QStringList units;
  if (PictureOfClass(root, "TJPEGImage")) units << QStringLiteral("Jpeg");
  if (PictureOfClass(root, "TGIFImage")) units << QStringLiteral("GIFImg");
  return units.isEmpty() ? QString()
                         : QStringLiteral("{$IFNDEF FPC}, %1{$ENDIF}").arg(units.join(QStringLiteral(", ")));
}

FrxCarried CarryFrxProperty(const QString& delphi_class, const QString& vb_property, const QString& reference,
                            const FrxSource& source) {
  FrxCarried carried;
  const std::optional<Reference> where = ParseReference(reference);
  if (!where) {
    carried.reason = QStringLiteral("not a reference to a file beside the form");
    return carried;
  }
  const std::optional<QByteArray> bytes = source.read ? source.read(where->file) : std::nullopt;
  if (!bytes) {
    carried.reason = where->file + QStringLiteral(" cannot be read");
    return carried;
  }
  const QString property = vb_property.toLower();
  auto unreadable = [&] { carried.reason = QStringLiteral("no readable record at that offset"); };
  if (property == u"picture" || property == u"icon") {
    const std::optional<QByteArray> data = Blob(*bytes, where->offset);
    if (!data) return unreadable(), carried;
    if (data->isEmpty()) {
      carried.reason = QStringLiteral("set to (None) in VB: Delphi shows its default");
      return carried;
    }
    if (property == u"icon" && delphi_class == u"TForm") {
      if (IsIcon(*data))
        carried.properties.push_back({QStringLiteral("Icon.Data"), DfmBinary(*data)});
      else
        carried.reason = QStringLiteral("not an icon");
      return carried;
    }
    if (property == u"picture" && delphi_class == u"TImage") {
      if (const std::optional<QByteArray> picture = PictureData(*data, &carried.reason))
        carried.properties.push_back({QStringLiteral("Picture.Data"), DfmBinary(*picture)});
      return carried;
    }
    carried.reason = delphi_class + QStringLiteral(" shows no ") + vb_property;
    return carried;
  }
  if (property == u"list") {
    const std::optional<QList<QByteArray>> items = Items(*bytes, where->offset);
    if (!items) return unreadable(), carried;
    QStringList lines;
    for (const QByteArray& item : *items) lines << source.decode(item);
    if (!lines.isEmpty()) carried.properties.push_back({QStringLiteral("Items.Strings"), DfmStrings(lines)});
    return carried;
  }
  if (property == u"itemdata") {
    carried.reason = QStringLiteral("a .dfm holds no item data: set it in code");
    return carried;
  }
  const std::optional<QByteArray> text = Text(*bytes, where->offset);
  if (!text) return unreadable(), carried;
  const QString value = carried.text = source.decode(*text);
  if (property == u"text" && delphi_class == u"TMemo") {
    if (!value.isEmpty())
      carried.properties.push_back(
          {QStringLiteral("Lines.Strings"),
           DfmStrings(value.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))});
  } else if (property == u"text" || property == u"caption") {
    carried.properties.push_back(
        {property == u"text" ? QStringLiteral("Text") : QStringLiteral("Caption"), DfmString(value)});
  } else if (property == u"tooltiptext") {
    carried.properties.push_back({QStringLiteral("Hint"), DfmString(value)});
    carried.properties.push_back({QStringLiteral("ShowHint"), QStringLiteral("True")});
  } else {
    carried.reason = QStringLiteral("no counterpart");
  }
  return carried;
}

}  // namespace veldrane::migration
