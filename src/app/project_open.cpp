// Opening a project file: the file is read twice (the refresh between the
// reads selects the beam type's option, whose handler writes the type's
// defaults; the second read puts the file's values back). A file that cannot
// be used is named in one message with its line and what is wrong, and
// leaves nothing of itself: the program holds a new project, with the data
// files and the language it had before.

#include <filesystem>
#include <system_error>

#include "app/beam_types.h"
#include "app/frm_quorvel.h"
#include "app/slab_catalogue.h"
#include "inputfile/input_file_reader.h"
#include "model/topping_load.h"
#include "runtime/text_file.h"

namespace quorvel::app {

namespace {

// No project file comes near this size; a larger file is not a project and
// is not read into memory.
constexpr std::uintmax_t LargestProjectFile = 1024 * 1024;

std::string inLanguage(int16_t language, const std::string& finnish, const std::string& english) {
    return language == 1 ? english : finnish;
}

// The one message of a refused file.
std::string refusalText(int16_t language, const std::string& fileName, const inputfile::LineProblem& problem) {
    const std::string line = std::to_string(problem.line);
    if (language == 1)
        return "The file " + fileName + " cannot be opened.\r\n" +
               (problem.line > 0 ? "Line " + line + ": " : std::string()) + problem.english +
               ".\r\nA new project is opened.";
    return "Tiedostoa " + fileName + " ei voi avata.\r\n" +
           (problem.line > 0 ? "Rivi " + line + ": " : std::string()) + problem.finnish +
           ".\r\nAvataan uusi projekti.";
}


}  // namespace

bool frmQuorvel::readProjectFile(const std::string& fileName) {
    model::ProjectModel& m = model_;
    const int16_t language = m.LanguageIndex;
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(fileName, sizeError);
    if (!sizeError && size > LargestProjectFile) {
        platform().messageBox(inLanguage(language,
                                         "Tiedosto " + fileName + " on liian suuri lähtötiedoiksi (yli 1 Mt).",
                                         "File " + fileName + " is too large for input data (over 1 MB)."));
        return false;
    }

    // What the program holds apart from the project: a refused file must
    // not leave its catalogue name, language or anything else behind.
    const model::ProjectModel before = m;
    auto refuse = [&](const std::string& text) {
        platform().messageBox(text);
        m = before;
        NewProject();
        return false;
    };

    m.IsMiddleBeam = 1;
    optKeskipalkki.setValue(true);
    auto problem = inputfile::ReadProjectFile(m, platform(), fileName);
    if (!problem && !findBeamTypeByFamily(m.BeamFamilyCode())) {
        // HX, SX and XX projects have no option in this window: showing
        // them would silently turn them into a default beam.
        return refuse(inLanguage(
            language, "Palkkityyppiä " + m.BeamTypeName + " ei voi käsitellä tässä ikkunassa. Avataan uusi projekti.",
            "Beam type " + m.BeamTypeName + " cannot be shown in this window. A new project is opened."));
    }
    if (!problem) {
        RefreshMainForm();
        problem = inputfile::ReadProjectFile(m, platform(), fileName);
    }
    if (problem) return refuse(refusalText(language, fileName, *problem));

    // The project's slab catalogue is the one its slab types come from. A
    // catalogue that does not load (missing here, a file of another kind)
    // would fail every calculation: the one loaded before stands in, and
    // the user is told why.
    if (auto fault = LoadSlabCatalogueOrFault(m)) {
        platform().messageBox(inLanguage(
            language,
            "Projektin ontelolaattatiedostoa " + m.SlabFileName + " ei voi käyttää. " + fault->text(0) +
                " Käytetään tiedostoa " + before.SlabFileName + ".",
            "The project's slab catalogue " + m.SlabFileName + " cannot be used. " + fault->text(1) + " " +
                before.SlabFileName + " is used."));
        m.SlabFileName = before.SlabFileName;
    }
    // A slab type the catalogue lacks stays the project's: it is named, and
    // Calculate refuses it until the user chooses a type.
    if (const auto u = FindUnlistedSlabType(m, {Label26.caption(), Label31.caption()})) {
        platform().messageBox(inLanguage(
            language,
            "Laattatyyppiä \"" + u->type + "\" (" + u->side + ") ei ole laattatiedostossa " + u->catalogue +
                ". Laskentaa ei tehdä, ennen kuin laattatyyppi on valittu.",
            "The slab type \"" + u->type + "\" (" + u->side + ") is not in the slab catalogue " + u->catalogue +
                ". Nothing is calculated until a slab type is chosen."));
    }
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

}  // namespace quorvel::app
