#include "runtime/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

#include "runtime/errors.h"

namespace quorvel::runtime {

namespace {

// A finite, non-zero number rounded to a number of significant digits:
// the digits of its magnitude (trailing zeros dropped), d[0] standing at
// the place 10^exponent, and its sign.
struct RoundedDecimal {
    bool negative = false;
    SignificantDigits magnitude;
};

// |x| rounded to `significant` digits by exact integer arithmetic, for the
// magnitudes of everyday numbers (1e-5 up to 1e15, fewer digits than the
// magnitude has places before the point not allowed); false for any other.
// |x| = m * 2^q exactly with a 53-bit m; then |x| * 10^k = m * 10^k * 2^q
// is held exactly in 128 bits and rounded to a whole number, a tie to even
// as the general conversion rounds.
bool roundExactly(double x, int significant, SignificantDigits& out) {
    const double magnitude = std::fabs(x);
    if (!(magnitude >= 1e-5 && magnitude < 1e15) || significant > 17) return false;
    static constexpr std::uint64_t kPowers[] = {1ULL,
                                                10ULL,
                                                100ULL,
                                                1000ULL,
                                                10000ULL,
                                                100000ULL,
                                                1000000ULL,
                                                10000000ULL,
                                                100000000ULL,
                                                1000000000ULL,
                                                10000000000ULL,
                                                100000000000ULL,
                                                1000000000000ULL,
                                                10000000000000ULL,
                                                100000000000000ULL,
                                                1000000000000000ULL,
                                                10000000000000000ULL,
                                                100000000000000000ULL,
                                                1000000000000000000ULL,
                                                10000000000000000000ULL};
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);  // [0.5, 1)
    const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int shift = 53 - binaryExponent;  // |x| = m / 2^shift, shift from 3 to 70
    const unsigned __int128 one = 1;
    // The decimal exponent: an estimate, corrected against the exact value.
    // |x| >= 2^(binaryExponent - 1), and 78913 / 2^18 is log10(2) from
    // below: e is this or one more.
    int e = ((binaryExponent - 1) * 78913) >> 18;
    // Most often e is one too small: a comparison with the power of ten
    // (near enough as a double; the exact test below decides) spares the
    // second attempt.
    static constexpr double kDecimalPowers[] = {1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1e0,  1e1,  1e2,  1e3,  1e4, 1e5,
                                                1e6,  1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (e + 1 >= -5 && e + 1 <= 15 && magnitude >= kDecimalPowers[e + 1 + 5]) ++e;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = significant - 1 - e;
        if (k < 0 || k > 19) return false;
        const unsigned __int128 scaled = static_cast<unsigned __int128>(m) * kPowers[k];
        const unsigned __int128 whole = scaled >> shift;
        const unsigned __int128 rest = scaled & ((one << shift) - 1);
        const unsigned __int128 half = one << (shift - 1);
        const auto low = static_cast<unsigned __int128>(kPowers[significant - 1]);
        const unsigned __int128 high = low * 10;
        if (whole >= high) {
            ++e;
            continue;
        }
        if (whole < low) {
            --e;
            continue;
        }
        unsigned __int128 n = whole;
        if (rest > half || (rest == half && (whole & 1) != 0)) ++n;
        int exponent = e;
        if (n == high) {  // 9.99...95 carries into a new digit
            n = low;
            ++exponent;
        }
        // n has exactly `significant` digits.
        out.count = static_cast<int>(
            std::to_chars(out.digits, out.digits + sizeof out.digits, static_cast<std::uint64_t>(n)).ptr -
            out.digits);
        out.exponent = exponent;
        while (out.count > 1 && out.digits[out.count - 1] == '0') --out.count;
        return true;
    }
    return false;
}

RoundedDecimal roundToSignificant(double x, int significant) {
    RoundedDecimal exact;
    if (roundExactly(x, significant, exact.magnitude)) {
        exact.negative = x < 0;
        return exact;
    }
    char buf[64];
    // Scientific form "[-]d.ddde[+-]xx": to_chars rounds correctly and
    // carries into a new digit (9.9999995 -> 1.000000e+01) by itself.
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, significant - 1);
    const std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    RoundedDecimal d;
    SignificantDigits& m = d.magnitude;
    std::size_t i = 0;
    if (s[i] == '-') {
        d.negative = true;
        ++i;
    }
    for (; i < s.size() && s[i] != 'e'; ++i) {
        if (s[i] != '.') m.digits[m.count++] = s[i];
    }
    // s[i] == 'e', then a sign and the exponent digits.
    int exponent = 0;
    std::from_chars(s.data() + i + 2, s.data() + s.size(), exponent);
    m.exponent = s[i + 1] == '-' ? -exponent : exponent;
    while (m.count > 1 && m.digits[m.count - 1] == '0') --m.count;
    return d;
}

