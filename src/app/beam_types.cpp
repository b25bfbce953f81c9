#include "app/beam_types.h"

#include <cmath>
#include <vector>

#include "app/beam_position.h"
#include "model/project_defaults.h"

namespace quorvel::app {

using model::ProjectModel;
using runtime::Value;
using F = model::BeamFamily;

namespace {

using Field = Value ProjectModel::*;

// A default: a number, or a copy of another field already written.
struct Assign {
    Field field;
    double value = 0;
    Field copyOf = nullptr;
};

// Slab-end values of both sides. The joint grout width is either a seat
// width less the support length, or given; ABeamS derives the support
// length from the ledge width instead.
struct SlabEnds {
    double supportLength;
    double seatWidth;  // > 0: grout = seat - support
    double groutWidth;
    double bottomGap;
    double coreFilling;
    bool supportFromLedge = false;
};

enum class Group { Main, Top, SteelBeam };

// Rows first..last of a group: bars, bar area, distance d0 + step (r - first), prestress.
struct RowFill {
    Group group;
    int first, last;
    int bars;
    double area;
    double distance0, distanceStep;
    double prestress;
};

struct RowCounts {
    int main = -1, top = -1, steelBeam = -1;  // -1: not set by the type
};

struct TypeDefaults {
    F family;
    std::vector<Assign> geometry;
    SlabEnds ends;
    std::vector<Assign> materials;
    int beamQualityClass = 0;    // ConcreteQualityClass(1) when not 0
    int infillQualityClass = 0;  // ConcreteQualityClass(2) when not 0
    RowCounts counts;
    std::vector<RowFill> rows;
};

constexpr double kvatroBarArea = 804.247719318987;  // pi * 16^2, one 32 mm bar

// Defaults shared by several types.
const std::vector<Assign> hqGeometry = {
    {&ProjectModel::BeamHeight, 265},        {&ProjectModel::WebThickness, 5},
    {&ProjectModel::TopFlangeThickness, 25}, {&ProjectModel::TopFlangeWidth, 240},
    {&ProjectModel::BottomFlangeWidth, 450}, {&ProjectModel::LeftLedgeHeight, 15},
};
const std::vector<Assign> concreteMaterials = {
    {&ProjectModel::BeamConcreteClass, 60},
    {&ProjectModel::ReinforcementStrength, 500},
    {&ProjectModel::ReinforcementModulus, 200000},
};
const std::vector<Assign> prestressedMaterials = {
    {&ProjectModel::SteelStrength, 355},          {&ProjectModel::BeamConcreteClass, 80},
    {&ProjectModel::ReinforcementStrength, 1630}, {&ProjectModel::ReinforcementModulus, 195000},
    {&ProjectModel::TopRebarStrength, 500},       {&ProjectModel::TopRebarModulus, 200000},
};
const std::vector<Assign> compositeMaterials = {
    {&ProjectModel::SteelStrength, 355},
    {&ProjectModel::InfillConcreteClass, 30},
    {&ProjectModel::SteelBeamRebarStrength, 500},
    {&ProjectModel::SteelBeamRebarModulus, 200000},
};
const std::vector<Assign> ledgeGeometry = {
    {&ProjectModel::OverallBeamHeight, 365}, {&ProjectModel::BeamWidth, 280},
    {&ProjectModel::LeftLedgeHeight, 100},   {&ProjectModel::RightLedgeHeight, 100},
    {&ProjectModel::LeftLedgeDepth, 150},    {&ProjectModel::RightLedgeDepth, 150},
};
const RowFill plainRows = {Group::Main, 1, 5, 4, 491, 38, 10, 0.001};
const RowFill lbTopRow = {Group::Top, 1, 1, 4, 314, 30, 0, 0};
const RowFill deltaRows = {Group::SteelBeam, 1, 10, 5, 113, 20, 12, 0.001};

std::vector<Assign> plus(std::vector<Assign> a, const std::vector<Assign>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<TypeDefaults>& defaultsTable() {
    static const std::vector<TypeDefaults> table = {
        {F::SU,
         {{&ProjectModel::OverallBeamHeight, 580}, {&ProjectModel::BeamWidth, 380}},
         {65, 155, 0, 10, 50},
         concreteMaterials, 1, 0, {1, -1, -1}, {plainRows}},
        {F::BL, ledgeGeometry, {65, 115, 0, 10, 50}, concreteMaterials, 1, 0, {1, -1, -1},
         {{Group::Main, 1, 5, 10, 491, 38, 25, 0.001}}},
        {F::JA, ledgeGeometry, {65, 115, 0, 10, 50},
         {{&ProjectModel::BeamConcreteClass, 60},
          {&ProjectModel::ReinforcementStrength, 1550},
          {&ProjectModel::ReinforcementModulus, 195000}},
         1, 0, {1, -1, -1}, {{Group::Main, 1, 5, 14, 93, 43, 10, 1000}}},
        {F::BI,
         {{&ProjectModel::BeamWidth, 100},
          {&ProjectModel::BeamHeight, 1100},
          {&ProjectModel::TopFlangeThickness, 50},
          {&ProjectModel::TopFlangeWidth, 480},
          {&ProjectModel::BottomFlangeThickness, 50},
          {&ProjectModel::BottomFlangeWidth, 480},
          {&ProjectModel::UpperRecessHeight, 40},
          {&ProjectModel::LowerRecessHeight, 40}},
         {65, 155, 0, 10, 50},
         plus({{&ProjectModel::SteelStrength, 355}}, concreteMaterials), 1, 0, {1, -1, -1}, {plainRows}},
        {F::KV,
         {{&ProjectModel::BeamHeight, 265},
          {&ProjectModel::WebThickness, 5},
          {&ProjectModel::BottomFlangeThickness, 6},
          {&ProjectModel::BottomFlangeWidth, 490},
          {&ProjectModel::LeftLedgeWidth, 120},
          {&ProjectModel::RightLedgeWidth, 120}},
         {80, 0, 30, 0, 50},
         {{&ProjectModel::SteelStrength, 355},
          {&ProjectModel::BeamConcreteClass, 30},
          {&ProjectModel::ReinforcementStrength, 355},
          {&ProjectModel::ReinforcementModulus, 210000}},
         1, 0, {1, -1, -1},
         {{Group::Main, 1, 1, 2, kvatroBarArea, 48, 0, 0.001}, {Group::Main, 2, 2, 2, kvatroBarArea, 217, 0, 0.001}}},
        {F::BE,
         {{&ProjectModel::BeamWidth, 600},
          {&ProjectModel::BeamHeight, 240},
          {&ProjectModel::TopFlangeThickness, 5},
          {&ProjectModel::TopFlangeWidth, 50},
          {&ProjectModel::BottomFlangeThickness, 8},
          {&ProjectModel::LeftLedgeWidth, 110},
          {&ProjectModel::RightLedgeWidth, 110},
          {&ProjectModel::CornerRadius, 10},
          {&ProjectModel::AngleSteelHeight, 110},
          {&ProjectModel::BeamSpan, 6000}},
         {65, 0, 35, 0, 50},
         {{&ProjectModel::SteelStrength, 355},
          {&ProjectModel::BeamConcreteClass, 60},
          {&ProjectModel::ReinforcementStrength, 1630},
          {&ProjectModel::ReinforcementModulus, 195000},
          {&ProjectModel::TopRebarStrength, 500},
          {&ProjectModel::TopRebarModulus, 200000}},
         1, 0, {2, 2, -1},
         {{Group::Top, 1, 2, 2, 314, 40, 40, 0}, {Group::Main, 1, 2, 12, 100, 40, 40, 1100}}},
        {F::LB,
         {{&ProjectModel::BeamWidth, 440},
          {&ProjectModel::BeamHeight, 265},
          {&ProjectModel::BottomFlangeThickness, 8},
          {&ProjectModel::BottomFlangeWidth, 680},
          {&ProjectModel::LeftLedgeWidth, 100},
          {&ProjectModel::RightLedgeWidth, 100}},
         {80, 0, 20, 0, 50},
         prestressedMaterials, 1, 0, {2, 1, -1},
         {lbTopRow, {Group::Main, 1, 2, 9, 100, 40, 13, 1100}}},
        {F::KE,
         {{&ProjectModel::BeamWidth, 440},
          {&ProjectModel::BeamHeight, 265},
          {&ProjectModel::BottomFlangeThickness, 8},
          {&ProjectModel::BottomFlangeWidth, 400},
          {&ProjectModel::LeftLedgeWidth, 100},
          {&ProjectModel::RightLedgeWidth, 100},
          {&ProjectModel::LeftLedgeHeight, 10},
          {&ProjectModel::AngleSteelHeight, 90},
          {&ProjectModel::LBBottomWidth, 480}},
         {80, 0, 20, 0, 50},
         // No top row: the project file keeps none for this type and its
         // dialog shows none, so the calculation uses none.
         prestressedMaterials, 1, 0, {3, 0, -1},
         {{Group::Main, 1, 2, 9, 100, 40, 13, 1100}, {Group::Main, 3, 3, 2, 100, 66, 0, 1100}}},
        {F::AP,
         {{&ProjectModel::BeamWidth, 380},
          {&ProjectModel::BeamHeight, 245},
          {&ProjectModel::WebThickness, 15},
          {&ProjectModel::TopFlangeThickness, 0, &ProjectModel::WebThickness},
          {&ProjectModel::TopFlangeWidth, 200},
          {&ProjectModel::BottomFlangeThickness, 15},
          {&ProjectModel::BottomFlangeWidth, 380},
          {&ProjectModel::LeftLedgeWidth, 110},
          {&ProjectModel::RightLedgeWidth, 110},
          {&ProjectModel::LeftLedgeHeight, 0, &ProjectModel::BottomFlangeThickness},
          {&ProjectModel::RightLedgeHeight, 0, &ProjectModel::LeftLedgeHeight},
          {&ProjectModel::ApalkkiHoleSize, 135}},
         {65, 0, 45, 0, 50},
         {{&ProjectModel::SteelStrength, 355},
          {&ProjectModel::BeamConcreteClass, 50},
          {&ProjectModel::ReinforcementStrength, 500},
          {&ProjectModel::ReinforcementModulus, 200000},
          {&ProjectModel::TopRebarStrength, 500},
          {&ProjectModel::TopRebarModulus, 200000}},
         1, 0, {1, 2, 0},
         {{Group::Top, 1, 2, 2, 314, 0, 0, 0},
          {Group::Main, 1, 1, 3, 314, 40, 0, 0},
          {Group::SteelBeam, 1, 1, 0, 0, 0, 0, 0}}},
        {F::TI,
         {{&ProjectModel::BeamHeight, 300},
          {&ProjectModel::WebThickness, 11},
          {&ProjectModel::TopFlangeThickness, 19},
          {&ProjectModel::TopFlangeWidth, 300},
          {&ProjectModel::BottomFlangeThickness, 19},
          {&ProjectModel::BottomFlangeWidth, 300},
          {&ProjectModel::CornerRadius, 27}},
         {65, 150, 0, 0, 50},
         {{&ProjectModel::SteelStrength, 355}}, 0, 0, {}, {}},
        {F::HQ, hqGeometry, {65, 100, 0, 0, 50}, {{&ProjectModel::SteelStrength, 355}}, 0, 0, {}, {}},
        {F::CW,
         plus(hqGeometry, {{&ProjectModel::DowelWidth, 210}, {&ProjectModel::DowelHeight, 25}}),
         {65, 100, 0, 0, 50},
         {{&ProjectModel::SteelStrength, 355},
          {&ProjectModel::SteelStrength2, 355},
          {&ProjectModel::SteelStrength3, 355}},
         0, 0, {}, {}},
        {F::DE,
         {{&ProjectModel::BeamHeight, 265},
          {&ProjectModel::WebThickness, 6},
          {&ProjectModel::TopFlangeThickness, 20},
          {&ProjectModel::TopFlangeWidth, 245},
          {&ProjectModel::BottomFlangeThickness, 15},
          {&ProjectModel::BottomFlangeWidth, 400},
          {&ProjectModel::LeftLedgeWidth, 100},
          {&ProjectModel::RightLedgeWidth, 100},
          {&ProjectModel::LeftLedgeHeight, 0, &ProjectModel::BottomFlangeThickness},
          {&ProjectModel::WebHoleDiameter, 150},
          {&ProjectModel::WebHoleEdgeDistance, 75}},
         {65, 100, 0, 0, 50},
         compositeMaterials, 0, 2, {-1, -1, 0}, {deltaRows}},
        {F::ME,
         {{&ProjectModel::BeamHeight, 265},
          {&ProjectModel::WebThickness, 7.5},
          {&ProjectModel::TopFlangeThickness, 12},
          {&ProjectModel::TopFlangeWidth, 240},
          {&ProjectModel::BottomFlangeThickness, 8},
          {&ProjectModel::BottomFlangeWidth, 500},
          {&ProjectModel::LeftLedgeWidth, 130},
          {&ProjectModel::RightLedgeWidth, 130},
          {&ProjectModel::InnerProfileFlangeThickness, 12},
          {&ProjectModel::InnerProfileWidth, 240},
          {&ProjectModel::InnerProfileHeight, 230},
          {&ProjectModel::BoxHeight, 0},
          {&ProjectModel::BoxPlateThickness, 0},
          {&ProjectModel::CornerRadius, 21},
          {&ProjectModel::BeamSpan, 6850}},
         {65, 115, 0, 0, 185},
         {{&ProjectModel::SteelStrength, 355},
          {&ProjectModel::InfillConcreteClass, 30},
          {&ProjectModel::SteelBeamRebarStrength, 500},
          {&ProjectModel::SteelBeamRebarModulus, 210000}},
         0, 2, {-1, -1, 0}, {{Group::SteelBeam, 1, 10, 2, 491, 250, 12, 0.001}}},
        {F::AB,
         {{&ProjectModel::BeamHeight, 265},
          {&ProjectModel::WebThickness, 6},
          {&ProjectModel::TopFlangeThickness, 20},
          {&ProjectModel::TopFlangeWidth, 307},
          {&ProjectModel::BottomFlangeThickness, 15},
          {&ProjectModel::BottomFlangeWidth, 400},
          {&ProjectModel::LeftLedgeWidth, 130},
          {&ProjectModel::RightLedgeWidth, 130},
          {&ProjectModel::LeftLedgeHeight, 0, &ProjectModel::WebThickness},
          {&ProjectModel::WebHoleDiameter, 90},
          {&ProjectModel::WebHoleEdgeDistance, 120},
          {&ProjectModel::LowerHoleDiameter, 55},
          {&ProjectModel::LowerHoleEdgeDistance, 60},
          {&ProjectModel::LowerHoleLength, 80},
          {&ProjectModel::LowerHoleSpacing, 1200}},
         {0, 0, 20, 0, 50, true},
         compositeMaterials, 0, 2, {-1, -1, 0}, {deltaRows}},
    };
    return table;
}

// The options in the order of the enumeration's first fifteen families.
// clang-format off
constexpr BeamTypeInfo types[] = {
    {"optSuora",   "&SUORA",    F::SU, 0, DowelFlag::OnBeamTop,  0, 2},
    {"optBLeuka",  "BL&EUKA",   F::BL, 1, DowelFlag::Connection, 1, 6},
    {"optJalo",    "&JALO",     F::JA, 1, DowelFlag::Connection, 1, 6},
    {"optI",       "I-BETO&NI", F::BI, 0, DowelFlag::OnBeamTop,  0, 8},
    {"optKvatro",  "K&VATRO",   F::KV, 1, DowelFlag::OnBeamTop,  0, 6},
    {"optSuper",   "SU&PER",    F::BE, 1, DowelFlag::Connection, 0, 9},
    {"optLBL",     "LBL",       F::LB, 1, DowelFlag::Connection, 1, 6},
    {"optLB",      "L&B",       F::KE, 1, DowelFlag::Connection, 1, 8},
    {"OptApalkki", "A BEAM &W", F::AP, 1, DowelFlag::Connection, 1, 6},
    {"optTI",      "T&I",       F::TI, 0, DowelFlag::OnBeamTop,  0, 6},
    {"optHQ",      "W&Q",       F::HQ, 1, DowelFlag::Connection, 0, 6},
    {"OptCWQ",     "&CWQ",      F::CW, 1, DowelFlag::Connection, 0, 6},
    {"optDelta",   "&DELTA",    F::DE, 1, DowelFlag::Connection, 1, 11},
    {"optMEK",     "&MEK",      F::ME, 1, DowelFlag::Connection, 1, 13},
    {"OptAbeamS",  "&A BEAM S", F::AB, 1, DowelFlag::Connection, 1, 13},
};
// clang-format on

// Every family with a dialog has its option, in the enumeration's order.
constexpr bool everyWindowFamilyHasItsOption() {
    std::size_t i = 0;
    for (const model::BeamFamilyInfo& f : model::BeamFamilies) {
        if (f.dialog.empty()) continue;
        if (i >= std::size(types) || types[i].family != f.family) return false;
        ++i;
    }
    return i == std::size(types);
}
static_assert(everyWindowFamilyHasItsOption());

// A default as the model stores it: whole numbers as integers.
Value number(double v) {
    if (v == std::trunc(v) && std::fabs(v) < 2147483648.0) return Value(static_cast<int32_t>(v));
    return Value(v);
}

void assign(ProjectModel& m, const std::vector<Assign>& list) {
    for (const Assign& a : list) m.*(a.field) = a.copyOf ? m.*(a.copyOf) : number(a.value);
}

void fillRows(ProjectModel& m, const RowFill& f) {
    for (int r = f.first; r <= f.last; ++r) {
        const Value distance = number(f.distance0 + f.distanceStep * (r - f.first));
        const auto bars = static_cast<int16_t>(f.bars);
        switch (f.group) {
        case Group::Main:
            m.BarsInRow(r) = bars;
            m.BarArea(r) = number(f.area);
            m.BarDistanceFromBottom(r) = distance;
            m.BarPrestress(r) = number(f.prestress);
            break;
        case Group::Top:
            m.TopBarsInRow(r) = bars;
            m.TopBarArea(r) = number(f.area);
            m.TopBarDistanceFromTop(r) = distance;
            m.TopBarPrestress(r) = number(f.prestress);
            break;
        case Group::SteelBeam:
            m.SteelBeamBarsInRow(r) = bars;
            m.SteelBeamBarArea(r) = number(f.area);
            m.SteelBeamBarDistance(r) = distance;
            m.SteelBeamBarPrestress(r) = number(f.prestress);
            break;
        }
    }
}

// The A beam's two top rows sit by their bar diameter at the top plate;
// the overall height includes the diameter of row 1.
void placeApalkkiTopRows(ProjectModel& m) {
    const float d1 = static_cast<float>(std::sqrt(4 * m.TopBarArea(1) / 3.14159));
    const float d2 = static_cast<float>(std::sqrt(4 * m.TopBarArea(2) / 3.14159));
    m.TopBarDistanceFromTop(1) = number(std::floor(d1 / 2.0 + 0.5));
    m.TopBarDistanceFromBottom(1) = m.BottomFlangeThickness + m.BeamHeight + m.TopBarDistanceFromTop(1);
    m.TopBarDistanceFromTop(2) = number(std::floor(m.TopFlangeThickness + d2 / 2.0 + 0.5));
    m.TopBarDistanceFromBottom(2) =
        m.BottomFlangeThickness + m.BeamHeight - m.TopFlangeThickness - m.TopBarDistanceFromTop(2);
    m.OverallBeamHeight = Value(static_cast<float>(m.BeamHeight + d1));
}

}  // namespace

std::span<const BeamTypeInfo> BeamTypes() { return types; }

const BeamTypeInfo* findBeamType(std::string_view typeName) {
    for (const auto& t : types)
        if (t.typeName == typeName) return &t;
    return nullptr;
}

const BeamTypeInfo* findBeamTypeByFamily(std::optional<model::BeamFamily> family) {
    for (const auto& t : types)
        if (t.family == family) return &t;
    return nullptr;
}

void ApplyBeamTypeDefaults(ProjectModel& m, const BeamTypeInfo& type) {
    const TypeDefaults* d = nullptr;
    for (const auto& entry : defaultsTable())
        if (entry.family == type.family) d = &entry;

    // Every type starts from an empty beam, ABeamS too, so that nothing of
    // the previous type's section or rows stays behind the new one.
    model::ClearBeamDefinition(m);
    m.BeamTypeName = std::string(type.typeName);
    m.BeamCategory = type.category;
    m.SlabsOnLedge = type.slabsOnLedge;
    if (type.dowelFlag == DowelFlag::OnBeamTop)
        m.DowelsOnBeamTop = type.dowelValue;
    else
        m.DowelledConnection = type.dowelValue;
    m.MaterialParameterCount = type.materialParameterCount;
    if (!d) return;

    assign(m, d->geometry);
    for (int s = 1; s <= 2; ++s) {
        const SlabEnds& e = d->ends;
        if (e.supportFromLedge) {
            m.JointGroutWidth(s) = number(e.groutWidth);
            const Value& ledge = s == 1 ? m.LeftLedgeWidth : m.RightLedgeWidth;
            m.SlabSupportLength(s) = ledge - m.JointGroutWidth(s);
        } else {
            m.SlabSupportLength(s) = number(e.supportLength);
            m.JointGroutWidth(s) = number(e.seatWidth > 0 ? e.seatWidth - e.supportLength : e.groutWidth);
        }
        m.SlabBottomGap(s) = number(e.bottomGap);
        m.CoreFillingLength(s) = number(e.coreFilling);
    }
    assign(m, d->materials);
    if (d->beamQualityClass) m.ConcreteQualityClass(1) = d->beamQualityClass;
    if (d->infillQualityClass) m.ConcreteQualityClass(2) = d->infillQualityClass;
    if (d->counts.main >= 0) m.ReinforcementRowCount = static_cast<int16_t>(d->counts.main);
    if (d->counts.top >= 0) m.TopRebarRowCount = static_cast<int16_t>(d->counts.top);
    if (d->counts.steelBeam >= 0) m.SteelBeamRebarRowCount = static_cast<int16_t>(d->counts.steelBeam);
    for (const RowFill& f : d->rows) fillRows(m, f);

    if (type.family == F::LB || type.family == F::KE)
        m.TopBarDistanceFromBottom(1) = m.BottomFlangeThickness + m.BeamHeight - 30;
    if (type.family == F::AP) placeApalkkiTopRows(m);
    if (type.family == F::AP || type.family == F::AB) SetABeamCheckDimensions(m);
}

void SetABeamCheckDimensions(ProjectModel& m) {
    m.BeamWidth = m.BottomFlangeWidth;
    if (m.Family() == F::AB) m.OverallBeamHeight = m.BeamHeight + m.LeftLedgeHeight;
}

void SelectBeamType(ProjectModel& m, const BeamTypeInfo& type) {
    const bool edge = m.IsMiddleBeam == 0;
    if (edge) {
        SetMiddleBeam(m);
        m.IsMiddleBeam = 0;
    }
    ApplyBeamTypeDefaults(m, type);
    if (edge) SetEdgeBeam(m);
}

}  // namespace quorvel::app
