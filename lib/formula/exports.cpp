// The exported functions of the formula subsystem.

#include <string_view>

#include "lib/formula/entry_points.h"
#include "lib/kelvolib.h"
#include "lib/runtime/guarded_call.h"
#include "lib/graph/graph_table.h"

using namespace kelvo;

namespace {

// A null text reads as the empty text.
std::string_view text_of(char const* text)
{
    return text == nullptr ? std::string_view{} : std::string_view{text};
}

} // namespace

extern "C" {

void TkClearParaList(TkGraph graph)
{
    guarded_call([&] { clear_parameter_list(parameters_of(graph)); });
}

int32_t TkAddParaList(TkGraph graph, const char* name, double value)
{
    return guarded_call(int32_t{0}, [&] { return add_parameter(parameters_of(graph), text_of(name), value); });
}

int32_t TkSetParaValue(TkGraph graph, const char* name, double value)
{
    return guarded_call(int32_t{0}, [&] { return set_parameter_value(parameters_of(graph), text_of(name), value); });
}

int32_t TkCompileParaList(TkGraph graph)
{
    return guarded_code([&] { return compile_parameter_list(parameters_of(graph)); });
}

int32_t TkCompileEx0(TkGraph graph, const char* formula)
{
    return guarded_code([&] { return compile_ex0(parameters_of(graph), text_of(formula)); });
}

int32_t TkEvaluateEx0ByVar(TkGraph graph, const char* formula, double* result)
{
    return guarded_code([&] { return evaluate_ex0(parameters_of(graph), text_of(formula), result); });
}

int32_t TkEvaluate1ByVar(const char* formula, const char* x_name, double* result, double x)
{
    return guarded_code([&] { return evaluate_by_var(text_of(formula), text_of(x_name), x, result); });
}

int32_t TkEvaluate2ByVar(const char* formula, const char* x_name, const char* y_name, double x, double y,
                         double* result)
{
    return guarded_code([&] {
        return evaluate_by_var(text_of(formula), text_of(x_name), text_of(y_name), x, y, result);
    });
}

int32_t TkEvaluate3ByVar(const char* formula, const char* x_name, const char* y_name, const char* z_name, double x,
                         double y, double z, double* result)
{
    return guarded_code([&] {
        return evaluate_by_var(text_of(formula), text_of(x_name), text_of(y_name), text_of(z_name), x, y, z,
                               result);
    });
}

} // extern "C"
