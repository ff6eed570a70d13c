#include "ui/main_window.h"

#include <malloc.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <ctime>

#include "build_info.h"
#include "core/conversion.h"
#include "passes/conversion_run.h"
#include "qt_text/utf16.h"
#include "ui/elapsed_time.h"
#include "ui/text_area.h"

namespace veldrane {
namespace {

// Events are processed at most this often during a run, so that Stop acts and the window
// repaints well within 100 ms (Text1 taking the whole result at the end included) while the
// yields of a long run stay cheap.
constexpr int64_t kEventIntervalMs = 15;

// The clock the yields read to know whether events are due, millions of times in a long
// run: the coarse monotonic clock (a few milliseconds' resolution) costs a fraction of the
// precise one.
int64_t CoarseMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// The window's initial outer size; Text1 then gets about 440 x 400 pixels.
constexpr int kInitialWidth = 452;
constexpr int kInitialHeight = 470;

constexpr int kLabelHeight = 17;

constexpr int kOwnMappingBytes = 32 * 1024;

QLabel* MakeLabel(QWidget* parent, const char* name, int left) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);  // captions quote source text such as "<>"
  label->setGeometry(left, 0, label->width(), kLabelHeight);
  return label;
}

// Sets a caption and, as an auto-sized label does, fits the label to it.
void SetCaption(QLabel& label, const QString& caption) {
  if (label.text() == caption) return;
  label.setText(caption);
  label.adjustSize();
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  // A large text lives in large allocations (the clipboard's copy, the control's document,
  // the source buffer's blocks), made and freed again at every paste and run. The allocator
  // would otherwise raise its threshold for giving them their own mappings to the largest
  // one freed, and serve the later ones from its heap, which then grows from run to run
  // around the pieces still in use.
  mallopt(M_MMAP_THRESHOLD, kOwnMappingBytes);
  setObjectName(QStringLiteral("Form1"));
  actions_ = BuildMenuBar(*menuBar());

  auto* client = new QWidget(this);
  setCentralWidget(client);
  text1_ = new TextArea(client);
  text1_->setObjectName(QStringLiteral("Text1"));
  mirror_ = std::make_unique<BufferMirror>(*text1_, buffer_);
  label2_ = MakeLabel(client, "Label2", 8);
  label1_ = MakeLabel(client, "Label1", 160);
  resize(kInitialWidth, kInitialHeight);

  connect(actions_.fileExit, &QAction::triggered, this, &QWidget::close);
  connect(actions_.editingClear, &QAction::triggered, this, &MainWindow::ClearText);
  connect(actions_.allTextSelect, &QAction::triggered, this, &MainWindow::SelectAllText);
  connect(actions_.convertStop, &QAction::triggered, this, &MainWindow::Stop);
  connect(actions_.convertVD, &QAction::triggered, this, &MainWindow::Convert);
  connect(actions_.info, &QAction::triggered, this, &MainWindow::ShowInformation);
  connect(actions_.syntaxColour, &QAction::toggled, this, &MainWindow::UpdateColouring);
  connect(text1_, &QsciScintilla::textChanged, this, &MainWindow::OnTextChanged);
  // M_TextVisible only toggles its check mark, which the conversion command reads.

  // Start-up sequence; the window is centred when it is first shown, once the toolkit knows
  // its outer size.
  setWindowTitle(QStringLiteral("Veldrane"));
  text1_->Empty();  // the font is Text1's own
  for (QLabel* label : {label1_, label2_}) {
    SetCaption(*label, QString());
    QFont font = label->font();
    font.setPointSize(11);
    label->setFont(font);
    label->adjustSize();
  }
  actions_.textVisible->setChecked(true);
  ApplyLayout();
}

QString MainWindow::InformationText() {
  return QStringLiteral(
      "Veldrane\r\n\r\n"
      "バージョン " VELDRANE_VERSION " (commit " VELDRANE_COMMIT
      ")\r\n"
      "Visual Basic 6 のソースを Delphi のソースに書き換えます。変換結果は必ず確認してからお使いください。");
}

