#pragma once

// Shared helpers of the formula tests: compile and evaluate text with the variables x, y
// and z registered, and read back the error code.

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "lib/formula/entry_points.h"
#include "lib/runtime/error_state.h"

namespace formula_test {

struct Outcome {
    int32_t code = 0;
    double value = 0.0;
};

// Evaluates text at (x, y, z) through the exported-call path.
inline Outcome run(std::string_view text, double x = 0.0, double y = 0.0, double z = 0.0)
{
    Outcome outcome;
    outcome.value = -12345.0;
    outcome.code = kelvo::evaluate_by_var(text, "x", "y", "z", x, y, z, &outcome.value);
    return outcome;
}

// The code of compiling text with x, y and z registered (0 when it compiles).
inline int32_t compile_code(std::string_view text)
{
    kelvo::Compilation compilation = kelvo::prepare_formula(nullptr, text, "x", "y", "z");
    int32_t code = compilation.failure.code();
    if ((code == 0) != (compilation.formula != nullptr))
        return -1; // a formula and an error, or neither: a fault of its own
    return code;
}

// Readable names for table-driven cases: letters and digits kept, everything else spelt.
inline std::string case_name(std::string_view text)
{
    std::string name;
    for (unsigned char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            name.push_back(static_cast<char>(c));
        else
            name += "_" + std::to_string(c) + "_";
    }
    return name.empty() ? "empty" : name;
}

} // namespace formula_test
