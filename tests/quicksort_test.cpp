#include "quicksort.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <vector>

namespace {

struct PartitionCase {
    std::vector<int> values;
    std::vector<int> after;
    int pivot_index;
};

class PartitionTest : public testing::TestWithParam<PartitionCase> {};

TEST_P(PartitionTest, LeavesTheRangeAsTracedByHand)
{
    std::vector<int> values = GetParam().values;
    const int j = partition(values.data(), 0, static_cast<int>(values.size()) - 1);
    EXPECT_EQ(values, GetParam().after);
    EXPECT_EQ(j, GetParam().pivot_index);
}

INSTANTIATE_TEST_SUITE_P(Cases, PartitionTest,
    testing::Values(PartitionCase{{5, 4, 3, 2, 1}, {1, 4, 3, 2, 5}, 0},
        PartitionCase{{9, -1, 0, 3}, {0, -1, 3, 9}, 2},
        PartitionCase{{3, 1, 4, 1, 5}, {3, 1, 4, 1, 5}, 4}, PartitionCase{{2, 2, 1}, {1, 2, 2}, 0},
        PartitionCase{{1, 2, 2}, {1, 2, 2}, 2}, PartitionCase{{4, 4, 4}, {4, 4, 4}, 2}));

std::vector<int> sorted(std::vector<int> values)
{
    std::sort(values.begin(), values.end());
    return values;
}

class QuicksortTest : public testing::TestWithParam<std::vector<int>> {};

TEST_P(QuicksortTest, SortsAscending)
{
    std::vector<int> values = GetParam();
    quicksort(values.data(), 0, static_cast<int>(values.size()) - 1);
    EXPECT_EQ(values, sorted(GetParam()));
}

std::vector<int> hundred(int first, int step)
{
    std::vector<int> values(100);
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = first + step * static_cast<int>(i);
    }
    return values;
}

INSTANTIATE_TEST_SUITE_P(Cases, QuicksortTest,
    testing::Values(std::vector<int>{8, -2, 8, 8, -9, 0, -2, 31, 8}, hundred(-50, 1),
        hundred(50, -1), hundred(6, 0)));

// Every array of up to seven values over four numbers, the extremes among them,
// placed between two guards that a scan leaving its range would disturb.
TEST(QuicksortExhaustive, SortsEveryShortArrayAndPartitionsItSoundly)
{
    const std::vector<int> numbers{INT_MIN, -1, 0, INT_MAX};
    for (std::size_t n = 0, arrays = 1; n <= 7; ++n, arrays *= numbers.size()) {
        for (std::size_t code = 0; code < arrays; ++code) {
            std::vector<int> input;
            for (std::size_t rest = code; input.size() < n; rest /= numbers.size()) {
                input.push_back(numbers[rest % numbers.size()]);
            }
            std::vector<int> guarded{INT_MAX};
            guarded.insert(guarded.end(), input.begin(), input.end());
            guarded.push_back(INT_MIN);
            const int hi = static_cast<int>(n);

            std::vector<int> sorted_guarded = guarded;
            quicksort(sorted_guarded.data(), 1, hi);
            std::vector<int> expected = sorted(input);
            expected.insert(expected.begin(), INT_MAX);
            expected.push_back(INT_MIN);
            ASSERT_EQ(sorted_guarded, expected) << "n=" << n;

            if (n >= 2) {
                std::vector<int> parted = guarded;
                const int pivot = input.back();
                const int j = partition(parted.data(), 1, hi);
                ASSERT_GE(j, 1);
                ASSERT_LE(j, hi);
                const auto at = [&](int i) { return parted[static_cast<std::size_t>(i)]; };
                ASSERT_EQ(at(j), pivot);
                for (int i = 1; i <= hi; ++i) {
                    ASSERT_TRUE(i < j ? at(i) <= pivot : at(i) >= pivot) << "i=" << i << " j=" << j;
                }
                ASSERT_TRUE(std::is_permutation(parted.begin(), parted.end(), guarded.begin()));
                ASSERT_EQ(parted.front(), INT_MAX);
                ASSERT_EQ(parted.back(), INT_MIN);
            }

        }
    }
}

} // namespace
