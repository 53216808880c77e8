#include "app/kalvex.h"
#include "app/kalvex2.h"

namespace {

// The usual keys of a desktop editor for the File and Help commands.
constexpr TAccelerator kAccelerators[] = {
    {"Ctrl+N", CM_FILENEW},  {"Ctrl+O", CM_FILEOPEN}, {"Ctrl+S", CM_FILESAVE},
    {"Ctrl+Q", CM_FILEEXIT}, {"F1", CM_HELPCONTENTS},
};

}  // namespace

TMachines::TMachines(const char* title) : TFrameWindow(nullptr, title) {
  AssignMenu("Menu");
  AssignAccelerators(kAccelerators);
  DragAcceptFiles("tdf");
  SetIcon(GetModule(), 2);
  Attr.W = 640;
  Attr.H = 480;
  Attr.Style &= ~(WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);

  GroupBox = new TGroupBox(this, ID_GROUPBOX, "Item Help", 180, 30, 400, 100);
  CurHelp = new TStatic(this, ID_NONE, " ", 200, 50, 340, 18);
  HelpDesc = new TStatic(this, ID_NONE, " ", 30, 230, 340, 18);
  HelpDesc2 = new TStatic(this, ID_NONE, " ", 30, 300, 340, 18);
  HelpDesc3 = new TStatic(this, ID_NONE, " ", 30, 370, 340, 18);
  HelpDesc4 = new TStatic(this, ID_NONE, " ", 300, 230, 340, 18);
  HelpDesc5 = new TStatic(this, ID_NONE, " ", 300, 300, 340, 18);
  HelpDesc6 = new TStatic(this, ID_NONE, " ", 300, 370, 340, 18);

  FileData = std::make_unique<TOpenSaveDialog::TData>(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                                                      "Weapon Files (*.TDF)|*.tdf|", "TDF");
}
