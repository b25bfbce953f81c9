// The conditional blocks of the report's result half, each shown and
// hidden, and the model values the half reads and sets.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <regex>
#include <sstream>

#include "report/result_half_support.h"

namespace {

using quorvel::model::ProjectModel;
using quorvel::platform::HeadlessPlatform;
using namespace quorvel::testing;
using Items = std::vector<std::string>;

struct Report {
    ResultHalfRun run;

    // The lines that match the pattern (from their start).
    std::vector<std::string> matching(const std::string& pattern) const {
        const std::regex re(pattern);
        std::vector<std::string> found;
        for (const std::string& line : run.lines)
            if (std::regex_search(line, re, std::regex_constants::match_continuous)) found.push_back(line);
        return found;
    }
    std::string only(const std::string& pattern) const {
        const auto found = matching(pattern);
        EXPECT_EQ(found.size(), 1u) << pattern;
        return found.empty() ? std::string() : found.front();
    }
    bool has(const std::string& pattern) const { return !matching(pattern).empty(); }
    // The blank-separated items after the first "=" of the one line that
    // starts with the label.
    std::vector<std::string> after(const std::string& label) const {
        const std::string l = only(std::regex_replace(label, std::regex(R"([.()+*])"), R"(\$&)"));
        std::vector<std::string> items;
        std::istringstream in(l.substr(std::min(l.find('='), l.size() - 1) + 1));
        for (std::string item; in >> item;) items.push_back(item);
        return items;
    }
    std::size_t indexOf(const std::string& pattern) const {
        const std::regex re(pattern);
        for (std::size_t i = 0; i < run.lines.size(); ++i)
            if (std::regex_search(run.lines[i], re, std::regex_constants::match_continuous)) return i;
        return run.lines.size();
    }
};

Report report(ProjectModel& m) {
    HeadlessPlatform ui;
    useDeliveredLanguageFiles(ui);
    Report r{runResultHalf(m, ui)};
    EXPECT_EQ(r.run.status, 0);
    EXPECT_EQ(r.run.forcedLineBreaks, 0);
    return r;
}

// Text from column first to column last (1-based) of a line as the report
// file holds it (one byte a column), blanks kept.
std::string columns(const std::string& line, int first, int last) {
    std::string padded = quorvel::runtime::utf8ToCp1252(line);
    padded.resize(std::max<std::size_t>(padded.size(), last), ' ');
    return quorvel::runtime::cp1252ToUtf8(padded.substr(first - 1, last - first + 1));
}

TEST(ResultHalfSides, OnlyTheRightFieldPrintsItsValuesInTheRightColumn) {
    auto m = calculatedProject();
    m.SlabSidePresent(1) = 0;
    // Values of the absent side that would show if it took part.
    m.SlabCrackingUtilisation(1) = 0.99;
    m.SlabPrincipalStressMax(1) = 5.0;
    m.SlabPrincipalStressLimit(1) = 0.0;
    m.SlabShearUtilisation(1) = 5.0;
    const Report r = report(m);

    EXPECT_FALSE(r.has("Vasen laatta  k_cd"));
    EXPECT_TRUE(r.has("Oikea laatta  k_cd"));
    // Mk: no left value in columns 49-54, the right one at 57-62.
    const std::string mk = r.only("Ominaismomentti  ");
    EXPECT_EQ(columns(mk, 47, 56), "=         ");
    EXPECT_EQ(columns(mk, 57, 62), "  35.1");
    // Every governing side is the right one, even where the absent side's
    // values are larger or its allowed stress is zero.
    for (const std::string& line : r.matching("(Käyttöaste|Yhteensä) .*=.*(vasen|oikea)$"))
        EXPECT_EQ(line.substr(line.size() - 5), "oikea") << line;
    // The warnings look at the right side only.
    EXPECT_FALSE(r.has("VASEN LAATTA: "));
    EXPECT_TRUE(r.has("OIKEA LAATTA: "));
    EXPECT_EQ(r.matching("Laatan alapinnan vetojännitys sig.ct").size(), 1u);
    EXPECT_EQ(columns(r.only("Uumien pääjännitys:"), 49, 60), std::string(12, ' '));
    EXPECT_EQ(m.GoverningSide(1), 2.0);
    EXPECT_EQ(m.GoverningSide(3), 2.0);
}

TEST(ResultHalfSides, OnlyTheLeftFieldPrintsItsValuesAtTheValueColumn) {
    auto m = calculatedProject();
    m.SlabSidePresent(2) = 0;
    m.SlabPrincipalStressLimit(2) = 0.0;
    const Report r = report(m);
    EXPECT_TRUE(r.has("Vasen laatta  k_cd"));
    EXPECT_FALSE(r.has("Oikea laatta  k_cd"));
    const std::string mk = r.only("Ominaismomentti  ");
    EXPECT_EQ(columns(mk, 49, 54), "  38.4");
    EXPECT_EQ(columns(mk, 55, 68), "         kNm/m");
    // The right field is over its limit in the project but takes no part.
    EXPECT_FALSE(r.has("OIKEA LAATTA: "));
    EXPECT_EQ(columns(r.only("Uumien pääjännitys:"), 49, 56), "kunnossa");
    EXPECT_EQ(m.GoverningSide(1), 1.0);
}

TEST(ResultHalfSides, EqualUtilisationsMakeTheRightFieldGovern) {
    auto m = calculatedProject();
    m.SlabCrackingUtilisation(1) = m.SlabCrackingUtilisation(2) = 0.5;
    const Report r = report(m);
    EXPECT_EQ(m.GoverningSide(3), 2.0);
    EXPECT_EQ(m.GoverningSide(2), 1.0);  // bending 0.441 against 0.404
    const auto utilisation = r.matching("Käyttöaste .*(vasen|oikea)$");
    ASSERT_GE(utilisation.size(), 2u);
    EXPECT_EQ(columns(utilisation[0], 72, 76), "oikea");
    EXPECT_EQ(columns(utilisation[1], 72, 76), "vasen");
}

TEST(ResultHalfSides, TheWebShearOfTheSideWithTheLargerShareOfItsLimitGoverns) {
    // thc / allowed stress: left 0.63 / 1.39 = 0.45, right 0.57 / 0.5 = 1.14.
    auto m = calculatedProject();
    m.SlabPrincipalStressLimit(2) = 0.5;
    const Report r = report(m);
    EXPECT_EQ(m.GoverningSide(1), 2.0);
    EXPECT_EQ(columns(r.only("Yhteensä +thc  "), 72, 76), "oikea");
    EXPECT_EQ(columns(r.only("Yhteensä +tvl0 "), 72, 76), "oikea");
}

TEST(ResultHalfJointShear, EveryRowIsOfTheStationInItsHeading) {
    // Station 0 at x = 1200 mm: V.01 = 45 + 12 = 57 kN, V.2 = 98, V.5 =
    // 150, V.6 = 57 + 98 + 150 = 305 kN; v = v.A + v.B per side: left
    // 11.9 + 7.7 = 19.6, right 11.3 + 7.0 = 18.3 N/mm. The largest design
    // shear over the span (320 kN) stands on its own row.
    auto m = calculatedProject();
    const double stage01 = m.MaxShearStage01;
    Report r = report(m);
    EXPECT_TRUE(r.has(R"(^Leikkaus suurimman leikkausvuon kohdassa \(x = 1200 mm\) +Leikkausvuo$)"));
    EXPECT_EQ(r.after("Omapaino ennen saumausta            V.01"), (Items{"57.0", "kN", "vasen", "oikea"}));
    EXPECT_EQ(r.after("Ennen pintavalun kovettumista       V.2"),
              (Items{"98.0", "kN", "v.A", "=", "11.90", "11.30", "N/mm"}));
    EXPECT_EQ(r.after("Kovettumisen jälkeen                V.5"),
              (Items{"150.0", "kN", "v.B", "=", "7.70", "7.00", "N/mm"}));
    EXPECT_EQ(r.after("Yhteensä                            V.6"),
              (Items{"305.0", "kN", "v", "=", "19.60", "18.30", "N/mm"}));
    EXPECT_EQ(r.after("Palkin mitoittava leikkaus, max"), (Items{"320.0", "kN"}));
    // The report changes no result of the calculation.
    EXPECT_EQ(m.MaxShearStage01, stage01);

    // A second station where the right slabs take more shear flow (N/mm)
    // is the one shown, at its own x, with its own shears (a negative shear
    // near the far end shows as its size).
    m.CalculationPointCount = 1;
    m.CalculationPointX(1) = 6000.0;
    m.BeamShearDesign(1, 0) = -40.0e3;
    m.BeamShearDesign(1, 1) = -10.0e3;
    m.BeamShearDesign(1, 2) = -90.0e3;
    m.BeamShearDesign(1, 5) = -160.0e3;
    m.BeamShearDesign(1, 6) = -300.0e3;
    m.SlabEdgeShearFlow(1, 2, 1) = -15.0;
    m.SlabEdgeShearFlow(1, 2, 2) = -9.0;
    r = report(m);
    EXPECT_TRUE(r.has(R"(.*\(x = 6000 mm\))"));
    EXPECT_EQ(r.after("Omapaino ennen saumausta            V.01"), (Items{"50.0", "kN", "vasen", "oikea"}));
    EXPECT_EQ(r.after("Yhteensä                            V.6"),
              (Items{"300.0", "kN", "v", "=", "0.00", "-24.00", "N/mm"}));
}

TEST(ResultHalfSides, ABearingFieldWithoutAnAllowedStressEndsTheHalfWithDivisionByZero) {
    auto m = calculatedProject();
    m.SlabPrincipalStressLimit(1) = 0.0;
    HeadlessPlatform ui;
    useDeliveredLanguageFiles(ui);
    const ResultHalfRun run = runResultHalf(m, ui);
    EXPECT_EQ(run.status, 11);
    EXPECT_TRUE(run.leftOpen);
}

TEST(ResultHalfSections, ToppingRowsAppearOnlyAboveOneThousandthOfAMillimetre) {
    auto m = calculatedProject();
    m.ToppingThickness = 0.001;
    EXPECT_TRUE(report(m).matching(R"(Pintavalu +\d)").empty());
    m.ToppingThickness = 0.0011;
    const Report r = report(m);
    // Three topping parts in the part table, one summed row of stiffness:
    // EA = 31000 (1440 + 380 + 1440) 50 = 5053 MN.
    const auto rows = r.matching(R"(Pintavalu +\d)");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3].substr(13, 10), "   5053.00");
}

