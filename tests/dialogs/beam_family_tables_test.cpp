// The tables of the table-driven beam dialogs against the rest of the
// program: each window edits exactly the section its project file record
// keeps, every type's own defaults pass its bounds, and any section typed
// within the bounds builds into a section model without a run-time error.

#include "dialogs/steel-beams/beam_family_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <string>

#include "analysis/section_model.h"
#include "app/beam_types.h"
#include "inputfile/beam_section_fields.h"
#include "model/project_defaults.h"
#include "runtime/errors.h"

namespace quorvel::dialogs {
namespace {

model::ProjectModel newProjectOf(std::string_view typeName) {
    model::ProjectModel m;
    model::ResetProjectDefaults(m);
    m.IsMiddleBeam = 1;
    app::SelectBeamType(m, *app::findBeamType(typeName));
    return m;
}

const SectionField* fieldOf(const BeamFamilyTable& t, std::string_view control) {
    for (const SectionField& f : t.fields)
        if (control == f.control) return &f;
    return nullptr;
}

TEST(BeamFamilyTables, TheNineTypesWithoutAWindowOfTheirOwnEachHaveOneTable) {
    std::set<std::string> forms;
    for (const BeamFamilyTable& t : beamFamilyTables()) {
        const app::BeamTypeInfo* type = app::findBeamType(t.typeName());
        ASSERT_NE(type, nullptr) << t.typeName();
        EXPECT_EQ(type->dialog, t.formName());  // the name ShowBeamForm opens
        forms.emplace(t.formName());
        EXPECT_EQ(findBeamFamilyTable(t.formName()), &t);
    }
    EXPECT_EQ(forms, (std::set<std::string>{"FrmIpalkki", "FrmLB", "FrmApalkki", "frmTIpalkki", "frmHQpalkki",
                                            "frmCWQpalkki", "frmDeltapalkki", "frmMEKpalkki", "frmAbeamS"}));
    EXPECT_EQ(findBeamFamilyTable("frmHXpalkki"), nullptr);
}

// A dimension missing from the window could not be edited; one the record
// does not carry would be lost when the project is saved.
TEST(BeamFamilyTables, EachWindowEditsExactlyTheDimensionsOfItsSectionRecord) {
    for (const BeamFamilyTable& t : beamFamilyTables()) {
        model::ProjectModel m = newProjectOf(t.typeName());
        std::set<const Value*> record;
        for (Value* v : inputfile::sectionParameterFields(m, m.Family())) record.insert(v);
        std::set<const Value*> window;
        std::set<std::string> controls;
        for (const SectionField& f : t.fields) {
            window.insert(&f.field(m));
            EXPECT_TRUE(controls.insert(f.control).second) << t.formName() << " " << f.control << " twice";
            if (f.fitsWithin) {
                EXPECT_NE(fieldOf(t, f.fitsWithin), nullptr) << t.formName() << " " << f.fitsWithin;
            }
        }
        EXPECT_EQ(window, record) << t.formName();
    }
}

bool within(double v, const FieldRange& r) { return v >= r.minimum && v <= r.maximum; }

// A new project of the type opens its window with the type's defaults; OK
// after editing another box must not find them out of bounds, and an
// emptied box must get a value its own bounds accept.
TEST(BeamFamilyTables, EveryTypesDefaultsAndEveryEmptyBoxDefaultLieWithinTheBounds) {
    for (const BeamFamilyTable& t : beamFamilyTables()) {
        model::ProjectModel m = newProjectOf(t.typeName());
        for (const SectionField& f : t.fields) {
            EXPECT_TRUE(within(f.field(m).number(), f.range)) << t.formName() << " " << f.control << " "
                                                              << f.field(m).number();
            EXPECT_TRUE(within(f.range.defaultValue, f.range)) << t.formName() << " " << f.control;
            EXPECT_LT(f.range.minimum, f.range.maximum) << t.formName() << " " << f.control;
        }
        std::vector<MaterialField> materials = t.materials;
        for (const RowGroupTable& g : t.rows) {
            materials.push_back(g.modulus);
            materials.push_back(g.strength);
        }
        for (const MaterialField& f : materials) {
            EXPECT_TRUE(within(f.field(m).number(), f.range)) << t.formName() << " " << f.control << " "
                                                              << f.field(m).number();
            EXPECT_TRUE(within(f.range.defaultValue, f.range)) << t.formName() << " " << f.control;
        }
    }
}

// Builds the section of the type with the dimensions given (one value per
// table field, in table order) the way OK leaves the model, on a middle
// beam with slabs of 265 mm on both sides. False with the error number
// when the build stopped.
bool builds(const BeamFamilyTable& t, const std::vector<double>& values, std::string& failure) {
    model::ProjectModel m = newProjectOf(t.typeName());
    for (std::size_t i = 0; i < t.fields.size(); ++i) t.fields[i].field(m) = Value(static_cast<float>(values[i]));
    completeSection(m, t);
    m.SlabSideCount = 2;
    for (int s = 1; s <= 2; ++s) {
        m.SlabSidePresent(s) = 1;
        m.SlabHeight(s) = 265;
    }
    try {
        analysis::BuildBeamSectionModel(m, m.BeamTypeName);
    } catch (const runtime::RunTimeError& e) {
        failure = "error " + std::to_string(e.number());
        return false;
    }
    for (int p = 1; p <= 10; ++p)
        for (const Value* v : {&m.SteelPlateBottomWidth(p), &m.SteelPlateHeight(p), &m.SteelPlateLevel(p),
                               &m.PrecastPartBottomWidth(p), &m.PrecastPartTopWidth(p), &m.InfillPartTopWidth(p),
                               &m.InfillPartHeight(p)})
            if (!std::isfinite(v->number())) {
                failure = "a part that is not finite";
                return false;
            }
    return true;
}

// Each dimension within its bounds, those that must fit within another
// dimension held to it.
std::vector<double> heldToFit(const BeamFamilyTable& t, std::vector<double> values) {
    for (std::size_t i = 0; i < t.fields.size(); ++i) {
        const SectionField& f = t.fields[i];
        if (!f.fitsWithin) continue;
        for (std::size_t j = 0; j < t.fields.size(); ++j)
            if (std::string_view(t.fields[j].control) == f.fitsWithin) values[i] = std::min(values[i], values[j]);
    }
    return values;
}

// The smallest and largest of every bound, the two mixes of thin and thick
// plates in low and high beams, and many random sections in between.
TEST(BeamFamilyTables, AnySectionWithinTheBoundsBuildsWithoutARunTimeError) {
    std::mt19937 random(20261207);
    for (const BeamFamilyTable& t : beamFamilyTables()) {
        std::vector<std::vector<double>> cases;
        std::vector<double> low, high, lowThick, highThin;
        for (const SectionField& f : t.fields) {
            low.push_back(f.range.minimum);
            high.push_back(f.range.maximum);
            // Heights and widths at one end, the plates at the other.
            const bool plate = f.range.maximum <= 80;
            lowThick.push_back(plate ? f.range.maximum : f.range.minimum);
            highThin.push_back(plate ? f.range.minimum : f.range.maximum);
        }
        cases = {low, high, lowThick, highThin};
        for (int n = 0; n < 300; ++n) {
            std::vector<double> v;
            for (const SectionField& f : t.fields)
                v.push_back(std::uniform_real_distribution<double>(f.range.minimum, f.range.maximum)(random));
            cases.push_back(v);
        }
        for (const auto& values : cases) {
            std::string failure;
            EXPECT_TRUE(builds(t, heldToFit(t, values), failure)) << t.formName() << ": " << failure;
        }
    }
}

// A plate above the bounds is exactly what would stop the build of the
// inclined-web sections: the web would not rise above the bottom plate.
TEST(BeamFamilyTables, ThePlateBoundsAreWhatKeepsTheInclinedWebsBuildable) {
    const BeamFamilyTable& delta = *findBeamFamilyTable("frmDeltapalkki");
    std::vector<double> v;
    for (const SectionField& f : delta.fields) v.push_back(f.range.minimum);
    std::string failure;
    ASSERT_TRUE(builds(delta, v, failure)) << failure;
    // Height 150 on a bottom plate of 150 without a ledge plate: the web has
    // no rise, its angle is 0 and its horizontal width divides by sin 0.
    for (std::size_t i = 0; i < delta.fields.size(); ++i)
        if (std::string_view(delta.fields[i].control) == "txtAlalaippa") v[i] = 150;
    EXPECT_FALSE(builds(delta, v, failure));
    EXPECT_EQ(failure, "error 11");
}

}  // namespace
}  // namespace quorvel::dialogs
