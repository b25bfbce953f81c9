#include "dialogs/slabs/frm_tukimomentit.h"

#include <iterator>

namespace quorvel::dialogs {

namespace {

// Each box and its model field, in the order the dialog fills and writes them.
struct MomentBox {
    platform::TextBox frmTukimomentit::*box;
    Value ProjectModel::*field;
};

constexpr MomentBox kMoments[] = {
    {&frmTukimomentit::txtAlkupaaM_ennensaumausta, &ProjectModel::SupportMomentStartBeforeGrouting},
    {&frmTukimomentit::txtLoppupaaM_ennensaumausta, &ProjectModel::SupportMomentEndBeforeGrouting},
    {&frmTukimomentit::txtAlkupaaM_ennenpintakova, &ProjectModel::SupportMomentStartBeforeTopping},
    {&frmTukimomentit::txtLoppupaaM_ennenpintakova, &ProjectModel::SupportMomentEndBeforeTopping},
    {&frmTukimomentit::txtAlkupaaM_pysyva, &ProjectModel::SupportMomentStartPermanent},
    {&frmTukimomentit::txtLoppupaaM_pysyva, &ProjectModel::SupportMomentEndPermanent},
    {&frmTukimomentit::txtAlkupaaM_muuttuva, &ProjectModel::SupportMomentStartVariable},
    {&frmTukimomentit::txtLoppupaaM_muuttuva, &ProjectModel::SupportMomentEndVariable},
};

}  // namespace

frmTukimomentit::frmTukimomentit(ProjectModel& m, platform::Platform& p)
    : InputDialog(m, p, "frmTukimomentit", "Palkin tukimomentit", 7020, 4200) {
    for (const MomentBox& e : kMoments) (this->*e.box).onChange = [this] { markChanged(); };
    wireButtons(cmdOK, cmdPeruuta, [this] { cmdOK_Click(); });
    onLoad = [this] { Form_Load(); };
}

void frmTukimomentit::Form_Load() {
    beginLoad();
    for (const MomentBox& e : kMoments) (this->*e.box).setText(shown(model().*e.field));
    endLoad();
}

void frmTukimomentit::cmdOK_Click() {
    closeWriting([this](ProjectModel& m) {
        for (const MomentBox& e : kMoments) m.*e.field = Value(number(this->*e.box));
    });
}

}  // namespace quorvel::dialogs
