#include "model/field_limits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <regex>

#include "model/field_names.h"

namespace quorvel::model {
namespace {

TEST(FieldLimits, RangesHoldOnlyFiniteSingleNumbersWithTheirEnds) {
    const NumberRange open{};
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {std::nan(""), inf, -inf, 1e39, -1e39}) EXPECT_FALSE(open.contains(bad)) << bad;
    EXPECT_TRUE(open.contains(-3.4e38));
    const NumberRange closed{200, 30000, false};
    EXPECT_TRUE(closed.contains(200));
    EXPECT_TRUE(closed.contains(30000));
    EXPECT_FALSE(closed.contains(199.9));
    const NumberRange fraction{0, 1, true};
    EXPECT_FALSE(fraction.contains(0));
    EXPECT_TRUE(fraction.contains(1));
    EXPECT_EQ(describeRange(closed, "mm"), "200 ... 30000 mm");
    EXPECT_EQ(describeRange(fraction), "> 0 ... 1");
    EXPECT_EQ(describeRange({0, FLT_MAX, false}), "≥ 0");
    EXPECT_EQ(describeRange({0.8, 1.2, false}, {}, ','), "0,8 ... 1,2");
}

TEST(FieldLimits, FieldsByElement) {
    // The right spacings are needed on every beam, the left ones on a
    // middle beam only; a slab point load takes decimals, its place whole mm up to 40 m.
    EXPECT_FALSE(withinFieldLimit("BeamSpacing", 8, -7800));
    EXPECT_FALSE(withinFieldLimit("BeamSpacing", 8, 1e39));
    EXPECT_FALSE(withinFieldLimit("BeamSpacing", 5, 0));
    EXPECT_FALSE(withinFieldLimit("BeamSpacing", 4, 0, true));
    EXPECT_TRUE(withinFieldLimit("BeamSpacing", 4, 0, false));
    EXPECT_TRUE(withinFieldLimit("SlabPointLoadG", 7, 12));
    EXPECT_TRUE(withinFieldLimit("SlabPointLoadG", 7, 12.5));
    EXPECT_FALSE(withinFieldLimit("SlabPointLoadG", 13, 40000));
    EXPECT_TRUE(withinFieldLimit("SlabPointLoadY", 13, 40000));
    EXPECT_FALSE(withinFieldLimit("SlabPointLoadY", 13, 40001));
    EXPECT_FALSE(withinFieldLimit("SlabLineLoadY", 13, 3000.5));
    EXPECT_FALSE(withinFieldLimit("ReleaseStrengthRatio", 0, 0));
    EXPECT_FALSE(withinFieldLimit("ConsequenceClassFactorKfi", 0, -1));
    // K_FI of the annex's consequence classes CC1 ... CC3: 0.9 ... 1.1.
    for (const auto& [kfi, inside] : {std::pair{0.9, true}, {1.1, true}, {0.89, false}, {1.11, false}})
        EXPECT_EQ(withinFieldLimit("ConsequenceClassFactorKfi", 0, kfi), inside) << kfi;
    EXPECT_TRUE(withinFieldLimit("SupportMomentEndPermanent", 0, -250.5));
    EXPECT_EQ(fieldLimit("NoSuchField"), nullptr);
    EXPECT_EQ(fieldLimit("BarArea", 11), nullptr);
}

TEST(FieldLimits, BoxesByWindowAndControl) {
    const BoxLimit* spacing = boxLimit("frmQuorvel", "txtVasenalkuvali");
    ASSERT_NE(spacing, nullptr);
    EXPECT_EQ(spacing->field, "BeamSpacing");
    EXPECT_EQ(spacing->element, 4);
    EXPECT_EQ(spacing->defaultValue, 7200);
    // A beam dialog's shared row editor box; not a box of another window.
    const BoxLimit* bars = boxLimit("frmTIpalkki", "txtRaudLkm");
    ASSERT_NE(bars, nullptr);
    EXPECT_TRUE(bars->whole);
    EXPECT_EQ(boxLimit("frmQuorvel", "txtRaudLkm"), nullptr);
    // A dialog's own row wins over the shared one.
    EXPECT_EQ(boxLimit("FrmKemo", "txtJanneA")->defaultValue, 100);
    EXPECT_FALSE(boxLimit("frmLaatankuormat", "txtVasenPysyvaPisteKuorma")->whole);
    EXPECT_TRUE(boxLimit("frmLaatankuormat", "txtVasenPisteY")->whole);
    EXPECT_FALSE(boxLimit("frmKuormat", "txtPysyvapisteg")->whole);
}

// Every box edits a field the table knows (or none, for a box whose value
// the model derives a field from), and what it accepts the field can hold:
// its fixed bounds and its default lie inside the field's limits.
TEST(FieldLimits, EveryBoxAcceptsOnlyWhatItsFieldHolds) {
    for (const BoxLimit& b : boxLimits()) {
        SCOPED_TRACE(std::string(b.form) + "/" + std::string(b.control));
        if (b.field.empty()) continue;
        const int element = b.element < 0 ? 0 : b.element;
        const FieldLimit* f = nullptr;
        for (const FieldLimit& candidate : fieldLimits())
            if (candidate.field == b.field && (b.element < 0 || (element >= candidate.firstElement &&
                                                                  element <= candidate.lastElement)))
                f = &candidate;
        ASSERT_NE(f, nullptr) << "no field row";
        auto inField = [&](double shown) { return f->range.contains(shown / b.scale); };
        if (b.range.hasMinimum() && !has(b.computed, Computed::Minimum)) {
            EXPECT_TRUE(inField(b.range.minimum) || b.range.aboveMinimum) << "minimum " << b.range.minimum;
        }
        if (b.range.hasMaximum() && !has(b.computed, Computed::Maximum)) {
            EXPECT_TRUE(inField(b.range.maximum)) << "maximum " << b.range.maximum;
        }
        if (b.defaultValue) {
            EXPECT_TRUE(b.range.contains(*b.defaultValue)) << "default " << *b.defaultValue;
            EXPECT_TRUE(inField(*b.defaultValue)) << "default " << *b.defaultValue;
        }
        if (f->whole) {
            EXPECT_TRUE(b.whole);
        }
    }
}

// Every element of every input field has a name of its own in each
// language for the messages that name it, never the model's name of the
// field: a box's caption where one edits just that element, else the
// field's name with its side, row or load.
TEST(FieldNames, EveryInputFieldIsNamedInBothLanguagesWithoutItsModelName) {
    const std::regex modelName(R"(\b[A-Z][a-z]+[A-Z]\w*)");
    for (const FieldLimit& f : fieldLimits())
        for (int e = f.firstElement; e <= f.lastElement; ++e) {
            const FieldName name = fieldName(f.field, e);
            SCOPED_TRACE(std::string(f.field) + " " + std::to_string(e) + ": " + name.finnish + " / " + name.english);
            EXPECT_FALSE(name.finnish.empty());
            EXPECT_NE(name.finnish, name.english);
            EXPECT_FALSE(std::regex_search(name.finnish, modelName));
            EXPECT_FALSE(std::regex_search(name.english, modelName));
        }
    // The element decides the side, the row and the load.
    EXPECT_EQ(fieldName("ConcreteQualityClass", 4).text(1), "Quality class of the slab concrete, left");
    EXPECT_EQ(fieldName("BarArea", 3).text(0), "Raudoitteen pinta-ala, rivi 3");
    EXPECT_EQ(fieldName("SlabLineLoadG", 2 + 6 * 2).text(1), "Permanent line load, load 2, right");
    EXPECT_EQ(fieldName("BeamPointLoad", 2 + 3 * 4).text(0), "Muuttuva pistekuorma 4");
    EXPECT_EQ(fieldName("StrandPrestressLoss", 1).text(0), "Jännityshäviö, vasen");
}

// In a project of a family a section field is named as the family's dialog
// shows it, so that a message names the box the user mends. A field the
// dialog shows worked out from others, a row's field, a field of no
// section and a family without a dialog keep the field's own name.
TEST(FieldNames, ASectionFieldIsNamedByItsFamilysDialog) {
    using F = BeamFamily;
    struct Row {
        const char* field;
        int element;
        std::optional<BeamFamily> family;
        const char* finnish;
        const char* english;
    };
    const Row rows[] = {
        {"TopFlangeWidth", 0, F::AP, "Ylälevyn leveys (bt)", "Top plate width (bt)"},
        {"TopFlangeWidth", 0, F::TI, "Ylälaipan leveys (bt)", "Top flange width (bt)"},
        {"TopFlangeWidth", 0, std::nullopt, "Ylälaipan leveys", "Top flange width"},
        {"TopFlangeWidth", 0, F::HX, "Ylälaipan leveys", "Top flange width"},
        // The box beams and LB keep a bottom plate and an angle in the
        // ledge plate's field.
        {"LeftLedgeHeight", 0, F::CW, "Alalaipan paksuus (tb)", "Bottom flange thickness (tb)"},
        {"LeftLedgeHeight", 0, F::KE, "Kulmateräksen paksuus (t)", "Angle thickness (t)"},
        {"CornerRadius", 0, F::ME, "Pyöristyssäde (r)", "Corner radius (r)"},
        // LBL's and KVATRO's boxes show the plate less its ledges (and webs).
        {"BottomFlangeWidth", 0, F::LB, "Alalaipan leveys", "Bottom flange width"},
        {"BottomFlangeWidth", 0, F::KV, "Alalaipan leveys", "Bottom flange width"},
        // KVATRO's window gives its first row a box of its own; another
        // family's row is named by its row.
        {"BarDistanceFromBottom", 1, F::KV, "Alareunan raudoitteen etäisyys",
         "Distance of the bottom bars from the bottom"},
        {"BarDistanceFromBottom", 1, F::SU, "Raudoitteen etäisyys alapinnasta, rivi 1",
         "Bar distance from the bottom, row 1"},
        {"BeamSpan", 0, F::AP, "Palkin jänneväli", "Beam span"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.field) + " " + (r.family ? std::string(FamilyCode(*r.family)) : "-"));
        const FieldName name = fieldName(r.field, r.element, r.family);
        EXPECT_EQ(name.finnish, r.finnish);
        EXPECT_EQ(name.english, r.english);
    }
}

}  // namespace
}  // namespace quorvel::model
