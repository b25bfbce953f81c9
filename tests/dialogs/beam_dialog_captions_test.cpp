// Captions of the five concrete beam dialogs (rectangular, ledge and JALO,
// LBL, Super, Kvatro) from the shipped language files: in either language
// every captioned control and the window take their caption from the file,
// the Finnish file repeats the window's own Finnish texts, units stay
// units, an English window shows no Finnish caption anywhere, and every
// entry of these dialogs names a control that takes it, once.

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "beam_dialog_fixture.h"
#include "dialogs/concrete-beams/frm_bleukapalkki.h"
#include "dialogs/concrete-beams/frm_kemo.h"
#include "dialogs/concrete-beams/frm_kvatropalkki.h"
#include "dialogs/concrete-beams/frm_suorakaidepalkki.h"
#include "dialogs/concrete-beams/frm_superpalkki.h"
#include "dialogs/steel-beams/table_beam_dialog.h"
#include "language_entries.h"

namespace quorvel::dialogs::testing {
namespace {

struct BeamDialogCase {
    const char* name;
    const char* typeName;  // the beam type whose dialog it is
    std::function<std::unique_ptr<platform::Form>(model::ProjectModel&, platform::Platform&)> make;
};

template <typename Dialog>
BeamDialogCase beamCase(const char* name, const char* typeName) {
    return {name, typeName, [](model::ProjectModel& m, platform::Platform& p) -> std::unique_ptr<platform::Form> {
                return std::make_unique<Dialog>(m, p);
            }};
}

const std::vector<BeamDialogCase>& concreteBeamDialogs() {
    static const std::vector<BeamDialogCase> all = {
        beamCase<FrmSuorakaidepalkki>("FrmSuorakaidepalkki", "SUORA"),
        beamCase<frmBLeukapalkki>("frmBLeukapalkki", "JALO"),
        beamCase<FrmKemo>("FrmKemo", "LBL"),
        beamCase<FrmSuperpalkki>("FrmSuperpalkki", "BESUPER"),
        beamCase<frmKvatropalkki>("frmKvatropalkki", "KVATRO"),
        beamCase<frmBLeukapalkki>("frmBLeukapalkki", "BLEUKA"),
    };
    return all;
}

// JALO's strands take an entry of their own for the strength box's caption.
constexpr const char* JaloStrengthKey = "lblRaud_lujuusJalo";
std::string captionKey(const BeamDialogCase& d, const std::string& control) {
    return std::string(d.typeName) == "JALO" && control == "lblRaud_lujuus" ? JaloStrengthKey : control;
}

bool captioned(const platform::Control& c) { return app::IsTranslatableControl(c) == -1; }

// Texts that read the same in both languages: units, symbols, OK.
bool languageNeutral(const std::string& caption) {
    static const std::set<std::string> neutral = {"OK", "mm", "mm ²", "MPa", "-", "- 1"};
    return neutral.count(caption) != 0;
}

// A dialog loaded headless on a project of its beam type, in the language
// given; the captions of its layout are kept, by control order, from before
// the load.
struct LoadedBeamDialog {
    LoadedBeamDialog(const BeamDialogCase& d, int16_t language, bool middleBeam = true)
        : m(projectOfType(d.typeName, middleBeam)) {
        ui.setProgramFolder(std::string(QUORVEL_SOURCE_DIR) + "/data/");
        ui.setStrict(true);  // loading asks nothing
        m.LanguageIndex = language;
        form = d.make(m, ui);
        windowLayout = form->caption();
        for (const platform::Control* c : form->controls()) layout.push_back(c->caption());
        form->load();
    }
    ~LoadedBeamDialog() { form->unload(); }

