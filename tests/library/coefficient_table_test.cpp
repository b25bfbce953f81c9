#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "library/coefficient_table.h"
#include "model/project_model.h"
#include "support/test_support.h"
#include "test_support.h"

using namespace quorvel::library;
using quorvel::model::ProjectModel;
using quorvel::runtime::Value;
using quorvel::testing::TempFolder;

namespace {

struct Lookup {
    double kcd;
    double extra;
};

Lookup lookup(ProjectModel& m, std::string type, double x, int16_t onTop, int16_t dowelled) {
    Value result, extra;
    LookupKefCoefficient(m, type, "P27", x, 105, onTop, dowelled, result, extra);
    return {result, extra};
}

int lookupError(ProjectModel& m, std::string type, int16_t onTop = 0, int16_t dowelled = 0,
                double x = 265) {
    return errorOf([&] { lookup(m, type, x, onTop, dowelled); });
}

// A development table of three rows, its values inside the table's limits
// (0 < k_cd <= 0.2, 0 < S <= 1). Column 0 of "SUORA" rises 0.05, 0.08,
// 0.11 over the heights 200, 300, 400; column 1 is 0.12, 0.14, 0.18. S
// differs per record (the last record read of a block carries 0.9). "DELTA"
// has its own values so that a lookup shows which block it read; a lower-case
// "suora" block and an "SUX" block stand before "LOPPU".
const std::initializer_list<std::string> developmentTable = {
    "3",
    "\"DELTA\"",
    "1,200,0.01,0.1", "2,300,0.02,0.1", "3,400,0.03,0.1",
    "1,200,0.04,0.1", "2,300,0.05,0.1", "3,400,0.06,0.7",
    "\"SUORA\"",
    "1,200,0.05,0.1", "2,300,0.08,0.2", "3,400,0.11,0.3",
    "1,200,0.12,0.4", "2,300,0.14,0.5", "3,400,0.18,0.9",
    "\"lbl\"",
    "1,200,0.191,0.1", "2,300,0.191,0.1", "3,400,0.191,0.1",
    "1,200,0.192,0.1", "2,300,0.192,0.1", "3,400,0.192,0.1",
    "\"MEKX\"",
    "1,200,0.181,0.1", "2,300,0.181,0.1", "3,400,0.181,0.1",
    "1,200,0.182,0.1", "2,300,0.182,0.1", "3,400,0.182,0.8",
    "\"LOPPU\"",
    "1,200,0.111,0.1", "2,300,0.111,0.1", "3,400,0.111,0.1",
    "1,200,0.121,0.1", "2,300,0.121,0.1", "3,400,0.121,0.6",
};

class DevelopmentTable : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write("kef.da0", developmentTable);
        m.DataPath = folder.dataPath();
    }
    TempFolder folder;
    ProjectModel m;
};

}  // namespace

TEST(CoefficientTableShipped, EveryBeamTypeReadsItsCoefficientsAndTheWholeFileParses) {
    // The shipped values (data/README.md): dowelled joints 0.20, the bound
    // b_eff,i <= 0.2 l0 of EN 1992-1-1 5.3.2.1(3), expression (5.7a);
    // joints without dowels half of it, 0.10; the core-filling factor S 0.5.
    ProjectModel m;
    m.DataPath = QUORVEL_SOURCE_DIR "/data/";
    for (const char* type : {"SUORA", "BLEUKA", "JALO", "BI", "KVATRO", "BESUPER", "LBL",
                             "KEMO_UUSI", "Apalkki", "TI", "HQ", "CWQ", "DELTA", "MEK", "ABeamS",
                             "HX", "SX", "XX"}) {
        SCOPED_TRACE(type);
        for (double x : {150.0, 265.0, 500.0, 600.0}) {
            // Both flags set the column whichever flag the family reads.
            const Lookup undowelled = lookup(m, type, x, 0, 0);
            const Lookup dowelled = lookup(m, type, x, 1, 1);
            EXPECT_NEAR(undowelled.kcd, 0.10, 1e-12);
            EXPECT_NEAR(dowelled.kcd, 0.20, 1e-12);
            EXPECT_NEAR(dowelled.extra, 0.5, 1e-12);
        }
    }
    // A family without a block reads every block up to "LOPPU", so the whole
    // file must parse with complete blocks.
    const Lookup none = lookup(m, "QQ", 265, 0, 1);
    EXPECT_NEAR(none.kcd, 0.20, 1e-12);
    EXPECT_NEAR(none.extra, 0.5, 1e-12);
}

