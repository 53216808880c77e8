// Qt's message boxes, file dialogs and help: what they show, what they give
// back, and how they answer the user. Texts arrive in UTF-8, and a
// file name comes back from the save dialog as the system spells it, also
// when it is not UTF-8.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/platform.h"
#include "platform/qt/native_window.h"
#include "platform/qt/qt_user_interface.h"
#include "tests/ui/offscreen_messages.h"

namespace {

// Table-driven tests: a _data function adds a row for each entry of a table
// of tuples that begin with the row's name, and the test reads its entry.
template <typename Entry, std::size_t N>
void AddRows(const Entry (&table)[N]) {
  QTest::addColumn<int>("entry");
  for (std::size_t i = 0; i < N; ++i) QTest::newRow(std::get<0>(table[i])) << int(i);
}

template <typename Entry, std::size_t N>
const Entry& CurrentRow(const Entry (&table)[N]) {
  QFETCH(int, entry);
  return table[entry];
}

// Hands the modal W that the next event loop shows, if any, to `act`.
template <typename W, typename Act>
void WhenModal(Act act) {
  QTimer::singleShot(0, [act] {
    if (auto* widget = qobject_cast<W*>(QApplication::activeModalWidget())) act(widget);
  });
}

constexpr char kWeaponFilter[] = "Weapon Files (*.TDF)|*.tdf|";
constexpr unsigned kReplace = MB_YESNO | MB_ICONEXCLAMATION;
constexpr unsigned kMessage = MB_OK | MB_ICONEXCLAMATION;

// The enabled names in a shown dialog's file view, once it has read the folder.
QStringList ShownNames(QFileDialog& dialog, int expected) {
  QStringList names;
  for (QAbstractItemView* view : dialog.findChildren<QAbstractItemView*>()) {
    if (view->objectName() != QLatin1String("listView")) continue;
    const auto read = [&] { return view->model()->rowCount(view->rootIndex()) >= expected; };
    if (!QTest::qWaitFor(read)) return {};
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
      const QModelIndex index = view->model()->index(row, 0, view->rootIndex());
      if (index.flags().testFlag(Qt::ItemIsEnabled)) names << index.data().toString();
    }
  }
  names.sort();
  return names;
}

// The box's type, the QMessageBox::StandardButton pressed (0 closes the box, -1
// is Enter) and the answer.
constexpr std::tuple<const char*, unsigned, int, int> kBoxAnswers[] = {
    {"Yes", MB_YESNOCANCEL, QMessageBox::Yes, IDYES},
    {"No", MB_YESNOCANCEL, QMessageBox::No, IDNO},
    {"Cancel", MB_YESNOCANCEL, QMessageBox::Cancel, IDCANCEL},
    {"question closed", MB_YESNOCANCEL, 0, IDCANCEL},
    {"message closed", kMessage, 0, IDOK},
    {"replace: Yes", kReplace, QMessageBox::Yes, IDYES},
    {"replace: No", kReplace, QMessageBox::No, IDNO},
    {"replace: closed", kReplace, 0, IDNO},
    {"question: Enter", MB_YESNOCANCEL, -1, IDYES},
    {"question: Enter, No the default", MB_YESNOCANCEL | MB_DEFBUTTON2, -1, IDNO},
    {"question: Enter, Cancel the default", MB_YESNOCANCEL | MB_DEFBUTTON3, -1, IDCANCEL},
    {"replace: Enter", kReplace, -1, IDYES},
    {"replace: Enter, No the default", kReplace | MB_DEFBUTTON2, -1, IDNO},
    {"message: Enter", kMessage, -1, IDOK},
};

// The help file asked for, and the message ("": the help window shows the file).
constexpr std::tuple<const char*, const char*, const char*> kHelpFiles[] = {
    {"the editor's help", "Kalvex.hlp", ""},
    {"any capitals", "KALVEX.HLP", ""},
    {"a help the program lacks", "Other.hlp", "Unable to find help file Other.hlp"},
};

// The default button, what is pressed (a label, "Enter" or "Escape") and the answer.
constexpr std::tuple<const char*, int, std::string_view, int> kLabelledAnswers[] = {
    {"Add", 0, "Add", 0},
    {"Replace", 0, "Replace", 1},
    {"Cancel", 0, "Cancel", 2},
    {"Enter, Add the default", 0, "Enter", 0},
    {"Enter, Replace the default", 1, "Enter", 1},
    {"closed", 0, "Escape", 2},
};

