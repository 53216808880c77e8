#include "app/startup.h"

#include "app/kalvex.h"

void TStartUp::InitMainWindow() {
  EnableCtl3d(true);
  MainWindow = std::make_unique<TMachines>("Cindervale Weapon Editor");
}

int OwlMain(int, char*[]) {
  TStartUp app;
  return app.Run();
}
