#include "dialogs/input_dialogs.h"

#include "dialogs/slabs/frm_2ontelolaatasto.h"
#include "dialogs/slabs/frm_kertoimet.h"
#include "dialogs/slabs/frm_kuormat.h"
#include "dialogs/slabs/frm_laatankuormat.h"
#include "dialogs/slabs/frm_reiat.h"
#include "dialogs/slabs/frm_tukimomentit.h"

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
}

}  // namespace quorvel::dialogs
