#pragma once
// The intermediate values and results of the last calculation. A new
// calculation overwrites them; readers check ResultsValid first.
//
// Units inside the calculation: lengths mm, forces N, line loads N/mm,
// moments Nmm, stresses and moduli MPa, strains per mille. Per side arrays:
// 1 left, 2 right. Along the beam: calculation points 0..50, load-stage rows
// 1 before joint grouting, 2 before the topping hardens, 3 permanent after
// hardening, 4 variable, 5 = 3 + 4, 6 = 1 + 2 + 5.

#include <cstdint>
#include <string>

#include "model/model_arrays.h"

namespace quorvel::model {

struct CalculationResultFields {
    // --- Structural steel (MPa) ------------------------------------------
    Value SteelGrade;
    Value SteelYieldStrength;
    Value SteelDesignStrength;
    Value SteelModulus;
    Value SteelPartialFactor;
    PlateStrengthArray PlateSteelGrade;      // per strength index 0..2
    PlateStrengthArray PlateYieldStrength;
    PlateStrengthArray PlateDesignStrength;

    // --- Concrete per concrete kind (MPa; strains per mille, negative) ---
    ConcreteKindArray ConcreteStrengthByKind;  // fck copied from the class inputs
    ConcreteKindArray ConcreteFck;
    ConcreteKindArray ConcreteFcd;
    ConcreteKindArray ConcreteFctk;
    ConcreteKindArray ConcreteFctd;
    ConcreteKindArray ConcreteEcm;
    ConcreteKindArray ConcreteParabolaExponent;
    ConcreteKindArray ConcreteStrainC2;
    ConcreteKindArray ConcreteStrainCu2;
    MaterialKindArray UnitWeightByKind;        // N/mm³ per material kind 1..9

    // --- Design values of the reinforcement groups -----------------------
    Value ReinforcementDesignStrength;   // group 1: fyd, proof ratio, kind code, gamma
    Value ReinforcementProofRatio;
    Value ReinforcementKind;
    Value ReinforcementPartialFactor;
    Value TopRebarDesignStrength;        // group 2
    Value TopRebarProofRatio;
    Value TopRebarKind;
    Value SteelBeamRebarDesignStrength;  // group 3
    Value SteelBeamRebarProofRatio;
    Value SteelBeamRebarKind;
    Value TopAndSteelBeamRebarPartialFactor;  // shared by groups 2 and 3
    Value ToppingReinforcementDesignStrength;
    Value RowSteelAreaTemp;              // working value of the row summation

    // --- Prestress and stirrup factors -----------------------------------
    Value PrestressPartialFactor;
    Value FactorLpt2;
    Value FactorLpt2Ratio;
    Value FactorLpt1Ratio;
    Value GoverningLptFactor;
    Value ReinforcementStrainLimit;
    Value StirrupYieldStrength;
    Value StirrupDesignStrength;

    // --- Load factors formed before a calculation ------------------------
    Value PermanentLoadFactorKfi;
    Value VariableLoadFactorKfi;
    SideArray SlabSelfWeightFactorKfi;
    SideArray EffectiveAdditionalSafetyFactor;
    // EN 1990 with the Finnish National Annex: expression (6.10a) takes every
    // permanent load, the slabs' self weight included, times 1.35 K_FI and no
    // variable load; (6.10b) the factors above. Each station of the beam and
    // of the slabs is designed with the larger; the expression that governs
    // at the largest value is kept (1 for 6.10a, 0 for 6.10b).
    Value PermanentOnlyLoadFactorKfi;
    int16_t BeamMomentExpression = 0;
    int16_t BeamShearExpression = 0;
    SideIntArray SlabMomentExpression;
    SideIntArray SlabShearExpression;

