#pragma once
// The input and project-state fields of the project model: what the user
// enters in the windows, what the input file carries, and the state flags of
// the open project.
//
// Units: lengths mm, stresses and moduli MPa, area loads kN/m², line loads
// kN/m, point loads kN, support moments kNm, concrete strengths as the class
// number fck in MPa. A Value starts empty (counts as zero).

#include <cstdint>
#include <string>

#include "model/beam_family.h"
#include "model/model_arrays.h"
#include "model/slab_catalogue.h"

namespace quorvel::runtime {
class DataFileCache;
}

namespace quorvel::model {

struct ProjectInputFields {
    // --- Project identity and files -------------------------------------
    std::string TitleLine1;         // the two project title lines
    std::string TitleLine2;
    std::string InputFilePath;      // current input file, empty when none
    std::string ResultsFilePath;    // current results file, empty when none
    std::string InputFileTitle;     // the paths as shown in the window title
    std::string ResultsFileTitle;
    std::string SlabFileName;       // slab catalogue, relative to DataPath
    std::string StrandFileName;     // strand file, relative to DataPath
    std::string BeamLibraryFileName;  // beam library; "0.MIT": beam data in the input file
    std::string DataPath;           // data folder, ends with "/"
    std::string WorkPath;           // per-user folder of the work files, ends with "/"
    std::string LogPath;            // per-user folder of the error log, ends with "/"
    // The data files as the application's readers parsed them (owned by the
    // application, not by the project); none: every read goes to the file.
    runtime::DataFileCache* DataFiles = nullptr;
    std::string CompanyName;        // first item of the company header file
    std::string VersionText;        // version text of the title and the report
    int16_t LanguageIndex = 0;      // 0 Finnish, 1 English
    std::string PrintFontName;      // report print font
    float PrintFontSize = 0.0f;
    std::string ViewFileName;       // file shown by the text viewer
    int16_t CurrentFileNumber = 0;  // number of the text file being read or written

    // --- Project state ---------------------------------------------------
    int16_t InputChanged = 0;    // 0 / -1: input modified since open, save or new
    int16_t ResultsValid = 0;    // 0 / -1: results belong to the current input
    int16_t SubFormChanged = 0;  // 0 / 1: a modal dialog stored changed values
    int16_t IsMiddleBeam = 0;    // 1 middle beam (both sides), 0 edge beam (right side only)
    int16_t InputSaved = 0;      // 0 / -1
    int16_t ResultsSaved = 0;    // 0 / -1

    // --- Slab catalogue (records 1..SlabTypeCount, read at start-up) -----
    int16_t SlabTypeCount = 0;
    SlabCatalogueArray SlabCatalogue;

    // --- Beam type -------------------------------------------------------
    std::string BeamTypeName;   // "SUORA", "BLEUKA", ... "ABeamS"
    Value BeamCategory;         // 1 welded steel, 2 reinforced concrete,
                                // 3 prestressed concrete, 4 composite steel (5 from files)
    int16_t MaterialParameterCount = 0;  // parameters on the family's beam section line
    int16_t SlabsOnLedge = 0;        // 0 / 1: slab ends on ledges or bottom flanges
    int16_t DowelsOnBeamTop = 0;     // 0 / 1: joints dowelled on top of the beam
    int16_t DowelledConnection = 0;  // 0 / 1: joints dowelled through the web or flanges

    // The folder the program writes its own files into (the calculation's
    // work file, the along-the-beam results, the temporary report): the
    // running copy's own per-user work folder that start-up sets, never the
    // program's or the data folder on a running program. Code driven
    // without the start-up (tests, benchmarks) sets none and works in its
    // data folder.
    const std::string& WorkFolder() const { return WorkPath.empty() ? DataPath : WorkPath; }
    // The folder of the error log: the per-user folder that every running
    // copy appends to and that outlives them, else the work folder; none
    // (an empty path, and no log is written) when the running program could
    // make neither, so the log never goes into the program's or the data
    // folder.
    const std::string& ErrorLogFolder() const {
        static const std::string none;
        if (!LogPath.empty()) return LogPath;
        return NoWorkFolder ? none : WorkFolder();
    }
    // The running program could make no work folder of its own.
    bool NoWorkFolder = false;

