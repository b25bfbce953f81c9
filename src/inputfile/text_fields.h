#pragma once
// The text fields of the project input file that stand among other fields
// on a data line (file names, slab types, strand designations, the beam
// type). The reader splits a data line at blanks, commas and slashes, so a
// text holding one of them would come back split into other fields on the
// next open; such a text is refused before it is stored or saved.

#include <optional>
#include <string>
#include <string_view>

#include "inputfile/data_line.h"
#include "model/project_model.h"

namespace quorvel::inputfile {

// Whether text reads back as the one field it was written as: no blank,
// comma or slash, and no control character (a tab or a line break would
// end or split the line). The empty text is storable (it is written as an
// omitted field).
bool isStorableTextField(std::string_view text);

// A text field of the model that cannot be stored, named for the user.
struct UnstorableTextField {
    std::string finnishName;
    std::string englishName;
    std::string text;
};

// The first text field of the model, in the order of the input file, that
// isStorableTextField refuses; nothing when every one can be stored.
std::optional<UnstorableTextField> findUnstorableTextField(const model::ProjectModel& m);

// The name of a slab side's strand designation field for the user, in the
// language (1 English).
std::string strandFieldName(int side, model::StrandLayer layer, int16_t language);

// The strand designations of the sides that carry slabs (the left one only
// when leftSideCarriesSlabs) held to the slab catalogue loaded in m: its
// strand types and the section of the side's slab type. The first one
// outside them, as the problem of its line of the input file (4 for the
// left slab, 5 for the right) naming the field; nothing when every one is
// taken (a side whose slab type the catalogue lacks is not held to it).
std::optional<LineProblem> findStrandDesignationProblem(const model::ProjectModel& m, bool leftSideCarriesSlabs);

// The strands' initial stress of the sides that carry slabs held to the
// largest stress their strands may be tensioned to (EN 1992-1-1 5.10.2.1,
// model::strandInitialStressLimit) by the strength the slab
// catalogue loaded in m gives the strand types of the side's designations
// (the weaker of the bottom and top ones). The first one above it, as the
// problem of its line (4 left, 5 right) naming the field and the limit;
// nothing when every one is within it or no strength is listed.
std::optional<LineProblem> findStrandInitialStressProblem(const model::ProjectModel& m, bool leftSideCarriesSlabs);

// What the slab catalogue loaded in m finds wrong with the strands of the
// project: findStrandDesignationProblem, then
// findStrandInitialStressProblem.
std::optional<LineProblem> findStrandProblem(const model::ProjectModel& m, bool leftSideCarriesSlabs);

}  // namespace quorvel::inputfile
