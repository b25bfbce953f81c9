#include "inputfile/text_fields.h"

#include <functional>

#include "model/field_limits.h"
#include "model/field_names.h"

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

// The strand designation fields in the table: left bottom, left top, right
// bottom, right top.
const TextField& strandField(int side, model::StrandLayer layer) {
    return textFields[2 + 3 * (side - 1) + (layer == model::StrandLayer::Top ? 1 : 0)];
}

}  // namespace

std::string strandFieldName(int side, model::StrandLayer layer, int16_t language) {
    const TextField& field = strandField(side, layer);
    return language == 1 ? field.englishName : field.finnishName;
}

std::optional<LineProblem> findStrandDesignationProblem(const model::ProjectModel& m, bool leftSideCarriesSlabs) {
    for (int side = leftSideCarriesSlabs ? 1 : 2; side <= 2; ++side) {
        for (model::StrandLayer layer : {model::StrandLayer::Bottom, model::StrandLayer::Top}) {
            const bool bottom = layer == model::StrandLayer::Bottom;
            const std::string& code = bottom ? m.BottomStrandCode(side) : m.TopStrandCode(side);
            const auto breach = m.SlabCatalogue.strandDesignationBreach(m.SlabTypeName(side), code, layer);
            if (!breach) continue;
            const std::string model = bottom ? "BottomStrandCode" : "TopStrandCode";
            const TextField& field = strandField(side, layer);
            return LineProblem{3 + side, "kentän " + std::string(field.finnishName) + " " + breach->finnish,
                               std::string(field.englishName) + ", " + breach->english, model, side};
        }
    }
    return std::nullopt;
}

std::optional<LineProblem> findStrandInitialStressProblem(const model::ProjectModel& m, bool leftSideCarriesSlabs) {
    auto text = [](double v) { return TypedValue(v, {}); };
    for (int side = leftSideCarriesSlabs ? 1 : 2; side <= 2; ++side) {
        const auto fpk = m.SlabCatalogue.weakestStrandStrength(m.BottomStrandCode(side), m.TopStrandCode(side));
        if (!fpk) continue;
        const double most = model::strandInitialStressLimit(*fpk);
        const double sigma0 = m.StrandInitialStress(side);
        if (sigma0 <= most) continue;
        const model::FieldName name = model::fieldName("StrandInitialStress", side);
        const model::FieldName words =
            model::boundExceededWords(*model::fieldLimit("StrandInitialStress", side), false, text(most), std::nullopt);
        return LineProblem{3 + side, "kentän " + name.finnish + " arvo " + text(sigma0) + " " + words.finnish,
                           "the value " + text(sigma0) + " of " + name.english + " " + words.english,
                           "StrandInitialStress", side};
    }
    return std::nullopt;
}

std::optional<LineProblem> findStrandProblem(const model::ProjectModel& m, bool leftSideCarriesSlabs) {
    if (auto problem = findStrandDesignationProblem(m, leftSideCarriesSlabs)) return problem;
    return findStrandInitialStressProblem(m, leftSideCarriesSlabs);
}

std::optional<UnstorableTextField> findUnstorableTextField(const model::ProjectModel& m) {
    for (const TextField& field : textFields) {
        const std::string& text = field.text(m);
        if (!isStorableTextField(text)) return UnstorableTextField{field.finnishName, field.englishName, text};
    }
    return std::nullopt;
}

}  // namespace quorvel::inputfile
