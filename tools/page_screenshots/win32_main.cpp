// Draws every page of the editor, as Windows shows it, into a bitmap file of
// its own (tools/page-screenshots-windows.sh turns them into PNG files):
//   kalvex-page-screenshots.exe OUTPUT_FOLDER [SCRIPT.tdf]
// With a script, the pages show the weapon read from it; without, a new one.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/win32/message_loop.h"
#include "platform/win32/native_window.h"
#include "script/utf8_path.h"
#include "tools/page_screenshots/page_tour.h"

namespace {

void HandleWaitingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) HandleMessage(message);
}

// The window as the screen shows it, written as a 32-bit bitmap file.
bool WriteWindowBitmap(HWND window, const std::filesystem::path& file) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  HandleWaitingMessages();
  // The display draws what the window painted a moment later.
  GdiFlush();
  Sleep(300);
  RECT r;
  GetWindowRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  BITMAPINFOHEADER info{sizeof info, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC copy = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(copy, bitmap);
  const bool copied = BitBlt(copy, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  SelectObject(copy, previous);
  const DWORD size = DWORD(w) * DWORD(h) * 4;
  BITMAPFILEHEADER head{0x4D42, DWORD(sizeof(BITMAPFILEHEADER) + sizeof info + size), 0, 0,
                        DWORD(sizeof(BITMAPFILEHEADER) + sizeof info)};
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&head), sizeof head);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(static_cast<const char*>(bits), std::streamsize(size));
  DeleteObject(bitmap);
  DeleteDC(copy);
  ReleaseDC(nullptr, screen);
  return copied && out.flush();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [SCRIPT.tdf]\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = kalvex::PathFromUtf8(argv[1]);
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  const int failures =
      TourThePages(argc == 3 ? argv[2] : "", [&folder](TMachines& window, int page) {
        SetForegroundWindow(HwndOf(window));
        HandleWaitingMessages();
        char name[16];
        std::snprintf(name, sizeof name, "page_%02d.bmp", page);
        if (WriteWindowBitmap(HwndOf(window), folder / name)) return true;
        std::fprintf(stderr, "cannot write %s\n", name);
        return false;
      });
  return failures == 0 ? 0 : 1;
}
