// Any bytes as the content of a data file: either the elements come back
// sorted, or exactly one of the program's failure messages does.
#include "data_file.hpp"
#include "quicksort.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <regex>
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
        static const std::regex failure("Nepavyko nuskaityti elementu kiekio\n"
                                        "|Nepavyko nuskaityti elemento nr. ([0-9]+) is ([0-9]+)\n"
                                        "|Per didelis elementu kiekis: ([0-9]+) \\(daugiausia 100\\)\n");
        const std::string message = messages.str();
        std::smatch parts;
        if (!std::regex_match(message, parts, failure)) {
            std::abort();
        }
        // The numbers in a message must be the count read and an element within it.
        const auto number = [&](std::size_t i) { return std::stol(parts[i].str()); };
        if (parts[2].matched && (number(2) != count || number(1) < 1 || number(1) > count)) {
            std::abort();
        }
        if (parts[3].matched && (number(3) != count || count <= capacity)) {
            std::abort();
        }
        return 0;
    }
    if (!messages.str().empty() || count > capacity) {
        std::abort();
    }
    const auto in_use = static_cast<std::size_t>(std::max(count, 0));
    std::vector<int> expected(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(in_use));
    std::sort(expected.begin(), expected.end());
    quicksort(values.data(), 0, static_cast<int>(in_use) - 1);
    if (!std::equal(expected.begin(), expected.end(), values.begin())) {
        std::abort();
    }
    return 0;
}
