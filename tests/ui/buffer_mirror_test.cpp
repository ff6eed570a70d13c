#include "ui/buffer_mirror.h"

#include <QtTest>
#include <random>
#include <string>

#include "buffer/source_buffer.h"
#include "ui/text_area.h"

using veldrane::BufferMirror;
using veldrane::SourceBuffer;
using veldrane::TextArea;

namespace {

QString ToQ(const std::u16string& text) { return QString::fromStdU16String(text); }

// Units that make edits land next to and between the halves of CR LF and of surrogate
// pairs, and characters of one to four bytes in UTF-8.
std::u16string RandomText(std::mt19937& random, int characters) {
  static const std::u16string kPieces[] = {u"\r", u"\n", u"\r\n", u"a", u" ", u"é", u"字", u"\U0001F600"};
  std::u16string text;
  for (int i = 0; i < characters; ++i) text += kPieces[random() % std::size(kPieces)];
  return text;
}

// A random edit that leaves surrogate pairs whole (the text store never splits one; the
// passes' literals are whole characters).
void RandomEdit(std::mt19937& random, SourceBuffer& buffer, int max_units) {
  const auto whole = [&](int32_t offset) {
    const char16_t unit = buffer.At(offset + 1);
    return unit >= 0xDC00 && unit < 0xE000 ? offset + 1 : offset;
  };
  const int32_t offset = whole(static_cast<int32_t>(random() % (buffer.Length() + 1)));
  const int32_t end =
      whole(std::min<int32_t>(buffer.Length(), offset + static_cast<int32_t>(random() % max_units)));
  buffer.SelectAndReplace(offset, end - offset, RandomText(random, static_cast<int>(random() % 4)));
}

}  // namespace

class BufferMirrorTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheBufferAsFarAsTheViewReaches_data() {
    QTest::addColumn<int>("characters");  // of the text at the start
    QTest::addColumn<int>("maxRemoved");  // units an edit removes at most
    QTest::addColumn<int>("editsPerFlush");
    QTest::newRow("small text, single edits") << 40 << 4 << 1;
    QTest::newRow("small text, gathered edits") << 40 << 4 << 25;
    QTest::newRow("edits far apart and close by") << 20000 << 3 << 200;
    QTest::newRow("large removals") << 3000 << 700 << 10;
  }
  void showsTheBufferAsFarAsTheViewReaches() {
    // After each flush the control holds the buffer's start, at least up to the line behind
    // the last in view (the view grows now and then), and after the run the whole text.
    QFETCH(int, characters);
    QFETCH(int, maxRemoved);
    QFETCH(int, editsPerFlush);
    for (uint32_t seed = 1; seed <= 5; ++seed) {
      std::mt19937 random(seed);
      TextArea control;
      control.resize(300, 200);
      control.show();
      SourceBuffer buffer(RandomText(random, characters), 256);
      control.setText(ToQ(buffer.Text()));
      BufferMirror mirror(control, buffer);
      mirror.Begin();
      for (int flush = 0; flush < 40; ++flush) {
        for (int k = 0; k < editsPerFlush; ++k) RandomEdit(random, buffer, maxRemoved);
        if (flush % 10 == 9) control.resize(300, control.height() * 2);
        mirror.Flush();
        const QString where = QStringLiteral("seed %1 flush %2").arg(seed).arg(flush);
        const QString text = ToQ(buffer.Text());
        QVERIFY2(text.startsWith(control.text()), qPrintable(where));
        const long lines_needed = control.SendScintilla(TextArea::SCI_LINESONSCREEN) + 1;
        QVERIFY2(control.text() == text || control.lines() > lines_needed, qPrintable(where));
      }
      mirror.End();
      QCOMPARE(control.text(), ToQ(buffer.Text()));
    }
  }

  void undoAndNotificationsOnlyOutsideARun() {
    TextArea control;
    SourceBuffer buffer(u"Dim a\r\n");
    control.setText(QStringLiteral("Dim a\r\n"));
    QSignalSpy changes(&control, &TextArea::textChanged);
    BufferMirror mirror(control, buffer);
    mirror.Begin();
    buffer.SelectAndReplace(0, 3, u"var");
    mirror.Flush();
    QCOMPARE(changes.count(), 0);
    QVERIFY(!control.isUndoAvailable());
    mirror.End();
    QCOMPARE(control.text(), QStringLiteral("var a\r\n"));
    QVERIFY(!control.isUndoAvailable());
    control.insertAt(QStringLiteral("x"), 0, 0);
    QCOMPARE(changes.count(), 1);
    QVERIFY(control.isUndoAvailable());
  }

  void textReplacedWholeDropsWhatWasGathered() {
    // Clear empties the buffer and the control together; the edits gathered before are
    // not made in the empty control, and later edits are followed again.
    TextArea control;
    SourceBuffer buffer(u"abc\r\ndef");
    control.setText(QStringLiteral("abc\r\ndef"));
    BufferMirror mirror(control, buffer);
    mirror.Begin();
    buffer.SelectAndReplace(5, 3, u"xyz");
    buffer.SetText(u"");
    control.clear();
    mirror.Flush();
    QCOMPARE(control.text(), QString());
    buffer.SelectAndReplace(0, 0, u"new");
    mirror.End();
    QCOMPARE(control.text(), QStringLiteral("new"));
  }

  void clearWhileTheWholeTextGoesInEndsTheFilling() {
    // The window processes its events while the whole text goes into the control; a Clear
    // there empties the buffer and the control, and nothing of the old text follows.
    TextArea control;
    SourceBuffer buffer(std::u16string(std::size_t{3} << 20, u'a'));
    BufferMirror mirror(control, buffer);
    mirror.Begin();
    int calls = 0;
    mirror.End([&] {
      if (++calls > 1) return;
      buffer.SetText(u"");
      control.Empty();
    });
    QCOMPARE(calls, 1);
    QVERIFY(control.IsEmpty());
  }
};

QTEST_MAIN(BufferMirrorTest)
#include "buffer_mirror_test.moc"
