#pragma once
// The topping load of each slab field: the topping concrete (25 kN/m³) plus,
// for a middle beam, the concrete that fills the step between the slab tops
// of the two sides, which loads the lower side.

#include "model/project_model.h"

namespace quorvel::model {

// Writes ToppingLoad(1) and ToppingLoad(2), kN/m², from ToppingThickness,
// the slab types of both sides (thickness from the catalogue), SlabBottomGap,
// the ledge heights of the JALO and BLEUKA beams and IsMiddleBeam.
void ComputeToppingLoad(ProjectModel& m);

}  // namespace quorvel::model
