// The main window's openers: each button and menu item shows its dialog,
// what the window does after a changed and an unchanged close, and the
// beam command's choice of dialog by the selected beam type.

#include "app/beam_types.h"
#include "dialog_fixture.h"
#include "dialogs/slabs/frm_tukimomentit.h"

namespace quorvel::dialogs::testing {
namespace {

struct OpenerCase {
    const char* button;  // null: menu item only
    const char* menuItem;
    const char* dialog;
};

constexpr OpenerCase kOpeners[] = {
    {"cmdLaatasto", "cmdLaatasto0", "frm2Ontelolaatasto"},
    {"cmdLaatankuormat", "cmdLaatankuormat0", "frmLaatankuormat"},
    {"cmdReiat", "cmdReiat0", "frmReiat"},
    {"cmdKuormat", "cmdKuormat0", "frmKuormat"},
    {"cmdTukimomentit", "cmdTukimomentit0", "frmTukimomentit"},
    {nullptr, "cmdKertoimet", "frmKertoimet"},
};

using Openers = DialogTest;

// Cancel leaves the project state alone, whatever the dialog is.
TEST_F(Openers, EveryButtonAndMenuItemOpensItsDialogAndCancelChangesNothing) {
    m.ResultsValid = -1;
    for (const OpenerCase& c : kOpeners) {
        for (const char* opener : {c.button, c.menuItem}) {
            if (!opener) continue;
            platform::Control* control = w.findControl(opener);
            ASSERT_NE(control, nullptr) << opener;
            EXPECT_TRUE(control->enabled()) << opener;
            std::string seen;
            ui.onModal(c.dialog, [&](platform::Form& f) {
                seen = f.name();
                auto* cancel = static_cast<platform::CommandButton*>(f.findControl("cmdPeruuta"));
                ASSERT_NE(cancel, nullptr);
                cancel->press();
            });
            if (control->kind() == platform::ControlKind::Menu)
                control->fireClick();
            else
                ui.click(*control);
            EXPECT_EQ(seen, c.dialog) << opener;
            EXPECT_EQ(m.SubFormChanged, 0) << opener;
            EXPECT_EQ(m.InputChanged, 0) << opener;
            EXPECT_EQ(m.ResultsValid, -1) << opener;
        }
    }
}

TEST_F(Openers, AStoredChangeMarksTheInputChangedAndClearsTheResults) {
    m.ResultsValid = -1;
    open<frmTukimomentit>(w.cmdTukimomentit, "frmTukimomentit", [&](frmTukimomentit& d) {
        retype(d.txtAlkupaaM_pysyva, "12");
        ui.click(d.cmdOK);
    });
    EXPECT_EQ(m.SupportMomentStartPermanent.number(), 12.0);
    EXPECT_EQ(m.SubFormChanged, 0);  // the opener acted on it and reset it
    EXPECT_EQ(m.InputChanged, -1);
    EXPECT_EQ(m.ResultsValid, 0);
    EXPECT_EQ(w.cmdTaulukko.caption(), "Laske");
}

// Escape is Cancel in every input dialog and in the beam dialog of every
// beam type: after an edit it closes the dialog and stores nothing.
TEST_F(Openers, EscapeCancelsEveryInputAndBeamDialogAfterAnEdit) {
    struct Opening {
        std::string what;
        platform::Control* opener;
        platform::OptionButton* beamType;  // chosen first; null for an input dialog
    };
    std::vector<Opening> openings;
    for (const OpenerCase& c : kOpeners)
        openings.push_back({c.dialog, w.findControl(c.button ? c.button : c.menuItem), nullptr});
    for (const app::BeamTypeInfo& type : app::BeamTypes())
        openings.push_back({std::string(type.typeName), &w.cmdPalkki,
                            static_cast<platform::OptionButton*>(w.findControl(std::string(type.option)))});
    ASSERT_EQ(openings.size(), 6u + 15u);
    for (const Opening& o : openings) {
        SCOPED_TRACE(o.what);
        ASSERT_NE(o.opener, nullptr);
        if (o.beamType) choose(*o.beamType);
        m.InputChanged = 0;
        m.ResultsValid = -1;
        bool edited = false;
        bool closed = false;
        ui.onModal("", [&](platform::Form& f) {
            for (platform::Control* c : f.controls())
                if (c->kind() == platform::ControlKind::TextBox && c->canTakeFocus() &&
                    !static_cast<platform::TextBox*>(c)->locked()) {
                    ui.typeOver(*c, "7");
                    edited = true;
                    break;
                }
            ui.pressEscape();
            closed = !f.isLoaded();
        });
        if (o.opener->kind() == platform::ControlKind::Menu)
            o.opener->fireClick();
        else
            ui.click(*o.opener);
        EXPECT_TRUE(edited) << "no box to edit";
        EXPECT_TRUE(closed) << "Escape left the dialog open";
        EXPECT_EQ(m.SubFormChanged, 0);
        EXPECT_EQ(m.InputChanged, 0) << "the edit was stored";
        EXPECT_EQ(m.ResultsValid, -1);
    }
}

// Every beam type the main window offers has its dialog.
TEST_F(Openers, EveryBeamTypeHasItsBeamDialog) {
    for (const app::BeamTypeInfo& type : app::BeamTypes())
        EXPECT_TRUE(w.hasDialog(std::string(type.dialog))) << type.typeName;
    EXPECT_FALSE(w.hasDialog("frmHXpalkki"));  // no option opens it
}

// A main window whose dialogs were not registered.
using OpenersUnregistered = app::testing::MainWindowTest;

TEST_F(OpenersUnregistered, TheBeamCommandNamesAMissingBeamDialog) {
    choose(w.optTI);
    m.InputChanged = 0;
    ui.expectMessage("TI: syöttöikkuna ei ole käytettävissä tässä ohjelmaversiossa.", "Quorvel", Buttons::Ok,
                     Icon::Information);
    ui.click(w.cmdPalkki);
    ui.verify();
    EXPECT_EQ(m.InputChanged, 0);
}

// A stand-in beam dialog that stores a change on OK.
class StandIn : public platform::Form {
public:
    StandIn(model::ProjectModel& m, platform::Platform& p, const std::string& name)
        : Form(p, name, name, 1000, 1000), model_(m) {}
    void ok() {
        model_.BeamWidth = 444;
        model_.SubFormChanged = 1;
        unload();
    }

private:
    model::ProjectModel& model_;
};

// The LB option opens FrmLB and the LBL option FrmKemo (the names cross);
// after a change the main window is refreshed and the input marked changed.
TEST_F(Openers, TheBeamCommandOpensTheDialogOfTheSelectedType) {
    std::vector<std::string> opened;
    for (const char* name : {"FrmLB", "FrmKemo"})
        w.registerDialog(name, [&opened, name](model::ProjectModel& mm, platform::Platform& p) {
            opened.push_back(name);
            return std::make_unique<StandIn>(mm, p, name);
        });
    for (platform::OptionButton* option : {&w.optLB, &w.optLBL}) {
        choose(*option);
        m.InputChanged = 0;
        ui.onModal("", [](platform::Form& f) { static_cast<StandIn&>(f).ok(); });
        w.cmdPalkki0.fireClick();
        EXPECT_EQ(m.InputChanged, -1);
        EXPECT_EQ(m.SubFormChanged, 0);
    }
    EXPECT_EQ(opened, (std::vector<std::string>{"FrmLB", "FrmKemo"}));
}

TEST(OpenersWithoutDialogs, TheirButtonsAreDisabledButTheBeamCommandIsNot) {
    platform::HeadlessPlatform ui;
    model::ProjectModel m;
    app::frmQuorvel w(m, ui);
    EXPECT_FALSE(w.cmdLaatasto.enabled());
    EXPECT_FALSE(w.cmdKertoimet.enabled());
    EXPECT_TRUE(w.cmdPalkki.enabled());
    RegisterInputDialogs(w);
    EXPECT_TRUE(w.cmdLaatasto.enabled());
    EXPECT_TRUE(w.cmdLaatasto0.enabled());
    EXPECT_TRUE(w.cmdKertoimet.enabled());
}

}  // namespace
}  // namespace quorvel::dialogs::testing
