// Every message of Open and Calculate in the window's language: each way a
// file, a data file or the input can be refused or flagged, met through the
// main window's commands in a Finnish and in an English window. No English
// message holds a Finnish word and no Finnish one an English word (word
// lists), and the two windows' messages of a problem share no word (a text
// left untranslated shows alike in both); what the messages quote (file
// names and paths, quoted values, type names, numbers and lines of the
// files) belongs to no language. A field is named in the window's language
// only, never by the model's name of it ("BeamSpan").

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <functional>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/frm_quorvel.h"
#include "app/slab_catalogue.h"
#include "main_window_fixture.h"
#include "model/project_defaults.h"
#include "platform/headless/headless_platform.h"
#include "runtime/text_file.h"
#include "support/test_support.h"

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;

// The main window on a new project over its own copy of the delivered data
// folder (also the program folder), in the language given; every message
// box is answered with its first button and recorded.
struct Session {
    explicit Session(int16_t language) {
        for (const auto& entry : fs::directory_iterator(QUORVEL_SOURCE_DIR "/data"))
            fs::copy_file(entry.path(), folder.path() / entry.path().filename());
        m.DataPath = folder.dataPath();
        m.SlabFileName = "ONTELO.MIT";
        m.StrandFileName = "PUNOS.VAT";
        LoadSlabCatalogue(m);
        model::ResetProjectDefaults(m);
        m.IsMiddleBeam = 1;
        ui.setProgramFolder(folder.dataPath());
        w.onLoad = nullptr;
        w.show();
        w.RefreshMainForm();
        ui.click(language == 1 ? w.cmdEnglanti : w.cmdSuomi);
        m.InputChanged = 0;
        this->language = language;
    }

    // The lines of a fixture project, its language the window's.
    std::vector<std::string> projectLines() const {
        runtime::TextFileReader source(std::string(QUORVEL_FIXTURES_DIR) + "/inputfiles/concrete_middle_beam.dat");
        std::vector<std::string> lines;
        while (!source.eof()) lines.push_back(source.readLine());
        lines.back() = " " + std::to_string(language);  // the language record
        return lines;
    }
    void writeLines(const std::string& name, const std::vector<std::string>& lines) const {
        std::string bytes;
        for (const std::string& line : lines) bytes += runtime::utf8ToCp1252(line) + "\r\n";
        folder.writeRaw(name, bytes);
    }
    // Opens the fixture project with line index `at` replaced.
    void openChanged(std::size_t at, const std::string& text) {
        std::vector<std::string> lines = projectLines();
        lines[at] = text;
        writeLines("project.dat", lines);
        open(folder.file("project.dat"));
    }
    // Opens a file of these bytes, or a folder of that name.
    void openBytes(const std::string& name, const std::optional<std::string>& bytes) {
        if (bytes)
            folder.writeRaw(name, *bytes);
        else
            fs::create_directory(folder.path() / name);
        open(folder.file(name));
    }
    // Opens a file as the user does, declining to save the project first.
    void open(const std::string& path) {
        testing::declineSaveQuestions(ui, m);
        ui.answerFileDialog(path);
        ui.click(w.cmdAvaalahto);
    }
    void calculate() { ui.click(w.cmdLaske0); }
    // Replaces text in a data file of the folder.
    void replaceIn(const std::string& name, const std::string& from, const std::string& to) const {
        std::string bytes = folder.read(name);
        const std::size_t at = bytes.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        bytes.replace(at, from.size(), to);
        folder.writeRaw(name, bytes);
    }

    int16_t language = 0;
    quorvel::testing::TempFolder folder;
    platform::HeadlessPlatform ui;
    model::ProjectModel m;
    frmQuorvel w{m, ui};
};

