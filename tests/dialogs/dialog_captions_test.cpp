// Captions of the slab, load, hole, beam load, factor and support moment
// dialogs from the shipped language files: in Finnish and in English every
// captioned control and the window itself take their caption from the
// file, an English window keeps no Finnish caption, and every entry the
// files hold for these dialogs names a control (or a control's tooltip)
// that takes it, once.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/language.h"
#include "app/main_window_fixture.h"
#include "dialogs/slabs/frm_2ontelolaatasto.h"
#include "dialogs/slabs/frm_kertoimet.h"
#include "dialogs/slabs/frm_kuormat.h"
#include "dialogs/slabs/frm_laatankuormat.h"
#include "dialogs/slabs/frm_reiat.h"
#include "dialogs/slabs/frm_tukimomentit.h"
#include "model/project_defaults.h"
#include "platform/headless/headless_platform.h"
#include "runtime/text_file.h"

namespace quorvel::dialogs {
namespace {

using Make = std::function<std::unique_ptr<platform::Form>(model::ProjectModel&, platform::Platform&)>;

struct DialogCase {
    const char* name;
    Make make;
};

template <typename Dialog>
DialogCase dialogCase(const char* name) {
    return {name, [](model::ProjectModel& m, platform::Platform& p) -> std::unique_ptr<platform::Form> {
                return std::make_unique<Dialog>(m, p);
            }};
}

const std::vector<DialogCase>& dialogs() {
    static const std::vector<DialogCase> all = {
        dialogCase<frm2Ontelolaatasto>("frm2Ontelolaatasto"), dialogCase<frmLaatankuormat>("frmLaatankuormat"),
        dialogCase<frmReiat>("frmReiat"),                     dialogCase<frmKuormat>("frmKuormat"),
        dialogCase<frmKertoimet>("frmKertoimet"),             dialogCase<frmTukimomentit>("frmTukimomentit"),
    };
    return all;
}

const char* const kLanguageFiles[] = {"language.fin", "language.eng"};

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

struct Entry {
    std::string control;  // the part of the key after "form."
    std::string value;
};

// The entries of one form in a shipped language file, in file order.
std::vector<Entry> entriesOf(const std::string& fileName, const std::string& form) {
    runtime::TextFileReader file(std::string(QUORVEL_SOURCE_DIR) + "/data/" + fileName);
    const std::string prefix = lower(form) + ".";
    std::vector<Entry> entries;
    while (!file.eof()) {
        std::string line = file.readLine();
        line.erase(0, std::min(line.size(), line.find_first_not_of(' ')));
        line.erase(line.find_last_not_of(' ') + 1);
        if (line.empty() || line[0] == '\'') continue;
        const std::string key = app::GetKeyPart(line);
        if (lower(key).rfind(prefix, 0) == 0)
            entries.push_back({key.substr(prefix.size()), app::GetValueAfterEquals(line)});
    }
    return entries;
}

const Entry* find(const std::vector<Entry>& entries, const std::string& control) {
    for (const Entry& e : entries)
        if (lower(e.control) == lower(control)) return &e;
    return nullptr;
}

bool captioned(const platform::Control& c) { return app::IsTranslatableControl(c) == -1; }

// One dialog, loaded on a new project with the shipped slab catalogue, a
// middle beam and the language given.
struct LoadedDialog {
    explicit LoadedDialog(const DialogCase& d, int16_t language) {
        ui.setProgramFolder(QUORVEL_SOURCE_DIR "/data/");
        ui.setStrict(true);  // loading asks nothing
        app::testing::loadShippedCatalogue(m);
        model::ResetProjectDefaults(m);
        m.IsMiddleBeam = 1;
        m.LanguageIndex = language;
        form = d.make(m, ui);
        for (const platform::Control* c : form->controls()) layout.push_back(c->caption());
        form->load();
    }
    ~LoadedDialog() { form->unload(); }

