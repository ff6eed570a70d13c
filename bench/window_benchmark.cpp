// Converts a large VB6 module in the window with Text1 visible (offscreen platform unless
// QT_QPA_PLATFORM says otherwise) and reports what a user would feel, beside the batch
// converter on the same text: the times of paste, select all and copy (each through the
// keys or menu item a user would use, and the clipboard), of a run, from the run's last
// step to 変換終了 being painted, the longest time the window's events waited during a run,
// and for runs stopped or cleared halfway the time from the Stop or Clear to the command's
// return; the window's peak memory after one run and after ten runs in the same window.
//
//   window_benchmark [--size UNITS | --file PATH] [--convert PATH-TO-veldrane-convert]
//                    [--one-run] [--colouring]
//
// The module is generated (bench/inputs, realistic modules) unless --file names a UTF-8
// file. Peak memory is the process's (VmHWM), counted from the moment the text stands in
// the clipboard, which the benchmark itself then no longer holds; it includes the
// clipboard's copy, as pasting from another program would. --one-run stops after the first
// run; --colouring turns 構文の色分け on first.

#include <sys/resource.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "inputs/module_generator.h"
#include "inputs/utf8.h"
#include "ui/main_window.h"
#include "ui/text_area.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The process's CPU time: on a machine shared with other work the wall times vary with the
// load, CPU times much less.
double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Wall and CPU seconds of one action.
struct Timing {
  double wall = 0;
  double cpu = 0;
};
void PrintTiming(const char* name, Timing t) {
  std::printf("%-26s %8.3f s (CPU %.3f s)\n", name, t.wall, t.cpu);
}

// The process's peak resident memory in MB since it started or since ResetPeakMemory.
double PeakMemoryMb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
  }
  return 0;
}
void ResetPeakMemory() {
  QFile clear_refs(QStringLiteral("/proc/self/clear_refs"));
  if (clear_refs.open(QIODevice::WriteOnly)) clear_refs.write("5");
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

// Notes when Label1 is first painted with the completion caption.
class CompletionPaintWatch : public QObject {
 public:
  explicit CompletionPaintWatch(QLabel& label) : label_(label) { label.installEventFilter(this); }
  Clock::time_point painted_at;
  bool painted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!painted && event->type() == QEvent::Paint && label_.text().startsWith(QStringLiteral("変換終了"))) {
      painted = true;
      painted_at = Clock::now();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QLabel& label_;
};

struct Run {
  double seconds = 0;
  double cpu_seconds = 0;
  double longest_wait = 0;
  QString longest_wait_ended_at;
  double completion_delay = -1;  // from the end the caption reports to 変換終了 painted
  double interrupt_to_return = 0;
  double longest_wait_after_interrupt = 0;
};

// The window under measurement, and the user's actions on it.
class Session {
 public:
  Session() {
    window_.show();
    QCoreApplication::processEvents();
    text1_ = window_.findChild<veldrane::TextArea*>(QStringLiteral("Text1"));
    label1_ = window_.findChild<QLabel*>(QStringLiteral("Label1"));
  }
  veldrane::MainWindow& Window() { return window_; }
  veldrane::TextArea& Text1() { return *text1_; }

  // Each returns the seconds until the window has handled the action and repainted.
  Timing Paste() {
    return Timed([this] { Keys(Qt::Key_V); });
  }
  Timing Copy() {
    return Timed([this] { Keys(Qt::Key_C); });
  }
  Timing SelectAll() {
    return Timed([this] { window_.Actions().allTextSelect->trigger(); });
  }

  // Converts the text; `interrupt` (Stop or Clear), when given, is chosen `after` seconds
  // into the run, as an event, the way a user's click arrives.
  Run Convert(QAction* interrupt = nullptr, double after = 0) {
    Run run;
    EventWaitMeter meter([this] { return label1_->text(); });
    CompletionPaintWatch watch(*label1_);
    // The run's start is its first yield; the observer lets go at once, as a window with an
    // observer follows every yield more closely than a user's window does.
    Clock::time_point first_yield;
    window_.SetYieldObserver([&](int64_t k) {
      if (k != 1) return;
      first_yield = Clock::now();
      QTimer::singleShot(0, &window_, [this] { window_.SetYieldObserver(nullptr); });
    });
    Clock::time_point interrupted_at;
    QTimer interrupter;
    interrupter.setSingleShot(true);
    QObject::connect(&interrupter, &QTimer::timeout, [&] {
      run.longest_wait = meter.Restart();
      run.longest_wait_ended_at = meter.LongestEndedAt();
      interrupted_at = Clock::now();
      interrupt->trigger();
    });
    if (interrupt != nullptr) interrupter.start(static_cast<int>(after * 1000));
    const Clock::time_point start = Clock::now();
    const double cpu = CpuSeconds();
    meter.Start();
    window_.Actions().convertVD->trigger();
    run.seconds = SecondsSince(start);
    run.cpu_seconds = CpuSeconds() - cpu;
    QCoreApplication::processEvents();  // whatever the run left to paint
    const double last_wait = meter.Stop();
    window_.SetYieldObserver(nullptr);
    if (last_wait > run.longest_wait) {
      run.longest_wait = last_wait;
      run.longest_wait_ended_at = meter.LongestEndedAt();
    }
    const QString caption = label1_->text();  // "変換終了 ( 1.234s )"
    const double reported = caption.section(QLatin1Char(' '), 2, 2).chopped(1).toDouble();
    if (watch.painted) {
      run.completion_delay = std::chrono::duration<double>(watch.painted_at - first_yield).count() - reported;
    }
    if (interrupt != nullptr) {
      run.interrupt_to_return = std::chrono::duration<double>(start - interrupted_at).count() + run.seconds;
      run.longest_wait_after_interrupt = last_wait;
    }
    return run;
  }

 private:
  void Keys(Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::ControlModifier);
    QCoreApplication::sendEvent(text1_, &press);
    QCoreApplication::sendEvent(text1_, &release);
  }
  static Timing Timed(const std::function<void()>& action) {
    const Clock::time_point start = Clock::now();
    const double cpu = CpuSeconds();
    action();
    QCoreApplication::processEvents();
    return {SecondsSince(start), CpuSeconds() - cpu};
  }

  veldrane::MainWindow window_;
  veldrane::TextArea* text1_ = nullptr;
  QLabel* label1_ = nullptr;
};