// A project naming the beam library KIRJASTO for its SUORA section.
void openWithLibrary(Session& s) {
    s.folder.write("KIRJASTO.mit", {"SUORA 2 0 0 0 2 600 480", "LOPPU"});
    std::vector<std::string> lines = s.projectLines();
    lines[7] = "KIRJASTO SUORA  7200 50  1";
    lines.erase(lines.begin() + 8);
    s.writeLines("library.dat", lines);
    s.open(s.folder.file("library.dat"));
}

struct ProblemPath {
    const char* name;
    std::function<void(Session&)> act;
    std::vector<std::string> fileText = {};  // lines of the files that the messages quote
};

// The words of a message that belong to a language: without what it
// quotes (the case's file lines, text in double quotes, paths, file names)
// and without numbers. A word is a run of
// letters (any non-ASCII byte counts as one), lower-cased.
std::vector<std::string> languageWords(std::string text, const std::vector<std::string>& fileText) {
    for (const std::string& quoted : fileText)
        for (std::size_t at; (at = text.find(quoted)) != std::string::npos;) text.replace(at, quoted.size(), " ");
    static const std::regex quoted(R"("[^"]*"|\S*/\S*|[\w-]+\.[A-Za-z0-9]{1,4}\b)");
    text = std::regex_replace(text, quoted, " ");
    std::vector<std::string> words;
    std::string word;
    for (char c : text + " ") {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalpha(byte) || byte >= 0x80) {
            word += static_cast<char>(std::tolower(byte));
            continue;
        }
        if (word.size() > 1) words.push_back(word);
        word.clear();
    }
    return words;
}

// The Finnish of a message: a letter English does not write, or a word or
// the start of a word the program's Finnish messages use.
bool finnishWord(const std::string& word) {
    for (const char* letter : {"ä", "ö", "å"})
        if (word.find(letter) != std::string::npos) return true;
    static const char* const stems[] = {
        "virhe",  "tuntemat", "tiedost", "laatta",  "laatan",    "palki",  "palkk",   "rivi",    "laske",
        "puuttu", "arvo",     "kentt",   "tyyppi",  "olevat",    "korjaa", "ontelo",  "lukuj",   "liian",
        "ohjelm", "kieli",    "tallenn", "haluat",  "jatka",     "muokka", "varoitus", "huom",   "ristiriit",
        "punos",  "ennalla",  "kansio",  "keskeyt", "raport",    "vaatii", "pintabet", "raudoit", "paksuus",
        "leveys", "korkeus",  "valittu", "avata",   "tuloks",    "oikea",  "vasen",   "lopeta",  "kirjasto",
    };
    for (const char* stem : stems)
        if (word.rfind(stem, 0) == 0) return true;
    for (const char* w : {"ei", "voi", "ja", "ole", "tai", "kun", "ovat", "jota", "se", "sen"})
        if (word == w) return true;
    return false;
}

// The English of a message: a word of the program's English messages that
// Finnish does not write.
bool englishWord(const std::string& word) {
    static const char* const words[] = {
        "the",      "file",     "files",   "line",     "lines",     "not",        "is",       "are",
        "error",    "errors",   "cannot",  "missing",  "unknown",   "value",      "values",   "calculation",
        "calculated", "slab",   "slabs",   "beam",     "type",      "types",      "too",      "few",
        "numbers",  "number",   "of",      "and",      "in",        "was",        "found",    "input",
        "opened",   "kept",     "window",  "project",  "outside",   "limits",     "correct",  "catalogue",
        "language", "report",   "divide",  "zero",     "holds",     "with",       "only",     "from",
        "could",    "be",       "has",     "save",     "warning",   "note",       "needed",   "table",
        "text",     "program",  "you",     "want",     "to",        "go",         "editing",  "before",
        "an",       "it",       "its",     "this",     "that",      "for",        "by",       "folder",
        "does",     "exist",    "disk",    "read",     "written",   "used",       "use",      "strand",
        "key",      "keys",     "core",    "cores",    "allowed",   "height",     "width",    "thickness",
        "topping",  "always",   "needs",   "give",     "messages",  "while",      "changed",  "large",
        "binary",   "ends",     "early",   "left",     "right",     "start",      "end",      "chosen",
        "field",
    };
    for (const char* w : words)
        if (word == w) return true;
    return false;
}

