// The menu description format and the program's compiled-in resources.
#include <QTest>

#include "app/kalvex2.h"
#include "platform/module.h"

Q_DECLARE_METATYPE(std::optional<TMenuResource>)

class ResourcesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { Q_INIT_RESOURCE(kalvex); }

  void menuDescriptionIsRead_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<TMenuResource>>("menu");
    const TMenuResource one{{{"&File", {{"&New", 104}, {"E&xit", 105}}}}};
    QTest::newRow("menu with items")
        << "POPUP \"&File\"\n  MENUITEM \"&New\" 104\n  MENUITEM \"E&xit\" 105\n"
        << std::optional(one);
    QTest::newRow("comments, blank lines, CR LF")
        << "# menu\r\n\r\nPOPUP \"&File\"\r\n\tMENUITEM \"&New\"\t104\r\nMENUITEM \"E&xit\" 105"
        << std::optional(one);
    QTest::newRow("blanks inside texts") << "POPUP \"A b\"\nMENUITEM \"C d\" 1\n"
                                         << std::optional(TMenuResource{{{"A b", {{"C d", 1}}}}});
    QTest::newRow("menu without items") << "POPUP \"&Help\"\n"
                                        << std::optional(TMenuResource{{{"&Help", {}}}});
    QTest::newRow("empty") << "" << std::optional(TMenuResource{});
    QTest::newRow("item before any menu") << "MENUITEM \"&New\" 104\n"
                                          << std::optional<TMenuResource>();
    QTest::newRow("unclosed quote") << "POPUP \"&File\nMENUITEM \"&New\" 104\n"
                                    << std::optional<TMenuResource>();
    QTest::newRow("identifier not a number") << "POPUP \"F\"\nMENUITEM \"N\" 10x\n"
                                             << std::optional<TMenuResource>();
    QTest::newRow("identifier missing") << "POPUP \"F\"\nMENUITEM \"N\"\n"
                                        << std::optional<TMenuResource>();
    QTest::newRow("identifier too large") << "POPUP \"F\"\nMENUITEM \"N\" 99999999999\n"
                                          << std::optional<TMenuResource>();
    QTest::newRow("text after a menu") << "POPUP \"F\" 3\n" << std::optional<TMenuResource>();
    QTest::newRow("unknown keyword") << "SEPARATOR\n" << std::optional<TMenuResource>();
    QTest::newRow("keyword glued to text") << "POPUP\"F\"\n" << std::optional<TMenuResource>();
  }

  void menuDescriptionIsRead() {
    QFETCH(QString, text);
    QFETCH(std::optional<TMenuResource>, menu);
    const QByteArray bytes = text.toLatin1();
    QVERIFY(ParseMenuResource(std::string_view(bytes.constData(), bytes.size())) == menu);
  }

  void programMenuIsFoundByNameInAnyCase() {
    const TMenuResource expected{{
        {"&File",
         {{"&New", CM_FILENEW},
          {"O&pen", CM_FILEOPEN},
          {"Sa&ve", CM_FILESAVE},
          {"E&xit", CM_FILEEXIT}}},
        {"&Help", {{"&Contents", CM_HELPCONTENTS}, {"&About", CM_HELPABOUT}}},
    }};
    for (const char* name : {"MENU", "Menu", "menu"}) {
      QVERIFY2(TModule::Program().LoadMenu(name) == expected, name);
    }
    QVERIFY(!TModule::Program().LoadMenu("OTHER"));
    QVERIFY(!TModule::Program().LoadMenu("../icon/2.png"));
  }

  void programIconIs32By32In16Colours() {
    const QIcon icon = TModule::Program().LoadIcon(2);
    QVERIFY(!icon.isNull());
    const QImage image(QStringLiteral(":/resources/icon/2.png"));
    QCOMPARE(image.size(), QSize(32, 32));
    QVERIFY(image.colorCount() > 0 && image.colorCount() <= 16);
    QVERIFY(TModule::Program().LoadIcon(3).isNull());
  }
};

QTEST_MAIN(ResourcesTest)
#include "resources_test.moc"
