#include "inputfile/text_fields.h"

#include <functional>

namespace quorvel::inputfile {

bool isStorableTextField(std::string_view text) {
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == ' ' || c == ',' || c == '/' || u < 32 || u == 127) return false;
    }
    return true;
}

namespace {

struct TextField {
    const char* finnishName;
    const char* englishName;
    std::function<const std::string&(const model::ProjectModel&)> text;
};

// In the order of the input file's records.
const TextField textFields[] = {
    {"Laattaluettelon tiedostonimi", "Slab catalogue file name",
     [](const model::ProjectModel& m) -> const std::string& { return m.SlabFileName; }},
    {"Vasen laattatyyppi", "Left slab type",
     [](const model::ProjectModel& m) -> const std::string& { return m.SlabTypeName(1); }},
    {"Vasemman laatan alapunokset", "Bottom strands of the left slab",
     [](const model::ProjectModel& m) -> const std::string& { return m.BottomStrandCode(1); }},
    {"Vasemman laatan yläpunokset", "Top strands of the left slab",
     [](const model::ProjectModel& m) -> const std::string& { return m.TopStrandCode(1); }},
    {"Oikea laattatyyppi", "Right slab type",
     [](const model::ProjectModel& m) -> const std::string& { return m.SlabTypeName(2); }},
    {"Oikean laatan alapunokset", "Bottom strands of the right slab",
     [](const model::ProjectModel& m) -> const std::string& { return m.BottomStrandCode(2); }},
    {"Oikean laatan yläpunokset", "Top strands of the right slab",
     [](const model::ProjectModel& m) -> const std::string& { return m.TopStrandCode(2); }},
    {"Palkkikirjaston tiedostonimi", "Beam library file name",
     [](const model::ProjectModel& m) -> const std::string& { return m.BeamLibraryFileName; }},
    {"Palkkityyppi", "Beam type",
     [](const model::ProjectModel& m) -> const std::string& { return m.BeamTypeName; }},
};

}  // namespace

std::optional<UnstorableTextField> findUnstorableTextField(const model::ProjectModel& m) {
    for (const TextField& field : textFields) {
        const std::string& text = field.text(m);
        if (!isStorableTextField(text)) return UnstorableTextField{field.finnishName, field.englishName, text};
    }
    return std::nullopt;
}

}  // namespace quorvel::inputfile
