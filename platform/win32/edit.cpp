#include "platform/edit.h"

#include "platform/win32/message_loop.h"
#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"

namespace {

// The selection before the change being judged: a refused change puts it back.
DWORD selectionBeforeChange = 0;

bool MayChangeText(UINT message) {
  switch (message) {
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
      return true;
    default:
      return false;
  }
}

std::wstring ClipboardText(HWND owner) {
  std::wstring text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

std::u16string_view Utf16(std::wstring_view text) {
  return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

bool IsDown(int key) { return GetKeyState(key) < 0; }

// The characters that Ctrl+Z and Ctrl+Y type.
constexpr WPARAM kControlZ = 0x1A;
constexpr WPARAM kControlY = 0x19;

}  // namespace

// The edit's side of the system's EDIT control: each change of its text is
// judged when the control reports it (EN_CHANGE) and undone when refused;
// a paste, whichever way the user pastes, inserts TEdit::PastedText; undo
// and redo, by the keys or the control's menu, are the TEdit's own, and the
// control's own undo is never used.
class TEdit::TImpl {
 public:
  static LRESULT CALLBACK Proc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data) {
    // The window object, while the control belongs to it.
    TEdit* owner =
        GetWindowLongPtrW(edit, GWLP_USERDATA) ? reinterpret_cast<TEdit*>(data) : nullptr;
    if (MayChangeText(message)) {
      selectionBeforeChange = DWORD(SendMessageW(edit, EM_GETSEL, 0, 0));
    }
    if (message == KeepsKeyMessage()) {
      const MSG& key = *reinterpret_cast<const MSG*>(lParam);
      return key.message == WM_KEYDOWN && owner && owner->TakesKey(UndoKeyOf(key.wParam));
    }
    switch (message) {
      case WM_PASTE:
        if (!(GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY)) {
          const std::wstring clipboard = ClipboardText(edit);
          const std::u16string_view pasted = PastedText(Utf16(clipboard));
          const std::wstring inserted(pasted.begin(), pasted.end());
          SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(inserted.c_str()));
        }
        return 0;
      case WM_GETDLGCODE:
        // Enter reaches the edit, rather than pressing a default button.
        if (lParam && reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN) {
          return DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
        }
        break;
      case WM_KEYDOWN:
        if (const TUndoKey key = UndoKeyOf(wParam); key != TUndoKey::None) {
          if (owner) owner->PressKey(key);
          return 0;
        }
        if (wParam == VK_RETURN) {
          if (owner) owner->PressedEnter();
          return 0;
        }
        break;
      case WM_CHAR:
        if (wParam == kControlZ || wParam == kControlY || wParam == L'\r') return 0;
        break;
      case WM_UNDO:
      case EM_UNDO:
        if (owner) owner->PressKey(TUndoKey::Undo);
        return TRUE;
      case EM_CANUNDO:
        return owner && owner->CanUndo();
      case WM_KILLFOCUS: {
        const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
        const HWND next = reinterpret_cast<HWND>(wParam);
        if (owner && next && GetAncestor(next, GA_ROOT) == GetAncestor(edit, GA_ROOT)) {
          owner->LostFocus();
        }
        return result;
      }
    }
    return DefSubclassProc(edit, message, wParam, lParam);
  }

  static void Judge(TEdit& owner, HWND edit) {
    const std::wstring shown = WindowText(edit);
    if (owner.programSetsText_) return;
    if (shown == WideFromBytes(owner.Title)) return;
    if (owner.TakesUserChange(Utf16(shown))) {
      owner.TookUserChange(BytesFromWide(shown));
      return;
    }
    owner.programSetsText_ = true;
    SetWindowTextW(edit, WideFromBytes(owner.Title).c_str());
    owner.programSetsText_ = false;
    SendMessageW(edit, EM_SETSEL, LOWORD(selectionBeforeChange), HIWORD(selectionBeforeChange));
  }

 private:
  // What the key `virtualKey` pressed with the modifiers held is to the edit.
  static TUndoKey UndoKeyOf(WPARAM virtualKey) {
    const char letter = virtualKey >= 'A' && virtualKey <= 'Z' ? char(virtualKey) : 0;
    return TEdit::UndoKeyOf(letter, IsDown(VK_CONTROL), IsDown(VK_SHIFT), IsDown(VK_MENU));
  }
};

TEdit::~TEdit() = default;

void TEdit::ShowText(std::string_view text) {
  Title = text;
  if (HWND edit = HwndOf(*this)) {
    programSetsText_ = true;
    SetWindowTextW(edit, WideFromBytes(Title).c_str());
    programSetsText_ = false;
    SendMessageW(edit, EM_SETSEL, Title.size(), Title.size());
  }
}

THandle TEdit::MakeWindow(THandle container) {
  HWND edit = TNative::MakeControl(*this, container, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, L"",
                                   WS_EX_CLIENTEDGE);
  if (edit) SetWindowSubclass(edit, TImpl::Proc, 0, reinterpret_cast<DWORD_PTR>(this));
  return HandleOf(edit);
}

void TEdit::SetupWindow() {
  HWND edit = HwndOf(*this);
  SetText(Title);
  Native().notified = [this, edit](unsigned code) {
    if (code == EN_CHANGE) TImpl::Judge(*this, edit);
  };
}
