// Message boxes, file dialogs and help: what they ask, what they give back,
// and how Qt's boxes and dialogs answer.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

#include "platform/platform.h"
#include "platform/qt/native_window.h"
#include "platform/qt/qt_user_interface.h"
#include "tests/ui/offscreen_messages.h"
#include "tests/window/scripted_user_interface.h"

Q_DECLARE_METATYPE(std::optional<std::string>)
Q_DECLARE_METATYPE(std::string)

namespace {

const std::string kWeaponFilter = "Weapon Files (*.TDF)|*.tdf|";

// The enabled names in a shown dialog's file view, once it has read the folder.
QStringList ShownNames(QFileDialog& dialog, int expected) {
  QStringList names;
  for (QAbstractItemView* view : dialog.findChildren<QAbstractItemView*>()) {
    if (view->objectName() != QLatin1String("listView")) continue;
    const bool read =
        QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) >= expected; });
    if (!read) return {};
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
      const QModelIndex index = view->model()->index(row, 0, view->rootIndex());
      if (index.flags().testFlag(Qt::ItemIsEnabled)) names << index.data().toString();
    }
  }
  names.sort();
  return names;
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { DropOffscreenPlatformLimits(); }

  // The user's answer in Qt's message box, given by a button or by closing it.
  void qtMessageBoxAnswers_data() {
    QTest::addColumn<unsigned>("type");
    QTest::addColumn<int>("button");  // QMessageBox::StandardButton; 0 closes the box, -1 is Enter
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes") << MB_YESNOCANCEL << int(QMessageBox::Yes) << IDYES;
    QTest::newRow("No") << MB_YESNOCANCEL << int(QMessageBox::No) << IDNO;
    QTest::newRow("Cancel") << MB_YESNOCANCEL << int(QMessageBox::Cancel) << IDCANCEL;
    QTest::newRow("question closed") << MB_YESNOCANCEL << 0 << IDCANCEL;
    QTest::newRow("message closed") << (MB_OK | MB_ICONEXCLAMATION) << 0 << IDOK;
    QTest::newRow("replace: Yes") << (MB_YESNO | MB_ICONEXCLAMATION) << int(QMessageBox::Yes)
                                  << IDYES;
    QTest::newRow("replace: No") << (MB_YESNO | MB_ICONEXCLAMATION) << int(QMessageBox::No) << IDNO;
    QTest::newRow("replace: closed") << (MB_YESNO | MB_ICONEXCLAMATION) << 0 << IDNO;
    QTest::newRow("question: Enter") << MB_YESNOCANCEL << -1 << IDYES;
    QTest::newRow("question: Enter, No the default")
        << (MB_YESNOCANCEL | MB_DEFBUTTON2) << -1 << IDNO;
    QTest::newRow("question: Enter, Cancel the default")
        << (MB_YESNOCANCEL | MB_DEFBUTTON3) << -1 << IDCANCEL;
    QTest::newRow("replace: Enter") << (MB_YESNO | MB_ICONEXCLAMATION) << -1 << IDYES;
    QTest::newRow("replace: Enter, No the default")
        << (MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) << -1 << IDNO;
    QTest::newRow("message: Enter") << (MB_OK | MB_ICONEXCLAMATION) << -1 << IDOK;
  }

  // The help opens in the editor's own window; a help file that cannot be
  // found is told to the user.
  void qtHelpShowsTheFileOrSaysItIsMissing_data() {
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<QString>("message");  // empty: the help window shows the file
    QTest::newRow("the editor's help") << "Kalvex.hlp"
                                       << "";
    QTest::newRow("any capitals") << "KALVEX.HLP"
                                  << "";
    QTest::newRow("a help the program lacks") << "Other.hlp"
                                              << "Unable to find help file Other.hlp";
  }

  void qtHelpShowsTheFileOrSaysItIsMissing() {
    QFETCH(QString, helpFile);
    QFETCH(QString, message);
    QWidget owner;
    QString shownText, shownCaption;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      shownText = box->text();
      shownCaption = box->windowTitle();
      QTest::keyClick(box, Qt::Key_Escape);
    });
    QtUserInterface qt;
    qt.ShowHelp(HandleOf(&owner), helpFile.toStdString(), HELP_CONTENTS);
    QCOMPARE(shownText, message);
    auto* window = owner.findChild<QDialog*>();
    if (message.isEmpty()) {
      QVERIFY(window && window->isVisible());
      QCOMPARE(window->windowTitle(), QStringLiteral("Cindervale Weapon Editor Help"));
      QVERIFY(window->findChild<QTextBrowser*>()->toPlainText().contains("Weapon Appearance"));
    } else {
      QCOMPARE(shownCaption, QStringLiteral("File Error"));
      QVERIFY(!window);
    }
  }

  void qtMessageBoxAnswers() {
    QFETCH(unsigned, type);
    QFETCH(int, button);
    QFETCH(int, answer);
    QString shownText, shownCaption;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      shownText = box->text();
      shownCaption = box->windowTitle();
      shownIcon = box->icon();
      if (button > 0) {
        box->button(static_cast<QMessageBox::StandardButton>(button))->click();
      } else {
        QTest::keyClick(box, button ? Qt::Key_Return : Qt::Key_Escape);
      }
    });
    QtUserInterface qt;
    QCOMPARE(qt.MessageBox(nullptr, "Do You Want To Save The Script?", "Warning...", type), answer);
    QCOMPARE(shownText, QStringLiteral("Do You Want To Save The Script?"));
    QCOMPARE(shownCaption, QStringLiteral("Warning..."));
    QCOMPARE(shownIcon, type & MB_ICONEXCLAMATION ? QMessageBox::Warning : QMessageBox::NoIcon);
  }

  // Buttons with labels of their own, left to right in the order given; the
  // default one takes Enter, closing the box takes the last.
  void qtLabelledMessageBoxAnswers_data() {
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<QString>("press");  // a label, "Enter" or "Escape"
    QTest::addColumn<int>("answer");
    QTest::newRow("Add") << 0 << "Add" << 0;
    QTest::newRow("Replace") << 0 << "Replace" << 1;
    QTest::newRow("Cancel") << 0 << "Cancel" << 2;
    QTest::newRow("Enter, Add the default") << 0 << "Enter" << 0;
    QTest::newRow("Enter, Replace the default") << 1 << "Enter" << 1;
    QTest::newRow("closed") << 0 << "Escape" << 2;
  }

  void qtLabelledMessageBoxAnswers() {
    QFETCH(int, defaultButton);
    QFETCH(QString, press);
    QFETCH(int, answer);
    QStringList labels;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      QList<QAbstractButton*> buttons = box->buttons();
      std::ranges::sort(buttons, {},
                        [](QAbstractButton* b) { return b->mapToGlobal(QPoint()).x(); });
      for (QAbstractButton* button : buttons) labels << button->text();
      if (press == "Enter" || press == "Escape") {
        QTest::keyClick(box, press == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
      } else {
        for (QAbstractButton* button : buttons) {
          if (button->text() == press) button->click();
        }
      }
    });
    QtUserInterface qt;
    QCOMPARE(qt.LabelledMessageBox(nullptr, "The file holds 3 weapons.", "Warning...",
                                   MB_ICONEXCLAMATION, {"Add", "Replace", "Cancel"}, defaultButton),
             answer);
    QCOMPARE(labels, QStringList({"Add", "Replace", "Cancel"}));
  }

  // What TWindow makes of labels and answers before and after the interface.
  void labelledMessageBoxIsGuarded_data() {
    QTest::addColumn<int>("labels");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<int>("scripted");      // the interface's answer; -2: none scripted
    QTest::addColumn<int>("askedDefault");  // -1: not asked
    QTest::addColumn<int>("answer");
    QTest::newRow("answer given") << 3 << 0 << 1 << 0 << 1;
    QTest::newRow("closed") << 3 << 1 << -2 << 1 << 2;
    QTest::newRow("answer beyond the buttons") << 3 << 0 << 7 << 0 << 2;
    QTest::newRow("negative answer") << 3 << 0 << -1 << 0 << 2;
    QTest::newRow("default beyond the buttons") << 2 << 5 << 0 << 0 << 0;
    QTest::newRow("no buttons") << 0 << 0 << 0 << -1 << -1;
  }

  void labelledMessageBoxIsGuarded() {
    QFETCH(int, labels);
    QFETCH(int, defaultButton);
    QFETCH(int, scripted);
    QFETCH(int, askedDefault);
    QFETCH(int, answer);
    ScriptedUserInterface ui;
    if (scripted != -2) ui.Answers.push_back(scripted);
    const std::string_view all[] = {"Add", "Replace", "Cancel"};
    TStatic owner(nullptr, -1, "", 0, 0, 0, 0);
    QCOMPARE(owner.MessageBox("text", "caption", MB_ICONEXCLAMATION,
                              std::span(all, std::size_t(labels)), defaultButton),
             answer);
    QCOMPARE(ui.Questions.size(), askedDefault < 0 ? 0u : 1u);
    if (askedDefault >= 0) {
      QCOMPARE(ui.Questions[0].DefaultButton, askedDefault);
      QCOMPARE(ui.Questions[0].Labels.size(), std::size_t(labels));
    }
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
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      boxCentre = box->frameGeometry().center();
      QTest::keyClick(box, Qt::Key_Escape);
    });
    QtUserInterface qt;
    if (labelled) {
      qt.LabelledMessageBox(HandleOf(&owner), "text", "caption", MB_OK, {"A", "B"}, 0);
    } else {
      qt.MessageBox(HandleOf(&owner), "text", "caption", MB_YESNOCANCEL);
    }
    const QPoint offset = boxCentre - owner.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
  }

  // The weapon-choosing dialog lists the rows as given, the first
  // highlighted; Enter, a double click or OK take the highlighted row.
  void qtWeaponDialogTakesARow_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("taken");  // -1: none
    QTest::newRow("Enter takes the first") << "enter" << 0;
    QTest::newRow("down, then Enter") << "down enter" << 1;
    QTest::newRow("double click on the third") << "double-click" << 2;
    QTest::newRow("down, then OK") << "down ok" << 1;
    QTest::newRow("Escape") << "escape" << -1;
    QTest::newRow("Cancel") << "down cancel" << -1;
  }

  void qtWeaponDialogTakesARow() {
    QFETCH(QString, action);
    QFETCH(int, taken);
    const TWeaponChoice choice{"Open Weapon",
                               "This file holds 3 weapons. Which one do you want to edit?",
                               {{"GUN", "Gun", "1", 1},
                                {"ROCKET_LAUNCHER_MK2",
                                 "Fus\xC3\xA9"
                                 "e",
                                 "", 14},
                                {"BOMB", "", "301", 40}}};
    QStringList shown;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      auto* list = dialog ? dialog->findChild<QTreeWidget*>() : nullptr;
      if (!list) return;
      shown << dialog->windowTitle();
      for (const QLabel* label : dialog->findChildren<QLabel*>()) shown << label->text();
      QStringList headings;
      for (int column = 0; column < list->columnCount(); ++column) {
        headings << list->headerItem()->text(column);
      }
      shown << headings.join('|');
      for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column) {
          cells << list->topLevelItem(row)->text(column);
        }
        shown << cells.join('|');
      }
      shown << QString::number(list->indexOfTopLevelItem(list->currentItem()));
      for (const QString& step : action.split(' ')) {
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
    QtUserInterface qt;
    const std::optional<std::size_t> chosen = qt.ChooseWeapon(nullptr, choice);
    QCOMPARE(chosen.has_value() ? int(*chosen) : -1, taken);
    QCOMPARE(shown, QStringList({"Open Weapon",
                                 "This file holds 3 weapons. Which one do you want to edit?",
                                 "Code|Name|ID|Line", "GUN|Gun|1|1",
                                 QString::fromUtf8("ROCKET_LAUNCHER_MK2|Fus\xC3\xA9"
                                                   "e||14"),
                                 "BOMB||301|40", "0"}));
  }

  // The dialog of the layer: a row taken, or IDCANCEL for a cancel, an index
  // outside the rows, or no rows at all (then nothing is shown).
  void weaponDialogGivesTheChosenRow_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("answer");  // -1: cancelled
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("shown");
    QTest::newRow("second row") << 3 << 1 << IDOK << 1;
    QTest::newRow("cancelled") << 3 << -1 << IDCANCEL << 1;
    QTest::newRow("beyond the rows") << 3 << 3 << IDCANCEL << 1;
    QTest::newRow("no rows") << 0 << 0 << IDCANCEL << 0;
  }

  void weaponDialogGivesTheChosenRow() {
    QFETCH(int, rows);
    QFETCH(int, answer);
    QFETCH(int, result);
    QFETCH(int, shown);
    ScriptedUserInterface ui;
    if (answer >= 0) ui.WeaponChoices.push_back(std::size_t(answer));
    TWeaponChoice choice{"Open Weapon", "Which one?", {}};
    for (int row = 0; row < rows; ++row) {
      // Appending, not "W" + string: GCC 12 at -O3 warns falsely (-Wrestrict)
      // on a one-character C string put before a string.
      std::string code = "W";
      code += std::to_string(row);
      choice.Rows.push_back({code, "", "", row + 1});
    }
    TWeaponDialog dialog(nullptr, choice);
    QCOMPARE(dialog.Execute(), result);
    if (result == IDOK) QCOMPARE(dialog.Chosen(), std::size_t(answer));
    QCOMPARE(int(ui.WeaponDialogs.size()), shown);
    if (shown) QVERIFY(ui.WeaponDialogs[0] == choice);
  }

  void filterIsReadInPairs_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("entries");  // caption=patterns, joined by '/'
    QTest::newRow("weapon files") << QString::fromStdString(kWeaponFilter)
                                  << "Weapon Files (*.TDF)=*.tdf";
    QTest::newRow("two entries") << "A|*.a|B|*.b;*.c|"
                                 << "A=*.a/B=*.b;*.c";
    QTest::newRow("no closing bar") << "A|*.a"
                                    << "A=*.a";
    QTest::newRow("caption without pattern") << "A||B|*.b|"
                                             << "B=*.b";
    QTest::newRow("caption alone") << "A"
                                   << "";
  }

  void filterIsReadInPairs() {
    QFETCH(QString, filter);
    QFETCH(QString, entries);
    QStringList read;
    for (const TFileFilter& entry : ParseFileFilter(filter.toStdString())) {
      QStringList patterns;
      for (const std::string& pattern : entry.Patterns) patterns << QString::fromStdString(pattern);
      read << QString::fromStdString(entry.Caption) + "=" + patterns.join(';');
    }
    QCOMPARE(read.join('/'), entries);
  }

  // Both dialogs propose the shared name and offer weapon files; only the
  // open dialog insists on an existing file; the save dialog adds the default
  // extension to a name without one; a cancelled dialog changes nothing.
  void dialogsGiveTheChosenName_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<std::optional<std::string>>("chosen");
    QTest::addColumn<int>("result");
    QTest::addColumn<std::string>("fileName");
    const std::optional<std::string> cancelled;
    QTest::newRow("open") << false << std::optional<std::string>("/tmp/a.TDF") << IDOK
                          << std::string("/tmp/a.TDF");
    QTest::newRow("save, new bare name")
        << true << std::optional<std::string>("/tmp/new") << IDOK << std::string("/tmp/new.TDF");
    QTest::newRow("save, dot in the folder") << true << std::optional<std::string>("/v1.2/rocket")
                                             << IDOK << std::string("/v1.2/rocket.TDF");
    QTest::newRow("save, with extension")
        << true << std::optional<std::string>("/tmp/b.tdf") << IDOK << std::string("/tmp/b.tdf");
    QTest::newRow("open, cancelled") << false << cancelled << IDCANCEL << std::string("old.tdf");
    QTest::newRow("save, cancelled") << true << cancelled << IDCANCEL << std::string("old.tdf");
    QTest::newRow("save, empty name")
        << true << std::optional<std::string>("") << IDCANCEL << std::string("old.tdf");
  }

  void dialogsGiveTheChosenName() {
    QFETCH(bool, save);
    QFETCH(std::optional<std::string>, chosen);
    QFETCH(int, result);
    QFETCH(std::string, fileName);
    ScriptedUserInterface ui;
    TOpenSaveDialog::TData data(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kWeaponFilter, "TDF");
    data.FileName = "old.tdf";
    ui.FileChoices.push_back(chosen);
    QCOMPARE(
        save ? TFileSaveDialog(nullptr, data).Execute() : TFileOpenDialog(nullptr, data).Execute(),
        result);
    QCOMPARE(data.FileName, fileName);
    QCOMPARE(ui.FileDialogs.size(), 1u);
    const TFileRequest& request = ui.FileDialogs[0].Request;
    QCOMPARE(ui.FileDialogs[0].Save, save);
    QCOMPARE(request.MustExist, !save);
    QCOMPARE(request.FileName, std::string("old.tdf"));
    QVERIFY((request.Filters == std::vector<TFileFilter>{{"Weapon Files (*.TDF)", {"*.tdf"}}}));
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
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
