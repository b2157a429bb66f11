#pragma once

#include <array>
#include <istream>
#include <ostream>

// How many elements the program can hold.
inline constexpr int capacity = 100;

using Elements = std::array<int, capacity>;

// Reads the element count and that many elements from the content of a data
// file. Everything after the last element is left unread. When the data
// cannot be used, writes why to `messages` and returns false; nothing is
// written otherwise.
bool read_data(std::istream& is, int& count, Elements& values, std::ostream& messages);
