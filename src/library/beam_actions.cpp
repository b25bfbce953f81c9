#include "library/beam_actions.h"

#include <algorithm>
#include <cmath>

#include "library/beam_formulas.h"
#include "library/checked_math.h"
#include "library/utilities.h"
#include "runtime/errors.h"

namespace quorvel::library {

namespace {

using model::ProjectModel;
using runtime::RunTimeError;

// Effect at x of a load varying linearly from q1 at a to q2 at a + w.
double patchEffect(LoadEffect effect, double q1, double q2, double a, double w, double x,
                   double L, double EI) {
    // A load that runs past a support stands partly off the span: only the
    // stretch over the span loads this beam, with the intensity the linear
    // variation gives at the support.
    if (w > 0 && (a < 0 || a + w > L)) {
        const double from = std::max(a, 0.0);
        const double to = std::min(a + w, L);
        if (!(to > from)) return 0.0;
        const double slope = (q2 - q1) / w;
        const double qFrom = q1 + slope * (from - a);
        const double qTo = q1 + slope * (to - a);
        q1 = qFrom;
        q2 = qTo;
        a = from;
        w = to - from;
    }
    switch (effect) {
    case LoadEffect::Shear: return ComputeTrapezoidPatchShear(q1, q2, a, w, x, L);
    case LoadEffect::Moment: return ComputeTrapezoidPatchMoment(q1, q2, a, w, x, L);
    case LoadEffect::Deflection: return trapezoidPatchDeflection(q1, q2, a, w, x, L, EI);
    }
    return 0.0;
}

double pointEffect(LoadEffect effect, double P, double a, double x, double L, double EI) {
    // A point load beyond a support is not on the span.
    if (a < 0 || a > L) return 0.0;
    switch (effect) {
    case LoadEffect::Shear: return ComputePointLoadShear(P, a, x, L);
    case LoadEffect::Moment: return ComputePointLoadMoment(P, a, x, L);
    case LoadEffect::Deflection: return pointLoadDeflection(P, a, x, L, EI);
    }
    return 0.0;
}

// Segments of both sides; each count converts through the checked
// conversion, and a segment beyond the arrays raises error 9.
int segmentCount(const model::SideArray& counts) {
    return runtime::toInt16(counts(1)) + runtime::toInt16(counts(2));
}

// The loads of one station, by the stage they act in. e0 .. eQ are the end
// moments of the four stages; s the shores of family BE.
struct StationPartials {
    double g1 = 0;    // slab self weight
    double g1d = 0;   // slab self weight, design (factored already)
    double t = 0;     // topping
    double j = 0;     // joint concrete
    double gi = 0;    // imposed permanent slab load
    double qi = 0;    // imposed variable slab load
    double placedG = 0, placedQ = 0;  // beam loads and slab-field segments
    double s = 0;
    double e0 = 0, e1 = 0, eG = 0, eQ = 0;
};

// The loads of the moment and shear tables that stay the same along the
// span, read from the model once per table rather than at every station.
struct SpanLoads {
    struct Pair {
        double q1 = 0, q2 = 0;
        explicit Pair(const model::SideArray& q) : q1(q(1)), q2(q(2)) {}
    };
    struct Ends {
        double start = 0, end = 0;
    };
    Pair slab, slabDesign, topping, imposedG, imposedQ;
    double joint;
    PlacedLoads placedG, placedQ;
    Ends e0, e1, eG, eQ;

