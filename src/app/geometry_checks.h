#pragma once
// Geometry compatibility checks: input values that cannot belong together
// (a ledge narrower than the slab bearing, reinforcement above the beam top,
// loads beyond the beam end ...). Each finding is one line of a
// contradiction list, "- what <=> what it conflicts with." followed by CR LF,
// worded in the model's language;
// the empty text means no contradiction. The list never blocks anything:
// the calculation and the dialogs show it with a question.
//
// The family checks and the two common checks empty `lines` first (the HX
// check does not), put their findings into it in the order of their tests,
// and return 1 when they found something, else 0. With supportOnly true
// (-1) a family check stops after its first test (the ledge or bearing
// width); the BESUPER and KVATRO checks always run every test and take their
// bearing from the model.

#include <cstdint>
#include <string>

#include "model/project_model.h"

namespace quorvel::app {

using model::ProjectModel;

// The lines a contradiction list may hold.
enum class Contradiction {
    WidthSpacings,                   // beam width <=> beam spacings
    LedgeGroutSupport,               // ledge <=> joint grout + support length
    LedgeGroutsSupports,             // ledge <=> joint grouts + support lengths
    WidthGroutsSupports,             // beam width <=> joint grouts + support lengths
    HeightRebars,                    // beam height <=> reinforcement
    HeightStrands,                   // beam height <=> prestressing steel
    HeightTopRebars,                 // beam height <=> top reinforcement
    HeightSlabLevels,                // beam height <=> slab levels
    HeightLedgeHeight,               // beam height <=> ledge height
    TopBottomFlange,                 // top flange <=> bottom flange
    HeightHole,                      // beam height <=> web hole
    TopFlangeBottomFlangeLedges,     // top flange width <=> bottom flange and ledges
    HeightSolidWeb,                  // beam height <=> solid part of the web
    ProfileWidthBottomFlangeLedges,  // I-section width <=> bottom flange and ledges
    HeightProfileHeight,             // beam height <=> I-section height
    HeightBoxHeight,                 // beam height <=> raising box height
    ProfileHeightFlanges,            // I-section height <=> its flanges
    ProfileWidthWeb,                 // I-section width <=> web thickness
    FlangeWidthWeb,                  // flange width <=> web thickness
    FlangesHeight,                   // flange thicknesses <=> beam height
    RadiusFlanges,                   // corner radius <=> flanges
    LoadsBeamLength,                 // beam loads <=> beam length
    LineLoadZeroLength,              // beam line load <=> its length 0
    SlabLoadsField,                  // slab loads <=> extent of the slab field
    HolesBeamLength,                 // holes <=> beam length
    HolesSpacings,                   // holes <=> beam spacings
    ToppingReinforcement,            // topping thickness 0 <=> topping reinforcement (the last)
};
inline constexpr int ContradictionCount = static_cast<int>(Contradiction::ToppingReinforcement) + 1;

// The line of the list in the language of the index (1 English, else
// Finnish): "- ", the text, CR LF. The checks word their lines in the
// model's LanguageIndex.
std::string ContradictionLine(Contradiction line, int16_t languageIndex);

// The question that puts a contradiction list to the user: the heading
// ("Ristiriitaisuuksia lähtötiedoissa:"), an empty line, the lines, an
// empty line and the question (which asks whether to go on editing).
std::string ContradictionQuestion(const std::string& lines, const std::string& question, int16_t languageIndex);
// The title of the questions before going on: "Varoitus!".
std::string WarningTitle(int16_t languageIndex);

void CollectInputContradictions(const ProjectModel& m, std::string& lines, int16_t& found);

int16_t CheckLedgeBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                               float bearing2, std::string& lines);
int16_t CheckDeltaBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                               float bearing2, std::string& lines);
int16_t CheckSuperBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                               float bearing2, std::string& lines);
int16_t CheckKvatroBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                                float bearing2, std::string& lines);
int16_t CheckHqBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                            float bearing2, std::string& lines);
int16_t CheckHxBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                            float bearing2, std::string& lines);
int16_t CheckPlainBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                               float bearing2, std::string& lines);
int16_t CheckIBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                           float bearing2, std::string& lines);
int16_t CheckTiBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                            float bearing2, std::string& lines);
int16_t CheckCwqBeamGeometry(const ProjectModel& m, int16_t supportOnly, float bearing1,
                             float bearing2, std::string& lines);
// These three hold the flag as a single; it counts as true when it rounds
// to the whole number -1.
int16_t CheckLblBeamGeometry(const ProjectModel& m, float supportOnly, float bearing1,
                             float bearing2, std::string& lines);
int16_t CheckKemoBeamGeometry(const ProjectModel& m, float supportOnly, float bearing1,
                              float bearing2, std::string& lines);
int16_t CheckMekBeamGeometry(const ProjectModel& m, float supportOnly, float bearing1,
                             float bearing2, std::string& lines);

// Beam loads beyond the span (mm), and a line load with an intensity but
// a length of 0, which acts on no part of the beam (an emptied length box
// is the rest of the span; a 0 stays 0).
int16_t CheckLoadPositions(const ProjectModel& m, std::string& lines, float span);
// Loads of the slab fields in use (the left one only on a middle beam)
// that stand where no slab is: along the beam beyond the field's edges
// (the beam's ends plus the slab field's edge distances), or a point load
// farther from the beam than the beam spacing at its position. Each such
// load has its own line: its side, kind, number and position, and the
// field's extent there.
int16_t CheckSlabLoadPositions(const ProjectModel& m, std::string& lines);
// Slab holes beyond the beam end or beyond the slab span, the slab span
// running linearly from the beam spacing at the start to that at the end
// (spacing by (side, end); only sides and ends 1 and 2 are read). An edge
// beam's hidden left side is not checked: it has no slabs.
int16_t CheckHolePositions(const ProjectModel& m, std::string& lines, float span,
                           const model::SideEndSingleArray& spacing);

// The slab bearing need of one side: support length plus joint grout.
float SlabBearingNeed(const ProjectModel& m, int side);

// The slab level test of the prestressed ledge beams: the beam level (mm)
// against the slab levels (catalogue thickness plus the gap under the
// slab). An edge beam must lie within 10 mm of the right slab; a middle
// beam must not lie more than 10 mm below or above both slabs. False when
// a slab type is not in the catalogue.
bool SlabLevelMismatch(const ProjectModel& m, double beamLevel);

}  // namespace quorvel::app
