// Program start: the application object and the entry function.
#pragma once

#include "platform/application.h"

class TStartUp : public TApplication {
 protected:
  void InitMainWindow() override;
};

// Ignores its arguments, runs the application and returns its exit status.
int OwlMain(int argc, char* argv[]);
