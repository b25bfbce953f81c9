#pragma once
// Slab actions along the beam: the moments and support shears of the slab
// strips of each side at every calculation point, with their maxima per
// side, and the slab side that governs each of three slab results.

#include "model/project_model.h"

namespace quorvel::library {

// For side 1 then 2 and every calculation point 0..CalculationPointCount:
// the slab span at the point, interpolated between the beam spacings at the
// two beam ends, less the support length (clear span Ln) and less b.cr
// (Lr); the dead, imposed, characteristic and design moments of a simply
// supported strip of one slab unit width b (Nmm per unit, with the slab-field
// line and point load terms); the design moment at b.cr from the slab end
// and the part of it from the design area loads alone; the support shears
// over Lr (kN per metre of width) from the dead loads (part A) and the
// imposed loads with the slab-field loads (part B); and their running
// maxima per side, starting from 0. The area-load moment at b.cr is Nmm
// per metre of width (kN/m2 times mm2), the other moments Nmm per unit,
// and their difference at b.cr mixes the two as the slab checks read it.
// A clear span of 0 divides by zero.
void ComputeSlabLoadsOnBeam(model::ProjectModel& m);

// GoverningSide(k), k = 1..3, := the position (1 left, 2 right) of the
// largest value of criterion table k, 0 when neither side exceeds
// position 0 (ties keep the lower position).
void FindSlabResultMaxima(model::ProjectModel& m, model::GoverningSideArray& sides);

}  // namespace quorvel::library
