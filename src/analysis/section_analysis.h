#pragma once
// Section properties of the beam for every load stage, its self weight and
// self-weight actions, the moment resistance of the beam alone and of the
// composite section, and the shear-flow factors of the slab parts.
//
// Part slots (transformed-section sums, PartArea ... PartParallelAxisStiffness):
//   1 steel plates (with the corner fillets of ME and BE), 2 precast concrete,
//   3 main and top rows, 4 infill concrete, 5 steel-beam rows, 6 the beam as
//   one part (stage 4), 7 joint concrete, 8/9 top flanges of the left/right
//   slab, 10/11 their bottom flanges, 12/13 the toppings, 14 the cast strip
//   over the beam, 15/16 and 17/18 the widenings of the top flanges and the
//   toppings to the effective width.
// Stages: 1 bare beam (slots 1..3), 2 with infill (1..5), 3 cracked beam,
//   4 effective beam, 5 beam with joint and slab flanges (6..11), 6 with the
//   toppings and the strip (6..14), 8 composite with effective widths (6..18).
// The joint and topping part list left for the solver: 1 joint grout, 2/3 top
// flanges, 4/5 bottom flanges, 6/7 toppings, 8 the strip.

#include "model/project_model.h"

namespace quorvel::analysis {

// Runs the whole section stage of one calculation pass: slots, stages, self
// weight and its actions along the beam, the resistance of the beam
// (MomentResistanceA) and of the composite section (MomentResistanceSolved).
// An arithmetic failure ends it with its run-time error (11 division by zero,
// 6 overflow or 0/0, 5 invalid); the floating-point checkpoint runs last.
void AnalyseBeamSection(model::ProjectModel& m);

// The beam's moment and shear tables at the current stations with every
// load, the beam's self weight included (row 0, added to row 6; family BE
// puts the cast part of it in row 1), and the beam maxima taken from them;
// the largest moments are the peaks of the span, between stations too.
void ComputeBeamActionsWithSelfWeight(model::ProjectModel& m);

// The joint, slab, topping and strip parts over the beam, stages 5, 6 and 8,
// the part groups and the effective widths (slots 7..18). b0 is the level
// below which the joint grout does not reach (the cracked beam's centroid, or
// 0). Leaves JointPartCount = 8 for the composite solver call.
void BuildCompositeSection(model::ProjectModel& m, double b0);
// The width of side s's slab in the composite stage 8 (the stage of the
// deflection under the imposed loads and of the strain eps.B): the slab
// reaches span / 12 from the beam's centre line, less half the joint
// grout between the slab ends; 0 on a side without slabs.
double CompositeStageSlabWidth(const model::ProjectModel& m, int s);

}  // namespace quorvel::analysis
