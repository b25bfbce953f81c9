// Access keys, read from the captions every window shows in Finnish and in
// English: within one window each key belongs to one control or one menu
// title, so that one press acts; every menu title and every menu item has
// one; within a menu each item's key is its own. The windows are the main window, every input
// dialog, the beam dialog of every beam type (opened from the main window
// as a user opens them), the about window, the results table and the
// report viewer.

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

using AccessKeys = DialogTest;

TEST_F(AccessKeys, EveryWindowHasEachAccessKeyOnceInBothLanguages) {
    struct Opening {
        platform::Control* opener;
        platform::OptionButton* beamType;  // chosen first; null for an input dialog
    };
    const std::vector<Opening> openings = [&] {
        std::vector<Opening> all = {{&w.cmdLaatasto, nullptr},     {&w.cmdLaatankuormat, nullptr},
                                    {&w.cmdReiat, nullptr},        {&w.cmdKuormat, nullptr},
                                    {&w.cmdTukimomentit, nullptr}, {&w.cmdKertoimet, nullptr}};
        for (const app::BeamTypeInfo& type : app::BeamTypes())
            all.push_back({&w.cmdPalkki, static_cast<platform::OptionButton*>(w.findControl(std::string(type.option)))});
        return all;
    }();

    int windows = 0;
    for (int16_t language : {0, 1}) {
        const std::string in = language == 0 ? " in Finnish" : " in English";
        ui.click(language == 0 ? w.cmdSuomi : w.cmdEnglanti);
        ASSERT_EQ(m.LanguageIndex, language);
        // The four menu titles and their 23 items, the options and frames.
        EXPECT_GE(expectUniqueAccessKeys(w, "frmQuorvel" + in), 40) << "the main window's keys" << in;
        ++windows;

        for (const Opening& o : openings) {
            if (o.beamType) choose(*o.beamType);
            ui.onModal("", [&](platform::Form& f) {
                expectUniqueAccessKeys(f, f.name() + in);
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
            expectUniqueAccessKeys(*f, f->name() + in);
            ++windows;
        }
        EXPECT_GE(expectUniqueAccessKeys(*others.back(), "Fileview" + in), 4) << "the report viewer's buttons";
    }
    EXPECT_EQ(windows, 2 * (1 + 6 + 15 + 3));
}

}  // namespace
}  // namespace quorvel::dialogs::testing
