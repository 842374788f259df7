#pragma once

// How the generated caller of an exported function builds each argument and keeps what the
// function returns, chosen by the parameter's type as the header spells it. Rules go by type
// class: the handle typedefs, integers of every width, reals, texts, writable buffers,
// arrays of numbers, memory blocks, records (pointers to structs) and function pointers.
//
// A type that fits no class is refused with NoArgumentRule, so that a new kind of parameter
// gets a rule instead of its function being skipped. Two classes are settled by the compiler
// when it builds the generated code, since only it knows what a typedef name stands for: a
// pointer to an unknown name must point to a struct, and an unknown name by value must be a
// function pointer; anything else stops the build with a message naming the rule.

#include <stdexcept>
#include <string>
#include <string_view>

namespace kelvo::calls {

class NoArgumentRule : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ArgumentRule {
    std::string expression; // C++ that builds the argument from the call frame "call"
    bool is_buffer = false; // points to memory whose size a count argument may describe
};

// The rule for parameter number index (from 0) of a normalised type.
ArgumentRule argument_rule(std::string_view type, int index);

// The statement that calls the function (given as "Name(a0, a1)") and keeps what it returns:
// handles go to their pools.
std::string call_statement(std::string_view return_type, std::string_view call);

} // namespace kelvo::calls
