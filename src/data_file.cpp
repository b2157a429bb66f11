#include "data_file.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

namespace {

enum class Encoding { single_byte, utf16_little_endian, utf16_big_endian };

// Windows editors mark UTF-8 so; PowerShell and Notepad's "Unicode" write
// UTF-16 with a mark. Anything else, part of a mark too, is single bytes.
constexpr std::array<std::pair<std::string_view, Encoding>, 3> byte_order_marks{{
    {"\xEF\xBB\xBF", Encoding::single_byte},
    {"\xFF\xFE", Encoding::utf16_little_endian},
    {"\xFE\xFF", Encoding::utf16_big_endian},
}};

// Ctrl-Z ends a Windows text file; it ends the data on every platform alike.
constexpr char end_of_data = '\x1A';
constexpr int ended = -1;

bool is_space(int character) { return character == ' ' || (character >= '\t' && character <= '\r'); }

// The characters of a data file, one a byte: its bytes, or behind a UTF-16
// mark its UTF-16 characters, those outside ASCII as '?' (so is a last byte
// without its pair), which is neither a digit nor whitespace. Read a block at
// a time, so that memory does not grow with the file.
class Text {
public:
    explicit Text(std::istream& file)
        : file_(file)
    {
        read_block();
        const std::string_view start(block_.data(), size_);
        for (const auto& [mark, encoding] : byte_order_marks) {
            if (start.starts_with(mark)) {
                encoding_ = encoding;
                at_ = mark.size();
                break;
            }
        }
        decode_block();
    }

    // The next character that is not whitespace, or `ended`. A tight loop
    // over the block: a file may hold a great deal of whitespace.
    int next_after_spaces()
    {
        for (;;) {
            while (at_ < size_ && is_space(block_[at_])) {
                ++at_;
            }
            if (at_ < size_ || last_) {
                return next();
            }
            refill();
        }
    }

    // The next character, or `ended` once the data has ended. Only the last
    // block can come back empty from a refill.
    int next()
    {
        if (at_ == size_ && !last_) {
            refill();
        }
        return at_ < size_ ? static_cast<unsigned char>(block_[at_++]) : ended;
    }

    // Whether the data ended because the file could not be read.
    [[nodiscard]] bool failed() const { return failed_; }

private:
    void refill()
    {
        read_block();
        decode_block();
    }

    void read_block()
    {
        // The stream's own read turns an error into its state, never an exception.
        file_.read(block_.data(), static_cast<std::streamsize>(block_.size()));
        at_ = 0;
        size_ = static_cast<std::size_t>(file_.gcount());
        last_ = !file_;
        // A short read at the end of the file is no failure; anything else is.
        failed_ = last_ && (file_.bad() || !file_.eof());
    }

    // UTF-16 first, each character landing at half its bytes' offset, behind
    // those decoded; then a Ctrl-Z, which in UTF-16 is a character, not a byte.
    void decode_block()
    {
        if (encoding_ != Encoding::single_byte) {
            decode_utf16();
        }
        const auto ctrl_z = std::string_view(block_.data(), size_).find(end_of_data, at_);
        if (ctrl_z != std::string_view::npos) {
            size_ = ctrl_z;
            last_ = true;
        }
    }

    // A character beyond U+FFFF is a pair of surrogates: one '?', as in UTF-8.
    void decode_utf16()
    {
        const bool high_first = encoding_ == Encoding::utf16_big_endian;
        std::size_t decoded = at_;
        for (std::size_t pair = at_; size_ - pair >= 2; pair += 2) {
            const unsigned first = static_cast<unsigned char>(block_[pair]);
            const unsigned second = static_cast<unsigned char>(block_[pair + 1]);
            const unsigned unit = high_first ? first << 8U | second : second << 8U | first;
            const bool second_half = after_high_surrogate_ && unit >= low_surrogates && unit < surrogates_end;
            after_high_surrogate_ = unit >= high_surrogates && unit < low_surrogates;
            if (!second_half) {
                block_[decoded++] = unit < ascii_end ? static_cast<char>(unit) : not_ascii;
            }
        }
        if ((size_ - at_) % 2 != 0) {
            block_[decoded++] = not_ascii;
        }
        size_ = decoded;
    }

