#include "model/slab_rules.h"

#include <algorithm>
#include <cmath>

#include "runtime/number_text.h"

namespace quorvel::model {

namespace {

// Values at the precision a reader checks them by: seven significant digits.
std::string num(double x) { return runtime::generalNumberText(x, runtime::NumberKind::Single); }

// Text read from a data file as a message may show it: a short run of
// printable ASCII characters, else nothing.
std::optional<std::string> printable(std::string_view text) {
    if (text.empty() || text.size() > 16) return std::nullopt;
    for (char c : text)
        if (c < '!' || c > '~') return std::nullopt;
    return std::string(text);
}

// One comparison a rule makes: it holds when left op right. The breach
// says what does not hold, the two sides with their values.
enum class Op { Less, AtMost };

struct Comparison {
    const char* finnish;  // what the rule asks, as a sentence without its values
    const char* english;
    std::string leftText;  // empty: the left side is a plain number
    double left;
    Op op;
    std::string rightText;  // empty: the right side is a plain number
    double right;
};

std::optional<RuleBreach> breachOf(const Comparison& c) {
    const bool holds = c.op == Op::Less ? c.left < c.right : c.left <= c.right;
    if (holds) return std::nullopt;
    const std::string negated = c.op == Op::Less ? " >= " : " > ";
    auto side = [](const std::string& text, double value) {
        return text.empty() ? num(value) : text + " = " + num(value);
    };
    const std::string values = side(c.leftText, c.left) + negated + side(c.rightText, c.right);
    return RuleBreach{std::string(c.finnish) + " (" + values + ")", std::string(c.english) + " (" + values + ")"};
}

}  // namespace

std::optional<RuleBreach> slabSectionBreach(const SlabSectionColumns& c) {
    for (double v : {c.n, c.h, c.t, c.hc, c.hct, c.hv, c.d, c.bb, c.b, c.db, c.e, c.ap, c.g})
        if (!std::isfinite(v))
            return RuleBreach{"sarakkeen arvo ei ole luku", "a column's value is not a number"};
    const double n = std::floor(c.n);
    const bool builtUp = c.hct != 0;
    std::vector<Comparison> rules = {
        {"laatassa on vähintään yksi ontelo", "a unit has at least one core", "", 1, Op::AtMost, "onteloita", n},
        {"ylälaipalla on paksuus", "the top flange has a thickness", "", 0, Op::Less, "h.fy", c.t},
        {"ontelolla on leveys", "a core has a width", "", 0, Op::Less, "b.c", c.d},
        {"ontelon osien mitat eivät ole negatiivisia", "no part of a core is negative", "", 0, Op::AtMost,
         "h.ct", c.hct},
        {"ontelon osien mitat eivät ole negatiivisia", "no part of a core is negative", "", 0, Op::AtMost, "h.v",
         c.hv},
        {"ontelon osien mitat eivät ole negatiivisia", "no part of a core is negative", "", 0, Op::AtMost, "b.ca",
         c.bb},
        {"leveysvähennys ei ole negatiivinen", "the width deduction is not negative", "", 0, Op::AtMost, "db",
         c.db},
        {"ylälaippa, ontelot ja alalaippa mahtuvat laatan korkeuteen",
         "the top flange, the cores and a bottom flange fit the slab's height", "h.fy + h/80 + h.c",
         c.t + c.h / 80 + c.hc, Op::Less, "h", c.h},
    };
    for (const Comparison& rule : rules)
        if (auto breach = breachOf(rule)) return breach;
    rules.clear();
    if (builtUp) {
        // Parts that sum to the core height, or a cap of a half circle, may
        // miss it in binary by the last digits: that much is no breach.
        constexpr double roundOff = 1 + 1e-9;
        rules.push_back({"ontelon suora ja kapeneva osa mahtuvat ontelon korkeuteen",
                         "the core's straight and narrowing parts fit its height", "h.ct + h.v", c.hct + c.hv,
                         Op::AtMost, "h.c", c.hc * roundOff});
        rules.push_back({"ontelon kaari on enintään puoliympyrä", "the core's cap is at most a half circle",
                         "h.c - h.ct - h.v", c.hc - c.hct - c.hv, Op::AtMost, "b.c / 2", c.d / 2 * roundOff});
        rules.push_back({"ontelo kapenee alaspäin", "the core narrows toward its bottom", "b.ca", c.bb, Op::AtMost,
                         "b.c", c.d});
    } else {
        rules.push_back({"pyöreä ontelo mahtuu ontelon korkeuteen", "the circular core fits the core height", "b.c",
                         c.d, Op::AtMost, "h.c", c.hc});
    }
    rules.push_back({"reunaontelon vieressä on uuma laatan sisällä",
                     "a web lies beside the outer core, inside the unit", "(db + b.c) / 2", (c.db + c.d) / 2, Op::Less,
                     "e.r", c.e});
    if (n >= 2)
        rules.push_back({"ontelot ja niiden väliset uumat mahtuvat laatan leveyteen",
                         "the cores and the webs between them fit the unit's width", "b.c", c.d, Op::Less,
                         "(b.hc - 2 e.r) / (onteloita - 1)", (c.b - 2 * c.e) / (n - 1)});
    else
        rules.push_back({"ontelo ja sen uumat mahtuvat laatan leveyteen", "the core and its webs fit the unit's width",
                         "e.r + (db + b.c) / 2", c.e + (c.db + c.d) / 2, Op::Less, "b.hc", c.b});
    rules.push_back({"punosten akseli on laatan alapinnan yläpuolella", "the strand axis lies above the slab's bottom",
                     "", 0, Op::Less, "ap", c.ap});
    rules.push_back({"punosten akseli on laatan sisällä", "the strand axis lies inside the slab", "ap", c.ap, Op::Less,
                     "h", c.h});
    // Each flange at least the least thickness of a hollow-core unit
    // (EN 1168 4.3.1.1): the larger of 17 mm and (2 h)^0.5, h in mm.
    const double least = std::max(17.0, std::sqrt(2 * c.h));
    const std::string leastText = "max(17, (2 h)^0.5)";
    const char* thin = "laipan paksuus on vähintään ontelolaatan vähimmäispaksuus";
    const char* thinEnglish = "a flange is at least the least thickness of a hollow-core unit";
    // A circular core lies in the middle of its core height.
    if (builtUp) {
        rules.push_back({thin, thinEnglish, leastText, least, Op::AtMost, "h.fy", c.t});
        rules.push_back({thin, thinEnglish, leastText, least, Op::AtMost, "h - h.fy - h.c", c.h - c.t - c.hc});
    } else {
        rules.push_back({thin, thinEnglish, leastText, least, Op::AtMost, "h.fy + (h.c - b.c) / 2",
                         c.t + (c.hc - c.d) / 2});
        rules.push_back({thin, thinEnglish, leastText, least, Op::AtMost, "h - h.fy - (h.c + b.c) / 2",
                         c.h - c.t - (c.hc + c.d) / 2});
    }
    for (const Comparison& rule : rules)
        if (auto breach = breachOf(rule)) return breach;
    return std::nullopt;
}

std::optional<RuleBreach> selfWeightBreach(const SlabSectionColumns& c, double concreteArea) {
    // g in kN/m2 over the concrete of a metre of units: g b / A0, b in mm and
    // A0 in mm2, times 1000 mm/m gives kN/m3.
    const double density = 1000 * c.g * c.b / concreteArea;
    const std::string text = "1000 g b.hc / A0";
    const Comparison rules[] = {
        {"laatan omapaino on normaalibetonin, vähintään 20 kN/m3",
         "the unit's self weight is that of normal-weight concrete, at least 20 kN/m3", "", 20, Op::AtMost, text,
         density},
        {"laatan omapaino on normaalibetonin, enintään 27 kN/m3",
         "the unit's self weight is that of normal-weight concrete, at most 27 kN/m3", text, density, Op::AtMost, "",
         27},
    };
    for (const Comparison& rule : rules)
        if (auto breach = breachOf(rule)) return breach;
    return std::nullopt;
}

std::optional<RuleBreach> strandLineBreach(double diameter, double area, double bondFactor, double modulus) {
    constexpr double quarterPi = 0.25 * 3.14159265358979;
    // The bond factor eta_p1 of the transfer bond stress, 2.7 for indented
    // wires to 3.2 for 3- and 7-wire strands (EN 1992-1-1 8.10.2.2(1)); the
    // modulus of strand, 185 to 205 GPa by its making (EN 1992-1-1
    // 3.3.6(3)).
    const Comparison rules[] = {
        {"punoksen pinta-ala mahtuu sen halkaisijan ympyrään", "the strand's area fits the circle of its diameter",
         "pinta-ala", area, Op::AtMost, "pi/4 halkaisija^2", quarterPi * diameter * diameter},
        {"punoksen tartuntakerroin on vähintään 2.7", "the strand's bond factor is at least 2.7", "", 2.7, Op::AtMost,
         "tartuntakerroin", bondFactor},
        {"punoksen tartuntakerroin on enintään 3.2", "the strand's bond factor is at most 3.2", "tartuntakerroin",
         bondFactor, Op::AtMost, "", 3.2},
        {"punoksen kimmokerroin on vähintään 185000 MPa", "the strand's modulus is at least 185000 MPa", "", 185000,
         Op::AtMost, "Ep", modulus},
        {"punoksen kimmokerroin on enintään 205000 MPa", "the strand's modulus is at most 205000 MPa", "Ep", modulus,
         Op::AtMost, "", 205000},
    };
    for (const Comparison& rule : rules)
        if (auto breach = breachOf(rule)) return breach;
    return std::nullopt;
}

std::optional<RuleBreach> strandCoverBreach(double axisHeight, double diameter) {
    // The least cover of a pretensioned strand for its bond, 1.5 diameters
    // (EN 1992-1-1 4.4.1.2(3)), below the strand's circle.
    return breachOf({"punoksen peite riittää sen tartuntaan", "the strand's cover is enough for its bond",
                     "1.5 halkaisija", 1.5 * diameter, Op::AtMost, "ap - halkaisija / 2", axisHeight - diameter / 2});
}

std::optional<int> strandLayerCapacity(const SlabSectionColumns& c, double diameter) {
    if (slabSectionBreach(c) || !std::isfinite(diameter) || diameter <= 0) return std::nullopt;
    // Side by side across the net width, the outer strand axes at least ap
    // from the sides, the axes one diameter plus the least clear spacing
    // apart.
    const double room = c.b - c.db - 2 * c.ap;
    if (room < 0) return 0;
    const double pitch = diameter + std::max(2 * diameter, 20.0);
    return static_cast<int>(std::min(std::floor(room / pitch) + 1, 1e9));
}

double strandInitialStressLimit(double fpk) { return std::min(0.8 * fpk, 0.9 * StrandProofStressRatio * fpk); }

std::string strandKeyOf(std::string_view code) {
    if (code.empty()) return {};
    // The last character, not the last byte: in UTF-8 a character such as
    // "Ä" is a lead byte and its continuation bytes (10xxxxxx).
    std::size_t start = code.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(code[start]) & 0xC0) == 0x80) --start;
    const std::string_view last = code.substr(start);
    return last.size() == 1 && last[0] >= '0' && last[0] <= '9' ? std::string("0") : std::string(last);
}

