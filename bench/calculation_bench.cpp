// Timing of one calculation: the analysis alone, and the whole Calculate
// command of the main window (contradiction checks, work-file round trip,
// analysis, along-the-beam results file, gauges), for three projects:
//   SuoraDefault        the new project (SUORA middle beam)
//   DeltaEdgeHolesLoads a DELTA edge beam with slab holes and loads on the
//                       slab field and on the beam
//   LblCoreFilling      an LBL middle beam with strands whose slab fields
//                       call for core filling (two passes of the beam block)
// Each benchmark first checks that its project calculates; a project that
// fails is reported as a benchmark error, not timed.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "analysis/calculation_driver.h"
#include "analysis/slabs_on_beam.h"
#include "app/beam_types.h"
#include "app/frm_quorvel.h"
#include "app/slab_catalogue.h"
#include "model/project_defaults.h"
#include "platform/headless/headless_platform.h"
#include "runtime/errors.h"

namespace {

using namespace quorvel;
namespace fs = std::filesystem;

// A folder of the delivered data files (linked to them, so that they stand
// unchanged as an installation's do): every calculation writes its work
// file and its results file there.
class DataFolderCopy {
public:
    DataFolderCopy() {
        std::string pattern = (fs::temp_directory_path() / "quorvel-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
        path_ = pattern;
        for (const auto& entry : fs::directory_iterator(fs::path(QUORVEL_SOURCE_DIR) / "data"))
            if (entry.is_regular_file()) fs::create_symlink(fs::absolute(entry.path()), path_ / entry.path().filename());
    }
    ~DataFolderCopy() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string dataPath() const { return path_.string() + "/"; }
    std::string path() const { return path_.string(); }

private:
    fs::path path_;
};

// Chooses the beam type as its option in the window does.
void selectType(app::frmQuorvel& w, const char* typeName) {
    const app::BeamTypeInfo* type = app::findBeamType(typeName);
    if (!type) throw std::runtime_error(std::string("no beam type ") + typeName);
    static_cast<platform::OptionButton*>(w.findControl(std::string(type->option)))->setValue(true);
}

void suoraDefault(app::frmQuorvel&, model::ProjectModel&) {}

void deltaEdgeHolesLoads(app::frmQuorvel& w, model::ProjectModel& m) {
    selectType(w, "DELTA");
    w.optReunapalkki.setValue(true);
    m.BeamSpan = 7200;
    // Two holes in the slab end of the right field.
    m.HoleCount(2) = 2;
    m.HoleX(2, 1) = 1500, m.HoleWidthB(2, 1) = 400, m.HoleY(2, 1) = 0, m.HoleLengthA(2, 1) = 800;
    m.HoleX(2, 2) = 4800, m.HoleWidthB(2, 2) = 300, m.HoleY(2, 2) = 200, m.HoleLengthA(2, 2) = 500;
    // A line load and a point load on the slab field, and loads on the beam.
    m.SlabLineLoadCount(2) = 1;
    m.SlabLineLoadG(1, 2) = 4, m.SlabLineLoadQ(1, 2) = 2, m.SlabLineLoadY(1, 2) = 3600;
    m.SlabPointLoadCount(2) = 1;
    m.SlabPointLoadG(1, 2) = 15, m.SlabPointLoadQ(1, 2) = 10, m.SlabPointLoadX(1, 2) = 1200,
    m.SlabPointLoadY(1, 2) = 2400;
    m.BeamLineLoadG1 = 3, m.BeamLineLoadG2 = 3, m.BeamLineLoadGX = 0, m.BeamLineLoadGLength = 7200;
    m.BeamPointLoadCount = 1;
    m.BeamPointLoad(1, 1) = 20, m.BeamPointLoad(2, 1) = 10, m.BeamPointLoadX(1) = 3000;
}

void lblCoreFilling(app::frmQuorvel& w, model::ProjectModel& m) {
    selectType(w, "LBL");
    m.BeamSpan = 7200;
    for (int side = 1; side <= 2; ++side) {
        m.SlabImposedLoadVariable(side) = 10;
        m.CoreFillingLength(side) = 600;
    }
    m.BeamSpacing[4] = m.BeamSpacing[5] = m.BeamSpacing[7] = m.BeamSpacing[8] = 12000;
}

using Describe = void (*)(app::frmQuorvel&, model::ProjectModel&);

// One project on the headless main window, its Calculate command ready.
struct Workspace {
    DataFolderCopy folder;
    platform::HeadlessPlatform ui;
    model::ProjectModel m;
    std::unique_ptr<app::frmQuorvel> window;

