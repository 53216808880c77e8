// The start of every test that works the editor: a fresh editor after
// File, New, and an empty folder of its own for the files a test writes.
#pragma once

#include <QApplication>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>

#include "tests/ui/editor_driver.h"
#include "tests/ui/offscreen_messages.h"

namespace kalvex::test {

class EditorTestCase : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { DropOffscreenPlatformLimits(); }

  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    driver_ = StartEditorWithNewWeapon();
    QVERIFY(driver_);
  }

  void cleanup() {
    driver_.reset();
    // Qt cannot remove a file whose name is not UTF-8; the system can.
    std::error_code ignored;
    std::filesystem::remove_all(dir_->path().toStdString(), ignored);
    dir_.reset();
  }

 protected:
  // A path in the test's own folder.
  std::string Path(std::string_view name) const {
    return dir_->filePath(QString::fromUtf8(name)).toStdString();
  }

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<EditorDriver> driver_;
};

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

}  // namespace kalvex::test