    static constexpr unsigned ascii_end = 0x80;
    static constexpr unsigned high_surrogates = 0xD800;
    static constexpr unsigned low_surrogates = 0xDC00;
    static constexpr unsigned surrogates_end = 0xE000;
    static constexpr char not_ascii = '?';
    static constexpr std::size_t block_size = 4096; // even: no UTF-16 unit is split
    std::istream& file_;
    Encoding encoding_ = Encoding::single_byte;
    std::array<char, block_size> block_{};
    std::size_t at_ = 0;
    std::size_t size_ = 0;
    bool last_ = false;
    bool failed_ = false;
    bool after_high_surrogate_ = false; // which may have ended the last block
};

// A whitespace-separated token: its value when it is wholly an integer (an
// optional sign, then decimal digits) that fits in an int, and how a message
// shows it. An empty word: the data ended first. Only the character that ends
// the token is read past it.
struct Token {
    bool is_int = false;
    int value = 0;
    Word word;
};

Token next_token(Text& text)
{
    int character = text.next_after_spaces();
    Token token;
    // The magnitude stops growing just past the largest an int can hold.
    constexpr int base = 10;
    constexpr std::int64_t too_large = std::int64_t{std::numeric_limits<int>::max()} + 2;
    std::int64_t magnitude = 0;
    bool negative = false;
    bool well_formed = true;
    // Flags, not counts: a count could wrap on a token of 2^32 characters.
    bool first = true;
    bool has_digits = false;
    for (; character != ended && !is_space(character); character = text.next(), first = false) {
        token.word.add(character);
        if (character >= '0' && character <= '9') {
            has_digits = true;
            magnitude = std::min((magnitude * base) + (character - '0'), too_large);
        } else if (first && (character == '+' || character == '-')) {
            negative = character == '-';
        } else {
            well_formed = false;
        }
    }
    token.word.finish();
    const std::int64_t value = negative ? -magnitude : magnitude;
    token.is_int = well_formed && has_digits && value >= std::numeric_limits<int>::min() &&
        value <= std::numeric_limits<int>::max();
    token.value = static_cast<int>(token.is_int ? value : 0);
    return token;
}

} // namespace

void Word::add_other(int byte)
{
    // UTF-8: a lead byte says how many continuation bytes follow it.
    constexpr int continuation_first = 0x80;
    constexpr int continuation_last = 0xBF;
    constexpr int lead_first = 0xC2;
    constexpr int lead_of_three = 0xE0;
    constexpr int lead_of_four = 0xF0;
    constexpr int lead_last = 0xF4;
    if (missing_bytes_ > 0 && byte >= continuation_first && byte <= continuation_last) {
        ++open_bytes_;
        if (--missing_bytes_ == 0) {
            open_bytes_ = 0;
            show('?');
        }
        return;
    }
    finish();
    if (byte >= lead_first && byte <= lead_last) {
        open_bytes_ = 1;
        missing_bytes_ = byte >= lead_of_four ? 3 : byte >= lead_of_three ? 2 : 1;
    } else {
        show(byte >= '!' && byte <= '~' ? static_cast<char>(byte) : '?');
    }
}

void Word::finish()
{
    for (; open_bytes_ > 0; --open_bytes_) {
        show('?');
    }
    missing_bytes_ = 0;
}

Verdict read_data(std::istream& is, int& count, Elements& values)
{
    Text text(is);
    Verdict verdict;
    Token token = next_token(text);
    count = token.is_int ? token.value : 0; // no count at all is an empty list
    if (!token.is_int && !token.word.text().empty()) {
        verdict = {Fault::count, 0, token.word};
    } else if (count > capacity) {
        verdict.fault = Fault::too_many;
    }
    for (int i = 0; verdict.fault == Fault::none && i < count; ++i) {
        token = next_token(text);
        if (token.is_int) {
            values[static_cast<std::size_t>(i)] = token.value;
        } else {
            verdict = {Fault::element, i + 1, token.word};
        }
    }
    // A read error spoils whatever was read, even where the data looked whole.
    if (text.failed()) {
        verdict.fault = Fault::unreadable_file;
    }
    return verdict;
}
