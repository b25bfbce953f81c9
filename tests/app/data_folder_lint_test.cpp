// Lints the data folder delivered with the program (data/): every file
// start-up requires is there and reads with the program's own readers, the
// slab geometry is consistent, the strands are the standard ones, every
// strand designation resolves, the coefficient table has every beam family,
// and both heading files hold all 192 items.

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "runtime/input_items.h"
#include "app/input_tools.h"
#include "app/slab_catalogue.h"
#include "inputfile/data_line.h"
#include "inputfile/error_log.h"
#include "inputfile/input_file_reader.h"
#include "model/project_defaults.h"
#include "platform/headless/headless_platform.h"
#include "runtime/number_text.h"
#include "runtime/text_file.h"
#include "test_files.h"

namespace quorvel::app {
namespace {

const std::string dataFolder = std::string(QUORVEL_SOURCE_DIR) + "/data/";

std::string dataFile(const std::string& name) {
    auto path = runtime::findFileIgnoringCase(dataFolder, name);
    if (!path) throw std::runtime_error("missing data file " + name);
    return *path;
}

model::ProjectModel loadedModel() {
    model::ProjectModel m;
    m.DataPath = dataFolder;
    m.SlabFileName = "ONTELO.MIT";
    m.StrandFileName = "PUNOS.VAT";
    LoadSlabCatalogue(m);
    return m;
}

TEST(DataFolder, HoldsEveryFileStartUpRequires) {
    for (const char* name : {"ONTELO.MIT", "KEF.DA0", "TEKSTIT0.DA0", "TEKSTIT1.DA0", "FIRMA.DA0", "PUNOS.VAT"})
        EXPECT_TRUE(runtime::findFileIgnoringCase(dataFolder, name).has_value()) << name;
}

// One catalogue line split by the data-line parser, as the calculation
// reads it.
struct CatalogueLine {
    std::vector<double> values;
    std::vector<std::string> texts;
};

// Reads the catalogue the way the per-calculation reader does: part A with
// at least 6 fields per line up to "LOPPU1", part B with at least 17 up to
// "LOPPU". No line may be short (a short line is a message on every run).
struct ParsedCatalogue {
    std::vector<CatalogueLine> strands;  // part A lines after its title line
    std::vector<CatalogueLine> slabs;    // part B lines after its heading
};

ParsedCatalogue parseCatalogue() {
    testing::TempFolder logFolder;
    inputfile::ErrorLog log(logFolder.dataPath());
    runtime::Messages messages;
    inputfile::DataLineReporting report{log, &messages};
    runtime::TextFileReader file(dataFile("ONTELO.MIT"));
    ParsedCatalogue result;
    int16_t counter = 0;
    int16_t flag = 0;
    auto read = [&](int fields) {
        CatalogueLine line;
        line.values.assign(fields + 2, 0.0);
        line.texts.assign(fields + 2, "");
        std::vector<std::string> defaults(fields + 2, "");
        inputfile::ReadDataLine(report, file, counter, fields, line.values, line.texts, defaults, flag);
        // The closing "LOPPU" cannot have 17 words (start-up would take it
        // for a slab type); the calculation reads it only for an unknown type.
        if (line.texts[1] == "LOPPU") {
            messages.clear();
        } else {
            EXPECT_EQ(flag, 0) << "short catalogue line " << counter;
        }
        return line;
    };
    read(6);  // title of part A
    for (CatalogueLine l = read(6); l.texts[1] != "LOPPU1"; l = read(6)) result.strands.push_back(l);
    read(17);  // heading of part B
    for (CatalogueLine l = read(17); l.texts[1] != "LOPPU"; l = read(17)) result.slabs.push_back(l);
    EXPECT_TRUE(messages.empty()) << messages.front().finnish;
    return result;
}

TEST(DataFolder, StrandTypesAreStandardSevenWireStrands) {
    ParsedCatalogue c = parseCatalogue();
    // prEN 10138-3, Y1860S7: nominal diameter -> cross-section, mm².
    const std::map<double, double> standardArea = {{9.3, 52}, {12.5, 93}, {12.9, 100}};
    std::set<std::string> keys;
    for (const CatalogueLine& s : c.strands) {
        const std::string& key = s.texts[1];
        EXPECT_EQ(key.size(), 1u) << key;
        EXPECT_TRUE(keys.insert(key).second) << "key twice: " << key;
        ASSERT_TRUE(standardArea.count(s.values[2])) << "diameter " << s.values[2];
        EXPECT_DOUBLE_EQ(s.values[3], standardArea.at(s.values[2]));
        EXPECT_DOUBLE_EQ(s.values[4], 1860);    // strength class of Y1860S7
        EXPECT_DOUBLE_EQ(s.values[5], 3.2);     // EN 1992-1-1 8.10.2.2: eta_p1 of 7-wire strand
        EXPECT_DOUBLE_EQ(s.values[6], 195000);  // EN 1992-1-1 3.3.6(3): Ep of strand
    }
    EXPECT_TRUE(keys.count("0")) << "designations ending in a digit need key 0";
}

// Concrete area of one core, mm², from the catalogue geometry: a circle when
// hct = 0; else a circular cap of rise f, a d x (hct + hv) rectangle and two
// bottom corner triangles cut away.
double coreArea(double hc, double hct, double hv, double d, double bb) {
    const double pi = 3.14159;
    if (hct == 0) return pi * d * d / 4;
    const double f = hc - hct - hv;
    const double r = (f * f + d * d / 4) / (2 * f);
    const double arc = 2 * r * std::asin(d / 2 / r);
    const double cap = 0.5 * (r * (arc - d) + d * f);
    return d * (hct + hv) - 0.5 * (d - bb) * hv + cap;
}

TEST(DataFolder, SlabGeometryIsConsistent) {
    ParsedCatalogue c = parseCatalogue();
    ASSERT_GE(c.slabs.size(), 5u);
    int between260And270 = 0;
    for (const CatalogueLine& s : c.slabs) {
        const std::string& name = s.texts[1];
        const auto& v = s.values;
        const double n = v[2], h = v[3], t = v[4], hc = v[5], hct = v[6], hv = v[7], d = v[8], bb = v[9];
        const double b = v[10], db = v[11], e = v[12], g = v[13], gd = v[14], c14 = v[15], ap = v[16], lim = v[17];
        SCOPED_TRACE(name);
        for (char ch : name) EXPECT_TRUE(std::isupper(static_cast<unsigned char>(ch)) || std::isdigit(ch));
        if (h > 260 && h < 270) ++between260And270;
        EXPECT_GE(h, 150);
        EXPECT_LE(h, 500);
        EXPECT_DOUBLE_EQ(b, 1200);
        EXPECT_EQ(n, std::floor(n));
        ASSERT_GE(n, 2);

        // Widths: 2e + (n - 1)s = b, and every web no thinner than the
        // EN 1168 minimum max(17, sqrt(2h)).
        const double s_ = (b - 2 * e) / (n - 1);
        EXPECT_NEAR(2 * e + (n - 1) * s_, b, 1e-9);
        const double minWeb = std::max(17.0, std::sqrt(2 * h));
        EXPECT_GE(s_ - d, minWeb) << "inner web";
        EXPECT_GE(e - (db + d) / 2, minWeb) << "edge web";
        EXPECT_GE(t, minWeb) << "top flange";
        EXPECT_GE(h - t - hc, minWeb) << "bottom flange";
        EXPECT_LE(bb, d);

        // Cap never deeper than half the core width (the cap formula needs
        // 0 < f < d/2); a circular core is as high as it is wide.
        if (hct != 0) {
            const double f = hc - hct - hv;
            EXPECT_GT(f, 0);
            EXPECT_LT(f, d / 2);
        } else {
            EXPECT_DOUBLE_EQ(hc, d);
        }

        // Self weight within 3 % of the concrete area x 25 kN/m³ per metre
        // of width (EN 1991-1-1 Table A.1).
        const double a0 = (b - db) * h - n * coreArea(hc, hct, hv, d, bb);
        const double weight = a0 / b * 1e-3 * 25;  // mm²/mm -> m²/m, kN/m²
        EXPECT_NEAR(g / weight, 1.0, 0.03);
        EXPECT_NEAR(gd, 1.15 * g, 0.006);  // EN 1990 (6.10b): 0.85 x 1.35
        EXPECT_GT(c14, 0);
        EXPECT_LE(c14, 1);
        EXPECT_GT(ap, 20);
        EXPECT_LT(ap, h - t - hc + 20);
        EXPECT_GT(lim, 0);
    }
    EXPECT_EQ(between260And270, 1);
}

TEST(DataFolder, NewProjectTakesTheP27WithItsFirstStrand) {
    model::ProjectModel m = loadedModel();
    model::ResetProjectDefaults(m);
    EXPECT_EQ(m.SlabTypeName(1), "P27");
    EXPECT_EQ(m.SlabTypeName(2), "P27");
    EXPECT_EQ(m.BottomStrandCode(1), "6");
}

TEST(DataFolder, EveryStrandDesignationResolvesToAStrandKey) {
    ParsedCatalogue c = parseCatalogue();
    std::set<std::string> keys;
    for (const CatalogueLine& s : c.strands) keys.insert(s.texts[1]);

    model::ProjectModel m = loadedModel();
    ASSERT_EQ(m.SlabTypeCount, static_cast<int>(c.slabs.size()));
    for (const model::SlabTypeRecord& r : m.SlabCatalogue) {
        SCOPED_TRACE(r.Name);
        EXPECT_GT(r.StrandCount, 0) << "no strand line";
        for (int j = 0; j < r.StrandCount; ++j) {
            const std::string& code = r.StrandNames(j);
            ASSERT_FALSE(code.empty());
            const char last = code.back();
            const std::string key = std::isdigit(static_cast<unsigned char>(last)) ? "0" : std::string(1, last);
            EXPECT_TRUE(keys.count(key)) << code;
            EXPECT_GT(runtime::scanNumber(code), 0) << code;
        }
    }

    // The loader keeps 20 designations of a line and drops the rest
    // silently: no line of the strand file may hold more.
    runtime::TextFileReader strands(dataFile("PUNOS.VAT"));
    bool data = false;
    while (!strands.eof()) {
        const std::string line = strands.readLine();
        if (line.rfind("LOPPU", 0) == 0) break;
        std::vector<std::string> words(1);
        if (data) {
            EXPECT_LE(SplitWords(line, words, 32), model::MaxStrandNames + 1) << line;
        }
        data = data || line.rfind("DATA", 0) == 0;
    }
    EXPECT_TRUE(data);
}

TEST(DataFolder, CoefficientTableHasABlockForEveryBeamFamily) {
    runtime::TextFileReader file(dataFile("KEF.DA0"));
    runtime::InputItemReader items(file);
    const double rows = items.readNumber();
    ASSERT_GE(rows, 1);
    ASSERT_LE(rows, 10);
    std::set<std::string> families;
    std::string header;
    do {
        header = items.readItem();
        families.insert(header == "LOPPU" ? header : header.substr(0, 2));
        SCOPED_TRACE(header);
        for (int column = 0; column < 2; ++column) {
            double previousX = -1;
            for (int j = 1; j <= rows; ++j) {
                items.readItem();  // not used by the lookup
                const double x = items.readNumber();
                const double kcd = items.readNumber();
                const double s = items.readNumber();
                EXPECT_GT(x, previousX) << "abscissas ascend";
                previousX = x;
                // EN 1992-1-1 5.3.2.1: at most 0.2 l0 per side.
                EXPECT_GT(kcd, 0);
                EXPECT_LE(kcd, 0.2);
                EXPECT_GT(s, 0);
                EXPECT_LE(s, 1);
            }
        }
    } while (header != "LOPPU");
    EXPECT_TRUE(items.eof());
    for (const char* code :
         {"JA", "BL", "SU", "BI", "TI", "HQ", "CW", "DE", "HX", "ME", "LB", "KE", "SX", "XX", "KV", "BE", "AP", "AB"})
        EXPECT_TRUE(families.count(code)) << code;
}

TEST(DataFolder, CompanyHeaderHasAName) {
    EXPECT_EQ(inputfile::ReadCompanyName(dataFolder), "Insinööritoimisto Esimerkki Oy");
}

std::vector<std::string> headingItems(const std::string& name) {
    runtime::TextFileReader file(dataFile(name));
    runtime::InputItemReader items(file);
    std::vector<std::string> result(1);  // items from 1
    while (!items.eof()) result.push_back(items.readItem());
    return result;
}

TEST(DataFolder, HeadingFilesHold192ItemsWithTheirCutLengths) {
    for (const char* name : {"TEKSTIT0.DA0", "TEKSTIT1.DA0"}) {
        SCOPED_TRACE(name);
        const std::vector<std::string> item = headingItems(name);
        ASSERT_EQ(item.size(), 193u);
        // The report cuts these items at fixed character positions.
        EXPECT_GE(item[30].size(), 8u);
        EXPECT_GE(item[31].size(), 8u);
        EXPECT_EQ(runtime::utf8ToCp1252(item[188]).size(), 4u);
        EXPECT_EQ(runtime::utf8ToCp1252(item[189]).size(), 4u);
        EXPECT_GE(item[109].size(), 19u);
        EXPECT_GE(runtime::utf8ToCp1252(item[174]).size(), 33u);
        EXPECT_GE(runtime::utf8ToCp1252(item[175]).size(), 12u);
        // Side words are also column heads 7 columns apart.
        EXPECT_LE(item[39].size(), 6u);
        EXPECT_LE(item[40].size(), 6u);
        // Part labels of the section tables line up the number columns.
        for (int k : {24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36})
            EXPECT_EQ(runtime::utf8ToCp1252(item[k]).size(), 13u) << k;
    }
}

// The room a heading item has on its report row, in characters. A row
// label written at column 1 must end before the symbol column c2, and a
// symbol written at c2 before the " = " at column c3 - 3: an item that runs
// into the next column pushes the rest of its row onto a new line.
std::vector<std::pair<int, int>> headingItemRooms() {
    std::vector<std::pair<int, int>> rooms;
    auto labels = [&](std::initializer_list<int> items, int c2) {
        for (int k : items) rooms.emplace_back(k, c2 - 1);
    };
    auto symbols = [&](std::initializer_list<int> items, int c2, int c3) {
        for (int k : items) rooms.emplace_back(k, c3 - 3 - c2);
    };
    labels({41, 50}, 50);  // captions before the side column heads
    labels({93}, 52);
    labels({106}, 49);
    labels({88}, 36);
    labels({42,  43,  44,  45,  51,  52,  53,  54,  62,  63,  64,  66,  67,  68,  69,  70,  71,  94,  96,
            98,  102, 103, 107, 108, 109, 111, 112, 131, 132, 133, 134, 135, 136, 171, 172, 173, 190},
           37);
    labels({167, 168}, 35);
    labels({177}, 41);
    labels({100}, 44);
    labels({118}, 59);
    labels({181, 183, 186}, 58);
    symbols({46, 47, 48, 49, 55, 56, 57, 59, 60, 61, 72, 73, 75, 76, 77, 78, 80, 81, 82, 83, 89, 90, 91}, 37, 49);
    symbols({95, 97, 99, 104, 105, 121, 122, 123, 126, 127, 128, 137, 138, 139, 140, 141, 142, 191, 192}, 37, 50);
    symbols({85, 86, 87}, 60, 70);  // shear flows beside the joint shear rows
    symbols({184}, 58, 62);         // steel web shear stress
    symbols({185}, 58, 66);
    return rooms;
}

TEST(DataFolder, HeadingItemsFitTheirReportColumns) {
    for (const char* name : {"TEKSTIT0.DA0", "TEKSTIT1.DA0"}) {
        SCOPED_TRACE(name);
        const std::vector<std::string> item = headingItems(name);
        ASSERT_EQ(item.size(), 193u);
        auto length = [&](const std::string& text) { return static_cast<int>(runtime::utf8ToCp1252(text).size()); };
        for (const auto& [k, room] : headingItemRooms())
            EXPECT_LE(length(item[k]), room) << "item " << k << " \"" << item[k] << "\"";
        // Labels made of two items, or of an item and four blanks.
        EXPECT_LE(length(item[178] + item[124]), 36);
        EXPECT_LE(length(item[178] + item[179]), 36);
        EXPECT_LE(length(item[50] + "    "), 36);
    }
}

}  // namespace
}  // namespace quorvel::app
