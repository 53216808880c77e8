// Starting Qt on the desktop. Without a desktop Qt ends the process with an
// abort and its own words; the program tells the user in one line instead.
#pragma once

#include <QApplication>
#include <functional>
#include <memory>
#include <string_view>

// Makes the QApplication. When it can reach no desktop (no display, or one
// that refuses the connection), calls `noDesktop` with one line telling what
// is missing and how to run without one, and ends the process with the
// status it returns. Qt's messages while it connects are told afterwards,
// and not at all when there is no desktop.
std::unique_ptr<QApplication> ConnectToDesktop(int& argc, char** argv,
                                               std::function<int(std::string_view)> noDesktop);
