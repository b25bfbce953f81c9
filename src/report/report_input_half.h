#pragma once
// The input half of the text report: the header, the beam and its section
// and materials, the slab fields, the loads, the support moments and the
// partial factors, as the calculation has them.

#include <cstdint>

#include "model/project_model.h"
#include "runtime/program_context.h"
#include "report/report_lines.h"
#include "report/report_rows.h"

namespace quorvel::report {

// Prints the input half into the open report file. Returns 0, or 53 after
// its two messages when the report language file is missing (nothing is
// printed then). A run-time error (a damaged language file, a value that is
// not a finite number, a zero divisor) is not handled here: it ends the
// half and reaches the caller. The model is not changed.
int16_t WriteReportInputPart(model::ProjectModel& m, runtime::ProgramContext& context, ReportFile& file);

// Whether the input half shows the slab field of side s: both sides, or
// the one side that carries slabs. A side without slabs beside one with
// slabs (the left side of an edge beam) took nothing into the calculation,
// whatever its hidden boxes hold: its loads and holes are not printed.
bool SlabSideShown(const model::ProjectModel& m, int s);

// The sections of the input half, in the order they are printed; each
// continues on the same report file with the same texts.
void printReportHeader(RowPrinter& out, const runtime::LocalDateTime& now);
void printBeamSections(RowPrinter& out);
void printSlabSections(RowPrinter& out);
void printLoadSections(RowPrinter& out);

}  // namespace quorvel::report
