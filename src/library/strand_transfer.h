#pragma once
// Strand transfer and anchorage of the hollow-core slab of each side: bond
// strength and anchorage length of the bottom and top strands, the share of
// the strand force transferred at the check section near the slab end, the
// prestress there, the shear stress of the force transfer, and the cracking
// and ultimate moments of the slab unit, given per metre of slab width.
//
// Units: mm, N, MPa, Nmm; the four slab moments end in kNm/m.

#include "model/project_model.h"
#include "runtime/value.h"

namespace quorvel::library {

// Bond strength of a strand at release: bondFactor x eta1 x releaseRatio x
// fctk / 1.5, with eta1 = 0.7 for top strands (position 2) and 1.0
// otherwise.
void ComputeStrandBondStrength(runtime::Value& result, double position, double releaseRatio, double fctk,
                               double bondFactor);

// Anchorage length of a strand: 1.25 x (area / diameter / pi) x 0.95 x
// initialStress / bondStrength (pi = 3.14159). area / (pi diameter) stands
// for the strand's effective diameter share and 0.95 x initialStress for
// the stress just after release.
void ComputeAnchorageTerm(runtime::Value& result, double area, double diameter, double initialStress,
                          double bondStrength);

// For side 1, then side 2: support length default, check section distance,
// bond strengths, anchorage length, prestress force and eccentricity, the
// transfer shear stress, the prestress at the height SlabSectionValueD, the
// cracking and ultimate moments, the net working width, and the slab
// moments converted from Nmm per unit into kNm per metre. Needs the section
// properties, EffectiveSupportLength, the concrete design values and the
// slab moment maxima of the same calculation; run once per calculation (the
// conversion to kNm/m is made in place).
//
// A side whose top strand type is empty has no top strands: their force,
// force gradient and anchorage take no part. A side without any strand
// force divides by zero (the calculation's floating-point check reports it).
void ComputeStrandTransferPerSide(model::ProjectModel& m);

}  // namespace quorvel::library
