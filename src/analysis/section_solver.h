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

// Passes of the bisection before the search is given up. The bracket test
// ends a search after about a dozen passes; reaching the cap means the
// section cannot balance, and the calculation ends with run-time error 5.
inline constexpr int EquilibriumPassCap = 100;

// Writes the part extremes, the reference depth, the row limit strains, the
// state of the last plane (NeutralAxisDepth, SolverReferenceStrain,
// SectionCurvature, SolverLimitStrain, SolverResidual, SolverResultA/B) and
// MomentResistanceSolved (Nmm).
void SolveSectionEquilibrium(model::ProjectModel& m);

}  // namespace quorvel::analysis