    explicit Workspace(Describe describe) {
        m.DataPath = folder.dataPath();
        // The language files lie in the program's folder, as in an installation.
        ui.setProgramFolder(folder.path());
        m.SlabFileName = "ONTELO.MIT";
        m.StrandFileName = "PUNOS.VAT";
        app::LoadSlabCatalogue(m);
        model::ResetProjectDefaults(m);
        m.IsMiddleBeam = 1;
        window = std::make_unique<app::frmQuorvel>(m, ui);
        window->onLoad = nullptr;
        window->show();
        window->RefreshMainForm();
        describe(*window, m);
        // The first calculation must complete without a question.
        ui.setStrict(true);
        window->RunCalculation();
        if (m.ResultsValid != -1) throw std::runtime_error("the project does not calculate");
        if (describe == lblCoreFilling && !(m.CoreFillingResult(1) > 0 || m.CoreFillingResult(2) > 0))
            throw std::runtime_error("the project calls for no core filling");
    }
};

void reportFailure(benchmark::State& state, const std::exception& e) {
    state.SkipWithError(e.what());
}

void Calculate(benchmark::State& state, Describe describe) {
    try {
        Workspace w(describe);
        for (auto _ : state) {
            w.window->RunCalculation();
            benchmark::DoNotOptimize(w.m.UtilisationRatio);
        }
        if (w.m.ResultsValid != -1) state.SkipWithError("a timed calculation failed");
    } catch (const std::exception& e) {
        reportFailure(state, e);
    }
}

// The analysis as the driver calls it: the model after a round trip, load
// factors formed, support moments in Nmm. The beam spacings the analysis
// reduces are put back before each run, as the driver does.
void Analysis(benchmark::State& state, Describe describe) {
    try {
        Workspace w(describe);
        model::ProjectModel& m = w.m;
        m.PermanentLoadFactorKfi = m.PartialFactorPermanent * m.ConsequenceClassFactorKfi;
        m.VariableLoadFactorKfi = m.PartialFactorVariable * m.ConsequenceClassFactorKfi;
        for (int side = 1; side <= 2; ++side)
            m.SlabSelfWeightFactorKfi(side) = m.SlabSelfWeightFactor(side) * m.ConsequenceClassFactorKfi;
        analysis::ScaleSupportMoments(m, 1);
        const model::SideEndArray spacings = m.BeamSpacing;
        int16_t status = 0;
        runtime::Messages messages;
        for (auto _ : state) {
            m.BeamSpacing = spacings;
            analysis::AnalyseSlabsOnBeam(m, messages, status);
            benchmark::DoNotOptimize(m.UtilisationRatio);
        }
        if (status != 0) state.SkipWithError("a timed analysis failed");
    } catch (const std::exception& e) {
        reportFailure(state, e);
    }
}

BENCHMARK_CAPTURE(Analysis, SuoraDefault, suoraDefault)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Analysis, DeltaEdgeHolesLoads, deltaEdgeHolesLoads)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Analysis, LblCoreFilling, lblCoreFilling)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Calculate, SuoraDefault, suoraDefault)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Calculate, DeltaEdgeHolesLoads, deltaEdgeHolesLoads)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Calculate, LblCoreFilling, lblCoreFilling)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
