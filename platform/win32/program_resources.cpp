#include "platform/win32/program_resources.h"

#include <string>

#include "platform/win32/text_codec.h"

std::optional<std::string_view> RawResource(std::string_view name) {
  // Resource names do not depend on case.
  const std::wstring wide = WideFromBytes(name);
  HMODULE program = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(program, wide.c_str(), RT_RCDATA);
  if (!found) return std::nullopt;
  HGLOBAL loaded = LoadResource(program, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return std::nullopt;
  return std::string_view(static_cast<const char*>(bytes), SizeofResource(program, found));
}
