#pragma once
// The main window on a new project with the input dialogs registered, and
// a way to open one of them from its button and drive it as a user does.

#include <gtest/gtest.h>

#include "support/test_support.h"

#include <functional>
#include <string>

#include "app/main_window_fixture.h"
#include "dialogs/input_dialogs.h"

namespace quorvel::dialogs::testing {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

class DialogTest : public app::testing::MainWindowTest {
protected:
    void SetUp() override {
        ui.setProgramFolder(QUORVEL_SOURCE_DIR "/data/");  // the language files
        MainWindowTest::SetUp();
        RegisterInputDialogs(w);
    }

    // Clicks the opener and runs the driver while the dialog is open; the
    // driver must close it.
    template <typename Dialog>
    void open(platform::Control& opener, const std::string& formName, std::function<void(Dialog&)> driver) {
        bool shown = false;
        ui.onModal(formName, [&](platform::Form& f) {
            shown = true;
            driver(static_cast<Dialog&>(f));
        });
        ui.click(opener);
        ASSERT_TRUE(shown) << formName << " did not open";
    }

    // Empties a box and types the text key by key (the box's key filter
    // sees every key); the box keeps the focus.
    void retype(platform::Control& box, const std::string& text) {
        ui.paste(box, "");
        ui.type(box, text);
    }

    // The message a refused value gives.
    void expectRange(const std::string& typed, const std::string& low, const std::string& high) {
        ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte " + typed + " ei arvoalueella (" + low + "<=...<=" + high + ")"), "Lukuarvovirhe",
                         Buttons::Ok, Icon::Exclamation);
    }
    void expectMinimum(const std::string& typed, const std::string& low) {
        ui.expectMessageMatching(quorvel::testing::afterFieldName("Syöte " + typed + " ei arvoalueella (" + low + "<=...)"), "Lukuarvovirhe", Buttons::Ok,
                         Icon::Exclamation);
    }
    void expectDefault(const std::string& value) {
        ui.expectMessageMatching(quorvel::testing::afterFieldName("Tyhjä kenttä ei kelpaa, asetettu oletusarvo " + value), "Lukuarvovirhe", Buttons::Ok,
                         Icon::Exclamation);
    }
    // The contradiction question of a dialog, answered.
    void expectQuestion(const std::string& lines, const std::string& question, Answer answer) {
        ui.expectMessage("Ristiriitaisuuksia lähtötiedoissa:\r\n\r\n" + lines + "\r\n" + question, "Varoitus!",
                         Buttons::YesNo, Icon::Exclamation, answer);
    }
};

}  // namespace quorvel::dialogs::testing
