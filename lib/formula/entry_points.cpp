#include "lib/formula/entry_points.h"

#include <array>

#include "lib/formula/evaluator.h"
#include "lib/formula/formula_errors.h"
#include "lib/formula/formula_state.h"
#include "lib/formula/parser.h"
#include "lib/runtime/error_state.h"
#include "lib/runtime/short_string.h"
#include "lib/runtime/text_limits.h"

namespace kelvo {

namespace {

// Sets the error code and flag without touching the message: the name-clash code has no
// row in the formula error table, so the message keeps its previous text.
void set_error_code(int32_t code)
{
    ErrorState& errors = error_state();
    errors.code = code;
    errors.flag = code != 0 ? 1 : 0;
}

int32_t register_parameters_into(SymbolTable& symbols, ParameterList const* parameters)
{
    if (parameters == nullptr)
        return 0;
    for (int32_t i = 1; i <= parameters->count(); ++i) {
        if (symbols.is_defined(parameters->name(i)))
            return name_clash_code;
        // The value is copied: a later change affects only formulae prepared after it.
        symbols.register_constant(parameters->name(i), LetterCase::any, parameters->value(i));
    }
    return 0;
}

// The three steps every exported compile or evaluate call shares: clear the error state,
// prepare the current formula, and (if that worked) compute.
template <typename Compute>
int32_t run_formula_call(ParameterList const* parameters, std::string_view text,
                         std::array<std::string_view, 3> const& names, Compute&& compute)
{
    clear_error();
    CurrentFormulaScope scope;
    FormulaState& state = formula_state();
    state.current_formula = prepare_formula(parameters, text, names[0], names[1], names[2]);
    if (error_state().flag == 0)
        compute();
    return error_state().code;
}

} // namespace

int32_t register_parameters(ParameterList const* parameters)
{
    SymbolTable& symbols = formula_state().symbols;
    symbols.reset_to_builtins();
    return register_parameters_into(symbols, parameters);
}

FormulaPtr prepare_formula(ParameterList const* parameters, std::string_view text, std::string_view name1,
                           std::string_view name2, std::string_view name3)
{
    FormulaState& state = formula_state();
    int32_t code = register_parameters(parameters);
    set_error_code(code);
    if (code != 0)
        return nullptr;

    std::array<std::string_view, variable_slot_count> const names = {name1, name2, name3};
    for (std::size_t k = 0; k < names.size(); ++k) {
        std::string_view name = cut_text(names[k], max_short_string_length);
        if (name.empty())
            continue;
        if (state.symbols.is_defined(name)) {
            set_error_code(name_clash_code);
            return nullptr;
        }
        state.symbols.register_variable(name, LetterCase::any, &state.slots[k]);
    }
    return compile_formula(text);
}

double evaluate_at(double x)
{
    FormulaState& state = formula_state();
    state.slots[0] = x;
    return evaluate(state.current_formula.get());
}

double evaluate_at(double x, double y)
{
    FormulaState& state = formula_state();
    state.slots[0] = x;
    state.slots[1] = y;
    return evaluate(state.current_formula.get());
}

double evaluate_at(double x, double y, double z)
{
    FormulaState& state = formula_state();
    state.slots[0] = x;
    state.slots[1] = y;
    state.slots[2] = z;
    return evaluate(state.current_formula.get());
}

void release_current_formula()
{
    free_formula(formula_state().current_formula);
}

void clear_parameter_list(ParameterList* parameters)
{
    if (parameters != nullptr)
        parameters->clear();
}

int32_t add_parameter(ParameterList* parameters, std::string_view name, double value)
{
    return parameters == nullptr ? 0 : parameters->add(name, value);
}

int32_t set_parameter_value(ParameterList* parameters, std::string_view name, double value)
{
    return parameters == nullptr ? 0 : parameters->set_value(name, value);
}

int32_t compile_parameter_list(ParameterList const* parameters)
{
    // A check of the list only: the error state is left alone.
    return register_parameters(parameters);
}

int32_t compile_ex0(ParameterList const* parameters, std::string_view text)
{
    return run_formula_call(parameters, text, {}, [] {});
}

int32_t evaluate_ex0(ParameterList const* parameters, std::string_view text, double* result)
{
    return run_formula_call(parameters, text, {}, [&] {
        double value = evaluate(formula_state().current_formula.get());
        if (result != nullptr)
            *result = value;
    });
}

int32_t evaluate_by_var(std::string_view text, std::string_view x_name, double x, double* result)
{
    return run_formula_call(nullptr, text, {x_name}, [&] {
        double value = evaluate_at(x);
        if (result != nullptr)
            *result = value;
    });
}

int32_t evaluate_by_var(std::string_view text, std::string_view x_name, std::string_view y_name, double x, double y,
                        double* result)
{
    return run_formula_call(nullptr, text, {x_name, y_name}, [&] {
        double value = evaluate_at(x, y);
        if (result != nullptr)
            *result = value;
    });
}

int32_t evaluate_by_var(std::string_view text, std::string_view x_name, std::string_view y_name,
                        std::string_view z_name, double x, double y, double z, double* result)
{
    return run_formula_call(nullptr, text, {x_name, y_name, z_name}, [&] {
        double value = evaluate_at(x, y, z);
        if (result != nullptr)
            *result = value;
    });
}

} // namespace kelvo
