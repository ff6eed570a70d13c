#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

namespace veldrane {

// The millisecond counter that times a run: monotonic, reduced to 32 bits so that it wraps
// like the system counter it stands for. Only differences of two readings mean anything.
uint32_t MonotonicMilliseconds();

// end - start in 32-bit arithmetic, read as signed: a counter that wrapped between the two
// readings still gives the right difference.
int32_t ElapsedMilliseconds(uint32_t start, uint32_t end);

// The milliseconds as seconds in plain decimal notation with the locale's decimal separator
// and no grouping: 1234 gives "1.234", 2000 "2", 50 "0.05", 0 "0".
QString ElapsedSecondsText(int32_t milliseconds, const QLocale& locale);

// "変換終了 ( " + the seconds + "s )", the caption that ends every run.
QString CompletionCaption(int32_t milliseconds, const QLocale& locale);

}  // namespace veldrane
