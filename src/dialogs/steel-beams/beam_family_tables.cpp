#include "dialogs/steel-beams/beam_family_tables.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "app/beam_types.h"
#include "app/geometry_checks.h"
#include "dialogs/dialog_frame.h"
#include "inputfile/beam_section_fields.h"
#include "model/field_limits.h"
#include "model/field_names.h"

namespace quorvel::dialogs {

namespace {

using M = ProjectModel;

// A box's bounds and default from the table of field limits.
FieldRange rangeOf(std::string_view form, std::string_view control) {
    const model::BoxLimit* b = model::boxLimit(form, control);
    if (!b) return {};
    return {b->range.minimum, b->range.maximum, b->defaultValue.value_or(b->range.minimum)};
}

// --- materials ---
//
// The bounds of every box stand in the model's table of field limits
// (model/field_limits.h); makeTables() copies them in by form and control.
//
// Steel grades S235 to S460; the project file keeps a strength as its last
// three digits, so nothing above 999 could be stored anyway.
const std::vector<const char*> SteelGrades{"235", "275", "355", "420", "460"};

MaterialField steelGrade(const char* control, FieldRef field, const char* caption) {
    return {control, field, caption, "MPa", SteelGrades, false};
}
MaterialField classList(const char* control, FieldRef field) {
    return {control, field, "Betonin luokka", "", {"1", "2", "3"}, true, {1, 3, 2}};
}

const MaterialField BeamConcrete{"cboBetoni", modelField<&M::BeamConcreteClass>, "Betoni C", "", {"40", "50", "60"}};
const MaterialField PrestressedConcrete{"cboBetoni", modelField<&M::BeamConcreteClass>, "Betoni C", "",
                                        {"60", "80"}};
const MaterialField InfillConcrete{"cboTayttobetoni", modelField<&M::InfillConcreteClass>, "Täyttöbetoni C", "",
                                   {"25", "30", "35", "40"}};
const MaterialField BeamConcreteClass = classList("cboLuokka", concreteQualityClass<1>);
const MaterialField InfillConcreteClass = classList("cboTayttoluokka", concreteQualityClass<2>);
const MaterialField PlateSteel = steelGrade("cboTeras", modelField<&M::SteelStrength>, "Teräksen myötöraja");

MaterialField modulus(const char* control, FieldRef field) {
    return {control, field, "Teräksen kimmokerroin", "MPa", {}, false};
}
MaterialField strength(const char* control, FieldRef field, const char* caption = "Teräksen ominaislujuus") {
    return {control, field, caption, "MPa", {}, false};
}

// --- reinforcement row groups ---

RowGroupTable mainReinforcement(int bars, double area, double first) {
    return {RowGroupKind::Main,
            "fraRaudoitus",
            "Raudoitus",
            {"txtRiviLkm", "vsbRiviLkm", "txtRiviNo", "vsbRiviNo", "ffraRaudoite", "txtRaudLkm", "txtRaudA",
             "txtRaud_et_ap", "txtEsijannitys"},
            "Raudoiterivien määrä",
            "Terästen etäisyys alapinnasta",
            bars,
            area,
            first,
            0,
            modulus("txtRaud_kimmo", modelField<&M::ReinforcementModulus>),
            strength("txtRaud_lujuus", modelField<&M::ReinforcementStrength>, BarOrStrandStrengthCaption)};
}

const RowGroupTable Strands{RowGroupKind::Main,
                            "fraJanneterakset",
                            "Jänneteräkset",
                            {"txtJanneRiviLkm", "vsbRiviLkm", "txtJanneRiviNo", "vsbRiviNo", "ffraRaudoite",
                             "txtJanneLkm", "txtJanneA", "txtJanne_et_ap", "txtEsijannitys"},
                            "Jänneteräsrivien määrä",
                            "Terästen etäisyys alapinnasta",
                            9,
                            100,
                            40,
                            1100,
                            modulus("txt_Janne_kimmo", modelField<&M::ReinforcementModulus>),
                            strength("txt_Janne_lujuus", modelField<&M::ReinforcementStrength>, StrandStrengthCaption)};

const RowGroupTable TopReinforcement{
    RowGroupKind::Top,
    "fraYlaraudoitus",
    "Yläpinnan raudoitteet",
    {"txtRaudRiviLkm", "vsbYRiviLkm", "txtRaudRiviNo", "vsbYRiviNo", "ffraYRaudoite", "txt_ypRaudLkm", "txt_ypRaudA",
     "txt_ypRaud_et_yp", nullptr},
    "Raudoiterivien määrä",
    "Terästen etäisyys yläpinnasta",
    2,
    314,
    10,
    0,
    modulus("txt_ypRaud_kimmo", modelField<&M::TopRebarModulus>),
    strength("txt_ypRaud_lujuus", modelField<&M::TopRebarStrength>, BarOrStrandStrengthCaption)};

RowGroupTable steelBeamReinforcement(int bars, double area, double first) {
    return {RowGroupKind::SteelBeam,
            "fraPalkinRaudoitus",
            "Teräspalkin raudoitteet",
            {"txtTRiviLkm", "vsbTRiviLkm", "txtTRiviNo", "vsbTRiviNo", "ffraTRaudoite", "txtTRaudLkm", "txtTRaudA",
             "txtTRaud_et_ap", nullptr},
            "Raudoiterivien määrä",
            "Terästen etäisyys alapinnasta",
            bars,
            area,
            first,
            0,
            modulus("txtTRaud_kimmo", modelField<&M::SteelBeamRebarModulus>),
            strength("txtTRaud_lujuus", modelField<&M::SteelBeamRebarStrength>)};
}

// --- section dimensions ---

// The caption is the family's section caption of the symbol; makeTables()
// takes it from the model's table of names.
SectionField dim(const char* control, FieldRef field, const char* symbol, int left, int top,
                 const char* fitsWithin = nullptr) {
    return {control, field, {}, symbol, left, top, {}, fitsWithin};
}

// --- sketches (twips in the sketch frame, 3960 x 2880) ---

// Bottom plate across the frame.
const SketchLine BottomPlate{{{300, 2220}, {3660, 2220}, {3660, 2400}, {300, 2400}}};
// A welded I-section.
const std::vector<SketchLine> ISketch{{{{1080, 600}, {2880, 600}, {2880, 780}, {2040, 780}, {2040, 2220}, {2880, 2220},
                                        {2880, 2400}, {1080, 2400}, {1080, 2220}, {1920, 2220}, {1920, 780},
                                        {1080, 780}}}};
// A concrete I-section with haunches.
const std::vector<SketchLine> ConcreteISketch{
    {{{1080, 600}, {2880, 600}, {2880, 780}, {2040, 960}, {2040, 2040}, {2880, 2220}, {2880, 2400}, {1080, 2400},
      {1080, 2220}, {1920, 2040}, {1920, 960}, {1080, 780}}}};
// Two webs on the bottom plate, the top plate between them.
const std::vector<SketchLine> BoxSketch{BottomPlate,
                                        {{{1260, 780}, {1380, 780}, {1380, 2220}, {1260, 2220}}},
                                        {{{2580, 780}, {2700, 780}, {2700, 2220}, {2580, 2220}}},
                                        {{{1380, 780}, {2580, 780}, {2580, 960}, {1380, 960}}}};
std::vector<SketchLine> withDowel(std::vector<SketchLine> s) {
    s.push_back({{{1680, 600}, {2280, 600}, {2280, 780}, {1680, 780}}});
    return s;
}
// Inclined webs from the bottom plate up to the top plate, a hole in each.
const std::vector<SketchLine> InclinedSketch{BottomPlate,
                                             {{{900, 2220}, {1260, 780}}, false},
                                             {{{3060, 2220}, {2700, 780}}, false},
                                             {{{1140, 780}, {2820, 780}, {2820, 600}, {1140, 600}}},
                                             {{{2820, 1380}, {2940, 1500}, {2820, 1620}, {2700, 1500}}}};
// The I-profile in concrete on the bottom plate, the raised box under the
// slab ends at both sides.
const std::vector<SketchLine> MekSketch{BottomPlate,
                                        {{{1260, 600}, {2700, 600}, {2700, 780}, {1260, 780}}},
                                        {{{1920, 780}, {1920, 1380}}, false},
                                        {{{2040, 780}, {2040, 1380}}, false},
                                        {{{1260, 1380}, {2700, 1380}, {2700, 1500}, {1260, 1500}}},
                                        {{{1260, 1500}, {1260, 2220}}, false},
                                        {{{2700, 1500}, {2700, 2220}}, false},
                                        {{{300, 1860}, {600, 1860}, {600, 2220}}, false},
                                        {{{3660, 1860}, {3360, 1860}, {3360, 2220}}, false}};
// Concrete on the bottom plate between two steel angles.
const std::vector<SketchLine> AngleSketch{
    {{{900, 2220}, {3060, 2220}, {3060, 2400}, {900, 2400}}},
    {{{1080, 2220}, {1260, 780}, {2700, 780}, {2880, 2220}}, false},
    {{{300, 2220}, {900, 2220}, {900, 1620}, {960, 1620}, {960, 2220}}, false},
    {{{3660, 2220}, {3060, 2220}, {3060, 1620}, {3000, 1620}, {3000, 2220}}, false}};
// The A beam: inclined webs round a concrete core, the top plate with its
// hole.
const std::vector<SketchLine> ASketch{BottomPlate,
                                      {{{900, 2220}, {1260, 780}}, false},
                                      {{{3060, 2220}, {2700, 780}}, false},
                                      {{{1140, 600}, {1800, 600}, {1800, 780}, {1140, 780}}},
                                      {{{2160, 600}, {2820, 600}, {2820, 780}, {2160, 780}}}};

// --- derived fields ---

// The width the slab bearing is compared with is the bottom plate's, and
// the overall height that of the beam's steel: as when the type is chosen.
void completeApalkki(M& m) {
    m.BeamWidth = m.BottomFlangeWidth;
    // Top row 1 lies on the top plate, row 2 under it (as the project file
    // reader places them); the overall height includes row 1's bar.
    const double d1 = std::sqrt(std::max(4 * m.TopBarArea(1).number() / 3.14159, 0.0));
    m.OverallBeamHeight = Value(static_cast<float>(m.BeamHeight + d1));
    for (int r = 1; r <= 10; ++r) {
        const double below = m.BottomFlangeThickness + m.BeamHeight;
        m.TopBarDistanceFromBottom(r) =
            r == 1 ? below + m.TopBarDistanceFromTop(1) : below - m.TopBarDistanceFromTop(r);
    }
}
void completeAbeamS(M& m) { app::SetABeamCheckDimensions(m); }

// --- the tables ---

// Moves a dimension's label in the sketch.
void placeSymbol(std::vector<SectionField>& fields, std::string_view control, int left, int top) {
    for (SectionField& f : fields)
        if (control == f.control) {
            f.symbolLeft = left;
            f.symbolTop = top;
        }
}

std::vector<BeamFamilyTable> makeTables() {
    using F = model::BeamFamily;
    std::vector<BeamFamilyTable> all = {
        {F::BI,
         "I-palkki - teräsbetonia",
         {dim("txtKorkeus", modelField<&M::BeamHeight>, "h", 300, 1380),
          dim("txtAlalaippa", modelField<&M::BottomFlangeThickness>, "tb", 3000, 2250),
          dim("txtAlaviiste", modelField<&M::LowerRecessHeight>, "hr1", 3000, 1950),
          dim("txtYlaviiste", modelField<&M::UpperRecessHeight>, "hr2", 3000, 840),
          dim("txtYlalaippa", modelField<&M::TopFlangeThickness>, "tt", 3000, 540),
          dim("txtAlalaipanLeveys", modelField<&M::BottomFlangeWidth>, "bb", 1740, 2520),
          dim("txtUuma", modelField<&M::BeamWidth>, "bw", 2160, 1380,
              "txtAlalaipanLeveys"),
          dim("txtYlalaipanLeveys", modelField<&M::TopFlangeWidth>, "bt", 1740, 300)},
         {BeamConcrete, BeamConcreteClass},
         {mainReinforcement(4, 491, 38)},
         ConcreteISketch,
         [](const M& m, float b1, float b2, std::string& l) { return app::CheckIBeamGeometry(m, 0, b1, b2, l); },
         nullptr,
         &M::DowelsOnBeamTop,
         "Vaarnoitus palkin päällä"},

        {F::KE,
         "LB-palkki",
         {dim("txtKorkeus", modelField<&M::BeamHeight>, "h", 300, 1380),
          dim("txtAlaleveys", modelField<&M::LBBottomWidth>, "bLB", 1740, 1860),
          dim("txtLeveys", modelField<&M::BeamWidth>, "B", 1740, 480),
          dim("txtPohjalevy", modelField<&M::BottomFlangeThickness>, "tb", 3180, 2250),
          dim("txtPohjalevynLeveys", modelField<&M::BottomFlangeWidth>, "bb", 1740, 2520),
          dim("txtKulmanKorkeus", modelField<&M::AngleSteelHeight>, "hA", 300, 1800),
          dim("txtKulmanPaksuus", modelField<&M::LeftLedgeHeight>, "t", 3180, 1800),
          dim("txtVasenLeuka", modelField<&M::LeftLedgeWidth>, "wL", 300, 2520),
          dim("txtOikeaLeuka", modelField<&M::RightLedgeWidth>, "wR", 3180, 2520)},
         {PrestressedConcrete, BeamConcreteClass, PlateSteel},
         {Strands},
         AngleSketch,
         [](const M& m, float b1, float b2, std::string& l) {
             return app::CheckKemoBeamGeometry(m, 0.0f, b1, b2, l);
         },
         nullptr,
         &M::DowelledConnection,
         "Vaarnoitus uumassa"},

        {F::AP,
         "A-palkki W",
         {dim("txtKorkeus", modelField<&M::BeamHeight>, "h", 300, 1380),
          dim("txtUuma", modelField<&M::WebThickness>, "tw", 1200, 1380),
          dim("txtYlalevy", modelField<&M::TopFlangeThickness>, "tt", 3000, 540),
          dim("txtYlalevynLeveys", modelField<&M::TopFlangeWidth>, "bt", 1140, 300),
          dim("txtPohjalevy", modelField<&M::BottomFlangeThickness>, "tb", 3180, 1920),
          dim("txtPohjalevynLeveys", modelField<&M::BottomFlangeWidth>, "bb", 1740, 2520),
          dim("txtLeukalevy", modelField<&M::LeftLedgeHeight>, "hL", 300, 1920),
          dim("txtVasenLeuka", modelField<&M::LeftLedgeWidth>, "wL", 300, 2520),
          dim("txtOikeaLeuka", modelField<&M::RightLedgeWidth>, "wR", 3180, 2520),
          dim("txtAukko", modelField<&M::ApalkkiHoleSize>, "dA", 1800, 300,
              "txtYlalevynLeveys")},
         {BeamConcrete, BeamConcreteClass, PlateSteel},
         {mainReinforcement(3, 314, 40), TopReinforcement},
         ASketch,
         [](const M& m, float b1, float b2, std::string& l) { return app::CheckPlainBeamGeometry(m, 0, b1, b2, l); },
         completeApalkki,
         &M::DowelledConnection,
         "Vaarnoitus uumassa"},

        {F::TI,
         "Hitsattu I-palkki",
         {dim("txtKorkeus", modelField<&M::BeamHeight>, "h", 300, 1380),
          dim("txtUuma", modelField<&M::WebThickness>, "tw", 2160, 1380),
          dim("txtYlalaippa", modelField<&M::TopFlangeThickness>, "tt", 3000, 540),
          dim("txtYlalaipanLeveys", modelField<&M::TopFlangeWidth>, "bt", 1740, 300),
          dim("txtAlalaippa", modelField<&M::BottomFlangeThickness>, "tb", 3000, 2190),
          dim("txtAlalaipanLeveys", modelField<&M::BottomFlangeWidth>, "bb", 1740, 2520),
          dim("txtPyoristys", modelField<&M::CornerRadius>, "r", 2160, 900)},
         {PlateSteel},
         {},
         ISketch,
         [](const M& m, float b1, float b2, std::string& l) { return app::CheckTiBeamGeometry(m, 0, b1, b2, l); },
         nullptr,
         &M::DowelsOnBeamTop,
         "Vaarnoitus palkin päällä"},
    };
    {
        // The box beams: two webs on the bottom plate, which reaches beyond
        // them and carries the slab ends.
        auto box = [](F family, const char* caption) {
            return BeamFamilyTable{
                family,
                caption,
                {dim("txtKorkeus", modelField<&M::BeamHeight>, "h", 780, 1380),
                 dim("txtUuma", modelField<&M::WebThickness>, "tw", 2760, 1380),
                 dim("txtYlalaippa", modelField<&M::TopFlangeThickness>, "tt", 1440, 1020),
                 dim("txtYlalaipanLeveys", modelField<&M::TopFlangeWidth>, "bt", 2040, 1020),
                 dim("txtAlalaippa", modelField<&M::LeftLedgeHeight>, "tb", 3120, 1950),
                 dim("txtAlalaipanLeveys", modelField<&M::BottomFlangeWidth>, "bb", 1740, 2520)},
                {PlateSteel},
                {},
                BoxSketch,
                [](const M& m, float b1, float b2, std::string& l) {
                    return app::CheckHqBeamGeometry(m, 0, b1, b2, l);
                },
                nullptr,
                &M::DowelledConnection,
                "Vaarnoitus uumassa"};
        };
        all.push_back(box(F::HQ, "WQ-palkki"));
        BeamFamilyTable cwq = box(F::CW, "CWQ-palkki");
        cwq.fields.push_back(dim("txtVaarnanLeveys", modelField<&M::DowelWidth>, "bv", 1740, 300, "txtYlalaipanLeveys"));
        cwq.fields.push_back(
            dim("txtVaarnanKorkeus", modelField<&M::DowelHeight>, "hv", 2400, 570));
        // The top flange, the webs and the bottom flange each have a grade.
        cwq.materials = {steelGrade("cboTeras", modelField<&M::SteelStrength>, "Ylälaipan myötöraja"),
                         steelGrade("cboTeras2", modelField<&M::SteelStrength2>, "Uumien myötöraja"),
                         steelGrade("cboTeras3", modelField<&M::SteelStrength3>, "Alalaipan myötöraja")};
        cwq.sketch = withDowel(BoxSketch);
        cwq.check = [](const M& m, float b1, float b2, std::string& l) {
            return app::CheckCwqBeamGeometry(m, 0, b1, b2, l);
        };
        all.push_back(std::move(cwq));

        // The composite beams: steel round concrete cast in place, the slab
        // ends on the ledges.
        const std::vector<MaterialField> composite{PlateSteel, InfillConcrete, InfillConcreteClass};
        auto heightAndPlates = [] {
            return std::vector<SectionField>{
                dim("txtKorkeus", modelField<&M::BeamHeight>, "h", 300, 1380),
                dim("txtUuma", modelField<&M::WebThickness>, "tw", 1200, 1380),
                dim("txtYlalaippa", modelField<&M::TopFlangeThickness>, "tt", 3000, 540),
                dim("txtYlalaipanLeveys", modelField<&M::TopFlangeWidth>, "bt", 1740, 300, "txtAlalaipanLeveys"),
                dim("txtAlalaippa", modelField<&M::BottomFlangeThickness>, "tb", 3120, 1950),
                dim("txtAlalaipanLeveys", modelField<&M::BottomFlangeWidth>, "bb", 1740, 2520)};
        };
        auto ledges = [](std::vector<SectionField>& f) {
            f.push_back(dim("txtLeukalevy", modelField<&M::LeftLedgeHeight>, "hL", 300, 1950));
            f.push_back(
                dim("txtVasenLeuka", modelField<&M::LeftLedgeWidth>, "wL", 300, 2520));
            f.push_back(
                dim("txtOikeaLeuka", modelField<&M::RightLedgeWidth>, "wR", 3180, 2520));
        };

        std::vector<SectionField> delta = heightAndPlates();
        ledges(delta);
        delta.push_back(dim("txtReika", modelField<&M::WebHoleDiameter>, "D", 2880, 1140));
        delta.push_back(dim("txtReiatEtaisyys", modelField<&M::WebHoleEdgeDistance>, "e",
                            3120, 1560));
        all.push_back({F::DE, "Delta-palkki", delta, composite,
                       {steelBeamReinforcement(5, 113, 20)}, InclinedSketch,
                       [](const M& m, float b1, float b2, std::string& l) {
                           return app::CheckDeltaBeamGeometry(m, 0, b1, b2, l);
                       },
                       nullptr, &M::DowelledConnection, "Vaarnoitus uumassa"});

        all.push_back(
            {F::ME,
             "MEK-palkki",
             {dim("txtKorkeus", modelField<&M::BeamHeight>, "h", 300, 1200),
              dim("txtProfiilinKorkeus", modelField<&M::InnerProfileHeight>, "hs", 3180, 960),
              dim("txtUuma", modelField<&M::WebThickness>, "tw", 2160, 960),
              dim("txtYlalaippa", modelField<&M::TopFlangeThickness>, "tt", 2820, 570),
              dim("txtYlalaipanLeveys", modelField<&M::TopFlangeWidth>, "bt", 1740, 300, "txtAlalaipanLeveys"),
              dim("txtProfiilinLaippa", modelField<&M::InnerProfileFlangeThickness>, "ts", 2820, 1320),
              dim("txtProfiilinLeveys", modelField<&M::InnerProfileWidth>, "bs",
                  1740, 1560, "txtAlalaipanLeveys"),
              dim("txtAlalaippa", modelField<&M::BottomFlangeThickness>, "tb", 3120, 1950),
              dim("txtAlalaipanLeveys", modelField<&M::BottomFlangeWidth>, "bb", 1740, 2520),
              dim("txtKotelonKorkeus", modelField<&M::BoxHeight>, "hk", 300, 1560),
              dim("txtKotelonPaksuus", modelField<&M::BoxPlateThickness>, "tk", 660,
                  1920),
              dim("txtVasenLeuka", modelField<&M::LeftLedgeWidth>, "wL", 300, 2520),
              dim("txtOikeaLeuka", modelField<&M::RightLedgeWidth>, "wR", 3180, 2520),
              dim("txtPyoristys", modelField<&M::CornerRadius>, "r", 1380, 960)},
             composite,
             {steelBeamReinforcement(2, 491, 250)},
             MekSketch,
             [](const M& m, float b1, float b2, std::string& l) {
                 return app::CheckMekBeamGeometry(m, 0.0f, b1, b2, l);
             },
             nullptr,
             &M::DowelledConnection,
             "Vaarnoitus uumassa"});

        std::vector<SectionField> abeam = heightAndPlates();
        ledges(abeam);
        abeam.push_back(dim("txtReika", modelField<&M::WebHoleDiameter>, "D1", 2880, 1020));
        abeam.push_back(dim("txtReiatEtaisyys", modelField<&M::WebHoleEdgeDistance>, "e1", 3180, 1320));
        abeam.push_back(dim("txtAlareika", modelField<&M::LowerHoleDiameter>, "D2", 3000, 1620));
        abeam.push_back(dim("txtAlareiatEtaisyys", modelField<&M::LowerHoleEdgeDistance>, "e2", 3180, 1920));
        // The holes' labels take the right side: the bottom plate and ledge
        // plate labels move left, above the plate's end (on it the plate's
        // outline ran through "tb").
        placeSymbol(abeam, "txtAlalaippa", 300, 1965);
        placeSymbol(abeam, "txtLeukalevy", 300, 1680);
        all.push_back({F::AB, "A-palkki S", abeam, composite, {steelBeamReinforcement(5, 113, 20)},
                       InclinedSketch,
                       [](const M& m, float b1, float b2, std::string& l) {
                           return app::CheckPlainBeamGeometry(m, 0, b1, b2, l);
                       },
                       completeAbeamS, &M::DowelledConnection, "Vaarnoitus uumassa"});
    }
    for (BeamFamilyTable& t : all) {
        for (SectionField& f : t.fields) {
            f.range = rangeOf(t.formName(), f.control);
            const model::SectionCaption* c = model::sectionCaption(t.family, f.symbol);
            if (!c) throw std::logic_error("a beam dialog's dimension without a section caption");
            f.caption = c->finnish;
        }
        for (MaterialField& f : t.materials)
            if (!f.classList) f.range = rangeOf(t.formName(), f.control);
        for (RowGroupTable& g : t.rows) {
            g.modulus.range = rangeOf(t.formName(), g.modulus.control);
            g.strength.range = rangeOf(t.formName(), g.strength.control);
        }
    }
    return all;
}

const std::vector<BeamFamilyTable>& tables() {
    static const std::vector<BeamFamilyTable> t = makeTables();
    return t;
}

}  // namespace

std::span<const BeamFamilyTable> beamFamilyTables() { return tables(); }

const BeamFamilyTable* findBeamFamilyTable(std::string_view formName) {
    for (const BeamFamilyTable& t : tables())
        if (formName == t.formName()) return &t;
    return nullptr;
}

void completeSection(ProjectModel& m, const BeamFamilyTable& table) {
    inputfile::completeSectionFields(m, m.Family());
    if (table.complete) table.complete(m);
}

Value boundValue(double v) {
    if (v == std::trunc(v) && std::fabs(v) < 2147483648.0) return Value(static_cast<int32_t>(v));
    return Value(v);
}

}  // namespace quorvel::dialogs
