#include "data_file.hpp"
#include "listing.hpp"
#include "pause.hpp"
#include "quicksort.hpp"

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <iostream>
#include <span>

int main()
{
    // The streams need not share stdio's buffers: nothing here uses stdio, and
    // going through it costs more than the rest of a run.
    std::ios::sync_with_stdio(false);
    std::ifstream is;
    is.open("duomenys.txt");
    if (!is) {
        std::cout << "Nera pradinio failo";
        return 1;
    }
    // The whole input is checked before the report starts, so a bad file
    // gives its message alone.
    Elements masyvas1{};
    if (!read_data(is, kiekis, masyvas1, std::cout)) {
        return 1;
    }
    // A negative count is shown as read but holds no elements.
    const int in_use = std::max(kiekis, 0);

    std::cout << "elementu kiekis  " << kiekis << std::endl;
    for (const int value : std::span(masyvas1).first(static_cast<std::size_t>(in_use))) {
        std::cout << value << " ";
    }
    std::cout << std::endl;
    std::cout << "Pradinis masyvas: ";
    print_array(masyvas1.data());
    quicksort(masyvas1.data(), 0, in_use - 1);
    std::cout << "Surusiuotas masyvas: ";
    print_array(masyvas1.data());
    pause_console();
    // A report that could not be written is no success.
    return std::cout ? 0 : 1;
}
