// The menu description format, and the program's icon.
#include <QImage>
#include <QTest>

#include "platform/module.h"
#include "platform/qt/program_resources.h"

class ResourcesTest : public QObject {
  Q_OBJECT

 private slots:
  void menuDescriptionIsRead_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<std::optional<TMenuResource>>("menu");
    const std::optional<TMenuResource> file{{{{"&File", {{"&New", 104}, {"E&xit", 105}}}}}};
    const std::optional<TMenuResource> malformed;
    QTest::newRow("menu with items")
        << QByteArray("POPUP \"&File\"\n  MENUITEM \"&New\" 104\n  MENUITEM \"E&xit\" 105\n")
        << file;
    QTest::newRow("comments, blank lines, tabs, CR LF")
        << QByteArray(
               "# m\r\n\r\nPOPUP \"&File\"\r\n\tMENUITEM \"&New\"\t104\r\nMENUITEM \"E&xit\" 105")
        << file;
    QTest::newRow("empty") << QByteArray() << std::optional(TMenuResource{});
    QTest::newRow("item before any menu") << QByteArray("MENUITEM \"&New\" 104\n") << malformed;
    QTest::newRow("unclosed quote") << QByteArray("POPUP \"&File\nMENUITEM \"N\" 1\n") << malformed;
    QTest::newRow("identifier not a number")
        << QByteArray("POPUP \"F\"\nMENUITEM \"N\" 10x\n") << malformed;
    QTest::newRow("identifier missing") << QByteArray("POPUP \"F\"\nMENUITEM \"N\"\n") << malformed;
    QTest::newRow("identifier too large")
        << QByteArray("POPUP \"F\"\nMENUITEM \"N\" 99999999999\n") << malformed;
    QTest::newRow("unknown keyword") << QByteArray("POPUP \"F\"\nSEPARATOR\n") << malformed;
  }

  void menuDescriptionIsRead() {
    QFETCH(QByteArray, text);
    QFETCH(std::optional<TMenuResource>, menu);
    QVERIFY(ParseMenuResource(text.toStdString()) == menu);
  }

  void programIconIs32By32In16Colours() {
    QVERIFY(TModule::Program().HasIcon(2));
    QVERIFY(!TModule::Program().HasIcon(3));
    const QImage image(IconResource(2));
    QCOMPARE(image.size(), QSize(32, 32));
    QVERIFY(image.colorCount() > 0 && image.colorCount() <= 16);
  }
};

QTEST_MAIN(ResourcesTest)
#include "resources_test.moc"
