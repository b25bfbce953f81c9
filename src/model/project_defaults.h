#pragma once
// The input of a new project, and the empty beam description that precedes
// the defaults of a newly chosen beam type.

#include "model/project_model.h"

namespace quorvel::model {

// Fills every input field of a new project. The slab type of both sides is
// the first catalogue type thicker than 260 mm and thinner than 270 mm, or
// the first type when none is; with its first strand designation. Fields it
// does not name (IsMiddleBeam, LanguageIndex, DataPath, the file names of
// the settings, the calculation and result fields) keep their values.
// With an empty catalogue the slab type is the empty text and the bottom
// strands "6" (start-up refuses an empty catalogue before this runs).
void ResetProjectDefaults(ProjectModel& m);

// The input of a new project, whatever project the model held before: the
// beam description emptied (ClearBeamDefinition), then ResetProjectDefaults.
void ResetNewProjectInput(ProjectModel& m);

// Sets the beam description to zero before another beam type's defaults
// are written: reinforcement rows, beam geometry and materials, the dowel
// flags and the row counts; ConcreteQualityClass(1) and (2) become 3.
// Slab fields, loads and factors are left as they are.
void ClearBeamDefinition(ProjectModel& m);

// A project file does not say whether its beam is a middle or an edge beam:
// a project whose left beam spacings are 0 at both ends is an edge beam.
// Opening a project makes it a middle beam unless this holds.
bool LeftSpacingsEmpty(const ProjectModel& m);

}  // namespace quorvel::model