std::optional<RuleBreach> strandDesignationBreach(std::string_view code, StrandLayer layer,
                                                  const SlabSectionColumns& section,
                                                  const std::vector<StrandType>& types) {
    const bool bottom = layer == StrandLayer::Bottom;
    if (code.empty()) {
        if (!bottom) return std::nullopt;  // no top strands
        return RuleBreach{"punostunnus puuttuu", "the strand designation is missing"};
    }
    const std::optional<std::string> shownCode = printable(code);
    const std::string finnishCode = shownCode ? "tunnus " + *shownCode + ": " : "";
    const std::string englishCode = shownCode ? "designation " + *shownCode + ": " : "";

    const std::string key = strandKeyOf(code);
    const auto type = std::find_if(types.begin(), types.end(), [&](const StrandType& t) { return t.key == key; });
    if (type == types.end()) {
        std::string keys;
        for (const StrandType& t : types)
            if (auto k = printable(t.key); k && k->size() == 1) keys += (keys.empty() ? "" : ", ") + *k;
        const std::optional<std::string> shownKey = printable(key);
        const std::string k = shownKey ? " " + *shownKey : "";
        return RuleBreach{finnishCode + "punosavainta" + k + " ei ole laattatiedostossa (avaimet: " + keys + ")",
                          englishCode + "the strand key" + k + " is not in the slab catalogue (keys: " + keys + ")"};
    }

    // The count: the digits before the key, or the whole designation when
    // it ends in a digit.
    const bool endsInDigit = code.back() >= '0' && code.back() <= '9';
    const std::string_view countText = endsInDigit ? code : code.substr(0, code.size() - key.size());
    const bool digits = !countText.empty() && countText.find_first_not_of("0123456789") == std::string_view::npos;
    const double count = digits && countText.size() <= 9 ? runtime::scanNumber(countText) : -1;
    const double least = bottom ? 1 : 0;
    const std::optional<int> most = strandLayerCapacity(section, type->diameter);
    if (digits && count >= least && (!most || count <= *most)) return std::nullopt;

    const std::string strand = printable(key).value_or("?") + ", " + num(type->diameter) + " mm";
    std::string finnishRange, englishRange;
    if (!most) {
        finnishRange = "vähintään " + num(least);
        englishRange = "of at least " + num(least);
    } else if (*most >= least) {
        finnishRange = englishRange = num(least) + "..." + num(*most);
    } else {
        return RuleBreach{finnishCode + "laatan leveydelle ei mahdu yhtään punosta " + strand,
                          englishCode + "the unit's width holds no strand " + strand};
    }
    return RuleBreach{finnishCode + "punosten määrän on oltava kokonaisluku " + finnishRange + " (punos " + strand + ")",
                      englishCode + "the strand count must be a whole number " + englishRange + " (strand " + strand +
                          ")"};
}

}  // namespace quorvel::model
