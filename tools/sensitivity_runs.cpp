// The sensitivities that the user's guide (data/quorvel.html and
// data/quorvel_fi.html), data/README.md and docs/verification.md quote: the
// slab shear utilisation of the worked examples and of a new project as
// k_cd, S, the catalogue's section columns, the "dowels" box and some
// factors change, all else unchanged, and the figures they quote of a
// hole in the slab ends, the topping's threshold, Vd / VRd.min and support
// moments (README.md and the manual quote some of them too). Each project
// is opened and calculated on the headless main window as the Open and
// Calculate commands do it, with the delivered data folder copied and the
// one changed value written into the copy (kef.da0, ONTELO.MIT), set in
// the project or typed into the main window's boxes.
//
// scripts/sensitivity prints them; a test compares every figure the
// documents quote with them.

#include "sensitivity_runs.h"

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

namespace quorvel::tools {
namespace {

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
    double toppingDeflection = 0;   // w.g3, mm
    double variableDeflection = 0;  // w.q, mm
    double compositeResistance = 0;  // MRd.c, kNm
    double strain = 0;      // the strain of the strain check
    // Of each slab side (1 left, 2 right) as the report prints it: the
    // shear utilisation, Vd / VRd.min, VRd.min (kN/m), beta.r1, the largest
    // V.A and V.B (kN/m), tvl at the governing station (MPa), the
    // core-filling zones from the beam's start and end (mm), the governing
    // station x (mm) and beta.t.
    struct Side {
            double shear = 0, shearOverResistance = 0, resistanceMin = 0, holeFactor1 = 0, shearA = 0, shearB = 0,
               tvl = 0, zoneStart = 0, zoneEnd = 0, station = 0, toppingFactor = 0;
    } side[3];
};

using Edit = std::function<void(model::ProjectModel&)>;
// Keys typed into the main window's boxes, as a user types them.
using Typing = std::function<void(app::frmQuorvel&, platform::HeadlessPlatform&)>;

// Opens fixture (empty: a new project) on a fresh headless main window over
// a copy of the data folder with change, applies edit to the project, and
// calculates it with the Calculate command.
Outcome calculate(const std::string& fixture, const DataChange& change, const Edit& edit = {},
                  const Typing& typing = {}) {
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
    if (typing) typing(w, ui);
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
        const auto d = [](const model::Value& v) { return static_cast<double>(v); };
        const double resistance = d(m->SlabMinShearValue(side));
        o.side[side] = {d(m->SlabShearUtilisation(side)),
                        resistance > 0 ? d(m->SlabMaxDesignShear(side)) / resistance : 0.0,
                        resistance,
                        d(m->BetaR(side, 1)),
                        d(m->SlabMaxShearPartA(side)),
                        d(m->SlabMaxShearPartB(side)),
                        d(m->GoverningWebTvl(side)),
                        d(m->CoreFillingZoneLimits(side, 1)),
                        d(m->CoreFillingZoneLimits(side, 2)),
                        d(m->GoverningWebX(side)),
                        d(m->BetaT(side))};
    }
    o.deflection = m->BeamDeflectionTotalMax;
    o.toppingDeflection = m->BeamDeflectionMax5;
    o.variableDeflection = m->BeamDeflectionMax6;
    o.compositeResistance = m->MomentResistanceSolved * 1e-6;
    o.strain = m->BeamTopStrainMax;
    return o;
}

struct Example {
    const char* label;
    const char* key;
    const char* fixture;
};

const Example Suora{"SUORA example (concrete_middle_beam)", "suora", "concrete_middle_beam.dat"};
const Example NewProject{"new project (SUORA, P27)", "new", ""};
const Example Delta{"DELTA edge beam example (delta_edge_beam_holes_loads)", "delta",
                    "delta_edge_beam_holes_loads.dat"};
const Example Wq{"WQ example (steel_hq_line_loads)", "wq", "steel_hq_line_loads.dat"};
const Example Lbl{"LBL example, 600 mm filled cores (lbl_core_filling)", "lbl", "lbl_core_filling.dat"};
const Example Cwq{"CWQ example (cwq_new_project_old_format)", "cwq", "cwq_new_project_old_format.dat"};
const Example Jalo{"JALO example (jalo_new_project_old_format)", "jalo", "jalo_new_project_old_format.dat"};

// The change from a to b in whole per cent.
long percent(double from, double to) { return std::lround((to / from - 1) * 100); }

