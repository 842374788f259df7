#pragma once

// The formula compiler: a recursive-descent parser over one token of look-ahead that
// resolves every name through the symbol table and builds the compiled formula.
//
//   formula    = expression end
//   expression = [ "+" | "-" ] term { ( "+" | "-" ) term }
//   term       = power { ( "*" | "/" ) power }
//   power      = factor [ "^" power ]
//   factor     = number | name [ open expression close ] | open expression close

#include <cstdint>
#include <string_view>

#include "lib/formula/code_builder.h"
#include "lib/formula/compiled_formula.h"
#include "lib/formula/formula_text.h"
#include "lib/formula/scanner.h"
#include "lib/formula/symbol_table.h"

namespace kelvo {

// Brackets, function arguments and powers may nest this deep. Deeper text is refused like
// a request beyond the heap limit (code 1), so that hostile text cannot exhaust the stack.
inline constexpr int32_t max_formula_nesting = 512;

// A compiled formula, or none and the first failure of the compilation.
struct Compilation {
    FormulaPtr formula;
    FormulaFailure failure;
};

class Parser {
public:
    Parser(NameList const& pieces, SymbolTable const& symbols, EvaluatorLimits const& limits);

    // The compile driver: the first error wins; after it nothing is built and no formula
    // is returned. The library's error state is left alone.
    Compilation compile();

private:
    void expression();
    void term();
    void power();
    void factor();
    void name_reference();

    bool failed() const;
    void fail(FormulaError error);
    void fail_too_deep();

    Scanner scanner_;
    CodeBuilder code_;
    SymbolTable const& symbols_;
    EvaluatorLimits const& limits_;
    int32_t depth_ = 0;
};

// Compiles text against the library's symbol table.
Compilation compile_formula(std::string_view text, TextForm form = TextForm::zero_terminated);

} // namespace kelvo
