// The Qt backend, run offscreen: a form with every control kind becomes a
// window whose widgets follow the controls, and a user's actions on the
// widgets fire the same events as in the headless backend.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <ctime>
#include <optional>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "platform/forms/form.h"
#include "platform/qt/qt_platform.h"
#include "runtime/errors.h"
#include "support/qt_wait.h"
#include "support/test_support.h"

namespace quorvel::platform {
namespace {

using quorvel::testing::waitFor;
using quorvel::testing::whenModalUp;

// Presses Enter in the modal window once it is up: a message box's default button.
void pressEnter(QWidget& window) { QTest::keyClick(&window, Qt::Key_Return); }

QApplication& application() {
    static int argc = 1;
    static char name[] = "test_platform_qt";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// A form holding one control of every kind.
class frmKaikki : public Form {
public:
    explicit frmKaikki(Platform& p) : Form(p, "frmKaikki", "Kaikki ohjaimet", 9000, 6000) {
        setBackColor(Colors::White);
        cboLuokka.addItem("1");
        cboLuokka.addItem("2");
        cboBetoni.addItem("30");
        cboBetoni.addItem("35");
        cboBetoni.setText("30");
        optA.setValue(true);
        cmdOK.setDefault(true);
        cmdPeruuta.setCancel(true);
        vsbLkm.setRange(10, 0);
        vsbLkm.setValue(3);
        shpLaatta.setFill(true, paletteColor(7));
        linViiva.setBorderColor(paletteColor(9));
        Grid1.setTextMatrix(0, 1, "Mitoittava");
        Grid1.setTextMatrix(1, 0, "Leikkaus");
        Grid1.setTextMatrix(1, 1, "12.50 ");
        Grid1.setColWidth(0, 1800);
        txtArvo.onChange = [this] { ++changes; };
        txtArvo.onLostFocus = [this] { log.push_back("txtArvo.LostFocus"); };
        txtMuu.onGotFocus = [this] { log.push_back("txtMuu.GotFocus"); };
        optB.onClick = [this] { log.push_back("optB.Click"); };
        vsbLkm.onChange = [this] { txtLkm.setText(std::to_string(vsbLkm.value())); };
        cmdOK.onClick = [this] {
            log.push_back("cmdOK.Click");
            unload();
        };
        cmdUusi.onClick = [this] { log.push_back("cmdUusi.Click"); };
    }

    Menu mnuMain{*this, "mnuMain", "&Tiedosto"};
    Menu cmdUusi{*this, "cmdUusi", "Uusi", &mnuMain, "Ctrl+N"};
    Menu mnu0{*this, "mnu0", "-", &mnuMain};
    Menu cmdLopeta{*this, "cmdLopeta", "Lopeta", &mnuMain};
    Label lblOtsikko{*this, "lblOtsikko", {120, 120, 3000, 255}, "&Pysyvä hyötykuorma"};
    TextBox txtArvo{*this, "txtArvo", {120, 480, 855, 285}, "0.5"};
    TextBox txtMuu{*this, "txtMuu", {1200, 480, 855, 285}};
    ComboBox cboLuokka{*this, "cboLuokka", {120, 900, 1095, 315}, ComboStyle::DropDownList};
    ComboBox cboBetoni{*this, "cboBetoni", {1320, 900, 1095, 315}, ComboStyle::DropDownCombo};
    Frame fraValinta{*this, "fraValinta", {120, 1320, 2800, 1100}, "&Palkin sijainti"};
    OptionButton optA{*this, "optA", {120, 300, 2400, 255}, "&Keskipalkki", &fraValinta};
    OptionButton optB{*this, "optB", {120, 660, 2400, 255}, "&Reunapalkki", &fraValinta};
    CheckBox chkVaarnoitus{*this, "chkVaarnoitus", {120, 2520, 2400, 255}, "Vaarnoitus"};
    TextBox txtLkm{*this, "txtLkm", {3200, 480, 495, 285}, "3"};
    VScrollBar vsbLkm{*this, "vsbLkm", {3700, 480, 255, 285}};
    PictureBox picMittari{*this, "picMittari", {3200, 1320, 3015, 375}};
    Line linViiva{*this, "linViiva", 3200, 1900, 6200, 1900};
    Shape shpLaatta{*this, "shpLaatta", {3200, 2000, 1500, 400}};
    Image imgLippu{*this, "imgLippu", {4800, 2000, 384, 240}};
    Grid Grid1{*this, "Grid1", {120, 2900, 6000, 1300}, 5, 4};
    CommandButton cmdOK{*this, "cmdOK", {120, 5400, 1215, 375}, "OK"};
    CommandButton cmdPeruuta{*this, "cmdPeruuta", {1440, 5400, 1215, 375}, "Peruuta"};

    int changes = 0;
    std::vector<std::string> log;
};

class QtBackend : public ::testing::Test {
protected:
    template <typename W>
    W* widget(const Control& c) {
        return dynamic_cast<W*>(ui.widgetOf(c));
    }
    void showAndActivate(Form& f) {
        f.show();
        QWidget* window = ui.windowOf(f);
        ASSERT_NE(window, nullptr);
        window->activateWindow();
        ASSERT_TRUE(quorvel::testing::waitForActive(window)) << "waited for the window to be active";
    }
    QApplication& app = application();  // before the platform
    qt::QtPlatform ui;
};

TEST_F(QtBackend, EveryControlKindBecomesAWidgetAtItsTwips) {
    frmKaikki f(ui);
    showAndActivate(f);
    EXPECT_EQ(ui.windowOf(f)->windowTitle(), "Kaikki ohjaimet");
    ASSERT_NE(widget<QLabel>(f.lblOtsikko), nullptr);
    EXPECT_EQ(widget<QLabel>(f.lblOtsikko)->text(), "Pysyvä hyötykuorma");
    ASSERT_NE(widget<QLineEdit>(f.txtArvo), nullptr);
    EXPECT_EQ(widget<QLineEdit>(f.txtArvo)->geometry(), QRect(8, 32, 57, 19));
    EXPECT_EQ(widget<QLineEdit>(f.txtArvo)->text(), "0.5");
    ASSERT_NE(widget<QComboBox>(f.cboLuokka), nullptr);
    EXPECT_FALSE(widget<QComboBox>(f.cboLuokka)->isEditable());
    EXPECT_TRUE(widget<QComboBox>(f.cboBetoni)->isEditable());
    ASSERT_NE(widget<QGroupBox>(f.fraValinta), nullptr);
    EXPECT_EQ(widget<QRadioButton>(f.optA)->parentWidget(), widget<QGroupBox>(f.fraValinta));
    EXPECT_TRUE(widget<QRadioButton>(f.optA)->isChecked());
    ASSERT_NE(widget<QCheckBox>(f.chkVaarnoitus), nullptr);
    ASSERT_NE(widget<QPushButton>(f.cmdOK), nullptr);
    ASSERT_NE(widget<QScrollBar>(f.vsbLkm), nullptr);
    ASSERT_NE(ui.widgetOf(f.picMittari), nullptr);
    ASSERT_NE(ui.widgetOf(f.linViiva), nullptr);
    ASSERT_NE(ui.widgetOf(f.shpLaatta), nullptr);
    ASSERT_NE(ui.widgetOf(f.imgLippu), nullptr);
    ASSERT_NE(widget<QTableWidget>(f.Grid1), nullptr);
    f.unload();
    EXPECT_EQ(ui.windowOf(f), nullptr) << "unloading drops the window";
}

TEST_F(QtBackend, UserEditFiresChangeOnceAndCodeChangesReachTheWidgetWithoutASecondEvent) {
    frmKaikki f(ui);
    f.txtArvo.onKeyPress = [](int& key) {
        if (key == ',') key = '.';
        if (key == 'x') key = 0;
    };
    showAndActivate(f);
    QLineEdit* edit = widget<QLineEdit>(f.txtArvo);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, '7');
    EXPECT_EQ(f.txtArvo.text(), "7");
    EXPECT_EQ(f.changes, 1);
    QTest::keyClick(edit, ',');  // changed by the KeyPress handler
    QTest::keyClick(edit, 'x');  // swallowed
    QTest::keyClick(edit, '5');
    EXPECT_EQ(f.txtArvo.text(), "7.5");
    EXPECT_EQ(edit->text(), "7.5");
    EXPECT_EQ(f.changes, 3);

    f.txtArvo.setText("12");
    QApplication::processEvents();
    EXPECT_EQ(edit->text(), "12");
    EXPECT_EQ(f.changes, 4) << "the code's change fired once, the widget's update nothing";

    // A spin moved by the user writes its box through its Change handler.
    QScrollBar* bar = widget<QScrollBar>(f.vsbLkm);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the up arrow: towards the top, 10
    EXPECT_EQ(f.vsbLkm.value(), 4);
    EXPECT_EQ(f.txtLkm.text(), "4");
    f.vsbLkm.setMin(2);  // new bounds clamp the value, and the widget follows
    EXPECT_EQ(f.vsbLkm.value(), 2);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(widget<QLineEdit>(f.txtLkm)->text(), "2");
    f.unload();
}

TEST_F(QtBackend, OptionsAndCheckBoxesFollowTheEventRules) {
    frmKaikki f(ui);
    showAndActivate(f);
    QTest::mouseClick(widget<QRadioButton>(f.optB), Qt::LeftButton);
    EXPECT_TRUE(f.optB.value());
    EXPECT_FALSE(f.optA.value());
    EXPECT_FALSE(widget<QRadioButton>(f.optA)->isChecked());
    QTest::mouseClick(widget<QRadioButton>(f.optB), Qt::LeftButton);
    EXPECT_TRUE(widget<QRadioButton>(f.optB)->isChecked()) << "clicking the selected option keeps it";
    EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "optB.Click"), 1);
    QTest::mouseClick(widget<QCheckBox>(f.chkVaarnoitus), Qt::LeftButton);
    EXPECT_EQ(f.chkVaarnoitus.value(), CheckBox::Checked);
    f.chkVaarnoitus.setValue(CheckBox::Unchecked);
    EXPECT_FALSE(widget<QCheckBox>(f.chkVaarnoitus)->isChecked());
    widget<QComboBox>(f.cboLuokka)->activated(1);  // the user picks the second item
    EXPECT_EQ(f.cboLuokka.text(), "2");
    f.unload();
}

