#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <string_view>

// How many elements the program can hold.
inline constexpr int capacity = 100;

using Elements = std::array<int, capacity>;

// A token as a message shows it: printable ASCII as itself, any other
// character as '?'; its first 20 characters, then "..." when there are more.
class Word {
public:
    void add(int character);
    [[nodiscard]] std::string_view text() const { return {text_.data(), size_}; }

private:
    static constexpr std::size_t shown = 20;
    static constexpr std::string_view cut = "...";
    std::array<char, shown + cut.size()> text_{};
    std::size_t size_ = 0;
};

// What makes a data file unusable, if anything.
enum class Fault { none, unreadable_file, count, too_many, element };

struct Verdict {
    Fault fault = Fault::none;
    int element = 0; // which element, from 1
    Word word; // the token that is no integer; empty when the data ended first
};

// Reads the element count and that many elements from a data file opened in
// binary mode: ASCII, UTF-8 or, behind its byte-order mark, UTF-16. Each must
// be a whole integer token; a Ctrl-Z character ends the data. Nothing after the
// last element's token is looked at. A file that is not open, or whose reading
// fails anywhere, is an unreadable file.
Verdict read_data(std::istream& is, int& count, Elements& values);
