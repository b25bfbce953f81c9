// The main window's start-up, paint and unload, headless: settings, the
// data file check, the about window before the main window, the caption,
// disabled commands, the gauges and the captions of both languages.

#include "app/frm_quorvel.h"
#include "app/settings.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <optional>
#include <regex>
#include <sstream>

#include <filesystem>
#include <set>

#include "app/frm_about.h"
#include "app/input_tools.h"
#include "app/language.h"
#include "inputfile/input_file_reader.h"
#include "platform/headless/headless_platform.h"
#include "test_files.h"

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;
using platform::Buttons;
using platform::DrawCommand;
using platform::HeadlessPlatform;
using platform::Icon;
using platform::ProgramEnded;
using testing::TempFolder;

constexpr platform::Color Grey = platform::rgb(128, 128, 128);
constexpr platform::Color Green = platform::rgb(0, 128, 0);

std::string stored(const HeadlessPlatform& ui, const std::string& key) {
    auto it = ui.settings().find("Quorvel835/Settings/" + key);
    return it == ui.settings().end() ? "<none>" : it->second;
}

// A program folder holding the delivered data folder, as the build lays it
// out; the settings start empty.
class StartUp : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& entry : fs::directory_iterator(QUORVEL_SOURCE_DIR "/data"))
            fs::copy_file(entry.path(), program.path() / entry.path().filename());
        ui.setProgramFolder(program.dataPath());
    }
    void setting(const std::string& key, const std::string& value) {
        ui.saveSetting("Quorvel835", "Settings", key, value);
    }
    // Shows the main window; the about window is closed with OK.
    void start(frmQuorvel& window) {
        ui.onModal("frmAbout", [&](platform::Form& about) {
            aboutShownBeforeMain = !window.isVisible();
            aboutVersion = static_cast<frmAbout&>(about).txtVersio.caption();
            aboutCaption = about.caption();
            // A click on the window swaps the small picture for the shear and crack lines.
            auto& a = static_cast<frmAbout&>(about);
            ui.click(a);
            aboutClickShowedLines = a.linLeikkaus1.visible() && !a.picKuva.visible();
            ui.click(a.cmdOK);
        });
        window.show();
    }
    // The colour of the bar and the number of a gauge.
    static std::pair<platform::Color, std::string> shown(const platform::PictureBox& pic) {
        std::pair<platform::Color, std::string> s{0, "<none>"};
        for (const DrawCommand& c : pic.displayList())
            if (c.kind == DrawCommand::Kind::Text) {
                s = {c.color, c.text};
                break;
            }
        return s;
    }

    TempFolder program;
    HeadlessPlatform ui;
    model::ProjectModel m;
    bool aboutShownBeforeMain = false;
    std::string aboutVersion;
    std::string aboutCaption;
    bool aboutClickShowedLines = false;
};

// The title names the program's version once, the one the build gives it
// (a word "8.38" or "8.38/EC"; dates are not versions).
void expectOneVersion(const std::string& title) {
    static const std::regex version(R"((\d+\.\d+)(/EC)?)");
    std::vector<std::string> found;
    std::istringstream words(title);
    std::smatch match;
    for (std::string word; words >> word;)
        if (std::regex_match(word, match, version)) found.push_back(match[1]);
    EXPECT_EQ(found, std::vector<std::string>{QUORVEL_VERSION}) << title;
}

TEST_F(StartUp, FirstStartInFinnishWithANewProject) {
    frmQuorvel window(m, ui);
    start(window);

    EXPECT_TRUE(aboutShownBeforeMain);
    EXPECT_TRUE(aboutClickShowedLines);
    EXPECT_EQ(aboutVersion, "Versio 8.38 /EC 17.03.2017");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.caption(), "Quorvel  8.38 /EC 17.03.2017");
    expectOneVersion(window.caption());

    EXPECT_EQ(m.DataPath, program.dataPath());
    EXPECT_EQ(stored(ui, "QuorPath"), program.dataPath());
    EXPECT_EQ(m.LanguageIndex, 0);
    EXPECT_EQ(m.SlabTypeCount, 7);  // the delivered catalogue
    EXPECT_EQ(m.IsMiddleBeam, 1);
    EXPECT_EQ(m.InputChanged, 0);
    EXPECT_EQ(window.helpFileName(), "quorvel_fi.html");
    EXPECT_EQ(window.txtOntelotaytto1.caption(), "");
    EXPECT_EQ(window.txtOntelotaytto2.caption(), "");
    EXPECT_EQ(window.cmdLaatasto.caption(), "Laatasto");
    EXPECT_EQ(window.imgFlag.picture(), window.imgFlagFin.picture());
    // Both flag pictures stay on the window beside the one of the language.
    EXPECT_TRUE(window.imgFlagFin.isEffectivelyVisible());
    EXPECT_TRUE(window.imgFlagEng.isEffectivelyVisible());

    // The boxes show the new project, not their design texts.
    EXPECT_EQ(window.cboVasenlaattatyyppi.text(), m.SlabTypeName[1]);
    EXPECT_EQ(window.txtVasenalkuvali.text(), formatGeneral(m.BeamSpacing[4], ui));
    EXPECT_EQ(window.txtOikeatukipituus.text(), formatGeneral(m.SlabSupportLength[2], ui));
}

