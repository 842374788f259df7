#include "tests/interface/random_calls/header_numbers.h"

#include <cctype>
#include <charconv>

namespace kelvo::calls {

namespace {

bool is_word_char(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

} // namespace

std::set<int64_t> header_numbers(std::string_view text)
{
    std::set<int64_t> numbers;
    bool after_range = false; // just past the ".." of "1..4"
    std::size_t i = 0;
    while (i < text.size()) {
        // A literal starts a word: the 32 of int32_t or the 1 of "5.1" are not numbers.
        bool const starts_word = after_range || i == 0 || (!is_word_char(text[i - 1]) && text[i - 1] != '.');
        after_range = false;
        if (!starts_word || std::isdigit(static_cast<unsigned char>(text[i])) == 0) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && is_word_char(text[end]))
            ++end;
        std::string_view const word = text.substr(i, end - i);
        std::string_view const rest = text.substr(end);
        bool const hex = word.starts_with("0x") || word.starts_with("0X");
        std::string_view const digits = hex ? word.substr(2) : word;
        int64_t value = 0;
        auto const [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
        // Whole words only, and no reals: "2D", "1e308" and "5.1" are not integers of the
        // interface. A range such as "1..4" gives both ends.
        bool const range = rest.starts_with("..");
        bool const whole = error == std::errc{} && stop == digits.data() + digits.size() &&
                           (range || !rest.starts_with("."));
        if (whole) {
            numbers.insert(value);
            if (i > 0 && text[i - 1] == '-')
                numbers.insert(-value);
        }
        if (whole && range) {
            after_range = true;
            end += 2;
        }
        i = end;
    }
    return numbers;
}

} // namespace kelvo::calls
