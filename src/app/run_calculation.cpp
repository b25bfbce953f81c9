// The Calculate command of the main window: the contradiction question, the
// near-zero guards of one run, the CWQ topping questions, the topping load,
// the calculation driver, and the report of its outcome in the main window
// (gauges, core-filling notice and the table button, or the failure
// message).

#include <array>
#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "analysis/calculation_driver.h"
#include "app/frm_quorvel.h"
#include "app/geometry_checks.h"
#include "app/project_state.h"
#include "app/settings.h"
#include "inputfile/input_file_reader.h"
#include "inputfile/input_file_writer.h"
#include "library/coefficient_table.h"
#include "model/topping_load.h"
#include "report/support_line_table.h"
#include "runtime/data_files.h"
#include "runtime/errors.h"
#include "runtime/number_text.h"
#include "runtime/text_file.h"

namespace quorvel::app {

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using runtime::Value;

const char* const CRLF = "\r\n";
const char* const WarningTitle = "Varoitus!";
const char* const ContinueEditingQuestion = "Haluatko jatkaa lähtötietojen muokkausta ennen laskentaa?";
const char* const ContradictionsHeading = "Ristiriitaisuuksia lähtötiedoissa:";
const char* const CwqThicknessText = "CWQ-palkki vaatii aina raudoitetun pintabetonin; paksuus 50...160 mm";
const char* const CwqReinforcementText = "CWQ-palkki vaatii aina RAUDOITETUN pintabetonin; anna raudoitus";
const char* const CoreFillingNotice1 = "HUOM!  Ontelotäyttöä tarvitaan!";
const char* const CoreFillingNotice2 = "KS. Taulukko!";

// The CWQ topping must lie within 50...160 mm (with a small tolerance on
// the typed value) and carry reinforcement.
constexpr double CwqThicknessMin = 49.9;
constexpr double CwqThicknessMax = 160.1;
constexpr double CwqReinforcementMin = 0.1;

// Near-zero slab loads and support lengths make the analysis divide by
// (almost) zero; for the length of one run they are raised to these.
constexpr double LoadGuardBound = 0.001;
constexpr double LoadGuardValue = 0.001;
constexpr double SupportLengthGuardValue = 0.11;

// Raises the near-zero slab loads and support lengths for one run and puts
// back exactly the values that stood before, on every way out (a question
// answered Yes, a failed or a completed calculation, an error). Only these
// six inputs are touched; everything else the run changes is the driver's.
class NearZeroGuard {
public:
    explicit NearZeroGuard(model::ProjectModel& m) : m_(m) {
        for (std::size_t i = 0; i < loads_.size(); ++i) {
            Value& load = loadField(i);
            loads_[i] = load;
            if (load > -LoadGuardBound && load < LoadGuardBound) load = LoadGuardValue;
        }
        for (int side = 1; side <= 2; ++side) {
            Value& length = m_.SlabSupportLength(side);
            supportLengths_[side - 1] = length;
            if (length < SupportLengthGuardValue) length = SupportLengthGuardValue;
        }
    }
    ~NearZeroGuard() {
        for (std::size_t i = 0; i < loads_.size(); ++i) loadField(i) = loads_[i];
        for (int side = 1; side <= 2; ++side) m_.SlabSupportLength(side) = supportLengths_[side - 1];
    }
    NearZeroGuard(const NearZeroGuard&) = delete;
    NearZeroGuard& operator=(const NearZeroGuard&) = delete;

private:
    // Permanent left, permanent right, variable left, variable right.
    Value& loadField(std::size_t i) {
        const int side = static_cast<int>(i % 2) + 1;
        return i < 2 ? m_.SlabImposedLoadPermanent(side) : m_.SlabImposedLoadVariable(side);
    }

