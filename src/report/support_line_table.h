#pragma once
// The along-the-beam results file quor.tu1 of the work folder (after a
// calculation also kept in the application data folder): for each
// side that carries slabs, a short header (slab designation, slab spans at
// both beam ends, prestress, cracking and ultimate moments) and one row per
// station of the beam's shear and shear flow, the slab's shear stresses,
// shear and resistance, principal stress, safety factor, utilisation, core
// filling and moments (kNm per metre of slab width).

#include "analysis/analysis_run.h"
#include "analysis/slabs_on_beam.h"
#include "model/project_model.h"

namespace quorvel::report {

// The name of the file in the work folder.
inline constexpr const char* SupportLineTableFileName = "quor.tu1";

// Writes WorkFolder() & "quor.tu1" (created or emptied) from the model and the
// nine per-station tables of the analysis, and closes it. A file that cannot
// be written raises its run-time error; a value that is not a finite number
// raises 5 or 6 (the file then holds the lines before it).
void WriteSupportLineTable(const model::ProjectModel& m, const model::PointArray& shearFlowA,
                           const model::PointArray& shearFlowB,
                           const analysis::StationSideArray& tvl0Stress,
                           const analysis::StationSideArray& tvlStress,
                           const analysis::StationSideArray& shearResistance,
                           const analysis::StationSideArray& thcStress,
                           const analysis::StationSideArray& principalStress,
                           const analysis::StationSideArray& utilisation,
                           const model::SidePointArray& coreFillingUsed);

// Places the work folder's quor.tu1 whole in the folder of the error log
// (the application data folder, which outlives the running copy and its
// work folder), where the user finds it: written aside and renamed over the
// one the last calculation placed there. Nothing when that folder is the
// work folder itself. A file that cannot be read or written raises its
// run-time error; the one placed before then stays as it was.
void KeepSupportLineTable(const model::ProjectModel& m);

// The same from the tables of a run; fits analysis::SupportLineTableWriter,
// so the caller of a calculation hands it to the analysis.
void WriteSupportLineTableOfRun(const model::ProjectModel& m,
                                const analysis::SupportLineTables& tables);

}  // namespace quorvel::report
