#pragma once
// Deflections of the supporting beam and the strain of the beam at the level
// of the slab underside, at every calculation point, each load with the
// bending stiffness of the section stage in which it acts, and their extremes
// over the beam.

#include "model/project_model.h"

namespace quorvel::library {

// Computes at points 0..CalculationPointCount the strains at the slab
// underside (dimensionless) and seven deflection terms (mm, downward
// positive):
//   d1 prestress camber, EI(1);
//   d2 beam self weight (on shores: the cast-in-place part less its shore
//      share) with, off shores, the self-weight end moments, EI(1);
//   d3 on shores: the precast part's own weight, EI(1);
//   d4 slab self weight, joint concrete, the slabs' shore share and, off
//      shores, the rest of the end moments before grouting, EI(1);
//   d5 topping and the end moments before the topping hardens, and for
//      family BE, whose moment rows carry the end moments before grouting
//      in row 2, those too, EI(5);
//   d6 imposed permanent load with the permanent beam loads and slab-field
//      segments, psi1 x the variable ones, the permanent and psi1 x the
//      variable end moments, all on the composite section EI(8);
//   d7 removal of the shores, acting on the grouted section EI(5).
// Each load deflects the section of the moment row it stands in.
// Writes BeamDeflectionMax1..7 and BeamDeflectionTotalMax, each the value of
// largest magnitude with its sign, and the strain maxima BeamTopStrainMaxA,
// BeamTopStrainMaxB, BeamTopStrainMax (largest value, from 0). The strains
// are taken at the underside (SlabBottomLevel) of each side that carries
// slabs, of both sides when neither does; the side with the larger total
// gives all three. A strain is positive where the seat shortens; each
// part is its own largest over the stations, the total the largest
// simultaneous sum. BeamTopStrainMin is the largest stretch of the total
// (most negative, from 0) over those sides, which the check does not judge.
// Where the strain check does not apply they stay 0. A
// zero span or stiffness raises error 11, a negative one or not a number 5.
void ComputeBeamDeflections(model::ProjectModel& m);

// Whether the check of the beam top's strain at the slab support applies:
// only where the slab ends bear on the top of the beam (SlabsOnLedge 0).
// Where they bear on ledges or bottom flanges there is no beam top under
// them; the gauge, the results table and the report then say that the
// check does not apply.
bool StrainCheckApplies(const model::ProjectModel& m);

}  // namespace quorvel::library
