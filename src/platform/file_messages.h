#pragma once
// Messages about data files that the program looks for and cannot find,
// shared by the language tables and the report writers.

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace quorvel::platform {

// The missing-file message for language index x 1000 + message number
// (1: Finnish, 1001: English; nothing for other codes).
void ShowFileNotFound(Platform& platform, int16_t messageNumber, const std::string& path, int16_t languageIndex);

}  // namespace quorvel::platform
