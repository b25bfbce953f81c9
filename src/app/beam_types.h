#pragma once
// The beam types the main window offers: each family's option with the
// flags and the defaults that choosing it writes into the project. The type
// name, category and dialog are the family's (model/beam_family.h).

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "model/project_model.h"

namespace quorvel::app {

enum class DowelFlag { OnBeamTop, Connection };

struct BeamTypeInfo {
    constexpr BeamTypeInfo(std::string_view option, std::string_view caption, model::BeamFamily family,
                           int16_t slabsOnLedge, DowelFlag dowelFlag, int16_t dowelValue,
                           int16_t materialParameterCount)
        : option(option), caption(caption), family(family), typeName(model::FamilyInfo(family).typeName),
          category(model::FamilyInfo(family).category), dialog(model::FamilyInfo(family).dialog),
          slabsOnLedge(slabsOnLedge), dowelFlag(dowelFlag), dowelValue(dowelValue),
          materialParameterCount(materialParameterCount) {}

    std::string_view option;    // option button of the main window
    std::string_view caption;   // its layout caption
    model::BeamFamily family;
    std::string_view typeName;  // BeamTypeName, the family's
    int category;               // BeamCategory, the family's
    std::string_view dialog;    // the beam dialog that edits the type, the family's
    int16_t slabsOnLedge;       // SlabsOnLedge
    DowelFlag dowelFlag;        // which dowel flag the type writes
    int16_t dowelValue;
    int16_t materialParameterCount;  // provisional; the input file sets it per family
};

// The fifteen types in the order of the main window's options.
std::span<const BeamTypeInfo> BeamTypes();

// The type of a type name (exact spelling) or nothing.
const BeamTypeInfo* findBeamType(std::string_view typeName);
// The type of a family (BL gives BLEUKA, JA JALO) or nothing (HX, SX, XX).
const BeamTypeInfo* findBeamTypeByFamily(std::optional<model::BeamFamily> family);

// Replaces the beam definition by the type's: clears it, then writes the
// type name, category, flags, geometry, slab-end values of both sides,
// materials and reinforcement rows.
void ApplyBeamTypeDefaults(model::ProjectModel& m, const BeamTypeInfo& type);

// The A beams are checked as plain beams: the slab bearing against the
// beam width and the bottom rows against the overall height, which they do
// not enter. Their width is the bottom plate's; ABeamS's overall height is
// its steel height with the ledge plate (the A beam's includes its top bar
// and is set where the top rows are placed).
void SetABeamCheckDimensions(model::ProjectModel& m);

// Choosing a beam type, as far as the project model goes: an edge beam is
// returned to the middle state first (removing the old type's half-width
// shift of the right joint grout), the type's defaults are written, and an
// edge beam is made an edge beam again for the new type.
void SelectBeamType(model::ProjectModel& m, const BeamTypeInfo& type);

}  // namespace quorvel::app
