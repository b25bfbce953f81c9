#include "model/field_names.h"

#include <utility>

#include "model/field_limits.h"

namespace quorvel::model {

namespace {

// What the element number of a field says, and how it is named.
enum class Element {
    None,      // a plain field
    Side,      // 1 left, 2 right
    Row,       // a reinforcement row 1..10
    SlabLoad,  // load + 6 * side
    PointLoad, // a beam point load 1..5
    Kind,      // kind + 3 * load of the beam point loads: 1 permanent, 2 variable
    Number,    // a plain count of its own: "1", "2"
};

struct NameRow {
    std::string_view field;
    std::string_view finnish;
    std::string_view english;
    Element element = Element::None;
};

// The fields that no box names element by element (the section and the
// reinforcement rows are edited in the beam dialogs, whose captions stand
// beside boxes of several fields; the loads and rows in boxes that edit the
// load or row selected).
constexpr NameRow kNames[] = {
    {"BeamSpan", "Palkin jänneväli", "Beam span"},
    {"BeamCategory", "Palkin luokka", "Beam category"},
    {"SlabsOnLedge", "Laatat leuan päällä", "Slabs on ledges"},
    {"OverallBeamHeight", "Palkin kokonaiskorkeus", "Overall beam height"},
    {"BeamHeight", "Palkin korkeus", "Beam height"},
    {"BeamWidth", "Palkin leveys", "Beam width"},
    {"TopFlangeWidth", "Ylälaipan leveys", "Top flange width"},
    {"TopFlangeThickness", "Ylälaipan paksuus", "Top flange thickness"},
    {"BottomFlangeWidth", "Alalaipan leveys", "Bottom flange width"},
    {"BottomFlangeThickness", "Alalaipan paksuus", "Bottom flange thickness"},
    {"WebThickness", "Uuman paksuus", "Web thickness"},
    {"WebHeight", "Uuman korkeus", "Web height"},
    {"LeftLedgeHeight", "Leuan korkeus, vasen", "Ledge height, left"},
    {"RightLedgeHeight", "Leuan korkeus, oikea", "Ledge height, right"},
    {"LeftLedgeDepth", "Leuka, vasen", "Ledge, left"},
    {"RightLedgeDepth", "Leuka, oikea", "Ledge, right"},
    {"LeftLedgeWidth", "Leuan leveys, vasen", "Ledge width, left"},
    {"RightLedgeWidth", "Leuan leveys, oikea", "Ledge width, right"},
    {"LBBottomWidth", "Alaleveys", "Bottom width"},
    {"AngleSteelHeight", "Kulmateräksen korkeus", "Angle steel height"},
    {"LowerRecessHeight", "Alaviisteen korkeus", "Lower chamfer height"},
    {"UpperRecessHeight", "Yläviisteen korkeus", "Upper chamfer height"},
    {"InnerProfileWidth", "Sisäprofiilin leveys", "Inner profile width"},
    {"InnerProfileFlangeThickness", "Sisäprofiilin laipan paksuus", "Inner profile flange thickness"},
    {"InnerProfileHeight", "Sisäprofiilin korkeus", "Inner profile height"},
    {"BoxPlateThickness", "Kotelon levyn paksuus", "Box plate thickness"},
    {"BoxHeight", "Kotelon korkeus", "Box height"},
    {"CornerRadius", "Nurkan pyöristyssäde", "Corner radius"},
    {"WebHoleDiameter", "Uuman reiän halkaisija", "Web hole diameter"},
    {"WebHoleEdgeDistance", "Uuman reiän reunaetäisyys", "Web hole edge distance"},
    {"LowerHoleDiameter", "Alareiän halkaisija", "Lower hole diameter"},
    {"LowerHoleEdgeDistance", "Alareiän reunaetäisyys", "Lower hole edge distance"},
    {"ApalkkiHoleSize", "Aukon koko", "Opening size"},
    {"DowelWidth", "Vaarnan leveys", "Dowel width"},
    {"DowelHeight", "Vaarnan korkeus", "Dowel height"},
    {"XxSectionParam", "Poikkileikkauksen mitta", "Section dimension", Element::Number},
    {"BeamConcreteClass", "Palkin betoni", "Beam concrete"},
    {"InfillConcreteClass", "Täyttöbetoni", "Infill concrete"},
    {"SteelStrength", "Teräksen myötölujuus", "Steel yield strength"},
    {"SteelStrength2", "Teräksen myötölujuus 2", "Steel yield strength 2"},
    {"SteelStrength3", "Teräksen myötölujuus 3", "Steel yield strength 3"},
    {"ReinforcementRowCount", "Raudoiterivien lkm", "Number of reinforcement rows"},
    {"BarsInRow", "Raudoitteiden lkm", "Number of bars", Element::Row},
    {"BarArea", "Raudoitteen pinta-ala", "Bar area", Element::Row},
    {"BarDistanceFromBottom", "Raudoitteen etäisyys alapinnasta", "Bar distance from the bottom", Element::Row},
    {"BarPrestress", "Esijännitys", "Prestress", Element::Row},
    {"ReinforcementModulus", "Raudoitteen kimmokerroin", "Modulus of the reinforcement"},
    {"ReinforcementStrength", "Raudoitteen lujuus", "Strength of the reinforcement"},
    {"TopRebarRowCount", "Yläraudoiterivien lkm", "Number of top reinforcement rows"},
    {"TopBarsInRow", "Yläraudoitteiden lkm", "Number of top bars", Element::Row},
    {"TopBarArea", "Yläraudoitteen pinta-ala", "Top bar area", Element::Row},
    {"TopBarDistanceFromTop", "Yläraudoitteen etäisyys yläpinnasta", "Top bar distance from the top", Element::Row},
    {"TopBarPrestress", "Yläraudoitteen esijännitys", "Top bar prestress", Element::Row},
    {"TopRebarModulus", "Yläraudoitteen kimmokerroin", "Modulus of the top reinforcement"},
    {"TopRebarStrength", "Yläraudoitteen lujuus", "Strength of the top reinforcement"},
    {"SteelBeamRebarRowCount", "Teräspalkin raudoiterivien lkm", "Number of reinforcement rows of the steel beam"},
    {"SteelBeamBarsInRow", "Teräspalkin raudoitteiden lkm", "Number of bars of the steel beam", Element::Row},
    {"SteelBeamBarArea", "Teräspalkin raudoitteen pinta-ala", "Bar area of the steel beam", Element::Row},
    {"SteelBeamBarDistance", "Teräspalkin raudoitteen etäisyys", "Bar distance of the steel beam", Element::Row},
    {"SteelBeamBarPrestress", "Teräspalkin raudoitteen esijännitys", "Bar prestress of the steel beam", Element::Row},
    {"SteelBeamRebarModulus", "Teräspalkin raudoitteen kimmokerroin", "Modulus of the steel beam's reinforcement"},
    {"SteelBeamRebarStrength", "Teräspalkin raudoitteen lujuus", "Strength of the steel beam's reinforcement"},
    {"HoleCount", "Reikien lkm", "Number of holes", Element::Side},
    {"ToppingLoad", "Pintabetonin kuorma", "Topping load", Element::Side},
    {"SlabLineLoadG", "Pysyvä viivakuorma", "Permanent line load", Element::SlabLoad},
    {"SlabLineLoadQ", "Muuttuva viivakuorma", "Variable line load", Element::SlabLoad},
    {"SlabLineLoadY", "Viivakuorman y", "Line load y", Element::SlabLoad},
    {"SlabPointLoadG", "Pysyvä pistekuorma", "Permanent point load", Element::SlabLoad},
    {"SlabPointLoadQ", "Muuttuva pistekuorma", "Variable point load", Element::SlabLoad},
    {"SlabPointLoadX", "Pistekuorman x", "Point load x", Element::SlabLoad},
    {"SlabPointLoadY", "Pistekuorman y", "Point load y", Element::SlabLoad},
    {"BeamPointLoad", "", "", Element::Kind},
    {"BeamPointLoadX", "Pistekuorman x", "Point load x", Element::PointLoad},
    {"DowelsOnBeamTop", "Vaarnat palkin yläpinnassa", "Dowels on the beam top"},
    {"DowelledConnection", "Vaarnattu liitos", "Dowelled connection"},
    {"BetaY", "Kerroin βy", "Factor βy"},
    {"LanguageIndex", "Kieli", "Language"},
    {"ReleaseStrengthRatio", "Päästölujuus/nimellislujuus", "Release strength/nominal strength"},
};

// The concrete quality classes: the beam, the infill, the joint grout, the
// left and right slabs and the topping.
constexpr std::pair<std::string_view, std::string_view> kQualityClasses[] = {
    {"Palkin betonin laatuluokka", "Quality class of the beam concrete"},
    {"Täyttöbetonin laatuluokka", "Quality class of the infill concrete"},
    {"Saumavalun betonin laatuluokka", "Quality class of the joint grout concrete"},
    {"Ontelolaatan betonin laatuluokka, vasen", "Quality class of the slab concrete, left"},
    {"Ontelolaatan betonin laatuluokka, oikea", "Quality class of the slab concrete, right"},
    {"Pintabetonin laatuluokka", "Quality class of the topping concrete"},
};

FieldName sideName(std::string_view finnish, std::string_view english, int side) {
    return {std::string(finnish) + (side == 1 ? ", vasen" : ", oikea"),
            std::string(english) + (side == 1 ? ", left" : ", right")};
}

FieldName named(const NameRow& row, int element) {
    const std::string fi(row.finnish), en(row.english);
    const std::string n = std::to_string(element);
    switch (row.element) {
    case Element::None:
        return {fi, en};
    case Element::Side:
        return sideName(fi, en, element);
    case Element::Row:
        return {fi + ", rivi " + n, en + ", row " + n};
    case Element::Number:
        return {fi + " " + n, en + " " + n};
    case Element::PointLoad:
        return {fi + ", kuorma " + n, en + ", load " + n};
    case Element::SlabLoad: {
        const std::string load = std::to_string(element % 6);
        return sideName(fi + ", kuorma " + load, en + ", load " + load, element / 6);
    }
    case Element::Kind: {
        const std::string load = std::to_string(element / 3);
        return element % 3 == 1 ? FieldName{"Pysyvä pistekuorma " + load, "Permanent point load " + load}
                                : FieldName{"Muuttuva pistekuorma " + load, "Variable point load " + load};
    }
    }
    return {fi, en};
}

}  // namespace

FieldName fieldName(std::string_view field, int element) {
    if (field == "ConcreteQualityClass" && element >= 1 && element <= 6) {
        const auto& [fi, en] = kQualityClasses[element - 1];
        return {std::string(fi), std::string(en)};
    }
    // The caption of the box that edits just this element.
    for (const BoxLimit& box : boxLimits())
        if (box.field == field && box.element == element && !box.name.empty() && !box.englishName.empty())
            return {std::string(box.name), std::string(box.englishName)};
    for (const NameRow& row : kNames)
        if (row.field == field) return named(row, element);
    return {std::string(field), std::string(field)};
}

std::string_view englishFieldName(std::string_view finnish) {
    for (const NameRow& row : kNames)
        if (!finnish.empty() && row.finnish == finnish) return row.english;
    return {};
}

}  // namespace quorvel::model
