#pragma once

// Names for the cases of parameterised suites. A test's name must not change from run to
// run, or `ctest -R` and `ctest --rerun-failed` cannot find it: gtest names a case by its
// index unless told otherwise, and ctest adds the parameter as gtest prints it, which is
// its raw bytes (pointers included) for a struct without a PrintTo. Every suite therefore
// names its cases (most with one of these) and gives its parameter type a PrintTo; a ctest
// test (check_test_names.cmake) fails when a name holds raw bytes.

#include <cctype>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace case_name {

// The name generator for cases that carry their own name.
struct FromMember {
    template <typename Case>
    std::string operator()(::testing::TestParamInfo<Case> const& info) const
    {
        return std::string(info.param.name);
    }
};

// A text as a test name: letters and digits kept, '*' as "Pointer", every other run of
// characters one underscore, none at either end ("const char *" is const_char_Pointer).
inline std::string from_text(std::string_view text)
{
    std::string name;
    bool gap = false;
    for (char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '*') {
            gap = true;
            continue;
        }
        if (gap && !name.empty())
            name += '_';
        gap = false;
        name += c == '*' ? std::string_view("Pointer") : std::string_view(&c, 1);
    }
    return name;
}

} // namespace case_name
