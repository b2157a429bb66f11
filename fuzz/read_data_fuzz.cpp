// Any bytes as the content of a data file, read, checked and, when usable,
// sorted, under the sanitizers, which stop at any undefined behaviour. What
// comes back must hold together: a usable file gives a count of at most the
// capacity and its elements sorted, a fault names an element within the count
// or no element at all, and a shown word is at most 20 characters and "...".
#include "data_file.hpp"
#include "quicksort.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream is(std::string(reinterpret_cast<const char*>(data), size));
    int count = 0;
    Elements values{};
    const Verdict verdict = read_data(is, count, values);
    const bool element_named = verdict.fault == Fault::element;
    if (verdict.word.text().size() > 23 || (verdict.fault == Fault::too_many) != (count > capacity) ||
        (verdict.fault == Fault::count && count != 0) ||
        (element_named ? verdict.element < 1 || verdict.element > count : verdict.element != 0)) {
        std::abort();
    }
    if (verdict.fault == Fault::none) {
        const auto used = static_cast<std::ptrdiff_t>(std::max(count, 0));
        Elements expected = values;
        std::sort(expected.begin(), expected.begin() + used);
        quicksort(values.data(), 0, static_cast<int>(used) - 1);
        if (!std::equal(expected.begin(), expected.end(), values.begin())) {
            std::abort();
        }
    }
    return 0;
}
