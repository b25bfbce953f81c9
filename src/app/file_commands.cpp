// The file menu of the main window: new project, open an input file, save
// the input and the report under their names or new ones, and quit. Every
// file goes through the input file reader and writer or the report writer,
// which write a temporary file and rename it over the old one only when the
// whole file was written, so a failed save leaves the old file whole. The
// file dialogs open in the project's folder, else the one last used.

#include <unistd.h>

#include <filesystem>
#include <new>
#include <system_error>

#include "analysis/slabs_on_beam.h"
#include "app/beam_types.h"
#include "app/frm_quorvel.h"
#include "app/frm_quorvel_handlers.h"
#include "app/language.h"
#include "app/report_text.h"
#include "app/settings.h"
#include "inputfile/input_file_reader.h"
#include "inputfile/input_file_writer.h"
#include "inputfile/text_fields.h"
#include "model/project_defaults.h"
#include "report/results_file.h"
#include "runtime/errors.h"
#include "runtime/text_file.h"

namespace quorvel::app {

namespace {

using platform::Answer;
using platform::Buttons;
using platform::FileDialogRequest;
using platform::Icon;
namespace FileFlags = platform::FileFlags;

// The filters of the file dialogs, in the project's language.
std::string inputFilter(const model::ProjectModel& m) {
    return byLanguage(m.LanguageIndex, "Datatiedostot (*.dat)|*.dat|Kaikki tiedostot (*.*)|*.*",
                      "Data files (*.dat)|*.dat|All files (*.*)|*.*");
}
std::string reportFilter(const model::ProjectModel& m) {
    return byLanguage(m.LanguageIndex, "Datatiedostot (*.tul)|*.tul|Kaikki tiedostot (*.*)|*.*",
                      "Data files (*.tul)|*.tul|All files (*.*)|*.*");
}
constexpr long OpenFlags = FileFlags::FileMustExist | FileFlags::PathMustExist | FileFlags::HideReadOnly;
constexpr long SaveFlags = FileFlags::PathMustExist | FileFlags::HideReadOnly | FileFlags::OverwritePrompt;

std::string errorText(const model::ProjectModel& m, int number) {
    return byLanguage(m.LanguageIndex, "Virhe ", "Error ") + std::to_string(number);
}

// The errors of writing a file, as against those of making what is written.
bool isWriteError(int error) {
    switch (error) {
    case runtime::ErrBadFileNameOrNumber:
    case runtime::ErrDeviceIo:
    case runtime::ErrDiskFull:
    case runtime::ErrPermissionDenied:
    case runtime::ErrPathFileAccess:
    case runtime::ErrPathNotFound:
        return true;
    default:
        return false;
    }
}

// A save that failed, in words: the file and why, as far as the file
// system tells.
std::string saveFailureText(const model::ProjectModel& m, const std::string& file, int error) {
    std::string finnish;
    std::string english;
    switch (runtime::diagnoseWriteFailure(file, error)) {
    case runtime::WriteProblem::FolderMissing:
        finnish = "kansiota ei ole", english = "the folder does not exist";
        break;
    case runtime::WriteProblem::FolderNotWritable:
        finnish = "kansioon ei voi kirjoittaa", english = "the folder is not writable";
        break;
    case runtime::WriteProblem::FileWritableFolderNot:
        finnish = "kansioon ei voi kirjoittaa: tiedostoon voi, mutta tallennus kirjoittaa uuden tiedoston sen viereen "
                  "ja vaihtaa sen vanhan tilalle (tallenna se toisella nimellä omaan kansioosi)";
        english = "the folder is not writable: the file itself is, but a save writes the new file beside it and puts "
                  "it in the old one's place (save it under another name in a folder of your own)";
        break;
    case runtime::WriteProblem::FileReadOnly:
        finnish = "tiedosto on kirjoitussuojattu", english = "the file is read-only";
        break;
    case runtime::WriteProblem::StickyFolder:
        finnish = "tiedosto kuuluu toiselle käyttäjälle, ja kansio sallii vain tiedoston omistajan korvata sen "
                  "(kansion sticky-bitti on asetettu)";
        english = "the file belongs to another user, and the folder lets only a file's owner replace it (its sticky "
                  "bit is set)";
        break;
    case runtime::WriteProblem::IsFolder:
        finnish = "samanniminen kansio on jo olemassa", english = "a folder of that name exists";
        break;
    case runtime::WriteProblem::NotAFile:
        finnish = "nimi kuuluu nimetylle putkelle, pistokkeelle tai laitteelle, ei tiedostolle";
        english = "the name belongs to a named pipe, a socket or a device, not to a file";
        break;
    case runtime::WriteProblem::DiskFull:
        finnish = "levy on täynnä", english = "the disk is full";
        break;
    case runtime::WriteProblem::Other:
        if (!isWriteError(error)) {
            // The results writer stopped before writing: the report could
            // not be made (missing results, a missing text file).
            return byLanguage(m.LanguageIndex, "Tiedostoa " + file + " ei tallennettu. ", "The file " + file + " was not saved. ") +
                   reportFailureCause(error, m.LanguageIndex, m.FailedFile) +
                   byLanguage(m.LanguageIndex, " (Virhe ", " (Error ") + std::to_string(error) + ")";
        }
        finnish = "kirjoitus epäonnistui (virhe " + std::to_string(error) + ")";
        english = "writing failed (error " + std::to_string(error) + ")";
        break;
    }
    return byLanguage(m.LanguageIndex, "Tiedostoa " + file + " ei voitu tallentaa: " + finnish + ".",
                      "The file " + file + " could not be saved: " + english + ".");
}

// The question of a save that found the file changed on disk.
std::string changedOnDiskText(const model::ProjectModel& m, const std::string& file, bool opened) {
    return byLanguage(m.LanguageIndex,
                      "Tiedostoa " + file + " on muutettu toisella ohjelmalla sen jälkeen, kun se " +
                          (opened ? "avattiin" : "viimeksi tallennettiin tästä ohjelmasta") +
                          ": korvataanko se?",
                      "The file " + file + " was changed by another program since it was " +
                          (opened ? "opened" : "last saved here") +
                          ": replace it?");
}

// The buttons of that question, in the order of the choices.
std::vector<std::string> changedOnDiskCaptions(const model::ProjectModel& m) {
    return {byLanguage(m.LanguageIndex, "Korvaa", "Replace"),
            byLanguage(m.LanguageIndex, "Tallenna nimellä...", "Save as..."),
            byLanguage(m.LanguageIndex, "Peruuta", "Cancel")};
}

// The notice of a save that could not give the new file the old one's group.
std::string groupNotKeptText(const model::ProjectModel& m, const std::string& file, const std::string& oldGroup,
                             const std::string& newGroup) {
    return byLanguage(m.LanguageIndex,
                      "Tiedosto " + file + " tallennettiin, mutta sen ryhmää \"" + oldGroup +
                          "\" ei voitu säilyttää (et kuulu siihen): tiedosto kuuluu nyt ryhmään \"" + newGroup +
                          "\", eivätkä ryhmän \"" + oldGroup + "\" jäsenet ehkä voi enää kirjoittaa sitä.",
                      "The file " + file + " was saved, but it could not keep its group \"" + oldGroup +
                          "\" (you are not a member of it): it now belongs to the group \"" + newGroup +
                          "\", and the members of \"" + oldGroup + "\" may no longer be able to write it.");
}

// The folder of a file, ending with "/"; empty for a bare name.
std::string folderOf(const std::string& file) {
    const std::string folder = std::filesystem::path(file).parent_path().string();
    if (folder.empty()) return {};
    return folder.back() == '/' ? folder : folder + "/";
}

// The name a save writes under, by the extension rule: points at the end
// of the name stand for no extension ("res." is "res"); then a name that
// ends in the kind's extension (in any case, ".tul" itself too) or has an
// extension of its own is kept, and any other gets the kind's extension
// ("res.tul"). Empty for a name without a file part: a folder ("dir/",
// ".", "..").
std::string withExtension(const std::string& name, const std::string& extension) {
    const std::filesystem::path path(name);
    std::string file = path.filename().string();
    while (!file.empty() && file.back() == '.') file.pop_back();
    if (file.empty()) return {};
    const bool endsInKind =
        file.size() >= extension.size() &&
        runtime::equalIgnoringAsciiCase(std::string_view(file).substr(file.size() - extension.size()), extension);
    if (!endsInKind && std::filesystem::path(file).extension().empty()) file += extension;
    return file == path.filename().string() ? name : (path.parent_path() / file).string();
}

// The longest file name (in bytes) the folder of path takes.
std::size_t longestNameIn(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty()) folder = ".";
    const long longest = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return longest > 0 ? static_cast<std::size_t>(longest) : 255;
}

}  // namespace