TEST_F(QtBackend, FocusOutFiresLostFocusAndGotFocus) {
    frmKaikki f(ui);
    showAndActivate(f);
    widget<QLineEdit>(f.txtArvo)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f.activeControl(), &f.txtArvo);
    f.log.clear();
    widget<QLineEdit>(f.txtMuu)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f.log, (std::vector<std::string>{"txtArvo.LostFocus", "txtMuu.GotFocus"}));
    EXPECT_EQ(f.activeControl(), &f.txtMuu);
    // A focus moved by code moves the widget focus too.
    f.txtArvo.setFocus();
    EXPECT_TRUE(widget<QLineEdit>(f.txtArvo)->hasFocus());
    f.unload();
}

TEST_F(QtBackend, LostFocusHandlerWithAMessagePutsTheFocusBackOnce) {
    frmKaikki f(ui);
    int lostFocus = 0;
    f.txtArvo.onLostFocus = [&] {
        ++lostFocus;
        // As a validator does: a message, then the focus back on the box.
        const auto answer = whenModalUp(pressEnter);
        ui.messageBox("Syöte 700 ei arvoalueella (16<=...<=60)", Buttons::Ok, Icon::Exclamation, "Lukuarvovirhe");
        f.txtArvo.setFocus();
    };
    showAndActivate(f);
    widget<QLineEdit>(f.txtArvo)->setFocus();
    QApplication::processEvents();
    f.log.clear();
    QTest::mouseClick(widget<QPushButton>(f.cmdOK), Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == ui.windowOf(f); }))
        << "waited for the window to be active again after the message";
    EXPECT_EQ(lostFocus, 1);
    EXPECT_EQ(f.activeControl(), &f.txtArvo);
    EXPECT_TRUE(f.isLoaded()) << "the click on OK was lost";
    EXPECT_TRUE(f.log.empty());
    f.unload();
}

