#include "runtime/format_fixed.h"

#include <algorithm>
#include <cmath>

#include "runtime/errors.h"
#include "runtime/number_text.h"

namespace quorvel::runtime {
namespace {

// Adds one to a string of decimal digits in place ("0095" -> "0096",
// "99" -> "100").
void incrementDigits(std::string& digits) {
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

bool allZero(const std::string& digits) {
    return digits.find_first_not_of('0') == std::string::npos;
}

}  // namespace

// The digits are those of the number's shortest text written out
// positionally (an exponent form included); they are read place by place
// from its significant digits rather than from the text itself.
std::string FormatFixed(const Value& value, int16_t intWidth, int16_t decimals,
                        int16_t roundFlag) {
    const double x = value.number();
    if (std::isnan(x)) throw RunTimeError(5);
    if (std::isinf(x)) throw RunTimeError(6);

    const NumberKind kind =
        value.isSingle() ? NumberKind::Single : NumberKind::Double;
    const SignificantDigits d = significantDigitsOf(x, kind);
    // The integer digits, without leading zeros ("0" when there are none).
    std::string whole;
    if (d.exponent < 0) {
        whole = "0";
    } else {
        whole.reserve(static_cast<size_t>(d.exponent) + 2);
        for (int place = d.exponent; place >= 0; --place) whole.push_back(d.at(place));
    }
    const int kept = decimals > 0 ? decimals : 0;
    std::string digits;  // the kept decimals
    digits.reserve(static_cast<size_t>(kept) + 1);
    for (int k = 1; k <= kept; ++k) digits.push_back(d.at(-k));
    // Rounding looks at the first decimal not kept.
    const bool up = d.at(-(kept + 1)) >= '5';

    // A value that is zero at the printed precision prints without a sign:
    // -1.7E-07 at two decimals is "0.00", not "-0.00".
    std::string out;
    const auto appendSignedPadded = [&](int width) {
        const bool negative = x < 0 && !(allZero(whole) && allZero(digits));
        const int length = static_cast<int>(whole.size()) + (negative ? 1 : 0);
        out.reserve(static_cast<size_t>(std::max(width, length)) + digits.size() + 2);
        if (width > length) out.append(static_cast<size_t>(width - length), ' ');
        if (negative) out.push_back('-');
        out += whole;
    };
    if (decimals > 0) {
        if (up) {
            incrementDigits(digits);
            if (digits.size() > static_cast<size_t>(kept)) {  // all kept digits were 9: carry
                digits.assign(static_cast<size_t>(kept), '0');
                incrementDigits(whole);
            }
        }
        appendSignedPadded(intWidth);
        out.push_back('.');
        out += digits;
        return out;
    }
    if (up) incrementDigits(whole);
    if (roundFlag == 1) {
        appendSignedPadded(0);
        out.push_back('.');
        return out;
    }
    appendSignedPadded(intWidth);
    return out;
}

}  // namespace quorvel::runtime
