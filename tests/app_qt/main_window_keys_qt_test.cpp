// The main window on the Qt backend driven with keys through Qt, as a user
// drives it: typed grades, values its fields cannot hold, Tab out of a box
// after a message, Alt and the menu letters; and the about window's drawing.

#include <map>

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>

#include "support/test_support.h"
#include "app/language.h"
#include "qt_test_platform.h"

namespace quorvel::app {
namespace {

using testing::answerNextMessageBox;
using testing::MainWindowQt;

class MainWindowKeysQt : public MainWindowQt {
protected:
    void start(frmQuorvel& window) {
        window.show();
        QWidget* w = ui.windowOf(window);
        ASSERT_NE(w, nullptr);
        w->activateWindow();
        ASSERT_TRUE(quorvel::testing::waitForActive(w)) << "waited for the window to be active";
    }
    // Focus to the control, its text selected, then the keys.
    void typeOver(frmQuorvel& window, platform::Control& c, const char* keys) {
        window.setFocus(c);
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr) << "the window is not active";
        if (auto* edit = qobject_cast<QLineEdit*>(focused)) edit->selectAll();
        if (auto* combo = qobject_cast<QComboBox*>(focused)) combo->lineEdit()->selectAll();
        QTest::keyClicks(focused, keys);
    }
    void tab() {
        QWidget* focused = QApplication::focusWidget();
        if (!focused) {
            ADD_FAILURE() << "no widget has the focus: the window is not active";
            return;
        }
        QTest::keyClick(focused, Qt::Key_Tab);
        QApplication::processEvents();
    }
    std::vector<std::string> messages;
};

TEST_F(MainWindowKeysQt, ACommaTypedIntoAGradeIsTheDecimalMark) {
    frmQuorvel window(m, ui);
    start(window);
    typeOver(window, window.cboPintabetoni, "2,5");
    EXPECT_EQ(window.cboPintabetoni.text(), "2.5") << "not 25, a tenfold grade";
    const auto answer = answerNextMessageBox(messages);
    tab();
    EXPECT_EQ(messages, std::vector<std::string>{"Pintabetoni: Syöte 2.5 ei arvoalueella (20<=...<=60)"});
    EXPECT_EQ(m.ToppingConcreteClass.number(), 25.0) << "the refused grade leaves the model";
    window.unload();
}

TEST_F(MainWindowKeysQt, AGradeTypedInAFinnishLocaleKeepsItsDecimals) {
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    {
        frmQuorvel window(m, ui);
        start(window);
        typeOver(window, window.cboSaumabetoni, "22,5");
        const auto answer = answerNextMessageBox(messages);  // none is expected; one must not hang the test
        tab();
        EXPECT_EQ(window.cboSaumabetoni.text(), "22,5");
        EXPECT_EQ(m.JointConcreteClass.number(), 22.5) << "not 225";
        EXPECT_TRUE(messages.empty());
        window.unload();
    }
    QLocale::setDefault(QLocale::c());
}

TEST_F(MainWindowKeysQt, ANumberBeyondWhatTheFieldHoldsIsRefused) {
    frmQuorvel window(m, ui);
    start(window);
    typeOver(window, window.txtOikeaalkuvali, "1e39");
    const auto answer = answerNextMessageBox(messages);
    tab();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Palkkivälit alkupäässä, oikea: Syöte 1e39 ei arvoalueella (200<=...<=30000 mm)");
    EXPECT_EQ(static_cast<QLineEdit*>(ui.widgetOf(window.txtOikeaalkuvali))->text(), "7200");
    EXPECT_EQ(window.activeControl(), &window.txtOikeaalkuvali);
    window.unload();
}

// A refused number, typed and left with Tab, OK on the message: the box
// shows the value the project keeps, selected, so that the next keys
// replace it (never an empty box that then refuses to be left).
TEST_F(MainWindowKeysQt, ARefusedNumberGivesWayToTheValueKeptSelected) {
    frmQuorvel window(m, ui);
    start(window);
    typeOver(window, window.txtVasenlaatastopysyva, "-5");
    {
        const auto answer = answerNextMessageBox(messages);
        tab();
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Pysyvä hyötykuorma, vasen: Syöte -5 ei arvoalueella (0<=...<=100 kN/m²)");
    auto* edit = static_cast<QLineEdit*>(ui.widgetOf(window.txtVasenlaatastopysyva));
    EXPECT_EQ(edit->text(), "0.5");
    EXPECT_EQ(edit->selectedText(), "0.5");
    EXPECT_EQ(m.SlabImposedLoadPermanent(1).number(), 0.5);
    ASSERT_EQ(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, "2");
    tab();
    EXPECT_EQ(messages.size(), 1u) << "no second message";
    EXPECT_EQ(m.SlabImposedLoadPermanent(1).number(), 2.0);
    window.unload();
}

// A menu shortcut leaves no box, yet the box being typed in is checked
// first: Ctrl+S with "-5" in it refuses the number (the one message box,
// no save dialog) and keeps the focus on the value the project keeps, so
// no file is written the program would refuse to open.
TEST_F(MainWindowKeysQt, AMenuShortcutChecksTheBoxBeingTypedInFirst) {
    frmQuorvel window(m, ui);
    start(window);
    typeOver(window, window.txtVasenlaatastopysyva, "-5");
    auto* edit = static_cast<QLineEdit*>(ui.widgetOf(window.txtVasenlaatastopysyva));
    {
        const auto answer = answerNextMessageBox(messages);
        QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
        QApplication::processEvents();
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Pysyvä hyötykuorma, vasen: Syöte -5 ei arvoalueella (0<=...<=100 kN/m²)");
    EXPECT_EQ(edit->text(), "0.5");
    EXPECT_EQ(edit->selectedText(), "0.5");
    EXPECT_EQ(m.SlabImposedLoadPermanent(1).number(), 0.5);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_TRUE(m.InputFilePath.empty());
    window.unload();
}

// Every shortcut a menu shows runs its command from the keyboard with the
// focus in a box, a text box or an editable list, also a key the box has a
// use of its own for (Ctrl+A, select-all); the box keeps its text.
TEST_F(MainWindowKeysQt, EveryMenuShortcutActsFromABox) {
    frmQuorvel window(m, ui);
    start(window);
    std::vector<platform::Menu*> withShortcut;
    std::string seen;
    for (platform::Control* c : window.controls())
        if (c->kind() == platform::ControlKind::Menu && !static_cast<platform::Menu*>(c)->shortcut().empty()) {
            auto* menu = static_cast<platform::Menu*>(c);
            withShortcut.push_back(menu);
            menu->onClick = [&seen, menu] { seen = menu->name(); };  // the command, seen without running it
        }
    ASSERT_GE(withShortcut.size(), 5u);
    for (platform::Control* box : std::initializer_list<platform::Control*>{&window.txtVasenlaatastopysyva,
                                                                           &window.txtOtsikko1, &window.cboPintabetoni}) {
        for (platform::Menu* menu : withShortcut) {
            SCOPED_TRACE(box->name() + " " + menu->shortcut());
            window.setFocus(*box);
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr) << "the window is not active";
            auto* edit = qobject_cast<QLineEdit*>(focused);
            const QString before = edit ? edit->text() : QString();
            if (edit) edit->deselect();
            const QKeyCombination key = QKeySequence(QString::fromStdString(menu->shortcut()))[0];
            seen.clear();
            QTest::keyClick(focused, key.key(), key.keyboardModifiers());
            QApplication::processEvents();
            EXPECT_EQ(seen, menu->name());
            EXPECT_EQ(window.activeControl(), box);
            if (edit) {
                EXPECT_EQ(edit->text(), before);
                EXPECT_FALSE(edit->hasSelectedText()) << "the box took the key too";
            }
        }
    }
    window.unload();
}

// The check of a box runs every time the user leaves it, also after the
// first message box has come and gone.
TEST_F(MainWindowKeysQt, EveryTabOutOfABoxRunsItsCheckAfterAMessageBox) {
    frmQuorvel window(m, ui);
    start(window);
    for (int round = 1; round <= 2; ++round) {
        typeOver(window, window.txtRaudoitelujuus, "900");
        const auto answer = answerNextMessageBox(messages);
        tab();
        EXPECT_EQ(messages.size(), static_cast<std::size_t>(round));
        EXPECT_TRUE(quorvel::testing::waitFor([&] { return QApplication::activeWindow() == ui.windowOf(window); }))
            << "round " << round << ": waited for the main window to be active again after the message";
        EXPECT_EQ(window.activeControl(), &window.txtRaudoitelujuus);
        EXPECT_EQ(window.txtRaudoitelujuus.text(), "500") << "the value kept";
    }
    EXPECT_EQ(messages.back(), "Raudoituksen myötölujuus: Syöte 900 ei arvoalueella (200<=...<=700 MPa)");
    EXPECT_NE(m.ToppingReinforcementStrength.number(), 900.0);
    window.unload();
}

// A character the project file cannot hold, typed into a title box, is
// refused with one message, and the box shows the title as it was.
TEST_F(MainWindowKeysQt, ACharacterTheFileCannotHoldIsRefusedInATitle) {
    frmQuorvel window(m, ui);
    start(window);
    typeOver(window, window.txtOtsikko1, "Kohde");
    auto* edit = qobject_cast<QLineEdit*>(ui.widgetOf(window.txtOtsikko1));
    ASSERT_NE(edit, nullptr);
    // A key of a keyboard that writes the character (QTest types ASCII only).
    auto press = [edit](const char* character) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8(character));
        QApplication::sendEvent(edit, &key);
    };
    {
        const auto answer = answerNextMessageBox(messages);
        press("Ω");
        ASSERT_TRUE(quorvel::testing::waitFor([&] { return !messages.empty(); })) << "waited for the message";
    }
    EXPECT_EQ(messages, std::vector<std::string>{
                            "Otsikkorivi 1: merkkiä \"Ω\" ei voi tallentaa lähtötietoihin (Windows-1252)."});
    EXPECT_EQ(edit->text().toStdString(), "Kohde");
    EXPECT_EQ(m.TitleLine1, "Kohde");
    press("ä");
    EXPECT_EQ(m.TitleLine1, "Kohdeä") << "a letter the file holds goes in";
    window.unload();
}

