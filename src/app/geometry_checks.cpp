#include "app/geometry_checks.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "app/language.h"
#include "runtime/number_text.h"

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
    Contradiction line;
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
            lines += ContradictionLine(rule.line, c.m.LanguageIndex);
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

// Every line of a contradiction list, in Finnish and in English, by its
// name; the texts hold neither the leading "- " nor the CR LF.
struct LineText {
    Contradiction line;
    const char* finnish;
    const char* english;
};

constexpr LineText kLineTexts[] = {
    {Contradiction::WidthSpacings, "Palkin leveys <=> palkkivälit.", "Beam width <=> beam spacings."},
    {Contradiction::LedgeGroutSupport, "Palkin leuka <=> saumavalu + tukipituus.",
     "Beam ledge <=> joint grout + support length."},
    {Contradiction::LedgeGroutsSupports, "Palkin leuka <=> saumavalut + tukipituudet.",
     "Beam ledge <=> joint grouts + support lengths."},
    {Contradiction::WidthGroutsSupports, "Palkin leveys <=> saumavalut + tukipituudet.",
     "Beam width <=> joint grouts + support lengths."},
    {Contradiction::HeightRebars, "Palkin korkeus <=> raudoitteiden sijoitus.",
     "Beam height <=> position of the reinforcement."},
    {Contradiction::HeightStrands, "Palkin korkeus <=> jänneterästen sijoitus.",
     "Beam height <=> position of the prestressing steel."},
    {Contradiction::HeightTopRebars, "Palkin korkeus <=> yläpinnan raudoitteiden sijoitus.",
     "Beam height <=> position of the top reinforcement."},
    {Contradiction::HeightSlabLevels, "Palkin korkeus <=> laattojen korkeus.", "Beam height <=> level of the slabs."},
    {Contradiction::HeightLedgeHeight, "Palkin korkeus <=> leuan korkeus.", "Beam height <=> ledge height."},
    {Contradiction::TopBottomFlange, "Palkin ylälaippa <=> palkin alalaippa.",
     "Top flange of the beam <=> bottom flange of the beam."},
    {Contradiction::HeightHole, "Palkin korkeus <=> reikä.", "Beam height <=> web hole."},
    {Contradiction::TopFlangeBottomFlangeLedges, "Palkin ylälaipan leveys <=> palkin alalaipan leveys ja leuat.",
     "Width of the top flange <=> width of the bottom flange and the ledges."},
    {Contradiction::HeightSolidWeb, "Palkin korkeus <=> uuman ehjänosan korkeus.",
     "Beam height <=> height of the solid part of the web."},
    {Contradiction::ProfileWidthBottomFlangeLedges, "I-profilin leveys <=> alalaipan leveys ja leuat.",
     "Width of the I-section <=> width of the bottom flange and the ledges."},
    {Contradiction::HeightProfileHeight, "Palkin korkeus <=> I-profiilin korkeus.",
     "Beam height <=> height of the I-section."},
    {Contradiction::HeightBoxHeight, "Palkin korkeus <=> korokekotelon korkeus.",
     "Beam height <=> height of the raising box."},
    {Contradiction::ProfileHeightFlanges, "I-profiilin korkeus <=> I-profiilin ylä- ja alalaipan paksuus.",
     "Height of the I-section <=> thickness of its top and bottom flanges."},
    {Contradiction::ProfileWidthWeb, "I-profiilin leveys <=> uuman paksuus.",
     "Width of the I-section <=> web thickness."},
    {Contradiction::FlangeWidthWeb, "Laipan leveys <=> uuman paksuus.", "Flange width <=> web thickness."},
    {Contradiction::FlangesHeight, "Laippojen paksuus <=> palkin korkeus.",
     "Thickness of the flanges <=> beam height."},
    {Contradiction::RadiusFlanges, "Pyöristys säde <=> laippojen väli ja leveys.",
     "Corner radius <=> distance and width of the flanges."},
    {Contradiction::LoadsBeamLength, "Palkin kuormien sijoitus <=> palkin pituus.",
     "Position of the beam loads <=> beam length."},
    {Contradiction::LineLoadZeroLength,
     "Palkin viivakuorma <=> viivakuorman pituus 0: nollan pituinen viivakuorma ei vaikuta mihinkään palkin "
     "kohtaan; anna sen pituus, tai tyhjennä ruutu jänteen loppuosalle.",
     "Beam line load <=> line load length 0: a line load of zero length acts on no part of the beam; give its "
     "length, or empty the box for the rest of the span."},
    {Contradiction::SlabLoadsField, "Laataston kuormien sijainti <=> laataston rajat.",
     "Position of the slab loads <=> extent of the slab field."},
    {Contradiction::HolesBeamLength, "Reikien sijainti <=> palkin pituus.", "Position of the holes <=> beam length."},
    {Contradiction::HolesSpacings, "Reikien sijainti <=> palkivälit.", "Position of the holes <=> beam spacings."},
    {Contradiction::ToppingReinforcement, "Pintabetonin paksuus 0 <=> pintabetonin raudoitus.",
     "Topping thickness 0 <=> topping reinforcement."},
};

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
                    {{boxLedgeTooSmall, Contradiction::LedgeGroutSupport}, {spacingBelowBottomFlange, Contradiction::WidthSpacings}},
                    isTrue(supportOnly), lines);
}

