// The sensitivities the documents quote are the program's current ones.
// Each figure the user's guides, the two READMEs and docs/verification.md
// quote from scripts/sensitivity carries the name of the figure just
// before it, in a comment no reader sees: <!--s:kcd.suora.0.10-->0.725.
// The test runs what
// the tool runs and finds every marked figure to be the calculated value
// rounded as the document rounds it; docs/verification.md holds the tool's
// printed output whole.

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <regex>
#include <string>
#include <vector>

#include "sensitivity_runs.h"
#include "support/test_support.h"

namespace {

using quorvel::testing::readBytes;
using quorvel::testing::sourceFolder;

struct Quoted {
    std::string key;
    std::string number;  // as written: "0.725", "0,725", "&minus;22", "+6", "3,18e-5"
};

std::vector<Quoted> quotedFigures(const std::string& text) {
    static const std::regex marked(R"re(<!--s:([A-Za-z0-9.\-]+)-->((?:&minus;|−|-|\+)?[0-9]+(?:[.,][0-9]+)?(?:e[-+]?[0-9]+)?))re");
    std::vector<Quoted> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), marked); it != std::sregex_iterator(); ++it)
        found.push_back({(*it)[1], (*it)[2]});
    return found;
}

// Whether value, rounded to the digits the text gives, reads as the text
// (a decimal comma or point, a minus written any way, an exponent).
bool readsAs(double value, std::string text) {
    bool negative = false;
    for (const char* minus : {"&minus;", "−", "-"})
        if (text.rfind(minus, 0) == 0) text.erase(0, std::string(minus).size()), negative = true;
    if (!text.empty() && text.front() == '+') text.erase(0, 1);
    for (char& c : text)
        if (c == ',') c = '.';
    const std::size_t e = text.find('e');
    const std::string mantissa = text.substr(0, e);
    const int exponent = e == std::string::npos ? 0 : std::stoi(text.substr(e + 1));
    const std::size_t point = mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    const double quoted = (negative ? -1 : 1) * std::stod(text);
    const double halfStep = 0.5 * std::pow(10.0, exponent - decimals);
    return std::fabs(value - quoted) <= halfStep * (1 + 1e-9);
}

TEST(SensitivityFigures, AFigureReadsOnlyAsItsValueRounded) {
    const struct {
        double value;
        const char* text;
        bool reads;
    } cases[] = {
        {0.72504, "0.725", true},  {0.72504, "0,725", true},     {0.72504, "0.726", false},
        {0.7256, "0.725", false},  {0.7256, "0.73", true},       {-22, "&minus;22", true},
        {-22, "−22", true},        {-22, "22", false},           {6, "+6", true},
        {6, "7", false},           {3.1812e-5, "3.18e-5", true}, {3.1812e-5, "3,18e-5", true},
        {3.1912e-5, "3.18e-5", false}, {4.054, "4.05", true},    {4.056, "4.05", false},
    };
    for (const auto& c : cases) EXPECT_EQ(readsAs(c.value, c.text), c.reads) << c.value << " as " << c.text;
    const std::vector<Quoted> found = quotedFigures("a <!--s:kcd.suora.0.10-->0,725 b <!--s:x-y.1-->&minus;22 %");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].key, "kcd.suora.0.10");
    EXPECT_EQ(found[1].number, "&minus;22");
}

TEST(SensitivityFigures, EveryQuotedFigureIsTheProgramsOwn) {
    const quorvel::tools::Sensitivities run = quorvel::tools::RunSensitivities(sourceFolder());
    ASSERT_GT(run.figures.size(), 50u);

    // The documents and how many marked figures each holds at least, so
    // that figures whose marks were lost do not pass unchecked.
    const struct {
        const char* file;
        std::size_t atLeast;
    } documents[] = {{"data/quorvel.html", 79}, {"data/quorvel_fi.html", 79}, {"data/README.md", 27},
                     {"README.md", 4},           {"docs/verification.md", 14}};
    for (const auto& document : documents) {
        SCOPED_TRACE(document.file);
        const std::vector<Quoted> quoted = quotedFigures(readBytes(sourceFolder() + "/" + document.file));
        EXPECT_GE(quoted.size(), document.atLeast);
        for (const Quoted& q : quoted) {
            const auto figure = run.figures.find(q.key);
            if (figure == run.figures.end()) {
                ADD_FAILURE() << "no figure " << q.key;
                continue;
            }
            EXPECT_TRUE(readsAs(figure->second, q.number))
                << q.key << " is quoted as " << q.number << ", calculated " << figure->second;
        }
    }

    const std::string manual = readBytes(sourceFolder() + "/docs/verification.md");
    EXPECT_NE(manual.find("```\n" + run.text + "```\n"), std::string::npos)
        << "docs/verification.md does not hold the output of scripts/sensitivity:\n" << run.text;
}

}  // namespace
