#include "app/geometry_checks.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace quorvel::app {
namespace {

constexpr const char* kCrLf = "\r\n";

// What every test of a family check sees.
struct CheckContext {
    const ProjectModel& m;
    bool middle;        // a middle beam: the left side is tested too
    float bearing1;     // slab bearing need, left and right
    float bearing2;
    double minSpacing;  // the narrowest beam spacing of the sides in use
};

// One test of a family check: the line is added when the condition holds.
struct Rule {
    bool (*holds)(const CheckContext&);
    const char* line;
};

// The highest row of a reinforcement group (0 without rows). A count
// outside the rows the model holds is taken at its nearest bound: a check
// only looks, it never fails.
double maxRow(int16_t count, const model::RowArray& distance) {
    double highest = 0.0;
    const int rows = std::clamp<int>(count, 0, 10);
    for (int r = 1; r <= rows; ++r) highest = std::max(highest, distance(r).number());
    return highest;
}

double minSpacing(const ProjectModel& m) {
    double smallest = m.BeamSpacing(2, 1);
    const int firstSide = m.IsMiddleBeam != 0 ? 1 : 2;
    for (int s = firstSide; s <= 2; ++s)
        for (int e = 1; e <= 2; ++e) smallest = std::min(smallest, m.BeamSpacing(s, e).number());
    return smallest;
}

// The bearing need against what each side offers (the left side only on a
// middle beam).
bool bearingExceeds(const CheckContext& c, double left, double right) {
    return (c.middle && c.bearing1 > left) || c.bearing2 > right;
}

// The bearing need across the beam top: both sides on a middle beam.
double widthNeed(const CheckContext& c) {
    return c.middle ? static_cast<double>(c.bearing1 + c.bearing2) : c.bearing2;
}

// The beam level B against the slab levels (slab thickness plus the gap
// under it): an edge beam within 10 mm of the right slab; a middle beam not
// more than 10 mm below or above both slabs. Skipped when a slab type is not
// in the catalogue.
bool slabLevelMismatch(const CheckContext& c, double beamLevel) {
    double level[3] = {0.0, 0.0, 0.0};
    for (int s = 1; s <= 2; ++s) {
        const auto& records = c.m.SlabCatalogue;
        const auto found = std::find_if(records.begin(), records.end(),
                                        [&](const model::SlabTypeRecord& r) {
                                            return r.Name == c.m.SlabTypeName(s);
                                        });
        if (found == records.end()) return false;
        level[s] = static_cast<double>(found->Thickness) + c.m.SlabBottomGap(s).number();
    }
    if (!c.middle) return level[2] + 10 < beamLevel || level[2] - 10 > beamLevel;
    return (level[1] - 10 > beamLevel && level[2] - 10 > beamLevel) ||
           (level[1] + 10 < beamLevel && level[2] + 10 < beamLevel);
}

// Runs the tests in order. When `stopAfterFirst`, the check ends after its
// first test whatever it found.
int16_t runRules(const CheckContext& c, std::initializer_list<Rule> rules, bool stopAfterFirst,
                 std::string& lines, bool emptyFirst = true) {
    if (emptyFirst) lines.clear();
    int16_t found = 0;
    bool first = true;
    for (const Rule& rule : rules) {
        if (rule.holds(c)) {
            lines += std::string(rule.line) + kCrLf;
            found = 1;
        }
        if (first && stopAfterFirst) break;
        first = false;
    }
    return found;
}

CheckContext contextOf(const ProjectModel& m, float bearing1, float bearing2) {
    return CheckContext{m, m.IsMiddleBeam != 0, bearing1, bearing2, minSpacing(m)};
}

bool isTrue(int16_t flag) { return flag == -1; }
bool isTrue(float flag) { return std::nearbyint(flag) == -1.0f; }

constexpr const char* kSpacingLine = "- Palkin leveys <=> palkkivälit.";
constexpr const char* kLedgeLine = "- Palkin leuka <=> saumavalu + tukipituus.";
constexpr const char* kWidthLine = "- Palkin leveys <=> saumavalut + tukipituudet.";
constexpr const char* kRebarLine = "- Palkin korkeus <=> raudoitteiden sijoitus.";
constexpr const char* kStrandLine = "- Palkin korkeus <=> jänneterästen sijoitus.";
constexpr const char* kTopRebarLine = "- Palkin korkeus <=> yläpinnan raudoitteiden sijoitus.";
constexpr const char* kSlabLevelLine = "- Palkin korkeus <=> laattojen korkeus.";
constexpr const char* kRadiusLine = "- Pyöristys säde <=> laippojen väli ja leveys.";

// Ledge test of the families whose slabs bear on LeftLedgeWidth / RightLedgeWidth.
bool ledgeWidthTooSmall(const CheckContext& c) {
    return bearingExceeds(c, c.m.LeftLedgeWidth, c.m.RightLedgeWidth);
}
bool spacingBelowBottomFlange(const CheckContext& c) { return c.minSpacing < c.m.BottomFlangeWidth; }
bool steelRebarAboveTopFlange(const CheckContext& c) {
    return maxRow(c.m.SteelBeamRebarRowCount, c.m.SteelBeamBarDistance) >
           c.m.BeamHeight - c.m.TopFlangeThickness;
}
bool strandsAboveBeamTop(const CheckContext& c) {
    return maxRow(c.m.ReinforcementRowCount, c.m.BarDistanceFromBottom) > c.m.BeamHeight - 20;
}
bool topRebarBelowBeam(const CheckContext& c) {
    return maxRow(c.m.TopRebarRowCount, c.m.TopBarDistanceFromTop) > c.m.BeamHeight - 20;
}
bool rebarAboveOverallHeight(const CheckContext& c) {
    return maxRow(c.m.ReinforcementRowCount, c.m.BarDistanceFromBottom) + 30 >
           c.m.OverallBeamHeight;
}

bool slabsOffBeamHeight(const CheckContext& c) { return slabLevelMismatch(c, c.m.BeamHeight); }

// HQ and CWQ: the ledge is what the bottom plate reaches beyond the two webs.
bool boxLedgeTooSmall(const CheckContext& c) {
    const double reach =
        (c.m.BottomFlangeWidth - c.m.TopFlangeWidth) - 2 * c.m.WebThickness.number();
    const double ledge = c.middle ? reach / 2 : reach - 10;
    return bearingExceeds(c, ledge, ledge);
}

int16_t checkBox(const ProjectModel& m, int16_t supportOnly, float bearing1, float bearing2,
                 std::string& lines) {
    return runRules(contextOf(m, bearing1, bearing2),
                    {{boxLedgeTooSmall, kLedgeLine}, {spacingBelowBottomFlange, kSpacingLine}},
                    isTrue(supportOnly), lines);
}

// Bearing from the model, for the checks that take none from their caller.
CheckContext contextWithModelBearing(const ProjectModel& m) {
    return contextOf(m, SlabBearingNeed(m, 1), SlabBearingNeed(m, 2));
}

}  // namespace

