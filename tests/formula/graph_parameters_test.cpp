#include "tests/window/graph_test_fixture.h"

#include <string>

namespace kelvo::testing {
namespace {

TEST_F(GraphTest, ParametersOfAGraphFeedItsFormulae)
{
    TkGraph graph = open(20, 20, 1);
    EXPECT_EQ(TkAddParaList(graph, "a", 3), 1);
    EXPECT_EQ(TkAddParaList(graph, "b", 2), 2);
    double value = 0;
    EXPECT_EQ(TkEvaluateEx0ByVar(graph, "a + b", &value), 0);
    EXPECT_EQ(value, 5.0);
    EXPECT_EQ(TkSetParaValue(graph, "a", 10), 1);
    EXPECT_EQ(TkEvaluateEx0ByVar(graph, "a + b", &value), 0);
    EXPECT_EQ(value, 12.0);
    EXPECT_EQ(TkSetParaValue(graph, "A", 1), 0) << "names keep their case here";
    EXPECT_EQ(TkEvaluateEx0ByVar(graph, "A + b", &value), 0) << "but not in formulae";
    EXPECT_EQ(value, 12.0);
    EXPECT_NE(TkCompileEx0(graph, "a * (b"), 0);
    EXPECT_EQ(TkCompileEx0(graph, "a * b"), 0);
}

TEST_F(GraphTest, ParameterListsHoldTwelveAndReportClashes)
{
    TkGraph graph = open(20, 20, 1);
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(TkAddParaList(graph, ("p" + std::to_string(i)).c_str(), i), i);
    EXPECT_EQ(TkAddParaList(graph, "p13", 13), 0);
    EXPECT_EQ(TkCompileParaList(graph), 0);
    TkClearParaList(graph);
    EXPECT_EQ(TkAddParaList(graph, "sin", 1), 1);
    EXPECT_EQ(TkCompileParaList(graph), 10425);
    double value = -1;
    EXPECT_EQ(TkEvaluateEx0ByVar(graph, "1 + 1", &value), 10425);
    TkClearParaList(graph);
    TkAddParaList(graph, "k", 1);
    TkAddParaList(graph, "K", 2);
    EXPECT_EQ(TkCompileParaList(graph), 10425) << "two names equal but for case";
}

TEST_F(GraphTest, WithoutAGraphFormulaeHaveNoParameters)
{
    TkGraph graph = open(20, 20, 1);
    TkAddParaList(graph, "a", 3);
    TkCloseGraph(graph);
    for (TkGraph none : {TkGraph{0}, graph}) {
        EXPECT_EQ(TkAddParaList(none, "a", 1), 0);
        EXPECT_EQ(TkSetParaValue(none, "a", 1), 0);
        TkClearParaList(none);
        EXPECT_EQ(TkCompileParaList(none), 0);
        double value = 0;
        EXPECT_EQ(TkEvaluateEx0ByVar(none, "2 * pi", &value), 0);
        EXPECT_DOUBLE_EQ(value, 2 * 3.141592653589793);
        EXPECT_NE(TkEvaluateEx0ByVar(none, "a + 1", &value), 0) << "no parameter a";
    }
}

} // namespace
} // namespace kelvo::testing
