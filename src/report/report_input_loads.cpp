// The input half: loads on the slabs and on the beam, support moments and
// partial factors.

#include <array>
#include <span>
#include <string>
#include <vector>

#include "library/beam_actions.h"
#include "library/factors.h"
#include "report/format_fixed.h"
#include "report/report_input_half.h"
#include "runtime/errors.h"

namespace quorvel::report {

namespace {

using M = const ProjectModel&;

// --- area loads on the slab fields ------------------------------------------

struct AreaLoadRow {
    const char* key;
    const char* symbol;
    model::SideArray ProjectModel::*characteristic;
    model::SideArray ProjectModel::*design;
};
constexpr AreaLoadRow areaLoadRows[] = {
    {"159", "g1 = ", &ProjectModel::SlabSelfWeight, &ProjectModel::SlabSelfWeightDesign},
    {"160", "g3 = ", &ProjectModel::ToppingLoad, &ProjectModel::ToppingLoadDesign},
    {"161", "g4 = ", &ProjectModel::SlabImposedLoadPermanent, &ProjectModel::SlabImposedLoadPermanentDesign},
    {"162", "q  = ", &ProjectModel::SlabImposedLoadVariable, &ProjectModel::SlabImposedLoadVariableDesign},
};

void printAreaLoads(RowPrinter& out) {
    const ProjectModel& m = out.model();
    ReportFile& f = out.file();
    auto number = [](const Value& v) { return FormatFixed(v, 2, 2, 1); };
    for (const AreaLoadRow& r : areaLoadRows) {
        // A side the calculation took nothing of carried no load.
        model::SideArray k = m.*r.characteristic;
        for (int s = 1; s <= 2; ++s)
            if (!SlabSideShown(m, s)) k[s] = 0.0;
        const model::SideArray& d = m.*r.design;
        f.text(out.text(r.key)).moveTo(25).text(r.symbol + number(k[1]));
        f.moveTo(35).text(" / " + number(k[2])).moveTo(45).text("kN/m2");
        f.moveTo(53).text(number(d[1])).moveTo(58).text(" / ").moveTo(61).text(number(d[2]));
        f.moveTo(67).text("kN/m2").endLine();
    }
}

// --- line and point loads on the slab fields ---------------------------------

// The number of loads of a side, a count the input keeps as a number; none
// on a side that is not shown.
int loadCount(M m, const model::SideArray& counts, int s) {
    return SlabSideShown(m, s) ? runtime::toInt16(counts[s]) : 0;
}

void printSlabLineLoads(RowPrinter& out) {
    const ProjectModel& m = out.model();
    ReportFile& f = out.file();
    if (loadCount(m, m.SlabLineLoadCount, 1) + loadCount(m, m.SlabLineLoadCount, 2) > 0) out.keyLine("237");
    for (int s = 1; s <= 2; ++s) {
        const int count = loadCount(m, m.SlabLineLoadCount, s);
        if (count <= 0) continue;
        f.text(out.text(s == 1 ? "71" : "72")).moveTo(30).text("gk kN/m").moveTo(40).text("qk kN/m");
        f.moveTo(49).text("gd kN/m").moveTo(57).text("qd kN/m").moveTo(66).text("y mm ").text(out.text("238"));
        f.endLine();
        for (int i = 1; i <= count; ++i) {
            const Value& g = m.SlabLineLoadG(i, s);
            const Value& q = m.SlabLineLoadQ(i, s);
            f.moveTo(25).text("p_= ").moveTo(30).text(FormatFixed(g, 4, 1, 1)).moveTo(38).text(FormatFixed(q, 4, 1, 1));
            f.moveTo(48).text(FormatFixed(times(m.PermanentLoadFactorKfi, g), 4, 1, 1));
            f.moveTo(55).text(FormatFixed(times(m.VariableLoadFactorKfi, q), 4, 1, 1));
            f.moveTo(65).text(FormatFixed(m.SlabLineLoadY(i, s), 5, 0, 0)).endLine();
        }
    }
}

void printSlabPointLoads(RowPrinter& out) {
    const ProjectModel& m = out.model();
    ReportFile& f = out.file();
    // Where y is measured from stands in the title: after the x and y
    // columns the heading has no room for it within the report's width.
    if (loadCount(m, m.SlabPointLoadCount, 1) + loadCount(m, m.SlabPointLoadCount, 2) > 0)
        f.text(out.text("239") + " (y" + out.text("238") + ")").endLine();
    for (int s = 1; s <= 2; ++s) {
        const int count = loadCount(m, m.SlabPointLoadCount, s);
        if (count <= 0) continue;
        // Point loads are forces: their heads say kN.
        f.text(out.text(s == 1 ? "71" : "72")).moveTo(30).text("gk kN").moveTo(40).text("qk kN");
        f.moveTo(49).text("gd kN").moveTo(57).text("qd kN").moveTo(66).text("x mm ").moveTo(76).text("y mm");
        f.endLine();
        for (int i = 1; i <= count; ++i) {
            const Value& g = m.SlabPointLoadG(i, s);
            const Value& q = m.SlabPointLoadQ(i, s);
            f.moveTo(25).text("P = ").moveTo(30).text(FormatFixed(g, 4, 1, 1)).moveTo(38).text(FormatFixed(q, 4, 1, 1));
            f.moveTo(48).text(FormatFixed(times(m.PermanentLoadFactorKfi, g), 4, 1, 1));
            f.moveTo(55).text(FormatFixed(times(m.VariableLoadFactorKfi, q), 4, 1, 1));
            f.moveTo(65).text(FormatFixed(m.SlabPointLoadX(i, s), 5, 0, 0));
            f.moveTo(75).text(FormatFixed(m.SlabPointLoadY(i, s), 5, 0, 0)).endLine();
        }
    }
}

// --- loads on the beam --------------------------------------------------------

struct BeamLoadRow {
    const char* key;
    const char* symbol;
    const char* designSymbol;
    Value (*characteristic)(M);
    Value (*design)(M);
};
constexpr BeamLoadRow beamLoadRows[] = {
    {"164", "g0 = ", "g0d = ", [](M m) { return m.BeamSelfWeight; }, [](M m) { return m.BeamSelfWeightDesign; }},
    {"165", "g1 = ", "g1d = ", [](M m) { return m.SlabSelfWeightLineLoad[1]; },
     [](M m) { return m.SlabSelfWeightLineLoadDesign[1]; }},
    {"166", "g2 = ", "g2d = ", [](M m) { return m.JointConcreteLineLoad; },
     [](M m) { return m.JointConcreteLineLoadDesign; }},
    {"167", "g3 = ", "g3d = ", [](M m) { return m.ToppingLineLoad[1]; }, [](M m) { return m.ToppingLineLoadDesign[1]; }},
    {"168", "g4 = ", "g4d = ", [](M m) { return m.ImposedPermanentLineLoad[1]; },
     [](M m) { return m.ImposedPermanentLineLoadDesign[1]; }},
    {"169", "q  = ", "qd  = ", [](M m) { return m.ImposedVariableLineLoad[1]; },
     [](M m) { return m.ImposedVariableLineLoadDesign[1]; }},
};

// One beam line load: text, symbol, start and end values as given and as
// designed, start position and length.
struct BeamLineLoad {
    const char* key;
    const char* symbol;
    Value ProjectModel::*start;
    Value ProjectModel::*end;
    Value ProjectModel::*startDesign;
    Value ProjectModel::*endDesign;
    Value ProjectModel::*x;
    Value ProjectModel::*length;
};
constexpr BeamLineLoad beamLineLoads[] = {
    {"171", "gv = ", &ProjectModel::BeamLineLoadG1, &ProjectModel::BeamLineLoadG2, &ProjectModel::BeamLineLoadG1Design,
     &ProjectModel::BeamLineLoadG2Design, &ProjectModel::BeamLineLoadGX, &ProjectModel::BeamLineLoadGLength},
    {"172", "qv = ", &ProjectModel::BeamLineLoadQ1, &ProjectModel::BeamLineLoadQ2, &ProjectModel::BeamLineLoadQ1Design,
     &ProjectModel::BeamLineLoadQ2Design, &ProjectModel::BeamLineLoadQX, &ProjectModel::BeamLineLoadQLength},
};

void printBeamLoads(RowPrinter& out) {
    const ProjectModel& m = out.model();
    ReportFile& f = out.file();
    // The design columns are (6.10b)'s; the partial factors below name the
    // expression that governs, which may be (6.10a).
    f.text(out.text("163")).moveTo(32).text("qk").moveTo(54).text("qd (6.10b)").endLine();
    for (const BeamLoadRow& r : beamLoadRows) {
        f.text(out.text(r.key)).moveTo(25).text(r.symbol + FormatFixed(r.characteristic(m), 3, 1, 1));
        f.moveTo(37).text(std::string(" kN/m   ") + r.designSymbol).moveTo(51).text(FormatFixed(r.design(m), 3, 1, 1));
        f.moveTo(56).text(" kN/m").endLine();
    }

    if (plus(plus(m.BeamLineLoadG1, m.BeamLineLoadG2), plus(m.BeamLineLoadQ1, m.BeamLineLoadQ2)) != 0) {
        f.text(out.text("170")).moveTo(30).text(out.text("254")).moveTo(38).text(out.text("255"));
        f.moveTo(47).text(out.text("256")).moveTo(55).text(out.text("257")).moveTo(64).text(out.text("258"));
        f.moveTo(71).text(out.text("259")).endLine();
        for (int column : {32, 40, 49, 57}) f.moveTo(column).text("kN/m");
        f.moveTo(66).text("mm").moveTo(73).text("mm").endLine();
    }
    for (const BeamLineLoad& l : beamLineLoads) {
        if (plus(m.*l.start, m.*l.end) == 0) continue;
        f.text(out.text(l.key)).moveTo(25).text(l.symbol);
        f.moveTo(31).text(FormatFixed(m.*l.start, 3, 1, 1)).moveTo(39).text(FormatFixed(m.*l.end, 3, 1, 1));
        f.moveTo(49).text(FormatFixed(m.*l.startDesign, 3, 1, 1)).moveTo(56).text(FormatFixed(m.*l.endDesign, 3, 1, 1));
        f.moveTo(65).text(FormatFixed(m.*l.x, 5, 0, 0)).moveTo(72).text(FormatFixed(m.*l.length, 5, 0, 0)).endLine();
    }

    if (m.BeamPointLoadCount > 0) {
        f.text(out.text("173")).moveTo(30).text("Pg_k kN").moveTo(40).text("Pq_k kN").moveTo(49).text("Pg_d kN");
        f.moveTo(57).text("Pq_d kN").moveTo(66).text("y mm").endLine();
        for (int p = 1; p <= m.BeamPointLoadCount; ++p) {
            const Value& g = m.BeamPointLoad(1, p);
            const Value& q = m.BeamPointLoad(2, p);
            f.moveTo(25).text("P = ").moveTo(30).text(FormatFixed(g, 4, 1, 1)).moveTo(38).text(FormatFixed(q, 4, 1, 1));
            f.moveTo(48).text(FormatFixed(times(m.PermanentLoadFactorKfi, g), 4, 1, 1));
            f.moveTo(55).text(FormatFixed(times(m.VariableLoadFactorKfi, q), 4, 1, 1));
            f.moveTo(65).text(FormatFixed(m.BeamPointLoadX[p], 5, 0, 0)).endLine();
        }
    }
}

// --- support moments -----------------------------------------------------------

struct MomentRow {
    const char* key;
    const char* symbol;
    Value ProjectModel::*moment;
};
// The stages in order: before grouting, before the topping, permanent,
// variable.
constexpr MomentRow startMoments[] = {
    {"177", "M.ta0g = ", &ProjectModel::SupportMomentStartBeforeGrouting},
    {"178", "M.ta1g = ", &ProjectModel::SupportMomentStartBeforeTopping},
    {"179", "M.ta2g = ", &ProjectModel::SupportMomentStartPermanent},
    {"180", "M.ta2q = ", &ProjectModel::SupportMomentStartVariable},
};
constexpr MomentRow endMoments[] = {
    {"182", "M.tb0g = ", &ProjectModel::SupportMomentEndBeforeGrouting},
    {"183", "M.tb1g = ", &ProjectModel::SupportMomentEndBeforeTopping},
    {"184", "M.tb2g = ", &ProjectModel::SupportMomentEndPermanent},
    {"185", "M.tb2q = ", &ProjectModel::SupportMomentEndVariable},
};

void printSupportMoments(RowPrinter& out) {
    const ProjectModel& m = out.model();
    ReportFile& f = out.file();
    // Each stage's design end moment as the calculation designs it at the
    // support's station (its load row's factor by the expression that
    // governs there), so that the table prints the design moment that
    // Md.neg and the verdict print.
    auto print = [&](std::span<const MomentRow, 4> rows) {
        std::array<double, 4> characteristic{};
        for (std::size_t s = 0; s < rows.size(); ++s) characteristic[s] = m.*rows[s].moment;
        const std::array<double, 4> design = library::SupportDesignMoments(m, characteristic);
        for (std::size_t s = 0; s < rows.size(); ++s) {
            const MomentRow& r = rows[s];
            f.text(out.text(r.key)).text(r.symbol).text(FormatFixed(m.*r.moment, 4, 1, 1)).text(" kNm").text(" ");
            f.text(FormatFixed(Value(design[s]), 4, 1, 1)).text(" kNm").endLine();
        }
    };
    out.blankLine(0);
    out.keyLine("175");
    f.text(out.text("176")).text("         ").text("   Mk  ").text("       Md").endLine();
    print(startMoments);
    out.keyLine("181");
    print(endMoments);
    out.blankLine(2);
}

// --- partial factors --------------------------------------------------------------

struct FactorRow {
    const char* key;
    const char* symbol;
    Value (*value)(M);
    bool (*when)(M);  // nullptr: always
};
constexpr FactorRow factorRowsBeforeSafety[] = {
    {"188", "gam.g", [](M m) { return m.PartialFactorPermanent; }, nullptr},
    {"189", "gam.q", [](M m) { return m.PartialFactorVariable; }, nullptr},
    {"187a", "K.FI", [](M m) { return m.ConsequenceClassFactorKfi; }, nullptr},
};
constexpr FactorRow prestressFactorRow[] = {
    {"190", "gam.p", [](M m) { return m.PrestressPartialFactor; }, nullptr},
};
// The concrete factors are those each design strength fcd of the beam
// section was formed with, by the quality class of that concrete.
constexpr FactorRow factorRowsAfterSafety[] = {
    {"193", "gam.s", [](M m) { return m.SteelPartialFactor; }, [](M m) { return m.SteelPlateCount > 0; }},
    {"194", "gam.c", [](M m) { return Value(library::SelectConcretePartialFactor(m.ConcreteQualityClass[1])); },
     [](M m) { return m.PrecastPartCount > 0; }},
    {"195", "gam.c", [](M m) { return Value(library::SelectConcretePartialFactor(m.ConcreteQualityClass[2])); },
     [](M m) { return m.InfillPartCount > 0; }},
    {"196", "gam.r", [](M m) { return m.ReinforcementPartialFactor; }, [](M m) { return m.ReinforcementRowCount > 0; }},
    {"197", "gam.r", [](M m) { return m.TopAndSteelBeamRebarPartialFactor; },
     [](M m) { return m.SteelBeamRebarRowCount > 0; }},
};

void printFactor(RowPrinter& out, const char* keyNumber, const char* symbol, const Value& value, bool endLine) {
    PrintLabelValueLine(out.file(), out.text(keyNumber), symbol, "", value, 1, 2, 1, 1, 25, 35, 39, endLine ? 1 : 0);
}

// Further per-side factors on the open line: "/ " and the factor of each
// side given, seven columns apart from column 40; then the line ends.
template <typename FactorOfSide>
void appendSideFactors(ReportFile& f, std::span<const int> sides, FactorOfSide factor) {
    int column = 40;
    for (int s : sides) {
        f.moveTo(column).text("/ ").moveTo(column + 2).text(FormatFixed(factor(s), 1, 2, 1));
        column += 7;
    }
    f.endLine();
}

void printFactors(RowPrinter& out, std::span<const FactorRow> rows) {
    for (const FactorRow& r : rows)
        if (!r.when || r.when(out.model())) printFactor(out, r.key, r.symbol, r.value(out.model()), true);
}

// EN 1990's two expressions of the design loads (the Finnish National
// Annex's 6.10a takes the permanent loads alone) and the one that governs the
// largest design value of the beam and of each slab field that carries slabs.
void printLoadExpressions(RowPrinter& out) {
    const ProjectModel& m = out.model();
    ReportFile& f = out.file();
    const auto name = [](int permanentOnly) { return permanentOnly != 0 ? "6.10a" : "6.10b"; };
    f.text(out.text("187b")).moveTo(25).text("6.10a: 1.35 K.FI G").endLine();
    f.moveTo(25).text("6.10b: gam.g K.FI G + gam.q K.FI Q").endLine();
    f.text(out.text("187c")).moveTo(25).text(name(m.BeamMomentExpression)).text(" / ").text(
        name(m.BeamShearExpression)).endLine();
    // Left, then right; a side without slabs is designed by neither.
    f.text(out.text("187d"));
    for (int s = 1; s <= 2; ++s) {
        f.moveTo(s == 1 ? 25 : 40).text(s == 1 ? "" : "| ");
        if (m.SlabSidePresent[s] == 0)
            f.text("-");
        else
            f.text(name(m.SlabMomentExpression[s])).text(" / ").text(name(m.SlabShearExpression[s]));
    }
    f.endLine();
}

void printPartialFactors(RowPrinter& out) {
    const ProjectModel& m = out.model();
    ReportFile& f = out.file();
    out.keyLine("186");
    // The factors as the factors window shows them (the slabs' as the
    // calculation took them, a side without slabs set aside); K_FI
    // multiplies the loads' factors.
    const auto slabFactor = [&m](int s) { return dividedBy(m.SlabSelfWeightFactorKfi[s], m.ConsequenceClassFactorKfi); };
    printFactor(out, "187", "gam.hc", slabFactor(1), false);
    f.moveTo(40).text("/ ").moveTo(42).text(FormatFixed(slabFactor(2), 1, 2, 1)).endLine();
    printFactors(out, factorRowsBeforeSafety);
    printLoadExpressions(out);
    printFactors(out, prestressFactorRow);
    std::vector<int> sides;  // the sides that carry slabs
    for (int s = 1; s <= 2; ++s)
        if (m.SlabSidePresent[s] != 0) sides.push_back(s);
    // The slab concretes' factor, by the quality class each side's fctd was
    // formed with: the first side that carries slabs, then the other.
    const auto slabConcreteFactor = [&m](int s) {
        return Value(library::SelectConcretePartialFactor(m.ConcreteQualityClass[s + 3]));
    };
    printFactor(out, "191", "gam.c", slabConcreteFactor(sides.empty() ? 1 : sides.front()), false);
    appendSideFactors(f, sides.empty() ? std::span<const int>() : std::span<const int>(sides).subspan(1),
                      slabConcreteFactor);
    // The additional safety factor as given, then as the slab check of each
    // side that carries slabs used it.
    printFactor(out, "192", "gam.lis", m.AdditionalSafetyFactor, false);
    appendSideFactors(f, sides, [&m](int s) { return Value(m.EffectiveAdditionalSafetyFactor[s]); });
    printFactors(out, factorRowsAfterSafety);
    out.blankLine(0);
    out.blankLine(1);
}

}  // namespace

void printLoadSections(RowPrinter& out) {
    out.blankLine(1);
    out.keyLine("157");
    out.keyLine("158");
    printAreaLoads(out);
    out.blankLine(1);
    printSlabLineLoads(out);
    printSlabPointLoads(out);
    out.blankLine(1);
    printBeamLoads(out);
    printSupportMoments(out);
    printPartialFactors(out);
}

}  // namespace quorvel::report
