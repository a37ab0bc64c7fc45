// Setting every element of a game's fixed arrays, however deeply nested.
#pragma once
#include <algorithm>
#include <cstddef>
#include <type_traits>

template <typename T, std::size_t N>
void FillAll(T (&array)[N], int value) {
    if constexpr (std::is_array_v<T>) {
        for (auto& inner : array) FillAll(inner, value);
    } else {
        std::fill(array, array + N, value);
    }
}
