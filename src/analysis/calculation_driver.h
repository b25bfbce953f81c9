#pragma once
// The driver of one calculation: the whole input passes through the work
// file (written and read straight back), the factored load multipliers are
// formed, the support moments go to Nmm for the analysis, and the analysis
// runs once. A side without slabs beside one with slabs (the left side of an
// edge beam) is calculated as having no slab field of its own: nothing its
// inputs hold enters the run, and they come back as entered. Whatever happens, the model comes back with its support
// moments in kNm and its beam spacings as entered.

#include <cstdint>
#include <string>

#include "analysis/slabs_on_beam.h"
#include "model/project_model.h"
#include "runtime/messages.h"

namespace quorvel::analysis {

// The work file of every calculation, in the work folder.
inline constexpr const char* CalculationWorkFileName = "quortmp.dat";

// Runs one calculation and returns its status: 0 when the analysis
// completed; -1 when the slab data of a side could not be read (the reader
// has added its message); otherwise the number of the run-time error that
// stopped it: a failed write or read-back of the work file (also recorded
// in CalculationStatus(1)), or any error of the analysis and the library.
// On every way out the support moments are back in kNm as they were and
// the beam spacings are the entered ones; a failed calculation gives back
// the whole input (with BetaY, which the project file carries) as it was
// before the work-file round trip; after a completed analysis the
// spacings it used are in AnalysedBeamSpacing and the required core-filling
// lengths in CoreFillingResult. writeSupportLineTable, when given, writes
// the along-the-beam results file at the end of a completed analysis.
// What the user is to be told (the flagged lines of the work file, a slab
// or strand type the catalogue lacks, a short catalogue line) is added to
// messages, in the order met; the caller shows it, whatever the status.
int16_t PerformCalculation(model::ProjectModel& m, runtime::Messages& messages,
                           const SupportLineTableWriter& writeSupportLineTable = {});

// mode 1 multiplies the eight support moments by 1e6 (kNm to Nmm); any other
// mode by 1e-6 (back to kNm).
void ScaleSupportMoments(model::ProjectModel& m, int mode);

}  // namespace quorvel::analysis
