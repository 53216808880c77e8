// Standard input and output carry script bytes as they are. One
// implementation per system: binary_streams_posix.cpp, binary_streams_windows.cpp.
#pragma once

namespace kalvex::tdf {

// Stops the system from translating line ends on standard input and output,
// so that "\r\n" in a script never becomes "\r\r\n". Call before any I/O.
void UseBinaryStandardStreams();

}  // namespace kalvex::tdf
