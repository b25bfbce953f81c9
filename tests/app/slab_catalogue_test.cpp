#include "app/slab_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "library/slab_data.h"
#include "platform/headless/headless_platform.h"
#include "runtime/errors.h"
#include "test_files.h"

namespace quorvel::app {
namespace {

using testing::TempFolder;

// 17 words: name, cores, thickness, ..., word 16 the default support length.
std::string slabLine(const std::string& name, const std::string& thickness, const std::string& word16 = "45") {
    return name + " 6 " + thickness + " 35 190 105 30 135 105 1200 20 110 3.60 4.14 0.5 " + word16 + " 60";
}

const std::string strandPart[] = {"PUNOKSET tunnus d A fpk eta Ep", "0 12.5 93 1860 3.2 195000",
                                  "LOPPU1 loppu"};
const std::string heading = "TYYPPI n h t hc hct hv d bb b db e g gd c ap l";

model::ProjectModel modelFor(const TempFolder& folder) {
    model::ProjectModel m;
    m.DataPath = folder.dataPath();
    m.SlabFileName = "ONTELO.MIT";
    m.StrandFileName = "PUNOS.VAT";
    return m;
}

TEST(LoadSlabCatalogue, TakesLinesOf17WordsUpToLoppu) {
    TempFolder folder;
    folder.write("ONTELO.MIT", {strandPart[0], strandPart[1], strandPart[2], heading,
                                slabLine("P27", "265", "47.5"),
                                "P16 6 160 35 190 105 30 135 105 1200 20 110 3.60 4.14 0.5 45",  // 16 words
                                "", slabLine("P32", "320"), "LOPPU", slabLine("P40", "400")});
    folder.write("PUNOS.VAT", {"DATA", "LOPPU"});
    model::ProjectModel m = modelFor(folder);
    m.SlabTypeCount = 9;
    LoadSlabCatalogue(m);
    ASSERT_EQ(m.SlabTypeCount, 2);
    EXPECT_EQ(m.SlabCatalogue(1).Name, "P27");
    EXPECT_FLOAT_EQ(m.SlabCatalogue(1).Thickness, 265);
    EXPECT_FLOAT_EQ(m.SlabCatalogue(1).DefaultSupportLength, 47.5f);
    EXPECT_EQ(m.SlabCatalogue(2).Name, "P32");
    EXPECT_EQ(m.SlabCatalogue(2).StrandCount, 0);  // the strand file names no type
}

TEST(LoadSlabCatalogue, LineAfterLoppu1IsAlwaysTheHeading) {
    TempFolder folder;
    // LOPPU1 on the first line ends part A at once; the slab-like line after
    // it is the heading and is not a slab type.
    folder.write("ONTELO.MIT", {"LOPPU1", slabLine("HEAD", "999"), slabLine("P20", "200"), "LOPPU"});
    folder.write("PUNOS.VAT", {"DATA", "LOPPU"});
    model::ProjectModel m = modelFor(folder);
    LoadSlabCatalogue(m);
    ASSERT_EQ(m.SlabTypeCount, 1);
    EXPECT_EQ(m.SlabCatalogue(1).Name, "P20");
}

TEST(LoadSlabCatalogue, StrandDesignationsPerType) {
    TempFolder folder;
    folder.write("ONTELO.MIT", {strandPart[0], strandPart[1], strandPart[2], heading, slabLine("P27", "265"),
                                slabLine("P32", "320"), slabLine("P40", "400"), "LOPPU"});
    folder.write("punos.vat",  // the name is matched without regard to case
                 {"Kuvaus", "P27 4 5", "DATA", "P27 1 2 3 4 5 6 7 8 9 10 11 12", "",
                  "P27   6  8   10", "p32 6 7",
                  "P40 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24", "LOPPU", "P32 9"});
    model::ProjectModel m = modelFor(folder);
    LoadSlabCatalogue(m);
    const model::SlabTypeRecord& p27 = m.SlabCatalogue(1);
    ASSERT_EQ(p27.StrandCount, 3);  // the last line of a type wins
    EXPECT_EQ(p27.StrandNames(0), "6");
    EXPECT_EQ(p27.StrandNames(1), "8");
    EXPECT_EQ(p27.StrandNames(2), "10");
    EXPECT_EQ(m.SlabCatalogue(2).StrandCount, 0);  // "p32" differs in case; "P32 9" lies after LOPPU
    const model::SlabTypeRecord& p40 = m.SlabCatalogue(3);
    ASSERT_EQ(p40.StrandCount, 20);  // 25 words keep 20 designations
    EXPECT_EQ(p40.StrandNames(0), "1");
    EXPECT_EQ(p40.StrandNames(19), "20");
}

TEST(LoadSlabCatalogue, MissingEndMarkersAreReportedNotReadPast) {
    struct Case {
        std::initializer_list<std::string> catalogue;
        std::initializer_list<std::string> strands;
        std::string marker;
    };
    const Case cases[] = {
        {{strandPart[0], strandPart[1]}, {"DATA", "LOPPU"}, "LOPPU1"},
        {{"LOPPU1"}, {"DATA", "LOPPU"}, "LOPPU"},  // not even the heading
        {{"LOPPU1", heading, slabLine("P27", "265")}, {"DATA", "LOPPU"}, "LOPPU"},
        {{strandPart[1], "LOPPU1", heading, slabLine("P27", "265"), "LOPPU"}, {"P27 6"}, "DATA"},
        {{strandPart[1], "LOPPU1", heading, slabLine("P27", "265"), "LOPPU"}, {"DATA", "P27 6"}, "LOPPU"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        folder.write("ONTELO.MIT", c.catalogue);
        folder.write("PUNOS.VAT", c.strands);
        model::ProjectModel m = modelFor(folder);
        try {
            LoadSlabCatalogue(m);
            ADD_FAILURE() << "no error for a missing " << c.marker;
        } catch (const DataFileError& e) {
            EXPECT_NE(e.text().find("rivi " + c.marker + " puuttuu"), std::string::npos) << e.text();
        }
    }
}

// A comma splits a line into fields: "3,60" typed for 3.60 once dropped the
// slab type's line without a word, "12,5" made a strand key "5", "6,10" cut
// P27's designations to one; ",777" after the last field is a field too
// many. Each refuses its file, naming the file and the line.
TEST(LoadSlabCatalogue, ACommaInALineRefusesTheFileNamingTheLine) {
    const std::string p27 = slabLine("P27", "265");
    struct Case {
        std::vector<std::string> catalogue;
        std::vector<std::string> strands;
        const char* file;
        int line;
    } cases[] = {
        {{strandPart[0], strandPart[1], strandPart[2], heading, "P27 6 265 35 190 105 30 135 105 1200 20 110 3,60 4.14 "
                                                                "0.5 45 60", "LOPPU"},
         {"DATA", "LOPPU"}, "ONTELO.MIT", 5},
        {{strandPart[0], "0 12,5 93 1860 3.2 195000", strandPart[2], heading, p27, "LOPPU"},
         {"DATA", "LOPPU"}, "ONTELO.MIT", 2},
        {{strandPart[0], strandPart[1], strandPart[2], heading, p27 + ",777", "LOPPU"}, {"DATA", "LOPPU"}, "ONTELO.MIT",
         5},
        {{strandPart[0], strandPart[1], strandPart[2], heading, p27, "LOPPU"}, {"Kuvaus, vapaa", "DATA", "P27 6,10", "LOPPU"},
         "PUNOS.VAT", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " line " + std::to_string(c.line));
        auto lines = [](const std::vector<std::string>& all) {
            std::string bytes;
            for (const std::string& line : all) bytes += line + "\r\n";
            return bytes;
        };
        TempFolder folder;
        folder.writeRaw("ONTELO.MIT", lines(c.catalogue));
        folder.writeRaw("PUNOS.VAT", lines(c.strands));
        model::ProjectModel m = modelFor(folder);
        const std::optional<DataFileError> fault = LoadSlabCatalogueOrFault(m);
        ASSERT_TRUE(fault.has_value());
        EXPECT_NE(fault->text().find(folder.dataPath() + c.file), std::string::npos) << fault->text();
        EXPECT_NE(fault->text().find("rivillä " + std::to_string(c.line) + " "), std::string::npos) << fault->text();
    }
    // The description before DATA is free text: a comma there is no fault.
    TempFolder folder;
    folder.write("ONTELO.MIT", {strandPart[0], strandPart[1], strandPart[2], heading, p27, "LOPPU"});
    folder.write("PUNOS.VAT", {"Kuvaus, vapaa", "DATA", "P27 6 10", "LOPPU"});
    model::ProjectModel m = modelFor(folder);
    EXPECT_FALSE(LoadSlabCatalogueOrFault(m).has_value());
    EXPECT_EQ(m.SlabCatalogue(1).StrandCount, 2);
}

// The start-up and the calculation read each line alike: P27's line with
// tabs, commas or ", " between its fields is P27 for both; a NUL byte after
// the last field is named as a control character; of two lines of one
// slab type or strand key both read the later (the start-up names the two
// lines); a slab line with too few fields is named and not offered. The
// later P27 line has its strand axis (field 16) at 47 mm instead of 45, the
// later key "0" line the diameter 12.7 mm instead of 12.5. A line that
// cannot serve gets one verdict in the same words from both: the start-up
// refuses the catalogue as the calculation refuses the line (a missing
// field is named by the start-up, the type not offered), and a missing
// field is never called a 0 out of its range.
TEST(LoadSlabCatalogue, TheStartUpAndTheCalculationReadEachLineAlike) {
    std::string tabbed = slabLine("P27", "265");
    std::replace(tabbed.begin(), tabbed.end(), ' ', '\t');
    const std::string key0 = "0 12.7 98 1860 3.2 195000";
    auto commas = [](const std::string& separator) {  // P27's line, fields between separators
        std::string line;
        for (const char c : slabLine("P27", "265")) line += c == ' ' ? separator : std::string(1, c);
        return line;
    };
    struct Row {
        const char* what;
        std::vector<std::string> catalogue;
        std::vector<std::string> offered;
        const char* note;  // what the start-up says, after the file's name
        double axis;       // P27's strand axis, mm, at start-up and in the calculation
        double diameter;   // the diameter of key 0, mm
        const char* refused = "";  // the verdict on P27's or key 0's line, in both readers' message
    } rows[] = {
        {"tabs", {strandPart[0], strandPart[1], strandPart[2], heading, tabbed, "LOPPU"}, {"P27"}, "", 45, 12.5},
        {"two P27 lines",
         {strandPart[0], strandPart[1], strandPart[2], heading, slabLine("P27", "265"), slabLine("P32", "320"),
          slabLine("P27", "265", "47"), "LOPPU"},
         {"P27", "P32"},
         "\r\nline 7: slab type P27 is also on line 5; line 7 is used.",
         47,
         12.5},
        {"two lines of key 0",
         {strandPart[0], strandPart[1], key0, strandPart[2], heading, slabLine("P27", "265"), "LOPPU"},
         {"P27"},
         "\r\nline 3: strand key 0 is also on line 2; line 3 is used.",
         45,
         12.7},
        {"a short slab line",
         {strandPart[0], strandPart[1], strandPart[2], heading, slabLine("P16", "160").substr(0, 60),
          slabLine("P27", "265"), "LOPPU"},
         {"P27"},
         "\r\nline 5: field 17 (l.tuki) is missing; slab type P16 is not offered.",
         45,
         12.5},
        {"g with a decimal comma",
         {strandPart[0], strandPart[1], strandPart[2], heading,
          "P27 6 265 35 190 105 30 135 105 1200 20 110 3,60 4.14 0.5 45 60", "LOPPU"},
         {}, "", 0, 0, "line 5, P27: field 13 (g) \"3,60\" is not a number (the decimal mark is a point)."},
        {"a field after the last",
         {strandPart[0], strandPart[1], strandPart[2], heading, slabLine("P27", "265") + " 777", "LOPPU"},
         {}, "", 0, 0, "line 5, P27: after field 17 (l.tuki) the line still holds \"777\": the line has 17 fields."},
        {"commas", {strandPart[0], "0,12.5,93,1860,3.2,195000", strandPart[2], heading, commas(","), "LOPPU"},
         {"P27"}, "", 45, 12.5},
        {"commas and blanks",
         {strandPart[0], "0, 12.5, 93, 1860, 3.2, 195000", strandPart[2], heading, commas(", "), "LOPPU"},
         {"P27"}, "", 45, 12.5},
        {"a NUL byte after the last field",
         {strandPart[0], strandPart[1], strandPart[2], heading, slabLine("P27", "265") + std::string(" \0", 2), "LOPPU"},
         {}, "", 0, 0, "line 5, P27: the line holds a control character (code 0)."},
        {"a number beyond the double range",
         {strandPart[0], "0 12.5 93 1e400 3.2 195000", strandPart[2], heading, slabLine("P27", "265"), "LOPPU"},
         {}, "", 0, 0, "line 2, 0: field 4 (fpk) \"1e400\" is not a usable number (too large)."},
        {"P27 ends before its last field",
         {strandPart[0], strandPart[1], strandPart[2], heading, slabLine("P27", "265").substr(0, 60) + " / 60",
          slabLine("P32", "320"), "LOPPU"},
         {"P32"}, "\r\nline 5: field 17 (l.tuki) is missing; slab type P27 is not offered.", 0, 0,
         "line 5, P27: field 17 (l.tuki) is missing."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempFolder folder;
        std::string bytes;
        for (const std::string& line : row.catalogue) bytes += line + "\r\n";
        folder.writeRaw("ONTELO.MIT", bytes);
        folder.write("PUNOS.VAT", {"DATA", "LOPPU"});
        model::ProjectModel m = modelFor(folder);
        std::optional<runtime::Message> note;
        std::string startUpRefusal;
        try {
            note = LoadSlabCatalogue(m);
        } catch (const DataFileError& e) {
            startUpRefusal = e.text(1);
        }
        EXPECT_EQ(note ? note->english : "",
                  *row.note ? "The slab catalogue " + folder.dataPath() + "ONTELO.MIT:" + row.note : "");
        std::vector<std::string> offered;
        for (const model::SlabTypeRecord& record : m.SlabCatalogue) offered.push_back(record.Name);
        EXPECT_EQ(offered, row.offered);
        m.SlabTypeName(1) = "P27";
        m.BottomStrandType(1) = "0";
        m.TopStrandType(1) = "";
        runtime::Messages messages;
        int16_t status = 0;
        library::ReadSlabAndStrandData(m, messages, 1, status);
        if (*row.refused) {
            EXPECT_EQ(status, -1);
            ASSERT_FALSE(messages.empty());
            const std::string& verdict = messages.back().english;
            EXPECT_NE(verdict.find(folder.dataPath() + "ONTELO.MIT, " + row.refused), std::string::npos) << verdict;
            EXPECT_EQ(verdict.find("not allowed"), std::string::npos) << verdict;
            EXPECT_EQ(startUpRefusal, *row.note ? "" : verdict);
            continue;
        }
        ASSERT_EQ(startUpRefusal, "");
        ASSERT_NE(m.SlabCatalogue.find("P27"), nullptr);
        EXPECT_FLOAT_EQ(m.SlabCatalogue.find("P27")->DefaultSupportLength, static_cast<float>(row.axis));
        ASSERT_EQ(m.SlabCatalogue.strandTypes().size(), 2u);  // the title line's key and "0"
        EXPECT_EQ(m.SlabCatalogue.strandTypes()[1].diameter, row.diameter);
        ASSERT_EQ(status, 0) << (messages.empty() ? "" : messages[0].english);
        EXPECT_EQ(m.BottomStrandAxisDistance(1), row.axis);
        EXPECT_EQ(m.BottomStrandDiameter(1), row.diameter);
    }
}

TEST(LoadSlabCatalogue, CatalogueWithoutSlabTypesIsAFatalDataError) {
    TempFolder folder;
    folder.write("ONTELO.MIT", {strandPart[0], strandPart[1], strandPart[2], heading, "P27 6 265", "LOPPU"});
    folder.write("PUNOS.VAT", {"DATA", "LOPPU"});
    model::ProjectModel m = modelFor(folder);
    try {
        LoadSlabCatalogue(m);
        FAIL() << "an empty catalogue was accepted";
    } catch (const DataFileError& e) {
        platform::HeadlessPlatform ui;
        ui.expectMessage("Laattatiedostossa " + folder.dataPath() + "ONTELO.MIT ei ole yhtään laattatyyppiä.",
                         "Vakava virhe!", platform::Buttons::Ok, platform::Icon::Critical);
        ShowDataFileError(ui, e);
        ui.verify();
    }
}

TEST(LoadSlabCatalogue, MissingFileIsARunTimeError) {
    TempFolder folder;
    model::ProjectModel m = modelFor(folder);
    try {
        LoadSlabCatalogue(m);
        FAIL();
    } catch (const runtime::RunTimeError& e) {
        EXPECT_EQ(e.number(), runtime::ErrFileNotFound);
    }
}

}  // namespace
}  // namespace quorvel::app
