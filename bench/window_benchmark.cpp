// Converts a large VB6 module in the window with Text1 visible (offscreen platform unless
// QT_QPA_PLATFORM says otherwise) and reports what a user would feel: the run time, the
// longest time the window's events waited, and the same for a run stopped halfway, from
// the Stop to the command's return. For comparison it times the core with a host that does
// nothing and, when its path is given, the batch converter on the same text.
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
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "core/conversion.h"
#include "inputs/module_generator.h"
#include "inputs/utf8.h"
#include "passes/conversion_run.h"
#include "ui/main_window.h"
#include "ui/widget_text.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

class SilentHost : public veldrane::ConversionHost {
 public:
  void Yield() override {}
  void SetLabel1(std::u16string_view) override {}
  void SetLabel2(std::u16string_view) override {}
};

// A 10 ms timer that ticks only when the window processes its events: the longest gap
// between two ticks (or between the last tick and now) is the longest any event waited.
class EventWaitMeter {
 public:
  EventWaitMeter() {
    QObject::connect(&ticker_, &QTimer::timeout, [this] { Tick(); });
  }
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
    longest_ = std::max(longest_, std::chrono::duration<double>(now - last_tick_).count());
    last_tick_ = now;
  }
  QTimer ticker_;
  Clock::time_point last_tick_;
  double longest_ = 0;
};

struct WindowRun {
  double seconds = 0;
  double longest_wait = 0;
  double stop_to_return = 0;  // runs with a Stop only
  double longest_wait_after_stop = 0;
  std::u16string result;
};

// Pastes `text` into a new window and converts it; with `stop_after` > 0 chooses Stop that
// many seconds into the run, as an event, the way a user's click arrives.
WindowRun RunInWindow(const std::u16string& text, double stop_after) {
  veldrane::MainWindow window;
  window.show();
  window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))
      ->setPlainText(veldrane::BufferTextToWidgetText(text));
  QCoreApplication::processEvents();

  WindowRun run;
  EventWaitMeter meter;
  Clock::time_point stopped_at;
  QTimer stopper;
  stopper.setSingleShot(true);
  QObject::connect(&stopper, &QTimer::timeout, [&] {
    run.longest_wait = meter.Restart();
    stopped_at = Clock::now();
    window.Actions().convertStop->trigger();
  });
  if (stop_after > 0) stopper.start(static_cast<int>(stop_after * 1000));
  const Clock::time_point start = Clock::now();
  meter.Start();
  window.Actions().convertVD->trigger();
  run.seconds = SecondsSince(start);
  const double last_wait = meter.Stop();
  run.longest_wait = std::max(run.longest_wait, last_wait);
  if (stop_after > 0) {
    run.stop_to_return = SecondsSince(stopped_at);
    run.longest_wait_after_stop = last_wait;
  }
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
    text = veldrane::bench::FromUtf8(file.readAll().toStdString());
  }
  std::printf("input: %zu code units\n", text.size());

  if (window_only) {
    const WindowRun whole = RunInWindow(text, 0);
    std::printf("window, Text1 visible:    %8.3f s, longest wait for events %.3f s\n", whole.seconds,
                whole.longest_wait);
    return 0;
  }

  veldrane::SourceBuffer core_buffer(text);
  veldrane::ConversionState core_state;
  SilentHost host;
  veldrane::Conversion cv{core_buffer, core_state, host};
  Clock::time_point start = Clock::now();
  veldrane::RunConversion(cv);
  const double core_seconds = SecondsSince(start);
  std::printf("core, silent host:        %8.3f s\n", core_seconds);

  const WindowRun whole = RunInWindow(text, 0);
  const bool same = whole.result == core_buffer.Text();
  std::printf("window, Text1 visible:    %8.3f s (result %s the core's)\n", whole.seconds,
              same ? "equals" : "DIFFERS FROM");
  std::printf("  longest wait for events:  %.3f s\n", whole.longest_wait);

  const WindowRun stopped = RunInWindow(text, whole.seconds / 2);
  std::printf("window, Stop halfway:     %8.3f s\n", stopped.seconds);
  std::printf("  longest wait for events:  %.3f s\n", stopped.longest_wait);
  std::printf("  from Stop to the end:     %.3f s, longest wait for events meanwhile %.3f s\n",
              stopped.stop_to_return, stopped.longest_wait_after_stop);

  if (!convert_path.isEmpty()) {
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("large.bas"));
    const QString output = dir.filePath(QStringLiteral("large.pas"));
    if (!veldrane::bench::WriteUtf8File(input.toStdString(), text)) return 1;
    QProcess process;
    start = Clock::now();
    process.start(convert_path, {input, QStringLiteral("-o"), output});
    process.waitForFinished(-1);
    const double cli_seconds = SecondsSince(start);
    std::printf("veldrane-convert:         %8.3f s (exit %d)\n", cli_seconds, process.exitCode());
    std::printf("window / veldrane-convert: %.2f\n", whole.seconds / cli_seconds);
  }
  return same ? 0 : 1;
}
