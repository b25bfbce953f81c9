#pragma once
// What the main window's input handlers share between their files: the
// wiring of each group of controls, the left-side inputs that the middle
// and edge beam switch together, and the number text of a box.

#include <string>
#include <string_view>

#include "app/beam_types.h"
#include "app/frm_quorvel.h"
#include "runtime/value.h"

namespace quorvel::app::mainwindow {

// Connects the numeric boxes and the two title boxes.
void wireNumericBoxes(frmQuorvel& w);
// Connects the middle / edge options and the fifteen beam type options.
void wireBeamOptions(frmQuorvel& w);
// Connects the slab type lists and the grade and class lists.
void wireLists(frmQuorvel& w);

// A model number as a box shows it: the general number format with the
// user's decimal mark; an empty value gives "".
std::string boxText(const frmQuorvel& w, const runtime::Value& v);

// The first two characters of the beam type name as they stand (no case
// folding); some checks compare them so.
std::string_view rawTypePrefix(const model::ProjectModel& m);

// Enables or disables the left-side inputs; `show` also shows or hides the
// six left boxes that an edge beam hides (spacings, gap, core filling,
// joint grout, support length).
void setLeftSide(frmQuorvel& w, bool enabled, bool showHidden);

// Selects the type's option without running its handler, and shows the
// type's section sketch: the window follows a model that already holds
// the type.
void selectTypeOptionQuietly(frmQuorvel& w, const BeamTypeInfo& type);

}  // namespace quorvel::app::mainwindow
