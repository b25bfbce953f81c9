#include "model/field_limits.h"

#include <cmath>
#include <cstdio>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/field_names.h"

namespace quorvel::model {

namespace {

constexpr NumberRange between(double minimum, double maximum) { return {minimum, maximum, false}; }
constexpr NumberRange aboveUpTo(double minimum, double maximum) { return {minimum, maximum, true}; }
// A 16-bit whole number.
constexpr NumberRange int16Range() { return between(-32768, 32767); }

// The factors of the factors window: the same range for the box and for a
// value read from a file.
constexpr NumberRange KfiRange = between(0.9, 1.1);
constexpr NumberRange PermanentFactorRange = between(0.9, 1.4);
constexpr NumberRange VariableFactorRange = between(0.8, 1.8);
constexpr NumberRange AdditionalFactorRange = between(0.8, 1.4);
constexpr NumberRange SelfWeightFactorRange = between(0.9, 1.4);
constexpr NumberRange TensileFactorRange = between(0.8, 1.2);
constexpr NumberRange CrackWidthRange = between(0, 0.5);

// --- the ranges of the boxes a window gives no range of its own ---
//
// What a designer of a hollow-core floor on a beam can mean, with room to
// spare, and nothing a slip of the keyboard makes of it (a stray minus, a
// value in the wrong unit, 3.4E+38).
//
// The slab span, the spacing of the beams, at either end and on either
// side.
constexpr NumberRange SpacingRange = between(200, 30000);
// Loads on the slab fields and on the beam act downwards; only a support
// moment takes either sign. Imposed loads of floors are a few kN/m² (at
// most 7.5 kN/m² for storage, EN 1991-1-1 Table 6.4; more for machinery);
// 100 kN/m² is several storeys of them. A line load of 1000 kN/m is more
// than a storey-high concrete wall on a floor carries, a point load of
// 10 000 kN more than a column of a tall building brings to a beam.
constexpr NumberRange AreaLoadRange = between(0, 100);     // kN/m²
constexpr NumberRange LineLoadRange = between(0, 1000);    // kN/m
constexpr NumberRange PointLoadRange = between(0, 10000);  // kN
// The end moments of a continuous beam lie below its resistance; the
// strongest beam the windows can describe resists some thousands of kNm.
constexpr NumberRange SupportMomentRange = between(-10000, 10000);  // kNm
// Positions and lengths along the beam lie within the longest span a beam
// window takes (40 m), a slab load's y too; across a slab field within the
// longest spacing.
constexpr NumberRange AlongBeamRange = between(0, 40000);
constexpr NumberRange AcrossSlabRange = between(0, 30000);
// The slab end on its support: the gap under it (a bearing strip and its
// tolerance, some tens of mm), the joint grout between the slab end and
// the beam, the bearing length, and the cores filled from the slab end. A
// negative filling length asks for the filling to count as placed from the
// start of the analysis (its length the absolute value).
constexpr NumberRange BottomGapRange = between(0, 200);
constexpr NumberRange JointGroutRange = between(0, 500);
constexpr NumberRange CoreFillingRange = between(-5000, 5000);
constexpr double SupportLengthMaximum = 500;
// Half the longest span, either way from the beam's support.
constexpr NumberRange FirstJointRange = between(-20000, 20000);
// The concrete beams: a section no higher than the tallest the table-built
// windows take (2.5 m, the I beam), a ledge at most 1 m wide; at most 100
// bars or strands in a row (a 5 m wide beam at 50 mm centres).
constexpr double ConcreteBeamHeightMaximum = 2500;
constexpr double LedgeMaximum = 1000;
constexpr double BarsInRowMaximum = 100;

// --- what the calculation can use of each field ---
//
// Every row bounds both ends: a value no engineer would give is refused
// wherever it comes from, and a value inside keeps the calculation finite.
// Where a window edits the field the window's own range narrows the row
// further (projectFileRange); the rows hold the widest any window or beam
// family accepts:
//   - span 1 to 40 m (the beam dialogs' shortest and longest), spacings of a
//     side in use 200 mm to 30 m (the spacing boxes);
//   - section dimensions 0 (none) to 5000 mm (the widest box);
//   - concrete classes up to C100/115 (the highest class the lists offer),
//     steel yield strengths up to 1000 MPa, reinforcement and strand
//     strengths up to 2000 MPa (above fpk 1860 of EN 10138), moduli up to
//     250 GPa; a prestress at most the strength of its steel;
//   - loads, support moments, positions and the slab end's dimensions
//     within the ranges of their boxes above (loads not negative); the
//     first joint within half the span either way;
//   - factors within the factors window's ranges; counts whole within the
//     arrays they count.
std::vector<FieldLimit> makeFieldLimits() {
    auto plain = [](std::string_view f, NumberRange r, bool whole = false) {
        return FieldLimit{f, 0, 0, r, whole, false};
    };
    auto elements = [](std::string_view f, int first, int last, NumberRange r, bool whole = false,
                       bool middleBeamOnly = false) { return FieldLimit{f, first, last, r, whole, middleBeamOnly}; };
    // Per side: the left element binds only on a middle beam.
    auto perSide = [&](std::vector<FieldLimit>& v, std::string_view f, NumberRange r) {
        v.push_back(elements(f, 1, 1, r, false, true));
        v.push_back(elements(f, 2, 2, r));
    };
    // A prestress: at most the strength of the row group's steel.
    auto prestress = [](std::string_view f, std::string_view strength) {
        FieldLimit row{f, 1, 10, between(0, 2000), false, false};
        row.atMostField = strength;
        return row;
    };
    constexpr NumberRange dimension = between(0, 5000);
    constexpr NumberRange concreteClass = between(0, 100);
    constexpr NumberRange steelStrength = between(0, 1000);
    constexpr NumberRange rebarStrength = aboveUpTo(0, 2000);
    constexpr NumberRange modulus = aboveUpTo(0, 250000);
    constexpr NumberRange barArea = between(0, 10000);
    std::vector<FieldLimit> v = {
        // Beam geometry.
        plain("BeamSpan", between(1000, 40000)),
        // BeamSpacing (side, end): left elements 4 and 7, right 5 and 8.
        elements("BeamSpacing", 4, 4, SpacingRange, false, true),
        elements("BeamSpacing", 7, 7, SpacingRange, false, true),
        elements("BeamSpacing", 5, 5, SpacingRange),
        elements("BeamSpacing", 8, 8, SpacingRange),
        // The section record: its category and whether the slabs bear on
        // ledges, then the dimensions.
        plain("BeamCategory", between(1, 5), true),
        plain("SlabsOnLedge", between(0, 1), true),
        // A beam has a height, a web and a bottom of at least 50 mm (the
        // section divides by them); a ledge reaches at most 1 m out (the
        // widest any beam dialog takes).
        plain("OverallBeamHeight", between(50, 5000)),
        plain("BeamHeight", between(50, 5000)),
        plain("BeamWidth", between(50, 5000)),
        plain("TopFlangeWidth", dimension),
        plain("TopFlangeThickness", dimension),
        plain("BottomFlangeWidth", between(50, 5000)),
        plain("BottomFlangeThickness", dimension),
        plain("WebThickness", dimension),
        plain("WebHeight", dimension),
        plain("LeftLedgeHeight", dimension),
        plain("RightLedgeHeight", dimension),
        plain("LeftLedgeDepth", dimension),
        plain("RightLedgeDepth", dimension),
        plain("LeftLedgeWidth", between(0, LedgeMaximum)),
        plain("RightLedgeWidth", between(0, LedgeMaximum)),
        plain("LBBottomWidth", dimension),
        plain("AngleSteelHeight", dimension),
        plain("LowerRecessHeight", dimension),
        plain("UpperRecessHeight", dimension),
        plain("InnerProfileWidth", dimension),
        plain("InnerProfileFlangeThickness", dimension),
        plain("InnerProfileHeight", dimension),
        plain("BoxPlateThickness", dimension),
        plain("BoxHeight", dimension),
        plain("CornerRadius", dimension),
        plain("WebHoleDiameter", dimension),
        plain("WebHoleEdgeDistance", dimension),
        plain("LowerHoleDiameter", dimension),
        plain("LowerHoleEdgeDistance", dimension),
        plain("ApalkkiHoleSize", dimension),
        plain("DowelWidth", dimension),
        plain("DowelHeight", dimension),
        elements("XxSectionParam", 1, 2, dimension),
        // Beam materials: a strength of a material the family lacks is 0.
        plain("BeamConcreteClass", concreteClass),
        plain("InfillConcreteClass", concreteClass),
        plain("SteelStrength", steelStrength),
        plain("SteelStrength2", steelStrength),
        plain("SteelStrength3", steelStrength),
        // The quality classes of the beam, infill and joint, the left and
        // right slabs (the left one bound only on a middle beam) and topping.
        elements("ConcreteQualityClass", 1, 3, between(1, 3), true),
        elements("ConcreteQualityClass", 4, 4, between(1, 3), true, true),
        elements("ConcreteQualityClass", 5, 6, between(1, 3), true),
        // Reinforcement row groups: rows 1..10.
        plain("ReinforcementRowCount", between(0, 10), true),
        elements("BarsInRow", 1, 10, between(0, BarsInRowMaximum), true),
        elements("BarArea", 1, 10, barArea),
        elements("BarDistanceFromBottom", 1, 10, dimension),
        prestress("BarPrestress", "ReinforcementStrength"),
        plain("ReinforcementModulus", modulus),
        plain("ReinforcementStrength", rebarStrength),
        plain("TopRebarRowCount", between(0, 10), true),
        elements("TopBarsInRow", 1, 10, between(0, BarsInRowMaximum), true),
        elements("TopBarArea", 1, 10, barArea),
        elements("TopBarDistanceFromTop", 1, 10, dimension),
        prestress("TopBarPrestress", "TopRebarStrength"),
        plain("TopRebarModulus", modulus),
        plain("TopRebarStrength", rebarStrength),
        plain("SteelBeamRebarRowCount", between(0, 10), true),
        elements("SteelBeamBarsInRow", 1, 10, between(0, BarsInRowMaximum), true),
        elements("SteelBeamBarArea", 1, 10, barArea),
        elements("SteelBeamBarDistance", 1, 10, dimension),
        prestress("SteelBeamBarPrestress", "SteelBeamRebarStrength"),
        plain("SteelBeamRebarModulus", modulus),
        plain("SteelBeamRebarStrength", rebarStrength),
        // The slab fields and the joints.
        FieldLimit{"FirstJointDistance", 0, 0, FirstJointRange, false, false, "BeamSpan", 0.5,
                   "puolet palkin jännevälistä", "half the beam's span"},
        plain("SlabFieldEdgeDistance1", AlongBeamRange),
        plain("SlabFieldEdgeDistance2", AlongBeamRange),
        elements("HoleCount", 1, 2, between(0, 2), true),
        // Holes (side, hole): elements 4, 5, 7, 8; see the slab sides below.
        plain("JointConcreteClass", aboveUpTo(0, 100)),
        plain("ToppingConcreteClass", concreteClass),
        plain("ToppingThickness", between(0, 500)),
        plain("ToppingReinforcementArea", between(0, 5000)),
        plain("ToppingReinforcementStrength", between(200, 700)),
        // Loads on the slab fields: the counts; the loads (load, side) are
        // per slab side below.
        elements("SlabLineLoadCount", 1, 2, between(0, 5), true),
        elements("SlabPointLoadCount", 1, 2, between(0, 5), true),
        // Loads on the beam.
        plain("BeamLineLoadG1", LineLoadRange),
        plain("BeamLineLoadG2", LineLoadRange),
        plain("BeamLineLoadGX", AlongBeamRange),
        plain("BeamLineLoadGLength", AlongBeamRange),
        plain("BeamLineLoadQ1", LineLoadRange),
        plain("BeamLineLoadQ2", LineLoadRange),
        plain("BeamLineLoadQX", AlongBeamRange),
        plain("BeamLineLoadQLength", AlongBeamRange),
        plain("BeamPointLoadCount", between(0, 5), true),
        elements("BeamPointLoad", 3, 17, PointLoadRange),
        elements("BeamPointLoadX", 1, 5, AlongBeamRange),
        // Support moments.
        plain("SupportMomentStartBeforeGrouting", SupportMomentRange),
        plain("SupportMomentEndBeforeGrouting", SupportMomentRange),
        plain("SupportMomentStartBeforeTopping", SupportMomentRange),
        plain("SupportMomentEndBeforeTopping", SupportMomentRange),
        plain("SupportMomentStartPermanent", SupportMomentRange),
        plain("SupportMomentEndPermanent", SupportMomentRange),
        plain("SupportMomentStartVariable", SupportMomentRange),
        plain("SupportMomentEndVariable", SupportMomentRange),
        // Partial factors: multipliers of loads and resistances, held to the
        // ranges the factors window offers wherever they come from (a file's
        // K_FI of 1e-30 would otherwise turn every utilisation green).
        plain("ConsequenceClassFactorKfi", KfiRange),
        plain("PartialFactorPermanent", PermanentFactorRange),
        plain("PartialFactorVariable", VariableFactorRange),
        plain("AdditionalSafetyFactor", AdditionalFactorRange),
        plain("SlabTensileStrengthFactor", TensileFactorRange),
        plain("AllowedCrackWidth", CrackWidthRange),
        plain("ReleaseStrengthRatio", aboveUpTo(0, 1)),
        plain("ImposedLoadPsi1", aboveUpTo(0, 1)),
        // The dowel flags, the connection factor kept with them, and the
        // language (a language the program lacks is shown in Finnish).
        plain("DowelsOnBeamTop", between(0, 1), true),
        plain("DowelledConnection", between(0, 1), true),
        plain("BetaY", between(0, 1)),
        plain("LanguageIndex", int16Range(), true),
    };
    // Per slab field. Every value of the left slab field binds only on a
    // middle beam: an edge beam's left side carries no slabs, the window
    // never shows it and the calculation takes nothing of it (the counts of
    // its loads and holes still bound: they say which lines follow).
    perSide(v, "SlabSelfWeightFactor", SelfWeightFactorRange);
    // Holes (side, hole): the left side's elements 4 and 7, the right's 5
    // and 8.
    for (auto [field, range] : {std::pair{"HoleX", AlongBeamRange}, std::pair{"HoleWidthB", AlongBeamRange},
                                std::pair{"HoleY", AcrossSlabRange}, std::pair{"HoleLengthA", AcrossSlabRange}}) {
        for (int hole = 1; hole <= 2; ++hole) {
            v.push_back(elements(field, 1 + 3 * hole, 1 + 3 * hole, range, false, true));
            v.push_back(elements(field, 2 + 3 * hole, 2 + 3 * hole, range));
        }
    }
    // Loads (load, side): the left side's elements 6..11, the right's
    // 12..17. A load takes decimals; its place is given in whole mm, y
    // along the beam, x across the slab field.
    for (auto [field, range, whole] :
         {std::tuple{"SlabLineLoadG", LineLoadRange, false}, std::tuple{"SlabLineLoadQ", LineLoadRange, false},
          std::tuple{"SlabLineLoadY", AlongBeamRange, true}, std::tuple{"SlabPointLoadG", PointLoadRange, false},
          std::tuple{"SlabPointLoadQ", PointLoadRange, false}, std::tuple{"SlabPointLoadX", AcrossSlabRange, true},
          std::tuple{"SlabPointLoadY", AlongBeamRange, true}}) {
        v.push_back(elements(field, 6, 11, range, whole, true));
        v.push_back(elements(field, 12, 17, range, whole));
    }
    // The strands' initial stress: at most the stress the strands the side's
    // designations name may be tensioned to, which their strength in the
    // slab catalogue gives (inputfile::findStrandInitialStressProblem).
    for (const int side : {1, 2}) {
        FieldLimit row = elements("StrandInitialStress", side, side, aboveUpTo(0, 2000), false, side == 1);
        row.atMostFinnish = "punosten suurin jännitys jännitettäessä min(0,8 fpk; 0,9 fp0.1k), EN 1992-1-1 5.10.2.1";
        row.atMostEnglish = "the strands' largest stress at tensioning min(0.8 fpk, 0.9 fp0.1k), EN 1992-1-1 5.10.2.1";
        v.push_back(row);
    }
    perSide(v, "StrandPrestressLoss", {0, 1, false});
    perSide(v, "SlabConcreteClass", aboveUpTo(0, 100));
    perSide(v, "SlabSupportLength", between(0, SupportLengthMaximum));
    perSide(v, "SlabBottomGap", BottomGapRange);
    // A grout width of an edge beam is held shifted by the edge joint, and
    // may fall below 0.
    perSide(v, "JointGroutWidth", between(-1000, 1000));
    perSide(v, "CoreFillingLength", CoreFillingRange);
    perSide(v, "ToppingLoad", AreaLoadRange);
    perSide(v, "SlabImposedLoadPermanent", AreaLoadRange);
    perSide(v, "SlabImposedLoadVariable", AreaLoadRange);
    return v;
}

// --- the boxes ---

constexpr Computed Min = Computed::Minimum;
constexpr Computed Max = Computed::Maximum;
constexpr Computed Def = Computed::Default;

// A box that numbers a load or a row.
BoxLimit numbering(BoxLimit b) {
    b.whole = true;
    return b;
}

BoxLimit box(std::string_view form, std::string_view control, std::string_view field, int element, NumberRange r,
             std::optional<double> defaultValue, std::string_view name = {}, Computed computed = Computed::None,
             double scale = 1.0) {
    return {form, control, field, element, r, defaultValue, computed, name, scale, false, {}, {}};
}

// The beam dialogs and the longest span each takes.
struct BeamWindow {
    std::string_view form;
    int spanMaximum;
};
constexpr BeamWindow kBeamWindows[] = {
    {"FrmSuorakaidepalkki", 40000}, {"frmBLeukapalkki", 40000}, {"frmKvatropalkki", 15000}, {"FrmKemo", 15000},
    {"FrmSuperpalkki", 15000},      {"FrmIpalkki", 40000},      {"FrmLB", 15000},           {"FrmApalkki", 15000},
    {"frmTIpalkki", 40000},         {"frmHQpalkki", 40000},     {"frmCWQpalkki", 40000},    {"frmDeltapalkki", 15000},
    {"frmMEKpalkki", 15000},        {"frmAbeamS", 15000},
};

// The windows of the beam families built from a table: section
// dimensions, materials and the steel of their row groups.
//
// Bounds of the welded plates: 3 mm (the thinnest plate of a welded
// section, EN 1993-1-1 1.1.2) up to the 80 mm to which EN 1993-1-1 Table 3.1
// gives yield strengths; 50 mm in the composite and A beams, whose inclined
// webs then always rise: the smallest height above the bottom plate (150 mm,
// 200 mm for the A beam) is more than both plates together, so the web
// angle, the web length and the concrete between the plates never divide
// by zero. Widths: a flange at least 50 mm, a bottom plate that carries
// slab ends at least 200 mm. A ledge or a hole may be 0 (none). A dimension
// that must fit inside another one has its maximum worked out too.
//
// Steel grades S235 to S460: the grades whose yield strengths EN 1993-1-1
// Table 3.1 gives. Concrete strength classes up to C90/105, the highest of
// EN 1992-1-1 Table 3.1; the lowest C30/37 for a precast reinforced beam,
// C40/50 for a prestressed one, C20/25 for concrete cast in a steel beam
// (the lowest indicative class of EN 1992-1-1 Table E.1N). Moduli of
// reinforcing steel (200 GPa, EN 1992-1-1 3.2.7(4)) and of strands and
// wires (195 and 205 GPa, 3.3.6(3)) lie within 180..210 GPa; strengths from
// B500 reinforcement up to strands of EN 10138 (fp0,1k 1640).
void addSectionBoxes(std::vector<BoxLimit>& v) {
    struct Dim {
        const char* control;
        const char* field;
        double minimum, maximum, defaultValue;
        bool fitsWithin = false;
    };
    auto dims = [&v](std::string_view form, std::initializer_list<Dim> list) {
        for (const Dim& d : list)
            v.push_back(box(form, d.control, d.field, 0, between(d.minimum, d.maximum), d.defaultValue, {},
                            d.fitsWithin ? Max : Computed::None));
    };
    auto steel = [&v](std::string_view form, const char* control, const char* field) {
        v.push_back(box(form, control, field, 0, between(235, 460), 355));
    };
    auto moduli = [&v](std::string_view form, const char* control, const char* field, double defaultValue) {
        v.push_back(box(form, control, field, 0, between(180000, 210000), defaultValue));
    };
    auto strength = [&v](std::string_view form, const char* control, const char* field, double minimum,
                         double maximum, double defaultValue, std::string_view name = {}) {
        v.push_back(box(form, control, field, 0, between(minimum, maximum), defaultValue, name));
    };
    auto rebar = [&](std::string_view form) {
        moduli(form, "txtRaud_kimmo", "ReinforcementModulus", 200000);
        strength(form, "txtRaud_lujuus", "ReinforcementStrength", 200, 1800, 500, BarOrStrandStrengthName);
    };
    auto steelBeamRebar = [&](std::string_view form, double modulus) {
        moduli(form, "txtTRaud_kimmo", "SteelBeamRebarModulus", modulus);
        strength(form, "txtTRaud_lujuus", "SteelBeamRebarStrength", 200, 700, 500);
    };
    auto composite = [&](std::string_view form, double rebarModulus = 200000) {
        steel(form, "cboTeras", "SteelStrength");
        v.push_back(box(form, "cboTayttobetoni", "InfillConcreteClass", 0, between(20, 90), 30));
        steelBeamRebar(form, rebarModulus);
    };

    dims("FrmIpalkki", {{"txtKorkeus", "BeamHeight", 200, 2500, 1100},
                        {"txtAlalaippa", "BottomFlangeThickness", 30, 500, 50},
                        {"txtAlaviiste", "LowerRecessHeight", 0, 500, 40},
                        {"txtYlaviiste", "UpperRecessHeight", 0, 500, 40},
                        {"txtYlalaippa", "TopFlangeThickness", 30, 500, 50},
                        {"txtAlalaipanLeveys", "BottomFlangeWidth", 100, 2000, 480},
                        {"txtUuma", "BeamWidth", 60, 1000, 100, true},
                        {"txtYlalaipanLeveys", "TopFlangeWidth", 100, 2000, 480}});
    v.push_back(box("FrmIpalkki", "cboBetoni", "BeamConcreteClass", 0, between(30, 90), 60));
    rebar("FrmIpalkki");

    dims("FrmLB", {{"txtKorkeus", "BeamHeight", 150, 500, 265},
                   {"txtAlaleveys", "LBBottomWidth", 180, 1000, 480},
                   {"txtLeveys", "BeamWidth", 150, 1000, 440},
                   {"txtPohjalevy", "BottomFlangeThickness", 6, 16, 8},
                   {"txtPohjalevynLeveys", "BottomFlangeWidth", 180, 1200, 400},
                   {"txtKulmanKorkeus", "AngleSteelHeight", 50, 200, 90},
                   {"txtKulmanPaksuus", "LeftLedgeHeight", 5, 20, 10},
                   {"txtVasenLeuka", "LeftLedgeWidth", 0, 300, 100},
                   {"txtOikeaLeuka", "RightLedgeWidth", 0, 300, 100}});
    v.push_back(box("FrmLB", "cboBetoni", "BeamConcreteClass", 0, between(40, 90), 80));
    steel("FrmLB", "cboTeras", "SteelStrength");
    moduli("FrmLB", "txt_Janne_kimmo", "ReinforcementModulus", 195000);
    strength("FrmLB", "txt_Janne_lujuus", "ReinforcementStrength", 1400, 1800, 1630, StrandStrengthName);

    dims("FrmApalkki", {{"txtKorkeus", "BeamHeight", 200, 600, 245},
                        {"txtUuma", "WebThickness", 3, 50, 15},
                        {"txtYlalevy", "TopFlangeThickness", 3, 50, 15},
                        {"txtYlalevynLeveys", "TopFlangeWidth", 50, 1500, 200},
                        {"txtPohjalevy", "BottomFlangeThickness", 3, 50, 15},
                        {"txtPohjalevynLeveys", "BottomFlangeWidth", 200, 2000, 380},
                        {"txtLeukalevy", "LeftLedgeHeight", 0, 50, 15},
                        {"txtVasenLeuka", "LeftLedgeWidth", 0, 300, 110},
                        {"txtOikeaLeuka", "RightLedgeWidth", 0, 300, 110},
                        {"txtAukko", "ApalkkiHoleSize", 0, 1500, 135, true}});
    v.push_back(box("FrmApalkki", "cboBetoni", "BeamConcreteClass", 0, between(30, 90), 50));
    steel("FrmApalkki", "cboTeras", "SteelStrength");
    rebar("FrmApalkki");
    moduli("FrmApalkki", "txt_ypRaud_kimmo", "TopRebarModulus", 200000);
    strength("FrmApalkki", "txt_ypRaud_lujuus", "TopRebarStrength", 200, 1800, 500, BarOrStrandStrengthName);

    dims("frmTIpalkki", {{"txtKorkeus", "BeamHeight", 100, 2000, 300},
                         {"txtUuma", "WebThickness", 3, 80, 11},
                         {"txtYlalaippa", "TopFlangeThickness", 3, 80, 19},
                         {"txtYlalaipanLeveys", "TopFlangeWidth", 50, 1500, 300},
                         {"txtAlalaippa", "BottomFlangeThickness", 3, 80, 19},
                         {"txtAlalaipanLeveys", "BottomFlangeWidth", 50, 1500, 300},
                         {"txtPyoristys", "CornerRadius", 0, 100, 27}});
    steel("frmTIpalkki", "cboTeras", "SteelStrength");

    // The box beams: two webs on the bottom plate.
    for (std::string_view form : {std::string_view("frmHQpalkki"), std::string_view("frmCWQpalkki")}) {
        dims(form, {{"txtKorkeus", "BeamHeight", 100, 1000, 265},
                    {"txtUuma", "WebThickness", 3, 80, 5},
                    {"txtYlalaippa", "TopFlangeThickness", 3, 80, 25},
                    {"txtYlalaipanLeveys", "TopFlangeWidth", 50, 1500, 240},
                    {"txtAlalaippa", "LeftLedgeHeight", 3, 80, 15},
                    {"txtAlalaipanLeveys", "BottomFlangeWidth", 200, 2000, 450}});
        steel(form, "cboTeras", "SteelStrength");
    }
    dims("frmCWQpalkki", {{"txtVaarnanLeveys", "DowelWidth", 0, 1500, 210, true},
                          {"txtVaarnanKorkeus", "DowelHeight", 0, 200, 25}});
    steel("frmCWQpalkki", "cboTeras2", "SteelStrength2");
    steel("frmCWQpalkki", "cboTeras3", "SteelStrength3");

    // The composite beams.
    auto heightAndPlates = [&](std::string_view form, double h, double tw, double tt, double bt, double tb,
                               double bb) {
        dims(form, {{"txtKorkeus", "BeamHeight", 150, 1000, h},
                    {"txtUuma", "WebThickness", 3, 50, tw},
                    {"txtYlalaippa", "TopFlangeThickness", 3, 50, tt},
                    {"txtYlalaipanLeveys", "TopFlangeWidth", 50, 1500, bt, true},
                    {"txtAlalaippa", "BottomFlangeThickness", 3, 50, tb},
                    {"txtAlalaipanLeveys", "BottomFlangeWidth", 200, 2000, bb}});
    };
    auto ledges = [&](std::string_view form, double plate, double width) {
        dims(form, {{"txtLeukalevy", "LeftLedgeHeight", 0, 50, plate},
                    {"txtVasenLeuka", "LeftLedgeWidth", 0, 500, width},
                    {"txtOikeaLeuka", "RightLedgeWidth", 0, 500, width}});
    };
    heightAndPlates("frmDeltapalkki", 265, 6, 20, 245, 15, 400);
    ledges("frmDeltapalkki", 15, 100);
    dims("frmDeltapalkki", {{"txtReika", "WebHoleDiameter", 0, 500, 150},
                            {"txtReiatEtaisyys", "WebHoleEdgeDistance", 0, 500, 75}});
    composite("frmDeltapalkki");

    dims("frmMEKpalkki", {{"txtKorkeus", "BeamHeight", 150, 1000, 265},
                          {"txtProfiilinKorkeus", "InnerProfileHeight", 100, 1000, 230},
                          {"txtUuma", "WebThickness", 3, 50, 7.5},
                          {"txtYlalaippa", "TopFlangeThickness", 3, 50, 12},
                          {"txtYlalaipanLeveys", "TopFlangeWidth", 50, 1000, 240, true},
                          {"txtProfiilinLaippa", "InnerProfileFlangeThickness", 3, 50, 12},
                          {"txtProfiilinLeveys", "InnerProfileWidth", 50, 1000, 240, true},
                          {"txtAlalaippa", "BottomFlangeThickness", 3, 50, 8},
                          {"txtAlalaipanLeveys", "BottomFlangeWidth", 200, 2000, 500},
                          {"txtKotelonKorkeus", "BoxHeight", 0, 500, 0},
                          {"txtKotelonPaksuus", "BoxPlateThickness", 0, 50, 0},
                          {"txtVasenLeuka", "LeftLedgeWidth", 0, 500, 130},
                          {"txtOikeaLeuka", "RightLedgeWidth", 0, 500, 130},
                          {"txtPyoristys", "CornerRadius", 0, 100, 21}});
    composite("frmMEKpalkki", 210000);

    // The upper holes of the A beam S stand at a fixed spacing of 400 mm:
    // at most 350 mm leaves a web post of 50 mm between them. The lower
    // holes are 80 mm long at 1200 mm.
    heightAndPlates("frmAbeamS", 265, 6, 20, 307, 15, 400);
    ledges("frmAbeamS", 6, 130);
    dims("frmAbeamS", {{"txtReika", "WebHoleDiameter", 0, 350, 90},
                       {"txtReiatEtaisyys", "WebHoleEdgeDistance", 0, 500, 120},
                       {"txtAlareika", "LowerHoleDiameter", 0, 200, 55},
                       {"txtAlareiatEtaisyys", "LowerHoleEdgeDistance", 0, 200, 60}});
    composite("frmAbeamS");
}

std::vector<BoxLimit> makeBoxLimits() {
    std::vector<BoxLimit> v;
    auto add = [&v](BoxLimit b) { v.push_back(b); };

    // --- the main window ---
    const std::string_view W = "frmQuorvel";
    add(box(W, "txtVasenalkuvali", "BeamSpacing", 4, SpacingRange, 7200, "Palkkivälit alkupäässä, vasen"));
    add(box(W, "txtOikeaalkuvali", "BeamSpacing", 5, SpacingRange, 7200, "Palkkivälit alkupäässä, oikea"));
    add(box(W, "txtVasenloppuvali", "BeamSpacing", 7, SpacingRange, 7200, "Palkkivälit loppupäässä, vasen"));
    add(box(W, "txtOikealoppuvali", "BeamSpacing", 8, SpacingRange, 7200, "Palkkivälit loppupäässä, oikea"));
    add(box(W, "txtVasenlaatastopysyva", "SlabImposedLoadPermanent", 1, AreaLoadRange, {}, "Pysyvä hyötykuorma, vasen"));
    add(box(W, "txtOikealaatastopysyva", "SlabImposedLoadPermanent", 2, AreaLoadRange, {}, "Pysyvä hyötykuorma, oikea"));
    add(box(W, "txtVasenlaatastomuuttuva", "SlabImposedLoadVariable", 1, AreaLoadRange, {},
            "Muuttuva hyötykuorma, vasen"));
    add(box(W, "txtOikealaatastomuuttuva", "SlabImposedLoadVariable", 2, AreaLoadRange, {},
            "Muuttuva hyötykuorma, oikea"));
    add(box(W, "txtVasenlaatanalavali", "SlabBottomGap", 1, BottomGapRange, {}, "Rako, vasen", Def));
    add(box(W, "txtOikealaatanalavali", "SlabBottomGap", 2, BottomGapRange, {}, "Rako, oikea", Def));
    add(box(W, "txtVasenontelotaytto", "CoreFillingLength", 1, CoreFillingRange, {}, "Ontelotäyttö, vasen"));
    add(box(W, "txtOikeaontelotaytto", "CoreFillingLength", 2, CoreFillingRange, {}, "Ontelotäyttö, oikea"));
    add(box(W, "txtVasensaumavalu", "JointGroutWidth", 1, JointGroutRange, 0, "Saumavalu, vasen"));
    add(box(W, "txtOikeasaumavalu", "JointGroutWidth", 2, JointGroutRange, 0, "Saumavalu, oikea"));
    add(box(W, "txtVasentukipituus", "SlabSupportLength", 1, between(20, SupportLengthMaximum), {}, "Tukipituus, vasen",
            Min | Def));
    add(box(W, "txtOikeatukipituus", "SlabSupportLength", 2, between(20, SupportLengthMaximum), {}, "Tukipituus, oikea",
            Min | Def));
    add(box(W, "txtSaumanetaisyys", "FirstJointDistance", 0, FirstJointRange, 0,
            "Ensimmäisen sauman etäisyys palkin tuelta", Min | Max));
    add(box(W, "txtPintapaksuus", "ToppingThickness", 0, between(0, 500), 50, "Pintabetonin paksuus"));
    add(box(W, "txtRaudoiteala", "ToppingReinforcementArea", 0, between(0, 5000), 130, "Pintabetonin raudoitus"));
    add(box(W, "txtRaudoitelujuus", "ToppingReinforcementStrength", 0, between(200, 700), 500,
            "Raudoituksen myötölujuus"));
    add(box(W, "cboSaumabetoni", "JointConcreteClass", 0, between(16, 60), 25, "Saumavalun betoni"));
    add(box(W, "cboPintabetoni", "ToppingConcreteClass", 0, between(20, 60), 25, "Pintabetoni"));

    // --- the slab fields ---
    const std::string_view S = "frm2Ontelolaatasto";
    for (int side : {1, 2}) {
        const bool left = side == 1;
        auto n = [left](const char* l, const char* r) { return std::string_view(left ? l : r); };
        add(box(S, n("txtVasenjannitys", "txtOikeajannitys"), "StrandInitialStress", side, between(500, 1500), 900,
                n("Punosten alkujännitys, vasen", "Punosten alkujännitys, oikea")));
        add(box(S, n("txtVasenjannityshavio", "txtOikeajannityshavio"), "StrandPrestressLoss", side, between(0, 50),
                20, n("Jännityshäviö, vasen", "Jännityshäviö, oikea"), Computed::None, 100));
        add(box(S, n("cboVasenbetonilujuus", "cboOikeabetonilujuus"), "SlabConcreteClass", side, between(40, 90), 50,
                n("Ontelolaatan betoni, vasen", "Ontelolaatan betoni, oikea")));
        add(box(S, n("txtVasenontelotaytto", "txtOikeaontelotaytto"), "CoreFillingLength", side, CoreFillingRange, {},
                n("Ontelotäyttö, vasen", "Ontelotäyttö, oikea")));
        add(box(S, n("txtVasenlaatanalavali", "txtOikealaatanalavali"), "SlabBottomGap", side, BottomGapRange, {},
                n("Rako, vasen", "Rako, oikea"), Def));
        add(box(S, n("txtVasensaumavalu", "txtOikeasaumavalu"), "JointGroutWidth", side, JointGroutRange, {},
                n("Saumavalu, vasen", "Saumavalu, oikea"), Min | Def));
        add(box(S, n("txtVasentukipituus", "txtOikeatukipituus"), "SlabSupportLength", side,
                between(20, SupportLengthMaximum), {}, n("Tukipituus, vasen", "Tukipituus, oikea"), Min | Def));
    }
    add(box(S, "cboSaumabetoni", "JointConcreteClass", 0, between(16, 60), 25, "Saumavalun betoni"));
    add(box(S, "cboPintabetoni", "ToppingConcreteClass", 0, between(20, 60), 25, "Pintabetoni"));
    add(box(S, "txtPintapaksuus", "ToppingThickness", 0, between(0, 500), 50, "Pintabetonin paksuus"));
    add(box(S, "txtRaudoiteala", "ToppingReinforcementArea", 0, between(0, 5000), 130, "Pintabetonin raudoitus"));
    add(box(S, "txtRaudoitelujuus", "ToppingReinforcementStrength", 0, between(200, 700), 500,
            "Raudoituksen myötölujuus"));
    add(box(S, "txtSaumanetaisyys", "FirstJointDistance", 0, FirstJointRange, 0,
            "Ensimmäisen sauman etäisyys palkin tuelta", Min | Max));

    // --- the slab loads: the load boxes edit the load the number selects ---
    const std::string_view L = "frmLaatankuormat";
    add(box(L, "txtVasenlaatastopysyva", "SlabImposedLoadPermanent", 1, AreaLoadRange, {}, "Pysyvä hyötykuorma, vasen"));
    add(box(L, "txtOikealaatastopysyva", "SlabImposedLoadPermanent", 2, AreaLoadRange, {}, "Pysyvä hyötykuorma, oikea"));
    add(box(L, "txtVasenlaatastomuuttuva", "SlabImposedLoadVariable", 1, AreaLoadRange, {},
            "Muuttuva hyötykuorma, vasen"));
    add(box(L, "txtOikealaatastomuuttuva", "SlabImposedLoadVariable", 2, AreaLoadRange, {},
            "Muuttuva hyötykuorma, oikea"));
    add(box(L, "txtReunanetaisyys1", "SlabFieldEdgeDistance1", 0, AlongBeamRange, {}, "Laataston reuna alkupäässä"));
    add(box(L, "txtReunanetaisyys2", "SlabFieldEdgeDistance2", 0, AlongBeamRange, {}, "Laataston reuna loppupäässä"));
    struct LoadBox {
        const char* control;
        const char* field;
        NumberRange range;
        const char* name;
    };
    const NumberRange Pt = PointLoadRange, Ln = LineLoadRange, X = AcrossSlabRange, Y = AlongBeamRange;
    for (LoadBox b : {LoadBox{"txtVasenPysyvaPisteKuorma", "SlabPointLoadG", Pt, "Pysyvä pistekuorma, vasen"},
                      LoadBox{"txtVasenMuuttuvaPisteKuorma", "SlabPointLoadQ", Pt, "Muuttuva pistekuorma, vasen"},
                      LoadBox{"txtVasenPisteX", "SlabPointLoadX", X, "Pistekuorman x, vasen"},
                      LoadBox{"txtVasenPisteY", "SlabPointLoadY", Y, "Pistekuorman y, vasen"},
                      LoadBox{"txtVasenPysyvaViivaKuorma", "SlabLineLoadG", Ln, "Pysyvä viivakuorma, vasen"},
                      LoadBox{"txtVasenMuuttuvaViivaKuorma", "SlabLineLoadQ", Ln, "Muuttuva viivakuorma, vasen"},
                      LoadBox{"txtVasenViivaY", "SlabLineLoadY", Y, "Viivakuorman y, vasen"},
                      LoadBox{"txtOikeaPysyvaPisteKuorma", "SlabPointLoadG", Pt, "Pysyvä pistekuorma, oikea"},
                      LoadBox{"txtOikeaMuuttuvaPisteKuorma", "SlabPointLoadQ", Pt, "Muuttuva pistekuorma, oikea"},
                      LoadBox{"txtOikeaPisteX", "SlabPointLoadX", X, "Pistekuorman x, oikea"},
                      LoadBox{"txtOikeaPisteY", "SlabPointLoadY", Y, "Pistekuorman y, oikea"},
                      LoadBox{"txtOikeaPysyvaViivaKuorma", "SlabLineLoadG", Ln, "Pysyvä viivakuorma, oikea"},
                      LoadBox{"txtOikeaMuuttuvaViivaKuorma", "SlabLineLoadQ", Ln, "Muuttuva viivakuorma, oikea"},
                      LoadBox{"txtOikeaViivaY", "SlabLineLoadY", Y, "Viivakuorman y, oikea"}})
        add(box(L, b.control, b.field, -1, b.range, {}, b.name));
    // The counts of the loads and the number of the load the boxes edit,
    // point loads then line loads of each side (the rows keep views of
    // these names).
    static const std::string spinBoxes[2][4][2] = {
        {{"txtVasenPistekuormienLkm", "Pistekuormien lkm, vasen"}, {"txtVasenViivakuormienLkm", "Viivakuormien lkm, vasen"},
         {"txtVasenPistekuormienNro", "Pistekuorma nro, vasen"}, {"txtVasenViivakuormienNro", "Viivakuorma nro, vasen"}},
        {{"txtOikeaPistekuormienLkm", "Pistekuormien lkm, oikea"}, {"txtOikeaViivakuormienLkm", "Viivakuormien lkm, oikea"},
         {"txtOikeaPistekuormienNro", "Pistekuorma nro, oikea"}, {"txtOikeaViivakuormienNro", "Viivakuorma nro, oikea"}}};
    for (int side = 1; side <= 2; ++side) {
        const auto& b = spinBoxes[side - 1];
        add(numbering(box(L, b[0][0], "SlabPointLoadCount", side, between(0, 5), {}, b[0][1])));
        add(numbering(box(L, b[1][0], "SlabLineLoadCount", side, between(0, 5), {}, b[1][1])));
        add(numbering(box(L, b[2][0], "", 0, between(1, 5), {}, b[2][1])));
        add(numbering(box(L, b[3][0], "", 0, between(1, 5), {}, b[3][1])));
    }

    // --- the holes (side, hole) ---
    const std::string_view H = "frmReiat";
    struct HoleBox {
        const char* control;
        const char* field;
        double defaultValue;
        const char* name;
    };
    static const std::string holeNames[] = {"txtXReika11", "txtBReika11", "txtYReika11", "txtAReika11",
                                            "txtXReika12", "txtBReika12", "txtYReika12", "txtAReika12",
                                            "txtXReika21", "txtBReika21", "txtYReika21", "txtAReika21",
                                            "txtXReika22", "txtBReika22", "txtYReika22", "txtAReika22"};
    static const std::string holeCaptions[] = {
        "Reikä 1 X, vasen", "Reikä 1 B, vasen", "Reikä 1 Y, vasen", "Reikä 1 A, vasen",
        "Reikä 2 X, vasen", "Reikä 2 B, vasen", "Reikä 2 Y, vasen", "Reikä 2 A, vasen",
        "Reikä 1 X, oikea", "Reikä 1 B, oikea", "Reikä 1 Y, oikea", "Reikä 1 A, oikea",
        "Reikä 2 X, oikea", "Reikä 2 B, oikea", "Reikä 2 Y, oikea", "Reikä 2 A, oikea"};
    const HoleBox kinds[4] = {{"X", "HoleX", 0, ""}, {"B", "HoleWidthB", 100, ""}, {"Y", "HoleY", 100, ""},
                              {"A", "HoleLengthA", 100, ""}};
    for (int side = 1; side <= 2; ++side)
        for (int hole = 1; hole <= 2; ++hole)
            for (int k = 0; k < 4; ++k) {
                const int i = (side - 1) * 8 + (hole - 1) * 4 + k;
                // X and B lie along the beam, Y and A across the slab field.
                add(box(H, holeNames[i], kinds[k].field, side + 3 * hole, k < 2 ? AlongBeamRange : AcrossSlabRange,
                        kinds[k].defaultValue, holeCaptions[i]));
            }
    add(box(H, "txtReunanetaisyys1", "SlabFieldEdgeDistance1", 0, AlongBeamRange, 3600, "Laataston reuna alkupäässä"));
    add(box(H, "txtReunanetaisyys2", "SlabFieldEdgeDistance2", 0, AlongBeamRange, 3600, "Laataston reuna loppupäässä"));

    // --- the beam loads ---
    const std::string_view K = "frmKuormat";
    add(box(K, "txtPysyvaviivag1", "BeamLineLoadG1", 0, LineLoadRange, {}, "Pysyvä viivakuorma alussa"));
    add(box(K, "txtPysyvaviivag2", "BeamLineLoadG2", 0, LineLoadRange, {}, "Pysyvä viivakuorma lopussa"));
    add(box(K, "txtPysyvaviivaX", "BeamLineLoadGX", 0, AlongBeamRange, 0, "Pysyvä viivakuorma x"));
    add(box(K, "txtPysyvaviivaL", "BeamLineLoadGLength", 0, AlongBeamRange, {}, "Pysyvä viivakuorma L", Def));
    add(box(K, "txtMuuttuvaviivaq1", "BeamLineLoadQ1", 0, LineLoadRange, {}, "Muuttuva viivakuorma alussa"));
    add(box(K, "txtMuuttuvaviivaq2", "BeamLineLoadQ2", 0, LineLoadRange, {}, "Muuttuva viivakuorma lopussa"));
    add(box(K, "txtMuuttuvaviivaX", "BeamLineLoadQX", 0, AlongBeamRange, 0, "Muuttuva viivakuorma x"));
    add(box(K, "txtMuuttuvaviivaL", "BeamLineLoadQLength", 0, AlongBeamRange, {}, "Muuttuva viivakuorma L", Def));
    add(box(K, "txtPisteLkm", "BeamPointLoadCount", 0, between(0, 5), {}, "Pistekuormien määrä"));
    add(numbering(box(K, "txtPisteNo", "", 0, between(1, 5), {}, "Pistekuorma no")));
    add(box(K, "txtPysyvapisteg", "BeamPointLoad", -1, PointLoadRange, {}, "Pysyvä pistekuorma"));
    add(box(K, "txtMuuttuvapisteq", "BeamPointLoad", -1, PointLoadRange, {}, "Muuttuva pistekuorma"));
    add(box(K, "txtPisteX", "BeamPointLoadX", -1, AlongBeamRange, {}, "Pistekuorman x", Def));

    // --- the partial factors ---
    const std::string_view F = "frmKertoimet";
    add(box(F, "CmbKfi", "ConsequenceClassFactorKfi", 0, KfiRange, 1.0, "Kfi"));
    add(box(F, "txtVarmg", "PartialFactorPermanent", 0, PermanentFactorRange, 1.2, "Pysyvän kuorman varmuuskerroin"));
    add(box(F, "txtVarmq", "PartialFactorVariable", 0, VariableFactorRange, 1.6, "Muuttuvan kuorman varmuuskerroin"));
    add(box(F, "txtVarmlisa", "AdditionalSafetyFactor", 0, AdditionalFactorRange, 1.2, "Lisävarmuuskerroin"));
    add(box(F, "txtVarmvasenlab", "SlabSelfWeightFactor", 1, SelfWeightFactorRange, 1.2,
            "Vasemman ontelolaatan omanpainon varmuuskerroin"));
    add(box(F, "txtVarmoikealab", "SlabSelfWeightFactor", 2, SelfWeightFactorRange, 1.2,
            "Oikean ontelolaatan omanpainon varmuuskerroin"));
    add(box(F, "txtHajontakerr", "SlabTensileStrengthFactor", 0, TensileFactorRange, 1.0, "Ontelolaattabetonin vetolujuuden kerroin"));
    add(box(F, "txtwksall", "AllowedCrackWidth", 0, CrackWidthRange, 0.2, "Sallittu halkeaman leveys"));
    // psi1 and the release strength ratio are fractions above 0 and at most
    // 1: a factor of 0 (which zeroes loads) or a per cent typed as 70 is
    // refused.
    add(box(F, "Txt_psii1", "ImposedLoadPsi1", 0, aboveUpTo(0, 1), 0.7, "Hyötykuorman yhdistelykerroin tavallisessa kuormayhdistelmässä psii1"));
    add(box(F, "txtPaasto", "ReleaseStrengthRatio", 0, aboveUpTo(0, 1), 0.7, "Päästölujuus/nimellislujuus"));

    // --- the support moments ---
    const std::string_view T = "frmTukimomentit";
    add(box(T, "txtAlkupaaM_ennensaumausta", "SupportMomentStartBeforeGrouting", 0, SupportMomentRange, {},
            "Tukimomentti ennen saumausta, alkupää"));
    add(box(T, "txtLoppupaaM_ennensaumausta", "SupportMomentEndBeforeGrouting", 0, SupportMomentRange, {},
            "Tukimomentti ennen saumausta, loppupää"));
    add(box(T, "txtAlkupaaM_ennenpintakova", "SupportMomentStartBeforeTopping", 0, SupportMomentRange, {},
            "Tukimomentti ennen pintabetonin kovettumista, alkupää"));
    add(box(T, "txtLoppupaaM_ennenpintakova", "SupportMomentEndBeforeTopping", 0, SupportMomentRange, {},
            "Tukimomentti ennen pintabetonin kovettumista, loppupää"));
    add(box(T, "txtAlkupaaM_pysyva", "SupportMomentStartPermanent", 0, SupportMomentRange, {},
            "Tukimomentti pysyvästä kuormasta, alkupää"));
    add(box(T, "txtLoppupaaM_pysyva", "SupportMomentEndPermanent", 0, SupportMomentRange, {},
            "Tukimomentti pysyvästä kuormasta, loppupää"));
    add(box(T, "txtAlkupaaM_muuttuva", "SupportMomentStartVariable", 0, SupportMomentRange, {},
            "Tukimomentti muuttuvasta kuormasta, alkupää"));
    add(box(T, "txtLoppupaaM_muuttuva", "SupportMomentEndVariable", 0, SupportMomentRange, {},
            "Tukimomentti muuttuvasta kuormasta, loppupää"));

    // --- what every beam dialog shares: span, spacings, row editors ---
    for (const BeamWindow& b : kBeamWindows) {
        add(box(b.form, "txtJannevali", "BeamSpan", 0, between(1000, b.spanMaximum), {}, "Palkin jänneväli", Def));
        add(box(b.form, "txtVasenalkuvali", "BeamSpacing", 4, SpacingRange, 7200, "Palkkivälit alkupäässä, vasen"));
        add(box(b.form, "txtOikeaalkuvali", "BeamSpacing", 5, SpacingRange, 7200, "Palkkivälit alkupäässä, oikea"));
        add(box(b.form, "txtVasenloppuvali", "BeamSpacing", 7, SpacingRange, 7200, "Palkkivälit loppupäässä, vasen"));
        add(box(b.form, "txtOikealoppuvali", "BeamSpacing", 8, SpacingRange, 7200, "Palkkivälit loppupäässä, oikea"));
    }
    // The row editors (count, row number, bars, area, distance, prestress),
    // for each of the three row groups under the names their windows give.
    struct RowNames {
        const char* count;
        const char* number;
        const char* bars;
        const char* area;
        const char* distance;
        const char* prestress;
        const char* countField;
        const char* barsField;
        const char* areaField;
        const char* distanceField;
        const char* prestressField;
    };
    const RowNames rowEditors[] = {
        {"txtRiviLkm", "txtRiviNo", "txtRaudLkm", "txtRaudA", "txtRaud_et_ap", "txtEsijannitys",
         "ReinforcementRowCount", "BarsInRow", "BarArea", "BarDistanceFromBottom", "BarPrestress"},
        {"txtJanneRiviLkm", "txtJanneRiviNo", "txtJanneLkm", "txtJanneA", "txtJanne_et_ap", nullptr,
         "ReinforcementRowCount", "BarsInRow", "BarArea", "BarDistanceFromBottom", "BarPrestress"},
        {"txtRaudRiviLkm", "txtRaudRiviNo", "txt_ypRaudLkm", "txt_ypRaudA", "txt_ypRaud_et_yp", nullptr,
         "TopRebarRowCount", "TopBarsInRow", "TopBarArea", "TopBarDistanceFromTop", "TopBarPrestress"},
        {"txtTRiviLkm", "txtTRiviNo", "txtTRaudLkm", "txtTRaudA", "txtTRaud_et_ap", nullptr,
         "SteelBeamRebarRowCount", "SteelBeamBarsInRow", "SteelBeamBarArea", "SteelBeamBarDistance",
         "SteelBeamBarPrestress"},
    };
    for (const RowNames& r : rowEditors) {
        add(box("", r.count, r.countField, 0, between(0, 10), {}));
        add(numbering(box("", r.number, "", 0, between(1, 10), {})));
        add(box("", r.bars, r.barsField, -1, between(2, BarsInRowMaximum), {}, {}, Def));
        add(box("", r.area, r.areaField, -1, between(10, 2500), {}, {}, Def));
        add(box("", r.distance, r.distanceField, -1, between(15, ConcreteBeamHeightMaximum), {}, {}, Def));
    }
    // The prestress box of the main rows (strands and prestressed bars).
    add(box("", "txtEsijannitys", "BarPrestress", -1, between(0, 1300), {}, {}, Def));
    // The Super beam welds at most two bar rows to its angle steels.
    add(box("FrmSuperpalkki", "txtRaudRiviLkm", "TopRebarRowCount", 0, between(0, 2), {}));
    // The A beam's first top row lies on its top plate: its distance from
    // the top face may be anything from 0.
    add(box("FrmApalkki", "txt_ypRaud_et_yp", "TopBarDistanceFromTop", -1, between(0, ConcreteBeamHeightMaximum), {},
            {}, Def));

    // --- the concrete beam dialogs' own boxes ---
    const std::string_view R = "FrmSuorakaidepalkki";
    const std::string_view B = "frmBLeukapalkki";
    // An emptied box of these windows takes its beam type's own value:
    // 500 MPa bars (Es 200 GPa, EN 1992-1-1 3.2.7(4)) for SUORA and BLEUKA, strands for
    // JALO, which shares the ledge beam's window.
    for (std::string_view form : {R, B}) {
        add(box(form, "cboBetoni", "BeamConcreteClass", 0, between(30, 100), 60, "Betoni"));
        add(box(form, "txtRaud_kimmo", "ReinforcementModulus", 0, between(180000, 210000), 200000));
        add(box(form, "txtRaud_lujuus", "ReinforcementStrength", 0, between(200, 1800), 500, BarOrStrandStrengthName));
        add(box(form, "txtKorkeus", "OverallBeamHeight", 0, between(80, ConcreteBeamHeightMaximum), {},
                "Palkin korkeus", Def));
    }
    add(box(R, "txtLeveys", "BeamWidth", 0, between(180, 5000), {}, "Palkin leveys", Def));
    add(box(B, "txtLeveys", "BeamWidth", 0, between(180, 5000), 380, "Uuman leveys", Min));
    add(box(B, "txtVasenLeuankorkeus", "LeftLedgeHeight", 0, between(0, ConcreteBeamHeightMaximum), 100,
            "Leuan korkeus, vasen"));
    add(box(B, "txtOikeaLeuankorkeus", "RightLedgeHeight", 0, between(0, ConcreteBeamHeightMaximum), 100,
            "Leuan korkeus, oikea"));
    add(box(B, "txtVasenleuka", "LeftLedgeDepth", 0, between(0, LedgeMaximum), {}, "Leuka, vasen", Def));
    add(box(B, "txtOikealeuka", "RightLedgeDepth", 0, between(0, LedgeMaximum), {}, "Leuka, oikea", Def));

    // The Kvatro beam: the window shows bar diameters and the width between
    // the webs, from which the model's areas and bottom width follow (no
    // field of their own).
    const std::string_view Q = "frmKvatropalkki";
    add(box(Q, "cboTayttobetoni", "BeamConcreteClass", 0, between(20, 80), 30, "Betoni"));
    add(box(Q, "txth", "BeamHeight", 0, between(100, 1000), {}, "Palkin korkeus", Def));
    add(box(Q, "txttw", "WebThickness", 0, between(5, 8), 5, "Uuman paksuus"));
    add(box(Q, "txthfala", "BottomFlangeThickness", 0, between(6, 20), 6, "Pohjalevyn paksuus"));
    add(box(Q, "txtUala", "", 0, between(190, 500), 240, "Uumien väli"));
    add(box(Q, "txtVasenlaippa", "LeftLedgeWidth", 0, between(0, LedgeMaximum), {}, "Leuka, vasen", Def));
    add(box(Q, "txtOikealaippa", "RightLedgeWidth", 0, between(0, LedgeMaximum), {}, "Leuka, oikea", Def));
    add(box(Q, "txtAlaRaudLkm", "BarsInRow", 1, between(2, 10), 2));
    add(box(Q, "txtYlaRaudLkm", "BarsInRow", 2, between(2, 10), 2));
    add(box(Q, "txtAlaRaudA", "", 1, between(16, 32), 32, "Alareunan raudoitteen halkaisija"));
    add(box(Q, "txtYlaRaudA", "", 2, between(16, 32), 32, "Yläreunan raudoitteen halkaisija"));
    add(box(Q, "txtAlaRaudDist", "BarDistanceFromBottom", 1, between(8, 1000), 48, "Alareunan raudoitteen etäisyys",
            Max));
    add(box(Q, "txtYlaRaudDist", "BarDistanceFromBottom", 2, between(0, 1000), 217, "Yläreunan raudoitteen etäisyys",
            Min | Max));
    add(box(Q, "txtTeraslujuus", "SteelStrength", 0, between(220, 700), 355));
    add(box(Q, "txtRaud_kimmo", "ReinforcementModulus", 0, between(150000, 210000), 210000));
    add(box(Q, "txtRaud_lujuus", "ReinforcementStrength", 0, between(200, 1800), 355, BarOrStrandStrengthName));

    // The prestressed beams on a steel plate (LBL and Super).
    for (std::string_view form : {std::string_view("FrmKemo"), std::string_view("FrmSuperpalkki")}) {
        add(box(form, "cboBetoni", "BeamConcreteClass", 0, between(40, 100), 80, "Betoni"));
        add(box(form, "txthfala", "BottomFlangeThickness", 0, between(6, 16), 8, "Alalaipan paksuus"));
        add(box(form, "txtAlalaippaLujuus", "SteelStrength", 0, between(220, 700), 355));
        add(box(form, "txt_Janne_kimmo", "ReinforcementModulus", 0, between(180000, 210000), 195000));
        add(box(form, "txt_Janne_lujuus", "ReinforcementStrength", 0, between(1400, 1800), 1630, StrandStrengthName));
        add(box(form, "txt_ypRaud_kimmo", "TopRebarModulus", 0, between(180000, 210000), 200000));
        add(box(form, "txt_ypRaud_lujuus", "TopRebarStrength", 0, between(200, 1800), 500, BarOrStrandStrengthName));
        add(box(form, "txtJanneLkm", "BarsInRow", -1, between(2, BarsInRowMaximum), 9));
        add(box(form, "txtJanneA", "BarArea", -1, between(10, 2500), 100));
        add(box(form, "txtEsijannitys", "BarPrestress", -1, between(0, 1300), 1100));
        add(box(form, "txt_ypRaudLkm", "TopBarsInRow", -1, between(2, BarsInRowMaximum), 4));
        add(box(form, "txt_ypRaudA", "TopBarArea", -1, between(10, 2500), 314));
    }
    add(box("FrmKemo", "cboh", "BeamHeight", 0, between(150, 500), {}, "Palkin korkeus", Def));
    add(box("FrmKemo", "cboBala", "", 0, between(180, 1000), 480, "Alaleveys"));
    add(box("FrmSuperpalkki", "cbobwbeam", "BeamWidth", 0, between(200, 1000), 600, "Uuman leveys"));
    add(box("FrmSuperpalkki", "cboh", "BeamHeight", 0, between(150, 500), 240, "Palkin korkeus"));
    add(box("FrmSuperpalkki", "cboLaippa1", "AngleSteelHeight", 0, between(50, 150), 110, "Kulmateräs"));
    add(box("FrmSuperpalkki", "txtBYla", "TopFlangeWidth", 0, between(10, 100), 50, "Ylälaipan leveys"));
    add(box("FrmSuperpalkki", "txthfYla", "TopFlangeThickness", 0, between(4, 10), 5, "Ylälaipan paksuus"));
    addSectionBoxes(v);
    // The reinforced rows' own defaults.
    for (std::string_view form : {R, B}) {
        add(box(form, "txtRaudA", "BarArea", -1, between(10, 2500), 93));
        add(box(form, "txtEsijannitys", "BarPrestress", -1, between(0, 1300), 1000));
    }
    return v;
}

const std::vector<FieldLimit>& fieldTable() {
    static const std::vector<FieldLimit> t = makeFieldLimits();
    return t;
}

// A box takes whole numbers when its field holds them (the row number
// boxes, which have no field, are marked where they are made).
std::vector<BoxLimit> withWholeNumbers(std::vector<BoxLimit> v) {
    for (BoxLimit& b : v) {
        const int element = b.element < 0 ? -1 : b.element;
        bool whole = false;
        for (const FieldLimit& f : fieldTable())
            if (f.field == b.field && (element < 0 || (element >= f.firstElement && element <= f.lastElement)))
                whole = whole || f.whole;
        b.whole = b.whole || whole;
    }
    return v;
}

// The names of the boxes in the messages of an English window that the
// table of field names (field_names.*) does not give. A name ending in a
// side or an end ("Saumavalu, vasen") is its field's name and the side's
// word.
constexpr std::pair<std::string_view, std::string_view> kEnglishNames[] = {
    // the partial factors, as their captions in the two languages
    {"Pysyvän kuorman varmuuskerroin", "Partial safety factor of permanent load"},
    {"Muuttuvan kuorman varmuuskerroin", "Partial safety factor of variable load"},
    {"Lisävarmuuskerroin", "Additional safety factor"},
    {"Ontelolaattabetonin vetolujuuden kerroin", "Factor of the tensile strength of the hollow-core slab concrete"},
    {"Sallittu halkeaman leveys", "Allowed crack width"},
    {"Vasemman ontelolaatan omanpainon varmuuskerroin", "Partial safety factor of the self weight of the left hollow-core slab"},
    {"Oikean ontelolaatan omanpainon varmuuskerroin", "Partial safety factor of the self weight of the right hollow-core slab"},
    {"Hyötykuorman yhdistelykerroin tavallisessa kuormayhdistelmässä psii1", "Combination factor of the imposed load in the frequent load combination psii1"},
    {"Palkkivälit alkupäässä", "Beam spacing at the start"},
    {"Palkkivälit loppupäässä", "Beam spacing at the end"},
    {"Pysyvä hyötykuorma", "Permanent imposed load"},
    {"Muuttuva hyötykuorma", "Variable imposed load"},
    {"Rako", "Gap"},
    {"Ontelotäyttö", "Core filling"},
    {"Saumavalu", "Joint grout"},
    {"Tukipituus", "Bearing length"},
    {"Ensimmäisen sauman etäisyys palkin tuelta", "Distance of the first joint from the beam support"},
    {"Pintabetonin paksuus", "Topping thickness"},
    {"Pintabetonin raudoitus", "Topping reinforcement"},
    {"Raudoituksen myötölujuus", "Yield strength of reinforcement"},
    {"Saumavalun betoni", "Joint grout concrete"},
    {"Pintabetoni", "Topping concrete"},
    {"Punosten alkujännitys", "Initial strand stress"},
    {"Jännityshäviö", "Prestress loss"},
    {"Ontelolaatan betoni", "Slab concrete"},
    {"Laataston reuna alkupäässä", "Slab field edge at the beam start"},
    {"Laataston reuna loppupäässä", "Slab field edge at the beam end"},
    {"Reikä 1 X", "Hole 1 X"},
    {"Reikä 1 B", "Hole 1 B"},
    {"Reikä 1 Y", "Hole 1 Y"},
    {"Reikä 1 A", "Hole 1 A"},
    {"Reikä 2 X", "Hole 2 X"},
    {"Reikä 2 B", "Hole 2 B"},
    {"Reikä 2 Y", "Hole 2 Y"},
    {"Reikä 2 A", "Hole 2 A"},
    {"Pysyvä viivakuorma alussa", "Permanent line load at its start"},
    {"Pysyvä viivakuorma lopussa", "Permanent line load at its end"},
    {"Pysyvä viivakuorma x", "Permanent line load x"},
    {"Pysyvä viivakuorma L", "Permanent line load L"},
    {"Muuttuva viivakuorma alussa", "Variable line load at its start"},
    {"Muuttuva viivakuorma lopussa", "Variable line load at its end"},
    {"Muuttuva viivakuorma x", "Variable line load x"},
    {"Muuttuva viivakuorma L", "Variable line load L"},
    {"Pistekuormien määrä", "Number of point loads"},
    {"Pistekuorma no", "Point load no."},
    {"Pistekuormien lkm", "Number of point loads"},
    {"Viivakuormien lkm", "Number of line loads"},
    {"Pistekuorma nro", "Point load no."},
    {"Viivakuorma nro", "Line load no."},
    {"Kfi", "Consequence class factor Kfi"},
    {"Tukimomentti ennen saumausta", "Support moment before joint grouting"},
    {"Tukimomentti ennen pintabetonin kovettumista", "Support moment before the topping has hardened"},
    {"Tukimomentti pysyvästä kuormasta", "Support moment from permanent load"},
    {"Tukimomentti muuttuvasta kuormasta", "Support moment from variable load"},
    {"Betoni", "Concrete"},
    {"Uuman leveys", "Web width"},
    {"Leuan korkeus", "Ledge height"},
    {"Leuka", "Ledge"},
    {"Pohjalevyn paksuus", "Bottom plate thickness"},
    {"Uumien väli", "Distance between the webs"},
    {"Alareunan raudoitteen halkaisija", "Diameter of the bottom bars"},
    {"Yläreunan raudoitteen halkaisija", "Diameter of the top bars"},
    {"Alareunan raudoitteen etäisyys", "Distance of the bottom bars from the bottom"},
    {"Yläreunan raudoitteen etäisyys", "Distance of the top bars from the bottom"},
    {"Kulmateräs", "Angle steel"},
    {StrandStrengthName, StrandStrengthEnglishName},
    {BarOrStrandStrengthName, "Strength fyk, strands fp0.1k"},
};
constexpr std::pair<std::string_view, std::string_view> kEnglishSides[] = {
    {"vasen", "left"}, {"oikea", "right"}, {"alkupää", "start"}, {"loppupää", "end"}};

// A box named as a field of the table of names takes that field's English.
std::string_view englishOf(std::string_view finnish) {
    for (const auto& [fi, en] : kEnglishNames)
        if (fi == finnish) return en;
    return englishFieldName(finnish);
}

// Kept for the life of the program: the rows hold views of them.
std::string_view englishName(std::string_view finnish) {
    if (finnish.empty()) return {};
    if (std::string_view whole = englishOf(finnish); !whole.empty()) return whole;
    const std::size_t comma = finnish.rfind(", ");
    if (comma == std::string_view::npos) return {};
    const std::string_view base = englishOf(finnish.substr(0, comma));
    for (const auto& [fi, en] : kEnglishSides)
        if (!base.empty() && finnish.substr(comma + 2) == fi) {
            static std::vector<std::unique_ptr<std::string>> composed;
            composed.push_back(std::make_unique<std::string>(std::string(base) + ", " + std::string(en)));
            return *composed.back();
        }
    return {};
}

}  // namespace

std::string_view fieldUnit(std::string_view field) {
    struct Unit {
        std::string_view unit;
        std::initializer_list<std::string_view> fields;
    };
    static const Unit units[] = {
        {"mm",
         {"BeamSpan", "BeamSpacing", "OverallBeamHeight", "BeamHeight", "BeamWidth", "TopFlangeWidth",
          "TopFlangeThickness", "BottomFlangeWidth", "BottomFlangeThickness", "WebThickness", "LeftLedgeHeight",
          "RightLedgeHeight", "LeftLedgeDepth", "RightLedgeDepth", "LeftLedgeWidth", "RightLedgeWidth",
          "LBBottomWidth", "AngleSteelHeight", "LowerRecessHeight", "UpperRecessHeight", "InnerProfileWidth",
          "InnerProfileFlangeThickness", "InnerProfileHeight", "BoxPlateThickness", "BoxHeight", "CornerRadius",
          "WebHoleDiameter", "WebHoleEdgeDistance", "LowerHoleDiameter", "LowerHoleEdgeDistance", "ApalkkiHoleSize",
          "DowelWidth", "DowelHeight", "BarDistanceFromBottom", "TopBarDistanceFromTop", "SteelBeamBarDistance",
          "FirstJointDistance", "SlabFieldEdgeDistance1", "SlabFieldEdgeDistance2", "HoleX", "HoleWidthB", "HoleY",
          "HoleLengthA", "ToppingThickness", "SlabSupportLength", "SlabBottomGap", "JointGroutWidth",
          "CoreFillingLength", "SlabLineLoadY", "SlabPointLoadX", "SlabPointLoadY", "BeamLineLoadGX",
          "BeamLineLoadGLength", "BeamLineLoadQX", "BeamLineLoadQLength", "BeamPointLoadX", "AllowedCrackWidth"}},
        {"mm²", {"BarArea", "TopBarArea", "SteelBeamBarArea"}},
        {"mm²/m", {"ToppingReinforcementArea"}},
        {"MPa",
         {"SteelStrength", "SteelStrength2", "SteelStrength3", "ReinforcementModulus", "ReinforcementStrength",
          "BarPrestress", "TopRebarModulus", "TopRebarStrength", "TopBarPrestress", "SteelBeamRebarModulus",
          "SteelBeamRebarStrength", "SteelBeamBarPrestress", "StrandInitialStress", "ToppingReinforcementStrength"}},
        {"kN/m²", {"SlabImposedLoadPermanent", "SlabImposedLoadVariable"}},
        {"kN/m", {"SlabLineLoadG", "SlabLineLoadQ", "BeamLineLoadG1", "BeamLineLoadG2", "BeamLineLoadQ1",
                  "BeamLineLoadQ2"}},
        {"kN", {"SlabPointLoadG", "SlabPointLoadQ", "BeamPointLoad"}},
        {"kNm",
         {"SupportMomentStartBeforeGrouting", "SupportMomentEndBeforeGrouting", "SupportMomentStartBeforeTopping",
          "SupportMomentEndBeforeTopping", "SupportMomentStartPermanent", "SupportMomentEndPermanent",
          "SupportMomentStartVariable", "SupportMomentEndVariable"}},
    };
    for (const Unit& u : units)
        for (std::string_view f : u.fields)
            if (f == field) return u.unit;
    return {};
}

namespace {

// The English name and the unit of every box: a fraction shown as per
// cent in "%"; the Kvatro beam's boxes without a field of their own show
// millimetres (the width between the webs, the bar diameters).
std::vector<BoxLimit> withNamesAndUnits(std::vector<BoxLimit> v) {
    for (BoxLimit& b : v) {
        b.englishName = englishName(b.name);
        if (b.scale == 100) b.unit = "%";
        else if (!b.field.empty()) b.unit = fieldUnit(b.field);
        else if (b.form == "frmKvatropalkki") b.unit = "mm";
    }
    return v;
}

const std::vector<BoxLimit>& boxTable() {
    static const std::vector<BoxLimit> t = withNamesAndUnits(withWholeNumbers(makeBoxLimits()));
    return t;
}

std::string boundText(double v, char decimalMark) {
    char buffer[32];
    if (v == std::trunc(v) && std::fabs(v) < 1e15)
        std::snprintf(buffer, sizeof buffer, "%.0f", v);
    else
        std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(static_cast<float>(v)));
    std::string s = buffer;
    for (char& c : s)
        if (c == '.') c = decimalMark;
    return s;
}

}  // namespace

