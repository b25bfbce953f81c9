// Settings, the data files start-up needs and the shortest beam span.

#include "app/settings.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"
#include "test_files.h"

namespace quorvel::app {
namespace {

using platform::HeadlessPlatform;
using testing::TempFolder;

std::string stored(const HeadlessPlatform& ui, const std::string& key) {
    auto it = ui.settings().find("Quorvel835/Settings/" + key);
    return it == ui.settings().end() ? "<none>" : it->second;
}

TEST(Settings, FirstStartTakesTheDefaultsAndStoresTheProgramFolderAtOnce) {
    HeadlessPlatform ui;
    ui.setProgramFolder("/opt/quorvel/");
    model::ProjectModel m;
    LoadSettings(m, ui);
    EXPECT_EQ(m.DataPath, "/opt/quorvel/");
    EXPECT_EQ(stored(ui, "QuorPath"), "/opt/quorvel/");
    EXPECT_EQ(m.SlabFileName, "ONTELO.MIT");
    EXPECT_EQ(m.LanguageIndex, 0);
    EXPECT_EQ(m.PrintFontName, "Courier New");
    EXPECT_FLOAT_EQ(m.PrintFontSize, 10.0f);
    EXPECT_EQ(m.StrandFileName, "PUNOS.VAT");
    // Only the data folder is written before the program ends.
    EXPECT_EQ(ui.settings().size(), 1u);
}

TEST(Settings, SavedValuesAreReadBackInTheUsersNumberFormat) {
    HeadlessPlatform ui(',');
    TempFolder data;
    data.writeRaw("omat.mit", quorvel::testing::readBytes(QUORVEL_SOURCE_DIR "/data/ONTELO.MIT"));
    data.writeRaw("omat.vat", quorvel::testing::readBytes(QUORVEL_SOURCE_DIR "/data/PUNOS.VAT"));
    data.write("HQLIB.MIT", {"HQ-PALKIT tyyppi luokka", "HQ400 1 0 220 30 2 S355", "LOPPU"});
    model::ProjectModel m;
    m.DataPath = data.dataPath();
    m.SlabFileName = "OMAT.MIT";
    m.LanguageIndex = 1;
    m.PrintFontName = "Liberation Mono";
    m.PrintFontSize = 10.5f;
    m.StrandFileName = "OMAT.VAT";
    SaveSettings(m, ui);
    EXPECT_EQ(stored(ui, "Kieli"), "1");
    EXPECT_EQ(stored(ui, "Tulostusfonttikoko"), "10,5");

    model::ProjectModel back;
    LoadSettings(back, ui);
    EXPECT_EQ(back.DataPath, data.dataPath());
    EXPECT_EQ(back.SlabFileName, "OMAT.MIT");
    EXPECT_EQ(back.LanguageIndex, 1);
    EXPECT_EQ(back.PrintFontName, "Liberation Mono");
    EXPECT_FLOAT_EQ(back.PrintFontSize, 10.5f);
    EXPECT_EQ(back.StrandFileName, "OMAT.VAT");

    // A data file name whose file does not load (missing, of another kind)
    // would stop the next start-up: the stored names stay.
    for (const auto& [slab, strand] : {std::pair<std::string, std::string>{"XYZ.mit", ""}, {"HQLIB.MIT", "omat.mit"}}) {
        m.SlabFileName = slab;
        m.StrandFileName = strand;
        SaveSettings(m, ui);
        EXPECT_EQ(stored(ui, "Ontelolaatat"), "OMAT.MIT") << slab;
        EXPECT_EQ(stored(ui, "Punostiedosto"), "OMAT.VAT") << strand;
    }
}

TEST(Settings, DamagedValuesFallBackToTheirDefaultsAndSizesToTheLegibleRange) {
    struct Case {
        const char* language;
        const char* fontSize;
        int16_t languageIndex;
        float size;
    } cases[] = {
        {"englanti", "iso", 0, 10.0f},  // not numbers
        {"7", "inf", 0, 10.0f},         // no such language; not a finite size
        {"-1", "1e60", 0, 16.0f},       // sizes are held to 6..16 pt
        {"0", "1000", 0, 16.0f},
        {"0", "0,001", 0, 6.0f},
        {"0", "-12", 0, 6.0f},
        {" 1 ", "12", 1, 12.0f},        // blanks around a number are fine
        {"", "", 0, 10.0f},
    };
    for (const Case& c : cases) {
        HeadlessPlatform ui;
        ui.saveSetting("Quorvel835", "Settings", "Kieli", c.language);
        ui.saveSetting("Quorvel835", "Settings", "Tulostusfonttikoko", c.fontSize);
        model::ProjectModel m;
        LoadSettings(m, ui);
        EXPECT_EQ(m.LanguageIndex, c.languageIndex) << c.language;
        EXPECT_FLOAT_EQ(m.PrintFontSize, c.size) << c.fontSize;
    }
}

TEST(Settings, AFolderMarkedWithAQuestionMarkBecomesTheProgramFolder) {
    HeadlessPlatform ui;
    ui.setProgramFolder("/opt/q/");
    ui.saveSetting("Quorvel835", "Settings", "QuorPath", "?C:\\vanha\\");
    model::ProjectModel m;
    LoadSettings(m, ui);
    EXPECT_EQ(m.DataPath, "/opt/q/");
    EXPECT_EQ(stored(ui, "QuorPath"), "/opt/q/");
}

class DataFiles : public ::testing::Test {
protected:
    void SetUp() override {
        m.DataPath = folder.dataPath();
        m.SlabFileName = "ONTELO.MIT";
        m.StrandFileName = "PUNOS.VAT";
        for (const char* name : {"ONTELO.MIT", "kef.da0", "TEKSTIT0.DA0", "FIRMA.DA0", "punos.vat"})
            folder.write(name, {"x"});
    }
    TempFolder folder;
    model::ProjectModel m;
};

TEST_F(DataFiles, AllPresentWhateverTheCaseOfTheirNames) { EXPECT_EQ(CheckDataFilesPresent(m), 1); }

TEST_F(DataFiles, EachMissingFileIsNoticed) {
    for (const char* name : {"ONTELO.MIT", "kef.da0", "TEKSTIT0.DA0", "FIRMA.DA0", "punos.vat"}) {
        std::string bytes = folder.read(name);
        std::filesystem::remove(folder.file(name));
        EXPECT_EQ(CheckDataFilesPresent(m), 0) << name;
        folder.writeRaw(name, bytes);
    }
    EXPECT_EQ(CheckDataFilesPresent(m), 1);
}

TEST_F(DataFiles, EnglishNeedsTheEnglishHeadings) {
    m.LanguageIndex = 1;
    EXPECT_EQ(CheckDataFilesPresent(m), 0);
    folder.write("TEKSTIT1.DA0", {"x"});
    EXPECT_EQ(CheckDataFilesPresent(m), 1);
}

TEST_F(DataFiles, TheMessageListsEveryExpectedPath) {
    const std::string p = folder.dataPath();
    EXPECT_EQ(missingDataFilesText(m),
              "Laskennassa käytettäviä tiedostoja ei löydy!\r\n"
              "Jokin seuraavista tiedostoista puuttuu tai polku on väärin:\r\n"
              "\r\n" +
                  p + "ONTELO.MIT\r\n" + p + "kef.da0\r\n" + p + "TEKSTIT0.DA0\r\n" + p + "FIRMA.DA0\r\n" + p +
                  "punos.vat\r\n");
}

TEST(MinimumBeamLength, LoadsHolesAndTheFirstJointKeepTheSpanLongEnough) {
    model::ProjectModel m;
    EXPECT_FLOAT_EQ(ComputeMinimumBeamLength(m), 1000.0f);  // nothing on the beam

    m.BeamPointLoadCount = 1;
    m.BeamPointLoadX[1] = 7500.0;
    EXPECT_FLOAT_EQ(ComputeMinimumBeamLength(m), 7500.0f);

    model::ProjectModel joint;
    joint.FirstJointDistance = -3000.0;
    EXPECT_FLOAT_EQ(ComputeMinimumBeamLength(joint), 6000.0f);  // 2 x |-3000|

    model::ProjectModel loads;
    loads.BeamLineLoadGX = 500.0;
    loads.BeamLineLoadGLength = 4000.0;
    loads.BeamLineLoadQX = 1000.0;
    loads.BeamLineLoadQLength = 4200.0;
    EXPECT_FLOAT_EQ(ComputeMinimumBeamLength(loads), 5200.0f);  // the variable load ends last

    model::ProjectModel holes;
    holes.HoleCount[2] = 2;
    holes.HoleX(2, 1) = 3000.0;
    holes.HoleWidthB(2, 1) = 400.0;
    holes.HoleX(2, 2) = 8000.0;
    holes.HoleWidthB(2, 2) = 600.0;
    EXPECT_FLOAT_EQ(ComputeMinimumBeamLength(holes), 8600.0f);  // right-side hole end
    holes.HoleCount[2] = 1;
    EXPECT_FLOAT_EQ(ComputeMinimumBeamLength(holes), 3400.0f);  // holes beyond the count do not count
}

TEST(MinimumBeamLength, CountsBeyondTheArraysDoNotReadPastThem) {
    model::ProjectModel m;
    m.BeamPointLoadCount = 9;
    m.BeamPointLoadX[5] = 6400.0;
    m.HoleCount[1] = 4;
    EXPECT_FLOAT_EQ(ComputeMinimumBeamLength(m), 6400.0f);
}

}  // namespace
}  // namespace quorvel::app
