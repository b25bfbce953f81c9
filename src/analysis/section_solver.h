#pragma once
// Bending resistance of the beam section by a plane-strain equilibrium
// search: the reference level and the admissible strains are fixed, then the
// neutral-axis depth is bisected until the compressive and the tensile
// resultants balance.
//
// With JointPartCount = 0 the bare (or infilled) beam is analysed up to
// OverallBeamHeight about SectionCentroid(2); with joint parts the composite
// section up to the highest topping top about SectionCentroid(6).

#include "model/project_model.h"
#include "runtime/errors.h"

namespace quorvel::analysis {

// The search ends when the resultants balance to EquilibriumBalance of the
// tensile resultant, or when the bracket of the neutral-axis depth has shrunk
// to EquilibriumBracket of the reference depth (a plane where the governing
// strain limit changes may never balance exactly). The moment resistance
// then holds to 1e-6 of itself (within 6e-8 of a search 1e5 times
// tighter over the default sections): a section that grows never loses
// more than that to the search. (A balance of 0.5 per cent let the
// resistance wander by up to half a per cent between neighbouring sections.)
inline constexpr double EquilibriumBalance = 1e-7;
inline constexpr double EquilibriumBracket = 1e-10;

// Passes of the bisection before the search is given up. The bracket test
// ends a search after about 35 passes; reaching the cap means the section
// cannot balance, and the calculation ends with run-time error 5.
inline constexpr int EquilibriumPassCap = 100;

// A search that closes at an end of its range of neutral-axis depths (from
// the top fibre down to the reference level) with the resultants still
// apart by more than this found no plane within the section that
// balances: at the lower end the steel's tension exceeds what the concrete
// takes in compression (strands far beyond what the section holds, which
// only a plane compressing the whole depth could balance, if any), at the
// top end the compression exceeds the tension. The resistance of such a
// section is not calculated: the calculation ends with SectionNotBalanced
// rather than report the mean of two resultants that do not balance. (A search that
// closes inside its range stops at a plane where the governing strain
// limit changes; the two resultants there are averaged.)
inline constexpr double UnbalancedAtRangeEnd = 1e-3;

// The section balances at no depth of its neutral axis: run-time error 5,
// with the share by which the resultants stayed apart, |1 + C / T|, and
// which of them is the larger.
class SectionNotBalanced : public runtime::RunTimeError {
public:
    SectionNotBalanced(double imbalance, bool tensionExceeds)
        : runtime::RunTimeError(runtime::ErrInvalidCall), imbalance_(imbalance), tensionExceeds_(tensionExceeds) {}
    double imbalance() const noexcept { return imbalance_; }
    // The tension exceeds the compression even with the whole section
    // compressed (else the compression exceeds the tension at every depth).
    bool tensionExceeds() const noexcept { return tensionExceeds_; }

private:
    double imbalance_;
    bool tensionExceeds_;
};

// Writes the part extremes, the reference depth, the row limit strains, the
// state of the last plane (NeutralAxisDepth, SolverReferenceStrain,
// SectionCurvature, SolverLimitStrain, SolverResidual, SolverResultA/B) and
// MomentResistanceSolved (Nmm). Throws SectionNotBalanced where no plane
// balances.
void SolveSectionEquilibrium(model::ProjectModel& m);

}  // namespace quorvel::analysis
