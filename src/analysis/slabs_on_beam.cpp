// The frame of one analysis (phases in order, the one core-filling restart
// at the beam block, the status of a slab-data failure) and its final
// values: the governing utilisations of the slab fields and of the beam.

#include "analysis/slabs_on_beam.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "analysis/beam_block.h"
#include "analysis/slab_checks.h"
#include "library/deflections.h"
#include "library/utilities.h"
#include "runtime/data_files.h"
#include "runtime/errors.h"
#include "runtime/format_fixed.h"

namespace quorvel::analysis {

using library::MaxValue;
using library::MinValue;
using runtime::Value;

namespace {

// One pass of the beam block and the slab checks, and one more after the
// first station that calls for core filling; a further call is a fault of
// the run and ends it with an error instead of looping.
constexpr int MaxBeamBlockPasses = 3;  // the first, the core-filling re-run, the connection re-run

// A stress at the slab underside below this (MPa) is the rounding of the
// zero moment at a support without an end moment, not a tension.
constexpr double TensionFloor = 1e-6;

// Required beam stiffness when no shear stress is left for tvl.
constexpr double NoReserveStiffness = 1e30;

// Restores, on every way out of the analysis, the input values that the run
// changes in passing.
class TypedInputGuard {
public:
    explicit TypedInputGuard(model::ProjectModel& m)
        : m_(m),
          coreFilling_(m.CoreFillingLength),
          supportLength_(m.SlabSupportLength),
          groutWidth_(m.JointGroutWidth) {}
    ~TypedInputGuard() {
        m_.CoreFillingLength = coreFilling_;
        m_.SlabSupportLength = supportLength_;
        m_.JointGroutWidth = groutWidth_;
    }
    TypedInputGuard(const TypedInputGuard&) = delete;
    TypedInputGuard& operator=(const TypedInputGuard&) = delete;

private:
    model::ProjectModel& m_;
    const model::SideArray coreFilling_;
    const model::SideArray supportLength_;
    const model::SideArray groutWidth_;
};

// The largest design moment of one load row over stations 0..n.
Value largestMomentOfRow(const model::ProjectModel& m, int row, model::PointArray& work) {
    Value maximum, station;
    library::CopyMatrixColumn(m.BeamMomentDesign, work, -1, row, model::MaxCalculationPoint,
                              model::MaxLoadStage);
    library::FindArrayMaximum(work, m.CalculationPointCount, maximum, station);
    return maximum;
}

}  // namespace

bool BeamCheckUsesCompositeResistance(const model::ProjectModel& m) {
    if (m.BeamCategory == 2) return false;
    if (m.BeamCategory == 1) return model::FamilyOfTypeNameAsItStands(m.BeamTypeName) == model::BeamFamily::CW;
    return true;
}

bool MomentHogs(double moment, double largestMagnitude) {
    return moment < -HoggingTolerance * std::max(largestMagnitude, 1e6);
}

int HoggingMomentDecimals(double kNm, int decimals) {
    int places = std::max(decimals, 0);
    if (!(kNm < 0.0)) return places;
    while (places < 6 && std::round(-kNm * std::pow(10.0, places)) < 1.0) ++places;
    return places;
}

std::string HoggingMomentText(double kNm, int decimals) {
    return runtime::FormatFixed(Value(kNm), 0, static_cast<int16_t>(HoggingMomentDecimals(kNm, decimals)), 0);
}

namespace {

// Whether a row's largest moment sags: its opposite hogs by the same rule,
// against the largest magnitude of the row (its largest moment or its
// largest hogging one). A residue at a support sags no more than it hogs.
bool sags(double largest, double largestHogging) {
    return MomentHogs(-largest, std::max(largest, -largestHogging));
}

}  // namespace

bool BeamSaggingMomentChecked(const model::ProjectModel& m) {
    return !BeamHogs(m) || sags(m.MaxDesignMoment, m.MaxHoggingDesignMoment);
}

bool BeamHogs(const model::ProjectModel& m) { return m.MaxHoggingDesignMoment < 0.0; }

bool BeamHogsCharacteristic(const model::ProjectModel& m) { return m.MaxHoggingCharMoment < 0.0; }

bool BeamShearFlowChecked(const model::ProjectModel& m) { return m.ZeroMomentSpan > 0.0; }

namespace {

// The strain below which the seat's shortening or stretch is a rounding
// residue: the tolerance of "hogs" against the larger of the two (a
// strain of 1e-6 at the least).
double seatStrainTolerance(const model::ProjectModel& m) {
    return HoggingTolerance * std::max({m.BeamTopStrainMax.number(), -m.BeamTopStrainMin.number(), 1e-6});
}

// The largest stretch of the slab seat that the strain check leaves
// unjudged (negative), 0 where the seat stretches nowhere.
double seatStretch(const model::ProjectModel& m) {
    return m.BeamTopStrainMin < -seatStrainTolerance(m) ? m.BeamTopStrainMin.number() : 0.0;
}

}  // namespace

bool BeamStrainChecked(const model::ProjectModel& m) {
    return library::StrainCheckApplies(m) && m.BeamTopStrainMax > seatStrainTolerance(m);
}

BeamMomentCheck BeamBendingCheck(const model::ProjectModel& m) {
    return {true, BeamSaggingMomentChecked(m), m.MaxHoggingDesignMoment};
}

BeamMomentCheck BeamStrainCheck(const model::ProjectModel& m) {
    if (!library::StrainCheckApplies(m)) return {false, false, 0.0, true};
    return {true, BeamStrainChecked(m), seatStretch(m), true};
}

Value BeamAloneMomentResistance(const model::ProjectModel& m) {
    return m.BeamCategory == 1 ? Value(m.SteelPartialFactor * m.MomentResistanceA) : m.MomentResistanceA;
}

void ResetCalculationResults(model::ProjectModel& m) {
    static const model::CalculationResultFields fresh{};
    model::CalculationResultFields& results = m;

    const Value permanentFactor = results.PermanentLoadFactorKfi;
    const Value variableFactor = results.VariableLoadFactorKfi;
    const model::SideArray selfWeightFactor = results.SlabSelfWeightFactorKfi;
    const Value permanentOnlyFactor = results.PermanentOnlyLoadFactorKfi;
    const model::StatusArray statuses = results.CalculationStatus;
    const int16_t firstInputErrorLine = results.FirstInputErrorLine;
    const model::SideEndSingleArray analysedSpacing = results.AnalysedBeamSpacing;
    const Value connectionFactor = results.BetaY;
    const std::string viewerFile = results.TextFileName;
    const int16_t viewerModified = results.ViewerTextModified;

    results = fresh;

    results.PermanentLoadFactorKfi = permanentFactor;
    results.VariableLoadFactorKfi = variableFactor;
    results.SlabSelfWeightFactorKfi = selfWeightFactor;
    results.PermanentOnlyLoadFactorKfi = permanentOnlyFactor;
    results.CalculationStatus = statuses;
    results.FirstInputErrorLine = firstInputErrorLine;
    results.AnalysedBeamSpacing = analysedSpacing;
    results.BetaY = connectionFactor;
    results.TextFileName = viewerFile;
    results.ViewerTextModified = viewerModified;
}

std::optional<runtime::Message> NegativeUtilisationFault(const model::ProjectModel& m) {
    // What went below zero, and what to check, in both languages.
    struct Cause {
        const char *finnish, *english;
    };
    static constexpr Cause slab{"laatan kestävyys on alle nollan. Tarkista laatan punokset (enemmän kuin laattaan "
                                "mahtuu?) sekä laatta- ja punostiedoston arvot.",
                                "the slab's resistance is below zero. Check the slab's strands (more than the slab "
                                "can hold?) and the values of the slab and strand file."};
    static constexpr Cause beam{"palkin momenttikestävyys on alle nollan. Tarkista palkin poikkileikkaus, raudoitus "
                                "ja materiaalit.",
                                "the beam's moment resistance is below zero. Check the beam's section, reinforcement "
                                "and materials."};
    static constexpr Cause strain{"sallittu venymä on alle nollan. Tarkista sallittu halkeamaleveys.",
                                  "the allowed strain is below zero. Check the allowed crack width."};
    struct Check {
        double ratio;
        Cause name;
        const Cause* cause;
    };
    std::vector<Check> checks;
    for (int side = 1; side <= 2; ++side) {
        if (m.SlabSidePresent(side) == 0) continue;
        const bool left = side == 1;
        checks.push_back({m.SlabShearUtilisation(side),
                          left ? Cause{"vasemman laatan leikkauksen", "left slab shear"}
                               : Cause{"oikean laatan leikkauksen", "right slab shear"},
                          &slab});
        checks.push_back({m.SlabBendingUtilisation(side),
                          left ? Cause{"vasemman laatan taivutuksen", "left slab bending"}
                               : Cause{"oikean laatan taivutuksen", "right slab bending"},
                          &slab});
    }
    checks.push_back({m.UtilisationRatio, {"palkin taivutuksen", "beam bending"}, &beam});
    if (library::StrainCheckApplies(m) && m.AllowedStrain != 0.0)
        checks.push_back({m.BeamTopStrainMax / m.AllowedStrain, {"venymän", "strain"}, &strain});
    for (const Check& c : checks) {
        if (!(c.ratio < 0.0)) continue;
        char value[32];
        std::snprintf(value, sizeof value, "%.3f", c.ratio);
        return runtime::Message{std::string("Laskenta keskeytyi: ") + c.name.finnish +
                                    " käyttöaste on negatiivinen (" + value + "): " + c.cause->finnish,
                                std::string("Calculation stopped: the ") + c.name.english +
                                    " utilisation is negative (" + value + "): " + c.cause->english};
    }
    return std::nullopt;
}

void AnalyseSlabsOnBeam(model::ProjectModel& m, runtime::Messages& messages, int16_t& status,
                        const SupportLineTableWriter& writeSupportLineTable) {
    TypedInputGuard typedInputs(m);
    // Each data file is looked at once in the analysis.
    runtime::DataFileScope dataFiles(m.DataFiles);
    ResetCalculationResults(m);
    runtime::clearFloatingPointFlags();
    SlabsOnBeamAnalysis analysis(m, messages);
    analysis.setSupportLineTableWriter(writeSupportLineTable);
    analysis.run(status);
}

SupportLineTables SlabsOnBeamAnalysis::supportLineTables() const {
    return {run_.BeamShearFlowA,          run_.BeamShearFlowB,        run_.PointShearStressTvl0,
            run_.PointShearStressTvl,     run_.PointShearResistance,  run_.PointShearStressThc,
            run_.SlabPointRatioNumerator, run_.SlabPointShearRatio,   run_.PointCoreFillingUsed};
}

void SlabsOnBeamAnalysis::run(int16_t& status) {
    // The slab-data reader reports a failure by making the status non-zero,
    // so the status starts every analysis at 0.
    status = 0;
    if (!setUp(status)) {
        if (status == 0) status = -1;
        return;
    }
    runtime::checkFloatingPoint();
    try {
        runPasses(status);
    } catch (const CalculationRefused& refused) {
        messages_.push_back(refused.message());
        status = -1;
    }
}

void SlabsOnBeamAnalysis::runPasses(int16_t& status) {
    const bool reducedConnection = m_.BetaY < 0.999;

    for (int pass = 1; pass <= MaxBeamBlockPasses; ++pass) {
        runBeamBlock();
        runtime::checkFloatingPoint();

        bool restart = false;
        for (int side = 1; side <= 2 && !restart; ++side) {
            restart = checkSlabSide(side);
            runtime::checkFloatingPoint();
        }
        if (restart) continue;

        findZonesAndDeflections();
        runtime::checkFloatingPoint();
        computeFinalValues();
        runtime::checkFloatingPoint();
        // The webs were checked with the reduced connection factor that the
        // beam's shear design has just given up: they are checked again
        // with beta.y = 1, the factor the report prints, so the slab shear
        // is never the smaller one of a connection that does not hold.
        if (reducedConnection && m_.BetaY >= 0.999 && run_.ConnectionGivenUp == 0) {
            run_.ConnectionGivenUp = 1;
            continue;
        }
        if (const auto fault = NegativeUtilisationFault(m_)) {
            messages_.push_back(*fault);
            status = -1;
            return;
        }
        if (writeTable_) writeTable_(m_, supportLineTables());
        status = 0;
        return;
    }
    throw runtime::RunTimeError(runtime::ErrInvalidCall,
                                "a re-run of the beam block was asked for a second time");
}

void SlabsOnBeamAnalysis::findSlabTension() {
    model::ProjectModel& m = m_;
    // Each slab field's underside in its own slab concrete: at the largest
    // moments of rows 2 and 5 (an underside below the centroid of the
    // section), and, where larger, the largest stress over the stations of
    // the whole span, supports included (an underside above the centroid,
    // which a hogging moment stretches). A side that carries no slabs is
    // left out while the other carries them.
    const bool anySide = m.SlabSidePresent(1) != 0 || m.SlabSidePresent(2) != 0;
    Value parts[3][2];
    for (int side = 1; side <= 2; ++side) {
        m.SlabTensileStressBySide(side) = 0.0;
        if (anySide && m.SlabSidePresent(side) == 0) continue;
        const double level = m.SlabBottomLevel(side);
        const double E = m.ConcreteEcm(3 + side);
        Value& sum = m.SlabTensileStressBySide(side);
        library::ComputeTwoRatiosAndSum(run_.BeamMomentRow2Max, run_.BeamMomentRow5Max,
                                        m.SectionBendingStiffness(5), m.SectionBendingStiffness(6),
                                        m.SectionCentroid(5), m.SectionCentroid(6), level, E, parts[side][0],
                                        parts[side][1], sum);
        for (int i = 0; i <= m.CalculationPointCount; ++i) {
            Value part1, part2, stationSum;
            library::ComputeTwoRatiosAndSum(run_.SpanMomentDesign(i, 2), run_.SpanMomentDesign(i, 5),
                                            m.SectionBendingStiffness(5), m.SectionBendingStiffness(6),
                                            m.SectionCentroid(5), m.SectionCentroid(6), level, E, part1, part2,
                                            stationSum);
            if (stationSum > TensionFloor && stationSum > sum) {
                parts[side][0] = part1;
                parts[side][1] = part2;
                sum = stationSum;
            }
        }
    }
    // The summary shows the side whose tension is the most over its own
    // tensile strength.
    const int side = SlabTensionGoverningSide(m);
    m.SlabTensileStressPart1 = parts[side][0];
    m.SlabTensileStressPart2 = parts[side][1];
    m.SlabTensileStressSum = m.SlabTensileStressBySide(side);
}

int SlabTensionGoverningSide(const model::ProjectModel& m) {
    if (m.SlabSidePresent(1) == 0 && m.SlabSidePresent(2) != 0) return 2;
    if (m.SlabSidePresent(2) == 0 && m.SlabSidePresent(1) != 0) return 1;
    // sum(2) / fctd(2) > sum(1) / fctd(1) without dividing by a strength.
    const double right = m.SlabTensileStressBySide(2) * m.ConcreteFctd(4);
    const double left = m.SlabTensileStressBySide(1) * m.ConcreteFctd(5);
    return right > left ? 2 : 1;
}

void SlabsOnBeamAnalysis::computeFinalValues() {
    model::ProjectModel& m = m_;

    // 1., 2. Largest design moments of rows 2 and 5.
    run_.BeamMomentRow2Max = largestMomentOfRow(m, 2, run_.PointMaximumWork);
    run_.BeamMomentRow5Max = largestMomentOfRow(m, 5, run_.PointMaximumWork);

    // 3. Tension at the slab undersides from the beam's bending.
    findSlabTension();

    // 4. Shear design of a concrete beam carrying the slabs on its top with
    // dowelled joints; a design shear over the upper limit gives up the
    // reduced connection.
    if (m.SlabsOnLedge == 0 && m.BeamCategory <= 2 && (m.BetaY < 0.999 || run_.ConnectionGivenUp != 0)) {
        designBeamShearReinforcement(m, run_);
    } else {
        m.ShearReinforcementDesign = 0.0;
    }

    // 5. Utilisations of each slab field. The governing web values are the
    // larger of the two station groups (filled and unfilled cores), so no
    // station of the side is more utilised than the side's gauge shows. A
    // side without slabs is checked for nothing and shows 0.
    for (int side = 1; side <= 2; ++side) {
        if (m.SlabSidePresent(side) == 0) {
            for (Value* v : {&m.SlabBendingUtilisation(side), &m.SlabCrackingUtilisation(side),
                             &m.SlabShearUtilisation(side), &m.SlabShearStressTvlMax(side),
                             &m.SlabPrincipalStressMax(side)})
                *v = 0.0;
            continue;
        }
        m.SlabBendingUtilisation(side) = m.SlabMaxDesignMoment(side) / (m.SlabUltimateMoment(side) + 1e-6);
        m.SlabCrackingUtilisation(side) =
            m.SlabMaxCharacteristicMoment(side) / (m.SlabCrackingMoment(side) + 1e-6);
        m.SlabShearUtilisation(side) =
            MaxValue(m.SlabShearUtilisationByZone(side, 1), m.SlabShearUtilisationByZone(side, 2));
        m.SlabShearStressTvlMax(side) =
            MaxValue(m.SlabShearStressTvlEnvelope(side, 1), m.SlabShearStressTvlEnvelope(side, 2));
        m.SlabPrincipalStressMax(side) =
            MaxValue(m.SlabPrincipalStressEnvelope(side, 1), m.SlabPrincipalStressEnvelope(side, 2));
    }

    // 6. Shear stress left for tvl on each slab field over its limit (where
    // the report prints it), the beam stiffness that would keep tvl within
    // it and the zone where tvl exceeds it, from the station whose sigma1
    // governs the side's utilisation, with that sigma1's own terms. tvl is
    // taken to fall linearly from its largest value at the support to 0 at
    // midspan. The scalars keep the left side's.
    for (int side = 1; side <= 2; ++side) {
        if (m.SlabSidePresent(side) == 0 || m.SlabShearUtilisation(side) <= 1.0) continue;
        const GoverningWebStation& governing = run_.GoverningWeb[static_cast<std::size_t>(side)];
        if (governing.station < 0)
            throw runtime::RunTimeError(runtime::ErrInvalidCall, "a slab field over its limit without its station");
        const double reserve =
            GoverningStationTvlReserve(governing, m.ConcreteFctd(side + 3), m.AdditionalSafetyFactor);
        const double tvl = m.SlabShearStressTvlMax(side);
        double stiffness = NoReserveStiffness;
        double position = 0.5 * m.BeamSpan;
        if (reserve > 0) {
            stiffness = m.SectionBendingStiffness(6) * tvl / reserve;
            position = (1.0 - reserve / tvl) * m.BeamSpan / 2.0;
        }
        m.SideShearStressReserve(side) = reserve;
        m.SideRequiredBeamStiffness(side) = stiffness;
        m.SideShearExceedancePosition(side) = position;
        if (side == 1) {
            m.SlabShearStressReserve = reserve;
            m.RequiredBeamStiffness = stiffness;
            m.ShearExceedancePosition = position;
        }
    }

    // 7. Utilisation of the beam.
    m.ActingDesignMoment = m.MaxDesignMoment;
    m.MomentResistanceUsed =
        BeamCheckUsesCompositeResistance(m) ? m.MomentResistanceSolved : BeamAloneMomentResistance(m);
    m.UtilisationRatio = m.ActingDesignMoment / (m.MomentResistanceUsed + 1e-6);

    // 8. Allowed strain at the slab support level from the crack width.
    m.AllowedStrain = 0.001 * (3.0 * m.AllowedCrackWidth + 0.1);
}

}  // namespace quorvel::analysis
