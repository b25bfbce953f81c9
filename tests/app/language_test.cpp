// Language tables: captions from the language files, quoted entries, the
// missing-file messages.

#include "app/language.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/headless/headless_platform.h"
#include "runtime/text_file.h"

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;
using platform::Buttons;
using platform::HeadlessPlatform;
using platform::Icon;

class frmKieli : public platform::Form {
public:
    explicit frmKieli(platform::Platform& p) : Form(p, "frmKieli", "Kieli", 5000, 3000) {}
    platform::Menu mnuMain{*this, "mnuMain", "&Tiedosto"};
    platform::Menu cmdOhje{*this, "cmdOhje", "Käyttö&ohje", &mnuMain};
    platform::Menu mnu0{*this, "mnu0", "-", &mnuMain};
    platform::Label Label1{*this, "Label1", {0, 0, 1000, 255}, "Pysyvä hyötykuorma"};
    platform::Label fLabel5{*this, "fLabel5", {0, 300, 1000, 255}, "kN/m ²"};
    platform::Frame FraOtsikot{*this, "FraOtsikot", {0, 600, 3000, 900}, "&Otsikot"};
    platform::OptionButton optSuora{*this, "optSuora", {0, 1600, 1000, 255}, "&SUORA"};
    platform::CheckBox chkVaarnoitus{*this, "chkVaarnoitus", {0, 1900, 1000, 255}, "Vaarnoitus"};
    platform::CommandButton cmdTaulukko{*this, "cmdTaulukko", {0, 2200, 1455, 375}, "Laske"};
    platform::CommandButton cmdLaatasto{*this, "cmdLaatasto", {1500, 2200, 1455, 375}, "Laatasto"};
    platform::TextBox txtOtsikko1{*this, "txtOtsikko1", {0, 2600, 3000, 285}, "otsikko"};
};

class LanguageFiles : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("quorvel_language_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        ui.setProgramFolder(folder.string());
    }
    void TearDown() override { fs::remove_all(folder); }

    // Writes a language file as the program keeps them: Windows-1252, CR LF.
    void write(const std::string& name, const std::string& utf8Text) {
        std::ofstream out(folder / name, std::ios::binary);
        out << runtime::utf8ToCp1252(utf8Text);
    }

    fs::path folder;
    HeadlessPlatform ui;
};

TEST_F(LanguageFiles, CaptionsComeFromTheFileByFormAndControlName) {
    write("language.eng",
          "' English captions\r\n"
          "\r\n"
          "frmKieli.caption = Language\r\n"
          "'frmKieli.Label1 = commented out\r\n"
          "FRMKIELI.CMDOHJE = User's &guide\r\n"
          "frmKieli.Label1 =   Permanent imposed load  \r\n"
          "frmKieli.Label1 = second entry loses\r\n"
          "frmKieli.fLabel5 = kN/m2\r\n"
          "frmKieli.FraOtsikot =\r\n"
          "frmKieli.optSuora = &STRAIGHT\r\n"
          "frmKieli.chkVaarnoitus = Dowels\r\n"
          "frmKieli.cmdTaulukko = Calculate\r\n"
          "frmKieli.cmdTaulukkoLaskettu = Table\r\n"
          "frmKieli.cmdLaatasto = \"Slabs\"\r\n"
          "frmKieli.txtOtsikko1 = not a caption\r\n"
          "frmKieli.mnu0 = separator text\r\n");
    frmKieli f(ui);
    int16_t language = 1;
    ApplyLanguage(f, language);
    EXPECT_EQ(f.caption(), "Language");
    EXPECT_EQ(f.cmdOhje.caption(), "User's &guide") << "keys ignore case on both sides";
    EXPECT_EQ(f.Label1.caption(), "Permanent imposed load") << "the first entry wins, comments skipped";
    EXPECT_EQ(f.fLabel5.caption(), "kN/m ²") << "an fLabel is not translated";
    EXPECT_EQ(f.FraOtsikot.caption(), "&Otsikot") << "an empty value keeps the caption";
    EXPECT_EQ(f.optSuora.caption(), "&STRAIGHT");
    EXPECT_EQ(f.chkVaarnoitus.caption(), "Dowels");
    EXPECT_EQ(f.cmdTaulukko.caption(), "Calculate");
    EXPECT_EQ(f.cmdLaatasto.caption(), "\"Slabs\"") << "a caption value is used with its quotes";
    EXPECT_EQ(f.txtOtsikko1.text(), "otsikko");
    EXPECT_EQ(f.mnu0.caption(), "-") << "a menu separator keeps its caption";
    EXPECT_TRUE(ui.messages().empty());

    ApplyLanguage(f, language, -1);
    EXPECT_EQ(f.cmdTaulukko.caption(), "Table") << "with valid results the table entry is used";
}

