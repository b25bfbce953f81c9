#pragma once
// Stiffness of a section in which concrete counts only above the zero-strain
// level caused by a normal force at the level of the reinforcement and strand
// layers.

#include "model/project_model.h"
#include "runtime/value.h"

namespace quorvel::library {

using runtime::Value;

// Passes of the neutral-axis iteration before it is given up.
inline constexpr int NeutralAxisIterationCap = 100;
// Relative change of the level at which the iteration stops. The iteration
// contracts by a factor of 0.3 or less a pass on the delivered beams, so it
// settles in four to six passes.
inline constexpr double NeutralAxisTolerance = 1e-10;

// Finds the zero-strain level by fixed-point iteration, starting from
// SectionCentroid(2): part slots 1, 3 and 5 count in full, the precast parts
// (modulus ConcreteEcm(1)) and infill parts (ConcreteEcm(2)) only above the
// level. The normal force acts at e = (LayerFirstMoment + dS) / LayerAreaSum.
// Stops when the level it implies differs from the one it cut at by at most
// NeutralAxisTolerance (relative) and returns the sums of that cut: EA, ES,
// EIown, EIpar and EI = EIown + EIpar - ES^2 / EA about the centroid of the
// counted section. A level that has not settled after
// NeutralAxisIterationCap passes ends the calculation with run-time error 5.
void ComputeNeutralAxisSectionStiffness(model::ProjectModel& m, double dS, Value& EA, Value& ES,
                                        Value& EIown, Value& EIpar, Value& EI);

}  // namespace quorvel::library
