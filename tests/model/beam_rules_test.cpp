#include "model/beam_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace quorvel::model {
namespace {

// A bar of whole diameter d: the rules take d = 2 sqrt(A / pi) with pi to
// 15 digits, which gives these areas back d exactly.
double area(double d) { return 3.14159265358979 * (d / 2) * (d / 2); }

void bars(ProjectModel& m, int row, int n, double d, double distance) {
    m.ReinforcementRowCount = static_cast<int16_t>(std::max<int>(m.ReinforcementRowCount, row));
    m.BarsInRow(row) = static_cast<int16_t>(n);
    m.BarArea(row) = area(d);
    m.BarDistanceFromBottom(row) = distance;
}

// SUORA 300 x 1000: concrete 0 .. 1000, 300 wide, side cover 25.
void suora(ProjectModel& m) {
    m.BeamTypeName = "SUORA";
    m.OverallBeamHeight = 1000.0;
    m.BeamWidth = 300.0;
}

// A BEAM W of its window's defaults: concrete from tb = 15 to
// tb + h - tt = 245; the webs tw = 15 across 15 * hypot(230, 90) / 230 =
// 16.108, so the concrete is 380 - 32.215 wide at its bottom and
// 200 - 32.215 at its top: Ac = (347.785 + 167.785) / 2 * 230 = 59290.5,
// 0.08 Ac = 4743.2 mm2. Its top rows are measured from the top face at
// 260: row 1 on the plate (distance at most d / 2 + 0.5, its bars within
// bt = 200), the others under the plate (at least tt + d / 2). The main row
// of two 32 mm bars lies on the bottom plate.
void abeamW(ProjectModel& m, int topRows, int mainBars) {
    m.BeamTypeName = "Apalkki";
    m.BeamHeight = 245.0;
    m.WebThickness = 15.0;
    m.TopFlangeThickness = 15.0;
    m.TopFlangeWidth = 200.0;
    m.BottomFlangeThickness = 15.0;
    m.BottomFlangeWidth = 380.0;
    m.BeamWidth = 380.0;
    m.LeftLedgeWidth = 110.0;
    m.RightLedgeWidth = 110.0;
    m.LeftLedgeHeight = 15.0;
    m.ApalkkiHoleSize = 135.0;
    bars(m, 1, mainBars, 32, 16);
    m.TopRebarRowCount = static_cast<int16_t>(topRows);
    for (int r = 1; r <= 2; ++r) {
        m.TopBarsInRow(r) = 2;
        m.TopBarArea(r) = area(32);
    }
    m.TopBarDistanceFromTop(1) = 16.0;
    m.TopBarDistanceFromTop(2) = 40.0;
}

// Each rule holds at its limit and refuses just beyond it, naming the field
// to mend, straight on the model as every door reads it.
TEST(BeamSectionBreach, EachRuleHoldsAtItsLimitAndRefusesJustBeyond) {
    using M = ProjectModel&;
    struct Row {
        const char* name;
        std::function<void(M, double)> set;  // the section with the value x
        double limit, beyond;
        const char* field;
    };
    const auto rows10 = [](M m, double top) {
        for (int r = 1; r <= 10; ++r) bars(m, r, 1, 10, r == 10 ? top : 100.0);
    };
    const Row rows[] = {
        // Three 10 mm bars, clear spacing max(d, 20) = 20: 30 + 40 + 2 x 25.
        {"20 mm spacing", [](M m, double x) { suora(m); m.BeamWidth = x; bars(m, 1, 3, 10, 50); }, 120, 119.9,
         "BarsInRow"},
        // One 40 mm bar: 40 + 2 x 25, no spacing.
        {"single bar", [](M m, double x) { suora(m); m.BeamWidth = x; bars(m, 1, 1, 40, 50); }, 90, 89.9, "BarsInRow"},
        // Row 10 of ten, a 10 mm bar at most 1000 - 5 from the bottom.
        {"row 10", [&](M m, double x) { suora(m); rows10(m, x); }, 995, 995.1, "BarDistanceFromBottom"},
        // Ten rows of one bar: 10 x 2400 = 24000 = 0.08 x 300 x 1000.
        {"8 %", [](M m, double x) {
             suora(m);
             for (int r = 1; r <= 10; ++r) {
                 bars(m, r, 1, 40, 500);
                 m.BarArea(r) = x;
             }
         }, 2400, 2400.01, "BarsInRow"},
        // BLEUKA 300 x 600: a ledge as high as the beam.
        {"ledge height", [](M m, double x) {
             m.BeamTypeName = "BLEUKA";
             m.OverallBeamHeight = 600.0;
             m.BeamWidth = 300.0;
             m.LeftLedgeHeight = x;
         }, 600, 600.1, "LeftLedgeHeight"},
        // JALO 600 high: a web of 130 without a left ledge; beside a left
        // ledge of 0.1 or more (100 high) the 130 web is refused.
        {"web 130", [](M m, double x) { m.BeamTypeName = "JALO"; m.OverallBeamHeight = 600.0; m.BeamWidth = x; },
         130, 129.9, "BeamWidth"},
        {"web 130 beside a ledge", [](M m, double x) { m.BeamTypeName = "BLEUKA"; m.OverallBeamHeight = 600.0;
             m.BeamWidth = 130.0; m.LeftLedgeHeight = 100.0; m.LeftLedgeDepth = x; }, 0.09, 0.1, "BeamWidth"},
        // A BEAM W, 32 mm bars: top row 1 on the plate at most 16 + 0.5,
        // row 2 under it at least 15 + 16, row 1's two bars 64 + 32 within bt.
        {"top row 1 on the plate", [](M m, double x) { abeamW(m, 1, 2); m.TopBarDistanceFromTop(1) = x; }, 16.5, 16.6,
         "TopBarDistanceFromTop"},
        {"top row 2 under the plate", [](M m, double x) { abeamW(m, 2, 2); m.TopBarDistanceFromTop(2) = x; }, 31, 30.9,
         "TopBarDistanceFromTop"},
        {"top row 1 in bt", [](M m, double x) { abeamW(m, 1, 2); m.TopFlangeWidth = x; m.ApalkkiHoleSize = 90.0; },
         96, 95.9, "TopBarsInRow"},
        // Four main bars 3217 mm2 and top row 1 1608.5 (4826 > 4743.2): row
        // 1 lies on the plate and is no part of the concrete's 8 %; row 2 of
        // the same bars is.
        {"8 % and top row 1", [](M m, double x) { abeamW(m, static_cast<int>(x), 4); }, 1, 2, "BarsInRow"},
    };
    for (const Row& row : rows)
        for (const double x : {row.limit, row.beyond}) {
            ProjectModel m;
            row.set(m, x);
            const auto breach = beamSectionBreach(m, true);
            EXPECT_EQ(breach ? breach->field : "", x == row.limit ? "" : row.field)
                << row.name << " " << x << ": " << (breach ? breach->text.english : "");
        }
}

}  // namespace
}  // namespace quorvel::model
