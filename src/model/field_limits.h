#pragma once
// The one table of the limits of the model's numeric input fields, read by
// every door a number comes in through: the boxes of the main window and
// of the dialogs, and the project file reader.
//
// Two kinds of rows:
//   - FieldLimit: per model field (and array element) what the calculation
//     can use at all: a finite number inside the field's precision,
//     positive where a slab side or the beam needs it, and whether the
//     field holds whole numbers. A value outside it is never calculated.
//   - BoxLimit: per input box (window and control) the bounds the box
//     checks when it is left and the value an emptied box gets. Bounds
//     that depend on other input (half the span, the beam family, a value
//     typed in another box) are marked computed: the window works them out
//     when the box is left; the fixed parts stand here.
//
// Fields are named as in ProjectModel; an array element is given by its
// single element number (side for per-side arrays, side + 3 * end for
// BeamSpacing, side + 3 * hole for the holes, load + 6 * side for the slab
// loads, kind + 3 * load for BeamPointLoad, the row for the row arrays).

#include <cfloat>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/beam_family.h"

namespace quorvel::model {

// An interval of numbers. The bounds are inclusive unless said otherwise;
// an open end is the largest single-precision number, so that every range
// holds only numbers a single-precision field can keep.
struct NumberRange {
    double minimum = -FLT_MAX;
    double maximum = FLT_MAX;
    bool aboveMinimum = false;  // the minimum itself is outside (a value must exceed it)
    bool hasMinimum() const { return minimum > -FLT_MAX; }
    bool hasMaximum() const { return maximum < FLT_MAX; }
    // Whether v lies inside; NaN and infinities never do.
    bool contains(double v) const;
};

// What the calculation can use of a field.
struct FieldLimit {
    std::string_view field;
    int firstElement = 0;  // the elements this row covers; 0..0 for a plain field
    int lastElement = 0;
    NumberRange range;
    bool whole = false;  // whole numbers only
    // The range binds only on a slab side in use: the right side always,
    // the left side on a middle beam (the left side of an edge beam carries
    // no slabs, and its fields are kept as they are).
    bool slabSideOnly = false;
    // The plain field that bounds this one: its magnitude may not exceed
    // atMostFactor times that field's value (a prestress and the strength
    // of its steel; the first joint and half the span); empty for none.
    std::string_view atMostField = {};
    double atMostFactor = 1.0;
    // What that bound is, in words, Finnish and English ("puolet palkin
    // jännevälistä", "half the beam's span"); empty: the other field's name.
    // Words without a field: a bound that the slab catalogue gives (the
    // strands' initial stress by their strength).
    std::string_view atMostFinnish = {};
    std::string_view atMostEnglish = {};
};

// Which of a box's bounds the window works out when the box is left.
enum class Computed : unsigned {
    None = 0,
    Minimum = 1,
    Maximum = 2,
    Default = 4,
};
constexpr Computed operator|(Computed a, Computed b) {
    return static_cast<Computed>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool has(Computed set, Computed c) { return (static_cast<unsigned>(set) & static_cast<unsigned>(c)) != 0; }

// The caption of a strand row group's strength box, which takes the 0.1 %
// proof stress; a file's value outside the box's range is named by it.
inline constexpr const char* StrandStrengthName = "0,1-rajan ominaislujuus fp0.1k";
inline constexpr const char* StrandStrengthEnglishName = "0.1 % proof stress fp0.1k";
// The caption of a row group's strength box that takes bars or strands: a
// value above 1000 MPa is designed as prestressing steel from its 0.1 %
// proof stress, so the caption names both (fyk of bars, fp0.1k of strands).
inline constexpr const char* BarOrStrandStrengthName = "Lujuus fyk, punokset fp0.1k";

// An input box: what it edits, what it checks when it is left.
struct BoxLimit {
    // The window's form name; empty for the boxes every beam dialog shares
    // (span, spacings, row editors), which a row of the dialog's own form
    // name overrides.
    std::string_view form;
    std::string_view control;
    std::string_view field;
    // The element the box edits; -1 when it follows from what the window
    // shows (the load or reinforcement row selected).
    int element = 0;
    NumberRange range;                   // the fixed bounds
    std::optional<double> defaultValue;  // what an emptied box gets; none: an empty box is refused
    Computed computed = Computed::None;
    // The field's name in messages, where no caption stands beside the box
    // (a box on a figure or in a grid of sides and ends); empty: the
    // caption beside the box names it.
    std::string_view name;
    // The box shows the field times this (a fraction shown as per cent).
    double scale = 1.0;
    // The box takes whole numbers only (its field holds whole numbers, or
    // it counts or numbers loads or rows).
    bool whole = false;
    // The name in messages of an English window, where name gives the
    // Finnish one.
    std::string_view englishName;
    // The unit of the number the box shows ("mm", "kN/m²", "%"); empty for
    // a factor, a count or a concrete class.
    std::string_view unit;
};

// The field's row, or nullptr for a field that is not a numeric input.
const FieldLimit* fieldLimit(std::string_view field, int element = 0);
// Whether the value may stand in the field: inside its range and whole
// where whole numbers are held. middleBeam says whether the left side
// carries slabs (for the rows that bind only on a slab side). A field
// without a row takes any finite single-precision number.
bool withinFieldLimit(std::string_view field, int element, double value, bool middleBeam = true);
// The limit as an engineer writes it, in no language's words, with the
// unit where one is given: "200 ... 30000 mm", "> 0 ... 1" (0 itself
// outside), "≥ 20 mm", "> 0". A bound is a whole number without a decimal
// mark, else a number at single precision with the decimal mark given.
std::string describeRange(const NumberRange& range, std::string_view unit = {}, char decimalMark = '.');
// The unit of what the field holds ("mm", "kN/m²", "MPa"), empty for a
// factor, a count, a ratio or a concrete class.
std::string_view fieldUnit(std::string_view field);

// The range a value read from a project file is held to: the field's row
// narrowed by the fixed bounds of every box that edits the field (or every
// element of it) in the windows a project of the beam family shows: the
// main window and its dialogs, and the family's beam dialog. A bound that a
// window works out from other input is left to the window. Nothing for a
// field without a row.
std::optional<NumberRange> projectFileRange(std::string_view field, int element, std::optional<BeamFamily> family);

// The box's row: the form's own row, else the shared beam-dialog row for
// a beam dialog's shared box; nullptr for a box without one.
const BoxLimit* boxLimit(std::string_view form, std::string_view control);
// Every box row and every field row, for tests and the file reader.
std::span<const BoxLimit> boxLimits();
std::span<const FieldLimit> fieldLimits();

}  // namespace quorvel::model