bool SlabLevelMismatch(const ProjectModel& m, double beamLevel) {
    return slabLevelMismatch(contextOf(m, 0.0f, 0.0f), beamLevel);
}

float SlabBearingNeed(const ProjectModel& m, int side) {
    return static_cast<float>(m.SlabSupportLength(side).number()) +
           static_cast<float>(m.JointGroutWidth(side).number());
}

int16_t CheckLedgeBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                               float bearing2, std::string& lines) {
    return runRules(
        contextOf(m, bearing1, bearing2),
        {{[](const CheckContext& c) {
              return bearingExceeds(c, c.m.LeftLedgeDepth, c.m.RightLedgeDepth);
          },
          "- Palkin leuka <=> saumavalut + tukipituudet."},
         {[](const CheckContext& c) {
              return c.minSpacing < c.m.LeftLedgeDepth + c.m.BeamWidth + c.m.RightLedgeDepth;
          },
          kSpacingLine},
         {rebarAboveOverallHeight, kRebarLine},
         {[](const CheckContext& c) {
              return std::max(c.m.LeftLedgeHeight.number(), c.m.RightLedgeHeight.number()) >
                     c.m.OverallBeamHeight;
          },
          "- Palkin korkeus <=> leuan korkeus."}},
        isTrue(supportOnly), lines);
}

