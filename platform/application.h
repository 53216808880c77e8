// The application object: sets the platform up, makes the main window and
// runs the message loop.
#pragma once

#include <memory>

#include "platform/frame_window.h"

class QApplication;

class TApplication {
 public:
  // Starts the platform unless it runs already. The program takes no command
  // line: the platform sees only the program's name. `name`, when given,
  // becomes the application's name.
  explicit TApplication(const char* name = nullptr);
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;
  virtual ~TApplication();

  // Calls InitMainWindow, creates and shows the main window and runs the
  // message loop; returns the exit status, or 1 when there is no main window.
  int Run();
  // true gives the controls a three-dimensional look; false keeps the platform's own.
  void EnableCtl3d(bool enable);

  TFrameWindow* GetMainWindow() const { return MainWindow.get(); }

 protected:
  // Sets MainWindow.
  virtual void InitMainWindow() = 0;
  // Runs once the main window has been created and shown, before the
  // message loop starts.
  virtual void MainWindowShown() {}

  std::unique_ptr<TFrameWindow> MainWindow;

 private:
  int argc_ = 1;
  char* argv_[2];
  std::unique_ptr<QApplication> platform_;
};
