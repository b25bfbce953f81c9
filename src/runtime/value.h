#pragma once
// A model value: empty, or a number that remembers whether it was stored as
// an integer, a single or a double. Empty counts as zero in arithmetic and
// comparisons; the precision matters only where a number becomes text.

#include <concepts>
#include <cstdint>

namespace quorvel::runtime {

enum class NumberKind : uint8_t { Empty, Integer, Single, Double };

class Value {
public:
    constexpr Value() = default;
    template <std::integral I>
        requires(!std::same_as<I, bool>)
    constexpr Value(I v) : number_(static_cast<double>(v)), kind_(NumberKind::Integer) {}
    constexpr Value(float v) : number_(v), kind_(NumberKind::Single) {}
    constexpr Value(double v) : number_(v), kind_(NumberKind::Double) {}

    static constexpr Value empty() { return Value(); }
    static constexpr Value single(double v) { return Value(static_cast<float>(v)); }

    constexpr bool isEmpty() const { return kind_ == NumberKind::Empty; }
    constexpr NumberKind kind() const { return kind_; }
    constexpr bool isSingle() const { return kind_ == NumberKind::Single; }

    // The number; empty gives 0. Arithmetic and comparisons go through this
    // conversion, so a Value mixes freely with doubles.
    constexpr double number() const { return kind_ == NumberKind::Empty ? 0.0 : number_; }
    constexpr operator double() const { return number(); }

    constexpr void clear() { *this = Value(); }

    Value& operator+=(double d) { return assignKeepingKind(number() + d); }
    Value& operator-=(double d) { return assignKeepingKind(number() - d); }
    Value& operator*=(double d) { return assignKeepingKind(number() * d); }
    Value& operator/=(double d) { return assignKeepingKind(number() / d); }

private:
    // Compound assignment keeps single precision where the value had it, and
    // makes an empty or integer value a double.
    Value& assignKeepingKind(double d) {
        if (kind_ == NumberKind::Single) *this = Value(static_cast<float>(d));
        else *this = Value(d);
        return *this;
    }

    double number_ = 0.0;
    NumberKind kind_ = NumberKind::Empty;
};

}  // namespace quorvel::runtime
