// Writes the C++ source of the random-call driver's callers (caller_source.h) for the
// functions of the given headers.
//
//     caller_generator OUTPUT SOURCE_DIR HEADER LISTING [HEADER LISTING]...
//
// HEADER is a path below SOURCE_DIR ("lib/kelvolib.h"), LISTING GCC's -aux-info output for
// it. Fails, naming the function and the type, when a parameter has no argument rule.

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/interface/random_calls/caller_source.h"
#include "tests/interface/random_calls/header_numbers.h"
#include "tests/interface/random_calls/prototype.h"

namespace {

using namespace kelvo::calls;

std::string file_text(std::string const& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string file_name(std::string const& path)
{
    std::size_t const slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5 || (argc - 3) % 2 != 0) {
        std::cerr << "usage: caller_generator OUTPUT SOURCE_DIR HEADER LISTING [HEADER LISTING]...\n";
        return 2;
    }
    try {
        std::vector<Prototype> prototypes;
        std::set<int64_t> numbers;
        std::vector<std::string> includes;
        for (int i = 3; i + 1 < argc; i += 2) {
            std::string const header = argv[i];
            std::istringstream listing(file_text(argv[i + 1]));
            std::vector<Prototype> found = read_prototypes(listing, file_name(header));
            if (found.empty())
                throw std::runtime_error(std::string(argv[i + 1]) + " declares no function of " + header);
            prototypes.insert(prototypes.end(), found.begin(), found.end());
            numbers.merge(header_numbers(file_text(std::string(argv[2]) + "/" + header)));
            includes.push_back(header);
        }
        std::string const source = callers_source(prototypes, numbers, includes);
        std::ofstream output(argv[1], std::ios::binary);
        output << source;
        if (!output)
            throw std::runtime_error(std::string("cannot write ") + argv[1]);
    } catch (std::exception const& failure) {
        std::cerr << "caller_generator: " << failure.what() << "\n";
        return 1;
    }
    return 0;
}
