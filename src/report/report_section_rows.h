#pragma once
// The three row printers of the beam's section tables in the report: one
// whole line each, the label followed by fixed-width number fields joined
// without a separator, so the columns stand under the captions of the
// heading file (labels of 13 characters).

#include <string>

#include "report/report_lines.h"
#include "runtime/value.h"

namespace quorvel::report {

// A part of the section: area (mm2, 10.0), centroid height (mm, 8.1),
// first moment and own second moment (10^6 mm3 and 10^6 mm4, 7.3 each) and
// the modulus of its material (MPa, 10.0).
void PrintPartPropertiesRow(ReportFile& file, const std::string& label, const runtime::Value& modulus,
                            const runtime::Value& area, const runtime::Value& centroidHeight,
                            const runtime::Value& firstMoment, const runtime::Value& ownInertia);

// The stiffness of a part: EA (MN, 7.2), the stiffness-weighted centroid
// height ES / EA (mm, 8.1), ES (MNm, 8.2), EAy^2 about the section's axis
// and the part's own EI (MNm2, 8.2 and 7.2).
void PrintPartStiffnessRow(ReportFile& file, const std::string& label, const runtime::Value& axialStiffness,
                           const runtime::Value& stiffnessMoment, const runtime::Value& parallelAxisStiffness,
                           const runtime::Value& ownStiffness);

// The same for a construction stage of the whole section, with its bending
// stiffness EI (MNm2, 6.2) as a sixth field.
void PrintSectionStiffnessRow(ReportFile& file, const std::string& label, const runtime::Value& axialStiffness,
                              const runtime::Value& stiffnessMoment, const runtime::Value& parallelAxisSum,
                              const runtime::Value& ownInertiaSum, const runtime::Value& bendingStiffness);

}  // namespace quorvel::report
