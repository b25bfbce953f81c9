#pragma once
// The sensitivities the user's guides, data/README.md and
// docs/verification.md quote: printed by scripts/sensitivity, compared with
// the documents by a test.

#include <map>
#include <string>

namespace quorvel::tools {

struct Sensitivities {
    // What scripts/sensitivity prints (docs/verification.md holds it whole).
    std::string text;
    // Each figure of the text by its name, as the documents mark a figure
    // they quote ("kcd.suora.0.10", "suora.loss30.cracking", ...): the
    // utilisations and deflections as calculated, the changes in whole
    // per cent.
    std::map<std::string, double> figures;
};

// Calculates every example with its one change on copies of
// sourceFolder/data and sourceFolder/tests/fixtures/inputfiles. Throws
// std::runtime_error when a project does not open or calculate.
Sensitivities RunSensitivities(const std::string& sourceFolder);

}  // namespace quorvel::tools