void frmQuorvel::wireProjectCommands() {
    auto guarded = [this](void (frmQuorvel::*command)()) {
        return [this, command] {
            // A run-time error or a lack of memory inside a command is
            // reported; it never ends the program or leaves a half-done
            // command unreported.
            try {
                (this->*command)();
            } catch (const runtime::RunTimeError& e) {
                platform().messageBox(errorText(model_, e.number()));
            } catch (const std::bad_alloc&) {
                platform().messageBox(errorText(model_, 7));
            }
        };
    };
    cmdUusi.onClick = guarded(&frmQuorvel::NewProject);
    cmdAvaalahto.onClick = guarded(&frmQuorvel::OpenInputFile);
    cmdTallennalahto.onClick = guarded(&frmQuorvel::SaveInputFile);
    cmdTallennalahtoNimella.onClick = guarded(&frmQuorvel::SaveInputFileAs);
    cmdTallennatulokset.onClick = guarded(&frmQuorvel::SaveResultsFile);
    cmdTallennatuloksetNimella.onClick = guarded(&frmQuorvel::SaveResultsFileAs);
    cmdLopeta.onClick = guarded(&frmQuorvel::QuitProgram);
    cmdTaulukko.onClick = guarded(&frmQuorvel::ShowResultTable);
    cmdTaulukko0.onClick = guarded(&frmQuorvel::cmdTaulukko0_Click);
    cmdTeksti.onClick = guarded(&frmQuorvel::ShowReportText);
    cmdTulosta.onClick = guarded(&frmQuorvel::PrintReport);
    cmdOhje.onClick = guarded(&frmQuorvel::ShowHelpFile);
    cmdSuomi.onClick = guarded(&frmQuorvel::SwitchToFinnish);
    cmdEnglanti.onClick = guarded(&frmQuorvel::SwitchToEnglish);

    // Closing the window by its frame checks the focused box as a menu
    // command does, then asks the quit command's questions; a refused box,
    // a save that fails or is cancelled keeps the window open.
    onQueryUnload = [this](int& cancel, int unloadMode) {
        if (unloadMode == platform::UnloadByFrame && (!focusedControlAccepted() || !askToSaveWork())) cancel = 1;
    };
}

