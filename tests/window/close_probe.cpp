#include "tests/window/close_probe.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace kalvex::test {

std::vector<std::string> CloseProbeArguments(const CloseRequest& request) {
  std::vector<std::string> arguments = {std::string(kCloseProbe), request.How,
                                        request.Unsaved ? "unsaved" : "saved",
                                        std::to_string(request.Answer)};
  if (request.SaveAs) arguments.push_back(*request.SaveAs);
  return arguments;
}

int RunCloseProbe(const std::vector<std::string>& arguments) {
  if (arguments.size() != 4 && arguments.size() != 5) return 2;
  const std::unique_ptr<WindowDriver> driver = MakeWindowDriver();
  if (!driver->Start()) return 3;
  ScriptedUserInterface& ui = driver->Ui();
  ui.EchoQuestions = true;
  if (const int answer = std::atoi(arguments[3].c_str()); answer != 0) {
    ui.Answers.push_back(answer);
  }
  if (arguments.size() == 5) ui.FileChoices.push_back(arguments[4]);
  if (arguments[2] == "unsaved") {
    driver->Window().SaveFlag() = 0;
    driver->Window().EditedWeapon().Weapname = "Changed";  // a real change, not only the flag
  }
  const std::string& how = arguments[1];
  const bool closed = how == "file-exit"   ? driver->ChooseMenuItem("&File", "E&xit")
                      : how == "close-box" ? driver->ClickCloseBox()
                                           : false;
  if (!closed) return 4;
  std::printf("open\n");
  std::fflush(stdout);
  return 0;
}

}  // namespace kalvex::test
