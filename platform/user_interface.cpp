#include "platform/user_interface.h"

#include "platform/qt/qt_user_interface.h"

namespace {

TUserInterface* installed = nullptr;

}  // namespace

TUserInterface& UserInterface() {
  static QtUserInterface qtInterface;
  return installed ? *installed : qtInterface;
}

TUserInterface* SetUserInterface(TUserInterface* ui) {
  TUserInterface* previous = installed;
  installed = ui;
  return previous;
}