TEST_F(MainWindowKeysQt, AltAndAMenuLetterOpensTheMenuWhateverControlSharesIt) {
    frmQuorvel window(m, ui);
    start(window);
    auto* bar = ui.windowOf(window)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    window.setFocus(window.txtVasenalkuvali);
    const struct {
        Qt::Key key;
        const char* title;
    } letters[] = {{Qt::Key_T, "&Tiedosto"}, {Qt::Key_L, "&Lähtötiedot"}, {Qt::Key_O, "&Ohje"}};
    for (const auto& l : letters) {
        QTest::keyClick(QApplication::focusWidget(), l.key, Qt::AltModifier);
        QApplication::processEvents();
        QAction* open = bar->activeAction();
        ASSERT_NE(open, nullptr) << l.title;
        EXPECT_EQ(open->text().toStdString(), l.title);
        EXPECT_TRUE(open->menu()->isVisible());
        open->menu()->close();
        bar->setActiveAction(nullptr);
        QApplication::processEvents();
        EXPECT_EQ(window.activeControl(), &window.txtVasenalkuvali);
    }
    EXPECT_EQ(m.BeamTypeName, "SUORA") << "Alt+T chose no TI beam";
    window.unload();
}

// F10 opens the first menu; Alt pressed and released alone marks the first
// menu title and takes the keyboard to the bar, Escape gives it back.
TEST_F(MainWindowKeysQt, F10AndAltReachTheMenuBar) {
    frmQuorvel window(m, ui);
    start(window);
    auto* bar = ui.windowOf(window)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    window.setFocus(window.txtVasenalkuvali);
    QWidget* box = QApplication::focusWidget();
    ASSERT_NE(box, nullptr);

    QTest::keyClick(box, Qt::Key_F10);
    QAction* open = bar->activeAction();
    ASSERT_NE(open, nullptr) << "F10 reached no menu";
    EXPECT_EQ(open->text().toStdString(), "&Tiedosto");
    EXPECT_TRUE(QTest::qWaitFor([&] { return open->menu()->isVisible(); }, 5000)) << "the file menu did not open";
    open->menu()->close();
    bar->setActiveAction(nullptr);
    ui.windowOf(window)->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == box; }, 5000));

    QTest::keyPress(box, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(box, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar->hasFocus(); }, 5000)) << "Alt did not reach the menu bar";
    ASSERT_NE(bar->activeAction(), nullptr);
    EXPECT_EQ(bar->activeAction()->text().toStdString(), "&Tiedosto");
    QTest::keyClick(bar, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == box; }, 5000))
        << "Escape did not give the keyboard back to the box";
    EXPECT_EQ(window.activeControl(), &window.txtVasenalkuvali);
    window.unload();
}

