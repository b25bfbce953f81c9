// The user's guides give, for every box of every beam dialog, the value an
// emptied box takes (the "Default" column of the beam dialogs' tables). A
// cell marked data-default="form.control" must say what that box shows once
// emptied and left on a new project of each beam type that opens the form,
// in the guide's writing of numbers ("." in English, "," in Finnish). A
// form shared by types gives the others' values after the first, "500 (JALO
// 1550)". Cells holding "-" are left unmarked: the window works such a box's
// value out from the other boxes or refuses it empty, so there is no fixed
// value to hold them to (the emptied-box test holds the worked-out ones).

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "emptied_boxes.h"
#include "runtime/number_text.h"

namespace quorvel::dialogs::testing {
namespace {

// A number as the guide writes it.
std::string written(double v, bool finnish) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", v);
    std::string s = text;
    if (finnish)
        for (char& c : s)
            if (c == '.') c = ',';
    return s;
}

// What each box showed emptied: "form.control" -> beam type -> value.
using Emptied = std::map<std::string, std::map<std::string, double>>;

// Checks every marked cell of a guide; returns the boxes it marks.
std::set<std::string> checkGuide(const std::string& file, bool finnish, const Emptied& emptied) {
    std::ifstream in(std::string(QUORVEL_SOURCE_DIR) + "/data/" + file, std::ios::binary);
    const std::string html{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_FALSE(html.empty()) << file;
    std::set<std::string> boxes;
    const std::regex cell(R"re(data-default="([^"]+)">([^<]*)<)re");
    // "60", "0,001", "500 (JALO 1550)": the value, then other types' own.
    const std::regex words(R"re(([0-9][0-9.,]*)(?: \((.*)\))?)re");
    const std::regex other(R"re(([A-Za-z_ ]+) ([0-9][0-9.,]*))re");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), cell); it != std::sregex_iterator(); ++it) {
        const std::string box = (*it)[1], text = (*it)[2];
        SCOPED_TRACE(file + ": " + box + " \"" + text + "\"");
        EXPECT_TRUE(boxes.insert(box).second) << "marked twice";
        std::smatch parts;
        if (!std::regex_match(text, parts, words)) {
            ADD_FAILURE() << "not a default";
            continue;
        }
        std::map<std::string, std::string> own;  // the types named in brackets
        const std::string others = parts[2];
        for (auto o = std::sregex_iterator(others.begin(), others.end(), other); o != std::sregex_iterator(); ++o)
            own[(*o)[1]] = (*o)[2];
        const auto found = emptied.find(box);
        if (found == emptied.end()) {
            ADD_FAILURE() << "no beam dialog has such a box with a default";
            continue;
        }
        for (const auto& [type, value] : found->second)
            EXPECT_EQ(own.count(type) ? own[type] : std::string(parts[1]), written(value, finnish)) << type;
        for (const auto& [type, value] : own) EXPECT_EQ(found->second.count(type), 1u) << type << " does not open the form";
    }
    return boxes;
}

class GuideDefaults : public EmptiedBoxTest {};

TEST_F(GuideDefaults, EveryQuotedDefaultIsWhatTheEmptiedBoxTakesInBothGuides) {
    Emptied emptied;
    for (const app::BeamTypeInfo& type : app::BeamTypes()) {
        SCOPED_TRACE(std::string(type.typeName));
        chooseType(type);
        // The boxes that take a value of their own when emptied.
        const auto wanted = [](const model::BoxLimit& row) {
            return row.field != "BeamSpan" && row.field != "BeamSpacing" &&
                   (row.defaultValue || model::has(row.computed, model::Computed::Default));
        };
        emptyEachBox(type, wanted, [&](BeamDialog&, platform::Control& box, const model::BoxLimit&, const std::string& shown) {
            emptied[std::string(type.dialog) + "." + box.name()][std::string(type.typeName)] = runtime::scanNumber(shown);
        });
    }
    const std::set<std::string> english = checkGuide("quorvel.html", false, emptied);
    const std::set<std::string> finnish = checkGuide("quorvel_fi.html", true, emptied);
    EXPECT_GE(english.size(), 170u);  // every beam dialog's table
    for (const std::string& box : english) EXPECT_EQ(finnish.count(box), 1u) << box << " is marked in the English guide only";
    for (const std::string& box : finnish) EXPECT_EQ(english.count(box), 1u) << box << " is marked in the Finnish guide only";
}

}  // namespace
}  // namespace quorvel::dialogs::testing
