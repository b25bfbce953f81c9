// The along-the-beam results file of a whole calculation, against a golden
// file read line by line when it was made (support/golden.h).

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "analysis/calculation_driver.h"
#include "analysis/calculation_support.h"
#include "report/format_fixed.h"
#include "report/support_line_table.h"
#include "runtime/text_file.h"
#include "support/golden.h"

namespace {

using namespace quorvel;

TEST(SupportLineTableGolden, SuoraMiddleBeam) {
    quorvel::testing::CalculationFolder data;
    runtime::Messages messages;
    model::ProjectModel m;
    data.load(m, "concrete_middle_beam.dat");
    ASSERT_EQ(analysis::PerformCalculation(m, messages, report::WriteSupportLineTableOfRun), 0);
    const std::string written = data.folder().read("quor.tu1");
    const std::vector<std::string> got = quorvel::testing::utf8Lines(written);

    // By hand, station 0 of the left block (x = 26.25 mm, the first slab
    // web inside the span): the beam's design shear of rows 2 and 5 is
    // (topping 0.0011 * 7.2 * 1.15 + imposed 1.0 * 7.2 * 1.15 + 2.5 * 7.2 *
    // 1.5) * (7200 / 2 - 26.25) = 35.289108 * 3573.75 = 126 114 N: 126.1 kN.
    // No core filling (Lf 0); additional safety factor 1 (gamlisä 1.00).
    // Slab of the clear span 7020 mm less the 65 mm bearing, Ln = 6955 mm,
    // and Lr = Ln - b.cr = 6955 - 160 = 6795 mm, design area load
    // (3.60 + 0.220833 joint grout 25 * 0.040 * 0.265 / 1.2) * 1.15 + 0.0011 * 1.15 + 1.0 * 1.15
    // + 2.5 * 1.5 = 9.29522 kN/m2 (6.10b governs):
    //   Vdhc = 0.5 * 9.29522 * 6.795 = 31.58 kN/m
    //   Mkhc = (3.820833 + 0.0011 + 1.0 + 2.5) * 6.955^2 / 8 = 44.27 kNm/m
    //   Mdhc = 9.29522 * 6.955^2 / 8 = 56.20 kNm/m
    ASSERT_GE(got.size(), 7u);
    EXPECT_EQ(got[0].substr(0, 28), "  Vasen laatta :  P27-10L- 0");
    EXPECT_EQ(got[6].substr(0, 12), "   26  126.1");
    EXPECT_EQ(got[6].substr(31, 6), "  31.6");
    EXPECT_EQ(got[6].substr(77, 6), "  44.3");
    EXPECT_EQ(got[6].substr(84, 6), "  56.2");
    EXPECT_EQ(got[6].substr(59, 4), "1.00");
    EXPECT_EQ(got[6].substr(72, 4), "   0");
    // Two blocks of 6 head lines, 44 rows (n = 43) and the closing line.
    EXPECT_EQ(got.size(), 2u * (6 + 44 + 1));

    quorvel::testing::expectSameAsGolden(std::string(QUORVEL_FIXTURES_DIR) + "/reports/concrete_middle_beam.tu1",
                                         written);

    // Dowels on the beam top (grout 90 + 90 = 180 mm: beta.y 0.8): every station checked, and
    // printed, with 100 mm of filled cores, not the box's 50.
    m.DowelsOnBeamTop = 1;
    ASSERT_EQ(analysis::PerformCalculation(m, messages, report::WriteSupportLineTableOfRun), 0);
    const std::vector<std::string> dowelled = quorvel::testing::utf8Lines(data.folder().read("quor.tu1"));
    ASSERT_GE(dowelled.size(), 50u);
    for (std::size_t row = 6; row < 50; ++row) EXPECT_EQ(dowelled[row].substr(72, 4), " 100");
}

}  // namespace