TEST_F(QtBackend, ModalFormReturnsWhenItsButtonUnloadsIt) {
    frmKaikki f(ui);
    auto answer = whenModalUp([&](QWidget& window) {
        EXPECT_EQ(&window, ui.windowOf(f));
        QTest::mouseClick(widget<QPushButton>(f.cmdOK), Qt::LeftButton);
    });
    f.showModal();
    EXPECT_FALSE(f.isLoaded());
    EXPECT_EQ(f.log.back(), "cmdOK.Click");

    frmKaikki g(ui);
    answer = whenModalUp([&](QWidget&) {
        QLineEdit* edit = widget<QLineEdit>(g.txtArvo);
        edit->setFocus();
        g.log.clear();
        QTest::keyClick(edit, Qt::Key_Return);  // the default button, without LostFocus
    });
    g.showModal();
    EXPECT_EQ(g.log, std::vector<std::string>{"cmdOK.Click"});
}

TEST_F(QtBackend, ClosingTheWindowFrameAsksTheFormAndEndsTheModalShow) {
    frmKaikki f(ui);
    int asked = 0;
    f.onQueryUnload = [&](int& cancel, int mode) {
        EXPECT_EQ(mode, UnloadByFrame);
        if (++asked == 1) cancel = 1;  // the first close is refused
    };
    const auto answer = whenModalUp([&](QWidget&) {
        ui.windowOf(f)->close();
        EXPECT_TRUE(f.isLoaded());
        EXPECT_TRUE(ui.windowOf(f)->isVisible());
        ui.windowOf(f)->close();
    });
    f.showModal();
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(f.isLoaded());
}

TEST_F(QtBackend, GridShowsItsCellsAndPictureBoxPaintsItsDisplayList) {
    frmKaikki f(ui);
    f.picMittari.setScaleMode(ScaleMode::Pixels);
    f.picMittari.filledBox(20, 2, 120, 18, paletteColor(12));
    f.picMittari.line(150, 0, 150, 20, paletteColor(0));
    f.picMittari.setCurrentX(2);
    f.picMittari.print("85");
    showAndActivate(f);
    auto* table = widget<QTableWidget>(f.Grid1);
    EXPECT_EQ(table->rowCount(), 5);
    EXPECT_EQ(table->columnCount(), 4);
    EXPECT_EQ(table->item(0, 1)->text(), "Mitoittava");
    EXPECT_EQ(table->item(1, 1)->text(), "12.50 ");
    EXPECT_EQ(table->columnWidth(0), 120);
    f.Grid1.setTextMatrix(2, 2, "99.00 ");
    EXPECT_EQ(table->item(2, 2)->text(), "99.00 ");

    QImage image = ui.widgetOf(f.picMittari)->grab().toImage();
    // The box has a border of 2 pixels; drawing starts inside it.
    EXPECT_EQ(image.pixelColor(2 + 60, 2 + 10), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(2 + 150, 2 + 10), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(2 + 180, 2 + 10), QColor(255, 255, 255));
    f.picMittari.cls();
    image = ui.widgetOf(f.picMittari)->grab().toImage();
    EXPECT_EQ(image.pixelColor(2 + 60, 2 + 10), QColor(255, 255, 255)) << "cls clears the painting";

    // A screenshot of the whole test form saves as a picture.
    f.picMittari.filledBox(20, 2, 120, 18, paletteColor(2));
    f.picMittari.print("92");
    const quorvel::testing::TempFolder shots;
    EXPECT_TRUE(ui.windowOf(f)->grab().save(QString::fromStdString(shots.file("form.png"))));
    f.unload();
}