// The model and the window of a new project, as start-up leaves them: a
// middle beam, an empty beam description under the defaults of every input
// field, the default type's option selected without its handler (whose
// type defaults would overwrite the project defaults only when another
// type was selected before), and nothing of the previous project's
// results, so that the gauges show what they show at start-up.
void frmQuorvel::startNewProject() {
    optKeskipalkki.setValue(true);
    model::ResetNewProjectInput(model_);
    analysis::ResetCalculationResults(model_);
    mainwindow::selectTypeOptionQuietly(*this, *findBeamType(model_.BeamTypeName));
    RefreshMainForm();
}

void frmQuorvel::NewProject() {
    if (!askToSaveWork()) return;
    startNewProject();
    model_.InputFileTitle.clear();
    model_.ResultsFileTitle.clear();
    model_.InputChanged = 0;
    MarkInputChanged(model_, *this);
}

void frmQuorvel::OpenInputFile() {
    if (!askToSaveWork()) return;
    FileDialogRequest request;
    request.title = GetLanguageText(platform(), model_.LanguageIndex, "openFile", "title");
    request.filter = inputFilter(model_);
    request.filterIndex = 1;
    request.flags = OpenFlags;
    request.initialFolder = dialogFolder(model_.InputFilePath);
    const std::string name = platform().openFileDialog(request).value_or(std::string());
    if (name.empty()) return;
    // What the file holds is taken before it is read: a change made while
    // it is read is then a change the next save asks about.
    const runtime::FileContents contents = runtime::contentsOf(name);
    // A cancelled dialog and a refused file leave the project and its
    // results as they were.
    if (!readProjectFile(name)) return;
    inputOnDisk_ = {name, contents, true};
    rememberFolder(name);
    RefreshMainForm();
    model_.InputChanged = 0;
    MarkInputChanged(model_, *this);
}

// The current project's folder, else the folder last used, else the home
// folder: never the program's folder, where the dialog would show nothing
// of the user's.
std::string frmQuorvel::dialogFolder(const std::string& projectFile) {
    for (const std::string& folder : {folderOf(projectFile), LastFileFolder(platform())}) {
        std::error_code error;
        if (!folder.empty() && std::filesystem::is_directory(folder, error))
            return folder.back() == '/' ? folder : folder + "/";
    }
    return platform().homeFolder();
}