int16_t CheckDeltaBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                               float bearing2, std::string& lines) {
    return runRules(
        contextOf(m, bearing1, bearing2),
        {{ledgeWidthTooSmall, kLedgeLine},
         {[](const CheckContext& c) {
              return c.minSpacing <
                     c.m.LeftLedgeWidth + c.m.BottomFlangeWidth + c.m.RightLedgeWidth;
          },
          kSpacingLine},
         {[](const CheckContext& c) { return c.m.TopFlangeWidth + 120 > c.m.BottomFlangeWidth; },
          "- Palkin ylälaippa <=> palkin alalaippa."},
         {steelRebarAboveTopFlange, kRebarLine},
         {[](const CheckContext& c) {
              // The slanted web's length against the hole and its edge distance.
              const float w = static_cast<float>(
                  (c.m.BottomFlangeWidth - c.m.TopFlangeWidth) / 2);
              const float h = static_cast<float>(c.m.BeamHeight.number());
              const float s = std::sqrt(w * w + h * h);
              return s < c.m.WebHoleEdgeDistance + c.m.WebHoleDiameter;
          },
          "- Palkin korkeus <=> reikä."}},
        isTrue(supportOnly), lines);
}

int16_t CheckSuperBeamGeometry(const ProjectModel& m, int16_t, float, float, std::string& lines) {
    return runRules(
        contextWithModelBearing(m),
        {{[](const CheckContext& c) {
              return bearingExceeds(c, c.m.LeftLedgeWidth - c.m.BottomFlangeThickness,
                                    c.m.RightLedgeWidth - c.m.BottomFlangeThickness);
          },
          kLedgeLine},
         {[](const CheckContext& c) {
              return c.minSpacing < c.m.LeftLedgeWidth + c.m.BeamWidth + c.m.RightLedgeWidth;
          },
          kSpacingLine},
         {[](const CheckContext& c) {
              return maxRow(c.m.ReinforcementRowCount, c.m.BarDistanceFromBottom) >
                     c.m.LeftLedgeWidth - 20;
          },
          kStrandLine},
         {[](const CheckContext& c) {
              return maxRow(c.m.TopRebarRowCount, c.m.TopBarDistanceFromTop) >
                     c.m.LeftLedgeWidth - 20;
          },
          kRebarLine},
         {[](const CheckContext& c) { return slabLevelMismatch(c, c.m.BeamHeight + 20); },
          kSlabLevelLine}},
        false, lines);
}

int16_t CheckKvatroBeamGeometry(const ProjectModel& m, int16_t, float, float, std::string& lines) {
    return runRules(contextWithModelBearing(m),
                    {{ledgeWidthTooSmall, kLedgeLine},
                     {spacingBelowBottomFlange, kSpacingLine},
                     {[](const CheckContext& c) {
                          // Only row 2 (the top bars) is examined.
                          const double d = c.m.BarDistanceFromBottom(2) > 0
                                               ? c.m.BarDistanceFromBottom(2).number()
                                               : 0.0;
                          return d > c.m.BeamHeight - 20;
                      },
                      kRebarLine}},
                    false, lines);
}

int16_t CheckHqBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                            float bearing2, std::string& lines) {
    return checkBox(m, supportOnly, bearing1, bearing2, lines);
}

int16_t CheckCwqBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                             float bearing2, std::string& lines) {
    return checkBox(m, supportOnly, bearing1, bearing2, lines);
}

