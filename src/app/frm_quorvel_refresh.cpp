// Filling the main window from the project model. Selecting an option or a
// list entry and writing a box's text run the same handlers as a user's
// edit, so the refresh also writes what the window shows back into the
// model: the beam type's defaults when its option was not yet selected, the
// edge-beam state when the left spacings are both 0, corrected concrete
// classes and bottom gaps, and every box's number in single precision.

#include <initializer_list>

#include "app/beam_position.h"
#include "app/beam_types.h"
#include "app/frm_quorvel_handlers.h"
#include "model/project_defaults.h"

namespace quorvel::app {

namespace {

using model::ProjectModel;
using platform::ComboBox;
using runtime::Value;

// The slab type list of a side: every catalogue name, the side's type
// chosen. A type the catalogue lacks (a project's) is shown as the last
// entry, so that nothing replaces it unasked; Calculate names it.
void fillSlabTypeList(ComboBox& list, const ProjectModel& m, int side) {
    list.clear();
    int chosen = 0;
    int number = 0;
    for (const model::SlabTypeRecord& record : m.SlabCatalogue) {
        ++number;
        list.addItem(record.Name);
        if (chosen == 0 && record.Name == m.SlabTypeName(side)) chosen = number;
    }
    if (chosen == 0 && !m.SlabTypeName(side).empty() && list.listCount() > 0) {
        list.addItem(m.SlabTypeName(side));
        chosen = list.listCount();
    }
    if (list.listCount() > 0) list.setListIndex(chosen > 0 ? chosen - 1 : 0);
}

// A grade list: three standard grades, and the model's grade as a fourth
// entry when it is none of them.
void fillGradeList(frmQuorvel& w, ComboBox& list, std::initializer_list<int> grades, const Value& grade) {
    list.clear();
    int chosen = -1;
    int index = 0;
    for (int g : grades) {
        list.addItem(std::to_string(g));
        if (chosen < 0 && grade == g) chosen = index;
        ++index;
    }
    if (chosen < 0) {
        list.addItem(mainwindow::boxText(w, grade));
        chosen = list.listCount() - 1;
    }
    list.setListIndex(chosen);
}

// A class list "1", "2", "3"; any other class in the model becomes 2.
void fillClassList(ComboBox& list, Value& qualityClass) {
    list.clear();
    for (const char* c : {"1", "2", "3"}) list.addItem(c);
    if (qualityClass != 1 && qualityClass != 2 && qualityClass != 3) qualityClass = 2;
    list.setListIndex(static_cast<int>(qualityClass.number()) - 1);
}

// Topping values below the floor that their boxes store show as "0".
std::string floorText(frmQuorvel& w, const Value& v) {
    return v < 0.0011 ? std::string("0") : mainwindow::boxText(w, v);
}

}  // namespace

void frmQuorvel::RefreshMainForm() {
    ProjectModel& m = model();
    auto show = [this](platform::TextBox& box, const Value& v) { box.setText(mainwindow::boxText(*this, v)); };

    txtOtsikko1.setText(m.TitleLine1);
    txtOtsikko2.setText(m.TitleLine2);

    // The option of the beam family; when it was not selected its handler
    // writes the type's defaults and refreshes the window once more.
    if (const BeamTypeInfo* type = findBeamTypeByFamily(m.Family())) {
        static_cast<OptionButton*>(findControl(std::string(type->option)))->setValue(true);
    } else {
        // No option offers the family: a new project, shown as the window
        // shows a new project (its titles too, which were written above).
        model::ResetProjectDefaults(m);
        txtOtsikko1.setText(m.TitleLine1);
        txtOtsikko2.setText(m.TitleLine2);
        mainwindow::selectTypeOptionQuietly(*this, *findBeamType(m.BeamTypeName));
    }

    for (TextBox* box : {&txtVasensaumavalu, &txtVasenalkuvali, &txtVasenloppuvali}) box->setEnabled(true);

    if (model::LeftSpacingsEmpty(m)) {
        m.IsMiddleBeam = 0;
        optReunapalkki.setValue(true);
    }

    fillSlabTypeList(cboVasenlaattatyyppi, m, 1);
    fillSlabTypeList(cboOikealaattatyyppi, m, 2);
    fillGradeList(*this, cboSaumabetoni, {16, 25, 30}, m.JointConcreteClass);
    fillClassList(cboSaumaluokka, m.ConcreteQualityClass(3));
    fillGradeList(*this, cboPintabetoni, {20, 25, 30}, m.ToppingConcreteClass);
    fillClassList(cboPintaluokka, m.ConcreteQualityClass(6));

    show(txtVasenontelotaytto, m.CoreFillingLength(1));
    show(txtOikeaontelotaytto, m.CoreFillingLength(2));
    show(txtSaumanetaisyys, m.FirstJointDistance);
    // An edge beam's hidden left gap stays as the file gives it: the
    // calculation takes nothing of it, and the file is saved as opened.
    for (int side = m.IsMiddleBeam == 0 ? 2 : 1; side <= 2; ++side)
        if (m.SlabBottomGap(side) < 0.002) m.SlabBottomGap(side) = 0;
    show(txtVasenlaatanalavali, m.SlabBottomGap(1));
    show(txtOikealaatanalavali, m.SlabBottomGap(2));
    show(txtVasensaumavalu, m.JointGroutWidth(1));
    // The box shows the typed width, without the edge beam's half width.
    Value rightJoint = m.JointGroutWidth(2);
    if (m.IsMiddleBeam == 0)
        if (const double shift = edgeJointGroutShift(m); shift != 0.0) rightJoint -= shift;
    show(txtOikeasaumavalu, rightJoint);
    show(txtVasentukipituus, m.SlabSupportLength(1));
    show(txtOikeatukipituus, m.SlabSupportLength(2));
    txtPintapaksuus.setText(floorText(*this, m.ToppingThickness));
    txtRaudoiteala.setText(floorText(*this, m.ToppingReinforcementArea));
    show(txtRaudoitelujuus, m.ToppingReinforcementStrength);
    show(txtVasenlaatastopysyva, m.SlabImposedLoadPermanent(1));
    show(txtOikealaatastopysyva, m.SlabImposedLoadPermanent(2));
    show(txtVasenlaatastomuuttuva, m.SlabImposedLoadVariable(1));
    show(txtOikealaatastomuuttuva, m.SlabImposedLoadVariable(2));
    show(txtVasenalkuvali, m.BeamSpacing[4]);
    show(txtVasenloppuvali, m.BeamSpacing[7]);
    show(txtOikeaalkuvali, m.BeamSpacing[5]);
    show(txtOikealoppuvali, m.BeamSpacing[8]);

    if (m.IsMiddleBeam == 0) {
        cboVasenlaattatyyppi.setEnabled(false);
        for (TextBox* box : {&txtVasenontelotaytto, &txtVasenlaatanalavali, &txtVasensaumavalu, &txtVasentukipituus}) {
            box->setEnabled(false);
            box->setVisible(false);
        }
        for (TextBox* box :
             {&txtVasenlaatastopysyva, &txtVasenlaatastomuuttuva, &txtVasenalkuvali, &txtVasenloppuvali})
            box->setEnabled(false);
    }

    // What the boxes show now is the project's: the box that has the focus
    // takes it as the value a refused entry gives way to, not the value it
    // showed before the refresh (of a project opened since, or before a
    // dialog's change).
    if (platform::Control* focused = activeControl()) focused->fireGotFocus();
}

}  // namespace quorvel::app