void frmQuorvel::rememberFolder(const std::string& fileName) {
    const std::string folder = folderOf(fileName);
    if (!folder.empty()) SaveLastFileFolder(platform(), folder);
}

std::string frmQuorvel::chosenSaveName(const std::string& title, const std::string& filter, const char* extension,
                                       const std::string& projectFile) {
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.filterIndex = 1;
    request.flags = SaveFlags;
    request.initialFolder = dialogFolder(projectFile);
    const std::string typed = platform().saveFileDialog(request).value_or(std::string());
    if (typed.empty()) return {};
    // A name typed without an extension gets the one of its kind, so that
    // the open dialog's filter shows it. A folder is no name to save under.
    const std::string name = withExtension(typed, extension);
    if (name.empty()) {
        saved(runtime::ErrPathFileAccess, typed);
        return {};
    }
    if (std::filesystem::path(name).filename().string().size() > longestNameIn(name)) {
        platform().messageBox(byLanguage(model_.LanguageIndex,
                                         "Tiedostoa " + name + " ei voitu tallentaa: nimi on liian pitkä.",
                                         "The file " + name + " could not be saved: the name is too long."),
                              Buttons::Ok, Icon::Exclamation);
        return {};
    }
    // The dialog asked about replacing only the name as typed.
    if (name != typed) {
        std::error_code error;
        if (std::filesystem::exists(name, error) &&
            platform().messageBox(byLanguage(model_.LanguageIndex, "Tiedosto " + name + " on jo olemassa.\r\nKorvataanko se?",
                                             "The file " + name + " already exists.\r\nReplace it?"),
                                  Buttons::YesNo, Icon::Exclamation) != Answer::Yes)
            return {};
    }
    return name;
}

bool frmQuorvel::saved(int16_t error, const std::string& fileName) {
    if (error != 0) {
        platform().messageBox(saveFailureText(model_, fileName, error), Buttons::Ok, Icon::Exclamation);
        return false;
    }
    rememberFolder(fileName);
    return true;
}

frmQuorvel::SaveOutcome frmQuorvel::saveChecked(const std::string& fileName, FileOnDisk& known,
                                                const std::function<int16_t(runtime::SaveCheck*)>& write) {
    runtime::SaveCheck check;
    if (known.path == fileName) check.expected = known.contents;
    for (;;) {
        const int16_t error = write(&check);
        if (error == runtime::ErrFileAlreadyExists && check.expected) {
            // Enter saves under another name, which keeps both the other
            // program's file and this copy's work; Escape saves nothing.
            enum { Replace, SaveAs, Cancel };
            const std::size_t answer = platform().choiceBox(
                changedOnDiskText(model_, fileName, known.opened), changedOnDiskCaptions(model_), Icon::Exclamation,
                platform().applicationTitle(), SaveAs, Cancel);
            if (answer == SaveAs) return SaveOutcome::SaveAs;
            if (answer != Replace) return SaveOutcome::NotSaved;
            // Replaces what stands there now; a further change while the
            // question was open is asked about again.
            check.expected = check.found;
            continue;
        }
        if (!saved(error, fileName)) return SaveOutcome::NotSaved;
        known = {fileName, check.written, false};
        if (check.groupNotKept)
            platform().messageBox(groupNotKeptText(model_, fileName, runtime::groupName(*check.groupNotKept),
                                                   runtime::groupName(check.groupGiven)),
                                  Buttons::Ok, Icon::Exclamation);
        return SaveOutcome::Saved;
    }
}

// A text field that would come back split on the next open is refused,
// named, before anything is written.
bool frmQuorvel::textFieldsStorable() {
    auto field = inputfile::findUnstorableTextField(model_);
    if (!field) return true;
    platform().messageBox(
        byLanguage(model_.LanguageIndex,
                   "Kentässä \"" + field->finnishName + "\" on välilyönti, pilkku tai kauttaviiva: \"" +
                       field->text + "\".\r\nLähtötietoja ei tallennettu.",
                   "The field \"" + field->englishName + "\" holds a blank, a comma or a slash: \"" + field->text +
                       "\".\r\nThe input data was not saved."),
        Buttons::Ok, Icon::Exclamation);
    return false;
}

