#pragma once
// The main analysis of one calculation: the slab data of both sides, the
// calculation grid, the beam's section model, the beam block (loads,
// moments, shears, section analysis, beam maxima and shear design), the slab
// web checks at every station with the one core-filling re-run, the per-side
// maxima, core-filling zones and deflections, and the final utilisation
// ratios. It takes all its input from the project model and leaves every
// result there; the working tables of the run live in its AnalysisRun.
//
// The phases are members of one object, each in a source file of its own:
//   slabs_on_beam.cpp      the run's frame and its final values
//   analysis_setup.cpp     the set-up
//   beam_block.cpp         the beam block
//   slab_checks.cpp        the slab checks of a side at every station
//   slab_results.cpp       per-side maxima, core-filling zones, deflections

#include <cstdint>

#include "analysis/analysis_run.h"
#include "model/project_model.h"
#include "platform/platform.h"

namespace quorvel::analysis {

// Runs one analysis. status is element 0 of CalculationStatus: 0 after a
// complete run; -1 when the slab data of a side could not be read (the
// reader has shown its message). A run-time error of the analysis or the
// library is not caught here: it reaches the calculation driver.
void AnalyseSlabsOnBeam(model::ProjectModel& m, platform::Platform& ui, int16_t& status);

class SlabsOnBeamAnalysis {
public:
    SlabsOnBeamAnalysis(model::ProjectModel& m, platform::Platform& ui) : m_(m), ui_(ui) {}

    // The whole run, phases in order with at most one restart of the beam
    // block for core filling.
    void run(int16_t& status);

    // Set-up: slab data per side, side presence, grid size, section model,
    // starting core-filling lengths, design values and loads. False when the
    // slab data of a side could not be read (status is then -1).
    bool setUp(int16_t& status);
    // Beam block: the restart point of the core-filling re-run.
    void runBeamBlock();
    // Slab checks of one side at every station, with the per-side maxima.
    // True when a station called for core filling for the first time in
    // this analysis: the run then restarts at the beam block.
    bool checkSlabSide(int side);
    // Core-filling zones, shear reserves, core-filling results, deflections
    // and strains.
    void findZonesAndDeflections();
    // Governing utilisations of the slab fields and of the beam.
    void computeFinalValues();

    AnalysisRun& state() { return run_; }
    const AnalysisRun& state() const { return run_; }

private:
    model::ProjectModel& m_;
    platform::Platform& ui_;
    AnalysisRun run_;
};

}  // namespace quorvel::analysis
