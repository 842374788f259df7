// Calls every exported function of kelvolib.h and kelvoplatform.h with random and hostile
// arguments, in seeded runs, so that crashes, hangs, memory errors, leaks and undefined
// behaviour behind the C interfaces show up (best under the sanitizer build).
//
//     interface_random_calls [--seed N] [--calls N] [--seconds S] [--call-timeout S] [--trace] [--timings] [--list]
//
// A run ends with its graphs, arrays, ODE sets and hosts still open, as programs do: the
// library's unload at exit is part of every run. Exit code 0 when nothing went wrong.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

#include "tests/interface/random_calls/failure_report.h"
#include "tests/interface/random_calls/interface_function.h"
#include "tests/interface/random_calls/session.h"

namespace {

using namespace kelvo::calls;

bool read_options(int argc, char** argv, RunOptions& options, bool& list)
{
    for (int i = 1; i < argc; ++i) {
        std::string const option = argv[i];
        bool const has_value = i + 1 < argc;
        if (option == "--trace") {
            options.trace = true;
        } else if (option == "--timings") {
            options.timings = true;
        } else if (option == "--list") {
            list = true;
        } else if (option == "--seed" && has_value) {
            options.seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (option == "--calls" && has_value) {
            options.calls = std::strtoull(argv[++i], nullptr, 10);
        } else if (option == "--seconds" && has_value) {
            options.seconds = std::strtod(argv[++i], nullptr);
        } else if (option == "--call-timeout" && has_value) {
            options.call_timeout = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else {
            std::fprintf(stderr, "unknown option or missing value: %s\n", option.c_str());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    RunOptions options;
    bool list = false;
    if (!read_options(argc, argv, options, list)) {
        std::fprintf(stderr,
                     "usage: %s [--seed N] [--calls N] [--seconds S] [--call-timeout S] [--trace] [--timings] [--list]\n",
                     argv[0]);
        return 2;
    }
    if (list) {
        for (InterfaceFunction const& function : interface_functions())
            std::printf("%s\n", function.name);
        return 0;
    }

    install_failure_report(argv[0], options.seed, options.calls);
    auto const start = std::chrono::steady_clock::now();
    RunSummary summary;
    {
        Session session(options);
        summary = session.run();
    }
    double const seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("seed %llu: %llu calls and %llu more from callbacks, %llu boxes answered, %.1f s\n",
                static_cast<unsigned long long>(options.seed), static_cast<unsigned long long>(summary.calls),
                static_cast<unsigned long long>(summary.calls_from_callbacks),
                static_cast<unsigned long long>(summary.boxes_answered), seconds);
    if (!summary.never_called.empty() && summary.calls >= 20 * interface_functions().size()) {
        std::printf("never called:");
        for (std::string const& name : summary.never_called)
            std::printf(" %s", name.c_str());
        std::printf("\n");
    }
    std::fflush(stdout);
    // What follows is the library's unload with everything still open.
    note_phase("ending the program (the library unloads with its handles open)");
    return 0;
}
