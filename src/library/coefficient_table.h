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
#include <string>

#include "model/project_model.h"
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
// Errors: a missing file 53; a file that ends before the "LOPPU" block is
// complete 62; a row count outside 1..10 or a column flag other than 0 or 1
// 9; a slab height that is not a number 5. Nothing is reported otherwise.
void LookupKefCoefficient(model::ProjectModel& m, std::string& beamTypeName,
                          const std::string& slabTypeName, double x, double hct,
                          int16_t dowelsOnTop, int16_t dowelledConnection, Value& result,
                          Value& extra);

}  // namespace quorvel::library
