#pragma once

// Splits values[lo..hi] around the value of its last element and returns the
// index at which that value ends up. Needs lo < hi.
int partition(int* values, int lo, int hi);

// Sorts values[lo..hi] (both inclusive) ascending, in place. A range with
// lo >= hi is left alone.
void quicksort(int* values, int lo, int hi);
