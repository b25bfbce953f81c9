#include "library/factors.h"

#include "library/materials.h"

namespace quorvel::library {

namespace {

// Steel partial factor of a quality-class code, 1.1 for an unknown code.
double steelFactorOfCode(double code, double codeZero) {
    if (code == 0) return codeZero;
    if (code == 1) return 1.1;
    if (code == 2) return 1.15;
    if (code == 3) return 1.35;
    return 1.1;
}

double concreteUnitWeight(double fck) { return fck > 60 ? 2.6e-5 : 2.5e-5; }

}  // namespace

double SelectConcretePartialFactor(double code) {
    if (code == 0) return 1.0;
    if (code == 1) return 1.35;
    if (code == 2) return 1.5;
    if (code == 3) return 1.9;
    return 1.5;
}

double SelectSteelPartialFactor(double kind, double code) {
    double gamma = steelFactorOfCode(code, 1.0);
    if (code != 3 && code > 0 && kind > 0) gamma += 0.05;
    return gamma;
}

bool IsPrestressingSteel(double fk) { return fk > 1000; }

void ComputeSteelDesignStrength(model::ProjectModel& m, double fk, Value& fd, Value& proofRatio,
                                Value& kind, double code, Value& gamma, Value& prestressFactor) {
    const bool prestressing = IsPrestressingSteel(fk);
    proofRatio = prestressing ? 0.9 : 1.0;
    kind = prestressing ? 2 : 0;
    // Code 0 has no factor of its own here: it takes the default 1.1.
    double g = steelFactorOfCode(code, 1.1);
    if (code != 3 && kind > 0) g += 0.05;
    gamma = g;
    fd = fk / g;
    prestressFactor = 0.9;
    m.FactorLpt2 = 1.2;
    m.FactorLpt2Ratio = prestressFactor / m.FactorLpt2;
    m.FactorLpt1Ratio = m.FactorLpt2 / 0.8;
}

void ComputeStructuralSteelValues(model::ProjectModel& m, const Value& s1, const Value& s2,
                                  const Value& s3, Value& gamma, Value& fyk, Value& fyd,
                                  model::PlateStrengthArray& plateFyk,
                                  model::PlateStrengthArray& plateFyd, Value& Es) {
    const Value strengths[3] = {s1, s2, s3};
    gamma = 1.0;
    fyk = strengths[0];
    fyd = fyk / gamma;
    Es = 210000;
    for (int i = 0; i <= 2; ++i) {
        m.PlateSteelGrade(i) = strengths[i];
        plateFyk(i) = strengths[i];
        plateFyd(i) = plateFyk(i) / gamma;
    }
}

void ComputeConcreteDesignValues(const Value& fckIn, double code, Value& fck, Value& fcd,
                                 Value& fctk005, Value& fctd, Value& Ecm, Value& n,
                                 Value& strainC2, Value& strainCu2) {
    const Value strength = fckIn;
    const double gammaC = SelectConcretePartialFactor(code);
    fck = strength;
    fcd = 0.85 * strength / gammaC;
    fctk005 = 1 * ComputeConcreteFctk005(strength);
    fctd = fctk005 / gammaC;
    Ecm = ComputeConcreteEcm(strength);
    n = ComputeParabolaExponent(strength);
    strainC2 = -ComputeConcreteEpsC2(strength);
    strainCu2 = -ComputeConcreteEpsCu2(strength);
}

void FillUnitWeights(model::MaterialKindArray& unitWeights,
                     const model::ConcreteKindArray& fckByKind) {
    constexpr double steel = 7.85e-5;
    unitWeights(1) = steel;
    unitWeights(3) = steel;
    unitWeights(5) = steel;
    unitWeights(2) = concreteUnitWeight(fckByKind(1));
    unitWeights(4) = concreteUnitWeight(fckByKind(2));
    unitWeights(6) = concreteUnitWeight(fckByKind(3));
    unitWeights(7) = concreteUnitWeight(fckByKind(4));
    unitWeights(8) = concreteUnitWeight(fckByKind(4));
    unitWeights(9) = concreteUnitWeight(fckByKind(6));
}

void ComputeDesignMaterialValues(model::ProjectModel& m) {
    m.ConcreteStrengthByKind(1) = m.BeamConcreteClass;
    m.ConcreteStrengthByKind(2) = m.InfillConcreteClass;
    m.ConcreteStrengthByKind(3) = m.JointConcreteClass;
    m.ConcreteStrengthByKind(4) = m.SlabConcreteClass(1);
    m.ConcreteStrengthByKind(5) = m.SlabConcreteClass(2);
    m.ConcreteStrengthByKind(6) = m.ToppingConcreteClass;

    for (int k = 1; k <= 6; ++k) {
        if (m.ConcreteQualityClass(k) == 0) {
            // Precast beam and slabs default to class 1, concrete cast on
            // site to class 2.
            const bool precast = k == 1 || k == 4 || k == 5;
            m.ConcreteQualityClass(k) = precast ? 1 : 2;
        }
        ComputeConcreteDesignValues(m.ConcreteStrengthByKind(k), m.ConcreteQualityClass(k),
                                    m.ConcreteFck(k), m.ConcreteFcd(k), m.ConcreteFctk(k),
                                    m.ConcreteFctd(k), m.ConcreteEcm(k),
                                    m.ConcreteParabolaExponent(k), m.ConcreteStrainC2(k),
                                    m.ConcreteStrainCu2(k));
    }

    for (int s = 1; s <= 2; ++s) {
        const int k = s + 3;
        m.ConcreteFctk(k) = m.ConcreteFctk(k) * m.SlabTensileStrengthFactor;
        m.ConcreteFctd(k) = m.ConcreteFctd(k) * m.SlabTensileStrengthFactor;
        m.SlabPrincipalStressLimit(s) = m.ConcreteFctd(k) / m.AdditionalSafetyFactor;
    }
}

}  // namespace quorvel::library