bool NumberRange::contains(double v) const {
    if (!std::isfinite(v)) return false;
    if (aboveMinimum ? !(v > minimum) : !(v >= minimum)) return false;
    return v <= maximum;
}

const FieldLimit* fieldLimit(std::string_view field, int element) {
    // The rows of each field, found by its name (every Calculate looks up
    // each value of the project).
    static const auto rowsByField = [] {
        std::unordered_map<std::string_view, std::vector<const FieldLimit*>> rows;
        for (const FieldLimit& f : fieldTable()) rows[f.field].push_back(&f);
        return rows;
    }();
    const auto rows = rowsByField.find(field);
    if (rows == rowsByField.end()) return nullptr;
    for (const FieldLimit* f : rows->second)
        if (element >= f->firstElement && element <= f->lastElement) return f;
    return nullptr;
}

bool withinFieldLimit(std::string_view field, int element, double value, bool middleBeam) {
    const FieldLimit* f = fieldLimit(field, element);
    if (!f) return NumberRange{}.contains(value);
    if (f->slabSideOnly && !middleBeam) return NumberRange{}.contains(value);
    if (f->whole && value != std::trunc(value)) return false;
    return f->range.contains(value);
}

std::string describeRange(const NumberRange& r, std::string_view unit, char decimalMark) {
    const std::string withUnit = unit.empty() ? std::string() : " " + std::string(unit);
    const std::string low = boundText(r.minimum, decimalMark), high = boundText(r.maximum, decimalMark);
    if (r.hasMinimum() && r.hasMaximum()) return (r.aboveMinimum ? "> " : "") + low + " ... " + high + withUnit;
    if (r.hasMinimum()) return (r.aboveMinimum ? "> " : "≥ ") + low + withUnit;
    if (r.hasMaximum()) return "≤ " + high + withUnit;
    return low + " ... " + high;
}

