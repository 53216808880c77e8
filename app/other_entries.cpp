// The page of other entries: the entries of the weapon shown that no field
// reads, set, added and removed there, checked before they are taken.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/file_messages.h"
#include "app/kalvex.h"
#include "pages/page_table.h"
#include "script/ascii_case.h"
#include "script/entry_names.h"
#include "script/field_keys.h"
#include "script/known_keys.h"
#include "script/script_writer.h"
#include "script/utf8_text.h"
#include "script/weapons_alone.h"

namespace {

constexpr std::string_view kNotSet = "The entry cannot be set: ";

// The name of a row split into its section (empty for the body) and key.
std::pair<std::string, std::string> SectionAndKey(std::string_view name) {
  const std::size_t slash = name.rfind('/');
  if (slash == std::string_view::npos) return {{}, std::string(name)};
  return {std::string(name.substr(0, slash)), std::string(name.substr(slash + 1))};
}

}  // namespace

kalvex::SavedText TMachines::ShownEntryText() const {
  kalvex::SavedText own{document_.weapons.empty()
                            ? kalvex::WriteScript(Weapon)
                            : kalvex::OpenWeaponAlone(document_, weaponIndex_).text,
                        {}};
  return kalvex::WithEntryChanges(std::move(own), 0, entryChanges_);
}

std::vector<kalvex::EntryRow> TMachines::ShownEntryRows() const {
  return kalvex::OtherEntryRows(kalvex::OpenScript(ShownEntryText().text), 0);
}

void TMachines::EvEntrySelected() {
  const int row = page_.EntryList ? page_.EntryList->GetSelIndex() : -1;
  const std::vector<kalvex::EntryRow> rows = ShownEntryRows();
  if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return;
  page_.Enter->SetText(rows[row].name);
  page_.Enter2->SetText(rows[row].value);
}

void TMachines::SetOtherEntry() {
  if (page_.indexx != kalvex::kOtherEntriesPage || !page_.Enter) return;
  const std::string name = page_.Enter->GetText();
  const std::string value = page_.Enter2->GetText();
  const auto refuse = [this](std::string_view why) {
    MessageBox(std::string(kNotSet) + std::string(why) + ".", kalvex::kWarningCaption,
               kalvex::kErrorBox);
  };
  if (!kalvex::IsKeyName(name)) {
    refuse(
        "a key is letters, digits and \"_\", not beginning with a digit, with \"SECTION/\" "
        "before it in a section");
    return;
  }
  if (const std::string_view wrong = kalvex::EntryValueProblem(value); !wrong.empty()) {
    refuse(wrong);
    return;
  }
  if (value.empty()) {
    refuse("it needs a value (Remove takes an entry out)");
    return;
  }
  auto [section, key] = SectionAndKey(name);
  if (kalvex::FindKnownKey(section, key) == nullptr) {
    if (const kalvex::KnownKey* near = kalvex::NearestKnownKey(section, key)) {
      const std::string suggested = kalvex::EntryName(section, near->key);
      switch (MessageBox("Did you mean " + suggested + "?", kalvex::kWarningCaption,
                         MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
        case IDYES:
          key = std::string(near->key);
          break;
        case IDNO:
          break;
        default:
          return;
      }
    }
  }
  const kalvex::FieldKey read = kalvex::FindFieldKey(key, kalvex::ScopeOfSection(section));
  if (read.field != nullptr) {
    const int page = kalvex::PageOfField(*read.field);
    refuse("the key " + kalvex::EntryName(section, key) +
           (page < 0 ? std::string(" is read by a field of the weapon")
                     : " is edited on the page \"" + std::string(kalvex::Pages()[page].listEntry) +
                           "\""));
    return;
  }
  ChangeOtherEntry({std::move(section), std::move(key), value});
}

void TMachines::RemoveOtherEntry() {
  const int row = page_.EntryList ? page_.EntryList->GetSelIndex() : -1;
  const std::vector<kalvex::EntryRow> rows = ShownEntryRows();
  if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) {
    UserInterface().Beep();
    return;
  }
  auto [section, key] = SectionAndKey(rows[row].name);
  if (ChangeOtherEntry({std::move(section), std::move(key), {}})) {
    page_.Enter->SetText("");
    page_.Enter2->SetText("");
  }
}

bool TMachines::ChangeOtherEntry(kalvex::EntryChange change) {
  const std::string name = kalvex::EntryName(change.section, change.key);
  const std::vector<kalvex::EntryRow> before = ShownEntryRows();
  // Setting the value that the key's entry holds already changes nothing.
  for (auto row = before.rbegin(); row != before.rend(); ++row) {
    if (!kalvex::EqualIgnoringCase(row->name, name)) continue;
    if (row->value == change.value) return true;
    break;
  }
  std::vector<kalvex::EntryChange> earlier = entryChanges_;
  entryChanges_.push_back(std::move(change));
  kalvex::SavedText checked = ShownEntryText();
  if (!checked.ok()) {
    entryChanges_.pop_back();
    MessageBox(std::string(kNotSet) + kalvex::Utf8FromLatin1(checked.refusal),
               kalvex::kWarningCaption, kalvex::kErrorBox);
    return false;
  }
  const std::vector<kalvex::EntryRow> rows =
      kalvex::OtherEntryRows(kalvex::OpenScript(std::move(checked.text)), 0);
  int selected = -1;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (kalvex::EqualIgnoringCase(rows[i].name, name)) selected = static_cast<int>(i);
  }
  kalvex::ShowEntryRows(*page_.EntryList, rows, selected);
  save = 0;
  ShowTitle();
  CountEntryChange(std::move(earlier));
  return true;
}
