#include "data_file.hpp"
#include "listing.hpp"
#include "pause.hpp"
#include "quicksort.hpp"

#include <algorithm>
#include <fstream>
#include <iostream>

int main()
{
    // The streams need not share stdio's buffers: nothing here uses stdio, and
    // going through it costs more than the rest of a run.
    std::ios::sync_with_stdio(false);
    std::ifstream is;
    is.open("duomenys.txt");
    // Linux opens a directory as it opens a file; only a read then fails.
    is.peek();
    if (!is) {
        std::cout << "Nera pradinio failo";
        return 1;
    }
    is.clear(); // the peek may have met the end of an empty file, which is no error
    // The whole input is checked before the report starts, so a bad file
    // gives its message alone; the pause keeps it on screen.
    Elements masyvas1{};
    if (!read_data(is, kiekis, masyvas1, std::cout)) {
        pause_console();
        return 1;
    }
    std::cout << "elementu kiekis  " << kiekis << std::endl;
    print_array(masyvas1.data());
    std::cout << "Pradinis masyvas: ";
    print_array(masyvas1.data());
    // A negative count is shown as read but holds no elements.
    quicksort(masyvas1.data(), 0, std::max(kiekis, 0) - 1);
    std::cout << "Surusiuotas masyvas: ";
    print_array(masyvas1.data());
    pause_console();
    // A report that could not be written is no success.
    return std::cout ? 0 : 1;
}
