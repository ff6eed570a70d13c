#include "ui/elapsed_time.h"

#include <QtTest>
#include <cstdint>
#include <limits>

using veldrane::CompletionCaption;
using veldrane::ElapsedMilliseconds;
using veldrane::ElapsedSecondsText;

class ElapsedTimeTest : public QObject {
  Q_OBJECT

 private slots:
  void secondsText_data() {
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    const QLocale c = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("fraction") << 1234 << c << "1.234";
    QTest::newRow("whole") << 2000 << c << "2";
    QTest::newRow("below one") << 50 << c << "0.05";
    QTest::newRow("zero") << 0 << c << "0";
    QTest::newRow("trailing zeros dropped") << 1500 << c << "1.5";
    QTest::newRow("one second") << 1000 << c << "1";
    QTest::newRow("one millisecond") << 1 << c << "0.001";
    QTest::newRow("no grouping") << 123456789 << c << "123456.789";
    QTest::newRow("largest") << std::numeric_limits<int32_t>::max() << c << "2147483.647";
    QTest::newRow("negative") << -1500 << c << "-1.5";
    QTest::newRow("locale separator") << 1234 << german << "1,234";
    QTest::newRow("locale without grouping") << 123456789 << german << "123456,789";
    QTest::newRow("locale whole") << 3000 << german << "3";
  }
  void secondsText() {
    QFETCH(int, milliseconds);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QCOMPARE(ElapsedSecondsText(milliseconds, locale), expected);
  }

  void caption_data() {
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fraction") << 1234 << QStringLiteral("変換終了 ( 1.234s )");
    QTest::newRow("half") << 1500 << QStringLiteral("変換終了 ( 1.5s )");
    QTest::newRow("whole") << 1000 << QStringLiteral("変換終了 ( 1s )");
    QTest::newRow("zero") << 0 << QStringLiteral("変換終了 ( 0s )");
  }
  void caption() {
    QFETCH(int, milliseconds);
    QFETCH(QString, expected);
    QCOMPARE(CompletionCaption(milliseconds, QLocale::c()), expected);
  }

  void wrapAround_data() {
    QTest::addColumn<uint32_t>("start");
    QTest::addColumn<uint32_t>("end");
    QTest::addColumn<int32_t>("expected");
    QTest::newRow("plain") << 100u << 1334u << 1234;
    QTest::newRow("same reading") << 77u << 77u << 0;
    QTest::newRow("wraps during the run") << 0xFFFFFF00u << 0x100u << 512;
    QTest::newRow("wraps by one") << 0xFFFFFFFFu << 0u << 1;
    QTest::newRow("end before start") << 5u << 3u << -2;
    QTest::newRow("largest positive") << 0u << 0x7FFFFFFFu << std::numeric_limits<int32_t>::max();
    QTest::newRow("half the range reads negative")
        << 0u << 0x80000000u << std::numeric_limits<int32_t>::min();
  }
  void wrapAround() {
    QFETCH(uint32_t, start);
    QFETCH(uint32_t, end);
    QFETCH(int32_t, expected);
    QCOMPARE(ElapsedMilliseconds(start, end), expected);
  }

  void clockAdvancesMonotonically() {
    const uint32_t first = veldrane::MonotonicMilliseconds();
    QTest::qSleep(30);
    const int32_t elapsed = ElapsedMilliseconds(first, veldrane::MonotonicMilliseconds());
    QVERIFY2(elapsed >= 29 && elapsed < 10000, qPrintable(QString::number(elapsed)));
  }
};

QTEST_APPLESS_MAIN(ElapsedTimeTest)
#include "elapsed_time_test.moc"
