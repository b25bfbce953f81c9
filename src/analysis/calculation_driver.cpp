// One calculation: the work-file round trip, the load factors, the support
// moments in Nmm for the analysis, the analysis, and the model put back.

#include "analysis/calculation_driver.h"

#include <array>
#include <cmath>
#include <exception>
#include <memory>
#include <string>

#include "analysis/analysis_setup.h"
#include "analysis/section_solver.h"
#include "inputfile/beam_section_fields.h"
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

// Every input field of one slab field: its slab, strands and concrete, its
// end on the beam, the loads standing on it and the holes in its slab
// ends. The beam spacings, which say whether the field carries slabs at
// all, are not among them.
void copySlabField(model::ProjectInputFields& to, int toSide, const model::ProjectInputFields& from, int fromSide) {
    to.SlabTypeName(toSide) = from.SlabTypeName(fromSide);
    to.BottomStrandCode(toSide) = from.BottomStrandCode(fromSide);
    to.TopStrandCode(toSide) = from.TopStrandCode(fromSide);
    for (model::SideArray model::ProjectInputFields::*field :
         {&model::ProjectInputFields::StrandInitialStress, &model::ProjectInputFields::StrandPrestressLoss,
          &model::ProjectInputFields::SlabConcreteClass, &model::ProjectInputFields::SlabSupportLength,
          &model::ProjectInputFields::SlabBottomGap, &model::ProjectInputFields::JointGroutWidth,
          &model::ProjectInputFields::CoreFillingLength, &model::ProjectInputFields::ToppingLoad,
          &model::ProjectInputFields::SlabImposedLoadPermanent, &model::ProjectInputFields::SlabImposedLoadVariable,
          &model::ProjectInputFields::SlabLineLoadCount, &model::ProjectInputFields::SlabPointLoadCount,
          &model::ProjectInputFields::SlabSelfWeightFactor})
        (to.*field)(toSide) = (from.*field)(fromSide);
    to.ConcreteQualityClass(toSide + 3) = from.ConcreteQualityClass(fromSide + 3);
    for (int load = 0; load <= 5; ++load)
        for (model::LoadSideArray model::ProjectInputFields::*field :
             {&model::ProjectInputFields::SlabLineLoadG, &model::ProjectInputFields::SlabLineLoadQ,
              &model::ProjectInputFields::SlabLineLoadY, &model::ProjectInputFields::SlabPointLoadG,
              &model::ProjectInputFields::SlabPointLoadQ, &model::ProjectInputFields::SlabPointLoadX,
              &model::ProjectInputFields::SlabPointLoadY})
            (to.*field)(load, toSide) = (from.*field)(load, fromSide);
    to.HoleCount(toSide) = from.HoleCount(fromSide);
    for (int hole = 1; hole <= 2; ++hole)
        for (model::SideHoleArray model::ProjectInputFields::*field :
             {&model::ProjectInputFields::HoleX, &model::ProjectInputFields::HoleWidthB,
              &model::ProjectInputFields::HoleY, &model::ProjectInputFields::HoleLengthA})
            (to.*field)(toSide, hole) = (from.*field)(fromSide, hole);
}

// A side that carries no slabs beside one that does (the left side of an
// edge beam) takes nothing of what its hidden inputs still hold, whatever a
// project file or a box left there: for the run it is described as the side
// with slabs (so its slab data, levels and slab-end rules match that side's
// and add nothing of their own), with no joint, loads, holes or topping.
// The entered values come back after the run.
void setAsideSidesWithoutSlabs(model::ProjectModel& m) {
    for (int side = 1; side <= 2; ++side) {
        if (!SideSetAside(m, side)) continue;
        copySlabField(m, side, m, 3 - side);
        for (Value* v : {&m.JointGroutWidth(side), &m.CoreFillingLength(side), &m.ToppingLoad(side),
                         &m.SlabImposedLoadPermanent(side), &m.SlabImposedLoadVariable(side),
                         &m.SlabLineLoadCount(side), &m.SlabPointLoadCount(side)})
            *v = 0.0;
        m.HoleCount(side) = 0;
    }
}

