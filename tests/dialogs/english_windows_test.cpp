// An English window shows no Finnish: every window of the program, opened
// in English as a user opens it, and the messages, questions and file
// dialogs it gives on the way: the number rule of every box, the
// contradiction question of every dialog and beam family, the topping and
// joint grout notices, the calculation's questions, a calculation with
// its core-filling notice, the results table, the report viewer, the
// about window and the file commands. A text is taken for Finnish by the
// letters and word stems only the Finnish texts use.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/beam_types.h"
#include "app/dialog_openers.h"
#include "app/geometry_checks.h"
#include "app/report_text.h"
#include "dialog_fixture.h"
#include "dialogs/concrete-beams/beam_dialog.h"
#include "language_entries.h"
#include "support/number_boxes.h"
#include "support/test_support.h"

namespace quorvel::dialogs::testing {
namespace {

using quorvel::testing::boxText;
using quorvel::testing::reachableBoxes;

class EnglishWindows : public DialogTest {
protected:
    void SetUp() override {
        for (const auto& entry : std::filesystem::directory_iterator(QUORVEL_SOURCE_DIR "/data"))
            std::filesystem::copy_file(entry.path(), folder.path() / entry.path().filename());
        DialogTest::SetUp();
        m.DataPath = folder.dataPath();
        ui.setProgramFolder(folder.dataPath());
        ui.setHomeFolder(folder.dataPath());
        ui.setStrict(false);  // every box answered by its first button unless scripted
        ui.click(w.cmdEnglanti);
    }

    // Every text the window shows: its caption, each control's caption and
    // tooltip, the items of its lists, the cells of its grids and the texts
    // drawn on its pictures.
    void collect(const platform::Form& form) {
        const std::string at = form.name() + (form.name() == "frmQuorvel" ? "" : " of " + m.BeamTypeName);
        shown.push_back({at + " caption", form.caption()});
        for (const platform::Control* c : form.controls()) {
            const std::string where = at + "." + c->name();
            shown.push_back({where, c->caption()});
            shown.push_back({where + " tooltip", c->toolTip()});
            if (c->kind() == platform::ControlKind::ComboBox) {
                const auto& list = static_cast<const platform::ComboBox&>(*c);
                for (int i = 0; i < list.listCount(); ++i) shown.push_back({where + " item", list.list(i)});
            } else if (c->kind() == platform::ControlKind::Grid) {
                const auto& grid = static_cast<const platform::Grid&>(*c);
                for (int r = 0; r < grid.rows(); ++r)
                    for (int col = 0; col < grid.cols(); ++col)
                        shown.push_back({where + " cell", grid.textMatrix(r, col)});
            } else if (c->kind() == platform::ControlKind::PictureBox) {
                for (const platform::DrawCommand& d : static_cast<const platform::PictureBox&>(*c).displayList())
                    shown.push_back({where + " drawn", d.text});
            }
        }
        ++windows;
    }

    // Each box given letters and then nothing, and left: the number rule's
    // messages; then its own text again.
    void refuseEveryBox(platform::Form& form, const std::function<void()>& leave) {
        for (platform::Control* box : reachableBoxes(form)) {
            const std::string original = boxText(*box);
            for (const char* text : {"abc", ""}) {
                ui.paste(*box, text);
                leave();
            }
            ui.paste(*box, original);
            leave();
        }
    }

    // The messages since count that put a contradiction list to the user.
    int questionsSince(std::size_t count) const {
        int questions = 0;
        for (std::size_t i = count; i < ui.messages().size(); ++i)
            if (ui.messages()[i].text.find("=>") != std::string::npos) ++questions;
        return questions;
    }

    // Opens the dialog from its opener, lets the driver act in it, and
    // cancels it when the driver left it open.
    void inDialog(platform::Control& opener, const std::string& formName,
                  const std::function<void(InputDialog&, const std::function<void()>&)>& driver) {
        SCOPED_TRACE(formName);
        open<InputDialog>(opener, formName, [&](InputDialog& d) {
            auto& cancel = *static_cast<platform::CommandButton*>(d.findControl("cmdPeruuta"));
            collect(d);
            driver(d, [&d, &cancel] { d.setFocus(cancel); });
            if (d.isLoaded()) ui.click(cancel);
        });
    }

    void pressOk(platform::Form& d) { ui.click(*d.findControl("cmdOK")); }

