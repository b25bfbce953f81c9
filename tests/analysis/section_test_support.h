#pragma once
// Building the project model of a section-analysis test by hand: design
// material values, part lists, row groups and slab fields, as the analysis
// set-up and the section model leave them.

#include <functional>
#include <initializer_list>

#include "library/materials.h"
#include "model/project_model.h"
#include "runtime/errors.h"

namespace sectiontest {

using quorvel::model::ProjectModel;

// Concrete of kind k (1..6): fck and gamma_c give fcd = 0.85 fck / gamma_c,
// Ecm, n, eps_c2, eps_cu2 (negative) and fctk,0.05 of EN 1992-1-1 Table 3.1.
inline void setConcrete(ProjectModel& m, int k, double fck, double gammaC) {
    using namespace quorvel::library;
    m.ConcreteFck(k) = fck;
    m.ConcreteFcd(k) = 0.85 * fck / gammaC;
    m.ConcreteEcm(k) = ComputeConcreteEcm(fck);
    m.ConcreteParabolaExponent(k) = ComputeParabolaExponent(fck);
    m.ConcreteStrainC2(k) = -ComputeConcreteEpsC2(fck);
    m.ConcreteStrainCu2(k) = -ComputeConcreteEpsCu2(fck);
    m.ConcreteFctk(k) = ComputeConcreteFctk005(fck);
}

// Every concrete kind of one class; structural steel of one strength
// (gamma 1.0, E 210000); unit weights 7.85e-5 steel, 2.5e-5 concrete; the
// ultimate limit setting of the solver (a slab with cores, none filled).
inline void setMaterials(ProjectModel& m, double fck, double gammaC, double fy) {
    for (int k = 1; k <= 6; ++k) setConcrete(m, k, fck, gammaC);
    m.SteelModulus = 210000;
    m.SteelYieldStrength = fy;
    m.SteelDesignStrength = fy;
    for (int i = 0; i <= 2; ++i) m.PlateDesignStrength(i) = fy;
    for (int k = 0; k <= 9; ++k) m.UnitWeightByKind(k) = 2.5e-5;
    for (int k : {1, 3, 5}) m.UnitWeightByKind(k) = 7.85e-5;
    m.PrestressPartialFactor = 0.9;
    m.ReinforcementStrainLimit = 0.027;
    m.PermanentLoadFactorKfi = 1.15;
    m.VariableLoadFactorKfi = 1.5;
    m.CoreFillingResult(1) = 0;
    m.SlabCoreHeight(1) = 200;
}

// Main reinforcement of one kind: fyk / gamma_s, reinforcing steel.
inline void setMainSteel(ProjectModel& m, double fyk, double gammaS, double Es) {
    m.ReinforcementStrength = fyk;
    m.ReinforcementModulus = Es;
    m.ReinforcementDesignStrength = fyk / gammaS;
    m.ReinforcementProofRatio = fyk > 1000 ? 0.9 : 1;
    m.ReinforcementKind = fyk > 1000 ? 2 : 0;
}

struct Part {
    double b1, b2, h, y;
};

inline void setPlates(ProjectModel& m, std::initializer_list<Part> parts) {
    int i = 0;
    for (const Part& p : parts) {
        ++i;
        m.SteelPlateBottomWidth(i) = p.b1;
        m.SteelPlateTopWidth(i) = p.b2;
        m.SteelPlateHeight(i) = p.h;
        m.SteelPlateLevel(i) = p.y;
    }
    m.SteelPlateCount = static_cast<int16_t>(i);
}

inline void setPrecast(ProjectModel& m, std::initializer_list<Part> parts) {
    int i = 0;
    for (const Part& p : parts) {
        ++i;
        m.PrecastPartBottomWidth(i) = p.b1;
        m.PrecastPartTopWidth(i) = p.b2;
        m.PrecastPartHeight(i) = p.h;
        m.PrecastPartLevel(i) = p.y;
    }
    m.PrecastPartCount = static_cast<int16_t>(i);
}

// A calculation grid of n + 1 equal stations over the span.
inline void setGrid(ProjectModel& m, double span, int n) {
    m.BeamSpan = span;
    m.CalculationPointCount = static_cast<int16_t>(n);
    for (int i = 0; i <= n; ++i) m.CalculationPointX(i) = span * i / n;
}

// Run-time error number of a call, 0 when none.
inline int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const quorvel::runtime::RunTimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace sectiontest
