// A program may close a graph while a call is working on it: from the message box that an
// error raises in debug mode, or from its own function that a curve calls. The call goes on
// without touching freed memory (the sanitizer build checks that) and the graph is gone.

#include <functional>
#include <string>
#include <utility>

#include "lib/graph/graph_table.h"
#include "platform/box/message_box.h"
#include "tests/window/graph_test_fixture.h"

namespace kelvo::testing {
namespace {

// Closes a graph from the first message box and answers Yes (go on) to every box.
class ClosingBoxes {
public:
    explicit ClosingBoxes(TkGraph graph)
        : previous_(kp::set_message_box_handler([this, graph](kp::MessageBoxRequest const&) {
            ++boxes;
            TkCloseGraph(graph);
            return kp::MessageBoxAnswer::Yes;
        }))
    {
        SetDebugMode(1);
    }
    ~ClosingBoxes()
    {
        SetDebugMode(0);
        kp::set_message_box_handler(previous_);
    }
    int boxes = 0;

private:
    kp::MessageBoxHandler previous_;
};

class ClosedDuringCall : public GraphTest {
protected:
    // Runs a call on a fresh graph whose first error box closes it.
    void expect_survives(char const* what, std::function<void(TkGraph)> const& call)
    {
        SCOPED_TRACE(what);
        TkGraph const graph = open(320, 240, 2);
        TkClearWindow(graph);
        ClosingBoxes const boxes(graph);
        call(graph);
        EXPECT_GE(boxes.boxes, 1) << "the call raised no error box";
        EXPECT_EQ(find_graph(graph), nullptr);
        // Later calls with the closed identifier do nothing.
        EXPECT_EQ(TkDrawCurve1(graph, "x", "x", 0, 1, 10, 0, 3), 0);
    }
};

TkGraph graph_of_curve = 0;

// A curve function that, on one call, asks for a symbol that does not exist.
double raising_a_box(double x)
{
    if (x > 0.5 && graph_of_curve != 0)
        TkPlotSymbol(std::exchange(graph_of_curve, 0), 42, x, x);
    return x * x;
}

TEST_F(ClosedDuringCall, ErrorBoxesThatCloseTheGraphLeaveEveryCallSafe)
{
    expect_survives("error bar", [](TkGraph g) {
        TkSetScales(g);
        TkErrorBar(g, 42, 1, 1, 2, 2);
    });
    expect_survives("symbol in space", [](TkGraph g) {
        TkSetView3D(g);
        TkSetScales(g);
        TkPlotSymbol3(g, -7, 1, 1, 1);
    });
    expect_survives("title", [](TkGraph g) {
        TkSetScales(g);
        TkGraphTitle(g, 9, "no such title");
    });
    expect_survives("curve of a function that raises a box", [](TkGraph g) {
        graph_of_curve = g;
        TkDrawCurveFunc1(g, raising_a_box, 0, 1, 50, 0, 3);
    });
}

} // namespace
} // namespace kelvo::testing
