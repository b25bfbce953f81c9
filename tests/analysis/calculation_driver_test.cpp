// The calculation driver: the work-file round trip, the load factors, the
// support moments in Nmm during the analysis, the model put back on every
// way out, and the invariants that make two calculations comparable.

#include "analysis/calculation_driver.h"

#include <gtest/gtest.h>

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

}  // namespace
