#include "lib/formula/scanner.h"

#include <charconv>
#include <cmath>

namespace kelvo {

namespace {

bool is_digit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

// Letters start identifiers; so does every byte from 128 up, which lets names be written
// in any 8-bit encoding.
bool is_letter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 128;
}

bool is_identifier_part(unsigned char c)
{
    return is_letter(c) || is_digit(c) || c == '\'';
}

} // namespace

Scanner::Scanner(NameList const& pieces, EvaluatorLimits const& limits)
    : pieces_(pieces)
    , limits_(limits)
{
}

void Scanner::start()
{
    piece_ = 0;
    position_ = 0;
    advance();
    next_token();
}

void Scanner::advance()
{
    while (piece_ < pieces_.size() && position_ >= pieces_[piece_].size()) {
        ++piece_;
        position_ = 0;
    }
    if (piece_ >= pieces_.size()) {
        current_ = end_mark;
        return;
    }
    current_ = static_cast<unsigned char>(pieces_[piece_][position_++]);
}

void Scanner::force_end()
{
    piece_ = pieces_.size();
    current_ = end_mark;
    token_ = TokenKind::end;
}

void Scanner::fail(FormulaError error)
{
    if (failed())
        return;
    failure_.record(error);
    force_end();
}

void Scanner::fail_with_code(int32_t code)
{
    if (failed())
        return;
    failure_.record_code(code);
    force_end();
}

void Scanner::next_token()
{
    // Only the blank is skipped: a tab is an unexpected character.
    while (peek() == ' ')
        advance();
    unsigned char c = peek();
    switch (c) {
    case end_mark:
        // The end mark is never consumed: every later look sees it again.
        token_ = TokenKind::end;
        return;
    case '(':
    case '[':
        token_ = TokenKind::open;
        break;
    case ')':
    case ']':
        token_ = TokenKind::close;
        break;
    case '+':
        token_ = TokenKind::plus;
        break;
    case '-':
        token_ = TokenKind::minus;
        break;
    case '*':
        token_ = TokenKind::times;
        break;
    case '/':
        token_ = TokenKind::divide;
        break;
    case '^':
        token_ = TokenKind::power;
        break;
    default:
        if (is_digit(c) || c == '.')
            scan_number();
        else if (is_letter(c))
            scan_identifier();
        else
            fail(FormulaError::unexpected_character);
        return;
    }
    advance();
}

void Scanner::scan_digits()
{
    while (is_digit(peek())) {
        text_.push_back(static_cast<char>(peek()));
        advance();
    }
}

void Scanner::scan_number()
{
    token_ = TokenKind::number;
    text_.clear();
    value_ = 0.0;

    // Mantissa: digits with at most one point; ".5" reads as "0.5".
    bool digit_seen = is_digit(peek());
    bool point_seen = peek() == '.';
    if (point_seen)
        text_.push_back('0');
    text_.push_back(static_cast<char>(peek()));
    advance();
    while (is_digit(peek()) || peek() == '.') {
        if (peek() == '.') {
            if (point_seen) {
                fail(FormulaError::unexpected_point);
                return;
            }
            point_seen = true;
        } else {
            digit_seen = true;
        }
        text_.push_back(static_cast<char>(peek()));
        advance();
    }
    if (!digit_seen) {
        fail(FormulaError::digit_expected_in_mantissa);
        return;
    }

    // Exponent: E or e, an optional sign, at least one digit.
    if (peek() == 'E' || peek() == 'e') {
        text_.push_back(static_cast<char>(peek()));
        advance();
        if (peek() == '+' || peek() == '-') {
            text_.push_back(static_cast<char>(peek()));
            advance();
        }
        if (!is_digit(peek())) {
            fail(FormulaError::digit_expected_in_exponent);
            return;
        }
        scan_digits();
    }
    value_ = convert_number();
}

double Scanner::convert_number()
{
    // The decimal conversion refuses a number that ends with its point ("2."), although
    // it takes "5.e2".
    if (text_.back() == '.') {
        fail(FormulaError::number_out_of_range);
        return 0.0;
    }
    std::size_t mantissa_end = text_.find_first_of("Ee");
    if (mantissa_end == std::string::npos)
        mantissa_end = text_.size();
    // Zero is zero in any spelling, whatever its exponent.
    if (text_.find_first_not_of("0.") >= mantissa_end)
        return 0.0;

    double value = 0.0;
    char const* first = text_.data();
    char const* last = first + text_.size();
    auto [end, status] = std::from_chars(first, last, value, std::chars_format::general);
    double magnitude = std::fabs(value);
    if (status != std::errc{} || end != last || magnitude > limits_.overflow || magnitude < limits_.underflow) {
        fail(FormulaError::number_out_of_range);
        return 0.0;
    }
    return value;
}

void Scanner::scan_identifier()
{
    token_ = TokenKind::identifier;
    text_.clear();
    text_.push_back(static_cast<char>(peek()));
    advance();
    while (is_identifier_part(peek())) {
        text_.push_back(static_cast<char>(peek()));
        advance();
    }
}

} // namespace kelvo
