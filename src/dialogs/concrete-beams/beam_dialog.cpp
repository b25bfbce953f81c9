#include "dialogs/concrete-beams/beam_dialog.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "app/beam_types.h"
#include "app/geometry_checks.h"
#include "app/input_tools.h"
#include "app/language.h"
#include "app/settings.h"
#include "model/beam_rules.h"

namespace quorvel::dialogs {

using platform::Control;
using platform::ControlKind;

std::optional<float> slabThickness(const ProjectModel& m, const std::string& name) {
    for (int i = 1; i <= std::min<int>(m.SlabTypeCount, m.SlabCatalogue.size()); ++i)
        if (m.SlabCatalogue(i).Name == name) return m.SlabCatalogue(i).Thickness;
    return std::nullopt;
}

namespace {
constexpr int SpacingLabelWidth = 2040;
constexpr int SpacingBoxWidth = 855;
constexpr int BoxHeight = 285;
}  // namespace

BeamDialog::BeamDialog(ProjectModel& m, platform::Platform& p, const std::string& name, const std::string& caption,
                       int clientWidth, int clientHeight, const BeamDialogLimits& limits)
    : InputDialog(m, p, name, caption, clientWidth, clientHeight),
      lblJannevali(*this, "lblJannevali", {}, "Palkin jänneväli"),
      txtJannevali(*this, "txtJannevali", {}),
      lblJanneUnit(*this, "lblJanneUnit", {}, "mm"),
      lblAlkuvalit(*this, "lblAlkuvalit", {}, "Palkkivälit alkupäässä"),
      txtVasenalkuvali(*this, "txtVasenalkuvali", {}),
      txtOikeaalkuvali(*this, "txtOikeaalkuvali", {}),
      lblLoppuvalit(*this, "lblLoppuvalit", {}, "Palkkivälit loppupäässä"),
      txtVasenloppuvali(*this, "txtVasenloppuvali", {}),
      txtOikealoppuvali(*this, "txtOikealoppuvali", {}),
      lblValitUnit(*this, "lblValitUnit", {}, "mm"),
      chkVaarnoitus(*this, "chkVaarnoitus", {}, limits.dowelCaption),
      cmdOK(*this, "cmdOK", {}, "OK"),
      cmdPeruuta(*this, "cmdPeruuta", {}, "Peruuta"),
      limits_(limits) {
    onLoad = [this] { Form_Load(); };
    wireButtons(cmdOK, cmdPeruuta, [this] { cmdOK_Click(); });
    const model::BoxLimit& span = tableLimit(txtJannevali);
    addRule(txtJannevali, [this, &span]() -> Bounds {
        // An empty span takes the shortest beam that keeps the loads and
        // holes on it, when that lies above 6000 and within the maximum.
        const float shortest = app::ComputeMinimumBeamLength(model());
        const bool fits = shortest > 6000.0f && shortest <= static_cast<float>(span.range.maximum);
        return Bounds{tableBound(span.range.minimum), tableBound(span.range.maximum),
                      fits ? Value(shortest) : Value(6000)};
    });
    for (platform::TextBox* box : {&txtVasenalkuvali, &txtOikeaalkuvali, &txtVasenloppuvali, &txtOikealoppuvali})
        tableRule(*box);
}

BeamDialog::~BeamDialog() = default;

void BeamDialog::addRule(Control& box, std::function<Bounds()> bounds, std::function<void()> after) {
    // A box has one rule: a later rule replaces an earlier one.
    auto same = std::find_if(rules_.begin(), rules_.end(), [&](const Rule& r) { return r.box == &box; });
    const std::size_t index = same == rules_.end() ? rules_.size() : static_cast<std::size_t>(same - rules_.begin());
    if (same == rules_.end()) rules_.push_back({});
    rules_[index] = {&box, std::move(bounds), std::move(after)};
    checkByBounds(box, [this, index] { return boxCheck(rules_[index]); },
                  [this, index] {
                      if (rules_[index].after) rules_[index].after();
                  });
}

void BeamDialog::rangeRule(Control& box, Value minimum, Value maximum, Value defaultValue,
                           std::function<void()> after) {
    addRule(box, [=] { return Bounds{minimum, maximum, defaultValue}; }, std::move(after));
}

void BeamDialog::minRule(Control& box, Value minimum, Value defaultValue, std::function<void()> after) {
    addRule(box, [=] { return Bounds{minimum, std::nullopt, defaultValue}; }, std::move(after));
}

const model::BoxLimit& BeamDialog::tableLimit(const Control& box) {
    const model::BoxLimit* row = app::boxLimitOf(box);
    if (!row) throw std::logic_error("no field limits for " + box.form().name() + "/" + box.name());
    return *row;
}

Value BeamDialog::tableBound(double v) {
    if (v == std::trunc(v) && std::fabs(v) < 2147483648.0) return Value(static_cast<int32_t>(v));
    return Value(static_cast<float>(v));
}

ProjectModel& BeamDialog::typeDefaults() const {
    if (!typeDefaults_) {
        typeDefaults_ = std::make_unique<ProjectModel>();
        // A type without a dialog of its own leaves every field empty.
        if (const app::BeamTypeInfo* type = app::findBeamType(model().BeamTypeName))
            app::ApplyBeamTypeDefaults(*typeDefaults_, *type);
    }
    return *typeDefaults_;
}

Value BeamDialog::ownDefault(Value ProjectModel::*field, Value otherwise) const {
    const Value& own = typeDefaults().*field;
    return own.isEmpty() ? otherwise : own;
}

void BeamDialog::tableRule(Control& box, std::function<void()> after) {
    tableRule(box, nullptr, std::move(after));
}

void BeamDialog::tableRule(Control& box, Value ProjectModel::*field, std::function<void()> after) {
    const model::BoxLimit& row = tableLimit(box);
    const Value minimum = tableBound(row.range.minimum);
    Value defaultValue = tableBound(row.defaultValue.value_or(row.range.minimum));
    if (field) defaultValue = ownDefault(field, defaultValue);
    if (row.range.hasMaximum())
        rangeRule(box, minimum, tableBound(row.range.maximum), defaultValue, std::move(after));
    else
        minRule(box, minimum, defaultValue, std::move(after));
}

// The check of the rule's box with the bounds of the moment: without a
// maximum of its own the box keeps its row's.
app::BoxCheck BeamDialog::boxCheck(const Rule& rule) const {
    const Bounds b = rule.bounds();
    return b.maximum ? rangeCheck(*rule.box, b.minimum, b.maximum->number(), b.defaultValue)
                     : minimumCheck(*rule.box, b.minimum, b.defaultValue);
}

platform::Label& BeamDialog::addLabel(Control* container, const std::string& name, platform::Place place,
                            const std::string& caption) {
    labels_.push_back(std::make_unique<platform::Label>(*this, name, place, caption, container));
    return *labels_.back();
}

void BeamDialog::placeLabelled(Control& box, int left, int top, int labelWidth, const std::string& caption,
                               const std::string& unit) {
    const int boxWidth = box.kind() == ControlKind::ComboBox ? 855 : SpacingBoxWidth;
    box.setPlace({left + labelWidth, top, boxWidth, box.kind() == ControlKind::ComboBox ? 315 : BoxHeight});
    addLabel(box.container(), "lbl" + box.name(), {left, top + 30, labelWidth - 60, 255}, caption);
    if (!unit.empty())
        addLabel(box.container(), "lbl" + box.name() + "Unit", {left + labelWidth + boxWidth + 60, top + 30, 600, 255},
                 unit);
}

void BeamDialog::watchEdits(std::initializer_list<const Control*> exceptFor) {
    auto skipped = [&](const Control* c) {
        return std::find(exceptFor.begin(), exceptFor.end(), c) != exceptFor.end() ||
               std::find(unwatched_.begin(), unwatched_.end(), c) != unwatched_.end();
    };
    auto chain = [this](std::function<void()>& slot) {
        slot = [this, previous = slot] {
            if (previous) previous();
            markChanged();
        };
    };
    for (Control* c : controls()) {
        if (skipped(c)) continue;
        switch (c->kind()) {
        case ControlKind::TextBox: chain(c->onChange); break;
        case ControlKind::ComboBox:
            chain(c->onChange);
            chain(c->onClick);
            break;
        case ControlKind::CheckBox: chain(c->onClick); break;
        default: break;
        }
    }
    // Tab order: the dialog's own controls first, then the span, the
    // spacings, the dowel box and the buttons of the frame.
    const std::vector<const Control*> shared{&txtJannevali,     &txtVasenalkuvali, &txtOikeaalkuvali,
                                             &txtVasenloppuvali, &txtOikealoppuvali, &chkVaarnoitus,
                                             &cmdOK,             &cmdPeruuta};
    int next = 0;
    for (Control* c : controls())
        if (std::find(shared.begin(), shared.end(), c) == shared.end()) c->setTabIndex(next++);
    for (const Control* c : shared) const_cast<Control*>(c)->setTabIndex(next++);
}

void BeamDialog::placeSpanAndSpacings(int left, int top) {
    const int box1 = left + SpacingLabelWidth;
    const int box2 = box1 + SpacingBoxWidth + 60;
    const int unit = box2 + SpacingBoxWidth + 60;
    lblJannevali.setPlace({left, top + 30, SpacingLabelWidth, 255});
    txtJannevali.setPlace({box1, top, SpacingBoxWidth, BoxHeight});
    lblJanneUnit.setPlace({box1 + SpacingBoxWidth + 60, top + 30, 400, 255});
    lblAlkuvalit.setPlace({left, top + 430, SpacingLabelWidth, 255});
    txtVasenalkuvali.setPlace({box1, top + 400, SpacingBoxWidth, BoxHeight});
    txtOikeaalkuvali.setPlace({box2, top + 400, SpacingBoxWidth, BoxHeight});
    lblLoppuvalit.setPlace({left, top + 790, SpacingLabelWidth, 255});
    txtVasenloppuvali.setPlace({box1, top + 760, SpacingBoxWidth, BoxHeight});
    txtOikealoppuvali.setPlace({box2, top + 760, SpacingBoxWidth, BoxHeight});
    lblValitUnit.setPlace({unit, top + 430, 400, 255});
}

void BeamDialog::placeButtons(int left, int top) {
    cmdOK.setPlace({left, top, 1215, 375});
    cmdPeruuta.setPlace({left + 1335, top, 1215, 375});
}

void BeamDialog::addSketch(std::initializer_list<std::pair<int, int>> points, bool closed) {
    std::vector<std::pair<int, int>> p(points);
    if (closed && !p.empty()) p.push_back(p.front());
    for (std::size_t i = 1; i < p.size(); ++i) {
        const std::string name = "linKuva" + std::to_string(sketch_.size() + 1);
        sketch_.push_back(std::make_unique<platform::Line>(*this, name, p[i - 1].first, p[i - 1].second,
                                                           p[i].first, p[i].second));
    }
}

void BeamDialog::fillSpacingTable() {
    spacing(1, 1) = number(txtVasenalkuvali);
    spacing(1, 2) = number(txtVasenloppuvali);
    spacing(2, 1) = number(txtOikeaalkuvali);
    spacing(2, 2) = number(txtOikealoppuvali);
}

float BeamDialog::smallestSpacing() const {
    float s = std::min(spacing(2, 1), spacing(2, 2));
    if (middleBeam()) s = std::min({s, spacing(1, 1), spacing(1, 2)});
    return s;
}

void BeamDialog::fillStrengthCombo(platform::ComboBox& combo, std::initializer_list<const char*> items,
                                   const Value& value) {
    combo.clear();
    for (const char* item : items) combo.addItem(item);
    selectOrAppend(combo, value);
}

void BeamDialog::selectOrAppend(platform::ComboBox& combo, const Value& value) {
    const std::string item = shown(value);
    for (int i = 0; i < combo.listCount(); ++i)
        if (combo.list(i) == item) {
            combo.setListIndex(i);
            return;
        }
    combo.addItem(item);
    combo.setListIndex(combo.listCount() - 1);
}

void BeamDialog::fillClassCombo(platform::ComboBox& combo, Value& classCode) {
    combo.clear();
    for (const char* item : {"1", "2", "3"}) combo.addItem(item);
    const double c = classCode.number();
    if (c == 1.0 || c == 2.0 || c == 3.0) {
        combo.setListIndex(static_cast<int>(c) - 1);
    } else {
        classCode = Value(int16_t{2});
        combo.setListIndex(1);
    }
}

void BeamDialog::Form_Load() {
    beginLoad();
    loadControls();
    ProjectModel& m = model();
    txtVasenalkuvali.setText(shown(m.BeamSpacing(1, 1)));
    txtOikeaalkuvali.setText(shown(m.BeamSpacing(2, 1)));
    txtVasenloppuvali.setText(shown(m.BeamSpacing(1, 2)));
    txtOikealoppuvali.setText(shown(m.BeamSpacing(2, 2)));
    txtJannevali.setText(shown(m.BeamSpan));
    chkVaarnoitus.setValue(m.*limits_.dowelFlag != 0 ? 1 : 0);
    // An edge beam has no left slab field: its spacing boxes keep their
    // loaded values, which OK writes back unchanged.
    for (platform::TextBox* box : {&txtVasenalkuvali, &txtVasenloppuvali}) {
        if (limits_.hideLeftSpacingsOnEdgeBeam) {
            box->setVisible(middleBeam());
            box->setEnabled(true);
        } else {
            box->setVisible(true);
            box->setEnabled(middleBeam());
        }
    }
    endLoad();
    afterLoad();
}

// The section the window's values describe, held to its family's rules:
// the values OK would write are written into the project, looked at and
// taken back.
std::optional<model::BeamRuleBreach> BeamDialog::typedSectionBreach() {
    std::optional<model::BeamRuleBreach> breach;
    withTypedValues([&](ProjectModel& m) { breach = model::beamSectionBreach(m, m.IsMiddleBeam != 0); });
    return breach;
}

void BeamDialog::withTypedValues(const std::function<void(ProjectModel&)>& look) {
    ProjectModel& m = model();
    const auto before = std::make_unique<ProjectModel>(m);
    writeModel();
    writeSpanAndSpacings();
    look(m);
    m = *before;
}

// The box of the field a refused section names gets the focus, where the
// window has one; a field of a row shows the row refused first.
void BeamDialog::focusRefusedBox(const model::BeamRuleBreach& breach) {
    for (platform::Control* c : controls()) {
        const model::BoxLimit* row = app::boxLimitOf(*c);
        if (!row || row->field != breach.field) continue;
        for (RowEditor* editor : rowEditors_)
            if (editor->holds(*c))
                if (const int r = refusedRow(*editor, breach.field); r > 0) editor->showRowNumber(r);
        if (c->canTakeFocus()) c->setFocus();
        return;
    }
}

// The row of the editor's group that breaks the rule of the field: the
// fewest rows of the group, as typed, that break it end with that row (the
// rows are held to the rules one by one). 0 when none does.
int BeamDialog::refusedRow(const RowEditor& editor, const std::string& field) {
    if (!editor.group()) return 0;
    int refused = 0;
    withTypedValues([&](ProjectModel& m) {
        const int count = m.*editor.group()->count;
        for (int r = 1; r <= count && refused == 0; ++r) {
            m.*editor.group()->count = static_cast<int16_t>(r);
            const auto breach = model::beamSectionBreach(m, m.IsMiddleBeam != 0);
            if (breach && breach->field == field) refused = r;
        }
    });
    return refused;
}

// A section that cannot exist is refused and the window stays open; then
// the beam's own check, the loads and the holes against the span typed
// here: any contradiction is put to the user, who may go on editing.
void BeamDialog::cmdOK_Click() {
    if (const auto breach = typedSectionBreach()) {
        platform().messageBox(model::beamBreachMessage(*breach).text(model().LanguageIndex), platform::Buttons::Ok,
                              platform::Icon::Exclamation);
        focusRefusedBox(*breach);
        return;
    }
    std::string collected;
    std::string lines;
    int16_t found = 0;
    checkInput(lines, found);
    if (found == 1) collected = lines;
    const float span = number(txtJannevali);
    if (app::CheckLoadPositions(model(), lines, span) != 0) collected += lines;
    fillSpacingTable();
    if (app::CheckHolePositions(model(), lines, span, spacing) != 0) collected += lines;
    if (!collected.empty() && keepEditing(collected, "Haluatko jatkaa palkin muokkausta?",
                                      "Do you want to go on editing the beam?")) return;
    closeWriting([this](ProjectModel&) {
        writeModel();
        writeSpanAndSpacings();
    });
}

// The spacings, the span and the dowel flag, after the dialog's own writes.
void BeamDialog::writeSpanAndSpacings() {
    ProjectModel& m = model();
    m.BeamSpacing(1, 1) = Value(number(txtVasenalkuvali));
    m.BeamSpacing(1, 2) = Value(number(txtVasenloppuvali));
    m.BeamSpacing(2, 1) = Value(number(txtOikeaalkuvali));
    m.BeamSpacing(2, 2) = Value(number(txtOikealoppuvali));
    m.BeamSpan = Value(number(txtJannevali));
    m.*limits_.dowelFlag = static_cast<int16_t>(chkVaarnoitus.value() == 1 ? 1 : 0);
}

}  // namespace quorvel::dialogs