// Gives back, after a completed run, the input fields the run changed: the
// whole slab field of a side without slabs, and those
// the work file's read corrects for the calculation (gaps, grout widths and
// support lengths, slab loads, bar prestresses, the topping, the safety factor, the joint and
// infill grades, the type name's spelling), the section record's
// parameters a beam model may have replaced by the geometry it used (the
// ledge widths of an edge MEK), the support moments scaled to Nmm and the
// spacings reduced to the clear slab spans. Each is put back as entered,
// not worked back (a moment of 0.1 kNm does not come back as
// 0.09999999999999999). The fields the run derives from the input (an
// overall height, a web height) stay for the report.
void giveBackEnteredInput(model::ProjectModel& m, const model::ProjectInputFields& entered) {
    for (int s = 1; s <= 2; ++s) {
        if (SideSetAside(entered, s)) copySlabField(m, s, entered, s);
        m.SlabBottomGap(s) = entered.SlabBottomGap(s);
        m.SlabSupportLength(s) = entered.SlabSupportLength(s);
        m.JointGroutWidth(s) = entered.JointGroutWidth(s);
        m.ToppingLoad(s) = entered.ToppingLoad(s);
        m.SlabImposedLoadPermanent(s) = entered.SlabImposedLoadPermanent(s);
        m.SlabImposedLoadVariable(s) = entered.SlabImposedLoadVariable(s);
    }
    for (int r = 1; r <= 10; ++r) {
        m.BarPrestress(r) = entered.BarPrestress(r);
        m.TopBarPrestress(r) = entered.TopBarPrestress(r);
        m.SteelBeamBarPrestress(r) = entered.SteelBeamBarPrestress(r);
    }
    m.ToppingThickness = entered.ToppingThickness;
    m.ToppingReinforcementArea = entered.ToppingReinforcementArea;
    m.ToppingReinforcementStrength = entered.ToppingReinforcementStrength;
    m.AdditionalSafetyFactor = entered.AdditionalSafetyFactor;
    m.JointConcreteClass = entered.JointConcreteClass;
    m.InfillConcreteClass = entered.InfillConcreteClass;
    m.ConcreteQualityClass(2) = entered.ConcreteQualityClass(2);
    m.ConcreteQualityClass(3) = entered.ConcreteQualityClass(3);
    m.BeamTypeName = entered.BeamTypeName;
    auto enteredModel = std::make_unique<model::ProjectModel>();
    static_cast<model::ProjectInputFields&>(*enteredModel) = entered;
    const std::optional<model::BeamFamily> family = m.Family();
    const auto now = inputfile::sectionParameterFields(m, family);
    const auto before = inputfile::sectionParameterFields(*enteredModel, family);
    for (std::size_t i = 0; i < now.size() && i < before.size(); ++i) *now[i] = *before[i];
    const auto moments = supportMoments(m);
    const auto enteredMoments = supportMoments(*enteredModel);
    for (std::size_t i = 0; i < moments.size(); ++i) *moments[i] = *enteredMoments[i];
    m.BeamSpacing = entered.BeamSpacing;
}

