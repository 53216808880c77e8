#include "app/kalvex.h"

void TMachines::CmSimple() {}

void TMachines::EvCBNSelChange() {}
