// Event rules of the windows layer, driven through the headless backend.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/form.h"
#include "platform/headless/headless_platform.h"
#include "runtime/errors.h"

namespace quorvel::platform {
namespace {

// A small dialog in the shape the windows of the program take.
class frmTest : public Form {
public:
    explicit frmTest(Platform& p) : Form(p, "frmTest", "Testi", 6000, 4000) {
        cmdOK.setDefault(true);
        cmdPeruuta.setCancel(true);
        for (Control* c : controls()) {
            c->onClick = [this, c] { log.push_back(c->name() + ".Click"); };
            c->onChange = [this, c] { log.push_back(c->name() + ".Change"); };
            c->onGotFocus = [this, c] { log.push_back(c->name() + ".GotFocus"); };
            c->onLostFocus = [this, c] { log.push_back(c->name() + ".LostFocus"); };
        }
        cmdOK.onClick = [this] {
            log.push_back("cmdOK.Click");
            unload();
        };
        cmdPeruuta.onClick = [this] {
            log.push_back("cmdPeruuta.Click");
            unload();
        };
    }

    Frame fraA{*this, "fraA", {120, 120, 2000, 1200}, "&A"};
    OptionButton optA1{*this, "optA1", {120, 240, 1500, 255}, "A1", &fraA};
    OptionButton optA2{*this, "optA2", {120, 600, 1500, 255}, "A2", &fraA};
    Frame fraB{*this, "fraB", {2200, 120, 2000, 1200}, "&B"};
    OptionButton optB1{*this, "optB1", {120, 240, 1500, 255}, "B1", &fraB};
    OptionButton optB2{*this, "optB2", {120, 600, 1500, 255}, "B2", &fraB};
    TextBox txtEka{*this, "txtEka", {120, 1440, 855, 285}, "1"};
    TextBox txtToka{*this, "txtToka", {120, 1800, 855, 285}};
    Frame fraC{*this, "fraC", {120, 2200, 3000, 900}, "C"};
    TextBox txtKolmas{*this, "txtKolmas", {120, 240, 855, 285}, &fraC};
    CommandButton cmdOK{*this, "cmdOK", {120, 3300, 1215, 375}, "OK"};
    CommandButton cmdPeruuta{*this, "cmdPeruuta", {1440, 3300, 1215, 375}, "Peruuta"};