int16_t CheckHxBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                            float bearing2, std::string& lines) {
    return runRules(
        contextOf(m, bearing1, bearing2),
        {{ledgeWidthTooSmall, kLedgeLine},
         {[](const CheckContext& c) {
              return c.m.TopFlangeWidth >
                     c.m.BottomFlangeWidth - c.m.LeftLedgeWidth - c.m.RightLedgeWidth;
          },
          "- Palkin ylälaipan leveys <=> palkin alalaipan leveys ja leuat."},
         {spacingBelowBottomFlange, kSpacingLine},
         {steelRebarAboveTopFlange, kRebarLine},
         {[](const CheckContext& c) {
              const double w = (c.m.BottomFlangeWidth - c.m.TopFlangeWidth -
                                c.m.LeftLedgeWidth - c.m.RightLedgeWidth) / 2;
              const double s = std::sqrt(w * w + c.m.BeamHeight * c.m.BeamHeight) / 2;
              return s < c.m.WebHeight;
          },
          "- Palkin korkeus <=> uuman ehjänosan korkeus."}},
        isTrue(supportOnly), lines, /*emptyFirst=*/false);
}

int16_t CheckLblBeamGeometry(const ProjectModel& m, float supportOnly, float bearing1,
                             float bearing2, std::string& lines) {
    return runRules(
        contextOf(m, bearing1, bearing2),
        {{ledgeWidthTooSmall, kLedgeLine},
         {spacingBelowBottomFlange, kSpacingLine},
         {[](const CheckContext& c) {
              return maxRow(c.m.ReinforcementRowCount, c.m.BarDistanceFromBottom) >
                     c.m.BeamHeight + c.m.BottomFlangeThickness - 20;
          },
          kStrandLine},
         {topRebarBelowBeam, kTopRebarLine},
         {slabsOffBeamHeight, kSlabLevelLine}},
        isTrue(supportOnly), lines);
}

int16_t CheckKemoBeamGeometry(const ProjectModel& m, float supportOnly, float bearing1,
                              float bearing2, std::string& lines) {
    return runRules(
        contextOf(m, bearing1, bearing2),
        {{ledgeWidthTooSmall, kLedgeLine},
         {[](const CheckContext& c) {
              return c.minSpacing < c.m.LeftLedgeWidth + c.m.LBBottomWidth + c.m.RightLedgeWidth;
          },
          kSpacingLine},
         {strandsAboveBeamTop, kStrandLine},
         {topRebarBelowBeam, kTopRebarLine},
         {slabsOffBeamHeight, kSlabLevelLine}},
        isTrue(supportOnly), lines);
}

int16_t CheckMekBeamGeometry(const ProjectModel& m, float supportOnly, float bearing1,
                             float bearing2, std::string& lines) {
    return runRules(
        contextOf(m, bearing1, bearing2),
        {{ledgeWidthTooSmall, kLedgeLine},
         {spacingBelowBottomFlange, kSpacingLine},
         {[](const CheckContext& c) {
              return std::max(c.m.TopFlangeWidth.number(), c.m.InnerProfileWidth.number()) >
                     c.m.BottomFlangeWidth - c.m.LeftLedgeWidth - c.m.RightLedgeWidth;
          },
          "- I-profilin leveys <=> alalaipan leveys ja leuat."},
         {steelRebarAboveTopFlange, kRebarLine},
         {[](const CheckContext& c) { return c.m.BeamHeight < c.m.InnerProfileHeight; },
          "- Palkin korkeus <=> I-profiilin korkeus."},
         {[](const CheckContext& c) { return c.m.BoxHeight > c.m.BeamHeight; },
          "- Palkin korkeus <=> korokekotelon korkeus."},
         {[](const CheckContext& c) {
              return c.m.InnerProfileHeight <
                     c.m.TopFlangeThickness + c.m.InnerProfileFlangeThickness;
          },
          "- I-profiilin korkeus <=> I-profiilin ylä- ja alalaipan paksuus."},
         {[](const CheckContext& c) {
              return c.m.WebThickness > c.m.TopFlangeWidth ||
                     c.m.WebThickness > c.m.InnerProfileWidth;
          },
          "- I-profiilin leveys <=> uuman paksuus."},
         {[](const CheckContext& c) {
              const double r = c.m.CornerRadius;
              return r > (c.m.InnerProfileHeight - c.m.TopFlangeThickness -
                          c.m.InnerProfileFlangeThickness) / 2 ||
                     r > (c.m.InnerProfileWidth - c.m.WebThickness) / 2 ||
                     r > (c.m.TopFlangeWidth - c.m.WebThickness) / 2;
          },
          kRadiusLine}},
        isTrue(supportOnly), lines);
}