// Words both languages' messages write: the program's title, beam type names,
// the units, the name of the coefficient k_cd and the symbol fyk of a
// strength box's caption.
const std::set<std::string> sharedNames = {"quorvel", "suora", "hx", "cwq", "mm", "knm", "mpa", "cd", "fyk"};

TEST(MessageLanguage, EveryProblemOfOpenAndCalculateIsSaidInTheWindowsLanguage) {
    const ProblemPath paths[] = {
        // Open: files refused whole or by a line, with the project kept.
        {"a folder", [](Session& s) { s.openBytes("kansio.dat", std::nullopt); }},
        {"a file too large", [](Session& s) { s.openBytes("big.dat", std::string(1024 * 1024 + 1, 'x')); }},
        {"binary content", [](Session& s) { s.openBytes("bin.dat", std::string("\x01\x02\x03", 3)); }},
        {"a file that ends early", [](Session& s) {
             std::vector<std::string> lines = s.projectLines();
             lines.resize(11);
             s.writeLines("short.dat", lines);
             s.open(s.folder.file("short.dat"));
         }},
        {"a short line", [](Session& s) { s.openChanged(13, " 10 10 90"); }},
        {"a count outside its range", [](Session& s) { s.openChanged(9, " 200000  500 900"); }},
        {"a value outside its limits", [](Session& s) { s.openChanged(4, "P27 10L 0  900 20 40 1  50 -7800 7200"); }},
        {"a value above the field that bounds it", [](Session& s) { s.openChanged(10, " 5 491 45 501"); }},
        {"a text that is no number", [](Session& s) { s.openChanged(4, "P27 10L 0  900 20 4O 1  50 7200 7200"); }},
        {"a fraction in a whole-number field", [](Session& s) { s.openChanged(8, "SUORA 2.9999 0 2 600 480"); }},
        {"a decimal comma before the last field", [](Session& s) { s.openChanged(8, "SUORA 2 0 2 600,5 480"); }},
        {"a tab between two fields", [](Session& s) { s.openChanged(10, " 5\t491 45 1E-05"); }},
        {"a beam family the window lacks", [](Session& s) {
             std::vector<std::string> lines = s.projectLines();
             lines[7] = "0 HX  7200 355 355 355";
             lines[8] = "HX 1 1 9 300 10 20 300 20 500 150 150 200";
             lines.erase(lines.begin() + 9, lines.begin() + 12);
             s.writeLines("hx.dat", lines);
             s.open(s.folder.file("hx.dat"));
         }},
        {"a missing beam library", [](Session& s) { s.openChanged(7, "PUUTTUU SUORA  7200 50  1"); }},
        {"a beam library without the type", [](Session& s) {
             openWithLibrary(s);
             s.folder.write("KIRJASTO.mit", {"BLEUKA 2 0 0 0 6 700 300 300 300 0 200", "LOPPU"});
             s.open(s.folder.file("library.dat"));
         }},
        {"a slab catalogue that does not load", [](Session& s) { s.openChanged(2, "XYZ"); }},
        {"a beam library as the slab catalogue", [](Session& s) {
             s.folder.write("HQLIB.MIT", {"HQ400 1 0 220 30 2 S355", "LOPPU"});
             s.openChanged(2, "HQLIB");
         }, {"LOPPU1"}},
        {"a slab type the catalogue lacks",
         [](Session& s) { s.openChanged(4, "P99 10L 0  900 20 40 1  50 7200 7200"); }},
        {"the save questions before Open", [](Session& s) {
             s.m.InputChanged = -1;
             s.openChanged(0, "Otsikko");
         }},
        // Calculate: checks before the run.
        {"an oversized data file", [](Session& s) {
             s.folder.writeRaw("kef.da0", s.folder.read("kef.da0") + std::string(1024 * 1024, ' '));
             s.calculate();
         }},
        {"an unsound report language file", [](Session& s) {
             s.folder.writeRaw("resultLanguage.fin", "ei avainta\r\n");
             s.folder.writeRaw("resultLanguage.eng", "no key\r\n");
             s.calculate();
         }, {"ei avainta", "no key"}},
        {"report headings cut short", [](Session& s) {
             for (const char* name : {"TEKSTIT0.DA0", "TEKSTIT1.DA0"})
                 s.folder.writeRaw(name, s.folder.read(name).substr(0, 200));
             s.calculate();
         }},
        {"a coefficient table value", [](Session& s) {
             s.replaceIn("kef.da0", "1,150,0.10,0.5", "1,150,-1,0.5");
             s.calculate();
         }},
        {"a slab type missing from the catalogue", [](Session& s) { s.m.SlabTypeName(2) = "P99"; s.calculate(); }},
        {"a value outside its limits", [](Session& s) { s.m.BeamSpan = 0.5; s.calculate(); }},
        {"contradicting input", [](Session& s) {
             s.ui.typeOver(s.w.txtVasentukipituus, "150");
             s.ui.typeOver(s.w.txtOikeatukipituus, "150");
             s.calculate();
         }},
        {"a CWQ topping", [](Session& s) {
             s.w.OptCWQ.setValue(true);  // hidden: chosen from code
             s.w.txtPintapaksuus.setText("40");
             s.w.txtRaudoiteala.setText("0");
             s.ui.answerNext(platform::Answer::No);
             s.ui.answerNext(platform::Answer::No);
             s.calculate();
         }},
        // Calculate: what the run's readers meet.
        {"a strand key the catalogue lacks", [](Session& s) {
             s.replaceIn("ONTELO.MIT", "0 12.5 93 1860 3.2 195000 / Y1860S7 12.5\r\n", "");
             s.calculate();
         }},
        {"a slab type gone from the catalogue file", [](Session& s) {
             s.replaceIn("ONTELO.MIT", "P27 6 265", "P28 6 265");
             s.calculate();
         }, {"LOPPU"}},
        {"a catalogue text that is no number", [](Session& s) {
             s.replaceIn("ONTELO.MIT", "1200 20 110 3.60", "1200 20 110 3.6O");
             s.calculate();
         }},
        {"a coefficient table text that is no number", [](Session& s) {
             s.replaceIn("kef.da0", "1,150,0.10,0.5", "1,150,0.1O,0.5");
             s.calculate();
         }},
        {"a catalogue value outside its limits", [](Session& s) {
             s.replaceIn("ONTELO.MIT", "P27 6 265", "P27 0 265");
             s.calculate();
         }},
        {"a core cap higher than half the core", [](Session& s) {
             s.replaceIn("ONTELO.MIT", "P27 6 265 35 190", "P27 6 265 35 205");
             s.calculate();
         }},
        {"a short catalogue line", [](Session& s) {
             s.replaceIn("ONTELO.MIT", "TYYPPI onteloita h h.fy h.c h.ct h.v b.c b.ca b.hc db e.r g gd c14 ap l.tuki",
                         "TYYPPI h");
             s.calculate();
         }, {"TYYPPI h"}},
        {"flagged lines of the work file", [](Session& s) {
             openWithLibrary(s);
             s.folder.write("KIRJASTO.mit", {"BLEUKA 2 0 0 0 6 700 300 300 300 0 200", "LOPPU"});
             s.calculate();
         }, {"LOPPU"}},
        {"a beam library as the catalogue of the run", [](Session& s) {
             s.folder.write("HQLIB.MIT", {"HQ400 1 0 220 30 2 S355", "LOPPU"});
             s.m.SlabFileName = "HQLIB.MIT";
             s.calculate();
         }, {"HQ400 1 0 220 30 2 S355", "LOPPU"}},
        {"a removed catalogue", [](Session& s) { fs::remove(s.folder.path() / "ONTELO.MIT"); s.calculate(); }},
        {"a removed work folder", [](Session& s) { s.m.WorkPath = s.folder.dataPath() + "poistettu/"; s.calculate(); }},
        {"no moment left to crack the section", [](Session& s) {
             s.w.optDelta.setValue(true);
             s.m.SupportMomentStartPermanent = -10000;
             s.m.SupportMomentEndPermanent = -10000;
             s.calculate();
         }},
        {"a missing report language file", [](Session& s) {
             fs::remove(s.folder.path() / "resultLanguage.fin");
             fs::remove(s.folder.path() / "resultLanguage.eng");
             s.ui.click(s.w.cmdTeksti);
         }},
    };
    for (const ProblemPath& path : paths) {
        SCOPED_TRACE(path.name);
        std::vector<std::string> said[2];
        std::set<std::string> vocabulary[2];
        for (int16_t language : {0, 1}) {
            Session s(language);
            s.ui.clearMessages();
            path.act(s);
            EXPECT_EQ(s.m.LanguageIndex, language) << "the window kept its language";
            for (const platform::RecordedMessage& message : s.ui.messages()) {
                const std::string text = message.title + "\n" + message.text;
                said[language].push_back(text);
                static const std::regex modelName(R"(\b[A-Z][a-z]+[A-Z]\w*)");
                EXPECT_FALSE(std::regex_search(text, modelName)) << "a model's field name in:\n" << text;
                for (const std::string& word : languageWords(text, path.fileText)) {
                    vocabulary[language].insert(word);
                    const bool otherLanguage = language == 1 ? finnishWord(word) : englishWord(word);
                    EXPECT_FALSE(otherLanguage) << "\"" << word << "\" of the other language in:\n" << text;
                }
            }
        }
        EXPECT_FALSE(said[0].empty()) << "the path says something";
        EXPECT_EQ(said[0].size(), said[1].size()) << "as many messages in both languages";
        // A text shown in both windows alike is in one language only: the
        // two windows' messages share no word but the names both quote.
        for (const std::string& word : vocabulary[0])
            EXPECT_TRUE(!vocabulary[1].count(word) || sharedNames.count(word))
                << "\"" << word << "\" in both languages' messages";
        EXPECT_EQ(std::set<std::string>(said[1].begin(), said[1].end()).size(), said[1].size())
            << "no message is shown twice";
    }
}

// The word lists find a message of the other language, and pass what a
// message only quotes.
TEST(MessageLanguage, TheWordListsTellTheLanguagesApart) {
    struct Case {
        std::string text;
        bool finnish, english;
    } cases[] = {
        {"*** VIRHE ***:Punostunnus X tuntematon", true, false},
        {"Laattatiedostossa olevat punostunnukset", true, false},
        {"Palkin materiaaliparametreja liian vähän", true, false},
        {"*** ERROR ***: strand key X unknown", false, true},
        {"The file /tmp/virhe/laatta.dat cannot be opened", false, true},
        {"Tiedostoa /tmp/the/file.dat ei voi avata", true, false},
        {"Rivi 5: kentän Palkkivälit alkupäässä, oikea arvo \"the value\" ei ole rajoissa", true, false},
        {"ONTELO.MIT quorvel.err 1E+39 \"rivi\"", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        bool finnish = false, english = false;
        for (const std::string& word : languageWords(c.text, {})) {
            finnish = finnish || finnishWord(word);
            english = english || englishWord(word);
        }
        EXPECT_EQ(finnish, c.finnish);
        EXPECT_EQ(english, c.english);
    }
}

}  // namespace
}  // namespace quorvel::app
