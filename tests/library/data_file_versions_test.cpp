// The data files that every calculation reads (coefficient table, slab
// catalogue, company header) are parsed once per version of the file and
// kept in the application's cache: an edit of any kind, one that keeps the
// size and puts the modification time back included, is read at the next
// lookup.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "inputfile/input_file_reader.h"
#include "library/coefficient_table.h"
#include "library/slab_data.h"
#include "model/project_model.h"
#include "platform/headless/headless_platform.h"
#include "runtime/data_files.h"
#include "support/test_support.h"

namespace {

using quorvel::model::ProjectModel;
using quorvel::runtime::DataFileCache;
using quorvel::runtime::FileIdentity;
using quorvel::runtime::Value;
using quorvel::testing::TempFolder;
namespace fs = std::filesystem;

std::string text(double x) {
    std::ostringstream s;
    s << x;
    return s.str();
}

// Slab type P27 with strands "S" on the left, from the folder's catalogue.
ProjectModel readP27(const TempFolder& folder, quorvel::runtime::Messages& messages, int16_t& status,
                     DataFileCache* files = nullptr) {
    ProjectModel m;
    m.DataFiles = files;
    m.DataPath = folder.dataPath();
    m.SlabFileName = "ONTELO.MIT";
    m.SlabTypeName(1) = "P27";
    m.BottomStrandType(1) = "S";
    quorvel::library::ReadSlabAndStrandData(m, messages, 1, status);
    return m;
}

// One reader of a data file: the file's name, three versions of its content
// (the second of the first one's size, the third of another size) and what
// a lookup gives from each.
struct Reader {
    const char* name;
    std::string first, sameSize, otherSize;
    std::string expected[3];
    std::function<std::string(const TempFolder&, DataFileCache&)> read;
};

std::string kefTable(const char* value) {
    return std::string("1\r\n\"SU\"\r\n1,300,") + value + ",0.5\r\n1,300,0.19,0.5\r\n";
}

const char* title = "PUNOKSET tunnus d A fpk eta Ep\r\n";
const char* heading = "TYYPPI n h t hc hct hv d bb b db e g gd c14 ap lim\r\n";

std::string catalogue(const char* height) {
    return std::string(title) + "S 9.3 52 1860 3.2 195000\r\nLOPPU1\r\n" + heading + "P27 6 " + height +
           " 35 190 105 30 135 105 1200 20 110 3.60 4.14 0.5 45 60\r\nLOPPU\r\n";
}

const Reader readers[] = {
    {"kef.da0", kefTable("0.16"), kefTable("0.17"), kefTable("0.175"), {"0.16", "0.17", "0.175"},
     [](const TempFolder& folder, DataFileCache& files) {
         ProjectModel m;
         m.DataFiles = &files;
         m.DataPath = folder.dataPath();
         std::string type = "SUORA";
         Value kcd, extra;
         quorvel::library::LookupKefCoefficient(m, type, "P27", 300, 105, 0, 0, kcd, extra);
         return text(kcd);
     }},
    {"ONTELO.MIT", catalogue("265"), catalogue("266"), catalogue("265.5"), {"265", "266", "265.5"},
     [](const TempFolder& folder, DataFileCache& files) {
         quorvel::runtime::Messages messages;
         int16_t status = 0;
         const ProjectModel m = readP27(folder, messages, status, &files);
         return status == 0 ? text(m.SlabHeight(1)) : "status " + std::to_string(status);
     }},
    {"FIRMA.DA0", "\"Rakenne Oy\"\r\n", "\"Rakenne Ab\"\r\n", "\"Rakenne Oyj\"\r\n",
     {"Rakenne Oy", "Rakenne Ab", "Rakenne Oyj"},
     [](const TempFolder& folder, DataFileCache& files) {
         return quorvel::inputfile::ReadCompanyName(folder.dataPath(), &files);
     }},
};

// Writes bytes over the file in place (same inode) and gives it the time.
void rewrite(const fs::path& file, const std::string& bytes, fs::file_time_type time) {
    quorvel::testing::writeBytes(file, bytes);
    fs::last_write_time(file, time);
}

}  // namespace

TEST(DataFileVersions, EveryEditIsReadAtTheNextLookup) {
    for (const Reader& r : readers) {
        SCOPED_TRACE(r.name);
        TempFolder folder;
        DataFileCache files;
        const fs::path file = folder.path() / r.name;
        folder.writeRaw(r.name, r.first);
        const fs::file_time_type saved = fs::last_write_time(file);
        EXPECT_EQ(r.read(folder, files), r.expected[0]);
        EXPECT_EQ(r.read(folder, files), r.expected[0]);

        // Edited in place keeping the size, the modification time put back.
        rewrite(file, r.sameSize, saved);
        EXPECT_EQ(r.read(folder, files), r.expected[1]);

        // Another size with the time put back.
        rewrite(file, r.otherSize, saved);
        EXPECT_EQ(r.read(folder, files), r.expected[2]);

        // The first content saved as a new file renamed over the old one,
        // with the old size and time.
        folder.writeRaw("new", r.first);
        fs::last_write_time(folder.path() / "new", saved);
        fs::rename(folder.path() / "new", file);
        EXPECT_EQ(r.read(folder, files), r.expected[0]);

        // A file that has gone fails as before; the company line, a
        // heading only, is blank instead of the one kept.
        fs::remove(file);
        if (std::string(r.name) == "FIRMA.DA0")
            EXPECT_EQ(r.read(folder, files), "");
        else
            EXPECT_NE(quorvel::testing::errorOf([&] { r.read(folder, files); }), 0);
    }
}

