#pragma once
// Models and language files of the report tests.

#include <filesystem>
#include <string>
#include <vector>

#include "model/project_defaults.h"
#include "model/project_model.h"
#include "platform/headless/headless_platform.h"
#include "runtime/text_file.h"
#include "support/model_support.h"
#include "support/test_support.h"

namespace quorvel::report::testing {

using model::ProjectModel;
using quorvel::testing::TempFolder;

inline std::string dataFile(const std::string& name) { return std::string(QUORVEL_SOURCE_DIR) + "/data/" + name; }

// A new project (rectangular concrete beam 380 x 580, span 6000, P27 slabs
// on both sides 7200 from the beam) with the values a calculation would
// leave, filled by hand. Material values follow EN 1992-1-1 Table 3.1:
// C50 fcd = 0.85 * 50 / 1.35 = 31.5, Ecm = 22000 * (58 / 10)^0.3 = 37278;
// C40 slabs fctk,0.05 = 2.5, fctd = 2.5 / 1.35 = 1.85, Ecm = 35220; C25
// joint grout fcd = 0.85 * 25 / 1.5 = 14.2, Ecm = 31476. Slab P27 of the
// catalogue: h 265, top flange 35, core 190 x 135, hct 105, b 1200; bcr =
// h - hct = 160; design top flange 35 + 265 / 80 = 38.3.
inline ProjectModel defaultReportModel() {
    ProjectModel m;
    quorvel::testing::addSlabType(m, "P27", 265, {"6", "8", "10"});
    model::ResetProjectDefaults(m);
    m.VersionText = "8.38";
    m.CompanyName = "Insin\xC3\xB6\xC3\xB6ritoimisto Esimerkki Oy";
    m.TitleLine1 = "Toimistorakennus, 2. kerros";
    m.TitleLine2 = "Palkki P1, linja B";
    m.BeamHeight = 580;
    for (int s = 1; s <= 2; ++s)
        for (int e = 1; e <= 2; ++e) {
            m.EnteredBeamSpacing(s, e) = 7200;
            // Spacing less the joint grout and half the beam width.
            m.AnalysedBeamSpacing(s, e) = 7200.0f - 90.0f - 190.0f;
        }
    m.PrecastPartCount = 1;
    m.JointPartCount = 1;
    m.ConcreteStrengthByKind(1) = 50;
    m.ConcreteFck(1) = 50;
    m.ConcreteFcd(1) = 0.85 * 50 / 1.35;
    m.ConcreteEcm(1) = 37278;
    m.ConcreteStrengthByKind(3) = 25;
    m.ConcreteFck(3) = 25;
    m.ConcreteFcd(3) = 0.85 * 25 / 1.5;
    m.ConcreteEcm(3) = 31476;
    m.ReinforcementDesignStrength = 500 / 1.15;
    m.ReinforcementPartialFactor = 1.15;
    m.BottomFlangeWidth = 380;
    m.JointPartBottomWidth(1) = 90;
    m.JointPartTopWidth(1) = 90;
    m.JointPartHeight(1) = 265;
    m.JointPartLevel(1) = 315;

    for (int s = 1; s <= 2; ++s) {
        const int k = s + 3;
        m.SlabSidePresent(s) = 1;
        m.ConcreteStrengthByKind(k) = 40;
        m.ConcreteFctk(k) = 2.5;
        m.ConcreteFctd(k) = 2.5 / 1.35;
        m.ConcreteEcm(k) = 35220;
        m.BottomStrandCount(s) = 6;
        m.BottomStrandType(s) = "0";
        m.TopStrandCount(s) = 0;
        m.TopStrandType(s) = "0";
        m.BottomStrandDiameter(s) = 12.5;
        m.BottomStrandArea(s) = 93;
        m.BottomStrandStrength(s) = 1860;
        m.BottomStrandDesignStrength(s) = 0.88 * 1860 / 1.1;
        m.SlabPrestressStress(s) = 3.41;
        m.SlabPrestressStressAp(s) = 5.02;
        m.EffectiveSupportLength(s) = 55;
        m.BottomStrandBondFactor(s) = 3.2;
        m.StrandAnchorageLength(s) = 871.4;
        m.SlabHeight(s) = 265;
        m.SlabUnitWidth(s) = 1200;
        m.SlabTopFlangeThickness(s) = 35;
        m.SlabTopFlangeDesignThickness(s) = 35 + 265.0 / 80;
        m.SlabCoreHeight(s) = 190;
        m.SlabCoreWidth(s) = 135;
        m.SlabDimensionHct(s) = 105;
        m.SlabDimensionHv(s) = 30;
        m.SlabBottomFlangeThickness(s) = 265 - (35 + 265.0 / 80) - 190;
        m.SlabWidthDeduction(s) = 20;
        m.SlabWebWidthSum(s) = 1180 - 6 * 135;  // working width less the cores
        m.SlabBcr(s) = 265 - 105;
        m.SlabEdgeCoreDistance(s) = 110;
        m.SlabEdgeWebWidth(s) = 42.5;
        m.SlabCoreSpacing(s) = 196;
        m.SlabBottomLevel(s) = 315;
        m.RequiredCoreFillingLength(s) = 0;
        m.SlabArea(s) = 164000;
        m.SlabDepthFactor(s) = 1.0;
        m.SlabFirstMoment(s) = 6.1e6;
        m.SlabMomentOfInertia(s) = 1.46e9;
        m.SlabDimensionPhc(s) = 131.6;
        m.SlabSelfWeight(s) = 3.6;
        m.SlabSelfWeightDesign(s) = 4.14;
        m.SlabImposedLoadPermanentDesign(s) = 1.15 * 0.5;
        m.SlabImposedLoadVariableDesign(s) = 1.5 * 2.5;
        m.SlabSelfWeightFactorKfi(s) = 0;
        m.EffectiveAdditionalSafetyFactor(s) = 1.0;
    }
    m.PermanentLoadFactorKfi = 1.15;
    m.VariableLoadFactorKfi = 1.5;
    m.PrestressPartialFactor = 1.2;
    m.AdditionalSafetyFactor = 1.0;
    // Beam self weight 0.38 * 0.58 * 25 = 5.51 kN/m; slab self weight on the
    // beam 3.6 * 7.2 / 2 * 2 sides = 25.92 kN/m; joint grout 0.09 * 0.265 *
    // 25 * 2 = 1.19 kN/m.
    m.BeamSelfWeight = 0.38 * 0.58 * 25;
    m.BeamSelfWeightDesign = 1.15 * 0.38 * 0.58 * 25;
    m.SlabSelfWeightLineLoad(1) = 25.92;
    m.SlabSelfWeightLineLoadDesign(1) = 4.14 * 7.2;
    m.JointConcreteLineLoad = 1.19;
    m.JointConcreteLineLoadDesign = 1.15 * 1.19;
    m.ImposedPermanentLineLoad(1) = 0.5 * 7.2;
    m.ImposedPermanentLineLoadDesign(1) = 1.15 * 0.5 * 7.2;
    m.ImposedVariableLineLoad(1) = 2.5 * 7.2;
    m.ImposedVariableLineLoadDesign(1) = 1.5 * 2.5 * 7.2;
    return m;
}

// A program folder holding copies of the report language files.
class ReportFolder {
public:
    ReportFolder() {
        for (const char* name : {"resultLanguage.fin", "resultLanguage.eng"})
            std::filesystem::copy_file(dataFile(name), folder.file(name));
        ui.setProgramFolder(folder.dataPath());
    }
    TempFolder folder;
    platform::HeadlessPlatform ui;
};

// The lines of a report file (UTF-8, without their CR LF ends).
inline std::vector<std::string> reportLines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (const std::string& l : runtime::splitLines(bytes)) lines.push_back(runtime::cp1252ToUtf8(l));
    return lines;
}

}  // namespace quorvel::report::testing
