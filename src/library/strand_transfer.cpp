#include "library/strand_transfer.h"

#include "library/closed_forms.h"
#include "library/materials.h"

namespace quorvel::library {

using runtime::Value;

namespace {

// Pi as the anchorage formula takes it.
constexpr double AnchoragePi = 3.14159;

constexpr int bottomStrands = 1;
constexpr int topStrands = 2;

// Share of the strand force transferred at the distance x from the slab
// end: x / anchorage length, full beyond it.
double transferRatio(double x, double anchorage) {
    const double r = x / anchorage;
    return r > 1 ? 1.0 : r;
}

void transferSide(model::ProjectModel& m, int s) {
    const double h = m.SlabHeight(s);
    if (m.SlabSupportLength(s) < 0.1) m.SlabSupportLength(s) = h > 300 ? 100.0 : 65.0;

    const double x = m.EffectiveSupportLength(s) + 0.5 * m.SlabBcr(s);
    m.ShearSectionDistance(s) = x;

    const double fctk = m.ConcreteFctk(s + 3);
    ComputeStrandBondStrength(m.StrandBondStrength(s, bottomStrands), bottomStrands, m.ReleaseStrengthRatio, fctk,
                              m.BottomStrandBondFactor(s));
    ComputeStrandBondStrength(m.StrandBondStrength(s, topStrands), topStrands, m.ReleaseStrengthRatio, fctk,
                              m.TopStrandBondFactor(s));

    const double sigma0 = m.StrandInitialStress(s);
    const double nb = m.BottomStrandCount(s), ab = m.BottomStrandArea(s);
    ComputeAnchorageTerm(m.StrandAnchorageLength(s), ab, m.BottomStrandDiameter(s), sigma0,
                         m.StrandBondStrength(s, bottomStrands));
    const double lb = m.StrandAnchorageLength(s);

    // Top strands take part only where the side has a top strand type; a
    // designation "0" has one (key 0) with no strands.
    const bool hasTopStrands = !m.TopStrandType(s).empty();
    const double nt = hasTopStrands ? m.TopStrandCount(s).number() : 0.0;
    const double at = m.TopStrandArea(s);
    Value lt;
    if (hasTopStrands)
        ComputeAnchorageTerm(lt, at, m.TopStrandDiameter(s), sigma0, m.StrandBondStrength(s, topStrands));

    const double rb = transferRatio(x, lb);
    const double rt = hasTopStrands ? transferRatio(x, lt) : 0.0;

    const double sigmaPe = sigma0 * (1 - m.StrandPrestressLoss(s));
    const double sigmaB = rb * sigmaPe, sigmaT = rt * sigmaPe;

    // Full prestress and its resultant (heights above the bottom face).
    const double ap = m.BottomStrandAxisDistance(s), atop = m.TopStrandAxisDistance(s);
    const double yb = m.SlabDimensionPhc(s);
    const double pb = nb * ab * sigmaPe, pt = nt * at * sigmaPe;
    const double P = pb + pt;
    m.SlabPrestressForce(s) = P;
    const double zp = (pb * ap + pt * (h - atop)) / P;
    m.SlabPrestressEccentricity(s) = yb - zp;

    // Prestress at the check section.
    const double pbx = rb * pb, ptx = rt * pt, px = pbx + ptx;
    const double zx = (pbx * ap + ptx * (h - atop)) / px;
    const double ex = yb - zx;

    // Shear stress from the force transfer along the anchorage lengths.
    const double A = m.SlabArea(s), I = m.SlabMomentOfInertia(s), S = m.SlabFirstMoment(s);
    const double C = m.SlabSectionValueC(s), D = m.SlabSectionValueD(s), bw = m.SlabWebWidthSum(s);
    const double eb = yb - ap, et = yb - (h - atop);
    const double gb = pb / lb;
    const double gt = hasTopStrands ? pt / lt : 0.0;
    m.SlabTransferShearStress(s) = (gb * (C / A - (S / I) * eb) + gt * (C / A - (S / I) * et) - gt) / bw;

    // Concrete stress from prestress at the height D (compression negative).
    m.SlabPrestressStress(s) = -(nb * ab * sigmaB + nt * at * sigmaT) / A + (-px * ex * (yb - D)) / I;

    const double fctm = fctk / 0.7;
    const SlabCracking cracking =
        ComputeSlabCrackingMoment(P, m.SlabPrestressEccentricity(s), m.SlabMaxDeadLoadMoment(s), A, I, yb,
                                  m.ToppedSlabMomentOfInertia(s), m.ToppedSlabCentroidPhc(s), fctm);
    m.SlabPrestressStressAp(s) = cracking.prestressStress;
    m.SlabCrackingMoment(s) = cracking.crackingMoment;

    m.SlabWorkingWidth(s) = m.SlabUnitWidth(s) - m.SlabWidthDeduction(s);

    // The strands reach their design strength only while the compression
    // block leaves them the strain for it: their prestrain after losses
    // and the concrete's ultimate strain at the top (EN 1992-1-1 3.1.7(3):
    // block depth lambda x and stress eta fcd, lambda 0.8 and eta 1 up to
    // C50/60, both less above). A topping is the block's top fibre: of the
    // slab and the topping concrete the higher class, whose ultimate strain
    // and lambda are the smaller, sets the strain and the depth; each layer
    // takes the eta of its own concrete.
    const double fckSlab = m.ConcreteFck(s + 3);
    const bool topped = m.SideToppingThickness(s) > NoToppingThickness;
    const double fckTop = m.ConcreteFck(6);
    const double fckBlock = topped && fckTop > fckSlab ? fckTop : fckSlab;
    StrandStrain strain;
    strain.modulus = m.SlabStrandModulus(s);
    strain.prestrain = strain.modulus > 0 ? sigmaPe / strain.modulus : 0.0;
    strain.ultimateStrain = 0.001 * ComputeConcreteEpsCu2(fckBlock);
    strain.blockFactor = ComputeBlockDepthFactor(fckBlock);
    const double slabBlockStress = ComputeBlockStrengthFactor(fckSlab) * m.ConcreteFcd(s + 3);
    const double toppingBlockStress = ComputeBlockStrengthFactor(fckTop) * m.ConcreteFcd(6);
    m.SlabUltimateMoment(s) =
        ComputeSlabUltimateMoment(nb, ab, m.SlabUnitWidth(s), m.SlabWorkingWidth(s), h, bw,
                                  m.SlabTopFlangeDesignThickness(s), ap, m.SideToppingThickness(s),
                                  m.BottomStrandDesignStrength(s), slabBlockStress, toppingBlockStress, strain)
            .moment;

    // Nmm per slab unit into kNm per metre of width.
    for (Value* moment : {&m.SlabMaxCharacteristicMoment(s), &m.SlabMaxDesignMoment(s), &m.SlabCrackingMoment(s),
                          &m.SlabUltimateMoment(s)})
        *moment = moment->number() / m.SlabUnitWidth(s) * 0.001;
}

}  // namespace

void ComputeStrandBondStrength(Value& result, double position, double releaseRatio, double fctk,
                               double bondFactor) {
    const double eta1 = position == topStrands ? 0.7 : 1.0;
    result = bondFactor * eta1 * (releaseRatio * fctk) / 1.5;
}

void ComputeAnchorageTerm(Value& result, double area, double diameter, double initialStress,
                          double bondStrength) {
    result = 1.25 * (area / diameter / AnchoragePi) * 0.95 * initialStress / bondStrength;
}

void ComputeStrandTransferPerSide(model::ProjectModel& m) {
    for (int s = 1; s <= 2; ++s) transferSide(m, s);
}

}  // namespace quorvel::library
