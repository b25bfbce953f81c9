// Every beam type of the main window, as a middle and as an edge beam, with
// holes, slab and beam loads, negative values and an empty strand code, is
// written to an input file and read back: the model comes back the same,
// apart from the reader's documented corrections, which the test applies to
// its expectation explicitly.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/beam_position.h"
#include "app/beam_types.h"
#include "inputfile/beam_section_fields.h"
#include "inputfile/input_file_reader.h"
#include "inputfile/input_file_writer.h"
#include "model/project_defaults.h"
#include "model/project_model.h"
#include "platform/headless/headless_platform.h"
#include "support/model_support.h"
#include "support/test_support.h"

using namespace quorvel;
using model::ProjectModel;
using runtime::Value;

namespace {

ProjectModel busyProject(const std::string& dataPath, const app::BeamTypeInfo& type, bool middle) {
    ProjectModel m;
    m.DataPath = dataPath;
    m.SlabFileName = "ONTELO.MIT";
    quorvel::testing::addSlabType(m, "P27", 265, {"10L"});
    model::ResetProjectDefaults(m);
    m.IsMiddleBeam = 1;
    m.TitleLine1 = "Kaikki palkkityypit";
    m.TitleLine2 = std::string(type.typeName) + (middle ? " keskipalkki" : " reunapalkki");
    app::SelectBeamType(m, type);
    if (!middle) app::SetEdgeBeam(m);

    m.TopStrandCode(2) = "";  // a slab type without top strands
    m.FirstJointDistance = -600;
    m.SupportMomentStartBeforeGrouting = -12.5;
    m.SupportMomentEndVariable = -3.75;
    m.ToppingThickness = 60;
    m.ToppingLoad(1) = 1.5;
    m.ToppingLoad(2) = 1.5;
    for (int s = middle ? 1 : 2; s <= 2; ++s) {
        m.SlabLineLoadCount(s) = 2;
        m.SlabPointLoadCount(s) = 1;
        m.HoleCount(s) = 2;
        for (int i = 1; i <= 2; ++i) {
            m.SlabLineLoadG(i, s) = 1.25 * i;
            m.SlabLineLoadQ(i, s) = 2.5 * i;
            m.SlabLineLoadY(i, s) = 1000 * i + s;
            m.HoleX(s, i) = 800 * i;
            m.HoleWidthB(s, i) = 300;
            m.HoleY(s, i) = 0;
            m.HoleLengthA(s, i) = 500 + i;
        }
        m.SlabPointLoadG(1, s) = 7;
        m.SlabPointLoadQ(1, s) = 9.5;
        m.SlabPointLoadX(1, s) = 1200;
        m.SlabPointLoadY(1, s) = 2500;
    }
    m.BeamLineLoadG1 = 4;
    m.BeamLineLoadG2 = 6;
    m.BeamLineLoadGX = 500;
    m.BeamLineLoadGLength = 3000;
    m.BeamLineLoadQ1 = -2;
    m.BeamPointLoadCount = 2;
    m.BeamPointLoad(1, 1) = 20;
    m.BeamPointLoad(2, 1) = -5;
    m.BeamPointLoadX(1) = 2000;
    m.BeamPointLoad(1, 2) = 15;
    m.BeamPointLoadX(2) = 4000;
    m.LanguageIndex = 1;
    return m;
}

// What reading a written file changes, by the reader's rules.
void applyReaderCorrections(ProjectModel& e) {
    const std::string family = e.BeamFamilyCode();
    e.SlabFileName = "ONTELO.mit";
    for (char& c : e.BeamTypeName) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    e.BeamLibraryFileName = "0.mit";
    for (int s = 1; s <= 2; ++s) {
        e.SlabBottomGap(s) = std::max(e.SlabBottomGap(s).number(), 0.001);
        e.JointGroutWidth(s) = e.JointGroutWidth(s) < 0.001 ? 0.001 : e.JointGroutWidth(s).number();
        e.ToppingLoad(s) = std::max(e.ToppingLoad(s).number(), 0.0011);
        e.SlabImposedLoadPermanent(s) = std::max(e.SlabImposedLoadPermanent(s).number(), 0.0011);
        e.SlabImposedLoadVariable(s) = std::max(e.SlabImposedLoadVariable(s).number(), 0.0011);
    }
    for (int r = 1; r <= 10; ++r) {
        if (e.BarPrestress(r) < 0.0011) e.BarPrestress(r) = 0.00001;
        if (e.TopBarPrestress(r) < 0.0011) e.TopBarPrestress(r) = 0.00001;
        if (e.SteelBeamBarPrestress(r) < 0.001) e.SteelBeamBarPrestress(r) = 0.001;
    }
    const double category = e.BeamCategory;
    if (category == 1 || category == 4) {
        if (family != "CW") e.SteelStrength2 = e.SteelStrength3 = e.SteelStrength;
    }
    if (e.SlabsOnLedge != 0) e.BetaY = 1;
    if (e.BeamTypeName == "BESUPER") {
        e.InfillConcreteClass = e.JointConcreteClass;
        e.ConcreteQualityClass(2) = e.ConcreteQualityClass(3);
    }
}

void expectSame(const char* what, const Value& expected, const Value& actual) {
    EXPECT_NEAR(actual.number(), expected.number(), 1e-9 * std::max(1.0, std::fabs(expected.number()))) << what;
}

#define SAME(field) expectSame(#field, e.field, b.field)

#define SAME_IJ(field, i, j) expectSame(#field, e.field(i, j), b.field(i, j))

void expectSameInput(const ProjectModel& e, ProjectModel& b) {
    EXPECT_EQ(b.TitleLine1, e.TitleLine1);
    EXPECT_EQ(b.TitleLine2, e.TitleLine2);
    EXPECT_EQ(b.SlabFileName, e.SlabFileName);
    EXPECT_EQ(b.BeamLibraryFileName, e.BeamLibraryFileName);
    EXPECT_EQ(b.BeamTypeName, e.BeamTypeName);
    EXPECT_EQ(b.SlabsOnLedge, e.SlabsOnLedge);
    EXPECT_EQ(b.DowelsOnBeamTop, e.DowelsOnBeamTop);
    EXPECT_EQ(b.DowelledConnection, e.DowelledConnection);
    EXPECT_EQ(b.LanguageIndex, e.LanguageIndex);
    for (int s = 1; s <= 2; ++s) {
        SCOPED_TRACE("side " + std::to_string(s));
        EXPECT_EQ(b.SlabTypeName(s), e.SlabTypeName(s));
        EXPECT_EQ(b.BottomStrandCode(s), e.BottomStrandCode(s));
        EXPECT_EQ(b.TopStrandCode(s), e.TopStrandCode(s));
        for (auto f : {&ProjectModel::StrandInitialStress, &ProjectModel::StrandPrestressLoss,
                       &ProjectModel::SlabConcreteClass, &ProjectModel::CoreFillingLength,
                       &ProjectModel::SlabBottomGap, &ProjectModel::JointGroutWidth,
                       &ProjectModel::SlabSupportLength, &ProjectModel::SlabSelfWeightFactor,
                       &ProjectModel::ToppingLoad, &ProjectModel::SlabImposedLoadPermanent,
                       &ProjectModel::SlabImposedLoadVariable, &ProjectModel::SlabLineLoadCount,
                       &ProjectModel::SlabPointLoadCount})
            expectSame("per side", (e.*f)(s), (b.*f)(s));
        expectSame("ConcreteQualityClass(side)", e.ConcreteQualityClass(s + 3), b.ConcreteQualityClass(s + 3));
        SAME_IJ(BeamSpacing, s, 1);
        SAME_IJ(BeamSpacing, s, 2);
        for (int i = 1; i <= static_cast<int>(e.SlabLineLoadCount(s)); ++i) {
            SAME_IJ(SlabLineLoadG, i, s);
            SAME_IJ(SlabLineLoadQ, i, s);
            SAME_IJ(SlabLineLoadY, i, s);
        }
        for (int i = 1; i <= static_cast<int>(e.SlabPointLoadCount(s)); ++i) {
            SAME_IJ(SlabPointLoadG, i, s);
            SAME_IJ(SlabPointLoadQ, i, s);
            SAME_IJ(SlabPointLoadX, i, s);
            SAME_IJ(SlabPointLoadY, i, s);
        }
        EXPECT_EQ(b.HoleCount(s), e.HoleCount(s));
        for (int h = 1; h <= e.HoleCount(s); ++h) {
            SAME_IJ(HoleX, s, h);
            SAME_IJ(HoleWidthB, s, h);
            SAME_IJ(HoleY, s, h);
            SAME_IJ(HoleLengthA, s, h);
        }
    }
    SAME(FirstJointDistance);
    SAME(ToppingConcreteClass);
    SAME(ToppingThickness);
    SAME(ToppingReinforcementArea);
    SAME(ToppingReinforcementStrength);
    SAME(BeamSpan);
    SAME(BeamCategory);
    SAME(JointConcreteClass);
    SAME(PartialFactorPermanent);
    SAME(PartialFactorVariable);
    SAME(AdditionalSafetyFactor);
    SAME(ConsequenceClassFactorKfi);
    SAME(ImposedLoadPsi1);
    SAME(SlabFieldEdgeDistance1);
    SAME(SlabFieldEdgeDistance2);
    SAME(BeamLineLoadG1);
    SAME(BeamLineLoadG2);
    SAME(BeamLineLoadGX);
    SAME(BeamLineLoadGLength);
    SAME(BeamLineLoadQ1);
    SAME(BeamLineLoadQ2);
    SAME(BeamLineLoadQX);
    SAME(BeamLineLoadQLength);
    EXPECT_EQ(b.BeamPointLoadCount, e.BeamPointLoadCount);
    for (int p = 1; p <= e.BeamPointLoadCount; ++p) {
        SAME_IJ(BeamPointLoad, 1, p);
        SAME_IJ(BeamPointLoad, 2, p);
        expectSame("BeamPointLoadX", e.BeamPointLoadX(p), b.BeamPointLoadX(p));
    }
    SAME(SupportMomentStartBeforeGrouting);
    SAME(SupportMomentEndBeforeGrouting);
    SAME(SupportMomentStartBeforeTopping);
    SAME(SupportMomentEndBeforeTopping);
    SAME(SupportMomentStartPermanent);
    SAME(SupportMomentEndPermanent);
    SAME(SupportMomentStartVariable);
    SAME(SupportMomentEndVariable);
    SAME(AllowedCrackWidth);
    SAME(SlabTensileStrengthFactor);
    SAME(BetaY);
    expectSame("ConcreteQualityClass(3)", e.ConcreteQualityClass(3), b.ConcreteQualityClass(3));
    expectSame("ConcreteQualityClass(6)", e.ConcreteQualityClass(6), b.ConcreteQualityClass(6));

    // The section parameters of the family.
    const std::optional<model::BeamFamily> family = e.Family();
    ProjectModel& ee = const_cast<ProjectModel&>(e);
    const auto expectedFields = inputfile::sectionParameterFields(ee, family);
    const auto actualFields = inputfile::sectionParameterFields(b, family);
    ASSERT_EQ(expectedFields.size(), actualFields.size());
    for (std::size_t i = 0; i < expectedFields.size(); ++i)
        expectSame(("section parameter " + std::to_string(i + 1)).c_str(), *expectedFields[i], *actualFields[i]);

    // Materials and reinforcement by category.
    const double category = e.BeamCategory;
    if (category == 1 || category == 4) {
        SAME(SteelStrength);
        SAME(SteelStrength2);
        SAME(SteelStrength3);
    } else {
        SAME(BeamConcreteClass);
        expectSame("ConcreteQualityClass(1)", e.ConcreteQualityClass(1), b.ConcreteQualityClass(1));
        if (category == 3) SAME(SteelStrength);
        SAME(ReinforcementModulus);
        SAME(ReinforcementStrength);
        EXPECT_EQ(b.ReinforcementRowCount, e.ReinforcementRowCount);
        for (int r = 1; r <= e.ReinforcementRowCount; ++r) {
            EXPECT_EQ(b.BarsInRow(r), e.BarsInRow(r));
            expectSame("BarArea", e.BarArea(r), b.BarArea(r));
            expectSame("BarDistanceFromBottom", e.BarDistanceFromBottom(r), b.BarDistanceFromBottom(r));
            expectSame("BarPrestress", e.BarPrestress(r), b.BarPrestress(r));
        }
    }
    if (category == 4 || e.BeamTypeName == "BESUPER") {
        SAME(InfillConcreteClass);
        expectSame("ConcreteQualityClass(2)", e.ConcreteQualityClass(2), b.ConcreteQualityClass(2));
    }
    if (category == 4) {
        SAME(SteelBeamRebarModulus);
        SAME(SteelBeamRebarStrength);
        EXPECT_EQ(b.SteelBeamRebarRowCount, e.SteelBeamRebarRowCount);
    }
    if (family == model::BeamFamily::LB || family == model::BeamFamily::BE || family == model::BeamFamily::AP) {
        SAME(TopRebarModulus);
        SAME(TopRebarStrength);
        EXPECT_EQ(b.TopRebarRowCount, e.TopRebarRowCount);
        for (int r = 1; r <= e.TopRebarRowCount; ++r) {
            EXPECT_EQ(b.TopBarsInRow(r), e.TopBarsInRow(r));
            expectSame("TopBarArea", e.TopBarArea(r), b.TopBarArea(r));
            expectSame("TopBarDistanceFromTop", e.TopBarDistanceFromTop(r), b.TopBarDistanceFromTop(r));
            expectSame("TopBarPrestress", e.TopBarPrestress(r), b.TopBarPrestress(r));
        }
    }
}

}  // namespace

TEST(InputFileAllTypes, EveryBeamTypeAsMiddleAndEdgeBeamReadsBackAsItself) {
    quorvel::testing::TempFolder folder;
    folder.write("FIRMA.DA0", {"Testirakenne Oy"});
    const std::string dir = folder.dataPath();
    for (const auto& type : app::BeamTypes()) {
        for (bool middle : {true, false}) {
            SCOPED_TRACE(std::string(type.typeName) + (middle ? " middle" : " edge"));
            ProjectModel m = busyProject(dir, type, middle);
            ASSERT_EQ(inputfile::WriteInputDataFile(m, dir + "all.dat"), 0);
            ProjectModel expected = m;  // after the writer's own normalisation
            applyReaderCorrections(expected);

            ProjectModel back;
            back.DataPath = dir;
            runtime::Messages messages;
            int16_t firstError = -1;
            ASSERT_EQ(inputfile::ReadInputDataFile(back, messages, dir + "all.dat", firstError), 0)
                << (messages.empty() ? std::string() : messages.front().finnish);
            EXPECT_EQ(firstError, 0);
            expectSameInput(expected, back);
        }
    }
}
