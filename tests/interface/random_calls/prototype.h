#pragma once

// The function prototypes of a C header, read from GCC's -aux-info listing of it. Each row of
// that listing names the file and line of a declaration and spells the prototype with every
// parameter's type (typedef names kept as written), for example
//
//     /* /src/lib/kelvolib.h:80:NC */ extern TkArray TkNewArray1 (int32_t);

#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo::calls {

struct Prototype {
    std::string name;
    std::string return_type;             // normalised, for example "double *"
    std::vector<std::string> parameters; // normalised types; empty for "(void)"
    std::string location;                // "kelvolib.h:80", for messages
};

// A row of the listing that does not have the shape of a plain prototype.
class PrototypeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The prototypes declared in the header whose file name is header_name (other rows, from
// headers it includes, are skipped), in the order of the listing, each name once.
std::vector<Prototype> read_prototypes(std::istream& listing, std::string_view header_name);

// One row's declaration, "extern <return> <name> (<parameters>);" without the location.
Prototype parse_declaration(std::string_view declaration);

// A type as one spelling: single spaces, "*" preceded by a space, a const that applies to
// the parameter itself (after the last "*") dropped.
std::string normalised_type(std::string_view type);

} // namespace kelvo::calls
