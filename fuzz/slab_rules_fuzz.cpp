// Feeds arbitrary bytes to the rules of the slab catalogue's lines and of
// strand designations. Each line of 17 words or more is a slab line, each
// other line of 6 words or more a strand line; every word is then tried as
// a bottom and a top designation of each slab line. Findings:
// - a slab line the rules take, with its values within the fields' own
//   limits, whose section (as the calculation builds it) has an area,
//   second moment, centroid or first moment that is not a finite number, a
//   concrete area or web width of 0 or less, or a second moment of 0 or
//   less;
// - a designation the rules take whose key is not a strand type given, or
//   whose count (as the calculation splits it) is not whole, below its
//   least (1 bottom, 0 top) or above the strands one layer holds.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "library/slab_data.h"
#include "library/slab_section.h"
#include "model/project_model.h"
#include "model/slab_rules.h"
#include "runtime/errors.h"
#include "runtime/number_text.h"

namespace {

using quorvel::model::SlabSectionColumns;
using quorvel::model::StrandLayer;

std::vector<std::string> wordsOf(const std::string& line) {
    std::vector<std::string> words;
    std::size_t p = 0;
    while ((p = line.find_first_not_of(' ', p)) != std::string::npos) {
        const std::size_t e = std::min(line.find(' ', p), line.size());
        words.push_back(line.substr(p, e - p));
        p = e;
    }
    return words;
}

double number(const std::string& word) {
    try {
        return quorvel::runtime::scanNumber(word);
    } catch (const quorvel::runtime::RunTimeError&) {
        return NAN;  // beyond the double range: the rules refuse it
    }
}

// The section of one side as the calculation builds it, without strands
// or topping; aborts on a section that cannot be the one the rules took.
void checkSection(const SlabSectionColumns& c) {
    for (double v : {c.n, c.h, c.t, c.hc, c.hct, c.hv, c.d, c.bb, c.b, c.db, c.e, c.ap})
        if (std::fabs(v) > 1e6) return;  // the fields' own limits refuse it first
    if (c.n > 32767) return;  // beyond the whole-number field: the calculation stops with error 6
    quorvel::model::ProjectModel m;
    for (int s = 1; s <= 2; ++s) {
    m.SlabCoreCount(s) = static_cast<int16_t>(std::floor(c.n));
    m.SlabHeight(s) = c.h;
    m.SlabTopFlangeThickness(s) = c.t;
    m.SlabCoreHeight(s) = c.hc;
    m.SlabDimensionHct(s) = c.hct;
    m.SlabDimensionHv(s) = c.hv;
    m.SlabCoreWidth(s) = c.d;
    m.SlabRecordValue8(s) = c.bb;
    m.SlabUnitWidth(s) = c.b;
    m.SlabWidthDeduction(s) = c.db;
    m.SlabEdgeCoreDistance(s) = c.e;
    m.BottomStrandAxisDistance(s) = c.ap;
    m.TopStrandAxisDistance(s) = c.ap;
    m.SlabStrandModulus(s) = 195000.0;
    m.ConcreteEcm(s + 3) = 35000.0;
    }
    m.ConcreteEcm(6) = 30000.0;
    const int s = 1;
    try {
        quorvel::library::ComputeSlabSectionProperties(m);
    } catch (const quorvel::runtime::RunTimeError&) {
        std::abort();  // a section the rules took that the calculation refuses
    }
    const double a0 = m.SlabSectionValueA(s), I = m.SlabMomentOfInertia(s), bw = m.SlabWebWidthSum(s);
    for (double v : {a0, I, bw, m.SlabArea(s).number(), m.SlabDimensionPhc(s).number(), m.SlabFirstMoment(s).number()})
        if (!std::isfinite(v)) std::abort();
    if (a0 <= 0 || bw <= 0 || I <= 0) std::abort();
    // The self-weight rule weighs the area the calculation builds (from
    // the fields the model holds them in).
    if (std::fabs(quorvel::library::SlabConcreteArea(c) - a0) > 1e-6 * std::fabs(a0) + 1e-6) std::abort();
    quorvel::model::selfWeightBreach(c, a0);
}

void checkDesignation(const std::string& code, StrandLayer layer, const SlabSectionColumns& c,
                      const std::vector<quorvel::model::StrandType>& types) {
    if (quorvel::model::strandDesignationBreach(code, layer, c, types)) return;
    if (code.empty()) {
        if (layer == StrandLayer::Bottom) std::abort();
        return;
    }
    std::string key;
    quorvel::runtime::Value count;
    quorvel::library::TrimIdentifier(code, key, count);
    const quorvel::model::StrandType* type = nullptr;
    for (const auto& t : types)
        if (!type && t.key == key) type = &t;
    if (!type) std::abort();
    const double n = count.number();
    if (n != std::floor(n) || n < (layer == StrandLayer::Bottom ? 1 : 0)) std::abort();
    if (const auto most = quorvel::model::strandLayerCapacity(c, type->diameter); most && n > *most) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::vector<std::string>> lines;
    for (std::size_t start = 0; start <= bytes.size();) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(wordsOf(bytes.substr(start, end - start)));
        start = end + 1;
    }

    std::vector<quorvel::model::StrandType> types;
    std::vector<SlabSectionColumns> sections;
    std::vector<std::string> codes;
    for (const auto& w : lines) {
        for (const std::string& word : w)
            if (codes.size() < 64) codes.push_back(word);
        if (w.size() >= 17) {
            auto v = [&](std::size_t k) { return number(w[k - 1]); };
            sections.push_back({v(2), v(3), v(4), v(5), v(6), v(7), v(8), v(9), v(10), v(11), v(12), v(16), v(13)});
        } else if (w.size() >= 6) {
            types.push_back({w[0], number(w[1])});
            quorvel::model::strandLineBreach(number(w[1]), number(w[2]), number(w[4]), number(w[5]));
        }
    }
    codes.push_back("");
    for (const SlabSectionColumns& c : sections) {
        if (!quorvel::model::slabSectionBreach(c)) checkSection(c);
        for (const auto& t : types)
            if (const auto most = quorvel::model::strandLayerCapacity(c, t.diameter); most && *most < 0) std::abort();
        for (const std::string& code : codes)
            for (StrandLayer layer : {StrandLayer::Bottom, StrandLayer::Top}) checkDesignation(code, layer, c, types);
    }
    return 0;
}
