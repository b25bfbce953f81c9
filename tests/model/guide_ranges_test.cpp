// The user's guides quote the range of input boxes from the table of field
// limits: every range cell marked with its box (data-box="form.control")
// must say what the table holds, in the guide's language, and the Finnish
// and the English guide must mark the same boxes.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

#include "model/field_limits.h"

namespace {

using quorvel::model::BoxLimit;
using quorvel::model::NumberRange;

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, v == std::trunc(v) ? "%.0f" : "%.7g", v);
    return text;
}

// A range in the words of the guide: "200 to 30000", "at least 0", "above
// 0", "above 0, up to 1", "any"; in Finnish "200...30000", "vähintään 0",
// "yli 0", "yli 0, enintään 1", "mikä tahansa".
std::string rangeWords(const NumberRange& r, bool finnish) {
    const std::string lo = number(r.minimum), hi = number(r.maximum);
    if (r.hasMinimum() && r.hasMaximum()) {
        if (r.aboveMinimum) return finnish ? "yli " + lo + ", enintään " + hi : "above " + lo + ", up to " + hi;
        return finnish ? lo + "..." + hi : lo + " to " + hi;
    }
    if (r.hasMinimum()) return finnish ? (r.aboveMinimum ? "yli " : "vähintään ") + lo
                                       : (r.aboveMinimum ? "above " : "at least ") + lo;
    if (r.hasMaximum()) return finnish ? "enintään " + hi : "up to " + hi;
    return finnish ? "mikä tahansa" : "any";
}

// The text of a cell: the guide writes its letters beyond ASCII as
// entities; these are the ones a range uses.
std::string decoded(std::string text) {
    for (auto [entity, letter] : {std::pair{"&auml;", "ä"}, {"&ouml;", "ö"}, {"&#228;", "ä"}, {"&#246;", "ö"}})
        for (std::size_t at; (at = text.find(entity)) != std::string::npos;) text.replace(at, std::string(entity).size(), letter);
    return text;
}

std::set<std::string> checkGuide(const std::string& file, bool finnish) {
    std::ifstream in(std::string(QUORVEL_SOURCE_DIR) + "/data/" + file, std::ios::binary);
    const std::string html{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_FALSE(html.empty()) << file;
    std::set<std::string> boxes;
    const std::regex cell(R"re(data-box="([^".]+)\.([^"]+)">([^<]*)<)re");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), cell); it != std::sregex_iterator(); ++it) {
        const std::string form = (*it)[1], control = (*it)[2];
        SCOPED_TRACE(file + ": " + form + "." + control);
        const BoxLimit* box = quorvel::model::boxLimit(form, control);
        EXPECT_NE(box, nullptr) << "no such box";
        if (box) {
            EXPECT_EQ(decoded((*it)[3]), rangeWords(box->range, finnish));
        }
        boxes.insert(form + "." + control);
    }
    return boxes;
}

TEST(GuideRanges, EveryQuotedRangeIsTheTablesInBothGuides) {
    const std::set<std::string> english = checkGuide("quorvel.html", false);
    const std::set<std::string> finnish = checkGuide("quorvel_fi.html", true);
    EXPECT_GT(english.size(), 100u);  // the main window, every dialog and every beam dialog
    EXPECT_EQ(english, finnish);
}

}  // namespace