// Every item of a menu, and of its submenus, has an access key of its own
// within its menu, as Qt shows the menu; the number of items checked.
int expectItemKeys(QMenu* menu, const std::string& where) {
    std::map<int, QString> keys;
    int items = 0;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        ++items;
        const int key = QKeySequence::mnemonic(a->text())[0].key();
        EXPECT_NE(key, 0) << where << ": \"" << a->text().toStdString() << "\" has no access key";
        if (key != 0) {
            const auto [at, fresh] = keys.emplace(key, a->text());
            EXPECT_TRUE(fresh) << where << ": \"" << a->text().toStdString() << "\" and \""
                               << at->second.toStdString() << "\" share a key";
        }
        if (a->menu()) items += expectItemKeys(a->menu(), where + " > " + a->text().toStdString());
    }
    return items;
}

// One press of each access key acts, in both languages: a menu title's
// opens its menu, whose items each have a key of their own (a submenu's
// opens it), a shown option's selects the option.
TEST_F(MainWindowKeysQt, EveryAccessKeyActsAtTheFirstPressInBothLanguages) {
    frmQuorvel window(m, ui);
    start(window);
    auto* bar = ui.windowOf(window)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    for (int16_t language : {0, 1}) {
        ApplyLanguage(window, language);
        int pressed = 0;
        int items = 0;
        for (platform::Control* c : window.controls()) {
            const int key = QKeySequence::mnemonic(QString::fromStdString(c->caption()))[0].key();
            if (key == 0) continue;
            const bool title = c->kind() == platform::ControlKind::Menu &&
                               !static_cast<platform::Menu*>(c)->parentMenu();
            if (!title && c->kind() != platform::ControlKind::OptionButton) continue;
            if (!c->isEffectivelyVisible()) continue;  // the options of the types no longer offered
            SCOPED_TRACE(c->caption() + (language == 0 ? " in Finnish" : " in English"));
            window.setFocus(window.txtOtsikko1);
            QWidget* box = ui.widgetOf(window.txtOtsikko1);
            box->setFocus();
            QTest::keyClick(box, static_cast<Qt::Key>(key), Qt::AltModifier);
            ++pressed;
            if (title) {
                QAction* open = bar->activeAction();
                ASSERT_NE(open, nullptr);
                EXPECT_EQ(open->text().toStdString(), c->caption());
                ASSERT_NE(open->menu(), nullptr);
                EXPECT_TRUE(QTest::qWaitFor([&] { return open->menu()->isVisible(); }, 5000));
                items += expectItemKeys(open->menu(), c->caption());
                for (QAction* sub : open->menu()->actions()) {
                    if (!sub->menu()) continue;
                    QTest::keyClick(open->menu(), static_cast<Qt::Key>(QKeySequence::mnemonic(sub->text())[0].key()));
                    EXPECT_TRUE(QTest::qWaitFor([&] { return sub->menu()->isVisible(); }, 5000))
                        << sub->text().toStdString() << ": its key did not open it";
                    sub->menu()->close();
                }
                open->menu()->close();
                bar->setActiveAction(nullptr);
                ui.windowOf(window)->activateWindow();
                ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == ui.windowOf(window); }, 5000));
            } else {
                auto* option = static_cast<platform::OptionButton*>(c);
                // The button shows itself pressed for a moment before it acts.
                EXPECT_TRUE(QTest::qWaitFor([&] { return option->value(); }, 5000)) << "not selected";
            }
        }
        EXPECT_GE(pressed, 17);  // the menu titles, the beam positions, the shown beam types
        EXPECT_EQ(items, 23) << "the items of the four menus and of the language submenu";
    }
    window.unload();
}

