#include "lib/formula/entry_points.h"

#include <array>

#include "lib/formula/formula_errors.h"
#include "lib/formula/formula_state.h"
#include "lib/runtime/error_state.h"
#include "lib/runtime/short_string.h"
#include "lib/runtime/text_limits.h"

namespace kelvo {

namespace {

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

Compilation failed_compilation(int32_t code)
{
    Compilation compilation;
    compilation.failure.record_code(code);
    return compilation;
}

// The steps every exported compile or evaluate call shares: clear the error state, prepare
// the current formula and, if that worked, compute; whichever failed is reported last.
template <typename Compute>
int32_t run_formula_call(ParameterList const* parameters, std::string_view text,
                         std::array<std::string_view, 3> const& names, Compute&& compute)
{
    clear_error();
    CurrentFormulaScope scope;
    Compilation compilation = prepare_formula(parameters, text, names[0], names[1], names[2]);
    if (compilation.failure.failed()) {
        compilation.failure.report();
    } else {
        formula_state().current_formula = std::move(compilation.formula);
        FormulaFailure const failure = compute();
        failure.report();
    }
    return error_state().code;
}

// The evaluation's failure, with its value stored where the caller asked (if anywhere).
FormulaFailure store_value(Evaluation const& evaluation, double* result)
{
    if (result != nullptr)
        *result = evaluation.value;
    return evaluation.failure;
}

} // namespace

int32_t register_parameters(ParameterList const* parameters)
{
    SymbolTable& symbols = formula_state().symbols;
    symbols.reset_to_builtins();
    return register_parameters_into(symbols, parameters);
}

Compilation prepare_formula(ParameterList const* parameters, std::string_view text, std::string_view name1,
                            std::string_view name2, std::string_view name3)
{
    FormulaState& state = formula_state();
    if (int32_t const code = register_parameters(parameters); code != 0)
        return failed_compilation(code);

    std::array<std::string_view, variable_slot_count> const names = {name1, name2, name3};
    for (std::size_t k = 0; k < names.size(); ++k) {
        std::string_view name = cut_text(names[k], max_short_string_length);
        if (name.empty())
            continue;
        if (state.symbols.is_defined(name))
            return failed_compilation(name_clash_code);
        state.symbols.register_variable(name, LetterCase::any, &state.slots[k]);
    }
    return compile_formula(text);
}

Evaluation evaluate_current(double x)
{
    FormulaState& state = formula_state();
    state.slots[0] = x;
    return evaluate(state.current_formula.get());
}

Evaluation evaluate_current(double x, double y)
{
    FormulaState& state = formula_state();
    state.slots[0] = x;
    state.slots[1] = y;
    return evaluate(state.current_formula.get());
}

Evaluation evaluate_current(double x, double y, double z)
{
    FormulaState& state = formula_state();
    state.slots[0] = x;
    state.slots[1] = y;
    state.slots[2] = z;
    return evaluate(state.current_formula.get());
}

double value_reporting_failure(Evaluation const& evaluation)
{
    if (evaluation.failure.failed())
        evaluation.failure.report();
    else
        error_state().flag = 0;
    return evaluation.value;
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
    return run_formula_call(parameters, text, {}, [] { return FormulaFailure{}; });
}

int32_t evaluate_ex0(ParameterList const* parameters, std::string_view text, double* result)
{
    return run_formula_call(parameters, text, {},
                            [&] { return store_value(evaluate(formula_state().current_formula.get()), result); });
}

int32_t evaluate_by_var(std::string_view text, std::string_view x_name, double x, double* result)
{
    return run_formula_call(nullptr, text, {x_name}, [&] { return store_value(evaluate_current(x), result); });
}

int32_t evaluate_by_var(std::string_view text, std::string_view x_name, std::string_view y_name, double x, double y,
                        double* result)
{
    return run_formula_call(nullptr, text, {x_name, y_name},
                            [&] { return store_value(evaluate_current(x, y), result); });
}

int32_t evaluate_by_var(std::string_view text, std::string_view x_name, std::string_view y_name,
                        std::string_view z_name, double x, double y, double z, double* result)
{
    return run_formula_call(nullptr, text, {x_name, y_name, z_name},
                            [&] { return store_value(evaluate_current(x, y, z), result); });
}

} // namespace kelvo
