#include "dialogs/slabs/frm_kuormat.h"

#include <algorithm>
#include <string>

#include "app/geometry_checks.h"
#include "runtime/errors.h"

namespace quorvel::dialogs {

namespace {

constexpr int MaxPointLoads = 5;

}  // namespace

frmKuormat::frmKuormat(ProjectModel& m, platform::Platform& p)
    : InputDialog(m, p, "frmKuormat", "Kuormat", 8760, 4980) {
    // The count bar has 5 at its top, so its up arrow raises the count; the
    // number bar runs from the count at the top to 1 at the bottom.
    vsbPisteLkm.setRange(MaxPointLoads, 0);
    vsbPisteLkm.setValue(0);
    vsbPisteNo.setRange(1, 1);
    vsbPisteNo.setValue(1);
    for (Frame* f : {&Frame2, &Frame3}) {
        const int y = f == &Frame2 ? 1560 : 1800;
        auto beam = std::make_unique<platform::Line>(*this, f == &Frame2 ? "linPalkki2" : "linPalkki3", 2160, y,
                                                     7500, y, f);
        beam->setBorderWidth(3);
        sketch_.push_back(std::move(beam));
    }

    for (TextBox* box : {&txtPysyvaviivag1, &txtPysyvaviivag2, &txtPysyvaviivaX, &txtPysyvaviivaL,
                         &txtMuuttuvaviivaq1, &txtMuuttuvaviivaq2, &txtMuuttuvaviivaX, &txtMuuttuvaviivaL})
        box->onChange = [this] { markChanged(); };

    // The value boxes write into the record of the number bar while their
    // text is a number.
    txtPisteX.onChange = [this] {
        if (acceptable(txtPisteX)) record(vsbPisteNo.value()).x = number(txtPisteX);
        markChanged();
    };
    txtPysyvapisteg.onChange = [this] {
        if (acceptable(txtPysyvapisteg)) record(vsbPisteNo.value()).g = number(txtPysyvapisteg);
        markChanged();
    };
    txtMuuttuvapisteq.onChange = [this] {
        if (acceptable(txtMuuttuvapisteq)) record(vsbPisteNo.value()).q = number(txtMuuttuvapisteq);
        markChanged();
    };

    // Start positions from 0; a length defaults to the rest of the span (not
    // below 0), a point load to mid-span.
    checkByTable(txtPysyvaviivaX);
    checkByTable(txtMuuttuvaviivaX);
    for (auto [length, start] : {std::pair{&txtPysyvaviivaL, &txtPysyvaviivaX},
                                 std::pair{&txtMuuttuvaviivaL, &txtMuuttuvaviivaX}})
        checkByTable(*length, [this, start = start](app::BoxCheck& c) {
            c.defaultValue = std::max(0.0f, static_cast<float>(model().BeamSpan.number()) - number(*start));
        });
    checkByTable(txtPisteX, [this](app::BoxCheck& c) {
        c.defaultValue = static_cast<float>(model().BeamSpan.number() * 0.5);
    });

    // The count and the number are their bars' values; typed, spun or
    // set by the rules, the bar's Change shows it and runs its rule.
    spinBox(txtPisteLkm, vsbPisteLkm);
    spinBox(txtPisteNo, vsbPisteNo);
    vsbPisteLkm.onChange = [this] {
        txtPisteLkm.setText(std::to_string(vsbPisteLkm.value()));
        UpdateBeamPointLoadCount();
    };
    vsbPisteNo.onChange = [this] {
        txtPisteNo.setText(std::to_string(vsbPisteNo.value()));
        ShowBeamPointLoad();
    };
    cmdPoista.onClick = [this] { DeleteBeamPointLoad(); };
    wireButtons(cmdOK, cmdPeruuta, [this] { cmdOK_Click(); });
    onLoad = [this] { Form_Load(); };
}

frmKuormat::~frmKuormat() = default;

frmKuormat::PointLoad& frmKuormat::record(int number) {
    return records_[static_cast<std::size_t>(runtime::toIndex(number, 0, MaxPointLoads))];
}

void frmKuormat::showRecord(int number) {
    const PointLoad shownLoad = record(number);  // the boxes' own handlers write back into the record
    txtPisteX.setText(shown(shownLoad.x));
    txtPysyvapisteg.setText(shown(shownLoad.g));
    txtMuuttuvapisteq.setText(shown(shownLoad.q));
}

void frmKuormat::setEditorsEnabled(bool enabled) {
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &txtPisteNo, &vsbPisteNo, &txtPisteX, &txtPysyvapisteg, &txtMuuttuvapisteq, &cmdPoista})
        c->setEnabled(enabled);
}

