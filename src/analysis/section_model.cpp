#include "analysis/section_model.h"

#include <cfloat>
#include <cmath>
#include <string_view>

#include "analysis/section_model_rules.h"
#include "runtime/errors.h"

namespace quorvel::analysis {

using model::ProjectModel;
using runtime::ErrDivisionByZero;
using runtime::ErrInvalidCall;
using runtime::ErrOverflow;
using runtime::ErrSubscriptOutOfRange;
using runtime::RunTimeError;
using runtime::Value;

SectionPartList sectionPartList(ProjectModel& m, SectionPartListKind kind) {
    switch (kind) {
        case SectionPartListKind::SteelPlates:
            return {m.SteelPlateCount, m.SteelPlateBottomWidth, m.SteelPlateTopWidth,
                    m.SteelPlateHeight, m.SteelPlateLevel, m.SteelPlateOffset};
        case SectionPartListKind::PrecastParts:
            return {m.PrecastPartCount, m.PrecastPartBottomWidth, m.PrecastPartTopWidth,
                    m.PrecastPartHeight, m.PrecastPartLevel, m.PrecastPartOffset};
        case SectionPartListKind::InfillParts:
            return {m.InfillPartCount, m.InfillPartBottomWidth, m.InfillPartTopWidth,
                    m.InfillPartHeight, m.InfillPartLevel, m.InfillPartOffset};
        case SectionPartListKind::JointParts:
            break;
    }
    return {m.JointPartCount, m.JointPartBottomWidth, m.JointPartTopWidth, m.JointPartHeight,
            m.JointPartLevel, m.JointPartOffset};
}

namespace section {

double finite(double x) {
    if (!std::isfinite(x)) throw RunTimeError(ErrOverflow);
    return x;
}

double quotient(double a, double b) {
    if (b == 0) throw RunTimeError(a == 0 ? ErrOverflow : ErrDivisionByZero);
    return finite(a / b);
}

double root(double x) {
    if (x < 0) throw RunTimeError(ErrInvalidCall);
    return std::sqrt(x);
}

float single(double x) {
    if (!std::isfinite(x) || std::fabs(x) > FLT_MAX) throw RunTimeError(ErrOverflow);
    return static_cast<float>(x);
}

void setPart(ProjectModel& m, SectionPartListKind kind, int n, const Trapezoid& p) {
    SectionPartList list = sectionPartList(m, kind);
    list.bottomWidth(n) = finite(p.b1);
    list.topWidth(n) = finite(p.b2);
    list.height(n) = finite(p.h);
    list.level(n) = finite(p.y);
}

void setPlateThickness(ProjectModel& m, int first, int last, double t) {
    for (int n = first; n <= last; ++n) m.SteelPlateThickness(n) = finite(t);
}

InclinedWeb inclinedWeb(double rise, double run, double thickness) {
    const double theta = std::atan(quotient(rise, run));
    const double s = std::sin(theta);
    return {s, quotient(thickness, s)};
}

void setLedgeOverhang(ProjectModel& m, double widthExcess) {
    for (int s = 1; s <= 2; ++s) {
        const double ledge = s == 1 ? m.LeftLedgeWidth : m.RightLedgeWidth;
        const bool carries = m.SlabSidePresent(s) > 0 && ledge > 0 && m.JointGroutWidth(s) > 0;
        m.BottomOverhangBySide(s) = carries ? single(quotient(widthExcess, sideCount(m))) : 0.0f;
    }
}

void setTopRowsFromBottom(ProjectModel& m) {
    const double H = m.OverallBeamHeight;
    for (int r = 1; r <= m.TopRebarRowCount; ++r)
        m.TopBarDistanceFromBottom(r) = finite(H - m.TopBarDistanceFromTop(r));
}

void setSteelProfile(ProjectModel& m) {
    m.InnerProfileHeight = m.OverallBeamHeight;
    m.InnerProfileFlangeThickness = m.BottomFlangeThickness;
    m.InnerProfileWidth = 0;
}

}  // namespace section

namespace {

using namespace section;

// Where the section analysis takes the joint grout width of each side from:
// the entered width, or a nominal 0.001 mm where the joint concrete is
// already a part of the family's infill list.
enum class GroutWidth { Entered, Nominal };

// What every family build shares: its part counts, the reinforcement groups
// it carries, the joint grout width the section analysis uses, and the
// build of its parts and derived dimensions.
struct FamilyRule {
    model::BeamFamily family;
    int16_t steelPlates;
    int16_t precastParts;
    int16_t infillParts;
    bool keepsMainRows;
    bool keepsSteelBeamRows;
    GroutWidth grout;
    void (*build)(ProjectModel&);
};

constexpr GroutWidth Entered = GroutWidth::Entered;
constexpr GroutWidth Nominal = GroutWidth::Nominal;
using F = model::BeamFamily;

// One row per family in the enumeration's order.
// clang-format off
constexpr FamilyRule Families[] = {
    // family plates precast infill  main   steel  grout    build
    {F::SU,  0,     1,      0,      true,  false, Entered, buildRectangularBeam},
    {F::BL,  0,     3,      0,      true,  false, Entered, buildLedgeBeam},
    {F::JA,  0,     3,      0,      true,  false, Entered, buildLedgeBeam},
    {F::BI,  0,     5,      0,      true,  false, Entered, buildConcreteIBeam},
    {F::KV,  3,     1,      0,      true,  false, Entered, buildKvatroBeam},
    {F::BE,  7,     1,      1,      true,  true,  Entered, buildSuperBeam},
    {F::LB,  1,     1,      0,      true,  true,  Entered, buildLbBeam},
    {F::KE,  5,     1,      0,      true,  true,  Entered, buildKeBeam},
    {F::AP,  6,     1,      0,      true,  false, Entered, buildApalkki},
    {F::TI,  3,     0,      0,      false, false, Entered, buildSteelIBeam},
    {F::HQ,  4,     0,      0,      false, false, Entered, buildSteelBoxBeam},
    {F::CW,  4,     0,      0,      false, false, Entered, buildSteelBoxBeam},
    {F::DE,  8,     0,      1,      false, true,  Entered, buildDeltaBeam},
    {F::ME,  8,     0,      5,      false, true,  Nominal, buildMekBeam},
    {F::AB,  9,     0,      1,      false, true,  Entered, buildAbeamS},
    {F::HX,  4,     0,      1,      false, true,  Entered, buildHxBeam},
    {F::SX,  4,     1,      3,      true,  true,  Nominal, buildSxBeam},
    {F::XX,  6,     1,      0,      true,  true,  Entered, buildXxBeam},
};
// clang-format on
static_assert(model::EveryFamilyInOrder(Families));

void clearPartLists(ProjectModel& m) {
    for (SectionPartListKind kind :
         {SectionPartListKind::SteelPlates, SectionPartListKind::PrecastParts,
          SectionPartListKind::InfillParts, SectionPartListKind::JointParts}) {
        SectionPartList list = sectionPartList(m, kind);
        for (int n = 1; n <= MaxSectionPart; ++n) {
            list.bottomWidth(n) = 0;
            list.topWidth(n) = 0;
            list.height(n) = 0;
            list.level(n) = 0;
            list.offset(n) = 0;
        }
    }
    for (int n = 1; n <= MaxSectionPart; ++n) m.SteelPlateThickness(n) = 0;
}

// A row group handed on to the section analysis must fit its arrays.
void checkRowCount(int16_t count) {
    if (count < 0 || count > MaxReinforcementRow) throw RunTimeError(ErrSubscriptOutOfRange);
}

}  // namespace

void BuildBeamSectionModel(ProjectModel& m, const std::string& beamTypeName) {
    clearPartLists(m);
    m.BottomOverhangBySide(1) = 0.0f;
    m.BottomOverhangBySide(2) = 0.0f;
    m.FilletCorrection = 0;
    m.SuperPrestressTerm = 0;

    const std::optional<model::BeamFamily> family = model::FamilyOfTypeName(beamTypeName);
    if (!family) return;
    const FamilyRule* rule = &Families[model::FamilyIndex(*family)];

    if (!rule->keepsMainRows) m.ReinforcementRowCount = 0;
    if (!rule->keepsSteelBeamRows) m.SteelBeamRebarRowCount = 0;
    checkRowCount(m.ReinforcementRowCount);
    checkRowCount(m.TopRebarRowCount);
    checkRowCount(m.SteelBeamRebarRowCount);
    m.SteelPlateCount = rule->steelPlates;
    m.PrecastPartCount = rule->precastParts;
    m.InfillPartCount = rule->infillParts;

    rule->build(m);

    for (int s = 1; s <= 2; ++s)
        m.EffectiveJointGroutWidth(s) =
            rule->grout == GroutWidth::Entered ? m.JointGroutWidth(s) : Value(0.001);
}

}  // namespace quorvel::analysis