void MainWindow::CentreOnScreen() {
  const QScreen* display = screen();
  if (display == nullptr) return;
  const QRect area = display->geometry();
  const QRect outer = frameGeometry();
  move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

void MainWindow::ApplyLayout() {
  // The outer size in twips divided by 15 twips per pixel is the outer size in pixels.
  const QRect outer = frameGeometry();
  text1_->move(2, 20);
  const int width = outer.width() - 12;
  const int h = outer.height() - text1_->y() - 50;
  text1_->resize(width, h > 0 ? h : text1_->height());
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (centred_) return;
  CentreOnScreen();
  centred_ = true;
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  ApplyLayout();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The program ends at once, also in the middle of a run: with Converting cleared the
  // running step and every later one return at their next test, so the run unwinds before
  // the event loop sees the quit.
  buffer_.SetText(u"");
  text1_->Empty();
  state_.Converting = false;
  event->accept();
  QCoreApplication::quit();
}

void MainWindow::Convert() {
  if (text1_->IsEmpty() || state_.Converting) return;
  text1_->CopyTo(buffer_);

  // Converting is set before the controls are locked and cleared after they are restored;
  // only Text1 is enabled again once the run is over.
  uint32_t start = 0;
  const auto lock_controls = [&] {
    text1_->setEnabled(false);
    actions_.textVisible->setEnabled(false);
    actions_.syntaxColour->setEnabled(false);
    actions_.allTextSelect->setEnabled(false);
    if (!actions_.textVisible->isChecked()) text1_->hide();
    actions_.convertVD->setEnabled(false);
    actions_.convertStop->setEnabled(true);

    mirror_->Begin();
    ShowStartOfText();
    yields_ = 0;
    next_events_at_ = 0;  // reading the text took a while: the first yield processes events
    start = MonotonicMilliseconds();
  };
  const auto show_result = [&] {
    // Text1 gets the whole result before the time is taken: then nothing is left to do
    // but show the time.
    UpdateColouring();
    mirror_->End([this] { ProcessEventsIfDue(); });
    const uint32_t end = MonotonicMilliseconds();
    FitLabels();
    SetCaption(*label1_, CompletionCaption(ElapsedMilliseconds(start, end), QLocale()));
    label1_->repaint();
    actions_.allTextSelect->setEnabled(true);
    actions_.textVisible->setEnabled(true);
    actions_.syntaxColour->setEnabled(true);
    actions_.convertStop->setEnabled(false);
    if (!actions_.textVisible->isChecked()) text1_->show();
    ShowStartOfText();
  };
  Conversion cv{buffer_, state_, *this};
  RunConversion(cv, {lock_controls, show_result});
  text1_->setEnabled(true);
  // The text lives on in Text1, where the next run reads it again.
  buffer_.SetText(u"");
}

void MainWindow::ShowStartOfText() {
  text1_->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0UL);
  text1_->SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, 0UL);
  text1_->SendScintilla(QsciScintillaBase::SCI_SETXOFFSET, 0UL);
}

void MainWindow::Stop() { state_.Converting = false; }

void MainWindow::ClearText() {
  buffer_.SetText(u"");
  text1_->Empty();
  actions_.convertVD->setEnabled(true);
  UpdateColouring();
}

void MainWindow::SelectAllText() {
  // From offset 0 to the end of the text: the whole text, whatever its units.
  text1_->selectAll();
  text1_->setFocus();
}

void MainWindow::ShowInformation() {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("情報"), InformationText(), QMessageBox::Ok, this);
  box.exec();
}

void MainWindow::OnTextChanged() {
  if (state_.Converting || !text1_->IsEmpty()) return;
  actions_.convertVD->setEnabled(true);
  UpdateColouring();
}

void MainWindow::UpdateColouring() {
  // Text that VisualBasic⇒Delphi would convert is VB; once converted it is Pascal.
  using Colouring = TextArea::Colouring;
  text1_->SetColouring(!actions_.syntaxColour->isChecked() ? Colouring::kNone
                       : actions_.convertVD->isEnabled()   ? Colouring::kVisualBasic
                                                           : Colouring::kPascal);
}

void MainWindow::ProcessEventsIfDue() {
  if (CoarseMilliseconds() < next_events_at_) return;
  // The lines in view show the buffer's text whenever they can be seen.
  mirror_->Flush();
  FitLabels();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  next_events_at_ = CoarseMilliseconds() + kEventIntervalMs;
}

void MainWindow::Yield() {
  ++yields_;
  ProcessEventsIfDue();
  if (yield_observer_) {
    mirror_->Flush();
    FitLabels();
    yield_observer_(yields_);
  }
}

// A run writes the captions many thousand times (the character count for every routine);
// fitting a label to its caption lays its text out, so the labels are fitted only when the
// window is about to show them.
void MainWindow::SetLabel1(std::u16string_view caption) {
  label1_->setText(ToQString(caption));
  labels_unfitted_ = true;
}

void MainWindow::SetLabel2(std::u16string_view caption) {
  label2_->setText(ToQString(caption));
  labels_unfitted_ = true;
}

void MainWindow::FitLabels() {
  if (!labels_unfitted_) return;
  labels_unfitted_ = false;
  label1_->adjustSize();
  label2_->adjustSize();
}

}  // namespace veldrane
