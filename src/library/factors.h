#pragma once
// Partial factors, design values and unit weights: the partial factors of
// concrete and steel by quality-class code, the design values of a concrete,
// of a reinforcement row group and of structural steel, the unit weights of
// the section parts, and the design values of all six concrete kinds of a
// project.

#include "model/project_model.h"
#include "runtime/value.h"

namespace quorvel::library {

using runtime::Value;

// gamma_c by code: 0 -> 1.0, 1 -> 1.35, 2 -> 1.5, 3 -> 1.9, any other 1.5.
double SelectConcretePartialFactor(double code);

// gamma_s by code: 0 -> 1.0, 1 -> 1.1, 2 -> 1.15, 3 -> 1.35, any other 1.1;
// plus 0.05 when kind > 0 and code is neither 0 nor 3.
double SelectSteelPartialFactor(double kind, double code);

// Design strength of a reinforcement row group from its characteristic
// strength fk: above 1000 MPa prestressing steel (proof ratio 0.9, kind 2),
// otherwise reinforcing steel (1, 0); gamma by code (1.1, 1.15, 1.35; 1.1 for
// any other code), plus 0.05 for prestressing steel unless code 3;
// fd = fk / gamma. Also sets prestressFactor := 0.9 and the model's FactorLpt2
// (1.2), FactorLpt2Ratio and FactorLpt1Ratio.
void ComputeSteelDesignStrength(model::ProjectModel& m, double fk, Value& fd, Value& proofRatio,
                                Value& kind, double code, Value& gamma, Value& prestressFactor);

// Whether a row group of characteristic strength fk is prestressing steel
// (strands or wires, above 1000 MPa) rather than reinforcing steel.
bool IsPrestressingSteel(double fk);

// Structural steel: gamma 1.0, fyk = s1, fyd = fyk / gamma, Es = 210000, and
// per strength index 0..2 the grade (model PlateSteelGrade), plateFyk and
// plateFyd.
void ComputeStructuralSteelValues(model::ProjectModel& m, const Value& s1, const Value& s2,
                                  const Value& s3, Value& gamma, Value& fyk, Value& fyd,
                                  model::PlateStrengthArray& plateFyk,
                                  model::PlateStrengthArray& plateFyd, Value& Es);

// Design values of one concrete: fck (a copy of fckIn), fcd = 0.85 fck /
// gamma_c, fctk,0.05, fctd, Ecm, n, and the strains -eps_c2 and -eps_cu2.
void ComputeConcreteDesignValues(const Value& fckIn, double code, Value& fck, Value& fcd,
                                 Value& fctk005, Value& fctd, Value& Ecm, Value& n,
                                 Value& strainC2, Value& strainCu2);

// Unit weights (N/mm^3) of the section part slots 1..9: steel 7.85e-5 for
// 1, 3, 5; concrete 2.5e-5 (2.6e-5 above fck 60) for 2 (beam), 4 (infill),
// 6 (joint grout), 7 and 8 (kind 4), 9 (topping).
void FillUnitWeights(model::MaterialKindArray& unitWeights,
                     const model::ConcreteKindArray& fckByKind);

// Design values of the six concrete kinds of the project: copies the
// strength classes, fills a missing quality class (1 for precast beam and
// slabs, 2 for concrete cast on site; kept in the model), computes the design
// values of each kind, applies the slab tensile strength factor to kinds 4
// and 5 and sets the allowed principal tensile stress of each slab side.
void ComputeDesignMaterialValues(model::ProjectModel& m);

}  // namespace quorvel::library