int16_t runCalculation(model::ProjectModel& m, runtime::Messages& messages,
                       const SupportLineTableWriter& writeSupportLineTable) {
    m.VersionText = model::ProgramVersionText();

    // Work-file round trip; a failed write or read-back stops the
    // calculation instead of analysing a half-written or half-read model.
    // A read that completed with flagged lines (-1, its messages added)
    // leaves a complete model and the calculation goes on.
    // The file is the program's own: it is overwritten in place, and read
    // back from the bytes just written to it.
    const std::string workFile = m.WorkFolder() + CalculationWorkFileName;
    std::string written;
    m.CalculationStatus(1) = inputfile::WriteWorkDataFile(m, workFile, written);
    if (m.CalculationStatus(1) != 0) return m.CalculationStatus(1);
    m.CalculationStatus(1) = inputfile::ReadInputDataBytes(m, messages, written, m.FirstInputErrorLine);
    if (m.CalculationStatus(1) > 0) return m.CalculationStatus(1);
    setAsideSidesWithoutSlabs(m);

    m.PermanentLoadFactorKfi = m.PartialFactorPermanent * m.ConsequenceClassFactorKfi;
    m.VariableLoadFactorKfi = m.PartialFactorVariable * m.ConsequenceClassFactorKfi;
    for (int side = 1; side <= 2; ++side)
        m.SlabSelfWeightFactorKfi(side) = m.SlabSelfWeightFactor(side) * m.ConsequenceClassFactorKfi;
    // Expression (6.10a) of EN 1990 by the Finnish National Annex: 1.35 K_FI
    // on every permanent load and no variable load.
    m.PermanentOnlyLoadFactorKfi = 1.35 * m.ConsequenceClassFactorKfi;

    ScaleSupportMoments(m, 1);
    AnalyseSlabsOnBeam(m, messages, m.CalculationStatus(0), writeSupportLineTable);
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

int16_t PerformCalculation(model::ProjectModel& m, runtime::Messages& messages,
                           const SupportLineTableWriter& writeSupportLineTable) {
    runtime::clearFloatingPointFlags();
    // The model keeps the input as entered: a completed run gives back what
    // it changed, a failed one the whole input as it was before the round
    // trip, so nothing half-read or half-changed stays behind.
    const model::ProjectInputFields inputBefore = m;
    const Value connectionFactorBefore = m.BetaY;  // carried by the project file
    int16_t status = 0;
    std::string failedFile;
    try {
        status = runCalculation(m, messages, writeSupportLineTable);
    } catch (const SectionNotBalanced& e) {
        // The user is told why, beside the error number.
        const std::string apart = std::to_string(static_cast<int>(std::lround(100 * std::fmin(e.imbalance(), 99.99))));
        const bool tension = e.tensionExceeds();
        messages.push_back(runtime::NotCalculated(
            "palkin poikkileikkauksen puristus- ja vetoresultantti eivät ole tasapainossa millään "
            "poikkileikkauksen sisällä olevalla neutraaliakselin syvyydellä (ero " + apart + " %): " +
                (tension ? "jänne- tai raudoiteterästen veto on suurempi kuin betoni ottaa puristuksena. Ohjelma ei "
                           "laske poikkileikkausta, joka murtuessaan on koko korkeudeltaan puristettu; vähennä "
                           "teräksiä tai niiden esijännitystä tai suurenna poikkileikkausta."
                         : "puristus on suurempi kuin veto pienimmälläkin puristuspinnalla. Tarkista teräsrivien "
                           "sijainti ja esijännitys."),
            "the compressive and tensile resultants of the beam section balance at no depth of the neutral axis "
            "within the section (" + apart + " % apart): " +
                (tension ? "the tension of the strands or bars exceeds what the concrete takes in compression. The "
                           "program does not calculate a section whose whole depth is compressed at failure; lessen "
                           "the steel or its prestress, or enlarge the section."
                         : "the compression exceeds the tension even with the least compressed zone. Check the "
                           "levels and the prestress of the steel rows.")));
        status = static_cast<int16_t>(e.number());
    } catch (const runtime::RunTimeError& e) {
        status = static_cast<int16_t>(e.number());
        failedFile = e.detail();
    } catch (const std::exception&) {
        // A fault outside the program's error numbers (a failed
        // allocation, a library exception) still ends only the
        // calculation.
        status = static_cast<int16_t>(runtime::ErrInvalidCall);
    }
    m.FailedFile = failedFile;
    if (status == 0) {
        giveBackEnteredInput(m, inputBefore);
    } else {
        static_cast<model::ProjectInputFields&>(m) = inputBefore;
        m.BetaY = connectionFactorBefore;
        m.VersionText = model::ProgramVersionText();
    }
    return status;
}

}  // namespace quorvel::analysis
