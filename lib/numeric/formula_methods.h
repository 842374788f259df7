#pragma once

// Root finding, minimisation and integration of formula text in one variable: the work of
// TkFindRootByVar, TkFindminByVar and TkIntegrateByVar.

#include <cstdint>
#include <string_view>

namespace kelvo {

// Each returns the error code: 0, a compile code 10400 to 10413, 10425 when the variable
// is named like pi or a built-in function, or the routine's numerical code (20901 when an
// evaluation failed). The result (and err_est) are written whenever the formula compiled.
int32_t find_root_by_var(std::string_view formula, std::string_view var_name, double& result, double a, double b,
                         double tol);
int32_t find_min_by_var(std::string_view formula, std::string_view var_name, double& result, double a, double b,
                        double tol);
int32_t integrate_by_var(int32_t m, std::string_view formula, std::string_view var_name, double a, double b,
                         double& result, double& err_est);

} // namespace kelvo
