#include "model/beam_rules.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

#include "model/field_limits.h"
#include "model/field_names.h"
#include "runtime/number_text.h"

namespace quorvel::model {

namespace {

// Values at the precision the fields keep them: seven significant digits.
std::string num(double x) { return runtime::generalNumberText(x, runtime::NumberKind::Single); }

// The section as a rule reads it: the model and whether the left side
// carries slabs (the right side always does).
struct Section {
    const ProjectModel& m;
    bool leftInUse;
};
using Num = double (*)(const Section&);
using Test = bool (*)(const Section&);

enum class Op { Less, AtMost };

// One rule of a section: left op right must hold where applies says the
// rule binds. The formulas name fields by the keys of the family's
// section captions (model/field_names.h).
struct SectionRule {
    const char* finnish;  // what must hold, as a sentence without its values
    const char* english;
    const char* left;
    Num leftValue;
    Op op;
    const char* right;
    Num rightValue;
    Test applies = nullptr;  // nullptr: always
};

// A group of bar or strand rows of the model.
enum class Group { Main, Top, SteelBeam };

constexpr const char* AreaFinnish = "yhden teräksen halkaisija sen pinta-alasta A, 2 sqrt(A / pi)";
constexpr const char* AreaEnglish = "the diameter of one bar from its area A, 2 sqrt(A / pi)";

struct RowGroupRule {
    Group group;
    const char* finnish;  // the frame the dialog shows the rows in
    const char* english;
    // The Kvatro window asks for the bar's diameter rather than its area.
    const char* areaFinnish = AreaFinnish;
    const char* areaEnglish = AreaEnglish;
    // SUPER's bars welded to its angle steel: their window gives them from
    // the bottom, and they lie on the steel beside the concrete, so they are
    // held within the beam's height only, not to the concrete's width nor
    // to its share of steel.
    bool weldedToSteel = false;
    // A BEAM W's top rows: their distances are measured from the top face
    // of the steel, `face` (the concrete's top when nullptr), which lies
    // `faceGap` above the concrete (the top plate, the field of the
    // family's caption gapKey). Row 1 lies on that plate rather than under it.
    Num face = nullptr;
    Num faceGap = nullptr;
    const char* gapKey = "";
    bool firstOnTopPlate = false;
};

// One family's table: its rules, and the concrete its rows stand in.
struct Family {
    std::vector<BeamFamily> families;
    // The fields the rules name, by their keys (one caption table serves
    // the families that share these rules).
    std::span<const SectionCaption> captions() const { return sectionCaptions(families.front()); }
    std::vector<SectionRule> rules;
    std::vector<RowGroupRule> rows;
    Num bottom = nullptr;  // the concrete's bottom level above the beam's bottom face, mm
    Num top = nullptr;     // its top level
    double (*width)(const Section&, double level) = nullptr;
    // The rows rest on a steel plate: a row's axis lies at least at the
    // concrete's bottom (on the plate), not a bar radius above it.
    bool onPlate = false;
    // The cover beside the outer bars, mm: what the family's default rows
    // keep under their bars.
    double cover = 0;
};

// The most steel a section holds, as a fraction of its concrete: where
// bars are lapped they lie doubled, so twice the 0.04 Ac that EN 1992-1-1
// 9.2.1.1(3) allows outside laps (the 0.08 Ac that 9.5.2(3) states at
// laps). The program does not know where laps are; more steel than this
// no section holds anywhere.
constexpr double SteelRatio = 0.08;

// --- what the rules of several families share ---

bool seatsOnLedges(const Section& s) { return s.m.SlabsOnLedge != 0; }
bool leftSeat(const Section& s) { return s.leftInUse && seatsOnLedges(s); }
double zero(const Section&) { return 0; }
double leftLedge(const Section& s) { return s.m.LeftLedgeWidth; }
double rightLedge(const Section& s) { return s.m.RightLedgeWidth; }

// A ledge that slabs bear on seats them: it is at least as deep as the
// shortest bearing length a slab can be given (the least value of the
// bearing length's boxes). A bearing and joint grout deeper than the ledge
// stays a contradiction question.
const char* const SeatFinnish = "leuka kantaa laatan: se on vähintään lyhimmän tukipituuden levyinen";
const char* const SeatEnglish = "the ledge seats a slab: it is at least as deep as the shortest bearing length";
double shortestBearing(const Section&) {
    const BoxLimit* box = boxLimit("frmQuorvel", "txtOikeatukipituus");
    return box && box->range.hasMinimum() ? box->range.minimum : 0.0;
}

// A plate of the section (a field of the model) has a thickness.
SectionRule plate(const char* key, Num value) {
    return {"levyllä on paksuus", "the plate has a thickness", "0", zero, Op::Less, key, value};
}

// The width of a part that goes linearly from `from` at level y0 to `to`
// at level y1.
double linear(double from, double to, double y0, double y1, double y) {
    if (y1 <= y0) return from;
    return from + (to - from) * std::clamp((y - y0) / (y1 - y0), 0.0, 1.0);
}

// The horizontal width of an inclined web plate of thickness t that rises
// `rise` over `run`.
double inclinedWidth(double t, double rise, double run) {
    if (run <= 0 || rise <= 0) return t;
    return t * std::hypot(rise, run) / rise;
}

// The slanted length of the webs of the DELTA and A BEAM S beams, along
// which their holes lie: half the difference of the plates' widths across,
// the beam height up.
double slantedWeb(const Section& s) {
    const ProjectModel& m = s.m;
    return std::hypot((m.BottomFlangeWidth - m.TopFlangeWidth) / 2, static_cast<double>(m.BeamHeight));
}

// The concrete between the inclined webs of DELTA and A BEAM S, from the
// bottom plate to the top plate.
double inclinedCoreWidth(const Section& s, double y) {
    const ProjectModel& m = s.m;
    const double tb = m.BottomFlangeThickness;
    const double H = m.BeamHeight + m.LeftLedgeHeight;
    const double run = (m.BottomFlangeWidth - m.TopFlangeWidth) / 2;
    const double t = inclinedWidth(m.WebThickness, H - tb, run);
    return linear(m.BottomFlangeWidth - 2 * t, m.TopFlangeWidth - 2 * t, tb, H, y);
}

std::vector<Family> makeFamilies() {
    using S = const Section&;
    std::vector<Family> all;

    // SUORA: one rectangle.
    all.push_back({{BeamFamily::SU},
                   {},
                   {{Group::Main, "Raudoitus", "Reinforcement"}},
                   zero,
                   [](S s) { return static_cast<double>(s.m.OverallBeamHeight); },
                   [](S s, double) { return static_cast<double>(s.m.BeamWidth); },
                   false,
                   25});

    // BLEUKA and JALO: a web of the full height on a ledge at each side.
    all.push_back(
        {{BeamFamily::BL, BeamFamily::JA},
         {{"leuka on palkin korkeuden sisällä", "the ledge lies within the beam's height", "hL",
           [](S s) { return static_cast<double>(s.m.LeftLedgeHeight); }, Op::AtMost, "H",
           [](S s) { return static_cast<double>(s.m.OverallBeamHeight); }},
          {"leuka on palkin korkeuden sisällä", "the ledge lies within the beam's height", "hR",
           [](S s) { return static_cast<double>(s.m.RightLedgeHeight); }, Op::AtMost, "H",
           [](S s) { return static_cast<double>(s.m.OverallBeamHeight); }},
          {"ulkoneva leuka on korkeudeltaan yli 0", "a ledge that projects has a height", "0", zero, Op::Less, "hL",
           [](S s) { return static_cast<double>(s.m.LeftLedgeHeight); },
           [](S s) { return s.m.LeftLedgeDepth > 0; }},
          {"ulkoneva leuka on korkeudeltaan yli 0", "a ledge that projects has a height", "0", zero, Op::Less, "hR",
           [](S s) { return static_cast<double>(s.m.RightLedgeHeight); },
           [](S s) { return s.m.RightLedgeDepth > 0; }},
          {SeatFinnish, SeatEnglish, "", shortestBearing, Op::AtMost, "dR",
           [](S s) { return static_cast<double>(s.m.RightLedgeDepth); }, seatsOnLedges},
          {SeatFinnish, SeatEnglish, "", shortestBearing, Op::AtMost, "dL",
           [](S s) { return static_cast<double>(s.m.LeftLedgeDepth); }, leftSeat},
          // The window's web is at least 180 wide beside a left ledge, 130
          // without one.
          {"uuma on vasemman leuan vieressä vähintään 180 mm", "the web beside a left ledge is at least 180 mm", "180",
           [](S) { return 180.0; }, Op::AtMost, "B", [](S s) { return static_cast<double>(s.m.BeamWidth); },
           [](S s) { return s.m.LeftLedgeDepth >= 0.1; }},
          {"uuma on vähintään 130 mm", "the web is at least 130 mm", "130", [](S) { return 130.0; }, Op::AtMost, "B",
           [](S s) { return static_cast<double>(s.m.BeamWidth); }}},
         {{Group::Main, "Raudoitus", "Reinforcement"}},
         zero,
         [](S s) { return static_cast<double>(s.m.OverallBeamHeight); },
         [](S s, double y) {
             const ProjectModel& m = s.m;
             return m.BeamWidth + (y <= m.LeftLedgeHeight ? m.LeftLedgeDepth.number() : 0.0) +
                    (y <= m.RightLedgeHeight ? m.RightLedgeDepth.number() : 0.0);
         },
         false,
         25});

    // I-BETONI: bottom flange, lower haunch, web, upper haunch, top flange.
    all.push_back(
        {{BeamFamily::BI},
         {{"laipat ja viisteet mahtuvat palkin korkeuteen", "the flanges and haunches fit the beam's height",
           "tb + hr1 + hr2 + tt",
           [](S s) {
               const ProjectModel& m = s.m;
               return m.BottomFlangeThickness + m.LowerRecessHeight + m.UpperRecessHeight + m.TopFlangeThickness;
           },
           Op::AtMost, "h", [](S s) { return static_cast<double>(s.m.BeamHeight); }},
          {"uuma on alalaipan levyinen tai kapeampi", "the web is at most as wide as the bottom flange", "bw",
           [](S s) { return static_cast<double>(s.m.BeamWidth); }, Op::AtMost, "bb",
           [](S s) { return static_cast<double>(s.m.BottomFlangeWidth); },
           [](S s) { return s.m.BottomFlangeThickness + s.m.LowerRecessHeight > 0; }},
          {"uuma on ylälaipan levyinen tai kapeampi", "the web is at most as wide as the top flange", "bw",
           [](S s) { return static_cast<double>(s.m.BeamWidth); }, Op::AtMost, "bt",
           [](S s) { return static_cast<double>(s.m.TopFlangeWidth); },
           [](S s) { return s.m.TopFlangeThickness + s.m.UpperRecessHeight > 0; }}},
         {{Group::Main, "Raudoitus", "Reinforcement"}},
         zero,
         [](S s) { return static_cast<double>(s.m.BeamHeight); },
         [](S s, double y) {
             const ProjectModel& m = s.m;
             const double H = m.BeamHeight, tb = m.BottomFlangeThickness, tt = m.TopFlangeThickness;
             const double hr1 = m.LowerRecessHeight, hr2 = m.UpperRecessHeight;
             if (y <= tb) return static_cast<double>(m.BottomFlangeWidth);
             if (y <= tb + hr1) return linear(m.BottomFlangeWidth, m.BeamWidth, tb, tb + hr1, y);
             if (y <= H - tt - hr2) return static_cast<double>(m.BeamWidth);
             if (y <= H - tt) return linear(m.BeamWidth, m.TopFlangeWidth, H - tt - hr2, H - tt, y);
             return static_cast<double>(m.TopFlangeWidth);
         },
         false,
         25});

    // KVATRO: a concrete core between two webs on a bottom plate.
    auto kvatroCore = [](S s) {
        const ProjectModel& m = s.m;
        return m.BottomFlangeWidth - m.LeftLedgeWidth - m.RightLedgeWidth - 2 * m.WebThickness;
    };
    all.push_back(
        {{BeamFamily::KV},
         {{"uumien väli on vähintään 190 mm", "the distance between the webs is at least 190 mm", "190",
           [](S) { return 190.0; }, Op::AtMost, "bc", kvatroCore},
          {"uumien väli on enintään 500 mm", "the distance between the webs is at most 500 mm", "bc", kvatroCore,
           Op::AtMost, "500", [](S) { return 500.0; }},
          {SeatFinnish, SeatEnglish, "", shortestBearing, Op::AtMost, "wR", rightLedge, seatsOnLedges},
          {SeatFinnish, SeatEnglish, "", shortestBearing, Op::AtMost, "wL", leftLedge, leftSeat},
          // The window's own limits of its two fixed rows.
          {"yläreunan raudoite on vähintään 32 mm alareunan raudoitteen yläpuolella",
           "the top bars lie at least 32 mm above the bottom bars", "y1 + 32",
           [](S s) { return s.m.BarDistanceFromBottom(1) + 32.0; }, Op::AtMost, "y2",
           [](S s) { return static_cast<double>(s.m.BarDistanceFromBottom(2)); },
           [](S s) { return s.m.ReinforcementRowCount >= 2; }},
          {"yläreunan raudoite on vähintään 16 mm palkin yläpinnan alapuolella",
           "the top bars lie at least 16 mm below the beam's top", "y2",
           [](S s) { return static_cast<double>(s.m.BarDistanceFromBottom(2)); }, Op::AtMost, "h - 16",
           [](S s) { return s.m.BeamHeight - 16.0; }, [](S s) { return s.m.ReinforcementRowCount >= 2; }}},
         {{Group::Main, "Raudoitus", "Reinforcement", "Yhden teräksen halkaisija", "Diameter of one bar"}},
         [](S s) { return static_cast<double>(s.m.BottomFlangeThickness); },
         [](S s) { return s.m.BottomFlangeThickness + s.m.BeamHeight; },
         [](S s, double) {
             const ProjectModel& m = s.m;
             return m.BottomFlangeWidth - m.LeftLedgeWidth - m.RightLedgeWidth - 2 * m.WebThickness;
         },
         true,
         25});

    // SUPER: a precast part between two angles, cast concrete above it.
    all.push_back({{BeamFamily::BE},
                   {},
                   {{Group::Main, "Jänneteräkset", "Strands"},
                    {Group::Top, "Kulmateräkseen hitsatut harjateräkset", "Rebars welded to the angle steel",
                     AreaFinnish, AreaEnglish, true}},
                   zero,
                   [](S s) { return static_cast<double>(s.m.BeamHeight); },
                   [](S s, double y) {
                       const ProjectModel& m = s.m;
                       return y <= m.AngleSteelHeight ? static_cast<double>(m.BeamWidth)
                                                      : m.BeamWidth + 2 * m.BottomFlangeThickness;
                   },
                   false,
                   30});

    // LBL: a precast part, narrowing upwards, on a steel bottom plate.
    auto lblBottom = [](S s) {
        const ProjectModel& m = s.m;
        return m.BottomFlangeWidth - m.LeftLedgeWidth - m.RightLedgeWidth;
    };
    all.push_back(
        {{BeamFamily::LB},
         {{"betoni kapenee ylöspäin: yläleveys on enintään alaleveys",
           "the concrete narrows upwards: its top width is at most its bottom width", "B",
           [](S s) { return static_cast<double>(s.m.BeamWidth); }, Op::AtMost, "bLB", lblBottom},
          {"alaleveys on vähintään 180 mm", "the bottom width is at least 180 mm", "180", [](S) { return 180.0; },
           Op::AtMost, "bLB", lblBottom},
          {"alaleveys on enintään 1000 mm", "the bottom width is at most 1000 mm", "bLB", lblBottom, Op::AtMost,
           "1000", [](S) { return 1000.0; }},
          {SeatFinnish, SeatEnglish, "", shortestBearing, Op::AtMost, "wR", rightLedge, seatsOnLedges},
          {SeatFinnish, SeatEnglish, "", shortestBearing, Op::AtMost, "wL", leftLedge, leftSeat}},
         {{Group::Main, "Jänneteräkset", "Strands"}, {Group::Top, "Yläpinnan raudoitteet", "Top reinforcement"}},
         [](S s) { return static_cast<double>(s.m.BottomFlangeThickness); },
         [](S s) { return s.m.BottomFlangeThickness + s.m.BeamHeight; },
         [](S s, double y) {
             const ProjectModel& m = s.m;
             const double tb = m.BottomFlangeThickness;
             return linear(m.BottomFlangeWidth - m.LeftLedgeWidth - m.RightLedgeWidth, m.BeamWidth, tb,
                           tb + m.BeamHeight, y);
         },
         true,
         25});

    // LB: a precast part, narrowing upwards, between two steel angles.
    all.push_back(
        {{BeamFamily::KE},
         {{"betoni kapenee ylöspäin: yläleveys on enintään alaleveys",
           "the concrete narrows upwards: its top width is at most its bottom width", "B",
           [](S s) { return static_cast<double>(s.m.BeamWidth); }, Op::AtMost, "bLB",
           [](S s) { return static_cast<double>(s.m.LBBottomWidth); }},
          plate("tb", [](S s) { return static_cast<double>(s.m.BottomFlangeThickness); }),
          plate("t", [](S s) { return static_cast<double>(s.m.LeftLedgeHeight); }),
          {"kulmateräksen paksuus on enintään sen korkeus", "the angle is at most as thick as it is high", "t",
           [](S s) { return static_cast<double>(s.m.LeftLedgeHeight); }, Op::AtMost, "hA",
           [](S s) { return static_cast<double>(s.m.AngleSteelHeight); }},
          {"kulmateräs on palkin korkeuden sisällä", "the angle steel lies within the beam's height", "hA",
           [](S s) { return static_cast<double>(s.m.AngleSteelHeight); }, Op::AtMost, "h + tb",
           [](S s) { return s.m.BeamHeight + s.m.BottomFlangeThickness; }},
          {SeatFinnish, SeatEnglish, "", shortestBearing, Op::AtMost, "wR", rightLedge, seatsOnLedges},
          {SeatFinnish, SeatEnglish, "", shortestBearing, Op::AtMost, "wL", leftLedge, leftSeat}},
         {{Group::Main, "Jänneteräkset", "Strands"}},
         zero,
         [](S s) { return static_cast<double>(s.m.BeamHeight); },
         [](S s, double y) {
             const ProjectModel& m = s.m;
             return linear(m.LBBottomWidth, m.BeamWidth, 0, m.BeamHeight, y);
         },
         false,
         30});

    // A BEAM W: inclined steel webs round a precast core on a bottom plate.
    all.push_back(
        {{BeamFamily::AP},
         {plate("tw", [](S s) { return static_cast<double>(s.m.WebThickness); }),
          plate("tt", [](S s) { return static_cast<double>(s.m.TopFlangeThickness); }),
          plate("tb", [](S s) { return static_cast<double>(s.m.BottomFlangeThickness); }),
          {"pohja- ja ylälevy mahtuvat palkin korkeuteen", "the bottom and top plates fit the beam's height",
           "tb + tt", [](S s) { return s.m.BottomFlangeThickness + s.m.TopFlangeThickness; }, Op::Less, "h",
           [](S s) { return static_cast<double>(s.m.BeamHeight); }},
          {"ylälevy on pohjalevyn levyinen tai kapeampi", "the top plate is at most as wide as the bottom plate", "bt",
           [](S s) { return static_cast<double>(s.m.TopFlangeWidth); }, Op::AtMost, "bb",
           [](S s) { return static_cast<double>(s.m.BottomFlangeWidth); }},
          {"ylälevyn aukko on ylälevyn sisällä", "the top plate's opening lies within the top plate", "dA",
           [](S s) { return static_cast<double>(s.m.ApalkkiHoleSize); }, Op::AtMost, "bt",
           [](S s) { return static_cast<double>(s.m.TopFlangeWidth); }},
          {"leukalevyllä on paksuus", "the ledge plate has a thickness", "0", zero, Op::Less, "hL",
           [](S s) { return static_cast<double>(s.m.LeftLedgeHeight); },
           [](S s) { return s.m.LeftLedgeWidth + s.m.RightLedgeWidth > 0; }},
          {SeatFinnish, SeatEnglish, "", shortestBearing, Op::AtMost, "wR", rightLedge, seatsOnLedges},
          {SeatFinnish, SeatEnglish, "", shortestBearing, Op::AtMost, "wL", leftLedge, leftSeat}},
         {{Group::Main, "Raudoitus", "Reinforcement"},
          // Its top rows, measured from the top plate's top face: row 1
          // lies on the plate, the others in the core under it.
          {Group::Top, "Yläpinnan raudoitteet", "Top reinforcement", AreaFinnish, AreaEnglish, false,
           [](S s) { return s.m.BottomFlangeThickness + s.m.BeamHeight; },
           [](S s) { return static_cast<double>(s.m.TopFlangeThickness); }, "tt", true}},
         [](S s) { return static_cast<double>(s.m.BottomFlangeThickness); },
         [](S s) { return s.m.BottomFlangeThickness + s.m.BeamHeight - s.m.TopFlangeThickness; },
         [](S s, double y) {
             const ProjectModel& m = s.m;
             const double tb = m.BottomFlangeThickness, top = tb + m.BeamHeight - m.TopFlangeThickness;
             const double t = inclinedWidth(m.WebThickness, top - tb, (m.BottomFlangeWidth - m.TopFlangeWidth) / 2);
             return linear(m.BottomFlangeWidth - 2 * t, m.TopFlangeWidth - 2 * t, tb, top, y);
         },
         true,
         15});

    // TI: a welded I-section.
    all.push_back({{BeamFamily::TI},
                   {plate("tw", [](S s) { return static_cast<double>(s.m.WebThickness); }),
                    plate("tt", [](S s) { return static_cast<double>(s.m.TopFlangeThickness); }),
                    plate("tb", [](S s) { return static_cast<double>(s.m.BottomFlangeThickness); }),
                    {"laipat mahtuvat palkin korkeuteen uuman kanssa", "the flanges fit the beam's height with the web",
                     "tt + tb", [](S s) { return s.m.TopFlangeThickness + s.m.BottomFlangeThickness; }, Op::Less, "h",
                     [](S s) { return static_cast<double>(s.m.BeamHeight); }},
                    {"uuma on ylälaipan levyinen tai kapeampi", "the web is at most as wide as the top flange", "tw",
                     [](S s) { return static_cast<double>(s.m.WebThickness); }, Op::AtMost, "bt",
                     [](S s) { return static_cast<double>(s.m.TopFlangeWidth); }},
                    {"uuma on alalaipan levyinen tai kapeampi", "the web is at most as wide as the bottom flange", "tw",
                     [](S s) { return static_cast<double>(s.m.WebThickness); }, Op::AtMost, "bb",
                     [](S s) { return static_cast<double>(s.m.BottomFlangeWidth); }}},
                   {},
                   nullptr,
                   nullptr,
                   nullptr,
                   false,
                   0});

    // WQ and CWQ: two webs on the bottom plate, the top plate between them.
    // The bottom plate beyond the webs: each side's half on a middle beam,
    // the whole of it under the right side's slabs on an edge beam.
    auto halfProjection = [](S s) {
        const ProjectModel& m = s.m;
        return (m.BottomFlangeWidth - m.TopFlangeWidth - 2 * m.WebThickness) / 2;
    };
    auto wholeProjection = [](S s) {
        const ProjectModel& m = s.m;
        return m.BottomFlangeWidth - m.TopFlangeWidth - 2 * m.WebThickness;
    };
    std::vector<SectionRule> boxRules = {
        plate("tw", [](S s) { return static_cast<double>(s.m.WebThickness); }),
        plate("tt", [](S s) { return static_cast<double>(s.m.TopFlangeThickness); }),
        plate("tb", [](S s) { return static_cast<double>(s.m.LeftLedgeHeight); }),
        {"ylälaippa on uumien korkeuden sisällä", "the top flange lies within the webs' height", "tt",
         [](S s) { return static_cast<double>(s.m.TopFlangeThickness); }, Op::AtMost, "h",
         [](S s) { return static_cast<double>(s.m.BeamHeight); }},
        {"uumat ja ylälaippa mahtuvat alalaipan leveydelle", "the webs and the top flange fit the bottom flange's width",
         "bt + 2 tw", [](S s) { return s.m.TopFlangeWidth + 2 * s.m.WebThickness; }, Op::AtMost, "bb",
         [](S s) { return static_cast<double>(s.m.BottomFlangeWidth); }},
        {SeatFinnish, SeatEnglish, "", shortestBearing, Op::AtMost, "(bb - bt - 2 tw) / 2", halfProjection,
         [](S s) { return seatsOnLedges(s) && s.leftInUse; }},
        {SeatFinnish, SeatEnglish, "", shortestBearing, Op::AtMost, "bb - bt - 2 tw", wholeProjection,
         [](S s) { return seatsOnLedges(s) && !s.leftInUse; }},
        {SeatFinnish, SeatEnglish, "", shortestBearing, Op::AtMost, "(bb - bt - 2 tw) / 2", halfProjection, leftSeat}};
    all.push_back({{BeamFamily::HQ}, boxRules, {}, nullptr, nullptr, nullptr, false, 0});
    boxRules.push_back({"vaarna on ylälaipan levyinen tai kapeampi", "the dowel is at most as wide as the top flange",
                        "bv", [](S s) { return static_cast<double>(s.m.DowelWidth); }, Op::AtMost, "bt",
                        [](S s) { return static_cast<double>(s.m.TopFlangeWidth); }});
    boxRules.push_back({"vaarna on pintabetonin sisällä", "the dowel lies within the topping", "hv",
                        [](S s) { return static_cast<double>(s.m.DowelHeight); }, Op::AtMost, "ht",
                        [](S s) { return static_cast<double>(s.m.ToppingThickness); },
                        [](S s) { return s.m.ToppingThickness > 0; }});
    all.push_back({{BeamFamily::CW}, boxRules, {}, nullptr, nullptr, nullptr, false, 0});

    // DELTA and A BEAM S: inclined webs from the bottom plate to the top
    // plate, holes in the webs, concrete cast between them.
    std::vector<SectionRule> inclinedRules = {
        plate("tw", [](S s) { return static_cast<double>(s.m.WebThickness); }),
        plate("tt", [](S s) { return static_cast<double>(s.m.TopFlangeThickness); }),
        plate("tb", [](S s) { return static_cast<double>(s.m.BottomFlangeThickness); }),
        {"ylälaippa on palkin korkeuden sisällä", "the top flange lies within the beam's height", "tt",
         [](S s) { return static_cast<double>(s.m.TopFlangeThickness); }, Op::Less, "h",
         [](S s) { return static_cast<double>(s.m.BeamHeight); }},
        {"ylälaippa on pohjalevyn levyinen tai kapeampi", "the top flange is at most as wide as the bottom plate", "bt",
         [](S s) { return static_cast<double>(s.m.TopFlangeWidth); }, Op::AtMost, "bb",
         [](S s) { return static_cast<double>(s.m.BottomFlangeWidth); }},
        {"leukalevyllä on paksuus", "the ledge plate has a thickness", "0", zero, Op::Less, "hL",
         [](S s) { return static_cast<double>(s.m.LeftLedgeHeight); },
         [](S s) { return s.m.LeftLedgeWidth + s.m.RightLedgeWidth > 0; }},
        {SeatFinnish, SeatEnglish, "", shortestBearing, Op::AtMost, "wR", rightLedge, seatsOnLedges},
        {SeatFinnish, SeatEnglish, "", shortestBearing, Op::AtMost, "wL", leftLedge, leftSeat}};
    const char* slant = "sqrt(((bb - bt) / 2)^2 + h^2)";
    auto concreteTop = [](S s) { return s.m.BeamHeight + s.m.LeftLedgeHeight - s.m.TopFlangeThickness; };
    const RowGroupRule steelBeamRows{Group::SteelBeam, "Teräspalkin raudoitteet", "Reinforcement of the steel beam"};

    std::vector<SectionRule> deltaRules = inclinedRules;
    deltaRules.push_back({"reikä on uuman sisällä", "the hole lies inside the web", "e + D",
                          [](S s) { return s.m.WebHoleEdgeDistance + s.m.WebHoleDiameter; }, Op::AtMost, slant,
                          slantedWeb});
    all.push_back({{BeamFamily::DE}, deltaRules, {steelBeamRows}, [](S s) { return static_cast<double>(s.m.BottomFlangeThickness); },
                   concreteTop, inclinedCoreWidth, true, 20});

    std::vector<SectionRule> abeamRules = inclinedRules;
    abeamRules.push_back({"yläreikä on uuman sisällä", "the upper hole lies inside the web", "e1 + D1",
                          [](S s) { return s.m.WebHoleEdgeDistance + s.m.WebHoleDiameter; }, Op::AtMost, slant,
                          slantedWeb});
    abeamRules.push_back({"alareikä on uuman sisällä", "the lower hole lies inside the web", "e2 + D2",
                          [](S s) { return s.m.LowerHoleEdgeDistance + s.m.LowerHoleDiameter; }, Op::AtMost, slant,
                          slantedWeb});
    all.push_back({{BeamFamily::AB}, abeamRules, {steelBeamRows}, [](S s) { return static_cast<double>(s.m.BottomFlangeThickness); },
                   concreteTop, inclinedCoreWidth, true, 20});

    // MEK: an I-profile standing in concrete on the bottom plate, a raised
    // box under the slab ends.
    all.push_back(
        {{BeamFamily::ME},
         {plate("tw", [](S s) { return static_cast<double>(s.m.WebThickness); }),
          plate("tt", [](S s) { return static_cast<double>(s.m.TopFlangeThickness); }),
          plate("ts", [](S s) { return static_cast<double>(s.m.InnerProfileFlangeThickness); }),
          plate("tb", [](S s) { return static_cast<double>(s.m.BottomFlangeThickness); }),
          {"I-profiilin laipat mahtuvat sen korkeuteen uuman kanssa",
           "the I-profile's flanges fit its height with the web", "tt + ts",
           [](S s) { return s.m.TopFlangeThickness + s.m.InnerProfileFlangeThickness; }, Op::Less, "hs",
           [](S s) { return static_cast<double>(s.m.InnerProfileHeight); }},
          {"uuma on ylälaipan levyinen tai kapeampi", "the web is at most as wide as the top flange", "tw",
           [](S s) { return static_cast<double>(s.m.WebThickness); }, Op::AtMost, "bt",
           [](S s) { return static_cast<double>(s.m.TopFlangeWidth); }},
          {"uuma on I-profiilin alalaipan levyinen tai kapeampi",
           "the web is at most as wide as the I-profile's bottom flange", "tw",
           [](S s) { return static_cast<double>(s.m.WebThickness); }, Op::AtMost, "bs",
           [](S s) { return static_cast<double>(s.m.InnerProfileWidth); }},
          {"ylälaippa on pohjalevyn levyinen tai kapeampi", "the top flange is at most as wide as the bottom plate", "bt",
           [](S s) { return static_cast<double>(s.m.TopFlangeWidth); }, Op::AtMost, "bb",
           [](S s) { return static_cast<double>(s.m.BottomFlangeWidth); }},
          {"I-profiilin alalaippa on pohjalevyn levyinen tai kapeampi",
           "the I-profile's bottom flange is at most as wide as the bottom plate", "bs",
           [](S s) { return static_cast<double>(s.m.InnerProfileWidth); }, Op::AtMost, "bb",
           [](S s) { return static_cast<double>(s.m.BottomFlangeWidth); }},
          {"korokekotelon levyllä on paksuus", "the raised box's plate has a thickness", "0", zero, Op::Less, "tk",
           [](S s) { return static_cast<double>(s.m.BoxPlateThickness); }, [](S s) { return s.m.BoxHeight > 0; }},
          {"korokekotelon levy on kotelon korkeuden sisällä", "the raised box's plate lies within the box's height",
           "tk", [](S s) { return static_cast<double>(s.m.BoxPlateThickness); }, Op::AtMost, "hk",
           [](S s) { return static_cast<double>(s.m.BoxHeight); }, [](S s) { return s.m.BoxHeight > 0; }},
          {"I-profiili ja korokekotelo mahtuvat palkin korkeuteen",
           "the I-profile and the raised box fit the beam's height", "hs + hk",
           [](S s) { return s.m.InnerProfileHeight + s.m.BoxHeight; }, Op::AtMost, "h",
           [](S s) { return static_cast<double>(s.m.BeamHeight); }},
          {SeatFinnish, SeatEnglish, "", shortestBearing, Op::AtMost, "wR", rightLedge,
           [](S s) { return seatsOnLedges(s) && s.m.BoxHeight > 0; }},
          {SeatFinnish, SeatEnglish, "", shortestBearing, Op::AtMost, "wL", leftLedge,
           [](S s) { return leftSeat(s) && s.m.BoxHeight > 0; }}},
         {steelBeamRows},
         [](S s) { return static_cast<double>(s.m.BottomFlangeThickness); },
         [](S s) { return s.m.BottomFlangeThickness + s.m.BeamHeight; },
         [](S s, double y) {
             const ProjectModel& m = s.m;
             // Under the profile the concrete is the top flange's width;
             // beside the profile's web, that width less the web.
             return y < m.BottomFlangeThickness + m.BeamHeight - m.InnerProfileHeight
                        ? static_cast<double>(m.TopFlangeWidth)
                        : m.TopFlangeWidth - m.WebThickness;
         },
         true,
         20});
    return all;
}

const std::vector<Family>& families() {
    static const std::vector<Family> f = makeFamilies();
    return f;
}

const Family* familyOf(std::optional<BeamFamily> family) {
    for (const Family& f : families())
        for (BeamFamily c : f.families)
            if (c == family) return &f;
    return nullptr;
}

// A formula with every key of a caption replaced by that caption.
std::string named(std::string_view formula, const Family& f, bool english) {
    std::string out;
    std::size_t i = 0;
    while (i < formula.size()) {
        const auto word = [&](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
        if (!word(formula[i])) {
            out += formula[i++];
            continue;
        }
        std::size_t end = i;
        while (end < formula.size() && word(formula[end])) ++end;
        const std::string_view token = formula.substr(i, end - i);
        const SectionCaption* c = sectionCaption(f.families.front(), token);
        out += c ? std::string(english ? c->english : c->finnish) : std::string(token);
        i = end;
    }
    return out;
}

// The model field of the first key in the formula, or empty.
std::string firstField(std::string_view formula, const Family& f) {
    std::string_view best;
    std::size_t bestAt = std::string_view::npos;
    for (const SectionCaption& c : f.captions()) {
        for (std::size_t at = formula.find(c.key); at != std::string_view::npos; at = formula.find(c.key, at + 1)) {
            const bool startsWord = at == 0 || !std::isalnum(static_cast<unsigned char>(formula[at - 1]));
            const std::size_t after = at + c.key.size();
            const bool endsWord = after >= formula.size() || !std::isalnum(static_cast<unsigned char>(formula[after]));
            if (startsWord && endsWord && at < bestAt) {
                bestAt = at;
                best = c.field;
            }
        }
    }
    return std::string(best);
}

// The breach of a comparison: what must hold, then the two sides with
// their values and the relation that does hold.
RuleBreach breach(const std::string& finnish, const std::string& english, const std::string& leftFinnish,
                  const std::string& leftEnglish, double left, Op op, const std::string& rightFinnish,
                  const std::string& rightEnglish, double right) {
    const std::string negated = op == Op::Less ? " >= " : " > ";
    auto side = [](const std::string& text, double value) {
        return text.empty() || text == num(value) ? num(value) : text + " = " + num(value);
    };
    return {finnish + " (" + side(leftFinnish, left) + negated + side(rightFinnish, right) + ")",
            english + " (" + side(leftEnglish, left) + negated + side(rightEnglish, right) + ")"};
}

bool holds(double left, Op op, double right) { return op == Op::Less ? left < right : left <= right; }

// How a box (or a sum of boxes) must be bounded for a rule to hold.
enum class Bound { AtLeast, MoreThan, AtMost, LessThan };

// "<what> at least 26.0 mm": a value the rule allows only on one side is
// rounded to 0.1 away from the breach (25.99747 needs at least 26.0); a
// strict bound is given as it stands. unit: " mm", " mm²" or none.
RuleBreach mendText(const std::string& finnish, const std::string& english, Bound bound, double value,
                    const std::string& unit) {
    std::string shown;
    if (bound == Bound::AtLeast || bound == Bound::AtMost) {
        const double tenths = bound == Bound::AtLeast ? std::ceil(value * 10 - 1e-6) : std::floor(value * 10 + 1e-6);
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.1f", tenths / 10);
        shown = buffer;
    } else {
        shown = num(value);
    }
    const char* fi[] = {" vähintään ", " yli ", " enintään ", " alle "};
    const char* en[] = {" at least ", " more than ", " at most ", " less than "};
    const auto b = static_cast<std::size_t>(bound);
    return {finnish + fi[b] + shown + unit, english + en[b] + shown + unit};
}

bool isKey(std::string_view formula, const Family& f) {
    return sectionCaption(f.families.front(), formula) != nullptr;
}

// Where a broken comparison is mended: a side that is one box, the left
// one first (the field the breach names), else the side whose boxes the
// rule names, bounded by the other side's value.
RuleBreach sectionRuleMend(const Family& f, const SectionRule& r, double left, double right) {
    const bool onLeft = isKey(r.left, f) || (!isKey(r.right, f) && !firstField(r.left, f).empty());
    const std::string_view side = onLeft ? r.left : r.right;
    const Bound bound = onLeft ? (r.op == Op::Less ? Bound::LessThan : Bound::AtMost)
                               : (r.op == Op::Less ? Bound::MoreThan : Bound::AtLeast);
    return mendText(named(side, f, false), named(side, f, true), bound, onLeft ? right : left, " mm");
}

std::optional<BeamRuleBreach> sectionRuleBreach(const Family& f, const Section& s) {
    for (const SectionRule& r : f.rules) {
        if (r.applies && !r.applies(s)) continue;
        const double left = r.leftValue(s), right = r.rightValue(s);
        if (holds(left, r.op, right)) continue;
        std::string field = firstField(r.left, f);
        if (field.empty()) field = firstField(r.right, f);
        // A breach always names a field: the Calculate command refuses a
        // project by the field its problem names.
        if (field.empty()) field = "BeamTypeName";
        return BeamRuleBreach{breach(r.finnish, r.english, named(r.left, f, false), named(r.left, f, true), left, r.op,
                                     named(r.right, f, false), named(r.right, f, true), right),
                              field, sectionRuleMend(f, r, left, right)};
    }
    return std::nullopt;
}

// A row of a group as the rules read it.
struct Row {
    int bars;
    double area;
    double distance;
};

int rowCount(const ProjectModel& m, Group g) {
    const int n = g == Group::Main ? m.ReinforcementRowCount
                  : g == Group::Top ? m.TopRebarRowCount
                                    : m.SteelBeamRebarRowCount;
    return std::clamp(n, 0, 10);
}

Row rowOf(const ProjectModel& m, Group g, int r) {
    switch (g) {
    case Group::Main:
        return {m.BarsInRow(r), m.BarArea(r), m.BarDistanceFromBottom(r)};
    case Group::Top:
        return {m.TopBarsInRow(r), m.TopBarArea(r), m.TopBarDistanceFromTop(r)};
    case Group::SteelBeam:
        break;
    }
    return {m.SteelBeamBarsInRow(r), m.SteelBeamBarArea(r), m.SteelBeamBarDistance(r)};
}

const char* const BarsFinnish = "Terästen lukumäärä rivillä";
const char* const BarsEnglish = "Number of bars in the row";

std::optional<BeamRuleBreach> rowBreach(const Family& f, const Section& s) {
    const double bottom = f.bottom(s), top = f.top(s);
    for (const RowGroupRule& g : f.rows) {
        const bool fromTop = g.group == Group::Top && !g.weldedToSteel;
        const std::string distanceFinnish =
            fromTop ? "Terästen etäisyys yläpinnasta" : "Terästen etäisyys alapinnasta";
        const std::string distanceEnglish =
            fromTop ? "Distance of the bars from the top" : "Distance of the bars from the bottom";
        const std::string distanceField = g.group == Group::Main  ? "BarDistanceFromBottom"
                                          : g.group == Group::Top ? "TopBarDistanceFromTop"
                                                                  : "SteelBeamBarDistance";
        // The face the distances from the top are measured from, and what
        // lies between it and the concrete.
        const double face = g.face ? g.face(s) : top;
        const double gap = g.faceGap ? g.faceGap(s) : 0.0;
        const std::string gapFinnish = g.faceGap ? named(g.gapKey, f, false) + " + " : "";
        const std::string gapEnglish = g.faceGap ? named(g.gapKey, f, true) + " + " : "";
        for (int r = 1; r <= rowCount(s.m, g.group); ++r) {
            const Row row = rowOf(s.m, g.group, r);
            const std::string rowFinnish = std::string(g.finnish) + ", rivi " + std::to_string(r) + ": ";
            const std::string rowEnglish = std::string(g.english) + ", row " + std::to_string(r) + ": ";
            // The row's distance box, bounded.
            auto distanceMend = [&](Bound bound, double value) {
                return mendText(rowFinnish + distanceFinnish, rowEnglish + distanceEnglish, bound, value, " mm");
            };
            const double d = 2 * std::sqrt(std::max(row.area, 0.0) / 3.14159265358979);
            const bool onTopPlate = g.firstOnTopPlate && r == 1;
            const double level = onTopPlate ? face + row.distance : fromTop ? face - row.distance : row.distance;
            // The row's axis lies in the concrete (on the plate where the
            // rows rest on one) and its bars below the concrete's top.
            const double lowest = f.onPlate ? bottom : bottom + d / 2;
            const std::string lowestText = f.onPlate ? "" : " + d / 2";
            if (onTopPlate) {
                // Row 1 of the A beam lies on its top plate: the window lays
                // it there (at d / 2, rounded to whole mm) and gives the beam
                // an overall height of one bar over the steel; the beam's own
                // section counts it before any concrete is cast over the
                // plate. How high the cast concrete over the plate reaches
                // depends on the slabs, which the beam's data do not give.
                if (!holds(row.distance, Op::AtMost, d / 2 + 0.5))
                    return BeamRuleBreach{
                        breach(rowFinnish + "rivi on ylälevyn päällä (etäisyys pyöristettynä millimetreiksi)",
                               rowEnglish + "the row lies on the top plate (its distance rounded to whole mm)",
                               distanceFinnish, distanceEnglish, row.distance, Op::AtMost, "d / 2 + 0.5",
                               "d / 2 + 0.5", d / 2 + 0.5),
                        distanceField, distanceMend(Bound::AtMost, d / 2 + 0.5)};
            } else if (fromTop) {
                if (!holds(gap + d / 2, Op::AtMost, row.distance))
                    return BeamRuleBreach{breach(rowFinnish + "rivi on betonin sisällä",
                                                 rowEnglish + "the row lies inside the concrete", gapFinnish + "d / 2",
                                                 gapEnglish + "d / 2", gap + d / 2, Op::AtMost, distanceFinnish,
                                                 distanceEnglish, row.distance),
                                          distanceField, distanceMend(Bound::AtLeast, gap + d / 2)};
                if (!holds(row.distance, Op::AtMost, face - lowest))
                    return BeamRuleBreach{
                        breach(rowFinnish + "rivi on betonin sisällä", rowEnglish + "the row lies inside the concrete",
                               distanceFinnish, distanceEnglish, row.distance, Op::AtMost,
                               (g.face ? "yläpinnan korkeus betonin alapinnasta" : "betonin korkeus") + lowestText,
                               (g.face ? "the top face's height above the concrete's bottom" : "the concrete's height") +
                                   lowestText,
                               face - lowest),
                        distanceField, distanceMend(Bound::AtMost, face - lowest)};
            } else {
                if (!holds(lowest, Op::AtMost, level))
                    return BeamRuleBreach{
                        breach(rowFinnish + "rivi on betonin sisällä", rowEnglish + "the row lies inside the concrete",
                               "betonin alapinta" + lowestText, "the concrete's bottom" + lowestText, lowest,
                               Op::AtMost, distanceFinnish, distanceEnglish, level),
                        distanceField, distanceMend(Bound::AtLeast, lowest)};
                if (!holds(level, Op::AtMost, top - d / 2))
                    return BeamRuleBreach{
                        breach(rowFinnish + "rivi on betonin sisällä", rowEnglish + "the row lies inside the concrete",
                               distanceFinnish, distanceEnglish, level, Op::AtMost, "betonin yläpinta - d / 2",
                               "the concrete's top - d / 2", top - d / 2),
                        distanceField, distanceMend(Bound::AtMost, top - d / 2)};
            }
            // Side by side with the clear spacing of EN 1992-1-1 8.2(2),
            // the larger of the diameter and 20 mm, and the family's cover
            // beside the outer bars; bars on the top plate within its width.
            if (g.weldedToSteel) continue;
            const int n = std::max(row.bars, 0);
            const double cover = onTopPlate ? 0.0 : f.cover;
            const double need = n * d + std::max(n - 1, 0) * std::max(d, 20.0) + 2 * cover;
            const double width = onTopPlate ? static_cast<double>(s.m.TopFlangeWidth) : f.width(s, level);
            if (n > 0 && !holds(need, Op::AtMost, width)) {
                // Shown to 0.1 mm; where rounding would hide the breach, the
                // need is rounded up and the width down.
                double needShown = std::round(need * 10.0) / 10.0;
                double widthShown = std::round(width * 10.0) / 10.0;
                if (needShown <= widthShown) {
                    needShown = std::ceil(need * 10.0) / 10.0;
                    widthShown = std::floor(width * 10.0) / 10.0;
                }
                RuleBreach text;
                if (onTopPlate) {
                    const std::string sum = "n d + (n - 1) max(d, 20)";
                    text = breach(rowFinnish + "rivin teräkset mahtuvat ylälevyn leveydelle vapain välein max(d, 20 mm)",
                                  rowEnglish + "the row's bars fit the top plate's width with clear spacings of "
                                               "max(d, 20 mm)",
                                  sum, sum, needShown, Op::AtMost, named("bt", f, false), named("bt", f, true), widthShown);
                } else {
                    const std::string coverText = num(cover);
                    const std::string sum = "n d + (n - 1) max(d, 20) + 2 * " + coverText;
                    text = breach(rowFinnish + "rivin teräkset mahtuvat betonin leveydelle vapain välein max(d, 20 mm) "
                                               "ja reunoilta peitteellä " + coverText + " mm",
                                  rowEnglish + "the row's bars fit the concrete's width with clear spacings of "
                                               "max(d, 20 mm) and a cover of " + coverText + " mm at the sides",
                                  sum, sum, needShown, Op::AtMost, "betonin leveys tasolla " + num(level),
                                  "the concrete's width at the level " + num(level), widthShown);
                }
                // What n and d stand for, with their values, before the
                // closing parenthesis.
                const std::string values = " = " + std::to_string(n) + ", d: ";
                const std::string diameter = " = " + runtime::tenthsText(d) + " mm";
                text.finnish.insert(text.finnish.size() - 1,
                                    std::string("; n: ") + BarsFinnish + values + g.areaFinnish + diameter);
                text.english.insert(text.english.size() - 1,
                                    std::string("; n: ") + BarsEnglish + values + g.areaEnglish + diameter);
                // The most bars of this diameter that fit: n d + (n - 1) s
                // + 2 cover <= width, s = max(d, 20).
                const double spacing = std::max(d, 20.0);
                const double most = std::max(std::floor((width - 2 * cover + spacing) / (d + spacing) + 1e-9), 0.0);
                return BeamRuleBreach{
                    text,
                    g.group == Group::Main  ? "BarsInRow"
                    : g.group == Group::Top ? "TopBarsInRow"
                                            : "SteelBeamBarsInRow",
                    {rowFinnish + BarsFinnish + " enintään " + num(most), rowEnglish + BarsEnglish + " at most " + num(most)}};
            }
        }
    }
    return std::nullopt;
}

std::optional<BeamRuleBreach> steelRatioBreach(const Family& f, const Section& s) {
    if (f.rows.empty()) return std::nullopt;
    double steel = 0;
    for (const RowGroupRule& g : f.rows)
        for (int r = g.firstOnTopPlate ? 2 : 1; r <= rowCount(s.m, g.group) && !g.weldedToSteel; ++r) {
            const Row row = rowOf(s.m, g.group, r);
            steel += std::max(row.bars, 0) * std::max(row.area, 0.0);
        }
    // The concrete area by the midpoint rule over thin layers.
    const double bottom = f.bottom(s), top = f.top(s);
    constexpr int Layers = 1000;
    const double dy = (top - bottom) / Layers;
    double concrete = 0;
    for (int i = 0; i < Layers; ++i) concrete += std::max(f.width(s, bottom + (i + 0.5) * dy), 0.0) * dy;
    const double most = SteelRatio * concrete;
    if (holds(steel, Op::AtMost, most)) return std::nullopt;
    const std::string ratio = num(SteelRatio);
    return BeamRuleBreach{breach("terästen ala on enintään " + ratio + " kertaa betonin ala",
                                 "the steel area is at most " + ratio + " times the concrete area",
                                 "As (" + std::string(BarsFinnish) + " * pinta-ala, kaikki rivit)",
                                 "As (" + std::string(BarsEnglish) + " * area, all rows)", steel, Op::AtMost,
                                 ratio + " Ac", ratio + " Ac", most),
                          "BarsInRow",
                          mendText("As (" + std::string(BarsFinnish) + " * pinta-ala, kaikki rivit)",
                                   "As (" + std::string(BarsEnglish) + " * area, all rows)", Bound::AtMost, most,
                                   " mm²")};
}

}  // namespace

std::optional<BeamRuleBreach> beamSectionBreach(const ProjectModel& m, bool leftSideCarriesSlabs) {
    const Family* f = familyOf(m.Family());
    if (!f) return std::nullopt;
    const Section s{m, leftSideCarriesSlabs};
    if (auto b = sectionRuleBreach(*f, s)) return b;
    if (f->rows.empty()) return std::nullopt;
    if (auto b = rowBreach(*f, s)) return b;
    return steelRatioBreach(*f, s);
}

RuleBreach beamBreachMessage(const BeamRuleBreach& breach, const std::string& whereFinnish,
                             const std::string& whereEnglish) {
    auto where = [](const std::string& w) { return w.empty() ? std::string() : " " + w; };
    return {"Palkin poikkileikkausta ei voi rakentaa: " + breach.text.finnish + ".\r\nKorjattava" +
                where(whereFinnish) + ": " + breach.mend.finnish + ".",
            "The beam section cannot be built: " + breach.text.english + ".\r\nTo be mended" +
                where(whereEnglish) + ": " + breach.mend.english + "."};
}

}  // namespace quorvel::model