TEST_F(StartUp, ClosingTheWindowSavesTheSixSettings) {
    frmQuorvel window(m, ui);
    start(window);
    m.LanguageIndex = 1;  // as the language switch leaves it
    m.PrintFontSize = 9.5f;
    ASSERT_TRUE(window.closeByFrame());
    EXPECT_EQ(stored(ui, "QuorPath"), program.dataPath());
    EXPECT_EQ(stored(ui, "Ontelolaatat"), "ONTELO.MIT");
    EXPECT_EQ(stored(ui, "Kieli"), "1");
    EXPECT_EQ(stored(ui, "Tulostusfontti"), "Courier New");
    EXPECT_EQ(stored(ui, "Tulostusfonttikoko"), "9.5");
    EXPECT_EQ(stored(ui, "Punostiedosto"), "PUNOS.VAT");
}

TEST_F(StartUp, EnglishStoredGivesEnglishCaptions) {
    setting("Kieli", "1");
    frmQuorvel window(m, ui);
    start(window);
    EXPECT_EQ(m.LanguageIndex, 1);
    EXPECT_EQ(window.cmdLaatasto.caption(), "Slabs");
    EXPECT_EQ(window.FraKayttoasteet.caption(), "Utilisation %");
    EXPECT_EQ(window.optKeskipalkki.caption(), "&Middle beam");
    EXPECT_EQ(window.imgFlag.picture(), window.imgFlagEng.picture());
    EXPECT_EQ(aboutCaption, "About the program");
    EXPECT_EQ(window.caption(), "Quorvel  8.38 /EC 17.03.2017");
    expectOneVersion(window.caption());
}

// Only when the installation's own data folder lacks a file does the start
// stop: the message lists every expected path, as it stands on disk
// ("kef.da0"), and names the one missing.
TEST_F(StartUp, TheInstallationsOwnFolderLackingAFileListsEveryPathAndStops) {
    fs::remove(program.path() / "FIRMA.DA0");
    setting("Kieli", "1");
    const std::string p = program.dataPath();
    ui.expectMessage("The files the calculation uses are not found!\r\n"
                     "One of the following files is missing or its path is wrong:\r\n\r\n" +
                         p + "ONTELO.MIT\r\n" + p + "kef.da0\r\n" + p + "TEKSTIT1.DA0\r\n" + p + "FIRMA.DA0\r\n" +
                         p + "PUNOS.VAT\r\n\r\nNot found: " + p + "FIRMA.DA0\r\n",
                     "Fatal error!", Buttons::Ok, Icon::Critical);
    frmQuorvel window(m, ui);
    EXPECT_THROW(window.show(), ProgramEnded);
    EXPECT_TRUE(ui.programEnded());
    EXPECT_FALSE(window.isLoaded());
    EXPECT_EQ(stored(ui, "QuorPath"), program.dataPath());
    EXPECT_EQ(stored(ui, "Kieli"), "1");
}

// English needs its report headings in the data folder and its window and
// report texts in the program folder. Stored as the language while one of
// them is missing, it once ended every start listing five files: the
// program starts in Finnish, naming the file, the switch to English is
// refused naming it, and Finnish is what is stored.
TEST_F(StartUp, EnglishWithoutItsFilesStartsInFinnishAndIsNotSwitchedTo) {
    const struct {
        const char* name;
        bool folder;  // a folder in the file's place, else nothing there
    } cases[] = {{"TEKSTIT1.DA0", false}, {"language.eng", false}, {"resultLanguage.eng", false},
                 {"TEKSTIT1.DA0", true}, {"resultLanguage.eng", true}};
    for (const auto& c : cases) {
        const char* name = c.name;
        SCOPED_TRACE(name);
        const std::string missing = program.dataPath() + name;
        fs::rename(missing, missing + ".pois");
        if (c.folder) fs::create_directory(missing);
        const std::string reason =
            c.folder ? missing + " ei ole tiedosto vaan kansio, laite, putki tai katkennut linkki"
                     : "tiedostoa " + missing + " ei ole";
        HeadlessPlatform fresh;
        fresh.setProgramFolder(program.dataPath());
        fresh.saveSetting("Quorvel835", "Settings", "Kieli", "1");
        model::ProjectModel fm;
        frmQuorvel window(fm, fresh);
        fresh.onModal("frmAbout", [&](platform::Form& about) { fresh.click(static_cast<frmAbout&>(about).cmdOK); });
        fresh.expectMessage("Englanninkielisiä tekstejä ei voi käyttää: " + reason + ". Ohjelma käyttää suomea.",
                            "Quorvel", Buttons::Ok, Icon::Exclamation);
        window.show();
        ASSERT_TRUE(window.isVisible());
        EXPECT_EQ(fm.LanguageIndex, 0);
        EXPECT_EQ(window.cmdLaatasto.caption(), "Laatasto");

        fresh.expectMessage("Kieltä ei voi vaihtaa englanniksi: " + reason + ".", "Quorvel", Buttons::Ok,
                            Icon::Exclamation);
        fresh.click(window.cmdEnglanti);
        EXPECT_EQ(fm.LanguageIndex, 0);
        EXPECT_EQ(window.cmdLaatasto.caption(), "Laatasto");
        ASSERT_TRUE(window.closeByFrame());
        EXPECT_EQ(stored(fresh, "Kieli"), "0");
        fresh.verify();
        fs::remove_all(missing);
        fs::rename(missing + ".pois", missing);
    }
}

