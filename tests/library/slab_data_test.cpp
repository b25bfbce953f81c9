#include "library/slab_data.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "support/test_support.h"

using namespace quorvel;
using library::ReadSlabAndStrandData;
using library::TrimIdentifier;
using model::ProjectModel;
using quorvel::testing::TempFolder;

namespace {

// The Finnish texts of the messages, in order.
std::vector<std::string> finnishOf(const runtime::Messages& messages) {
    std::vector<std::string> texts;
    for (const runtime::Message& message : messages) texts.push_back(message.finnish);
    return texts;
}

// The catalogue delivered in data/, copied so that nothing the reader
// writes (the error log) lands in the source tree.
void copyDeliveredCatalogue(const TempFolder& folder) {
    std::filesystem::copy_file(std::string(QUORVEL_SOURCE_DIR) + "/data/ONTELO.MIT", folder.file("ONTELO.MIT"));
}

ProjectModel modelFor(const TempFolder& folder, const std::string& slab, const std::string& bottom,
                      const std::string& top) {
    ProjectModel m;
    m.DataPath = folder.dataPath();
    m.SlabFileName = "ONTELO.MIT";
    for (int s = 1; s <= 2; ++s) {
        m.SlabTypeName(s) = slab;
        m.BottomStrandType(s) = bottom;
        m.TopStrandType(s) = top;
    }
    return m;
}

// A small catalogue: title, strand lines, LOPPU1, heading, slab lines, LOPPU.
const char* strandTitle = "PUNOKSET tunnus d A fpk eta Ep";
const char* slabHeading = "TYYPPI n h t hc hct hv d bb b db e g gd c14 ap lim";

std::string slabLine(const std::string& name, const std::string& cores = "6", const std::string& hct = "105") {
    return name + " " + cores + " 265 35 190 " + hct + " 30 135 105 1200 20 110 3.60 4.14 0.5 45 60";
}

}  // namespace

TEST(TrimIdentifier, SplitsCountAndKey) {
    std::string key = "x";
    runtime::Value count;
    TrimIdentifier("6", key, count);  // a plain number is key 0
    EXPECT_EQ(key, "0");
    EXPECT_EQ(count, 6);
    TrimIdentifier("12S", key, count);
    EXPECT_EQ(key, "S");
    EXPECT_EQ(count, 12);
    TrimIdentifier("10", key, count);
    EXPECT_EQ(key, "0");
    EXPECT_EQ(count, 10);
    TrimIdentifier("0", key, count);  // no top strands, still key 0
    EXPECT_EQ(key, "0");
    EXPECT_EQ(count, 0);
    TrimIdentifier("", key, count);
    EXPECT_EQ(key, "");
    EXPECT_EQ(count, 0);
    EXPECT_FALSE(count.isEmpty());

    int16_t whole = -1;
    TrimIdentifier("14L", key, whole);
    EXPECT_EQ(key, "L");
    EXPECT_EQ(whole, 14);

    // The key is the last character, not the last byte of its UTF-8 text:
    // "Ä" is two bytes, "€" three.
    const struct {
        const char *code, *key;
        int count;
    } wide[] = {{"6Ä", "Ä", 6}, {"8€", "€", 8}, {"Ä", "Ä", 0}, {"12aÄ", "Ä", 12}};
    for (const auto& c : wide) {
        TrimIdentifier(c.code, key, whole);
        EXPECT_EQ(key, c.key) << c.code;
        EXPECT_EQ(whole, c.count) << c.code;
    }
}