const BoxLimit* boxLimit(std::string_view form, std::string_view control) {
    const BoxLimit* shared = nullptr;
    for (const BoxLimit& b : boxTable()) {
        if (b.control != control) continue;
        if (b.form == form) return &b;
        if (b.form.empty()) shared = &b;
    }
    // A shared row serves the beam dialogs only.
    if (shared) {
        for (const BeamWindow& w : kBeamWindows)
            if (w.form == form) return shared;
    }
    return nullptr;
}

namespace {

bool isBeamWindow(std::string_view form) {
    for (const BeamWindow& w : kBeamWindows)
        if (w.form == form) return true;
    return false;
}

// r narrowed by the fixed bounds of the box (in the field's units).
void narrowByBox(NumberRange& r, const BoxLimit& b) {
    const double low = b.range.minimum / b.scale;
    const double high = b.range.maximum / b.scale;
    if (b.range.hasMinimum() && !has(b.computed, Computed::Minimum)) {
        if (low > r.minimum) {
            r.minimum = low;
            r.aboveMinimum = b.range.aboveMinimum;
        } else if (low == r.minimum) {
            r.aboveMinimum = r.aboveMinimum || b.range.aboveMinimum;
        }
    }
    if (b.range.hasMaximum() && !has(b.computed, Computed::Maximum) && high < r.maximum) r.maximum = high;
}

// projectFileRange worked out from the tables.
std::optional<NumberRange> fileRangeOf(std::string_view field, int element, std::optional<BeamFamily> family) {
    const FieldLimit* limit = fieldLimit(field, element);
    if (!limit) return std::nullopt;
    const std::string_view beamForm = family ? FamilyInfo(*family).dialog : std::string_view();
    // A row the beam dialog has for the field itself stands instead of the
    // rows every beam dialog shares for it (the LBL beam's strand boxes).
    bool beamFormHasOwnRow = false;
    for (const BoxLimit& b : boxTable())
        beamFormHasOwnRow = beamFormHasOwnRow || (!beamForm.empty() && b.form == beamForm && b.field == field);
    NumberRange r = limit->range;
    // The grout width boxes show the width the user sees at the joint; the
    // field holds it shifted by the edge joint, which may take it below 0.
    if (field == "JointGroutWidth") return r;
    for (const BoxLimit& b : boxTable()) {
        if (b.field != field || (b.element != element && b.element != -1)) continue;
        const bool applies = b.form.empty() ? !beamForm.empty() && !beamFormHasOwnRow
                                            : !isBeamWindow(b.form) || b.form == beamForm;
        if (applies) narrowByBox(r, b);
    }
    return r;
}

}  // namespace

std::optional<NumberRange> projectFileRange(std::string_view field, int element, std::optional<BeamFamily> family) {
    // Every Calculate reads the project through these ranges: each is
    // worked out from the tables once.
    const FieldLimit* limit = fieldLimit(field, element);
    if (!limit) return std::nullopt;
    // Keyed by the row, the element and the family's dialog (the families
    // without one share their ranges).
    const std::size_t window =
        family && !FamilyInfo(*family).dialog.empty() ? FamilyIndex(*family) : BeamFamilyCount;
    static std::mutex guard;
    static std::map<std::tuple<const FieldLimit*, int, std::size_t>, std::optional<NumberRange>> known;
    const std::lock_guard<std::mutex> lock(guard);
    const auto key = std::make_tuple(limit, element, window);
    if (auto it = known.find(key); it != known.end()) return it->second;
    return known.emplace(key, fileRangeOf(field, element, family)).first->second;
}

std::span<const BoxLimit> boxLimits() { return boxTable(); }
std::span<const FieldLimit> fieldLimits() { return fieldTable(); }

}  // namespace quorvel::model