    explicit SpanLoads(const ProjectModel& m)
        : slab(m.SlabSelfWeightLineLoad), slabDesign(m.SlabSelfWeightLineLoadDesign), topping(m.ToppingLineLoad),
          imposedG(m.ImposedPermanentLineLoad), imposedQ(m.ImposedVariableLineLoad),
          joint(m.JointConcreteLineLoad), placedG(m, 1), placedQ(m, 2),
          e0{m.SupportMomentStartBeforeGrouting, m.SupportMomentEndBeforeGrouting},
          e1{m.SupportMomentStartBeforeTopping, m.SupportMomentEndBeforeTopping},
          eG{m.SupportMomentStartPermanent, m.SupportMomentEndPermanent},
          eQ{m.SupportMomentStartVariable, m.SupportMomentEndVariable} {}
};

StationPartials partialsAt(const ProjectModel& m, const SpanLoads& loads, LoadEffect effect, double x,
                           double L, int shores) {
    const auto spanLoad = [&](const SpanLoads::Pair& q) {
        return effect == LoadEffect::Shear ? ComputeTrapezoidShear(q.q1, q.q2, x, L)
                                           : ComputeTrapezoidMoment(q.q1, q.q2, x, L);
    };
    const auto ends = [&](const SpanLoads::Ends& e) { return endMomentsEffect(effect, e.start, e.end, x, L, 0.0); };
    StationPartials p;
    p.g1 = spanLoad(loads.slab);
    p.g1d = spanLoad(loads.slabDesign);
    p.t = spanLoad(loads.topping);
    p.gi = spanLoad(loads.imposedG);
    p.qi = spanLoad(loads.imposedQ);
    p.j = effect == LoadEffect::Shear ? ComputeUdlShear(loads.joint, x, L) : ComputeUdlMoment(loads.joint, x, L);
    p.placedG = loads.placedG.effect(effect, x, L, 0.0);
    p.placedQ = loads.placedQ.effect(effect, x, L, 0.0);
    for (int k = 1; k <= shores; ++k)
        p.s += pointEffect(effect, m.PrestressEquivalentLoads(k), k * L / (shores + 1), x, L, 0.0);
    p.e0 = ends(loads.e0);
    p.e1 = ends(loads.e1);
    p.eG = ends(loads.eG);
    p.eQ = ends(loads.eQ);
    return p;
}

// Rows 1..6 of one station. On shores (family BE) the shore reactions leave
// row 1 for row 2, where the shores are removed, and the end moments before
// grouting stand in row 2 too: their moment and their shear alike.
struct StageRows {
    double r[7] = {};
};

StageRows characteristicRows(const StationPartials& p, bool onShores) {
    StageRows rows;
    rows.r[1] = p.g1 + p.j + (onShores ? -p.s : p.e0);
    rows.r[2] = p.t + p.e1 + (onShores ? p.s + p.e0 : 0.0);
    rows.r[3] = p.gi + p.placedG + p.eG;
    rows.r[4] = p.qi + p.placedQ + p.eQ;
    rows.r[5] = rows.r[3] + rows.r[4];
    rows.r[6] = rows.r[1] + rows.r[2] + rows.r[5];
    return rows;
}

// Design rows: the slab self weight with its own design load, every other
// load of rows 1..3 times the permanent factor, row 4 times the variable one.
StageRows designRows(const StageRows& c, const StationPartials& p, double gammaG,
                     double gammaQ) {
    StageRows rows;
    rows.r[1] = p.g1d + gammaG * (c.r[1] - p.g1);
    rows.r[2] = gammaG * c.r[2];
    rows.r[3] = gammaG * c.r[3];
    rows.r[4] = gammaQ * c.r[4];
    rows.r[5] = rows.r[3] + rows.r[4];
    rows.r[6] = rows.r[1] + rows.r[2] + rows.r[5];
    return rows;
}

// The loads of the beam, read from the model once, and the rows they give
// at any point of the span.
class BeamRows {
public:
    explicit BeamRows(const ProjectModel& m)
        : m_(m), loads_(m), L_(m.BeamSpan), shores_(shoreCount(m)),
          onShores_(m.Family() == model::BeamFamily::BE), gammaG_(DesignRowFactor(m, 3, false)),
          gammaQ_(DesignRowFactor(m, 4, false)), permanentOnly_(DesignRowFactor(m, 3, true)) {}

    // Characteristic and design moments and shears at x, by expression
    // (6.10b).
    void at(double x, StageRows& mc, StageRows& md, StageRows& vc, StageRows& vd) const {
        const StationPartials pm = partialsAt(m_, loads_, LoadEffect::Moment, x, L_, shores_);
        const StationPartials pv = partialsAt(m_, loads_, LoadEffect::Shear, x, L_, shores_);
        mc = characteristicRows(pm, onShores_);
        md = designRows(mc, pm, gammaG_, gammaQ_);
        vc = characteristicRows(pv, onShores_);
        vd = designRows(vc, pv, gammaG_, gammaQ_);
    }

