#include "listing.hpp"

#include <iostream>

int kiekis = 0;

void print_array(const int* values)
{
    for (int i = 0; i < kiekis; ++i) {
        std::cout << values[i] << " ";
    }
    std::cout << std::endl;
}
