#pragma once

// The formula scanner: characters to tokens. It reads the text as a list of pieces and
// sees, after the last character (or at a carriage return), the end mark. It keeps the
// compilation's failure record, which the parser shares.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "lib/formula/evaluator_limits.h"
#include "lib/formula/formula_failure.h"
#include "lib/runtime/name_list.h"

namespace kelvo {

enum class TokenKind : uint8_t {
    number = 0,
    identifier = 1,
    open = 2,   // ( or [
    close = 3,  // ) or ]
    plus = 4,
    minus = 5,
    times = 6,
    divide = 7,
    power = 8,
    end = 9,
};

inline constexpr unsigned char end_mark = '\r';

class Scanner {
public:
    // Number literals are held to the evaluator's magnitude limits.
    Scanner(NameList const& pieces, EvaluatorLimits const& limits);

    // Reads the first character and scans the first token.
    void start();
    void next_token();

    TokenKind token() const { return token_; }
    std::string_view token_text() const { return text_; }
    double token_value() const { return value_; }

    // Records the error unless one is recorded already, and then forces the scanner to its
    // end: no piece, the end mark, the end token. Parsing unwinds from there without
    // consuming anything, and every later report finds the error already recorded.
    void fail(FormulaError error);
    // The same for a failure outside the formula error table.
    void fail_with_code(int32_t code);

    bool failed() const { return failure_.failed(); }
    FormulaFailure const& failure() const { return failure_; }

private:
    void force_end();
    unsigned char peek() const { return current_; }
    void advance();
    void scan_number();
    void scan_identifier();
    void scan_digits();
    double convert_number();

    NameList const& pieces_;
    EvaluatorLimits const& limits_;
    std::size_t piece_ = 0;
    std::size_t position_ = 0;
    unsigned char current_ = end_mark;
    TokenKind token_ = TokenKind::end;
    std::string text_;
    double value_ = 0.0;
    FormulaFailure failure_;
};

} // namespace kelvo
