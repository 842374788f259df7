#include "tests/interface/random_calls/failure_report.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <exception>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define KELVO_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KELVO_SANITIZED 1
#endif
#endif

#if defined(KELVO_SANITIZED)
#include <sanitizer/common_interface_defs.h>
#endif

namespace kelvo::calls {

namespace {

// Everything the report prints lives in fixed storage, written as the run goes and read
// by signal handlers with nothing but write(2).
struct NotedCall {
    uint64_t number = 0;
    std::size_t depth = 0;
    char text[480] = {};
};

constexpr std::size_t calls_kept = 16;
constexpr std::size_t deepest_noted = 8;

struct ReportState {
    char program[256] = {};
    uint64_t seed = 0;
    uint64_t calls = 0;
    char const* volatile phase = "starting";
    NotedCall noted[calls_kept];
    uint64_t noted_count = 0;
    NotedCall open[deepest_noted]; // the calls under way, outermost first
    std::size_t open_count = 0;
    unsigned watchdog_seconds = 0;
};

ReportState state;

void put(char const* text)
{
    std::size_t length = std::strlen(text);
    while (length > 0) {
        ssize_t const written = ::write(STDERR_FILENO, text, length);
        if (written <= 0)
            return;
        text += written;
        length -= static_cast<std::size_t>(written);
    }
}

void put_number(uint64_t value)
{
    char digits[24];
    char* end = digits + sizeof digits;
    char* start = end;
    *--start = '\0';
    do {
        *--start = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    put(start);
}

void put_call(NotedCall const& call)
{
    put("  #");
    put_number(call.number);
    for (std::size_t d = 0; d <= call.depth; ++d)
        put("  ");
    put(call.text);
    put("\n");
}

void put_report(char const* what)
{
    put("\n==== random calls: ");
    put(what);
    put(", seed ");
    put_number(state.seed);
    put(", while ");
    put(state.phase);
    put(" ====\n");
    uint64_t const count = state.noted_count;
    if (count > 0) {
        put("the last calls:\n");
        uint64_t const first = count > calls_kept ? count - calls_kept : 0;
        for (uint64_t i = first; i < count; ++i)
            put_call(state.noted[i % calls_kept]);
    }
    if (state.open_count > 0) {
        put("under way (a call, and the calls its callbacks made):\n");
        for (std::size_t i = 0; i < state.open_count && i < deepest_noted; ++i)
            put_call(state.open[i]);
    }
    put("repeat with: ");
    put(state.program);
    put(" --seed ");
    put_number(state.seed);
    put(" --calls ");
    put_number(state.calls);
    put(" --trace\n");
}

#if defined(KELVO_SANITIZED)
void on_sanitizer_death()
{
    put_report("a sanitizer found an error");
}
#endif

void on_crash_signal(int signal)
{
    put_report(signal == SIGABRT ? "the program aborted" : "the program crashed");
    // The handler was installed to run once: the signal now ends the process as usual.
    std::raise(signal);
}

void on_alarm(int)
{
    put_report("a call hangs");
    put("(no return within ");
    put_number(state.watchdog_seconds);
    put(" seconds)\n");
#if defined(KELVO_SANITIZED)
    __sanitizer_print_stack_trace();
#endif
    ::_exit(3);
}

void on_terminate()
{
    put_report("an exception left a C function (or the driver failed)");
    try {
        if (std::exception_ptr const thrown = std::current_exception())
            std::rethrow_exception(thrown);
    } catch (std::exception const& failure) {
        put("exception: ");
        put(failure.what());
        put("\n");
    } catch (...) {
    }
    std::signal(SIGABRT, SIG_DFL);
    std::abort();
}

void install_handler(int signal, void (*handler)(int), int flags)
{
    struct sigaction action = {};
    action.sa_handler = handler;
    action.sa_flags = flags;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

} // namespace

void install_failure_report(char const* program, uint64_t seed, uint64_t calls)
{
    std::strncpy(state.program, program, sizeof state.program - 1);
    state.seed = seed;
    state.calls = calls;
    std::set_terminate(on_terminate);
    install_handler(SIGALRM, on_alarm, 0);
    install_handler(SIGABRT, on_crash_signal, SA_RESETHAND);
#if defined(KELVO_SANITIZED)
    // The sanitizers catch bad accesses, stack overflows and undefined behaviour themselves
    // and call back before the process ends.
    __sanitizer_set_death_callback(on_sanitizer_death);
#else
    // A stack overflow leaves no stack for the handler: it runs on one of its own.
    static char alternate_stack[1 << 16];
    stack_t stack = {};
    stack.ss_sp = alternate_stack;
    stack.ss_size = sizeof alternate_stack;
    sigaltstack(&stack, nullptr);
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        install_handler(signal, on_crash_signal, SA_RESETHAND | SA_ONSTACK);
#endif
}

void note_phase(char const* phase)
{
    state.phase = phase;
}

void note_call(uint64_t number, std::size_t depth, std::string_view description)
{
    NotedCall& call = state.noted[state.noted_count % calls_kept];
    call.number = number;
    call.depth = depth;
    std::size_t const length = std::min(description.size(), sizeof call.text - 1);
    std::memcpy(call.text, description.data(), length);
    call.text[length] = '\0';
    ++state.noted_count;
    if (depth < deepest_noted)
        state.open[depth] = call;
    state.open_count = depth + 1;
}

void note_return(std::size_t depth)
{
    state.open_count = depth;
}

void arm_watchdog(unsigned seconds)
{
    state.watchdog_seconds = seconds;
    ::alarm(seconds);
}

void disarm_watchdog()
{
    ::alarm(0);
}

} // namespace kelvo::calls

#if defined(KELVO_SANITIZED)
// UndefinedBehaviorSanitizer ends the process through its own runtime, which does not call
// the death callback: aborting instead lets the report's SIGABRT handler run, and the stack
// shows where the behaviour was undefined.
extern "C" char const* __ubsan_default_options()
{
    return "print_stacktrace=1:abort_on_error=1";
}
#endif
