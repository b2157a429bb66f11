#pragma once

#include <array>
#include <istream>
#include <ostream>

// How many elements the program can hold.
inline constexpr int capacity = 100;

using Elements = std::array<int, capacity>;

// Reads the element count and that many elements from the content of a data
// file, in ASCII, UTF-8 or, behind its byte-order mark, UTF-16. Each must be a
// whole integer token. Nothing after the last element's token is read. When
// the data cannot be used, writes why to `messages` and returns false; nothing
// is written otherwise.
bool read_data(std::istream& is, int& count, Elements& values, std::ostream& messages);
