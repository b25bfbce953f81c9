#pragma once
// Helpers of the analysis set-up that stand on their own: the per-side value
// resolved against its default by beam family, the size of the calculation
// grid along the beam, and the level of the cast top surface over the slab
// fields.

#include <cstdint>
#include <string>

#include "model/project_model.h"
#include "runtime/value.h"

namespace quorvel::analysis {

// Resolves a per-side value against its default (family = the first two
// characters of code as they stand):
//   value < 0:      value := |value| (written back); result := |value|.
//   |value| < 0.1:  value := fallback (written back); result := 0 for the
//                   families "LB" and "ME", else fallback.
//   otherwise:      result := 0 for "LB", else value.
void ResolveBeamSideValue(std::string& code, const runtime::Value& fallback, runtime::Value& value,
                          runtime::Value& result);

// Index n of the last station of the calculation grid: with w the narrower
// slab unit width of the two sides and k the whole part of the larger core
// count, n = (floor(span / w) + 1) k + 1, at most 50 and at least 1, so the
// station spacing span / n stays below the core spacing w / k. A slab unit
// of no width, or a beam of no span, is error 11 (the spacing would divide
// by zero); a span too long for the count is error 6.
int16_t CalculationGridSize(double span, double unitWidth1, double unitWidth2, double coreCount1,
                            double coreCount2);

// Width of the beam between the slab ends of slabs resting on its ledges:
// BeamWidth, and for family BE also the two angle legs (WebThickness each).
// The clear slab spans lose it, and the joint strip over the beam carries
// the area loads on it, so that the tributary widths add up to the spacing.
double SlabBearingWidth(const model::ProjectModel& m);

// Whether the slab field of a side (1 left, 2 right) carries slabs: its
// beam spacings at the two ends add up to more than 0.002 mm. A project
// whose left spacings are both 0 is an edge beam.
bool SideCarriesSlabs(const model::ProjectInputFields& m, int side);
// Whether side s carries no slabs beside a side that does (the left side of
// an edge beam): nothing its inputs hold enters the calculation.
bool SideSetAside(const model::ProjectInputFields& m, int side);

// The common level of the cast top surface: the higher of the slab tops plus
// the topping thickness, taken over the sides that carry slabs (over both
// when neither does), so that a side without slabs never raises it.
double CommonToppingTopLevel(const model::ProjectModel& m);

}  // namespace quorvel::analysis
