#include "lib/formula/symbol_table.h"

#include <numbers>
#include <utility>

namespace kelvo {

namespace {

// Only the ASCII letters change case in names; bytes 128 to 255 are left as they are.
unsigned char upper(unsigned char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

bool equal_ignoring_case(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upper(static_cast<unsigned char>(a[i])) != upper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

bool matches(Symbol const& symbol, std::string_view name)
{
    if (symbol.cut || !equal_ignoring_case(symbol.name, name))
        return false;
    return symbol.letter_case == LetterCase::any || symbol.name == name;
}

// The built-in functions in the order that gives them the codes -1, -2, ...
constexpr std::string_view builtin_names[] = {
    "exp", "log", "ln", "sqrt", "sin", "cos", "tan", "atan",
    "acos", "asin", "cosh", "sinh", "tanh", "abs", "rnd", "fnH",
};

} // namespace

int32_t SymbolTable::bucket_of(std::string_view name)
{
    int32_t h = static_cast<int32_t>((2 * name.size()) % bucket_count);
    for (char c : name)
        h = (2 * h + upper(static_cast<unsigned char>(c))) % bucket_count;
    return h + 1;
}

std::vector<Symbol>& SymbolTable::bucket(std::string_view name)
{
    return buckets_[static_cast<std::size_t>(bucket_of(name) - 1)];
}

std::vector<Symbol> const& SymbolTable::bucket(std::string_view name) const
{
    return buckets_[static_cast<std::size_t>(bucket_of(name) - 1)];
}

void SymbolTable::add(std::string_view name, Symbol symbol)
{
    symbol.name = std::string(name.substr(0, significant_name_length));
    symbol.cut = name.size() > significant_name_length;
    bucket(name).push_back(std::move(symbol));
}

void SymbolTable::register_constant(std::string_view name, LetterCase letter_case, double value)
{
    Symbol symbol;
    symbol.kind = SymbolKind::constant;
    symbol.letter_case = letter_case;
    symbol.value = value;
    add(name, std::move(symbol));
}

void SymbolTable::register_variable(std::string_view name, LetterCase letter_case, double* address)
{
    Symbol symbol;
    symbol.kind = SymbolKind::simple_variable;
    symbol.letter_case = letter_case;
    symbol.address = address;
    add(name, std::move(symbol));
}

void SymbolTable::register_builtin(std::string_view name, BuiltinFunction function)
{
    Symbol symbol;
    symbol.kind = SymbolKind::builtin_function;
    symbol.function = function;
    add(name, std::move(symbol));
}

Symbol const* SymbolTable::look_up(std::string_view name) const
{
    std::vector<Symbol> const& chain = bucket(name);
    for (auto entry = chain.rbegin(); entry != chain.rend(); ++entry) {
        if (matches(*entry, name))
            return &*entry;
    }
    return nullptr;
}

bool SymbolTable::is_defined(std::string_view name) const
{
    for (Symbol const& entry : bucket(name)) {
        if (!entry.cut && equal_ignoring_case(entry.name, name))
            return true;
    }
    return false;
}

void SymbolTable::take_builtin_mark()
{
    for (std::size_t b = 0; b < buckets_.size(); ++b)
        builtin_mark_[b] = buckets_[b].size();
}

void SymbolTable::reset_to_builtins()
{
    for (std::size_t b = 0; b < buckets_.size(); ++b) {
        if (buckets_[b].size() > builtin_mark_[b])
            buckets_[b].resize(builtin_mark_[b]);
    }
}

void SymbolTable::release()
{
    for (std::vector<Symbol>& chain : buckets_) {
        chain.clear();
        chain.shrink_to_fit();
    }
    builtin_mark_ = {};
}

std::size_t SymbolTable::size() const
{
    std::size_t total = 0;
    for (std::vector<Symbol> const& chain : buckets_)
        total += chain.size();
    return total;
}

void register_builtins(SymbolTable& table)
{
    table.release();
    table.register_constant("pi", LetterCase::any, std::numbers::pi);
    int32_t code = -1;
    for (std::string_view name : builtin_names)
        table.register_builtin(name, static_cast<BuiltinFunction>(code--));
    table.take_builtin_mark();
}

} // namespace kelvo
