#include "cli/progress_display.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include "qt_text/utf16.h"

namespace veldrane::cli {
namespace {

constexpr qint64 kShowCaptionAfterMs = 500;

int TerminalWidth(std::FILE* terminal) {
  winsize size{};
  if (ioctl(fileno(terminal), TIOCGWINSZ, &size) == 0 && size.ws_col > 10) return size.ws_col;
  return 80;
}

}  // namespace

ProgressDisplay::ProgressDisplay(std::FILE* terminal, int total)
    : terminal_(terminal), total_(total), width_(TerminalWidth(terminal)) {}

void ProgressDisplay::Started(int index, const QString& name) {
  std::lock_guard lock(mutex_);
  Running& running = running_[index];
  running.name = name;
  running.since.start();
}

void ProgressDisplay::Step(int index, std::u16string_view caption) {
  std::lock_guard lock(mutex_);
  running_[index].caption = ToQString(caption);
}

void ProgressDisplay::Finished(int index) {
  std::lock_guard lock(mutex_);
  running_.erase(index);
  ++done_;
}

void ProgressDisplay::Redraw() {
  QString line;
  {
    std::lock_guard lock(mutex_);
    line = QString("[%1/%2]").arg(done_).arg(total_);
    if (!running_.empty()) {
      const Running& oldest = running_.begin()->second;
      line += ' ' + oldest.name;
      if (oldest.since.elapsed() >= kShowCaptionAfterMs && !oldest.caption.isEmpty())
        line += "  " + oldest.caption;
    }
  }
  // Truncated so that the line never wraps; wide characters are counted as two columns.
  QString fitted;
  int columns = 0;
  for (const QChar c : line) {
    columns += c.unicode() >= 0x1100 ? 2 : 1;
    if (columns >= width_) break;
    fitted += c;
  }
  std::fprintf(terminal_, "\r\033[K%s", fitted.toUtf8().constData());
  std::fflush(terminal_);
  shown_ = true;
}

void ProgressDisplay::Clear() {
  if (!shown_) return;
  std::fputs("\r\033[K", terminal_);
  std::fflush(terminal_);
  shown_ = false;
}

}  // namespace veldrane::cli
