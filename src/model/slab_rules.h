#pragma once
// What the slab catalogue's lines and a strand designation must satisfy for
// what they describe to exist.
//
// A slab line is held to the section the calculation builds from its
// columns: the cores and webs fit the unit's width, the flanges and the
// cores fit its height, a built-up core's parts fit its core, the strand
// axis lies inside the slab. A strand line's area fits a circle of its
// diameter. A strand designation ("10L": ten strands of the catalogue's
// strand type L; "6": six of type 0) names a strand type of the catalogue
// and a whole number of strands that one layer of the unit holds: at
// least 1 for the bottom strands, from 0 for the top strands.
// data/README.md derives each rule.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::model {

// A rule that values break, said in both languages of the windows, without
// the file, line or field (the caller names those).
struct RuleBreach {
    std::string finnish;
    std::string english;
    const std::string& text(int16_t language) const { return language == 1 ? english : finnish; }
};

// The columns of a slab line that its section is built from, mm: cores n,
// height h, top flange t, core height hc, straight part of the core hct
// (0: a circular core), narrowing bottom part hv, core width d, core width
// at the bottom bb, unit width b, width deduction db, edge distance of the
// outer core centre e, strand axis height ap; and the self weight g of
// the unit, kN/m2.
struct SlabSectionColumns {
    double n = 0, h = 0, t = 0, hc = 0, hct = 0, hv = 0, d = 0, bb = 0, b = 0, db = 0, e = 0, ap = 0, g = 0;
};

// The first rule the section breaks (a column that is not a finite number
// among them), or nothing for a section that can exist. The number of
// cores counts by its whole part, as the calculation takes it.
std::optional<RuleBreach> slabSectionBreach(const SlabSectionColumns& c);

// The self weight g of a slab line is that of normal-weight concrete over
// the concrete area A0 (mm2) of its section: 20 <= 1000 g b / A0 <= 27
// kN/m3 (EN 206 2000 to 2600 kg/m3, with 1 kN/m3 for the steel, EN
// 1991-1-1 Table A.1). For a section that breaks no rule of
// slabSectionBreach.
std::optional<RuleBreach> selfWeightBreach(const SlabSectionColumns& c, double concreteArea);

// A strand line: the strand's area lies within the circle of its diameter,
// its bond factor within those of strands and wires, its modulus Ep (MPa)
// within the range of strand.
std::optional<RuleBreach> strandLineBreach(double diameter, double area, double bondFactor, double modulus);

// The strands of a layer at the strand axis height ap of a slab line have
// the cover their bond needs: ap - diameter / 2 >= 1.5 diameter.
std::optional<RuleBreach> strandCoverBreach(double axisHeight, double diameter);

// A strand type of the catalogue: its key (the first field of its line)
// and its diameter, mm.
struct StrandType {
    std::string key;
    double diameter = 0;
    double strength = 0;  // characteristic tensile strength fpk, MPa
};

// The characteristic 0.1 % proof stress fp0.1k of a strand over its
// tensile strength fpk: prEN 10138-3 gives the 0.1 % proof force of every
// strand as 0.88 times its characteristic maximum force.
inline constexpr double StrandProofStressRatio = 0.88;

// The largest stress a strand of tensile strength fpk may be tensioned to,
// EN 1992-1-1 5.10.2.1(1): min(k1 fpk, k2 fp0.1k) with k1 = 0.8 and
// k2 = 0.9: 0.792 fpk, 1473.12 MPa for fpk 1860.
double strandInitialStressLimit(double fpk);

// The most strands of the diameter that one layer of a unit of the section
// holds, or nothing when the section breaks a rule or the diameter is not
// a positive number (the calculation refuses those lines by themselves).
std::optional<int> strandLayerCapacity(const SlabSectionColumns& c, double diameter);

// The strand type key of a designation: "0" when it ends in a digit, else
// its last character (a whole UTF-8 character); empty for an empty one.
std::string strandKeyOf(std::string_view code);

enum class StrandLayer { Bottom, Top };

// The designation of the bottom or top strands held to the catalogue's
// strand types (the first type of a key counts, as in the calculation's
// search) and to the strands one layer of the section holds. An empty top
// designation means no top strands and is taken; an empty bottom one is
// not. Nothing when the designation is taken.
std::optional<RuleBreach> strandDesignationBreach(std::string_view code, StrandLayer layer,
                                                  const SlabSectionColumns& section,
                                                  const std::vector<StrandType>& types);

}  // namespace quorvel::model
