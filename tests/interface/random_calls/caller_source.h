#pragma once

// The C++ source of the random callers: for each prototype a function that builds every
// argument by the rule of its type and calls the exported function, the table of them all,
// and the numbers the headers mention.

#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/interface/random_calls/prototype.h"

namespace kelvo::calls {

// A parameter without an argument rule, named with its function and header line.
class GenerationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// includes: the headers the callers need, as "lib/kelvolib.h".
std::string callers_source(std::vector<Prototype> const& prototypes, std::set<int64_t> const& numbers,
                           std::vector<std::string> const& includes);

} // namespace kelvo::calls
