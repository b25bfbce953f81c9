#include "model/beam_family.h"

#include <gtest/gtest.h>

#include <set>

#include "model/field_names.h"
#include "model/project_model.h"

namespace quorvel::model {
namespace {

// Each family has its row, its code names it back, and the families with an
// option have a type name of their own code and a dialog; the three that
// only files bring have neither.
TEST(BeamFamily, EveryFamilyHasItsRowAndItsCodeNamesItBack) {
    std::set<std::string_view> codes, typeNames;
    for (std::size_t i = 0; i < BeamFamilyCount; ++i) {
        const auto family = static_cast<BeamFamily>(i);
        const BeamFamilyInfo& info = FamilyInfo(family);
        SCOPED_TRACE(std::string(info.code));
        EXPECT_EQ(info.family, family);
        EXPECT_EQ(FamilyOfCode(info.code), family);
        EXPECT_TRUE(codes.insert(info.code).second);
        const bool onlyFromFiles = family == BeamFamily::HX || family == BeamFamily::SX || family == BeamFamily::XX;
        EXPECT_EQ(info.typeName.empty(), onlyFromFiles);
        EXPECT_EQ(info.dialog.empty(), onlyFromFiles);
        EXPECT_EQ(info.category == 0, onlyFromFiles);
        if (onlyFromFiles) continue;
        EXPECT_TRUE(typeNames.insert(info.typeName).second);
        EXPECT_EQ(FamilyOfTypeName(info.typeName), family);
        ProjectModel m;
        m.BeamTypeName = std::string(info.typeName);
        EXPECT_EQ(m.BeamFamilyCode(), info.code);
        EXPECT_EQ(m.Family(), family);
    }
    EXPECT_EQ(codes.size(), BeamFamilyCount);
}

// The section captions are a runtime table: every family a dialog edits
// has its captions, and the three that only files bring have none.
TEST(BeamFamily, EveryDialogFamilyHasItsSectionCaptions) {
    for (const BeamFamilyInfo& info : BeamFamilies) {
        SCOPED_TRACE(std::string(info.code));
        EXPECT_EQ(sectionCaptions(info.family).empty(), info.dialog.empty());
    }
}

// The model's family upper-cases the first two letters; the places that
// compare the letters as they stand do not; unknown and short names have no
// family.
TEST(BeamFamily, TypeNameInEitherCase) {
    struct Row {
        const char* typeName;
        std::optional<BeamFamily> upperCased, asItStands;
    };
    const Row rows[] = {
        {"Apalkki", BeamFamily::AP, std::nullopt},
        {"APALKKI", BeamFamily::AP, BeamFamily::AP},
        {"abeams", BeamFamily::AB, std::nullopt},
        {"BESUPER", BeamFamily::BE, BeamFamily::BE},
        {"HXsomething", BeamFamily::HX, BeamFamily::HX},
        {"HI", std::nullopt, std::nullopt},
        {"A", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typeName);
        EXPECT_EQ(FamilyOfTypeName(r.typeName), r.upperCased);
        EXPECT_EQ(FamilyOfTypeNameAsItStands(r.typeName), r.asItStands);
    }
}

}  // namespace
}  // namespace quorvel::model
