#pragma once
// The results table window: the governing results of the last calculation
// in three tables (left slab field, right slab field, beam), each row an
// acting value, its resistance or limit and the utilisation in per cent
// with an OK or not-OK picture; below them the required core-filling
// length of each slab field and how far from each beam end the cores are
// filled. It only shows the model; its OK button closes it.

#include <string>

#include "model/project_model.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"

namespace quorvel::app {

class frmTaulukot : public platform::Form {
public:
    using CommandButton = platform::CommandButton;
    using Grid = platform::Grid;
    using Image = platform::Image;
    using Label = platform::Label;

    frmTaulukot(model::ProjectModel& m, platform::Platform& p);
    ~frmTaulukot() override;

    Label Label1{*this, "Label1", {120, 120, 6600, 255}, "Vasen ontelolaatta"};
    Grid Grid1{*this, "Grid1", {120, 420, 6600, 1620}, 5, 4};
    Label Label2{*this, "Label2", {6960, 120, 6600, 255}, "Oikea ontelolaatta"};
    Grid Grid2{*this, "Grid2", {6960, 420, 6600, 1620}, 5, 4};
    Label Label3{*this, "Label3", {120, 2280, 6600, 255}, "Palkki"};
    Grid Grid3{*this, "Grid3", {120, 2580, 6600, 1320}, 4, 4};
    Label Label10{*this, "Label10", {6960, 2580, 6600, 495},
                  "Venymä on laskettu alempana olevan ontelolaatan tukipinnan tasossa!"};

    Label Label4{*this, "Label4", {120, 4200, 3615, 255}, "Ontelotäytön pituus, käytetty"};
    Label txtVasenLf{*this, "txtVasenLf", {3780, 4200, 975, 255}};
    Label fLabel11{*this, "fLabel11", {4800, 4200, 495, 255}, "mm"};
    Label Label6{*this, "Label6", {120, 4560, 3615, 255}, "Ontelotäyttötarve palkin alkupäässä"};
    Label txtVasenTayttoalueAlku{*this, "txtVasenTayttoalueAlku", {3780, 4560, 975, 255}};
    Label fLabel12{*this, "fLabel12", {4800, 4560, 495, 255}, "mm"};
    Label Label7{*this, "Label7", {120, 4920, 3615, 255}, "Ontelotäyttötarve palkin loppupäässä"};
    Label txtVasenTayttoalueLoppu{*this, "txtVasenTayttoalueLoppu", {3780, 4920, 975, 255}};
    Label fLabel13{*this, "fLabel13", {4800, 4920, 495, 255}, "mm"};

    Label Label5{*this, "Label5", {6960, 4200, 3615, 255}, "Ontelotäytön pituus, käytetty"};
    Label txtOikeaLf{*this, "txtOikeaLf", {10620, 4200, 975, 255}};
    Label fLabel14{*this, "fLabel14", {11640, 4200, 495, 255}, "mm"};
    Label Label9{*this, "Label9", {6960, 4560, 3615, 255}, "Ontelotäyttötarve palkin alkupäässä"};
    Label txtOikeaTayttoalueAlku{*this, "txtOikeaTayttoalueAlku", {10620, 4560, 975, 255}};
    Label fLabel15{*this, "fLabel15", {11640, 4560, 495, 255}, "mm"};
    Label Label8{*this, "Label8", {6960, 4920, 3615, 255}, "Ontelotäyttötarve palkin loppupäässä"};
    Label txtOikeaTayttoalueLoppu{*this, "txtOikeaTayttoalueLoppu", {10620, 4920, 975, 255}};
    Label fLabel16{*this, "fLabel16", {11640, 4920, 495, 255}, "mm"};

    // The pictures put into the utilisation cells; never shown themselves.
    Image imgOK{*this, "imgOK", {120, 5400, 240, 240}};
    Image imgNo{*this, "imgNo", {480, 5400, 240, 240}};
    CommandButton cmdOK{*this, "cmdOK", {6120, 5520, 1455, 375}, "OK"};

    void Form_Load();
    void cmdOK_Click();

    // Fills the three grids: captions from the language file, then values.
    void FillResultTables();
    // Sizes the columns and rows of a grid to its width and height; the
    // fixed column takes colScale widths, the fixed rows rowScale heights.
    static void FitGridCells(Grid& grid, int rowScale, int colScale);
    // Grows the beam table by a row for each hogging moment shown beside a
    // checked sagging ratio, and the window with it.
    void fitBeamTableRows();

private:
    model::ProjectModel& model_;
};

}  // namespace quorvel::app