    model::ProjectModel& m_;
    std::array<Value, 4> loads_{};
    std::array<Value, 2> supportLengths_{};
};

// The number a box starts with ("." as the decimal point; no number is 0).
double leadingNumber(const std::string& text) {
    try {
        return runtime::scanNumber(text);
    } catch (const runtime::RunTimeError&) {
        return 0;  // a number beyond the double range is no valid topping either
    }
}

// The failure message of a calculation status in the chosen language;
// empty for a language without one, and for a negative status: a failure
// the slab-data reader has already reported in its own message, whose
// number means nothing to the user.
std::string failureText(int16_t status, int16_t language) {
    if (status < 0) return {};
    const bool divisionOrRange = status == runtime::ErrDivisionByZero || status == runtime::ErrOverflow;
    const std::string number = std::to_string(status);
    if (language == 0)
        return (divisionOrRange ? "Laskenta keskeytyi nollalla jakamiseen tai arvoaluevirheeseen "
                                : "Laskenta keskeytyi virhetoimintoon ") +
               number;
    if (language == 1) return (divisionOrRange ? "Calculation error: divide by zero " : "Calculation error ") + number;
    return {};
}

// The first value of the project outside the limits of its field (the
// left slab side's only on a middle beam), found by the project-file
// reader on the project as its file would hold it (the file's bytes built
// in memory); nothing when every value is inside or the file cannot be
// built.
std::optional<inputfile::LineProblem> valueOutsideLimits(const model::ProjectModel& m, platform::Platform& ui) {
    auto copy = std::make_unique<model::ProjectModel>(m);
    std::string bytes;
    try {
        bytes = inputfile::InputDataFileBytes(*copy);
    } catch (const runtime::RunTimeError&) {
        return std::nullopt;
    }
    std::optional<inputfile::LineProblem> problem =
        inputfile::ReadProjectBytes(*copy, ui, bytes, m.IsMiddleBeam != 0);
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
    for (int side = 1; side <= 2; ++side) {
        const std::string& type = m.SlabTypeName(side);
        bool listed = false;
        for (const model::SlabTypeRecord& record : m.SlabCatalogue) listed = listed || record.Name == type;
        if (listed) continue;
        std::string sideName = sideCaptions[side - 1];
        while (!sideName.empty() && (sideName.back() == ':' || sideName.back() == ' ')) sideName.pop_back();
        const std::string file = runtime::findFileIgnoringCase(m.DataPath.empty() ? "." : m.DataPath, m.SlabFileName)
                                     .value_or(m.DataPath + m.SlabFileName);
        return m.LanguageIndex == 1 ? "Not calculated: the slab type \"" + type + "\" (" + sideName +
                                          ") is not in the slab catalogue " + file + "."
                                    : "Laskentaa ei tehty: laattatyyppiä \"" + type + "\" (" + sideName +
                                          ") ei ole laattatiedostossa " + file + ".";
    }
    return std::nullopt;
}

}  // namespace

// The result commands calculate through this command while the results
// are stale.
void frmQuorvel::wireCalculationCommands() { cmdLaske0.onClick = [this] { RunCalculation(); }; }