TEST_F(QtBackend, MenuShortcutAndCaptionChanges) {
    frmKaikki f(ui);
    showAndActivate(f);
    // The menu command checks the focused box first, as leaving it would;
    // the focus stays in the box.
    QTest::keyClick(ui.windowOf(f), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(f.log, (std::vector<std::string>{"txtArvo.LostFocus", "cmdUusi.Click"}));
    EXPECT_EQ(f.activeControl(), &f.txtArvo);
    int labelClicks = 0;
    f.lblOtsikko.onClick = [&] { ++labelClicks; };
    QTest::mouseClick(widget<QLabel>(f.lblOtsikko), Qt::LeftButton);
    EXPECT_EQ(labelClicks, 1);
    f.cmdOK.setCaption("Sulje");
    EXPECT_EQ(widget<QPushButton>(f.cmdOK)->text(), "Sulje");
    f.fraValinta.setEnabled(false);
    EXPECT_FALSE(widget<QRadioButton>(f.optA)->isEnabled()) << "a disabled frame disables what it holds";
    f.unload();
}

// A report viewer's shape: a multi-line box whose caret code moves.
class frmTeksti : public Form {
public:
    explicit frmTeksti(Platform& p) : Form(p, "frmTeksti", "Tulokset", 6000, 4000) {
        Text.setMultiLine(true);
        cmdLoppuun.onClick = [this] { Text.setSelStart(Text.length()); };
    }
    TextBox Text{*this, "Text", {120, 120, 5700, 3000}};
    TextBox txtMuu{*this, "txtMuu", {120, 3240, 1200, 285}};
    CommandButton cmdLoppuun{*this, "cmdLoppuun", {1440, 3240, 1215, 375}, "&Loppuun"};
};

TEST_F(QtBackend, TypingIntoBoxesKeepsTheCaretWhereTheUserPutIt) {
    frmTeksti f(ui);
    f.Text.setText("       a\r\n       b\r\n");
    showAndActivate(f);
    auto* plain = widget<QPlainTextEdit>(f.Text);
    ASSERT_NE(plain, nullptr);
    plain->setFocus();
    QTextCursor cursor = plain->textCursor();
    cursor.setPosition(0);
    plain->setTextCursor(cursor);
    QTest::keyClicks(plain, "xyz");
    EXPECT_EQ(f.Text.text(), "xyz       a\r\n       b\r\n") << "each key goes after the one before";
    EXPECT_EQ(f.Text.selStart(), 3);

    // A caret set by code counts CR LF as two characters; the widget shows one.
    f.Text.setSelStart(13);  // the start of the second line
    EXPECT_EQ(plain->textCursor().position(), 12);
    QTest::mouseClick(widget<QPushButton>(f.cmdLoppuun), Qt::LeftButton);
    EXPECT_EQ(plain->textCursor().position(), plain->toPlainText().size());

    auto* edit = widget<QLineEdit>(f.txtMuu);
    edit->setFocus();
    QTest::keyClicks(edit, "12");
    edit->setCursorPosition(1);
    QTest::keyClick(edit, '5');
    EXPECT_EQ(f.txtMuu.text(), "152");
    EXPECT_EQ(edit->cursorPosition(), 2);
    EXPECT_EQ(f.txtMuu.selStart(), 2) << "the control knows where the user's caret is, as headless";
    f.unload();
}

TEST_F(QtBackend, EnterInAMultiLineBoxPressesTheDefaultButtonElseBreaksTheLine) {
    frmTeksti f(ui);
    int clicks = 0;
    f.cmdLoppuun.onClick = [&] { ++clicks; };
    showAndActivate(f);
    auto* plain = widget<QPlainTextEdit>(f.Text);
    plain->setFocus();
    QTest::keyClicks(plain, "a");
    QTest::keyClick(plain, Qt::Key_Return);
    EXPECT_EQ(f.Text.text(), "a\r\n") << "no default button: a new line";
    f.cmdLoppuun.setDefault(true);
    QTest::keyClick(plain, Qt::Key_Return);
    EXPECT_EQ(f.Text.text(), "a\r\n");
    EXPECT_EQ(clicks, 1);
    f.unload();
}

TEST_F(QtBackend, ClickingASpinTakesTheFocusAsInTheHeadlessBackend) {
    frmKaikki f(ui);
    showAndActivate(f);
    widget<QLineEdit>(f.txtArvo)->setFocus();
    QApplication::processEvents();
    f.log.clear();
    QScrollBar* bar = widget<QScrollBar>(f.vsbLkm);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 3));  // the down arrow
    EXPECT_EQ(f.log, std::vector<std::string>{"txtArvo.LostFocus"});
    EXPECT_EQ(f.activeControl(), &f.vsbLkm);
    EXPECT_EQ(f.vsbLkm.value(), 2) << "the down arrow moves towards the bottom, 0";

    // A LostFocus handler that puts the focus back keeps the spin where it was.
    f.txtArvo.onLostFocus = [&] { f.txtArvo.setFocus(); };
    f.txtArvo.setFocus();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 3));
    EXPECT_EQ(f.activeControl(), &f.txtArvo);
    EXPECT_EQ(f.vsbLkm.value(), 2);
    EXPECT_EQ(bar->value(), 8);

    // The same for a list: a choice made while the focus was refused is lost.
    auto* list = widget<QComboBox>(f.cboLuokka);
    QTest::mouseClick(list, Qt::LeftButton);
    EXPECT_EQ(f.activeControl(), &f.txtArvo);
    list->activated(1);
    EXPECT_EQ(f.cboLuokka.listIndex(), -1);
    EXPECT_EQ(list->currentIndex(), -1);
    f.unload();
}

