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

// Writes the part extremes, the reference depth, the row limit strains, the
// state of the last plane (NeutralAxisDepth, SolverReferenceStrain,
// SectionCurvature, SolverLimitStrain, SolverResidual, SolverResultA/B) and
// MomentResistanceSolved (Nmm).
void SolveSectionEquilibrium(model::ProjectModel& m);

}  // namespace quorvel::analysis
