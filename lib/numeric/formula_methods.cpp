#include "lib/numeric/formula_methods.h"

#include "lib/formula/entry_points.h"
#include "lib/formula/formula_state.h"
#include "lib/numeric/fmin.h"
#include "lib/numeric/romberg.h"
#include "lib/numeric/zeroin.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

// The compiled formula as a function of its one variable. The methods learn of a failure
// through the error state, as they do from a program's own function.
double formula_of_x(double x)
{
    return value_reporting_failure(evaluate_current(x));
}

// Clears the error state, prepares the formula with its variable in slot 1 and, if that
// worked, runs the method; the formula is released before the call returns.
template <typename Method>
int32_t with_formula(std::string_view formula, std::string_view var_name, Method&& method)
{
    clear_error();
    CurrentFormulaScope scope;
    Compilation compilation = prepare_formula(nullptr, formula, var_name);
    compilation.failure.report();
    formula_state().current_formula = std::move(compilation.formula);
    if (error_state().flag == 0)
        method();
    return error_state().code;
}

} // namespace

int32_t find_root_by_var(std::string_view formula, std::string_view var_name, double& result, double a, double b,
                         double tol)
{
    return with_formula(formula, var_name, [&] { result = zeroin(formula_of_x, a, b, tol); });
}

int32_t find_min_by_var(std::string_view formula, std::string_view var_name, double& result, double a, double b,
                        double tol)
{
    return with_formula(formula, var_name, [&] { result = fmin(formula_of_x, a, b, tol); });
}

int32_t integrate_by_var(int32_t m, std::string_view formula, std::string_view var_name, double a, double b,
                         double& result, double& err_est)
{
    return with_formula(formula, var_name, [&] { result = romberg(m, formula_of_x, err_est, a, b); });
}

} // namespace kelvo
