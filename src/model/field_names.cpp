#include "model/field_names.h"

#include <initializer_list>
#include <stdexcept>
#include <utility>
#include <vector>

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


// --- the beam families' section captions ---

using SC = SectionCaption;

// The families whose windows show their dimensions without sketch labels
// name them by the words alone; LBL's window works out the web width and
// offers the ledges in lists without captions, so those are named as every
// message names those fields.
constexpr SC kSuora[] = {{"H", "Palkin korkeus", "Beam height", "OverallBeamHeight"},
                         {"B", "Palkin leveys", "Beam width", "BeamWidth"}};
constexpr SC kLedged[] = {{"H", "Palkin korkeus", "Beam height", "OverallBeamHeight"},
                          {"B", "Uuman leveys", "Web width", "BeamWidth"},
                          {"hL", "Leuan korkeus, vasen", "Ledge height, left", "LeftLedgeHeight"},
                          {"hR", "Leuan korkeus, oikea", "Ledge height, right", "RightLedgeHeight"},
                          {"dL", "Leuka, vasen", "Ledge, left", "LeftLedgeDepth"},
                          {"dR", "Leuka, oikea", "Ledge, right", "RightLedgeDepth"}};
constexpr SC kConcreteI[] = {
    {"h", "Palkin korkeus (h)", "Beam height (h)", "BeamHeight"},
    {"tb", "Alalaipan paksuus (tb)", "Bottom flange thickness (tb)", "BottomFlangeThickness"},
    {"hr1", "Alaviisteen korkeus (hr1)", "Lower haunch height (hr1)", "LowerRecessHeight"},
    {"hr2", "Yläviisteen korkeus (hr2)", "Upper haunch height (hr2)", "UpperRecessHeight"},
    {"tt", "Ylälaipan paksuus (tt)", "Top flange thickness (tt)", "TopFlangeThickness"},
    {"bb", "Alalaipan leveys (bb)", "Bottom flange width (bb)", "BottomFlangeWidth"},
    {"bw", "Uuman leveys (bw)", "Web width (bw)", "BeamWidth"},
    {"bt", "Ylälaipan leveys (bt)", "Top flange width (bt)", "TopFlangeWidth"}};
// KVATRO's two bar distances are the first two rows' fields; the distance
// between its webs is the bottom plate's width less the ledges and webs.
constexpr SC kKvatro[] = {
    {"h", "Palkin korkeus", "Beam height", "BeamHeight"},
    {"bc", "Uumien väli", "Distance between the webs", "BottomFlangeWidth", true},
    {"y1", "Alareunan raudoitteen etäisyys", "Distance of the bottom bars from the bottom", "BarDistanceFromBottom"},
    {"y2", "Yläreunan raudoitteen etäisyys", "Distance of the top bars from the bottom", "BarDistanceFromBottom"},
    {"wL", "Leuka, vasen", "Ledge, left", "LeftLedgeWidth"},
    {"wR", "Leuka, oikea", "Ledge, right", "RightLedgeWidth"}};
constexpr SC kSuper[] = {{"h", "Palkin korkeus", "Beam height", "BeamHeight"},
                         {"hA", "Kulmateräs", "Angle steel", "AngleSteelHeight"}};
constexpr SC kLbl[] = {{"h", "Palkin korkeus", "Beam height", "BeamHeight"},
                       {"bLB", "Alaleveys", "Bottom width", "BottomFlangeWidth", true},
                       {"B", "Palkin leveys", "Beam width", "BeamWidth", true},
                       {"wL", "Leuan leveys, vasen", "Ledge width, left", "LeftLedgeWidth"},
                       {"wR", "Leuan leveys, oikea", "Ledge width, right", "RightLedgeWidth"}};
constexpr SC kLedgePlates[] = {{"wL", "Vasen leuka (wL)", "Left ledge (wL)", "LeftLedgeWidth"},
                               {"wR", "Oikea leuka (wR)", "Right ledge (wR)", "RightLedgeWidth"}};
