#include "tools/kalvex_tdf/binary_streams.h"

namespace kalvex::tdf {

// POSIX streams never translate line ends.
void UseBinaryStandardStreams() {}

}  // namespace kalvex::tdf
