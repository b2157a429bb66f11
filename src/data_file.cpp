#include "data_file.hpp"

#include <array>
#include <cctype>
#include <cstddef>
#include <streambuf>
#include <string_view>
#include <utility>

namespace {

enum class Encoding { single_byte, utf16_little_endian, utf16_big_endian, unreadable };

// Windows editors mark UTF-8 so; PowerShell and Notepad's "Unicode" write
// UTF-16 with a mark. No two marks start with the same byte.
constexpr std::array<std::pair<std::string_view, Encoding>, 3> byte_order_marks{{
    {"\xEF\xBB\xBF", Encoding::single_byte},
    {"\xFF\xFE", Encoding::utf16_little_endian},
    {"\xFE\xFF", Encoding::utf16_big_endian},
}};

// Takes a byte-order mark off the front of the file and tells how the rest is
// written.
Encoding take_byte_order_mark(std::streambuf& file)
{
    for (const auto& [mark, encoding] : byte_order_marks) {
        std::size_t taken = 0;
        while (taken < mark.size() && file.sgetc() == static_cast<unsigned char>(mark[taken])) {
            file.sbumpc();
            ++taken;
        }
        if (taken == mark.size()) {
            return encoding;
        }
        if (taken > 0) {
            // Part of a mark is no mark, and no number can start with such a byte.
            return Encoding::unreadable;
        }
    }
    return Encoding::single_byte;
}

// UTF-16 text read as one byte a character, a block at a time: ASCII stays as
// it is; any other character, or a last byte without its pair, becomes one
// that is neither a digit nor whitespace, and so spoils the token it is in.
class Utf16Text : public std::streambuf {
public:
    Utf16Text(std::streambuf& file, bool big_endian)
        : file_(file)
        , high_first_(big_endian)
    {
    }

protected:
    // The stream calls this when it has read all that was decoded.
    // cppcheck-suppress unusedFunction
    int_type underflow() override
    {
        char* const begin = block_.data();
        const auto got = file_.sgetn(begin, static_cast<std::streamsize>(block_.size()));
        const char* const end = begin + got;
        // Each character lands at half its bytes' offset, behind the bytes already decoded.
        char* decoded = begin;
        for (const char* pair = begin; end - pair >= 2; pair += 2) {
            const unsigned first = static_cast<unsigned char>(pair[0]);
            const unsigned second = static_cast<unsigned char>(pair[1]);
            const unsigned unit = high_first_ ? first << 8U | second : second << 8U | first;
            *decoded++ = unit < ascii_end ? static_cast<char>(unit) : not_ascii;
        }
        if (got % 2 != 0) {
            *decoded++ = not_ascii;
        }
        setg(begin, begin, decoded);
        return decoded == begin ? traits_type::eof() : traits_type::to_int_type(*begin);
    }

private:
    static constexpr unsigned ascii_end = 0x80;
    static constexpr char not_ascii = '?';
    static constexpr std::size_t block_size = 4096;
    std::streambuf& file_;
    bool high_first_;
    std::array<char, block_size> block_{};
};

// Reads an integer that is a whole token: "1.5" and "2junk" begin with one but
// are none. Only the character right after the digits is looked at.
bool read_whole_int(std::istream& text, int& value)
{
    // A failed extraction may still store a limit, so read into a local.
    int read = 0;
    if (!(text >> read)) {
        return false;
    }
    const auto next = text.rdbuf()->sgetc();
    if (next != std::istream::traits_type::eof() && std::isspace(next) == 0) {
        return false;
    }
    value = read;
    return true;
}

// Reads the count and the elements from the file's text.
bool read_text(std::istream& text, int& count, Elements& values, std::ostream& messages)
{
    if (text && (text >> std::ws).eof()) {
        count = 0; // an empty file is an empty list
        return true;
    }
    int count_read = 0;
    if (!read_whole_int(text, count_read)) {
        messages << "Nepavyko nuskaityti elementu kiekio" << std::endl;
        return false;
    }
    count = count_read;
    if (count_read > capacity) {
        messages << "Per didelis elementu kiekis: " << count_read << " (daugiausia " << capacity << ")" << std::endl;
        return false;
    }
    for (int i = 0; i < count_read; ++i) {
        int elementas = 0;
        if (!read_whole_int(text, elementas)) {
            messages << "Nepavyko nuskaityti elemento nr. " << i + 1 << " is " << count_read << std::endl;
            return false;
        }
        values[static_cast<std::size_t>(i)] = elementas;
    }
    return true;
}

} // namespace

bool read_data(std::istream& is, int& count, Elements& values, std::ostream& messages)
{
    const Encoding encoding = take_byte_order_mark(*is.rdbuf());
    if (encoding == Encoding::utf16_little_endian || encoding == Encoding::utf16_big_endian) {
        Utf16Text utf16(*is.rdbuf(), encoding == Encoding::utf16_big_endian);
        std::istream decoded(&utf16);
        return read_text(decoded, count, values, messages);
    }
    if (encoding == Encoding::unreadable) {
        is.setstate(std::ios::failbit);
    }
    return read_text(is, count, values, messages);
}
