// The symbol table: buckets, significant characters, letter case, built-ins and reset.

#include "lib/formula/symbol_table.h"

#include <gtest/gtest.h>

#include "lib/formula/formula_state.h"

namespace {

using kelvo::LetterCase;
using kelvo::SymbolKind;
using kelvo::SymbolTable;

TEST(SymbolTable, BucketFunction)
{
    // h = 2 * length, then h = (2h + upper-cased code) mod 11 per character; bucket h + 1.
    // "x": (2*2 + 88) mod 11 = 4, bucket 5.
    EXPECT_EQ(SymbolTable::bucket_of("x"), 5);
    EXPECT_EQ(SymbolTable::bucket_of("X"), 5);
    // "pi": h = 4; (8 + 80) mod 11 = 0; (0 + 73) mod 11 = 7; bucket 8.
    EXPECT_EQ(SymbolTable::bucket_of("pi"), 8);
    EXPECT_EQ(SymbolTable::bucket_of(""), 1);
    // Bytes from 128 up are not case-folded.
    EXPECT_EQ(SymbolTable::bucket_of("\xE9"), (2 * 2 + 0xE9) % 11 + 1);
}

TEST(SymbolTable, BuiltinsAreThereAfterLoad)
{
    SymbolTable const& symbols = kelvo::formula_state().symbols;
    kelvo::Symbol const* pi = symbols.look_up("Pi");
    ASSERT_NE(pi, nullptr);
    EXPECT_EQ(pi->kind, SymbolKind::constant);
    EXPECT_EQ(pi->value, 3.141592653589793);
    kelvo::Symbol const* fnh = symbols.look_up("FNH");
    ASSERT_NE(fnh, nullptr);
    EXPECT_EQ(fnh->function, kelvo::BuiltinFunction::fnH);
    EXPECT_EQ(symbols.look_up("exp")->function, kelvo::BuiltinFunction::exp);
    EXPECT_EQ(symbols.look_up("abs")->function, kelvo::BuiltinFunction::abs);
}

TEST(SymbolTable, LookupRulesForCaseAndLength)
{
    SymbolTable table;
    double a = 1, b = 2;
    table.register_variable("Speed", LetterCase::any, &a);
    table.register_variable("Mass", LetterCase::exact, &b);
    EXPECT_EQ(table.look_up("SPEED")->address, &a);
    EXPECT_EQ(table.look_up("Mass")->address, &b);
    EXPECT_EQ(table.look_up("mass"), nullptr);
    EXPECT_TRUE(table.is_defined("mass")); // the clash test ignores the case rule
    EXPECT_EQ(table.look_up("Spee"), nullptr);
}

TEST(SymbolTable, NewestEntryShadowsAndAnExactMismatchWalksOn)
{
    SymbolTable table;
    double older = 1, newer = 2;
    table.register_variable("t", LetterCase::any, &older);
    table.register_variable("T", LetterCase::exact, &newer);
    EXPECT_EQ(table.look_up("T")->address, &newer);
    // "t" does not match the exact "T", so the walk goes on to the older entry.
    EXPECT_EQ(table.look_up("t")->address, &older);
}

TEST(SymbolTable, NamesLongerThanEightCharactersCannotBeFound)
{
    SymbolTable table;
    table.register_constant("abcdefghij", LetterCase::any, 1.0);
    EXPECT_EQ(table.look_up("abcdefghij"), nullptr);
    EXPECT_EQ(table.look_up("abcdefgh"), nullptr);
    EXPECT_FALSE(table.is_defined("abcdefgh"));
    table.register_constant("abcdefgh", LetterCase::any, 2.0);
    EXPECT_EQ(table.look_up("ABCDEFGH")->value, 2.0);
}

TEST(SymbolTable, ResetKeepsExactlyTheBuiltins)
{
    SymbolTable table;
    kelvo::register_builtins(table);
    EXPECT_EQ(table.size(), 17u);
    double x = 0;
    for (char const* name : {"x", "y", "z", "alpha", "beta", "gamma", "delta"})
        table.register_variable(name, LetterCase::any, &x);
    table.register_constant("sin", LetterCase::any, 5.0); // shadows the function
    EXPECT_EQ(table.look_up("sin")->kind, SymbolKind::constant);
    table.reset_to_builtins();
    EXPECT_EQ(table.size(), 17u);
    EXPECT_EQ(table.look_up("x"), nullptr);
    EXPECT_EQ(table.look_up("sin")->kind, SymbolKind::builtin_function);
    table.release();
    EXPECT_EQ(table.size(), 0u);
}

} // namespace
