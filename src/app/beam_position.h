#pragma once
// Middle beam (slab fields on both sides) and edge beam (right side only):
// what switching between the two does to the project model. The main
// window adds the enabling and hiding of the left-side inputs.

#include "model/project_model.h"

namespace quorvel::app {

// What an edge beam adds to the typed right joint grout width: half the
// beam width for SU beams, half the top flange width for TI beams, 0 for
// every other family.
double edgeJointGroutShift(const model::ProjectModel& m);

// Middle beam: the left spacings and slab loads become the right ones; the
// right joint grout width of SUORA and TI beams loses half the beam's top
// width (the edge beam carried it), and the left width becomes the right;
// LB and KE beams get a 100 mm left projection with the bottom width
// adjusted by the same amount and the right support length on the left.
void SetMiddleBeam(model::ProjectModel& m);

// Edge beam: the left spacings, joint grout width and slab loads become 0;
// the right joint grout width of SUORA and TI beams gains half the beam's
// top width. Other left values stay in the model.
void SetEdgeBeam(model::ProjectModel& m);

}  // namespace quorvel::app
