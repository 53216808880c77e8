#include "app/kalvex.h"
#include "app/kalvex2.h"

const std::array<TResponseTableEntry<TMachines>, 7> TMachines::Entries = {
    EvChildNotify(ID_SIMPLE_COMBOBOX, CBN_SELCHANGE, &TMachines::EvCBNSelChange),
    EvCommand(CM_HELPABOUT, &TMachines::CmAbout),
    EvCommand(CM_FILENEW, &TMachines::New),
    EvCommand(CM_HELPCONTENTS, &TMachines::Help),
    EvCommand(CM_FILEEXIT, &TMachines::Close),
    EvCommand(CM_FILESAVE, &TMachines::Save),
    EvCommand(CM_FILEOPEN, &TMachines::Open),
};

bool TMachines::Find(TEventInfo& info) {
  return SearchEntries<TMachines>(*this, Entries, info) || TFrameWindow::Find(info);
}
