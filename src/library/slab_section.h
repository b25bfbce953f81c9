#pragma once
// Section properties of one hollow-core slab unit from its catalogue
// geometry: widths, area, centroid, second moment and first moment of the
// bare section (strands as transformed areas), the same with the cast
// topping, and the web and core spacing dimensions.
//
// Depths are measured downward from the slab top face, heights upward from
// the bottom face; lengths mm, moduli MPa.

#include "model/project_model.h"
#include "model/slab_rules.h"
#include "runtime/value.h"

namespace quorvel::library {

// Adds part 2 (modulus E2, area A2, centroid y2, own second moment I2) to
// part 1 with the modular ratio E2 / E1: A = A1 + m A2,
// y = (A1 y1 + m A2 y2) / A, I = I1 + A1 (y - y1)^2 + m (I2 + A2 (y - y2)^2).
// The numerator of y is left in TransformedFirstMoment.
void ComputeSlabSectionPart(model::ProjectModel& m, double E1, double A1, double y1, double I1, double E2,
                            double A2, double y2, double I2, runtime::Value& A, runtime::Value& y,
                            runtime::Value& I);

// The concrete area of one unit, mm2: the net width times the height less
// the cores, by the core shapes of the section properties below. For
// columns that break no rule of model::slabSectionBreach.
double SlabConcreteArea(const model::SlabSectionColumns& c);

// Section properties of the slab of side 1, then side 2, from the slab and
// strand fields read from the catalogue, ConcreteEcm of the slab concretes
// (kinds 4, 5) and of the topping (kind 6), and SideToppingThickness.
//
// A core is built up (circular cap under the top flange, a straight part, a
// part narrowing from the core width to the bottom width) when its straight
// height is not 0, else circular. A cap as high as half the core width is a
// half circle; a higher one is not a core shape and raises error 5.
void ComputeSlabSectionProperties(model::ProjectModel& m);

}  // namespace quorvel::library
