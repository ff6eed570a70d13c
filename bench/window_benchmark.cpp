// Converts a large VB6 module in the window with Text1 visible (offscreen platform unless
// QT_QPA_PLATFORM says otherwise) and reports what a user would feel: the run time, the
// longest time the window's events waited, and the same for a run stopped halfway, from
// the Stop to the command's return. When its path is given, the batch converter converts
// the same text first, for the time to compare with and the result the window must reach.
//
//   window_benchmark [--size UNITS | --file PATH] [--convert PATH-TO-veldrane-convert]
//                    [--window-only]
//
// The module is generated (bench/inputs, realistic modules) unless --file names a UTF-8
// file. --window-only makes one complete run in the window and nothing else, for measuring
// the window's peak memory from outside (/usr/bin/time -v).

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>

#include "inputs/module_generator.h"
#include "inputs/utf8.h"
#include "ui/main_window.h"
#include "ui/widget_text.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// A 10 ms timer that ticks only when the window processes its events: the longest gap
// between two ticks (or between the last tick and now) is the longest any event waited.
// `moment` names where the run stood when that gap ended (the step caption of Label1).
class EventWaitMeter {
 public:
  explicit EventWaitMeter(std::function<QString()> moment) : moment_(std::move(moment)) {
    QObject::connect(&ticker_, &QTimer::timeout, [this] { Tick(); });
  }
  const QString& LongestEndedAt() const { return longest_ended_at_; }
  void Start() {
    last_tick_ = Clock::now();
    longest_ = 0;
    ticker_.start(10);
  }
  // Returns the longest gap so far and counts only the gaps from now on.
  double Restart() {
    Tick();
    const double longest = longest_;
    longest_ = 0;
    return longest;
  }
  double Stop() {
    Tick();
    ticker_.stop();
    return longest_;
  }

 private:
  void Tick() {
    const Clock::time_point now = Clock::now();
    const double gap = std::chrono::duration<double>(now - last_tick_).count();
    if (gap > longest_) {
      longest_ = gap;
      longest_ended_at_ = moment_();
    }
    last_tick_ = now;
  }
  std::function<QString()> moment_;
  QString longest_ended_at_;
  QTimer ticker_;
  Clock::time_point last_tick_;
  double longest_ = 0;
};

struct WindowRun {
  double seconds = 0;
  double longest_wait = 0;
  double stop_to_return = 0;  // runs with a Stop only
  double longest_wait_after_stop = 0;
  QString longest_wait_ended_at;
  std::u16string result;
};