void frmQuorvel::RunCalculation() {
    model::ProjectModel& m = model_;
    platform::Platform& ui = platform();

    auto wantsToEdit = [&ui](const std::string& text) {
        return ui.messageBox(text, Buttons::YesNo, Icon::Exclamation, WarningTitle) == Answer::Yes;
    };

    // The data files are taken as they stand when the command first looks
    // at them: each is looked at once for the checks, the readers and the
    // report, and an edit shows at the next Calculate.
    runtime::DataFileScope dataFiles;

    // A data file grown beyond any the program delivers, or a text file
    // that no longer holds what is read from it, is not read.
    auto unreadable = oversizedDataFileText(m);
    if (!unreadable) unreadable = unsoundTextFileText(m, ui.programFolder());
    if (unreadable) {
        ui.messageBox(*unreadable, Buttons::Ok, Icon::Exclamation);
        analysis::ResetCalculationResults(m);
        MarkResultsInvalid(m, *this);
        return;
    }

    // A coefficient table value outside what its meaning allows.
    if (auto fault = library::CheckKefTable(m)) {
        ui.messageBox(fault->text(m.LanguageIndex), Buttons::Ok, Icon::Exclamation);
        analysis::ResetCalculationResults(m);
        MarkResultsInvalid(m, *this);
        return;
    }

    if (auto missing = missingSlabTypeText(m, {Label26.caption(), Label31.caption()})) {
        ui.messageBox(*missing, Buttons::Ok, Icon::Exclamation);
        analysis::ResetCalculationResults(m);
        MarkResultsInvalid(m, *this);
        return;
    }

    // A value the calculation cannot use (a side that cannot carry slabs,
    // a factor outside its range) is named, and nothing is calculated.
    if (auto problem = valueOutsideLimits(m, ui)) {
        ui.messageBox(m.LanguageIndex == 1 ? "Not calculated: " + problem->english + "."
                                           : "Laskentaa ei tehty: " + problem->finnish + ".",
                      Buttons::Ok, Icon::Exclamation);
        analysis::ResetCalculationResults(m);
        MarkResultsInvalid(m, *this);
        return;
    }

    std::string contradictions;
    int16_t found = 0;
    CollectInputContradictions(m, contradictions, found);
    if (found != 0 &&
        wantsToEdit(std::string(ContradictionsHeading) + CRLF + CRLF + contradictions + CRLF + ContinueEditingQuestion))
        return;

    NearZeroGuard guard(m);

    if (OptCWQ.value()) {
        const double thickness = leadingNumber(txtPintapaksuus.text());
        if ((thickness < CwqThicknessMin || thickness > CwqThicknessMax) &&
            wantsToEdit(CwqThicknessText + contradictions + CRLF + ContinueEditingQuestion))
            return;
        if (leadingNumber(txtRaudoiteala.text()) < CwqReinforcementMin &&
            wantsToEdit(CwqReinforcementText + contradictions + CRLF + ContinueEditingQuestion))
            return;
    }

    // The driver turns every error of the round trip, the analysis and the
    // library into its status; the topping load is computed here, so an
    // error of it is reported in the same way.
    int16_t status = 0;
    const model::SideArray toppingLoadBefore = m.ToppingLoad;  // a failed run gives it back
    try {
        model::ComputeToppingLoad(m);
        status = analysis::PerformCalculation(m, ui, report::WriteSupportLineTableOfRun);
    } catch (const runtime::RunTimeError& e) {
        status = static_cast<int16_t>(e.number());
    } catch (const std::exception&) {
        status = static_cast<int16_t>(runtime::ErrInvalidCall);
    }

    if (status != 0) {
        m.ToppingLoad = toppingLoadBefore;
        if (const std::string text = failureText(status, m.LanguageIndex); !text.empty())
            ui.messageBox(text, Buttons::Ok, Icon::None);
        // The result fields may be half written: nothing of them is shown
        // or kept as a result.
        analysis::ResetCalculationResults(m);
        MarkResultsInvalid(m, *this);
        return;
    }

    m.ResultsValid = -1;
    DrawResultGauges();
    txtOntelotaytto1.setVisible(true);
    txtOntelotaytto2.setVisible(true);
    const bool coreFillingNeeded =
        !((m.CoreFillingResult(1) < 0.1 && m.CoreFillingResult(2) < 0.1) ||
          (m.IsMiddleBeam == 0 && m.CoreFillingResult(2) < 0.1));
    txtOntelotaytto1.setCaption(coreFillingNeeded ? CoreFillingNotice1 : "");
    txtOntelotaytto2.setCaption(coreFillingNeeded ? CoreFillingNotice2 : "");
    if (m.LanguageIndex == 0)
        cmdTaulukko.setCaption("Taulukko");
    else if (m.LanguageIndex == 1)
        cmdTaulukko.setCaption("Table");
}

}  // namespace quorvel::app
