// Prints the sensitivities that the user's guide (data/quorvel.html and
// data/quorvel_fi.html), data/README.md and docs/verification.md quote: the
// slab shear utilisation of the worked examples and of a new project as
// k_cd, S, the catalogue's section columns, the "dowels" box and some
// factors change, all else unchanged. Each project is opened and calculated
// on the headless main window as the Open and Calculate commands do it,
// with the delivered data folder copied and the one changed value written
// into the copy (kef.da0, ONTELO.MIT) or typed into the project.
//
// Run by scripts/sensitivity. Usage: quorvel_sensitivity SOURCE_DIR
// (the folder holding data/ and tests/fixtures/).

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <sstream>
#include <utility>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/frm_quorvel.h"
#include "app/geometry_checks.h"
#include "app/slab_catalogue.h"
#include "model/project_defaults.h"
#include "platform/headless/headless_platform.h"

namespace {

using namespace quorvel;
namespace fs = std::filesystem;

std::string sourceDir;

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + p.string());
}

// The records "row,x,k_cd,S" of kef.da0 with k_cd and / or S replaced
// (a negative value keeps the delivered one), for every family and both
// joint columns.
std::string coefficientTable(const std::string& delivered, double kcd, double s) {
    std::istringstream in(delivered);
    std::string out, line;
    while (std::getline(in, line)) {
        const bool cr = !line.empty() && line.back() == '\r';
        if (cr) line.pop_back();
        std::vector<std::string> fields;
        std::istringstream items(line);
        for (std::string f; std::getline(items, f, ',');) fields.push_back(f);
        if (fields.size() == 4) {
            char text[32];
            if (kcd >= 0) std::snprintf(text, sizeof text, "%.2f", kcd), fields[2] = text;
            if (s >= 0) std::snprintf(text, sizeof text, "%.2f", s), fields[3] = text;
            line = fields[0] + "," + fields[1] + "," + fields[2] + "," + fields[3];
        }
        out += line + (cr ? "\r\n" : "\n");
    }
    return out;
}

// The catalogue with one column (counted from 1, the name being column 1)
// of the slab type's line replaced by value.
std::string catalogueColumn(const std::string& delivered, const std::string& type, int column,
                            const std::string& value) {
    std::istringstream in(delivered);
    std::string out, line;
    bool found = false;
    while (std::getline(in, line)) {
        const bool cr = !line.empty() && line.back() == '\r';
        if (cr) line.pop_back();
        std::istringstream items(line);
        std::vector<std::string> fields{std::istream_iterator<std::string>(items), {}};
        if (!fields.empty() && fields[0] == type && static_cast<int>(fields.size()) >= column) {
            fields[column - 1] = value;
            line.clear();
            for (const std::string& f : fields) line += (line.empty() ? "" : " ") + f;
            found = true;
        }
        out += line + (cr ? "\r\n" : "\n");
    }
    if (!found) throw std::runtime_error("no catalogue line " + type);
    return out;
}

// What changes in the data folder copy.
struct DataChange {
    double kcd = -1;  // every k_cd of kef.da0
    double s = -1;    // every S of kef.da0
    int catalogueColumn = 0;
    std::string catalogueValue = {};  // of the P27 line
};

DataChange kcd(double value) { return {value, -1, 0}; }
DataChange coreFillingFactor(double value) { return {-1, value, 0}; }
DataChange p27Column(int column, const char* value) { return {-1, -1, column, value}; }

// The results of one calculated project.
struct Outcome {
    double shear = 0;     // the larger slab shear utilisation of the sides with slabs
    double bending = 0;   // likewise, slab bending
    double cracking = 0;  // likewise, slab cracking
    double deflection = 0;  // the beam's largest total deflection, mm
    double strain = 0;      // the strain of the strain check
};

using Edit = std::function<void(model::ProjectModel&)>;

