#include "app/frm_quorvel.h"

#include <cmath>
#include <filesystem>
#include <limits>
#include <system_error>

#include "app/frm_about.h"
#include "app/gauges.h"
#include "app/input_tools.h"
#include "app/language.h"
#include "app/settings.h"
#include "app/slab_catalogue.h"
#include "analysis/slabs_on_beam.h"
#include "library/deflections.h"
#include "model/project_defaults.h"
#include "model/version.h"
#include "runtime/errors.h"
#include "runtime/text_file.h"

namespace quorvel::app {

namespace {

using platform::Buttons;
namespace Colors = platform::Colors;
using platform::Icon;
using platform::rgb;

constexpr platform::Color BandGrey = rgb(192, 192, 192);
constexpr platform::Color SlabGrey = rgb(192, 192, 192);
constexpr platform::Color DarkGrey = rgb(128, 128, 128);
constexpr platform::Color Blue = rgb(0, 0, 255);

const char* const HelpFile = "quorvel.html";
const char* const FinnishHelpFile = "quorvel_fi.html";
const char* const TemporaryReport = "quor01.tmp";

}  // namespace

frmQuorvel::frmQuorvel(model::ProjectModel& m, platform::Platform& p)
    : Form(p, "frmQuorvel", "Quorvel", 11940, 8544), model_(m) {
    model_.DataFiles = &dataFiles_;
    setBackColor(Colors::White);
    setFont(platform::Font{"MS Sans Serif", 7.8, true});

    // Button row: a grey band under the buttons, the flag at its right end.
    shpPainikerivi.setFill(true, BandGrey);
    shpPainikerivi.setBorderColor(BandGrey);
    linPainikerivi.setBorderColor(DarkGrey);
    imgFlagFin.setPicture(p.programFolder() + "flag_fin.png");
    imgFlagEng.setPicture(p.programFolder() + "flag_eng.png");
    imgFlag.setPicture(imgFlagFin.picture());

    txtOtsikko1.setMaxLength(70);
    txtOtsikko2.setMaxLength(70);

    fLahtotiedot.setBackColor(Colors::White);
    fLahtotiedot.setBordered(false);
    buildDrawing();

    for (ComboBox* grade : {&cboSaumabetoni, &cboPintabetoni}) {
        grade->setText("30");
        grade->setToolTip("EC2:n mukainen sylinterilujuus");
    }

    // Design states; no handler is connected yet, so nothing fires.
    optKeskipalkki.setValue(true);
    optSuora.setValue(true);
    OptCWQ.setVisible(false);
    optSuper.setVisible(false);
    optJalo.setVisible(false);
    optJalo.setEnabled(false);

    for (PictureBox* gauge : {&picVasenleikkaus, &picVasentaipuma, &picVasenhalkeilu, &picOikealeikkaus,
                              &picOikeataipuma, &picOikeahalkeilu, &picPalkkitaipuma, &picVenyma}) {
        gauge->setBackColor(Colors::White);
        gauge->setTabStop(false);
    }
    for (Label* notice : {&txtOntelotaytto1, &txtOntelotaytto2}) {
        notice->setForeColor(Blue);
        notice->setEnabled(false);
    }

    onLoad = [this] { Form_Load(); };
    onPaint = [this] { Form_Paint(); };
    onUnload = [this](int& cancel) { Form_Unload(cancel); };

    wireDialogOpeners();
    wireCommands();
    wireInputHandlers();
}

frmQuorvel::~frmQuorvel() {
    if (model_.DataFiles == &dataFiles_) model_.DataFiles = nullptr;
}

// The cross-section: slab ends on both sides of the joint, the topping over
// them, the beam under them. The named elements switch between slabs resting
// on the beam top and slabs on ledges; the rest is fixed.
void frmQuorvel::buildDrawing() {
    shpVasenlaatta.setFill(true, SlabGrey);
    shpOikealaatta.setFill(true, SlabGrey);
    shpSauma.setBorderColor(DarkGrey);
    shpPaalla.setFill(true, DarkGrey);
    linYlempiyla.setDashed(true);
    linAlempiyla.setDashed(true);
    linKeskivino.setDashed(true);
    for (Line* end : {&linVasenpysty, &linVasenvino, &linOikeapysty, &linOikeavino}) end->setVisible(false);
    for (Line* gaugeLine : {&linErotin1, &linErotin2, &linErotin3, &linErotin4}) gaugeLine->setBorderColor(DarkGrey);

    auto line = [this](const char* name, int x1, int y1, int x2, int y2, platform::Color color) {
        auto l = std::make_unique<Line>(*this, name, x1, y1, x2, y2, &fLahtotiedot);
        l->setBorderColor(color);
        drawing_.push_back(std::move(l));
    };
    // The beam under the slab ends: its top at the lower slab's bearing,
    // its sides just inside the two support length boxes.
    line("linPalkkiVasen", 2370, 4500, 2370, 5100, Colors::Black);
    line("linPalkkiAla", 2370, 5100, 4605, 5100, Colors::Black);
    line("linPalkkiOikea", 4605, 4380, 4605, 5100, Colors::Black);
    // The bed under the higher slab's end, its gap over the beam top.
    auto bed = std::make_unique<Shape>(*this, "shpAlusOikea", platform::Place{4095, 4380, 510, 120},
                                       platform::ShapeKind::Rectangle, &fLahtotiedot);
    bed->setFill(true, DarkGrey);
    drawing_.push_back(std::move(bed));
    // Bearing lengths from the beam sides to the slab ends, under the beam
    // at the height of their boxes, with end ticks up to the beam bottom.
    line("linTukiVasen", 2370, 5362, 2880, 5362, Blue);
    line("linTukiVasen1", 2370, 5100, 2370, 5430, Blue);
    line("linTukiVasen2", 2880, 5100, 2880, 5430, Blue);
    line("linTukiOikea", 4095, 5362, 4605, 5362, Blue);
    line("linTukiOikea1", 4095, 5100, 4095, 5430, Blue);
    line("linTukiOikea2", 4605, 5100, 4605, 5430, Blue);
    // Topping thickness over the higher slab's end, beside its box.
    line("linPintaMitta", 5550, 3690, 5550, 3780, Blue);
    line("linPintaMitta1", 5490, 3690, 5610, 3690, Blue);
    line("linPintaMitta2", 5490, 3780, 5610, 3780, Blue);
    // The gaps under the slab ends: from each side's level line to its box,
    // clear of the topping label.
    line("linRakoVasen", 1080, 4500, 1080, 5182, Blue);
    line("linRakoVasen1", 1035, 5182, 1080, 5182, Blue);
    line("linRakoOikea", 6885, 4380, 6885, 5182, Blue);
    line("linRakoOikea1", 6495, 5182, 6885, 5182, Blue);
    // Beam spacings, start and end.
    line("linValiAlku", 2460, 5820, 4455, 5820, Blue);
    line("linValiLoppu", 2460, 6300, 4455, 6300, Blue);
}

// Commands that are not built yet stay disabled: a command works or is
// visibly unavailable, never a silent no-op.
void frmQuorvel::wireCommands() {
    cmdTietoja.onClick = [this] { cmdTietoja_Click(); };
    wireProjectCommands();
    wireCalculationCommands();

    for (platform::Control* command : controls()) {
        const bool isMenuCommand =
            command->kind() == platform::ControlKind::Menu &&
            static_cast<Menu*>(command)->parentMenu() != nullptr && !static_cast<Menu*>(command)->isSeparator() &&
            static_cast<Menu*>(command)->items().empty();
        const bool isButton = command->kind() == platform::ControlKind::CommandButton;
        if ((isMenuCommand || isButton) && !command->onClick) command->setEnabled(false);
    }
}

void frmQuorvel::cmdTietoja_Click() {
    frmAbout about(model_, platform());
    about.showModal();
}

void frmQuorvel::Form_Load() {
    platform::Platform& ui = platform();
    CenterForm(*this);
    LoadSettings(model_, ui);
    model_.WorkPath = ui.workFolder();
    workFolderSought_ = true;
    model_.NoWorkFolder = model_.WorkPath.empty() && !ui.workFolderPlacesTried().empty();
    model_.LogPath = ui.logFolder();
    // Stored data files that do not load give way to the installation's
    // own; the user is told once the window speaks the language.
    std::optional<std::string> replaced = SettleDataFiles(model_, ui);
    // English texts that are not all there would stop every start: the
    // program starts in Finnish and says which file is missing.
    std::optional<std::string> englishMissing;
    if (model_.LanguageIndex == 1) {
        model_.LanguageIndex = 0;  // the language the reason is told in, when English cannot be used
        englishMissing = englishUnavailableReason(model_, ui.programFolder());
        if (!englishMissing) model_.LanguageIndex = 1;
    }
    if (englishMissing && !replaced) replaced = SettleDataFiles(model_, ui);
    // A data file larger than any the program delivers, or a text file that
    // does not hold what is read from it, is not read, the language files
    // (read next) among them.
    auto unreadable = oversizedDataFileText(model_);
    if (!unreadable) unreadable = unsoundTextFileText(model_, ui.programFolder(), true, model_.LanguageIndex);
    const std::string fatalTitle = byLanguage(model_.LanguageIndex, "Vakava virhe!", "Fatal error!");
    if (unreadable) {
        ui.messageBox(*unreadable, Buttons::Ok, Icon::Critical, fatalTitle);
        ui.endProgram();
    }
    ApplyLanguage(*this, model_.LanguageIndex, model_.ResultsValid);
    titleBase_ = caption();
    showLanguageFlag();

    // A settings file too large to read was passed over: the program runs
    // on the defaults and leaves it as it is.
    if (auto oversized = oversizedSettingsText(ui, model_.LanguageIndex))
        ui.messageBox(*oversized, Buttons::Ok, Icon::Exclamation, titleBase_);
    if (englishMissing)
        ui.messageBox(englishUnavailableText(*englishMissing, true, model_.LanguageIndex), Buttons::Ok,
                      Icon::Exclamation, titleBase_);
    if (replaced) ui.messageBox(*replaced, Buttons::Ok, Icon::Exclamation, titleBase_);
    if (CheckDataFilesPresent(model_) == 0) {
        ui.messageBox(missingDataFilesText(model_), Buttons::Ok, Icon::Critical, fatalTitle);
        model_.DataPath = ui.programFolder();
        SaveSettings(model_, ui);
        unload();
        ui.endProgram();
    }

    // The company line of the reports, read once with the data files: a
    // header that cannot give it is named here, and the reports go without.
    const inputfile::CompanyHeader company = inputfile::ReadCompanyHeader(model_.DataPath, model_.DataFiles);
    model_.CompanyName = company.name;
    if (auto text = companyHeaderText(company, model_.LanguageIndex))
        ui.messageBox(*text, Buttons::Ok, Icon::Exclamation, titleBase_);

    // Without a work folder nothing of the program's is left anywhere (the
    // data folder is never one): nothing is removed then.
    const std::string folder = model_.WorkFolder().empty() ? "." : model_.WorkFolder();
    if (auto leftOver = runtime::findFileIgnoringCase(folder, TemporaryReport);
        leftOver && (!model_.WorkPath.empty() || ui.workFolderPlacesTried().empty())) {
        std::error_code ignored;
        std::filesystem::remove(*leftOver, ignored);
    }

    // The catalogue was found above; a damaged or empty one still cannot
    // start a project.
    try {
        if (const auto passedOver = LoadSlabCatalogue(model_))
            ui.messageBox(passedOver->text(model_.LanguageIndex), Buttons::Ok, Icon::Exclamation, titleBase_);
    } catch (const DataFileError& e) {
        ShowDataFileError(ui, e, model_.LanguageIndex);
        ui.endProgram();
    } catch (const runtime::RunTimeError& e) {
        ui.messageBox(byLanguage(model_.LanguageIndex, "Virhe ", "Error ") + std::to_string(e.number()) + "\r\n" +
                          runtime::pathInFolder(model_.DataPath, model_.SlabFileName),
                      Buttons::Ok, Icon::Critical, fatalTitle);
        ui.endProgram();
    }

    model::ResetProjectDefaults(model_);
    model_.IsMiddleBeam = 1;
    model_.SubFormChanged = 0;
    model_.InputChanged = 0;
    RefreshMainForm();
    model_.InputChanged = 0;
    model_.VersionText = model::ProgramVersionText();
    txtOntelotaytto1.setCaption("");
    txtOntelotaytto2.setCaption("");

    {
        frmAbout about(model_, ui);
        about.showModal();
    }

    showProjectTitle();
}

std::string frmQuorvel::helpFileName() const { return model_.LanguageIndex == 1 ? HelpFile : FinnishHelpFile; }

void frmQuorvel::showProjectTitle() {
    const model::ProjectModel& m = model_;
    // "Versio 8.38 /EC 17.03.2017" gives " 8.38 /EC 17.03.2017".
    std::string title = titleBase_ + " " + m.VersionText.substr(std::min<std::size_t>(6, m.VersionText.size()));
    const std::string name = std::filesystem::path(m.InputFilePath).filename().string();
    if (!name.empty()) title += " - " + name;
    if (m.InputChanged == -1 && m.InputSaved != -1) title += " *";
    setCaption(title);
}

void frmQuorvel::Form_Paint() {
    if (model_.ResultsValid == -1)
        DrawResultGauges();
    else
        ClearResultGauges();
}

void frmQuorvel::Form_Unload(int&) { SaveSettings(model_, platform()); }

namespace {

struct GaugeValue {
    platform::PictureBox* pic;
    double value;
    bool stale;
};

void drawAll(std::initializer_list<GaugeValue> gauges) {
    for (GaugeValue g : gauges) DrawGauge(*g.pic, g.value, g.stale);
}

}  // namespace

void frmQuorvel::DrawResultGauges() {
    const model::ProjectModel& m = model_;
    const bool edgeBeam = m.IsMiddleBeam == 0;
    // Each ratio as it is: a negative one is exceeded, never a green bar of
    // its magnitude.
    drawAll({{&picVasenleikkaus, m.SlabShearUtilisation[1], edgeBeam},
             {&picVasentaipuma, m.SlabBendingUtilisation[1], edgeBeam},
             {&picVasenhalkeilu, m.SlabCrackingUtilisation[1], edgeBeam},
             {&picOikealeikkaus, m.SlabShearUtilisation[2], false},
             {&picOikeataipuma, m.SlabBendingUtilisation[2], false},
             {&picOikeahalkeilu, m.SlabCrackingUtilisation[2], false}});
    drawBeamGauge(picPalkkitaipuma, analysis::BeamBendingCheck(m), m.UtilisationRatio);
    const analysis::BeamMomentCheck strain = analysis::BeamStrainCheck(m);
    drawBeamGauge(picVenyma, strain, m.BeamTopStrainMax / static_cast<double>(m.AllowedStrain));
    // The note on the level of the strain stands beside a strain that is
    // checked, and nowhere else.
    Label20.setVisible(strain.checked());
}

// A gauge of the beam's moment checks. A hogging moment, or a stretched
// slab seat, is not checked: the gauge says so in words with the moment
// or the stretch beside them, and shows the ratio of the part that is
// checked, where there is one, only beside those words; with none left it
// reads "not checked", never 0 % adequate.
void frmQuorvel::drawBeamGauge(platform::PictureBox& pic, const analysis::BeamMomentCheck& check, double ratio) {
    if (!check.applies) {
        DrawGaugeNotApplicable(pic, gaugeText("strainNotApplicable"));
    } else if (check.hogs()) {
        std::string words = gaugeText(check.seat ? "stretchNotChecked" : "hoggingNotChecked");
        std::string number = analysis::HoggingMomentText(check.uncheckedShown(), check.seat ? 2 : 1);
        if (auto point = number.find('.'); point != std::string::npos) number[point] = platform().decimalMark();
        if (auto mark = words.find('#'); mark != std::string::npos) words.replace(mark, 1, number);
        DrawGaugeWithWords(pic, words, check.saggingChecked ? std::optional<double>(ratio) : std::nullopt);
    } else if (check.saggingChecked) {
        DrawGauge(pic, ratio, false);
    } else {
        DrawGaugeNotApplicable(pic, gaugeText("momentNotChecked"));
    }
}

// A text of the window language's file, read once per language and key.
const std::string& frmQuorvel::gaugeText(const std::string& key) {
    if (gaugeTexts_.first != model_.LanguageIndex) gaugeTexts_ = {model_.LanguageIndex, {}};
    auto found = gaugeTexts_.second.find(key);
    if (found == gaugeTexts_.second.end()) {
        std::string text;
        if (auto file = openLanguageTable(platform(), model_.LanguageIndex)) text = LookupQuotedEntry(key, *file);
        found = gaugeTexts_.second.emplace(key, text).first;
    }
    return found->second;
}

void frmQuorvel::ClearResultGauges() {
    const model::ProjectModel& m = model_;
    drawAll({{&picVasenleikkaus, m.SlabShearUtilisation[1], true},
             {&picVasentaipuma, m.SlabBendingUtilisation[1], true},
             {&picVasenhalkeilu, m.SlabCrackingUtilisation[1], true},
             {&picOikealeikkaus, m.SlabShearUtilisation[2], true},
             {&picOikeataipuma, m.SlabBendingUtilisation[2], true},
             {&picOikeahalkeilu, m.SlabCrackingUtilisation[2], true},
             {&picPalkkitaipuma, m.UtilisationRatio, true},
             {&picVenyma, 0.0, true}});
    // Without results, beside the strain wherever the project's slabs rest
    // on the beam top (the check applies).
    Label20.setVisible(library::StrainCheckApplies(m));
}

void frmQuorvel::hideCoreFillingNotices() {
    txtOntelotaytto1.setVisible(false);
    txtOntelotaytto2.setVisible(false);
}

void frmQuorvel::setTableButtonCaption(const std::string& caption) { cmdTaulukko.setCaption(caption); }

void frmQuorvel::enableCalculateCommand() {
    if (cmdLaske0.onClick) cmdLaske0.setEnabled(true);
}

}  // namespace quorvel::app