// A strand key that is not ASCII, split from its designation, finds its
// catalogue line (the file in Windows-1252, the key in UTF-8).
TEST(ReadSlabAndStrandData, NonAsciiStrandKeyFromItsDesignation) {
    TempFolder folder;
    folder.write("ONTELO.MIT", {strandTitle, "S 9.3 52 1860 3.2 195000", "Ä 15.2 140 1860 3.2 195000",
                                "LOPPU1", slabHeading, slabLine("P27"), "LOPPU"});
    runtime::Messages messages;
    std::vector<std::string> expected;  // no message unless named
    ProjectModel m = modelFor(folder, "P27", "", "");
    TrimIdentifier("6Ä", m.BottomStrandType(1), m.BottomStrandCount(1));
    int16_t status = 0;
    ReadSlabAndStrandData(m, messages, 1, status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(m.BottomStrandCount(1), 6);
    EXPECT_EQ(m.BottomStrandDiameter(1), 15.2);
    EXPECT_EQ(m.BottomStrandArea(1), 140);
    EXPECT_EQ(finnishOf(messages), expected);
}

// Every slab type and strand key of the delivered catalogue, as data/README.md
// tabulates them, reads back into the model.
TEST(ReadSlabAndStrandData, DeliveredCatalogueReadsBackEveryTypeAndKey) {
    struct Strand {
        const char* key;
        double diameter, area, strength, bond, modulus;
    };
    const Strand strands[] = {{"0", 12.5, 93, 1860, 3.2, 195000},
                              {"S", 9.3, 52, 1860, 3.2, 195000},
                              {"L", 12.9, 100, 1860, 3.2, 195000}};
    struct Slab {
        const char* name;
        double n, h, t, hc, hct, hv, d, bb, b, db, e, g, gd, c14, ap, lim;
    };
    const Slab slabs[] = {
        {"P15", 7, 150, 25, 100, 50, 20, 130, 100, 1200, 20, 105, 2.01, 2.31, 0.5, 35, 60},
        {"P20", 7, 200, 30, 140, 75, 25, 135, 105, 1200, 20, 105, 2.44, 2.81, 0.5, 35, 60},
        {"P27", 6, 265, 35, 190, 105, 30, 135, 105, 1200, 20, 110, 3.60, 4.14, 0.5, 45, 60},
        {"P32", 5, 320, 35, 245, 130, 40, 175, 135, 1200, 20, 130, 3.82, 4.39, 0.5, 45, 60},
        {"P37", 4, 370, 57, 255, 0, 0, 255, 255, 1200, 20, 171, 4.84, 5.57, 0.5, 45, 60},
        {"P40", 4, 400, 35, 330, 180, 60, 220, 170, 1200, 20, 150, 4.32, 4.97, 0.5, 45, 100},
        {"P50", 4, 500, 40, 420, 260, 70, 210, 160, 1200, 20, 150, 5.47, 6.29, 0.5, 45, 100},
    };
    TempFolder folder;
    copyDeliveredCatalogue(folder);
    runtime::Messages messages;
    std::vector<std::string> expected;  // no message unless named
    for (const Slab& x : slabs) {
        for (const Strand& bottom : strands) {
            const Strand& top = strands[(&bottom - strands + 1) % 3];  // another key on top
            SCOPED_TRACE(std::string(x.name) + " " + bottom.key + "/" + top.key);
            ProjectModel m = modelFor(folder, x.name, bottom.key, top.key);
            int16_t status = 0;
            ReadSlabAndStrandData(m, messages, 2, status);
            ASSERT_EQ(status, 0);
            EXPECT_EQ(m.CurrentFileNumber, 3);
            EXPECT_EQ(m.SlabCoreCount(2), x.n);
            EXPECT_EQ(m.SlabHeight(2), x.h);
            EXPECT_EQ(m.SlabTopFlangeThickness(2), x.t);
            EXPECT_EQ(m.SlabCoreHeight(2), x.hc);
            EXPECT_EQ(m.SlabDimensionHct(2), x.hct);
            EXPECT_EQ(m.SlabDimensionHv(2), x.hv);
            EXPECT_EQ(m.SlabCoreWidth(2), x.d);
            EXPECT_EQ(m.SlabRecordValue8(2), x.bb);
            EXPECT_EQ(m.SlabUnitWidth(2), x.b);
            EXPECT_EQ(m.SlabWidthDeduction(2), x.db);
            EXPECT_EQ(m.SlabEdgeCoreDistance(2), x.e);
            EXPECT_EQ(m.SlabSelfWeight(2), x.g);
            EXPECT_EQ(m.SlabSelfWeightDesign(2), x.gd);
            EXPECT_EQ(m.SlabRecordValue14(2), x.c14);
            EXPECT_EQ(m.BottomStrandAxisDistance(2), x.ap);
            EXPECT_EQ(m.SlabSupportLengthLimit(2), x.lim);
            // h.fy.dim = t + h/80 and h.fa = h - h.fy.dim - hc.
            EXPECT_DOUBLE_EQ(m.SlabTopFlangeDesignThickness(2), x.t + x.h / 80);
            EXPECT_DOUBLE_EQ(m.SlabBottomFlangeThickness(2), x.h - (x.t + x.h / 80) - x.hc);

            EXPECT_EQ(m.BottomStrandDiameter(2), bottom.diameter);
            EXPECT_EQ(m.BottomStrandArea(2), bottom.area);
            EXPECT_EQ(m.BottomStrandStrength(2), bottom.strength);
            EXPECT_EQ(m.BottomStrandBondFactor(2), bottom.bond);
            EXPECT_EQ(m.SlabStrandModulus(2), bottom.modulus);
            EXPECT_EQ(m.TopStrandDiameter(2), top.diameter);
            EXPECT_EQ(m.TopStrandArea(2), top.area);
            EXPECT_EQ(m.TopStrandBondFactor(2), top.bond);
            EXPECT_EQ(m.TopStrandAxisDistance(2), x.ap);
            // Side 1 is left alone.
            EXPECT_TRUE(m.SlabHeight(1).isEmpty());
        }
    }
    EXPECT_EQ(finnishOf(messages), expected);
}

TEST(ReadSlabAndStrandData, TopStrandsEmptyOrZero) {
    TempFolder folder;
    folder.write("ONTELO.MIT", {strandTitle, "0 12.5 93 1860 3.2 195000", "S 9.3 52 1860 2.7 195000", "LOPPU1",
                                slabHeading, slabLine("P27"), "LOPPU"});
    runtime::Messages messages;
    std::vector<std::string> expected;  // no message unless named
    // An empty designation: no top strands, no second search.
    ProjectModel m = modelFor(folder, "P27", "S", "");
    m.TopStrandDiameter(1) = 12.5;
    m.TopStrandArea(1) = 93.0;
    int16_t status = 0;
    ReadSlabAndStrandData(m, messages, 1, status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(m.TopStrandDiameter(1), 0);
    EXPECT_EQ(m.TopStrandArea(1), 0);
    EXPECT_EQ(m.TopStrandBondFactor(1), 1.1);
    EXPECT_EQ(m.TopStrandAxisDistance(1), 45);
    EXPECT_EQ(m.BottomStrandBondFactor(1), 2.7);

    // Designation "0": key 0 is searched and its values taken.
    ProjectModel z = modelFor(folder, "P27", "S", "0");
    ReadSlabAndStrandData(z, messages, 1, status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(z.TopStrandDiameter(1), 12.5);
    EXPECT_EQ(z.TopStrandArea(1), 93);
    EXPECT_EQ(z.TopStrandBondFactor(1), 3.2);
    EXPECT_EQ(finnishOf(messages), expected);
}

// Of two lines of one key the last is read, as the start-up lists it.
TEST(ReadSlabAndStrandData, LastOfTwoEqualKeysAndWholeCoreCount) {
    TempFolder folder;
    folder.write("ONTELO.MIT", {strandTitle, "S 7.0 30 1770 2.7 190000", "S 9.3 52 1860 3.2 195000", "LOPPU1",
                                slabHeading, slabLine("P27", "3"), slabLine("P27", "5.9"), "LOPPU"});
    runtime::Messages messages;
    std::vector<std::string> expected;  // no message unless named
    ProjectModel m = modelFor(folder, "P27", "S", "S");
    int16_t status = 0;
    ReadSlabAndStrandData(m, messages, 1, status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(m.BottomStrandDiameter(1), 9.3);
    EXPECT_EQ(m.TopStrandDiameter(1), 9.3);
    EXPECT_EQ(m.SlabStrandModulus(1), 195000);
    EXPECT_EQ(m.SlabCoreCount(1), 5);  // 5.9 rounded down, and the last P27 line
    EXPECT_EQ(finnishOf(messages), expected);
}

TEST(ReadSlabAndStrandData, UnknownSlabTypeFailsWithTheListOfTypes) {
    TempFolder folder;
    copyDeliveredCatalogue(folder);
    runtime::Messages messages;
    std::vector<std::string> expected;
    // The end line holds no data: it is not reported as a short line.
    // Typed in lower case: not the catalogue's name.
    expected.push_back("*** VIRHE ***: Laattatyyppi p27 tuntematon \n"
                     "laattatyyppi isoilla kirjaimilla ilman väliä\n"
                     "Laattatiedostossa olevat laattatyyppien tunnukset:\nP15\nP20\nP27\nP32\nP37\nP40\nP50");
    ProjectModel m = modelFor(folder, "p27", "0", "");
    m.SlabHeight(1) = 999.0;
    int16_t status = 0;
    ReadSlabAndStrandData(m, messages, 1, status);
    EXPECT_EQ(finnishOf(messages), expected);
    EXPECT_EQ(status, -1);
    EXPECT_EQ(m.SlabHeight(1), 999);  // not read
}

TEST(ReadSlabAndStrandData, UnknownStrandKeyFailsWithTheListOfKeys) {
    TempFolder folder;
    copyDeliveredCatalogue(folder);
    const std::string message = "*** VIRHE ***:Punostunnus X tuntematon \n"
                                "Laattatiedostossa olevat punostunnukset\n\n0\nS\nL";
    runtime::Messages messages;
    std::vector<std::string> expected;
    expected.push_back(message);
    ProjectModel bottom = modelFor(folder, "P27", "X", "");
    int16_t status = 0;
    ReadSlabAndStrandData(bottom, messages, 1, status);
    EXPECT_EQ(status, -1);
    EXPECT_TRUE(bottom.SlabHeight(1).isEmpty());

    // Unknown top key: the slab was read, the top strands were not.
    expected.push_back(message);
    ProjectModel top = modelFor(folder, "P27", "0", "X");
    status = 0;
    ReadSlabAndStrandData(top, messages, 2, status);
    EXPECT_EQ(finnishOf(messages), expected);
    EXPECT_EQ(status, -1);
    EXPECT_EQ(top.SlabHeight(2), 265);
    EXPECT_TRUE(top.TopStrandDiameter(2).isEmpty());
    EXPECT_EQ(messages[0].english, "*** ERROR ***: strand key X unknown \nStrand keys in the slab catalogue\n\n0\nS\nL");
}

TEST(ReadSlabAndStrandData, CatalogueOfFortyLinesPerPart) {
    // 40 strand lines and 40 slab lines: searches reach the last of them,
    // and a missing type lists all 40.
    TempFolder folder;
    std::string bytes = std::string(strandTitle) + "\r\n";
    for (int i = 0; i < 40; ++i)
        bytes += std::string(1, static_cast<char>('A' + i % 26)) + (i < 26 ? "" : "x") + " " +
                 std::to_string(5 + i / 4) + " 15 1860 3.2 195000\r\n";
    bytes += "LOPPU1\r\n" + std::string(slabHeading) + "\r\n";
    std::string names;
    for (int i = 1; i <= 40; ++i) {
        bytes += slabLine("T" + std::to_string(i), std::to_string(1 + i % 7)) + "\r\n";
        names += "\nT" + std::to_string(i);
    }
    bytes += "LOPPU\r\n";
    folder.writeRaw("ONTELO.MIT", bytes);

    runtime::Messages messages;
    std::vector<std::string> expected;  // no message unless named
    // Line 40 of part A is "Nx" (i = 39), diameter 14; line 25 is "Y" (i = 24), 11.
    ProjectModel m = modelFor(folder, "T40", "Nx", "Y");
    int16_t status = 0;
    ReadSlabAndStrandData(m, messages, 1, status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(m.BottomStrandDiameter(1), 14);
    EXPECT_EQ(m.TopStrandDiameter(1), 11);
    EXPECT_EQ(m.SlabCoreCount(1), 1 + 40 % 7);

    expected.push_back("*** VIRHE ***: Laattatyyppi T41 tuntematon \n"
                     "laattatyyppi isoilla kirjaimilla ilman väliä\n"
                     "Laattatiedostossa olevat laattatyyppien tunnukset:" + names);
    ProjectModel missing = modelFor(folder, "T41", "A", "");
    ReadSlabAndStrandData(missing, messages, 1, status);
    EXPECT_EQ(finnishOf(messages), expected);
    EXPECT_EQ(status, -1);
}

// A catalogue value the section cannot be built from is named with the
// file, its line and the value, and the side is not calculated: a slab with
// no core gave a slab moment of 0 for every beam type.
TEST(ReadSlabAndStrandData, ValuesOutsideThePhysicalLimitsAreNamedWithTheirLine) {
    struct Case {
        std::string strand, slab, named;
    } cases[] = {
        {"0 12.5 93 1860 3.2 195000", slabLine("P27", "0"), "rivillä 5 tunnuksen P27 arvo onteloita = 0 "},
        {"0 12.5 93 1860 3.2 195000", slabLine("P27", "0.5"), "rivillä 5 tunnuksen P27 arvo onteloita = 0.5 "},
        {"0 12.5 93 1860 3.2 195000", "P27 6 -265 35 190 105 30 135 105 1200 20 110 3.6 4.14 0.5 45 60",
         "rivillä 5 tunnuksen P27 arvo h = -265 "},
        {"0 12.5 93 1860 3.2 195000", "P27 6 265 35 190 105 30 135 105 0 20 110 3.6 4.14 0.5 45 60",
         "rivillä 5 tunnuksen P27 arvo b.hc = 0 "},
        {"0 12.5 93 1860 3.2 195000", "P27 6 265 35 190 105 30 135 105 1200 20 110 1E+39 4.14 0.5 45 60",
         "rivillä 5 tunnuksen P27 arvo g = 1E\\+39 "},
        // A support length limit of 0 caps every bearing to nothing (the
        // calculation stopped with error 11); one of 1 mm gave the SUORA
        // example a slab shear utilisation of 0.568 instead of 0.725.
        {"0 12.5 93 1860 3.2 195000", "P27 6 265 35 190 105 30 135 105 1200 20 110 3.6 4.14 0.5 45 0",
         "rivillä 5 tunnuksen P27 arvo l.tuki = 0 "},
        {"0 12.5 93 1860 3.2 195000", "P27 6 265 35 190 105 30 135 105 1200 20 110 3.6 4.14 0.5 45 24.9",
         "rivillä 5 tunnuksen P27 arvo l.tuki = 24.9 "},
        {"0 12.5 0 1860 3.2 195000", slabLine("P27"), "rivillä 2 tunnuksen 0 arvo pinta-ala = 0 "},
        // The largest value taken is a million itself.
        {"0 12.5 93 1860 3.2 195000", "P27 6 265 35 190 105 30 135 105 1200 20 110 3.6 4.14 0.5 45 1000000", ""},
        {"0 12.5 93 1860 3.2 195000", "P27 6 265 35 190 105 30 135 105 1200 20 110 3.6 4.14 0.5 45 1000000.5",
         "rivillä 5 tunnuksen P27 arvo l.tuki = 1000000.5 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.named);
        TempFolder folder;
        folder.write("ONTELO.MIT", {strandTitle, c.strand, "LOPPU1", slabHeading, c.slab, "LOPPU"});
        runtime::Messages messages;
        ProjectModel m = modelFor(folder, "P27", "0", "");
        int16_t status = 0;
        ReadSlabAndStrandData(m, messages, 1, status);
        if (c.named.empty()) {
            EXPECT_EQ(finnishOf(messages), std::vector<std::string>{});
            EXPECT_EQ(status, 0);
            EXPECT_EQ(m.SlabSupportLengthLimit(1), 1e6);
            continue;
        }
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(std::regex_search(messages[0].finnish,
                                      std::regex("^\\*\\*\\* VIRHE \\*\\*\\*: Laattatiedoston .*ONTELO\\.MIT " +
                                                 c.named + "ei ole sallittu [^]*Korjaa laattatiedoston rivi\\.$")))
            << messages[0].finnish;
        EXPECT_EQ(status, -1);
    }
}

TEST(ReadSlabAndStrandData, FileFaultsAreRunTimeErrors) {
    TempFolder folder;
    runtime::Messages messages;
    int16_t status = 0;
    ProjectModel m = modelFor(folder, "P27", "0", "");
    EXPECT_EQ(quorvel::testing::errorOf([&] { ReadSlabAndStrandData(m, messages, 1, status); }), 53);

    // Part B without its end line: the search reads past the end.
    folder.write("ONTELO.MIT", {strandTitle, "0 12.5 93 1860 3.2 195000", "LOPPU1", slabHeading, slabLine("P20")});
    EXPECT_EQ(quorvel::testing::errorOf([&] { ReadSlabAndStrandData(m, messages, 1, status); }), 62);
    // A side that is neither 1 nor 2.
    EXPECT_EQ(quorvel::testing::errorOf([&] { ReadSlabAndStrandData(m, messages, 3, status); }), 9);
    EXPECT_EQ(status, 0);
}

TEST(ReadSlabAndStrandData, ShortHeadingIsReportedAndTheSearchGoesOn) {
    // The heading after LOPPU1 is read like a slab line of 17 fields.
    TempFolder folder;
    folder.write("ONTELO.MIT",
                 {strandTitle, "0 12.5 93 1860 3.2 195000", "LOPPU1", "TYYPPI h", slabLine("P27"), "LOPPU"});
    runtime::Messages messages;
    std::vector<std::string> expected;
    expected.push_back("TYYPPI h\r\nRivillä  4 liian vähän lukuja:  2 <  17");
    ProjectModel m = modelFor(folder, "P27", "0", "");
    int16_t status = 0;
    ReadSlabAndStrandData(m, messages, 1, status);
    EXPECT_EQ(finnishOf(messages), expected);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(m.SlabHeight(1), 265);
}
