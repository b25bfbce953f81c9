#pragma once
// The working state of one analysis: the per-station tables of the beam
// block and the slab checks, the core-filling state of the run and the
// scalars its phases hand to each other. One AnalysisRun lives for one call
// of the analysis and starts empty (every value 0), so nothing of an earlier
// calculation reaches a later one; what the report and the results table
// show is in the project model.
//
// Tables over stations and sides hold station i of side k at (i, k), the
// element i + 51 k; PointCoreFillingFlag is (side, station), element
// k + 3 i. Stations 0..CalculationPointCount are meaningful.

#include <array>
#include <stdexcept>
#include <utility>

#include "model/model_arrays.h"
#include "runtime/messages.h"

namespace quorvel::analysis {

using model::PointArray;
using model::SideArray;
using model::SidePointArray;
using runtime::Value;

// (station 0..50, side 0..2): element i + 51 * side.
using StationSideArray = runtime::Array2<Value, 0, model::MaxCalculationPoint, 0, 2>;

// Ends an analysis that cannot be made for what the user entered, with the
// message that names it in both languages; the run turns it into status -1
// with its message, as a slab type missing from the catalogue.
class CalculationRefused : public std::runtime_error {
public:
    explicit CalculationRefused(runtime::Message message)
        : std::runtime_error(message.english), message_(std::move(message)) {}
    const runtime::Message& message() const noexcept { return message_; }

private:
    runtime::Message message_;
};

// A core-filling length counts as core filling only above this (mm).
inline constexpr double CoreFillingThreshold = 50.0;

// The station of a side whose principal tensile stress sigma1 is the most
// over its own limit, with the terms that sigma1 was formed from: the shear
// reserve of the side answers this sigma1. MPa.
struct GoverningWebStation {
    int station = -1;           // none yet
    double utilisation = 0.0;   // sigma1 over the station's limit
    double transferFactor = 0.0;  // alpha of the governing sigma1
    double prestress = 0.0;     // sigma_cp in force (cracked: effective strands only)
    double normalStress = 0.0;  // sigma_n
    double transferShear = 0.0;  // tau_cp, before alpha
    double thc = 0.0;
    double tvl = 0.0;
    double sigma1 = 0.0;
    double limit = 0.0;         // the station's allowed sigma1
    double safetyFactor = 0.0;  // the station's additional safety factor
};

struct AnalysisRun {
    // --- Core filling --------------------------------------------------
    int16_t CoreFillingRerunDone = 0;     // the one re-run has been taken
    // A design shear over the upper limit of the dowelled joint gave up the
    // reduced connection factor (beta.y back to 1) after the webs had been
    // checked with it: the one re-run checks them with the factor kept.
    int16_t ConnectionGivenUp = 0;
    SideArray ActiveCoreFillingLength;    // filling in effect for the beam block, mm
    SidePointArray PointCoreFillingFlag;  // (side, station): checked with filled cores
    SidePointArray PointCoreFillingUsed;  // (side, station): the filling it was checked with, mm (0: none)
    Value PointCoreFillingLength;         // filling in force at the station being checked

    // --- Beam block -------------------------------------------------------
    PointArray CompositeMomentLine;  // row 5 of the design moments
    // The design moments on stations spread uniformly over the whole span,
    // supports included, as the beam maxima take them.
    model::PointStageArray SpanMomentDesign;
    PointArray BeamShearFlowA;       // shear flow components of the beam, N/mm
    PointArray BeamShearFlowB;
    Value ShearCheckJointWidth;      // guard of the beam shear design
    Value StirrupPartialFactor;

    // --- Slab checks per station (MPa; resistances kN/m) ------------------
    StationSideArray PointShearStressTvlA;
    StationSideArray PointShearStressTvlB;
    StationSideArray PointShearStressTvl0;
    StationSideArray PointShearStressTvl;
    StationSideArray PointShearStressThcA;
    StationSideArray PointShearStressThcB;
    StationSideArray PointShearStressThc;
    StationSideArray PointNormalStress;
    StationSideArray SlabPointRatioNumerator;  // principal tensile stress sigma1
    StationSideArray PointTransferFactor;      // the transfer factor alpha of that sigma1
    StationSideArray PointShearResistance;
    StationSideArray PointShearResistanceCap;
    StationSideArray SlabPointShearRatio;      // sigma1 over the station's limit

    // Per side, formed by the slab checks.
    SideArray BaseWebStressLimit;
    SideArray ReducedPrestressWebCapacity;
    SideArray EffectiveBottomStrandCount;
    std::array<GoverningWebStation, 3> GoverningWeb;  // [side], 1 left, 2 right

    // The station being checked.
    Value EndCheckDistance;
    Value PointEndFactor;
    Value PointZoneIndex;
    Value HoleShearIncrementA;
    Value HoleShearIncrementB;
    Value PointCrackingStress;
    Value PointCoreFillingFactor;
    Value PointPrestressStress;
    Value PointSafetyFactor;
    Value PointStressLimit;
    Value GoverningTransferFactor;

    // --- Maxima and final values ------------------------------------------
    PointArray PointMaximumWork;
    Value BeamMomentRow2Max;
    Value BeamMomentRow5Max;
};

}  // namespace quorvel::analysis
