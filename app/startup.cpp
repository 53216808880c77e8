#include "app/startup.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/kalvex.h"
#include "script/program_arguments.h"
#include "script/utf8_path.h"

TStartUp::TStartUp(std::optional<std::string> file) : file_(std::move(file)) {}

void TStartUp::InitMainWindow() {
  EnableCtl3d(true);
  MainWindow = std::make_unique<TMachines>("Cindervale Weapon Editor");
}

void TStartUp::MainWindowShown() {
  if (!file_) return;
  // The full path, so that the file dialogs later propose it wherever they open.
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(kalvex::PathFromUtf8(*file_), error);
  static_cast<TMachines*>(MainWindow.get())
      ->OpenNamedFile(error ? *file_ : kalvex::Utf8FromPath(full));
}

int TStartUp::NoDesktop(std::string_view why) {
  std::cerr << "kalvex: " << why << '\n';
  return kalvex::kNoDesktopStatus;
}

int OwlMain(int argc, char* argv[]) {
  // The command line is read before the platform starts, so that --help and
  // --version need no desktop.
  const std::vector<std::string> args = kalvex::ProgramArguments(argc, argv);
  const kalvex::CommandLine command = kalvex::ReadCommandLine(args, std::cout, std::cerr);
  if (command.exitStatus) return *command.exitStatus;
  TStartUp app(command.file);
  return app.Run();
}
