// Opening a project file. The file is first read into a copy of the
// project: a file that cannot be used (larger than any project, binary, a
// line that cannot be read, a value outside the limits of its field, a
// beam type this window cannot show) is named in one message with what is
// wrong, and the project in the window, its results, data files and
// language stay as they were, whatever the refusal. Only a file that read
// whole is read into the project itself, twice: the refresh between the
// reads selects the beam type's option, whose handler writes the type's
// defaults; the second read puts the file's values back. Both reads start
// from a new project's defaults.

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>


#include "app/beam_types.h"
#include "app/frm_quorvel.h"
#include "app/language.h"
#include "app/slab_catalogue.h"
#include "inputfile/input_file_reader.h"
#include "inputfile/text_fields.h"
#include "model/beam_rules.h"
#include "model/project_defaults.h"
#include "model/topping_load.h"
#include "platform/forms/utf8.h"
#include "runtime/data_files.h"
#include "runtime/messages.h"
#include "runtime/text_file.h"

namespace quorvel::app {

namespace {

std::string sentence(std::string text) {
    if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

// A data file's name as it stands on disk in the folder (the lookup
// ignores letter case: "ONTELO.MIT" for a project's "ONTELO.mit"), or as
// given when there is none.
std::string nameOnDisk(const std::string& folder, const std::string& name) {
    const auto found = runtime::findFileIgnoringCase(folder.empty() ? "." : folder, name);
    return found ? std::filesystem::path(*found).filename().string() : name;
}

// The one message of a refused file.
std::string refusalText(int16_t language, const std::string& fileName, const inputfile::LineProblem& problem) {
    const std::string line = std::to_string(problem.line);
    if (language == 1)
        return "The file " + fileName + " cannot be opened.\r\n" +
               (problem.line > 0 ? "Line " + line + ": " + problem.english : sentence(problem.english)) +
               ".\r\nThe project in the window is kept as it was.";
    return "Tiedostoa " + fileName + " ei voi avata.\r\n" +
           (problem.line > 0 ? "Rivi " + line + ": " + problem.finnish : sentence(problem.finnish)) +
           ".\r\nIkkunan projekti säilyy ennallaan.";
}


// What a name that is not a regular file names ("a named pipe"); nothing
// for a regular or a missing file.
std::optional<inputfile::LineProblem> notAFile(const std::string& fileName) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status kind = fs::status(fileName, error);
    if (!fs::exists(kind) || fs::is_regular_file(kind)) return std::nullopt;
    auto problem = [](const std::string& finnish, const std::string& english) {
        return inputfile::LineProblem{0, "se ei ole tiedosto vaan " + finnish, "it is " + english + ", not a file"};
    };
    if (fs::is_directory(kind)) return problem("kansio", "a folder");
    if (fs::is_fifo(kind)) return problem("nimetty putki", "a named pipe");
    if (fs::is_socket(kind)) return problem("pistoke", "a socket");
    return problem("laite", "a device");
}

// Why the file does not open for reading, in words of both languages:
// the cause the system gives (no read permission, a loop of symbolic
// links), never a bare error number; nothing when it opens.
std::optional<inputfile::LineProblem> unreadable(const std::string& fileName) {
    const auto cause = runtime::whyUnreadable(fileName);
    if (!cause) return std::nullopt;
    return inputfile::LineProblem{0, "tiedostoa ei voi lukea: " + cause->first,
                                  "the file cannot be read: " + cause->second};
}

// A copy of the project as a new project starts (the file is read into
// one): a middle beam with every input field at its default.
std::unique_ptr<model::ProjectModel> newProjectCopy(const model::ProjectModel& m) {
    auto copy = std::make_unique<model::ProjectModel>(m);
    model::ResetNewProjectInput(*copy);
    copy->IsMiddleBeam = 1;
    return copy;
}

// What makes the file unfit to open, found on a copy of the project as the
// file would make it; nothing when the file can be opened.
std::optional<inputfile::LineProblem> projectFileProblem(const model::ProjectModel& m, const std::string& fileName) {
    // Only a regular file is read: a named pipe would hold the program until
    // another program wrote to it.
    if (auto problem = notAFile(fileName)) return problem;
    if (auto problem = unreadable(fileName)) return problem;
    auto copy = newProjectCopy(m);
    if (auto problem = inputfile::ReadProjectFile(*copy, fileName)) return problem;
    // A file with left spacings opens as a middle beam: its left slab's
    // values bind as the right one's, as they will at Calculate.
    if (!model::LeftSpacingsEmpty(*copy)) {
        copy = newProjectCopy(m);
        if (auto problem = inputfile::ReadProjectFile(*copy, fileName, true)) return problem;
    }
    // A file that names another slab catalogue: its strand designations
    // are held to that one, which Open loads (or, when it does not load,
    // to the one loaded before, which stands in for it).
    if (copy->SlabFileName != m.SlabFileName) {
        LoadSlabCatalogueOrFault(*copy);
        if (auto problem = inputfile::findStrandProblem(*copy, !model::LeftSpacingsEmpty(*copy)))
            return problem;
    }
    // HX, SX and XX projects have no option in this window: showing them
    // would silently turn them into a default beam.
    if (!findBeamTypeByFamily(copy->Family()))
        return inputfile::LineProblem{0, "palkkityyppiä " + copy->BeamTypeName + " ei voi käsitellä tässä ikkunassa",
                                      "beam type " + copy->BeamTypeName + " cannot be shown in this window"};
    return std::nullopt;
}

// The title boxes of the window hold this many characters; a longer title
// line of a file is cut to it.
constexpr std::size_t TitleCharacters = 70;

// Cuts a title to the characters the window shows; whether it was longer.
bool heldToTitleBox(std::string& title) {
    const std::vector<char32_t> characters = platform::utf8::decode(title);
    if (characters.size() <= TitleCharacters) return false;
    std::string held;
    for (std::size_t i = 0; i < TitleCharacters; ++i) held += platform::utf8::encode(characters[i]);
    title = held;
    return true;
}

}  // namespace

bool frmQuorvel::readProjectFile(const std::string& fileName) {
    model::ProjectModel& m = model_;
    const int16_t language = m.LanguageIndex;
    if (auto problem = projectFileProblem(m, fileName)) {
        platform().messageBox(refusalText(language, fileName, *problem));
        return false;
    }

    // The file is read into a new project, so that nothing it does not
    // set (load and hole slots beyond its counts, reinforcement rows beyond
    // its rows, results) stays of the project before.
    const auto before = std::make_unique<model::ProjectModel>(m);
    startNewProject();
    m.IsMiddleBeam = 1;
    auto problem = inputfile::ReadProjectFile(m, fileName);
    if (!problem) {
        RefreshMainForm();
        problem = inputfile::ReadProjectFile(m, fileName);
    }
    if (problem || !findBeamTypeByFamily(m.Family())) {
        // The file was changed between the check and these reads: the
        // project comes back as it was, its results to be calculated anew.
        const inputfile::LineProblem changed{0, "tiedosto muuttui luettaessa", "the file changed while it was read"};
        platform().messageBox(refusalText(language, fileName, problem ? *problem : changed));
        restoreProject(*before);
        return false;
    }

    // The project's slab catalogue is the one its slab types come from. A
    // catalogue that does not load (missing here, a file of another kind)
    // would fail every calculation: the one loaded before stands in, and
    // the user is told why.
    // Both are said in one message.
    std::string notice;
    auto say = [&notice](const std::string& text) { notice += (notice.empty() ? "" : "\r\n\r\n") + text; };
    // The report, the title bar and Save take the titles as the window
    // shows them.
    for (auto [title, line] : {std::pair{&m.TitleLine1, 1}, std::pair{&m.TitleLine2, 2}})
        if (heldToTitleBox(*title))
            say(byLanguage(language,
                           "Rivin " + std::to_string(line) + " otsikko on yli " + std::to_string(TitleCharacters) +
                               " merkkiä pitkä; siitä käytetään " + std::to_string(TitleCharacters) +
                               " ensimmäistä merkkiä.",
                           "The title on line " + std::to_string(line) + " is longer than " +
                               std::to_string(TitleCharacters) + " characters; its first " +
                               std::to_string(TitleCharacters) + " characters are used."));
    // A file an editor saved as UTF-8 may hold characters the project file
    // cannot (Save would write them as "?"): the first is named.
    if (const auto unheld = inputfile::FirstUnheldCharacter(fileName))
        say(byLanguage(language, "Rivi " + std::to_string(unheld->line) + ": " + unheld->finnish + ".",
                       "Line " + std::to_string(unheld->line) + ": " + unheld->english + "."));
    if (auto fault = LoadSlabCatalogueOrFault(m)) {
        // A name no file can have (a line of thousands of characters) is
        // quoted by its start, so that the reason stays in the box.
        const std::string catalogue = runtime::startOfLongText(nameOnDisk(m.DataPath, m.SlabFileName));
        const std::string standIn = nameOnDisk(before->DataPath, before->SlabFileName);
        say(byLanguage(language,
                       "Projektin ontelolaattatiedostoa " + catalogue + " ei voi käyttää. " + fault->text(0) +
                           " Käytetään tiedostoa " + standIn + ".",
                       "The project's slab catalogue " + catalogue + " cannot be used. " + fault->text(1) + " " +
                           standIn + " is used."));
        m.SlabFileName = before->SlabFileName;
    }
    // A slab type the catalogue lacks stays the project's: it is named, and
    // Calculate refuses it until the user chooses a type.
    if (const auto u = FindUnlistedSlabType(m, {Label26.caption(), Label31.caption()})) {
        say(byLanguage(language,
                       "Laattatyyppiä \"" + u->type + "\" (" + u->side + ") ei ole laattatiedostossa " +
                           u->catalogue + ". Laskentaa ei tehdä, ennen kuin laattatyyppi on valittu.",
                       "The slab type \"" + u->type + "\" (" + u->side + ") is not in the slab catalogue " +
                           u->catalogue + ". Nothing is calculated until a slab type is chosen."));
    }
    // A beam section that cannot be built opens, to be mended in the beam
    // dialog: the rule it breaks and the box that mends it are said here,
    // and Calculate and the dialog's OK refuse it until then.
    if (const auto section = model::beamSectionBreach(m, m.IsMiddleBeam != 0)) {
        const std::string button = cmdPalkki.caption();
        say(model::beamBreachMessage(*section, "palkin ikkunassa (painike " + button + ")",
                                     "in the beam dialog (the " + button + " button)")
                .text(language) +
            byLanguage(language, " Laskentaa ei tehdä, ennen kuin se on korjattu.",
                       " Nothing is calculated until it is mended."));
    }
    if (!notice.empty()) platform().messageBox(notice);
    // The topping load is derived from the topping and the slab levels;
    // the value the file holds may stem from other data. It is what a
    // Calculate will use.
    model::ComputeToppingLoad(m);
    // The file's language, as far as the program has one.
    if (m.LanguageIndex != 0 && m.LanguageIndex != 1) m.LanguageIndex = 0;
    switchLanguage(m.LanguageIndex);
    m.InputFilePath = fileName;
    m.ResultsFilePath.clear();
    m.InputFileTitle = fileName;
    m.ResultsFileTitle.clear();
    return true;
}

// The window shows the project again: the first refresh selects its beam
// type's option (whose handler writes the type's defaults), the second,
// on the project put back once more, shows its own values.
void frmQuorvel::restoreProject(const model::ProjectModel& before) {
    model::ProjectModel& m = model_;
    for (int pass = 0; pass < 2; ++pass) {
        m = before;
        RefreshMainForm();
    }
    m = before;
    MarkResultsInvalid(m, *this);
    showProjectTitle();
}

}  // namespace quorvel::app
