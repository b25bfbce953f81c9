#pragma once
// What every beam section dialog shares, on the input-dialog frame (load,
// changed flag, box checks, the OK question, cancel): the span and spacing
// boxes, the dowel check box, OK with the beam's own check followed by the
// load and hole checks, a table of focus-loss rules with bounds worked out
// when the box is left, the reinforcement row editor, the material combos
// and the section sketch.
//
// How a beam dialog is made of it:
//   1. Derive from BeamDialog; declare the dialog's own controls as members
//      under their given names (row editors as RowEditor members, with
//      reference members under the given names of their controls).
//   2. In the constructor: place the shared boxes (placeSpanAndSpacings,
//      placeButtons), draw the figure (addSketch), add a validation rule per
//      validated box (rangeRule / minRule / addRule), give the row editors
//      their field rules, and call watchEdits() last, so that every edit of
//      a box, combo or check box marks the dialog changed.
//   3. Implement loadControls (the dialog's own load steps; the frame loads
//      the spacings, the span and the dowel box itself), checkInput (the
//      private contradiction check) and writeModel (what OK writes when the
//      dialog was changed; the frame writes the spacings, the span and the
//      dowel flag after it).

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/dialog_frame.h"
#include "model/beam_rules.h"

namespace quorvel::dialogs {

// --- numbers of the boxes ---

// A typed number rounded half to even into a 16-bit count, held to the
// 16-bit range instead of overflowing (a count typed as 1E+30 is 32767).
int16_t roundedCount(double x);
// A single-precision value held to the single range (an area from a huge
// diameter stays the largest single instead of becoming infinite).
float saturatedSingle(double x);
// The bar diameter of an area, 2 * sqrt(A / divisor); a negative area
// counts as 0, so no root of a negative number is ever taken.
double barDiameter(double area, double divisor);

// The divisor the row editors turn a bar area into a diameter with.
constexpr double RowEditorAreaDivisor = 3.1215592654;
// Pi as the fixed bar rows of the Kvatro dialog use it.
constexpr double FixedRowPi = 3.14159265;

// The catalogue thickness of a slab type (the first record of that name),
// or nothing when the catalogue lacks it.
std::optional<float> slabThickness(const ProjectModel& m, const std::string& name);

// --- reinforcement row groups ---

// One row of a row editor's table.
struct RowRecord {
    int16_t bars = 0;
    float area = 0.0f;
    float distance = 0.0f;
    float prestress = 0.0f;
};

// Rows 0..10; row 0 is not used.
using RowTable = std::array<RowRecord, 11>;

// A row group of the model: its count and its row arrays.
struct RowGroup {
    int16_t ProjectModel::*count;
    model::RowIntArray ProjectModel::*bars;
    model::RowArray ProjectModel::*area;
    model::RowArray ProjectModel::*distance;
    model::RowArray ProjectModel::*prestress;
};
// The main reinforcement or strand rows.
extern const RowGroup MainRowGroup;
// The top reinforcement rows (distance from the top face).
extern const RowGroup TopRowGroup;

class BeamDialog;

// The names of a row editor's controls.
struct RowEditorNames {
    const char* count;
    const char* countBar;
    const char* number;
    const char* numberBar;
    const char* frame;
    const char* bars;
    const char* area;
    const char* distance;
    const char* prestress;  // nullptr: the editor has no prestress box
};

// The labels of a row editor.
struct RowEditorTexts {
    const char* count = "Raudoiterivien määrä";
    const char* bars = "Terästen lukumäärä rivillä";
    const char* area = "Yhden teräksen pinta-ala";
    const char* distance = "Terästen etäisyys alapinnasta";
    const char* prestress = "Terästen esijännitys lopputilassa";
};

// The focus-loss constants of a row editor's fields and its count rules.
struct RowFieldRules {
    // Default of an empty bar count box for the row shown.
    std::function<Value(int row)> barsDefault;
    Value areaDefault = 93;
    // Default of an empty distance box from the bar diameter of the area box
    // and the row shown.
    std::function<float(double diameter, int row)> distanceDefault;
    Value prestressDefault = 1000;
    // The number rule waits for a count of at least 1.
    bool numberRuleNeedsCount = true;
    // The count bar snaps back to maxCount - 1 when it reaches maxCount.
    int maxCount = 11;
};

// A reinforcement row editor: the count box and bar, the row number box
// and bar, and in a frame the fields of the row shown, bound to a table of
// rows 1..10 that the dialog loads from and writes to one row group of the
// model. The row shown is always the number bar's value, and the count the
// window shows is the count bar's value: that is what the checks and OK take,
// whatever an emptied count box holds.
class RowEditor {
public:
    // The controls stand at (left, top) of the container: the count and the
    // number rows, then the frame of the row fields below them.
    RowEditor(BeamDialog& dialog, platform::Control* container, int left, int top,
              const RowEditorNames& names, const RowEditorTexts& texts = {});