int significantDigits(NumberKind kind) { return kind == NumberKind::Single ? 7 : 15; }

// The number as the chosen precision holds it: a single is rounded to
// single precision first, as a single variable would hold it.
double inPrecision(double x, NumberKind kind) {
    if (kind == NumberKind::Single && std::fabs(x) <= std::numeric_limits<float>::max()) {
        return static_cast<double>(static_cast<float>(x));
    }
    return x;
}

// The common text of numberText and generalNumberText, without sign.
// leadingZero puts "0" before a point that would otherwise start the text.
std::string unsignedText(const SignificantDigits& d, int significant, bool leadingZero,
                         char decimalMark) {
    const int count = d.count;
    const int e = d.exponent;
    const auto digits = [&d](int from, int to) { return std::string_view(d.digits + from, static_cast<std::size_t>(to - from)); };
    // Fixed form needs e + 1 integer digits, or -e - 1 zeros after the
    // point before the digits: it is used only while it stays within the
    // precision's digit count on either side of the point.
    const int decimals = count - 1 - e;
    const bool exponentForm = e < -4 || e >= significant || decimals > significant;
    std::string out;
    if (exponentForm) {
        out.push_back(d.digits[0]);
        if (count > 1) {
            out.push_back(decimalMark);
            out.append(digits(1, count));
        }
        out.push_back('E');
        out.push_back(e < 0 ? '-' : '+');
        const int a = e < 0 ? -e : e;
        if (a < 10) out.push_back('0');
        out += std::to_string(a);
        return out;
    }
    if (e >= 0) {
        const int intDigits = e + 1;
        if (count <= intDigits) {
            out.append(digits(0, count));
            out.append(static_cast<std::size_t>(intDigits - count), '0');
        } else {
            out.append(digits(0, intDigits));
            out.push_back(decimalMark);
            out.append(digits(intDigits, count));
        }
        return out;
    }
    if (leadingZero) out.push_back('0');
    out.push_back(decimalMark);
    out.append(static_cast<std::size_t>(-e - 1), '0');
    out.append(digits(0, count));
    return out;
}

std::string formatNumber(double x, NumberKind kind, bool leadingZero, char decimalMark) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Inf" : "Inf";
    if (x == 0.0) return "0";  // also a negative zero
    const int significant = significantDigits(kind);
    const RoundedDecimal d = roundToSignificant(inPrecision(x, kind), significant);
    std::string text = unsignedText(d.magnitude, significant, leadingZero, decimalMark);
    return d.negative ? "-" + text : text;
}

}  // namespace

SignificantDigits significantDigitsOf(double x, NumberKind kind) {
    const double magnitude = std::fabs(x);
    if (!(magnitude > 0.0) || std::isinf(magnitude)) {
        SignificantDigits zero;
        zero.digits[0] = '0';
        zero.count = 1;
        return zero;
    }
    return roundToSignificant(inPrecision(magnitude, kind), significantDigits(kind)).magnitude;
}

std::string numberText(double x, NumberKind kind) {
    return formatNumber(x, kind, false, '.');
}

std::string numberStr(double x, NumberKind kind) {
    std::string text = numberText(x, kind);
    if (text[0] != '-') text.insert(text.begin(), ' ');
    return text;
}

std::string numberStr(const Value& v) {
    return numberStr(v.number(), v.kind());
}

std::string generalNumberText(double x, NumberKind kind, char decimalMark) {
    return formatNumber(x, kind, true, decimalMark);
}

std::string generalNumberText(const Value& v, char decimalMark) {
    if (v.isEmpty()) return {};
    return generalNumberText(v.number(), v.kind(), decimalMark);
}

std::string tenthsText(double x) { return generalNumberText(std::round(x * 10.0) / 10.0, NumberKind::Double); }

namespace {

bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c, int radix) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    return v < radix ? v : -1;
}

// The characters of the text with the skipped blanks taken out, read one by
// one from the front.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) { skip(); }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void advance() {
        ++pos_;
        skip();
    }

