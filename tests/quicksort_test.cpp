#include "quicksort.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <vector>

namespace {

// Every array of up to seven values over four numbers, the int limits among
// them, between two guards that a scan leaving its range would disturb.
TEST(Quicksort, SortsAndPartitionsEveryShortArray)
{
    const std::vector<int> numbers{INT_MIN, -1, 0, INT_MAX};
    for (std::size_t n = 0, arrays = 1; n <= 7; ++n, arrays *= numbers.size()) {
        for (std::size_t code = 0; code < arrays; ++code) {
            std::vector<int> guarded{INT_MAX};
            for (std::size_t rest = code; guarded.size() <= n; rest /= numbers.size()) {
                guarded.push_back(numbers[rest % numbers.size()]);
            }
            guarded.push_back(INT_MIN);
            const int hi = static_cast<int>(n);
            std::vector<int> values = guarded;
            quicksort(values.data(), 1, hi);
            std::vector<int> expected = guarded;
            std::sort(expected.begin() + 1, expected.end() - 1);
            ASSERT_EQ(values, expected);

            if (n < 2) {
                continue; // partition needs two values
            }
            // The last value lands at the index returned, smaller ones left of it, larger right.
            values = guarded;
            const auto first = values.begin() + 1;
            const auto end = values.end() - 1;
            const auto at = values.begin() + partition(values.data(), 1, hi);
            ASSERT_TRUE(at >= first && at < end && *at == guarded[n]) << "n=" << n;
            ASSERT_TRUE(std::all_of(first, at, [&](int value) { return value <= *at; }));
            ASSERT_TRUE(std::all_of(at, end, [&](int value) { return value >= *at; }));
        }
    }
}

} // namespace
