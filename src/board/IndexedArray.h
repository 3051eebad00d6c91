#pragma once

#include <array>
#include <cstddef>

namespace tessra {

// A std::array indexed by int, the type the program counts cells, rows,
// digits and swatches in, so that no access needs a cast. Everything else -
// fill, size, iteration, comparison, data - is the std::array's own.
template <class T, int N> struct IndexedArray : std::array<T, static_cast<std::size_t>(N)> {
    using Base = std::array<T, static_cast<std::size_t>(N)>;

    constexpr T& operator[](int index) { return Base::operator[](static_cast<std::size_t>(index)); }
    constexpr const T& operator[](int index) const {
        return Base::operator[](static_cast<std::size_t>(index));
    }
};

} // namespace tessra
