// Any bytes as the content of a data file, read by the program and by a plain
// model of the format (marks, whitespace-separated tokens, each wholly an
// int): both must reach the same elements, or the same message; accepted
// elements must come back sorted.
#include "data_file.hpp"
#include "quicksort.hpp"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The text as one byte a character, behind the byte-order mark that says how it is written.
std::string decode(std::string bytes)
{
    const bool little = bytes.starts_with("\xFF\xFE");
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return bytes.substr(3);
    }
    if (!little && !bytes.starts_with("\xFE\xFF")) {
        return bytes;
    }
    std::string text;
    for (std::size_t i = 2; i < bytes.size(); i += 2) {
        const auto byte = [&bytes](std::size_t at) {
            return at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0xFFU;
        };
        const unsigned unit = little ? byte(i + 1) << 8U | byte(i) : byte(i) << 8U | byte(i + 1);
        text += unit < 0x80U ? static_cast<char>(unit) : '?';
    }
    return text;
}

std::optional<int> whole_int(std::string_view token)
{
    if (token.starts_with('+') && !token.starts_with("+-")) {
        token.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    return error == std::errc() && end == token.data() + token.size() ? std::optional(value) : std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::optional<int>> tokens;
    std::istringstream words(decode(bytes));
    for (std::string word; tokens.size() <= capacity && words >> word;) {
        tokens.push_back(whole_int(word));
    }
    const int expected_count = tokens.empty() ? 0 : tokens[0].value_or(0);
    std::string expected_message;
    if (!tokens.empty() && !tokens[0]) {
        expected_message = "Nepavyko nuskaityti elementu kiekio\n";
    } else if (expected_count > capacity) {
        expected_message = "Per didelis elementu kiekis: " + std::to_string(expected_count) + " (daugiausia " +
            std::to_string(capacity) + ")\n";
    }
    for (int k = 1; k <= expected_count && expected_message.empty(); ++k) {
        if (static_cast<std::size_t>(k) >= tokens.size() || !tokens[static_cast<std::size_t>(k)]) {
            expected_message = "Nepavyko nuskaityti elemento nr. " + std::to_string(k) + " is " +
                std::to_string(expected_count) + "\n";
        }
    }

    std::istringstream is(bytes);
    std::ostringstream messages;
    int count = 0;
    Elements values{};
    const bool accepted = read_data(is, count, values, messages);
    if (messages.str() != expected_message || accepted != expected_message.empty()) {
        std::abort();
    }
    if (accepted) {
        std::vector<int> expected;
        for (int k = 1; k <= count; ++k) {
            expected.push_back(*tokens[static_cast<std::size_t>(k)]);
        }
        std::sort(expected.begin(), expected.end());
        quicksort(values.data(), 0, static_cast<int>(expected.size()) - 1);
        if (count != expected_count || !std::equal(expected.begin(), expected.end(), values.begin())) {
            std::abort();
        }
    }
    return 0;
}