    // --- Slab data from the catalogue (per side, mm) ---------------------
    SideIntArray SlabCoreCount;
    SideArray SlabHeight;
    SideArray SlabTopFlangeThickness;
    SideArray SlabCoreHeight;
    SideArray SlabDimensionHct;
    SideArray SlabDimensionHv;
    SideArray SlabCoreWidth;
    SideArray SlabRecordValue8;
    SideArray SlabUnitWidth;
    SideArray SlabWidthDeduction;
    // The grout of the longitudinal joints between the units, kN/m2 of floor
    // (the catalogue's g is the unit's own weight): joined to SlabSelfWeight.
    SideArray SlabJointGroutWeight;
    SideArray SlabEdgeCoreDistance;
    SideArray SlabRecordValue14;
    SideArray SlabSupportLengthLimit;

    // --- Slab strands (per side) -----------------------------------------
    SideTextArray BottomStrandType;      // type keys split from the strand codes
    SideTextArray TopStrandType;
    SideIntArray BottomStrandCount;
    SideArray TopStrandCount;
    SideArray BottomStrandDiameter;
    SideArray BottomStrandArea;
    SideArray BottomStrandStrength;
    SideArray BottomStrandDesignStrength;
    SideArray BottomStrandBondFactor;
    SideArray BottomStrandAxisDistance;
    SideArray TopStrandDiameter;
    SideArray TopStrandArea;
    SideArray TopStrandBondFactor;
    SideArray TopStrandAxisDistance;
    SideArray SlabStrandModulus;
    SideArray StrandAnchorageLength;
    SideArray ShearSectionDistance;
    SidePairArray StrandBondStrength;    // (side, k): k 1 bottom, 2 top strands

    // --- Slab section (per side) -----------------------------------------
    SideArray SlabTopFlangeDesignThickness;
    SideArray SlabBottomFlangeThickness;
    SideArray SlabWorkingWidth;
    SideArray SlabWebWidthSum;
    SideArray SlabBcr;
    SideArray SlabArea;
    SideArray SlabSectionValueA;
    SideArray SlabDimensionPhc;
    SideArray SlabFirstMoment;
    SideArray SlabMomentOfInertia;
    SideArray SlabInertiaSum;
    SideArray SlabSectionValueC;
    SideArray SlabSectionValueD;
    SideArray SlabEdgeWebWidth;
    SideArray SlabCoreSpacing;
    SideArray SlabDepthFactor;
    SideArray ToppedSlabArea;
    SideArray ToppedSlabCentroidPhc;
    SideArray ToppedSlabFirstMoment;
    SideArray ToppedSlabMomentOfInertia;
    SideArray SideToppingThickness;      // element 0: the strip over the beam
    SideArray SlabKcd;
    SideArray SlabBcd;
    SideArray EffectiveSupportLength;
    SideArray SlabPrincipalStressLimit;
    // The transfer factor alpha with which the side's largest principal
    // stress was calculated (0.75 or 1.5).
    SideArray SlabPrincipalStressTransferFactor;

    // --- Slab net width (per side) ---------------------------------------
    // W = SlabUnitWidth - SlabWidthDeduction, formed with the section
    // properties of the slab unit.
    SideArray SlabNetWidth;

    // --- Slab prestress (per side) ---------------------------------------
    SideArray SlabPrestressStress;
    SideArray SlabPrestressStressAp;
    SideArray SlabPrestressForce;
    SideArray SlabPrestressEccentricity;
    SideArray SlabCrackingMoment;        // kNm/m
    SideArray SlabUltimateMoment;        // kNm/m

    // --- Slab area loads (per side, kN/m²) -------------------------------
    SideArray SlabSelfWeight;
    SideArray SlabSelfWeightDesign;
    SideArray ToppingLoadDesign;
    SideArray SlabImposedLoadPermanentDesign;
    SideArray SlabImposedLoadVariableDesign;
    SideArray SlabDesignAreaLoad;

    // --- Slab loads as beam line loads (per beam end 1 start, 2 end) -----
    SideArray SlabSelfWeightLineLoad;
    SideArray ToppingLineLoad;
    SideArray ImposedPermanentLineLoad;
    SideArray ImposedVariableLineLoad;
    SideArray ImposedLineLoadSum;
    SideArray TotalLineLoad;
    SideArray SlabSelfWeightLineLoadDesign;
    SideArray ToppingLineLoadDesign;
    SideArray ImposedPermanentLineLoadDesign;
    SideArray ImposedVariableLineLoadDesign;
    SideArray ImposedLineLoadSumDesign;
    SideArray TotalLineLoadDesign;
    SideEndArray SlabLoadWidth;          // (side, end)