// The printed lines and the named figures, written together so that the
// two never differ.
class Output {
public:
    explicit Output(Sensitivities& result) : result_(result) {}
    template <typename... Args>
    void print(const char* format, Args... args) {
        if constexpr (sizeof...(Args) == 0) {
            result_.text += format;  // a line without figures is printed as it stands
        } else {
            char line[512];
            std::snprintf(line, sizeof line, format, args...);
            result_.text += line;
        }
    }
    void figure(const std::string& key, double value) {
        if (!result_.figures.emplace(key, value).second) throw std::logic_error("figure " + key + " twice");
    }

private:
    Sensitivities& result_;
};

}  // namespace

Sensitivities RunSensitivities(const std::string& sourceFolder) {
    sourceDir = sourceFolder;
    Sensitivities result;
    Output out(result);
    out.print("Slab shear utilisation (the larger side), each change alone, all else as delivered.\n\n");

    out.print("k_cd of kef.da0 (every family, both joint columns) 0.05 / 0.10 / 0.20;\n"
              "change of each halving, 0.20 -> 0.10 and 0.10 -> 0.05:\n");
    // The ranges the guides give in words, over the examples whose cores
    // are not filled: each halving lowers, each doubling raises.
    long lowerLeast = 1000, lowerMost = 0, raiseLeast = 1000, raiseMost = 0;
    Outcome suora10, suora20, wq10, wq20;
    for (const Example& e : {NewProject, Suora, Delta, Wq, Lbl}) {
        const Outcome o10 = calculate(e.fixture, kcd(0.10)), o20 = calculate(e.fixture, kcd(0.20));
        if (std::string(e.key) == Suora.key) suora10 = o10, suora20 = o20;
        if (std::string(e.key) == Wq.key) wq10 = o10, wq20 = o20;
        const double u05 = calculate(e.fixture, kcd(0.05)).shear;
        const double u10 = o10.shear;
        const double u20 = o20.shear;
        out.print("  %-55s %.3f  %.3f  %.3f  %+ld %%  %+ld %%\n", e.label, u05, u10, u20, percent(u20, u10),
                  percent(u10, u05));
        const std::string key = std::string("kcd.") + e.key;
        out.figure(key + ".0.05", u05);
        out.figure(key + ".0.10", u10);
        out.figure(key + ".0.20", u20);
        out.figure(key + ".halved", static_cast<double>(percent(u20, u10)));
        out.figure(key + ".halvedAgain", static_cast<double>(percent(u10, u05)));
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
    out.print("  without filled cores, halving lowers by %ld to %ld %%, doubling raises by %ld to %ld %%\n",
              lowerLeast, lowerMost, raiseLeast, raiseMost);
    out.figure("kcd.halving.lowersLeast", static_cast<double>(lowerLeast));
    out.figure("kcd.halving.lowersMost", static_cast<double>(lowerMost));
    out.figure("kcd.doubling.raisesLeast", static_cast<double>(raiseLeast));
    out.figure("kcd.doubling.raisesMost", static_cast<double>(raiseMost));

    // The composite section of the later stages widens the slabs' upper
    // flanges and the topping to span / 12, but its lower flanges keep
    // b_cd: k_cd moves the deflections and MRd.c too, a little.
    out.print("\nk_cd 0.10 / 0.20, the beam's deflections and composite resistance:\n");
    out.print("  %-55s %.2f  %.2f mm\n", "SUORA example, w.q", suora10.variableDeflection,
              suora20.variableDeflection);
    out.print("  %-55s %.1f  %.1f kNm\n", "SUORA example, MRd.c", suora10.compositeResistance,
              suora20.compositeResistance);
    out.print("  %-55s %.2f  %.2f mm\n", "WQ example, w.g3", wq10.toppingDeflection, wq20.toppingDeflection);
    out.figure("kcd.suora.wq.0.10", suora10.variableDeflection);
    out.figure("kcd.suora.wq.0.20", suora20.variableDeflection);
    out.figure("kcd.suora.mrdc.0.10", suora10.compositeResistance);
    out.figure("kcd.suora.mrdc.0.20", suora20.compositeResistance);
    out.figure("kcd.wq.wg3.0.10", wq10.toppingDeflection);
    out.figure("kcd.wq.wg3.0.20", wq20.toppingDeflection);

    out.print("\nS of kef.da0 0.5 / 1.0:\n");
    const double s05 = calculate(Lbl.fixture, coreFillingFactor(0.5)).shear;
    const double s10 = calculate(Lbl.fixture, coreFillingFactor(1.0)).shear;
    out.print("  %-55s %.3f  %.3f\n", Lbl.label, s05, s10);
    out.figure("s.lbl.0.5", s05);
    out.figure("s.lbl.1.0", s10);

    out.print("\n\"Dowels\" box of the beam dialog, SUORA example, core filling 0 / 50 / 100 mm:\n");
    for (int dowels = 0; dowels <= 1; ++dowels) {
        out.print("  %-55s", dowels ? "dowels on the beam top" : "no dowels");
        for (int filling : {0, 50, 100}) {
            const double u = calculate(Suora.fixture, {}, [&](model::ProjectModel& m) {
                                 m.DowelsOnBeamTop = static_cast<int16_t>(dowels);
                                 m.CoreFillingLength(1) = m.CoreFillingLength(2) = static_cast<double>(filling);
                             }).shear;
            out.print(" %.3f ", u);
            out.figure("dowels." + std::to_string(dowels) + ".filling" + std::to_string(filling), u);
        }
        out.print("\n");
    }

    out.print("\nSUORA example, one input changed: shear / bending / cracking utilisation, deflection mm\n");
    auto row = [&](const char* key, const char* label, const Outcome& o) {
        out.print("  %-55s %.3f  %.3f  %.3f  %.2f\n", label, o.shear, o.bending, o.cracking, o.deflection);
        const std::string name = std::string("suora.") + key;
        out.figure(name + ".shear", o.shear);
        out.figure(name + ".bending", o.bending);
        out.figure(name + ".cracking", o.cracking);
        out.figure(name + ".deflection", o.deflection);
    };
    row("delivered", "as delivered", calculate(Suora.fixture, {}));
    row("loss30", "prestress loss 30 % (20 %)", calculate(Suora.fixture, {}, [](model::ProjectModel& m) {
            m.StrandPrestressLoss(1) = m.StrandPrestressLoss(2) = 0.30;
        }));
    row("safety1.2", "additional safety factor 1.2 (1.0)",
        calculate(Suora.fixture, {}, [](model::ProjectModel& m) { m.AdditionalSafetyFactor = 1.2; }));
    row("psi0.3", "psi1 0.3 (0.7)",
        calculate(Suora.fixture, {}, [](model::ProjectModel& m) { m.ImposedLoadPsi1 = 0.3; }));
    row("release0.6", "release strength ratio 0.6 (0.7)",
        calculate(Suora.fixture, {}, [](model::ProjectModel& m) { m.ReleaseStrengthRatio = 0.6; }));
    row("deduction40", "P27 width deduction 40 mm (20), ONTELO.MIT column 11",
        calculate(Suora.fixture, p27Column(11, "40")));
    row("axis35", "P27 strand axis 35 mm (45), ONTELO.MIT column 16", calculate(Suora.fixture, p27Column(16, "35")));
    row("bearing100", "P27 support length limit 100 mm (60), column 17",
        calculate(Suora.fixture, p27Column(17, "100")));

    out.print("\nSUORA example, strain of the strain check with the slab bottom gaps left / right:\n");
    for (const std::pair<int, int>& gaps : {std::pair{10, 100}, std::pair{100, 10}}) {
        const std::string label = std::to_string(gaps.first) + " / " + std::to_string(gaps.second) + " mm";
        const double strain = calculate(Suora.fixture, {}, [&](model::ProjectModel& m) {
                                  m.SlabBottomGap(1) = gaps.first;
                                  m.SlabBottomGap(2) = gaps.second;
                              }).strain;
        out.print("  %-55s %.3g\n", label.c_str(), strain);
        out.figure("strain.gaps" + std::to_string(gaps.first) + "-" + std::to_string(gaps.second), strain);
    }

    out.print("\nVd / VRd.min of the right side against its slab shear utilisation; VRd.min kN/m:\n");
    for (const Example& e : {Delta, Wq, Lbl}) {
        const Outcome::Side right = calculate(e.fixture, {}).side[2];
        out.print("  %-55s %.3f  %.3f  %.1f\n", e.label, right.shearOverResistance, right.shear, right.resistanceMin);
        const std::string key = std::string("vrd.") + e.key;
        out.figure(key + ".ratio", right.shearOverResistance);
        out.figure(key + ".shear", right.shear);
        out.figure(key + ".min", right.resistanceMin);
    }

    out.print("\nSUORA example, one hole in the right slab ends (B 300, Y 0, A 600 mm) at X 0 / at X 7200\n"
              "(beyond the beam's end, calculated past the contradiction question): right side's\n"
              "slab shear, beta.r1, tvl MPa of the governing station, largest V.A and V.B kN/m:\n");
    for (const double holeX : {-1.0, 0.0, 7200.0}) {
        const Outcome::Side right = calculate(Suora.fixture, {}, [&](model::ProjectModel& m) {
                                        if (holeX < 0) return;
                                        m.HoleCount(2) = 1;
                                        m.HoleX(2, 1) = holeX;
                                        m.HoleWidthB(2, 1) = 300;
                                        m.HoleY(2, 1) = 0;
                                        m.HoleLengthA(2, 1) = 600;
                                    }).side[2];
        const std::string label = holeX < 0 ? "no hole" : "hole at X " + std::to_string(static_cast<int>(holeX));
        out.print("  %-55s %.3f  %.3f  %.2f  %.1f  %.1f\n", label.c_str(), right.shear, right.holeFactor1, right.tvl,
                  right.shearA, right.shearB);
        const std::string key = holeX < 0 ? "hole.none" : "hole.x" + std::to_string(static_cast<int>(holeX));
        out.figure(key + ".shear", right.shear);
        out.figure(key + ".betar1", right.holeFactor1);
        out.figure(key + ".tvl", right.tvl);
        out.figure(key + ".va", right.shearA);
        out.figure(key + ".vb", right.shearB);
    }

    out.print("\nCWQ example, 200 mm2/m and the topping typed into the main window 149.9 / 150 mm\n"
              "(Calculate takes the topping's weight from it): slab shear, beta.t:\n");
    for (const char* thickness : {"149.9", "150"}) {
        const Outcome::Side right = calculate(Cwq.fixture, {}, {}, [&](app::frmQuorvel& w, platform::HeadlessPlatform& ui) {
                                        ui.typeOver(w.txtRaudoiteala, "200");
                                        ui.typeOver(w.txtPintapaksuus, thickness);
                                        ui.tab();
                                    }).side[2];
        out.print("  %-55s %.3f  %.3f\n", (std::string("topping ") + thickness + " mm").c_str(), right.shear,
                  right.toppingFactor);
        out.figure(std::string("topping.cwq.") + thickness + ".shear", right.shear);
        out.figure(std::string("topping.cwq.") + thickness + ".betat", right.toppingFactor);
    }

    // Support moments after the topping hardens, permanent, characteristic.
    const auto permanentMoments = [](double start, double end) {
        return [=](model::ProjectModel& m) {
            m.SupportMomentStartPermanent = start;
            m.SupportMomentEndPermanent = end;
        };
    };
    out.print("\nSupport moments (permanent, after the topping hardens) at both ends: slab shear\n");
    const auto bothEnds = [&](const Example& e, const char* label, double first, double second) {
        const double u1 = calculate(e.fixture, {}, permanentMoments(first, first)).shear;
        const double u2 = calculate(e.fixture, {}, permanentMoments(second, second)).shear;
        out.print("  %-55s %.3f  %.3f\n", label, u1, u2);
        out.figure("hogging." + std::string(e.key) + "." + std::to_string(static_cast<int>(-first)), u1);
        out.figure("hogging." + std::string(e.key) + "." + std::to_string(static_cast<int>(-second)), u2);
    };
    bothEnds(Jalo, "JALO example, -120 / -125 kNm", -120, -125);
    bothEnds(Suora, "SUORA example, -254 / -256 kNm", -254, -256);
    out.print("\nLBL example, permanent support moment at the start only: slab shear, its station x mm,\n"
              "the core-filling zones from the start / the end mm\n");
    for (const double moment : {-3.0, -4.0, -11.0, -17.0, -18.0}) {
        const Outcome::Side left = calculate(Lbl.fixture, {}, permanentMoments(moment, 0)).side[1];
        out.print("  %-55s %.5f  %.0f  %.0f / %.0f\n",
                  (std::to_string(static_cast<int>(moment)) + " kNm").c_str(), left.shear, left.station, left.zoneStart,
                  left.zoneEnd);
        const std::string key = "hogging.lbl." + std::to_string(static_cast<int>(-moment));
        out.figure(key + ".shear", left.shear);
        out.figure(key + ".station", left.station);
        out.figure(key + ".zoneStart", left.zoneStart);
        out.figure(key + ".zoneEnd", left.zoneEnd);
    }
    return result;
}

}  // namespace quorvel::tools