    std::vector<std::string> log;
};

TEST(FormEvents, TextChangeFiresOncePerDifferingValueAndNests) {
    HeadlessPlatform ui;
    frmTest f(ui);
    f.txtEka.onChange = [&] {
        f.log.push_back("txtEka.Change");
        f.txtToka.setText("copy " + f.txtEka.text());  // a nested event runs inside this one
        f.log.push_back("txtEka.Change.end");
    };
    f.txtEka.setText("1");  // the same text: nothing
    EXPECT_TRUE(f.log.empty());
    f.txtEka.setText("2");
    f.txtEka.setText("2");
    EXPECT_EQ(f.log, (std::vector<std::string>{"txtEka.Change", "txtToka.Change", "txtEka.Change.end"}));
    EXPECT_EQ(f.txtToka.text(), "copy 2");
}

TEST(FormEvents, OptionButtonsAreExclusivePerContainerAndClickOnlyWhenNew) {
    HeadlessPlatform ui;
    frmTest f(ui);
    f.optA1.setValue(true);
    f.optB2.setValue(true);
    f.log.clear();
    f.optA2.setValue(true);
    f.optA2.setValue(true);  // already selected: runs nothing
    EXPECT_EQ(f.log, std::vector<std::string>{"optA2.Click"});
    EXPECT_FALSE(f.optA1.value());
    EXPECT_TRUE(f.optB2.value()) << "another frame's options are a group of their own";
    f.optA2.setValue(false);  // clearing fires nothing
    EXPECT_EQ(f.log.size(), 1u);
}

TEST(FormEvents, CheckBoxAndListIndexFireClick) {
    HeadlessPlatform ui;
    Form f(ui, "frmLists", "", 3000, 3000);
    CheckBox chk(f, "chkVaarnoitus", {0, 0, 1000, 255}, "Vaarnoitus");
    ComboBox cboList(f, "cboLuokka", {0, 300, 1000, 300}, ComboStyle::DropDownList);
    ComboBox cboCombo(f, "cboBetoni", {0, 700, 1000, 300}, ComboStyle::DropDownCombo);
    int checkClicks = 0, listClicks = 0, comboChanges = 0;
    chk.onClick = [&] { ++checkClicks; };
    cboList.onClick = [&] { ++listClicks; };
    cboCombo.onChange = [&] { ++comboChanges; };
    chk.setValue(1);
    chk.setValue(1);
    chk.setValue(0);
    EXPECT_EQ(checkClicks, 2);

    for (auto s : {"1", "2", "3"}) cboList.addItem(s);
    cboList.setListIndex(1);
    EXPECT_EQ(cboList.text(), "2");
    EXPECT_EQ(listClicks, 1);
    cboList.setText("3");  // a list chooses the item of that text
    EXPECT_EQ(cboList.listIndex(), 2);
    EXPECT_EQ(listClicks, 2);
    try {
        cboList.setText("4");
        ADD_FAILURE() << "a list accepted a text that is not an item";
    } catch (const runtime::RunTimeError& e) {
        EXPECT_EQ(e.number(), 383);
    }
    EXPECT_THROW(cboList.setListIndex(3), runtime::RunTimeError);

    for (auto s : {"30", "35"}) cboCombo.addItem(s);
    cboCombo.setText("35");
    EXPECT_EQ(cboCombo.listIndex(), 1);
    cboCombo.setText("37");  // typed values are allowed
    EXPECT_EQ(cboCombo.listIndex(), -1);
    EXPECT_EQ(comboChanges, 2);
}

TEST(FormEvents, SpinBoundsEitherWayClampAndFireChange) {
    HeadlessPlatform ui;
    Form f(ui, "frmSpin", "", 3000, 3000);
    TextBox txtRiviLkm(f, "txtRiviLkm", {0, 0, 500, 285});
    VScrollBar vsbRiviLkm(f, "vsbRiviLkm", {500, 0, 255, 285});
    VScrollBar vsbRiviNo(f, "vsbRiviNo", {500, 400, 255, 285});
    vsbRiviLkm.onChange = [&] { txtRiviLkm.setText(std::to_string(vsbRiviLkm.value())); };
    int numberChanges = 0;
    vsbRiviNo.onChange = [&] { ++numberChanges; };

    // 10 at the top: the up arrow raises the count.
    vsbRiviLkm.setRange(10, 0);
    vsbRiviLkm.setValue(3);
    EXPECT_EQ(txtRiviLkm.text(), "3");
    ui.spinUp(vsbRiviLkm);
    EXPECT_EQ(vsbRiviLkm.value(), 4);
    ui.spinDown(vsbRiviLkm);
    ui.spinDown(vsbRiviLkm);
    EXPECT_EQ(txtRiviLkm.text(), "2");
    vsbRiviLkm.setValue(25);  // clamped to the range
    EXPECT_EQ(vsbRiviLkm.value(), 10);

    // Range 1..count: lowering the count clamps the row and fires Change.
    vsbRiviNo.setRange(1, 3);
    vsbRiviNo.setValue(3);
    numberChanges = 0;
    vsbRiviNo.setMax(2);
    EXPECT_EQ(vsbRiviNo.value(), 2);
    EXPECT_EQ(numberChanges, 1);
    vsbRiviNo.setMax(3);  // raising it leaves the value
    EXPECT_EQ(vsbRiviNo.value(), 2);
    EXPECT_EQ(numberChanges, 1);
    ui.spinDown(vsbRiviNo);
    ui.spinDown(vsbRiviNo);  // stops at the bottom
    EXPECT_EQ(vsbRiviNo.value(), 3);
}

TEST(FormFocus, TabMovesFocusAndLostFocusHandlerCanPutItBack) {
    HeadlessPlatform ui;
    frmTest f(ui);
    bool reject = true;
    f.txtEka.onLostFocus = [&] {
        f.log.push_back("txtEka.LostFocus");
        if (reject) f.txtEka.setFocus();
    };
    ui.showModal(f, [&] {
        f.txtEka.setFocus();
        f.log.clear();
        ui.tab();
        EXPECT_EQ(f.activeControl(), &f.txtEka) << "the focus was put back";
        EXPECT_EQ(f.log, std::vector<std::string>{"txtEka.LostFocus"}) << "the next box got no GotFocus";
        ui.click(f.cmdOK);  // the click is lost while the box keeps the focus
        EXPECT_TRUE(f.isLoaded());
        reject = false;
        f.log.clear();
        ui.tab();
        EXPECT_EQ(f.log, (std::vector<std::string>{"txtEka.LostFocus", "txtToka.GotFocus"}));
        ui.click(f.cmdOK);
    });
    EXPECT_EQ(f.log.back(), "cmdOK.Click");
    EXPECT_FALSE(f.isLoaded());
}

TEST(FormFocus, ALostFocusHandlerThatClosesTheWindowEndsTheFocusMove) {
    HeadlessPlatform ui;
    frmTest f(ui);
    f.txtEka.onLostFocus = [&] {
        f.log.push_back("txtEka.LostFocus");
        f.unload();
    };
    ui.showModal(f, [&] {
        f.txtEka.setFocus();
        f.log.clear();
        ui.tab();
    });
    EXPECT_EQ(f.log, std::vector<std::string>{"txtEka.LostFocus"}) << "no GotFocus in a closed window";
    EXPECT_EQ(f.activeControl(), nullptr);
}

TEST(FormFocus, EnterPressesTheDefaultButtonWithoutLostFocusAndEscTheCancelButton) {
    HeadlessPlatform ui;
    frmTest f(ui);
    ui.showModal(f, [&] {
        ui.typeOver(f.txtToka, "5");
        f.log.clear();
        ui.pressEnter();
    });
    EXPECT_EQ(f.log, std::vector<std::string>{"cmdOK.Click"});
    EXPECT_EQ(f.txtToka.text(), "5");

    frmTest g(ui);
    ui.showModal(g, [&] {
        g.log.clear();
        ui.pressEscape();
    });
    EXPECT_EQ(g.log, std::vector<std::string>{"cmdPeruuta.Click"});
}

TEST(FormFocus, ShowingAFormFocusesAnOptionGroupAtItsSelectedOption) {
    HeadlessPlatform ui;
    frmTest f(ui);
    f.optA2.setValue(true);
    ui.showModal(f, [&] {
        EXPECT_EQ(f.activeControl(), &f.optA2);
        f.unload();
    });
}

TEST(FormFocus, DisabledOrHiddenContainerKeepsItsControlsFromTheFocus) {
    HeadlessPlatform ui;
    frmTest f(ui);
    f.fraC.setEnabled(false);
    EXPECT_FALSE(f.txtKolmas.isEffectivelyEnabled());
    EXPECT_TRUE(f.txtKolmas.enabled());
    EXPECT_THROW(f.txtKolmas.setFocus(), runtime::RunTimeError);
    EXPECT_THROW(ui.click(f.txtKolmas), HeadlessFailure);
    f.fraC.setEnabled(true);
    f.fraC.setVisible(false);
    EXPECT_FALSE(f.txtKolmas.canTakeFocus());
    // Tab skips it: from txtToka straight on to the buttons.
    ui.showModal(f, [&] {
        f.txtToka.setFocus();
        ui.tab();
        EXPECT_EQ(f.activeControl(), &f.cmdOK);
        f.unload();
    });
}

TEST(FormKeys, KeyPressMayChangeOrSwallowTheKeyButPasteIsNotFiltered) {
    HeadlessPlatform ui;
    frmTest f(ui);
    int changes = 0;
    f.txtToka.onChange = [&] { ++changes; };
    f.txtToka.onKeyPress = [](int& key) {
        if (key == ',') key = '.';
        else if (key == 'x') key = 0;
    };
    ui.showModal(f, [&] {
        ui.type(f.txtToka, "1,x5");
        EXPECT_EQ(f.txtToka.text(), "1.5");
        EXPECT_EQ(changes, 3) << "one Change per character that went in";
        ui.backspace(f.txtToka);
        EXPECT_EQ(f.txtToka.text(), "1.");
        changes = 0;
        ui.paste(f.txtToka, "2,x");
        EXPECT_EQ(f.txtToka.text(), "2,x");
        EXPECT_EQ(changes, 1);
        f.unload();
    });
}

TEST(FormKeys, TypingOverTheSameFirstCharacterStillMovesTheCaret) {
    // "10" typed over a box holding "1": the first key leaves the text as it
    // was (no Change), but the selection is gone and the caret stands after
    // it, so the second key follows the first.
    HeadlessPlatform ui;
    frmTest f(ui);
    int changes = 0;
    f.txtEka.onChange = [&] { ++changes; };
    ui.showModal(f, [&] {
        ui.typeOver(f.txtEka, "10");
        EXPECT_EQ(f.txtEka.text(), "10");
        EXPECT_EQ(changes, 1) << "only the second key changed the text";
        f.unload();
    });
}

TEST(FormKeys, AKeyThatClosesTheWindowGoesNoFurtherAndEnterBreaksAMultiLineBoxWithoutDefaultButton) {
    HeadlessPlatform ui;
    frmTest f(ui);
    int keyPresses = 0;
    f.txtToka.onKeyDown = [&](int& keyCode, int) {
        if (keyCode == 'Q') f.unload();
    };
    f.txtToka.onKeyPress = [&](int&) { ++keyPresses; };
    ui.showModal(f, [&] { ui.type(f.txtToka, "aq"); });
    EXPECT_EQ(keyPresses, 1) << "the key that closed the window in KeyDown reaches no KeyPress";
    EXPECT_EQ(f.txtToka.text(), "a");

    // With a default button Enter presses it; without one it breaks the line.
    frmTest g(ui);
    g.txtToka.setMultiLine(true);
    ui.showModal(g, [&] {
        ui.type(g.txtToka, "a");
        g.log.clear();
        ui.pressEnter();
    });
    EXPECT_EQ(g.log, std::vector<std::string>{"cmdOK.Click"});
    frmTest h(ui);
    h.txtToka.setMultiLine(true);
    h.cmdOK.setDefault(false);
    ui.showModal(h, [&] {
        ui.type(h.txtToka, "a");
        ui.pressEnter();
        ui.type(h.txtToka, "b");
        h.unload();
    });
    EXPECT_EQ(h.txtToka.text(), "a\r\nb");
}

// KeyDown gets the key's code, not its character: the decimal mark is not
// the Delete key (46) and the minus not Insert (45).
TEST(FormKeys, KeyDownGetsKeyCodes) {
    HeadlessPlatform ui;
    frmTest f(ui);
    std::vector<int> codes;
    f.txtToka.onKeyDown = [&](int& keyCode, int) { codes.push_back(keyCode); };
    ui.showModal(f, [&] {
        ui.type(f.txtToka, "a7.,- ");
        f.unload();
    });
    EXPECT_EQ(codes, (std::vector<int>{65, 55, 190, 188, 189, 32}));
    EXPECT_EQ(f.txtToka.text(), "a7.,- ");
}

TEST(FormKeys, TypingOverAComboReplacesItsTextWithTheFirstKey) {
    HeadlessPlatform ui;
    Form f(ui, "frmCombo", "", 3000, 3000);
    ComboBox cboBetoni(f, "cboBetoni", {0, 0, 1000, 315}, ComboStyle::DropDownCombo);
    ComboBox cboLuokka(f, "cboLuokka", {0, 400, 1000, 315}, ComboStyle::DropDownList);
    for (const char* item : {"30", "35"}) {
        cboBetoni.addItem(item);
        cboLuokka.addItem(item);
    }
    cboBetoni.setText("30");
    cboLuokka.setListIndex(0);
    std::vector<std::string> seen;
    cboBetoni.onChange = [&] { seen.push_back(cboBetoni.text()); };
    ui.showModal(f, [&] {
        cboBetoni.onKeyPress = [](int& key) {
            if (key == 'x') key = 0;
        };
        ui.typeOver(cboBetoni, "x45");  // a swallowed key leaves the text selected
        ui.typeOver(cboLuokka, "3");  // a list takes no typed text
        f.unload();
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"4", "45"})) << "no Change with an empty text in between";
    EXPECT_EQ(cboLuokka.text(), "30");
}

TEST(FormLifeCycle, ModalShowReturnsWhenHiddenAndFrameCloseCanBeCancelled) {
    HeadlessPlatform ui;
    frmTest f(ui);
    int loads = 0;
    f.onLoad = [&] { ++loads; };
    f.onQueryUnload = [&](int& cancel, int mode) {
        f.log.push_back("QueryUnload " + std::to_string(mode));
        if (mode == UnloadByFrame && f.txtToka.text().empty()) cancel = 1;
    };
    ui.onModal("frmTest", [&](Form& form) {
        EXPECT_FALSE(ui.closeByFrame(form));
        EXPECT_TRUE(form.isVisible());
        form.hide();
    });
    f.showModal();
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(f.isLoaded()) << "hidden, not unloaded";
    ui.onModal("", [&](Form&) {
        f.txtToka.setText("x");
        EXPECT_TRUE(ui.closeByFrame(f));
    });
    f.showModal();
    EXPECT_EQ(loads, 1) << "a hidden form is not loaded again";
    EXPECT_FALSE(f.isLoaded());
    EXPECT_EQ(f.log.back(), "QueryUnload 0");
}

TEST(FormLifeCycle, ModalFormWithoutDriverOrLeftOpenFailsTheTest) {
    HeadlessPlatform ui;
    frmTest f(ui);
    EXPECT_THROW(f.showModal(), HeadlessFailure);
    frmTest g(ui);
    EXPECT_THROW(ui.showModal(g, [] {}), HeadlessFailure);
    // A form that unloads itself while loading never opens: the driver, and
    // every check in it, would not run.
    frmTest h(ui);
    h.onLoad = [&] { h.unload(); };
    EXPECT_THROW(ui.showModal(h, [] {}), HeadlessFailure);
    h.onLoad = nullptr;
    ui.showModal(h, [&] { ui.click(h.cmdOK); });
    EXPECT_EQ(h.log.back(), "cmdOK.Click") << "the driver of the failed show was not kept for this one";
}

TEST(Messages, ScriptedBoxesAreCheckedInOrderAndAnswered) {
    HeadlessPlatform ui;
    ui.expectMessage("Tallennetaanko?", "Quorvel", Buttons::YesNo, Icon::None, Answer::No);
    ui.expectMessageMatching("Virhe [0-9]+", "Quorvel", Buttons::Ok, Icon::None);
    EXPECT_EQ(ui.messageBox("Tallennetaanko?", Buttons::YesNo), Answer::No);
    EXPECT_EQ(ui.messageBox("Virhe 53"), Answer::Ok);
    EXPECT_THROW(ui.messageBox("another one"), HeadlessFailure) << "an unexpected box";
    ui.expectMessage("A", "T", Buttons::Ok, Icon::Critical);
    EXPECT_THROW(ui.messageBox("A", Buttons::Ok, Icon::Exclamation, "T"), HeadlessFailure) << "wrong icon";
    ui.expectMessage("never", "T", Buttons::Ok, Icon::None);
    EXPECT_THROW(ui.verify(), HeadlessFailure) << "a box left unanswered";
    EXPECT_EQ(ui.messages().size(), 4u);
}

TEST(Messages, WithoutScriptBoxesGetTheirFirstButtonOrAnswerNext) {
    HeadlessPlatform ui;
    EXPECT_EQ(ui.messageBox("a", Buttons::YesNo, Icon::None, "t"), Answer::Yes);
    ui.answerNext(Answer::No);
    EXPECT_EQ(ui.messageBox("b", Buttons::YesNo, Icon::None, "t"), Answer::No);
    ASSERT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(ui.messages()[1].text, "b");
}

TEST(PictureBoxDrawing, DisplayListInPixelsAndTwips) {
    HeadlessPlatform ui;
    Form f(ui, "frmPic", "", 5000, 2000);
    PictureBox pic(f, "picVenyma", {1680, 3960, 3015, 255});
    EXPECT_EQ(pic.scaleWidth(), (3015 / 15 - 4) * 15.0);
    pic.setScaleMode(ScaleMode::Pixels);
    EXPECT_EQ(pic.scaleWidth(), 197);
    EXPECT_EQ(pic.scaleHeight(), 13);
    pic.line(0, 0, 0, 13, paletteColor(0));
    pic.filledBox(20, 1, 60, 10, paletteColor(12));
    pic.setCurrentX(2);
    pic.setCurrentY(3);
    pic.print("77");
    ASSERT_EQ(pic.displayList().size(), 3u);
    EXPECT_EQ(pic.displayList()[1].kind, DrawCommand::Kind::FilledBox);
    EXPECT_EQ(pic.displayList()[1].color, rgb(255, 0, 0));
    EXPECT_EQ(pic.displayList()[2].text, "77");
    EXPECT_EQ(pic.displayList()[2].x1, 2);
    EXPECT_EQ(pic.currentX(), 0) << "print goes on at the start of the next line";
    pic.setScaleMode(ScaleMode::Twips);
    pic.box(150, 150, 300, 300, paletteColor(8));
    EXPECT_EQ(pic.displayList()[3].x2, 20) << "kept in pixels";
    pic.cls();
    EXPECT_TRUE(pic.displayList().empty());
}

TEST(GridCells, CellsByAddressAndCurrentCellWithRangeChecks) {
    HeadlessPlatform ui;
    Form f(ui, "frmTaulukot", "", 8000, 6000);
    Grid g(f, "Grid1", {120, 120, 6000, 1500}, 5, 4);
    g.setTextMatrix(0, 1, "Mitoittava");
    g.setRow(2);
    g.setCol(3);
    g.setText("100.00 ");
    g.setPicture("ok.png");
    EXPECT_EQ(g.textMatrix(2, 3), "100.00 ");
    EXPECT_EQ(g.cellPicture(2, 3), "ok.png");
    g.setRows(6);  // growing keeps the cells
    EXPECT_EQ(g.textMatrix(0, 1), "Mitoittava");
    EXPECT_THROW(g.textMatrix(6, 0), runtime::RunTimeError);
    EXPECT_THROW(g.setColWidth(4, 100), runtime::RunTimeError);
}

TEST(ControlArrays, ElementsByNumberAndMenus) {
    HeadlessPlatform ui;
    Form f(ui, "frmArrays", "", 8000, 6000);
    ControlArray<Label> label51;
    label51.add(0, f, "label51", Place{0, 0, 1000, 255}, "Pistekuorma #");
    label51.add(1, f, "label51", Place{4000, 0, 1000, 255}, "Pistekuorma #");
    EXPECT_EQ(label51(1).left(), 4000);
    EXPECT_EQ(f.findControl("label51", 1), &label51(1));
    EXPECT_THROW(label51(2), runtime::RunTimeError);
    // Loading an element that is there already is an error; replacing it
    // would pull the control from under a window that shows it.
    Label& first = label51(0);
    EXPECT_THROW(label51.add(0, f, "label51", Place{}, "x"), runtime::RunTimeError);
    EXPECT_EQ(&label51(0), &first);
    EXPECT_EQ(first.caption(), "Pistekuorma #");
    EXPECT_EQ(f.controls().size(), 2u);

    Menu mnuMain(f, "mnuMain", "&Tiedosto");
    Menu cmdUusi(f, "cmdUusi", "Uusi", &mnuMain, "Ctrl+N");
    Menu mnu0(f, "mnu0", "-", &mnuMain);
    int clicks = 0;
    cmdUusi.onClick = [&] { ++clicks; };
    ui.click(cmdUusi);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(mnuMain.items(), (std::vector<Menu*>{&cmdUusi, &mnu0}));
    EXPECT_TRUE(mnu0.isSeparator());
    EXPECT_TRUE(f.hasMenus());
}

}  // namespace
}  // namespace quorvel::platform
