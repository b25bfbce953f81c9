// The calculation driver: the work-file round trip, the load factors, the
// support moments in Nmm during the analysis, the model put back on every
// way out, and the invariants that make two calculations comparable.

#include "analysis/calculation_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/calculation_support.h"
#include "inputfile/input_file_writer.h"

namespace {

using quorvel::analysis::PerformCalculation;
using quorvel::analysis::ScaleSupportMoments;
using quorvel::model::ProjectModel;
using quorvel::platform::HeadlessPlatform;
using quorvel::runtime::Value;
using quorvel::testing::CalculationFolder;

// Every result a later window or the report reads, the along-the-beam
// tables over all 51 stations included (not only 0..n).
std::vector<double> results(const ProjectModel& m) {
    std::vector<double> r;
    auto add = [&r](const auto& array) {
        for (const auto& v : array) r.push_back(static_cast<double>(v));
    };
    for (int side = 1; side <= 2; ++side) {
        r.push_back(m.SlabShearUtilisation(side));
        r.push_back(m.SlabBendingUtilisation(side));
        r.push_back(m.SlabCrackingUtilisation(side));
        r.push_back(m.SlabPrincipalStressMax(side));
        r.push_back(m.SlabShearStressTvlMax(side));
        r.push_back(m.SlabNormalStressMax(side));
        r.push_back(m.RequiredCoreFillingLength(side));
        r.push_back(m.CoreFillingResult(side));
        r.push_back(m.EffectiveSupportLength(side));
        r.push_back(m.SideShearStressReserve(side));
    }
    r.push_back(m.UtilisationRatio);
    r.push_back(m.BeamTopStrainMax);
    r.push_back(m.AllowedStrain);
    r.push_back(m.MaxDesignMoment);
    r.push_back(m.MaxShearStage6);
    r.push_back(m.MomentResistanceUsed);
    r.push_back(m.BeamDeflectionTotalMax);
    r.push_back(m.BetaY);
    r.push_back(m.SlabTensileStressSum);
    r.push_back(m.SlabShearStressReserve);
    r.push_back(m.ShearExceedancePosition);
    r.push_back(m.CalculationPointCount);
    add(m.CalculationPointX);
    add(m.BeamMomentDesign);
    add(m.BeamShearDesign);
    add(m.SlabDesignShear);
    add(m.SlabDesignMoment);
    add(m.CoreFillingZoneLimits);
    add(m.AnalysedBeamSpacing);
    return r;
}

// The project input as the input file carries it.
std::string inputFileText(ProjectModel& m, const CalculationFolder& data) {
    const std::string path = data.folder().file("compare.dat");
    EXPECT_EQ(quorvel::inputfile::WriteInputDataFile(m, path), 0);
    return data.folder().read("compare.dat");
}

class Driver : public ::testing::Test {
protected:
    CalculationFolder data;
    quorvel::runtime::Messages messages;
};

TEST_F(Driver, ScaleSupportMomentsToNmmAndBack) {
    ProjectModel m;
    m.SupportMomentStartBeforeGrouting = 12.5;
    m.SupportMomentEndVariable = -3.75;
    ScaleSupportMoments(m, 1);
    EXPECT_DOUBLE_EQ(m.SupportMomentStartBeforeGrouting, 12.5e6);
    EXPECT_DOUBLE_EQ(m.SupportMomentEndVariable, -3.75e6);
    EXPECT_DOUBLE_EQ(m.SupportMomentEndPermanent, 0);  // empty counts as 0
    ScaleSupportMoments(m, 2);
    EXPECT_DOUBLE_EQ(m.SupportMomentStartBeforeGrouting, 12.5);
    ScaleSupportMoments(m, 7);  // any mode but 1 scales down
    EXPECT_DOUBLE_EQ(m.SupportMomentStartBeforeGrouting, 12.5e-6);
}

TEST_F(Driver, CompletedCalculationPutsTheModelBack) {
    ProjectModel m;
    data.load(m, "concrete_middle_beam.dat");
    m.VersionText = "something older";
    m.ConsequenceClassFactorKfi = 1.1;
    m.PartialFactorPermanent = 1.15;
    // 0.1 * 1e6 * 1e-6 is 0.09999999999999999 in binary; the moments come
    // back exactly as entered all the same.
    m.SupportMomentStartBeforeGrouting = 0.1;
    m.SupportMomentEndPermanent = -45.7;
    const auto spacing = m.BeamSpacing;

    ASSERT_EQ(PerformCalculation(m, messages), 0);
    EXPECT_EQ(m.CalculationStatus(0), 0);
    EXPECT_EQ(m.CalculationStatus(1), 0);
    EXPECT_EQ(m.VersionText, "Versio " QUORVEL_VERSION " /EC 17.03.2017");  // the build's version
    EXPECT_NEAR(m.PermanentLoadFactorKfi, 1.265, 1e-12);  // 1.1 * 1.15
    EXPECT_EQ(m.SupportMomentStartBeforeGrouting.number(), 0.1);
    EXPECT_EQ(m.SupportMomentEndPermanent.number(), -45.7);
    for (int side = 1; side <= 2; ++side) {
        for (int end = 1; end <= 2; ++end) {
            EXPECT_EQ(m.BeamSpacing(side, end).number(), spacing(side, end).number());
            // The analysis worked on the clear span: the entered 7200 less
            // the joint offsets at both slab ends.
            EXPECT_LT(m.AnalysedBeamSpacing(side, end), 7200.0f);
        }
        EXPECT_EQ(m.CoreFillingResult(side).number(), m.RequiredCoreFillingLength(side).number());
    }
    EXPECT_TRUE(data.folder().read("quortmp.dat").size() > 0);  // the work file
}

TEST_F(Driver, TwoCalculationsInARowGiveIdenticalResults) {
    for (const char* fixture : {"concrete_middle_beam.dat", "ledge_edge_beam_hole.dat",
                                "steel_hq_line_loads.dat", "composite_delta_point_load.dat"}) {
        ProjectModel m;
        data.load(m, fixture);
        m.CoreFillingLength(1) = -300;  // count as placed: made positive only for the run
        ASSERT_EQ(PerformCalculation(m, messages), 0) << fixture;
        const auto first = results(m);
        const std::string inputAfterFirst = inputFileText(m, data);
        EXPECT_EQ(m.CoreFillingLength(1).number(), -300) << fixture;

        ASSERT_EQ(PerformCalculation(m, messages), 0) << fixture;
        EXPECT_EQ(results(m), first) << fixture;
        EXPECT_EQ(inputFileText(m, data), inputAfterFirst) << fixture;
    }
}

TEST_F(Driver, ProjectAThenProjectBGivesWhatBGivesAlone) {
    ProjectModel alone;
    data.load(alone, "ledge_edge_beam_hole.dat");
    ASSERT_EQ(PerformCalculation(alone, messages), 0);

    ProjectModel after;
    data.load(after, "concrete_middle_beam.dat");  // a longer beam: more stations
    ASSERT_EQ(PerformCalculation(after, messages), 0);
    ASSERT_GT(after.CalculationPointCount, alone.CalculationPointCount);
    data.load(after, "ledge_edge_beam_hole.dat");
    ASSERT_EQ(PerformCalculation(after, messages), 0);
    EXPECT_EQ(results(after), results(alone));
}

TEST_F(Driver, MissingSlabTypeFailsAndLeavesTheInputAsItWas) {
    ProjectModel m;
    data.load(m, "concrete_middle_beam.dat");
    m.SlabTypeName(2) = "P99";
    m.SupportMomentStartPermanent = 0.1;
    const std::string before = inputFileText(m, data);
    const auto spacing = m.BeamSpacing;

    EXPECT_EQ(PerformCalculation(m, messages), -1);
    EXPECT_EQ(m.CalculationStatus(0), -1);
    // The catalogue reader told the user which types there are.
    ASSERT_FALSE(messages.empty());
    EXPECT_NE(messages.back().finnish.find("Laattatyyppi P99 tuntematon"), std::string::npos);
    EXPECT_NE(messages.back().english.find("slab type P99 unknown"), std::string::npos);
    EXPECT_EQ(inputFileText(m, data), before);
    EXPECT_EQ(m.SupportMomentStartPermanent.number(), 0.1);
    EXPECT_EQ(m.BeamSpacing(2, 2).number(), spacing(2, 2).number());

    // The next calculation starts from a clean status.
    m.SlabTypeName(2) = "P27";
    EXPECT_EQ(PerformCalculation(m, messages), 0);
}

TEST_F(Driver, DegenerateGeometryIsDivisionByZeroWithMomentsBackInKnm) {
    ProjectModel m;
    data.load(m, "concrete_middle_beam.dat");
    m.BeamSpan = 0;  // stations of no spacing
    m.SupportMomentStartBeforeGrouting = 12.5;
    m.SupportMomentEndVariable = 0.1;
    const std::string before = inputFileText(m, data);

    EXPECT_EQ(PerformCalculation(m, messages), 11);
    EXPECT_EQ(m.SupportMomentStartBeforeGrouting.number(), 12.5);
    EXPECT_EQ(m.SupportMomentEndVariable.number(), 0.1);
    EXPECT_EQ(inputFileText(m, data), before);
}

TEST_F(Driver, FailedWorkFileStopsTheCalculationWithItsError) {
    ProjectModel m;
    data.load(m, "concrete_middle_beam.dat");
    m.DataPath = data.dataPath() + "no-such-folder/";
    m.CalculationStatus(0) = 0;
    EXPECT_EQ(PerformCalculation(m, messages), 76);  // path not found
    EXPECT_EQ(m.CalculationStatus(1), 76);
    // The analysis never ran.
    EXPECT_EQ(m.CalculationPointCount, 0);
    EXPECT_EQ(m.DataPath, data.dataPath() + "no-such-folder/");
}

// A section whose resultants balance at no depth of the neutral axis is
// not calculated: no moment resistance is reported from two resultants
// that do not balance, and the user is told why. The LB fixture (a
// precast part 480 .. 440 x 265 mm, C80, on an 8 x 400 plate between
// 90 x 10 angles; strand rows 9 + 9 + 2 of 100 mm2 at 1100 MPa):
//  - row 1 at 2500 mm2: the strands' strain is at least their prestrain
//    1100 / 195000 = 5.64 per mille less the most the concrete shortens,
//    eps_cu2 = 2.6 per mille (EN 1992-1-1 Table 3.1), so their tension is
//    at least (9 x 2500 + 9 x 100 + 2 x 100) x 3.04e-3 x 195000 = 14.0 MN;
//    the compression is at most the whole concrete at 80 / 1.5 (6.5 MN)
//    and the whole steel at 355 MPa (400 x 8 + 2 (90 + 100) x 10 = 7000
//    mm2, 2.5 MN): 9.0 MN. No plane balances.
//  - row 3 at 2500 mm2 (what the strand box and the 8 % rule allow): the
//    search ends at the section's bottom with the tension still ahead.
TEST_F(Driver, ASectionWhoseResultantsNeverBalanceIsNotCalculated) {
    struct Row {
        int row;
        double area;
        int status;
    } rows[] = {{1, 100, 0}, {1, 2500, 5}, {3, 2500, 5}};
    for (const Row& r : rows) {
        SCOPED_TRACE("row " + std::to_string(r.row) + " at " + std::to_string(r.area));
        ProjectModel m;
        data.load(m, "kemo_uusi_new_project_old_format.dat");
        m.BarArea(r.row) = r.area;
        messages.clear();
        EXPECT_EQ(PerformCalculation(m, messages), r.status);
        const std::string said = quorvel::runtime::messagesText(messages, 1);
        EXPECT_EQ(said.find("balance at no depth of the neutral axis") != std::string::npos, r.status != 0) << said;
        if (r.status != 0) {
            EXPECT_NE(said.find("the tension of the strands or bars exceeds"), std::string::npos) << said;
            EXPECT_NE(quorvel::runtime::messagesText(messages, 0).find("eivät ole tasapainossa"), std::string::npos);
        }
    }
}

}  // namespace