// Opens fixture (empty: a new project) on a fresh headless main window over
// a copy of the data folder with change, applies edit to the project, and
// calculates it with the Calculate command.
Outcome calculate(const std::string& fixture, const DataChange& change, const Edit& edit = {}) {
    std::string pattern = (fs::temp_directory_path() / "quorvel-sensitivity-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    const fs::path folder = pattern;
    struct Remove {
        fs::path p;
        ~Remove() {
            std::error_code ignored;
            fs::remove_all(p, ignored);
        }
    } remove{folder};
    for (const auto& entry : fs::directory_iterator(fs::path(sourceDir) / "data"))
        if (entry.is_regular_file()) fs::copy_file(entry.path(), folder / entry.path().filename());
    if (change.kcd >= 0 || change.s >= 0)
        writeAll(folder / "kef.da0", coefficientTable(readAll(folder / "kef.da0"), change.kcd, change.s));
    if (change.catalogueColumn > 0)
        writeAll(folder / "ONTELO.MIT", catalogueColumn(readAll(folder / "ONTELO.MIT"), "P27", change.catalogueColumn,
                                                        change.catalogueValue));

    platform::HeadlessPlatform ui;
    ui.setStrict(true);  // a message nobody expected stops the program
    ui.setProgramFolder(folder.string() + "/");
    ui.setWorkFolder(folder.string() + "/");
    auto m = std::make_unique<model::ProjectModel>();
    m->DataPath = folder.string() + "/";
    m->SlabFileName = "ONTELO.MIT";
    m->StrandFileName = "PUNOS.VAT";
    app::LoadSlabCatalogue(*m);
    model::ResetProjectDefaults(*m);
    m->IsMiddleBeam = 1;
    app::frmQuorvel w(*m, ui);
    w.onLoad = nullptr;
    w.show();
    w.RefreshMainForm();
    m->InputChanged = 0;  // a newly started program: Open asks no save question
    if (!fixture.empty()) {
        // A copy: nothing the commands write can reach the repository.
        fs::copy_file(fs::path(sourceDir) / "tests/fixtures/inputfiles" / fixture, folder / fixture);
        ui.answerFileDialog((folder / fixture).string());
        w.OpenInputFile();
        if (m->InputFilePath.empty() || !ui.messages().empty())
            throw std::runtime_error("the project " + fixture + " did not open" +
                                     (ui.messages().empty() ? "" : ": " + ui.messages().front().text));
    }
    if (edit) {
        edit(*m);
        w.RefreshMainForm();
    }
    // A contradiction question of Calculate (the DELTA and WQ examples'
    // ledge against grout and bearing) is answered "calculate anyway"; any
    // other message stops the program.
    ui.clearMessages();
    std::string contradictions;
    int16_t found = 0;
    app::CollectInputContradictions(*m, contradictions, found);
    if (found != 0) ui.answerNext(platform::Answer::No);  // calculate anyway
    w.RunCalculation();
    for (std::size_t i = found != 0 ? 1 : 0; i < ui.messages().size(); ++i)
        std::fprintf(stderr, "%s: %s\n", fixture.c_str(), ui.messages()[i].text.c_str());
    if (m->ResultsValid != -1) throw std::runtime_error("the project " + fixture + " did not calculate");

    Outcome o;
    for (int side = 1; side <= 2; ++side) {
        if (side == 1 && m->IsMiddleBeam == 0) continue;
        o.shear = std::max(o.shear, static_cast<double>(m->SlabShearUtilisation(side)));
        o.bending = std::max(o.bending, static_cast<double>(m->SlabBendingUtilisation(side)));
        o.cracking = std::max(o.cracking, static_cast<double>(m->SlabCrackingUtilisation(side)));
    }
    o.deflection = m->BeamDeflectionTotalMax;
    o.strain = m->BeamTopStrainMax;
    return o;
}

struct Example {
    const char* label;
    const char* fixture;
};

const Example Suora{"SUORA example (concrete_middle_beam)", "concrete_middle_beam.dat"};
const Example NewProject{"new project (SUORA, P27)", ""};
const Example Delta{"DELTA edge beam example (delta_edge_beam_holes_loads)", "delta_edge_beam_holes_loads.dat"};
const Example Wq{"WQ example (steel_hq_line_loads)", "steel_hq_line_loads.dat"};
const Example Lbl{"LBL example, 600 mm filled cores (lbl_core_filling)", "lbl_core_filling.dat"};

// The change from a to b in whole per cent.
long percent(double from, double to) { return std::lround((to / from - 1) * 100); }

void run() {
    std::printf("Slab shear utilisation (the larger side), each change alone, all else as delivered.\n\n");

    std::printf("k_cd of kef.da0 (every family, both joint columns) 0.05 / 0.10 / 0.20;\n"
                "change of each halving, 0.20 -> 0.10 and 0.10 -> 0.05:\n");
    // The ranges the guides give in words, over the examples whose cores
    // are not filled: each halving lowers, each doubling raises.
    long lowerLeast = 1000, lowerMost = 0, raiseLeast = 1000, raiseMost = 0;
    for (const Example& e : {NewProject, Suora, Delta, Wq, Lbl}) {
        const double u05 = calculate(e.fixture, kcd(0.05)).shear;
        const double u10 = calculate(e.fixture, kcd(0.10)).shear;
        const double u20 = calculate(e.fixture, kcd(0.20)).shear;
        std::printf("  %-55s %.3f  %.3f  %.3f  %+ld %%  %+ld %%\n", e.label, u05, u10, u20, percent(u20, u10),
                    percent(u10, u05));
        if (std::string(e.fixture) == Lbl.fixture) continue;
        for (const long lowered : {-percent(u20, u10), -percent(u10, u05)}) {
            lowerLeast = std::min(lowerLeast, lowered);
            lowerMost = std::max(lowerMost, lowered);
        }
        for (const long raised : {percent(u05, u10), percent(u10, u20)}) {
            raiseLeast = std::min(raiseLeast, raised);
            raiseMost = std::max(raiseMost, raised);
        }
    }
    std::printf("  without filled cores, halving lowers by %ld to %ld %%, doubling raises by %ld to %ld %%\n",
                lowerLeast, lowerMost, raiseLeast, raiseMost);

    std::printf("\nS of kef.da0 0.5 / 1.0:\n");
    std::printf("  %-55s %.3f  %.3f\n", Lbl.label, calculate(Lbl.fixture, coreFillingFactor(0.5)).shear,
                calculate(Lbl.fixture, coreFillingFactor(1.0)).shear);

    std::printf("\n\"Dowels\" box of the beam dialog, SUORA example, core filling 0 / 50 / 100 mm:\n");
    for (int dowels = 0; dowels <= 1; ++dowels) {
        std::printf("  %-55s", dowels ? "dowels on the beam top" : "no dowels");
        for (double filling : {0.0, 50.0, 100.0})
            std::printf(" %.3f ", calculate(Suora.fixture, {}, [&](model::ProjectModel& m) {
                                      m.DowelsOnBeamTop = static_cast<int16_t>(dowels);
                                      m.CoreFillingLength(1) = m.CoreFillingLength(2) = filling;
                                  }).shear);
        std::printf("\n");
    }

    const Outcome base = calculate(Suora.fixture, {});
    std::printf("\nSUORA example, one input changed: shear / bending / cracking utilisation, deflection mm\n");
    auto row = [&](const char* label, const Outcome& o) {
        std::printf("  %-55s %.3f  %.3f  %.3f  %.2f\n", label, o.shear, o.bending, o.cracking, o.deflection);
    };
    row("as delivered", base);
    row("prestress loss 30 % (20 %)", calculate(Suora.fixture, {}, [](model::ProjectModel& m) {
            m.StrandPrestressLoss(1) = m.StrandPrestressLoss(2) = 0.30;
        }));
    row("additional safety factor 1.2 (1.0)",
        calculate(Suora.fixture, {}, [](model::ProjectModel& m) { m.AdditionalSafetyFactor = 1.2; }));
    row("psi1 0.3 (0.7)", calculate(Suora.fixture, {}, [](model::ProjectModel& m) { m.ImposedLoadPsi1 = 0.3; }));
    row("release strength ratio 0.6 (0.7)",
        calculate(Suora.fixture, {}, [](model::ProjectModel& m) { m.ReleaseStrengthRatio = 0.6; }));
    row("P27 width deduction 40 mm (20), ONTELO.MIT column 11", calculate(Suora.fixture, p27Column(11, "40")));
    row("P27 strand axis 35 mm (45), ONTELO.MIT column 16", calculate(Suora.fixture, p27Column(16, "35")));
    row("P27 support length limit 100 mm (60), column 17", calculate(Suora.fixture, p27Column(17, "100")));

    std::printf("\nSUORA example, strain of the strain check with the slab bottom gaps left / right:\n");
    for (const std::pair<int, int>& gaps : {std::pair{10, 100}, std::pair{100, 10}}) {
        const std::string label = std::to_string(gaps.first) + " / " + std::to_string(gaps.second) + " mm";
        std::printf("  %-55s %.3g\n", label.c_str(), calculate(Suora.fixture, {}, [&](model::ProjectModel& m) {
                                                           m.SlabBottomGap(1) = gaps.first;
                                                           m.SlabBottomGap(2) = gaps.second;
                                                       }).strain);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SOURCE_DIR\n", argv[0]);
        return 2;
    }
    sourceDir = argv[1];
    try {
        run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sensitivity: %s\n", e.what());
        return 1;
    }
    return 0;
}