// An error that no handler traps must not unwind through Qt's event
// dispatch (which cannot carry it): the program names it and ends.
TEST_F(QtBackend, AnUntrappedErrorInAHandlerEndsTheProgramWithAMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto closeTheMessage = [] {
        return whenModalUp([](QWidget& up) {
            if (auto* box = qobject_cast<QMessageBox*>(&up)) std::fprintf(stderr, "message: %s\n", qPrintable(box->text()));
            QTest::keyClick(&up, Qt::Key_Return);
        });
    };
    EXPECT_EXIT(
        {
            frmKaikki f(ui);
            f.cmdUusi.onClick = [] { throw runtime::RunTimeError(runtime::ErrOverflow); };
            showAndActivate(f);
            const auto answer = closeTheMessage();
            QTest::keyClick(ui.windowOf(f), Qt::Key_N, Qt::ControlModifier);
        },
        ::testing::ExitedWithCode(1), "message: .*6");
    EXPECT_EXIT(
        {
            frmKaikki f(ui);
            f.txtArvo.onLostFocus = [] { throw runtime::RunTimeError(runtime::ErrDivisionByZero); };
            showAndActivate(f);
            widget<QLineEdit>(f.txtArvo)->setFocus();
            QApplication::processEvents();
            const auto answer = closeTheMessage();
            QTest::mouseClick(widget<QPushButton>(f.cmdOK), Qt::LeftButton);
        },
        ::testing::ExitedWithCode(1), "message: .*11");
}

TEST_F(QtBackend, TabSkipsWhatTheHeadlessTabSkips) {
    frmKaikki f(ui);
    f.txtMuu.setTabStop(false);
    showAndActivate(f);
    auto tabFrom = [&](Control& c) {
        f.setFocus(c);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return f.activeControl();
    };
    EXPECT_EQ(tabFrom(f.txtArvo), &f.cboLuokka) << "a control without a tab stop is skipped";
    EXPECT_EQ(tabFrom(f.cboBetoni), &f.optA);
    EXPECT_EQ(tabFrom(f.optA), &f.chkVaarnoitus) << "an option group is one stop, at its selected option";
    f.optB.setValue(true);
    EXPECT_EQ(tabFrom(f.cboBetoni), &f.optB);
    QTest::mouseClick(widget<QRadioButton>(f.optA), Qt::LeftButton);
    EXPECT_EQ(f.activeControl(), &f.optA) << "a click still reaches any option";
    f.unload();
}

TEST_F(QtBackend, AComboShowsWhatItsControlHoldsWhileTheUserTypes) {
    frmKaikki f(ui);
    showAndActivate(f);
    QLineEdit* edit = widget<QComboBox>(f.cboBetoni)->lineEdit();
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, '3');
    EXPECT_EQ(f.cboBetoni.text(), "3");
    EXPECT_EQ(edit->text(), "3") << "no completion the control does not know of";
    QTest::keyClick(edit, '2');
    EXPECT_EQ(f.cboBetoni.text(), "32");
    EXPECT_EQ(edit->text(), "32");
    f.cmdOK.setDefault(false);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(widget<QComboBox>(f.cboBetoni)->count(), 2) << "Enter adds no item the control does not have";
    f.unload();
}

TEST_F(QtBackend, KeyDownGetsTheSameKeyCodesAsHeadless) {
    frmKaikki f(ui);
    std::vector<int> codes;
    f.txtMuu.onKeyDown = [&](int& keyCode, int) { codes.push_back(keyCode); };
    showAndActivate(f);
    QLineEdit* edit = widget<QLineEdit>(f.txtMuu);
    edit->setFocus();
    QTest::keyClicks(edit, "a7.,- ");
    EXPECT_EQ(codes, (std::vector<int>{65, 55, 190, 188, 189, 32}));
    EXPECT_EQ(f.txtMuu.text(), "a7.,- ");

    // A zero key code from KeyDown stops a key without a character, not a
    // typed character: that one is stopped in KeyPress, as headless.
    f.txtMuu.onKeyDown = [](int& keyCode, int) { keyCode = 0; };
    QTest::keyClick(edit, 'b');
    EXPECT_EQ(f.txtMuu.text(), "a7.,- b");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(f.txtMuu.text(), "a7.,- ") << "Backspace types character 8";
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(f.txtMuu.text(), "a7.,- ") << "Delete has no character: stopped";
    f.unload();
}

