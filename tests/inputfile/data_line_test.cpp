#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "inputfile/data_line.h"
#include "platform/headless/headless_platform.h"
#include "runtime/errors.h"
#include "support/test_support.h"

using namespace quorvel;
using inputfile::DataLineReporting;
using inputfile::ErrorLog;
using quorvel::testing::readBytes;

namespace {

struct Parsed {
    std::vector<double> values;
    std::vector<std::string> texts;
    int16_t flag = -1;
};

struct Fixture {
    quorvel::testing::TempFolder temp;
    std::string folder = temp.dataPath();
    runtime::Messages messages;
    ErrorLog log{folder};
    DataLineReporting report{log, &messages};

    Parsed parse(const std::string& line, int n, std::vector<std::string> defaults) {
        Parsed p;
        p.values.assign(n + 1, -99.0);
        p.texts.assign(n + 2, "junk");
        defaults.insert(defaults.begin(), "");  // element 0 unused
        defaults.resize(n + 1, "0");
        inputfile::ParseDataFields(report, n, line, p.values, p.texts, defaults, p.flag);
        return p;
    }
};

}  // namespace

// Each row: the line, the field count, defaults of fields 1..n, the texts and
// values expected for fields 1..n, the rest of the line, and whether the line
// is reported as short.
struct SplitCase {
    const char* name;
    std::string line;
    int n;
    std::vector<std::string> defaults;
    std::vector<std::string> texts;
    std::vector<double> values;
    std::string rest;
    bool shortLine;
};

