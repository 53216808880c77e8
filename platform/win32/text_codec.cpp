#include "platform/win32/text_codec.h"

#include <algorithm>

std::wstring WideFromBytes(std::string_view bytes) {
  std::wstring text(bytes.size(), L'\0');
  std::ranges::transform(bytes, text.begin(),
                         [](char c) { return wchar_t(static_cast<unsigned char>(c)); });
  return text;
}

std::string BytesFromWide(std::wstring_view text) {
  std::string bytes(text.size(), '\0');
  std::ranges::transform(text, bytes.begin(), [](wchar_t c) { return c <= 0xFF ? char(c) : '?'; });
  return bytes;
}

std::wstring WideFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
  std::wstring text(std::size_t(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(), size);
  return text;
}

std::string Utf8FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(std::size_t(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), utf8.data(), size, nullptr,
                      nullptr);
  return utf8;
}

std::wstring WindowText(HWND window) {
  std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
  return text;
}
