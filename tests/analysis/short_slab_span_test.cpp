// Slab fields of very short span: below the span the slab's own end zones
// need, a side is not calculated; above it the web shear stress thc from
// the slab's own support reaction stays positive under downward loads and
// grows with the span, in every beam family of the fixture corpus.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "analysis/calculation_driver.h"
#include "analysis/slabs_on_beam.h"
#include "calculation_support.h"
#include "support/fixture_projects.h"

namespace quorvel::analysis {
namespace {

using quorvel::testing::CalculationFolder;

// One calculation with the spacings of the sides with slabs set: both
// ends, or the beam start only. The smallest and largest thc over the
// stations and sides come from the run's own station table.
struct Outcome {
    int16_t status = 0;
    std::string message;
    double thcMin = 1e30, thcMax = -1e30, shear = 0;
};

Outcome calculate(const CalculationFolder& data, const std::string& fixture, double spacing, bool startOnly,
                  model::ProjectModel* kept = nullptr) {
    auto m = std::make_unique<model::ProjectModel>();
    data.load(*m, fixture);
    for (int s = m->IsMiddleBeam != 0 ? 1 : 2; s <= 2; ++s) {
        m->BeamSpacing(s, 1) = spacing;
        if (!startOnly) m->BeamSpacing(s, 2) = spacing;
    }
    Outcome o;
    runtime::Messages messages;
    o.status = PerformCalculation(*m, messages, [&](const model::ProjectModel& r, const SupportLineTables& t) {
        for (int s = 1; s <= 2; ++s) {
            if (r.SlabSidePresent(s) == 0) continue;
            for (int i = 0; i <= r.CalculationPointCount; ++i) {
                o.thcMin = std::min(o.thcMin, t.thcStress(i, s).number());
                o.thcMax = std::max(o.thcMax, t.thcStress(i, s).number());
            }
        }
    });
    if (!messages.empty()) o.message = messages.back().english;
    for (int s = 1; s <= 2; ++s) o.shear = std::max(o.shear, m->SlabShearUtilisation(s).number());
    if (kept) *kept = *m;
    return o;
}

// Before the bound was held, ledge_edge_beam_hole.dat gave thc -0.12 MPa at
// 700 mm, and its shear utilisation fell from 0.369 to 0.274 between 400
// and 500 mm; JALO with 200 mm at the beam start gave thc 10.85 MPa (0.41
// at 400). Now each fixture refuses every spacing up to its bound, naming
// it, and above it thc is positive at every station and it and the shear
// utilisation never fall as the span grows.
TEST(ShortSlabSpans, EveryFamilyRefusesSpansTooShortAndKeepsThcPositiveAndRisingAbove) {
    CalculationFolder data;
    const std::vector<double> spacings = {200, 500, 700, 900, 1100, 1300, 1500, 1700, 2000, 3000, 7200};
    for (const auto& path : quorvel::testing::fixtureProjects()) {
        const std::string fixture = path.filename().string();
        SCOPED_TRACE(fixture);
        Outcome last;
        bool accepted = false;
        for (double spacing : spacings) {
            const Outcome o = calculate(data, fixture, spacing, false);
            SCOPED_TRACE(spacing);
            if (o.status != 0) {
                EXPECT_FALSE(accepted) << "refused above an accepted spacing";
                EXPECT_EQ(o.status, -1);
                EXPECT_NE(o.message.find("Not calculated: the beam spacing of the "), std::string::npos) << o.message;
                EXPECT_NE(o.message.find(", " + std::to_string(static_cast<int>(spacing)) + " mm, leaves its slabs no span"),
                          std::string::npos)
                    << o.message;
                continue;
            }
            EXPECT_GE(o.thcMin, 0.0);
            if (accepted) {
                EXPECT_GE(o.thcMax, last.thcMax - 1e-9);
                EXPECT_GE(o.shear, last.shear - 1e-9);
            }
            accepted = true;
            last = o;
        }
        EXPECT_TRUE(accepted);
        // A short span at the beam start alone is refused as well.
        const Outcome startOnly = calculate(data, fixture, 200, true);
        EXPECT_EQ(startOnly.status, -1);
        EXPECT_NE(startOnly.message.find("at the beam start, 200 mm"), std::string::npos) << startOnly.message;
    }
}

// concrete_middle_beam.dat (SUORA, P27 on the beam top on both sides,
// joint grout 90, support 65 mm, loads 1.0 + 2.5 kN/m2 with gamma 1.15 and
// 1.5, slab self weight 3.60 kN/m2 times 1.15, topping load 0.0011 kN/m2)
// with spacings of 1200 mm, by hand:
//   slab length 1200 - 2 x 90 = 1020; span between bearing centres Ln =
//   1020 - 65 = 955 > 4 (h - ap) = 4 (265 - 45) = 880: calculated.
//   Lr = Ln - b.cr = 955 - (265 - 105) = 795 mm.
//   VA = 0.5 (3.60 x 1.15 + 0.0011 x 1.15) x 0.795 = 1.646153 kN/m;
//   VB = 0.5 (1.0 x 1.15 + 2.5 x 1.5) x 0.795 = 1.947750 kN/m.
//   End factor (SUORA: leff = support 65, lmax 60 of the catalogue):
//   a = (65 + 160) / 2 = 112.5, u = 440 - 112.5 = 327.5,
//   p = 327.5^2 / 880 = 121.8821, r = 477.5 / (477.5 - 121.8821) = 1.342733,
//   beta.e = 1 + (1 - 1.342733) x 65 / 60 = 0.628706.
//   thc = (VA S / I + VB St / It) b / (bw beta.e), with the section values
//   of the slab; at 1125 mm (Ln = 880, no more than 4 d) it is refused.
TEST(ShortSlabSpans, HandCalculationAtASpanJustAboveTheBound) {
    CalculationFolder data;
    auto m = std::make_unique<model::ProjectModel>();
    const Outcome o = calculate(data, "concrete_middle_beam.dat", 1200, false, m.get());
    ASSERT_EQ(o.status, 0) << o.message;
    const double VA = 0.5 * (3.60 * 1.15 + 0.0011 * 1.15) * 0.795;
    const double VB = 0.5 * (1.0 * 1.15 + 2.5 * 1.5) * 0.795;
    const double betaE = 0.628706;
    for (int s = 1; s <= 2; ++s) {
        EXPECT_NEAR(m->SlabShearPartA(s, 10).number(), VA, 1e-5);
        EXPECT_NEAR(m->SlabShearPartB(s, 10).number(), VB, 1e-5);
        const double thc = (VA * m->SlabFirstMoment(s) / m->SlabMomentOfInertia(s) +
                            VB * m->ToppedSlabFirstMoment(s) / m->ToppedSlabMomentOfInertia(s)) *
                           m->SlabUnitWidth(s) / (m->SlabWebWidthSum(s) * betaE);
        EXPECT_NEAR(o.thcMax, thc, 1e-5 * thc);
        EXPECT_NEAR(o.thcMin, thc, 1e-5 * thc);  // the same span all along the beam
    }
    const Outcome atBound = calculate(data, "concrete_middle_beam.dat", 1125, false);
    EXPECT_EQ(atBound.status, -1);
    EXPECT_EQ(atBound.message,
              "Not calculated: the beam spacing of the left slab field at the beam start, 1125 mm, leaves its slabs no "
              "span: the spacing must be more than 1125 mm (the beam and the joints take 180 mm, the support 65 mm and "
              "the slab's end zones 2 × 440 mm).");
}

}  // namespace
}  // namespace quorvel::analysis
