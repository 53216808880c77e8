#include "platform/user_interface.h"

namespace {

TUserInterface* installed = nullptr;

}  // namespace

TUserInterface& UserInterface() { return installed ? *installed : PlatformUserInterface(); }

TUserInterface* SetUserInterface(TUserInterface* ui) {
  TUserInterface* previous = installed;
  installed = ui;
  return previous;
}
