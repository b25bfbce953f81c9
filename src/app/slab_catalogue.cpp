#include "app/slab_catalogue.h"

#include <algorithm>

#include "app/input_items.h"
#include "runtime/number_text.h"
#include "runtime/text_file.h"

namespace quorvel::app {

namespace {

bool startsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// Catalogue words become numbers as typed numbers do; the items hold no
// comma, so the locale's decimal mark plays no part.
float parseWord(const std::string& word) { return static_cast<float>(runtime::scanNumber(word)); }

// Reads items until one starts with marker (that item is consumed and
// returned); a file that ends first is a DataFileError.
std::string readThrough(InputItemReader& items, const std::string& path, const char* marker) {
    while (!items.eof()) {
        std::string item = items.readItem();
        if (startsWith(item, marker)) return item;
    }
    throw DataFileError(path, "Tiedosto " + path + " on virheellinen:\r\nrivi " + marker +
                                  " puuttuu, tiedosto loppuu ennen sitä.");
}

std::string nextItem(InputItemReader& items, const std::string& path, const char* awaited) {
    if (items.eof())
        throw DataFileError(path, "Tiedosto " + path + " on virheellinen:\r\nrivi " + awaited +
                                      " puuttuu, tiedosto loppuu ennen sitä.");
    return items.readItem();
}

void readSlabLines(model::ProjectModel& m, const std::string& path) {
    runtime::TextFileReader file(path);
    InputItemReader items(file);
    readThrough(items, path, "LOPPU1");
    nextItem(items, path, "LOPPU");  // the heading line
    for (;;) {
        std::string line = nextItem(items, path, "LOPPU");
        std::vector<std::string> words = splitBlankWords(line);
        if (words.size() > 16) {
            model::SlabTypeRecord record;
            record.Name = words[0];
            record.Thickness = parseWord(words[2]);
            record.DefaultSupportLength = parseWord(words[15]);
            m.SlabCatalogue.append(std::move(record));
            m.SlabTypeCount = static_cast<int16_t>(m.SlabCatalogue.size());
        }
        if (startsWith(line, "LOPPU")) break;
    }
    if (m.SlabTypeCount == 0)
        throw DataFileError(path, "Laattatiedostossa " + path + " ei ole yhtään laattatyyppiä.");
}

void readStrandLines(model::ProjectModel& m, const std::string& path) {
    runtime::TextFileReader file(path);
    InputItemReader items(file);
    readThrough(items, path, "DATA");
    for (;;) {
        std::string line = nextItem(items, path, "LOPPU");
        std::vector<std::string> words = splitBlankWords(line);
        if (!words.empty()) {
            const std::size_t n = std::min<std::size_t>(words.size(), model::MaxStrandNames + 1);
            for (model::SlabTypeRecord& record : m.SlabCatalogue) {
                if (record.Name != words[0]) continue;
                record.StrandCount = static_cast<int16_t>(n - 1);
                for (std::size_t j = 0; j + 1 < n; ++j) record.StrandNames(static_cast<int>(j)) = words[j + 1];
            }
        }
        if (startsWith(line, "LOPPU")) break;
    }
}

}  // namespace

std::vector<std::string> splitBlankWords(const std::string& text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') ++i;
        std::size_t start = i;
        while (i < text.size() && text[i] != ' ') ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

void LoadSlabCatalogue(model::ProjectModel& m) {
    m.SlabTypeCount = 0;
    m.SlabCatalogue.clear();
    readSlabLines(m, runtime::resolveFile(m.DataPath, m.SlabFileName));
    for (model::SlabTypeRecord& record : m.SlabCatalogue) record.StrandCount = 0;
    readStrandLines(m, runtime::resolveFile(m.DataPath, m.StrandFileName));
}

void ShowDataFileError(platform::Platform& ui, const DataFileError& error) {
    ui.messageBox(error.text(), platform::Buttons::Ok, platform::Icon::Critical, "Vakava virhe!");
}

}  // namespace quorvel::app