constexpr SC kLb[] = {{"h", "Palkin korkeus (h)", "Beam height (h)", "BeamHeight"},
                      {"bLB", "Betonin alaleveys (bLB)", "Concrete bottom width (bLB)", "LBBottomWidth"},
                      {"B", "Betonin yläleveys (B)", "Concrete top width (B)", "BeamWidth"},
                      {"tb", "Pohjalevyn paksuus (tb)", "Bottom plate thickness (tb)", "BottomFlangeThickness"},
                      {"bb", "Pohjalevyn leveys (bb)", "Bottom plate width (bb)", "BottomFlangeWidth"},
                      {"hA", "Kulmateräksen korkeus (hA)", "Angle height (hA)", "AngleSteelHeight"},
                      {"t", "Kulmateräksen paksuus (t)", "Angle thickness (t)", "LeftLedgeHeight"}};
constexpr SC kABeamW[] = {{"h", "Palkin korkeus (h)", "Beam height (h)", "BeamHeight"},
                          {"tw", "Uuman paksuus (tw)", "Web thickness (tw)", "WebThickness"},
                          {"tt", "Ylälevyn paksuus (tt)", "Top plate thickness (tt)", "TopFlangeThickness"},
                          {"bt", "Ylälevyn leveys (bt)", "Top plate width (bt)", "TopFlangeWidth"},
                          {"tb", "Pohjalevyn paksuus (tb)", "Bottom plate thickness (tb)", "BottomFlangeThickness"},
                          {"bb", "Pohjalevyn leveys (bb)", "Bottom plate width (bb)", "BottomFlangeWidth"},
                          {"hL", "Leukalevyn paksuus (hL)", "Ledge plate thickness (hL)", "LeftLedgeHeight"},
                          {"dA", "Ylälevyn aukko (dA)", "Top plate opening (dA)", "ApalkkiHoleSize"}};
constexpr SC kWeldedI[] = {{"h", "Palkin korkeus (h)", "Beam height (h)", "BeamHeight"},
                           {"tw", "Uuman paksuus (tw)", "Web thickness (tw)", "WebThickness"},
                           {"tt", "Ylälaipan paksuus (tt)", "Top flange thickness (tt)", "TopFlangeThickness"},
                           {"bt", "Ylälaipan leveys (bt)", "Top flange width (bt)", "TopFlangeWidth"},
                           {"tb", "Alalaipan paksuus (tb)", "Bottom flange thickness (tb)", "BottomFlangeThickness"},
                           {"bb", "Alalaipan leveys (bb)", "Bottom flange width (bb)", "BottomFlangeWidth"}};
constexpr SC kCornerRadius[] = {{"r", "Pyöristyssäde (r)", "Corner radius (r)", "CornerRadius"}};
// The welded I-beam's plates have no fillets: its radius, kept in the
// project file, enters no section, and its caption says so.
constexpr SC kUnusedCornerRadius[] = {
    {"r", "Pyöristyssäde (r), ei käytössä", "Corner radius (r), not used", "CornerRadius"}};
// The box beams' bottom flange thickness is kept in the ledge plate's field.
constexpr SC kBox[] = {{"h", "Uumien korkeus (h)", "Web height (h)", "BeamHeight"},
                       {"tw", "Uuman paksuus (tw)", "Web thickness (tw)", "WebThickness"},
                       {"tt", "Ylälaipan paksuus (tt)", "Top flange thickness (tt)", "TopFlangeThickness"},
                       {"bt", "Ylälaipan leveys (bt)", "Top flange width (bt)", "TopFlangeWidth"},
                       {"tb", "Alalaipan paksuus (tb)", "Bottom flange thickness (tb)", "LeftLedgeHeight"},
                       {"bb", "Alalaipan leveys (bb)", "Bottom flange width (bb)", "BottomFlangeWidth"}};
// CWQ's dowel, and the topping (a box of the main window) it lies in.
constexpr SC kDowel[] = {{"bv", "Vaarnan leveys (bv)", "Dowel width (bv)", "DowelWidth"},
                         {"hv", "Vaarnan korkeus (hv)", "Dowel height (hv)", "DowelHeight"},
                         {"ht", "Pintabetonin paksuus", "Topping thickness", "ToppingThickness"}};
