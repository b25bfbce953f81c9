#include "analysis/analysis_setup.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"

namespace {

using quorvel::analysis::CalculationGridSize;
using quorvel::analysis::CommonToppingTopLevel;
using quorvel::analysis::ResolveBeamSideValue;
using quorvel::model::ProjectModel;
using quorvel::runtime::Value;
using quorvel::testing::errorOf;

struct Resolved {
    double value;   // the caller's field afterwards
    double result;
};

Resolved resolve(const std::string& type, double fallback, double value) {
    std::string code = type;
    Value field = value, result;
    ResolveBeamSideValue(code, fallback, field, result);
    return {field, result};
}

TEST(ResolveBeamSideValue, NegativeIsMadePositiveForEveryFamily) {
    for (const char* type : {"SUORA", "LBL", "MEK", "DELTA"}) {
        const Resolved r = resolve(type, 120, -70);
        EXPECT_DOUBLE_EQ(r.value, 70) << type;
        EXPECT_DOUBLE_EQ(r.result, 70) << type;
    }
}

TEST(ResolveBeamSideValue, NearZeroTakesTheDefaultAndLbAndMeGiveZero) {
    EXPECT_DOUBLE_EQ(resolve("SUORA", 120, 0.05).value, 120);
    EXPECT_DOUBLE_EQ(resolve("SUORA", 120, 0.05).result, 120);
    EXPECT_DOUBLE_EQ(resolve("LBL", 120, 0.05).value, 120);
    EXPECT_DOUBLE_EQ(resolve("LBL", 120, 0.05).result, 0);
    EXPECT_DOUBLE_EQ(resolve("MEK", 120, 0.05).result, 0);
    // 0.1 is no longer near zero.
    EXPECT_DOUBLE_EQ(resolve("SUORA", 120, 0.1).result, 0.1);
}

TEST(ResolveBeamSideValue, ValueKeptExceptForLbAndFamilyAsItStands) {
    EXPECT_DOUBLE_EQ(resolve("SUORA", 120, 65).result, 65);
    EXPECT_DOUBLE_EQ(resolve("MEK", 120, 65).result, 65);
    EXPECT_DOUBLE_EQ(resolve("LB", 120, 65).result, 0);
    EXPECT_DOUBLE_EQ(resolve("LB", 120, 65).value, 65);
    // The family is compared as it stands: "lb" is not "LB".
    EXPECT_DOUBLE_EQ(resolve("lbl", 120, 65).result, 65);
}

TEST(CalculationGridSize, StationsCloserThanTheSlabCores) {
    // n = (floor(6000 / 1200) + 1) 6 + 1 = 6 * 6 + 1 = 37.
    EXPECT_EQ(CalculationGridSize(6000, 1200, 1200, 6, 6), 37);
    // 9000: (7 + 1) 6 + 1 = 49.
    EXPECT_EQ(CalculationGridSize(9000, 1200, 1200, 6, 6), 49);
    // 12000: (10 + 1) 6 + 1 = 67, limited to 50 (51 stations, 240 mm apart).
    EXPECT_EQ(CalculationGridSize(12000, 1200, 1200, 6, 6), 50);
    // The narrower unit and the larger core count govern:
    // (floor(6000 / 1000) + 1) 5 + 1 = 36.
    EXPECT_EQ(CalculationGridSize(6000, 1200, 1000, 4, 5), 36);
    // Below the limit the station spacing is less than the core spacing.
    for (double span : {2400.0, 3700.0, 5999.0, 7100.0}) {
        const int n = CalculationGridSize(span, 1200, 1200, 4, 4);
        ASSERT_LT(n, 50);
        EXPECT_LT(span / n, 1200.0 / 4) << span;
    }
}

TEST(CalculationGridSize, DegenerateGeometryIsDivisionByZero) {
    EXPECT_EQ(errorOf([] { CalculationGridSize(6000, 0, 1200, 6, 6); }), 11);
    EXPECT_EQ(errorOf([] { CalculationGridSize(0, 1200, 1200, 6, 6); }), 11);
    EXPECT_EQ(errorOf([] { CalculationGridSize(-6000, 1200, 1200, 6, 6); }), 11);
    // A span beyond the count's range is an overflow, not a huge grid.
    EXPECT_EQ(errorOf([] { CalculationGridSize(1e300, 1e-3, 1e-3, 6, 6); }), 6);
    // Slabs without cores still have the two end stations.
    EXPECT_EQ(CalculationGridSize(6000, 1200, 1200, 0, 0), 1);
}

ProjectModel twoSlabLevels() {
    ProjectModel m;
    m.ToppingThickness = 50;
    m.SlabBottomLevel(1) = 400;  // left slab top 400 + 320 = 720
    m.SlabHeight(1) = 320;
    m.SlabBottomLevel(2) = 400;  // right slab top 400 + 265 = 665
    m.SlabHeight(2) = 265;
    return m;
}

TEST(CommonToppingTopLevel, OnlySidesCarryingSlabsSetTheLevel) {
    ProjectModel m = twoSlabLevels();
    m.SlabSidePresent(1) = 1;
    m.SlabSidePresent(2) = 1;
    EXPECT_DOUBLE_EQ(CommonToppingTopLevel(m), 770);  // 720 + 50
    // Edge beam with the right field only: the left slab type left over from
    // a middle beam does not raise the top (665 + 50, not 770).
    m.SlabSidePresent(1) = 0;
    EXPECT_DOUBLE_EQ(CommonToppingTopLevel(m), 715);
    // Neither side carries slabs: both enter.
    m.SlabSidePresent(2) = 0;
    EXPECT_DOUBLE_EQ(CommonToppingTopLevel(m), 770);
}

}  // namespace
