// The report of a beam that hogs: the largest hogging moment is printed and
// said not to be checked, a beam with no sagging moment left shows its
// composite resistance and utilisation as not checked (never 0.00), and the
// tension a hogging support puts in the slab underside is warned of, in
// both languages.

#include <gtest/gtest.h>

#include <algorithm>
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

// concrete_middle_beam.dat with permanent support moments (kNm) and, where
// given, other slab spacings on both sides; its report in the language.
Lines reportOf(double startMoment, double endMoment, int16_t language, double spacingStart = 0,
               double spacingEnd = 0) {
    quorvel::testing::CalculationFolder data;
    platform::HeadlessPlatform ui;
    model::ProjectModel m;
    ui.setProgramFolder(data.dataPath());
    runtime::Messages messages;
    data.load(m, "concrete_middle_beam.dat");
    m.SupportMomentStartPermanent = startMoment;
    m.SupportMomentEndPermanent = endMoment;
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

// The words of each language: the hogging row, its note, the rows of the
// composite resistance and utilisation not checked, the note of a beam
// with no sagging moment, the beam's utilisation row as 0 (never printed),
// the slab underside's warning and the row of the strains MRd.c is solved
// with (printed only where MRd.c is checked).
struct Words {
    int16_t language;
    const char* hoggingRow;
    const char* hoggingNote;
    const char* resistanceNotChecked;
    const char* utilisationNotChecked;
    const char* noSagging;
    const char* zeroUtilisation;
    const char* tensionWarning;
    const char* solvedStrains;
    const char* strainNotChecked;
};

const Words words[] = {
    {1, "Hogging moment, largest             Md.neg    = ",
     "Not checked: the beam is checked in sagging only.",
     "Moment resistance, composite        MRd.c     not checked",
     "Utilisation                                   not checked",
     "No sagging moment: Lo is the whole span, not a zone between zero moments.",
     "Utilisation                                   =   0.00  ", "Tension at the slab underside sig.ct =",
     "Strains at MRd.c",
     "Not checked: the beam hogs over the whole span, and its top is stretched, not shortened."},
    {0, "Negatiivinen momentti, suurin       Md.neg    = ",
     "Ei tarkisteta: palkki tarkistetaan vain positiiviselle momentille.",
     "Taivutuskestävyys, liittopalkki     MRd.c     ei tarkisteta",
     "Käyttöaste                                    ei tarkisteta",
     "Ei positiivista momenttia: Lo on koko jänne, ei momentin nollakohtien väli.",
     "Käyttöaste                                    =   0.00  ", "Laatan alapinnan vetojännitys sig.ct =",
     "Venymät, MRd.c",
     "Ei tarkisteta: palkin momentti on negatiivinen koko jänteellä, ja sen yläpinta venyy, ei lyhene."},
};

// -500 / -500 kNm: the whole beam hogs (-575 kNm at the supports, about
// -91 at midspan by hand: q L^2 / 8 - 575 = 484.0 - 575); -300 at the
// start only: -345 kNm there, sagging left to check; none: no hogging row.
TEST(HoggingReport, HoggingRowsAndTheChecksNotMade) {
    for (const Words& w : words) {
        SCOPED_TRACE(w.language);
        const Lines whole = reportOf(-500, -500, w.language);
        EXPECT_TRUE(hasLine(whole, std::string(w.hoggingRow) + "-575.0 kNm"));
        EXPECT_TRUE(hasLine(whole, w.hoggingNote));
        EXPECT_TRUE(hasLine(whole, w.resistanceNotChecked));
        EXPECT_TRUE(hasLine(whole, w.utilisationNotChecked));
        EXPECT_TRUE(hasLine(whole, w.noSagging));
        EXPECT_FALSE(hasLine(whole, w.zeroUtilisation));
        EXPECT_FALSE(anyLineStarts(whole, w.solvedStrains));
        EXPECT_TRUE(hasLine(whole, w.strainNotChecked));

        const Lines partly = reportOf(-300, 0, w.language);
        EXPECT_TRUE(hasLine(partly, std::string(w.hoggingRow) + "-345.0 kNm"));
        EXPECT_TRUE(hasLine(partly, w.hoggingNote));
        EXPECT_FALSE(hasLine(partly, w.utilisationNotChecked));
        EXPECT_FALSE(hasLine(partly, w.noSagging));
        EXPECT_TRUE(anyLineStarts(partly, w.solvedStrains));
        EXPECT_FALSE(hasLine(partly, w.strainNotChecked));

        const Lines none = reportOf(0, 0, w.language);
        EXPECT_FALSE(anyLineStarts(none, w.hoggingRow));
        EXPECT_FALSE(hasLine(none, w.hoggingNote));
    }
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

}  // namespace