// A stored catalogue, strand file or data folder that does not load (a file
// of another kind, a missing one, a folder whose report headings are too
// few or that lacks a file) once stopped every start-up: the installation's
// own takes its place, one message names the stored value, why it cannot be
// used and what is used, the key is reset, and the next start is silent.
TEST_F(StartUp, AStoredDataFileOrFolderThatDoesNotLoadGivesWayToTheInstalledOne) {
    // A beam library, which a data folder may hold: no catalogue.
    program.write("HQLIB.MIT", {"HQ-PALKIT tyyppi luokka", "HQ400 1 0 220 30 2 S355", "LOPPU"});
    TempFolder oneHeading, noCompany, pipeTable;
    for (const auto& entry : fs::directory_iterator(QUORVEL_SOURCE_DIR "/data")) {
        fs::copy_file(entry.path(), oneHeading.path() / entry.path().filename());
        if (entry.path().filename() != "FIRMA.DA0")
            fs::copy_file(entry.path(), noCompany.path() / entry.path().filename());
        if (entry.path().filename() != "kef.da0")
            fs::copy_file(entry.path(), pipeTable.path() / entry.path().filename());
    }
    // The coefficient table a named pipe: named as it stands in the folder.
    ASSERT_EQ(mkfifo((pipeTable.path() / "kef.da0").c_str(), 0600), 0);
    oneHeading.write("TEKSTIT0.DA0", {"\"Laskelma\""});
    // A strand file whose P27 line (line 8) offers -6 strands.
    std::string strands = program.read("PUNOS.VAT");
    strands.replace(strands.find("P27 6 "), 6, "P27 -6 ");
    program.writeRaw("OMA.VAT", strands);
    const std::string gone = program.dataPath() + "poistettu/";
    struct Case {
        const char* key;
        std::string value;
        const char* language;
        std::string stays;    // the key's value afterwards, @ for the program folder
        std::vector<std::string> said;  // parts of the message in order, @ for the program folder
    } cases[] = {
        {"Ontelolaatat", "HQLIB.MIT", "0", "ONTELO.MIT",
         {"tiedostoa \"HQLIB.MIT\" ei voi käyttää", "@HQLIB.MIT rivillä 2", "jälkeen on vielä \"S355\"",
          "käytetään tiedostoa ONTELO.MIT."}},
        {"Ontelolaatat", "PUNOS.VAT", "0", "ONTELO.MIT", {"\"PUNOS.VAT\" ei voi käyttää", "@PUNOS.VAT"}},
        {"Ontelolaatat", "kef.da0", "1", "ONTELO.MIT",
         {"\"kef.da0\" stored in the settings cannot be used", "@kef.da0 is not valid", "ONTELO.MIT is used instead."}},
        {"Ontelolaatat", "TEKSTIT0.DA0", "0", "ONTELO.MIT", {"\"TEKSTIT0.DA0\" ei voi käyttää", "@TEKSTIT0.DA0"}},
        {"Ontelolaatat", "XYZ.mit", "0", "ONTELO.MIT", {"\"XYZ.mit\" ei voi käyttää", "Tiedostoa @XYZ.mit ei ole"}},
        {"Punostiedosto", "ONTELO.MIT", "0", "PUNOS.VAT",
         {"\"ONTELO.MIT\" ei voi käyttää", "rivi DATA puuttuu", "käytetään tiedostoa PUNOS.VAT."}},
        {"Punostiedosto", "FIRMA.DA0", "1", "PUNOS.VAT", {"\"FIRMA.DA0\" stored", "the line DATA is missing"}},
        {"Punostiedosto", "OMA.VAT", "0", "PUNOS.VAT",
         {"\"OMA.VAT\" ei voi käyttää", "Punostiedoston @OMA.VAT rivillä 8 laattatyypin P27 punostunnus ei kelpaa: "
          "tunnus -6", "käytetään tiedostoa PUNOS.VAT."}},
        {"Punostiedosto", "VANHA.VAT", "1", "PUNOS.VAT", {"\"VANHA.VAT\"", "The file @VANHA.VAT does not exist"}},
        {"Punostiedosto", "../../../../../../../../dev/zero", "1", "PUNOS.VAT",
         {"The file @../../../../../../../../dev/zero does not exist or cannot be read."}},
        {"QuorPath", oneHeading.dataPath(), "0", "@",
         {"datakansiota " + oneHeading.dataPath() + " ei voi käyttää", "vain 1 tekstiä; raportti tarvitsee 192",
          "käytetään kansiota @."}},
        {"QuorPath", noCompany.dataPath(), "1", "@",
         {"The data folder " + noCompany.dataPath(), noCompany.dataPath() + "FIRMA.DA0 does not exist",
          "The folder @ is used instead."}},
        {"QuorPath", gone, "0", "@", {"Kansiota " + gone + " ei ole."}},
        {"QuorPath", "/dev/zero/", "1", "@", {"The data folder /dev/zero/", "/dev/zero/ is not a folder but a device."}},
        {"QuorPath", "/dev/null", "0", "@", {"datakansiota /dev/null", "/dev/null ei ole kansio vaan laite."}},
        {"QuorPath", "@ONTELO.MIT", "0", "@", {"@ONTELO.MIT ei ole kansio vaan tiedosto."}},
        {"QuorPath", pipeTable.dataPath(), "1", "@",
         {"The data folder " + pipeTable.dataPath(),
          "The file " + pipeTable.dataPath() + "kef.da0 does not exist or cannot be read."}},
    };
    const auto inProgram = [&](std::string text) {
        for (std::size_t at; (at = text.find('@')) != std::string::npos;) text.replace(at, 1, program.dataPath());
        return text;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " = " + c.value);
        HeadlessPlatform fresh;
        fresh.setProgramFolder(program.dataPath());
        fresh.saveSetting("Quorvel835", "Settings", c.key, inProgram(c.value));
        fresh.saveSetting("Quorvel835", "Settings", "Kieli", c.language);
        for (int run = 0; run < 2; ++run) {  // the second start finds the reset key: no message
            model::ProjectModel fm;
            frmQuorvel window(fm, fresh);
            fresh.onModal("frmAbout", [&](platform::Form& about) { fresh.click(static_cast<frmAbout&>(about).cmdOK); });
            window.show();
            EXPECT_TRUE(window.isVisible());
            EXPECT_EQ(fm.SlabTypeCount, 7);  // the delivered catalogue was read
            EXPECT_EQ(stored(fresh, c.key), inProgram(c.stays));
            ASSERT_TRUE(window.closeByFrame());
            EXPECT_EQ(stored(fresh, c.key), inProgram(c.stays)) << "closing stored it again";
        }
        ASSERT_EQ(fresh.messages().size(), 1u);
        const auto& message = fresh.messages()[0];
        EXPECT_EQ(message.icon, Icon::Exclamation);
        std::size_t from = 0;
        for (const std::string& part : c.said) {
            const std::size_t at = message.text.find(inProgram(part), from);
            EXPECT_NE(at, std::string::npos) << "\"" << inProgram(part) << "\" not (in order) in: " << message.text;
            if (at != std::string::npos) from = at;
        }
    }
    // Without the installation's own catalogue the start still stops, naming the stored file.
    fs::remove(program.path() / "ONTELO.MIT");
    setting("Ontelolaatat", "XYZ.mit");
    ui.expectMessageMatching("[^]*XYZ\\.mit[^]*", "Vakava virhe!", Buttons::Ok, Icon::Critical);
    frmQuorvel window(m, ui);
    EXPECT_THROW(window.show(), ProgramEnded);
    ui.verify();
}