constexpr SC kInclined[] = {
    {"h", "Palkin korkeus (h)", "Beam height (h)", "BeamHeight"},
    {"tw", "Uuman paksuus (tw)", "Web thickness (tw)", "WebThickness"},
    {"tt", "Ylälaipan paksuus (tt)", "Top flange thickness (tt)", "TopFlangeThickness"},
    {"bt", "Ylälaipan leveys (bt)", "Top flange width (bt)", "TopFlangeWidth"},
    {"tb", "Pohjalevyn paksuus (tb)", "Bottom plate thickness (tb)", "BottomFlangeThickness"},
    {"bb", "Pohjalevyn leveys (bb)", "Bottom plate width (bb)", "BottomFlangeWidth"},
    {"hL", "Leukalevyn paksuus (hL)", "Ledge plate thickness (hL)", "LeftLedgeHeight"}};
constexpr SC kDeltaHole[] = {{"D", "Uuman reiän halkaisija (D)", "Web hole diameter (D)", "WebHoleDiameter"},
                             {"e", "Reiän reunaetäisyys (e)", "Hole edge distance (e)", "WebHoleEdgeDistance"}};
constexpr SC kABeamSHoles[] = {
    {"D1", "Yläreiän halkaisija (D1)", "Upper hole diameter (D1)", "WebHoleDiameter"},
    {"e1", "Yläreiän reunaetäisyys (e1)", "Upper hole edge distance (e1)", "WebHoleEdgeDistance"},
    {"D2", "Alareiän halkaisija (D2)", "Lower hole diameter (D2)", "LowerHoleDiameter"},
    {"e2", "Alareiän reunaetäisyys (e2)", "Lower hole edge distance (e2)", "LowerHoleEdgeDistance"}};
constexpr SC kMek[] = {
    {"h", "Korkeus pohjalevyn päältä (h)", "Height above the bottom plate (h)", "BeamHeight"},
    {"hs", "I-profiilin korkeus (hs)", "I-profile height (hs)", "InnerProfileHeight"},
    {"tw", "Uuman paksuus (tw)", "Web thickness (tw)", "WebThickness"},
    {"tt", "Ylälaipan paksuus (tt)", "Top flange thickness (tt)", "TopFlangeThickness"},
    {"bt", "Ylälaipan leveys (bt)", "Top flange width (bt)", "TopFlangeWidth"},
    {"ts", "I-profiilin alalaipan paksuus (ts)", "I-profile bottom flange thickness (ts)",
     "InnerProfileFlangeThickness"},
    {"bs", "I-profiilin alalaipan leveys (bs)", "I-profile bottom flange width (bs)", "InnerProfileWidth"},
    {"tb", "Pohjalevyn paksuus (tb)", "Bottom plate thickness (tb)", "BottomFlangeThickness"},
    {"bb", "Pohjalevyn leveys (bb)", "Bottom plate width (bb)", "BottomFlangeWidth"},
    {"hk", "Korokekotelon korkeus (hk)", "Raised box height (hk)", "BoxHeight"},
    {"tk", "Korokekotelon levyn paksuus (tk)", "Raised box plate thickness (tk)", "BoxPlateThickness"}};

// One row per family, in the enumeration's order: the parts its captions
// are made of.
struct FamilyCaptions {
    BeamFamily family;
    std::initializer_list<std::span<const SC>> parts;
};

const std::vector<std::vector<SC>>& familyCaptions() {
    static const std::vector<std::vector<SC>> all = [] {
        using F = BeamFamily;
        const FamilyCaptions rows[] = {
            {F::SU, {kSuora}},
            {F::BL, {kLedged}},
            {F::JA, {kLedged}},
            {F::BI, {kConcreteI}},
            {F::KV, {kKvatro}},
            {F::BE, {kSuper}},
            {F::LB, {kLbl}},
            {F::KE, {kLb, kLedgePlates}},
            {F::AP, {kABeamW, kLedgePlates}},
            {F::TI, {kWeldedI, kUnusedCornerRadius}},
            {F::HQ, {kBox}},
            {F::CW, {kBox, kDowel}},
            {F::DE, {kInclined, kLedgePlates, kDeltaHole}},
            {F::ME, {kMek, kLedgePlates, kCornerRadius}},
            {F::AB, {kInclined, kLedgePlates, kABeamSHoles}},
            {F::HX, {}},
            {F::SX, {}},
            {F::XX, {}},
        };
        std::vector<std::vector<SC>> out;
        std::size_t i = 0;
        for (const FamilyCaptions& row : rows) {
            // The rows stand in the enumeration's order: the table is indexed by it.
            if (row.family != static_cast<BeamFamily>(i++)) throw std::logic_error("section captions out of order");
            std::vector<SC>& captions = out.emplace_back();
            for (std::span<const SC> part : row.parts) captions.insert(captions.end(), part.begin(), part.end());
        }
        if (out.size() != BeamFamilyCount) throw std::logic_error("section captions of a family missing");
        return out;
    }();
    return all;
}

