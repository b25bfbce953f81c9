// The six lists of the main window: the slab type of each side, and the
// grade and class of the joint grout and of the topping concrete.

#include <memory>

#include "app/frm_quorvel_handlers.h"
#include "app/input_tools.h"
#include "app/language.h"
#include "app/slab_catalogue.h"

namespace quorvel::app::mainwindow {

namespace {

using model::ProjectModel;
using platform::ComboBox;
using runtime::Value;

// A slab type chosen for a side: the type and its first strand designation
// (the rule the slab fields dialog follows too).
void slabTypeClick(frmQuorvel& w, int side) {
    ProjectModel& m = w.model();
    const ComboBox& list = side == 1 ? w.cboVasenlaattatyyppi : w.cboOikealaattatyyppi;
    const std::string name = list.text();
    if (name == m.SlabTypeName(side)) return;
    MarkInputChanged(m, w);
    m.SlabTypeName(side) = name;
    m.BottomStrandCode(side) = BottomStrandForNewSlabType(m, name, w.platform());
}

// Stores a grade or class shown in a list when it differs from the model.
void storeNumber(frmQuorvel& w, const std::string& text, Value& field) {
    const float value = ParseNumber(text, w.platform());
    if (field.number() == static_cast<double>(value)) return;
    ProjectModel& m = w.model();
    MarkInputChanged(m, w);
    field = value;
}

struct GradeList {
    ComboBox frmQuorvel::*list;
    Value& (*field)(ProjectModel&);
};

const GradeList gradeLists[] = {
    {&frmQuorvel::cboSaumabetoni, [](ProjectModel& m) -> Value& { return m.JointConcreteClass; }},
    {&frmQuorvel::cboPintabetoni, [](ProjectModel& m) -> Value& { return m.ToppingConcreteClass; }},
};

// A typed grade is checked (bounds and default from the table of field
// limits) when the list loses the focus and then stored like a grade
// chosen from the list; a refused grade gives way to the grade the list
// showed when it took the focus (kept), which the model holds.
void gradeLostFocus(frmQuorvel& w, const GradeList& g, std::string& kept) {
    ComboBox& list = w.*g.list;
    CheckTableBox(list, kept);
    if (!list.text().empty()) storeNumber(w, list.text(), g.field(w.model()));
}

}  // namespace

void wireLists(frmQuorvel& w) {
    w.cboVasenlaattatyyppi.onClick = [&w] { slabTypeClick(w, 1); };
    w.cboOikealaattatyyppi.onClick = [&w] { slabTypeClick(w, 2); };
    for (const GradeList& g : gradeLists) {
        ComboBox& list = w.*g.list;
        list.onClick = [&w, &g] { storeNumber(w, (w.*g.list).text(), g.field(w.model())); };
        list.onKeyPress = [&w](int& key) { FilterNumericKeyPress(key, -1, w.platform()); };
        auto kept = std::make_shared<std::string>();
        list.onGotFocus = [&list, kept] { *kept = list.text(); };
        list.onLostFocus = [&w, &g, kept] { gradeLostFocus(w, g, *kept); };
    }
    w.cboSaumaluokka.onClick = [&w] {
        storeNumber(w, w.cboSaumaluokka.text(), w.model().ConcreteQualityClass(3));
    };
    w.cboPintaluokka.onClick = [&w] {
        storeNumber(w, w.cboPintaluokka.text(), w.model().ConcreteQualityClass(6));
    };
}

}  // namespace quorvel::app::mainwindow
