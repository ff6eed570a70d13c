#include "ui/elapsed_time.h"

#include <chrono>

namespace veldrane {

uint32_t MonotonicMilliseconds() {
  const auto since_epoch = std::chrono::steady_clock::now().time_since_epoch();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since_epoch).count();
  return static_cast<uint32_t>(ms);  // keeps the low 32 bits: the counter wraps
}

int32_t ElapsedMilliseconds(uint32_t start, uint32_t end) { return static_cast<int32_t>(end - start); }

QString ElapsedSecondsText(int32_t milliseconds, const QLocale& locale) {
  QLocale plain = locale;
  plain.setNumberOptions(QLocale::OmitGroupSeparator);
  // The shortest text that reads back as the same double. For a whole number of
  // milliseconds (at most 10 significant digits, well inside the 15 that a double keeps
  // exactly) that is the exact decimal value of ms / 1000, without trailing zeros.
  return plain.toString(milliseconds / 1000.0, 'f', QLocale::FloatingPointShortest);
}

QString CompletionCaption(int32_t milliseconds, const QLocale& locale) {
  return QStringLiteral("変換終了 ( ") + ElapsedSecondsText(milliseconds, locale) + QStringLiteral("s )");
}

}  // namespace veldrane
