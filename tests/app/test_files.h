#pragma once
// The temporary data folder of the app tests is the shared one.

#include "support/test_support.h"

namespace quorvel::app::testing {
using quorvel::testing::TempFolder;
}  // namespace quorvel::app::testing