    platform::Label lblCount;
    platform::TextBox count;
    platform::VScrollBar countBar;
    platform::Label lblNumber;
    platform::TextBox number;
    platform::VScrollBar numberBar;
    platform::Frame frame;
    platform::Label lblBars;
    platform::TextBox bars;
    platform::Label lblArea;
    platform::TextBox area;
    platform::Label lblAreaUnit;
    platform::Label lblDistance;
    platform::TextBox distance;
    platform::Label lblDistanceUnit;
    std::unique_ptr<platform::Label> lblPrestress;
    std::unique_ptr<platform::TextBox> prestress;
    std::unique_ptr<platform::Label> lblPrestressUnit;

    RowTable rows;

    void setRules(RowFieldRules rules);
    // Fills the table from the group (prestress below 0.002 becomes 0 in the
    // model itself), sets the bars and shows row 1.
    void load(ProjectModel& m, const RowGroup& group);
    // Writes rows first..last of the table and the count the window shows.
    void write(ProjectModel& m, const RowGroup& group, int first = 1, int last = 10) const;
    int shownCount() const { return countBar.value(); }
    int currentRow() const { return numberBar.value(); }
    // Shows row r (1..the count shown).
    void showRowNumber(int r) { numberBar.setValue(r); }
    // The group loaded; nullptr before the load.
    const RowGroup* group() const { return group_; }
    // Whether the control is one of the fields of the row shown.
    bool holds(const platform::Control& c) const {
        return &c == &bars || &c == &area || &c == &distance || &c == prestress.get();
    }
    // The largest distance of rows 1..count shown, 0 without rows.
    float largestDistance() const;
    // The bottom edge of the editor in its container (twips).
    int bottom() const;

private:
    void count_Change();
    void countBar_Change();
    void number_Change();
    void numberBar_Change();
    void showRow();
    void storeField(int field);
    bool enabledRows() const;
    // The type's own value of a field of the row shown, where the type
    // fills that row of the group; else otherwise.
    Value ownDefault(model::RowArray ProjectModel::*field, Value otherwise) const;

    BeamDialog& dialog_;
    RowFieldRules rules_;
    const RowGroup* group_ = nullptr;  // the group loaded
};

// --- the frame ---

// The bounds of a validated box, worked out when the box loses the focus.
struct Bounds {
    Value minimum;
    std::optional<Value> maximum;  // none: the maximum of the box's row
    Value defaultValue;
};

// How a beam dialog shows its left spacings and which dowel flag it
// edits; the span and spacing bounds stand in the table of field limits
// under the dialog's form name.
struct BeamDialogLimits {
    bool hideLeftSpacingsOnEdgeBeam;  // hidden instead of disabled
    int16_t ProjectModel::*dowelFlag;  // the field of chkVaarnoitus
    const char* dowelCaption;
};

class BeamDialog : public InputDialog {
public:
    ~BeamDialog() override;

    platform::Label lblJannevali;
    platform::TextBox txtJannevali;
    platform::Label lblJanneUnit;
    platform::Label lblAlkuvalit;
    platform::TextBox txtVasenalkuvali;
    platform::TextBox txtOikeaalkuvali;
    platform::Label lblLoppuvalit;
    platform::TextBox txtVasenloppuvali;
    platform::TextBox txtOikealoppuvali;
    platform::Label lblValitUnit;
    platform::CheckBox chkVaarnoitus;
    platform::CommandButton cmdOK;
    platform::CommandButton cmdPeruuta;

