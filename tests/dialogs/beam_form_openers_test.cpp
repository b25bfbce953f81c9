// The main window's beam command opens the concrete beam dialog of the
// selected beam type; a stored change refreshes the window and marks the
// input changed, a cancel leaves both as they were.

#include "dialogs/concrete-beams/frm_bleukapalkki.h"
#include "dialogs/concrete-beams/frm_kemo.h"
#include "dialogs/concrete-beams/frm_kvatropalkki.h"
#include "dialogs/concrete-beams/frm_suorakaidepalkki.h"
#include "dialogs/concrete-beams/frm_superpalkki.h"
#include "app/input_tools.h"
#include "dialog_fixture.h"

namespace quorvel::dialogs::testing {
namespace {

class BeamForms : public DialogTest {};

TEST_F(BeamForms, EachConcreteTypeOpensItsDialogOnTheModel) {
    struct Case {
        platform::OptionButton& option;
        const char* form;
    };
    const Case cases[] = {{w.optSuora, "FrmSuorakaidepalkki"}, {w.optBLeuka, "frmBLeukapalkki"},
                          {w.optJalo, "frmBLeukapalkki"},      {w.optLBL, "FrmKemo"},
                          {w.optSuper, "FrmSuperpalkki"},      {w.optKvatro, "frmKvatropalkki"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        choose(c.option);
        m.InputChanged = 0;
        std::string shownSpan;
        open<BeamDialog>(w.cmdPalkki, c.form, [&](BeamDialog& d) {
            shownSpan = d.txtJannevali.text();
            ui.click(d.cmdPeruuta);
        });
        EXPECT_EQ(shownSpan, app::formatGeneral(m.BeamSpan, ui));
        EXPECT_EQ(m.InputChanged, 0);
    }
}

TEST_F(BeamForms, AStoredChangeRefreshesTheMainWindow) {
    choose(w.optSuora);
    m.InputChanged = 0;
    open<FrmSuorakaidepalkki>(w.cmdPalkki, "FrmSuorakaidepalkki", [&](FrmSuorakaidepalkki& d) {
        ui.typeOver(d.txtOikeaalkuvali, "6600");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BeamSpacing(2, 1).number(), 6600);
    EXPECT_EQ(w.txtOikeaalkuvali.text(), "6600");  // the main window shows it
    EXPECT_EQ(m.InputChanged, -1);
    EXPECT_EQ(m.SubFormChanged, 0);
}

TEST_F(BeamForms, JaloAndBleukaShareOneDialog) {
    choose(w.optJalo);
    open<frmBLeukapalkki>(w.cmdPalkki, "frmBLeukapalkki", [&](frmBLeukapalkki& d) {
        EXPECT_EQ(d.txtRaudLkm.text(), "14");  // JALO's own rows
        ui.typeOver(d.txtOikealeuka, "180");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.BeamTypeName, "JALO");
    EXPECT_EQ(m.RightLedgeDepth.number(), 180);
}

}  // namespace
}  // namespace quorvel::dialogs::testing
