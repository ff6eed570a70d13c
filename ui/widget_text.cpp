#include "ui/widget_text.h"

#include <algorithm>

namespace veldrane {
namespace {

bool IsLineSeparator(QChar c) { return c == QChar::ParagraphSeparator || c == QChar::LineSeparator; }

}  // namespace

std::u16string_view WidgetTextReader::Next() {
  constexpr qsizetype kPieceChars = 32 * 1024;
  const qsizetype count = std::min(kPieceChars, raw_.size() - read_);
  piece_.resize(2 * static_cast<std::size_t>(count));  // every character might be a separator
  char16_t* out = piece_.data();
  for (const QChar c : QStringView(raw_).sliced(read_, count)) {
    if (IsLineSeparator(c)) {
      *out++ = u'\r';
      *out++ = u'\n';
    } else {
      *out++ = c.unicode();
    }
  }
  read_ += count;
  return {piece_.data(), static_cast<std::size_t>(out - piece_.data())};
}

std::u16string WidgetTextToBufferText(const QString& raw) {
  std::u16string text;
  text.reserve(static_cast<std::size_t>(raw.size()) + static_cast<std::size_t>(raw.size()) / 16);
  WidgetTextReader reader(raw);
  for (std::u16string_view piece = reader.Next(); !piece.empty(); piece = reader.Next()) text.append(piece);
  return text;
}

QString BufferTextToWidgetText(std::u16string_view text) {
  QString shown(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
  QChar* out = shown.data();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r') {
      *out++ = QChar(text[i]);
    } else if (i + 1 == text.size() || text[i + 1] != u'\n') {
      *out++ = QLatin1Char('\n');  // a lone CR; the LF of a CR LF follows otherwise
    }
  }
  shown.truncate(out - shown.constData());
  return shown;
}

int WidgetPositionForOffset(const QString& raw, int32_t offset) {
  int64_t units = 0;  // buffer units before raw[position]
  int position = 0;
  while (position < raw.size() && units < offset) {
    units += IsLineSeparator(raw[position]) ? 2 : 1;
    ++position;
  }
  return position;
}

}  // namespace veldrane
