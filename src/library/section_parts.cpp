#include "library/section_parts.h"

#include "runtime/errors.h"

namespace quorvel::library {

namespace {

// Pi as the fillet formulas take it.
constexpr double FilletPi = 3.14159;

// Distance of one fillet's centroid from its straight edge.
double filletCentroid(double r) { return r * (10 - 3 * FilletPi) / (3 * (4 - FilletPi)); }

// One fillet's second moment about its own centroid.
double filletOwnInertia(double r) {
    return r * r * r * r * (176 - 84 * FilletPi + 9 * FilletPi * FilletPi) /
           (144 * (4 - FilletPi));
}

}  // namespace

void AddRectangleToSection(double b, double h, double y, double E, Value& A, Value& S, Value& I0,
                           Value& EA, Value& ES, Value& EI0, Value& EAy2) {
    const double a = b * h;
    A = a;
    S = a * y;
    I0 = a * h * h / 12;
    EA = E * a;
    ES = E * a * y;
    EI0 = E * (a * h * h / 12);
    EAy2 = E * a * y * y;
}

void AddTrapezoidToSection(double h, double b1, double b2, double yBase, double E, Value& A,
                           Value& y, Value& S, Value& I0, Value& EA, Value& ES, Value& EI0,
                           Value& EAy2) {
    const double widths = b1 + b2 + 1e-6;
    const double a = 0.5 * (b1 + b2) * h;
    const double yc = yBase + h * (b1 + 2 * b2) / (3 * widths);
    const double i0 = h * h * h * (b1 * b1 + 4 * b1 * b2 + b2 * b2) / (36 * widths);
    A = a;
    y = yc;
    S = a * yc;
    I0 = i0;
    EA = E * a;
    ES = E * a * yc;
    EI0 = E * i0;
    EAy2 = E * a * yc * yc;
}

void ComputeFilletProperties(model::ProjectModel& m, double r, double, double, double,
                             double yEdge, Value& A, Value& y, Value& S, Value& I) {
    const double c = filletCentroid(r);
    const double i1 = filletOwnInertia(r);
    const double a = r * r * (1 - FilletPi / 4);
    const double d = 0.5 * m.WebHeight - c;
    m.TransformedInertia = i1;
    A = a;
    y = yEdge + c;
    S = a * (yEdge + c);
    I = i1 + a * d * d;
}

void ComputeFilletPropertiesSubtract(model::ProjectModel& m, double r, double hTotal,
                                     double tBottom, double tTop, double, Value& A, Value& y,
                                     Value& S, Value& I) {
    m.WebHeight = hTotal - tBottom - tTop;
    const double c = filletCentroid(r);
    const double i1 = filletOwnInertia(r);
    const double a = r * r * (4 - FilletPi);
    const double yc = tBottom + 0.5 * m.WebHeight;
    const double d = 0.5 * m.WebHeight - c;
    m.TransformedInertia = i1;
    A = a;
    y = yc;
    S = a * yc;
    I = 4 * i1 + a * d * d;
}

void BuildTrapezoidSection(model::ProjectModel& m, double count,
                           const model::PartListArray& b1, const model::PartListArray& b2,
                           const model::PartListArray& h, const model::PartListArray& yBase,
                           double E, Value& A, Value& S, Value& yc, Value& I, Value& EA,
                           Value& ES, Value& EI, Value& EAyc2) {
    double area = 0, first = 0, ay2 = 0;
    m.TransformedInertia = 0.0;  // sum of the plates' own second moments
    const int n = runtime::toInt16(count);
    for (int i = 1; i <= n; ++i) {
        Value y, ea, es, ei0, eay2;
        AddTrapezoidToSection(h(i), b1(i), b2(i), yBase(i), 1, m.TrapezoidArea, y,
                              m.TrapezoidFirstMoment, m.TrapezoidOwnInertia, ea, es, ei0, eay2);
        area += m.TrapezoidArea;
        first += m.TrapezoidFirstMoment;
        m.TransformedInertia += m.TrapezoidOwnInertia;
        ay2 += m.TrapezoidArea * y * y;
    }
    const double c = first / area;
    const double inertia = ay2 + m.TransformedInertia - first * first / area;
    A = area;
    S = first;
    yc = c;
    I = inertia;
    EA = area * E;
    ES = first * E;
    EI = inertia * E;
    EAyc2 = area * E * c * c;
}

void SumReinforcementRows(model::ProjectModel& m, double count, double E,
                          const model::RowIntArray& bars, const model::RowArray& barArea,
                          const model::RowArray& distance, const model::RowArray& prestress,
                          Value& A, Value& yc, Value& S, Value& Sy, Value& EA, Value& ES,
                          Value& ESy, Value& P, Value& Py) {
    double area = 0, first = 0, second = 0, force = 0, forceMoment = 0;
    const int n = runtime::toInt16(count);
    for (int r = 1; r <= n; ++r) {
        m.RowSteelAreaTemp = barArea(r) * bars(r);
        const double a = m.RowSteelAreaTemp;
        area += a;
        first += distance(r) * a;
        second += distance(r) * distance(r) * a;
        const double rowForce = prestress(r) * a;
        force += rowForce;
        forceMoment += distance(r) * rowForce;
    }
    A = area;
    S = first;
    Sy = second;
    yc = first / area;
    EA = area * E;
    ES = first * E;
    ESy = second * E;
    P = force < 0.001 ? 0.001 : force;
    Py = forceMoment;
}

void SumSectionParts(double first, double last, const model::PartSlotArray& EA,
                     const model::PartSlotArray& ES, const model::PartSlotArray& EI0,
                     const model::PartSlotArray& EAy2, Value& sumEA, Value& sumES, Value& yc,
                     Value& EI, Value& sumEI0, Value& sumEAy2) {
    double ea = 0, es = 0, ei0 = 0, eay2 = 0;
    const int lo = runtime::toInt16(first), hi = runtime::toInt16(last);
    for (int i = lo; i <= hi; ++i) {
        ea += EA(i);
        es += ES(i);
        ei0 += EI0(i);
        eay2 += EAy2(i);
    }
    sumEA = ea;
    sumES = es;
    sumEI0 = ei0;
    sumEAy2 = eay2;
    yc = es / ea;
    EI = ei0 + eay2 - es * es / ea;
}

void SumSectionTotals(Value& sumEA, Value& sumES, Value& yc, Value& EI, Value& sumEI0,
                      Value& sumEAy2, double EA, double ES, double EI0, double EAy2) {
    sumEA += EA;
    sumES += ES;
    yc = sumES / sumEA;
    sumEAy2 += EAy2;
    sumEI0 += EI0;
    EI = sumEI0 + sumEAy2 - sumES * sumES / sumEA;
}

double ComputeCubicRatioTerm(double a, double b, double K1, double K2) {
    const double q = a / b;
    const double r = q * q * q;
    return r * K1 + (1 - r) * K2;
}

}  // namespace quorvel::library
