#include "dialogs/slabs/frm_kertoimet.h"

#include <functional>
#include <vector>

namespace quorvel::dialogs {

namespace {

// The design tooltips; the language files give them in the window's
// language.
const char* const Psi1Tip =
    "SFS-EN 1990 taul. A1.1(FI) mukainen tavallisen kuormayhdistelmän yhdistelykerroin psii1 hyötykuormalle: "
    "asuin- ja toimistotilat 0.5; kokoontumistilat, myymälät 0.7; varastot 0.9";

}  // namespace

frmKertoimet::frmKertoimet(ProjectModel& m, platform::Platform& p)
    : InputDialog(m, p, "frmKertoimet", "Varmuuskertoimet ja sallitut suureet", 7260, 5700) {
    for (const char* item : {"1.1", "1.0", "0.9"}) CmbKfi.addItem(item);
    CmbKfi.setToolTip("Seuraamusluokkien CC1...CC3/Luotettavuusluokkien RC1...RC3 mukainen kerroin Kfi");
    Txt_psii1.setToolTip(Psi1Tip);
    txtHajontakerr.setToolTip("Korjauskerroin ontelolaatabetonin vetolujuudelle tarvittaessa; yleensä 1");

    CmbKfi.onChange = [this] { markChanged(); };
    CmbKfi.onClick = [this] { markChanged(); };
    for (TextBox* box : {&txtVarmg, &txtVarmq, &txtVarmlisa, &txtVarmvasenlab, &txtVarmoikealab, &Txt_psii1,
                         &txtHajontakerr, &txtwksall, &txtPaasto})
        box->onChange = [this] { markChanged(); };

    // Each factor within the bounds of its row in the table of field
    // limits; an emptied box gets the row's default (which is not the new
    // project's value).
    for (platform::Control* box : std::initializer_list<platform::Control*>{
             &CmbKfi, &txtVarmg, &txtVarmq, &txtVarmlisa, &txtVarmvasenlab, &txtVarmoikealab, &txtHajontakerr,
             &txtwksall, &Txt_psii1, &txtPaasto})
        checkByTable(*box);

    wireButtons(cmdOK, cmdPeruuta, [this] { cmdOK_Click(); });
    onLoad = [this] { Form_Load(); };
}

void frmKertoimet::Form_Load() {
    beginLoad();
    const ProjectModel& m = model();
    CmbKfi.setText(shown(m.ConsequenceClassFactorKfi));
    txtVarmg.setText(shown(m.PartialFactorPermanent));
    txtVarmq.setText(shown(m.PartialFactorVariable));
    txtVarmlisa.setText(shown(m.AdditionalSafetyFactor));
    txtVarmvasenlab.setText(shown(m.SlabSelfWeightFactor(1)));
    txtVarmoikealab.setText(shown(m.SlabSelfWeightFactor(2)));
    txtHajontakerr.setText(shown(m.SlabTensileStrengthFactor));
    txtwksall.setText(shown(m.AllowedCrackWidth));
    txtPaasto.setText(shown(m.ReleaseStrengthRatio));
    Txt_psii1.setText(shown(m.ImposedLoadPsi1));
    if (m.IsMiddleBeam == 0) txtVarmvasenlab.setEnabled(false);
    endLoad();
}

void frmKertoimet::cmdOK_Click() {
    closeWriting([this](ProjectModel& m) {
        m.ConsequenceClassFactorKfi = Value(number(CmbKfi));
        m.PartialFactorPermanent = Value(number(txtVarmg));
        m.PartialFactorVariable = Value(number(txtVarmq));
        m.AdditionalSafetyFactor = Value(number(txtVarmlisa));
        m.SlabSelfWeightFactor(1) = Value(number(txtVarmvasenlab));
        m.SlabSelfWeightFactor(2) = Value(number(txtVarmoikealab));
        m.SlabTensileStrengthFactor = Value(number(txtHajontakerr));
        m.AllowedCrackWidth = Value(number(txtwksall));
        m.ReleaseStrengthRatio = Value(number(txtPaasto));
        m.ImposedLoadPsi1 = Value(number(Txt_psii1));
    });
}

}  // namespace quorvel::dialogs