    platform::HeadlessPlatform ui;
    model::ProjectModel m;
    std::unique_ptr<platform::Form> form;
    std::string windowLayout;
    std::vector<std::string> layout;
};

TEST(ConcreteBeamDialogCaptions, EveryCaptionedControlAndTheWindowTakeTheirCaptionFromTheLanguageFile) {
    for (const BeamDialogCase& d : concreteBeamDialogs()) {
        for (int16_t language : {0, 1}) {
            SCOPED_TRACE(std::string(d.name) + " (" + d.typeName + ") in " + LanguageFileNames[language]);
            const auto entries = languageEntriesOf(LanguageFileNames[language], d.name);
            LoadedBeamDialog dialog(d, language);
            const platform::Form& form = *dialog.form;

            const LanguageEntry* title = findLanguageEntry(entries, "caption");
            ASSERT_NE(title, nullptr) << "no window caption";
            EXPECT_FALSE(title->value.empty());
            EXPECT_EQ(form.caption(), title->value);

            int checked = 0;
            for (std::size_t i = 0; i < form.controls().size(); ++i) {
                const platform::Control& c = *form.controls()[i];
                const std::string& layout = dialog.layout[i];
                if (!captioned(c) || layout.empty()) continue;
                const LanguageEntry* entry = findLanguageEntry(entries, captionKey(d, c.name()));
                if (entry == nullptr) {
                    ADD_FAILURE() << c.name() << " (" << layout << ") has no entry";
                    continue;
                }
                EXPECT_FALSE(entry->value.empty()) << c.name();
                EXPECT_EQ(c.caption(), entry->value) << c.name();
                // The Finnish file gives the window's own texts, so a
                // Finnish entry put under the wrong control shows here; a
                // unit is the same unit in both languages.
                if (language == 0 || languageNeutral(layout)) {
                    EXPECT_EQ(entry->value, layout) << c.name();
                }
                ++checked;
            }
            EXPECT_GE(checked, 20);  // Kvatro, the smallest, has two dozen
        }
    }
}

TEST(ConcreteBeamDialogCaptions, AnEnglishWindowShowsNoFinnishCaption) {
    for (const BeamDialogCase& d : concreteBeamDialogs()) {
        for (bool middleBeam : {true, false}) {
            SCOPED_TRACE(std::string(d.name) + (middleBeam ? ", middle beam" : ", edge beam"));
            LoadedBeamDialog english(d, 1, middleBeam);
            const platform::Form& form = *english.form;
            EXPECT_NE(form.caption(), english.windowLayout);
            EXPECT_FALSE(hasFinnishLetter(form.caption())) << form.caption();
            // Every control with a caption, also those the language tables
            // pass over (a frame or label whose name marks it fixed): none
            // may keep a Finnish text.
            for (std::size_t i = 0; i < form.controls().size(); ++i) {
                const platform::Control& c = *form.controls()[i];
                const std::string& caption = c.caption();
                if (caption.empty()) continue;
                EXPECT_FALSE(hasFinnishLetter(caption)) << c.name() << ": " << caption;
                if (caption == english.layout[i]) {
                    EXPECT_TRUE(languageNeutral(caption)) << c.name() << " left in Finnish: " << caption;
                }
            }
        }
    }
}

TEST(ConcreteBeamDialogCaptions, EveryEntryNamesOneCaptionedControlOnce) {
    for (const BeamDialogCase& d : concreteBeamDialogs()) {
        LoadedBeamDialog dialog(d, 0);
        // Two captioned controls of one name would share one entry.
        std::map<std::string, int> names = {{"caption", 1}};
        if (std::string(d.name) == "frmBLeukapalkki") names[lowerAscii(JaloStrengthKey)] = 1;
        for (const platform::Control* c : dialog.form->controls())
            if (captioned(*c)) {
                EXPECT_EQ(++names[lowerAscii(c->name())], 1) << d.name << "." << c->name();
            }
        for (const char* file : LanguageFileNames) {
            SCOPED_TRACE(std::string(d.name) + " in " + file);
            const auto entries = languageEntriesOf(file, d.name);
            std::map<std::string, int> seen;
            for (const LanguageEntry& e : entries) {
                EXPECT_EQ(names.count(lowerAscii(e.control)), 1u) << e.control << " names no captioned control";
                EXPECT_EQ(++seen[lowerAscii(e.control)], 1) << e.control << " twice: only the first is ever read";
            }
            EXPECT_EQ(seen.size(), names.size()) << "entries and captioned controls differ in number";
        }
    }
}

// The strands' strength box names the 0.1 % proof stress fpd is taken from; a bars' box that a
// strand's value (above 1000 MPa) makes prestressing steel names both; a bars-only box fyk.
TEST(ConcreteBeamDialogCaptions, StrandStrengthBoxesNameTheProofStress) {
    auto table = [](const char* form) {
        return BeamDialogCase{form, findBeamFamilyTable(form)->typeName().data(), [form](model::ProjectModel& m, platform::Platform& p) {
            return std::unique_ptr<platform::Form>(new TableBeamDialog(m, p, *findBeamFamilyTable(form)));
        }};
    };
    enum Kind { Strands, BarsOrStrands, Bars };
    const char* const captions[3][2] = {{"0,1-rajan ominaislujuus fp0.1k", "0.1 % proof stress fp0.1k"},
                                        {"Lujuus fyk, punokset fp0.1k", "Strength fyk, strands fp0.1k"},
                                        {"Teräksen ominaislujuus", "Characteristic strength of steel"}};
    const auto& all = concreteBeamDialogs();
    const std::tuple<BeamDialogCase, const char*, Kind> boxes[] = {
        {all[2], "lbltxt_Janne_lujuus", Strands},  {all[3], "lbltxt_Janne_lujuus", Strands},  // LBL, BESUPER
        {table("FrmLB"), "lbltxt_Janne_lujuus", Strands}, {all[1], "lblRaud_lujuus", Strands},  // JALO
        {all[0], "lblRaud_lujuus", BarsOrStrands}, {all[5], "lblRaud_lujuus", BarsOrStrands},  // SUORA, BLEUKA
        {all[4], "lbltxtRaud_lujuus", BarsOrStrands},                                             // KVATRO
        {all[2], "lbltxt_ypRaud_lujuus", BarsOrStrands}, {all[3], "lbltxt_ypRaud_lujuus", BarsOrStrands},
        {table("FrmIpalkki"), "lbltxtRaud_lujuus", BarsOrStrands}, {table("FrmApalkki"), "lbltxtRaud_lujuus", BarsOrStrands},
        {table("FrmApalkki"), "lbltxt_ypRaud_lujuus", BarsOrStrands},
        {table("frmDeltapalkki"), "lbltxtTRaud_lujuus", Bars}};
    for (const auto& [d, label, kind] : boxes)
        for (int16_t language : {0, 1}) {
            LoadedBeamDialog dialog(d, language);
            EXPECT_EQ(dialog.form->findControl(label)->caption(), captions[kind][language]) << d.typeName << "." << label;
            // 1900 MPa, above every range, is refused naming the box as captioned (JALO sharing BLEUKA's row).
            std::string name = std::string(label).substr(3), kept = "500";
            auto& box = static_cast<platform::TextBox&>(*dialog.form->findControl(name.starts_with("txt") ? name : "txt" + name));
            box.setText("1900");
            dialog.ui.setStrict(false);
            EXPECT_FALSE(app::CheckTableBox(box, kept));
            EXPECT_EQ(dialog.ui.messages().at(0).text.rfind(std::string(captions[kind][language]) + ": ", 0), 0u)
                << d.typeName << ": " << dialog.ui.messages()[0].text;
        }
}

}  // namespace
}  // namespace quorvel::dialogs::testing