TEST_F(MainWindowKeysQt, TheMainWindowCannotBeMaximisedAwayFromItsLayout) {
    frmQuorvel window(m, ui);
    start(window);
    QWidget* w = ui.windowOf(window);
    QWidget* client = ui.widgetOf(window.FraOtsikot)->parentWidget();
    const QPoint at = client->mapTo(w, QPoint(0, 0));
    quorvel::testing::EventLog events(w);
    w->setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(quorvel::testing::waitFor([&] { return events.came(QEvent::Resize); }))
        << "waited for the platform's resize";
    QCoreApplication::sendPostedEvents();  // the layout it asked for
    EXPECT_EQ(client->mapTo(w, QPoint(0, 0)), at);
    EXPECT_EQ(client->size(), QSize(11940 / 15, 8544 / 15));
    window.unload();
}

// The about window after one click: the shear and crack lines and the
// hollow cores are drawn over the slab. A screenshot is kept for review.
TEST_F(MainWindowQt, TheAboutWindowDrawsItsCoresAndLinesOverTheSlab) {
    m.VersionText = "Versio 8.38 /EC 17.03.2017";
    frmAbout about(m, ui);
    about.show();
    QApplication::processEvents();
    QWidget* window = ui.windowOf(about);
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(ui.widgetOf(about.lblOtsikko)->parentWidget(), Qt::LeftButton, {}, QPoint(5, 5));
    QApplication::processEvents();
    ASSERT_TRUE(about.linLeikkaus1.visible());
    QWidget* client = ui.widgetOf(about.shpLaatta)->parentWidget();
    const QImage image = client->grab().toImage();
    EXPECT_TRUE(image.save(QString::fromStdString(quorvel::testing::screenshotPath("quorvel-about.png").string())));

    const QColor slab(160, 160, 160), background(192, 192, 192);
    auto at = [&](int x, int y) { return image.pixelColor(x / 15, y / 15); };
    // The middle core's centre is its own fill; along its rim runs its outline.
    const platform::Place core = about.shpOntelo3.place();
    EXPECT_EQ(at(core.left + core.width / 2, core.top + core.height / 2), background) << "the core over the slab";
    int outline = 0;
    for (int y = core.top / 15; y < (core.top + core.height) / 15; ++y)
        outline += image.pixelColor((core.left + core.width / 2) / 15, y) == QColor(Qt::black);
    EXPECT_GE(outline, 2) << "the top and bottom of the core's outline";
    // A shear line crosses the slab below the cores in white.
    const int midY = (about.linLeikkaus1.y1() + about.linLeikkaus1.y2()) / 2;
    const int midX = (about.linLeikkaus1.x1() + about.linLeikkaus1.x2()) / 2;
    int white = 0;
    for (int dx = -3; dx <= 3; ++dx) white += image.pixelColor(midX / 15 + dx, midY / 15) == QColor(Qt::white);
    EXPECT_GT(white, 0) << "the shear line over the slab";
    EXPECT_EQ(at(about.shpLaatta.place().left + 60, about.shpLaatta.place().top + 60), slab);
    about.unload();
}

}  // namespace
}  // namespace quorvel::app
