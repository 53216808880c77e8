#include "platform/application.h"

#include <cstdio>
#include <cstdlib>

#include "platform/win32/message_loop.h"
#include "platform/win32/native_window.h"

namespace {

// A program of the windows subsystem starts without a console: what it
// prints before its window opens (--help, --version, a bad argument) goes to
// the console it was started from, unless its output is redirected.
const bool kPrintsToParentConsole = [] {
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if ((output && output != INVALID_HANDLE_VALUE) || !AttachConsole(ATTACH_PARENT_PROCESS)) {
    return false;
  }
  return std::freopen("CONOUT$", "w", stdout) && std::freopen("CONOUT$", "w", stderr);
}();

UINT ShownMessage() {
  static const UINT message = RegisterWindowMessageW(L"Kalvex.MainWindowShown");
  return message;
}

}  // namespace

struct TApplication::TNative {
  bool started = false;
};

TApplication::TApplication(const char* name)
    : name_(name ? name : ""), native_(std::make_unique<TNative>()) {}

TApplication::~TApplication() { MainWindow.reset(); }

int TApplication::Run() {
  if (!native_->started) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    native_->started = true;
  }
  InitMainWindow();
  if (!MainWindow || !MainWindow->Create()) return EXIT_FAILURE;
  MainWindow->Show();
  HWND frame = HwndOf(*MainWindow);
  UpdateWindow(frame);
  PostMessageW(frame, ShownMessage(), 0, 0);
  MSG message;
  while (IsWindow(frame) && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.hwnd == frame && message.message == ShownMessage()) {
      MainWindowShown();
      continue;
    }
    HandleMessage(message);
  }
  return EXIT_SUCCESS;
}

// Windows draws its controls in its own style.
void TApplication::EnableCtl3d(bool) {}
