#include "app/kalvex.h"

void TMachines::New() {}

void TMachines::Open() {}

void TMachines::Save() {}

void TMachines::Help() {}

void TMachines::CmAbout() {}
