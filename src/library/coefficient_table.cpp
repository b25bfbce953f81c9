#include "library/coefficient_table.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "model/beam_family.h"
#include "runtime/arrays.h"
#include "runtime/data_files.h"
#include "runtime/errors.h"
#include "runtime/input_items.h"
#include "runtime/messages.h"
#include "runtime/number_text.h"
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

// Families whose slabs take the dowels on the beam top as their column, by
// the upper-cased code; a type name beginning "HI" (no family of the
// program's) takes them as well.
bool usesTopDowels(const std::string& code) {
    using F = model::BeamFamily;
    const std::optional<F> family = model::FamilyOfCode(code);
    return code == "HI" || family == F::SU || family == F::BI || family == F::TI;
}

// What the table's values mean bounds them. x is a slab height (mm),
// positive and ascending within a column, bounded as the catalogue's
// values are. k_cd is the share of the zero-moment span acting as slab
// width on one side of the beam: EN 1992-1-1 expression (5.7a) holds
// b_eff,i to at most 0.2 l_0. S is the factor to which the core-filling
// reduction falls, a share of the full section: above 0, at most 1. Row
// numbers and the row count are whole numbers within the table.
constexpr double LargestHeight = 1e6;
constexpr double LargestKcd = 0.2;
constexpr double LargestS = 1.0;

struct Limit {
    const char* name;
    double least;
    bool above;  // the least value itself is not allowed
    double most;
    bool whole;
};

std::string numberText(double v) { return runtime::generalNumberText(v, runtime::NumberKind::Double); }

// Number items of the table, each held to its limit as it is read.
class TableItems {
public:
    explicit TableItems(const std::string& path) : path_(path), file_(path), items_(file_) {}

    std::string item() { return items_.readItem(); }

    double number(const Limit& limit) {
        const std::string text = items_.readItem();
        double v = std::nan("");
        try {
            // A text that is no number ("0.1O", "2O") is never read as its
            // leading digits or as 0.
            const std::optional<double> number = runtime::fieldNumber(text);
            if (!number) notANumber(limit, text);
            v = *number;
        } catch (const RunTimeError&) {  // beyond the double range
        }
        const bool inside = std::isfinite(v) && (limit.above ? v > limit.least : v >= limit.least) &&
                            v <= limit.most && (!limit.whole || v == std::floor(v));
        if (!inside) fault(limit, text);
        return v;
    }

    // The value as written and its limit, on the line it came from.
    [[noreturn]] void fault(const Limit& limit, const std::string& text) const {
        const std::string line = std::to_string(items_.line());
        const std::string range = numberText(limit.least) + (limit.above ? " < " : " <= ") + limit.name +
                                  " <= " + numberText(limit.most);
        const std::string wholeFi = limit.whole ? ", kokonaisluku" : "", wholeEn = limit.whole ? ", a whole number" : "";
        throw CoefficientTableError(
            "Tiedoston " + path_ + " rivillä " + line + " arvo " + limit.name + " = \"" + text +
                "\" ei ole sallittu (" + range + wholeFi + ").",
            "In the file " + path_ + " on line " + line + " the value " + limit.name + " = \"" + text +
                "\" is not allowed (" + range + wholeEn + ").");
    }

    [[noreturn]] void notANumber(const Limit& limit, const std::string& text) const {
        const std::string line = std::to_string(items_.line());
        const std::string quoted = runtime::quotedText(text);
        throw CoefficientTableError(
            "Tiedoston " + path_ + " rivillä " + line + " arvo " + limit.name + " = " + quoted + " ei ole luku.",
            "In the file " + path_ + " on line " + line + " the value " + limit.name + " = " + quoted +
                " is not a number.");
    }

    // The table ends before the block it was read for is complete.
    [[noreturn]] void endedEarly() const {
        const std::string line = std::to_string(items_.line());
        throw CoefficientTableError(
            "Tiedosto " + path_ + " loppuu rivillä " + line + " ennen kuin lohko LOPPU on kokonainen.",
            "The file " + path_ + " ends on line " + line + " before its LOPPU block is complete.");
    }

private:
    std::string path_;
    runtime::TextFileReader file_;
    runtime::InputItemReader items_;
};

// Reads the 2n records of one block into block: column 0 rows 1..n, then
// column 1 rows 1..n. Each record overwrites X(row), so the abscissas of
// column 1 remain. Every value is held to its limit as it is read.
void readBlockRecords(TableItems& items, int n, KefBlock& block) {
    const Limit row{"row", 1, false, static_cast<double>(n), true};
    const Limit kcd{"k_cd", 0, true, LargestKcd, false};
    const Limit s{"S", 0, true, LargestS, false};
    for (int column = 0; column <= 1; ++column) {
        for (int r = 1; r <= n; ++r) {
            items.number(row);  // the record's row number, not used
            // Heights ascend within the column, or the interpolation
            // could not find the row of a height.
            const double least = r == 1 ? 0.0 : block.X(r - 1);
            block.X(r) = items.number({"x", least, true, LargestHeight, false});
            block.T(column, r) = items.number(kcd);
            block.S = items.number(s);
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
// the file ends, so the loop ends (62 at the latest, or the table's own
// error with its line).
KefLookup readFamilyBlock(const std::string& path, const std::string& key) {
    TableItems items(path);  // 53 when missing
    KefLookup found;
    try {
        found.n = static_cast<int>(items.number({"n", 1, false, MaxRows, true}));
        std::string header;
        do {
            header = items.item();
            readBlockRecords(items, found.n, found.block);
        } while (header.substr(0, 2) != key && header != EndHeader);
    } catch (const RunTimeError& e) {
        if (e.number() != runtime::ErrInputPastEndOfFile) throw;
        items.endedEarly();
    }
    return found;
}

// The blocks read so far, by file version and family.
runtime::ParsedFileCache<KefLookup>& readBlocks(runtime::DataFileCache& files) {
    return files.parsed<KefLookup>("kef.da0 blocks");
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
    const runtime::DataFile table = runtime::findDataFile(m.DataFiles, m.DataPath, TableFileName);
    const bool kept = m.DataFiles && table.version;
    std::optional<KefLookup> found = kept ? readBlocks(*m.DataFiles).find(*table.version, key) : std::nullopt;
    if (!found) {
        found = readFamilyBlock(table.path, key);
        if (kept) readBlocks(*m.DataFiles).keep(*table.version, key, *found);
    }

    result = interpolate(found->block, found->n, column, x);
    extra = found->block.S;
}

std::optional<CoefficientTableError> CheckKefTable(const model::ProjectModel& m) {
    // A table found sound is checked again only when the file changes.
    const runtime::DataFile table = runtime::findDataFile(m.DataFiles, m.DataPath, TableFileName);
    runtime::ParsedFileCache<bool>* soundTables =
        m.DataFiles && table.version ? &m.DataFiles->parsed<bool>("kef.da0 sound") : nullptr;
    if (soundTables && soundTables->find(*table.version, "")) return std::nullopt;
    try {
        // No header starts with a line end (items end there): the whole
        // table up to its end block is read.
        readFamilyBlock(table.path, "\n");
        if (soundTables) soundTables->keep(*table.version, "", true);
    } catch (const CoefficientTableError& e) {
        return e;
    } catch (const RunTimeError&) {
        // A missing or unreadable file: the lookup reports it (53, 75).
    }
    return std::nullopt;
}

}  // namespace quorvel::library
