#include "data_file.hpp"

#include <cstddef>
#include <string_view>

namespace {

// Windows editors may save a UTF-8 file with a byte-order mark in front.
void skip_byte_order_mark(std::istream& is)
{
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    if (is.peek() != static_cast<unsigned char>(mark.front())) {
        return;
    }
    std::array<char, mark.size()> start{};
    is.read(start.data(), start.size());
    if (std::string_view(start.data(), start.size()) != mark) {
        // Not a mark after all, and no number can start with such a byte.
        is.setstate(std::ios::failbit);
    }
}

} // namespace

bool read_data(std::istream& is, int& count, Elements& values, std::ostream& messages)
{
    skip_byte_order_mark(is);
    if (is && (is >> std::ws).eof()) {
        count = 0; // an empty file is an empty list
        return true;
    }
    // A failed extraction may still store a limit, so read into a local.
    int count_read = 0;
    if (!(is >> count_read)) {
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
        if (!(is >> elementas)) {
            messages << "Nepavyko nuskaityti elemento nr. " << i + 1 << " is " << count_read << std::endl;
            return false;
        }
        values[static_cast<std::size_t>(i)] = elementas;
    }
    return true;
}
