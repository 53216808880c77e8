// The resources compiled into a program: icons by number, menus by name.
#pragma once

#include <QIcon>
#include <QString>
#include <optional>
#include <string_view>

#include "platform/menu_resource.h"

class TModule {
 public:
  // Resources live below `root` in the Qt resource system:
  // root/icon/<number>.png and root/menu/<NAME in capitals>.
  explicit TModule(QString root);

  // The program's own resources, below ":/resources".
  static const TModule& Program();

  // A null icon when the program has no icon of that number.
  QIcon LoadIcon(int resId) const;
  // Menu names do not depend on case. Nothing when the menu is missing or malformed.
  std::optional<TMenuResource> LoadMenu(std::string_view name) const;

 private:
  QString root_;
};
