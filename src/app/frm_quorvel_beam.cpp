// The beam location (middle or edge beam) and the beam type options of the
// main window. The model side of both lives in beam_position and
// beam_types; here the window follows: texts written into the left-side
// boxes, the left side enabled or hidden, the section sketch, the refresh.

#include <initializer_list>

#include "app/beam_position.h"
#include "app/beam_types.h"
#include "app/frm_quorvel_handlers.h"

namespace quorvel::app::mainwindow {

namespace {

// The sketch of how the slabs bear on the beam: on ledges or bottom
// flanges, or on the beam top.
void showSectionSketch(frmQuorvel& w, bool slabsOnLedge) {
    for (platform::Control* c : {&w.linVasenvino, &w.linVasenpysty, &w.linOikeapysty, &w.linOikeavino})
        c->setVisible(slabsOnLedge);
    for (platform::Control* c :
         std::initializer_list<platform::Control*>{&w.linViiva, &w.linKeskivino, &w.shpPaalla, &w.linAlempiyla})
        c->setVisible(!slabsOnLedge);
}

// Choosing a beam type. An edge beam goes back to the middle state first so
// that the old type's half-width shift leaves the right joint grout width;
// after the new type's defaults it becomes an edge beam of the new type.
// (ABeamS writes only absolute slab-end values, so the round trip gives
// it the same state as keeping the edge state would.)
void selectBeamType(frmQuorvel& w, const BeamTypeInfo& type) {
    model::ProjectModel& m = w.model();
    const bool edgeBeam = m.IsMiddleBeam == 0;
    if (edgeBeam) {
        w.optKeskipalkki_Click();
        m.IsMiddleBeam = 0;
    }
    ApplyBeamTypeDefaults(m, type);
    showSectionSketch(w, type.slabsOnLedge != 0);
    if (m.IsMiddleBeam == 0) w.optReunapalkki_Click();
    w.RefreshMainForm();
    MarkInputChanged(m, w);
}

}  // namespace

void setLeftSide(frmQuorvel& w, bool enabled, bool showHidden) {
    w.cboVasenlaattatyyppi.setEnabled(enabled);
    w.txtVasenlaatastopysyva.setEnabled(enabled);
    w.txtVasenlaatastomuuttuva.setEnabled(enabled);
    for (platform::TextBox* box : {&w.txtVasenontelotaytto, &w.txtVasenlaatanalavali, &w.txtVasensaumavalu,
                                   &w.txtVasentukipituus, &w.txtVasenalkuvali, &w.txtVasenloppuvali}) {
        box->setEnabled(enabled);
        box->setVisible(showHidden);
    }
}

void selectTypeOptionQuietly(frmQuorvel& w, const BeamTypeInfo& type) {
    auto* option = static_cast<platform::OptionButton*>(w.findControl(std::string(type.option)));
    auto handler = std::move(option->onClick);
    option->onClick = nullptr;
    option->setValue(true);
    option->onClick = std::move(handler);
    showSectionSketch(w, type.slabsOnLedge != 0);
}

void wireBeamOptions(frmQuorvel& w) {
    w.optKeskipalkki.onClick = [&w] { w.optKeskipalkki_Click(); };
    w.optReunapalkki.onClick = [&w] { w.optReunapalkki_Click(); };
    for (const BeamTypeInfo& type : BeamTypes()) {
        platform::Control* option = w.findControl(std::string(type.option));
        option->onClick = [&w, &type] { selectBeamType(w, type); };
    }
}

}  // namespace quorvel::app::mainwindow

namespace quorvel::app {

void frmQuorvel::optKeskipalkki_Click() {
    model::ProjectModel& m = model();
    // The left side takes the right side's spacings and loads; the joint
    // grout width loses the edge beam's half width and is the same on both
    // sides; LB and KE beams get their 100 mm left projection back.
    SetMiddleBeam(m);
    txtVasenlaatastopysyva.setText(mainwindow::boxText(*this, m.SlabImposedLoadPermanent(1)));
    txtVasenlaatastomuuttuva.setText(mainwindow::boxText(*this, m.SlabImposedLoadVariable(1)));
    mainwindow::setLeftSide(*this, true, true);
    txtVasenalkuvali.setText(mainwindow::boxText(*this, m.BeamSpacing[4]));
    txtVasenloppuvali.setText(mainwindow::boxText(*this, m.BeamSpacing[7]));
    // Both joint grout boxes show the typed widths, which a middle beam
    // stores as they are.
    txtVasensaumavalu.setText(mainwindow::boxText(*this, m.JointGroutWidth(1)));
    txtOikeasaumavalu.setText(mainwindow::boxText(*this, m.JointGroutWidth(2)));
    MarkInputChanged(m, *this);
}

void frmQuorvel::optReunapalkki_Click() {
    model::ProjectModel& m = model();
    SetEdgeBeam(m);
    txtVasenlaatastopysyva.setText("0");
    txtVasenlaatastomuuttuva.setText("0");
    mainwindow::setLeftSide(*this, false, false);
    MarkInputChanged(m, *this);
}

}  // namespace quorvel::app
