#pragma once
// Fixed arrays with inclusive index bounds, bounds-checked (error 9).
//
// Two-index arrays are stored with the first index running fastest, and
// offer both (i, j) and the single element number by which some of the
// program addresses them: element = (i - Lo1) + (Hi1 - Lo1 + 1) * (j - Lo2)
// when both lower bounds are 0, e.g. side + 3 * end for a (0..2, 0..2) array
// and station + 51 * row for a (0..50, 0..6) table. Arrays of different
// shapes are different types, so the layouts cannot be mixed up.

#include <array>
#include <cstddef>

#include "runtime/errors.h"

namespace quorvel::runtime {

template <typename T, int Lo, int Hi>
class Array1 {
    static_assert(Hi >= Lo);

public:
    static constexpr int lower = Lo;
    static constexpr int upper = Hi;
    static constexpr std::size_t size = static_cast<std::size_t>(Hi - Lo + 1);

    T& operator()(int i) { return data_[offset(i)]; }
    const T& operator()(int i) const { return data_[offset(i)]; }
    T& operator[](int i) { return data_[offset(i)]; }
    const T& operator[](int i) const { return data_[offset(i)]; }

    void fill(const T& v) { data_.fill(v); }
    auto begin() { return data_.begin(); }
    auto end() { return data_.end(); }
    auto begin() const { return data_.begin(); }
    auto end() const { return data_.end(); }

    static constexpr bool contains(int i) { return i >= Lo && i <= Hi; }

private:
    static std::size_t offset(int i) {
        if (!contains(i)) throw RunTimeError(ErrSubscriptOutOfRange);
        return static_cast<std::size_t>(i - Lo);
    }
    std::array<T, size> data_{};
};

template <typename T, int Lo1, int Hi1, int Lo2, int Hi2>
class Array2 {
    static_assert(Hi1 >= Lo1 && Hi2 >= Lo2);

public:
    static constexpr int lower1 = Lo1, upper1 = Hi1, lower2 = Lo2, upper2 = Hi2;
    static constexpr int rowLength = Hi1 - Lo1 + 1;  // elements per step of j
    static constexpr std::size_t size =
        static_cast<std::size_t>(rowLength) * static_cast<std::size_t>(Hi2 - Lo2 + 1);

    T& operator()(int i, int j) { return data_[offset(i, j)]; }
    const T& operator()(int i, int j) const { return data_[offset(i, j)]; }

    // Single element number: i - Lo1 + rowLength * (j - Lo2).
    T& element(int e) { return data_[flatOffset(e)]; }
    const T& element(int e) const { return data_[flatOffset(e)]; }
    T& operator[](int e) { return element(e); }
    const T& operator[](int e) const { return element(e); }

    static constexpr int elementNumber(int i, int j) { return (i - Lo1) + rowLength * (j - Lo2); }

    void fill(const T& v) { data_.fill(v); }
    auto begin() { return data_.begin(); }
    auto end() { return data_.end(); }
    auto begin() const { return data_.begin(); }
    auto end() const { return data_.end(); }

private:
    static std::size_t offset(int i, int j) {
        if (i < Lo1 || i > Hi1 || j < Lo2 || j > Hi2) throw RunTimeError(ErrSubscriptOutOfRange);
        return static_cast<std::size_t>(elementNumber(i, j));
    }
    static std::size_t flatOffset(int e) {
        if (e < 0 || static_cast<std::size_t>(e) >= size) throw RunTimeError(ErrSubscriptOutOfRange);
        return static_cast<std::size_t>(e);
    }
    std::array<T, size> data_{};
};

template <typename T, int Lo1, int Hi1, int Lo2, int Hi2, int Lo3, int Hi3>
class Array3 {
    static_assert(Hi1 >= Lo1 && Hi2 >= Lo2 && Hi3 >= Lo3);

public:
    static constexpr int n1 = Hi1 - Lo1 + 1, n2 = Hi2 - Lo2 + 1, n3 = Hi3 - Lo3 + 1;
    static constexpr std::size_t size = static_cast<std::size_t>(n1) * n2 * n3;

    T& operator()(int i, int j, int k) { return data_[offset(i, j, k)]; }
    const T& operator()(int i, int j, int k) const { return data_[offset(i, j, k)]; }
    void fill(const T& v) { data_.fill(v); }

private:
    static std::size_t offset(int i, int j, int k) {
        if (i < Lo1 || i > Hi1 || j < Lo2 || j > Hi2 || k < Lo3 || k > Hi3)
            throw RunTimeError(ErrSubscriptOutOfRange);
        return static_cast<std::size_t>((i - Lo1) + n1 * ((j - Lo2) + n2 * (k - Lo3)));
    }
    std::array<T, size> data_{};
};

}  // namespace quorvel::runtime
