// The report of a beam that hogs: the largest hogging moment is printed and
// said not to be checked, a beam with no sagging moment left shows its
// composite resistance and utilisation as not checked (never 0.00), and the
// tension a hogging support puts in the slab underside is warned of, in
// both languages.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "analysis/calculation_driver.h"
#include "analysis/calculation_support.h"
#include "model/topping_load.h"
#include "report/results_file.h"
#include "runtime/text_file.h"

namespace {

using namespace quorvel;
using Lines = std::vector<std::string>;

// concrete_middle_beam.dat (or another example) with permanent support
// moments (kNm) and, where given, other slab spacings on both sides; its
// report in the language.
Lines reportOf(double startMoment, double endMoment, int16_t language, double spacingStart = 0,
               double spacingEnd = 0, double variableEndMoment = 0,
               const std::function<void(model::ProjectModel&)>& edit = nullptr,
               const char* fixture = "concrete_middle_beam.dat") {
    quorvel::testing::CalculationFolder data;
    platform::HeadlessPlatform ui;
    model::ProjectModel m;
    ui.setProgramFolder(data.dataPath());
    runtime::Messages messages;
    data.load(m, fixture);
    if (edit) edit(m);
    m.SupportMomentStartPermanent = startMoment;
    m.SupportMomentEndPermanent = endMoment;
    m.SupportMomentEndVariable = variableEndMoment;
    if (spacingStart > 0)
        for (int side = 1; side <= 2; ++side) {
            m.BeamSpacing(side, 1) = spacingStart;
            m.BeamSpacing(side, 2) = spacingEnd;
        }
    model::ComputeToppingLoad(m);
    EXPECT_EQ(analysis::PerformCalculation(m, messages), 0);
    m.LanguageIndex = language;
    EXPECT_EQ(report::WriteResultsFile(m, ui, data.folder().file("r.tul")), 0);
    Lines lines;
    for (const std::string& l : runtime::splitLines(data.folder().read("r.tul")))
        lines.push_back(runtime::cp1252ToUtf8(l));
    return lines;
}

bool hasLine(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool anyLineStarts(const Lines& lines, const std::string& start) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; });
}

bool anyLineHas(const Lines& lines, const std::string& part) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != l.npos; });
}

// The words of each language: the hogging row's label, its note, the
// composite resistance not checked, the utilisation row's words (after
// its value where a sagging moment is checked), the note of a beam with no
// sagging moment, the slab underside's warning, the row of the strains
// MRd.c is solved with (printed only where MRd.c is checked), the strain
// not checked where the seat stretches over the whole span and in part,
// the two verdicts, the largest stretch's row and the strain verdict's words.
struct Words {
    int16_t language;
    const char* hoggingRow;
    const char* hoggingNote;
    const char* resistanceNotChecked;
    const char* utilisation;
    const char* hoggingNotChecked;
    const char* noSagging;
    const char* tensionWarning;
    const char* solvedStrains;
    const char* strainNotChecked;
    const char* strainNotCheckedInPart;
    const char* bendingVerdict;
    const char* strainVerdict;
    const char* stretchRow;
    const char* strainVerdictWords;
};

const Words words[] = {
    {1, "Hogging moment, largest             ", "Not checked: the beam is checked in sagging only.",
     "Moment resistance, composite        MRd.c     not checked", "Utilisation                                   ",
     "hogging not checked", "No sagging moment: Lo is the whole span, not a zone between zero moments.",
     "Tension at the slab underside sig.ct =", "Strains at MRd.c",
     "Not checked: the beam top at the slab support stretches over the whole span.",
     "Not checked where the beam top at the slab support is stretched, not shortened.",
     "HOGGING MOMENT Md.neg =             ", "STRETCH AT THE SLAB SUPPORT eps.neg =", "Stretch at slab support, largest    ",
     " %o: strain not checked"},
    {0, "Negatiivinen momentti, suurin       ", "Ei tarkisteta: palkki tarkistetaan vain positiiviselle momentille.",
     "Taivutuskestävyys, liittopalkki     MRd.c     ei tarkisteta", "Käyttöaste                                    ",
     "negatiivista ei tarkisteta", "Ei positiivista momenttia: Lo on koko jänne, ei momentin nollakohtien väli.",
     "Laatan alapinnan vetojännitys sig.ct =", "Venymät, MRd.c",
     "Ei tarkisteta: palkin yläpinta laatan tuella venyy koko jänteellä, ei lyhene.",
     "Ei tarkisteta, missä palkin yläpinta laatan tuella venyy: siellä se ei lyhene.",
     "NEGATIIVINEN MOMENTTI Md.neg =      ", "VENYMÄ LAATAN TUELLA eps.neg =", "Venymä laatan tuella, suurin        ",
     " %o: venymää ei tarkisteta"},
};

