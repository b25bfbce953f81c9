#include "dialogs/slabs/frm_reiat.h"

#include <algorithm>

#include "app/geometry_checks.h"

namespace quorvel::dialogs {

namespace {

// Each kind of hole box: the model field (the bounds and the value an
// emptied box gets stand in the table of field limits).
struct HoleField {
    Value* (*field)(ProjectModel&, int, int);
};

Value* holeX(ProjectModel& m, int s, int h) { return &m.HoleX(s, h); }
Value* holeB(ProjectModel& m, int s, int h) { return &m.HoleWidthB(s, h); }
Value* holeY(ProjectModel& m, int s, int h) { return &m.HoleY(s, h); }
Value* holeA(ProjectModel& m, int s, int h) { return &m.HoleLengthA(s, h); }

constexpr HoleField kHoleFields[4] = {{holeX}, {holeB}, {holeY}, {holeA}};

}  // namespace

frmReiat::frmReiat(ProjectModel& m, platform::Platform& p)
    : InputDialog(m, p, "frmReiat", "Reiät", 8520, 6180) {
    shpPalkki.setFill(true, platform::rgb(192, 192, 192));
    // Each hole rectangle carries its two diagonals.
    for (int s = 1; s <= 2; ++s)
        for (int h = 1; h <= 2; ++h) {
            const platform::Place r = holeShape(s, h).place();
            for (bool rising : {false, true}) {
                const int y1 = rising ? r.top + r.height : r.top;
                const int y2 = rising ? r.top : r.top + r.height;
                sketch_.push_back(std::make_unique<platform::Line>(
                    *this, "linReika" + std::to_string(s) + std::to_string(h) + (rising ? "b" : "a"), r.left, y1,
                    r.left + r.width, y2));
            }
        }
    // The slab ends on both sides of the beam.
    sketch_.push_back(std::make_unique<platform::Line>(*this, "linLaatanpaaVasen", 4080, 960, 4080, 4560));
    sketch_.push_back(std::make_unique<platform::Line>(*this, "linLaatanpaaOikea", 4560, 960, 4560, 4560));

    for (int s = 1; s <= 2; ++s) {
        for (int h = 1; h <= 2; ++h) {
            auto boxes = holeBoxes(s, h);
            for (int k = 0; k < 4; ++k) {
                TextBox* box = boxes[static_cast<std::size_t>(k)];
                box->onChange = [this] { markChanged(); };
                checkByTable(*box);
            }
        }
    }
    for (TextBox* box : {&txtReunanetaisyys1, &txtReunanetaisyys2}) {
        box->onChange = [this] { markChanged(); };
        checkByTable(*box);
    }
    cboVasenReikienLkm.onClick = [this] { UpdateHoleCountLeft(); };
    cboOikeaReikienLkm.onClick = [this] { UpdateHoleCountRight(); };
    wireButtons(cmdOK, cmdPeruuta, [this] { cmdOK_Click(); });
    onLoad = [this] { Form_Load(); };
}

frmReiat::~frmReiat() = default;

std::array<platform::TextBox*, 4> frmReiat::holeBoxes(int side, int hole) {
    if (side == 1)
        return hole == 1 ? std::array<TextBox*, 4>{&txtXReika11, &txtBReika11, &txtYReika11, &txtAReika11}
                         : std::array<TextBox*, 4>{&txtXReika12, &txtBReika12, &txtYReika12, &txtAReika12};
    return hole == 1 ? std::array<TextBox*, 4>{&txtXReika21, &txtBReika21, &txtYReika21, &txtAReika21}
                     : std::array<TextBox*, 4>{&txtXReika22, &txtBReika22, &txtYReika22, &txtAReika22};
}

platform::Shape& frmReiat::holeShape(int side, int hole) {
    if (side == 1) return hole == 1 ? shpReika11 : shpReika12;
    return hole == 1 ? shpReika21 : shpReika22;
}

platform::ComboBox& frmReiat::countList(int side) { return side == 1 ? cboVasenReikienLkm : cboOikeaReikienLkm; }

void frmReiat::Form_Load() {
    beginLoad();
    ProjectModel& m = model();
    for (int s = 1; s <= 2; ++s) {
        ComboBox& list = countList(s);
        list.clear();
        for (const char* item : {"0", "1", "2"}) list.addItem(item);
        // A count the lists cannot show is held to 0..2.
        list.setListIndex(std::clamp<int>(m.HoleCount(s), 0, 2));
    }
    for (int k = 0; k < 4; ++k)
        for (int s = 1; s <= 2; ++s)
            for (int h = 1; h <= 2; ++h)
                holeBoxes(s, h)[static_cast<std::size_t>(k)]->setText(shown(*kHoleFields[k].field(m, s, h)));
    txtReunanetaisyys1.setText(shown(m.SlabFieldEdgeDistance1));
    txtReunanetaisyys2.setText(shown(m.SlabFieldEdgeDistance2));
    if (m.IsMiddleBeam == 0) {
        cboVasenReikienLkm.setEnabled(false);
        for (int h = 1; h <= 2; ++h)
            for (TextBox* box : holeBoxes(1, h)) box->setEnabled(false);
    }
    endLoad();
}

void frmReiat::UpdateHoleCountLeft() { updateHoleCount(1); }
void frmReiat::UpdateHoleCountRight() { updateHoleCount(2); }

// Holes up to the count are in use: their boxes enabled and white, their
// rectangles white; the others disabled and grey. Disabled boxes keep
// their values.
void frmReiat::updateHoleCount(int side) {
    const int n = static_cast<int>(number(countList(side)));
    for (int h = 1; h <= 2; ++h) {
        const bool inUse = h <= n;
        for (TextBox* box : holeBoxes(side, h)) {
            box->setEnabled(inUse);
            box->setBackColor(inUse ? BoxInUse : BoxNotInUse);
        }
        holeShape(side, h).setFill(true, inUse ? BoxInUse : BoxNotInUse);
    }
    if (n != model().HoleCount(side)) markChanged();
}

void frmReiat::writeInput(ProjectModel& m) {
    m.HoleCount(1) = static_cast<int16_t>(std::max(0, cboVasenReikienLkm.listIndex()));
    m.HoleCount(2) = static_cast<int16_t>(std::max(0, cboOikeaReikienLkm.listIndex()));
    for (int k = 0; k < 4; ++k)
        for (int s = 1; s <= 2; ++s)
            for (int h = 1; h <= 2; ++h)
                *kHoleFields[k].field(m, s, h) = Value(number(*holeBoxes(s, h)[static_cast<std::size_t>(k)]));
    m.SlabFieldEdgeDistance1 = Value(number(txtReunanetaisyys1));
    m.SlabFieldEdgeDistance2 = Value(number(txtReunanetaisyys2));
}

// The holes as the boxes give them, against the span and the beam
// spacings of the model, by the same rules as the calculation's check.
void frmReiat::CheckHolePlacement(std::string& message, int16_t& found) {
    ProjectModel entered = model();
    writeInput(entered);
    model::SideEndSingleArray spacing;
    for (int s = 1; s <= 2; ++s)
        for (int e = 1; e <= 2; ++e) spacing(s, e) = static_cast<float>(entered.BeamSpacing(s, e).number());
    found = app::CheckHolePositions(entered, message, static_cast<float>(entered.BeamSpan.number()), spacing);
}

void frmReiat::cmdOK_Click() {
    std::string message;
    int16_t found = 0;
    CheckHolePlacement(message, found);
    if (found != 0 && keepEditing(message, "Haluatko jatkaa reikien muokkausta?",
                                      "Do you want to go on editing the holes?")) return;
    closeWriting([this](ProjectModel& m) { writeInput(m); });
}

}  // namespace quorvel::dialogs
