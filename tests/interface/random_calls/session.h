#pragma once

// One seeded run of random calls: the pools of handles, the stack of calls under way (calls
// made from inside callbacks stack on the call that ran the callback), the driver's own
// upkeep of hosts, graphs and other handles, and the message-box and dialog answers.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/interface/random_calls/handle_pools.h"
#include "tests/interface/random_calls/interface_function.h"
#include "tests/interface/random_calls/random.h"

namespace kelvo::calls {

class CallFrame;

struct RunOptions {
    uint64_t seed = 1;
    uint64_t calls = 2000;
    double seconds = 0;         // stop after this long as well; 0: no time limit
    unsigned call_timeout = 60; // a call that takes longer (wall clock) hangs
    bool trace = false;         // print every call as it starts
    bool timings = false;       // print the calls that take longer than 50 ms
};

struct RunSummary {
    uint64_t calls = 0;
    uint64_t calls_from_callbacks = 0;
    uint64_t boxes_answered = 0;
    std::vector<std::string> never_called;
};

class Session {
public:
    explicit Session(RunOptions const& options);
    ~Session();
    Session(Session const&) = delete;
    Session& operator=(Session const&) = delete;

    RunSummary run();

    // The session whose run is under way, for callbacks and box handlers.
    static Session* active();

    Random& random() { return random_; }
    HandlePools& handles() { return handles_; }
    BlockPool& blocks() { return blocks_; }
    std::span<int64_t const> numbers() const { return numbers_; }
    std::string const& picture_directory() const { return picture_directory_; }
    RunOptions const& options() const { return options_; }
    uint64_t call_number() const { return call_number_; }

    // Frames enter when their arguments are ready and leave when the call has returned.
    void enter(CallFrame& frame, std::string const& description);
    void leave(CallFrame& frame);
    // The call whose function is running (the one a callback was passed to), or null.
    CallFrame* innermost() const { return frames_.empty() ? nullptr : frames_.back(); }

    // What callbacks do to the library while it calls them: another random call (as long as
    // the current top-level call's budget lasts), or closing, disposing or destroying the
    // handles the running call was given, and some live ones besides.
    void call_from_callback();
    void close_handles_of_running_call(HandleKind kind);

    // A call the driver makes itself (upkeep, callbacks), noted in the trace.
    void own_call(std::string_view description, std::function<void()> const& call);

private:
    void set_up();
    void maintain();
    void keep_hosts();
    void keep_graphs();
    void keep_arrays();
    void keep_ode_sets();
    void keep_images_windows_and_blocks();
    void open_graph();
    void close_handle(HandleKind kind, uint32_t value);
    std::size_t random_function();
    void call_at_random();
    void install_box_answers();
    void answer_notifications(uint32_t host);
    void while_modal(char const* what);

    RunOptions options_;
    Random random_;
    HandlePools handles_;
    BlockPool blocks_;
    std::span<InterfaceFunction const> functions_;
    std::span<int64_t const> numbers_;
    std::vector<uint64_t> calls_per_function_;
    std::vector<CallFrame*> frames_;
    std::vector<uint32_t> own_hosts_;
    std::string picture_directory_;
    uint64_t call_number_ = 0;
    uint64_t calls_from_callbacks_ = 0;
    uint64_t boxes_answered_ = 0;
    int callback_budget_ = 0;
    std::size_t total_weight_ = 0;
    std::chrono::steady_clock::time_point call_started_;
};

} // namespace kelvo::calls
