#pragma once
// Steps of the beam block that the analysis runs on every pass, as free
// functions on the model and the run's working tables, so that each can be
// checked on a model set up by hand:
//   - the slab area loads and the joint concrete as beam line loads;
//   - the calculation stations, first evenly along the span and then drawn
//     into the zone between the zero points of the composite-stage moment,
//     where the slab webs are checked;
//   - the beam maxima taken over the whole span, supports included;
//   - the shear design of the beam;
//   - the shear flows at the slab edges.
//
// Units: lengths mm, line loads N/mm (= kN/m), moments Nmm, shears N.

#include <functional>

#include "analysis/analysis_run.h"
#include "model/project_model.h"

namespace quorvel::analysis {

// Joint concrete line load (with the core filling in effect in the run)
// and the eight slab line loads at the two beam ends, characteristic and
// design. Sets SlabWidthDataParam to 0 and LedgeHeightBySide from the
// ledge heights first.
void formBeamLineLoads(model::ProjectModel& m, const AnalysisRun& run);

// Stations i * BeamSpan / n for i = 0..n (n = CalculationPointCount; n of
// 0 is error 11). Clears PointCoreFillingFlag of both sides when run is
// given.
void setUniformStations(model::ProjectModel& m, AnalysisRun* run = nullptr);

// Zero points of row 5 of the design moments (kept in CompositeMomentLine),
// the slab web nearest inside the zone between them (GoverningJointX), and
// the stations of every slab check from the uniform ones: each uniform
// station before the first web of the beam moves onto it, each beyond its
// last web onto that one, whatever the moment.
void placeStations(model::ProjectModel& m, AnalysisRun& run);

// Fills the moment and shear tables at the current stations with every load
// on the beam, its self weight included, and takes the beam maxima from them.
using BeamActionsAndMaxima = std::function<void(model::ProjectModel&)>;

// The beam maxima (MaxDesignMoment, MaxShearStage6 and the others) over the
// whole span: the tables are evaluated once more at the uniform stations,
// which reach both supports, and the maxima taken there; then the stations
// and the tables of the slab checks are put back as they were.
// The largest hogging moment of the total row (MaxHoggingDesignMoment and
// its position) is taken there too, and, given a run, the design moments
// themselves are kept in it (SpanMomentDesign).
void findBeamMaximaOverSpan(model::ProjectModel& m, const BeamActionsAndMaxima& actions,
                            AnalysisRun* run = nullptr);

// The shear design itself, for a beam its caller has found to need one:
// the partial factors of the stirrups and the concrete, the stirrups'
// design strength, the required reinforcement, the upper limit of the shear
// resistance and the steel web's shear stress from MaxShearStage6. A design
// shear over that limit sets BetaY to 1 and ShearCheckJointWidth to 0, so
// that no later pass of the analysis designs the shear again.
void designBeamShearReinforcement(model::ProjectModel& m, AnalysisRun& run);

// Shear reinforcement of a concrete beam and web shear of a welded steel
// beam carrying the slabs on its top without dowels, from MaxShearStage6;
// when that exceeds the upper limit of the shear resistance, BetaY becomes
// 1 and no later pass of the analysis designs the shear again. Otherwise
// ShearReinforcementDesign and SteelWebShearStress are 0.
void designBeamShear(model::ProjectModel& m, AnalysisRun& run);

// Shear flows of the beam (rows 2 and 5 of the design shears times the
// shear-flow factors of stages 5 and 6) and at the slab edges of both sides
// at every station, N/mm.
void computeSlabEdgeShearFlows(model::ProjectModel& m, AnalysisRun& run);

}  // namespace quorvel::analysis
