#pragma once
// Resultants of one plane strain state over the beam section: the steel
// plates, the precast, infill and joint/topping concrete parts and the three
// reinforcement row groups, with the material laws of the engineering
// library. Also the plastic moment of the steel plates, which bounds the
// resistance of a welded steel section.
//
// Levels y upward from the section bottom (mm); the strain at level y is
// eps0 - kappa * y (per mille, tension positive); forces N, moments Nmm about
// level 0.

#include "model/project_model.h"
#include "runtime/value.h"

namespace quorvel::analysis {

using runtime::Value;

// Integrates the plane (eps0, kappa). C: concrete forces plus the steel plates
// in compression; T: steel plates in tension (or at zero) plus every row
// force, a row in compression adding a negative force. MC, MT their moments
// about level 0, MCT = MC + MT. x (the neutral-axis depth) is carried for
// the caller and not read. A plane without compression or without tension
// is returned with C = -1 and, when T is 0, T = 0.01, so the caller's ratios
// stay finite; a plane in exact balance keeps its resultants.
void IntegrateSectionForces(model::ProjectModel& m, double eps0, double kappa, double x, Value& C,
                            Value& MC, Value& T, Value& MT, Value& MCT);

// Design strength of steel plate i before the thickness reduction: plate 1
// (the bottom plate or flange) takes PlateDesignStrength(2), plate 4
// PlateDesignStrength(0), every other plate PlateDesignStrength(1).
double SteelPlateDesignStrength(const model::ProjectModel& m, int plate);

// Fully plastic moment of the steel plates 1..SteelPlateCount (each at its
// mean width, at its design strength reduced for its thickness) about the
// plastic neutral axis, Nmm.
double SteelPlatePlasticMoment(const model::ProjectModel& m);

// Force (N) and moment about level 0 (Nmm) of one concrete part (bottom
// width b1 at level y, top width b2, height h) under the plane (eps0, kappa)
// by the parabola-rectangle law. A rectangle goes through the library's
// closed-form compression zone; a trapezoid is integrated at its true width
// at every level: the constant-stress block above the eps_c2 fibre exactly,
// the parabolic zone by Gauss-Legendre quadrature (exact for n = 2).
void IntegrateConcretePart(double fcd, double strainC2, double n, double b1, double b2, double h,
                           double y, double eps0, double kappa, double& F, double& M);

}  // namespace quorvel::analysis