TEST_F(LanguageFiles, FinnishTextsSurviveTheEightBitFile) {
    write("language.fin", "frmKieli.Label1=Pysyvä hyötykuorma\r\nfrmKieli.cmdOhje=Käyttö&ohje\r\n");
    frmKieli f(ui);
    f.Label1.setCaption("x");
    int16_t language = 0;
    ApplyLanguage(f, language);
    EXPECT_EQ(f.Label1.caption(), "Pysyvä hyötykuorma");
    EXPECT_EQ(GetLanguageText(ui, 0, "frmKieli", "CMDOHJE"), "Käyttö&ohje");
    EXPECT_EQ(GetLanguageText(ui, 0, "openFile", "title"), "") << "a missing entry gives the empty text";
}

TEST_F(LanguageFiles, MissingEnglishFileIsReportedInEnglishAndEndsTheProgram) {
    write("language.fin", "frmKieli.caption=Kieli\r\n");
    std::string path = folder.string() + "/language.eng";
    ui.expectMessage("File \"" + path + "\" not found", "Error", Buttons::Ok, Icon::Exclamation);
    ui.expectMessage("Language file is missing.\n\rProgram execution cancelled.", "Error", Buttons::Ok,
                     Icon::Critical);
    frmKieli f(ui);
    int16_t language = 1;
    EXPECT_THROW(ApplyLanguage(f, language), platform::ProgramEnded);
    EXPECT_TRUE(ui.programEnded());
}

TEST_F(LanguageFiles, MissingFileForGetLanguageTextLetsTheProgramGoOn) {
    std::string path = folder.string() + "/language.fin";
    ui.expectMessage("Tiedostoa \"" + path + "\" ei löydy", "Virhe", Buttons::Ok, Icon::Exclamation);
    ui.expectMessage("Kielitiedosto puuttuu.\n\rOhjelman ei toimi oikein.", "Virhe", Buttons::Ok, Icon::Critical);
    EXPECT_EQ(GetLanguageText(ui, 0, "saveFileAs", "title"), "");
    EXPECT_FALSE(ui.programEnded());
}

TEST_F(LanguageFiles, OtherLanguageIndexReadsLanguageFinOfTheCurrentFolder) {
    write("LANGUAGE.FIN", "openFile.title=Avaa\r\n");  // found whatever the case of its name
    fs::path before = fs::current_path();
    fs::current_path(folder);
    std::string found = GetLanguageText(ui, 2, "openFile", "title");
    fs::create_directories(folder / "empty");
    fs::current_path(folder / "empty");
    // Code 2001 has no file-not-found text: only the second message shows.
    ui.expectMessage("Kielitiedosto puuttuu.\n\rOhjelman ei toimi oikein.", "Virhe", Buttons::Ok, Icon::Critical);
    std::string missing = GetLanguageText(ui, 2, "openFile", "title");
    fs::current_path(before);
    EXPECT_EQ(found, "Avaa");
    EXPECT_EQ(missing, "");
    EXPECT_EQ(languageFilePath(2, ui), "language.fin");
}

