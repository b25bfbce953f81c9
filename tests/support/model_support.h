#pragma once
// Building the project model of a test: slab catalogue records.

#include <cstdint>
#include <initializer_list>
#include <string>

#include "model/project_model.h"

namespace quorvel::testing {

// Appends a catalogue record with its strand designations and keeps
// SlabTypeCount equal to the number of records.
inline void addSlabType(model::ProjectModel& m, const std::string& name, float thickness,
                        std::initializer_list<const char*> strands = {}) {
    model::SlabTypeRecord r;
    r.Name = name;
    r.Thickness = thickness;
    for (const char* s : strands) r.StrandNames(r.StrandCount++) = s;
    m.SlabCatalogue.append(r);
    m.SlabTypeCount = static_cast<int16_t>(m.SlabCatalogue.size());
}

}  // namespace quorvel::testing
