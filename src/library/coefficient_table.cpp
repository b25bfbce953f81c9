#include "library/coefficient_table.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "runtime/arrays.h"
#include "runtime/data_files.h"
#include "runtime/errors.h"
#include "runtime/input_items.h"
#include "runtime/text_file.h"

namespace quorvel::library {

using runtime::RunTimeError;

namespace {

constexpr int MaxRows = 10;
constexpr const char* TableFileName = "kef.da0";
constexpr const char* EndHeader = "LOPPU";

// The block read last: abscissas X(1..n), coefficients T(column, 1..n) and
// the S of the last record.
struct KefBlock {
    runtime::Array1<double, 0, MaxRows> X;
    runtime::Array2<double, 0, 1, 0, MaxRows> T;
    double S = 0.0;
};

std::string upperCased(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// Families whose slabs take the dowels on the beam top as their column.
bool usesTopDowels(const std::string& family) {
    static constexpr std::array<const char*, 4> families{"HI", "SU", "BI", "TI"};
    for (const char* f : families)
        if (family == f) return true;
    return false;
}

// Reads the 2n records of one block into block: column 0 rows 1..n, then
// column 1 rows 1..n. Each record overwrites X(row), so the abscissas of
// column 1 remain.
void readBlockRecords(runtime::InputItemReader& items, int n, KefBlock& block) {
    for (int column = 0; column <= 1; ++column) {
        for (int row = 1; row <= n; ++row) {
            items.readItem();  // the record's row number, not used
            block.X(row) = items.readNumber();
            block.T(column, row) = items.readNumber();
            block.S = items.readNumber();
        }
    }
}

double interpolate(const KefBlock& block, int n, int column, double x) {
    if (std::isnan(x)) throw RunTimeError(runtime::ErrInvalidCall, "slab height is not a number");
    if (x < block.X(1)) return block.T(column, 1);
    if (x > block.X(n)) return block.T(column, n);
    if (x == block.X(1)) return block.T(column, 1);
    for (int j = 2; j <= n; ++j) {
        if (block.X(j) >= x) {
            const double x0 = block.X(j - 1);
            const double t0 = block.T(column, j - 1);
            // X(j-1) < x <= X(j) here, so the divisor is positive.
            return t0 + (block.T(column, j) - t0) * (x - x0) / (block.X(j) - x0);
        }
    }
    // Only abscissas that do not ascend get here; x <= X(n) finds a row
    // when they do.
    throw RunTimeError(runtime::ErrInvalidCall, "abscissas of kef.da0 do not ascend");
}

// The family's block as read from the file: its row count and records.
struct KefLookup {
    int n = 0;
    KefBlock block;
};

// Reads the table from its start until the family's block (key) or the end
// block has been loaded; the header is examined after its records, so the
// end block must be complete too. Every pass takes items from the file, and
// the file ends, so the loop ends (62 at the latest).
KefLookup readFamilyBlock(const std::string& path, const std::string& key) {
    runtime::TextFileReader file(path);  // 53 when missing
    runtime::InputItemReader items(file);
    KefLookup found;
    found.n = runtime::toIndex(items.readNumber(), 1, MaxRows);
    std::string header;
    do {
        header = items.readItem();
        readBlockRecords(items, found.n, found.block);
    } while (header.substr(0, 2) != key && header != EndHeader);
    return found;
}

// The blocks read so far, by file version and family.
runtime::ParsedFileCache<KefLookup>& readBlocks() {
    static runtime::ParsedFileCache<KefLookup> cache;
    return cache;
}

}  // namespace

void LookupKefCoefficient(model::ProjectModel& m, std::string& beamTypeName,
                          const std::string& /*slabTypeName*/, double x, double /*hct*/,
                          int16_t dowelsOnTop, int16_t dowelledConnection, Value& result,
                          Value& extra) {
    const std::string key = upperCased(beamTypeName.substr(0, 2));
    const int column = usesTopDowels(key) ? dowelsOnTop : dowelledConnection;
    // Only the two columns of the file hold coefficients.
    if (column < 0 || column > 1) throw RunTimeError(runtime::ErrSubscriptOutOfRange);

    // The file is read again only when it is another version than the one
    // the family's block was read from.
    const runtime::DataFile table = runtime::findDataFile(m.DataPath, TableFileName);
    std::optional<KefLookup> found = table.version ? readBlocks().find(*table.version, key) : std::nullopt;
    if (!found) {
        found = readFamilyBlock(table.path, key);
        if (table.version) readBlocks().keep(*table.version, key, *found);
    }

    result = interpolate(found->block, found->n, column, x);
    extra = found->block.S;
}

}  // namespace quorvel::library