TEST(ResultHalfSections, LowerFlangeRowsFollowTheSectionSummary) {
    auto m = calculatedProject();
    EXPECT_TRUE(report(m).matching("Alakuori").empty());
    setRectangularPart(m, 10, 1440, 30, 600, 35000, 420);
    setRectangularPart(m, 11, 1440, 30, 600, 35000, 420);
    m.SectionSummaryValue1 = 1.0;
    const Report r = report(m);
    EXPECT_TRUE(r.has(R"(Alakuori\.vas\. +43200)"));
    EXPECT_TRUE(r.has(R"(Alakuori\.oik\. +43200)"));
    // Summed: 35000 x 2 x 43200 = 3024 MN.
    EXPECT_TRUE(r.has(R"(Alakuori +3024\.00)"));
}

TEST(ResultHalfFamilies, BeamsOfTheBeFamilyShowTheirOwnStageAndDeflections) {
    auto m = calculatedProject();
    m.BeamDeflectionMax3 = 6.66;
    m.BeamDeflectionMax7 = 7.77;
    const Report other = report(m);
    EXPECT_EQ(other.matching(R"(Palkki +\d)").size(), 1u);
    EXPECT_TRUE(other.has(R"(Palkin omapaino +w\.g0 += +5\.12)"));
    EXPECT_TRUE(other.has(R"(Laatat ja saumabetoni +w\.g1 += +3\.40)"));
    EXPECT_FALSE(other.has("Tuennan poisto"));

    // The precast part alone and the beam with its infill, each named.
    m.BeamTypeName = "BEL500";
    m.SectionAxialStiffness(1) = 5.0e9;
    m.SectionBendingStiffness(1) = 1.5e14;
    m.InfillPartCount = 1;
    const Report be = report(m);
    const auto precast = be.matching(R"(Palkki, elem\. +\d)");
    ASSERT_EQ(precast.size(), 1u);
    EXPECT_EQ(precast[0].substr(13, 10), "   5000.00");
    EXPECT_EQ(be.matching(R"(Palkki\+täyttö +\d)").size(), 1u);
    EXPECT_EQ(be.matching(R"(Palkki +\d)").size(), 0u);
    EXPECT_TRUE(be.has(R"(Palkin omapaino +w\.g0 += +6\.66)"));
    EXPECT_TRUE(be.has(R"(Tuennan poisto +w\.g1 += +7\.77)"));
    EXPECT_FALSE(be.has("Laatat ja saumabetoni"));
}

