#include "tests/interface/random_calls/session.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include <unistd.h>

#include "lib/kelvolib.h"
#include "platform/box/dialog.h"
#include "platform/box/message_box.h"
#include "platform/kelvoplatform.h"
#include "platform/window/host.h"
#include "tests/interface/random_calls/call_frame.h"
#include "tests/interface/random_calls/caller_contracts.h"
#include "tests/interface/random_calls/failure_report.h"

namespace kelvo::calls {

namespace {

Session* active_session = nullptr;

// How deep calls from callbacks may stack, and how many one top-level call may cause.
constexpr std::size_t deepest_call = 3;
constexpr int callback_calls_per_call = 6;
// The driver's upkeep runs before every this many calls.
constexpr uint64_t upkeep_interval = 16;
constexpr std::size_t fewest_graphs = 3;
constexpr std::size_t most_graphs = 8;
constexpr std::size_t most_arrays = 16;
constexpr std::size_t most_ode_sets = 8;
constexpr std::size_t most_images = 6;
constexpr std::size_t most_windows = 24;
constexpr std::size_t most_blocks = 16;
constexpr uint32_t outside_pixel = 0xFFFFFFFF;
constexpr int64_t largest_graph_area = int64_t{1} << 22;

std::string text_of(uint32_t value)
{
    return std::to_string(value);
}

} // namespace

Session::Session(RunOptions const& options)
    : options_(options)
    , random_(options.seed)
    , functions_(interface_functions())
    , numbers_(interface_numbers())
    , calls_per_function_(functions_.size(), 0)
{
    for (InterfaceFunction const& function : functions_)
        total_weight_ += 1 + function.parameter_count;
    std::vector<std::string> const stale = stale_contracts(functions_);
    if (!stale.empty())
        throw std::logic_error("caller contracts name parameters the headers do not declare: " + stale.front());
    picture_directory_ = (std::filesystem::temp_directory_path() /
                          ("kelvo-random-calls-" + std::to_string(::getpid())))
                             .string();
    std::filesystem::create_directories(picture_directory_);
    active_session = this;
    install_box_answers();
}

Session::~Session()
{
    kp::set_message_box_handler({});
    kp::set_dialog_handler({});
    active_session = nullptr;
    std::error_code ignored;
    std::filesystem::remove_all(picture_directory_, ignored);
}

Session* Session::active()
{
    return active_session;
}

RunSummary Session::run()
{
    note_phase("setting up");
    set_up();
    auto const start = std::chrono::steady_clock::now();
    for (call_number_ = 1; call_number_ <= options_.calls; ++call_number_) {
        if (options_.seconds > 0 &&
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() > options_.seconds)
            break;
        if ((call_number_ - 1) % upkeep_interval == 0) {
            note_phase("upkeep between calls");
            maintain();
        }
        note_phase("calling");
        call_at_random();
    }
    note_phase("ending the run");

    RunSummary summary;
    summary.calls = call_number_ - 1;
    summary.calls_from_callbacks = calls_from_callbacks_;
    summary.boxes_answered = boxes_answered_;
    for (std::size_t i = 0; i < functions_.size(); ++i)
        if (calls_per_function_[i] == 0)
            summary.never_called.emplace_back(functions_[i].name);
    return summary;
}

void Session::enter(CallFrame& frame, std::string const& description)
{
    frames_.push_back(&frame);
    std::size_t const depth = frames_.size() - 1;
    note_call(call_number_, depth, description);
    if (options_.trace)
        std::fprintf(stderr, "#%llu %*s%s\n", static_cast<unsigned long long>(call_number_),
                     static_cast<int>(2 * depth), "", description.c_str());
    if (depth == 0) {
        arm_watchdog(options_.call_timeout);
        call_started_ = std::chrono::steady_clock::now();
    }
}

void Session::leave(CallFrame& frame)
{
    // Frames leave from a destructor: one that leaves out of order is a fault of the driver,
    // and the run ends with the report.
    if (frames_.empty() || frames_.back() != &frame) {
        note_phase("leaving call frames out of order (a fault of the driver)");
        std::abort();
    }
    frames_.pop_back();
    note_return(frames_.size());
    if (frames_.empty()) {
        disarm_watchdog();
        double const seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - call_started_).count();
        if (options_.timings && seconds > 0.05)
            std::fprintf(stderr, "#%llu took %.2f s\n", static_cast<unsigned long long>(call_number_), seconds);
    }
}