// The company header heads the report and nothing else. At start-up a
// binary one is named once and the report goes without, an empty one gives
// a blank line silently. Whatever it becomes while the program runs (empty,
// a folder, a link to a device that never ends, a named pipe, binary, a
// first line that never ends, gone), Open and Calculate go on without a
// word of it: the report's company line is blank, or the first 64 kB of a
// line that never ends.
TEST_F(StartUp, ACompanyHeaderThatGivesNoLineNeverStopsOpenOrCalculate) {
    const fs::path header = program.path() / "FIRMA.DA0";
    const std::string project = program.dataPath() + "palkki.dat";
    fs::copy_file(QUORVEL_FIXTURES_DIR "/inputfiles/concrete_middle_beam.dat", project);
    const std::string binary("\x7f" "ELF\x02\x01\x01\0\0", 9);
    for (const std::string& bytes : {std::string(), binary}) {
        program.writeRaw("FIRMA.DA0", bytes);
        HeadlessPlatform fresh;
        fresh.setProgramFolder(program.dataPath());
        model::ProjectModel fm;
        fm.CompanyName = "stale";
        frmQuorvel window(fm, fresh);
        fresh.onModal("frmAbout", [&](platform::Form& about) { fresh.click(static_cast<frmAbout&>(about).cmdOK); });
        window.show();
        ASSERT_TRUE(window.isVisible());
        EXPECT_EQ(fm.CompanyName, "");
        if (bytes.empty()) {
            EXPECT_TRUE(fresh.messages().empty());
        } else {
            ASSERT_EQ(fresh.messages().size(), 1u);
            EXPECT_EQ(fresh.messages()[0].text,
                      "Yritystiedostoa " + program.dataPath() +
                          "FIRMA.DA0 ei voi käyttää: sen ensimmäisellä rivillä on ohjausmerkki: se ei ole "
                          "tekstitiedosto. Raportin yritysrivi jää tyhjäksi.");
            EXPECT_EQ(fresh.messages()[0].icon, Icon::Exclamation);
        }
    }

    program.write("FIRMA.DA0", {"Insinööritoimisto Oy"});
    frmQuorvel window(m, ui);
    start(window);
    ASSERT_EQ(m.CompanyName, "Insinööritoimisto Oy");
    struct Case {
        const char* what;
        std::function<void()> make;
        std::size_t nameLength;
    } cases[] = {
        {"empty", [&] { program.writeRaw("FIRMA.DA0", ""); }, 0},
        {"a folder", [&] { fs::create_directory(header); }, 0},
        {"a link to a random device", [&] { fs::create_symlink("/dev/urandom", header); }, 0},
        {"a named pipe", [&] { ASSERT_EQ(mkfifo(header.c_str(), 0600), 0); }, 0},
        {"binary", [&] { program.writeRaw("FIRMA.DA0", binary); }, 0},
        {"a first line of 2 MB", [&] { program.writeRaw("FIRMA.DA0", std::string(2 << 20, 'A')); }, 64 * 1024},
        {"gone", [] {}, 0},
    };
    ui.setStrict(true);  // Open and Calculate say nothing of it
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(header);
        c.make();
        m.InputChanged = 0;
        ui.answerFileDialog(project);
        ui.click(window.cmdAvaalahto);
        EXPECT_EQ(m.InputFilePath, project);
        ui.click(window.cmdLaske0);
        EXPECT_EQ(m.ResultsValid, -1);
        EXPECT_EQ(m.CompanyName.size(), c.nameLength);
    }
}

