#include "migration/vb_values.h"

#include <cmath>
#include <utility>

namespace veldrane::migration {

std::optional<QString> VbString(const QString& raw) {
  if (raw.size() < 2 || !raw.startsWith(u'"') || !raw.endsWith(u'"')) return std::nullopt;
  QString value;
  const qsizetype end = raw.size() - 1;
  for (qsizetype i = 1; i < end; ++i) {
    if (raw[i] == u'"') {
      if (i + 1 >= end || raw[i + 1] != u'"') return std::nullopt;  // a quote closes early: not one string
      ++i;
    }
    value.append(raw[i]);
  }
  return value;
}

bool IsFrxReference(const QString& raw) {
  const qsizetype start = raw.startsWith(u'$') ? 1 : 0;
  if (raw.size() <= start || raw[start] != u'"') return false;
  const qsizetype close = raw.indexOf(u'"', start + 1);
  return close > 0 && close + 1 < raw.size() && raw[close + 1] == u':';
}

std::optional<double> VbNumber(const QString& raw) {
  QString text = raw.trimmed();
  if (text.startsWith(QStringLiteral("&H"), Qt::CaseInsensitive)) {
    text = text.mid(2);
    if (text.endsWith(u'&')) text.chop(1);
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok, 16);
    if (!ok || text.size() > 8) return std::nullopt;
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
  }
  if (text.endsWith(u'&') || text.endsWith(u'!') || text.endsWith(u'#')) text.chop(1);
  bool ok = false;
  const double value = text.toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<bool> VbBool(const QString& raw) {
  if (raw.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) return true;
  if (raw.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) return false;
  const std::optional<double> number = VbNumber(raw);
  if (!number) return std::nullopt;
  return *number != 0;
}

std::optional<std::uint32_t> VbColor(const QString& raw) {
  const std::optional<double> number = VbNumber(raw);
  if (!number || *number < -2147483648.0 || *number > 4294967295.0 || *number != std::floor(*number))
    return std::nullopt;
  return static_cast<std::uint32_t>(static_cast<std::int64_t>(*number));
}

std::optional<int> VbShortcut(const QString& raw) {
  constexpr int kShift = 0x2000, kCtrl = 0x4000, kAlt = 0x8000;
  QString text = raw.trimmed();
  int modifiers = 0;
  while (!text.isEmpty()) {
    const QChar c = text[0];
    if (c == u'^')
      modifiers |= kCtrl;
    else if (c == u'+')
      modifiers |= kShift;
    else if (c == u'%')
      modifiers |= kAlt;
    else
      break;
    text.remove(0, 1);
  }
  if (text.size() == 1) {
    const QChar key = text[0].toUpper();
    if ((key >= u'A' && key <= u'Z') || (key >= u'0' && key <= u'9')) return modifiers | key.unicode();
    return std::nullopt;
  }
  if (!text.startsWith(u'{') || !text.endsWith(u'}')) return std::nullopt;
  const QString name = text.mid(1, text.size() - 2).toUpper();
  if (name.startsWith(u'F')) {
    bool ok = false;
    const int number = name.mid(1).toInt(&ok);
    if (ok && number >= 1 && number <= 24) return modifiers | (0x6F + number);  // VK_F1 = $70
  }
  static const std::pair<const char*, int> kKeys[] = {
      {"BKSP", 0x08}, {"BACKSPACE", 0x08}, {"DEL", 0x2E}, {"DELETE", 0x2E}, {"INS", 0x2D}, {"INSERT", 0x2D}};
  for (const auto& [key_name, code] : kKeys)
    if (name == QLatin1String(key_name)) return modifiers | code;
  return std::nullopt;
}

}  // namespace veldrane::migration
