#include "tests/window/window_slots.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <utility>

#include "script/utf8_path.h"

namespace kalvex::test {
namespace {

[[noreturn]] void NoSuchName(std::string_view what, std::string_view name) {
  std::fprintf(stderr, "no %.*s %.*s\n", int(what.size()), what.data(), int(name.size()),
               name.data());
  std::abort();
}

}  // namespace

const TWindow* SlotControl(const TMachines& window, std::string_view slot) {
  const PageArea& w = window.Page();
  const std::pair<std::string_view, const TWindow*> named[] = {
      {"Enter", w.Enter},         {"Enter2", w.Enter2},       {"Enter3", w.Enter3},
      {"Enter4", w.Enter4},       {"Enter5", w.Enter5},       {"Check1", w.Check1},
      {"ComboBox1", w.ComboBox1}, {"ComboBox2", w.ComboBox2}, {"ComboBox3", w.ComboBox3},
      {"ComboBox4", w.ComboBox4}, {"ComboBox5", w.ComboBox5}, {"ComboBox6", w.ComboBox6}};
  for (const auto& [name, control] : named) {
    if (name == slot) return control;
  }
  NoSuchName("control slot", slot);
}

const TStatic* LabelLine(const TMachines& window, std::string_view line) {
  const PageArea& w = window.Page();
  const std::pair<std::string_view, const TStatic*> lines[] = {
      {"CurHelp", w.CurHelp},     {"HelpDesc", w.HelpDesc},   {"HelpDesc2", w.HelpDesc2},
      {"HelpDesc3", w.HelpDesc3}, {"HelpDesc4", w.HelpDesc4}, {"HelpDesc5", w.HelpDesc5},
      {"HelpDesc6", w.HelpDesc6}};
  for (const auto& [name, label] : lines) {
    if (name == line) return label;
  }
  NoSuchName("label line", line);
}

const std::vector<std::string_view>& AllSlots() {
  static const std::vector<std::string_view> names = {
      "Enter",     "Enter2",    "Enter3",    "Enter4",    "Enter5",    "Check1",
      "ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox6"};
  return names;
}

const std::vector<std::string_view>& LabelLines() {
  static const std::vector<std::string_view> names = {"HelpDesc",  "HelpDesc2", "HelpDesc3",
                                                      "HelpDesc4", "HelpDesc5", "HelpDesc6"};
  return names;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace kalvex::test
