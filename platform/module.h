// The resources built into the program: icons by number, menus by name. The
// implementation finds them where its system keeps them (Qt's resource
// system, the resources of a Windows program); their sources are in res/.
#pragma once

#include <optional>
#include <string_view>

#include "platform/menu_resource.h"

class TModule {
 public:
  // The program's own resources.
  static const TModule& Program();

  // Whether the module has an icon of that number.
  bool HasIcon(int resId) const;
  // The menu of that name (names do not depend on case), read from its
  // description (menu_resource.h). Nothing when the menu is missing or malformed.
  std::optional<TMenuResource> LoadMenu(std::string_view name) const;

 private:
  TModule() = default;
};
