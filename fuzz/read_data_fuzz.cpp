// Any bytes as the content of a data file: either the elements come back
// sorted, or exactly one of the failure messages does, naming the count read
// and an element within it.
#include "data_file.hpp"
#include "quicksort.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream is(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream messages;
    int count = 0;
    Elements values{};
    if (!read_data(is, count, values, messages)) {
        const std::string message = messages.str();
        const std::string n = std::to_string(count);
        bool known = message == "Nepavyko nuskaityti elementu kiekio\n" ||
            (count > capacity && message == "Per didelis elementu kiekis: " + n + " (daugiausia 100)\n");
        for (int k = 1; k <= count && !known; ++k) {
            known = message == "Nepavyko nuskaityti elemento nr. " + std::to_string(k) + " is " + n + "\n";
        }
        if (!known) {
            std::abort();
        }
        return 0;
    }
    if (!messages.str().empty() || count > capacity) {
        std::abort();
    }
    const int in_use = std::max(count, 0);
    std::vector<int> expected(values.begin(), values.begin() + in_use);
    std::sort(expected.begin(), expected.end());
    quicksort(values.data(), 0, in_use - 1);
    if (!std::equal(expected.begin(), expected.end(), values.begin())) {
        std::abort();
    }
    return 0;
}
