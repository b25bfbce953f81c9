// The Calculate command of the main window: the contradiction question, the
// CWQ topping questions, the topping load,
// the calculation driver, and the report of its outcome in the main window
// (gauges, core-filling notice and the table button, or the failure
// message).

#include <array>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/calculation_driver.h"
#include "app/frm_quorvel.h"
#include "app/geometry_checks.h"
#include "app/language.h"
#include "app/project_state.h"
#include "app/settings.h"
#include "app/slab_catalogue.h"
#include "inputfile/input_file_reader.h"
#include "inputfile/input_file_writer.h"
#include "library/coefficient_table.h"
#include "model/beam_rules.h"
#include "model/topping_load.h"
#include "report/support_line_table.h"
#include "runtime/data_files.h"
#include "runtime/errors.h"
#include "runtime/messages.h"
#include "runtime/number_text.h"
#include "runtime/text_file.h"

namespace quorvel::app {

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using runtime::Value;

const char* const CRLF = "\r\n";

// The CWQ topping must lie within 50...160 mm (with a small tolerance on
// the typed value) and carry reinforcement.
constexpr double CwqThicknessMin = 49.9;
constexpr double CwqThicknessMax = 160.1;
constexpr double CwqReinforcementMin = 0.1;

// The number a box starts with ("." as the decimal point; no number is 0).
double leadingNumber(const std::string& text) {
    try {
        return runtime::scanNumber(text);
    } catch (const runtime::RunTimeError&) {
        return 0;  // a number beyond the double range is no valid topping either
    }
}

// What stopped a calculation, in words: the file the error named (file is
// empty when it named none: a failed write is then the work file's), or a
// value.
std::string failureCause(int16_t status, bool english, const std::string& file, const std::string& workFolder) {
    const std::string written = file.empty() ? workFolder : file;
    const std::string dataFile = file.empty() ? (english ? "a data file" : "datatiedosto")
                                              : (english ? "the data file " : "datatiedosto ") + file;
    switch (status) {
    case runtime::ErrFileNotFound:
        return dataFile + (english ? " was not found" : " puuttuu");
    case runtime::ErrInputPastEndOfFile:
        return dataFile + (english ? " ends before the data the calculation reads from it"
                                   : " loppuu ennen tietoja, jotka laskenta siitä lukee");
    case runtime::ErrPathNotFound:
        return english ? "the work folder " + workFolder + " does not exist"
                       : "työkansiota " + workFolder + " ei ole";
    case runtime::ErrDiskFull:
        return english ? "the disk is full (" + written + ")" : "levy on täynnä (" + written + ")";
    case runtime::ErrPathFileAccess:
    case runtime::ErrPermissionDenied:
    case runtime::ErrDeviceIo:
        return english ? written + " cannot be read or written" : "tiedostoa " + written + " ei voi lukea tai kirjoittaa";
    default:
        if (!file.empty())
            return english ? "the data file " + file + " holds a value the calculation cannot use"
                           : "datatiedostossa " + file + " on arvo, jota laskenta ei voi käyttää";
        return english ? "a value of the input or of a data file cannot be used by the calculation"
                       : "lähtötiedoissa tai datatiedostossa on arvo, jota laskenta ei voi käyttää";
    }
}

// The failure message of a calculation status in the chosen language, the
// number followed by its cause; empty for a language without one, and for
// a negative status: a failure the slab-data reader has said in its own
// message, whose number means nothing to the user.
std::string failureText(int16_t status, int16_t language, const std::string& file, const std::string& workFolder) {
    if (status < 0 || (language != 0 && language != 1)) return {};
    const bool divisionOrRange = status == runtime::ErrDivisionByZero || status == runtime::ErrOverflow;
    const std::string number = std::to_string(status);
    if (divisionOrRange)
        return language == 0 ? "Laskenta keskeytyi nollalla jakamiseen tai arvoaluevirheeseen " + number
                             : "Calculation error: divide by zero " + number;
    const std::string cause = failureCause(status, language == 1, file, workFolder);
    return (language == 0 ? "Laskenta keskeytyi virhetoimintoon " : "Calculation error ") + number + ": " + cause + ".";
}

// The first value of the project outside the limits of its field (the
// left slab side's only on a middle beam), found by the project-file
// reader on the project as its file would hold it (the file's bytes built
// in memory); nothing when every value is inside or the file cannot be
// built.
std::optional<inputfile::LineProblem> valueOutsideLimits(const model::ProjectModel& m) {
    auto copy = std::make_unique<model::ProjectModel>(m);
    std::string bytes;
    try {
        bytes = inputfile::InputDataFileBytes(*copy);
    } catch (const runtime::RunTimeError&) {
        return std::nullopt;
    }
    std::optional<inputfile::LineProblem> problem = inputfile::ReadProjectBytes(*copy, bytes, m.IsMiddleBeam != 0);
    // A section that no one could build, held to its family's rules, with
    // the box of the beam dialog that mends it.
    if (!problem)
        if (const auto section = model::beamSectionBreach(*copy, m.IsMiddleBeam != 0)) {
            const model::RuleBreach text =
                model::beamBreachMessage(*section, "palkin ikkunassa", "in the beam dialog");
            // The message's own full stop ends the sentence.
            return inputfile::LineProblem{0, text.finnish.substr(0, text.finnish.size() - 1),
                                          text.english.substr(0, text.english.size() - 1), section->field};
        }
    if (!problem || problem->field.empty()) return std::nullopt;  // the calculation's own read reports the rest
    return problem;
}

// The message for the first side whose slab type the catalogue read at
// start-up does not list (the reader would stop there after reporting the
// catalogue's end line and the list of types): the side by the caption the
// window shows for it, the type and the catalogue file. Nothing when both
// sides' types are listed.
std::optional<std::string> missingSlabTypeText(const model::ProjectModel& m,
                                               const std::array<std::string, 2>& sideCaptions) {
    const std::optional<UnlistedSlabType> u = FindUnlistedSlabType(m, sideCaptions);
    if (!u) return std::nullopt;
    return runtime::NotCalculated("laattatyyppiä \"" + u->type + "\" (" + u->side + ") ei ole laattatiedostossa " +
                                      u->catalogue + ".",
                                  "the slab type \"" + u->type + "\" (" + u->side + ") is not in the slab catalogue " +
                                      u->catalogue + ".")
        .text(m.LanguageIndex);
}

}  // namespace

