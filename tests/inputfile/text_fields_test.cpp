// Text fields of the input file that would not read back as written.

#include "inputfile/text_fields.h"

#include <gtest/gtest.h>

#include "model/project_defaults.h"

namespace quorvel::inputfile {
namespace {

TEST(TextFields, SeparatorsAndControlCharactersAreRefused) {
    for (const char* bad : {"10 J", "10,J", "10/J", "P27\t", "a\r\nb", " P27"}) EXPECT_FALSE(isStorableTextField(bad)) << bad;
    for (const char* good : {"", "10J", "P27", "0.MIT", "Ä-ö_1"}) EXPECT_TRUE(isStorableTextField(good)) << good;
}

TEST(TextFields, TheFirstUnstorableFieldIsNamedInFileOrder) {
    model::ProjectModel m;
    m.SlabFileName = "ONTELO.MIT";
    m.BeamLibraryFileName = "0.MIT";
    m.BeamTypeName = "SUORA";
    EXPECT_FALSE(findUnstorableTextField(m));
    m.BeamTypeName = "SUO RA";
    m.TopStrandCode(2) = "2,S";
    auto field = findUnstorableTextField(m);
    ASSERT_TRUE(field);
    EXPECT_EQ(field->finnishName, "Oikean laatan yläpunokset");
    EXPECT_EQ(field->englishName, "Top strands of the right slab");
    EXPECT_EQ(field->text, "2,S");
    m.TopStrandCode(2) = "2S";
    field = findUnstorableTextField(m);
    ASSERT_TRUE(field);
    EXPECT_EQ(field->englishName, "Beam type");
}

}  // namespace
}  // namespace quorvel::inputfile
