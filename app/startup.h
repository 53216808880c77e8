// Program start: the application object and the entry function.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/application.h"

class TStartUp : public TApplication {
 public:
  // `file`, when given, is opened once the main window is up.
  explicit TStartUp(std::optional<std::string> file = std::nullopt);

 protected:
  void InitMainWindow() override;
  void MainWindowShown() override;
  int NoDesktop(std::string_view why) override;

 private:
  std::optional<std::string> file_;
};

// Reads the command line (--help, --version, a FILE to open), runs the
// application and returns its exit status.
int OwlMain(int argc, char* argv[]);