// A company header of the installation's own folder that is there but no
// file (a folder, a link to a random device, a named pipe, a link that
// leads nowhere) stops the start as a missing one does, without waiting on
// the pipe, and the message says what stands in the file's place.
TEST_F(StartUp, ACompanyHeaderThatIsNoFileIsNamedSoAtStartUp) {
    const fs::path header = program.path() / "FIRMA.DA0";
    const std::string p = program.dataPath();
    const std::string list = "Laskennassa käytettäviä tiedostoja ei löydy!\r\n"
                             "Jokin seuraavista tiedostoista puuttuu tai polku on väärin:\r\n\r\n" +
                             p + "ONTELO.MIT\r\n" + p + "kef.da0\r\n" + p + "TEKSTIT0.DA0\r\n" + p +
                             "FIRMA.DA0\r\n" + p + "PUNOS.VAT\r\n\r\n";
    const std::string notAFile = "Ei tiedosto vaan kansio, laite, putki tai katkennut linkki: ";
    const struct {
        const char* what;
        std::function<void()> make;
        std::string named;
    } cases[] = {
        {"a folder", [&] { fs::create_directory(header); }, notAFile},
        {"a link to a random device", [&] { fs::create_symlink("/dev/urandom", header); }, notAFile},
        {"a named pipe", [&] { ASSERT_EQ(mkfifo(header.c_str(), 0600), 0); }, notAFile},
        {"a link that leads nowhere", [&] { fs::create_symlink(program.path() / "nowhere", header); }, notAFile},
        {"missing", [] {}, "Ei löydy: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(header);
        c.make();
        HeadlessPlatform fresh;
        fresh.setProgramFolder(p);
        fresh.expectMessage(list + c.named + p + "FIRMA.DA0\r\n", "Vakava virhe!", Buttons::Ok, Icon::Critical);
        model::ProjectModel fm;
        frmQuorvel window(fm, fresh);
        EXPECT_THROW(window.show(), ProgramEnded);
        fresh.verify();
    }
}

// Finnish has nothing to fall back on (English falls back on Finnish).
TEST_F(StartUp, AMissingLanguageFileEndsTheProgramWithoutSavingTheSettings) {
    fs::remove(program.path() / "language.fin");
    ui.expectMessage("Tiedostoa \"" + program.dataPath() + "language.fin\" ei löydy", "Virhe", Buttons::Ok,
                     Icon::Exclamation);
    ui.expectMessage("Kielitiedosto puuttuu.\n\rOhjelman suoritus lopetetaan.", "Virhe", Buttons::Ok,
                     Icon::Critical);
    frmQuorvel window(m, ui);
    EXPECT_THROW(window.show(), ProgramEnded);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(stored(ui, "QuorPath"), program.dataPath());  // stored when it was read
    EXPECT_EQ(stored(ui, "Ontelolaatat"), "<none>");
}

TEST_F(StartUp, ALeftOverTemporaryReportIsDeleted) {
    program.write("quor01.tmp", {"vanha raportti"});
    frmQuorvel window(m, ui);
    start(window);
    EXPECT_FALSE(fs::exists(program.path() / "quor01.tmp"));
    EXPECT_TRUE(fs::exists(program.path() / "FIRMA.DA0"));
}

TEST_F(StartUp, ACatalogueWithoutSlabTypesStopsWithAMessage) {
    program.write("ONTELO.MIT", {"PUNOKSET tunnus halkaisija_mm pinta-ala_mm2 fpk_MPa tartuntakerroin Ep_MPa",
                                 "0 12.5 93 1860 3.2 195000", "LOPPU1 loppu",
                                 "TYYPPI onteloita h h.fy h.c h.ct h.v b.c b.ca b.hc db e.r g gd c14 ap l.tuki",
                                 "LOPPU"});
    ui.expectMessageMatching(".*ei ole yhtään laattatyyppiä.*", "Vakava virhe!", Buttons::Ok, Icon::Critical);
    frmQuorvel window(m, ui);
    EXPECT_THROW(window.show(), ProgramEnded);
    EXPECT_TRUE(ui.messages().size() == 1);
}

// Two catalogue lines of one slab type are named once at start-up, with
// both lines; the window starts on the later one.
TEST_F(StartUp, TwoCatalogueLinesOfOneSlabTypeAreNamedOnce) {
    const std::string p27 = "6 265 35 190 105 30 135 105 1200 20 110 3.60 4.14 0.5 ";
    program.write("ONTELO.MIT", {"PUNOKSET tunnus halkaisija_mm pinta-ala_mm2 fpk_MPa tartuntakerroin Ep_MPa",
                                 "0 12.5 93 1860 3.2 195000", "S 9.3 52 1860 3.2 195000",
                                 "L 12.9 100 1860 3.2 195000", "LOPPU1 loppu",
                                 "TYYPPI onteloita h h.fy h.c h.ct h.v b.c b.ca b.hc db e.r g gd c14 ap l.tuki",
                                 "P27 " + p27 + "45 60", "P27\t" + p27 + "47 60", "LOPPU"});
    ui.expectMessage("Laattatiedosto " + program.dataPath() + "ONTELO.MIT:\r\nrivi 8: laattatyyppi P27 on myös "
                     "rivillä 7; rivin 8 tiedot ovat käytössä.",
                     "Quorvel", Buttons::Ok, Icon::Exclamation);
    frmQuorvel window(m, ui);
    start(window);
    ui.verify();
    ASSERT_EQ(m.SlabTypeCount, 1);
    EXPECT_FLOAT_EQ(m.SlabCatalogue(1).DefaultSupportLength, 47);
}

// A data file far larger than any delivered one (an 11 MB coefficient
// table was read on every lookup, a 1.4 MB language file slowed start-up
// six times) stops the start with one message naming it.
TEST_F(StartUp, ADataFileLargerThanAnyDeliveredStopsWithItsName) {
    for (const char* name : {"kef.da0", "language.fin", "PUNOS.VAT"}) {
        SCOPED_TRACE(name);
        TempFolder data;
        for (const auto& entry : fs::directory_iterator(QUORVEL_SOURCE_DIR "/data"))
            fs::copy_file(entry.path(), data.path() / entry.path().filename());
        std::string big = data.read(name);
        while (big.size() <= LargestDataFile) big += big;
        data.writeRaw(name, big);
        HeadlessPlatform fresh;
        fresh.saveSetting("Quorvel835", "Settings", "QuorPath", data.dataPath());
        fresh.expectMessage("Tiedosto " + data.dataPath() + name + " on liian suuri: " + std::to_string(big.size()) +
                                " tavua, enintään 1048576.",
                            "Vakava virhe!", Buttons::Ok, Icon::Critical);
        model::ProjectModel fm;
        frmQuorvel window(fm, fresh);
        EXPECT_THROW(window.show(), ProgramEnded);
        fresh.verify();
    }
}

// A text data file that does not hold what is read from it (binary
// content, too few report headings, a language line without a key, a
// report text the report prints missing or unclosed) is named with the
// line or the key. A Finnish one stops the start; an English one is as
// good as missing: the program starts in Finnish saying why, and the
// switch to English is refused saying it again (a damaged English file
// once ended every start, Finnish ones too).
TEST_F(StartUp, ATextDataFileThatDoesNotHoldItsTextsIsNamedWithItsLineAndEnglishGivesWay) {
    using namespace std::string_literals;
    struct Case {
        const char* name;
        int line;                               // 1-based line changed
        std::optional<std::string> replaced;  // its new text; none: the file ends before it
        const char* language;  // of the file, and the one stored
        std::string message;  // @ stands for the file's path; in Finnish
    } cases[] = {
        {"TEKSTIT0.DA0", 5, "\"Otsikko\0\""s, "0", "Tiedosto @ ei ole tekstitiedosto: rivillä 5 on ohjausmerkki (koodi 0)."},
        {"resultLanguage.eng", 10, "key = \"\x1b[2J\"", "1",
         "Tiedosto @ ei ole tekstitiedosto: rivillä 10 on ohjausmerkki (koodi 27)."},
        {"TEKSTIT1.DA0", 101, std::nullopt, "1",
         "Tiedostossa @ on viimeiseen riviinsä (100) mennessä vain 100 tekstiä; raportti tarvitsee 192."},
        {"TEKSTIT0.DA0", 1, std::nullopt, "0", "Tiedostossa @ on viimeiseen riviinsä (0) mennessä vain 0 tekstiä; raportti tarvitsee 192."},
        {"language.fin", 3, "Laatasto", "0", "Tiedoston @ rivi 3 ei ole muotoa avain = teksti."},
        {"language.eng", 20, " = Slabs", "1", "Tiedoston @ rivi 20 ei ole muotoa avain = teksti."},
        // A window text missing: its control would stay in Finnish (the
        // first key of language.fin in the order of its letters, then line 7's).
        {"language.eng", 1, std::nullopt, "1",
         "Tiedostosta @ puuttuu ikkunan teksti Fileview.caption (rivi Fileview.caption = teksti)."},
        {"language.eng", 7, "' frmQuorvel.cmdLaatasto = Slabs", "1",
         "Tiedostosta @ puuttuu ikkunan teksti frmQuorvel.cmdLaatasto (rivi frmQuorvel.cmdLaatasto = teksti)."},
        // A report text missing or damaged: named with its key.
        {"resultLanguage.fin", 1, std::nullopt, "0",
         "Tiedostosta @ puuttuu raportin teksti resultText (rivi resultText = \"teksti\")."},
        {"resultLanguage.fin", 5, "' resultText1 = \"QUORVEL\"", "0",
         "Tiedostosta @ puuttuu raportin teksti resultText1 (rivi resultText1 = \"teksti\")."},
        {"resultLanguage.eng", 5, "", "1",
         "Tiedostosta @ puuttuu raportin teksti resultText1 (rivi resultText1 = \"teksti\")."},
        {"resultLanguage.eng", 8, "resultText3a = \"Version ", "1",
         "Tiedoston @ raportin tekstiltä resultText3a puuttuu lopettava lainausmerkki."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder data;
        for (const auto& entry : fs::directory_iterator(QUORVEL_SOURCE_DIR "/data"))
            fs::copy_file(entry.path(), data.path() / entry.path().filename());
        const std::string bytes = data.read(c.name);
        std::string changed;
        std::size_t start = 0;
        for (int line = 1; start < bytes.size(); ++line) {
            std::size_t end = bytes.find("\r\n", start);
            end = end == std::string::npos ? bytes.size() : end + 2;
            if (line == c.line && !c.replaced) break;
            changed += line == c.line ? *c.replaced + "\r\n" : bytes.substr(start, end - start);
            start = end;
        }
        data.writeRaw(c.name, changed);
        HeadlessPlatform fresh;
        fresh.setProgramFolder(data.dataPath());
        fresh.saveSetting("Quorvel835", "Settings", "Kieli", c.language);
        std::string message = c.message;
        message.replace(message.find('@'), 1, data.dataPath() + c.name);
        model::ProjectModel fm;
        frmQuorvel window(fm, fresh);
        if (std::string(c.language) == "0") {
            fresh.expectMessage(message, "Vakava virhe!", Buttons::Ok, Icon::Critical);
            EXPECT_THROW(window.show(), ProgramEnded);
            fresh.verify();
            continue;
        }
        const std::string reason = message.substr(0, message.size() - 1);
        fresh.onModal("frmAbout", [&](platform::Form& about) { fresh.click(static_cast<frmAbout&>(about).cmdOK); });
        fresh.expectMessage("Englanninkielisiä tekstejä ei voi käyttää: " + reason + ". Ohjelma käyttää suomea.",
                            "Quorvel", Buttons::Ok, Icon::Exclamation);
        window.show();
        ASSERT_TRUE(window.isVisible());
        EXPECT_EQ(fm.LanguageIndex, 0);
        fresh.expectMessage("Kieltä ei voi vaihtaa englanniksi: " + reason + ".", "Quorvel", Buttons::Ok,
                            Icon::Exclamation);
        fresh.click(window.cmdEnglanti);
        EXPECT_EQ(fm.LanguageIndex, 0);
        EXPECT_EQ(window.cmdLaatasto.caption(), "Laatasto");
        fresh.verify();
    }
}

TEST_F(StartUp, CommandsNotYetAvailableAreDisabledAndTheAboutCommandWorks) {
    frmQuorvel window(m, ui);
    start(window);
    // The file, results, help, language and calculate commands work, and
    // the beam command (it names a beam dialog that is missing); the other
    // dialog openers are not built yet.
    const std::set<const platform::Control*> working = {
        &window.cmdTietoja, &window.cmdUusi, &window.cmdAvaalahto, &window.cmdTallennalahto,
        &window.cmdTallennalahtoNimella, &window.cmdTallennatulokset, &window.cmdTallennatuloksetNimella,
        &window.cmdTulosta, &window.cmdSuomi, &window.cmdEnglanti, &window.cmdLopeta, &window.cmdTaulukko0,
        &window.cmdTeksti, &window.cmdOhje, &window.cmdTaulukko, &window.cmdPalkki, &window.cmdPalkki0,
        &window.cmdLaske0};
    for (platform::Control* c : window.controls()) {
        if (c->kind() == platform::ControlKind::CommandButton) {
            EXPECT_EQ(c->enabled(), working.count(c) == 1) << c->name();
        }
        if (c->kind() == platform::ControlKind::Menu) {
            auto* menu = static_cast<platform::Menu*>(c);
            if (menu->parentMenu() && !menu->isSeparator() && menu->items().empty()) {
                EXPECT_EQ(menu->enabled(), working.count(c) == 1) << c->name();
            }
        }
    }
    // Marking the input changed keeps the calculate command usable.
    MarkInputChanged(m, window);
    EXPECT_TRUE(window.cmdLaske0.enabled());

    bool opened = false;
    ui.onModal("frmAbout", [&](platform::Form& about) {
        opened = true;
        ui.click(static_cast<frmAbout&>(about).cmdOK);
    });
    window.cmdTietoja.fireClick();
    EXPECT_TRUE(opened);
}

TEST_F(StartUp, GaugesAreStaleUntilResultsAndTurnGreyAgainOnAnInputChange) {
    frmQuorvel window(m, ui);
    start(window);
    EXPECT_EQ(shown(window.picOikeataipuma).first, Grey);

    m.SlabShearUtilisation[1] = 0.4;
    m.SlabBendingUtilisation[2] = -0.62;  // negative: exceeded, read with its sign
    m.UtilisationRatio = 1.2;
    m.BeamTopStrainMax = 0.35;  // a shortened seat over a negative allowed strain
    m.AllowedStrain = -0.5;
    m.ResultsValid = -1;
    window.paint();
    EXPECT_EQ(shown(window.picVasenleikkaus), std::make_pair(Green, std::string("40")));
    EXPECT_EQ(shown(window.picOikeataipuma), std::make_pair(platform::rgb(255, 0, 0), std::string("-62")));
    EXPECT_EQ(shown(window.picPalkkitaipuma), std::make_pair(platform::rgb(255, 0, 0), std::string("120")));
    EXPECT_EQ(shown(window.picVenyma), std::make_pair(platform::rgb(255, 0, 0), std::string("-70")));

    // An edge beam has no left slab field: its three gauges stay grey.
    m.IsMiddleBeam = 0;
    window.paint();
    EXPECT_EQ(shown(window.picVasenleikkaus), std::make_pair(Grey, std::string("40")));
    EXPECT_EQ(shown(window.picOikeataipuma).first, platform::rgb(255, 0, 0));

    // An input change: every gauge grey with its last number, the strain 0.
    window.txtOtsikko1.setText("muutettu");
    MarkInputChanged(m, window);
    EXPECT_EQ(m.ResultsValid, 0);
    EXPECT_EQ(shown(window.picOikeataipuma), std::make_pair(Grey, std::string("-62")));
    EXPECT_EQ(shown(window.picPalkkitaipuma), std::make_pair(Grey, std::string("120")));
    EXPECT_EQ(shown(window.picVenyma), std::make_pair(Grey, std::string("0")));
    EXPECT_FALSE(window.txtOntelotaytto1.visible());
    EXPECT_EQ(window.cmdTaulukko.caption(), "Laske");
}

TEST_F(StartUp, BothLanguageFilesHoldEveryCaptionOfBothWindows) {
    frmQuorvel window(m, ui);
    frmAbout about(m, ui);
    for (int16_t language : {int16_t{0}, int16_t{1}}) {
        for (const platform::Form* form : {static_cast<platform::Form*>(&window), static_cast<platform::Form*>(&about)})
            for (const platform::Control* c : form->controls()) {
                if (IsTranslatableControl(*c) == -1) {
                    EXPECT_NE(GetLanguageText(ui, language, form->name(), c->name()), "")
                        << language << " " << form->name() << "." << c->name();
                }
            }
        EXPECT_NE(GetLanguageText(ui, language, "frmQuorvel", "cmdTaulukkoLaskettu"), "");
        EXPECT_NE(GetLanguageText(ui, language, "frmAbout", "caption"), "");
    }
}

TEST_F(StartUp, SwitchingTheLanguageChangesCaptionsButNotNumbers) {
    frmQuorvel window(m, ui);
    start(window);
    window.txtVasenalkuvali.setText("6600");
    std::vector<std::string> texts;
    for (const platform::Control* c : window.controls())
        if (c->kind() == platform::ControlKind::TextBox)
            texts.push_back(static_cast<const platform::TextBox*>(c)->text());
    const std::string slabType = window.cboOikealaattatyyppi.text();

    int16_t english = 1;
    ApplyLanguage(window, english);
    EXPECT_EQ(window.Label10.caption(), "Beam spacings at the start");
    EXPECT_EQ(window.cmdLopeta.caption(), "E&xit");
    std::vector<std::string> after;
    for (const platform::Control* c : window.controls())
        if (c->kind() == platform::ControlKind::TextBox)
            after.push_back(static_cast<const platform::TextBox*>(c)->text());
    EXPECT_EQ(after, texts);
    EXPECT_EQ(window.cboOikealaattatyyppi.text(), slabType);
    EXPECT_EQ(window.txtVasenalkuvali.text(), "6600");
}

}  // namespace
}  // namespace quorvel::app