int16_t CheckPlainBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                               float bearing2, std::string& lines) {
    return runRules(contextOf(m, bearing1, bearing2),
                    {{[](const CheckContext& c) { return widthNeed(c) > c.m.BeamWidth; },
                      kWidthLine},
                     {[](const CheckContext& c) { return c.minSpacing < c.m.BeamWidth; },
                      kSpacingLine},
                     {rebarAboveOverallHeight, kRebarLine}},
                    isTrue(supportOnly), lines);
}

int16_t CheckIBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                           float bearing2, std::string& lines) {
    return runRules(
        contextOf(m, bearing1, bearing2),
        {{[](const CheckContext& c) { return widthNeed(c) > c.m.BottomFlangeWidth; }, kWidthLine},
         {spacingBelowBottomFlange, kSpacingLine},
         {[](const CheckContext& c) {
              return maxRow(c.m.ReinforcementRowCount, c.m.BarDistanceFromBottom) + 30 >
                     c.m.BottomFlangeThickness + c.m.LowerRecessHeight;
          },
          kRebarLine}},
        isTrue(supportOnly), lines);
}

int16_t CheckTiBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                            float bearing2, std::string& lines) {
    return runRules(
        contextOf(m, bearing1, bearing2),
        {{[](const CheckContext& c) { return widthNeed(c) > c.m.TopFlangeWidth; }, kWidthLine},
         {[](const CheckContext& c) {
              return c.minSpacing < c.m.TopFlangeWidth || c.minSpacing < c.m.BottomFlangeWidth;
          },
          kSpacingLine},
         {[](const CheckContext& c) {
              return c.m.WebThickness > c.m.TopFlangeWidth ||
                     c.m.WebThickness > c.m.BottomFlangeWidth;
          },
          "- Laipan leveys <=> uuman paksuus."},
         {[](const CheckContext& c) {
              return c.m.TopFlangeThickness + c.m.BottomFlangeThickness > c.m.BeamHeight;
          },
          "- Laippojen paksuus <=> palkin korkeus."},
         {[](const CheckContext& c) {
              const double r = c.m.CornerRadius;
              return r > (c.m.BeamHeight - c.m.TopFlangeThickness - c.m.BottomFlangeThickness) / 2 ||
                     r > (c.m.BottomFlangeWidth - c.m.WebThickness) / 2 ||
                     r > (c.m.TopFlangeWidth - c.m.WebThickness) / 2;
          },
          kRadiusLine}},
        isTrue(supportOnly), lines);
}

int16_t CheckLoadPositions(const ProjectModel& m, std::string& lines, float span) {
    lines.clear();
    bool beyond = m.BeamLineLoadGX + m.BeamLineLoadGLength > span ||
                  m.BeamLineLoadQX + m.BeamLineLoadQLength > span;
    const int count = std::clamp<int>(m.BeamPointLoadCount, 0, 5);
    for (int p = 1; p <= count; ++p) beyond = beyond || m.BeamPointLoadX(p) > span;
    if (!beyond) return 0;
    lines = std::string("- Palkin kuormien sijoitus <=> palkin pituus.") + kCrLf;
    return 1;
}

