// Character sets and validators on their own, text by text.
#include "platform/validators.h"

#include <QTest>

class ValidatorsTest : public QObject {
  Q_OBJECT

 private slots:
  void charSetReadsRanges_data() {
    QTest::addColumn<QByteArray>("set");
    QTest::addColumn<QByteArray>("members");
    QTest::addColumn<QByteArray>("others");
    QTest::newRow("digits") << QByteArray("0-9") << QByteArray("0369") << QByteArray(" .-/:a");
    QTest::newRow("blank, digits, full stop")
        << QByteArray(" 0-9.") << QByteArray(" 07.") << QByteArray("-,a\t");
    QTest::newRow("hyphen at either end")
        << QByteArray("-a-") << QByteArray("-a") << QByteArray("b");
    QTest::newRow("reversed range") << QByteArray("9-0") << QByteArray() << QByteArray("05");
    QTest::newRow("up to the last byte")
        << QByteArray("\x01-\xff") << QByteArray("\x01\xff") << QByteArray(1, '\0');
  }

  void charSetReadsRanges() {
    QFETCH(QByteArray, set);
    QFETCH(QByteArray, members);
    QFETCH(QByteArray, others);
    const TCharSet chars(set.toStdString());
    for (char c : members) QVERIFY2(chars.Has(c), QByteArray(1, c));
    for (char c : others) QVERIFY2(!chars.Has(c), QByteArray(1, c));
    QVERIFY(TFilterValidator(chars).IsValidInput(members.toStdString()));
    QCOMPARE(TFilterValidator(chars).IsValidInput((members + others).toStdString()),
             others.isEmpty());
  }

  void rangeAcceptsWholeNumbersWhileTyping_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("empty") << 1 << 255 << "" << true;
    QTest::newRow("blank only") << 1 << 255 << " " << false;
    QTest::newRow("lowest") << 1 << 255 << "1" << true;
    QTest::newRow("highest") << 1 << 255 << "255" << true;
    QTest::newRow("above") << 1 << 255 << "256" << false;
    QTest::newRow("far above") << 1 << 255 << "99999999999999999999" << false;
    QTest::newRow("zero below the range") << 1 << 255 << "0" << false;
    QTest::newRow("leading zero") << 1 << 255 << "07" << false;
    QTest::newRow("zero in range") << 0 << 100 << "0" << true;
    QTest::newRow("signs") << 1 << 255 << "-1" << false;
    QTest::newRow("trailing blanks") << 1 << 255 << "12  " << false;
    QTest::newRow("blank inside") << 1 << 255 << "1 5" << false;
    QTest::newRow("leading blank") << 1 << 255 << " 12" << false;
    QTest::newRow("decimal point") << 1 << 9000 << "1.5" << false;
    QTest::newRow("start of a number in range") << 10 << 100 << "5" << true;
    QTest::newRow("cannot reach the range") << 500 << 600 << "7" << false;
    QTest::newRow("highest int") << 1 << 2147483647 << "2147483647" << true;
    QTest::newRow("past the highest int") << 1 << 2147483647 << "2147483648" << false;
  }

  void decimalTakesAtMostOnePoint_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("digits") << "1250" << true;
    QTest::newRow("one point") << "0.367" << true;
    QTest::newRow("point first") << ".5" << true;
    QTest::newRow("point last, while typing") << "5." << true;
    QTest::newRow("point alone, while typing") << "." << true;
    QTest::newRow("a second point") << "1.2." << false;
    QTest::newRow("two points") << ".." << false;
    QTest::newRow("points apart") << "1.2.3" << false;
    QTest::newRow("blank") << "1 5" << false;
    QTest::newRow("sign") << "-1" << false;
    QTest::newRow("comma") << "1,5" << false;
    QTest::newRow("exponent") << "1e3" << false;
  }

  void decimalTakesAtMostOnePoint() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(TDecimalValidator().IsValidInput(text.toStdString()), valid);
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