// The moments by hand (Hogging.LargestHoggingMomentAndWhetherSaggingIsLeftToCheck):
// design support moments 1.35 (6.10a) x the permanent ones; the loads give
// 494.96 kNm design, 394.90 characteristic at midspan, of it G L^2 / 8 =
// 278.26 permanent, 116.64 variable.
//   -500 / -500: Md.neg -675.0; midspan (6.10b) 1.15 (278.26 - 500) + 1.5 x
//     116.64 = -80.0, 394.90 - 500: nothing sags. The design row prints
//     (6.10a)'s 1.35 (278.26 - 500) = -299.35, "-299.4".
//   -400 / -400: Md.neg -540.0, 1.15 (278.26 - 400) + 174.96 = 34.96 kNm
//     sags (utilisation 34.96 / 755.8 = 0.046, "0.05"; row 35.0); Mk =
//     394.90 - 400 = -5.1 kNm: the top stretches over the whole span.
//   -301 / -301: Md.neg 1.35 x -301 = -406.35 (> 6.10b's 346.15), "-406.4"
//     in the support-moment table and the hogging row, "-406.35" in the
//     verdict; 1.15 (278.26 - 301) + 174.96 = 148.8 sags.
//   -300 at the start: Md.neg -405.0, sags elsewhere.
//   -0.01 / -0.004 at the start: Md.neg -0.0135 / -0.0054 hog (beyond 1e-5
//     x 494.96 = 0.0049 kNm): "-0.01", never "0.0".
//   -100 before grouting, gam.g 1.40, gam.hc 0.90: (6.10b) 1.40 x -100 =
//     -140.0 > (6.10a) -135.0 in the table's M.ta0g, Md.neg and verdict;
//     the seat strain takes moments from the topping on: no stretch.
//   none, and +100 variable at the end: no hogging line at all.
// The seat (610 mm) lies above yc(8) = 419.6 mm, EI(8) = 1.059e15 N mm2:
// stretch 1000 Mk.neg (610 - 419.6) / 1.059e15 per mille: -500 -0.090,
// -400 -0.072, -300 -0.054. At the first station (26.25 mm inside) the
// loads' +2.4 kNm outweighs -0.01 and -0.004 kNm: no stretch.
TEST(HoggingReport, EveryHoggingMomentIsSaidNotCheckedBesideItsValue) {
    struct Case {
        const char* name;
        double start, end, variableEnd;
        const char* mdNeg;         // the row's number as printed, or none
        const char* mdNegVerdict;  // the verdict line's, right-aligned
        const char* stretch;           // the largest stretch as printed, or none
        const char* stretchVerdict;
        bool sagging;                  // a sagging design moment checked
        bool strainInPart;             // the seat shortens somewhere
        const char* mk;                // the characteristic row's value, or none to check
        const char* also = nullptr;    // a further line the report holds, or none
        void (*edit)(model::ProjectModel&) = nullptr;  // further input, or none
    };
    const Case cases[] = {
        {"-500 / -500", -500, -500, 0, "-675.0", "-675.00", "  -0.09", "-0.09", false, false, nullptr,
         "Md        = -299.4 kNm"},
        {"-400 / -400", -400, -400, 0, "-540.0", "-540.00", "  -0.07", "-0.07", true, false, "Mk        =   -5.1 kNm",
         "Md        =   35.0 kNm"},
        {"-301 / -301", -301, -301, 0, "-406.4", "-406.35", "  -0.05", "-0.05", true, false, nullptr,
         "M.ta2g = -301.0 kNm -406.4 kNm"},
        {"-300 at the start", -300, 0, 0, "-405.0", "-405.00", "  -0.05", "-0.05", true, true, nullptr},
        {"-100 before grouting", 0, 0, 0, "-140.0", "-140.00", nullptr, nullptr, true, true, nullptr,
         "M.ta0g = -100.0 kNm -140.0 kNm", [](model::ProjectModel& m) {
             m.SupportMomentStartBeforeGrouting = m.SupportMomentEndBeforeGrouting = -100;
             m.PartialFactorPermanent = 1.4, m.SlabSelfWeightFactor(1) = m.SlabSelfWeightFactor(2) = 0.9;
         }},
        {"-0.01 at the start", -0.01, 0, 0, "  -0.01", "  -0.01", nullptr, nullptr, true, true, nullptr},
        {"-0.004 at the start", -0.004, 0, 0, "  -0.01", "  -0.01", nullptr, nullptr, true, true, nullptr},
        {"none", 0, 0, 0, nullptr, nullptr, nullptr, nullptr, true, true, nullptr},
        {"+100 variable at the end", 0, 0, 100, nullptr, nullptr, nullptr, nullptr, true, true, nullptr},
    };
    for (const Words& w : words) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (w.language ? " English" : " Finnish"));
            const Lines report = reportOf(c.start, c.end, w.language, 0, 0, c.variableEnd, c.edit);
            const std::string utilisation = w.utilisation;
            const bool utilisationWithWords = std::any_of(report.begin(), report.end(), [&](const std::string& l) {
                return l.rfind(utilisation, 0) == 0 && l.ends_with(w.hoggingNotChecked);
            });
            EXPECT_EQ(hasLine(report, utilisation + w.hoggingNotChecked), c.mdNeg && !c.sagging);
            EXPECT_EQ(anyLineStarts(report, utilisation + "=   0.05   ") && utilisationWithWords,
                      c.mdNeg && std::string(c.name) == "-400 / -400");
            EXPECT_EQ(utilisationWithWords, c.mdNeg != nullptr);
            EXPECT_FALSE(hasLine(report, utilisation + "=   0.00  "));  // never a 0 % check
            EXPECT_EQ(hasLine(report, std::string(w.hoggingRow) + "Md.neg    = " + (c.mdNeg ? c.mdNeg : "") + " kNm"),
                      c.mdNeg != nullptr);
            EXPECT_EQ(anyLineHas(report, "Md.neg"), c.mdNeg != nullptr);
            EXPECT_EQ(hasLine(report, w.hoggingNote), c.mdNeg != nullptr);
            EXPECT_EQ(hasLine(report, w.resistanceNotChecked), !c.sagging);
            EXPECT_EQ(hasLine(report, w.noSagging), !c.sagging);
            EXPECT_EQ(anyLineStarts(report, w.solvedStrains), c.sagging);
            EXPECT_EQ(anyLineStarts(report, std::string(w.bendingVerdict) + (c.mdNeg ? c.mdNegVerdict : "") + " kNm"),
                      c.mdNeg != nullptr);

            const std::string stretch = c.stretch ? c.stretch : "";
            EXPECT_EQ(hasLine(report, std::string(w.stretchRow) + "eps.neg   = " + stretch + " %o"),
                      c.stretch != nullptr);
            EXPECT_FALSE(anyLineHas(report, "Mk.neg"));
            EXPECT_EQ(hasLine(report, w.strainNotChecked), c.stretch && !c.strainInPart);
            EXPECT_EQ(hasLine(report, w.strainNotCheckedInPart), c.stretch && c.strainInPart);
            EXPECT_EQ(anyLineHas(report, "eps.lim"), c.strainInPart);  // the strain's own rows
            EXPECT_EQ(anyLineStarts(report, w.strainVerdict), c.stretch != nullptr);
            EXPECT_EQ(anyLineHas(report, std::string(" ") + (c.stretch ? c.stretchVerdict : "") + w.strainVerdictWords),
                      c.stretch != nullptr);
            for (const char* line : {c.mk, c.also}) EXPECT_TRUE(!line || anyLineHas(report, line)) << line;
            EXPECT_FALSE(anyLineHas(report, "Md        =    0.0 kNm"));
        }
    }
}