int16_t CheckHolePositions(const ProjectModel& m, std::string& lines, float span,
                           const model::SideEndSingleArray& spacing) {
    lines.clear();
    bool beyondBeam = false;
    bool beyondSlab = false;
    for (int s = 1; s <= 2; ++s) {
        const int holes = std::clamp<int>(m.HoleCount(s), 0, 2);
        for (int h = 1; h <= holes; ++h) {
            const float x1 = static_cast<float>(m.HoleX(s, h).number());
            const float x2 = static_cast<float>(m.HoleX(s, h) + m.HoleWidthB(s, h));
            if (x2 > span) beyondBeam = true;
            // The slab span runs linearly from the spacing at the beam start to
            // that at its end; a beam of no length has its start spacing.
            auto slabSpan = [&](float x) {
                const float ratio = span != 0.0f ? x / span : 0.0f;
                return spacing(s, 1) + (spacing(s, 2) - spacing(s, 1)) * ratio;
            };
            const double reach = m.HoleY(s, h) + m.HoleLengthA(s, h);
            if (reach > slabSpan(x1) || reach > slabSpan(x2)) beyondSlab = true;
        }
    }
    if (beyondBeam) lines = std::string("- Reikien sijainti <=> palkin pituus.") + kCrLf;
    if (beyondSlab) lines += std::string("- Reikien sijainti <=> palkivälit.") + kCrLf;
    return beyondBeam || beyondSlab ? 1 : 0;
}

void CollectInputContradictions(const ProjectModel& m, std::string& lines, int16_t& found) {
    lines.clear();
    found = 0;
    const std::string code = m.BeamTypeName.substr(0, 2);  // as it stands: case matters
    const float bearing1 = SlabBearingNeed(m, 1);
    const float bearing2 = SlabBearingNeed(m, 2);

    using IntCheck = int16_t (*)(const ProjectModel&, int16_t, float, float, std::string&);
    using SingleCheck = int16_t (*)(const ProjectModel&, float, float, float, std::string&);
    struct FamilyCheck {
        const char* code;
        IntCheck intCheck;
        SingleCheck singleCheck;
    };
    static constexpr FamilyCheck kFamilies[] = {
        {"BL", CheckLedgeBeamGeometry, nullptr}, {"JA", CheckLedgeBeamGeometry, nullptr},
        {"DE", CheckDeltaBeamGeometry, nullptr}, {"LB", nullptr, CheckLblBeamGeometry},
        {"KE", nullptr, CheckKemoBeamGeometry},  {"ME", nullptr, CheckMekBeamGeometry},
        {"TI", CheckTiBeamGeometry, nullptr},    {"HQ", CheckHqBeamGeometry, nullptr},
        {"BE", CheckSuperBeamGeometry, nullptr}, {"KV", CheckKvatroBeamGeometry, nullptr},
        {"BI", CheckIBeamGeometry, nullptr},     {"CW", CheckCwqBeamGeometry, nullptr},
    };
    std::string familyLines;
    int16_t familyFound = 0;
    const auto family = std::find_if(std::begin(kFamilies), std::end(kFamilies),
                                     [&](const FamilyCheck& f) { return code == f.code; });
    if (family == std::end(kFamilies))
        familyFound = CheckPlainBeamGeometry(m, 0, bearing1, bearing2, familyLines);
    else if (family->intCheck)
        familyFound = family->intCheck(m, 0, bearing1, bearing2, familyLines);
    else
        familyFound = family->singleCheck(m, 0.0f, bearing1, bearing2, familyLines);
    if (familyFound == 1) {
        lines = familyLines;
        found = 1;
    }

    const float span = static_cast<float>(m.BeamSpan.number());
    std::string more;
    if (CheckLoadPositions(m, more, span) == 1) {
        lines += more;
        found = 1;
    }
    model::SideEndSingleArray spacing;
    for (int s = 1; s <= 2; ++s)
        for (int e = 1; e <= 2; ++e) spacing(s, e) = static_cast<float>(m.BeamSpacing(s, e).number());
    if (CheckHolePositions(m, more, span, spacing) == 1) {
        lines += more;
        found = 1;
    }
    if (m.ToppingThickness < 0.0011 && m.ToppingReinforcementArea > 0.0011) {
        lines += std::string("- Pintabetonin paksuus 0 <=> pintabetonin raudoitus.") + kCrLf;
        found = 1;
    }
}

}  // namespace quorvel::app
