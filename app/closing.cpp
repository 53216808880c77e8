#include <unistd.h>

#include "app/kalvex.h"

void TMachines::Close() { CanClose(); }

bool TMachines::CanClose() {
  if (save == 0) {
    const int answer = MessageBox("Do You Want To Save The Script?", "Warning...", MB_YESNOCANCEL);
    if (answer == IDYES) {
      Save();
    } else if (answer != IDNO) {
      return false;
    }
  }
  _exit(1);
}
