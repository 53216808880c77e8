// The page area's control slots and label lines by their member names, and
// whole files byte for byte: what the window cases and the Qt Test files
// share.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/kalvex.h"

namespace kalvex::test {

// The control in a slot ("Enter" … "Enter5", "Check1", "ComboBox1" …
// "ComboBox6"), or nullptr when the slot is empty. A name that is no slot
// ends the test program.
const TWindow* SlotControl(const TMachines& window, std::string_view slot);
// The label line "CurHelp" or "HelpDesc" … "HelpDesc6"; likewise.
const TStatic* LabelLine(const TMachines& window, std::string_view line);

// The slots that can hold a page's controls, "Enter" ... "ComboBox6".
const std::vector<std::string_view>& AllSlots();
// The six label lines of the page area.
const std::vector<std::string_view>& LabelLines();

// Whole files, byte for byte; empty when the file cannot be read.
std::string ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, std::string_view bytes);

}  // namespace kalvex::test
