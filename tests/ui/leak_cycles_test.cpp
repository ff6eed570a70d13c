// A hundred convert–clear cycles in one window: every cycle pastes a module, converts it and
// clears the text, every other one clears it in the middle of the run. Each cycle must leave
// an empty, convertible window, and the window must own no more objects after the last cycle
// than after the first (a widget or object created per run and never deleted would show
// here even where its parent frees it in the end). In the sanitizer build LeakSanitizer
// checks the whole process at exit as well.
#include <QAction>
#include <QClipboard>
#include <QtTest>
#include <string>

#include "ui/main_window.h"
#include "ui/text_area.h"

using veldrane::MainWindow;

namespace {

std::u16string Module(int cycle) {
  std::u16string text = u"Option Explicit\r\nPublic Total As Long\r\nDim Items(10) As Integer\r\n";
  text += u"Private Type Point\r\n    X As Double\r\nEnd Type\r\n";
  text +=
      u"Public Function Add(ByVal a As Long, ByVal b As Long) As Long\r\n    Add = a + b\r\nEnd Function\r\n";
  text += u"Private Sub Main()\r\n    Dim i As Integer\r\n    For i = 0 To " +
          std::u16string(1, u'0' + cycle % 10) +
          u"\r\n        Items(i) = Add(i, 1)\r\n    Next i\r\n    With Text1\r\n        .Text = \"x\"\r\n    "
          u"End With\r\n";
  text += u"    ReDim Buf(9)\r\n    Show Total, 2 ' done\r\nEnd Sub\r\n";
  return text;
}

int OwnedObjects(const MainWindow& window) {
  return static_cast<int>(window.findChildren<QObject*>().size());
}

}  // namespace

class LeakCyclesTest : public QObject {
  Q_OBJECT

 private slots:
  void HundredConvertClearCyclesLeaveNothingBehind() {
    MainWindow window;
    window.show();
    auto* text1 = window.findChild<veldrane::TextArea*>(QStringLiteral("Text1"));
    QVERIFY(text1 != nullptr);
    int objects_after_first_cycle = -1;
    for (int cycle = 0; cycle < 100; ++cycle) {
      const bool clear_during_run = cycle % 2 == 1;
      window.SetYieldObserver([&window, clear_during_run](int64_t yield) {
        if (clear_during_run && yield == 50) window.ClearText();
      });
      QApplication::clipboard()->setText(QString::fromStdU16String(Module(cycle)));
      text1->paste();
      window.Convert();
      QVERIFY2(!window.State().Converting, qPrintable(QStringLiteral("cycle %1").arg(cycle)));
      if (!clear_during_run) QVERIFY(!text1->IsEmpty());
      window.ClearText();
      QCoreApplication::processEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QCOMPARE(window.Buffer().Length(), 0);
      QVERIFY(text1->IsEmpty());
      QVERIFY(window.Actions().convertVD->isEnabled());
      if (cycle == 0) objects_after_first_cycle = OwnedObjects(window);
    }
    QCOMPARE(OwnedObjects(window), objects_after_first_cycle);
  }
};

QTEST_MAIN(LeakCyclesTest)
#include "leak_cycles_test.moc"
