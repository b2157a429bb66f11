#pragma once

// The element count, as read from the data file. The listings read it from
// here rather than take it as an argument.
extern int kiekis; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

// Writes the first `kiekis` values, each followed by a space, and ends the line.
void print_array(const int* values);
