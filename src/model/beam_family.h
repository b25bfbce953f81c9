#pragma once
// The beam families: one enumeration and one table of what the whole
// program knows of a family by its code. A family is named in the project
// by the first two letters of BeamTypeName ("AP" of "Apalkki"); the code
// and the type names are what the input file stores, so they never change.
//
// Every place that branches on a family takes a BeamFamily (a switch
// without a default, or a table with one row per family checked by
// EveryFamilyInOrder), so a new family fails to build until each place has
// its entry. docs/architecture.md ("Beam types") lists those places.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel::model {

// The fifteen families of the main window's options in their order, then
// the three that only input files bring (no option, no dialog).
enum class BeamFamily { SU, BL, JA, BI, KV, BE, LB, KE, AP, TI, HQ, CW, DE, ME, AB, HX, SX, XX };

inline constexpr std::size_t BeamFamilyCount = 18;

struct BeamFamilyInfo {
    BeamFamily family;
    std::string_view code;      // the family code, first two letters of the type name
    std::string_view typeName;  // BeamTypeName the main window writes; empty: no option
    int category;               // BeamCategory of that type; 0: set by the input file
    std::string_view dialog;    // the beam dialog that edits the family; empty: none
};

// LB and KE cross on purpose: the type "LBL" (option "&LBL"), the beam on
// a steel bottom plate, is edited by FrmKemo, and the type "KEMO_UUSI"
// (option "L&B"), the beam with steel angles, by FrmLB. Project files
// store the type names and each window is named for the beam it was made
// for, so neither side is renamed to match the other.
// clang-format off
inline constexpr std::array<BeamFamilyInfo, BeamFamilyCount> BeamFamilies{{
    // family          code  type name     cat dialog
    {BeamFamily::SU, "SU", "SUORA",     2, "FrmSuorakaidepalkki"},
    {BeamFamily::BL, "BL", "BLEUKA",    2, "frmBLeukapalkki"},
    {BeamFamily::JA, "JA", "JALO",      2, "frmBLeukapalkki"},
    {BeamFamily::BI, "BI", "BI",        2, "FrmIpalkki"},
    {BeamFamily::KV, "KV", "KVATRO",    3, "frmKvatropalkki"},
    {BeamFamily::BE, "BE", "BESUPER",   3, "FrmSuperpalkki"},
    {BeamFamily::LB, "LB", "LBL",       3, "FrmKemo"},
    {BeamFamily::KE, "KE", "KEMO_UUSI", 3, "FrmLB"},
    {BeamFamily::AP, "AP", "Apalkki",   3, "FrmApalkki"},
    {BeamFamily::TI, "TI", "TI",        1, "frmTIpalkki"},
    {BeamFamily::HQ, "HQ", "HQ",        1, "frmHQpalkki"},
    {BeamFamily::CW, "CW", "CWQ",       1, "frmCWQpalkki"},
    {BeamFamily::DE, "DE", "DELTA",     4, "frmDeltapalkki"},
    {BeamFamily::ME, "ME", "MEK",       4, "frmMEKpalkki"},
    {BeamFamily::AB, "AB", "ABeamS",    4, "frmAbeamS"},
    {BeamFamily::HX, "HX", "",          0, ""},
    {BeamFamily::SX, "SX", "",          0, ""},
    {BeamFamily::XX, "XX", "",          0, ""},
}};
// clang-format on

// A table of per-family rows (each row's member `family`) holds one row for
// every family, in the enumeration's order, so that it can be indexed by it.
template <class Rows>
constexpr bool EveryFamilyInOrder(const Rows& rows) {
    std::size_t i = 0;
    for (const auto& row : rows) {
        if (i >= BeamFamilyCount || row.family != static_cast<BeamFamily>(i)) return false;
        ++i;
    }
    return i == BeamFamilyCount;
}
static_assert(EveryFamilyInOrder(BeamFamilies));

constexpr std::size_t FamilyIndex(BeamFamily f) { return static_cast<std::size_t>(f); }
constexpr const BeamFamilyInfo& FamilyInfo(BeamFamily f) { return BeamFamilies[FamilyIndex(f)]; }
constexpr std::string_view FamilyCode(BeamFamily f) { return FamilyInfo(f).code; }

// The family of a code as it stands ("AP"; "Ap" is none), or none.
constexpr std::optional<BeamFamily> FamilyOfCode(std::string_view code) {
    for (const BeamFamilyInfo& info : BeamFamilies)
        if (info.code == code) return info.family;
    return std::nullopt;
}

// The family code of a type name: its first two letters, upper-cased.
inline std::string FamilyCodeOfTypeName(std::string_view typeName) {
    std::string code(typeName.substr(0, 2));
    for (char& c : code)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return code;
}

// The family of a type name by its upper-cased first two letters
// ("Apalkki" and "APALKKI" are AP), or none.
inline std::optional<BeamFamily> FamilyOfTypeName(std::string_view typeName) {
    return FamilyOfCode(FamilyCodeOfTypeName(typeName));
}

// The family of a type name by its first two letters as they stand
// ("APALKKI" is AP, "Apalkki" none): for the places that never matched a
// type name written in another case.
constexpr std::optional<BeamFamily> FamilyOfTypeNameAsItStands(std::string_view typeName) {
    return FamilyOfCode(typeName.substr(0, 2));
}

// The name of a beam type as the windows and the report show it: the type
// name as it stands, except the steel box beam's, stored "HQ" (the name
// the input file keeps) and shown "WQ".
inline std::string BeamTypeDisplayName(std::string_view typeName) {
    return typeName == "HQ" ? "WQ" : std::string(typeName);
}

}  // namespace quorvel::model