TEST_F(DevelopmentTable, InterpolatesLinearlyAndHoldsTheEndValues) {
    // Column 0 of SUORA (DowelsOnBeamTop = 0):
    EXPECT_NEAR(lookup(m, "SUORA", 150, 0, 1).kcd, 0.05, 1e-12);  // below 200: first row
    EXPECT_NEAR(lookup(m, "SUORA", 200, 0, 1).kcd, 0.05, 1e-12);  // on row 1
    EXPECT_NEAR(lookup(m, "SUORA", 300, 0, 1).kcd, 0.08, 1e-12);  // on row 2
    EXPECT_NEAR(lookup(m, "SUORA", 400, 0, 1).kcd, 0.11, 1e-12);  // on the last row
    EXPECT_NEAR(lookup(m, "SUORA", 900, 0, 1).kcd, 0.11, 1e-12);  // above: last row
    // 265 mm: 0.05 + (0.08 - 0.05) * (265 - 200) / (300 - 200) = 0.05 + 0.03 * 0.65 = 0.0695.
    EXPECT_NEAR(lookup(m, "SUORA", 265, 0, 1).kcd, 0.0695, 1e-12);
    // Column 1, 320 mm: 0.14 + (0.18 - 0.14) * 20 / 100 = 0.148.
    EXPECT_NEAR(lookup(m, "SUORA", 320, 1, 0).kcd, 0.148, 1e-12);
}

TEST_F(DevelopmentTable, FamilyChoosesTheColumnFlag) {
    // SU, BI, TI (and HI) follow the dowels on the beam top; every other
    // family the dowelled connection.
    EXPECT_NEAR(lookup(m, "SUORA", 300, 1, 0).kcd, 0.14, 1e-12);
    EXPECT_NEAR(lookup(m, "DELTA", 300, 1, 0).kcd, 0.02, 1e-12);
    EXPECT_NEAR(lookup(m, "DELTA", 300, 0, 1).kcd, 0.05, 1e-12);
    EXPECT_NEAR(lookup(m, "suora", 300, 1, 0).kcd, 0.14, 1e-12);  // the type name is upper-cased
}

TEST_F(DevelopmentTable, HeadersMatchOnTheirFirstTwoCharactersAndUnknownFamiliesTakeTheEndBlock) {
    // "MEKX" serves family ME; "lbl" is in lower case and never matches, so
    // LBL reads on to "LOPPU", as does a family without a block.
    EXPECT_NEAR(lookup(m, "MEK", 300, 0, 1).kcd, 0.182, 1e-12);
    EXPECT_NEAR(lookup(m, "LBL", 300, 0, 1).kcd, 0.121, 1e-12);
    EXPECT_NEAR(lookup(m, "HQ", 300, 0, 0).kcd, 0.111, 1e-12);
    // An empty type name has no family either.
    EXPECT_NEAR(lookup(m, "", 300, 0, 1).kcd, 0.121, 1e-12);
}

TEST_F(DevelopmentTable, ExtraIsTheLastRecordReadOfTheBlock) {
    // Whatever column is looked up, the last record read is column 1, row n.
    EXPECT_NEAR(lookup(m, "SUORA", 250, 0, 0).extra, 0.9, 1e-12);
    EXPECT_NEAR(lookup(m, "DELTA", 250, 0, 0).extra, 0.7, 1e-12);
    EXPECT_NEAR(lookup(m, "HQ", 250, 0, 0).extra, 0.6, 1e-12);
}

TEST_F(DevelopmentTable, FileNameLetterCaseDoesNotMatter) {
    std::filesystem::rename(folder.file("kef.da0"), folder.file("KEF.DA0"));
    EXPECT_NEAR(lookup(m, "SUORA", 300, 0, 0).kcd, 0.08, 1e-12);
}