void frmQuorvel::SaveInputFile() {
    if (model_.InputFilePath.empty()) {
        SaveInputFileAs();
        return;
    }
    if (!textFieldsStorable()) return;
    const std::string path = model_.InputFilePath;
    const SaveOutcome outcome = saveChecked(
        path, inputOnDisk_,
        [&](runtime::SaveCheck* check) { return inputfile::WriteInputDataFile(model_, path, check); });
    if (outcome == SaveOutcome::SaveAs) SaveInputFileAs();
    if (outcome != SaveOutcome::Saved) return;
    model_.InputSaved = -1;
    model_.InputFileTitle = model_.InputFilePath;
    showProjectTitle();
}

void frmQuorvel::SaveInputFileAs() {
    if (!textFieldsStorable()) return;
    const std::string name =
        chosenSaveName(GetLanguageText(platform(), model_.LanguageIndex, "saveFileAs", "title"), inputFilter(model_),
                       ".dat", model_.InputFilePath);
    if (name.empty()) return;
    const SaveOutcome outcome = saveChecked(
        name, inputOnDisk_,
        [&](runtime::SaveCheck* check) { return inputfile::WriteInputDataFile(model_, name, check); });
    if (outcome == SaveOutcome::SaveAs) SaveInputFileAs();
    if (outcome != SaveOutcome::Saved) return;
    model_.InputSaved = -1;
    model_.InputFilePath = name;
    model_.ResultsFilePath.clear();
    model_.InputFileTitle = name;
    model_.ResultsFileTitle.clear();
    showProjectTitle();
}

void frmQuorvel::SaveResultsFile() {
    if (!resultsOfCurrentInput()) return;
    if (model_.ResultsFilePath.empty()) {
        SaveResultsFileAs();
        return;
    }
    const std::string path = model_.ResultsFilePath;
    const SaveOutcome outcome = saveChecked(path, resultsOnDisk_, [&](runtime::SaveCheck* check) {
        return report::WriteResultsFile(model_, platform(), path, check);
    });
    if (outcome == SaveOutcome::SaveAs) SaveResultsFileAs();
    if (outcome != SaveOutcome::Saved) return;
    model_.ResultsSaved = -1;
    model_.ResultsFileTitle = model_.ResultsFilePath;
}

void frmQuorvel::SaveResultsFileAs() {
    if (!resultsOfCurrentInput()) return;
    const std::string name =
        chosenSaveName(GetLanguageText(platform(), model_.LanguageIndex, "saveResultsAs", "title"), reportFilter(model_),
                       ".tul", model_.ResultsFilePath.empty() ? model_.InputFilePath : model_.ResultsFilePath);
    if (name.empty()) return;
    const SaveOutcome outcome = saveChecked(name, resultsOnDisk_, [&](runtime::SaveCheck* check) {
        return report::WriteResultsFile(model_, platform(), name, check);
    });
    if (outcome == SaveOutcome::SaveAs) SaveResultsFileAs();
    if (outcome != SaveOutcome::Saved) return;
    model_.ResultsSaved = -1;
    model_.ResultsFilePath = name;
    model_.ResultsFileTitle = name;
}

// The two save questions asked before the project is left: by quitting,
// a new project or opening another. The results are asked about only when
// there are results of the current input that are not saved: a project
// never calculated, or changed since, has none to save. False when the user cancelled a
// question (Cancel, Escape or the box's close button) or asked for a save
// that did not happen (it failed or its dialog was cancelled): the work
// would be lost, so the program stays with the project as it is.
bool frmQuorvel::askToSaveWork() {
    model::ProjectModel& m = model_;
    if (m.InputSaved != -1 && m.InputChanged == -1) {
        const Answer answer =
            platform().messageBox(byLanguage(m.LanguageIndex, "Tallennetaanko lähtötiedot?", "Save the input data?"), Buttons::YesNoCancel);
        if (answer == Answer::Cancel) return false;
        if (answer == Answer::Yes) {
            SaveInputFile();
            if (m.InputSaved != -1) return false;
        }
    }
    if (m.ResultsValid == -1 && m.ResultsSaved != -1 && m.InputChanged == -1) {
        const Answer answer =
            platform().messageBox(byLanguage(m.LanguageIndex, "Tallennetaanko tulostiedot?", "Save the results?"), Buttons::YesNoCancel);
        if (answer == Answer::Cancel) return false;
        if (answer == Answer::Yes) {
            SaveResultsFile();
            if (m.ResultsSaved != -1) return false;
        }
    }
    return true;
}

void frmQuorvel::QuitProgram() {
    if (!askToSaveWork()) return;
    SaveSettings(model_, platform());
    platform().endProgram();
}

}  // namespace quorvel::app
