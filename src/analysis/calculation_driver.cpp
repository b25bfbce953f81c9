// One calculation: the work-file round trip, the load factors, the support
// moments in Nmm for the analysis, the analysis, and the model put back.

#include "analysis/calculation_driver.h"

#include <array>
#include <exception>
#include <string>

#include "inputfile/input_file_reader.h"
#include "inputfile/input_file_writer.h"
#include "model/version.h"
#include "runtime/errors.h"

namespace quorvel::analysis {

using runtime::Value;

namespace {

// The eight support moments: start and end of the four load stages.
std::array<Value*, 8> supportMoments(model::ProjectModel& m) {
    return {&m.SupportMomentStartBeforeGrouting, &m.SupportMomentEndBeforeGrouting,
            &m.SupportMomentStartBeforeTopping,  &m.SupportMomentEndBeforeTopping,
            &m.SupportMomentStartPermanent,      &m.SupportMomentEndPermanent,
            &m.SupportMomentStartVariable,       &m.SupportMomentEndVariable};
}

// Puts back, on every way out of a calculation, what the driver and the
// analysis change for the run: the support moments (scaled to Nmm) and the
// beam spacings (reduced to the clear slab spans). The values are restored
// as they were taken, not scaled back, so that a moment such as 0.1 kNm does
// not come back as 0.09999999999999999 after the round of 1e6 and 1e-6.
class RunScopeGuard {
public:
    explicit RunScopeGuard(model::ProjectModel& m) : m_(m) {}
    ~RunScopeGuard() { restore(); }
    RunScopeGuard(const RunScopeGuard&) = delete;
    RunScopeGuard& operator=(const RunScopeGuard&) = delete;

    // Takes the values the run may change, as the analysis will see them.
    void take() {
        const auto moments = supportMoments(m_);
        for (std::size_t i = 0; i < moments.size(); ++i) moments_[i] = *moments[i];
        spacings_ = m_.BeamSpacing;
        taken_ = true;
    }

private:
    void restore() {
        if (!taken_) return;
        const auto moments = supportMoments(m_);
        for (std::size_t i = 0; i < moments.size(); ++i) *moments[i] = moments_[i];
        m_.BeamSpacing = spacings_;
    }

    model::ProjectModel& m_;
    std::array<Value, 8> moments_{};
    model::SideEndArray spacings_{};
    bool taken_ = false;
};

int16_t runCalculation(model::ProjectModel& m, platform::Platform& ui,
                       const SupportLineTableWriter& writeSupportLineTable, RunScopeGuard& guard) {
    m.VersionText = model::ProgramVersionText();

    // Work-file round trip; a failed write or read-back stops the
    // calculation instead of analysing a half-written or half-read model.
    // A read that completed with flagged lines (-1, already reported to
    // the user) leaves a complete model and the calculation goes on.
    // The file is the program's own: it is overwritten in place, and read
    // back from the bytes just written to it.
    const std::string workFile = m.WorkFolder() + CalculationWorkFileName;
    std::string written;
    m.CalculationStatus(1) = inputfile::WriteWorkDataFile(m, workFile, written);
    if (m.CalculationStatus(1) != 0) return m.CalculationStatus(1);
    m.CalculationStatus(1) = inputfile::ReadInputDataBytes(m, ui, written, m.FirstInputErrorLine);
    if (m.CalculationStatus(1) > 0) return m.CalculationStatus(1);

    m.PermanentLoadFactorKfi = m.PartialFactorPermanent * m.ConsequenceClassFactorKfi;
    m.VariableLoadFactorKfi = m.PartialFactorVariable * m.ConsequenceClassFactorKfi;
    for (int side = 1; side <= 2; ++side)
        m.SlabSelfWeightFactorKfi(side) = m.SlabSelfWeightFactor(side) * m.ConsequenceClassFactorKfi;

    guard.take();
    ScaleSupportMoments(m, 1);
    AnalyseSlabsOnBeam(m, ui, m.CalculationStatus(0), writeSupportLineTable);
    const int16_t result = m.CalculationStatus(0);

    for (int side = 1; side <= 2; ++side) {
        for (int end = 1; end <= 2; ++end)
            m.AnalysedBeamSpacing(side, end) = static_cast<float>(m.BeamSpacing(side, end).number());
        m.CoreFillingResult(side) = m.RequiredCoreFillingLength(side);
    }
    return result;
}

}  // namespace

void ScaleSupportMoments(model::ProjectModel& m, int mode) {
    const double factor = mode == 1 ? 1e6 : 1e-6;
    for (Value* moment : supportMoments(m)) *moment *= factor;
}

int16_t PerformCalculation(model::ProjectModel& m, platform::Platform& ui,
                           const SupportLineTableWriter& writeSupportLineTable) {
    runtime::clearFloatingPointFlags();
    // A failed calculation gives the input back as it was before the round
    // trip, so nothing half-read or half-changed stays behind.
    const model::ProjectInputFields inputBefore = m;
    const Value connectionFactorBefore = m.BetaY;  // carried by the project file
    int16_t status = 0;
    std::string failedFile;
    {
        RunScopeGuard guard(m);
        try {
            status = runCalculation(m, ui, writeSupportLineTable, guard);
        } catch (const runtime::RunTimeError& e) {
            status = static_cast<int16_t>(e.number());
            failedFile = e.detail();
        } catch (const std::exception&) {
            // A fault outside the program's error numbers (a failed
            // allocation, a library exception) still ends only the
            // calculation.
            status = static_cast<int16_t>(runtime::ErrInvalidCall);
        }
    }
    // The analysis ran on the reader's corrections of the work file; the
    // model keeps what was entered.
    if (status == 0) inputfile::RestoreCorrectedFields(m, inputBefore);
    m.FailedFile = failedFile;
    if (status != 0) {
        static_cast<model::ProjectInputFields&>(m) = inputBefore;
        m.BetaY = connectionFactorBefore;
        m.VersionText = model::ProgramVersionText();
    }
    return status;
}

}  // namespace quorvel::analysis
