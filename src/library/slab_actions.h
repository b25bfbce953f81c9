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
// maxima per side, starting from 0. The design moment and the shear of
// each point are each the larger of EN 1990's expressions (6.10b), the
// design loads, and (6.10a), PermanentOnlyLoadFactorKfi on every permanent
// load and no variable load; SlabMomentExpression and SlabShearExpression
// keep which governs at the side's largest value, SlabShearExpressionAt
// the shear's at each point. The area-load moment at b.cr is Nmm
// per metre of width (kN/m2 times mm2), the other moments Nmm per unit,
// and their difference at b.cr mixes the two as the slab checks read it.
// A clear span of 0 divides by zero.
void ComputeSlabLoadsOnBeam(model::ProjectModel& m);

// The design area loads of side s (kN/m2) before the topping hardens (slab
// self weight and topping) and after (imposed loads), by expression (6.10b)
// of EN 1990 or, permanentOnly, (6.10a).
struct SlabAreaDesignLoads {
    double beforeTopping, afterTopping;
};
SlabAreaDesignLoads SlabDesignAreaLoads(const model::ProjectModel& m, int s, bool permanentOnly);

// GoverningSide(k), k = 1..3, := the position (1 left, 2 right) of the
// largest value of criterion table k, 0 when neither side exceeds
// position 0 (ties keep the lower position).
void FindSlabResultMaxima(model::ProjectModel& m, model::GoverningSideArray& sides);

}  // namespace quorvel::library
