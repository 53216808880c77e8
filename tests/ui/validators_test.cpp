// Character sets and validators on their own, text by text.
#include "platform/validators.h"

#include <QTest>

class ValidatorsTest : public QObject {
  Q_OBJECT

 private slots:
  void charSetReadsRanges_data() {
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("members");
    QTest::addColumn<QString>("others");
    QTest::newRow("digits") << "0-9"
                            << "0123456789"
                            << " .-/:a";
    QTest::newRow("blank, digits, full stop") << " 0-9."
                                              << " 0379."
                                              << "-,a\t";
    QTest::newRow("digits, full stop") << "0-9."
                                       << "05."
                                       << " -";
    QTest::newRow("hyphen at the end") << "a-"
                                       << "a-"
                                       << "b";
    QTest::newRow("hyphen at the start") << "-a"
                                         << "-a"
                                         << "b";
    QTest::newRow("reversed range") << "9-0"
                                    << ""
                                    << "0-9";
    QTest::newRow("empty") << ""
                           << ""
                           << "0a -";
  }

  void charSetReadsRanges() {
    QFETCH(QString, set);
    QFETCH(QString, members);
    QFETCH(QString, others);
    const TCharSet chars(set.toStdString());
    for (QChar c : members) QVERIFY2(chars.Has(c.toLatin1()), qPrintable(QString(c)));
    for (QChar c : others) QVERIFY2(!chars.Has(c.toLatin1()), qPrintable(QString(c)));
  }

  void charSetTakesEveryByte() {
    const TCharSet chars("\x01-\xff");
    QVERIFY(chars.Has('\x01'));
    QVERIFY(chars.Has('\xff'));
    QVERIFY(!chars.Has('\0'));
  }

  void filterAcceptsOnlyItsCharacters_data() {
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("empty text") << " 0-9."
                                << "" << true;
    QTest::newRow("decimal with blank") << " 0-9."
                                        << "12.5 " << true;
    QTest::newRow("letter") << " 0-9."
                            << "12a" << false;
    QTest::newRow("minus") << " 0-9."
                           << "-1" << false;
    QTest::newRow("digits only: dot") << "0-9"
                                      << "1.0" << false;
    QTest::newRow("digits only: blank") << "0-9"
                                        << "1 " << false;
  }

  void filterAcceptsOnlyItsCharacters() {
    QFETCH(QString, set);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const TFilterValidator filter{TCharSet(set.toStdString())};
    QCOMPARE(filter.IsValidInput(text.toStdString()), valid);
  }

  void rangeAcceptsWholeNumbersWhileTyping_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("empty") << 1 << 255 << "" << true;
    QTest::newRow("blank only") << 1 << 255 << " " << true;
    QTest::newRow("lowest") << 1 << 255 << "1" << true;
    QTest::newRow("highest") << 1 << 255 << "255" << true;
    QTest::newRow("above") << 1 << 255 << "256" << false;
    QTest::newRow("far above") << 1 << 255 << "99999999999999999999" << false;
    QTest::newRow("zero below the range") << 1 << 255 << "0" << false;
    QTest::newRow("leading zero") << 1 << 255 << "07" << false;
    QTest::newRow("zero in range") << 0 << 100 << "0" << true;
    QTest::newRow("negative") << 1 << 255 << "-1" << false;
    QTest::newRow("plus sign") << 1 << 255 << "+1" << false;
    QTest::newRow("trailing blanks") << 1 << 255 << "12  " << true;
    QTest::newRow("leading blank") << 1 << 255 << " 12" << false;
    QTest::newRow("inner blank") << 1 << 9000 << "1 2" << false;
    QTest::newRow("decimal point") << 1 << 9000 << "1.5" << false;
    QTest::newRow("start of a number in range") << 10 << 100 << "5" << true;
    QTest::newRow("cannot reach the range") << 500 << 600 << "7" << false;
    QTest::newRow("reaches it with two digits") << 500 << 600 << "5" << true;
    QTest::newRow("highest int") << 1 << 2147483647 << "2147483647" << true;
    QTest::newRow("past the highest int") << 1 << 2147483647 << "2147483648" << false;
  }

  void rangeAcceptsWholeNumbersWhileTyping() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(TRangeValidator(min, max).IsValidInput(text.toStdString()), valid);
  }
};

QTEST_APPLESS_MAIN(ValidatorsTest)
#include "validators_test.moc"
