#include "lib/formula/parser.h"

#include "lib/formula/formula_state.h"
#include "lib/runtime/error_state.h" // heap_error_code

namespace kelvo {

namespace {

class NestingGuard {
public:
    explicit NestingGuard(int32_t& depth) : depth_(++depth) {}
    ~NestingGuard() { --depth_; }
    NestingGuard(NestingGuard const&) = delete;
    NestingGuard& operator=(NestingGuard const&) = delete;
    bool too_deep() const { return depth_ > max_formula_nesting; }

private:
    int32_t& depth_;
};

} // namespace

Parser::Parser(NameList const& pieces, SymbolTable const& symbols, EvaluatorLimits const& limits)
    : scanner_(pieces, limits)
    , symbols_(symbols)
    , limits_(limits)
{
}

bool Parser::failed() const
{
    return scanner_.failed();
}

void Parser::fail(FormulaError error)
{
    scanner_.fail(error);
}

void Parser::fail_too_deep()
{
    scanner_.fail_with_code(heap_error_code);
}

Compilation Parser::compile()
{
    scanner_.start();
    expression();
    if (scanner_.token() != TokenKind::end)
        fail(FormulaError::end_of_expression_expected); // "2x", "sin(x) cos(x)"
    if (failed())
        return {nullptr, scanner_.failure()};
    return {code_.finish(), {}};
}

void Parser::expression()
{
    // A sign is allowed only here, at the start of an expression, and negates the whole
    // first term: -x^2 is -(x^2), -a*b is -(a*b), -a+b is (-a)+b.
    CodeBuilder::Mark start = code_.mark();
    if (scanner_.token() == TokenKind::minus) {
        scanner_.next_token();
        term();
        if (!failed())
            code_.negate(start);
    } else {
        if (scanner_.token() == TokenKind::plus)
            scanner_.next_token();
        term();
    }
    while (scanner_.token() == TokenKind::plus || scanner_.token() == TokenKind::minus) {
        BinaryOperation operation =
            scanner_.token() == TokenKind::plus ? BinaryOperation::add : BinaryOperation::subtract;
        scanner_.next_token();
        CodeBuilder::Mark right = code_.mark();
        term();
        if (!failed())
            code_.binary(operation, start, right);
    }
}

void Parser::term()
{
    CodeBuilder::Mark start = code_.mark();
    power();
    while (scanner_.token() == TokenKind::times || scanner_.token() == TokenKind::divide) {
        BinaryOperation operation =
            scanner_.token() == TokenKind::times ? BinaryOperation::multiply : BinaryOperation::divide;
        scanner_.next_token();
        CodeBuilder::Mark right = code_.mark();
        power();
        if (!failed())
            code_.binary(operation, start, right);
    }
}

void Parser::power()
{
    // Every level of nesting passes through here: brackets and arguments through
    // expression, and right-grouping powers directly.
    NestingGuard guard(depth_);
    if (guard.too_deep()) {
        fail_too_deep();
        return;
    }
    CodeBuilder::Mark start = code_.mark();
    factor();
    if (scanner_.token() == TokenKind::power) {
        scanner_.next_token();
        CodeBuilder::Mark right = code_.mark();
        power(); // "^" groups to the right: 2^3^2 is 2^(3^2)
        if (!failed())
            code_.binary(BinaryOperation::power, start, right);
    }
}

void Parser::factor()
{
    switch (scanner_.token()) {
    case TokenKind::number:
        code_.number(scanner_.token_value());
        scanner_.next_token();
        return;
    case TokenKind::identifier:
        name_reference();
        return;
    case TokenKind::open:
        scanner_.next_token();
        expression();
        // Either close bracket closes either open bracket: (x] is accepted.
        if (scanner_.token() == TokenKind::close)
            scanner_.next_token();
        else
            fail(FormulaError::close_bracket_expected);
        return;
    default:
        // Also an empty formula, one of blanks only, and a sign where none may stand.
        fail(FormulaError::number_or_identifier_expected);
        return;
    }
}

void Parser::name_reference()
{
    Symbol const* symbol = symbols_.look_up(scanner_.token_text());
    scanner_.next_token();
    if (symbol == nullptr) {
        fail(FormulaError::unknown_variable_name);
        return;
    }
    if (symbol->kind == SymbolKind::constant)
        code_.constant(symbol->value, limits_);
    else if (symbol->kind == SymbolKind::simple_variable)
        code_.variable(symbol->address);

    if (scanner_.token() == TokenKind::open) {
        scanner_.next_token();
        CodeBuilder::Mark argument = code_.mark();
        expression();
        if (scanner_.token() == TokenKind::close)
            scanner_.next_token();
        else
            fail(FormulaError::close_bracket_expected);
        // A function takes exactly one argument; constants and variables take none.
        if (symbol->kind == SymbolKind::constant)
            fail(FormulaError::subscript_on_constant);
        else if (symbol->kind == SymbolKind::simple_variable)
            fail(FormulaError::subscript_on_simple_variable);
        else if (!failed())
            code_.call(symbol->function, argument);
        return;
    }
    if (symbol->kind == SymbolKind::builtin_function)
        fail(FormulaError::function_argument_expected);
}

Compilation compile_formula(std::string_view text, TextForm form)
{
    NameList pieces = formula_pieces(text, form);
    FormulaState& state = formula_state();
    Parser parser(pieces, state.symbols, state.limits);
    return parser.compile();
}

} // namespace kelvo
