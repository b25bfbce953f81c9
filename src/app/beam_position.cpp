#include "app/beam_position.h"

namespace quorvel::app {

double edgeJointGroutShift(const model::ProjectModel& m) {
    const std::optional<model::BeamFamily> family = m.Family();
    if (family == model::BeamFamily::SU) return 0.5 * m.BeamWidth;
    if (family == model::BeamFamily::TI) return 0.5 * m.TopFlangeWidth;
    return 0.0;
}

void SetMiddleBeam(model::ProjectModel& m) {
    m.IsMiddleBeam = 1;
    m.BeamSpacing[4] = m.BeamSpacing[5];
    m.BeamSpacing[7] = m.BeamSpacing[8];
    m.SlabImposedLoadPermanent(1) = m.SlabImposedLoadPermanent(2);
    m.SlabImposedLoadVariable(1) = m.SlabImposedLoadVariable(2);
    if (const double shift = edgeJointGroutShift(m); shift != 0.0) m.JointGroutWidth(2) -= shift;
    m.JointGroutWidth(1) = m.JointGroutWidth(2);
    const std::optional<model::BeamFamily> family = m.Family();
    if (family == model::BeamFamily::LB || family == model::BeamFamily::KE) {
        m.BottomFlangeWidth = m.BottomFlangeWidth + 100 - m.LeftLedgeWidth;
        m.LeftLedgeWidth = 100;
        m.SlabSupportLength(1) = m.SlabSupportLength(2);
    }
}

void SetEdgeBeam(model::ProjectModel& m) {
    m.IsMiddleBeam = 0;
    m.BeamSpacing[4] = 0;
    m.BeamSpacing[7] = 0;
    m.JointGroutWidth(1) = 0;
    m.SlabImposedLoadPermanent(1) = 0;
    m.SlabImposedLoadVariable(1) = 0;
    if (const double shift = edgeJointGroutShift(m); shift != 0.0) m.JointGroutWidth(2) += shift;
}

}  // namespace quorvel::app
