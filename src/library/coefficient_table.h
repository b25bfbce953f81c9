#pragma once
// The coefficient table file kef.da0 of the data folder: per beam family, the
// share k_cd of the zero-moment span that acts as slab width together with
// the beam, over the slab height, for joints without dowels (column 0) and
// dowelled joints (column 1).
//
// File layout, read item by item (items end at commas and line ends):
//   n                                  rows of every block, 1..10
//   header                             first two characters: family code
//   2n records "row, x, k_cd, S"       n of column 0, then n of column 1
//   ... further blocks ...
//   "LOPPU" and its 2n records         the block of every other family

#include <cstdint>
#include <optional>
#include <string>

#include "model/project_model.h"
#include "runtime/errors.h"
#include "runtime/value.h"

namespace quorvel::library {

using runtime::Value;

// Reads DataPath & "kef.da0" (any letter case) up to the block of the family
// of beamTypeName (first two letters, upper-cased; only the first two
// characters of a header count, and a header in lower case never matches),
// or up to the "LOPPU" block when the family has none, and interpolates
// k_cd linearly over x, holding the end values outside the tabulated range.
// The column is dowelsOnTop for the families HI, SU, BI and TI and
// dowelledConnection for every other family. slabTypeName and hct take no
// part. extra receives S of the last record read.
//
// Every value read is held to what its meaning allows: the row count and
// row numbers whole and within the table (1..10, 1..n), x positive and
// ascending within a column, 0 < k_cd <= 0.2 (EN 1992-1-1 (5.7a): an
// effective width of at most 0.2 l_0 on each side), 0 < S <= 1.
//
// Errors: a missing file 53; a column flag other than 0 or 1 9; a slab
// height that is not a number 5; a value outside its limit, and a file that
// ends before the "LOPPU" block is complete, CoefficientTableError.
// A value of the table outside its limit, or a table that ends too soon:
// the message names the file, the line and the value as written. It is a
// run-time error 5 to a caller that only counts errors.
class CoefficientTableError : public runtime::RunTimeError {
public:
    CoefficientTableError(std::string finnish, std::string english)
        : runtime::RunTimeError(runtime::ErrInvalidCall, english),
          finnish_(std::move(finnish)),
          english_(std::move(english)) {}
    const std::string& text(int16_t language) const { return language == 1 ? english_ : finnish_; }

private:
    std::string finnish_;
    std::string english_;
};

void LookupKefCoefficient(model::ProjectModel& m, std::string& beamTypeName,
                          const std::string& slabTypeName, double x, double hct,
                          int16_t dowelsOnTop, int16_t dowelledConnection, Value& result,
                          Value& extra);

// The first fault of DataPath & "kef.da0" read from its start through its
// "LOPPU" block, as LookupKefCoefficient would meet it; nothing for a sound
// table, and for a missing or unreadable file (which the lookup reports).
std::optional<CoefficientTableError> CheckKefTable(const model::ProjectModel& m);

}  // namespace quorvel::library
