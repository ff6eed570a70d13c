#pragma once

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>

#include "buffer/source_buffer.h"
#include "core/conversion_host.h"
#include "core/conversion_state.h"
#include "ui/buffer_mirror.h"
#include "ui/menu_bar.h"

class QLabel;

namespace veldrane {

class TextArea;

// Form1, the program's only window. It owns the source buffer and the run's state and is
// the host of every conversion run: the pipeline edits the buffer, Text1 follows each edit,
// and the window's events are processed in the run's yields.
class MainWindow : public QMainWindow, public ConversionHost {
 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // ConversionHost: captions are set at once; the labels are fitted to them and painted
  // when events are next processed.
  void Yield() override;
  void SetLabel1(std::u16string_view caption) override;
  void SetLabel2(std::u16string_view caption) override;

  // The commands of the menu bar, also reachable through Actions().
  void Convert();
  void Stop();
  void ClearText();
  void SelectAllText();
  void ShowInformation();

  const MenuActions& Actions() const { return actions_; }
  // The text under conversion while a run lasts; Text1 alone holds the text outside runs.
  const SourceBuffer& Buffer() const { return buffer_; }
  const ConversionState& State() const { return state_; }

  // Called at the end of every yield with the yield's number in the current run (from 1).
  // Lets tests act at an exact moment of a run, as the user would between two iterations.
  void SetYieldObserver(std::function<void(int64_t)> observer) { yield_observer_ = std::move(observer); }

  static QString InformationText();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CentreOnScreen();
  void ApplyLayout();
  void OnTextChanged();
  // Text1's colouring as the menu item and the text's state say.
  void UpdateColouring();
  void ShowStartOfText();
  void FitLabels();
  // Processes the window's events if they are due (see the pacing below).
  void ProcessEventsIfDue();

  SourceBuffer buffer_;
  ConversionState state_;
  MenuActions actions_;
  TextArea* text1_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  std::unique_ptr<BufferMirror> mirror_;  // Text1 following the buffer during a run
  bool centred_ = false;
  bool labels_unfitted_ = false;  // a run set a caption the label is not yet fitted to

  // Run-time pacing of the yields: events are processed only when their deadline (on a
  // coarse millisecond clock) has passed.
  int64_t yields_ = 0;
  int64_t next_events_at_ = 0;
  std::function<void(int64_t)> yield_observer_;
};

}  // namespace veldrane
