// The application object: starts the platform, makes the main window and
// runs the message loop.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/frame_window.h"

class TApplication {
 public:
  // `name`, when given, becomes the application's name. The program takes no
  // command line: the platform sees only the program's name.
  explicit TApplication(const char* name = nullptr);
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;
  virtual ~TApplication();

  // Starts the platform unless it runs already, calls InitMainWindow,
  // creates and shows the main window and runs the message loop; returns the
  // exit status, or 1 when there is no main window. When the platform finds
  // no desktop to show windows on, the process ends with the status that
  // NoDesktop returns.
  int Run();
  // true gives the controls a three-dimensional look; false keeps the platform's own.
  void EnableCtl3d(bool enable);

  TFrameWindow* GetMainWindow() const { return MainWindow.get(); }

 protected:
  // Sets MainWindow.
  virtual void InitMainWindow() = 0;
  // Runs once the main window has been shown and placed on the screen, from
  // the message loop; a message box shown here is centred on the window.
  virtual void MainWindowShown() {}
  // Tells the user that there is no desktop (`why`: one line, what is
  // missing and how to run without one) and returns the exit status. By
  // default it prints `why` on standard error and returns 1.
  virtual int NoDesktop(std::string_view why);

  std::unique_ptr<TFrameWindow> MainWindow;

 private:
  // The implementation's own part: the running platform.
  struct TNative;

  std::string name_;
  std::unique_ptr<TNative> native_;
};
