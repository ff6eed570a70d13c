#include "ui/buffer_display.h"

#include <QPlainTextEdit>
#include <QtTest>
#include <string>

#include "ui/widget_text.h"

using veldrane::BufferDisplay;
using veldrane::BufferTextToWidgetText;
using veldrane::WidgetTextToBufferText;

namespace {

std::u16string Shown(const QPlainTextEdit& edit) {
  return WidgetTextToBufferText(edit.document()->toRawText());
}

}  // namespace

class BufferDisplayTest : public QObject {
  Q_OBJECT

 private slots:
  void changesDuringARunUpToTheLimitAreShown() {
    QPlainTextEdit edit;
    const std::u16string before = u"a = 1\r\nb = 2\r\n";
    edit.setPlainText(BufferTextToWidgetText(before));
    BufferDisplay display(edit);
    display.Begin(BufferTextToWidgetText(before));

    const std::u16string small_change = u"a = 1;\r\nb = 2\r\n";
    display.ShowDuringRun(small_change, 4);
    QCOMPARE(Shown(edit), small_change);

    // A change larger than the limit waits; the control keeps what it showed, and a later
    // refresh still finds the whole difference.
    const std::u16string large_change = u"x;\r\ny;\r\nz;\r\n";
    display.ShowDuringRun(large_change, 4);
    QCOMPARE(Shown(edit), small_change);
    display.Show(large_change);
    QCOMPARE(Shown(edit), large_change);
    display.End();
  }
};

QTEST_MAIN(BufferDisplayTest)
#include "buffer_display_test.moc"
