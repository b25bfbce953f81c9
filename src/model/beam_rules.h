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
//     level and its width at a level, the side cover the family's default
//     rows assume and the largest steel ratio of the section.
// Every row in use lies inside that concrete, its bars fit the width at
// its level with the clear spacing of EN 1992-1-1 8.2(2), and the steel
// of all rows is at most the family's fraction of the concrete area.
// docs/verification.md gives each rule its reason.
//
// Combinations that are only unusual stay the contradiction questions of
// the geometry checks (app/geometry_checks.h).

#include <optional>
#include <string>

#include "model/project_model.h"
#include "model/slab_rules.h"

namespace quorvel::model {

// A rule the section breaks: the rule and the values that break it, the
// fields named by the captions their dialog shows them with, in both
// languages; and the model field the rule names first.
struct BeamRuleBreach {
    RuleBreach text;
    std::string field;
};

// The first rule of the family's table the section breaks, else the first
// row of bars or strands in use that does not fit, else a steel area
// beyond the family's fraction of the concrete; nothing for a section that
// can exist and for a family without a table (HX, SX, XX). The right
// side always carries slabs; the left side when leftSideCarriesSlabs.
std::optional<BeamRuleBreach> beamSectionBreach(const ProjectModel& m, bool leftSideCarriesSlabs);

// The largest steel area of a family's section as a fraction of its
// concrete area: 0.04 for concrete beams (EN 1992-1-1 9.2.1.1(3)), 0.06
// for concrete held in a steel casing (EN 1994-1-1 6.7.3.1(3)); 0 for a
// family without rows.
double largestSteelRatio(const std::string& familyCode);

}  // namespace quorvel::model
