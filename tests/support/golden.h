#pragma once
// Golden files: a file as the code writes it, compared with the reviewed one
// kept in tests/fixtures/. A difference fails the test with a unified diff of
// the two (in UTF-8) and leaves the file as written beside the golden one as
// <golden>.actual, which git ignores; a match removes an old one.
// QUORVEL_REGENERATE_REPORTS=1 writes the golden files anew for a deliberate
// run (then every changed line is read before the files are committed).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/text_file.h"
#include "support/test_support.h"

namespace quorvel::testing {

// The lines of `to` against those of `from` as unified diff hunks with three
// lines of context, from a longest common subsequence; empty when they are
// the same.
inline std::string unifiedDiff(const std::vector<std::string>& from, const std::vector<std::string>& to) {
    const std::size_t n = from.size(), m = to.size();
    std::vector<std::vector<std::uint32_t>> common(n + 1, std::vector<std::uint32_t>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            common[i][j] = from[i] == to[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    struct Step {
        char kind;  // ' ' both, '-' only in from, '+' only in to
        std::size_t i, j;
    };
    std::vector<Step> steps;
    for (std::size_t i = 0, j = 0; i < n || j < m;) {
        if (i < n && j < m && from[i] == to[j])
            steps.push_back({' ', i++, j++});
        else if (i < n && (j == m || common[i + 1][j] >= common[i][j + 1]))
            steps.push_back({'-', i++, j});
        else
            steps.push_back({'+', i, j++});
    }
    constexpr std::size_t context = 3;
    std::string out;
    std::size_t k = 0;
    while (k < steps.size()) {
        if (steps[k].kind == ' ') {
            ++k;
            continue;
        }
        std::size_t last = k;  // changes closer than twice the context share a hunk
        for (std::size_t e = k + 1; e < steps.size() && e - last <= 2 * context + 1; ++e)
            if (steps[e].kind != ' ') last = e;
        const std::size_t begin = k >= context ? k - context : 0;
        const std::size_t end = std::min(steps.size(), last + context + 1);
        std::size_t fromCount = 0, toCount = 0;
        for (std::size_t s = begin; s < end; ++s) {
            fromCount += steps[s].kind != '+';
            toCount += steps[s].kind != '-';
        }
        out += "@@ -" + std::to_string(steps[begin].i + (fromCount ? 1 : 0)) + "," + std::to_string(fromCount) +
               " +" + std::to_string(steps[begin].j + (toCount ? 1 : 0)) + "," + std::to_string(toCount) + " @@\n";
        for (std::size_t s = begin; s < end; ++s)
            out += steps[s].kind + (steps[s].kind == '+' ? to[steps[s].j] : from[steps[s].i]) + "\n";
        k = end;
    }
    return out;
}

// The lines of a Windows-1252 file in UTF-8.
inline std::vector<std::string> utf8Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (const std::string& line : runtime::splitLines(bytes)) lines.push_back(runtime::cp1252ToUtf8(line));
    return lines;
}

// Compares the bytes a test wrote with the golden file at path.
inline void expectSameAsGolden(const std::string& path, const std::string& written) {
    namespace fs = std::filesystem;
    if (const char* regenerate = std::getenv("QUORVEL_REGENERATE_REPORTS"); regenerate && std::string(regenerate) == "1") {
        writeBytes(path, written);
        GTEST_SKIP() << "wrote " << path;
    }
    const std::string actual = path + ".actual";
    const std::string golden = fs::exists(path) ? readBytes(path) : std::string();
    std::error_code ec;
    if (!golden.empty() && golden == written) {
        fs::remove(actual, ec);
        return;
    }
    writeBytes(actual, written);
    if (golden.empty()) {
        ADD_FAILURE() << "no golden file " << path << " (the file as written is " << actual << ")";
        return;
    }
    const std::string diff = unifiedDiff(utf8Lines(golden), utf8Lines(written));
    ADD_FAILURE() << path << " differs from the file as written, left as " << actual
                  << (diff.empty() ? ": the lines are the same, their ends or encoding differ"
                                   : ":\n--- " + path + "\n+++ " + actual + "\n" + diff);
}

}  // namespace quorvel::testing