TEST(ResultHalfFamilies, TheCrackedStageShowsOnlyWhenItIsSofter) {
    auto m = calculatedProject();
    EXPECT_TRUE(report(m).has(R"(Palkki, halk\.)"));
    m.SectionBendingStiffness(4) = m.SectionBendingStiffness(2);
    EXPECT_FALSE(report(m).has(R"(Palkki, halk\.)"));
}

TEST(ResultHalfBeam, ASteelBeamShowsItsElasticMomentAndItsOwnResistance) {
    auto m = calculatedProject();
    m.BeamTypeName = "HQ400";
    m.BeamCategory = 1;
    m.SteelPartialFactor = 1.1;
    m.SectionResultB = 400.0e6;
    m.MomentResistanceA = 500.0e6;
    m.MomentResistanceUsed = 640.0e6;  // as the analysis left it
    m.BetaY = 0.9;
    m.SteelWebShearStress = 85.4;
    const Report r = report(m);
    // 1.1 x 400 kNm; the steel beam's own resistance 1.1 x 500 kNm.
    EXPECT_TRUE(r.has(R"(Kimmoinen myötömomentti +Mel += +440\.0 kNm)"));
    EXPECT_TRUE(r.has(R"(Taivutuskestävyys, teräspalkki +MRd += +550\.0 kNm)"));
    EXPECT_DOUBLE_EQ(m.MomentResistanceUsed, 640.0e6);
    EXPECT_DOUBLE_EQ(m.ActingDesignMoment, 560.0e6);
    // The shear flow between steel and concrete, 6.0 at column 62, unit
    // at 72.
    const std::string web = r.only("Leikkausvuo teräksen ja betonin välillä");
    EXPECT_EQ(columns(web, 59, 75), " =     85    N/mm");
    EXPECT_FALSE(r.has("Mitoittava leikkausvoima"));
}

