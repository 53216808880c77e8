// Character sets and validators on their own, text by text.
#include "platform/validators.h"

#include <QTest>
#include <string_view>
#include <tuple>

// A set's text, bytes in the set and bytes not in it.
using CharSetRow = std::tuple<std::string_view, std::string_view, std::string_view>;
// The lowest and highest number, a text and whether it may stand while typing.
using RangeRow = std::tuple<int, int, std::string, bool>;

class ValidatorsTest : public QObject {
  Q_OBJECT

 private slots:
  void charSetReadsRanges_data() {
    using namespace std::string_view_literals;
    QTest::addColumn<CharSetRow>("row");
    QTest::newRow("digits") << CharSetRow{"0-9", "0369", " .-/:a"};
    QTest::newRow("blank, digits, full stop") << CharSetRow{" 0-9.", " 07.", "-,a\t"};
    QTest::newRow("hyphen at either end") << CharSetRow{"-a-", "-a", "b"};
    QTest::newRow("reversed range") << CharSetRow{"9-0", "", "05"};
    QTest::newRow("up to the last byte") << CharSetRow{"\x01-\xff", "\x01\xff", "\0"sv};
  }

  void charSetReadsRanges() {
    QFETCH(CharSetRow, row);
    const auto& [set, members, others] = row;
    const TCharSet chars{std::string(set)};
    for (char c : members) QVERIFY2(chars.Has(c), QByteArray(1, c));
    for (char c : others) QVERIFY2(!chars.Has(c), QByteArray(1, c));
    QVERIFY(TFilterValidator(chars).IsValidInput(std::string(members)));
    QCOMPARE(TFilterValidator(chars).IsValidInput(std::string(members) + std::string(others)),
             others.empty());
  }

  void rangeAcceptsWholeNumbersWhileTyping_data() {
    QTest::addColumn<RangeRow>("row");
    QTest::newRow("empty") << RangeRow{1, 255, "", true};
    QTest::newRow("blank only") << RangeRow{1, 255, " ", false};
    QTest::newRow("lowest") << RangeRow{1, 255, "1", true};
    QTest::newRow("highest") << RangeRow{1, 255, "255", true};
    QTest::newRow("above") << RangeRow{1, 255, "256", false};
    QTest::newRow("far above") << RangeRow{1, 255, "99999999999999999999", false};
    QTest::newRow("zero below the range") << RangeRow{1, 255, "0", false};
    QTest::newRow("leading zero") << RangeRow{1, 255, "07", false};
    QTest::newRow("zero in range") << RangeRow{0, 100, "0", true};
    QTest::newRow("signs") << RangeRow{1, 255, "-1", false};
    QTest::newRow("trailing blanks") << RangeRow{1, 255, "12  ", false};
    QTest::newRow("blank inside") << RangeRow{1, 255, "1 5", false};
    QTest::newRow("leading blank") << RangeRow{1, 255, " 12", false};
    QTest::newRow("decimal point") << RangeRow{1, 9000, "1.5", false};
    QTest::newRow("start of a number in range") << RangeRow{10, 100, "5", true};
    QTest::newRow("cannot reach the range") << RangeRow{500, 600, "7", false};
    QTest::newRow("highest int") << RangeRow{1, 2147483647, "2147483647", true};
    QTest::newRow("past the highest int") << RangeRow{1, 2147483647, "2147483648", false};
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
    QFETCH(RangeRow, row);
    const auto& [min, max, text, valid] = row;
    QCOMPARE(TRangeValidator(min, max).IsValidInput(text), valid);
  }
};

QTEST_APPLESS_MAIN(ValidatorsTest)
#include "validators_test.moc"
