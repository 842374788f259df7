// A C++ program whose static objects hold graphs, arrays and an ODE set when the process
// ends: some are closed by the objects' destructors, the rest are left for the library.

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "lib/kelvolib.h"
#include "platform/kelvoplatform.h"

namespace {

struct Session {
    TkWnd host = 0;
    std::vector<TkGraph> graphs;
    std::vector<TkArray> arrays;
    TkODE set = 0;

    ~Session()
    {
        // Closes half of what it holds, as a careless program might.
        for (std::size_t i = 0; i < graphs.size(); i += 2)
            TkCloseGraph(graphs[i]);
        for (std::size_t i = 0; i < arrays.size(); i += 2)
            TkDisposeArray(arrays[i]);
    }
};

Session session;

} // namespace

int main(int argc, char** argv)
{
    bool const destroy_host = argc > 1 && std::strcmp(argv[1], "destroy-host") == 0;
    session.host = KpCreateHeadlessHost(400, 300);
    if (session.host == 0)
        return 1;
    for (int32_t mode = 1; mode <= 4; ++mode) {
        TkGraph const graph = TkOpenGraph(session.host, 0, (mode - 1) * 70, 400, 70, mode + 64);
        if (graph == 0)
            return 2;
        session.graphs.push_back(graph);
        TkGpCircle(graph, 30, 30, 20, 1);
        TkGpText(graph, 60, 20, std::string("mode ").append(std::to_string(mode)).c_str());
    }
    static TkImage const image = TkGetImage(session.graphs[1], 0, 0, 40, 40);
    TkPutImage(session.graphs[3], 50, 5, image, 1);
    for (int32_t n = 1; n <= 5; ++n)
        session.arrays.push_back(TkNewArray3(n, n, n));
    session.set = TkNewODE(2, "t", 1e-8, 1e-8);
    TkSetODELine(session.set, 1, "x", "y");
    TkSetODELine(session.set, 2, "y", "-x");
    TkSetODEValue(session.set, -3, 1e-12);
    TkODESolve(session.set);
    KpUpdate();
    if (destroy_host)
        KpDestroyWindow(session.host);
    return 0;
}