TEST_F(QtBackend, TextMetricsComeFromTheMappedFont) {
    Font serif{"MS Serif", 6.75};
    Font courier{"Courier New", 10};
    EXPECT_GT(ui.textWidthPixels(serif, "999,"), 0);
    EXPECT_EQ(ui.textWidthPixels(courier, "iiii"), ui.textWidthPixels(courier, "MMMM")) << "a monospace";
    EXPECT_GT(ui.textHeightPixels(courier), ui.textHeightPixels(serif));
}

}  // namespace
}  // namespace quorvel::platform

namespace quorvel::platform {
namespace {

TEST_F(QtBackend, ClockReadsTheLocalTimeNow) {
    // Two readings of the system clock around the backend's: the backend's
    // moment lies between them.
    auto seconds = [](const LocalDateTime& t) {
        return ((t.year * 400L + t.month * 32L + t.day) * 24L + t.hour) * 3600L + t.minute * 60L + t.second;
    };
    auto system = [] {
        const std::time_t now = std::time(nullptr);
        const std::tm* l = std::localtime(&now);
        return LocalDateTime{l->tm_year + 1900, l->tm_mon + 1, l->tm_mday, l->tm_hour, l->tm_min, l->tm_sec};
    };
    // The machine's time keeping may step its clock between two readings
    // (seen: the backend's a second past the reading after it), so each
    // side has a few seconds to spare; a wrong time zone or a misread field
    // is an hour or more away.
    const long spare = 5;
    const LocalDateTime before = system();
    const LocalDateTime backend = ui.localDateTime();
    const LocalDateTime after = system();
    EXPECT_LE(seconds(before) - spare, seconds(backend));
    EXPECT_LE(seconds(backend), seconds(after) + spare);
    EXPECT_GE(backend.month, 1);
    EXPECT_LE(backend.month, 12);
}

TEST_F(QtBackend, ACommaTypedIntoAnEditableComboBecomesWhatKeyPressMadeOfIt) {
    frmKaikki f(ui);
    f.cboBetoni.onKeyPress = [](int& key) {
        if (key == ',') key = '.';
    };
    showAndActivate(f);
    f.setFocus(f.cboBetoni);
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    auto* edit = widget<QComboBox>(f.cboBetoni)->lineEdit();
    edit->selectAll();
    QTest::keyClicks(focused, "2,5");
    EXPECT_EQ(f.cboBetoni.text(), "2.5") << "the comma is not dropped";
    EXPECT_EQ(edit->text(), "2.5");
    f.unload();
}

// A LostFocus check with a message, as the validators do: after the box is
// closed the window must be active again, so that the next time the user
// leaves the box the check runs again.
TEST_F(QtBackend, AfterAMessageBoxTheWindowIsActiveAndTheNextTabRunsTheCheckAgain) {
    frmKaikki f(ui);
    int checks = 0;
    f.txtArvo.onLostFocus = [&] {
        if (f.txtArvo.text() != "900") return;
        ++checks;
        const auto answer = whenModalUp(pressEnter);
        ui.messageBox("Syöte 900 ei arvoalueella (200<=...<=700)", Buttons::Ok, Icon::Exclamation, "Lukuarvovirhe");
        f.txtArvo.setText("");
        f.txtArvo.setFocus();
    };
    showAndActivate(f);
    QWidget* window = ui.windowOf(f);
    f.txtArvo.setText("");
    for (int round = 1; round <= 2; ++round) {
        f.setFocus(f.txtArvo);
        QTest::keyClicks(QApplication::focusWidget(), "900");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(waitFor([&] { return QApplication::activeWindow() == window; }))
            << "round " << round << ": waited for the window to be active again after the message";
        EXPECT_EQ(checks, round);
        EXPECT_EQ(f.activeControl(), &f.txtArvo);
        EXPECT_EQ(f.txtArvo.text(), "");
    }
    f.unload();
}

}  // namespace
}  // namespace quorvel::platform