// The work folder of a command that writes work files: the copy's own,
// made again when it vanished while the program ran. When the platform can
// make none, the work files have no place: they never go into the
// program's or the data folder (read-only in an installation, and shared
// by every copy and user of it). The user is told where a folder was
// sought, and false is returned.
bool frmQuorvel::workFolderReady() {
    platform::Platform& ui = platform();
    if (const std::string work = ui.workFolder(); !work.empty()) {
        if (workFolderSought_) model_.WorkPath = work;
        model_.NoWorkFolder = false;
        return true;
    }
    const std::vector<std::string> tried = ui.workFolderPlacesTried();
    if (tried.empty()) return true;  // a platform without work folders: the data folder, as ever
    model_.NoWorkFolder = true;
    std::string places;
    for (const std::string& place : tried) places += (places.empty() ? "" : ", ") + place;
    ui.messageBox(byLanguage(model_.LanguageIndex,
                             "Työkansiota ei voi tehdä (yritetty: " + places +
                                 "). Ohjelma ei kirjoita työtiedostojaan ohjelman eikä datan kansioon, joten "
                                 "laskentaa tai raporttia ei voi tehdä.",
                             "No work folder can be made (tried: " + places +
                                 "). The program does not write its work files into the program's or the data "
                                 "folder, so nothing can be calculated or reported."),
                  Buttons::Ok, Icon::Exclamation);
    return false;
}

// The result commands calculate through this command while the results
// are stale.
void frmQuorvel::wireCalculationCommands() { cmdLaske0.onClick = [this] { RunCalculation(); }; }

