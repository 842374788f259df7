#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/case_name.h"
#include "tests/interface/random_calls/argument_rules.h"
#include "tests/interface/random_calls/caller_source.h"
#include "tests/interface/random_calls/header_numbers.h"
#include "tests/interface/random_calls/prototype.h"

namespace {

using namespace kelvo::calls;

TEST(PrototypeListing, ReadsTheRowsOfOneHeaderOnceEach)
{
    std::istringstream listing(
        "/* /usr/include/stdint.h:10:NC */ extern int other (int);\n"
        "/* /src/lib/kelvolib.h:80:NC */ extern TkArray TkNewArray1 (int32_t);\n"
        "/* /src/lib/kelvolib.h:93:NC */ extern double *TkGetArrayAddress (TkArray);\n"
        "/* /src/lib/kelvolib.h:68:NC */ extern int32_t TkGetVersion (void);\n"
        "/* /src/lib/kelvolib.h:99:NC */ extern int32_t TkGetVersion (void);\n"
        "/* /src/lib/kelvolib.h:255:NC */ extern void Rkf (int32_t, double *, TkDerivsProc, uint8_t *);\n");
    std::vector<Prototype> const found = read_prototypes(listing, "kelvolib.h");
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0].name, "TkNewArray1");
    EXPECT_EQ(found[0].return_type, "TkArray");
    EXPECT_EQ(found[0].parameters, std::vector<std::string>{"int32_t"});
    EXPECT_EQ(found[0].location, "kelvolib.h:80");
    EXPECT_EQ(found[1].return_type, "double *");
    EXPECT_TRUE(found[2].parameters.empty());
    EXPECT_EQ(found[3].parameters, (std::vector<std::string>{"int32_t", "double *", "TkDerivsProc", "uint8_t *"}));
}

TEST(PrototypeListing, SplitsFunctionPointerParametersAsOneType)
{
    Prototype const found = parse_declaration("extern double Zeroin (double (*)(double, int), const char *const, int);");
    EXPECT_EQ(found.parameters, (std::vector<std::string>{"double (*)(double, int)", "const char *", "int"}));
}

TEST(PrototypeListing, RefusesDeclarationsThatAreNotPlainPrototypes)
{
    EXPECT_THROW(parse_declaration("extern int old_style ();"), PrototypeError);
    EXPECT_THROW(parse_declaration("extern double (*chooser (int))(double);"), PrototypeError);
    EXPECT_THROW(parse_declaration("extern int unfinished (int"), PrototypeError);
    EXPECT_THROW(parse_declaration("extern int gap (int, , int);"), PrototypeError);
}

struct RuleCase {
    char const* type;
    char const* expression;
    bool is_buffer;
};

void PrintTo(RuleCase const& c, std::ostream* out)
{
    *out << '"' << c.type << '"';
}

class ArgumentRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ArgumentRules, BuildEachTypeClassByItsRule)
{
    ArgumentRule const rule = argument_rule(GetParam().type, 2);
    EXPECT_EQ(rule.expression, GetParam().expression);
    EXPECT_EQ(rule.is_buffer, GetParam().is_buffer);
}

INSTANTIATE_TEST_SUITE_P(
    TypeClasses, ArgumentRules,
    ::testing::Values(RuleCase{"int32_t", "call.integer<int32_t>(2)", false},
                      RuleCase{"uint8_t", "call.integer<uint8_t>(2)", false},
                      RuleCase{"long unsigned int", "call.integer<unsigned long>(2)", false},
                      RuleCase{"_Bool", "call.integer<bool>(2)", false},
                      RuleCase{"const int16_t", "call.integer<int16_t>(2)", false},
                      RuleCase{"double", "call.real<double>(2)", false},
                      RuleCase{"TkGraph", "call.handle(2, HandleKind::graph)", false},
                      RuleCase{"TkWnd", "call.handle(2, HandleKind::window)", false},
                      RuleCase{"TkODE", "call.handle(2, HandleKind::ode)", false},
                      RuleCase{"TkColor", "call.colour(2)", false},
                      RuleCase{"const char *", "call.text(2)", false},
                      RuleCase{"char *", "call.text_buffer(2)", true},
                      RuleCase{"const unsigned char *", "call.short_string<const unsigned char>(2)", true},
                      RuleCase{"unsigned char *", "call.short_string<unsigned char>(2)", true},
                      RuleCase{"void *", "call.block(2)", true},
                      RuleCase{"double *", "call.array<double>(2)", true},
                      RuleCase{"const int32_t *", "call.array<const int32_t>(2)", true},
                      RuleCase{"TkColor *", "call.array<TkColor>(2)", true},
                      RuleCase{"TkLabelSettings *", "call.record<TkLabelSettings>(2)", false},
                      RuleCase{"const TkActualZoom *", "call.record<const TkActualZoom>(2)", false},
                      RuleCase{"struct tm *", "call.record<struct tm>(2)", false},
                      RuleCase{"TkRealFunc", "call.callback<TkRealFunc>(2)", false},
                      RuleCase{"double (*)(double)", "call.callback<double (*)(double)>(2)", false}),
    [](auto const& info) { return case_name::from_text(info.param.type); });