std::size_t Session::random_function()
{
    // A function with more parameters has more combinations to try: it is called more often.
    std::size_t ticket = random_.below(total_weight_);
    for (std::size_t i = 0; i < functions_.size(); ++i) {
        std::size_t const weight = 1 + functions_[i].parameter_count;
        if (ticket < weight)
            return i;
        ticket -= weight;
    }
    return functions_.size() - 1;
}

void Session::call_at_random()
{
    std::size_t const index = random_function();
    callback_budget_ = callback_calls_per_call;
    ++calls_per_function_[index];
    functions_[index].call(*this);
}

void Session::call_from_callback()
{
    if (frames_.size() >= deepest_call || callback_budget_ <= 0)
        return;
    --callback_budget_;
    ++calls_from_callbacks_;
    std::size_t const index = random_function();
    ++calls_per_function_[index];
    functions_[index].call(*this);
}

void Session::close_handles_of_running_call(HandleKind kind)
{
    if (CallFrame* frame = innermost())
        for (auto const& [handle_kind, value] : frame->handles())
            if (handle_kind == kind && value != 0)
                close_handle(kind, value);
    // Now and then one that the call was not given.
    std::vector<uint32_t> const& live = handles_[kind].live();
    if (!live.empty() && random_.chance(2))
        close_handle(kind, live[random_.below(live.size())]);
}

void Session::close_handle(HandleKind kind, uint32_t value)
{
    switch (kind) {
    case HandleKind::graph:
        own_call("TkCloseGraph(" + text_of(value) + ")", [&] { TkCloseGraph(value); });
        break;
    case HandleKind::window:
        own_call("KpDestroyWindow(" + text_of(value) + ")", [&] { KpDestroyWindow(value); });
        break;
    case HandleKind::image:
        own_call("TkClearImage(" + text_of(value) + ")", [&] { TkClearImage(value); });
        break;
    case HandleKind::array:
        own_call("TkDisposeArray(" + text_of(value) + ")", [&] { TkDisposeArray(value); });
        break;
    case HandleKind::ode:
        own_call("TkDisposeODE(" + text_of(value) + ")", [&] { TkDisposeODE(value); });
        break;
    }
    handles_[kind].retire(value);
}

void Session::own_call(std::string_view description, std::function<void()> const& call)
{
    std::string const noted = "(driver) " + std::string(description);
    note_call(call_number_, frames_.size(), noted);
    if (options_.trace)
        std::fprintf(stderr, "#%llu %*s%s\n", static_cast<unsigned long long>(call_number_),
                     static_cast<int>(2 * frames_.size()), "", noted.c_str());
    call();
    note_return(frames_.size());
}

void Session::set_up()
{
    maintain();
    // Every drawing mode from the start, with and without a border.
    for (int32_t mode = 1; mode <= 4; ++mode) {
        uint32_t const host = own_hosts_[static_cast<std::size_t>(mode) % own_hosts_.size()];
        TkGraph graph = 0;
        own_call("TkOpenGraph(" + text_of(host) + ", mode " + std::to_string(mode) + ")", [&] {
            graph = TkOpenGraph(host, 10 * mode, 12 * mode, 160, 120, mode + (mode % 2) * 64);
        });
        handles_[HandleKind::graph].issue(graph);
        handles_[HandleKind::window].issue(TkGetGraphHWnd(graph));
    }
}

void Session::maintain()
{
    keep_hosts();
    keep_graphs();
    keep_arrays();
    keep_ode_sets();
    keep_images_windows_and_blocks();
}

void Session::keep_hosts()
{
    std::erase_if(own_hosts_, [](uint32_t host) { return KpGetPixel(host, 0, 0) == outside_pixel; });
    while (own_hosts_.size() < 2) {
        int32_t const width = 320 + static_cast<int32_t>(random_.below(3)) * 40;
        uint32_t host = 0;
        own_call("KpCreateHeadlessHost(" + std::to_string(width) + ", 240)",
                 [&] { host = KpCreateHeadlessHost(width, 240); });
        if (host == 0)
            throw std::runtime_error("no headless host could be made");
        own_hosts_.push_back(host);
        answer_notifications(host);
        handles_[HandleKind::window].issue(host);
    }
}