TEST(DataLineParser, SplitsFieldsTakesDefaultsAndHandsBackTheRest) {
    const std::vector<SplitCase> cases = {
        {"no fields wanted: the whole line is the rest", "12 SUORA 3", 0, {}, {}, {}, "12 SUORA 3", false},
        {"empty line: both fields from defaults, reported", "", 2, {"4", "X"}, {"4", "X"}, {4, 0}, "", true},
        {"leading and trailing blanks", "  1   2  ", 2, {}, {"1", "2"}, {1, 2}, " ", false},
        {"more fields than wanted", "1 2 3 4", 2, {}, {"1", "2"}, {1, 2}, "3 4", false},
        {"a slash ends the data silently", "1/ comment", 3, {"0", "8", "9"}, {"1", "8", "9"}, {1, 8, 9},
         "/ comment", false},
        {"a slash after a blank", "1 2 /", 3, {"0", "0", "5"}, {"1", "2", "5"}, {1, 2, 5}, "/", false},
        {"two touching commas omit a field", "7,,9", 3, {"0", "4", "0"}, {"7", "4", "9"}, {7, 4, 9}, "", false},
        {"blank before touching commas", "5 ,,7", 3, {"0", "4", "0"}, {"5", "4", "7"}, {5, 4, 7}, "", false},
        {"a comma after a blank ends nothing", "5, ,7", 2, {"0", "4"}, {"5", "7"}, {5, 7}, "", false},
        {"three touching commas omit two fields", "5,,,7", 4, {"0", "2", "3", "0"}, {"5", "2", "3", "7"},
         {5, 2, 3, 7}, "", false},
        {"comma-separated fields", "5,7", 2, {}, {"5", "7"}, {5, 7}, "", false},
        {"texts have the value 0", "A1 B2", 2, {}, {"A1", "B2"}, {0, 0}, "", false},
        {"leading number of a field", "12kN -3.5e2 1D3", 3, {}, {"12kN", "-3.5e2", "1D3"}, {12, -350, 1000}, "",
         false},
        {"a tab does not separate", "1\t2", 1, {}, {"1\t2"}, {12}, "", false},
        {"a comma in the first column ends nothing", ",5 6", 2, {}, {"5", "6"}, {5, 6}, "", false},
        {"two commas at the line start omit field 1", ",,6", 2, {"3", "0"}, {"3", "6"}, {3, 6}, "", false},
        {"rest starts right after the separator of field n", "1,2, 3", 2, {}, {"1", "2"}, {1, 2}, " 3", false},
        {"short line", "1 2", 3, {"0", "0", "7"}, {"1", "2", "7"}, {1, 2, 7}, "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        Parsed p = f.parse(c.line, c.n, c.defaults);
        for (int k = 1; k <= c.n; ++k) {
            EXPECT_EQ(p.texts[k], c.texts[k - 1]) << "field " << k;
            EXPECT_DOUBLE_EQ(p.values[k], c.values[k - 1]) << "field " << k;
        }
        EXPECT_EQ(p.texts[c.n + 1], c.rest);
        EXPECT_EQ(p.flag, c.shortLine ? 1 : 0);
        EXPECT_EQ(f.messages.size(), c.shortLine ? 1u : 0u);
    }
}

TEST(DataLineParser, ShortLineIsReportedWithLineNumberAndLoggedAndTheReadGoesOn) {
    Fixture f;
    std::string bytes;
    for (int i = 1; i <= 11; ++i) bytes += "1 2 3 4 5 6 7 8 9 10\r\n";
    bytes += "1 2 3\r\n";
    bytes += "after\r\n";
    auto file = runtime::TextFileReader::fromBytes(bytes);

    std::vector<double> values(11);
    std::vector<std::string> texts(12);
    std::vector<std::string> defaults(11, "0");
    defaults[10] = "77";
    int16_t counter = 0;
    int16_t flag = -1;
    for (int i = 0; i < 11; ++i) inputfile::ReadDataLine(f.report, file, counter, 10, values, texts, defaults, flag);
    EXPECT_EQ(flag, 0);
    EXPECT_TRUE(f.messages.empty());

    inputfile::ReadDataLine(f.report, file, counter, 10, values, texts, defaults, flag);
    EXPECT_EQ(counter, 12);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(values[10], 77.0);
    ASSERT_EQ(f.messages.size(), 1u);
    const auto& msg = f.messages[0];
    EXPECT_EQ(msg.finnish, "1 2 3\r\nRivillä  12 liian vähän lukuja:  3 <  10");
    EXPECT_EQ(msg.english, "1 2 3\r\nLine 12 holds too few numbers: 3 < 10");

    // The same entry went to the error log in Windows-1252 with CR LF.
    EXPECT_EQ(readBytes(f.folder + "quorvel.err"), "1 2 3\r\nRivill\xE4  12 liian v\xE4h\xE4n lukuja:  3 <  10\r\n");

    // The read goes on with the next line; a second short entry is appended.
    inputfile::ReadDataLine(f.report, file, counter, 2, values, texts, defaults, flag);
    EXPECT_EQ(texts[1], "after");
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(f.messages[1].finnish, "after\r\nRivillä  13 liian vähän lukuja:  1 <  2");
    EXPECT_NE(readBytes(f.folder + "quorvel.err").find("Rivill\xE4  13"), std::string::npos);
}

TEST(DataLineParser, ParsedTextShortMessageHasNoLineNumber) {
    Fixture f;
    Parsed p = f.parse(" 4", 3, {});
    ASSERT_EQ(f.messages.size(), 1u);
    EXPECT_EQ(f.messages[0].finnish, " 4\r\nrivillä liian vähän lukuja:  1 <  3");
    EXPECT_EQ(f.messages[0].english, " 4\r\nThe line holds too few numbers: 1 < 3");
}

TEST(DataLineParser, RunTimeFailuresGoToTheCaller) {
    Fixture f;
    auto file = runtime::TextFileReader::fromBytes("only\r\n");
    std::vector<double> values(3);
    std::vector<std::string> texts(4);
    std::vector<std::string> defaults(3, "0");
    int16_t counter = 0;
    int16_t flag = 0;
    inputfile::ReadDataLine(f.report, file, counter, 1, values, texts, defaults, flag);

    // Past the end: error 62, with the counter already increased.
    try {
        inputfile::ReadDataLine(f.report, file, counter, 1, values, texts, defaults, flag);
        ADD_FAILURE() << "no error past the end";
    } catch (const runtime::RunTimeError& e) {
        EXPECT_EQ(e.number(), runtime::ErrInputPastEndOfFile);
    }
    EXPECT_EQ(counter, 2);

    // A counter at the 16-bit limit overflows instead of wrapping.
    file.rewind();
    counter = INT16_MAX;
    try {
        inputfile::ReadDataLine(f.report, file, counter, 1, values, texts, defaults, flag);
        ADD_FAILURE() << "no overflow";
    } catch (const runtime::RunTimeError& e) {
        EXPECT_EQ(e.number(), runtime::ErrOverflow);
    }

    // Arrays too small for the field count.
    std::vector<std::string> shortTexts(3);
    try {
        inputfile::ParseDataFields(f.report, 2, "1 2", values, shortTexts, defaults, flag);
        ADD_FAILURE() << "no subscript error";
    } catch (const runtime::RunTimeError& e) {
        EXPECT_EQ(e.number(), runtime::ErrSubscriptOutOfRange);
    }
}

TEST(ErrorLog, AnUnwritableLogNeverFailsTheRead) {
    ErrorLog log("/nonexistent-folder-for-quorvel/");
    DataLineReporting report{log};
    std::vector<double> values(3);
    std::vector<std::string> texts(4);
    std::vector<std::string> defaults(3, "0");
    int16_t flag = 0;
    inputfile::ParseDataFields(report, 2, "1", values, texts, defaults, flag);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(log.failedWrites(), 1);
}