    // Used by the row editors and the rules.
    using InputDialog::acceptable;
    using InputDialog::typedCount;
    using InputDialog::markChanged;
    using InputDialog::number;
    using InputDialog::shown;
    float number(const platform::Label& label) const { return number(label.caption()); }
    // Adds a validation rule for a text box or editable combo; after runs
    // when the value was accepted.
    void addRule(platform::Control& box, std::function<Bounds()> bounds,
                 std::function<void()> after = {});
    void rangeRule(platform::Control& box, Value minimum, Value maximum, Value defaultValue,
                   std::function<void()> after = {});
    void minRule(platform::Control& box, Value minimum, Value defaultValue,
                 std::function<void()> after = {});
    // A rule with the bounds and default of the box's row in the table of
    // field limits.
    void tableRule(platform::Control& box, std::function<void()> after = {});
    // The same for a box of a plain field, whose emptied box takes the
    // type's own default (ownDefault) before the table's.
    void tableRule(platform::Control& box, Value ProjectModel::*field, std::function<void()> after = {});
    // The box's row of the table (which every beam dialog box has).
    static const model::BoxLimit& tableLimit(const platform::Control& box);
    // A bound of the table as the range message shows it.
    static Value tableBound(double v);
    // What an emptied box of a field takes: the value a new project of the
    // dialog's beam type holds in it (the type's own default), or otherwise
    // where the type leaves the field empty. A box shared by types of
    // other steels (bars, strands) thus never takes another type's value.
    Value ownDefault(Value ProjectModel::*field, Value otherwise) const;
    // A new project's beam of the dialog's beam type (a scratch model of
    // the type's defaults; nothing else of it is set).
    ProjectModel& typeDefaults() const;
    // A box whose edits do not mark the dialog changed (row number boxes).
    void excludeFromWatch(const platform::Control* c) { unwatched_.push_back(c); }
    // A row editor of the dialog, for OK to show the row a rule refuses.
    void addRowEditor(RowEditor& editor) { rowEditors_.push_back(&editor); }
    // A label owned by the dialog.
    platform::Label& addLabel(platform::Control* container, const std::string& name,
                              platform::Place place, const std::string& caption);
    // Places a box at (left + labelWidth, top) in its container with its
    // label before it and its unit (if any) after it.
    void placeLabelled(platform::Control& box, int left, int top, int labelWidth, const std::string& caption,
                       const std::string& unit = {});

protected:
    BeamDialog(ProjectModel& m, platform::Platform& p, const std::string& name,
               const std::string& caption, int clientWidth, int clientHeight,
               const BeamDialogLimits& limits);

    // The dialog's own load steps (combos, rows, boxes).
    virtual void loadControls() = 0;
    // The private contradiction check on the values in the window.
    virtual void checkInput(std::string& message, int16_t& conflict) = 0;
    // The dialog's own writes on OK.
    virtual void writeModel() = 0;
    // Runs after the changed flag was reset at the end of the load.
    virtual void afterLoad() {}

    // Connects the edit events of every text box, combo and check box to
    // the changed flag, except those named; call it last in the constructor.
    void watchEdits(std::initializer_list<const platform::Control*> exceptFor = {});
    // Places the span box and the four spacing boxes at (left, top).
    void placeSpanAndSpacings(int left, int top);
    void placeButtons(int left, int top);
    // Static figure lines: a closed or open polyline of points in twips.
    void addSketch(std::initializer_list<std::pair<int, int>> points, bool closed = true);

    // The spacing table from the four spacing boxes, and the smallest
    // spacing of the sides in use (the right side, and the left on a middle
    // beam).
    void fillSpacingTable();
    float smallestSpacing() const;
    bool middleBeam() const { return model().IsMiddleBeam != 0; }

    // A strength combo (editable): the items, then the model value selected;
    // a value not in the list is appended in the general number format.
    void fillStrengthCombo(platform::ComboBox& combo, std::initializer_list<const char*> items,
                           const Value& value);
    // Selects the item that shows the value, appending it when the list
    // lacks it, so that a stored value is never replaced by another item.
    void selectOrAppend(platform::ComboBox& combo, const Value& value);
    // A class combo (list only, "1", "2", "3"): a class not in the list is
    // reset to 2 in the model and "2" is selected.
    void fillClassCombo(platform::ComboBox& combo, Value& classCode);

    model::SideEndSingleArray spacing;

    // Calls look with the project holding the window's values as OK would
    // write them (the dialog's own writes, the span and the spacings), and
    // takes them back.
    void withTypedValues(const std::function<void(ProjectModel&)>& look);

private:
    struct Rule {
        platform::Control* box;
        std::function<Bounds()> bounds;
        std::function<void()> after;
    };
    void Form_Load();
    void cmdOK_Click();
    std::optional<model::BeamRuleBreach> typedSectionBreach();
    void focusRefusedBox(const model::BeamRuleBreach& breach);
    int refusedRow(const RowEditor& editor, const std::string& field);
    app::BoxCheck boxCheck(const Rule& rule) const;
    void writeSpanAndSpacings();

    BeamDialogLimits limits_;
    mutable std::unique_ptr<ProjectModel> typeDefaults_;
    std::vector<Rule> rules_;
    std::vector<const platform::Control*> unwatched_;
    std::vector<RowEditor*> rowEditors_;
    std::vector<std::unique_ptr<platform::Label>> labels_;
    std::vector<std::unique_ptr<platform::Line>> sketch_;
};

}  // namespace quorvel::dialogs
