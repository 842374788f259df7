#include "tests/interface/random_calls/caller_source.h"

#include <sstream>

#include "tests/interface/random_calls/argument_rules.h"

namespace kelvo::calls {

namespace {

std::string spelled(Prototype const& prototype)
{
    std::string text = prototype.return_type + " " + prototype.name + "(";
    for (std::size_t i = 0; i < prototype.parameters.size(); ++i)
        text += (i == 0 ? "" : ", ") + prototype.parameters[i];
    return text + (prototype.parameters.empty() ? "void)" : ")");
}

std::string caller(Prototype const& prototype)
{
    std::vector<ArgumentRule> rules;
    for (std::size_t i = 0; i < prototype.parameters.size(); ++i) {
        try {
            rules.push_back(argument_rule(prototype.parameters[i], static_cast<int>(i)));
        } catch (NoArgumentRule const& refusal) {
            throw GenerationError(prototype.location + ": parameter " + std::to_string(i + 1) + " of " +
                                  prototype.name + ": " + refusal.what() +
                                  " (add one to tests/interface/random_calls/argument_rules.cpp)");
        }
    }
    bool has_buffer = false;
    for (ArgumentRule const& rule : rules)
        has_buffer = has_buffer || rule.is_buffer;

    std::ostringstream out;
    out << "// " << prototype.location << ": " << spelled(prototype) << "\n"
        << "void call_" << prototype.name << "(Session& session)\n{\n"
        << "    CallFrame call(session, \"" << prototype.name << "\", " << prototype.parameters.size() << ", "
        << (has_buffer ? "Counts::fit_buffers" : "Counts::free") << ");\n";
    std::string arguments;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        out << "    auto const a" << i << " = " << rules[i].expression << ";\n";
        arguments += (i == 0 ? "a" : ", a") + std::to_string(i);
    }
    // An exception that leaves the C function ends the run.
    out << "    call.enter();\n"
        << "    [&]() noexcept { " << call_statement(prototype.return_type, prototype.name + "(" + arguments + ")")
        << " }();\n"
        << "}\n\n";
    return out.str();
}

} // namespace

std::string callers_source(std::vector<Prototype> const& prototypes, std::set<int64_t> const& numbers,
                           std::vector<std::string> const& includes)
{
    std::ostringstream out;
    out << "// Made by caller_generator from the prototypes of the C interfaces; do not edit.\n\n"
        << "#include <cstddef>\n#include <cstdint>\n\n";
    for (std::string const& header : includes)
        out << "#include \"" << header << "\"\n";
    out << "#include \"tests/interface/random_calls/call_frame.h\"\n"
        << "#include \"tests/interface/random_calls/interface_function.h\"\n\n"
        << "namespace kelvo::calls {\n\nnamespace {\n\n";
    for (Prototype const& prototype : prototypes)
        out << caller(prototype);
    out << "} // namespace\n\n"
        << "std::span<InterfaceFunction const> interface_functions()\n{\n"
        << "    static constexpr InterfaceFunction functions[] = {\n";
    for (Prototype const& prototype : prototypes)
        out << "        {\"" << prototype.name << "\", " << prototype.parameters.size() << ", call_"
            << prototype.name << "},\n";
    out << "    };\n    return functions;\n}\n\n"
        << "std::span<int64_t const> interface_numbers()\n{\n"
        << "    static constexpr int64_t numbers[] = {";
    for (int64_t number : numbers)
        out << number << "LL, ";
    out << "0LL};\n    return numbers;\n}\n\n} // namespace kelvo::calls\n";
    return out.str();
}

} // namespace kelvo::calls
