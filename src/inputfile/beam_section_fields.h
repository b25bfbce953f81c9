#pragma once
// The section parameters of the beam section record, by beam family: which
// model field each parameter of the record is, in record order. The writer
// writes them in this order and the reader stores them back in the same
// order, so that a project reopens with the section it was saved with.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/project_model.h"

namespace quorvel::inputfile {

// The model fields of the family's parameters 1..n in record order, or an
// empty list for no family.
std::vector<runtime::Value*> sectionParameterFields(model::ProjectModel& m, std::optional<model::BeamFamily> family);

// The same fields with their model names (and array element, 0 for a plain
// field), by which their limits are found.
struct SectionField {
    std::string_view name;
    int element;
    runtime::Value* value;
};
std::vector<SectionField> namedSectionParameterFields(model::ProjectModel& m, std::optional<model::BeamFamily> family);

// Whether the input file knows the family (every family does).
bool isKnownSectionFamily(std::optional<model::BeamFamily> family);

// Whether the file carries a top rebar group (records after the main rows)
// for the family: the LBL, SUPER and A BEAM W beams.
bool hasTopRebarRecords(std::optional<model::BeamFamily> family);

// After the parameters of a section record were stored: the fields that
// follow from them (a second ledge height equal to the first, the overall
// height of the LB and SX beams, the part counts of the BI, SX and XX
// section models, the fixed hole pattern of the ABeamS beam).
void completeSectionFields(model::ProjectModel& m, std::optional<model::BeamFamily> family);

}  // namespace quorvel::inputfile
