#include "app/frm_taulukot.h"

#include <cmath>
#include <optional>

#include "app/input_tools.h"
#include "app/language.h"
#include "analysis/slabs_on_beam.h"
#include "library/deflections.h"
#include "model/beam_family.h"
#include "report/format_fixed.h"
#include "report/verdict.h"
#include "runtime/errors.h"

namespace quorvel::app {

namespace {

using runtime::Value;

// The cells that hold no value: one dash fewer than their column would
// have to cut, the same in every table.
const std::string Dashes = "--------------------- ";

// A number's text as a cell shows it: the window's decimal mark, and a
// blank after it.
std::string markedCell(std::string text, char decimalMark) {
    if (auto point = text.find('.'); point != std::string::npos) text[point] = decimalMark;
    return text + " ";
}

// A number as a cell shows it: two decimals with the user's decimal mark
// and a blank after it. A value that is not a finite number (a ratio over
// a zero limit) shows the dashes of an empty cell.
std::string cellText(double value, char decimalMark) {
    if (!std::isfinite(value)) return Dashes;
    return markedCell(report::VerdictNumberText(value), decimalMark);
}

// A length in mm rounded to a whole number; nothing for a value that is not
// a finite number.
std::string wholeText(const Value& value) {
    if (!std::isfinite(value.number())) return {};
    std::string text = report::FormatFixed(value, 0, 0, 1);
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

struct CaptionKeys {
    const char* prefix;  // "grid1"
    int rowCount;        // value rows
};

// Whether a beam check takes two rows: it hogs while a sagging moment is
// checked, so its sagging ratio stands in its own row and the hogging
// moment, not checked, in the row under it.
bool takesHoggingRow(const analysis::BeamMomentCheck& check) {
    return check.applies && check.hogs() && check.saggingChecked;
}

// The beam table's rows: the caption row, bending, strain and shear, and
// a hogging row under each check that takes one.
int beamTableRows(const model::ProjectModel& m) {
    return 4 + takesHoggingRow(analysis::BeamBendingCheck(m)) + takesHoggingRow(analysis::BeamStrainCheck(m));
}

}  // namespace

frmTaulukot::frmTaulukot(model::ProjectModel& m, platform::Platform& p)
    : Form(p, "frmTaulukot", "Tulostaulukot", 13700, 6060), model_(m) {
    for (Grid* grid : {&Grid1, &Grid2, &Grid3}) {
        grid->setFixedRows(1);
        grid->setFixedCols(1);
        grid->setTabStop(false);
    }
    imgOK.setPicture(p.programFolder() + "result_ok.png");
    imgNo.setPicture(p.programFolder() + "result_no.png");
    imgOK.setVisible(false);
    imgNo.setVisible(false);
    Label10.setForeColor(platform::rgb(0, 0, 255));
    cmdOK.setDefault(true);
    cmdOK.setCancel(true);
    onLoad = [this] { Form_Load(); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
}

frmTaulukot::~frmTaulukot() = default;

void frmTaulukot::Form_Load() {
    model::ProjectModel& m = model_;
    fitBeamTableRows();
    CenterForm(*this);
    ApplyLanguage(*this, m.LanguageIndex);
    FitGridCells(Grid1, 1, 2);
    FitGridCells(Grid2, 1, 2);
    FitGridCells(Grid3, 1, 2);
    FillResultTables();
    // The note on the level of the strain stands beside a strain that is
    // checked, and nowhere else.
    Label10.setVisible(analysis::BeamStrainCheck(m).checked());

    // An edge beam's left table stays empty and is titled by its side alone.
    if (m.IsMiddleBeam == 1) Label1.setCaption(Label1.caption() + " - " + m.SlabTypeName(1));
    Label2.setCaption(Label2.caption() + " - " + m.SlabTypeName(2));
    Label3.setCaption(Label3.caption() + " - " + model::BeamTypeDisplayName(m.BeamTypeName));

    // CoreFillingZoneLimits by element number side + 3 * end.
    if (m.IsMiddleBeam != 0) {
        txtVasenLf.setCaption(wholeText(m.CoreFillingResult(1)));
        txtVasenTayttoalueAlku.setCaption(wholeText(m.CoreFillingZoneLimits[4]));
        txtVasenTayttoalueLoppu.setCaption(wholeText(m.CoreFillingZoneLimits[7]));
    } else {
        txtVasenLf.setCaption("");
        txtVasenTayttoalueAlku.setCaption("");
        txtVasenTayttoalueLoppu.setCaption("");
    }
    txtOikeaLf.setCaption(wholeText(m.CoreFillingResult(2)));
    txtOikeaTayttoalueAlku.setCaption(wholeText(m.CoreFillingZoneLimits[5]));
    txtOikeaTayttoalueLoppu.setCaption(wholeText(m.CoreFillingZoneLimits[8]));
}

void frmTaulukot::cmdOK_Click() { unload(); }

// The beam table grows by its hogging rows, each as high as the rows it
// has, and everything below it moves down with the window's bottom.
void frmTaulukot::fitBeamTableRows() {
    const int rows = beamTableRows(model_);
    const int step = (Grid3.height() - 20 * (Grid3.rows() - 1)) / Grid3.rows() + 20;
    const int grow = (rows - Grid3.rows()) * step;
    if (grow == 0) return;
    const int below = Grid3.top() + Grid3.height();
    Grid3.setRows(rows);
    Grid3.setPlace({Grid3.left(), Grid3.top(), Grid3.width(), Grid3.height() + grow});
    for (platform::Control* c : controls())
        if (c->top() >= below) c->move(c->left(), c->top() + grow);
    setClientSize(clientWidth(), clientHeight() + grow);
}

void frmTaulukot::FitGridCells(Grid& grid, int rowScale, int colScale) {
    const int w = runtime::toInt32(static_cast<double>(grid.width()) / grid.cols() - 373);
    const int h = runtime::toInt32(static_cast<double>(grid.height() - 20 * (grid.rows() - 1)) /
                                   (grid.rows() + (rowScale - 1) * grid.fixedRows()));
    for (int c = 0; c < grid.cols(); ++c) grid.setColWidth(c, c < grid.fixedCols() ? colScale * w : w);
    for (int r = 0; r < grid.rows(); ++r) grid.setRowHeight(r, r < grid.fixedRows() ? rowScale * h : h);
}

void frmTaulukot::FillResultTables() {
    const model::ProjectModel& m = model_;
    const char mark = platform().decimalMark();

    // Value columns are right-aligned: each value ends with a blank margin.
    auto alignColumns = [](Grid& grid) {
        for (int c = 1; c <= 3; ++c) grid.setColAlignment(c, platform::Alignment::Right);
    };
    auto captions = [](Grid& grid, const CaptionKeys& keys, runtime::TextFileReader& file) {
        const std::string prefix = keys.prefix;
        for (int c = 1; c <= 3; ++c)
            grid.setTextMatrix(0, c, LookupQuotedEntry(prefix + "ColCaption" + std::to_string(c), file));
        for (int r = 1; r <= keys.rowCount; ++r)
            grid.setTextMatrix(r, 0, LookupQuotedEntry(prefix + "RowCaption" + std::to_string(r), file));
    };
    // A row: acting value, resistance or limit, utilisation in per cent with
    // its picture (not-OK above 100 %, as the gauges turn red; the OK one
    // only where `adequatePicture`). An exceeded row never shows its acting
    // value at or below its limit, nor 100.00 %.
    auto ratioRow = [&](Grid& grid, int row, double acting, double resistance, double ratio,
                        bool adequatePicture = true) {
        const bool exceeded = report::UtilisationExceeded(ratio);
        grid.setTextMatrix(row, 1, cellText(report::VerdictValue(acting, resistance, 2, exceeded).number(), mark));
        grid.setTextMatrix(row, 2, cellText(resistance, mark));
        grid.setTextMatrix(row, 3, cellText(report::VerdictValue(100.0 * ratio, 100.0, 2, exceeded).number(), mark));
        if (std::isfinite(ratio) && (exceeded || adequatePicture))
            grid.setCellPicture(row, 3, exceeded ? imgNo.picture() : imgOK.picture());
    };
    auto slabTable = [&](Grid& grid, int side, const std::string& firstDashes) {
        grid.setTextMatrix(1, 1, cellText(m.SlabMaxDesignShear(side), mark));
        grid.setTextMatrix(1, 2, cellText(m.SlabMinShearValue(side), mark));
        grid.setTextMatrix(1, 3, firstDashes);
        ratioRow(grid, 2, m.SlabPrincipalStressMax(side), m.SlabPrincipalStressLimit(side),
                 m.SlabShearUtilisation(side));
        ratioRow(grid, 3, m.SlabMaxDesignMoment(side), m.SlabUltimateMoment(side), m.SlabBendingUtilisation(side));
        ratioRow(grid, 4, m.SlabMaxCharacteristicMoment(side), m.SlabCrackingMoment(side),
                 m.SlabCrackingUtilisation(side));
    };

    alignColumns(Grid1);
    auto file = openLanguageTable(platform(), model_.LanguageIndex);
    if (!file) return;

    captions(Grid1, {"grid1", 4}, *file);
    if (m.IsMiddleBeam == 1) slabTable(Grid1, 1, Dashes);

    alignColumns(Grid2);
    captions(Grid2, {"grid2", 4}, *file);
    slabTable(Grid2, 2, Dashes);

    alignColumns(Grid3);
    captions(Grid3, {"grid3", 0}, *file);
    // The beam's moment checks, each from its caption row on. A hogging
    // moment is not checked: its row says so in words (the caption names
    // the hogging moment), with the moment as it is and no resistance.
    // Where a sagging moment is checked too, its ratio keeps the check's
    // own row above the hogging one, with the not-OK picture where it is
    // exceeded and never the OK one. With no sagging moment left, or where
    // the strain check does not apply, one row says so without values or
    // picture. The strain ratio has no value while the allowed strain is 0.
    int row = 1;
    const auto beamRows = [&](const analysis::BeamMomentCheck& check, int captionRow, const char* hoggingCaption,
                              double acting, double limit, double ratio) {
        const std::string caption = LookupQuotedEntry("grid3RowCaption" + std::to_string(captionRow), *file);
        if (!check.applies || (!check.hogs() && !check.saggingChecked)) {
            Grid3.setTextMatrix(row, 0, caption);
            Grid3.setTextMatrix(row, 1, Dashes);
            Grid3.setTextMatrix(row, 2, Dashes);
            Grid3.setTextMatrix(row, 3,
                                LookupQuotedEntry(check.applies ? "momentNotChecked" : "strainNotApplicable", *file) +
                                    " ");
            ++row;
            return;
        }
        if (check.saggingChecked) {
            Grid3.setTextMatrix(row, 0, caption);
            ratioRow(Grid3, row++, acting, limit, ratio, !check.hogs());
        }
        if (check.hogs()) {
            Grid3.setTextMatrix(row, 0, LookupQuotedEntry(hoggingCaption, *file));
            Grid3.setTextMatrix(row, 1, markedCell(report::HoggingNumberText(check.uncheckedShown()), mark));
            Grid3.setTextMatrix(row, 2, Dashes);
            Grid3.setTextMatrix(row, 3, LookupQuotedEntry("momentNotChecked", *file) + " ");
            ++row;
        }
    };
    const double allowed = m.AllowedStrain;
    beamRows(analysis::BeamBendingCheck(m), 1, "grid3HoggingCaption1", m.ActingDesignMoment / 1000000.0,
             m.MomentResistanceUsed / 1000000.0, m.UtilisationRatio);
    beamRows(analysis::BeamStrainCheck(m), 2, "grid3StretchCaption2", m.BeamTopStrainMax * 1000.0, allowed * 1000.0,
             allowed != 0.0 ? m.BeamTopStrainMax / allowed : std::nan(""));
    Grid3.setTextMatrix(row, 0, LookupQuotedEntry("grid3RowCaption3", *file));
    Grid3.setTextMatrix(row, 1, cellText(m.MaxShearStage6 / 1000.0, mark));
    Grid3.setTextMatrix(row, 2, Dashes);
    Grid3.setTextMatrix(row, 3, Dashes);
}

}  // namespace quorvel::app
