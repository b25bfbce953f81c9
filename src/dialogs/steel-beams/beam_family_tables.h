#pragma once
// The beam section dialogs of the families whose windows are built from a
// table: the concrete I-beam (BI), the prestressed beam on steel angles
// (KEMO_UUSI), the A beam (Apalkki), the welded steel beams (TI, HQ, CWQ)
// and the composite beams (DELTA, MEK, ABeamS). One table per family says
// which section dimensions the window edits (the model fields the family's
// section record carries, with the dimension's sketch label and its
// bounds), which materials (concrete, concrete class, steel grades) and
// which reinforcement row groups it has, the outline of its sketch, the
// family's geometry check and what OK derives after writing.
//
// The tables hold data only; TableBeamDialog (table_beam_dialog.h) is the
// one window that reads them.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/project_model.h"
#include "runtime/value.h"

namespace quorvel::dialogs {

using model::ProjectModel;
using runtime::Value;

// A model field a box edits.
using FieldRef = Value& (*)(ProjectModel&);

template <auto F>
Value& modelField(ProjectModel& m) {
    return m.*F;
}
template <int Kind>
Value& concreteQualityClass(ProjectModel& m) {
    return m.ConcreteQualityClass(Kind);
}

// The bounds a box is checked against when it loses the focus, and the
// value an emptied box gets.
struct FieldRange {
    double minimum;
    double maximum;
    double defaultValue;
};

// One section dimension (mm). The symbol is the dimension's label in the
// sketch, shown at (symbolLeft, symbolTop) of the sketch frame, in twips.
// A dimension that must fit inside another one names that one's box: its
// maximum is then also the other box's typed value.
struct SectionField {
    const char* control;
    FieldRef field;
    std::string_view caption;  // the family's section caption of the symbol, in Finnish
    const char* symbol;
    int symbolLeft;
    int symbolTop;
    FieldRange range;
    const char* fitsWithin = nullptr;
};

// A material value: a combo with a list (an editable strength list, or the
// fixed concrete class list "1", "2", "3") or a text box (no items).
struct MaterialField {
    const char* control;
    FieldRef field;
    const char* caption;
    const char* unit;
    std::vector<const char*> items;
    bool classList = false;
    FieldRange range{};
};

enum class RowGroupKind { Main, Top, SteelBeam };

// A reinforcement row group with its row editor's controls, the defaults
// of its emptied fields, and its steel (modulus and strength).
struct RowGroupTable {
    RowGroupKind group;
    const char* frame;
    const char* frameCaption;
    // count, count bar, row number, number bar, frame of the row's fields,
    // bars, bar area, distance, prestress (nullptr: no prestress box)
    const char* names[9];
    const char* countCaption;
    const char* distanceCaption;
    int barsDefault;
    double areaDefault;
    // The distance default of an emptied box: first + two bar diameters a row.
    double firstDistance;
    double prestressDefault;
    MaterialField modulus;
    MaterialField strength;
};

// The family check on a model holding the values typed in the window.
using FamilyCheck = int16_t (*)(const ProjectModel&, float bearing1, float bearing2, std::string& lines);

// A polyline of the sketch, twips in the sketch frame.
struct SketchLine {
    std::vector<std::pair<int, int>> points;
    bool closed = true;
};

struct BeamFamilyTable {
    model::BeamFamily family;  // the family the window edits
    const char* caption;
    // The window's form name and the type name it writes: the family's.
    std::string_view formName() const { return model::FamilyInfo(family).dialog; }
    std::string_view typeName() const { return model::FamilyInfo(family).typeName; }
    std::vector<SectionField> fields;
    std::vector<MaterialField> materials;
    std::vector<RowGroupTable> rows;
    std::vector<SketchLine> sketch;
    FamilyCheck check;
    // Fields that follow from the written ones and are not in the window.
    void (*complete)(ProjectModel&);
    // The dowel check box.
    int16_t ProjectModel::*dowelFlag;
    const char* dowelCaption;
};

// The nine tables, in the order of the main window's beam options.
std::span<const BeamFamilyTable> beamFamilyTables();
// The table of a form name, or nullptr.
const BeamFamilyTable* findBeamFamilyTable(std::string_view formName);

// After the window's values were written: the fields that follow from them
// as they follow when the project file is read (the second ledge height,
// the bottom plate of the box beams, the fixed hole pattern of the ABeamS
// beam ...), then the family's own. The model holds the table's beam type.
void completeSection(ProjectModel& m, const BeamFamilyTable& table);

// A bound or default as the range message shows it: whole numbers without
// a decimal point.
Value boundValue(double v);

}  // namespace quorvel::dialogs