// Bearing from the model, for the checks that take none from their caller.
CheckContext contextWithModelBearing(const ProjectModel& m) {
    return contextOf(m, SlabBearingNeed(m, 1), SlabBearingNeed(m, 2));
}

}  // namespace

std::string ContradictionLine(Contradiction line, int16_t languageIndex) {
    for (const LineText& t : kLineTexts)
        if (t.line == line) return "- " + byLanguage(languageIndex, t.finnish, t.english) + kCrLf;
    return {};
}

std::string ContradictionQuestion(const std::string& lines, const std::string& question, int16_t languageIndex) {
    return byLanguage(languageIndex, "Ristiriitaisuuksia lähtötiedoissa:", "Contradictions in the input data:") +
           kCrLf + kCrLf + lines + kCrLf + question;
}

std::string WarningTitle(int16_t languageIndex) { return byLanguage(languageIndex, "Varoitus!", "Warning!"); }

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
          Contradiction::LedgeGroutsSupports},
         {[](const CheckContext& c) {
              return c.minSpacing < c.m.LeftLedgeDepth + c.m.BeamWidth + c.m.RightLedgeDepth;
          },
          Contradiction::WidthSpacings},
         {rebarAboveOverallHeight, Contradiction::HeightRebars},
         {[](const CheckContext& c) {
              return std::max(c.m.LeftLedgeHeight.number(), c.m.RightLedgeHeight.number()) >
                     c.m.OverallBeamHeight;
          },
          Contradiction::HeightLedgeHeight}},
        isTrue(supportOnly), lines);
}

int16_t CheckDeltaBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                               float bearing2, std::string& lines) {
    return runRules(
        contextOf(m, bearing1, bearing2),
        {{ledgeWidthTooSmall, Contradiction::LedgeGroutSupport},
         {[](const CheckContext& c) {
              return c.minSpacing <
                     c.m.LeftLedgeWidth + c.m.BottomFlangeWidth + c.m.RightLedgeWidth;
          },
          Contradiction::WidthSpacings},
         {[](const CheckContext& c) { return c.m.TopFlangeWidth + 120 > c.m.BottomFlangeWidth; },
          Contradiction::TopBottomFlange},
         {steelRebarAboveTopFlange, Contradiction::HeightRebars},
         {[](const CheckContext& c) {
              // The slanted web's length against the hole and its edge distance.
              const float w = static_cast<float>(
                  (c.m.BottomFlangeWidth - c.m.TopFlangeWidth) / 2);
              const float h = static_cast<float>(c.m.BeamHeight.number());
              const float s = std::sqrt(w * w + h * h);
              return s < c.m.WebHoleEdgeDistance + c.m.WebHoleDiameter;
          },
          Contradiction::HeightHole}},
        isTrue(supportOnly), lines);
}