TEST(ResultHalfBeam, ResistanceLabelsFollowTheBeamCategory) {
    auto m = calculatedProject();
    EXPECT_TRUE(report(m).has(R"(Mitoitusmomentti, max +Md)"));
    EXPECT_FALSE(report(m).has("Kimmoinen"));
    m.BeamCategory = 3;
    Report r = report(m);
    EXPECT_TRUE(r.has(R"(Mitoitusmomentti, koko kuorma +Md)"));
    EXPECT_TRUE(r.has(R"(Taivutuskestävyys, palkki +MRd )"));
    m.BeamCategory = 5;
    EXPECT_TRUE(report(m).has(R"(Taivutuskestävyys, palkki +MRd )"));
    m.BeamCategory = quorvel::runtime::Value();
    r = report(m);
    EXPECT_TRUE(r.has(R"( {36}MRd += +610\.0 kNm)"));
}

TEST(ResultHalfBeam, MRdIsTheBeamAloneAndMRdcTheCompositeSectionWhicheverTheCheckTakes) {
    // Beam alone 500 kNm (x 1.1 for a welded steel beam: 550), composite
    // section 700 kNm, design moment 720 kNm: both checks exceeded. The
    // check of the beam takes the composite section for CW, prestressed and
    // composite beams; the warning that names the beam alone stands only
    // where the check takes the beam alone.
    struct Case {
        const char* type;
        int category;
        double beamAlone;  // kNm
        bool composite;
    };
    const Case cases[] = {{"HQ400", 1, 550.0, false}, {"CWQ", 1, 550.0, true}, {"SUORA", 2, 500.0, false},
                          {"LBL", 3, 500.0, true},     {"DELTA", 4, 500.0, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        auto m = calculatedProject();
        m.BeamTypeName = c.type;
        m.BeamCategory = c.category;
        m.SteelPartialFactor = 1.1;
        m.MomentResistanceA = 500.0e6;
        m.MomentResistanceSolved = 700.0e6;
        m.MaxDesignMoment = m.ActingDesignMoment = 720.0e6;
        m.MomentResistanceUsed = c.composite ? 700.0e6 : c.beamAlone * 1e6;
        m.UtilisationRatio = 720.0e6 / m.MomentResistanceUsed;
        const Report r = report(m);
        const std::string beamAlone = std::to_string(static_cast<int>(c.beamAlone));
        EXPECT_TRUE(r.has(R"(Taivutuskestävyys, [-a-zä]+ +MRd += +)" + beamAlone + R"(\.0 kNm)"));
        EXPECT_TRUE(r.has(R"(Taivutuskestävyys, liittopalkki +MRd\.c += +700\.0 kNm)"));
        EXPECT_EQ(r.has("PALKIN TAIVUTUSKESTÄVYYS MRd = +" + beamAlone + "[.0]* kNm < taivutusmomentti Md = 720"),
                  !c.composite);
        EXPECT_TRUE(r.has(R"(POIKKILEIKKAUKSEN KESTÄVYYS MRd\.c = +700[.0]* kNm < laskentamomentti Md = 720)"));
    }
}

TEST(ResultHalfBeam, TheCrackingMomentRowNeedsAFiniteMoment) {
    auto m = calculatedProject();
    m.SectionResultA = 1e20;
    EXPECT_FALSE(report(m).has("Palkin halkeilumomentti"));
}

TEST(ResultHalfBeamShear, ShownWheneverTheAnalysisRanTheDesign) {
    auto m = calculatedProject();
    // The design ran and raised beta_y to 1: vd 320 kN > vumax 290 kN.
    Report r = report(m);
    const std::string over = r.only("Mitoittava leikkausvoima");
    EXPECT_EQ(columns(over, 51, 83), " vd =   320 kN > vumax =   290 kN");
    // No stirrups carry a shear over the limit: said so, never an area.
    EXPECT_TRUE(r.has("Leikkausta vd > vumax ei voi kantaa hakaraudoituksella."));
    EXPECT_FALSE(r.has(R"( {57}Asw +=)"));
    EXPECT_TRUE(r.has("Leikkausraudoituksen minimi"));

    // The design ran and the limit holds: no exceedance line, the area.
    m.BetaY = 0.995;
    m.MaxShearResistance = 1080.0e3;
    m.ShearReinforcementDesign = 452.0;
    r = report(m);
    EXPECT_TRUE(r.has("Palkin leikkaus:"));
    EXPECT_FALSE(r.has("Mitoittava leikkausvoima"));
    EXPECT_FALSE(r.has("hakaraudoituksella"));
    EXPECT_TRUE(r.has(R"( {57}Asw += +452 mm2/m)"));

    // Just over the limit the analysis gives up the reduced connection, and
    // the line says so (above 100 % is exceeded, as everywhere); at the
    // limit itself it holds.
    m.BetaY = 1.0;
    m.MaxShearResistance = 310.0e3;
    r = report(m);
    EXPECT_TRUE(r.has("Palkin leikkaus:"));
    EXPECT_TRUE(r.has("Mitoittava leikkausvoima"));
    m.MaxShearResistance = 320.0e3;
    m.BetaY = 0.995;
    EXPECT_FALSE(report(m).has("Mitoittava leikkausvoima"));
}

TEST(ResultHalfBeamShear, HiddenWhenTheDesignDidNotRun) {
    auto m = calculatedProject();
    // A connection factor of 1 before the design: nothing was designed.
    m.BetaY = 1.0;
    m.MaxShearResistance = 0.0;
    EXPECT_FALSE(report(m).has("Palkin leikkaus:"));
    m = calculatedProject();
    m.SlabsOnLedge = 1;
    EXPECT_FALSE(report(m).has("Palkin leikkaus:"));
    m = calculatedProject();
    m.BeamCategory = 3;
    EXPECT_FALSE(report(m).has("Palkin leikkaus:"));
}

TEST(ResultHalfWarnings, EachSideOverItsLimitShowsItsOwnReserve) {
    auto m = calculatedProject();
    m.SlabPrincipalStressMax(1) = 1.60;
    m.SlabShearUtilisation(1) = 1.60 / (1.67 / 1.2);
    m.SideShearStressReserve(1) = 0.15;
    m.SideRequiredBeamStiffness(1) = 5e15;
    m.SideShearExceedancePosition(1) = 2000.0;
    // The left side's scalars hold something else; the report shows the
    // per-side values.
    m.SlabShearStressReserve = 0.99;
    m.ShearExceedancePosition = 99.0;
    const Report r = report(m);
    const std::size_t head = r.indexOf("Uumien pääjännitys:");
    ASSERT_LT(head + 8, r.run.lines.size());
    EXPECT_EQ(columns(r.run.lines[head], 49, 73), "EI RIITÄ !!! EI RIITÄ !!!");
    EXPECT_EQ(columns(r.run.lines[head + 1], 41, 67), "(ks. alla)       (ks. alla)");
    EXPECT_EQ(r.run.lines[head + 2], "VASEN LAATTA: ");
    EXPECT_EQ(columns(r.run.lines[head + 3], 61, 64), "0.15");
    EXPECT_EQ(columns(r.run.lines[head + 4], 46, 74), " 2000 mm palkin tuelta lukien");
    EXPECT_EQ(r.run.lines[head + 5], "OIKEA LAATTA: ");
    EXPECT_EQ(columns(r.run.lines[head + 6], 61, 64), "0.28");
    EXPECT_EQ(columns(r.run.lines[head + 7], 46, 50), " 1055");
}

TEST(ResultHalfWarnings, NoReserveLeftPrintsItsOwnSentence) {
    auto m = calculatedProject();
    m.SideShearStressReserve(2) = 0.0;
    m.SideRequiredBeamStiffness(2) = 1e30;
    m.SideShearExceedancePosition(2) = 3600.0;
    const Report r = report(m);
    EXPECT_TRUE(r.has("Uumissa ei ole varaa tvl:lle"));
    EXPECT_FALSE(r.has("tvl ylittää varan"));
}

TEST(ResultHalfWarnings, EveryUtilisationAbove100PercentIsExceededAndNoneGetsNoWord) {
    // The slab shear utilisation of each side, the one its gauge and the
    // results table show: up to 1 "kunnossa", above 1 "EI RIITÄ !!!", in
    // both languages, from 100.1 % through 110 % and beyond (before, the
    // line judged sigma1 against fctd + 0.005 MPa and said nothing between).
    struct Case {
        double utilisation;
        bool exceeded;
    };
    const Case cases[] = {{0.999, false}, {1.0, false}, {1.001, true}, {1.003, true},
                          {1.05, true},   {1.1, true},  {1.101, true}, {2.5, true}};
    for (const Case& c : cases)
        for (int16_t language : {0, 1}) {
            auto m = calculatedProject();
            m.LanguageIndex = language;
            m.SlabShearUtilisation(1) = m.SlabShearUtilisation(2) = c.utilisation;
            const Report r = report(m);
            const std::string head = language == 0 ? "Uumien pääjännitys:" : "Principal stress in webs:";
            const std::string word = c.exceeded ? (language == 0 ? "EI RIITÄ !!!" : "EXCEEDED !!!")
                                                : (language == 0 ? "kunnossa    " : "adequate    ");
            EXPECT_EQ(columns(r.only(head), 49, 73), word + " " + word) << c.utilisation << " " << language;
            EXPECT_EQ(r.has(language == 0 ? "^VASEN LAATTA: $" : "^LEFT SLABS: $"), c.exceeded) << c.utilisation;
        }
}

TEST(ResultHalfWarnings, BeamChecksOverTheirResistance) {
    auto m = calculatedProject();
    EXPECT_FALSE(report(m).has("PALKIN TAIVUTUSKESTÄVYYS"));
    // Md 700 kNm over MRd 610 and MRd.c 652; the strain 0.83 per mille over
    // the allowed 0.70. The numbers as the results table prints them.
    m.ActingDesignMoment = 700.0e6;
    m.MaxDesignMoment = 700.0e6;
    m.UtilisationRatio = 700.0 / 610.0;
    const Report r = report(m);
    const std::size_t i = r.indexOf("PALKIN TAIVUTUSKESTÄVYYS MRd =");
    ASSERT_LT(i + 2, r.run.lines.size());
    EXPECT_EQ(r.run.lines[i - 1], " ");
    EXPECT_EQ(columns(r.run.lines[i], 37, 83), " 610.00 kNm < taivutusmomentti Md = 700.00  kNm");
    EXPECT_EQ(columns(r.run.lines[i + 1], 37, 83), " 652.00 kNm < laskentamomentti Md = 700.00  kNm");
    EXPECT_EQ(columns(r.run.lines[i + 2], 37, 82), "   0.83 %o > sallittu venymä        0.70    %o");
}

TEST(ResultHalfWarnings, BeamVerdictLinesRoundAsTheTableAndFollowTheRatio) {
    // MRd 538.77 and Md 827.62 kNm print as the results table prints them
    // (before: "538" and "827", cut); Md 469.97 kNm is "469.97", not "469"
    // under a moment row that says 470.0. At exactly 100 % no line.
    struct Case {
        double resistance, acting;
        const char* text;  // the line from column 37, or "" for none
    };
    const Case cases[] = {
        {538.77e6, 827.62e6, " 538.77 kNm < taivutusmomentti Md = 827.62  kNm"},
        {400.0e6, 469.97e6, " 400.00 kNm < taivutusmomentti Md = 469.97  kNm"},
        {470.0e6, 470.0e6, ""},
        {469.9e6, 470.0e6, " 469.90 kNm < taivutusmomentti Md = 470.00  kNm"},
    };
    for (const Case& c : cases) {
        auto m = calculatedProject();
        m.MomentResistanceUsed = c.resistance;
        m.ActingDesignMoment = c.acting;
        m.UtilisationRatio = c.acting / c.resistance;
        const Report r = report(m);
        if (std::string(c.text).empty()) {
            EXPECT_FALSE(r.has("PALKIN TAIVUTUSKESTÄVYYS")) << c.acting;
            continue;
        }
        EXPECT_EQ(columns(r.only("PALKIN TAIVUTUSKESTÄVYYS MRd ="), 37, 83), c.text);
    }
}

TEST(ResultHalfWarnings, SlabTensionAdviceAppearsOnceForEitherSide) {
    auto m = calculatedProject();
    EXPECT_EQ(report(m).matching("Palkin taipuma voi haljeuttaa").size(), 1u);
    m.ConcreteFctd(4) = 2.0;  // the left slab now holds
    Report r = report(m);
    EXPECT_FALSE(r.has("Vasen laatta$"));
    EXPECT_TRUE(r.has("Oikea laatta$"));
    EXPECT_EQ(r.matching("Palkin taipuma voi haljeuttaa").size(), 1u);
    m.ConcreteFctd(5) = 2.0;
    r = report(m);
    EXPECT_FALSE(r.has("Laatan alapinnan vetojännitys sig.ct"));
    EXPECT_FALSE(r.has("Palkin taipuma voi haljeuttaa"));
}

TEST(ResultHalfNumbers, AValueThatIsNotANumberEndsTheHalfWithoutPrintingIt) {
    for (const double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        auto m = calculatedProject();
        m.SlabTensileStressSum = bad;
        HeadlessPlatform ui;
        useDeliveredLanguageFiles(ui);
        const ResultHalfRun run = runResultHalf(m, ui);
        EXPECT_EQ(run.status, std::isnan(bad) ? 5 : 6);
        EXPECT_TRUE(run.leftOpen);
        const std::regex notANumber(R"((^|[ =-])(nan|inf))", std::regex::icase);
        for (const std::string& line : run.lines) EXPECT_FALSE(std::regex_search(line, notANumber)) << line;
        // The half stopped at the slab tension rows of the strain block.
        EXPECT_TRUE(std::none_of(run.lines.begin(), run.lines.end(),
                                 [](const std::string& l) { return l.rfind("Sallittu vetojännitys", 0) == 0; }));
    }
}

}  // namespace