// A seat below the composite centroid shortens under hogging (TI, 80 mm
// topping, crack width 0: 0.205 > 0.10 per mille by hand in
// Hogging.TheSeatStrainIsCheckedByItsSign): checked and exceeded.
TEST(HoggingReport, AShortenedSeatUnderHoggingIsCheckedAndExceeded) {
    const auto ti = [](model::ProjectModel& m) {
        m.ToppingThickness = 80;
        m.AllowedCrackWidth = 0;
        m.SupportMomentStartVariable = -400;
    };
    const Lines report = reportOf(-400, -400, 1, 0, 0, -400, ti, "ti_new_project_old_format.dat");
    EXPECT_TRUE(hasLine(report, "Total                               eps        =    0.20  %o"));
    EXPECT_TRUE(hasLine(report, "STRAIN AT THE SLAB SUPPORT eps =       0.20 %o > allowed strain         0.10    %o"));
    EXPECT_FALSE(anyLineHas(report, "eps.neg"));
}

// Spacings 9000 / 5000 mm and -300 kNm at the start: the slab underside over
// the support is stretched to about 2.5 MPa (by hand in
// Hogging.TensionAtTheSlabUndersideOverAHoggingSupport) against f_ctd 1.82:
// the warning stands; before, -0.556 MPa was printed and nothing said.
TEST(HoggingReport, TensionOverAHoggingSupportIsWarnedOf) {
    for (const Words& w : words) {
        SCOPED_TRACE(w.language);
        EXPECT_TRUE(anyLineStarts(reportOf(-300, 0, w.language, 9000, 5000), w.tensionWarning));
        EXPECT_FALSE(anyLineStarts(reportOf(0, 0, w.language, 9000, 5000), w.tensionWarning));
    }
}

// A TI beam with its joints dowelled on its top (grout 100 mm: beta.y
// 0.96) prints the shear flow between steel and concrete, 2 F k / Lo over
// the zero-moment span Lo. With -500 kNm at both ends its composite stage
// hogs everywhere and Lo is 0: the row says in words that the flow is not
// checked. Before, the calculation stopped with error 11.
TEST(HoggingReport, AShearFlowWithoutAZeroMomentSpanIsSaidNotChecked) {
    const auto dowelled = [](model::ProjectModel& m) {
        m.DowelsOnBeamTop = 1;
        m.JointGroutWidth(1) = m.JointGroutWidth(2) = 100;
    };
    for (const auto& [language, line] :
         {std::pair{int16_t{0}, "Leikkausvuo teräksen ja betonin välillä                      ei tarkisteta"},
          std::pair{int16_t{1}, "Shear flow between steel and concrete                        not checked"}})
        EXPECT_TRUE(hasLine(reportOf(-500, -500, language, 0, 0, 0, dowelled, "ti_new_project_old_format.dat"), line));
}

}  // namespace
