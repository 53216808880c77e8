#include "platform/qt/desktop_connection.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A message of Qt's, kept with copies of the texts its context points to.
struct HeldMessage {
  QtMsgType type;
  std::string file;
  int line;
  std::string function;
  std::string category;
  QString text;
};

struct Connecting {
  QtMessageHandler previous = nullptr;
  std::vector<HeldMessage> held;
  std::function<int(std::string_view)> noDesktop;
};

Connecting* connecting = nullptr;

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string NoDesktopReason() {
  const std::string platform = Variable("QT_QPA_PLATFORM");
  const std::string x11 = Variable("DISPLAY");
  const std::string wayland = Variable("WAYLAND_DISPLAY");
  std::string missing;
  if (!platform.empty()) {
    missing = "the platform QT_QPA_PLATFORM=" + platform + " cannot be started";
  } else if (x11.empty() && wayland.empty()) {
    missing = "neither DISPLAY nor WAYLAND_DISPLAY is set";
  } else {
    missing = "the display " + (x11.empty() ? "WAYLAND_DISPLAY=" + wayland : "DISPLAY=" + x11) +
              " refuses the connection";
  }
  return "the window needs a desktop (an X11 or Wayland display), but " + missing +
         "; without one, run it under xvfb-run or with QT_QPA_PLATFORM=offscreen, as "
         "tools/run.sh does for screenshots";
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    // Qt gives up on the desktop: a fatal message returning would abort.
    const int status = connecting->noDesktop(NoDesktopReason());
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
  }
  const auto copy = [](const char* s) { return std::string(s ? s : ""); };
  connecting->held.push_back({type, copy(context.file), context.line, copy(context.function),
                              copy(context.category), text});
}

}  // namespace

std::unique_ptr<QApplication> ConnectToDesktop(int& argc, char** argv,
                                               std::function<int(std::string_view)> noDesktop) {
  Connecting state;
  state.noDesktop = std::move(noDesktop);
  connecting = &state;
  state.previous = qInstallMessageHandler(HoldMessage);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(state.previous);
  connecting = nullptr;
  for (const HeldMessage& message : state.held) {
    const QMessageLogContext context(message.file.c_str(), message.line, message.function.c_str(),
                                     message.category.c_str());
    qt_message_output(message.type, context, message.text);
  }
  return application;
}