TEST(ResultHalfSlabs, AToppingLeftOutNamesItsRuleUnderBetaT) {
    // Topping C25/30 (fctk 1.8 MPa, fctm = 1.8 / 0.7 = 2.5714), B500 mesh:
    // rho_min = max(0.26 x 2.5714 / 500, 0.0013) = 0.0013371, so As,min =
    // max(1000 rho_min t, 130) is 200.57 mm2/m at t = 150 and the floor 130
    // at t = 50. A topping of 39.9 mm or less never counts. One line for
    // both sides alike, else one per side with its side word; none without
    // a topping (a thousandth of a millimetre is none).
    struct Row {
        double left, right, As;
        Items lines;
    };
    const std::string label = "Pintavalua ei oteta mukaan:";
    const Row rows[] = {
        {150, 150, 200, {label + " As = 200.0 < 200.6 mm2/m"}},
        // Printed with the decimals that tell the two apart.
        {150, 150, 200.57, {label + " As = 200.570 < 200.571 mm2/m"}},
        {150, 150, 200.6, {}},
        {50, 50, 129, {label + " As = 129.0 < 130.0 mm2/m"}},
        {50, 150, 200, {label + " (Oikea) As = 200.0 < 200.6 mm2/m"}},
        {39.9, 40, 500, {label + " (Vasen) h.top = 39.9 <= 39.9 mm"}},
        {0.0011, 0.0011, 0, {}},
    };
    for (const Row& row : rows) {
        auto m = calculatedProject();
        m.SideToppingThickness(1) = row.left;
        m.SideToppingThickness(2) = row.right;
        m.ToppingReinforcementArea = row.As;
        m.ToppingReinforcementStrength = 500;
        m.ConcreteFctk(6) = 1.8;
        const Report r = report(m);
        EXPECT_EQ(r.matching(label), row.lines) << row.left << " " << row.right << " " << row.As;
        // The lines stand right under beta.t.
        if (!row.lines.empty()) {
            EXPECT_EQ(r.indexOf(label), r.indexOf(R"(\S.* beta\.t )") + 1);
        }
    }
}
