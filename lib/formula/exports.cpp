// The exported functions of the formula subsystem.
//
// The graph-bound calls (TkClearParaList, TkAddParaList, TkSetParaValue, TkCompileParaList,
// TkCompileEx0, TkEvaluateEx0ByVar) are exported with the graph record, which holds the
// parameter list; their work is in entry_points.h.

#include <string_view>

#include "lib/formula/entry_points.h"
#include "lib/kelvolib.h"
#include "lib/runtime/guarded_call.h"

using namespace kelvo;

namespace {

// A null text reads as the empty text.
std::string_view text_of(char const* text)
{
    return text == nullptr ? std::string_view{} : std::string_view{text};
}

} // namespace

extern "C" {

int32_t TkEvaluate1ByVar(const char* formula, const char* x_name, double* result, double x)
{
    return guarded_call(int32_t{heap_error_code},
                        [&] { return evaluate_by_var(text_of(formula), text_of(x_name), x, result); });
}

int32_t TkEvaluate2ByVar(const char* formula, const char* x_name, const char* y_name, double x, double y,
                         double* result)
{
    return guarded_call(int32_t{heap_error_code}, [&] {
        return evaluate_by_var(text_of(formula), text_of(x_name), text_of(y_name), x, y, result);
    });
}

int32_t TkEvaluate3ByVar(const char* formula, const char* x_name, const char* y_name, const char* z_name, double x,
                         double y, double z, double* result)
{
    return guarded_call(int32_t{heap_error_code}, [&] {
        return evaluate_by_var(text_of(formula), text_of(x_name), text_of(y_name), text_of(z_name), x, y, z,
                               result);
    });
}

} // extern "C"
