// Where the program's resources stand in Qt's resource system: compiled in
// from res/ by program_resources.qrc, below ":/resources".
#pragma once

#include <QString>
#include <string_view>

// The resource path of icon `resId` (a PNG image); it may not exist.
QString IconResource(int resId);
// The resource path of the menu description of that name, any case.
QString MenuResource(std::string_view name);
// The resource path of the built-in help named `helpFile` ("Kalvex.hlp",
// any case): an HTML page.
QString HelpResource(std::string_view helpFile);
