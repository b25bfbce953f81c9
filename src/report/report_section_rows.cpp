#include "report/report_section_rows.h"

#include "library/checked_math.h"
#include "report/format_fixed.h"

namespace quorvel::report {

using runtime::Value;

namespace {

// Number fields of the stiffness rows, formatted before anything of the row
// is written so that a value that cannot be printed leaves no half row.
std::string stiffnessFields(const Value& axialStiffness, const Value& stiffnessMoment, const Value& parallelAxis,
                            const Value& own) {
    // The centroid height divides by EA + 1e-6 so that an empty part gives
    // 0 rather than a division by zero.
    const double centroid = library::checkedQuotient(stiffnessMoment, axialStiffness + 1e-6);
    return FormatFixed(Value(axialStiffness * 1e-6), 7, 2, 1) + FormatFixed(Value(centroid), 8, 1, 1) +
           FormatFixed(Value(stiffnessMoment * 1e-9), 8, 2, 1) + FormatFixed(Value(parallelAxis * 1e-12), 8, 2, 1) +
           FormatFixed(Value(own * 1e-12), 7, 2, 1);
}

}  // namespace

void PrintPartPropertiesRow(ReportFile& file, const std::string& label, const Value& modulus, const Value& area,
                            const Value& centroidHeight, const Value& firstMoment, const Value& ownInertia) {
    const std::string fields = FormatFixed(area, 10, 0, 0) + FormatFixed(centroidHeight, 8, 1, 1) +
                               FormatFixed(Value(firstMoment * 1e-6), 7, 3, 1) +
                               FormatFixed(Value(ownInertia * 1e-6), 7, 3, 1) + FormatFixed(modulus, 10, 0, 0);
    file.line(label + fields);
}

void PrintPartStiffnessRow(ReportFile& file, const std::string& label, const Value& axialStiffness,
                           const Value& stiffnessMoment, const Value& parallelAxisStiffness,
                           const Value& ownStiffness) {
    file.line(label + stiffnessFields(axialStiffness, stiffnessMoment, parallelAxisStiffness, ownStiffness));
}

void PrintSectionStiffnessRow(ReportFile& file, const std::string& label, const Value& axialStiffness,
                              const Value& stiffnessMoment, const Value& parallelAxisSum, const Value& ownInertiaSum,
                              const Value& bendingStiffness) {
    file.line(label + stiffnessFields(axialStiffness, stiffnessMoment, parallelAxisSum, ownInertiaSum) +
              FormatFixed(Value(bendingStiffness * 1e-12), 6, 2, 1));
}

}  // namespace quorvel::report