int16_t CheckSuperBeamGeometry(const ProjectModel& m, int16_t, float, float, std::string& lines) {
    return runRules(
        contextWithModelBearing(m),
        {{[](const CheckContext& c) {
              return bearingExceeds(c, c.m.LeftLedgeWidth - c.m.BottomFlangeThickness,
                                    c.m.RightLedgeWidth - c.m.BottomFlangeThickness);
          },
          Contradiction::LedgeGroutSupport},
         {[](const CheckContext& c) {
              return c.minSpacing < c.m.LeftLedgeWidth + c.m.BeamWidth + c.m.RightLedgeWidth;
          },
          Contradiction::WidthSpacings},
         {[](const CheckContext& c) {
              return maxRow(c.m.ReinforcementRowCount, c.m.BarDistanceFromBottom) >
                     c.m.LeftLedgeWidth - 20;
          },
          Contradiction::HeightStrands},
         {[](const CheckContext& c) {
              return maxRow(c.m.TopRebarRowCount, c.m.TopBarDistanceFromTop) >
                     c.m.LeftLedgeWidth - 20;
          },
          Contradiction::HeightRebars},
         {[](const CheckContext& c) { return slabLevelMismatch(c, c.m.BeamHeight + 20); },
          Contradiction::HeightSlabLevels}},
        false, lines);
}

int16_t CheckKvatroBeamGeometry(const ProjectModel& m, int16_t, float, float, std::string& lines) {
    return runRules(contextWithModelBearing(m),
                    {{ledgeWidthTooSmall, Contradiction::LedgeGroutSupport},
                     {spacingBelowBottomFlange, Contradiction::WidthSpacings},
                     {[](const CheckContext& c) {
                          // Only row 2 (the top bars) is examined.
                          const double d = c.m.BarDistanceFromBottom(2) > 0
                                               ? c.m.BarDistanceFromBottom(2).number()
                                               : 0.0;
                          return d > c.m.BeamHeight - 20;
                      },
                      Contradiction::HeightRebars}},
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
        {{ledgeWidthTooSmall, Contradiction::LedgeGroutSupport},
         {[](const CheckContext& c) {
              return c.m.TopFlangeWidth >
                     c.m.BottomFlangeWidth - c.m.LeftLedgeWidth - c.m.RightLedgeWidth;
          },
          Contradiction::TopFlangeBottomFlangeLedges},
         {spacingBelowBottomFlange, Contradiction::WidthSpacings},
         {steelRebarAboveTopFlange, Contradiction::HeightRebars},
         {[](const CheckContext& c) {
              const double w = (c.m.BottomFlangeWidth - c.m.TopFlangeWidth -
                                c.m.LeftLedgeWidth - c.m.RightLedgeWidth) / 2;
              const double s = std::sqrt(w * w + c.m.BeamHeight * c.m.BeamHeight) / 2;
              return s < c.m.WebHeight;
          },
          Contradiction::HeightSolidWeb}},
        isTrue(supportOnly), lines, /*emptyFirst=*/false);
}

int16_t CheckLblBeamGeometry(const ProjectModel& m, float supportOnly, float bearing1,
                             float bearing2, std::string& lines) {
    return runRules(
        contextOf(m, bearing1, bearing2),
        {{ledgeWidthTooSmall, Contradiction::LedgeGroutSupport},
         {spacingBelowBottomFlange, Contradiction::WidthSpacings},
         {[](const CheckContext& c) {
              return maxRow(c.m.ReinforcementRowCount, c.m.BarDistanceFromBottom) >
                     c.m.BeamHeight + c.m.BottomFlangeThickness - 20;
          },
          Contradiction::HeightStrands},
         {topRebarBelowBeam, Contradiction::HeightTopRebars},
         {slabsOffBeamHeight, Contradiction::HeightSlabLevels}},
        isTrue(supportOnly), lines);
}

