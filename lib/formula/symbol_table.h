#pragma once

// The library-wide table of names a formula may use: `pi`, the sixteen built-in functions
// and the parameters and variables registered for the current compilation. Names are
// resolved once, at compile time; evaluation never searches the table.
//
// The table is a fixed hash of 11 chains. Each chain is kept newest-last in a vector, so
// walking a chain from its head means walking the vector backwards, and "reset to
// built-ins" only drops the entries added after the built-in mark.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

enum class SymbolKind : uint8_t {
    constant = 0,
    simple_variable = 1,
    builtin_function = 4,
};

// Whether a name must match in letter case too. Built-ins, parameters and formula
// variables match in any case; the names of ODE sets must match exactly.
enum class LetterCase : uint8_t {
    any = 0,
    exact = 1,
};

// The built-in functions by code, in the order of their registration.
enum class BuiltinFunction : int32_t {
    exp = -1,
    log = -2,
    ln = -3,
    sqrt = -4,
    sin = -5,
    cos = -6,
    tan = -7,
    atan = -8,
    acos = -9,
    asin = -10,
    cosh = -11,
    sinh = -12,
    tanh = -13,
    abs = -14,
    rnd = -15,
    fnH = -16,
};

inline constexpr std::size_t significant_name_length = 8;
inline constexpr int32_t bucket_count = 11;

struct Symbol {
    std::string name; // at most 8 characters
    // A name registered with more than 8 characters is kept cut to 8, and no formula can
    // refer to it (a lookup needs equal lengths).
    bool cut = false;
    SymbolKind kind = SymbolKind::constant;
    LetterCase letter_case = LetterCase::any;
    double value = 0.0;         // constant
    double* address = nullptr;  // simple variable: owned by whoever registered it
    BuiltinFunction function{}; // built-in function
};

class SymbolTable {
public:
    // 1 to 11, from the full name given.
    static int32_t bucket_of(std::string_view name);

    void register_constant(std::string_view name, LetterCase letter_case, double value);
    void register_variable(std::string_view name, LetterCase letter_case, double* address);
    void register_builtin(std::string_view name, BuiltinFunction function);

    // The newest entry whose name equals name ignoring ASCII letter case; an entry with
    // LetterCase::exact must equal it exactly. Null when there is none.
    Symbol const* look_up(std::string_view name) const;
    // Whether an entry's name equals name ignoring letter case, whatever its LetterCase.
    bool is_defined(std::string_view name) const;

    // Remembers the current entries as the built-ins.
    void take_builtin_mark();
    // Drops every entry added after the built-in mark.
    void reset_to_builtins();
    // Drops every entry and the mark.
    void release();

    std::size_t size() const;

private:
    void add(std::string_view name, Symbol symbol);
    std::vector<Symbol>& bucket(std::string_view name);
    std::vector<Symbol> const& bucket(std::string_view name) const;

    std::array<std::vector<Symbol>, bucket_count> buckets_;
    std::array<std::size_t, bucket_count> builtin_mark_{};
};

// Registers `pi` and the built-in functions in their fixed order and takes the mark.
void register_builtins(SymbolTable& table);

} // namespace kelvo
