// Prints the sensitivities that the user's guides, data/README.md and
// docs/verification.md quote (tools/sensitivity_runs.h); run by
// scripts/sensitivity. Usage: quorvel_sensitivity SOURCE_DIR (the folder
// holding data/ and tests/fixtures/).

#include <cstdio>
#include <exception>

#include "sensitivity_runs.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SOURCE_DIR\n", argv[0]);
        return 2;
    }
    try {
        std::fputs(quorvel::tools::RunSensitivities(argv[1]).text.c_str(), stdout);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sensitivity: %s\n", e.what());
        return 1;
    }
    return 0;
}