int16_t CheckKemoBeamGeometry(const ProjectModel& m, float supportOnly, float bearing1,
                              float bearing2, std::string& lines) {
    return runRules(
        contextOf(m, bearing1, bearing2),
        {{ledgeWidthTooSmall, Contradiction::LedgeGroutSupport},
         {[](const CheckContext& c) {
              return c.minSpacing < c.m.LeftLedgeWidth + c.m.LBBottomWidth + c.m.RightLedgeWidth;
          },
          Contradiction::WidthSpacings},
         {strandsAboveBeamTop, Contradiction::HeightStrands},
         {topRebarBelowBeam, Contradiction::HeightTopRebars},
         {slabsOffBeamHeight, Contradiction::HeightSlabLevels}},
        isTrue(supportOnly), lines);
}

int16_t CheckMekBeamGeometry(const ProjectModel& m, float supportOnly, float bearing1,
                             float bearing2, std::string& lines) {
    return runRules(
        contextOf(m, bearing1, bearing2),
        {{ledgeWidthTooSmall, Contradiction::LedgeGroutSupport},
         {spacingBelowBottomFlange, Contradiction::WidthSpacings},
         {[](const CheckContext& c) {
              return std::max(c.m.TopFlangeWidth.number(), c.m.InnerProfileWidth.number()) >
                     c.m.BottomFlangeWidth - c.m.LeftLedgeWidth - c.m.RightLedgeWidth;
          },
          Contradiction::ProfileWidthBottomFlangeLedges},
         {steelRebarAboveTopFlange, Contradiction::HeightRebars},
         {[](const CheckContext& c) { return c.m.BeamHeight < c.m.InnerProfileHeight; },
          Contradiction::HeightProfileHeight},
         {[](const CheckContext& c) { return c.m.BoxHeight > c.m.BeamHeight; },
          Contradiction::HeightBoxHeight},
         {[](const CheckContext& c) {
              return c.m.InnerProfileHeight <
                     c.m.TopFlangeThickness + c.m.InnerProfileFlangeThickness;
          },
          Contradiction::ProfileHeightFlanges},
         {[](const CheckContext& c) {
              return c.m.WebThickness > c.m.TopFlangeWidth ||
                     c.m.WebThickness > c.m.InnerProfileWidth;
          },
          Contradiction::ProfileWidthWeb},
         {[](const CheckContext& c) {
              const double r = c.m.CornerRadius;
              return r > (c.m.InnerProfileHeight - c.m.TopFlangeThickness -
                          c.m.InnerProfileFlangeThickness) / 2 ||
                     r > (c.m.InnerProfileWidth - c.m.WebThickness) / 2 ||
                     r > (c.m.TopFlangeWidth - c.m.WebThickness) / 2;
          },
          Contradiction::RadiusFlanges}},
        isTrue(supportOnly), lines);
}

int16_t CheckPlainBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                               float bearing2, std::string& lines) {
    return runRules(contextOf(m, bearing1, bearing2),
                    {{[](const CheckContext& c) { return widthNeed(c) > c.m.BeamWidth; },
                      Contradiction::WidthGroutsSupports},
                     {[](const CheckContext& c) { return c.minSpacing < c.m.BeamWidth; },
                      Contradiction::WidthSpacings},
                     {rebarAboveOverallHeight, Contradiction::HeightRebars}},
                    isTrue(supportOnly), lines);
}

