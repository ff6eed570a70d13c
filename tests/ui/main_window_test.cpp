#include "ui/main_window.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/recording_host.h"
#include "passes/conversion_run.h"
#include "ui/widget_text.h"

using veldrane::MainWindow;

namespace {

QPlainTextEdit* Text1(MainWindow& window) {
  return window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
}
QLabel* Label(MainWindow& window, const char* name) {
  return window.findChild<QLabel*>(QString::fromLatin1(name));
}

// A module whose lines the line-removal and keyword steps rewrite, so that a run makes
// many edits and yields often.
std::u16string ModuleText(int copies) {
  std::u16string text;
  for (int i = 0; i < copies; ++i) {
    text += u"Option Explicit\r\nAttribute VB_Name = \"M\"\r\nDim a As Long ' note\r\n";
    text += u"If a And b Then\r\n    a = Len(s)\r\nEnd If\r\n";
  }
  return text;
}
const std::u16string kModule = ModuleText(40);

void Paste(MainWindow& window, std::u16string_view text) {
  Text1(window)->setPlainText(veldrane::BufferTextToWidgetText(text));
}

// Resizes the window so that its outer size, frame included, is `outer`.
void ResizeOuter(MainWindow& window, QSize outer) {
  window.resize(outer - (window.frameGeometry().size() - window.geometry().size()));
}

QString Shown(std::u16string_view buffer_text) { return veldrane::BufferTextToWidgetText(buffer_text); }

// The same text converted by the core alone, with Stop or Clear at the given yield.
struct CoreRun {
  std::u16string text;
  int64_t yields = 0;
  std::u16string label2;
};
CoreRun RunCore(const std::u16string& text, int64_t stop_at = 0, int64_t clear_at = 0) {
  veldrane::SourceBuffer buffer(text);
  veldrane::ConversionState state;
  veldrane::RecordingHost host(buffer, state);
  host.StopAtYield(stop_at);
  host.ClearAtYield(clear_at);
  veldrane::Conversion cv{buffer, state, host};
  veldrane::RunConversion(cv);
  return {buffer.Text(), host.Yields(), host.Label2()};
}

struct WindowState {
  bool converting;
  bool text1_enabled;
  bool text1_visible;
  bool convert_vd;
  bool convert_stop;
  bool all_text_select;
  bool text_visible;
  bool operator==(const WindowState&) const = default;
};
char* toString(const WindowState& s) {
  return QTest::toString(QStringLiteral("Converting %1 Text1 enabled %2 visible %3 VD %4 Stop %5 "
                                        "AllTextSelect %6 TextVisible %7")
                             .arg(s.converting)
                             .arg(s.text1_enabled)
                             .arg(s.text1_visible)
                             .arg(s.convert_vd)
                             .arg(s.convert_stop)
                             .arg(s.all_text_select)
                             .arg(s.text_visible));
}
WindowState Observe(MainWindow& window) {
  const veldrane::MenuActions& a = window.Actions();
  return {window.State().Converting, Text1(window)->isEnabled(), Text1(window)->isVisible(),
          a.convertVD->isEnabled(),  a.convertStop->isEnabled(), a.allTextSelect->isEnabled(),
          a.textVisible->isEnabled()};
}
constexpr WindowState kIdleConvertible{false, true, true, true, false, true, true};
constexpr WindowState kIdleAfterRun{false, true, true, false, false, true, true};
constexpr WindowState RunningState(bool text_visible) {
  return {true, false, text_visible, false, true, false, false};
}

const QRegularExpression kCompletion(QStringLiteral("^変換終了 \\( \\d+(\\.\\d+)?s \\)$"));

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<MainWindow> window_;
  MainWindow& Window() { return *window_; }

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void init() {
    window_ = std::make_unique<MainWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() { window_.reset(); }

  void startUpState() {
    MainWindow& w = Window();
    QCOMPARE(w.objectName(), QStringLiteral("Form1"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Veldrane"));
    QCOMPARE(Observe(w), kIdleConvertible);
    QVERIFY(Text1(w)->document()->isEmpty());
    QCOMPARE(Text1(w)->font().families().value(0), QStringLiteral("ＭＳ ゴシック"));
    QVERIFY(Text1(w)->font().families().contains(QStringLiteral("Noto Sans Mono CJK JP")));
    for (const char* name : {"Label1", "Label2"}) {
      QVERIFY2(Label(w, name) != nullptr, name);
      QCOMPARE(Label(w, name)->text(), QString());
      QCOMPARE(Label(w, name)->font().pointSize(), 11);
    }
    QCOMPARE(Label(w, "Label2")->pos(), QPoint(8, 0));
    QCOMPARE(Label(w, "Label1")->pos(), QPoint(160, 0));
    QVERIFY(w.Actions().textVisible->isChecked());

    const QRect outer = w.frameGeometry();
    const QRect screen = w.screen()->geometry();
    QCOMPARE(outer.topLeft(),
             QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2));
    QCOMPARE(Text1(w)->geometry(), QRect(2, 20, outer.width() - 12, outer.height() - 70));
  }

  void menuBar() {
    // Each menu with its items in order: name, caption, enabled, checked.
    struct Item {
      QString name, caption;
      bool enabled, checked;
    };
    struct Menu {
      QString name, caption;
      std::vector<Item> items;
    };
    const std::vector<Menu> expected{
        {"M_File", "ファイル", {{"M_File_Exit", "終了", true, false}}},
        {"M_Editing",
         "編集",
         {{"M_Editing_Clear", "クリア", true, false}, {"M_AllTextSelect", "すべて選択", true, false}}},
        {"M_Convert",
         "変換",
         {{"M_Convert_Stop", "中止", false, false}, {"M_Convert_VD", "VisualBasic⇒Delphi", true, false}}},
        {"M_Config", "設定", {{"M_TextVisible", "テキストを表示", true, true}}},
        {"M_Info", "情報", {}},
    };
    const QList<QAction*> bar = Window().menuBar()->actions();
    QCOMPARE(bar.size(), qsizetype(expected.size()));
    for (std::size_t m = 0; m < expected.size(); ++m) {
      QAction* entry = bar[qsizetype(m)];
      QMenu* menu = entry->menu<QMenu*>();
      QCOMPARE(menu != nullptr ? menu->objectName() : entry->objectName(), expected[m].name);
      QCOMPARE(entry->text(), expected[m].caption);
      QCOMPARE(entry->isEnabled(), true);
      const QList<QAction*> items = menu != nullptr ? menu->actions() : QList<QAction*>{};
      QCOMPARE(items.size(), qsizetype(expected[m].items.size()));
      for (std::size_t i = 0; i < expected[m].items.size(); ++i) {
        const Item& want = expected[m].items[i];
        QCOMPARE(items[qsizetype(i)]->objectName(), want.name);
        QCOMPARE(items[qsizetype(i)]->text(), want.caption);
        QCOMPARE(items[qsizetype(i)]->isEnabled(), want.enabled);
        QCOMPARE(items[qsizetype(i)]->isChecked(), want.checked);
      }
    }
    QAction* text_visible = Window().Actions().textVisible;
    text_visible->trigger();
    QVERIFY(!text_visible->isChecked());
    text_visible->trigger();
    QVERIFY(text_visible->isChecked());
  }

  void emptyTextIsIgnored() {
    MainWindow& w = Window();
    Paste(w, kModule);
    w.Actions().convertVD->trigger();
    w.Actions().editingClear->trigger();
    const QString label1 = Label(w, "Label1")->text();
    const QString label2 = Label(w, "Label2")->text();
    QVERIFY(!label1.isEmpty() && !label2.isEmpty());
    int64_t yields = 0;
    w.SetYieldObserver([&](int64_t) { ++yields; });
    w.Actions().convertVD->trigger();
    QCOMPARE(yields, 0);
    QCOMPARE(Observe(w), kIdleConvertible);
    QCOMPARE(Label(w, "Label1")->text(), label1);
    QCOMPARE(Label(w, "Label2")->text(), label2);
  }

  void runStates_data() {
    QTest::addColumn<bool>("textVisible");
    QTest::newRow("text shown") << true;
    QTest::newRow("text hidden") << false;
  }
  void runStates() {
    QFETCH(bool, textVisible);
    MainWindow& w = Window();
    if (!textVisible) w.Actions().textVisible->trigger();
    QCOMPARE(w.Actions().textVisible->isChecked(), textVisible);
    Paste(w, kModule);
    std::vector<WindowState> during;
    int64_t yields = 0;
    w.SetYieldObserver([&](int64_t k) {
      yields = k;
      if (k == 1 || k % 100 == 0) during.push_back(Observe(w));
    });
    w.Actions().convertVD->trigger();

    QVERIFY(!during.empty());
    for (const WindowState& s : during) QCOMPARE(s, RunningState(textVisible));
    QCOMPARE(Observe(w), kIdleAfterRun);
    QCOMPARE(w.Actions().textVisible->isChecked(), textVisible);
    QVERIFY2(kCompletion.match(Label(w, "Label1")->text()).hasMatch(),
             qPrintable(Label(w, "Label1")->text()));

    // The run went through the core's pipeline, on the text with CR LF line breaks.
    const CoreRun core = RunCore(kModule);
    QVERIFY(core.text != kModule);
    QCOMPARE(QString::fromStdU16String(w.Buffer().Text()), QString::fromStdU16String(core.text));
    QCOMPARE(yields, core.yields);
    QCOMPARE(Text1(w)->toPlainText(), Shown(core.text));
    QCOMPARE(Label(w, "Label2")->text(), QString::fromStdU16String(core.label2));
  }

  void completionCaptionUsesTheLocale() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    MainWindow& w = Window();
    Paste(w, kModule);
    w.SetYieldObserver([](int64_t k) {
      if (k == 1) QTest::qSleep(15);  // a run of at least 15 ms shows a fraction
    });
    w.Actions().convertVD->trigger();
    QLocale::setDefault(QLocale::c());
    const QString caption = Label(w, "Label1")->text();
    QVERIFY2(QRegularExpression(QStringLiteral("^変換終了 \\( \\d+,\\d+s \\)$")).match(caption).hasMatch(),
             qPrintable(caption));
  }

  void textFollowsTheBufferDuringARun_data() {
    QTest::addColumn<bool>("textVisible");
    QTest::newRow("text shown") << true;
    QTest::newRow("text hidden") << false;
  }
  void textFollowsTheBufferDuringARun() {
    QFETCH(bool, textVisible);
    MainWindow& w = Window();
    if (!textVisible) w.Actions().textVisible->trigger();
    Paste(w, kModule);
    // Text1 is compared with the buffer at these yields, each preceded by a pause past the
    // refresh interval; between them the run edits the text in many places.
    const std::vector<int64_t> checkpoints{2, 60, 200, 400};
    std::vector<std::pair<QString, std::u16string>> seen;  // Text1, buffer
    w.SetYieldObserver([&](int64_t k) {
      if (std::find(checkpoints.begin(), checkpoints.end(), k) != checkpoints.end()) {
        seen.emplace_back(Text1(w)->toPlainText(), w.Buffer().Text());
      }
      if (std::find(checkpoints.begin(), checkpoints.end(), k + 1) != checkpoints.end()) QTest::qSleep(110);
    });
    w.Actions().convertVD->trigger();
    QCOMPARE(seen.size(), checkpoints.size());
    for (std::size_t i = 0; i < seen.size(); ++i) {
      QVERIFY(i == 0 || seen[i].second != seen[i - 1].second);  // the text changed meanwhile
      QCOMPARE(seen[i].first, textVisible ? Shown(seen[i].second) : Shown(kModule));
    }
    QCOMPARE(Text1(w)->toPlainText(), Shown(w.Buffer().Text()));
  }

  void largeTextChangesInText1DuringARun() {
    // Far more text than one refresh may edit: Text1 still changes from one refresh to the
    // next, its top brought up to date first, and it shows the whole result at the end.
    MainWindow& w = Window();
    const std::u16string large = ModuleText(4000);
    QVERIFY(large.size() > 256 * 1024);
    Paste(w, large);
    constexpr qsizetype kTop = 2000;  // well inside the first slice of a refresh
    const std::vector<int64_t> checkpoints{100, 3000};
    std::vector<QString> seen;
    w.SetYieldObserver([&](int64_t k) {
      if (std::find(checkpoints.begin(), checkpoints.end(), k) != checkpoints.end()) {
        seen.push_back(Text1(w)->toPlainText());
        QCOMPARE(seen.back().left(kTop), Shown(w.Buffer().Text()).left(kTop));
        if (k == checkpoints.back()) w.Actions().convertStop->trigger();
      }
      // Past the refresh interval, however long the last refresh took.
      if (std::find(checkpoints.begin(), checkpoints.end(), k + 1) != checkpoints.end()) QTest::qSleep(400);
    });
    w.Actions().convertVD->trigger();
    QCOMPARE(seen.size(), checkpoints.size());
    QVERIFY(seen[0] != Shown(large));
    QVERIFY(seen[1] != seen[0]);
    QCOMPARE(Text1(w)->toPlainText(), Shown(w.Buffer().Text()));
  }

  void clearWhileText1CatchesUpAfterTheRun() {
    // Text1 hidden for the run is brought up to date after the steps, a slice at a time with
    // the window's events processed in between: a Clear chosen then acts before the command
    // returns, and the text stays empty.
    MainWindow& w = Window();
    w.SetRefreshBudget(0);
    w.Actions().textVisible->trigger();
    const std::u16string large = ModuleText(4000);
    Paste(w, large);
    bool command_returned = false;
    bool cleared_before_return = false;
    w.SetYieldObserver([&](int64_t k) {
      if (k != 3000) return;
      w.Actions().convertStop->trigger();
      QTimer::singleShot(0, &w, [&] {
        cleared_before_return = !command_returned;
        w.Actions().editingClear->trigger();
      });
    });
    w.Actions().convertVD->trigger();
    command_returned = true;
    QVERIFY(cleared_before_return);
    QVERIFY(w.Buffer().Text().empty());
    QVERIFY(Text1(w)->document()->isEmpty());
    QCOMPARE(Observe(w), kIdleConvertible);
    QVERIFY(kCompletion.match(Label(w, "Label1")->text()).hasMatch());
  }

  void viewShowsTheStartAfterARun_data() {
    QTest::addColumn<int>("stopAt");  // 0: the run is not stopped
    QTest::newRow("complete run") << 0;
    QTest::newRow("stopped run") << 500;
  }
  void viewShowsTheStartAfterARun() {
    QFETCH(int, stopAt);
    MainWindow& w = Window();
    QPlainTextEdit* text1 = Text1(w);
    Paste(w, kModule);
    text1->moveCursor(QTextCursor::End);  // where pasting leaves the caret, and the view
    QVERIFY(text1->verticalScrollBar()->value() > 0);
    w.SetYieldObserver([&](int64_t k) {
      if (k == stopAt) w.Actions().convertStop->trigger();
    });
    w.Actions().convertVD->trigger();
    // Also once the window has handled what the run left pending, as the user then sees it.
    for (bool events_processed : {false, true}) {
      if (events_processed) QCoreApplication::processEvents();
      QCOMPARE(text1->textCursor().position(), 0);
      QCOMPARE(text1->verticalScrollBar()->value(), 0);
      QCOMPARE(text1->horizontalScrollBar()->value(), 0);
    }
  }

  void stopDuringARun_data() {
    QTest::addColumn<int>("stopAt");
    QTest::newRow("first yield") << 1;
    QTest::newRow("inside the line removal") << 7;
    QTest::newRow("inside the keyword steps") << 150;
  }
  void stopDuringARun() {
    QFETCH(int, stopAt);
    MainWindow& w = Window();
    Paste(w, kModule);
    int64_t last_yield = 0;
    w.SetYieldObserver([&](int64_t k) {
      last_yield = k;
      if (k == stopAt) w.Actions().convertStop->trigger();
    });
    w.Actions().convertVD->trigger();

    const CoreRun core = RunCore(kModule, stopAt);
    QVERIFY(core.yields < RunCore(kModule).yields);
    QCOMPARE(last_yield, int64_t(stopAt));
    QCOMPARE(QString::fromStdU16String(w.Buffer().Text()), QString::fromStdU16String(core.text));
    QCOMPARE(Text1(w)->toPlainText(), Shown(core.text));
    QCOMPARE(Observe(w), kIdleAfterRun);
    QVERIFY(kCompletion.match(Label(w, "Label1")->text()).hasMatch());
    QCOMPARE(Label(w, "Label2")->text(), QString::fromStdU16String(core.label2));
  }

  void stopReachesTheRunThroughTheEventLoop() {
    // Stop chosen as an event: it is handled in the first yield that processes events.
    MainWindow& w = Window();
    Paste(w, kModule);
    int64_t last_yield = 0;
    w.SetYieldObserver([&](int64_t k) {
      last_yield = k;
      if (k == 1) {
        QTimer::singleShot(0, w.Actions().convertStop, &QAction::trigger);
        QTest::qSleep(30);  // past the event interval
      }
    });
    w.Actions().convertVD->trigger();
    QCOMPARE(last_yield, int64_t(2));
    QCOMPARE(QString::fromStdU16String(w.Buffer().Text()),
             QString::fromStdU16String(RunCore(kModule, 2).text));
    QCOMPARE(Observe(w), kIdleAfterRun);
  }

  void clearDuringARun_data() {
    QTest::addColumn<int>("clearAt");
    QTest::newRow("first yield") << 1;
    QTest::newRow("inside the keyword steps") << 150;
  }
  void clearDuringARun() {
    QFETCH(int, clearAt);
    MainWindow& w = Window();
    Paste(w, kModule);
    std::vector<int64_t> yields;
    w.SetYieldObserver([&](int64_t k) {
      yields.push_back(k);
      if (k == clearAt) {
        w.Actions().editingClear->trigger();
        QVERIFY(w.Actions().convertVD->isEnabled());
        w.Actions().convertVD->trigger();  // refused: a run is active
      }
    });
    w.Actions().convertVD->trigger();

    const CoreRun core = RunCore(kModule, 0, clearAt);
    QCOMPARE(int64_t(yields.size()), core.yields);  // the run went on to its end, once
    for (std::size_t i = 0; i < yields.size(); ++i) QCOMPARE(yields[i], int64_t(i + 1));
    QVERIFY(w.Buffer().Text().empty());
    QVERIFY(Text1(w)->document()->isEmpty());
    QCOMPARE(Observe(w), kIdleConvertible);
    QVERIFY(kCompletion.match(Label(w, "Label1")->text()).hasMatch());
    QCOMPARE(Label(w, "Label2")->text(), QString::fromStdU16String(core.label2));
  }

  void textChangedRule_data() {
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<bool>("convertEnabled");
    QTest::newRow("typing before a run") << "type before run" << true;
    QTest::newRow("typing into the converted text") << "type after run" << false;
    QTest::newRow("deleting part of the converted text") << "delete part after run" << false;
    QTest::newRow("deleting all of the converted text") << "delete all after run" << true;
    QTest::newRow("clearing the converted text") << "clear after run" << true;
    QTest::newRow("text emptied while converting") << "empty during run" << false;
  }
  void textChangedRule() {
    QFETCH(QString, scenario);
    QFETCH(bool, convertEnabled);
    MainWindow& w = Window();
    QPlainTextEdit* text1 = Text1(w);
    Paste(w, kModule);
    bool enabled_while_converting = false;
    w.SetYieldObserver([&](int64_t k) {
      if (k != 1 || scenario != "empty during run") return;
      text1->clear();
      enabled_while_converting = w.Actions().convertVD->isEnabled();
    });
    if (scenario != "type before run") w.Actions().convertVD->trigger();
    QVERIFY(!enabled_while_converting);

    QTextCursor cursor = text1->textCursor();
    if (scenario.startsWith("type")) {
      cursor.movePosition(QTextCursor::End);
      cursor.insertText(QStringLiteral("x"));
    } else if (scenario == "delete part after run") {
      cursor.movePosition(QTextCursor::End);
      cursor.deletePreviousChar();
    } else if (scenario == "delete all after run") {
      cursor.select(QTextCursor::Document);
      cursor.removeSelectedText();
    } else if (scenario == "clear after run") {
      w.Actions().editingClear->trigger();
    }
    QCOMPARE(w.Actions().convertVD->isEnabled(), convertEnabled);
  }

  void layoutRule_data() {
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QSize>("expected");  // height -1: left as it was
    QTest::newRow("roomy") << QSize(600, 500) << QSize(588, 430);
    QTest::newRow("wide and low") << QSize(800, 120) << QSize(788, 50);
    QTest::newRow("one pixel of height") << QSize(300, 71) << QSize(288, 1);
    QTest::newRow("zero height is not set") << QSize(300, 70) << QSize(288, -1);
    QTest::newRow("too small for the height") << QSize(300, 40) << QSize(288, -1);
  }
  void layoutRule() {
    QFETCH(QSize, outer);
    QFETCH(QSize, expected);
    MainWindow& w = Window();
    ResizeOuter(w, QSize(500, 400));
    QTRY_COMPARE(Text1(w)->size(), QSize(488, 330));
    ResizeOuter(w, outer);
    QTRY_COMPARE(w.frameGeometry().size(), outer);
    QCOMPARE(Text1(w)->pos(), QPoint(2, 20));
    QCOMPARE(Text1(w)->width(), expected.width());
    QCOMPARE(Text1(w)->height(), expected.height() > 0 ? expected.height() : 330);
  }

  void selectAll_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selectionEnd");
    QTest::newRow("empty text selects nothing") << QString() << 0;
    QTest::newRow("one line") << "Dim x" << 5;
    QTest::newRow("several lines") << "ab\ncd\n" << 6;
  }
  void selectAll() {
    QFETCH(QString, text);
    QFETCH(int, selectionEnd);
    MainWindow& w = Window();
    Text1(w)->setPlainText(text);
    Text1(w)->moveCursor(QTextCursor::End);
    w.Actions().allTextSelect->trigger();
    const QTextCursor cursor = Text1(w)->textCursor();
    QCOMPARE(cursor.selectionStart(), 0);
    QCOMPARE(cursor.selectionEnd(), selectionEnd);
    QCOMPARE(cursor.selectedText().size(), qsizetype(selectionEnd));
  }