    quorvel::testing::TempFolder folder;
    std::vector<std::pair<std::string, std::string>> shown;  // where, text
    int windows = 0;
};

TEST_F(EnglishWindows, NoWindowMessageOrFileDialogShowsFinnish) {
    ASSERT_EQ(m.LanguageIndex, 1);
    // Beam loads and holes beyond the beam end: every dialog that checks
    // them, and the calculation, have a contradiction to put.
    m.BeamPointLoadCount = 1;
    m.BeamPointLoadX(1) = 30000.0f;
    m.HoleCount(2) = 1;
    m.HoleX(2, 1) = 30000.0f;
    m.HoleLengthA(2, 1) = 400.0f;
    m.HoleWidthB(2, 1) = 400.0f;
    collect(w);

    // The main window: the number rule, the joint grout warning, the
    // topping load, a slab type without strand designations.
    refuseEveryBox(w, [this] { leave(); });
    ui.paste(w.txtOikeasaumavalu, "25");
    leave();
    ui.dblClick(w.txtPintapaksuus);
    const std::string slabType = w.cboVasenlaattatyyppi.text();
    const int16_t strands = m.SlabCatalogue(2).StrandCount;
    m.SlabCatalogue(2).StrandCount = 0;
    ui.selectItem(w.cboVasenlaattatyyppi, 1);
    ASSERT_EQ(m.BottomStrandCode(1), "6");
    m.SlabCatalogue(2).StrandCount = strands;
    for (int i = 0; i < w.cboVasenlaattatyyppi.listCount(); ++i)
        if (w.cboVasenlaattatyyppi.list(i) == slabType) ui.selectItem(w.cboVasenlaattatyyppi, i);
    ASSERT_EQ(m.SlabTypeName(1), slabType);

    // The input dialogs, each box refused; then OK in the slab fields
    // with a strand designation emptied, in the beam loads and in the holes
    // beyond the beam end.
    const std::pair<platform::Control*, const char*> inputDialogs[] = {
        {&w.cmdLaatasto, "frm2Ontelolaatasto"}, {&w.cmdLaatankuormat, "frmLaatankuormat"},
        {&w.cmdReiat, "frmReiat"},              {&w.cmdKuormat, "frmKuormat"},
        {&w.cmdKertoimet, "frmKertoimet"},      {&w.cmdTukimomentit, "frmTukimomentit"}};
    for (const auto& [opener, form] : inputDialogs)
        inDialog(*opener, form, [&](InputDialog& d, const std::function<void()>& leave) { refuseEveryBox(d, leave); });
    std::size_t count = ui.messages().size();
    for (const auto& [opener, form] : {inputDialogs[0], inputDialogs[2], inputDialogs[3]})
        open<InputDialog>(*opener, form, [&](InputDialog& d) {
            if (d.name() == "frm2Ontelolaatasto") ui.paste(*d.findControl("cboVasenalapunos"), "");
            pressOk(d);
            ui.click(*d.findControl("cmdPeruuta"));
        });
    EXPECT_EQ(questionsSince(count), 3) << "the slab fields', the loads' and the holes' questions";

    // Every beam type's dialog: OK with the beam spacings at their least
    // (narrower than any beam), going back to editing; each box refused,
    // and the thin bottom flange of a prestressed beam.
    count = ui.messages().size();
    for (const app::BeamTypeInfo& type : app::BeamTypes()) {
        choose(*dynamic_cast<platform::OptionButton*>(w.findControl(std::string(type.option))));
        inDialog(w.cmdPalkki, std::string(type.dialog), [&](InputDialog& d, const std::function<void()>& leave) {
            for (const char* name : {"txtVasenalkuvali", "txtOikeaalkuvali", "txtVasenloppuvali", "txtOikealoppuvali"})
                ui.paste(*d.findControl(name), "200");
            pressOk(d);
            ASSERT_TRUE(d.isLoaded());
            refuseEveryBox(d, leave);
            if (platform::Control* flange = d.findControl("txthfala"); flange && flange->canTakeFocus()) {
                ui.paste(*flange, "7");
                leave();
            }
        });
    }
    EXPECT_EQ(questionsSince(count), static_cast<int>(app::BeamTypes().size())) << "one question per beam type";

    // Calculate: the contradiction question (going back to editing), the
    // CWQ topping questions; then a project that needs core filling,
    // calculated, its table, its report viewer and the about window.
    count = ui.messages().size();
    w.cmdLaske0.fireClick();
    EXPECT_EQ(questionsSince(count), 1) << "the calculation's question";
    m.BeamPointLoadCount = 0;
    m.HoleCount(2) = 0;
    choose(w.OptCWQ);
    ui.paste(w.txtPintapaksuus, "0");
    leave();
    ui.paste(w.txtRaudoiteala, "0");
    leave();
    ui.answerNext(platform::Answer::No);
    count = ui.messages().size();
    w.cmdLaske0.fireClick();  // thickness: go on; reinforcement: back to editing
    EXPECT_EQ(ui.messages().size(), count + 2) << "the CWQ topping's two questions";
    ASSERT_NE(m.ResultsValid, -1);

    declineSaveQuestions();
    std::filesystem::copy_file(std::string(QUORVEL_FIXTURES_DIR) + "/inputfiles/lbl_core_filling.dat",
                               folder.path() / "lbl.dat");
    ui.answerFileDialog(folder.file("lbl.dat"));
    w.cmdAvaalahto.fireClick();
    ASSERT_EQ(m.BeamTypeName, "LBL");
    ui.click(w.cmdEnglanti);  // the project file is in Finnish
    w.cmdLaske0.fireClick();
    ASSERT_EQ(m.ResultsValid, -1);
    ASSERT_FALSE(w.txtOntelotaytto1.caption().empty()) << "the project needs core filling";
    collect(w);
    ui.onModal("frmTaulukot", [this](platform::Form& f) {
        collect(f);
        f.unload();
    });
    w.cmdTaulukko0.fireClick();
    ui.onModal("Fileview", [this](platform::Form& f) {
        collect(f);
        f.unload();
    });
    w.cmdTeksti.fireClick();
    ui.onModal("frmAbout", [this](platform::Form& f) {
        collect(f);
        f.unload();
    });
    w.cmdTietoja.fireClick();

    // The save dialogs, cancelled; the viewer's missing and too long
    // report; a dialog this build would lack.
    for (platform::Menu* save : {&w.cmdTallennalahtoNimella, &w.cmdTallennatuloksetNimella}) {
        ui.answerFileDialog(std::nullopt);
        save->fireClick();
    }
    count = ui.messages().size();
    app::loadReportText(ui, folder.file("missing.tmp"), 7);
    folder.writeRaw("long.tmp", std::string(70000, 'x'));
    app::loadReportText(ui, folder.file("long.tmp"), 7);
    EXPECT_EQ(ui.messages().size(), count + 2);
    shown.push_back({"a missing dialog", app::dialogUnavailableText(ui, "frmX")});
    // Every line a contradiction list may hold, in both languages.
    for (int c = 0; c < app::ContradictionCount; ++c) {
        const std::string finnish = app::ContradictionLine(app::Contradiction(c), 0);
        const std::string english = app::ContradictionLine(app::Contradiction(c), 1);
        EXPECT_NE(finnishMarkerIn(finnish), "") << c << ": " << finnish;
        EXPECT_NE(english, finnish);
        shown.push_back({"contradiction " + std::to_string(c), english});
    }

    // Back in Finnish the windows speak Finnish again.
    ui.click(w.cmdSuomi);
    EXPECT_NE(finnishMarkerIn(w.txtOntelotaytto1.caption()), "") << w.txtOntelotaytto1.caption();
    EXPECT_NE(finnishMarkerIn(w.cmdPalkki.caption()), "") << w.cmdPalkki.caption();
    EXPECT_NE(finnishMarkerIn(w.cboSaumabetoni.toolTip()), "") << w.cboSaumabetoni.toolTip();

    EXPECT_EQ(windows, 1 + 6 + static_cast<int>(app::BeamTypes().size()) + 4);
    int texts = 0;
    for (const auto& [where, text] : shown) {
        if (text.empty()) continue;
        ++texts;
        EXPECT_EQ(finnishMarkerIn(text), "") << where << ": " << text;
    }
    EXPECT_GT(texts, 1000);
    EXPECT_GT(ui.messages().size(), 300u);
    for (const platform::RecordedMessage& message : ui.messages()) {
        EXPECT_EQ(finnishMarkerIn(message.text), "") << message.text;
        EXPECT_EQ(finnishMarkerIn(message.title), "") << message.title << " over " << message.text;
    }
    EXPECT_EQ(ui.fileDialogs().size(), 3u);
    for (const auto& dialog : ui.fileDialogs())
        EXPECT_EQ(finnishMarkerIn(dialog.request.title + " " + dialog.request.filter), "")
            << dialog.request.title << " " << dialog.request.filter;
}

}  // namespace
}  // namespace quorvel::dialogs::testing
