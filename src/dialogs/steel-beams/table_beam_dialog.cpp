#include "dialogs/steel-beams/table_beam_dialog.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "app/beam_position.h"
#include "app/geometry_checks.h"

namespace quorvel::dialogs {

const RowGroup SteelBeamRowGroup{&ProjectModel::SteelBeamRebarRowCount, &ProjectModel::SteelBeamBarsInRow,
                                 &ProjectModel::SteelBeamBarArea, &ProjectModel::SteelBeamBarDistance,
                                 &ProjectModel::SteelBeamBarPrestress};

namespace {

// The window in three columns (twips): the dimensions; the sketch with the
// materials under it; the row groups. The span, spacings, dowel box and
// buttons go under the first two.
constexpr int Margin = 240;
constexpr int Pitch = 360;
constexpr int DimensionLabelWidth = 3120;
constexpr int SketchLeft = 5040;
constexpr int SketchWidth = 3960;
constexpr int SketchHeight = 2880;
constexpr int MaterialLabelWidth = 2400;
constexpr int MaterialPitch = 400;
constexpr int RowsLeft = 9240;
constexpr int RowFrameWidth = 4620;
constexpr int RowEditorHeight = 2 * Pitch + 240 + 4 * Pitch + 60;  // count and number rows, the row frame
constexpr int SteelLabelWidth = 2400;
constexpr int SpanBlockHeight = 1045;
constexpr int SymbolWidth = 480;
constexpr int SymbolHeight = 255;

const RowGroup& rowGroupOf(RowGroupKind kind) {
    switch (kind) {
    case RowGroupKind::Top: return TopRowGroup;
    case RowGroupKind::SteelBeam: return SteelBeamRowGroup;
    case RowGroupKind::Main: break;
    }
    return MainRowGroup;
}

// The tallest row group frame: the row editor with a prestress box, then
// the steel's two boxes.
int rowFrameHeight() { return 300 + RowEditorHeight + 120 + 2 * Pitch + 120; }

BeamDialogLimits limitsOf(const BeamFamilyTable& t) {
    return {false, t.dowelFlag, t.dowelCaption};
}

}  // namespace

TableBeamDialog::Layout TableBeamDialog::layoutOf(const BeamFamilyTable& t) {
    const int dimensions = Margin + static_cast<int>(t.fields.size()) * Pitch;
    const int materials = 120 + SketchHeight + Margin + static_cast<int>(t.materials.size()) * MaterialPitch;
    const int bottomTop = std::max(dimensions, materials) + Margin;
    const int rows = 120 + static_cast<int>(t.rows.size()) * (rowFrameHeight() + 120);
    const int width = t.rows.empty() ? RowsLeft : RowsLeft + RowFrameWidth + Margin;
    return {width, std::max(bottomTop + SpanBlockHeight, rows) + Margin, bottomTop};
}

TableBeamDialog::TableBeamDialog(ProjectModel& m, platform::Platform& p, const BeamFamilyTable& table)
    : TableBeamDialog(m, p, table, layoutOf(table)) {}

TableBeamDialog::TableBeamDialog(ProjectModel& m, platform::Platform& p, const BeamFamilyTable& table,
                                 const Layout& layout)
    : BeamDialog(m, p, std::string(table.formName()), table.caption, layout.width, layout.height, limitsOf(table)),
      fraPoikkileikkaus(*this, "fraPoikkileikkaus", {SketchLeft, 120, SketchWidth, SketchHeight}, "Poikkileikkaus"),
      table_(table) {
    // The dimensions, each with its label (naming its sketch symbol) and unit.
    int top = Margin;
    for (const SectionField& f : table.fields) {
        boxes_.push_back(std::make_unique<platform::TextBox>(*this, f.control, platform::Place{}));
        platform::TextBox& b = *boxes_.back();
        placeLabelled(b, Margin, top, DimensionLabelWidth, std::string(f.caption), "mm");
        top += Pitch;
        const FieldRange r = f.range;
        const char* within = f.fitsWithin;
        const FieldRef field = f.field;
        addRule(b, [this, r, within, field] {
            // A dimension that must fit inside another is held to that one's
            // typed value, but never below its own minimum, so that a box
            // can always be left with some value.
            double maximum = r.maximum;
            if (within) maximum = std::max(r.minimum, std::min(maximum, static_cast<double>(number(box(within)))));
            return Bounds{boundValue(r.minimum), boundValue(maximum), ownFieldDefault(field, r.defaultValue)};
        });
    }

    // The sketch and the dimensions' symbols in it.
    for (const SketchLine& line : table.sketch) {
        std::vector<std::pair<int, int>> points = line.points;
        if (line.closed && !points.empty()) points.push_back(points.front());
        for (std::size_t i = 1; i < points.size(); ++i)
            lines_.push_back(std::make_unique<platform::Line>(
                *this, "linPoikkileikkaus" + std::to_string(lines_.size() + 1), points[i - 1].first,
                points[i - 1].second, points[i].first, points[i].second, &fraPoikkileikkaus));
    }
    for (const SectionField& f : table.fields)
        addLabel(&fraPoikkileikkaus, std::string("lblSymboli_") + f.control,
                 {f.symbolLeft, f.symbolTop, SymbolWidth, SymbolHeight}, f.symbol);

    // The materials under the sketch.
    top = 120 + SketchHeight + Margin;
    for (const MaterialField& f : table.materials) {
        addMaterial(f, nullptr, SketchLeft, top, MaterialLabelWidth);
        top += MaterialPitch;
    }

    // A frame for each row group: its row editor, then its steel.
    top = 120;
    for (const RowGroupTable& g : table.rows) {
        frames_.push_back(std::make_unique<platform::Frame>(*this, g.frame,
                                                            platform::Place{RowsLeft, top, RowFrameWidth,
                                                                            rowFrameHeight()},
                                                            g.frameCaption));
        platform::Frame& frame = *frames_.back();
        const RowEditorNames names{g.names[0], g.names[1], g.names[2], g.names[3], g.names[4],
                                   g.names[5], g.names[6], g.names[7], g.names[8]};
        RowEditorTexts texts;
        texts.count = g.countCaption;
        texts.distance = g.distanceCaption;
        editors_.push_back(std::make_unique<RowEditor>(*this, &frame, 180, 300, names, texts));
        RowEditor& editor = *editors_.back();
        const int bars = g.barsDefault;
        const double first = g.firstDistance;
        editor.setRules({.barsDefault = [bars](int) { return Value(static_cast<int16_t>(bars)); },
                         .areaDefault = boundValue(g.areaDefault),
                         .distanceDefault = [first](double d, int row) {
                             return static_cast<float>(first + 2 * d * (row - 1));
                         },
                         .prestressDefault = boundValue(g.prestressDefault)});
        const int steelTop = editor.bottom() + 120;
        addMaterial(g.modulus, &frame, 180, steelTop, SteelLabelWidth);
        addMaterial(g.strength, &frame, 180, steelTop + Pitch, SteelLabelWidth);
        // A group without prestress has one field less in its row frame.
        const int height = steelTop + 2 * Pitch + 120;
        frame.setPlace({RowsLeft, top, RowFrameWidth, height});
        top += height + 120;
    }

    placeSpanAndSpacings(Margin, layout.bottomTop);
    chkVaarnoitus.setPlace({SketchLeft, layout.bottomTop, 3600, 255});
    placeButtons(SketchLeft, layout.bottomTop + 660);
    watchEdits();
}

TableBeamDialog::~TableBeamDialog() = default;

Value TableBeamDialog::ownFieldDefault(FieldRef field, double otherwise) const {
    const Value& own = field(typeDefaults());
    return own.isEmpty() ? boundValue(otherwise) : own;
}

void TableBeamDialog::addMaterial(const MaterialField& f, platform::Control* container, int left, int top,
                                  int labelWidth) {
    Material mat{&f, nullptr, nullptr};
    if (f.items.empty()) {
        boxes_.push_back(std::make_unique<platform::TextBox>(*this, f.control, platform::Place{}, container));
        mat.box = boxes_.back().get();
        placeLabelled(*mat.box, left, top, labelWidth, f.caption, f.unit);
        rangeRule(*mat.box, boundValue(f.range.minimum), boundValue(f.range.maximum),
                  ownFieldDefault(f.field, f.range.defaultValue));
    } else {
        const auto style = f.classList ? platform::ComboStyle::DropDownList : platform::ComboStyle::DropDownCombo;
        combos_.push_back(std::make_unique<platform::ComboBox>(*this, f.control, platform::Place{}, style, container));
        mat.combo = combos_.back().get();
        placeLabelled(*mat.combo, left, top, labelWidth, f.caption, f.unit);
        // A class is chosen from the list; a strength is typed or chosen.
        if (!f.classList)
            rangeRule(*mat.combo, boundValue(f.range.minimum), boundValue(f.range.maximum),
                      ownFieldDefault(f.field, f.range.defaultValue));
    }
    materials_.push_back(mat);
}

platform::TextBox& TableBeamDialog::box(std::string_view name) {
    return const_cast<platform::TextBox&>(std::as_const(*this).box(name));
}

const platform::TextBox& TableBeamDialog::box(std::string_view name) const {
    for (const auto& b : boxes_)
        if (b->name() == name) return *b;
    throw std::out_of_range("no box " + std::string(name));
}

platform::ComboBox& TableBeamDialog::combo(std::string_view name) {
    for (auto& c : combos_)
        if (c->name() == name) return *c;
    throw std::out_of_range("no combo " + std::string(name));
}

float TableBeamDialog::typed(const Material& mat) const { return mat.box ? number(*mat.box) : number(*mat.combo); }

void TableBeamDialog::loadControls() {
    ProjectModel& m = model();
    for (const Material& mat : materials_) {
        Value& v = mat.spec->field(m);
        if (mat.box) {
            mat.box->setText(shown(v));
        } else if (mat.spec->classList) {
            fillClassCombo(*mat.combo, v);
        } else {
            // A stored strength not in the list is added to it and chosen,
            // so that OK never puts another value in its place.
            mat.combo->clear();
            for (const char* item : mat.spec->items) mat.combo->addItem(item);
            selectOrAppend(*mat.combo, v);
        }
    }
    for (std::size_t i = 0; i < table_.rows.size(); ++i) editors_[i]->load(m, rowGroupOf(table_.rows[i].group));
    for (const SectionField& f : table_.fields) box(f.control).setText(shown(f.field(m)));
}

void TableBeamDialog::writeSection(ProjectModel& target) const {
    for (const SectionField& f : table_.fields) f.field(target) = Value(number(box(f.control)));
    for (const Material& mat : materials_) {
        if (mat.spec->classList)
            mat.spec->field(target) = Value(static_cast<int16_t>(roundedCount(typed(mat))));
        else
            mat.spec->field(target) = Value(typed(mat));
    }
    for (std::size_t i = 0; i < table_.rows.size(); ++i)
        editors_[i]->write(target, rowGroupOf(table_.rows[i].group));
    completeSection(target, table_);
}

void TableBeamDialog::CheckFormInput(std::string& message, int16_t& conflict) {
    message.clear();
    const ProjectModel& m = model();
    // The project as OK would leave it, with the spacings typed here.
    auto typedProject = std::make_unique<ProjectModel>(m);
    writeSection(*typedProject);
    fillSpacingTable();
    for (int s = 1; s <= 2; ++s)
        for (int e = 1; e <= 2; ++e) typedProject->BeamSpacing(s, e) = Value(spacing(s, e));
    const int16_t found =
        table_.check(*typedProject, app::SlabBearingNeed(m, 1), app::SlabBearingNeed(m, 2), message);
    conflict = found != 0 ? 1 : 0;
}

void TableBeamDialog::writeModel() {
    ProjectModel& m = model();
    // On an edge beam the right joint grout moves by half a change of the
    // width the slabs rest on (of the beams whose slabs rest on the top).
    const double shiftBefore = app::edgeJointGroutShift(m);
    writeSection(m);
    if (m.IsMiddleBeam == 0) m.JointGroutWidth(2) = m.JointGroutWidth(2) + (app::edgeJointGroutShift(m) - shiftBefore);
}

}  // namespace quorvel::dialogs