void frmQuorvel::RunCalculation() {
    model::ProjectModel& m = model_;
    platform::Platform& ui = platform();

    // Yes goes back to editing, and so does Escape: only No calculates.
    auto wantsToEdit = [&ui, &m](const std::string& text) {
        return ui.messageBox(text, Buttons::YesNo, Icon::Exclamation, WarningTitle(m.LanguageIndex), Answer::Yes) ==
               Answer::Yes;
    };

    // A refused or failed calculation shows its reason, where none was
    // shown yet, and leaves no result standing.
    auto refuse = [this, &m, &ui](const std::string& reason) {
        if (!reason.empty()) ui.messageBox(reason, Buttons::Ok, Icon::Exclamation);
        analysis::ResetCalculationResults(m);
        MarkResultsInvalid(m, *this);
    };

    // Nothing is calculated without a place for the work files.
    if (!workFolderReady()) return refuse({});

    // The data files are taken as they stand when the command first looks
    // at them: each is looked at once for the checks, the readers and the
    // report, and an edit shows at the next Calculate.
    runtime::DataFileScope dataFiles(m.DataFiles);

    // A data file grown beyond any the program delivers, or a text file
    // that no longer holds what is read from it, is not read.
    auto unreadable = oversizedDataFileText(m);
    if (!unreadable) unreadable = unsoundTextFileText(m, ui.programFolder(), true, m.LanguageIndex);
    if (unreadable) return refuse(*unreadable);
    // A slab catalogue that is gone, or was put back as a folder, a pipe or
    // a link that leads nowhere, is named as the start-up names it (its
    // open never waits for a pipe's writer).
    if (!DataFilePresent(m, m.SlabFileName)) return refuse(missingDataFilesText(m, {m.SlabFileName}));

    // A coefficient table value outside what its meaning allows.
    if (auto fault = library::CheckKefTable(m)) return refuse(fault->text(m.LanguageIndex));

    if (auto missing = missingSlabTypeText(m, {Label26.caption(), Label31.caption()})) return refuse(*missing);

    // A value the calculation cannot use (a spacing or a factor outside its
    // range, a beam section that cannot be built) is named, and nothing is
    // calculated. What only the calculation can judge (a slab side whose
    // spacing leaves its slabs no span) it names itself, after the
    // contradiction question.
    if (auto problem = valueOutsideLimits(m))
        return refuse(runtime::NotCalculated(problem->finnish + ".", problem->english + ".").text(m.LanguageIndex));

    std::string contradictions;
    int16_t found = 0;
    CollectInputContradictions(m, contradictions, found);
    const std::string question =
        byLanguage(m.LanguageIndex, "Haluatko jatkaa lähtötietojen muokkausta ennen laskentaa?",
                   "Do you want to go on editing the input before the calculation?");
    if (found != 0 && wantsToEdit(ContradictionQuestion(contradictions, question, m.LanguageIndex))) return;

    if (OptCWQ.value()) {
        const double thickness = leadingNumber(txtPintapaksuus.text());
        if ((thickness < CwqThicknessMin || thickness > CwqThicknessMax) &&
            wantsToEdit(byLanguage(m.LanguageIndex, "CWQ-palkki vaatii aina raudoitetun pintabetonin; paksuus 50...160 mm",
                                   "A CWQ beam always needs a reinforced topping; thickness 50...160 mm") +
                        contradictions + CRLF + question))
            return;
        if (leadingNumber(txtRaudoiteala.text()) < CwqReinforcementMin &&
            wantsToEdit(byLanguage(m.LanguageIndex, "CWQ-palkki vaatii aina RAUDOITETUN pintabetonin; anna raudoitus",
                                   "A CWQ beam always needs a REINFORCED topping; give its reinforcement") +
                        contradictions + CRLF + question))
            return;
    }

    // The driver turns every error of the round trip, the analysis and the
    // library into its status; the topping load is computed here, so an
    // error of it is reported in the same way.
    int16_t status = 0;
    runtime::Messages messages;
    const model::SideArray toppingLoadBefore = m.ToppingLoad;  // a failed run gives it back
    try {
        model::ComputeToppingLoad(m);
        status = analysis::PerformCalculation(m, messages, report::WriteSupportLineTableOfRun);
    } catch (const runtime::RunTimeError& e) {
        status = static_cast<int16_t>(e.number());
        m.FailedFile = e.detail();
    } catch (const std::exception&) {
        status = static_cast<int16_t>(runtime::ErrInvalidCall);
    }

    // What the run had to say, and why it failed, in one message.
    const std::string failure = status == 0 ? "" : failureText(status, m.LanguageIndex, m.FailedFile, m.WorkFolder());
    if (const std::string said = runtime::messagesText(messages, m.LanguageIndex); !said.empty())
        ui.messageBox(said + (failure.empty() ? "" : "\r\n\r\n" + failure), Buttons::Ok, Icon::Exclamation);
    else if (!failure.empty())
        ui.messageBox(failure, Buttons::Ok, Icon::None);

    if (status != 0) {
        m.ToppingLoad = toppingLoadBefore;
        // The result fields may be half written: nothing of them is shown
        // or kept as a result (the failure is said above).
        return refuse({});
    }

    // The along-the-beam results are placed where the user finds them; the
    // results stand when that fails, and the message says so.
    try {
        report::KeepSupportLineTable(m);
    } catch (const runtime::RunTimeError& e) {
        const std::string error = std::to_string(e.number());
        ui.messageBox(byLanguage(m.LanguageIndex,
                                 "Tuloksia palkin pituudella (quor.tu1) ei voitu sijoittaa kansioon " +
                                     m.ErrorLogFolder() + " (virhe " + error + ").",
                                 "The along-the-beam results (quor.tu1) could not be placed in the folder " +
                                     m.ErrorLogFolder() + " (error " + error + ")."),
                      Buttons::Ok, Icon::Exclamation);
    }

    m.ResultsValid = -1;
    DrawResultGauges();
    txtOntelotaytto1.setVisible(true);
    txtOntelotaytto2.setVisible(true);
    showCoreFillingNotice();
    if (m.LanguageIndex == 0)
        cmdTaulukko.setCaption("Taulukko");
    else if (m.LanguageIndex == 1)
        cmdTaulukko.setCaption("Table");
}

// The notice, in the window's language, stands after a calculation whose
// slabs need their cores filled; otherwise both labels are empty.
void frmQuorvel::showCoreFillingNotice() {
    const model::ProjectModel& m = model_;
    const bool needed = m.ResultsValid == -1 && !((m.CoreFillingResult(1) < 0.1 && m.CoreFillingResult(2) < 0.1) ||
                                                  (m.IsMiddleBeam == 0 && m.CoreFillingResult(2) < 0.1));
    txtOntelotaytto1.setCaption(
        needed ? byLanguage(m.LanguageIndex, "HUOM!  Ontelotäyttöä tarvitaan!", "NOTE!  Core filling is needed!") : "");
    txtOntelotaytto2.setCaption(needed ? byLanguage(m.LanguageIndex, "KS. Taulukko!", "SEE the table!") : "");
}

}  // namespace quorvel::app
