#include "model/version.h"

namespace quorvel::model {

// QUORVEL_VERSION_TEXT comes from the top CMakeLists.txt, the one place the
// version is written.
const char* ProgramVersionText() { return QUORVEL_VERSION_TEXT; }

}  // namespace quorvel::model
