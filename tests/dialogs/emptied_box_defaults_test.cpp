// An emptied box of a beam dialog takes the value a new project of that
// beam type holds, never another family's (a strand's 1550 MPa in a box for
// 500 MPa bars, a strand row's 1000 MPa prestress in a row of bars).

#include <map>
#include <set>

#include "emptied_boxes.h"
#include "runtime/number_text.h"

namespace quorvel::dialogs::testing {
namespace {

using model::ProjectModel;
using runtime::Value;

// The model fields the beam dialogs' boxes edit, by their names; an array
// element (a reinforcement row) by its number.
std::optional<double> fieldNamed(const ProjectModel& m, std::string_view name, int element) {
#define F(field) {#field, [](const ProjectModel& p, int) { return static_cast<double>(p.field); }}
#define V(field) {#field, [](const ProjectModel& p, int) { return p.field.number(); }}
#define R(field) {#field, [](const ProjectModel& p, int r) { return static_cast<double>(p.field(r)); }}
    static const std::map<std::string_view, double (*)(const ProjectModel&, int)> fields = {
        V(BeamSpan), V(OverallBeamHeight), V(BeamHeight), V(BeamWidth), V(TopFlangeWidth), V(TopFlangeThickness),
        V(BottomFlangeWidth), V(BottomFlangeThickness), V(WebThickness), V(LeftLedgeHeight), V(RightLedgeHeight),
        V(LeftLedgeDepth), V(RightLedgeDepth), V(LeftLedgeWidth), V(RightLedgeWidth), V(LBBottomWidth),
        V(AngleSteelHeight), V(LowerRecessHeight), V(UpperRecessHeight), V(InnerProfileWidth),
        V(InnerProfileFlangeThickness), V(InnerProfileHeight), V(BoxPlateThickness), V(BoxHeight), V(CornerRadius),
        V(WebHoleDiameter), V(WebHoleEdgeDistance), V(LowerHoleDiameter), V(LowerHoleEdgeDistance),
        V(ApalkkiHoleSize), V(DowelWidth), V(DowelHeight), V(BeamConcreteClass), V(InfillConcreteClass),
        V(SteelStrength), V(SteelStrength2), V(SteelStrength3), V(ReinforcementModulus), V(ReinforcementStrength),
        V(TopRebarModulus), V(TopRebarStrength), V(SteelBeamRebarModulus), V(SteelBeamRebarStrength),
        F(ReinforcementRowCount), F(TopRebarRowCount), F(SteelBeamRebarRowCount), R(BarsInRow), R(BarArea),
        R(BarPrestress), R(TopBarsInRow), R(TopBarArea), R(SteelBeamBarsInRow), R(SteelBeamBarArea),
        R(BarDistanceFromBottom), R(TopBarDistanceFromTop), R(SteelBeamBarDistance),
    };
#undef F
#undef V
#undef R
    const auto found = fields.find(name);
    if (found == fields.end()) return std::nullopt;
    return found->second(m, element);
}

class EmptiedBoxes : public EmptiedBoxTest {};

TEST_F(EmptiedBoxes, EveryBeamDialogBoxTakesItsBeamTypesOwnDefault) {
    int checked = 0;
    std::set<std::string> materialsChecked, rowsChecked;
    for (const app::BeamTypeInfo& type : app::BeamTypes()) {
        SCOPED_TRACE(std::string(type.typeName));
        chooseType(type);
        // The type's own defaults, as choosing the type writes them (a new
        // project's own beam is SUORA's, with a few values of its own).
        auto fresh = std::make_unique<ProjectModel>(m);
        app::SelectBeamType(*fresh, type);
        const auto wanted = [](const model::BoxLimit& row) {
            return !row.field.empty() && row.field != "BeamSpan" && row.field != "BeamSpacing" &&
                   (row.defaultValue || model::has(row.computed, model::Computed::Default));
        };
        emptyEachBox(type, wanted, [&](BeamDialog& d, platform::Control& box, const model::BoxLimit& row,
                                       const std::string& shown) {
            // The row shown on opening is row 1.
            const std::optional<double> expected = fieldNamed(*fresh, row.field, std::max(row.element, 1));
            EXPECT_TRUE(expected) << "no field named " << row.field;
            if (!expected) return;
            // A row's distance follows from the bar diameter typed, so
            // that the rows stack, but never nearer the face than the
            // type's own row; every other box takes the type's own value.
            if (row.field.find("Distance") != std::string_view::npos)
                EXPECT_GE(runtime::scanNumber(shown), *expected)
                    << d.name() << "." << box.name() << " (" << row.field << ") emptied shows \"" << shown << "\"";
            else
                EXPECT_EQ(runtime::scanNumber(shown), *expected)
                    << d.name() << "." << box.name() << " (" << row.field << ") emptied shows \"" << shown << "\"";
            ++checked;
            if (row.field.find("Reinforcement") != std::string_view::npos ||
                row.field.find("Rebar") != std::string_view::npos)
                materialsChecked.insert(std::string(type.typeName));
            if (row.element < 0) rowsChecked.insert(std::string(type.typeName));
        });
    }
    EXPECT_GT(checked, 100);
    // Every dialog has its rows' boxes checked, SUORA and BLEUKA (bars) and JALO (strands) share boxes of the same names.
    for (const char* t : {"SUORA", "BLEUKA", "JALO", "LBL", "KVATRO"}) EXPECT_EQ(materialsChecked.count(t), 1u) << t;
    for (const char* t : {"SUORA", "BLEUKA", "JALO", "BESUPER", "LBL", "KEMO_UUSI", "BI", "Apalkki"})
        EXPECT_EQ(rowsChecked.count(t), 1u) << t;
}

}  // namespace
}  // namespace quorvel::dialogs::testing
