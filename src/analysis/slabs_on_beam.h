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
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "analysis/analysis_run.h"
#include "model/project_model.h"
#include "runtime/messages.h"

namespace quorvel::analysis {

// The nine per-station tables of the along-the-beam results file, as the
// run leaves them: the beam's two shear-flow components (by station), and
// per station and side tvl0, tvl, the slab's shear resistance, thc, the
// principal tensile stress and the utilisation; the core filling each
// station was checked with (0 where none) is (side, station).
struct SupportLineTables {
    const PointArray& shearFlowA;
    const PointArray& shearFlowB;
    const StationSideArray& tvl0Stress;
    const StationSideArray& tvlStress;
    const StationSideArray& shearResistance;
    const StationSideArray& thcStress;
    const StationSideArray& principalStress;
    const StationSideArray& utilisation;
    const SidePointArray& coreFillingUsed;
};

// Writes the along-the-beam results file at the end of a complete run. The
// results output supplies it (the analysis sits below the report layer); an
// empty writer writes no file.
using SupportLineTableWriter =
    std::function<void(const model::ProjectModel&, const SupportLineTables&)>;

// Runs one analysis. status is element 0 of CalculationStatus: 0 after a
// complete run; -1 when the slab data of a side could not be read (the
// reader has added its message to messages, as it does for a short line of
// the catalogue). A run-time error of the analysis or the
// library is not caught here: it reaches the calculation driver.
//
// Every intermediate and result field of the model starts as on a newly
// opened project (ResetCalculationResults), so the results depend on the
// project alone. Input values the run changes in passing (a negative
// CoreFillingLength made positive, a support length replaced by its
// default, the grout width of a side without slabs taken as 0) are given
// back as they were on every way out.
void AnalyseSlabsOnBeam(model::ProjectModel& m, runtime::Messages& messages, int16_t& status,
                        const SupportLineTableWriter& writeSupportLineTable = {});

// Clears the intermediate and result fields of the model to the state of a
// newly opened project. Kept: the load factors the driver forms before the
// analysis, the calculation statuses, the work file's first flagged line,
// the spacings of the last analysis, the connection factor BetaY (the
// project file carries it; the set-up forms it afresh before any use) and
// the text viewer's state.
void ResetCalculationResults(model::ProjectModel& m);

// Whether the beam's bending check compares the design moment with the
// resistance of the composite section (composite, prestressed and CW
// beams) rather than with that of the beam alone.
bool BeamCheckUsesCompositeResistance(const model::ProjectModel& m);
// The beam is checked in sagging only. Whether a moment hogs: it lies
// below -HoggingTolerance times the largest moment magnitude of its row
// along the beam (taken as at least 1 kNm: a moment within 10 Nmm of zero
// never hogs): it passes over the rounding noise of summed load rows, and
// is a hundredth of the 0.1 kNm the report prints moments to even on a
// 1000 kNm beam. The one rule of "hogs" for the analysis, the gauges, the
// results table and the report.
constexpr double HoggingTolerance = 1e-5;
bool MomentHogs(double moment, double largestMagnitude);
// The decimal places a hogging moment (kNm) is printed with beside the
// words that say it is not checked: `decimals`, or as many more as it
// takes (up to 6) for it to print below zero, so that a moment the rule
// above finds hogging never reads "0.0" beside them (-0.0115 kNm prints
// "-0.01" where one place would print 0). A moment that does not hog keeps
// `decimals`.
int HoggingMomentDecimals(double kNm, int decimals);
// The text of a hogging moment (kNm) beside those words, with those places
// and a point ("-575.0", "-0.004"): the one text of the gauges, the results
// table, the report's verdict lines and the message that refuses a beam.
std::string HoggingMomentText(double kNm, int decimals);
// Whether the beam's sagging design moment is checked in bending: a beam
// whose design moment hogs over the whole span has none left, and its
// bending check is not made (shown as not checked, never as 0 % adequate).
bool BeamSaggingMomentChecked(const model::ProjectModel& m);
// Whether the strain at the slab support is checked: the check applies
// (slabs on the beam top) and the seat shortens somewhere, whichever way
// the moment bends (a seat below the composite centroid shortens under a
// hogging moment); a seat stretched along the whole span is no shortening
// to judge. Shortening and stretch are told apart by the one tolerance of
// "hogs", against the larger of the two.
bool BeamStrainChecked(const model::ProjectModel& m);
// Whether the design moment hogs anywhere along the beam, supports
// included (MaxHoggingDesignMoment): the bending check does not judge it,
// and every view of the check says so beside its largest hogging moment.
bool BeamHogs(const model::ProjectModel& m);
// The same of the characteristic moment (MaxHoggingCharMoment), for the
// strain check where it applies.
bool BeamHogsCharacteristic(const model::ProjectModel& m);
// Whether the shear flow between a welded steel beam and its concrete
// (2 F k / Lo) is checked: it runs over the zero-moment span Lo of the
// composite stage, which a beam that sags nowhere lacks (Lo = 0).
bool BeamShearFlowChecked(const model::ProjectModel& m);
// What one of the beam's moment checks (its bending, or the strain at the
// slab support) judges: whether it applies at all, whether a part is left
// to check (the sagging moment of the bending, the shortening seat of the
// strain), and the largest value it leaves unchecked, negative, 0 where
// there is none: the hogging design moment of the bending (Nmm), the
// stretch of the seat of the strain. The gauges, the results table and
// the report show a check from this alone: the unchecked value in words
// beside its value, a checked ratio only beside those words, never alone
// as adequate.
struct BeamMomentCheck {
    bool applies = true;
    bool saggingChecked = true;
    double uncheckedHogging = 0.0;
    bool seat = false;  // the strain check: the unchecked value is the seat's stretch
    bool hogs() const { return uncheckedHogging < 0.0; }
    // The unchecked value in the unit it is shown in: kNm, or per mille.
    double uncheckedShown() const { return seat ? uncheckedHogging * 1000.0 : uncheckedHogging * 1e-6; }
    // Whether a sagging moment of it is judged (beside hogging words or not).
    bool checked() const { return applies && saggingChecked; }
};
BeamMomentCheck BeamBendingCheck(const model::ProjectModel& m);
BeamMomentCheck BeamStrainCheck(const model::ProjectModel& m);
// The slab field whose underside tension (SlabTensileStressBySide, each in
// its own slab concrete) is the most over its own tensile strength: the
// side the summary's sig.ct and its parts are of. A side without slabs
// never governs while the other carries them; on equal ratios the left.
int SlabTensionGoverningSide(const model::ProjectModel& m);
// The bending resistance of the beam alone, without slabs and joints (the
// first section solve), as the steel beams take it with their factor; Nmm.
runtime::Value BeamAloneMomentResistance(const model::ProjectModel& m);
// The fault that a negative utilisation of a checked result reveals, as the
// message that stops the calculation, in both languages; nothing
// when there is none. An acting value (a design moment, a principal
// stress, a strain) is never negative, so a negative ratio means a
// resistance below 0: a slab's ultimate moment (its compression block
// deeper than the slab: more strands than it can hold, or faulty slab or
// strand data), the beam's moment resistance (a section the solver cannot
// resolve), or a negative strain limit. The cracking ratio is the
// exception: a cracking moment below 0 is a real state (the prestress
// alone cracks the slab underside) and is reported as exceeded.
std::optional<runtime::Message> NegativeUtilisationFault(const model::ProjectModel& m);

class SlabsOnBeamAnalysis {
public:
    SlabsOnBeamAnalysis(model::ProjectModel& m, runtime::Messages& messages) : m_(m), messages_(messages) {}

    // --- The run's frame ---------------------------------------------------
    // The writer called once at the end of a complete run.
    void setSupportLineTableWriter(SupportLineTableWriter writer) { writeTable_ = std::move(writer); }
    // The run's nine tables of the along-the-beam results file.
    SupportLineTables supportLineTables() const;

    // The whole run, phases in order with at most one restart of the beam
    // block for core filling.
    void run(int16_t& status);
    // The passes of the beam block and the slab checks after the set-up.
    void runPasses(int16_t& status);

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
    // The tension at each slab field's underside from the beam's bending.
    void findSlabTension();

    AnalysisRun& state() { return run_; }
    const AnalysisRun& state() const { return run_; }

private:
    model::ProjectModel& m_;
    runtime::Messages& messages_;
    AnalysisRun run_;
    // --- The run's frame ---------------------------------------------------
    SupportLineTableWriter writeTable_;
};

}  // namespace quorvel::analysis
