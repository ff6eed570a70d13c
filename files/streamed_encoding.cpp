#include "files/streamed_encoding.h"

namespace veldrane::files {

StreamedOutput EncodeBuffer(const SourceBuffer& buffer, LineBreaks breaks, const TextEncoding& encoding,
                            int32_t piece_units) {
  StreamedOutput out;
  // A named encoding may keep state from one piece to the next (escape sequences), so one
  // encoder writes them all; the Unicode ones are written by Encode piece by piece.
  std::optional<QStringEncoder> named;
  if (encoding.kind == TextEncoding::Kind::kNamed) named.emplace(encoding.name.constData());
  TextEncoding later_pieces = encoding;
  const int32_t length = buffer.Length();
  // Room for the usual case, one byte a unit (two for UTF-16), so the output grows no further.
  out.bytes.reserve(qsizetype(length) * (encoding.kind == TextEncoding::Kind::kUtf8 || named ? 1 : 2) + 4);
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
