#include "tests/interface/random_calls/argument_rules.h"

#include <array>
#include <cctype>
#include <utility>

namespace kelvo::calls {

namespace {

// Integer spellings, as GCC writes them in its listing and as C++ may name them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 27> integer_types{{
    {"int8_t", "int8_t"},
    {"int16_t", "int16_t"},
    {"int32_t", "int32_t"},
    {"int64_t", "int64_t"},
    {"uint8_t", "uint8_t"},
    {"uint16_t", "uint16_t"},
    {"uint32_t", "uint32_t"},
    {"uint64_t", "uint64_t"},
    {"size_t", "std::size_t"},
    {"ptrdiff_t", "std::ptrdiff_t"},
    {"intptr_t", "std::intptr_t"},
    {"uintptr_t", "std::uintptr_t"},
    {"_Bool", "bool"},
    {"char", "char"},
    {"signed char", "signed char"},
    {"unsigned char", "unsigned char"},
    {"short int", "short"},
    {"short unsigned int", "unsigned short"},
    {"int", "int"},
    {"unsigned int", "unsigned int"},
    {"long int", "long"},
    {"long unsigned int", "unsigned long"},
    {"long long int", "long long"},
    {"long long unsigned int", "unsigned long long"},
    {"short", "short"},
    {"unsigned", "unsigned int"},
    {"long", "long"},
}};

constexpr std::array<std::string_view, 3> real_types{"float", "double", "long double"};

// The library's handle typedefs and the pool each one is drawn from.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> handle_types{{
    {"TkGraph", "HandleKind::graph"},
    {"TkWnd", "HandleKind::window"},
    {"TkImage", "HandleKind::image"},
    {"TkArray", "HandleKind::array"},
    {"TkODE", "HandleKind::ode"},
}};

template <std::size_t N>
std::string_view lookup(std::array<std::pair<std::string_view, std::string_view>, N> const& table,
                        std::string_view key)
{
    for (auto const& [name, value] : table)
        if (name == key)
            return value;
    return {};
}

bool is_real(std::string_view type)
{
    for (std::string_view name : real_types)
        if (name == type)
            return true;
    return false;
}

bool is_identifier(std::string_view text)
{
    if (text.empty() || std::isdigit(static_cast<unsigned char>(text.front())) != 0)
        return false;
    for (char c : text)
        if (std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '_')
            return false;
    return true;
}

// The C++ name of a scalar element type (numbers, handles, colours), or empty.
std::string scalar_element(std::string_view type)
{
    if (std::string_view integer = lookup(integer_types, type); !integer.empty())
        return std::string(integer);
    if (is_real(type) || type == "TkColor" || !lookup(handle_types, type).empty())
        return std::string(type);
    return {};
}

std::string with_index(std::string_view builder, int index)
{
    return std::string(builder) + "(" + std::to_string(index) + ")";
}

NoArgumentRule refused(std::string_view type, std::string_view why)
{
    return NoArgumentRule("no argument rule for the type \"" + std::string(type) + "\": " + std::string(why));
}

ArgumentRule pointer_rule(std::string_view type, int index)
{
    std::string_view pointee = type.substr(0, type.size() - 2); // without " *"
    bool const is_const = pointee.starts_with("const ");
    if (is_const)
        pointee.remove_prefix(6);
    if (pointee.find('*') != std::string_view::npos || pointee.find('(') != std::string_view::npos)
        throw refused(type, "pointers to pointers need a rule of their own");
    std::string const qualifier = is_const ? "const " : "";

    if (pointee == "char")
        return {with_index(is_const ? "call.text" : "call.text_buffer", index), !is_const};
    if (pointee == "unsigned char")
        return {with_index("call.short_string<" + qualifier + "unsigned char>", index), true};
    if (pointee == "void")
        return {with_index("call.block", index), true};
    if (std::string element = scalar_element(pointee); !element.empty())
        return {with_index("call.array<" + qualifier + element + ">", index), true};
    if (pointee.starts_with("struct ") || pointee.starts_with("union ")) {
        if (!is_identifier(pointee.substr(pointee.find(' ') + 1)))
            throw refused(type, "not a named struct");
        return {with_index("call.record<" + qualifier + std::string(pointee) + ">", index), false};
    }
    if (is_identifier(pointee))
        return {with_index("call.record<" + qualifier + std::string(pointee) + ">", index), false};
    throw refused(type, "the pointed-to type is neither a number, a text, a block nor a record");
}

} // namespace

ArgumentRule argument_rule(std::string_view type, int index)
{
    if (type.ends_with("**"))
        throw refused(type, "pointers to pointers need a rule of their own");
    if (type.ends_with(" *"))
        return pointer_rule(type, index);
    std::string_view value_type = type;
    if (value_type.starts_with("const "))
        value_type.remove_prefix(6); // a const value is the same argument
    if (std::string_view integer = lookup(integer_types, value_type); !integer.empty())
        return {with_index("call.integer<" + std::string(integer) + ">", index), false};
    if (is_real(value_type))
        return {with_index("call.real<" + std::string(value_type) + ">", index), false};
    if (std::string_view kind = lookup(handle_types, value_type); !kind.empty())
        return {"call.handle(" + std::to_string(index) + ", " + std::string(kind) + ")", false};
    if (value_type == "TkColor")
        return {with_index("call.colour", index), false};
    if (value_type.find("(*)(") != std::string_view::npos)
        return {with_index("call.callback<" + std::string(value_type) + ">", index), false};
    if (value_type == "..." || value_type.starts_with("struct ") || value_type.starts_with("union ") ||
        value_type.starts_with("enum "))
        throw refused(type, "variable arguments, records and enums passed by value need a rule of their own");
    if (is_identifier(value_type))
        return {with_index("call.callback<" + std::string(value_type) + ">", index), false};
    throw refused(type, "not a number, handle, colour, text, buffer, record or function pointer");
}

std::string call_statement(std::string_view return_type, std::string_view call)
{
    std::string const invocation(call);
    if (return_type == "void")
        return invocation + ";";
    if (std::string_view kind = lookup(handle_types, return_type); !kind.empty())
        return "call.returned(" + std::string(kind) + ", " + invocation + ");";
    if (return_type == "void *")
        return "call.returned_block(" + invocation + ");";
    return "static_cast<void>(" + invocation + ");";
}

} // namespace kelvo::calls