    // --- Beam self weight, joint concrete, design beam loads -------------
    Value BeamSelfWeight;
    Value BeamPartialSelfWeight;
    Value BeamPartialSelfWeightDesign;
    Value BeamSelfWeightDesign;
    Value JointConcreteLineLoad;
    Value JointConcreteLineLoadDesign;
    Value BeamLineLoadG1Design;
    Value BeamLineLoadG2Design;
    Value BeamLineLoadQ1Design;
    Value BeamLineLoadQ2Design;
    Value SupportMomentStartBeamSelfWeight;
    Value SupportMomentEndBeamSelfWeight;

    // --- Segments of slab point and line loads (segments 0..10) ----------
    SegmentComponentArray PointLoadSegmentIntensity;  // (segment, component 0..3)
    SegmentComponentArray LineLoadSegmentIntensity;
    SegmentArray PointLoadSegmentStart;
    SegmentArray PointLoadSegmentLength;
    SegmentArray LineLoadSegmentStart;
    SegmentArray LineLoadSegmentLength;
    LoadSideArray PointLoadSpreadLength;  // (load, side)

    // --- Calculation grid (CalculationGrid) -----------------------------
    int16_t CalculationPointCount = 0;  // last point n, at most 50
    PointArray CalculationPointX;       // position of point i from the beam start
    ZeroPointArray ZeroMomentX;         // elements 1, 2
    Value ZeroMomentSpan;
    Value GoverningJointX;

    // --- Spacings as analysed --------------------------------------------
    SideEndArray EnteredBeamSpacing;         // (side, end): as entered
    SideEndSingleArray AnalysedBeamSpacing;  // (side, end): as the last analysis used them
    Value MaxLeftBeamSpacing;
    Value WorkSlabSpan;
    Value WorkSlabSpanReduced;
    int16_t SlabSideCount = 0;               // sides carrying slabs, 0..2
    SideIntArray SlabSidePresent;            // 1 when the side carries slabs

    // --- Beam actions per (point, load-stage row LoadStageRow) ----------
    PointStageArray BeamMomentChar;
    PointStageArray BeamMomentDesign;
    PointStageArray BeamShearDesign;
    PointStageArray BeamShearChar;

    // --- Beam maxima -----------------------------------------------------
    Value MaxCharMoment;
    Value MaxCharMomentStation;
    Value MaxDesignMoment;
    Value MaxDesignMomentStation;
    Value MaxShearStage01;
    Value MaxShearStage01Station;
    Value ShearStage01Aux;
    Value MaxShearStage2;
    Value MaxShearStage2Station;
    Value MaxShearStage5;
    Value MaxShearStage6;
    Value MaxShearStage6Station;
    Value ActingDesignMoment;
    // The largest design moment of the total row over the span as it is,
    // Nmm: MaxDesignMoment where the beam sags somewhere, below 0 where it
    // hogs over the whole span (MaxDesignMoment, the checked one, is then
    // 0). The report prints it as it prints MaxCharMoment.
    Value LargestDesignMoment;
    // The most negative (hogging) design moment of the total row over the
    // whole span, supports included, Nmm, and where it acts (mm from the
    // start); 0 at 0 when the beam nowhere hogs. The beam is checked in
    // sagging only: this moment is reported, not checked.
    Value MaxHoggingDesignMoment;
    Value MaxHoggingDesignMomentX;
    // The same of the total row of the characteristic moments: the moment
    // that stretches the beam top at the slab support, which the strain
    // check (a shortening) does not judge.
    Value MaxHoggingCharMoment;