// Whether the window is the beam dialog of a family other than the one
// given (none given: no window is).
bool otherFamilysDialog(std::string_view form, std::optional<BeamFamily> family) {
    if (!family) return false;
    for (const BeamFamilyInfo& info : BeamFamilies)
        if (!info.dialog.empty() && info.dialog == form) return info.dialog != FamilyInfo(*family).dialog;
    return false;
}

// The name of a field outside the family's section captions: the caption
// of the box that edits just this element (in a window the project of the
// family shows), else the table's name.
FieldName plainFieldName(std::string_view field, int element, std::optional<BeamFamily> family) {
    if (field == "ConcreteQualityClass" && element >= 1 && element <= 6) {
        const auto& [fi, en] = kQualityClasses[element - 1];
        return {std::string(fi), std::string(en)};
    }
    for (const BoxLimit& box : boxLimits())
        if (box.field == field && box.element == element && !box.name.empty() && !box.englishName.empty() &&
            !otherFamilysDialog(box.form, family))
            return {std::string(box.name), std::string(box.englishName)};
    for (const NameRow& row : kNames)
        if (row.field == field) return named(row, element);
    return {std::string(field), std::string(field)};
}

}  // namespace

FieldName fieldName(std::string_view field, int element) { return plainFieldName(field, element, std::nullopt); }

std::span<const SectionCaption> sectionCaptions(BeamFamily family) {
    return familyCaptions()[FamilyIndex(family)];
}

const SectionCaption* sectionCaption(BeamFamily family, std::string_view key) {
    for (const SectionCaption& c : sectionCaptions(family))
        if (c.key == key) return &c;
    return nullptr;
}

FieldName boundExceededWords(const FieldLimit& limit, bool below, const std::string& boundText,
                             std::optional<BeamFamily> family) {
    FieldName bound = limit.atMostFinnish.empty()
                          ? fieldName(limit.atMostField, 0, family)
                          : FieldName{std::string(limit.atMostFinnish), std::string(limit.atMostEnglish)};
    const std::string_view unit = fieldUnit(limit.field);
    const std::string value = (below ? "-" : "") + boundText + (unit.empty() ? "" : " " + std::string(unit));
    if (below) return {"on pienempi kuin " + value + " (miinus " + bound.finnish + ")",
                       "is below " + value + " (minus " + bound.english + ")"};
    return {"on suurempi kuin " + value + " (" + bound.finnish + ")", "is above " + value + " (" + bound.english + ")"};
}

FieldName fieldName(std::string_view field, int element, std::optional<BeamFamily> family) {
    // JALO shares the ledge beam's window, whose strength box takes bars or
    // strands; JALO's rows are strands, so the window captions that box as
    // their 0.1 % proof stress, and a message names it so.
    if (family == BeamFamily::JA && field == "ReinforcementStrength") return {StrandStrengthName, StrandStrengthEnglishName};
    if (family && element == 0) {
        const SectionCaption* only = nullptr;
        int count = 0;
        for (const SectionCaption& c : sectionCaptions(*family))
            if (c.field == field && !c.derived) {
                only = &c;
                ++count;
            }
        if (count == 1) return {std::string(only->finnish), std::string(only->english)};
    }
    return plainFieldName(field, element, family);
}

std::string_view englishFieldName(std::string_view finnish) {
    for (const NameRow& row : kNames)
        if (!finnish.empty() && row.finnish == finnish) return row.english;
    return {};
}

}  // namespace quorvel::model
