#include "dialogs/input_dialogs.h"

#include "dialogs/concrete-beams/frm_bleukapalkki.h"
#include "dialogs/concrete-beams/frm_kemo.h"
#include "dialogs/concrete-beams/frm_suorakaidepalkki.h"
#include "dialogs/concrete-beams/frm_superpalkki.h"
#include "dialogs/concrete-beams/frm_kvatropalkki.h"
#include "dialogs/slabs/frm_2ontelolaatasto.h"
#include "dialogs/slabs/frm_kertoimet.h"
#include "dialogs/slabs/frm_kuormat.h"
#include "dialogs/slabs/frm_laatankuormat.h"
#include "dialogs/slabs/frm_reiat.h"
#include "dialogs/slabs/frm_tukimomentit.h"
#include "dialogs/steel-beams/table_beam_dialog.h"

namespace quorvel::dialogs {

namespace {

template <typename Dialog>
void add(app::frmQuorvel& w, const char* formName) {
    w.registerDialog(formName, [](ProjectModel& m, platform::Platform& p) -> std::unique_ptr<platform::Form> {
        return std::make_unique<Dialog>(m, p);
    });
}

}  // namespace

void RegisterInputDialogs(app::frmQuorvel& w) {
    add<frm2Ontelolaatasto>(w, "frm2Ontelolaatasto");
    add<frmLaatankuormat>(w, "frmLaatankuormat");
    add<frmReiat>(w, "frmReiat");
    add<frmKuormat>(w, "frmKuormat");
    add<frmTukimomentit>(w, "frmTukimomentit");
    add<frmKertoimet>(w, "frmKertoimet");
    add<FrmSuorakaidepalkki>(w, "FrmSuorakaidepalkki");
    add<frmBLeukapalkki>(w, "frmBLeukapalkki");
    add<FrmKemo>(w, "FrmKemo");
    add<FrmSuperpalkki>(w, "FrmSuperpalkki");
    add<frmKvatropalkki>(w, "frmKvatropalkki");
    // The beam dialogs built from the family tables, each under its name.
    for (const BeamFamilyTable& t : beamFamilyTables())
        w.registerDialog(std::string(t.formName()), [&t](ProjectModel& m, platform::Platform& p) -> std::unique_ptr<platform::Form> {
            return std::make_unique<TableBeamDialog>(m, p, t);
        });
}

}  // namespace quorvel::dialogs