int16_t CheckIBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                           float bearing2, std::string& lines) {
    return runRules(
        contextOf(m, bearing1, bearing2),
        {{[](const CheckContext& c) { return widthNeed(c) > c.m.BottomFlangeWidth; }, Contradiction::WidthGroutsSupports},
         {spacingBelowBottomFlange, Contradiction::WidthSpacings},
         {[](const CheckContext& c) {
              return maxRow(c.m.ReinforcementRowCount, c.m.BarDistanceFromBottom) + 30 >
                     c.m.BottomFlangeThickness + c.m.LowerRecessHeight;
          },
          Contradiction::HeightRebars}},
        isTrue(supportOnly), lines);
}

int16_t CheckTiBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                            float bearing2, std::string& lines) {
    return runRules(
        contextOf(m, bearing1, bearing2),
        {{[](const CheckContext& c) { return widthNeed(c) > c.m.TopFlangeWidth; }, Contradiction::WidthGroutsSupports},
         {[](const CheckContext& c) {
              return c.minSpacing < c.m.TopFlangeWidth || c.minSpacing < c.m.BottomFlangeWidth;
          },
          Contradiction::WidthSpacings},
         {[](const CheckContext& c) {
              return c.m.WebThickness > c.m.TopFlangeWidth ||
                     c.m.WebThickness > c.m.BottomFlangeWidth;
          },
          Contradiction::FlangeWidthWeb},
         {[](const CheckContext& c) {
              return c.m.TopFlangeThickness + c.m.BottomFlangeThickness > c.m.BeamHeight;
          },
          Contradiction::FlangesHeight},
         {[](const CheckContext& c) {
              const double r = c.m.CornerRadius;
              return r > (c.m.BeamHeight - c.m.TopFlangeThickness - c.m.BottomFlangeThickness) / 2 ||
                     r > (c.m.BottomFlangeWidth - c.m.WebThickness) / 2 ||
                     r > (c.m.TopFlangeWidth - c.m.WebThickness) / 2;
          },
          Contradiction::RadiusFlanges}},
        isTrue(supportOnly), lines);
}

int16_t CheckLoadPositions(const ProjectModel& m, std::string& lines, float span) {
    lines.clear();
    bool beyond = m.BeamLineLoadGX + m.BeamLineLoadGLength > span ||
                  m.BeamLineLoadQX + m.BeamLineLoadQLength > span;
    const int count = std::clamp<int>(m.BeamPointLoadCount, 0, 5);
    for (int p = 1; p <= count; ++p) beyond = beyond || m.BeamPointLoadX(p) > span;
    // An intensity at either end with no length to act on.
    auto actsNowhere = [](const runtime::Value& start, const runtime::Value& end, const runtime::Value& length) {
        return (start != 0.0 || end != 0.0) && !(length > 0.0);
    };
    const bool nowhere = actsNowhere(m.BeamLineLoadG1, m.BeamLineLoadG2, m.BeamLineLoadGLength) ||
                         actsNowhere(m.BeamLineLoadQ1, m.BeamLineLoadQ2, m.BeamLineLoadQLength);
    if (beyond) lines = ContradictionLine(Contradiction::LoadsBeamLength, m.LanguageIndex);
    if (nowhere) lines += ContradictionLine(Contradiction::LineLoadZeroLength, m.LanguageIndex);
    return beyond || nowhere ? 1 : 0;
}

namespace {

// A line of the list with what it concerns after its two sides.
std::string detailedLine(Contradiction line, int16_t languageIndex, const std::string& finnish,
                         const std::string& english) {
    std::string text = ContradictionLine(line, languageIndex);
    const std::size_t stop = text.rfind('.');
    return text.substr(0, stop) + ": " + byLanguage(languageIndex, finnish, english) + "." + kCrLf;
}

}  // namespace

