#include "model/project_defaults.h"

#include "model/topping_load.h"

namespace quorvel::model {

namespace {

// The first record thicker than 260 mm and thinner than 270 mm, else the
// first record; 0 when the catalogue is empty.
int defaultSlabRecord(const ProjectModel& m) {
    for (int i = 1; i <= m.SlabCatalogue.size(); ++i) {
        const float t = m.SlabCatalogue(i).Thickness;
        if (t > 260 && t < 270) return i;
    }
    return m.SlabCatalogue.size() > 0 ? 1 : 0;
}

}  // namespace

void ResetProjectDefaults(ProjectModel& m) {
    // 1. Files and state.
    m.BeamLibraryFileName = "0.MIT";
    m.InputFilePath = "";
    m.ResultsFilePath = "";
    m.InputSaved = 0;
    m.ResultsSaved = 0;
    m.InputChanged = 0;
    m.TitleLine1 = "";
    m.TitleLine2 = "";

    // 2., 3. Strands.
    for (int s = 1; s <= 2; ++s) {
        m.BottomStrandCode(s) = "6";
        m.TopStrandCode(s) = "0";
        m.StrandInitialStress(s) = 900;
        m.StrandPrestressLoss(s) = 0.2;
    }

    // 4. Slab type of both sides and its first strand designation.
    if (const int r = defaultSlabRecord(m); r > 0) {
        const SlabTypeRecord& record = m.SlabCatalogue(r);
        for (int s = 1; s <= 2; ++s) {
            m.SlabTypeName(s) = record.Name;
            m.BottomStrandCode(s) = record.StrandCount > 0 ? record.StrandNames(0) : std::string();
        }
    } else {
        m.SlabTypeName(1) = "";
        m.SlabTypeName(2) = "";
    }

    // 5. Slab concrete and bearing.
    for (int s = 1; s <= 2; ++s) m.SlabConcreteClass(s) = 40;
    m.ConcreteQualityClass(4) = 1;
    m.ConcreteQualityClass(5) = 1;
    for (int s = 1; s <= 2; ++s) m.CoreFillingLength(s) = 50;
    m.FirstJointDistance = 0;
    for (int s = 1; s <= 2; ++s) {
        m.SlabBottomGap(s) = 10;
        m.JointGroutWidth(s) = 90;
        m.SlabSupportLength(s) = 65;
    }

    // 6. Joint grout and topping.
    m.JointConcreteClass = 25;
    m.ConcreteQualityClass(3) = 2;
    m.ToppingConcreteClass = 25;
    m.ConcreteQualityClass(6) = 2;
    m.ToppingThickness = 0;

    // 7. Topping load, on the beam type of the previous project.
    ComputeToppingLoad(m);

    // 8. Topping reinforcement.
    m.ToppingReinforcementArea = 0;
    m.ToppingReinforcementStrength = 500;

    // 9. Slab line and point loads.
    for (int s = 1; s <= 2; ++s) {
        m.SlabLineLoadCount(s) = 0;
        m.SlabPointLoadCount(s) = 0;
    }
    m.SlabLineLoadG.fill(0);
    m.SlabLineLoadQ.fill(0);
    m.SlabLineLoadY.fill(0);
    m.SlabPointLoadG.fill(0);
    m.SlabPointLoadQ.fill(0);
    m.SlabPointLoadX.fill(0);
    m.SlabPointLoadY.fill(0);

    // 10. Holes.
    for (int s = 1; s <= 2; ++s) {
        m.HoleCount(s) = 0;
        for (int h = 1; h <= 2; ++h) {
            m.HoleX(s, h) = 0;
            m.HoleWidthB(s, h) = 0;
            m.HoleY(s, h) = 0;
            m.HoleLengthA(s, h) = 0;
        }
    }

    // 11. Slab field edges.
    m.SlabFieldEdgeDistance1 = 7200;
    m.SlabFieldEdgeDistance2 = 7200;

    // 12. Beam type.
    m.BeamTypeName = "SUORA";
    m.BeamCategory = 2;
    m.BeamConcreteClass = 50;
    m.ConcreteQualityClass(1) = 1;

    // 13. Main reinforcement: one row in use, all ten rows filled.
    m.ReinforcementRowCount = 1;
    for (int r = 1; r <= 10; ++r) {
        m.BarsInRow(r) = 4;
        m.BarArea(r) = 491;
        m.BarDistanceFromBottom(r) = 38 + 25 * (r - 1);
        m.SteelBeamBarPrestress(r) = 0.001;
    }

    // 14. Reinforcement material and dowels.
    m.ReinforcementModulus = 200000;
    m.ReinforcementStrength = 500;
    m.DowelledConnection = 0;
    m.DowelsOnBeamTop = 0;

    // 15. Beam geometry and spacings.
    m.BeamSpan = 6000;
    m.OverallBeamHeight = 580;
    m.BeamWidth = 380;
    for (int s = 1; s <= 2; ++s)
        for (int e = 1; e <= 2; ++e) m.BeamSpacing(s, e) = 7200;

    // 16. Support moments.
    m.SupportMomentStartBeforeGrouting = 0;
    m.SupportMomentEndBeforeGrouting = 0;
    m.SupportMomentStartBeforeTopping = 0;
    m.SupportMomentEndBeforeTopping = 0;
    m.SupportMomentStartPermanent = 0;
    m.SupportMomentEndPermanent = 0;
    m.SupportMomentStartVariable = 0;
    m.SupportMomentEndVariable = 0;

    // 17. Imposed area loads.
    for (int s = 1; s <= 2; ++s) {
        m.SlabImposedLoadPermanent(s) = 0.5;
        m.SlabImposedLoadVariable(s) = 2.5;
    }

    // 18. Loads on the beam.
    m.BeamLineLoadG1 = 0;
    m.BeamLineLoadG2 = 0;
    m.BeamLineLoadGX = 0;
    m.BeamLineLoadGLength = 0;
    m.BeamLineLoadQ1 = 0;
    m.BeamLineLoadQ2 = 0;
    m.BeamLineLoadQX = 0;
    m.BeamLineLoadQLength = 0;
    m.BeamPointLoadCount = 0;
    for (int p = 1; p <= 5; ++p) {
        m.BeamPointLoad(1, p) = 0;
        m.BeamPointLoad(2, p) = 0;
        m.BeamPointLoadX(p) = 0;
    }

    // 19. Partial factors and allowances.
    m.ConsequenceClassFactorKfi = 1.0;
    m.PartialFactorPermanent = 1.15;
    m.PartialFactorVariable = 1.5;
    m.AdditionalSafetyFactor = 1.0;
    for (int s = 1; s <= 2; ++s) m.SlabSelfWeightFactor(s) = 1.15;
    m.SlabTensileStrengthFactor = 1.0;
    m.AllowedCrackWidth = 0.2;
    m.ReleaseStrengthRatio = 0.7;
    m.ImposedLoadPsi1 = 0.7;

    // 20. The connection factor a project file keeps: none, as at start-up,
    // not the one of the project before.
    m.BetaYAsStored.clear();
}

void ResetNewProjectInput(ProjectModel& m) {
    ClearBeamDefinition(m);
    ResetProjectDefaults(m);
}

void ClearBeamDefinition(ProjectModel& m) {
    m.BeamTopStrainMax = 0;

    for (int r = 1; r <= 10; ++r) {
        m.BarArea(r) = 0;
        m.SteelBeamBarArea(r) = 0;
        m.TopBarArea(r) = 0;
        m.BarDistanceFromBottom(r) = 0;
        m.SteelBeamBarDistance(r) = 0;
        m.TopBarDistanceFromTop(r) = 0;
        m.TopBarDistanceFromBottom(r) = 0;
        m.BarsInRow(r) = 0;
        m.SteelBeamBarsInRow(r) = 0;
        m.TopBarsInRow(r) = 0;
        m.BarPrestress(r) = 0;
        m.SteelBeamBarPrestress(r) = 0;
        m.TopBarPrestress(r) = 0;
    }

    m.BottomFlangeWidth = 0;
    m.BeamTypeName = "";
    for (Value* v : {&m.BeamCategory, &m.LeftLedgeDepth, &m.RightLedgeDepth, &m.LeftLedgeWidth,
                     &m.RightLedgeWidth, &m.InnerProfileWidth, &m.BeamWidth, &m.TopFlangeWidth,
                     &m.BeamConcreteClass, &m.InfillConcreteClass, &m.WebHoleDiameter,
                     &m.WebHoleEdgeDistance, &m.ReinforcementStrength, &m.SteelBeamRebarStrength,
                     &m.TopRebarStrength, &m.OverallBeamHeight, &m.BottomFlangeThickness,
                     &m.TopFlangeThickness, &m.UpperRecessHeight, &m.LowerRecessHeight, &m.BoxHeight,
                     &m.LeftLedgeHeight, &m.RightLedgeHeight, &m.BeamHeight, &m.InnerProfileHeight,
                     &m.WebHeight})
        *v = 0;

    m.SlabsOnLedge = 0;
    m.DowelsOnBeamTop = 0;
    m.DowelledConnection = 0;
    m.MaterialParameterCount = 0;
    m.ReinforcementRowCount = 0;
    m.SteelBeamRebarRowCount = 0;
    m.TopRebarRowCount = 0;

    for (Value* v : {&m.ReinforcementModulus, &m.SteelBeamRebarModulus, &m.TopRebarModulus,
                     &m.CornerRadius, &m.SteelStrength, &m.BoxPlateThickness})
        *v = 0;

    m.ConcreteQualityClass(1) = 3;
    m.ConcreteQualityClass(2) = 3;

    m.InnerProfileFlangeThickness = 0;
    m.WebThickness = 0;
}

bool LeftSpacingsEmpty(const ProjectModel& m) { return m.BeamSpacing(1, 1) == 0 && m.BeamSpacing(1, 2) == 0; }

}  // namespace quorvel::model
