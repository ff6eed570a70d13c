#include "ui/text_area.h"

#include <QClipboard>
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

  void pastesTheClipboardsTextWithCrLf_data() {
    QTest::addColumn<bool>("ownCopy");  // copied from a text area, else put there as text
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    // Pasted in pieces of 64 KiB: characters of two to four bytes and line breaks of every
    // kind across the pieces' borders.
    QString long_text;
    QString long_expected;
    for (int i = 0; i < 40000; ++i) {
      const QString line_break = i % 3 == 0   ? QStringLiteral("\r")
                                 : i % 3 == 1 ? QStringLiteral("\n")
                                              : "\r\n";
      long_text += QStringLiteral("字é\U0001F600") + line_break;
      long_expected += QStringLiteral("字é\U0001F600\r\n");
    }
    for (const bool own : {false, true}) {
      const char* source = own ? "own copy: " : "text: ";
      QTest::addRow("%sline breaks", source) << own << "a\nb\rc\r\nd\n\r"
                                             << "a\r\nb\r\nc\r\nd\r\n\r\n";
      QTest::addRow("%slonger than a piece", source) << own << long_text << long_expected;
      const QString first_piece(64 * 1024 - 1, QLatin1Char('x'));
      QTest::addRow("%sCR LF across a piece's border", source)
          << own << first_piece + "\r\ny" << first_piece + "\r\ny";
    }
  }
  void pastesTheClipboardsTextWithCrLf() {
    QFETCH(bool, ownCopy);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    if (ownCopy) {
      TextArea source;
      source.setText(text);
      source.selectAll();
      source.copy();
    } else {
      QApplication::clipboard()->setText(text);
    }
    TextArea area;
    area.setText(QStringLiteral("<>"));
    area.setCursorPosition(0, 1);
    area.paste();
    QCOMPARE(area.text(), "<" + expected + ">");
    area.undo();
    QCOMPARE(area.text(), QStringLiteral("<>"));
  }

  void greyedWhileDisabled() {
    TextArea area;
    const QColor enabled = area.color();
    area.setEnabled(false);
    QCOMPARE(area.color(), area.palette().color(QPalette::Disabled, QPalette::Text));
    area.setEnabled(true);
    QCOMPARE(area.color(), enabled);
  }

  void coloursKeywordsAndCommentsOnlyWhileEnabled_data() {
    QTest::addColumn<TextArea::Colouring>("colouring");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("at");  // a keyword, a name and a comment
    QTest::newRow("Visual Basic") << TextArea::Colouring::kVisualBasic << "Dim x ' note"
                                  << QList<int>{0, 4, 6};
    QTest::newRow("Pascal") << TextArea::Colouring::kPascal << "var x; // note" << QList<int>{0, 4, 7};
  }
  void coloursKeywordsAndCommentsOnlyWhileEnabled() {
    QFETCH(TextArea::Colouring, colouring);
    QFETCH(QString, text);
    QFETCH(QList<int>, at);
    TextArea area;
    const auto style_font = [&](long style) {
      QByteArray name(64, '\0');
      area.SendScintilla(TextArea::SCI_STYLEGETFONT, static_cast<unsigned long>(style), name.data());
      return QByteArray(name.constData());
    };
    const QByteArray plain_font = style_font(0);
    area.setText(text);
    area.SetColouring(colouring);
    QCOMPARE(area.text(), text);
    area.SendScintilla(TextArea::SCI_COLOURISE, 0UL, -1L);
    const auto style_at = [&](int position) {
      return area.SendScintilla(TextArea::SCI_GETSTYLEAT, static_cast<unsigned long>(position));
    };
    const auto colour = [&](int position) {
      return area.SendScintilla(TextArea::SCI_STYLEGETFORE, static_cast<unsigned long>(style_at(position)));
    };
    for (const int position : at) QCOMPARE(style_font(style_at(position)), plain_font);
    const long keyword = colour(at[0]);
    const long name = colour(at[1]);
    const long comment = colour(at[2]);
    QVERIFY(keyword != name && comment != name && comment != keyword);
    area.setEnabled(false);
    for (const int position : at) QCOMPARE(colour(position), colour(at[1]));
    area.SetColouring(TextArea::Colouring::kNone);
    QCOMPARE(area.text(), text);
    QCOMPARE(style_font(0), plain_font);
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