int16_t CheckSlabLoadPositions(const ProjectModel& m, std::string& lines) {
    lines.clear();
    const double span = m.BeamSpan;
    // The field runs along the beam from E1 before its start to E2 beyond
    // its end, and across from this beam to the next.
    const double fieldStart = -m.SlabFieldEdgeDistance1.number();
    const double fieldEnd = span + m.SlabFieldEdgeDistance2.number();
    auto offAlong = [&](double y) { return y < fieldStart || y > fieldEnd; };
    const int16_t language = m.LanguageIndex;
    for (int s = m.IsMiddleBeam != 0 ? 1 : 2; s <= 2; ++s) {
        auto spacingAt = [&](double y) {
            const double start = m.BeamSpacing(s, 1), end = m.BeamSpacing(s, 2);
            return span > 0 ? start + (end - start) * y / span : start;
        };
        const std::string sideFi = s == 1 ? "vasemman" : "oikean";
        const std::string sideEn = s == 1 ? "left" : "right";
        // A load's value as the Slab loads dialog shows it: its permanent
        // and variable parts with their unit (a part never set shows 0).
        auto shown = [](const runtime::Value& v, const char* unit) {
            return (v.isEmpty() ? std::string("0") : runtime::generalNumberText(v)) + " " + unit;
        };
        auto valueFi = [&](const runtime::Value& g, const runtime::Value& q, const char* unit) {
            return " (pysyvä " + shown(g, unit) + ", muuttuva " + shown(q, unit) + ")";
        };
        auto valueEn = [&](const runtime::Value& g, const runtime::Value& q, const char* unit) {
            return " (permanent " + shown(g, unit) + ", variable " + shown(q, unit) + ")";
        };
        auto pointFi = [&](int p) { return valueFi(m.SlabPointLoadG(p, s), m.SlabPointLoadQ(p, s), "kN"); };
        auto pointEn = [&](int p) { return valueEn(m.SlabPointLoadG(p, s), m.SlabPointLoadQ(p, s), "kN"); };
        // One line for each load off the field, naming the side, the load,
        // its value, its position and the field's extent there.
        auto along = [&](const std::string& loadFi, const std::string& loadEn, int n, double y,
                         const std::string& valueFiText, const std::string& valueEnText) {
            const std::string number = std::to_string(n);
            const std::string at = "y = " + runtime::tenthsText(y) + " mm";
            const std::string field = "y = " + runtime::tenthsText(fieldStart) + " ... " + runtime::tenthsText(fieldEnd) + " mm";
            lines += detailedLine(Contradiction::SlabLoadsField, language,
                                  sideFi + " laataston " + loadFi + " " + number + valueFiText + ", " + at +
                                      ": laatasto ulottuu palkin suunnassa välille " + field,
                                  loadEn + " " + number + " of the " + sideEn + " slab field" + valueEnText + ", " + at +
                                      ": the field reaches " + field + " along the beam");
        };
        const int points = std::clamp<int>(static_cast<int>(std::lround(m.SlabPointLoadCount(s).number())), 0, 5);
        for (int p = 1; p <= points; ++p) {
            const double x = m.SlabPointLoadX(p, s), y = m.SlabPointLoadY(p, s);
            if (offAlong(y)) {
                along("pistekuorma", "point load", p, y, pointFi(p), pointEn(p));
            } else if (x > spacingAt(y) || x < 0) {
                const std::string number = std::to_string(p);
                const std::string at = "x = " + runtime::tenthsText(x) + " mm";
                const std::string field = "x = 0 ... " + runtime::tenthsText(spacingAt(y)) + " mm";
                const std::string where = "y = " + runtime::tenthsText(y) + " mm";
                lines += detailedLine(Contradiction::SlabLoadsField, language,
                                      sideFi + " laataston pistekuorma " + number + pointFi(p) + ", " + at +
                                          ": laatasto ulottuu palkista välille " + field + " (palkkiväli kohdassa " +
                                          where + ")",
                                      "point load " + number + " of the " + sideEn + " slab field" + pointEn(p) + ", " + at +
                                          ": the field reaches " + field + " from the beam (the beam spacing at " +
                                          where + ")");
            }
        }
        const int lineLoads = std::clamp<int>(static_cast<int>(std::lround(m.SlabLineLoadCount(s).number())), 0, 5);
        for (int l = 1; l <= lineLoads; ++l)
            if (offAlong(m.SlabLineLoadY(l, s)))
                along("viivakuorma", "line load", l, m.SlabLineLoadY(l, s),
                      valueFi(m.SlabLineLoadG(l, s), m.SlabLineLoadQ(l, s), "kN/m"),
                      valueEn(m.SlabLineLoadG(l, s), m.SlabLineLoadQ(l, s), "kN/m"));
    }
    return lines.empty() ? 0 : 1;
}

