// The program's resources as the resource script (program_resources.rc.in)
// builds them in: icons by number, menu descriptions and help texts (rich
// text) as raw data by name.
#pragma once

#include <optional>
#include <string_view>

// The bytes of the raw data resource `name` (any case), or nothing.
std::optional<std::string_view> RawResource(std::string_view name);