TEST_F(LanguageFiles, QuotedEntriesRewindAndToleranceOfMalformedLines) {
    write("language.fin",
          "grid1ColCaption1 = \"Mitoittava\" arvo\r\n"
          "GRID1ROWCAPTION1=\"Leikkaus, kN\"\r\n"
          "grid2ColCaption1 = \"ilman loppulainausmerkkiä\r\n"
          "no equals sign \"x\"\r\n");
    runtime::TextFileReader file((folder / "language.fin").string());
    EXPECT_EQ(LookupQuotedEntry("grid1rowcaption1", file), "Leikkaus, kN");
    EXPECT_EQ(LookupQuotedEntry("grid1ColCaption1", file), "Mitoittava") << "the file is rewound first";
    EXPECT_EQ(LookupQuotedEntry("grid2ColCaption1", file), "ilman loppulainausmerkkiä");
    EXPECT_EQ(LookupQuotedEntry("grid3ColCaption1", file), "");
    EXPECT_EQ(LookupQuotedEntry("", file), "") << "a line without = has no key that matches";

    EXPECT_EQ(GetKeyPart("  a.b  =  c "), "a.b");
    EXPECT_EQ(GetKeyPart("no equals"), "");
    EXPECT_EQ(GetValueAfterEquals("a =  b = c"), "b = c");
    EXPECT_EQ(GetValueAfterEquals("no equals"), "no equals");
    EXPECT_EQ(GetQuotedValue("k = \"x\" \"y\""), "x");
}

TEST(IsTranslatableControl, ByNamePrefixIgnoringCase) {
    HeadlessPlatform ui;
    platform::Form f(ui, "frmX", "", 1000, 1000);
    platform::Label LABEL7(f, "LABEL7", {});
    platform::Label txtOntelotaytto1(f, "txtOntelotaytto1", {}, "HUOM!");
    platform::Frame ffraRaudoite(f, "ffraRaudoite", {});
    platform::PictureBox picVenyma(f, "picVenyma", {});
    platform::Menu mnuOhje(f, "mnuOhje", "&Ohje");
    platform::Menu mnu8(f, "mnu8", "-", &mnuOhje);
    platform::Menu cmdSep(f, "cmdSep", "-", &mnuOhje);
    EXPECT_EQ(IsTranslatableControl(LABEL7), -1);
    EXPECT_EQ(IsTranslatableControl(txtOntelotaytto1), 0);
    EXPECT_EQ(IsTranslatableControl(ffraRaudoite), 0);
    EXPECT_EQ(IsTranslatableControl(picVenyma), 0);
    EXPECT_EQ(IsTranslatableControl(mnuOhje), -1);
    EXPECT_EQ(IsTranslatableControl(mnu8), 0);
    EXPECT_EQ(IsTranslatableControl(cmdSep), -1) << "only mnu separators keep their caption";
}

}  // namespace
}  // namespace quorvel::app

namespace quorvel::app {
namespace {

// Every key of one shipped language file is in the other, once.
std::vector<std::string> keysOf(const std::string& name) {
    runtime::TextFileReader file(std::string(QUORVEL_SOURCE_DIR) + "/data/" + name);
    std::vector<std::string> keys;
    while (!file.eof()) {
        std::string line = file.readLine();
        std::string key = GetKeyPart(line);
        if (!key.empty() && line.find('\'') != 0) keys.push_back(key);
    }
    return keys;
}

TEST(ShippedLanguageFiles, BothLanguagesHaveTheSameKeysOnce) {
    auto fin = keysOf("language.fin");
    auto eng = keysOf("language.eng");
    EXPECT_EQ(fin, eng);
    std::vector<std::string> sorted = fin;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "a duplicate key";
    for (const char* k : {"openFile.title", "saveFileAs.title", "saveResultsAs.title",
                          "frmQuorvel.cmdTaulukkoLaskettu"})
        EXPECT_NE(std::find(fin.begin(), fin.end(), k), fin.end()) << k;
}

}  // namespace
}  // namespace quorvel::app
