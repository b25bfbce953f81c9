#include "report/support_line_table.h"

#include <string>

#include "library/checked_math.h"
#include "library/utilities.h"
#include "report/format_fixed.h"
#include "runtime/text_file.h"

namespace quorvel::report {

using runtime::Value;

namespace {

constexpr const char* ColumnHeading =
    "  x   Vdpalk   vy    tvl0   tvl  Vdhc   Vuhc   thc  sigma1 gamlisä k-aste Lf  Mkhc   Mdhc  ";
constexpr const char* UnitHeading =
    " mm    kN     N/mm    MPa   MPa  kN/m   kN/m   MPa   MPa                  mm  kNm/m  kNm/m ";

// Utilisation ratios from this value on print as this value.
constexpr double UtilisationPrintCap = 999.0;

// Fixed-point text with the column's width and decimals; whole numbers are
// rounded too.
std::string fixed(double value, int16_t width, int16_t decimals) {
    return FormatFixed(Value(value), width, decimals, decimals > 0 ? int16_t{1} : int16_t{0});
}

// A strand type key as the designation shows it: "0" (plain count) shows
// nothing.
std::string strandKey(const std::string& key) { return key == "0" ? std::string() : key; }

std::string slabDesignation(const model::ProjectModel& m, int side) {
    return m.SlabTypeName(side) + "-" + fixed(m.BottomStrandCount(side), 2, 0) +
           strandKey(m.BottomStrandType(side)) + "-" + fixed(m.TopStrandCount(side), 2, 0) +
           strandKey(m.TopStrandType(side));
}

// The additional safety factor in effect at a station; where neither shear
// stress acts the full factor is shown.
double stationSafetyFactor(double factor, double thc, double tvl) {
    if (thc + tvl == 0.0) return factor;
    return 1.0 + (factor - 1.0) * thc / (thc + tvl);
}

}  // namespace

void WriteSupportLineTable(const model::ProjectModel& m, const model::PointArray& shearFlowA,
                           const model::PointArray& shearFlowB,
                           const analysis::StationSideArray& tvl0Stress,
                           const analysis::StationSideArray& tvlStress,
                           const analysis::StationSideArray& shearResistance,
                           const analysis::StationSideArray& thcStress,
                           const analysis::StationSideArray& principalStress,
                           const analysis::StationSideArray& utilisation,
                           const model::SidePointArray& coreFillingUsed) {
    runtime::TextFileWriter out(runtime::resolveFile(m.WorkFolder(), SupportLineTableFileName),
                                runtime::TextFileWriter::Mode::Output);
    const int n = m.CalculationPointCount;
    for (int side = 1; side <= 2; ++side) {
        if (m.SlabSidePresent(side) == 0) continue;

        out.text(side == 1 ? "  Vasen laatta :  " : "  Oikea laatta :  ").text(slabDesignation(m, side));
        out.nextZone()
            .text("L = ")
            .text(fixed(m.BeamSpacing(side, 1), 5, 0))
            .text(" ... ")
            .text(fixed(m.BeamSpacing(side, 2), 5, 0))
            .text(" mm")
            .newLine();
        out.text("  sigmacpm = ")
            .text(fixed(m.SlabPrestressStress(side), 3, 1))
            .text(" MPa   Mr = ")
            .text(fixed(m.SlabCrackingMoment(side), 4, 1))
            .text(" kNm/m    Mu = ")
            .text(fixed(m.SlabUltimateMoment(side), 4, 1))
            .text(" kNm/m")
            .newLine();
        out.line(" ").line(ColumnHeading).line(UnitHeading).line(" ");

        // The slab moments along the beam are Nmm per slab unit; the
        // columns give them per metre of slab width, as the heading says.
        const double perMetre =
            library::checkedQuotient(0.000001, 0.001 * m.SlabUnitWidth(side).number());

        for (int i = 0; i <= n; ++i) {
            const double thc = thcStress(i, side);
            const double tvl = tvlStress(i, side);
            out.text(fixed(m.CalculationPointX(i), 5, 0));
            out.tab(7).text(fixed(0.001 * (m.BeamShearDesign(i, 2) + m.BeamShearDesign(i, 5)), 4, 1));
            out.tab(14).text(fixed(shearFlowA(i) + shearFlowB(i), 4, 1));
            out.tab(20).text(fixed(tvl0Stress(i, side), 3, 2));
            out.tab(26).text(fixed(tvl, 3, 2));
            out.tab(32).text(fixed(m.SlabDesignShear(side, i), 4, 1));
            out.tab(39).text(fixed(shearResistance(i, side), 4, 1));
            out.tab(45).text(fixed(thc, 3, 2));
            out.tab(52).text(fixed(principalStress(i, side), 3, 2));
            out.tab(60).text(fixed(stationSafetyFactor(m.AdditionalSafetyFactor, thc, tvl), 1, 2));
            out.tab(66).text(fixed(library::MinValue(utilisation(i, side), UtilisationPrintCap), 3, 2));
            // Lf: the filling the station was checked with, not the box's
            // length (with dowels every station starts from 100 mm).
            out.tab(73).text(fixed(coreFillingUsed(side, i), 4, 0));
            out.tab(78).text(fixed(m.SlabCharacteristicMoment(side, i) * perMetre, 4, 1));
            out.tab(85).text(fixed(m.SlabDesignMoment(side, i) * perMetre, 4, 1));
            out.newLine();
        }
        out.line("  ");
    }
    out.close();
}

void KeepSupportLineTable(const model::ProjectModel& m) {
    const std::string& kept = m.ErrorLogFolder();
    if (kept.empty() || kept == m.WorkFolder()) return;
    const std::string bytes = runtime::readRegularFile(runtime::resolveFile(m.WorkFolder(), SupportLineTableFileName));
    runtime::writeFileAtomically(runtime::resolveFile(kept, SupportLineTableFileName), bytes);
}

void WriteSupportLineTableOfRun(const model::ProjectModel& m,
                                const analysis::SupportLineTables& t) {
    WriteSupportLineTable(m, t.shearFlowA, t.shearFlowB, t.tvl0Stress, t.tvlStress,
                          t.shearResistance, t.thcStress, t.principalStress, t.utilisation,
                          t.coreFillingUsed);
}

}  // namespace quorvel::report
