#pragma once

// The formula entry points: prepare a formula (register the parameters and variables,
// then compile), evaluate the current formula as a function of one, two or three reals,
// and the work of the exported compile and evaluate calls.
//
// A parameter list stands for a graph: null means no graph.

#include <cstdint>
#include <string_view>

#include "lib/formula/compiled_formula.h"
#include "lib/formula/evaluator.h"
#include "lib/formula/parser.h"
#include "lib/graph/parameter_list.h"

namespace kelvo {

// Resets the symbol table and registers the list's parameters as constants: 0, or the
// name-clash code 10425 at the first name already defined (ignoring letter case).
int32_t register_parameters(ParameterList const* parameters);

// Registers the parameters and the variable names (an empty name leaves its slot unused;
// name k always uses slot k) and compiles the text. No formula on a clash (10425) or a
// compile error. The library's error state is left alone.
Compilation prepare_formula(ParameterList const* parameters, std::string_view text, std::string_view name1 = {},
                            std::string_view name2 = {}, std::string_view name3 = {});

// The current formula at a point: the arguments are stored in the slots first.
Evaluation evaluate_current(double x);
Evaluation evaluate_current(double x, double y);
Evaluation evaluate_current(double x, double y, double z);

// For callers whose functions report through the library's error state (the numerical
// methods, which run the program's own functions too): the value, with the error flag
// cleared when the evaluation succeeded and the failure reported when it did not.
double value_reporting_failure(Evaluation const& evaluation);

void release_current_formula();

// Holds the current formula for the length of one call and releases it at the end,
// whichever way the call leaves.
class CurrentFormulaScope {
public:
    CurrentFormulaScope() = default;
    ~CurrentFormulaScope() { release_current_formula(); }
    CurrentFormulaScope(CurrentFormulaScope const&) = delete;
    CurrentFormulaScope& operator=(CurrentFormulaScope const&) = delete;
};

// The graph-bound calls, against the graph's parameter list.
void clear_parameter_list(ParameterList* parameters);
int32_t add_parameter(ParameterList* parameters, std::string_view name, double value);
int32_t set_parameter_value(ParameterList* parameters, std::string_view name, double value);
int32_t compile_parameter_list(ParameterList const* parameters);
int32_t compile_ex0(ParameterList const* parameters, std::string_view text);
// Result may be null: the value is then computed and dropped.
int32_t evaluate_ex0(ParameterList const* parameters, std::string_view text, double* result);

// TkEvaluate1ByVar, TkEvaluate2ByVar, TkEvaluate3ByVar: no parameter list, one to three
// variables.
int32_t evaluate_by_var(std::string_view text, std::string_view x_name, double x, double* result);
int32_t evaluate_by_var(std::string_view text, std::string_view x_name, std::string_view y_name, double x, double y,
                        double* result);
int32_t evaluate_by_var(std::string_view text, std::string_view x_name, std::string_view y_name,
                        std::string_view z_name, double x, double y, double z, double* result);

} // namespace kelvo