namespace quorvel::platform {
namespace {

// A frame of controls whose drawing lies beneath them: a slab with a core
// drawn over it, and a crack line over both.
class frmPiirros : public Form {
public:
    explicit frmPiirros(Platform& p) : Form(p, "frmPiirros", "Piirros", 4500, 3000) {
        setBackColor(Colors::White);
        shpLaatta.setFill(true, rgb(160, 160, 160));
        shpOntelo.setFill(true, rgb(255, 255, 0));
        linHalkeama.setBorderColor(rgb(255, 0, 0));
        linHalkeama.setBorderWidth(3);
    }
    Shape shpLaatta{*this, "shpLaatta", {300, 300, 3000, 1200}};
    Shape shpOntelo{*this, "shpOntelo", {900, 600, 600, 600}, ShapeKind::Circle};
    Line linHalkeama{*this, "linHalkeama", 1200, 300, 1200, 1500};
    TextBox txtArvo{*this, "txtArvo", {1050, 825, 300, 150}};
};

TEST_F(QtBackend, DrawingElementsStackInTheOrderTheyWereMadeBeneathTheControls) {
    frmPiirros f(ui);
    showAndActivate(f);
    QImage image = ui.windowOf(f)->grab().toImage();
    QPoint origin = ui.widgetOf(f.shpLaatta)->parentWidget()->mapTo(ui.windowOf(f), QPoint(0, 0));
    auto at = [&](int xTwips, int yTwips) { return image.pixelColor(origin + QPoint(xTwips / 15, yTwips / 15)); };
    EXPECT_EQ(at(450, 450), QColor(160, 160, 160)) << "the slab";
    EXPECT_EQ(at(1050, 1050), QColor(255, 255, 0)) << "the core over the slab";
    EXPECT_EQ(at(1200, 450), QColor(255, 0, 0)) << "the crack line over the slab";
    EXPECT_EQ(at(1200, 675), QColor(255, 0, 0)) << "the crack line over the core";
    EXPECT_NE(at(1200, 900), QColor(255, 0, 0)) << "the box over the drawing";
    f.unload();
}

TEST_F(QtBackend, AWindowKeepsItsClientAreaAtTheTopLeftAndCannotBeMaximised) {
    frmKaikki f(ui);
    showAndActivate(f);
    QWidget* window = ui.windowOf(f);
    QWidget* client = ui.widgetOf(f.txtArvo)->parentWidget();
    const QPoint before = client->mapTo(window, QPoint(0, 0));
    const QSize size = window->size();
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    quorvel::testing::EventLog events(window);
    window->setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(waitFor([&] { return events.came(QEvent::Resize); }))
        << "waited for the platform's resize";
    QCoreApplication::sendPostedEvents();  // the layout it asked for
    EXPECT_EQ(client->mapTo(window, QPoint(0, 0)), before) << "no band above the form";
    EXPECT_EQ(client->size(), QSize(9000 / 15, 6000 / 15));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "a fixed size";
    EXPECT_EQ(window->maximumSize(), size);
    f.unload();
}

}  // namespace
}  // namespace quorvel::platform

