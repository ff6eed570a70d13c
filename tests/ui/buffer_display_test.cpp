#include "ui/buffer_display.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>
#include <random>
#include <string>

#include "buffer/source_buffer.h"
#include "ui/widget_text.h"

using veldrane::BufferDisplay;
using veldrane::BufferTextToWidgetText;
using veldrane::SourceBuffer;

namespace {

// What the control shows, in the form BufferTextToWidgetText gives.
QString Shown(const QPlainTextEdit& edit) { return edit.document()->toPlainText(); }

// Refreshes one slice at a time until the control shows the buffer; returns the number of
// refreshes, or -1 when they do not get there.
int RefreshUntilShown(BufferDisplay& display, int limit) {
  for (int n = 1; n <= limit; ++n) {
    if (display.Refresh(0)) return n;
  }
  return -1;
}

// Text made of few kinds of units, line-break halves above all, so that slices and
// differences often end between or next to a CR and an LF.
std::u16string RandomText(std::mt19937& random, int length) {
  static constexpr char16_t kUnits[] = {u'\r', u'\n', u'\r', u'\n', u'a', u'b', u' ', u'\u5B57'};
  std::u16string text;
  for (int i = 0; i < length; ++i) text.push_back(kUnits[random() % std::size(kUnits)]);
  return text;
}

}  // namespace

class BufferDisplayTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheBufferSliceBySlice_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("sliceUnits");
    const std::pair<const char*, std::pair<QString, QString>> pairs[] = {
        {"equal", {"a = 1\r\n", "a = 1\r\n"}},
        {"replaced in the middle", {"a As b\r\nc\r\n", "a : b;\r\nc\r\n"}},
        {"line removed at the start", {"Option Explicit\r\nx = 1\r\n", "x = 1\r\n"}},
        {"appended", {"x", "x;\r\n"}},
        {"emptied", {"abc\r\ndef\r\n", ""}},
        {"filled", {"", "abc\r\ndef\r\n"}},
        {"repeated unit", {"aa", "aaa"}},
        {"LF put behind a lone CR", {"a\rb", "a\r\nb"}},
        {"CR LF split by an insertion", {"a\r\nb", "a\rx\nb"}},
        {"CR put in front of an LF", {"a\nb\n", "a\r\nb\r\n"}},
        {"line breaks only", {"\r\n\r\n\r\n", "\r\r\n\n\r\n\r"}},
    };
    for (const auto& [name, texts] : pairs) {
      for (int slice : {1, 2, 3, 64}) {
        QTest::addRow("%s, slices of %d", name, slice) << texts.first << texts.second << slice;
      }
    }
  }
  void showsTheBufferSliceBySlice() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, sliceUnits);
    QPlainTextEdit edit;
    edit.setPlainText(BufferTextToWidgetText(before.toStdU16String()));
    SourceBuffer buffer(before.toStdU16String());
    BufferDisplay display(edit, buffer, sliceUnits);
    display.Begin(edit.document()->toRawText());
    // First the display's copy comes to hold `before` exactly (lone CRs and LFs included,
    // which the control shows as line breaks), then the buffer becomes `after`. Each
    // refresh that does not finish moves at least one unit on.
    const int limit = static_cast<int>(before.size() + after.size()) + 2;
    QVERIFY(RefreshUntilShown(display, limit) > 0);
    buffer.SetText(after.toStdU16String());
    QVERIFY(RefreshUntilShown(display, limit) > 0);
    QCOMPARE(Shown(edit), BufferTextToWidgetText(buffer.Text()));
    display.End();
  }

  void followsABufferThatChangesBetweenRefreshes() {
    // As in a run: the buffer is edited between refreshes that each show only a slice.
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
      const std::u16string start = RandomText(random, static_cast<int>(random() % 40));
      QPlainTextEdit edit;
      edit.setPlainText(BufferTextToWidgetText(start));
      SourceBuffer buffer(start);
      BufferDisplay display(edit, buffer, 1 + static_cast<int32_t>(random() % 4));
      display.Begin(edit.document()->toRawText());
      for (int step = 0; step < 10; ++step) {
        const int32_t at = buffer.Length() == 0 ? 0 : static_cast<int32_t>(random() % (buffer.Length() + 1));
        const int32_t removed = static_cast<int32_t>(random() % 4);
        buffer.SelectAndReplace(at, removed, RandomText(random, static_cast<int>(random() % 4)));
        display.Refresh(0);
      }
      QVERIFY(RefreshUntilShown(display, 200) > 0);
      QCOMPARE(Shown(edit), BufferTextToWidgetText(buffer.Text()));
      display.End();
    }
  }

  void showsTheStartFirstAndEndsAtTheStart() {
    // A long text whose every line changed: the first slice brings the top of the text up
    // to date, and after the run the view stands at the start.
    std::u16string before, after;
    for (int i = 0; i < 2000; ++i) {
      before += u"Dim a As Long\r\n";
      after += u"a : Longint;\r\n";
    }
    QPlainTextEdit edit;
    edit.resize(300, 200);
    edit.setPlainText(BufferTextToWidgetText(before));
    edit.moveCursor(QTextCursor::End);  // where pasting leaves the caret
    SourceBuffer buffer(after);
    BufferDisplay display(edit, buffer, 1024);
    display.Begin(edit.document()->toRawText());
    QCOMPARE(edit.verticalScrollBar()->value(), 0);
    QVERIFY(!display.Refresh(0));
    QVERIFY(Shown(edit).startsWith(BufferTextToWidgetText(after.substr(0, 1000))));
    QVERIFY(Shown(edit).endsWith(BufferTextToWidgetText(before.substr(before.size() - 1000))));
    QVERIFY(RefreshUntilShown(display, 1000) > 0);
    display.End();
    QCOMPARE(edit.textCursor().position(), 0);
    QCOMPARE(edit.verticalScrollBar()->value(), 0);
    QCOMPARE(Shown(edit), BufferTextToWidgetText(after));
  }

  void rereadsTextClearedElsewhere() {
    QPlainTextEdit edit;
    edit.setPlainText(QStringLiteral("a\nb"));
    SourceBuffer buffer(u"a\r\nb");
    BufferDisplay display(edit, buffer);
    display.Begin(edit.document()->toRawText());
    buffer.SetText(u"");
    edit.clear();  // Clear empties both
    display.Reread();
    QVERIFY(display.Refresh(0));
    QVERIFY(edit.document()->isEmpty());
    display.End();
  }
};

QTEST_MAIN(BufferDisplayTest)
#include "buffer_display_test.moc"
