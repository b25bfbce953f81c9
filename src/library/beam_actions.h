#pragma once
// Actions of the supporting beam along its span: characteristic and design
// moments and design shears at every calculation point, one row per load
// stage, and their governing values. Also the pieces that the deflections of
// the beam share with them: the loads that stand on the beam itself and the
// slab-field load segments, and the shores of family BE.
//
// Rows of the tables (element point + 51 * row): 1 before joint grouting,
// 2 before the topping hardens, 3 permanent loads after hardening, 4
// variable loads, 5 = 3 + 4, 6 = 1 + 2 + 5.

#include <array>
#include <vector>

#include "model/project_model.h"

namespace quorvel::library {

// What a load gives at a station: the shear, the moment or the deflection.
enum class LoadEffect { Shear, Moment, Deflection };

// The loads of one kind (1 permanent, 2 variable) that the slab area loads
// do not cover: the beam line load, the beam point loads (kN, taken as
// N x 1000) and the slab-field line- and point-load segments of both sides,
// read from the model once for a whole table of stations.
class PlacedLoads {
public:
    PlacedLoads(const model::ProjectModel& m, int kind);
    // Shear, moment or deflection at x of these loads on a span L; EI is
    // read only for deflections.
    double effect(LoadEffect effect, double x, double L, double EI) const;
    // Positions of the point loads along the beam, as entered.
    std::vector<double> pointPositions() const;

private:
    struct Patch {
        double q1, q2, a, w;  // q1 at a rising linearly to q2 at a + w
    };
    struct Point {
        double P, a;
    };
    Patch beamLine_{};
    std::vector<Point> points_;
    std::vector<Patch> segments_;  // line-load segments, then point-load segments
};

// Shear, moment or deflection at x of a pair of beam end moments, Mstart at
// the start and Mend at the end, sagging positive: the moment is
// Mstart (1 - x/L) + Mend x/L, the shear (Mend - Mstart) / L.
double endMomentsEffect(LoadEffect effect, double Mstart, double Mend, double x, double L,
                        double EI);

// Number of intermediate shores: SuperPrestressTerm for family "BE", 0 for
// every other family.
int shoreCount(const model::ProjectModel& m);

// Fills BeamMomentChar, BeamMomentDesign and BeamShearDesign, rows 1..6, at
// points 0..CalculationPointCount, and PrestressEquivalentLoads(1..4) (the
// shore reactions of family "BE" under the wet weight, the slabs taken as
// they lie along the beam; 0 otherwise), by superposing the simply
// supported beam formulas of every load on the beam.
void ComputeBeamMomentsAndShears(model::ProjectModel& m);

// The governing values of the tables: the largest row-6 characteristic and
// design moments (signed) and the largest absolute design shears of rows
// 0 + 1, 2, 5 and 6, with their points (the lowest point on ties; all start
// at 0, point 0, but the characteristic moment, which starts at point 0's
// own: a beam whose characteristic moment hogs everywhere shows it as it
// is, negative, never as a sagging 0).
void FindBeamMaxima(model::ProjectModel& m);

// True where expression (6.10a)'s design value a governs (6.10b)'s b: a
// shear by its magnitude; a moment in the sense (6.10b) gives it, more
// sagging where b sags, more hogging where it hogs, so that a sagging
// moment is never replaced by a hogging one, which the beam's sagging
// check would not see.
bool PermanentOnlyExpressionGoverns(double b, double a, bool moment);

// The factor by which the design rows take the characteristic loads of row
// r (0 the beam's self weight, 1 before grouting, 2 before the topping, 3
// the other permanent loads, 4 the variable ones; the slab self weight of
// row 1 aside, which has a design load of its own): by expression (6.10b)
// PermanentLoadFactorKfi on rows 0..3 and VariableLoadFactorKfi on row 4,
// by (6.10a) PermanentOnlyLoadFactorKfi on rows 0..3 and none on row 4. A
// stage's end moments stand in its row (on shores, those before grouting
// in row 2, which has the same factor) and are designed with its factor.
double DesignRowFactor(const model::ProjectModel& m, int row, bool permanentOnly);

// The design values of one support's end moments of the four stages
// (before grouting, before the topping, permanent, variable), from their
// characteristic values, as the design rows hold them at the support's
// station, where only the end moments act: each times its row's factor by
// the expression that governs there (PermanentOnlyExpressionGoverns on
// their sums).
std::array<double, 4> SupportDesignMoments(const model::ProjectModel& m, const std::array<double, 4>& characteristic);

// Designs every station with the larger of the two expressions of EN 1990
// (Finnish National Annex): the design rows 0..6 as they stand, (6.10b),
// or every permanent characteristic row times PermanentOnlyLoadFactorKfi
// (1.35 K_FI) and no variable load, (6.10a), moments and shears each by
// their own row 6: a shear by its magnitude, a moment in the sense (6.10b)
// gives it (more sagging where it sags, more hogging where it hogs). Then
// finds the maxima (FindBeamMaxima) and keeps which expression governs at
// the largest design moment and shear.
void DesignBeamWithGoverningExpression(model::ProjectModel& m);

// Raises MaxCharMoment, MaxDesignMoment and LargestDesignMoment, found at
// the stations, to the peaks of row 6 between them: the moment under every point load on the
// span (beam point loads, shores) and, where the row's shear turns from
// positive to negative between two neighbouring stations, point loads or
// supports, the moment at the zero of the shear. The design moment there is
// that of the expression that governs it, as DesignBeamWithGoverningExpression
// takes it at the stations (both expressions' peaks are sought), and a peak
// that raises MaxDesignMoment sets BeamMomentExpression. The beam's self weight
// (selfWeight characteristic, selfWeightDesign design, N/mm) stands on the
// span as a uniform load. The tables, the stations and the maxima's
// stations stay as they are. Needs the shore reactions that
// ComputeBeamMomentsAndShears leaves in PrestressEquivalentLoads.
void FindBeamMomentPeaks(model::ProjectModel& m, double selfWeight, double selfWeightDesign);

}  // namespace quorvel::library