int16_t CheckHolePositions(const ProjectModel& m, std::string& lines, float span,
                           const model::SideEndSingleArray& spacing) {
    lines.clear();
    bool beyondBeam = false;
    bool beyondSlab = false;
    // An edge beam's hidden left side has no slabs and no holes the
    // calculation takes.
    for (int s = m.IsMiddleBeam != 0 ? 1 : 2; s <= 2; ++s) {
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
    if (beyondBeam) lines = ContradictionLine(Contradiction::HolesBeamLength, m.LanguageIndex);
    if (beyondSlab) lines += ContradictionLine(Contradiction::HolesSpacings, m.LanguageIndex);
    return beyondBeam || beyondSlab ? 1 : 0;
}

void CollectInputContradictions(const ProjectModel& m, std::string& lines, int16_t& found) {
    lines.clear();
    found = 0;
    // The family by the code's letters as they stand: case matters.
    const std::optional<model::BeamFamily> code = model::FamilyOfTypeNameAsItStands(m.BeamTypeName);
    const float bearing1 = SlabBearingNeed(m, 1);
    const float bearing2 = SlabBearingNeed(m, 2);

    using IntCheck = int16_t (*)(const ProjectModel&, int16_t, float, float, std::string&);
    using SingleCheck = int16_t (*)(const ProjectModel&, float, float, float, std::string&);
    // One row per family in the enumeration's order; neither check: the
    // plain beam check.
    struct FamilyCheck {
        model::BeamFamily family;
        IntCheck intCheck;
        SingleCheck singleCheck;
    };
    using F = model::BeamFamily;
    // clang-format off
    static constexpr FamilyCheck kFamilies[] = {
        {F::SU, nullptr, nullptr},                {F::BL, CheckLedgeBeamGeometry, nullptr},
        {F::JA, CheckLedgeBeamGeometry, nullptr}, {F::BI, CheckIBeamGeometry, nullptr},
        {F::KV, CheckKvatroBeamGeometry, nullptr}, {F::BE, CheckSuperBeamGeometry, nullptr},
        {F::LB, nullptr, CheckLblBeamGeometry},   {F::KE, nullptr, CheckKemoBeamGeometry},
        {F::AP, nullptr, nullptr},                {F::TI, CheckTiBeamGeometry, nullptr},
        {F::HQ, CheckHqBeamGeometry, nullptr},    {F::CW, CheckCwqBeamGeometry, nullptr},
        {F::DE, CheckDeltaBeamGeometry, nullptr}, {F::ME, nullptr, CheckMekBeamGeometry},
        {F::AB, nullptr, nullptr},                {F::HX, nullptr, nullptr},
        {F::SX, nullptr, nullptr},                {F::XX, nullptr, nullptr},
    };
    // clang-format on
    static_assert(model::EveryFamilyInOrder(kFamilies));
    std::string familyLines;
    int16_t familyFound = 0;
    const FamilyCheck* family = code ? &kFamilies[model::FamilyIndex(*code)] : nullptr;
    if (!family || (!family->intCheck && !family->singleCheck))
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
    if (CheckSlabLoadPositions(m, more) == 1) {
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
        lines += ContradictionLine(Contradiction::ToppingReinforcement, m.LanguageIndex);
        found = 1;
    }
}

}  // namespace quorvel::app
