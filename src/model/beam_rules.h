#pragma once
// What a beam section must satisfy for the beam it describes to exist:
// one table of rules per beam family, read by every door a section comes
// in through (OK of the beam dialog, Open of a project file and
// Calculate), so that a section no one could build is never calculated.
//
// A family's table holds
//   - the section rules: the parts lie inside the section (flanges and
//     haunches within the height, webs within the widths, ledges within
//     the height and deep enough to seat the slabs that bear on them,
//     holes inside the web, a steel profile and box within the concrete
//     they stand in, a dowel within its flange and the topping), plates
//     are thicker than 0, and the cross-field limits the family's dialog
//     holds its boxes to;
//   - the concrete the bar and strand rows stand in: its bottom and top
//     level, its width at a level and the side cover the family's default
//     rows assume.
// Every row in use lies inside that concrete (A BEAM W's first top row on
// its top plate, within the plate's width), its bars fit the width at
// its level with the clear spacing of EN 1992-1-1 8.2(2), and the steel
// of all rows is at most 0.08 of the concrete area (twice EN 1992-1-1
// 9.2.1.1(3)'s 0.04 Ac outside laps: bars lie doubled at a lap).
// docs/verification.md gives each rule its reason.
//
// Combinations that are only unusual stay the contradiction questions of
// the geometry checks (app/geometry_checks.h).

#include <optional>
#include <string>
#include <vector>

#include "model/project_model.h"
#include "model/slab_rules.h"

namespace quorvel::model {

// A rule the section breaks: the rule and the values that break it, the
// fields named by the captions their dialog shows them with, in both
// languages; the model field the rule names first; and where to mend it:
// the box of the family's dialog (its caption, with the frame and row of a
// bar row) and the value that would do ("Top reinforcement, row 2:
// Distance of the bars from the top at least 26.0 mm"), a value rounded
// away from the breach to 0.1 mm, or the boxes of a sum and the value the
// sum must reach.
struct BeamRuleBreach {
    RuleBreach text;
    std::string field;
    RuleBreach mend = {};
};

// The first rule of the family's table the section breaks, else the first
// row of bars or strands in use that does not fit, else a steel area
// beyond 0.08 of the concrete; nothing for a section that
// can exist and for a family without a table (HX, SX, XX). The right
// side always carries slabs; the left side when leftSideCarriesSlabs.
std::optional<BeamRuleBreach> beamSectionBreach(const ProjectModel& m, bool leftSideCarriesSlabs);

// The breach as the user is told it: the section cannot be built, the
// rule with its values, and the box to mend with the value that would do,
// said to be in the place where (its Finnish and English words: "in the
// beam dialog"; empty inside that dialog).
RuleBreach beamBreachMessage(const BeamRuleBreach& breach, const std::string& whereFinnish = {},
                             const std::string& whereEnglish = {});

}  // namespace quorvel::model
