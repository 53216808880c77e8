#include "platform/application.h"

#include <iostream>

int TApplication::NoDesktop(std::string_view why) {
  std::cerr << why << '\n';
  return 1;
}
