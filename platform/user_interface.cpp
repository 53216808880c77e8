#include "platform/user_interface.h"

namespace {

TUserInterface* installed = nullptr;

}  // namespace

TUserInterface& UserInterface() {
  static TPlatformUserInterface platform;
  return installed ? *installed : platform;
}

TUserInterface* SetUserInterface(TUserInterface* ui) {
  TUserInterface* previous = installed;
  installed = ui;
  return previous;
}