    // --- Section part lists (SectionPartList; parts 1..10) --------------
    int16_t SteelPlateCount = 0;
    int16_t PrecastPartCount = 0;
    int16_t InfillPartCount = 0;
    int16_t JointPartCount = 0;
    PartListArray SteelPlateBottomWidth;
    PartListArray SteelPlateTopWidth;
    PartListArray SteelPlateHeight;
    PartListArray SteelPlateLevel;
    PartListArray SteelPlateOffset;
    // The nominal thickness of plate n by which its yield strength is looked
    // up (EN 10025-2): set where the part's width is not the plate's
    // thickness (an inclined web cut horizontally, a roof plate); 0 takes
    // the smaller of the part's mean width and height.
    PartListArray SteelPlateThickness;
    PartListArray PrecastPartBottomWidth;
    PartListArray PrecastPartTopWidth;
    PartListArray PrecastPartHeight;
    PartListArray PrecastPartLevel;
    PartListArray PrecastPartOffset;
    PartListArray InfillPartBottomWidth;
    PartListArray InfillPartTopWidth;
    PartListArray InfillPartHeight;
    PartListArray InfillPartLevel;
    PartListArray InfillPartOffset;
    PartListArray JointPartBottomWidth;
    PartListArray JointPartTopWidth;
    PartListArray JointPartHeight;
    PartListArray JointPartLevel;
    PartListArray JointPartOffset;
    Value SteelPlatesTopLevel;
    Value SteelPlatesBottomLevel;
    Value PrecastPartsTopLevel;
    Value InfillPartsTopLevel;

    // --- Section geometry derived per family -----------------------------
    Value BeamTopLevel;
    SideArray LedgeHeightBySide;
    SideArray SlabWidthDataParam;
    Value FilletCorrection;                // rounded corners taken into account
    SideArray EffectiveJointGroutWidth;
    SideSingleArray SlabEndOffset;
    SideSingleArray BottomOverhangBySide;
    SideArray SlabBottomLevel;
    SideArray SideSpanWidthLimit;
    SideArray CwqJointSideValue;

    // --- Part properties (part slots 1..20) ------------------------------
    PartSlotArray PartArea;
    PartSlotArray PartCentroidHeight;
    PartSlotArray PartFirstMoment;
    PartSlotArray PartOwnInertia;
    PartSlotArray PartAxialStiffness;
    PartSlotArray PartStiffnessMoment;
    PartSlotArray PartOwnStiffness;
    PartSlotArray PartParallelAxisStiffness;
    Value TrapezoidArea;                   // the current trapezoid part
    Value TrapezoidFirstMoment;
    Value TrapezoidOwnInertia;
    Value TrapezoidFirstMoment2;
    Value TrapezoidOwnInertia2;

    // --- Transformed section per section stage 1..10 ---------------------
    SectionStageArray SectionAxialStiffness;
    SectionStageArray SectionStiffnessMoment;
    SectionStageArray SectionCentroid;
    SectionStageArray SectionBendingStiffness;
    SectionStageArray SectionOwnInertiaSum;
    SectionStageArray SectionParallelAxisSum;
    PartGroupArray PartGroupAxialStiffness;  // per part group 1..10
    PartGroupArray PartGroupStaticMoment;
    PartGroupArray PartGroupShearFlowFactor;
    Value TransformedArea;
    Value TransformedFirstMoment;
    Value TransformedInertia;
    Value SectionSummaryValue1;
    Value SectionSummaryValue2;

    // --- Reinforcement layers and beam prestress -------------------------
    Value LayerAreaSum;
    Value LayerEccentricity;
    Value LayerFirstMoment;
    Value PrestressMomentTerm;
    Value SuperPrestressTerm;
    EquivalentLoadArray PrestressEquivalentLoads;

    // --- Resistance solver -----------------------------------------------
    Value MomentResistanceA;
    Value MomentResistanceUsed;
    Value MomentResistanceSolved;
    Value SectionResultA;
    Value SectionResultB;
    Value NeutralAxisDepth;
    Value SolverReferenceDepth;
    Value SolverLimitStrain;
    Value SolverReferenceStrain;
    Value SectionCurvature;
    Value SolverResultA;                // T, the tensile resultant of the last plane, N
    Value SolverResultB;                // C, its compressive resultant (negative), N
    Value SolverResidual;
    Value SolverSectionCentroid;
    RowArray RowLimitStrainMain;        // limit strain per row 1..10, per mille
    RowArray RowLimitStrainSteelBeam;