void Session::open_graph()
{
    uint32_t const host = own_hosts_[random_.below(own_hosts_.size())];
    int32_t const flags = static_cast<int32_t>(1 + random_.below(4)) | (random_.chance(30) ? 64 : 0) |
                          (random_.chance(10) ? 128 : 0);
    int32_t const x = static_cast<int32_t>(random_.between(0, 150));
    int32_t const y = static_cast<int32_t>(random_.between(0, 120));
    int32_t const width = static_cast<int32_t>(random_.between(20, 300));
    int32_t const height = static_cast<int32_t>(random_.between(20, 220));
    TkGraph graph = 0;
    own_call("TkOpenGraph(" + text_of(host) + ", " + std::to_string(x) + ", " + std::to_string(y) + ", " +
                 std::to_string(width) + ", " + std::to_string(height) + ", " + std::to_string(flags) + ")",
             [&] { graph = TkOpenGraph(host, x, y, width, height, flags); });
    if (graph == 0)
        return;
    handles_[HandleKind::graph].issue(graph);
    handles_[HandleKind::window].issue(TkGetGraphHWnd(graph));
}

void Session::keep_graphs()
{
    HandlePool& graphs = handles_[HandleKind::graph];
    for (uint32_t graph : std::vector<uint32_t>(graphs.live())) {
        if (TkGetGraphHWnd(graph) == 0)
            graphs.retire(graph);
        // A graph of more than a few million pixels costs seconds per redraw and up to
        // gigabytes of images: one call may make it, later ones should not keep drawing in it.
        else if (int64_t{TkWindowWidth(graph)} * TkWindowHeight(graph) > largest_graph_area)
            close_handle(HandleKind::graph, graph);
    }
    for (int attempt = 0; attempt < 3 && graphs.live().size() < fewest_graphs; ++attempt)
        open_graph();
    while (graphs.live().size() > most_graphs)
        close_handle(HandleKind::graph, graphs.live().front());
}

void Session::keep_arrays()
{
    HandlePool& arrays = handles_[HandleKind::array];
    for (uint32_t array : std::vector<uint32_t>(arrays.live()))
        if (TkGetArrayAddress(array) == nullptr)
            arrays.retire(array);
    if (arrays.live().size() < 2) {
        auto const n = static_cast<int32_t>(1 + random_.below(12));
        TkArray made[3] = {};
        own_call("TkNewArray1/2/3 of extent " + std::to_string(n), [&] {
            made[0] = TkNewArray1(n);
            made[1] = TkNewArray2(n, 3);
            made[2] = TkNewArray3(2, n, 2);
        });
        for (TkArray array : made)
            arrays.issue(array);
    }
    while (arrays.live().size() > most_arrays)
        close_handle(HandleKind::array, arrays.live().front());
}

void Session::keep_ode_sets()
{
    HandlePool& sets = handles_[HandleKind::ode];
    constexpr double untouched = -123456.75;
    for (uint32_t set : std::vector<uint32_t>(sets.live())) {
        double time = untouched;
        TkGetODEValueByVar(set, -1, &time);
        if (time == untouched)
            sets.retire(set);
    }
    if (sets.live().empty()) {
        TkODE set = 0;
        own_call("TkNewODE(2, \"t\", ...) with x' = y, y' = -x", [&] {
            set = TkNewODE(2, "t", 1e-8, 1e-8);
            TkSetODELine(set, 1, "x", "y");
            TkSetODELine(set, 2, "y", "-x");
            TkSetODEValue(set, 1, 1.0);
            TkSetODEValue(set, -3, 1e-12);
        });
        sets.issue(set);
    }
    while (sets.live().size() > most_ode_sets)
        close_handle(HandleKind::ode, sets.live().front());
}

