#include "platform/weapon_dialog.h"

#include <optional>
#include <utility>

#include "platform/platform_constants.h"
#include "platform/user_interface.h"
#include "platform/window.h"

TWeaponDialog::TWeaponDialog(TWindow* parent, TWeaponChoice choice)
    : parent_(parent), choice_(std::move(choice)) {}

int TWeaponDialog::Execute() {
  if (choice_.Rows.empty()) return IDCANCEL;
  const std::optional<std::size_t> taken =
      UserInterface().ChooseWeapon(parent_ ? parent_->GetHandle() : nullptr, choice_);
  if (!taken || *taken >= choice_.Rows.size()) return IDCANCEL;
  chosen_ = *taken;
  return IDOK;
}
