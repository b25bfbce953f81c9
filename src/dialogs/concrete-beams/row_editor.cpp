#include <algorithm>
#include <cmath>
#include <limits>

#include "dialogs/concrete-beams/beam_dialog.h"
#include "runtime/errors.h"

namespace quorvel::dialogs {

using platform::Place;

const RowGroup MainRowGroup{&ProjectModel::ReinforcementRowCount, &ProjectModel::BarsInRow,
                            &ProjectModel::BarArea, &ProjectModel::BarDistanceFromBottom,
                            &ProjectModel::BarPrestress};
const RowGroup TopRowGroup{&ProjectModel::TopRebarRowCount, &ProjectModel::TopBarsInRow,
                           &ProjectModel::TopBarArea, &ProjectModel::TopBarDistanceFromTop,
                           &ProjectModel::TopBarPrestress};

int16_t roundedCount(double x) {
    if (std::isnan(x)) return 0;
    const double r = runtime::roundHalfEven(x);
    if (r >= std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    if (r <= std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(r);
}

float saturatedSingle(double x) {
    constexpr double top = std::numeric_limits<float>::max();
    if (std::isnan(x)) return 0.0f;
    return static_cast<float>(std::clamp(x, -top, top));
}

double barDiameter(double area, double divisor) { return 2.0 * std::sqrt(std::max(area, 0.0) / divisor); }

namespace {
// Rows of the editor (twips): the count and number rows, then the frame.
constexpr int LabelWidth = 2400;
constexpr int BoxWidth = 615;
constexpr int BoxHeight = 285;
constexpr int Pitch = 360;
constexpr int FieldLabelWidth = 2700;
constexpr int FieldBoxLeft = 2880;
constexpr int FieldBoxWidth = 855;
constexpr int FrameWidth = 4380;

std::string lbl(const char* name) { return std::string("lbl") + name; }

Place fieldLabel(int row) { return {120, 270 + row * Pitch, FieldLabelWidth, 255}; }
Place fieldBox(int row) { return {FieldBoxLeft, 240 + row * Pitch, FieldBoxWidth, BoxHeight}; }
Place unitLabel(int row) { return {FieldBoxLeft + FieldBoxWidth + 60, 270 + row * Pitch, 480, 255}; }
int frameHeight(bool withPrestress) { return 240 + (withPrestress ? 4 : 3) * Pitch + 60; }
}  // namespace

RowEditor::RowEditor(BeamDialog& d, platform::Control* c, int left, int top, const RowEditorNames& n,
                     const RowEditorTexts& t)
    : lblCount(d, lbl(n.count), {left, top + 30, LabelWidth, 255}, t.count, c),
      count(d, n.count, {left + LabelWidth, top, BoxWidth, BoxHeight}, c),
      countBar(d, n.countBar, {left + LabelWidth + BoxWidth, top, 255, BoxHeight}, c),
      lblNumber(d, lbl(n.number), {left, top + Pitch + 30, LabelWidth, 255}, "Rivi", c),
      number(d, n.number, {left + LabelWidth, top + Pitch, BoxWidth, BoxHeight}, c),
      numberBar(d, n.numberBar, {left + LabelWidth + BoxWidth, top + Pitch, 255, BoxHeight}, c),
      frame(d, n.frame, {left, top + 2 * Pitch, FrameWidth, frameHeight(n.prestress != nullptr)}, "", c),
      lblBars(d, lbl(n.bars), fieldLabel(0), t.bars, &frame),
      bars(d, n.bars, fieldBox(0), &frame),
      lblArea(d, lbl(n.area), fieldLabel(1), t.area, &frame),
      area(d, n.area, fieldBox(1), &frame),
      lblAreaUnit(d, lbl(n.area) + "Unit", unitLabel(1), "mm ²", &frame),
      lblDistance(d, lbl(n.distance), fieldLabel(2), t.distance, &frame),
      distance(d, n.distance, fieldBox(2), &frame),
      lblDistanceUnit(d, lbl(n.distance) + "Unit", unitLabel(2), "mm", &frame),
      dialog_(d) {
    if (n.prestress) {
        lblPrestress = std::make_unique<platform::Label>(d, lbl(n.prestress), fieldLabel(3), t.prestress, &frame);
        prestress = std::make_unique<platform::TextBox>(d, n.prestress, fieldBox(3), &frame);
        lblPrestressUnit =
            std::make_unique<platform::Label>(d, lbl(n.prestress) + "Unit", unitLabel(3), "MPa", &frame);
    }
    d.excludeFromWatch(&number);
    d.addRowEditor(*this);
    count.onChange = [this] { count_Change(); };
    countBar.onChange = [this] { countBar_Change(); };
    number.onChange = [this] { number_Change(); };
    numberBar.onChange = [this] { numberBar_Change(); };
    bars.onChange = [this] { storeField(0); };
    area.onChange = [this] { storeField(1); };
    distance.onChange = [this] { storeField(2); };
    if (prestress) prestress->onChange = [this] { storeField(3); };
}

int RowEditor::bottom() const { return frame.top() + frame.height(); }

void RowEditor::setRules(RowFieldRules rules) {
    rules_ = std::move(rules);
    BeamDialog& d = dialog_;
    // The bounds stand in the table of field limits; the defaults are the
    // beam type's own rows, and the dialog's beyond them.
    const Value fewestBars = BeamDialog::tableBound(BeamDialog::tableLimit(bars).range.minimum);
    d.addRule(bars, [this, fewestBars] {
        const Value otherwise = rules_.barsDefault ? rules_.barsDefault(currentRow()) : fewestBars;
        const int16_t own = group_ ? (dialog_.typeDefaults().*group_->bars)(std::clamp(currentRow(), 1, 10)) : 0;
        return Bounds{fewestBars, std::nullopt, own > 0 ? Value(own) : otherwise};
    });
    const model::NumberRange areas = BeamDialog::tableLimit(area).range;
    d.addRule(area, [this, areas] {
        return Bounds{BeamDialog::tableBound(areas.minimum), BeamDialog::tableBound(areas.maximum),
                      group_ ? ownDefault(group_->area, rules_.areaDefault) : rules_.areaDefault};
    });
    const double lowest = BeamDialog::tableLimit(distance).range.minimum;
    d.addRule(distance, [this, &d, lowest] {
        const double diameter = barDiameter(d.number(area), RowEditorAreaDivisor);
        const float m =
            rules_.distanceDefault ? rules_.distanceDefault(diameter, currentRow()) : static_cast<float>(lowest);
        // The rows stack by the diameter typed, but a row the type fills
        // never comes nearer the face than the type's own row: the lever
        // arm is not made longer than the type's by emptying a box.
        const Value own = group_ ? ownDefault(group_->distance, Value()) : Value();
        return Bounds{BeamDialog::tableBound(lowest), std::nullopt, own.number() > m ? own : Value(m)};
    });
    if (prestress) {
        const model::NumberRange r = BeamDialog::tableLimit(*prestress).range;
        d.addRule(*prestress, [this, r] {
            return Bounds{BeamDialog::tableBound(r.minimum), BeamDialog::tableBound(r.maximum),
                          group_ ? ownDefault(group_->prestress, rules_.prestressDefault) : rules_.prestressDefault};
        });
    }
}

Value RowEditor::ownDefault(model::RowArray ProjectModel::*field, Value otherwise) const {
    const ProjectModel& own = dialog_.typeDefaults();
    const int row = std::clamp(currentRow(), 1, 10);
    const bool filled = (own.*group_->bars)(row) > 0;
    return filled && !(own.*field)(row).isEmpty() ? (own.*field)(row) : otherwise;
}

bool RowEditor::enabledRows() const { return countBar.value() >= 1 || !rules_.numberRuleNeedsCount; }

// The count rule: the typed count held to 0..10 (rewritten at the ends), the
// bar set from it, the row fields enabled by the count, the row shown kept
// within the count.
void RowEditor::count_Change() {
    // A text that is no count the editor holds changes nothing; leaving
    // the box refuses it.
    if (!count.text().empty() && !dialog_.typedCount(count)) return;
    int n = roundedCount(dialog_.number(count));
    const int top = countBar.highBound();
    if (n > top) n = top;
    if (!count.text().empty()) {
        if (n < 0) n = 0;
        if (n == 0) count.setText("0");
        if (n == top) count.setText(std::to_string(top));
        countBar.setValue(n);
    }
    const int c = countBar.value();
    const bool on = c != 0;
    for (platform::Control* ctl : std::initializer_list<platform::Control*>{
             &number, &numberBar, &bars, &area, &distance, prestress.get(), &frame})
        if (ctl) ctl->setEnabled(on);
    if (!on) {
        numberBar.setMin(1);
    } else {
        if (c < numberBar.value()) numberBar.setValue(c);
        numberBar.setMin(c);
    }
    dialog_.markChanged();
}

void RowEditor::countBar_Change() {
    const int v = countBar.value();
    if (v >= rules_.maxCount) {
        countBar.setValue(rules_.maxCount - 1);
        return;
    }
    count.setText(std::to_string(v));
}

// The number rule: the typed row held to 1..count, then the row's record
// shown in the fields.
void RowEditor::number_Change() {
    if (!enabledRows()) return;
    if (!number.text().empty() && !dialog_.typedCount(number)) return;
    const int top = numberBar.min();
    int r = roundedCount(dialog_.number(number));
    if (r > top) r = top;
    if (r < 1) r = 1;
    if (!number.text().empty()) {
        numberBar.setValue(r);
        if (r == 1) number.setText("1");
        if (r == top) number.setText(std::to_string(top));
    }
    showRow();
}

void RowEditor::showRow() {
    const int row = runtime::toIndex(currentRow(), 0, 10);
    const RowRecord rec = rows[static_cast<std::size_t>(row)];
    bars.setText(dialog_.shown(Value(rec.bars)));
    area.setText(dialog_.shown(Value(rec.area)));
    distance.setText(dialog_.shown(Value(rec.distance)));
    if (prestress) prestress->setText(dialog_.shown(Value(rec.prestress)));
}

void RowEditor::numberBar_Change() { number.setText(std::to_string(numberBar.value())); }

// A field's text goes into the row shown while it is a number the field
// can hold; any other text leaves the row as it was.
void RowEditor::storeField(int field) {
    RowRecord& rec = rows[static_cast<std::size_t>(runtime::toIndex(currentRow(), 0, 10))];
    const platform::TextBox* box[] = {&bars, &area, &distance, prestress.get()};
    if (!dialog_.acceptable(*box[field])) {
        dialog_.markChanged();
        return;
    }
    switch (field) {
    case 0: rec.bars = roundedCount(dialog_.number(bars)); break;
    case 1: rec.area = dialog_.number(area); break;
    case 2: rec.distance = dialog_.number(distance); break;
    default: rec.prestress = dialog_.number(*prestress); break;
    }
    dialog_.markChanged();
}

void RowEditor::load(ProjectModel& m, const RowGroup& group) {
    group_ = &group;
    for (int r = 1; r <= 10; ++r) {
        Value& p = (m.*group.prestress)(r);
        if (p < 0.002) p = Value(int16_t{0});
        rows[static_cast<std::size_t>(r)] = {(m.*group.bars)(r), saturatedSingle((m.*group.area)(r)),
                                             saturatedSingle((m.*group.distance)(r)), saturatedSingle(p)};
    }
    const int c = std::clamp<int>(m.*group.count, 0, rules_.maxCount - 1);
    // Empty texts first, so that the assignments below run the rules even
    // when the boxes hold the same texts as at the last opening.
    number.setText("");
    count.setText("");
    countBar.setRange(10, 0);
    countBar.setValue(c);
    numberBar.setRange(c, 1);
    numberBar.setValue(1);
    number.setText("1");
    count.setText(std::to_string(c));
    showRow();  // also with a count of 0, so that no field keeps an old row
}

void RowEditor::write(ProjectModel& m, const RowGroup& group, int first, int last) const {
    for (int r = first; r <= last; ++r) {
        const RowRecord& rec = rows[static_cast<std::size_t>(r)];
        (m.*group.bars)(r) = rec.bars;
        (m.*group.area)(r) = Value(rec.area);
        (m.*group.distance)(r) = Value(rec.distance);
        (m.*group.prestress)(r) = Value(rec.prestress);
    }
    m.*group.count = static_cast<int16_t>(shownCount());
}

float RowEditor::largestDistance() const {
    float d = 0.0f;
    for (int r = 1; r <= std::min(shownCount(), 10); ++r)
        d = std::max(d, rows[static_cast<std::size_t>(r)].distance);
    return d;
}

}  // namespace quorvel::dialogs