namespace quorvel::platform {
namespace {

// Access keys shared by menu titles and controls, as the main window has them.
class frmPikanappaimet : public Form {
public:
    explicit frmPikanappaimet(Platform& p) : Form(p, "frmPikanappaimet", "Pikanäppäimet", 6000, 4000) {
        optKeski.setValue(false);
        optReuna.setValue(true);
    }
    Menu mnuMain{*this, "mnuMain", "&Tiedosto"};
    Menu cmdUusi{*this, "cmdUusi", "Uusi", &mnuMain};
    Menu mnuOhje{*this, "mnuOhje", "&Ohje"};
    Menu cmdTietoja{*this, "cmdTietoja", "Tietoja", &mnuOhje};
    Frame FraOtsikot{*this, "FraOtsikot", {60, 60, 5000, 900}, "&Otsikot"};
    TextBox txtOtsikko1{*this, "txtOtsikko1", {120, 240, 4000, 285}, &FraOtsikot};
    TextBox txtOtsikko2{*this, "txtOtsikko2", {120, 560, 4000, 285}, &FraOtsikot};
    Frame fraTyyppi{*this, "fraTyyppi", {60, 1020, 5000, 700}, "Palkki&tyyppi"};
    OptionButton optTI{*this, "optTI", {120, 300, 1500, 255}, "&TI", &fraTyyppi};
    Frame fraSijainti{*this, "fraSijainti", {60, 1800, 5000, 700}, "&Palkin sijainti"};
    OptionButton optKeski{*this, "optKeski", {120, 300, 1500, 255}, "&Keskipalkki", &fraSijainti};
    OptionButton optReuna{*this, "optReuna", {1800, 300, 1500, 255}, "&Reunapalkki", &fraSijainti};
    TextBox txtMuu{*this, "txtMuu", {120, 2700, 1000, 285}};
};

TEST_F(QtBackend, MenuTitlesTakeTheirAccessKeysBeforeControls) {
    frmPikanappaimet f(ui);
    showAndActivate(f);
    auto* bar = ui.windowOf(f)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    auto alt = [&](Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        QApplication::processEvents();
    };
    auto openTitle = [&]() -> QString {
        QAction* a = bar->activeAction();
        QString title = a && a->menu() && a->menu()->isVisible() ? a->text() : QString();
        if (auto* popup = QApplication::activePopupWidget()) popup->close();
        bar->setActiveAction(nullptr);
        QApplication::processEvents();
        return title;
    };
    f.setFocus(f.txtMuu);
    for (int press = 0; press < 3; ++press) {  // a shared key goes to the menu every time
        alt(Qt::Key_T);
        EXPECT_EQ(openTitle(), "&Tiedosto") << "press " << press;
        EXPECT_EQ(f.activeControl(), &f.txtMuu);
        EXPECT_FALSE(f.optTI.value());
    }
    alt(Qt::Key_O);
    EXPECT_EQ(openTitle(), "&Ohje");
    EXPECT_EQ(f.activeControl(), &f.txtMuu);

    // A frame's own key focuses the first control it holds, where Tab stops.
    alt(Qt::Key_P);
    EXPECT_EQ(f.activeControl(), &f.optReuna) << "an option group at its selected option";
    f.mnuOhje.setVisible(false);
    alt(Qt::Key_O);
    EXPECT_EQ(f.activeControl(), &f.txtOtsikko1) << "the first title line, not the second";
    f.unload();
}

// Escape on a message box gives the answer its caller named: Yes where
// Yes means going back to editing, No on a plain Yes/No box, Cancel where
// the box has it.
TEST_F(QtBackend, EscapeGivesTheAnswerTheCallerNamed) {
    const auto pressEscape = [](QWidget& box) { QTest::keyClick(&box, Qt::Key_Escape); };
    struct Case {
        Buttons buttons;
        std::optional<Answer> named;
        Answer expected;
    };
    for (const Case& c : {Case{Buttons::YesNo, Answer::Yes, Answer::Yes}, Case{Buttons::YesNo, std::nullopt, Answer::No},
                          Case{Buttons::YesNoCancel, std::nullopt, Answer::Cancel}}) {
        const auto answer = whenModalUp(pressEscape);
        const Answer given = c.named ? ui.messageBox("Jatketaanko?", c.buttons, Icon::Exclamation, "Varoitus!", *c.named)
                                     : ui.messageBox("Jatketaanko?", c.buttons, Icon::Exclamation, "Varoitus!");
        EXPECT_EQ(given, c.expected) << static_cast<int>(c.buttons);
        EXPECT_EQ(answer->answered, 1);
    }
}

// A choice box shows its captions in the caller's order; Enter presses the
// button named for Enter, Escape the one named for Escape.
TEST_F(QtBackend, AChoiceBoxShowsItsCaptionsAndEscapeCancels) {
    const std::vector<std::string> captions{"Korvaa", "Tallenna nimellä...", "Peruuta"};
    for (const auto key : {Qt::Key_Return, Qt::Key_Escape}) {
        QStringList shown;
        const auto answer = whenModalUp([&](QWidget& up) {
            auto* box = qobject_cast<QMessageBox*>(&up);
            if (!box) return;
            const QList<QAbstractButton*> list = box->buttons();
            std::vector<QAbstractButton*> buttons(list.begin(), list.end());
            std::sort(buttons.begin(), buttons.end(), [](QAbstractButton* l, QAbstractButton* r) { return l->x() < r->x(); });
            for (QAbstractButton* b : buttons) shown << b->text().remove('&');
            QTest::keyClick(&up, key);
        });
        EXPECT_EQ(ui.choiceBox("Korvataanko?", captions, Icon::Exclamation, "Quorvel", 1, 2), key == Qt::Key_Return ? 1u : 2u);
        EXPECT_EQ(answer->answered, 1);
        EXPECT_EQ(shown.join("|").toStdString(), "Korvaa|Tallenna nimellä...|Peruuta");
    }
}

// A message quoting a megabyte stored as a name fits the screen: Qt holds a
// box to the screen and cuts what does not fit, so the box's text has no
// word wider than a line (messageBoxText).
TEST_F(QtBackend, AMessageWithALongWordFitsTheScreen) {
    std::string shown;
    const auto answer = whenModalUp([&](QWidget& box) {
        if (auto* message = qobject_cast<QMessageBox*>(&box)) shown = message->text().toStdString();
        QTest::keyClick(&box, Qt::Key_Return);
    });
    ui.messageBox("Tiedostoa \"" + std::string(1 << 20, 'x') + "\" ei voi käyttää.", Buttons::Ok, Icon::Exclamation, "");
    std::size_t run = 0, longest = 0;
    for (const char c : shown) longest = std::max(longest, run = c == '\n' || c == ' ' ? 0 : run + 1);
    EXPECT_EQ(longest, 80u) << shown.size() << " bytes shown";
}

// Qt's own texts follow the windows' language: the standard buttons of a
// message box read Finnish while the language is Finnish, English again
// after the switch back.
TEST_F(QtBackend, StandardButtonsFollowTheWindowsLanguage) {
    auto buttonTexts = [&](const std::string& language) {
        ui.setLanguage(language);
        QStringList texts;
        QTimer::singleShot(0, [&texts] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            for (QAbstractButton* b : box->buttons()) texts << b->text().remove('&');
            box->button(QMessageBox::Cancel)->click();
        });
        EXPECT_EQ(ui.messageBox("Tallennetaanko?", Buttons::YesNoCancel, Icon::Question, "Quorvel"), Answer::Cancel);
        texts.sort();
        return texts.join(",").toStdString();
    };
    EXPECT_EQ(buttonTexts("fi"), "Ei,Kyllä,Peru")
        << "Qt's Finnish translations (Debian package qt6-translations-l10n) are missing or not loaded";
    EXPECT_EQ(buttonTexts("en"), "Cancel,No,Yes");
    EXPECT_EQ(buttonTexts("fi"), "Ei,Kyllä,Peru") << "again after English";
}

}  // namespace
}  // namespace quorvel::platform
