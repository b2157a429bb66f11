#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <istream>
#include <string_view>

// How many elements the program can hold.
inline constexpr int capacity = 100;

using Elements = std::array<int, capacity>;

// A token as a message shows it: printable ASCII as itself, any other
// character as '?'; its first 20 characters, then "..." when there are more.
// In a file of single bytes a whole UTF-8 sequence is one character; each
// byte of a sequence cut short, and any other byte, is one of its own.
class Word {
public:
    void add(int byte)
    {
        // Most tokens are numbers: plain ASCII takes the short way.
        if (missing_bytes_ == 0 && byte >= '!' && byte <= '~') {
            show(static_cast<char>(byte));
        } else {
            add_other(byte);
        }
    }
    // The token has ended: a sequence still open was cut short.
    void finish();
    [[nodiscard]] std::string_view text() const { return {text_.data(), size_}; }

private:
    void add_other(int byte);
    void show(char character)
    {
        if (size_ < shown) {
            text_[size_++] = character;
        } else if (size_ == shown) {
            std::copy(cut.begin(), cut.end(), text_.begin() + shown);
            size_ += cut.size();
        }
    }

    static constexpr std::size_t shown = 20;
    static constexpr std::string_view cut = "...";
    std::array<char, shown + cut.size()> text_{};
    std::size_t size_ = 0;
    int open_bytes_ = 0; // of a UTF-8 sequence not yet complete
    int missing_bytes_ = 0; // that it still needs
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
// last token needed (the last element's, the count's when no element is read,
// or the first that is no integer) is looked at. A file that is not open, or
// whose reading fails before that token has ended or in the rest of the
// blocks read for it, is an unreadable file.
Verdict read_data(std::istream& is, int& count, Elements& values);