private:
    void skip() {
        while (pos_ < text_.size() && isSkipped(text_[pos_])) ++pos_;
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

// "&H..." / "&O...": an integer of 16 bits when the digits' value fits 16
// bits (so "&HFFFF" is -1), else of 32 bits; more raises overflow.
double scanRadixInteger(Cursor& c, int radix) {
    uint64_t value = 0;
    while (!c.atEnd()) {
        const int d = digitValue(c.peek(), radix);
        if (d < 0) break;
        value = value * static_cast<uint64_t>(radix) + static_cast<uint64_t>(d);
        if (value > 0xFFFFFFFFu) throw RunTimeError(ErrOverflow);
        c.advance();
    }
    if (value <= 0xFFFFu) return static_cast<int16_t>(static_cast<uint16_t>(value));
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

}  // namespace

double scanNumber(std::string_view text) {
    Cursor c(text);
    if (c.peek() == '&') {
        c.advance();
        const char p = c.peek();
        if (p == 'H' || p == 'h') {
            c.advance();
            return scanRadixInteger(c, 16);
        }
        if (p == 'O' || p == 'o') {
            c.advance();
            return scanRadixInteger(c, 8);
        }
        return 0.0;
    }

    // Gather a clean decimal text: sign, digits, point, exponent.
    std::string clean;
    if (c.peek() == '-' || c.peek() == '+') {
        if (c.peek() == '-') clean.push_back('-');
        c.advance();
    }
    bool anyDigit = false;
    bool point = false;
    // The place of the first non-zero digit relative to the point, to tell an
    // overflow from an underflow when the conversion is out of range.
    long long leadingPlace = 0;
    bool nonZeroSeen = false;
    long long intDigits = 0;
    long long zerosAfterPoint = 0;
    while (!c.atEnd()) {
        const char ch = c.peek();
        if (isDigit(ch)) {
            anyDigit = true;
            if (ch != '0' && !nonZeroSeen) {
                nonZeroSeen = true;
                leadingPlace = point ? -zerosAfterPoint - 1 : 0;
            }
            if (!point) {
                if (nonZeroSeen) ++intDigits;
            } else if (!nonZeroSeen) {
                ++zerosAfterPoint;
            }
            clean.push_back(ch);
        } else if (ch == '.' && !point) {
            point = true;
            clean.push_back('.');
        } else {
            break;
        }
        c.advance();
    }
    if (!anyDigit) return 0.0;
    if (nonZeroSeen && intDigits > 0) leadingPlace = intDigits - 1;

    long long exponent = 0;
    const char e = c.peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        c.advance();
        bool negative = false;
        if (c.peek() == '-' || c.peek() == '+') {
            negative = c.peek() == '-';
            c.advance();
        }
        while (isDigit(c.peek())) {
            // Saturate: anything this large is out of range either way.
            if (exponent < 100000) exponent = exponent * 10 + (c.peek() - '0');
            c.advance();
        }
        if (negative) exponent = -exponent;
    }
    if (!nonZeroSeen) return 0.0;
    if (exponent != 0) {
        clean.push_back('e');
        clean += std::to_string(exponent);
    }

    double result = 0.0;
    const auto res = std::from_chars(clean.data(), clean.data() + clean.size(), result,
                                     std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        if (leadingPlace + exponent > 0) throw RunTimeError(ErrOverflow);
        return 0.0;  // below the smallest double
    }
    if (res.ec != std::errc() || !std::isfinite(result)) throw RunTimeError(ErrOverflow);
    return result;
}

std::optional<double> fieldNumber(std::string_view text) {
    std::string number(text);
    std::size_t i = 0;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
    bool digit = false;
    bool mark = false;
    for (; i < number.size(); ++i) {
        char& c = number[i];
        if (isDigit(c)) {
            digit = true;
        } else if ((c == '.' || c == ',') && !mark) {
            mark = true;
            c = '.';
        } else {
            break;
        }
    }
    if (!digit) return std::nullopt;
    if (i < number.size()) {
        const char e = number[i];
        if (e != 'E' && e != 'e' && e != 'D' && e != 'd') return std::nullopt;
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
        const std::size_t exponentDigits = i;
        while (i < number.size() && isDigit(number[i])) ++i;
        if (i == exponentDigits || i != number.size()) return std::nullopt;
    }
    return scanNumber(number);
}

}  // namespace quorvel::runtime