    // Family code: the first two letters of BeamTypeName, upper-cased.
    std::string BeamFamilyCode() const { return FamilyCodeOfTypeName(BeamTypeName); }
    // The family of that code, or none (an empty or unknown type name).
    std::optional<BeamFamily> Family() const { return FamilyOfTypeName(BeamTypeName); }

    // --- Beam geometry (mm) ----------------------------------------------
    Value BeamSpan;               // span L
    Value OverallBeamHeight;      // overall section height h
    Value BeamHeight;             // nominal height of steel, composite and prestressed sections
    Value BeamWidth;              // concrete beam width, web width of prestressed beams
    Value TopFlangeWidth;         // top flange or top plate
    Value TopFlangeThickness;
    Value BottomFlangeWidth;      // bottom flange or bottom plate
    Value BottomFlangeThickness;
    Value WebThickness;
    Value WebHeight;              // clear web height between the flanges
    Value LeftLedgeHeight;        // level of the slab seat above the beam bottom
    Value RightLedgeHeight;
    Value LeftLedgeDepth;         // concrete ledge projection beyond the web
    Value RightLedgeDepth;
    Value LeftLedgeWidth;         // bottom flange projection carrying the slabs
    Value RightLedgeWidth;
    Value LBBottomWidth;          // bottom width of the LB and KE beams
    Value AngleSteelHeight;       // angle steel of the LB, KE and BE beams
    Value LowerRecessHeight;      // recesses of the I beam (BI)
    Value UpperRecessHeight;
    Value InnerProfileWidth;      // inner I profile of the MEK beam
    Value InnerProfileFlangeThickness;
    Value InnerProfileHeight;
    Value BoxPlateThickness;      // raised box of the MEK beam
    Value BoxHeight;              // raises the slab bottom level
    Value CornerRadius;           // rounded section corners
    Value WebHoleDiameter;        // web holes (DELTA, ABeamS)
    Value WebHoleEdgeDistance;
    Value LowerHoleDiameter;      // lower web holes of the ABeamS beam
    Value LowerHoleEdgeDistance;
    Value WebHoleSpacing;         // ABeamS constants (400, 80, 20, 1200)
    Value LowerHoleLength;
    Value WebStripHeight;
    Value LowerHoleSpacing;
    Value ApalkkiHoleSize;        // hole in the A beam
    Value DowelWidth;             // dowel of the CWQ beam
    Value DowelHeight;
    SideArray XxSectionParam;     // elements 1, 2: section values of the XX family

    // --- Beam materials (MPa) --------------------------------------------
    Value BeamConcreteClass;      // fck of the precast beam concrete
    Value InfillConcreteClass;    // fck of the infill concrete inside a steel beam
    Value SteelStrength;          // yield strengths of the plates, strength index 0, 1, 2
    Value SteelStrength2;
    Value SteelStrength3;
    ConcreteKindArray ConcreteQualityClass;  // class code 1..3 per concrete kind (ConcreteKindIndex)

    // --- Reinforcement row groups (ReinforcementRowGroup; rows 1..10) ----
    // Group 1: main (bottom) reinforcement or strands of concrete beams.
    int16_t ReinforcementRowCount = 0;
    RowIntArray BarsInRow;
    RowArray BarArea;                // one bar, mm²
    RowArray BarDistanceFromBottom;  // mm
    RowArray BarPrestress;           // final prestress, MPa; 0 ordinary bar
    Value ReinforcementModulus;
    Value ReinforcementStrength;     // fyk
    // Group 2: top reinforcement.
    int16_t TopRebarRowCount = 0;
    RowIntArray TopBarsInRow;
    RowArray TopBarArea;
    RowArray TopBarDistanceFromTop;
    RowArray TopBarDistanceFromBottom;
    RowArray TopBarPrestress;
    Value TopRebarModulus;
    Value TopRebarStrength;
    // Group 3: reinforcement inside steel and composite beams.
    int16_t SteelBeamRebarRowCount = 0;
    RowIntArray SteelBeamBarsInRow;
    RowArray SteelBeamBarArea;
    RowArray SteelBeamBarDistance;   // from the bottom
    RowArray SteelBeamBarPrestress;
    Value SteelBeamRebarModulus;
    Value SteelBeamRebarStrength;

