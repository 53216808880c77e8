// The start of every test that works the editor: a fresh editor after
// File, New, and an empty folder of its own for the files a test writes.
#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

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
    dir_.reset();
  }

 protected:
  // A path in the test's own folder.
  std::string Path(const char* name) const { return dir_->filePath(name).toStdString(); }

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<EditorDriver> driver_;
};

}  // namespace kalvex::test
