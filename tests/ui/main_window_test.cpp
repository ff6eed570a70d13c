#include "ui/main_window.h"

#include <QAction>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QtTest>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/recording_host.h"
#include "passes/conversion_run.h"
#include "ui/text_area.h"

using veldrane::MainWindow;
using veldrane::TextArea;

namespace {

TextArea* Text1(MainWindow& window) { return window.findChild<TextArea*>(QStringLiteral("Text1")); }
QLabel* Label(MainWindow& window, const char* name) {
  return window.findChild<QLabel*>(QString::fromLatin1(name));
}

// A module whose lines the line-removal and keyword steps rewrite, so that a run makes
// many edits and yields often; its comments and strings hold characters of two, three and
// four bytes in UTF-8, the last a surrogate pair.
std::u16string ModuleText(int copies) {
  std::u16string text;
  for (int i = 0; i < copies; ++i) {
    text += u"Option Explicit\r\nAttribute VB_Name = \"M\"\r\nDim a As Long ' 変換 é\r\n";
    text += u"If a And b Then\r\n    a = Len(\"\U0001F600\")\r\nEnd If\r\n";
  }
  return text;
}
const std::u16string kModule = ModuleText(40);

QString ToQ(std::u16string_view text) { return QString::fromStdU16String(std::u16string(text)); }

// Pastes `text` into Text1 as the user does: through the clipboard and Ctrl+V.
void Paste(MainWindow& window, std::u16string_view text) {
  QApplication::clipboard()->setText(ToQ(text));
  QTest::keyClick(Text1(window), Qt::Key_V, Qt::ControlModifier);
}

// What the user gets out of Text1: すべて選択, then Ctrl+C.
QString CopyOut(MainWindow& window) {
  QApplication::clipboard()->clear();
  window.Actions().allTextSelect->trigger();
  QTest::keyClick(Text1(window), Qt::Key_C, Qt::ControlModifier);
  return QApplication::clipboard()->text();
}

// Resizes the window so that its outer size, frame included, is `outer`.
void ResizeOuter(MainWindow& window, QSize outer) {
  window.resize(outer - (window.frameGeometry().size() - window.geometry().size()));
}

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
  bool syntax_colour;
  bool operator==(const WindowState&) const = default;
};
char* toString(const WindowState& s) {
  return QTest::toString(QStringLiteral("Converting %1 Text1 enabled %2 visible %3 VD %4 Stop %5 "
                                        "AllTextSelect %6 TextVisible %7 SyntaxColour %8")
                             .arg(s.converting)
                             .arg(s.text1_enabled)
                             .arg(s.text1_visible)
                             .arg(s.convert_vd)
                             .arg(s.convert_stop)
                             .arg(s.all_text_select)
                             .arg(s.text_visible)
                             .arg(s.syntax_colour));
}
WindowState Observe(MainWindow& window) {
  const veldrane::MenuActions& a = window.Actions();
  return {window.State().Converting,  Text1(window)->isEnabled(), Text1(window)->isVisible(),
          a.convertVD->isEnabled(),   a.convertStop->isEnabled(), a.allTextSelect->isEnabled(),
          a.textVisible->isEnabled(), a.syntaxColour->isEnabled()};
}
constexpr WindowState kIdleConvertible{false, true, true, true, false, true, true, true};
constexpr WindowState kIdleAfterRun{false, true, true, false, false, true, true, true};
constexpr WindowState RunningState(bool text_visible) {
  return {true, false, text_visible, false, true, false, false, false};
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
    TextArea* text1 = Text1(w);
    QVERIFY(text1->IsEmpty());
    QCOMPARE(text1->font().families().value(0), QStringLiteral("ＭＳ ゴシック"));
    QVERIFY(text1->font().families().contains(QStringLiteral("Noto Sans Mono CJK JP")));
    // A plain text area: no margins, no folding, no wrapping, no colouring.
    for (unsigned long margin = 0; margin < 5; ++margin) {
      QCOMPARE(text1->SendScintilla(TextArea::SCI_GETMARGINWIDTHN, margin), 0L);
    }
    QCOMPARE(text1->folding(), TextArea::NoFoldStyle);
    QCOMPARE(text1->wrapMode(), TextArea::WrapNone);
    QVERIFY(text1->lexer() == nullptr);
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
        {"M_Config",
         "設定",
         {{"M_TextVisible", "テキストを表示", true, true}, {"M_SyntaxColour", "構文の色分け", true, false}}},
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

    // The run went through the core's pipeline, on the text with CR LF line breaks, and
    // its result is what the user copies out.
    const CoreRun core = RunCore(kModule);
    QVERIFY(core.text != kModule);
    QCOMPARE(Text1(w)->text(), ToQ(core.text));
    QCOMPARE(yields, core.yields);
    QCOMPARE(CopyOut(w), ToQ(core.text));
    QCOMPARE(Label(w, "Label2")->text(), ToQ(core.label2));
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

  void text1ShowsTheBufferAtEveryYield_data() {
    QTest::addColumn<bool>("textVisible");
    QTest::newRow("text shown") << true;
    QTest::newRow("text hidden") << false;
  }
  void text1ShowsTheBufferAtEveryYield() {
    // Whenever the user can look or act, the lines in view show the text as the run has it;
    // when the run ends Text1 holds all of it.
    QFETCH(bool, textVisible);
    MainWindow& w = Window();
    if (!textVisible) w.Actions().textVisible->trigger();
    const std::u16string module = ModuleText(150);  // longer than Text1 holds during a run
    Paste(w, module);
    int64_t differing = 0;
    int64_t yields = 0;
    w.SetYieldObserver([&](int64_t k) {
      yields = k;
      TextArea& text1 = *Text1(w);
      const long last_in_view = text1.SendScintilla(TextArea::SCI_GETFIRSTVISIBLELINE) +
                                text1.SendScintilla(TextArea::SCI_LINESONSCREEN);
      const QString text = ToQ(w.Buffer().Text());
      const bool covers = text1.text() == text || text1.lines() > last_in_view + 1;
      if (!covers || !text.startsWith(text1.text())) ++differing;
    });
    w.Actions().convertVD->trigger();
    QVERIFY(yields > 1000);
    QCOMPARE(differing, int64_t(0));
    QCOMPARE(Text1(w)->text(), ToQ(RunCore(module).text));
  }

  void viewShowsTheStartAfterARun_data() {
    QTest::addColumn<int>("stopAt");  // 0: the run is not stopped
    QTest::newRow("complete run") << 0;
    QTest::newRow("stopped run") << 500;
  }
  void viewShowsTheStartAfterARun() {
    QFETCH(int, stopAt);
    MainWindow& w = Window();
    TextArea* text1 = Text1(w);
    Paste(w, kModule);  // which leaves the caret, and the view, at the end
    QVERIFY(text1->SendScintilla(TextArea::SCI_GETFIRSTVISIBLELINE) > 0);
    w.SetYieldObserver([&](int64_t k) {
      if (k == stopAt) w.Actions().convertStop->trigger();
    });
    w.Actions().convertVD->trigger();
    // Also once the window has handled what the run left pending, as the user then sees it.
    for (bool events_processed : {false, true}) {
      if (events_processed) QCoreApplication::processEvents();
      QCOMPARE(text1->SendScintilla(TextArea::SCI_GETCURRENTPOS), 0L);
      QCOMPARE(text1->SendScintilla(TextArea::SCI_GETFIRSTVISIBLELINE), 0L);
      QCOMPARE(text1->SendScintilla(TextArea::SCI_GETXOFFSET), 0L);
    }
  }

  void stopAndClearAtEveryYield() {
    // One window, many runs of a short module: Stop, then Clear, chosen in each yield of a
    // run in turn. After a Stop the text keeps the edits made so far, as the core alone
    // makes them, and the window is restored as after a complete run; after a Clear the run
    // goes on to its end, once, on the empty text, and the window is convertible again.
    MainWindow& w = Window();
    const std::u16string module = ModuleText(1);
    const int64_t run_yields = RunCore(module).yields;
    QVERIFY(run_yields > 50);
    for (const bool clear : {false, true}) {
      for (int64_t at = 1; at <= run_yields; ++at) {
        const QByteArray where =
            QStringLiteral("%1 at yield %2").arg(clear ? "Clear" : "Stop").arg(at).toUtf8();
        w.Actions().editingClear->trigger();
        Paste(w, module);
        int64_t yields = 0;
        bool convert_refused = true;
        w.SetYieldObserver([&](int64_t k) {
          yields = k;
          if (k != at) return;
          if (!clear) {
            w.Actions().convertStop->trigger();
            return;
          }
          w.Actions().editingClear->trigger();
          convert_refused = w.Actions().convertVD->isEnabled() && w.State().Converting;
          w.Actions().convertVD->trigger();  // refused: a run is active
        });
        w.Actions().convertVD->trigger();
        w.SetYieldObserver(nullptr);

        const CoreRun core = clear ? RunCore(module, 0, at) : RunCore(module, at);
        QVERIFY2(yields == core.yields, where.constData());
        QVERIFY2(convert_refused, where.constData());
        QVERIFY2(kCompletion.match(Label(w, "Label1")->text()).hasMatch(), where.constData());
        QVERIFY2(Label(w, "Label2")->text() == ToQ(core.label2), where.constData());
        QVERIFY2(Text1(w)->text() == ToQ(core.text), where.constData());
        QVERIFY2(Observe(w) == (clear ? kIdleConvertible : kIdleAfterRun), where.constData());
        QVERIFY2(CopyOut(w) == ToQ(core.text), where.constData());
      }
    }
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
    QCOMPARE(Text1(w)->text(), ToQ(RunCore(kModule, 2).text));
    QCOMPARE(Observe(w), kIdleAfterRun);
  }

  void enteringText_data() {
    // What the user puts into Text1, and the text a run then converts.
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("pasted line breaks become CR LF") << "paste"
                                                     << "a\nb\rc\r\nd"
                                                     << "a\r\nb\r\nc\r\nd";
    QTest::newRow("typed line break is CR LF") << "type"
                                               << "a\rb"
                                               << "a\r\nb";
    QTest::newRow("input method commits Japanese") << "compose"
                                                   << "変換する"
                                                   << "変換する";
  }
  void enteringText() {
    QFETCH(QString, action);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    MainWindow& w = Window();
    TextArea* text1 = Text1(w);
    if (action == "paste") {
      Paste(w, input.toStdU16String());
    } else if (action == "type") {
      QTest::keyClicks(text1, input);
    } else {
      QInputMethodEvent preedit(input.left(2), {});
      QCoreApplication::sendEvent(text1, &preedit);
      QInputMethodEvent commit;
      commit.setCommitString(input);
      QCoreApplication::sendEvent(text1, &commit);
    }
    QCOMPARE(text1->text(), expected);
    w.Actions().convertVD->trigger();
    QCOMPARE(text1->text(), ToQ(RunCore(expected.toStdU16String()).text));
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
    TextArea* text1 = Text1(w);
    Paste(w, kModule);
    bool enabled_while_converting = false;
    w.SetYieldObserver([&](int64_t k) {
      if (k != 1 || scenario != "empty during run") return;
      text1->clear();
      enabled_while_converting = w.Actions().convertVD->isEnabled();
    });
    if (scenario != "type before run") w.Actions().convertVD->trigger();
    QVERIFY(!enabled_while_converting);

    text1->setFocus();
    QTest::keyClick(text1, Qt::Key_End, Qt::ControlModifier);
    if (scenario.startsWith("type")) {
      QTest::keyClick(text1, Qt::Key_X);
    } else if (scenario == "delete part after run") {
      QTest::keyClick(text1, Qt::Key_Backspace);
    } else if (scenario == "delete all after run") {
      QTest::keyClick(text1, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClick(text1, Qt::Key_Delete);
      QVERIFY(text1->IsEmpty());
    } else if (scenario == "clear after run") {
      w.Actions().editingClear->trigger();
    }
    QCOMPARE(w.Actions().convertVD->isEnabled(), convertEnabled);
  }

  void colouringFollowsTheText_data() {
    // The user's steps in order (the menu item, paste, run, clear, clear during a run), then
    // Text1's colouring and text (as pasted or as converted), and whether VisualBasic⇒Delphi
    // is available.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<TextArea::Colouring>("expected");
    QTest::addColumn<bool>("converted");
    using C = TextArea::Colouring;
    QTest::newRow("off by default") << QStringList{"paste", "run"} << C::kNone << true;
    QTest::newRow("VB before a run") << QStringList{"colour", "paste"} << C::kVisualBasic << false;
    QTest::newRow("Pascal after a run") << QStringList{"colour", "paste", "run"} << C::kPascal << true;
    QTest::newRow("turned on after a run") << QStringList{"paste", "run", "colour"} << C::kPascal << true;
    QTest::newRow("turned off again") << QStringList{"colour", "paste", "run", "colour"} << C::kNone << true;
    QTest::newRow("VB again after Clear")
        << QStringList{"colour", "paste", "run", "clear", "paste"} << C::kVisualBasic << false;
    QTest::newRow("VB after Clear during a run")
        << QStringList{"colour", "paste", "clear during run", "paste"} << C::kVisualBasic << false;
  }
  void colouringFollowsTheText() {
    QFETCH(QStringList, steps);
    QFETCH(TextArea::Colouring, expected);
    QFETCH(bool, converted);
    MainWindow& w = Window();
    TextArea* text1 = Text1(w);
    for (const QString& step : steps) {
      if (step == "colour") w.Actions().syntaxColour->trigger();
      if (step == "paste") Paste(w, kModule);
      if (step == "clear") w.Actions().editingClear->trigger();
      if (step == "run" || step == "clear during run") {
        w.SetYieldObserver([&](int64_t k) {
          if (k == 2 && step != "run") w.Actions().editingClear->trigger();
        });
        w.Actions().convertVD->trigger();
        w.SetYieldObserver(nullptr);
      }
    }
    QCOMPARE(text1->CurrentColouring(), expected);
    const bool styled = (text1->SendScintilla(TextArea::SCI_GETDOCUMENTOPTIONS) &
                         TextArea::SC_DOCUMENTOPTION_STYLES_NONE) == 0;
    QCOMPARE(styled, expected != TextArea::Colouring::kNone);
    QCOMPARE(text1->text(), ToQ(converted ? RunCore(kModule).text : kModule));
    QCOMPARE(Observe(w), converted ? kIdleAfterRun : kIdleConvertible);
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
    QTest::addColumn<int>("units");  // the buffer's units: CR LF as two
    QTest::newRow("empty text selects nothing") << QString() << 0;
    QTest::newRow("one line") << "Dim x" << 5;
    QTest::newRow("several lines") << "ab\ncd\n" << 8;
    QTest::newRow("characters of several bytes") << "変換\n\U0001F600" << 6;
  }
  void selectAll() {
    QFETCH(QString, text);
    QFETCH(int, units);
    MainWindow& w = Window();
    TextArea* text1 = Text1(w);
    Paste(w, text.toStdU16String());
    w.Actions().allTextSelect->trigger();
    QCOMPARE(text1->SendScintilla(TextArea::SCI_GETSELECTIONSTART), 0L);
    QCOMPARE(text1->SendScintilla(TextArea::SCI_GETSELECTIONEND),
             text1->SendScintilla(TextArea::SCI_GETLENGTH));
    QCOMPARE(text1->selectedText().size(), qsizetype(units));
    QCOMPARE(text1->Units(), int64_t(units));
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

  void exitEndsTheProgramDuringARun_data() {
    QTest::addColumn<bool>("closeWindow");  // or 終了
    QTest::newRow("終了") << false;
    QTest::newRow("window closed") << true;
  }
  void exitEndsTheProgramDuringARun() {
    QFETCH(bool, closeWindow);
    MainWindow& w = Window();
    Paste(w, kModule);
    bool exited = false;
    int64_t yields_after_exit = 0;
    w.SetYieldObserver([&](int64_t k) {
      if (exited) ++yields_after_exit;
      if (k == 2) {
        exited = true;
        if (closeWindow) {
          w.close();
        } else {
          w.Actions().fileExit->trigger();
        }
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
    QVERIFY(Text1(w)->IsEmpty());
    QVERIFY(!w.State().Converting);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