    // --- Beam shear; dowel forces per side -------------------------------
    Value ShearReinforcementDesign;
    Value ShearReinforcementRequired;
    Value MaxShearResistance;
    Value SteelWebShearStress;
    SideArray WebForcePerLength;        // N/mm
    SideArray TopForcePerLength;

    // --- Slab checks per (side, point) -----------------------------------
    SidePointArray SlabDeadLoadMoment;
    SidePointArray SlabImposedLoadMoment;
    SidePointArray SlabCharacteristicMoment;
    SidePointArray SlabDesignMoment;
    SidePointArray SlabDesignMomentAtBcr;
    SidePointArray SlabAreaLoadMomentAtBcr;
    SidePointArray SlabMomentAtBcrDifference;
    SidePointArray PointLoadSlabMomentK;
    SidePointArray PointLoadSlabMomentD;
    SidePointArray LineLoadSlabMomentK;
    SidePointArray LineLoadSlabMomentD;
    SidePointArray SlabShearPartA;
    SidePointArray SlabShearPartB;
    SidePointArray SlabDesignShear;      // kN/m
    SidePointArray PointLoadSlabShear;
    SidePointArray LineLoadSlabShear;
    // The permanent loads' part of the four tables above, characteristic.
    SidePointArray PointLoadSlabMomentG;
    SidePointArray LineLoadSlabMomentG;
    SidePointArray PointLoadSlabShearG;
    SidePointArray LineLoadSlabShearG;
    SidePointArray SlabShearExpressionAt;  // 1 where (6.10a) governs the support shear
    PointSidePartArray SlabEdgeShearFlow;  // (point, side, part)

    // --- Slab maxima and minima per side ---------------------------------
    SideArray SlabMaxDeadLoadMoment;
    SideArray SlabMaxImposedLoadMoment;
    SideArray SlabMaxCharacteristicMoment;
    SideArray SlabMaxDesignMoment;
    SideArray SlabMaxShearPartA;
    SideArray SlabMaxShearPartB;
    SideArray SlabMaxDesignShear;
    SideArray SlabCheckMinimum1;
    SideArray SlabMinShearValue;
    SideArray SlabCheckMinimum2;
    SideArray SlabCheckMinimum3;
    SideArray SlabCheckMinimum4;
    SideArray SlabCheckMinimum5;
    SideArray SlabCheckMinimum5Point;
    GoverningSideArray GoverningSide;

    // --- Per-side values of the three governing-side criteria ------------
    // Positions 1 and 2 hold a value per side, position 0 no side; the side
    // with the largest value governs the criterion (FindSlabResultMaxima).
    // No step of the calculation fills them, so every position holds 0.
    SideArray SlabSideCriterion1;
    SideArray SlabSideCriterion2;
    SideArray SlabSideCriterion3;

    // --- Slab stresses per side (MPa) ------------------------------------
    SidePairArray SlabPrincipalStressEnvelope;  // (side, half-zone)
    SideArray SlabPrincipalStressMax;
    SideArray SlabNormalStressMax;
    SideArray SlabTransferShearStress;
    SideArray SlabShearStressThcMaxA;
    SideArray SlabShearStressThcMaxB;
    SideArray SlabShearStressThcMax;
    SideArray GoverningPointValue;
    SideArray SlabShearStressTvlMaxA;
    SideArray SlabShearStressTvlMaxB;
    SideArray SlabShearStressTvlMax;
    SideArray SlabShearStressTvl0Max;
    SidePairArray SlabShearStressTvlEnvelope;   // (side, half-zone)
    SideArray SideEndFactorMin;
    SideArray SideShearStressReserve;
    SideArray BetaF;
    SideArray BetaT;
    SidePairArray BetaR;                        // (side, half-zone)
    Value BetaY;
    Value TvlComponentWeightA;
    Value TvlComponentWeightB;
    Value RequiredBeamStiffness;
    Value SlabShearStressReserve;
    Value ShearExceedancePosition;
    Value BeamShearFlowMaxA;
    Value BeamShearFlowMaxB;
    Value SlabTensileStressPart1;
    Value SlabTensileStressPart2;
    Value SlabTensileStressSum;
    // Each slab field's largest underside tension from the beam's bending,
    // in its own slab concrete (MPa); the three values above are those of
    // the side whose tension is the most over its tensile strength.
    SideArray SlabTensileStressBySide;