    // --- Slab fields (per side) ------------------------------------------
    SideTextArray SlabTypeName;        // name of a catalogue record
    SideTextArray BottomStrandCode;    // strand count + type key; "0" = no top strands
    SideTextArray TopStrandCode;
    SideArray StrandInitialStress;     // MPa
    SideArray StrandPrestressLoss;     // fraction (0.2 = 20 %)
    SideArray SlabConcreteClass;       // fck
    SideArray SlabSupportLength;       // bearing length on the beam
    SideArray SlabBottomGap;           // gap under the slab end
    SideArray JointGroutWidth;         // joint grout between slab end and beam
    SideArray CoreFillingLength;       // filled cores at the slab end
    Value FirstJointDistance;          // first longitudinal joint from the beam start
    SideEndArray BeamSpacing;          // (side, end): slab span to the next beam
    Value SlabFieldEdgeDistance1;      // slab field edge at the beam start
    Value SlabFieldEdgeDistance2;      // slab field edge at the beam end
    SideIntArray HoleCount;            // holes in the slab end, 0..2
    SideHoleArray HoleX;               // (side, hole): position along the beam from its start
    SideHoleArray HoleWidthB;          // size along the beam
    SideHoleArray HoleY;               // distance from the slab end
    SideHoleArray HoleLengthA;         // size into the slab

    // --- Joint grout and topping -----------------------------------------
    Value JointConcreteClass;            // fck of the joint grout
    Value ToppingConcreteClass;          // fck of the topping
    Value ToppingThickness;              // mm
    Value ToppingReinforcementArea;      // mm²/m
    Value ToppingReinforcementStrength;  // fyk
    SideArray ToppingLoad;               // kN/m² per side

    // --- Loads on the slab fields ----------------------------------------
    SideArray SlabImposedLoadPermanent;  // kN/m²
    SideArray SlabImposedLoadVariable;
    SideArray SlabLineLoadCount;         // 0..5 per side
    LoadSideArray SlabLineLoadG;         // (load, side): kN/m
    LoadSideArray SlabLineLoadQ;
    LoadSideArray SlabLineLoadY;         // position along the beam from its start, mm
    SideArray SlabPointLoadCount;        // 0..5 per side
    LoadSideArray SlabPointLoadG;        // (load, side): kN
    LoadSideArray SlabPointLoadQ;
    LoadSideArray SlabPointLoadX;        // distance from the beam across the span, mm
    LoadSideArray SlabPointLoadY;        // position along the beam from its start, mm

    // --- Loads on the beam -----------------------------------------------
    Value BeamLineLoadG1;          // permanent line load at its start and end, kN/m
    Value BeamLineLoadG2;
    Value BeamLineLoadGX;          // its start position and length, mm
    Value BeamLineLoadGLength;
    Value BeamLineLoadQ1;          // the same for the variable line load
    Value BeamLineLoadQ2;
    Value BeamLineLoadQX;
    Value BeamLineLoadQLength;
    int16_t BeamPointLoadCount = 0;  // 0..5
    KindLoadArray BeamPointLoad;     // (kind, load): kN
    LoadArray BeamPointLoadX;        // position along the beam, mm

    // --- Support moments (SupportMomentSet; kNm, beam start and end) -----
    Value SupportMomentStartBeforeGrouting;
    Value SupportMomentEndBeforeGrouting;
    Value SupportMomentStartBeforeTopping;
    Value SupportMomentEndBeforeTopping;
    Value SupportMomentStartPermanent;
    Value SupportMomentEndPermanent;
    Value SupportMomentStartVariable;
    Value SupportMomentEndVariable;

    // --- Partial factors and allowances ----------------------------------
    Value ConsequenceClassFactorKfi;
    Value PartialFactorPermanent;
    Value PartialFactorVariable;
    Value AdditionalSafetyFactor;
    SideArray SlabSelfWeightFactor;      // per side
    Value SlabTensileStrengthFactor;
    Value AllowedCrackWidth;             // mm
    Value ReleaseStrengthRatio;          // fraction of the nominal strength
    Value ImposedLoadPsi1;
    // The connection factor as the project file holds it (record 34). The
    // calculation computes its own BetaY; the file keeps this one, so a
    // Calculate changes nothing the file holds.
    Value BetaYAsStored;
};

}  // namespace quorvel::model
