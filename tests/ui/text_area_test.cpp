#include "ui/text_area.h"

#include <QtTest>
#include <string>

#include "buffer/source_buffer.h"

using veldrane::SourceBuffer;
using veldrane::TextArea;

class TextAreaTest : public QObject {
  Q_OBJECT

 private slots:
  void copiesItsTextIntoTheBuffer_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("line breaks as held") << "a\r\nb\rc\nd";
    QTest::newRow("several bytes a character") << "é字\U0001F600";
    // Read in pieces of 64 KiB: characters of two to four bytes across the pieces' borders.
    QString long_text;
    for (int i = 0; i < 60000; ++i)
      long_text += i % 3 == 0 ? QStringLiteral("字x") : QStringLiteral("\U0001F600é");
    QTest::newRow("longer than a piece") << long_text;
  }
  void copiesItsTextIntoTheBuffer() {
    QFETCH(QString, text);
    TextArea area;
    area.setText(text);
    SourceBuffer buffer(u"old");
    area.CopyTo(buffer);
    QCOMPARE(QString::fromStdU16String(buffer.Text()), text);
    QCOMPARE(area.Units(), int64_t(text.size()));
  }

  void greyedWhileDisabled() {
    TextArea area;
    const QColor enabled = area.color();
    area.setEnabled(false);
    QCOMPARE(area.color(), area.palette().color(QPalette::Disabled, QPalette::Text));
    area.setEnabled(true);
    QCOMPARE(area.color(), enabled);
  }

  void emptyForgetsWhatUndoWouldRestore() {
    TextArea area;
    area.setText(QStringLiteral("Sub A()\r\nEnd Sub\r\n"));
    area.Empty();
    QVERIFY(area.IsEmpty());
    QVERIFY(!area.isUndoAvailable());
  }
};

QTEST_MAIN(TextAreaTest)
#include "text_area_test.moc"
