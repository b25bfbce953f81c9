#pragma once
// The program's version text, as the build gives it: shown in the main
// window's title, the about window and the report header.

namespace quorvel::model {

// "Versio 8.38 /EC 17.03.2017": the word, the version number of the build,
// then the design code and the date of the version.
const char* ProgramVersionText();

}  // namespace quorvel::model
