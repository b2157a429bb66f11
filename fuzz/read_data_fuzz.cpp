// Any bytes as the content of a data file, read by the program and by a plain
// model of the format (marks, Ctrl-Z, whitespace-separated tokens, each wholly
// an int): both must reach the same elements, or the same fault with the same
// element and word; accepted elements must come back sorted.
#include "data_file.hpp"
#include "quicksort.hpp"

#include <algorithm>
#include <bit>
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

// The text as one byte a character, behind the byte-order mark that says how
// it is written, up to a Ctrl-Z. In UTF-16 a character outside ASCII, a pair
// of surrogates among them, or a last byte alone, is one '?'.
std::string decode(const std::string& bytes)
{
    const bool little = bytes.starts_with("\xFF\xFE");
    std::string text = bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    if (little || bytes.starts_with("\xFE\xFF")) {
        std::vector<unsigned> units;
        for (std::size_t i = 2; i < bytes.size(); i += 2) {
            const unsigned first = static_cast<unsigned char>(bytes[i]);
            const unsigned second = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0U;
            // A last byte alone stands for a character outside ASCII, no surrogate.
            units.push_back(i + 1 == bytes.size() ? 0xFFFFU : little ? second << 8U | first : first << 8U | second);
        }
        text.clear();
        for (std::size_t i = 0; i < units.size(); ++i) {
            const bool pair =
                (units[i] & 0xFC00U) == 0xD800U && i + 1 < units.size() && (units[i + 1] & 0xFC00U) == 0xDC00U;
            i += pair ? 1 : 0;
            text += units[i] < 0x80U ? static_cast<char>(units[i]) : '?';
        }
    }
    return text.substr(0, text.find('\x1A'));
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

// A lead byte from C2 to F4 and as many continuation bytes (10xxxxxx) as its
// leading one bits count, less one, are one character; any other byte is one.
// Printable ASCII shows as itself, any other character as '?', 20 at most.
std::string shown(std::string_view token)
{
    std::string text;
    for (std::size_t characters = 0; !token.empty(); ++characters) {
        if (characters == 20) {
            return text + "...";
        }
        const auto lead = static_cast<unsigned char>(token[0]);
        const auto length = static_cast<std::size_t>(std::countl_one(lead));
        const bool sequence = lead >= 0xC2 && lead <= 0xF4 && length <= token.size() &&
            std::all_of(token.begin() + 1, token.begin() + static_cast<std::ptrdiff_t>(length),
                [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U; });
        text += lead >= '!' && lead <= '~' ? token[0] : '?';
        token.remove_prefix(sequence ? length : 1);
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> tokens;
    std::istringstream words(decode(bytes));
    for (std::string word; tokens.size() <= capacity && words >> word;) {
        tokens.push_back(word);
    }
    // The count, then the elements, or the fault, the element and the word shown.
    const auto expected_count = tokens.empty() ? std::optional(0) : whole_int(tokens[0]);
    Fault expected_fault = !expected_count ? Fault::count : *expected_count > capacity ? Fault::too_many : Fault::none;
    int expected_element = 0;
    std::string expected_word = expected_count ? "" : shown(tokens[0]);
    std::vector<int> expected;
    for (int k = 1; expected_fault == Fault::none && k <= *expected_count; ++k) {
        const auto at = static_cast<std::size_t>(k);
        const auto value = at < tokens.size() ? whole_int(tokens[at]) : std::nullopt;
        expected.push_back(value.value_or(0));
        if (!value) {
            expected_fault = Fault::element;
            expected_element = k;
            expected_word = at < tokens.size() ? shown(tokens[at]) : "";
        }
    }

    std::istringstream is(bytes);
    int count = 0;
    Elements values{};
    const Verdict verdict = read_data(is, count, values);
    if (verdict.fault != expected_fault || verdict.element != expected_element ||
        verdict.word.text() != expected_word || count != expected_count.value_or(0)) {
        std::abort();
    }
    if (verdict.fault == Fault::none) {
        std::sort(expected.begin(), expected.end());
        quicksort(values.data(), 0, static_cast<int>(expected.size()) - 1);
        if (!std::equal(expected.begin(), expected.end(), values.begin())) {
            std::abort();
        }
    }
    return 0;
}