void frmKuormat::Form_Load() {
    beginLoad();
    const ProjectModel& m = model();
    txtPysyvaviivag1.setText(shown(m.BeamLineLoadG1));
    txtPysyvaviivag2.setText(shown(m.BeamLineLoadG2));
    txtPysyvaviivaX.setText(shown(m.BeamLineLoadGX));
    txtPysyvaviivaL.setText(shown(m.BeamLineLoadGLength));
    txtMuuttuvaviivaq1.setText(shown(m.BeamLineLoadQ1));
    txtMuuttuvaviivaq2.setText(shown(m.BeamLineLoadQ2));
    txtMuuttuvaviivaX.setText(shown(m.BeamLineLoadQX));
    txtMuuttuvaviivaL.setText(shown(m.BeamLineLoadQLength));
    for (int p = 1; p <= MaxPointLoads; ++p) {
        PointLoad& r = record(p);
        r.g = static_cast<float>(m.BeamPointLoad(1, p).number());
        r.q = static_cast<float>(m.BeamPointLoad(2, p).number());
        r.x = static_cast<float>(m.BeamPointLoadX(p).number());
    }
    vsbPisteLkm.setValue(std::clamp<int>(m.BeamPointLoadCount, 0, MaxPointLoads));
    txtPisteLkm.setText(std::to_string(vsbPisteLkm.value()));
    const int count = vsbPisteLkm.value();
    vsbPisteNo.setRange(std::max(count, 1), 1);
    vsbPisteNo.setValue(1);
    txtPisteNo.setText("1");
    showRecord(1);
    if (count == 0) setEditorsEnabled(false);
    endLoad();
}

// The count typed or spun (held to 0..5 by its bar). The number bar never
// goes below 1, so what the user types always goes to a load.
void frmKuormat::UpdateBeamPointLoadCount() {
    const int c = vsbPisteLkm.value();
    if (c == 0) {
        vsbPisteNo.setRange(1, 1);
        vsbPisteNo.setValue(1);
        txtPisteNo.setText("1");
        setEditorsEnabled(false);
    } else {
        // A number beyond the new count starts again from load 1.
        if (vsbPisteNo.value() > c) vsbPisteNo.setValue(1);
        vsbPisteNo.setRange(c, 1);
        txtPisteNo.setEnabled(true);
        vsbPisteNo.setEnabled(true);
        setEditorsEnabled(true);
        showRecord(vsbPisteNo.value());
    }
    markChanged();
}

// The number typed or spun (held to 1..count by its bar): the boxes show
// the load it selects.
void frmKuormat::ShowBeamPointLoad() {
    if (vsbPisteLkm.value() < 1) return;
    showRecord(vsbPisteNo.value());
}

// Removes the selected load: the later ones move down one number and the
// record that falls out of use is cleared, so raising the count again
// brings back an empty load, never a deleted or doubled one.
void frmKuormat::DeleteBeamPointLoad() {
    const int c = vsbPisteLkm.value();
    const int k = vsbPisteNo.value();
    if (c < 1) return;
    if (k < c) {
        for (int i = k; i < c; ++i) record(i) = record(i + 1);
        showRecord(k);
    } else {
        txtPisteNo.setText(std::to_string(k - 1));
    }
    record(c) = PointLoad{};
    showRecord(vsbPisteNo.value());
    txtPisteLkm.setText(std::to_string(c - 1));
    markChanged();
}

// The count is the one the window shows (its count bar): an emptied count
// box does not remove the loads.
void frmKuormat::writeInput(ProjectModel& m) {
    m.BeamLineLoadG1 = Value(number(txtPysyvaviivag1));
    m.BeamLineLoadG2 = Value(number(txtPysyvaviivag2));
    m.BeamLineLoadGX = Value(number(txtPysyvaviivaX));
    m.BeamLineLoadGLength = Value(number(txtPysyvaviivaL));
    m.BeamLineLoadQ1 = Value(number(txtMuuttuvaviivaq1));
    m.BeamLineLoadQ2 = Value(number(txtMuuttuvaviivaq2));
    m.BeamLineLoadQX = Value(number(txtMuuttuvaviivaX));
    m.BeamLineLoadQLength = Value(number(txtMuuttuvaviivaL));
    const int count = std::clamp(vsbPisteLkm.value(), 0, MaxPointLoads);
    m.BeamPointLoadCount = static_cast<int16_t>(count);
    for (int p = 1; p <= MaxPointLoads; ++p) {
        const PointLoad r = p <= count ? record(p) : PointLoad{};
        m.BeamPointLoad(1, p) = Value(r.g);
        m.BeamPointLoad(2, p) = Value(r.q);
        m.BeamPointLoadX(p) = Value(r.x);
    }
}

void frmKuormat::CheckBeamLoadPlacement(std::string& message, int16_t& found) {
    ProjectModel entered = model();
    writeInput(entered);
    found = app::CheckLoadPositions(entered, message, static_cast<float>(entered.BeamSpan.number()));
}

void frmKuormat::cmdOK_Click() {
    std::string message;
    int16_t found = 0;
    CheckBeamLoadPlacement(message, found);
    if (found != 0 && keepEditing(message, "Haluatko jatkaa kuormien muokkausta?",
                                      "Do you want to go on editing the loads?")) return;
    closeWriting([this](ProjectModel& m) { writeInput(m); });
}

}  // namespace quorvel::dialogs