// What is kept is found only under the identity it was kept for, change
// time included; a file changed too lately to be told from its next
// version is not kept at all; and an edit in place with the size and the
// modification time put back can never match a kept identity.
TEST(DataFileVersions, ParsedResultsAreKeptByIdentityWithTheChangeTime) {
    quorvel::runtime::ParsedFileCache<int> cache;
    FileIdentity settled{"/data/ONTELO.MIT", 788, 100, 200, 1, 42, true};
    cache.keep(settled, "P27", 27);
    EXPECT_EQ(cache.find(settled, "P27"), 27);
    EXPECT_FALSE(cache.find(settled, "P32").has_value());
    FileIdentity changed = settled;
    changed.changedNs += 1;
    EXPECT_FALSE(cache.find(changed, "P27").has_value());

    FileIdentity fresh = settled;
    fresh.path = "/data/kef.da0";
    fresh.settled = false;
    cache.keep(fresh, "SU", 1);
    EXPECT_FALSE(cache.find(fresh, "SU").has_value());

    TempFolder folder;
    folder.writeRaw("ONTELO.MIT", catalogue("265"));
    const fs::path file = folder.path() / "ONTELO.MIT";
    const fs::file_time_type saved = fs::last_write_time(file);
    const auto before = quorvel::runtime::identifyFile(file.string());
    ASSERT_TRUE(before.has_value());
    rewrite(file, catalogue("266"), saved);
    const auto after = quorvel::runtime::identifyFile(file.string());
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(after->modifiedNs, before->modifiedNs);
    EXPECT_FALSE(before->settled && *before == *after) << "the edit could be taken for the kept version";
}

// A catalogue read that reported a flawed line is not kept: the next read
// reports it again.
TEST(DataFileVersions, AReadThatReportedAFlawIsMadeAgain) {
    TempFolder folder;
    DataFileCache files;
    folder.writeRaw("ONTELO.MIT", std::string(title) + "S 9.3 52\r\nLOPPU1\r\n" + heading +
                                      "P27 6 265 35 190 105 30 135 105 1200 20 110 3.60 4.14 0.5 45 60\r\nLOPPU\r\n");
    std::vector<std::string> first;
    for (int read = 1; read <= 2; ++read) {
        quorvel::runtime::Messages messages;
        int16_t status = 0;
        readP27(folder, messages, status, &files);
        std::vector<std::string> texts;
        for (const auto& message : messages) texts.push_back(message.finnish);
        ASSERT_FALSE(texts.empty()) << "read " << read << " reported nothing";
        if (read == 1) first = texts;
        else EXPECT_EQ(texts, first) << "the second read must report the flaw as the first did";
    }
}

// Data file names are resolved whatever their case, and a name found in
// another case that is renamed afterwards is found again, with the cache
// and without it.
TEST(DataFileVersions, NamesResolvedOncePerFolderFollowARename) {
    DataFileCache cache;
    for (DataFileCache* files : {&cache, static_cast<DataFileCache*>(nullptr)}) {
        SCOPED_TRACE(files ? "cached" : "uncached");
        TempFolder folder;
        folder.writeRaw("KEF.DA0", "x");
        const auto first = quorvel::runtime::findDataFile(files, folder.dataPath(), "kef.da0");
        EXPECT_EQ(first.path, folder.dataPath() + "KEF.DA0");
        ASSERT_TRUE(first.version.has_value());
        EXPECT_EQ(first.version->size, 1u);
        fs::rename(folder.path() / "KEF.DA0", folder.path() / "Kef.Da0");
        const auto renamed = quorvel::runtime::findDataFile(files, folder.dataPath(), "kef.da0");
        EXPECT_EQ(renamed.path, folder.dataPath() + "Kef.Da0");
        EXPECT_TRUE(renamed.version.has_value());
        EXPECT_EQ(quorvel::runtime::resolveDataFile(files, folder.dataPath(), "kef.da0"), renamed.path);
        // A name the folder does not hold is the path of that name.
        const auto missing = quorvel::runtime::findDataFile(files, folder.dataPath(), "firma.da0");
        EXPECT_EQ(missing.path, folder.dataPath() + "firma.da0");
        EXPECT_FALSE(missing.version.has_value());
    }
}

// Within one analysis each data file is looked at once: an edit made while
// it runs shows at the next one.
TEST(DataFileVersions, AnAnalysisTakesEachFileAsItFirstSawIt) {
    TempFolder folder;
    DataFileCache files;
    folder.writeRaw("kef.da0", kefTable("0.16"));
    const auto lookup = [&] { return readers[0].read(folder, files); };
    {
        quorvel::runtime::DataFileScope analysis(&files);
        const auto seen = quorvel::runtime::findDataFile(&files, folder.dataPath(), "kef.da0");
        EXPECT_EQ(lookup(), "0.16");
        folder.writeRaw("kef.da0", kefTable("0.175"));
        quorvel::runtime::DataFileScope nested(&files);
        EXPECT_EQ(quorvel::runtime::findDataFile(&files, folder.dataPath(), "kef.da0").version, seen.version);
    }
    EXPECT_EQ(lookup(), "0.175");
}
