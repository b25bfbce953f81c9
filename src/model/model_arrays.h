#pragma once
// Shapes of the project model's fixed arrays. All bounds are inclusive and
// index 0 exists. Two-index arrays run the first index fastest, so their
// single element number is i + (Hi1 + 1) * j:
//   (side, end), (side, hole), (side, k)   side + 3 * second index
//   (load, side)                           load + 6 * side
//   (kind, load)                           kind + 3 * load
//   (side, point)                          side + 3 * point
//   (point, stage)                         point + 51 * stage
// Sides: 1 left slab field, 2 right slab field. Ends: 1 beam start (x = 0),
// 2 beam end (x = BeamSpan). Holes and half-zones: 1 and 2.

#include <cstdint>
#include <string>

#include "runtime/arrays.h"
#include "runtime/value.h"

namespace quorvel::model {

using runtime::Array1;
using runtime::Array2;
using runtime::Array3;
using runtime::Value;

// Highest calculation point along the beam (points 0..50).
inline constexpr int MaxCalculationPoint = 50;
// Highest load-stage row of the along-the-beam tables (rows 0..6).
inline constexpr int MaxLoadStage = 6;

// Per side 0..2.
using SideArray = Array1<Value, 0, 2>;
using SideIntArray = Array1<int16_t, 0, 2>;
using SideSingleArray = Array1<float, 0, 2>;
using SideTextArray = Array1<std::string, 0, 2>;

// (side 0..2, second index 0..2): element side + 3 * index.
using SideEndArray = Array2<Value, 0, 2, 0, 2>;
using SideEndSingleArray = Array2<float, 0, 2, 0, 2>;
using SideHoleArray = SideEndArray;
using SidePairArray = SideEndArray;  // (side, k) with k = 1, 2

// Slab line and point loads: (load 0..5, side 0..2), element load + 6 * side.
using LoadSideArray = Array2<Value, 0, 5, 0, 2>;
// Beam point loads: (kind 0..2, load 0..5), element kind + 3 * load;
// kind 1 permanent, 2 variable.
using KindLoadArray = Array2<Value, 0, 2, 0, 5>;
// Per beam point load 0..5.
using LoadArray = Array1<Value, 0, 5>;

// Reinforcement rows, section parts of one list, load segments: 0..10.
using RowArray = Array1<Value, 0, 10>;
using RowIntArray = Array1<int16_t, 0, 10>;
using PartListArray = RowArray;
using SegmentArray = RowArray;
// Load segments by component: (segment 0..10, component 0..3).
using SegmentComponentArray = Array2<Value, 0, 10, 0, 3>;

// Concrete kinds 0..6: 1 beam, 2 infill of steel beams, 3 joint grout,
// 4 left slab, 5 right slab, 6 topping.
using ConcreteKindArray = Array1<Value, 0, 6>;
// Material kinds of the unit weights, 0..9.
using MaterialKindArray = Array1<Value, 0, 9>;
// Plate strength index 0..2.
using PlateStrengthArray = Array1<Value, 0, 2>;

// Transformed-section parts (slots 0..20), section stages and part groups
// (0..10).
using PartSlotArray = Array1<Value, 0, 20>;
using SectionStageArray = Array1<Value, 0, 10>;
using PartGroupArray = Array1<Value, 0, 10>;

// Along the beam: per calculation point, per (side, point) and per
// (point, stage).
using PointArray = Array1<Value, 0, MaxCalculationPoint>;
using SidePointArray = Array2<Value, 0, 2, 0, MaxCalculationPoint>;
using PointStageArray = Array2<Value, 0, MaxCalculationPoint, 0, MaxLoadStage>;
// (point 0..50, side 0..2, part 0..2).
using PointSidePartArray = Array3<Value, 0, MaxCalculationPoint, 0, 2, 0, 2>;

// Beam prestress equivalent loads 0..12.
using EquivalentLoadArray = Array1<Value, 0, 12>;
// Governing slab side results 0..3.
using GoverningSideArray = Array1<Value, 0, 3>;
// Zero points of the design moment 0..2.
using ZeroPointArray = Array1<Value, 0, 2>;
// Calculation status codes 0..10.
using StatusArray = Array1<int16_t, 0, 10>;

}  // namespace quorvel::model
