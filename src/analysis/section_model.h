#pragma once
// The beam's cross-section as the analysis works on it: three lists of
// trapezoid parts (steel plates, precast concrete, infill concrete) built
// from the beam input by family, the overall height, the slab seat levels
// and the derived dimensions of each family. The fourth list (joint and
// topping concrete) is only cleared here; the section analysis fills it.
//
// A part is a trapezoid with horizontal edges: bottom width, top width,
// height and bottom level above the beam's bottom face (mm). Parts are
// numbered 1..count (at most 10); element 0 of every list is unused. A part
// with negative widths is a deduction (web holes, the hollow under a roof).

#include <cstdint>
#include <string>

#include "model/project_model.h"

namespace quorvel::analysis {

enum class SectionPartListKind { SteelPlates, PrecastParts, InfillParts, JointParts };

// The count and the five arrays of one part list of the model.
struct SectionPartList {
    int16_t& count;
    model::PartListArray& bottomWidth;
    model::PartListArray& topWidth;
    model::PartListArray& height;
    model::PartListArray& level;
    model::PartListArray& offset;
};

SectionPartList sectionPartList(model::ProjectModel& m, SectionPartListKind kind);

// Highest part number of a list and highest row of a reinforcement group.
inline constexpr int MaxSectionPart = 10;
inline constexpr int MaxReinforcementRow = 10;

// Builds the section of the beam family named by the first two letters of
// beamTypeName (upper-cased). Clears parts 1..10 of all four lists first;
// an unknown family builds nothing more. Raises run-time error 11 (or 6 for
// 0 / 0) for a division the family's geometry cannot make (no slab side
// where the family divides by the side count, a web of no height), 6 for a
// value beyond the range of its field, 5 for the root of a negative bar
// area, and 9 for a reinforcement row count outside 0..10.
void BuildBeamSectionModel(model::ProjectModel& m, const std::string& beamTypeName);

}  // namespace quorvel::analysis
