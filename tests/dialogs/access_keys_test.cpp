// Captions every window shows in Finnish and in English: within one window
// each access key belongs to one control or one menu title, so that one
// press acts; every menu title and every menu item has one; within a menu
// each item's key is its own. And a concrete's strength is named by its
// cylinder class C. The windows are the main window, every input dialog,
// the beam dialog of every beam type (opened from the main window as a
// user opens them), the about window, the results table and the report
// viewer.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/beam_types.h"
#include "app/fileview.h"
#include "app/frm_about.h"
#include "app/frm_taulukot.h"
#include "app/language.h"
#include "dialog_fixture.h"

namespace quorvel::dialogs::testing {
namespace {

using platform::ControlKind;

// The key a caption marks with "&" ("&&" is a literal "&"), upper case, as
// UTF-8; empty when it marks none.
std::string accessKeyOf(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        const auto b = static_cast<unsigned char>(caption[i + 1]);
        if (b < 0x80) {
            const char c = static_cast<char>(std::toupper(b));
            return std::isalnum(static_cast<unsigned char>(c)) ? std::string(1, c) : std::string();
        }
        // Two-byte letters of Latin-1 (ä, ö, å): their capitals lie 0x20 below.
        if (i + 2 >= caption.size()) return {};
        unsigned code = ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(caption[i + 2]) & 0x3Fu);
        if (code >= 0xE0 && code <= 0xFE && code != 0xF7) code -= 0x20;
        return {static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F))};
    }
    return {};
}

bool takesAccessKey(const platform::Control& c) {
    switch (c.kind()) {
    case ControlKind::Label:
    case ControlKind::Frame:
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
    case ControlKind::CommandButton: return true;
    default: return false;
    }
}

// Checks one window; the number of access keys it has.
int expectUniqueAccessKeys(const platform::Form& form, const std::string& where) {
    std::map<std::string, std::string> window;  // key -> the control or menu title that has it
    std::map<const platform::Menu*, std::map<std::string, std::string>> menus;
    int keys = 0;
    for (const platform::Control* c : form.controls()) {
        std::map<std::string, std::string>* scope = &window;
        const std::string key = accessKeyOf(c->caption());
        if (c->kind() == ControlKind::Menu) {
            const auto* m = static_cast<const platform::Menu*>(c);
            if (m->isSeparator()) continue;
            if (m->parentMenu()) scope = &menus[m->parentMenu()];
            EXPECT_FALSE(key.empty()) << where << ": the menu " << c->name() << " \"" << c->caption()
                                      << "\" has no access key";
        } else if (!takesAccessKey(*c)) {
            continue;
        }
        if (key.empty()) continue;
        ++keys;
        const auto [at, fresh] = scope->emplace(key, c->name() + " \"" + c->caption() + "\"");
        EXPECT_TRUE(fresh) << where << ": " << c->name() << " \"" << c->caption() << "\" and " << at->second
                           << " share Alt+" << key;
    }
    return keys;
}

// Every window in Finnish, then in English, opened as a user opens it:
// the main window, the input dialogs, the beam dialog of every beam type,
// the about window, the results table and the report viewer. visit gets
// each window with its name and language; the number of windows.
class EveryWindow : public DialogTest {
protected:
    int visitEveryWindow(const std::function<void(const platform::Form&, const std::string& where)>& visit) {
        struct Opening {
            platform::Control* opener;
            platform::OptionButton* beamType;  // chosen first; null for an input dialog
        };
        std::vector<Opening> openings = {{&w.cmdLaatasto, nullptr},     {&w.cmdLaatankuormat, nullptr},
                                         {&w.cmdReiat, nullptr},        {&w.cmdKuormat, nullptr},
                                         {&w.cmdTukimomentit, nullptr}, {&w.cmdKertoimet, nullptr}};
        for (const app::BeamTypeInfo& type : app::BeamTypes())
            openings.push_back(
                {&w.cmdPalkki, static_cast<platform::OptionButton*>(w.findControl(std::string(type.option)))});

        int windows = 0;
        for (int16_t language : {0, 1}) {
            const std::string in = language == 0 ? " in Finnish" : " in English";
            ui.click(language == 0 ? w.cmdSuomi : w.cmdEnglanti);
            EXPECT_EQ(m.LanguageIndex, language);
            visit(w, "frmQuorvel" + in);
            ++windows;
            for (const Opening& o : openings) {
                if (o.beamType) choose(*o.beamType);
                ui.onModal("", [&](platform::Form& f) {
                    visit(f, f.name() + in);
                    ++windows;
                    f.unload();
                });
                if (o.opener->kind() == ControlKind::Menu)
                    o.opener->fireClick();
                else
                    ui.click(*o.opener);
            }
            std::vector<std::unique_ptr<platform::Form>> others;
            others.push_back(std::make_unique<app::frmAbout>(m, ui));
            others.push_back(std::make_unique<app::frmTaulukot>(m, ui));
            others.push_back(std::make_unique<app::Fileview>(m, ui));
            for (const auto& f : others) {
                app::ApplyLanguage(*f, m.LanguageIndex);
                visit(*f, f->name() + in);
                ++windows;
            }
        }
        return windows;
    }
};

TEST_F(EveryWindow, HasEachAccessKeyOnceInBothLanguages) {
    const int windows = visitEveryWindow([](const platform::Form& f, const std::string& where) {
        const int keys = expectUniqueAccessKeys(f, where);
        // The four menu titles and their 23 items, the options and frames.
        if (f.name() == "frmQuorvel") {
            EXPECT_GE(keys, 40) << "the main window's keys, " << where;
        }
        if (f.name() == "Fileview") {
            EXPECT_GE(keys, 4) << "the report viewer's buttons, " << where;
        }
    });
    EXPECT_EQ(windows, 2 * (1 + 6 + 15 + 3));
}

// A concrete's strength is asked for as its cylinder class C (fck, EN
// 1992-1-1 Table 3.1), in both languages: no caption names the cube
// strength class K, which reads higher for the same concrete.
TEST_F(EveryWindow, NamesConcreteStrengthByItsCylinderClass) {
    int concreteCaptions = 0;
    visitEveryWindow([&](const platform::Form& f, const std::string& where) {
        for (const platform::Control* c : f.controls()) {
            std::string caption = c->caption();
            caption.erase(caption.find_last_not_of(" :") + 1);
            const bool concrete = caption.find("etoni") != std::string::npos ||
                                  caption.find("oncrete") != std::string::npos;
            if (!concrete || caption.size() < 2 || caption[caption.size() - 2] != ' ') continue;
            ++concreteCaptions;
            EXPECT_NE(caption.back(), 'K') << where << ": " << c->name() << " \"" << c->caption() << "\"";
        }
    });
    // The main window's two, the slab dialog's four and the beam dialogs'
    // own, in both languages.
    EXPECT_GE(concreteCaptions, 2 * (2 + 4 + 10));
}

}  // namespace
}  // namespace quorvel::dialogs::testing
