#include "quicksort.hpp"

#include <utility>

int partition(int* values, int lo, int hi)
{
    // The pivot stays in the array and takes part in the exchanges; the
    // strict scans stop on it, which keeps both of them inside the range.
    const int pivot = values[hi];
    while (lo < hi) {
        while (values[lo] < pivot) {
            ++lo;
        }
        while (values[hi] > pivot) {
            --hi;
        }
        if (values[lo] == values[hi]) {
            // Two equal values would otherwise be exchanged for ever.
            ++lo;
        } else {
            // The scans cannot cross: the pivot value lies between them. So
            // lo < hi here, since where they meet the two values are equal.
            std::swap(values[lo], values[hi]);
        }
    }
    return hi;
}

void quicksort(int* values, int lo, int hi)
{
    if (lo < hi) {
        const int j = partition(values, lo, hi);
        quicksort(values, lo, j - 1);
        quicksort(values, j + 1, hi);
    }
}