TEST(ArgumentRules, RefuseTypesOutsideEveryClass)
{
    for (char const* type : {"char **", "const char *const *", "...", "struct TkLabelSettings", "enum TkMode",
                             "int (*)[4]", "__int128 unsigned"})
        EXPECT_THROW(argument_rule(type, 0), NoArgumentRule) << type;
}

TEST(ArgumentRules, PutReturnedHandlesAndBlocksIntoTheirPools)
{
    EXPECT_EQ(call_statement("TkGraph", "TkOpenGraph(a0)"), "call.returned(HandleKind::graph, TkOpenGraph(a0));");
    EXPECT_EQ(call_statement("void *", "TkNewBlock(a0)"), "call.returned_block(TkNewBlock(a0));");
    EXPECT_EQ(call_statement("void", "KpUpdate()"), "KpUpdate();");
    EXPECT_EQ(call_statement("double *", "TkGetArrayAddress(a0)"), "static_cast<void>(TkGetArrayAddress(a0));");
}

TEST(CallerSource, NamesTheFunctionWhoseParameterHasNoRule)
{
    Prototype const good = parse_declaration("extern void TkGpLine (TkGraph, int32_t);");
    Prototype bad = parse_declaration("extern void TkDrawMany (TkGraph, const char **);");
    bad.location = "kelvolib.h:300";
    try {
        static_cast<void>(callers_source({good, bad}, {}, {"lib/kelvolib.h"}));
        FAIL() << "a parameter without a rule was skipped";
    } catch (GenerationError const& error) {
        std::string const message = error.what();
        EXPECT_NE(message.find("kelvolib.h:300"), std::string::npos) << message;
        EXPECT_NE(message.find("parameter 2 of TkDrawMany"), std::string::npos) << message;
        EXPECT_NE(message.find("const char **"), std::string::npos) << message;
    }
}

TEST(CallerSource, CallsEveryFunctionAndBoundsCountsInCallsWithBuffers)
{
    std::string const source = callers_source({parse_declaration("extern void TkGpPoly (TkGraph, int32_t, const int32_t *);"),
                                               parse_declaration("extern int32_t TkSetMouseShape (TkGraph, int32_t);")},
                                              {1, 512}, {"lib/kelvolib.h"});
    EXPECT_NE(source.find("CallFrame call(session, \"TkGpPoly\", 3, Counts::fit_buffers);"), std::string::npos);
    EXPECT_NE(source.find("CallFrame call(session, \"TkSetMouseShape\", 2, Counts::free);"), std::string::npos);
    EXPECT_NE(source.find("TkGpPoly(a0, a1, a2);"), std::string::npos);
    EXPECT_NE(source.find("{\"TkSetMouseShape\", 2, call_TkSetMouseShape}"), std::string::npos);
    EXPECT_NE(source.find("1LL, 512LL,"), std::string::npos);
}

TEST(HeaderNumbers, TakesIntegersFromCodeAndCommentsButNotFromNamesOrReals)
{
    std::set<int64_t> const found = header_numbers(
        "/* Flags: bits 0..2 the drawing mode 1..4, 64 a thin border; -3 hmin; version 5.1; 1e308; 2D */\n"
        "typedef uint32_t TkColor; /* 0x00BBGGRR */ int32_t x = 0xFFFFFFFF;");
    EXPECT_EQ(found, (std::set<int64_t>{-3, 0, 1, 2, 3, 4, 64, 4294967295}));
}

} // namespace
