#include "files/streamed_encoding.h"

namespace veldrane::files {
namespace {

// An upper bound of the UTF-8 length of the buffer's text: 1, 2 or 3 bytes a unit (a
// surrogate pair's 4 bytes are counted as 6, a CR LF as 2 whatever it becomes).
qsizetype Utf8BytesAtMost(const SourceBuffer& buffer, int32_t piece_units) {
  qsizetype bytes = 0;
  for (int32_t p = 1; p <= buffer.Length(); p += piece_units) {
    for (char16_t unit : buffer.Substr(p, piece_units)) bytes += unit < 0x80 ? 1 : unit < 0x800 ? 2 : 3;
  }
  return bytes;
}

}  // namespace

StreamedOutput EncodeBuffer(const SourceBuffer& buffer, LineBreaks breaks, const TextEncoding& encoding,
                            int32_t piece_units) {
  StreamedOutput out;
  // A named encoding may keep state from one piece to the next (escape sequences), so one
  // encoder writes them all; the Unicode ones are written by Encode piece by piece.
  std::optional<QStringEncoder> named;
  if (encoding.kind == TextEncoding::Kind::kNamed) named.emplace(encoding.name.constData());
  TextEncoding later_pieces = encoding;
  const int32_t length = buffer.Length();
  // Room for the whole output up front, so it is never copied as it grows: for UTF-8 the
  // bytes each unit needs at most, otherwise one byte a unit (two for UTF-16).
  const qsizetype room = encoding.kind == TextEncoding::Kind::kUtf8 ? Utf8BytesAtMost(buffer, piece_units)
                         : named                                    ? qsizetype(length)
                                                                    : qsizetype(length) * 2;
  out.bytes.reserve(room + 4);
  for (int32_t p = 1; p <= length;) {
    std::u16string units = buffer.Substr(p, piece_units);
    // A piece never ends inside a CR LF or a surrogate pair, which the next one completes.
    if (p + static_cast<int32_t>(units.size()) <= length && units.size() > 1 &&
        (units.back() == u'\r' || QChar::isHighSurrogate(units.back()))) {
      units.pop_back();
    }
    p += static_cast<int32_t>(units.size());
    out.piece =
        FromCrLf(QString(reinterpret_cast<const QChar*>(units.data()), qsizetype(units.size())), breaks);
    units = {};
    if (named) {
      const QByteArray bytes = named->encode(out.piece);
      if (!named->hasError()) {
        out.bytes.append(bytes);
        continue;
      }
    }
    // A Unicode piece, or a named one that failed: Encode writes it or names the failure.
    EncodedText encoded = Encode(out.piece, later_pieces);
    if (encoded.error) {
      out.error = std::move(encoded.error);
      return out;
    }
    out.bytes.append(encoded.bytes);
    later_pieces.bom = false;
  }
  // A BOM belongs to the output also when the text is empty.
  if (length == 0) out.bytes = Encode(QString(), encoding).bytes;
  out.piece.clear();
  return out;
}

}  // namespace veldrane::files