    // Row 6 at x with a uniform load (q, qd) added: the characteristic
    // moment, the design moment by expression (6.10b) and by (6.10a) (the
    // permanent loads alone times permanentOnly_), and the shears that are
    // their slopes.
    struct Total {
        double momentChar, momentDesign, momentPermanentOnly, shearChar, shearDesign, shearPermanentOnly;
    };
    Total totalAt(double x, double q, double qd) const {
        StageRows mc, md, vc, vd;
        at(x, mc, md, vc, vd);
        const double mq = ComputeUdlMoment(q, x, L_), vq = ComputeUdlShear(q, x, L_);
        return {mc.r[6] + mq,
                md.r[6] + ComputeUdlMoment(qd, x, L_),
                permanentOnly_ * (mc.r[6] - mc.r[4] + mq),
                vc.r[6] + vq,
                vd.r[6] + ComputeUdlShear(qd, x, L_),
                permanentOnly_ * (vc.r[6] - vc.r[4] + vq)};
    }

    // Where the shear jumps: the beam point loads and the shores.
    std::vector<double> pointLoadPositions() const {
        std::vector<double> positions = loads_.placedG.pointPositions();
        for (double a : loads_.placedQ.pointPositions()) positions.push_back(a);
        for (int k = 1; k <= shores_; ++k) positions.push_back(k * L_ / (shores_ + 1));
        return positions;
    }

private:
    const ProjectModel& m_;
    SpanLoads loads_;
    double L_;
    int shores_;
    bool onShores_;
    double gammaG_, gammaQ_, permanentOnly_;
};

}  // namespace

double endMomentsEffect(LoadEffect effect, double Mstart, double Mend, double x, double L,
                        double EI) {
    switch (effect) {
    case LoadEffect::Shear: return (Mend - Mstart) / L;
    case LoadEffect::Moment:
        // The end moment is applied as a moment at x = L with its sign
        // reversed; a station at x = L shows it whole.
        return ComputeEndMomentMoment(Mstart, 0, x, L) + ComputeEndMomentMoment(-Mend, L, x, L);
    case LoadEffect::Deflection:
        return ComputeEndMomentDeflection(Mstart, 0, x, L, EI) +
               ComputeEndMomentDeflection(-Mend, L, x, L, EI);
    }
    return 0.0;
}

PlacedLoads::PlacedLoads(const ProjectModel& m, int kind) {
    const bool permanent = kind == 1;
    beamLine_ = permanent ? Patch{m.BeamLineLoadG1, m.BeamLineLoadG2, m.BeamLineLoadGX, m.BeamLineLoadGLength}
                          : Patch{m.BeamLineLoadQ1, m.BeamLineLoadQ2, m.BeamLineLoadQX, m.BeamLineLoadQLength};
    for (int p = 1; p <= m.BeamPointLoadCount; ++p)
        points_.push_back({1000.0 * m.BeamPointLoad(kind, p), m.BeamPointLoadX(p)});
    const int lines = segmentCount(m.SlabLineLoadCount);
    for (int j = 1; j <= lines; ++j) {
        const double q = m.LineLoadSegmentIntensity(j, kind);
        segments_.push_back({q, q, m.LineLoadSegmentStart(j), m.LineLoadSegmentLength(j)});
    }
    const int points = segmentCount(m.SlabPointLoadCount);
    for (int j = 1; j <= points; ++j) {
        const double q = m.PointLoadSegmentIntensity(j, kind);
        segments_.push_back({q, q, m.PointLoadSegmentStart(j), m.PointLoadSegmentLength(j)});
    }
}

std::vector<double> PlacedLoads::pointPositions() const {
    std::vector<double> positions;
    for (const Point& p : points_) positions.push_back(p.a);
    return positions;
}

double PlacedLoads::effect(LoadEffect effect, double x, double L, double EI) const {
    double r = patchEffect(effect, beamLine_.q1, beamLine_.q2, beamLine_.a, beamLine_.w, x, L, EI);
    for (const Point& p : points_) r += pointEffect(effect, p.P, p.a, x, L, EI);
    for (const Patch& s : segments_) r += patchEffect(effect, s.q1, s.q2, s.a, s.w, x, L, EI);
    return r;
}

int shoreCount(const ProjectModel& m) {
    return m.Family() == model::BeamFamily::BE ? runtime::toInt16(m.SuperPrestressTerm) : 0;
}

void ComputeBeamMomentsAndShears(ProjectModel& m) {
    const double L = m.BeamSpan;
    requirePositive(L, "beam span");
    const int n = m.CalculationPointCount;
    if (n > model::MaxCalculationPoint)
        throw RunTimeError(runtime::ErrSubscriptOutOfRange, "calculation points");

    const bool onShores = m.Family() == model::BeamFamily::BE;
    const int shores = shoreCount(m);
    if (onShores) {
        // The shores carry the wet weight: the slabs as they lie along the
        // beam (from their start to their end value), joint concrete and
        // the beam concrete cast on the precast part.
        const double uniform = m.JointConcreteLineLoad + m.BeamSelfWeight - m.BeamPartialSelfWeight;
        ComputeTrapezoidShoreReactions(shores, L, m.SlabSelfWeightLineLoad(1) + uniform,
                                       m.SlabSelfWeightLineLoad(2) + uniform, m.PrestressEquivalentLoads);
    } else {
        for (int k = 1; k <= MaxShoreCount; ++k) m.PrestressEquivalentLoads(k) = 0.0;
    }

    const BeamRows rows(m);
    for (int i = 0; i <= n; ++i) {
        StageRows mc, md, vc, vd;
        rows.at(m.CalculationPointX(i), mc, md, vc, vd);
        for (int r = 1; r <= model::MaxLoadStage; ++r) {
            m.BeamMomentChar(i, r) = mc.r[r];
            m.BeamMomentDesign(i, r) = md.r[r];
            m.BeamShearChar(i, r) = vc.r[r];
            m.BeamShearDesign(i, r) = vd.r[r];
        }
    }
}

namespace {

// Station i's design rows 0..6 by expression (6.10a), each permanent row
// times a, the variable row 4 none, when their total governs; true when it
// does.
bool designStationPermanentOnly(const model::PointStageArray& characteristic, model::PointStageArray& design,
                                int i, double a, bool moment) {
    const double total = a * (characteristic(i, 6) - characteristic(i, 4));
    if (!PermanentOnlyExpressionGoverns(design(i, 6), total, moment)) return false;
    for (int r = 0; r <= 3; ++r) design(i, r) = a * characteristic(i, r);
    design(i, 4) = 0.0;
    design(i, 5) = design(i, 3);
    design(i, 6) = total;
    return true;
}

}  // namespace

bool PermanentOnlyExpressionGoverns(double b, double a, bool moment) {
    return moment ? (b < 0 ? a < b : a > b) : std::fabs(a) > std::fabs(b);
}

double DesignRowFactor(const ProjectModel& m, int row, bool permanentOnly) {
    if (row == 4) return permanentOnly ? 0.0 : m.VariableLoadFactorKfi.number();
    return permanentOnly ? m.PermanentOnlyLoadFactorKfi : m.PermanentLoadFactorKfi;
}

std::array<double, 4> SupportDesignMoments(const ProjectModel& m, const std::array<double, 4>& characteristic) {
    double b = 0.0, a = 0.0;
    for (int stage = 0; stage < 4; ++stage) {
        b += DesignRowFactor(m, stage + 1, false) * characteristic[stage];
        a += DesignRowFactor(m, stage + 1, true) * characteristic[stage];
    }
    const bool permanentOnly = PermanentOnlyExpressionGoverns(b, a, true);
    std::array<double, 4> design{};
    for (int stage = 0; stage < 4; ++stage)
        design[stage] = DesignRowFactor(m, stage + 1, permanentOnly) * characteristic[stage];
    return design;
}

void DesignBeamWithGoverningExpression(ProjectModel& m) {
    const double a = DesignRowFactor(m, 3, true);
    std::vector<bool> momentA, shearA;
    for (int i = 0; i <= m.CalculationPointCount; ++i) {
        momentA.push_back(designStationPermanentOnly(m.BeamMomentChar, m.BeamMomentDesign, i, a, true));
        shearA.push_back(designStationPermanentOnly(m.BeamShearChar, m.BeamShearDesign, i, a, false));
    }
    FindBeamMaxima(m);
    const auto at = [](const std::vector<bool>& flags, double station) {
        return static_cast<int16_t>(flags[static_cast<std::size_t>(station)] ? 1 : 0);
    };
    m.BeamMomentExpression = at(momentA, m.MaxDesignMomentStation);
    m.BeamShearExpression = at(shearA, m.MaxShearStage6Station);
}

void FindBeamMaxima(ProjectModel& m) {
    m.MaxCharMoment = m.BeamMomentChar(0, 6);
    m.MaxCharMomentStation = 0.0;
    m.MaxDesignMoment = 0.0;
    m.MaxDesignMomentStation = 0.0;
    m.LargestDesignMoment = m.BeamMomentDesign(0, 6);
    m.MaxShearStage01 = 0.0;
    m.MaxShearStage01Station = 0.0;
    m.MaxShearStage2 = 0.0;
    m.MaxShearStage2Station = 0.0;
    m.MaxShearStage5 = 0.0;
    m.MaxShearStage6 = 0.0;
    m.MaxShearStage6Station = 0.0;
    runtime::Value unusedStation;
    for (int i = 0; i <= m.CalculationPointCount; ++i) {
        KeepMaximum(m.MaxCharMoment, m.BeamMomentChar(i, 6), m.MaxCharMomentStation, i);
        KeepMaximum(m.MaxDesignMoment, m.BeamMomentDesign(i, 6), m.MaxDesignMomentStation, i);
        KeepMaximum(m.LargestDesignMoment, m.BeamMomentDesign(i, 6), unusedStation, i);
        KeepMaximum(m.MaxShearStage01, std::fabs(m.BeamShearDesign(i, 0) + m.BeamShearDesign(i, 1)),
                    m.MaxShearStage01Station, i);
        KeepMaximum(m.MaxShearStage2, std::fabs(m.BeamShearDesign(i, 2)), m.MaxShearStage2Station,
                    i);
        KeepMaximum(m.MaxShearStage5, std::fabs(m.BeamShearDesign(i, 5)), unusedStation, i);
        KeepMaximum(m.MaxShearStage6, std::fabs(m.BeamShearDesign(i, 6)), m.MaxShearStage6Station,
                    i);
    }
}

void FindBeamMomentPeaks(ProjectModel& m, double selfWeight, double selfWeightDesign) {
    const double L = m.BeamSpan;
    requirePositive(L, "beam span");
    const BeamRows rows(m);
    const auto total = [&](double x) { return rows.totalAt(x, selfWeight, selfWeightDesign); };
    runtime::Value unusedStation;
    const auto keep = [&](double x) {
        const BeamRows::Total t = total(x);
        KeepMaximum(m.MaxCharMoment, t.momentChar, unusedStation, 0);
        // The design moment by the expression that governs there, as at
        // the stations.
        const bool permanentOnly = PermanentOnlyExpressionGoverns(t.momentDesign, t.momentPermanentOnly, true);
        const double design = permanentOnly ? t.momentPermanentOnly : t.momentDesign;
        if (design > m.MaxDesignMoment) m.BeamMomentExpression = permanentOnly ? 1 : 0;
        KeepMaximum(m.MaxDesignMoment, design, unusedStation, 0);
        KeepMaximum(m.LargestDesignMoment, design, unusedStation, 0);
    };

    // The points between which the shear runs without a jump: the
    // supports, the stations and the point loads on the span.
    std::vector<double> points = {0.0, L};
    const int n = std::min<int>(m.CalculationPointCount, model::MaxCalculationPoint);
    for (int i = 0; i <= n; ++i) points.push_back(std::clamp<double>(m.CalculationPointX(i), 0.0, L));
    for (double a : rows.pointLoadPositions()) {
        if (!(a > 0.0 && a < L)) continue;
        points.push_back(a);
        keep(a);
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());

    // Between two neighbours the moment is smooth; where its slope turns
    // from rising to falling, halving the stretch finds the peak to far
    // below a micrometre.
    const double inset = 1e-9 * L;
    const auto peak = [&](double a, double b, const BeamRows::Total& ta, const BeamRows::Total& tb,
                          double BeamRows::Total::*shear) {
        if ((ta.*shear) <= 0.0 || (tb.*shear) >= 0.0) return;
        for (int pass = 0; pass < 60; ++pass) {
            const double x = 0.5 * (a + b);
            if ((total(x).*shear) > 0.0) a = x;
            else b = x;
        }
        keep(0.5 * (a + b));
    };
    for (std::size_t k = 1; k < points.size(); ++k) {
        const double a = points[k - 1] + inset, b = points[k] - inset;
        if (!(b > a)) continue;
        // The ends' rows once per stretch; only a stretch whose shear turns
        // is halved.
        const BeamRows::Total ta = total(a), tb = total(b);
        peak(a, b, ta, tb, &BeamRows::Total::shearChar);
        peak(a, b, ta, tb, &BeamRows::Total::shearDesign);
        peak(a, b, ta, tb, &BeamRows::Total::shearPermanentOnly);
    }
}

}  // namespace quorvel::library
