// The input half: the slab fields side by side (slab type and strands,
// materials, support lengths, section data, topping, holes).

#include <string>

#include "library/materials.h"
#include "library/utilities.h"
#include "report/format_fixed.h"
#include "report/report_input_half.h"
#include "runtime/errors.h"

namespace quorvel::report {

namespace {

using M = const ProjectModel&;

// Which slab fields the side rows show: 2 the right one only (no slabs on
// the left), 1 the left one only (none on the right), 0 both.
int16_t SlabSideSelector(M m) {
    if (m.SlabSidePresent[1] == 0) return 2;
    if (m.SlabSidePresent[2] == 0) return 1;
    return 0;
}

// The sides of the selector that have top strands, as a selector; -1 for
// none.
int16_t TopStrandSelector(M m, int16_t selector) {
    const bool left = selector != 2 && m.TopStrandCount[1] > 0;
    const bool right = selector != 1 && m.TopStrandCount[2] > 0;
    if (left && right) return 0;
    if (left) return 1;
    if (right) return 2;
    return -1;
}

}  // namespace

bool SlabSideShown(M m, int s) {
    const int16_t selector = SlabSideSelector(m);
    return selector == 0 || selector == s;
}

namespace {

std::string strandTypeText(const std::string& type) { return type == "0" ? std::string() : type; }

// "P27- 6- 0": slab type, bottom strands and type, top strands and type.
std::string SlabDescriptionText(M m, int s) {
    if (m.SlabSidePresent[s] == 0) return {};
    return m.SlabTypeName[s] + "-" + FormatFixed(m.BottomStrandCount[s], 2, 0, 0) +
           strandTypeText(m.BottomStrandType[s]) + "-" + FormatFixed(m.TopStrandCount[s], 2, 0, 0) +
           strandTypeText(m.TopStrandType[s]);
}

// "C 50-1": the slab concrete of side s.
std::string SlabConcreteText(M m, int s) {
    if (m.SlabSidePresent[s] == 0) return {};
    return "C" + FormatFixed(m.ConcreteStrengthByKind[s + 3], 3, 0, 0) + "-" +
           FormatFixed(m.ConcreteQualityClass[s + 3], 1, 0, 0);
}

// Span between the slab supports at beam end k, never negative; the
// analysed spacings themselves stay as they are.
Value clearSpan(M m, int s, int k) {
    const Value span = minus(Value::single(m.AnalysedBeamSpacing(s, k)), m.SlabSupportLength[s]);
    return span > 0 ? span : Value(0);
}

constexpr NumberFormat f40{4, 0, 0};
constexpr NumberFormat f50{5, 0, 0};
constexpr NumberFormat f41r{4, 1, 1};

// Side rows at the slab columns: label 1, symbol 39, left 50, right 60,
// unit 68.
constexpr SideRow slabRow(RowText label, RowText symbol, RowText unit, Value (*value)(M, int), NumberFormat f) {
    return {label, symbol, unit, value, f, 1, 39, 50, 60, 68, true};
}

constexpr SideRow spanRows[] = {
    slabRow(key("74"), fixed("L1"), fixed("mm"), [](M m, int s) { return clearSpan(m, s, 1); }, f50),
    slabRow(key("75"), fixed("L2"), fixed("mm"), [](M m, int s) { return clearSpan(m, s, 2); }, f50),
};

constexpr SideRow strandRows[] = {
    slabRow(key("77"), fixed("fctk"), fixed("MPa"), [](M m, int s) { return m.ConcreteFctk[s + 3]; }, {1, 2, 1}),
    slabRow(key("78"), fixed("fctd"), fixed("MPa"), [](M m, int s) { return m.ConcreteFctd[s + 3]; }, {1, 2, 1}),
    slabRow(key("79"), fixed("Ec"), fixed("MPa"), [](M m, int s) { return m.ConcreteEcm[s + 3]; }, f50),
    slabRow(key("80"), none, key("81"), [](M m, int s) { return Value(m.BottomStrandCount[s]); }, {3, 0, 0}),
    slabRow(key("82"), fixed("d"), fixed("mm"), [](M m, int s) { return m.BottomStrandDiameter[s]; }, {2, 1, 1}),
    slabRow(key("83"), key("84"), fixed("mm2"), [](M m, int s) { return m.BottomStrandArea[s]; }, {4, 1, 0}),
    // The strength the ultimate moment takes: the 0.1 % proof stress of the
    // catalogue's fpk and the design strength fp0.1k / 1.1.
    slabRow(key("83a"), fixed("fp0.1k"), fixed("MPa"),
            [](M m, int s) { return Value(library::ComputeStrandProofStress(m.BottomStrandStrength[s])); }, f41r),
    slabRow(key("83b"), fixed("fpd"), fixed("MPa"), [](M m, int s) { return m.BottomStrandDesignStrength[s]; }, f41r),
    slabRow(key("85"), none, key("81"), [](M m, int s) { return m.TopStrandCount[s]; }, {3, 0, 0}),
};

// The top strands' size, under the sides that have top strands.
constexpr SideRow topStrandRows[] = {
    slabRow(key("86"), fixed("d"), fixed("mm"), [](M m, int s) { return m.TopStrandDiameter[s]; }, {2, 1, 1}),
    slabRow(key("87"), key("88"), fixed("mm2"), [](M m, int s) { return m.TopStrandArea[s]; }, {4, 1, 0}),
};

constexpr SideRow transferRows[] = {
    slabRow(key("89"), fixed("sigmapo"), fixed("MPa"), [](M m, int s) { return m.StrandInitialStress[s]; }, f41r),
    slabRow(key("90"), none, fixed("%"), [](M m, int s) { return times(Value(100), m.StrandPrestressLoss[s]); },
            f41r),
    slabRow(key("91"), fixed("sigmacp"), fixed("MPa"), [](M m, int s) { return m.SlabPrestressStress[s]; },
            {3, 2, 1}),
    slabRow(key("92"), fixed("sigmacap"), fixed("MPa"), [](M m, int s) { return m.SlabPrestressStressAp[s]; },
            {3, 2, 1}),
    slabRow(key("93"), key("94"), fixed("mm"), [](M m, int s) { return m.SlabSupportLength[s]; }, f41r),
    slabRow(key("95"), key("96"), fixed("mm"), [](M m, int s) { return m.EffectiveSupportLength[s]; }, f41r),
    slabRow(key("97"), fixed("lb"), fixed("mm"),
            [](M m, int s) { return plus(m.EffectiveSupportLength[s], dividedBy(m.SlabBcr[s], Value(2))); }, f41r),
    slabRow(key("98"), fixed("etap1"), none, [](M m, int s) { return m.BottomStrandBondFactor[s]; }, {3, 2, 1}),
    // The transmission length of the bottom strands (EN 1992-1-1 (8.16)).
    slabRow(key("99"), fixed("lpt"), fixed("mm"), [](M m, int s) { return m.StrandAnchorageLength[s]; }, f41r),
    slabRow(key("100"), key("101"), fixed("mm"), [](M m, int) { return m.FirstJointDistance; }, f41r),
};

constexpr SideRow slabSectionRows[] = {
    slabRow(key("103"), fixed("h.hc"), fixed("mm"), [](M m, int s) { return m.SlabHeight[s]; }, f40),
    slabRow(key("104"), fixed("b.hc"), fixed("mm"), [](M m, int s) { return m.SlabUnitWidth[s]; }, f40),
    slabRow(key("105"), fixed("h.fy"), fixed("mm"), [](M m, int s) { return m.SlabTopFlangeThickness[s]; },
            {3, 0, 0}),
    slabRow(key("105a"), fixed("h.fy.dim"), fixed("mm"),
            [](M m, int s) { return m.SlabTopFlangeDesignThickness[s]; }, {3, 0, 0}),
    slabRow(key("106"), key("107"), fixed("mm"), [](M m, int s) { return m.SlabCoreHeight[s]; }, f40),
    slabRow(key("108"), key("109"), fixed("mm"), [](M m, int s) { return m.SlabCoreWidth[s]; }, f40),
    slabRow(key("110"), fixed("h.ct"), fixed("mm"), [](M m, int s) { return m.SlabDimensionHct[s]; }, f40),
    slabRow(key("111"), fixed("h.v"), fixed("mm"), [](M m, int s) { return m.SlabDimensionHv[s]; }, f40),
    slabRow(key("113"), fixed("h.fa"), fixed("mm"), [](M m, int s) { return m.SlabBottomFlangeThickness[s]; }, f40),
    slabRow(key("115"), none, fixed("mm"), [](M m, int s) { return m.SlabWidthDeduction[s]; }, f40),
    slabRow(key("116"), fixed("b.whc"), fixed("mm"), [](M m, int s) { return m.SlabWebWidthSum[s]; }, f40),
    slabRow(key("117"), fixed("b.cr"), fixed("mm"), [](M m, int s) { return m.SlabBcr[s]; }, f40),
    slabRow(key("118"), none, fixed("mm"), [](M m, int s) { return m.SlabEdgeCoreDistance[s]; }, f40),
    slabRow(key("119"), none, fixed("mm"), [](M m, int s) { return m.SlabEdgeWebWidth[s]; }, f40),
    slabRow(key("120"), none, fixed("mm"), [](M m, int s) { return m.SlabCoreSpacing[s]; }, f40),
    slabRow(key("121"), none, fixed("mm"), [](M m, int s) { return m.SlabBottomLevel[s]; }, f40),
    slabRow(key("122"), fixed("Lf"), fixed("mm"), [](M m, int s) { return m.RequiredCoreFillingLength[s]; }, f40),
};

// 1.5 (1 / bcr) bhc / bwhc: the web shear stress of a unit shear force.
Value unitShearStress(M m, int s) {
    const double divisor = m.SlabBcr[s] * m.SlabWebWidthSum[s];
    if (divisor == 0.0) throw runtime::RunTimeError(runtime::ErrDivisionByZero, "slab webs of no width");
    return Value(library::ComputeShearStress(1, m.SlabBcr[s], m.SlabUnitWidth[s], m.SlabWebWidthSum[s]));
}

constexpr SideRow unitShearRow{fixed("tvl/v = 1.5*(1/bcr)*bhc/bwhc"), none, fixed("1/mm"), unitShearStress,
                               {1, 4, 1}, 1, 46, 50, 60, 68, true};

// S / I / bw * b * 1000 of the plain or the topped slab section: the web
// shear stress of the station per unit shear force before the station's end
// factor kv divides it (thc = V x this / kv / 1000), in 1/m. S is the first
// moment the checks take (over 0.9 for slabs deeper than 410 mm).
Value shearFlowFactor(const Value& S, const Value& I, M m, int s) {
    return times(times(dividedBy(dividedBy(S, I), m.SlabWebWidthSum[s]), m.SlabUnitWidth[s]), Value(1000));
}

// Section rows at the section columns: unit at 69.
constexpr SideRow sectionRow(RowText label, RowText symbol, RowText unit, Value (*value)(M, int), NumberFormat f) {
    return {label, symbol, unit, value, f, 1, 39, 50, 60, 69, true};
}
constexpr NumberFormat f16r{1, 6, 1};

constexpr SideRow plainSectionRows[] = {
    sectionRow(key("126"), fixed("A.hc"), fixed("m2"), [](M m, int s) { return times(m.SlabArea[s], Value(1e-6)); },
               f16r),
    sectionRow(key("127"), fixed("S.hc"), fixed("m3"),
               [](M m, int s) { return times(times(m.SlabDepthFactor[s], m.SlabFirstMoment[s]), Value(1e-9)); },
               f16r),
    sectionRow(key("128"), fixed("I.hc"), fixed("m4"),
               [](M m, int s) { return times(m.SlabMomentOfInertia[s], Value(1e-12)); }, f16r),
    sectionRow(key("129"), fixed("p.hc"), fixed("mm"), [](M m, int s) { return m.SlabDimensionPhc[s]; }, {5, 2, 1}),
    sectionRow(key("260"), fixed("thc*kv/V"), fixed("1/m"),
               [](M m, int s) { return shearFlowFactor(m.SlabFirstMoment[s], m.SlabMomentOfInertia[s], m, s); },
               {3, 4, 1}),
};

constexpr SideRow toppedSectionRows[] = {
    sectionRow(key("133"), fixed("A.hc"), fixed("m2"),
               [](M m, int s) { return times(m.ToppedSlabArea[s], Value(1e-6)); }, f16r),
    sectionRow(key("134"), fixed("S.hc"), fixed("m3"),
               [](M m, int s) { return times(times(m.SlabDepthFactor[s], m.ToppedSlabFirstMoment[s]), Value(1e-9)); },
               f16r),
    sectionRow(key("135"), fixed("I.hc"), fixed("m4"),
               [](M m, int s) { return times(m.ToppedSlabMomentOfInertia[s], Value(1e-12)); }, f16r),
    sectionRow(key("136"), fixed("p.hc"), fixed("mm"), [](M m, int s) { return m.ToppedSlabCentroidPhc[s]; },
               {5, 2, 1}),
    sectionRow(key("260"), fixed("thc*kv/V"), fixed("1/m"),
               [](M m, int s) {
                   return shearFlowFactor(m.ToppedSlabFirstMoment[s], m.ToppedSlabMomentOfInertia[s], m, s);
               },
               {3, 4, 1}),
};

constexpr SideRow toppingThicknessRow =
    slabRow(key("142"), key("143"), fixed("mm"), [](M m, int s) { return m.SideToppingThickness[s]; }, {3, 0, 0});

// The topping's reinforcement and concrete are one for the whole slab
// floor: printed under each side that carries slabs.
constexpr SideRow toppingReinforcementRow =
    slabRow(key("144"), fixed("As/s"), fixed("mm2/m"), [](M m, int) { return m.ToppingReinforcementArea; },
            {3, 0, 0});
constexpr SideRow toppingSteelRows[] = {
    slabRow(key("146"), fixed("fryk"), fixed("MPa"), [](M m, int) { return m.ToppingReinforcementStrength; }, f41r),
    slabRow(key("147"), fixed("fryd"), fixed("MPa"), [](M m, int) { return m.ToppingReinforcementDesignStrength; },
            f41r),
};

// A line of a heading at column 1 and two column heads over the left and
// right values.
void headsLine(RowPrinter& out, const char* headingKey, const char* leftKey, const char* rightKey) {
    out.file().text(out.text(headingKey)).moveTo(47).text(out.text(leftKey)).moveTo(60).text(out.text(rightKey));
    out.file().endLine();
}

void printTopping(RowPrinter& out, int16_t selector) {
    const ProjectModel& m = out.model();
    if (!(plus(m.SideToppingThickness[1], m.SideToppingThickness[2]) > 0.001)) return;
    out.keyLine("132");
    out.print(toppedSectionRows, selector);
    out.blankLine(2);
    headsLine(out, "139", "140", "141");
    out.print(toppingThicknessRow, selector);
    out.print(toppingReinforcementRow, selector);
    const std::string concrete = out.text("145") + FormatFixed(m.ConcreteStrengthByKind[6], 3, 0, 0) + "-" +
                                 FormatFixed(m.ConcreteQualityClass[6], 1, 0, 0);
    PrintSideValuesLine(out.file(), selector, concrete, "Ec", "MPa", m.ConcreteEcm[6], m.ConcreteEcm[6], 5, 0, 0, 1,
                        39, 50, 60, 68, 1);
    out.print(toppingSteelRows, selector);
}

// The rows of one hole: element side + 3 * hole of each field.
struct HoleRow {
    const char* key;
    const char* symbol;
    model::SideHoleArray ProjectModel::*field;
};
constexpr HoleRow holeRows[] = {
    {"152", "br", &ProjectModel::HoleWidthB},
    {"153", "ar", &ProjectModel::HoleLengthA},
    {"154", "yr", &ProjectModel::HoleY},
    {"155", "xr", &ProjectModel::HoleX},
};

void printHoles(RowPrinter& out, int16_t selector) {
    const ProjectModel& m = out.model();
    const int holes = static_cast<int>(
        library::MaxValue(SlabSideShown(m, 1) ? m.HoleCount[1] : 0, SlabSideShown(m, 2) ? m.HoleCount[2] : 0));
    if (holes <= 0) return;
    out.blankLine(1);
    headsLine(out, "148", "149", "150");
    ReportFile& f = out.file();
    for (int k = 1; k <= holes; ++k) {
        f.text(out.text("151")).text(" " + std::to_string(k) + " ").text(":").endLine();
        for (const HoleRow& r : holeRows) {
            const model::SideHoleArray& field = m.*r.field;
            PrintSideValuesLine(f, selector, out.text(r.key), r.symbol, "mm", field(1, k), field(2, k), 4, 0, 0, 1,
                                39, 50, 60, 68, 1);
        }
    }
    out.blankLine(1);
    // The slab field edges lie at the two beam ends, not on the two sides:
    // both are printed, under start and end heads, whatever sides carry
    // slabs.
    f.moveTo(47).text(out.text("156a")).moveTo(60).text(out.text("156b")).endLine();
    PrintSideValuesLine(f, 0, out.text("156"), "", "mm", m.SlabFieldEdgeDistance1, m.SlabFieldEdgeDistance2, 4, 0, 0,
                        1, 39, 50, 60, 68, 1);
}

}  // namespace

void printSlabSections(RowPrinter& out) {
    const ProjectModel& m = out.model();
    const int16_t selector = SlabSideSelector(m);
    ReportFile& f = out.file();
    headsLine(out, "70", "71", "72");
    f.text(out.text("73")).moveTo(45).text(SlabDescriptionText(m, 1)).moveTo(59).text(SlabDescriptionText(m, 2));
    f.endLine();
    out.print(spanRows, selector);
    f.text(out.text("76")).moveTo(50).text(SlabConcreteText(m, 1)).moveTo(60).text(SlabConcreteText(m, 2)).endLine();
    out.print(strandRows, selector);
    if (const int16_t top = TopStrandSelector(m, selector); top >= 0) out.print(topStrandRows, top);
    out.print(transferRows, selector);
    out.blankLine(1);
    out.keyLine("102");
    out.print(slabSectionRows, selector);
    out.blankLine(1);

    out.keyLine("123");
    out.print(unitShearRow, selector);
    out.blankLine(1);
    out.keyLine("124");
    out.keyLine("125");
    out.print(plainSectionRows, selector);
    out.blankLine(2);

    printTopping(out, selector);
    printHoles(out, selector);
}

}  // namespace quorvel::report
