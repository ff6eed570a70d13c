#pragma once

#include <QElapsedTimer>
#include <QString>
#include <cstdio>
#include <map>
#include <mutex>
#include <string_view>

namespace veldrane::cli {

// The one-line progress display on a terminal: files done of total, the file being
// converted, and for a file that takes long the caption of its current step. Workers
// report through Started / Step; the printing thread calls Redraw and Clear.
class ProgressDisplay {
 public:
  ProgressDisplay(std::FILE* terminal, int total);

  void Started(int index, const QString& name);
  void Step(int index, std::u16string_view caption);
  void Finished(int index);

  void Redraw();
  void Clear();  // before any other line is printed, and at the end

 private:
  struct Running {
    QString name;
    QElapsedTimer since;
    QString caption;
  };

  std::FILE* terminal_;
  int total_;
  int done_ = 0;
  int width_;
  bool shown_ = false;
  std::mutex mutex_;
  std::map<int, Running> running_;
};

}  // namespace veldrane::cli