// Pastes `text` into a new window and converts it; with `stop_after` > 0 chooses Stop that
// many seconds into the run, as an event, the way a user's click arrives. The text is let go
// once pasted, and with `keep_result` false nothing is copied after the run, so that the
// process's peak memory is the window's own.
WindowRun RunInWindow(std::u16string text, double stop_after, bool keep_result) {
  veldrane::MainWindow window;
  window.show();
  window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))
      ->setPlainText(veldrane::BufferTextToWidgetText(text));
  std::u16string().swap(text);
  QCoreApplication::processEvents();

  WindowRun run;
  const QLabel* label1 = window.findChild<QLabel*>(QStringLiteral("Label1"));
  EventWaitMeter meter([label1] { return label1->text(); });
  Clock::time_point stopped_at;
  QTimer stopper;
  stopper.setSingleShot(true);
  QObject::connect(&stopper, &QTimer::timeout, [&] {
    run.longest_wait = meter.Restart();
    run.longest_wait_ended_at = meter.LongestEndedAt();
    stopped_at = Clock::now();
    window.Actions().convertStop->trigger();
  });
  if (stop_after > 0) stopper.start(static_cast<int>(stop_after * 1000));
  const Clock::time_point start = Clock::now();
  meter.Start();
  window.Actions().convertVD->trigger();
  run.seconds = SecondsSince(start);
  const double last_wait = meter.Stop();
  if (last_wait > run.longest_wait) {
    run.longest_wait = last_wait;
    run.longest_wait_ended_at = meter.LongestEndedAt();
  }
  if (stop_after > 0) {
    run.stop_to_return = SecondsSince(stopped_at);
    run.longest_wait_after_stop = last_wait;
  }
  if (!keep_result) return run;
  run.result = window.Buffer().Text();
  const bool shown = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText() ==
                     veldrane::BufferTextToWidgetText(run.result);
  if (!shown) std::printf("Text1 DOES NOT SHOW the buffer after the run\n");
  return run;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::size_t units = veldrane::bench::kMiB;
  QString file_path;
  QString convert_path;
  bool window_only = false;
  const QStringList args = QCoreApplication::arguments();
  for (int i = 1; i < args.size(); ++i) {
    const bool has_value = i + 1 < args.size();
    if (args[i] == QLatin1String("--size") && has_value) units = args[++i].toULongLong();
    if (args[i] == QLatin1String("--file") && has_value) file_path = args[++i];
    if (args[i] == QLatin1String("--convert") && has_value) convert_path = args[++i];
    if (args[i] == QLatin1String("--window-only")) window_only = true;
  }

  std::u16string text;
  if (file_path.isEmpty()) {
    text = veldrane::bench::GenerateModule(units, 1);
  } else {
    QFile file(file_path);
    if (!file.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "cannot read %s\n", qPrintable(file_path));
      return 1;
    }
    // Line breaks as Text1 gives them to a run: CR LF throughout.
    QString content = QString::fromUtf8(file.readAll());
    content.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text = content.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdU16String();
  }
  std::printf("input: %zu code units\n", text.size());

  if (window_only) {
    const WindowRun whole = RunInWindow(std::move(text), 0, false);
    std::printf("window, Text1 visible:    %8.3f s, longest wait for events %.3f s\n", whole.seconds,
                whole.longest_wait);
    return 0;
  }

  // The batch converter first: its result is the one the window must reach.
  std::u16string expected;
  double cli_seconds = 0;
  if (!convert_path.isEmpty()) {
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("large.bas"));
    const QString output = dir.filePath(QStringLiteral("large.pas"));
    if (!veldrane::bench::WriteUtf8File(input.toStdString(), text)) return 1;
    QProcess process;
    const Clock::time_point start = Clock::now();
    process.start(convert_path, {input, QStringLiteral("-o"), output});
    process.waitForFinished(-1);
    cli_seconds = SecondsSince(start);
    std::printf("veldrane-convert:         %8.3f s (exit %d)\n", cli_seconds, process.exitCode());
    QFile result(output);
    if (!result.open(QIODevice::ReadOnly)) return 1;
    expected = veldrane::bench::FromUtf8(result.readAll().toStdString());
  }

  const WindowRun whole = RunInWindow(text, 0, true);
  std::printf("window, Text1 visible:    %8.3f s\n", whole.seconds);
  std::printf("  longest wait for events:  %.3f s (ended during \"%s\")\n", whole.longest_wait,
              qPrintable(whole.longest_wait_ended_at));
  const bool same = convert_path.isEmpty() || whole.result == expected;
  if (!convert_path.isEmpty()) {
    std::printf("  result %s veldrane-convert's; window / veldrane-convert: %.2f\n",
                same ? "equals" : "DIFFERS FROM", whole.seconds / cli_seconds);
  }

  const WindowRun stopped = RunInWindow(text, whole.seconds / 2, true);
  std::printf("window, Stop halfway:     %8.3f s\n", stopped.seconds);
  std::printf("  longest wait for events:  %.3f s (ended during \"%s\")\n", stopped.longest_wait,
              qPrintable(stopped.longest_wait_ended_at));
  std::printf("  from Stop to the end:     %.3f s, longest wait for events meanwhile %.3f s\n",
              stopped.stop_to_return, stopped.longest_wait_after_stop);
  return same ? 0 : 1;
}