  void informationBoxWhileARunWaits() {
    MainWindow& w = Window();
    Paste(w, kModule);
    int64_t current_yield = 0;
    int64_t yield_at_close = 0;
    QString title;
    QString text;
    bool converting_at_close = false;
    w.SetYieldObserver([&](int64_t k) {
      current_yield = k;
      if (k != 3) return;
      QTimer::singleShot(100, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        title = box->windowTitle();
        text = box->text();
        yield_at_close = current_yield;
        converting_at_close = w.State().Converting;
        box->accept();
      });
      w.Actions().info->trigger();
    });
    w.Actions().convertVD->trigger();

    QCOMPARE(title, QStringLiteral("情報"));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QStringLiteral("Veldrane"));
    QCOMPARE(lines[1], QString());
    QVERIFY(!lines[2].isEmpty() && !lines[3].isEmpty());
    QCOMPARE(text.count(QLatin1Char('\n')), text.count(QLatin1Char('\r')));
    QCOMPARE(yield_at_close, int64_t(3));
    QVERIFY(converting_at_close);
    QCOMPARE(current_yield, RunCore(kModule).yields);  // the run went on after the box
    QCOMPARE(Observe(w), kIdleAfterRun);
  }

  void exitEndsTheProgramDuringARun() {
    MainWindow& w = Window();
    Paste(w, kModule);
    bool exited = false;
    int64_t yields_after_exit = 0;
    w.SetYieldObserver([&](int64_t k) {
      if (exited) ++yields_after_exit;
      if (k == 2) {
        exited = true;
        w.Actions().fileExit->trigger();
      }
    });
    QTimer::singleShot(0, w.Actions().convertVD, &QAction::trigger);
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(20000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(exited);
    QCOMPARE(yields_after_exit, int64_t(0));
    QVERIFY(!w.isVisible());
    QVERIFY(w.Buffer().Text().empty());
    QVERIFY(Text1(w)->document()->isEmpty());
    QVERIFY(!w.State().Converting);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