void Session::keep_images_windows_and_blocks()
{
    HandlePool& images = handles_[HandleKind::image];
    std::vector<uint32_t> const& graphs = handles_[HandleKind::graph].live();
    if (images.live().empty() && !graphs.empty()) {
        TkGraph const graph = graphs.back();
        TkImage image = 0;
        own_call("TkGetImage(" + text_of(graph) + ", 0, 0, 15, 15)", [&] { image = TkGetImage(graph, 0, 0, 15, 15); });
        images.issue(image);
    }
    while (images.live().size() > most_images)
        close_handle(HandleKind::image, images.live().front());

    // Old windows go, the driver's own hosts excepted (they carry the graphs).
    HandlePool& windows = handles_[HandleKind::window];
    while (windows.live().size() > most_windows) {
        uint32_t oldest = 0;
        for (uint32_t window : windows.live())
            if (std::find(own_hosts_.begin(), own_hosts_.end(), window) == own_hosts_.end()) {
                oldest = window;
                break;
            }
        if (oldest == 0)
            break;
        close_handle(HandleKind::window, oldest);
    }

    if (blocks_.live().empty()) {
        void* block = nullptr;
        own_call("TkNewBlock(64)", [&] { block = TkNewBlock(64); });
        blocks_.issue(block);
    }
    while (blocks_.live().size() > most_blocks) {
        void* const oldest = blocks_.live().front();
        own_call("TkDisposeBlock(oldest block)", [&] { TkDisposeBlock(oldest, 0); });
        blocks_.retire(oldest);
    }
}

void Session::answer_notifications(uint32_t host)
{
    // Graphs tell their parent of paints and mouse messages, and routes bring messages
    // here too. Like callbacks, the program that hears of them may call the library again
    // or close the graph that sent them, while the graph is still handling its message.
    kp::set_host_message_handler(host, [](kp::WindowHandle, uint32_t, kp::WParam, kp::LParam value) {
        Session* session = active();
        if (session == nullptr || session->frames_.empty())
            return kp::LResult{0};
        int const roll = static_cast<int>(session->random_.below(100));
        auto const sender = static_cast<uint32_t>(value);
        std::vector<uint32_t> const& graphs = session->handles_[HandleKind::graph].live();
        if (roll < 4 && std::find(graphs.begin(), graphs.end(), sender) != graphs.end())
            session->close_handle(HandleKind::graph, sender);
        else if (roll < 8)
            session->call_from_callback();
        return kp::LResult{0};
    });
}

void Session::while_modal(char const* what)
{
    // A modal box runs an event loop: paint messages are delivered, and the program's other
    // handlers may call the library, even close the graph whose call showed the box.
    int const roll = static_cast<int>(random_.below(100));
    if (roll < 20)
        own_call(std::string("KpUpdate() while ") + what + " is up", [] { KpUpdate(); });
    else if (roll < 25)
        call_from_callback();
    else if (roll < 28)
        close_handles_of_running_call(HandleKind::graph);
}

void Session::install_box_answers()
{
    // Boxes answer at once. The debug box is never answered No, which ends the process.
    kp::set_message_box_handler([](kp::MessageBoxRequest const& request) {
        Session* session = active();
        if (session == nullptr)
            return kp::default_answer(request.buttons);
        ++session->boxes_answered_;
        Random& random = session->random_;
        session->while_modal("a message box");
        switch (request.buttons) {
        case kp::MessageBoxButtons::YesNo:
            return kp::MessageBoxAnswer::Yes;
        case kp::MessageBoxButtons::YesNoCancel:
            return random.chance(50) ? kp::MessageBoxAnswer::Yes : kp::MessageBoxAnswer::Cancel;
        case kp::MessageBoxButtons::OkCancel:
            return random.chance(50) ? kp::MessageBoxAnswer::Ok : kp::MessageBoxAnswer::Cancel;
        case kp::MessageBoxButtons::Ok:
            break;
        }
        return kp::MessageBoxAnswer::Ok;
    });
    kp::set_dialog_handler([](kp::DialogRequest const&) {
        Session* session = active();
        if (session == nullptr)
            return int32_t{1};
        ++session->boxes_answered_;
        session->while_modal("a dialog");
        return session->random_.chance(50) ? int32_t{1} : int32_t{2};
    });
}

} // namespace kelvo::calls