// What the user does, and the row taken (-1: none).
constexpr std::tuple<const char*, const char*, int> kWeaponRows[] = {
    {"Enter takes the first", "enter", 0},
    {"down, then Enter", "down enter", 1},
    {"double click on the third", "double-click", 2},
    {"down, then OK", "down ok", 1},
    {"Escape", "escape", -1},
    {"Cancel", "down cancel", -1},
};

// The folder under the test's folder ("": itself), the name proposed ("": the
// folder alone), the name typed over it ("": none) and the path given back.
// Names and folders are bytes here; "\xFC" and "\xE9" alone are not UTF-8.
constexpr std::tuple<const char*, const char*, const char*, const char*, const char*>
    kSavedNames[] = {
        {"a Latin-1 name, unchanged", "", "g\xFCn.tdf", "", "g\xFCn.tdf"},
        {"a UTF-8 name, unchanged", "", "g\xC3\xBCn.tdf", "", "g\xC3\xBCn.tdf"},
        {"another name typed", "", "g\xFCn.tdf", "ne\xC3\xBC.tdf", "ne\xC3\xBC.tdf"},
        {"in a Latin-1 folder, unchanged", "alt\xE9", "g\xFCn.tdf", "", "alt\xE9/g\xFCn.tdf"},
        // Qt cannot enter that folder: the dialog shows the one above it.
        {"in a Latin-1 folder, a name typed", "alt\xE9", "g\xFCn.tdf", "gun.tdf", "gun.tdf"},
        {"a UTF-8 folder alone, a name typed", "alt\xC3\xA9", "", "gun.tdf", "alt\xC3\xA9/gun.tdf"},
};

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { DropOffscreenPlatformLimits(); }

  // The user's answer in Qt's message box, given by a button or by closing it.
  void qtMessageBoxAnswers_data() { AddRows(kBoxAnswers); }
  void qtMessageBoxAnswers() {
    const auto& [tag, type, button, answer] = CurrentRow(kBoxAnswers);
    QString shownText, shownCaption;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    WhenModal<QMessageBox>([&, button = button](QMessageBox* box) {
      shownText = box->text();
      shownCaption = box->windowTitle();
      shownIcon = box->icon();
      if (button > 0) {
        box->button(static_cast<QMessageBox::StandardButton>(button))->click();
      } else {
        QTest::keyClick(box, button ? Qt::Key_Return : Qt::Key_Escape);
      }
    });
    QCOMPARE(qt_.MessageBox(nullptr, "Do You Want To Save The Script?", "Warning...", type),
             answer);
    QCOMPARE(shownText, QStringLiteral("Do You Want To Save The Script?"));
    QCOMPARE(shownCaption, QStringLiteral("Warning..."));
    QCOMPARE(shownIcon, type & MB_ICONEXCLAMATION ? QMessageBox::Warning : QMessageBox::NoIcon);
  }

  void qtMessageBoxShowsUtf8() {
    QString shownText, shownCaption, shownButton;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      shownText = box->text();
      shownCaption = box->windowTitle();
      shownButton = box->buttons().constFirst()->text();
      QTest::keyClick(box, Qt::Key_Escape);
    });
    qt_.LabelledMessageBox(nullptr, "Unable to open file\n\n/tmp/g\xC3\xBCn.tdf", "Caf\xC3\xA9",
                           MB_ICONEXCLAMATION,
                           {"\xC3\x9C"
                            "ber"},
                           0);
    QCOMPARE(shownText, QString::fromUtf8("Unable to open file\n\n/tmp/gün.tdf"));
    QCOMPARE(shownCaption, QString::fromUtf8("Café"));
    QCOMPARE(shownButton, QString::fromUtf8("Über"));
  }

  // The help opens in the editor's own window; a help file that cannot be
  // found is told to the user.
  void qtHelpShowsTheFileOrSaysItIsMissing_data() { AddRows(kHelpFiles); }
  void qtHelpShowsTheFileOrSaysItIsMissing() {
    const auto& [tag, helpFile, message] = CurrentRow(kHelpFiles);
    QWidget owner;
    QString shownText, shownCaption;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      shownText = box->text();
      shownCaption = box->windowTitle();
      QTest::keyClick(box, Qt::Key_Escape);
    });
    qt_.ShowHelp(HandleOf(&owner), helpFile, HELP_CONTENTS);
    QCOMPARE(shownText, QString::fromUtf8(message));
    auto* window = owner.findChild<QDialog*>();
    if (!*message) {
      QVERIFY(window && window->isVisible());
      QCOMPARE(window->windowTitle(), QStringLiteral("Cindervale Weapon Editor Help"));
      const QString shown = window->findChild<QTextBrowser*>()->toPlainText();
      QVERIFY(shown.contains("Weapon Appearance"));
      // The ways of opening a script that the desktop has, and not Windows' own.
      QVERIFY(shown.contains("kalvex gun.tdf"));
      QVERIFY(shown.contains("Open with Cindervale Weapon Editor"));
      QVERIFY(!shown.contains("kalvex.exe"));
    } else {
      QCOMPARE(shownCaption, QStringLiteral("File Error"));
      QVERIFY(!window);
    }
  }

  // Buttons with labels of their own, left to right in the order given; the
  // default one takes Enter, closing the box takes the last.
  void qtLabelledMessageBoxAnswers_data() { AddRows(kLabelledAnswers); }
  void qtLabelledMessageBoxAnswers() {
    const auto& [tag, defaultButton, press, answer] = CurrentRow(kLabelledAnswers);
    QStringList labels;
    WhenModal<QMessageBox>([&, press = press](QMessageBox* box) {
      QList<QAbstractButton*> buttons = box->buttons();
      std::ranges::sort(buttons, {},
                        [](QAbstractButton* b) { return b->mapToGlobal(QPoint()).x(); });
      for (QAbstractButton* button : buttons) labels << button->text();
      if (press == "Enter" || press == "Escape") {
        QTest::keyClick(box, press == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
      } else {
        for (QAbstractButton* button : buttons) {
          if (button->text() == QString::fromUtf8(press)) button->click();
        }
      }
    });
    QCOMPARE(
        qt_.LabelledMessageBox(nullptr, "The file holds 3 weapons.", "Warning...",
                               MB_ICONEXCLAMATION, {"Add", "Replace", "Cancel"}, defaultButton),
        answer);
    QCOMPARE(labels, QStringList({"Add", "Replace", "Cancel"}));
  }

  // Every box stands centred on the window that owns it.
  void qtMessageBoxesAreCentredOnTheirOwner_data() {
    QTest::addColumn<bool>("labelled");
    QTest::newRow("standard buttons") << false;
    QTest::newRow("labelled buttons") << true;
  }

  void qtMessageBoxesAreCentredOnTheirOwner() {
    QFETCH(bool, labelled);
    QWidget owner;
    owner.setGeometry(300, 200, 640, 480);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QPoint boxCentre;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      boxCentre = box->frameGeometry().center();
      QTest::keyClick(box, Qt::Key_Escape);
    });
    if (labelled) {
      qt_.LabelledMessageBox(HandleOf(&owner), "text", "caption", MB_OK, {"A", "B"}, 0);
    } else {
      qt_.MessageBox(HandleOf(&owner), "text", "caption", MB_YESNOCANCEL);
    }
    const QPoint offset = boxCentre - owner.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
  }

  // The weapon-choosing dialog lists the rows as given, the first
  // highlighted; Enter, a double click or OK take the highlighted row.
  void qtWeaponDialogTakesARow_data() { AddRows(kWeaponRows); }
  void qtWeaponDialogTakesARow() {
    const auto& [tag, action, taken] = CurrentRow(kWeaponRows);
    const TWeaponChoice choice{"Open Weapon",
                               "This file holds 3 weapons. Which one do you want to edit?",
                               {{"GUN", "Gun", "1", 1},
                                {"ROCKET_LAUNCHER_MK2", "Fusée", "", 14},
                                {"BOMB", "", "301", 40}}};
    QStringList shown;
    WhenModal<QDialog>([&, action = action](QDialog* dialog) {
      auto* list = dialog->findChild<QTreeWidget*>();
      if (!list) return;
      shown << dialog->windowTitle();
      for (const QLabel* label : dialog->findChildren<QLabel*>()) shown << label->text();
      QList<QTreeWidgetItem*> lines{list->headerItem()};  // the headings, then each row
      for (int row = 0; row < list->topLevelItemCount(); ++row) lines << list->topLevelItem(row);
      for (const QTreeWidgetItem* line : lines) {
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column) cells << line->text(column);
        shown << cells.join('|');
      }
      shown << QString::number(list->indexOfTopLevelItem(list->currentItem()));
      for (const QString& step : QString(action).split(' ')) {
        if (step == "enter") QTest::keyClick(list, Qt::Key_Return);
        if (step == "down") QTest::keyClick(list, Qt::Key_Down);
        if (step == "escape") QTest::keyClick(list, Qt::Key_Escape);
        if (step == "double-click") {
          const QRect row = list->visualItemRect(list->topLevelItem(2));
          // A double click is a press and release, then the second press.
          QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
          QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
        }
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        if (step == "ok") buttons->button(QDialogButtonBox::Ok)->click();
        if (step == "cancel") buttons->button(QDialogButtonBox::Cancel)->click();
      }
      if (dialog->isVisible()) {
        shown << QStringLiteral("still open");
        dialog->reject();
      }
    });
    const std::optional<std::size_t> chosen = qt_.ChooseWeapon(nullptr, choice);
    QCOMPARE(chosen.has_value() ? int(*chosen) : -1, taken);
    QCOMPARE(shown, QStringList(
                        {"Open Weapon", "This file holds 3 weapons. Which one do you want to edit?",
                         "&Filter:", "Code|Name|ID|Line", "GUN|Gun|1|1",
                         QString::fromUtf8("ROCKET_LAUNCHER_MK2|Fusée||14"), "BOMB||301|40", "0"}));
  }

  // File names are case-sensitive here: Qt's dialog must list ".tdf" and
  // ".TDF" files alike, and nothing else.
  void qtDialogShowsWeaponFilesOfEitherCase_data() {
    QTest::addColumn<bool>("save");
    QTest::newRow("open") << false;
    QTest::newRow("save") << true;
  }

  void qtDialogShowsWeaponFilesOfEitherCase() {
    QFETCH(bool, save);
    QTemporaryDir folder;
    for (const char* name : {"lower.tdf", "UPPER.TDF", "Mixed.Tdf", "notes.txt"}) {
      QFile file(folder.filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const TFileRequest request{folder.filePath("lower.tdf").toStdString(), "",
                               ParseFileFilter(kWeaponFilter), !save};
    QFileDialog dialog;
    ConfigureFileDialog(dialog, request, save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    QCOMPARE(dialog.testOption(QFileDialog::DontConfirmOverwrite), save);
    QCOMPARE(dialog.fileMode(), save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.show();
    QCOMPARE(ShownNames(dialog, 3), QStringList({"Mixed.Tdf", "UPPER.TDF", "lower.tdf"}));
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    QVERIFY(types);
    QCOMPARE(types->currentText(), QStringLiteral("Weapon Files (*.TDF)"));
  }

  // Qt's own save dialog, confirmed as a user confirms it.
  void qtSaveDialogGivesNamesAsTheSystemSpellsThem_data() { AddRows(kSavedNames); }
  void qtSaveDialogGivesNamesAsTheSystemSpellsThem() {
    const auto& [tag, folder, proposed, typed, chosen] = CurrentRow(kSavedNames);
    QTemporaryDir top;
    const std::string where = top.path().toStdString() + (*folder ? "/" : "") + folder;
    std::filesystem::create_directories(where);
    TFileRequest request;
    if (!*proposed) {
      request.Folder = where;
    } else {
      request.FileName = where + "/" + proposed;
      std::ofstream(request.FileName) << "[GUN]\n{\n}\n";
    }
    WhenModal<QFileDialog>([&, typed = typed](QFileDialog* dialog) {
      if (*typed) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->selectAll();
        name->insert(QString::fromUtf8(typed));
      }
      QTest::keyClick(dialog, Qt::Key_Return);
      if (dialog->isVisible()) dialog->reject();
    });
    const std::optional<std::string> given = qt_.ChooseFileToSave(nullptr, request);
    // Qt cannot remove a name that is not UTF-8.
    std::filesystem::remove_all(top.path().toStdString());
    QVERIFY2(given == top.path().toStdString() + "/" + chosen,
             given.value_or("(cancelled)").c_str());
  }

 private:
  TPlatformUserInterface qt_;
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
