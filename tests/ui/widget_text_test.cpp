#include "ui/widget_text.h"

#include <QPlainTextEdit>
#include <QtTest>
#include <string>

using veldrane::BufferTextToWidgetText;
using veldrane::WidgetPositionForOffset;
using veldrane::WidgetTextToBufferText;

namespace {

const QString kPara(QChar::ParagraphSeparator);
const QString kSoft(QChar::LineSeparator);

QString FromBuffer(const std::u16string& text) { return QString::fromStdU16String(text); }

}  // namespace

class WidgetTextTest : public QObject {
  Q_OBJECT

 private slots:
  void toBuffer_data() {
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("one line") << "Dim x"
                              << "Dim x";
    QTest::newRow("paragraphs") << "a" + kPara + "b" + kPara << "a\r\nb\r\n";
    QTest::newRow("soft break") << "a" + kSoft + "b"
                                << "a\r\nb";
    QTest::newRow("empty lines") << kPara + kPara << "\r\n\r\n";
    QTest::newRow("other characters kept")
        << QString::fromUtf16(u"\u00a0\t変換") << QString::fromUtf16(u"\u00a0\t変換");
    // Read in pieces: separators on and around the pieces' borders.
    QString long_raw, long_buffer;
    for (int i = 0; i < 70000; ++i) {
      const bool separator = i % 7 == 0 || (i % 32768) < 2 || (i % 32768) > 32765;
      long_raw += separator ? kPara : QStringLiteral("x");
      long_buffer += separator ? QStringLiteral("\r\n") : QStringLiteral("x");
    }
    QTest::newRow("longer than a piece") << long_raw << long_buffer;
  }
  void toBuffer() {
    QFETCH(QString, raw);
    QFETCH(QString, expected);
    QCOMPARE(FromBuffer(WidgetTextToBufferText(raw)), expected);
  }

  void toWidget_data() {
    QTest::addColumn<QString>("buffer");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("line breaks") << "a\r\nb\r\n"
                                 << "a\nb\n";
    QTest::newRow("lone CR and LF are breaks") << "a\rb\nc"
                                               << "a\nb\nc";
    QTest::newRow("CR before CR LF") << "a\r\r\nb"
                                     << "a\n\nb";
    QTest::newRow("CR at the end") << "a\r"
                                   << "a\n";
    QTest::newRow("LF before CR") << "a\n\rb"
                                  << "a\n\nb";
  }
  void toWidget() {
    QFETCH(QString, buffer);
    QFETCH(QString, expected);
    QCOMPARE(BufferTextToWidgetText(buffer.toStdU16String()), expected);
  }

  void positionForOffset_data() {
    QTest::addColumn<QString>("raw");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("expected");
    const QString two_lines = "ab" + kPara + "cd";  // buffer "ab\r\ncd", 6 units
    QTest::newRow("empty text") << QString() << 0 << 0;
    QTest::newRow("start") << two_lines << 0 << 0;
    QTest::newRow("before the break") << two_lines << 2 << 2;
    QTest::newRow("inside CR LF") << two_lines << 3 << 3;
    QTest::newRow("after the break") << two_lines << 4 << 3;
    QTest::newRow("end") << two_lines << 6 << 5;
    QTest::newRow("beyond the end") << two_lines << 99 << 5;
    QTest::newRow("soft break") << "a" + kSoft + "b" << 3 << 2;
  }
  void positionForOffset() {
    QFETCH(QString, raw);
    QFETCH(int, offset);
    QFETCH(int, expected);
    QCOMPARE(WidgetPositionForOffset(raw, offset), expected);
  }

  void roundTripThroughTheControl() {
    // What the control makes of shown buffer text comes back as the same buffer text.
    const std::u16string buffer = u"Sub A()\r\n    x = 1\r\n\r\nEnd Sub\r\n";
    QPlainTextEdit edit;
    edit.setPlainText(BufferTextToWidgetText(buffer));
    QCOMPARE(FromBuffer(WidgetTextToBufferText(edit.document()->toRawText())), FromBuffer(buffer));
  }
};

QTEST_MAIN(WidgetTextTest)
#include "widget_text_test.moc"
