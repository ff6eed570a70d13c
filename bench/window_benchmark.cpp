// Converts a large VB6 module (about 1 MB) three ways and prints the times: in the window
// with Text1 visible (offscreen platform by default), through the core with a host that
// does nothing, and, when its path is given, with the batch converter.
//
//   window_benchmark [--size BYTES] [--convert PATH-TO-veldrane-convert]

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

// The bundled sample repeated with numbered names until the text reaches `bytes` code
// units; CR LF line breaks, as text reaches the buffer.
std::u16string LargeModule(const QString& sample_path, qsizetype bytes) {
  QFile file(sample_path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QString block = QString::fromUtf8(file.readAll());
  block.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
      .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  QString text;
  for (int n = 0; text.size() < bytes; ++n) {
    QString copy = block;
    for (const char* name : {"ShowValue", "Add", "Main", "Items", "Point", "Total"}) {
      copy.replace(QLatin1String(name), QLatin1String(name) + QString::number(n));
    }
    text += copy;
  }
  return text.toStdU16String();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  qsizetype bytes = 1 << 20;
  QString convert_path;
  const QStringList args = QCoreApplication::arguments();
  for (int i = 1; i + 1 < args.size(); i += 2) {
    if (args[i] == QLatin1String("--size")) bytes = args[i + 1].toLongLong();
    if (args[i] == QLatin1String("--convert")) convert_path = args[i + 1];
  }

  const std::u16string text = LargeModule(QStringLiteral(VELDRANE_SOURCE_DIR "/samples/example.bas"), bytes);
  if (text.empty()) {
    std::fprintf(stderr, "cannot read the sample module\n");
    return 1;
  }
  std::printf("input: %zu code units\n", text.size());

  veldrane::SourceBuffer core_buffer(text);
  veldrane::ConversionState core_state;
  SilentHost host;
  veldrane::Conversion cv{core_buffer, core_state, host};
  auto start = Clock::now();
  veldrane::RunConversion(cv);
  const double core_seconds = SecondsSince(start);
  std::printf("core, silent host:        %8.3f s\n", core_seconds);

  veldrane::MainWindow window;
  window.show();
  window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))
      ->setPlainText(veldrane::BufferTextToWidgetText(text));
  QCoreApplication::processEvents();
  // A 10 ms timer ticks only when the run's yields process events: the longest gap between
  // two ticks is the longest time a Stop would have waited.
  QTimer ticker;
  Clock::time_point last_tick;
  double longest_gap = 0;
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    const Clock::time_point now = Clock::now();
    longest_gap = std::max(longest_gap, std::chrono::duration<double>(now - last_tick).count());
    last_tick = now;
  });
  ticker.start(10);
  start = last_tick = Clock::now();
  window.Actions().convertVD->trigger();
  const double window_seconds = SecondsSince(start);
  ticker.stop();
  const bool same = window.Buffer().Text() == core_buffer.Text();
  std::printf("window, Text1 visible:    %8.3f s (result %s the core's)\n", window_seconds,
              same ? "equals" : "DIFFERS FROM");
  std::printf("longest wait for events:  %8.3f s\n", longest_gap);

  double reference = core_seconds;
  if (!convert_path.isEmpty()) {
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("large.bas"));
    QFile out(input);
    if (!out.open(QIODevice::WriteOnly)) return 1;
    out.write(QString::fromStdU16String(text).toUtf8());
    out.close();
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    start = Clock::now();
    process.start(convert_path, {input});
    process.waitForFinished(-1);
    const double cli_seconds = SecondsSince(start);
    std::printf("veldrane-convert:         %8.3f s (exit %d)\n", cli_seconds, process.exitCode());
    reference = cli_seconds;
  }
  const double limit = 1.5 * reference + 1.0;
  std::printf("target: window <= 1.5 x %.3f + 1 = %.3f s: %s\n", reference, limit,
              window_seconds <= limit ? "met" : "MISSED");
  return same ? 0 : 1;
}