void PrintRun(const char* name, const Run& run) {
  std::printf("%-26s %8.3f s (CPU %.3f s), longest wait for events %.3f s (ended during \"%s\")\n", name,
              run.seconds, run.cpu_seconds, run.longest_wait, qPrintable(run.longest_wait_ended_at));
}

// The batch converter's time, peak memory and result for the same text.
struct BatchRun {
  double seconds = 0;
  double cpu_seconds = 0;
  double peak_mb = 0;
  std::size_t result_hash = 0;
  bool ok = false;
};
BatchRun RunBatch(const QString& convert_path, const std::u16string& text) {
  BatchRun batch;
  QTemporaryDir dir;
  const QString input = dir.filePath(QStringLiteral("large.bas"));
  const QString output = dir.filePath(QStringLiteral("large.pas"));
  if (!veldrane::bench::WriteUtf8File(input.toStdString(), text)) return batch;
  QProcess process;
  const Clock::time_point start = Clock::now();
  process.start(convert_path, {input, QStringLiteral("-o"), output});
  process.waitForFinished(-1);
  batch.seconds = SecondsSince(start);
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  batch.peak_mb = static_cast<double>(usage.ru_maxrss) / 1024;
  const auto seconds = [](timeval t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  batch.cpu_seconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  QFile result(output);
  if (process.exitCode() != 0 || !result.open(QIODevice::ReadOnly)) return batch;
  const QByteArray bytes = result.readAll();
  batch.result_hash = std::hash<std::string_view>{}(std::string_view(bytes.constData(), bytes.size()));
  batch.ok = true;
  return batch;
}

std::u16string ReadInput(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  // Line breaks as pasting gives them to Text1: CR LF throughout.
  QString content = QString::fromUtf8(file.readAll());
  content.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return content.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdU16String();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale::c());  // the caption's seconds are read back
  std::size_t units = veldrane::bench::kMiB;
  QString file_path;
  QString convert_path;
  bool one_run = false;
  bool colouring = false;
  const QStringList args = QCoreApplication::arguments();
  for (int i = 1; i < args.size(); ++i) {
    const bool has_value = i + 1 < args.size();
    if (args[i] == QLatin1String("--size") && has_value) units = args[++i].toULongLong();
    if (args[i] == QLatin1String("--file") && has_value) file_path = args[++i];
    if (args[i] == QLatin1String("--convert") && has_value) convert_path = args[++i];
    if (args[i] == QLatin1String("--one-run")) one_run = true;
    if (args[i] == QLatin1String("--colouring")) colouring = true;
  }

  std::u16string text =
      file_path.isEmpty() ? veldrane::bench::GenerateModule(units, 1) : ReadInput(file_path);
  if (text.empty()) {
    std::fprintf(stderr, "no input\n");
    return 1;
  }
  std::printf("input: %zu code units\n", text.size());

  // The batch converter first: its result is the one the window must reach.
  BatchRun batch;
  if (!convert_path.isEmpty()) {
    batch = RunBatch(convert_path, text);
    if (!batch.ok) {
      std::fprintf(stderr, "veldrane-convert failed\n");
      return 1;
    }
    std::printf("veldrane-convert:          %8.3f s (CPU %.3f s), peak memory %.0f MB\n", batch.seconds,
                batch.cpu_seconds, batch.peak_mb);
  }

  QApplication::clipboard()->setText(QString::fromStdU16String(text));
  std::u16string().swap(text);
  ResetPeakMemory();

  Session session;
  if (colouring) session.Window().Actions().syntaxColour->trigger();
  PrintTiming("paste:", session.Paste());
  PrintTiming("select all:", session.SelectAll());
  PrintTiming("copy:", session.Copy());
  const Run whole = session.Convert();
  PrintRun("window, Text1 visible:", whole);
  std::printf("  変換終了 painted %.3f s after the end it reports\n", whole.completion_delay);
  std::printf("  peak memory after one run: %.0f MB\n", PeakMemoryMb());
  bool same = true;
  if (batch.ok) {
    const bool equal = std::hash<std::string_view>{}(session.Text1().Utf8()) == batch.result_hash;
    same = equal;
    std::printf("  result %s veldrane-convert's; window / veldrane-convert: %.2f (CPU %.2f)\n",
                equal ? "equals" : "DIFFERS FROM", whole.seconds / batch.seconds,
                whole.cpu_seconds / batch.cpu_seconds);
  }

  if (one_run) return same ? 0 : 1;
  // Nine more runs in the same window, each on the text pasted after クリア, which makes
  // VisualBasic⇒Delphi available again.
  double longest_paste = 0;
  double longest_run_wait = 0;
  for (int i = 2; i <= 10; ++i) {
    session.Window().Actions().editingClear->trigger();
    longest_paste = std::max(longest_paste, session.Paste().wall);
    longest_run_wait = std::max(longest_run_wait, session.Convert().longest_wait);
  }
  std::printf("runs 2 to 10: paste at most %.3f s, longest wait for events %.3f s\n", longest_paste,
              longest_run_wait);
  std::printf("  peak memory after ten runs: %.0f MB\n", PeakMemoryMb());

  const struct {
    const char* name;
    QAction* action;
  } interrupts[] = {{"window, Stop halfway:", session.Window().Actions().convertStop},
                    {"window, Clear halfway:", session.Window().Actions().editingClear}};
  for (const auto& interrupt : interrupts) {
    session.Window().Actions().editingClear->trigger();
    session.Paste();
    const Run run = session.Convert(interrupt.action, whole.seconds / 2);
    PrintRun(interrupt.name, run);
    std::printf("  from it to the end:        %.3f s, longest wait for events meanwhile %.3f s\n",
                run.interrupt_to_return, run.longest_wait_after_interrupt);
  }
  return same ? 0 : 1;
}
