#pragma once

// The element count, as read from the data file.
extern int kiekis;

// Writes the first `kiekis` values, each followed by a space, and ends the line.
void print_array(const int* values);