    // --- Shear reserve of each slab field --------------------------------
    // Formed at the end of the analysis for each side whose principal
    // tensile stress is over its limit (0 and unwritten otherwise):
    // SideShearStressReserve above, the beam stiffness that would keep tvl
    // within it, and the length from the support of the zone where tvl
    // exceeds it. The scalars SlabShearStressReserve, RequiredBeamStiffness
    // and ShearExceedancePosition hold the left side's values.
    SideArray SideRequiredBeamStiffness;
    SideArray SideShearExceedancePosition;

    // --- The station that governs each slab field's web check ------------
    // The station whose sigma1 is the most over its own limit, with the
    // terms that sigma1 was formed from (MPa), so that the report prints
    // one station's set from which sigma1 and the shear reserve recombine.
    // The transfer terms carry the transfer factor alpha; the prestress is
    // the one in force there (the effective strands only where the slab
    // underside is cracked).
    SideArray GoverningWebX;                // mm from the beam start
    SideArray GoverningWebThc;
    SideArray GoverningWebTvl;
    SideArray GoverningWebTransferFactor;   // alpha
    SideArray GoverningWebTransferShear;    // alpha tau_cp
    SideArray GoverningWebPrestress;        // alpha sigma_cp
    SideArray GoverningWebNormalStress;     // sigma_n
    SideArray GoverningWebPrincipalStress;  // sigma1
    SideArray GoverningWebLimit;            // the station's allowed sigma1
    SideArray GoverningWebSafetyFactor;     // the station's additional safety factor

    // --- Core filling per side (mm) --------------------------------------
    SideArray CoreFillingResult;
    SideArray RequiredCoreFillingLength;
    SideArray CoreFillingStart;
    SideEndArray CoreFillingZoneLimits;  // (side, end): zone length from that end

    // --- Beam deflections (mm) and strains (dimensionless) ---------------
    Value BeamDeflectionMax1;
    Value BeamDeflectionMax2;
    Value BeamDeflectionMax3;
    Value BeamDeflectionMax4;
    Value BeamDeflectionMax5;
    Value BeamDeflectionMax6;
    Value BeamDeflectionMax7;
    Value BeamDeflectionTotalMax;
    Value BeamTopStrainMaxA;
    Value BeamTopStrainMaxB;
    Value BeamTopStrainMax;
    Value BeamTopStrainMin;  // largest stretch of the seat (<= 0), not checked
    Value AllowedStrain;
    int16_t DeflectionLoopExceeded = 0;
    int16_t DeflectionLoopRepeated = 0;

    // --- Utilisation ratios ----------------------------------------------
    SideArray SlabShearUtilisation;
    SideArray SlabBendingUtilisation;
    SideArray SlabCrackingUtilisation;
    SidePairArray SlabShearUtilisationByZone;  // (side, half-zone)
    Value UtilisationRatio;                    // of the beam

    // --- Calculation bookkeeping -----------------------------------------
    // The file named by the run-time error that stopped the last
    // calculation or report; empty when the error named none.
    std::string FailedFile;
    StatusArray CalculationStatus;  // 0 analysis, 1 work-file round trip,
                                    // 3 and 4 the two report halves; 0 = success
    int16_t FirstInputErrorLine = 0;
    std::string TextFileName;
    int16_t ViewerTextModified = 0;
};

}  // namespace quorvel::model
