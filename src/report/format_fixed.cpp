#include "report/format_fixed.h"

#include <cmath>

#include "runtime/errors.h"
#include "runtime/number_text.h"

namespace quorvel::report {
namespace {

using runtime::NumberKind;

// Adds one to a string of decimal digits ("0095" -> "0096", "99" -> "100").
std::string incrementDigits(std::string digits) {
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return digits;
        }
        digits[i] = '0';
    }
    return "1" + digits;
}

// The digits of a magnitude's shortest text split at the point, with an
// exponent form written out positionally: "1.5E-05" gives "0" and "000015",
// "1.25E+17" gives "125000000000000000" and "".
void splitDigits(const std::string& text, std::string& whole, std::string& fraction) {
    std::string mantissa = text;
    int exponent = 0;
    if (const auto e = text.find_first_of("Ee"); e != std::string::npos) {
        mantissa = text.substr(0, e);
        exponent = std::stoi(text.substr(e + 1));  // "+30", "-05"
    }
    const auto point = mantissa.find('.');
    whole = point == std::string::npos ? mantissa : mantissa.substr(0, point);
    fraction = point == std::string::npos ? std::string() : mantissa.substr(point + 1);
    if (whole.empty()) whole = "0";  // ".5" has the integer digit 0
    if (exponent > 0) {
        const auto moved = static_cast<size_t>(exponent);
        if (fraction.size() < moved) fraction.append(moved - fraction.size(), '0');
        whole += fraction.substr(0, moved);
        fraction.erase(0, moved);
    } else if (exponent < 0) {
        const auto shift = static_cast<size_t>(-exponent);
        std::string digits = whole == "0" ? std::string() : whole;
        const size_t zeros = shift > digits.size() ? shift - digits.size() : 0;
        fraction = std::string(zeros, '0') + digits + fraction;
        whole = "0";
    }
    // A mantissa never has leading zeros beyond a lone "0"; keep it so.
    const auto firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);
}

std::string padLeft(const std::string& text, int width) {
    const int missing = width - static_cast<int>(text.size());
    return missing > 0 ? std::string(static_cast<size_t>(missing), ' ') + text : text;
}

}  // namespace

std::string FormatFixed(const runtime::Value& value, int16_t intWidth, int16_t decimals,
                        int16_t roundFlag) {
    const double x = value.number();
    if (std::isnan(x)) throw runtime::RunTimeError(5);
    if (std::isinf(x)) throw runtime::RunTimeError(6);

    const NumberKind kind = value.isSingle() ? NumberKind::Single : NumberKind::Double;
    const std::string sign = x < 0 ? "-" : "";
    std::string whole;
    std::string fraction;
    splitDigits(runtime::numberText(std::fabs(x), kind), whole, fraction);

    // A value that is zero at the printed precision prints without a sign:
    // -1.7E-07 at two decimals is "0.00", not "-0.00".
    auto signed_ = [&sign](const std::string& digits) {
        return digits.find_first_not_of("0.") == std::string::npos ? digits : sign + digits;
    };
    if (decimals > 0) {
        const auto kept = static_cast<size_t>(decimals);
        std::string digits;
        if (fraction.size() <= kept) {
            digits = fraction + std::string(kept - fraction.size(), '0');
        } else if (fraction[kept] >= '5') {
            digits = incrementDigits(fraction.substr(0, kept));
            if (digits.size() > kept) {  // all kept digits were 9: carry
                digits = std::string(kept, '0');
                whole = incrementDigits(whole);
            }
        } else {
            digits = fraction.substr(0, kept);
        }
        const std::string text = signed_(whole + "." + digits);
        return padLeft(text.substr(0, text.size() - kept - 1), intWidth) + "." + digits;
    }
    if (roundFlag == 1) {
        const bool up = !fraction.empty() && fraction[0] >= '5';
        return signed_(up ? incrementDigits(whole) : whole) + ".";
    }
    return padLeft(signed_(whole), intWidth);
}

}  // namespace quorvel::report
