#include "platform/module.h"

#include "platform/win32/program_resources.h"
#include "platform/win32/win32.h"

const TModule& TModule::Program() {
  static const TModule program;
  return program;
}

bool TModule::HasIcon(int resId) const {
  return resId > 0 && FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resId),
                                    RT_GROUP_ICON) != nullptr;
}

std::optional<TMenuResource> TModule::LoadMenu(std::string_view name) const {
  const std::optional<std::string_view> text = RawResource(name);
  if (!text) return std::nullopt;
  return ParseMenuResource(*text);
}