    platform::HeadlessPlatform ui;
    model::ProjectModel m;
    std::unique_ptr<platform::Form> form;
    std::vector<std::string> layout;  // the captions before loading, by control order
};

TEST(DialogCaptions, EveryCaptionedControlAndTheWindowTakeTheirCaptionFromTheLanguageFile) {
    for (const DialogCase& d : dialogs()) {
        for (int16_t language : {0, 1}) {
            SCOPED_TRACE(std::string(d.name) + " in " + kLanguageFiles[language]);
            const std::vector<Entry> entries = entriesOf(kLanguageFiles[language], d.name);
            LoadedDialog dialog(d, language);
            const platform::Form& form = *dialog.form;

            const Entry* title = find(entries, "caption");
            ASSERT_NE(title, nullptr) << "no window caption";
            EXPECT_FALSE(title->value.empty());
            EXPECT_EQ(form.caption(), title->value);

            int checked = 0;
            for (std::size_t i = 0; i < form.controls().size(); ++i) {
                const platform::Control& c = *form.controls()[i];
                if (!captioned(c) || dialog.layout[i].empty()) continue;
                const Entry* entry = find(entries, c.name());
                ASSERT_NE(entry, nullptr) << c.name() << " has no entry";
                EXPECT_FALSE(entry->value.empty()) << c.name();
                EXPECT_EQ(c.caption(), entry->value) << c.name();
                ++checked;
            }
            EXPECT_GE(checked, 12);  // the smallest dialog has a dozen captions
        }
    }
}

// Captions that read the same in both languages: units, symbols, OK.
bool languageNeutral(const std::string& caption) {
    static const std::set<std::string> neutral = {"OK", "-",  "%", "MPa", "mm", "mm ²/m", "kN", "kN/m", "kN/m ²",
                                                  "x",  "y",  "L", "X",   "Y",  "A",      "B",  "x =",  "y ="};
    return neutral.count(caption) != 0;
}

bool hasFinnishLetter(const std::string& s) {
    for (const char* letter : {"ä", "ö", "å", "Ä", "Ö", "Å"})
        if (s.find(letter) != std::string::npos) return true;
    return false;
}

TEST(DialogCaptions, AnEnglishWindowKeepsNoFinnishCaption) {
    for (const DialogCase& d : dialogs()) {
        SCOPED_TRACE(d.name);
        LoadedDialog finnish(d, 0);
        LoadedDialog english(d, 1);
        EXPECT_NE(english.form->caption(), finnish.form->caption());
        EXPECT_FALSE(hasFinnishLetter(english.form->caption()));
        const auto& fin = finnish.form->controls();
        const auto& eng = english.form->controls();
        ASSERT_EQ(fin.size(), eng.size());
        for (std::size_t i = 0; i < eng.size(); ++i) {
            if (!captioned(*eng[i])) continue;
            const std::string& caption = eng[i]->caption();
            EXPECT_FALSE(hasFinnishLetter(caption)) << eng[i]->name() << ": " << caption;
            if (caption == fin[i]->caption()) {
                EXPECT_TRUE(languageNeutral(caption)) << eng[i]->name() << " left in Finnish: " << caption;
            }
        }
    }
}

TEST(DialogCaptions, EveryEntryOfTheDialogsNamesACaptionedControlOnce) {
    for (const DialogCase& d : dialogs()) {
        LoadedDialog dialog(d, 0);
        std::set<std::string> names = {"caption"};
        for (const platform::Control* c : dialog.form->controls()) {
            if (captioned(*c)) names.insert(lower(c->name()));
            if (!c->toolTip().empty()) names.insert(lower(c->name()) + ".tooltiptext");
        }
        for (const char* file : kLanguageFiles) {
            SCOPED_TRACE(std::string(d.name) + " in " + file);
            const std::vector<Entry> entries = entriesOf(file, d.name);
            EXPECT_FALSE(entries.empty());
            std::map<std::string, int> seen;
            for (const Entry& e : entries) {
                EXPECT_EQ(names.count(lower(e.control)), 1u)
                    << e.control << " names no captioned control nor the tooltip of one";
                EXPECT_EQ(++seen[lower(e.control)], 1) << e.control << " twice: only the first is ever read";
            }
        }
    }
}

}  // namespace
}  // namespace quorvel::dialogs
