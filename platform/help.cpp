#include "platform/help.h"

#include <string>

#include "platform/user_interface.h"

void WinHelpA(THandle window, std::string_view helpFile, unsigned command) {
  UserInterface().ShowHelp(window, std::string(helpFile), command);
}
