#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "tools/kalvex_tdf/binary_streams.h"

namespace kalvex::tdf {

// The C runtime opens the standard streams in text mode, which would turn
// "\n" into "\r\n" on output and drop "\r" and stop at Ctrl-Z on input.
void UseBinaryStandardStreams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace kalvex::tdf