// A table that is missing is error 53. Every other damage, and every value
// outside what its meaning allows, is one message naming the file, the line
// and the value as written, both at a lookup and in the check before a
// calculation; a sound table gives neither.
TEST(CoefficientTableDamaged, EachDamageIsNamedWithItsLineAndValue) {
    TempFolder folder;
    ProjectModel m;
    m.DataPath = folder.dataPath();
    EXPECT_EQ(lookupError(m, "HQ"), 53);  // no file
    EXPECT_FALSE(CheckKefTable(m).has_value());  // left to the lookup

    const std::string row2 = "2,500,0.1,0.5\r\n1,150,0.2,0.5\r\n2,500,0.2,0.5\r\n";
    const std::string block = "1,150,0.1,0.5\r\n" + row2;
    const std::string end = "\"LOPPU\"\r\n" + block;
    struct Case {
        std::string bytes;
        std::string named;  // the end of the English message after the file name; "" for a sound table
    } cases[] = {
        {"2\r\n\"HQ\"\r\n" + block + end, ""},
        {"2\r\n\"HQ\"\r\n1,150,0.2,1\r\n" + row2 + end, ""},  // the largest k_cd and S
        {"2\r\n\"SUORA\"\r\n" + block, " ends on line 6 before its LOPPU block is complete."},
        {"2\r\n\"SUORA\"\r\n" + block + "\"LOPPU\"\r\n1,150,0.1,0.5\r\n",
         " ends on line 8 before its LOPPU block is complete."},
        {"", " ends on line 0 before its LOPPU block is complete."},
        {"11\r\n\"HQ\"\r\n" + block, " on line 1 the value n = \"11\" is not allowed (1 <= n <= 10, a whole number)."},
        {"0\r\n\"HQ\"\r\n" + block, " on line 1 the value n = \"0\" is not allowed (1 <= n <= 10, a whole number)."},
        {"x\r\n\"HQ\"\r\n" + block, " on line 1 the value n = \"x\" is not allowed (1 <= n <= 10, a whole number)."},
        {"2.5\r\n\"HQ\"\r\n" + block, " on line 1 the value n = \"2.5\" is not allowed (1 <= n <= 10, a whole number)."},
        {"2\r\n\"HQ\"\r\n3,150,0.1,0.5\r\n" + row2 + end,
         " on line 3 the value row = \"3\" is not allowed (1 <= row <= 2, a whole number)."},
        {"2\r\n\"HQ\"\r\n1,-150,0.1,0.5\r\n" + row2 + end,
         " on line 3 the value x = \"-150\" is not allowed (0 < x <= 1000000)."},
        {"2\r\n\"HQ\"\r\n1,500,0.1,0.5\r\n" + row2 + end,  // heights that do not ascend
         " on line 4 the value x = \"500\" is not allowed (500 < x <= 1000000)."},
        {"2\r\n\"HQ\"\r\n1,150,-1,0.5\r\n" + row2 + end,
         " on line 3 the value k_cd = \"-1\" is not allowed (0 < k_cd <= 0.2)."},
        {"2\r\n\"HQ\"\r\n1,150,1E+39,0.5\r\n" + row2 + end,
         " on line 3 the value k_cd = \"1E+39\" is not allowed (0 < k_cd <= 0.2)."},
        {"2\r\n\"HQ\"\r\n1,150,0.1,0\r\n" + row2 + end, " on line 3 the value S = \"0\" is not allowed (0 < S <= 1)."},
        {"2\r\n\"HQ\"\r\n1,150,0.1,1e400\r\n" + row2 + end,
         " on line 3 the value S = \"1e400\" is not allowed (0 < S <= 1)."},
        // The end block is checked too, though the family's block came first.
        {"2\r\n\"HQ\"\r\n" + block + "\"LOPPU\"\r\n1,150,0.1,0.5\r\n2,100,0.1,0.5\r\n",
         " on line 9 the value x = \"100\" is not allowed (150 < x <= 1000000)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        folder.writeRaw("kef.da0", c.bytes);
        const auto fault = CheckKefTable(m);
        if (c.named.empty()) {
            EXPECT_FALSE(fault.has_value()) << fault->text(1);
            EXPECT_EQ(lookupError(m, "HQ"), 0);
            continue;
        }
        ASSERT_TRUE(fault.has_value());
        const std::string path = folder.dataPath() + "kef.da0";
        EXPECT_EQ(fault->text(1), (c.named[1] == 'e' ? "The file " : "In the file ") + path + c.named);
        EXPECT_NE(fault->text(0).find(path), std::string::npos) << fault->text(0);
        // A lookup that reads the whole table (a family without a block)
        // meets the same fault.
        try {
            lookup(m, "QQ", 265, 0, 0);
            ADD_FAILURE() << "the lookup read past the fault";
        } catch (const CoefficientTableError& e) {
            EXPECT_EQ(e.text(1), fault->text(1));
        }
    }
}

TEST_F(DevelopmentTable, ColumnFlagOutsideTheTableAndAHeightThatIsNoNumberAreErrors) {
    EXPECT_EQ(lookupError(m, "DELTA", 0, 2), 9);
    EXPECT_EQ(lookupError(m, "SUORA", -1, 0), 9);
    EXPECT_EQ(lookupError(m, "SUORA", 0, 2), 0);  // SU reads the top-dowel flag only
    EXPECT_EQ(lookupError(m, "SUORA", 0, 0, std::numeric_limits<double>::quiet_NaN()), 5);
}
