#include "tests/interface/random_calls/call_frame.h"

#include <algorithm>

#include "lib/kelvolib.h"

namespace kelvo::calls {

namespace {

constexpr std::size_t every_parameter = std::numeric_limits<std::size_t>::max();
constexpr std::size_t no_parameter = every_parameter - 1;

// The first characters of a text, with bytes outside printable ASCII escaped.
std::string quoted(std::string_view text)
{
    constexpr std::size_t shown = 40;
    std::string out = "\"";
    for (std::size_t i = 0; i < std::min(text.size(), shown); ++i) {
        auto const c = static_cast<unsigned char>(text[i]);
        if (c >= 32 && c < 127 && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        }
    }
    out += "\"";
    if (text.size() > shown)
        out += "...(" + std::to_string(text.size()) + " bytes)";
    return out;
}

char const* contract_name(Contract contract)
{
    switch (contract) {
    case Contract::none:
        return "none";
    case Contract::buffer_exponent:
        return "buffer exponent";
    case Contract::work_exponent:
        return "work exponent";
    case Contract::file_path:
        return "file path";
    case Contract::pixel_area:
        return "pixel area";
    case Contract::buffer_rectangle:
        return "buffer rectangle";
    case Contract::grid_area:
        return "grid area";
    case Contract::derivatives_time:
        return "derivatives time";
    case Contract::derivatives_state:
        return "derivatives state";
    case Contract::derivatives_output:
        return "derivatives output";
    case Contract::block_to_dispose:
        return "block to dispose";
    }
    return "?";
}

} // namespace

CallFrame::CallFrame(Session& session, char const* function, std::size_t parameter_count, Counts counts)
    : session_(session)
    , function_(function)
    , counts_(counts)
{
    int const roll = static_cast<int>(session.random().below(100));
    if (roll < 35 || parameter_count == 0)
        hostile_parameter_ = every_parameter;
    else if (roll < 50)
        hostile_parameter_ = no_parameter;
    else
        hostile_parameter_ = session.random().below(parameter_count);
}

CallFrame::~CallFrame()
{
    if (entered_)
        session_.leave(*this);
}

uint32_t CallFrame::handle(std::size_t index, HandleKind kind)
{
    contract(index, {Contract::none});
    DrawnHandle drawn = session_.handles().draw(kind, session_.random(), hostility(index));
    // A window that belongs with a graph of the same call: its own window (a route to
    // itself, a mouse message to it) now and then.
    if (kind == HandleKind::window && session_.random().chance(30))
        for (auto const& [other_kind, value] : handles_)
            if (other_kind == HandleKind::graph)
                if (uint32_t const window = TkGetGraphHWnd(value); window != 0)
                    drawn = {window, "window of the graph"};
    handles_.emplace_back(kind, drawn.value);
    describe(std::string(handle_kind_name(kind)) + " " + std::to_string(drawn.value) + " (" + drawn.origin + ")");
    return drawn.value;
}

uint32_t CallFrame::colour(std::size_t index)
{
    contract(index, {Contract::none});
    uint32_t const value = random_colour(session_.random(), hostility(index));
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", value);
    describe(text);
    return value;
}

char const* CallFrame::text(std::size_t index)
{
    Contract const rule = contract(index, {Contract::none, Contract::file_path});
    if (null_pointer(index, 12))
        return nullptr;
    Random& random = session_.random();
    std::string const value = rule == Contract::file_path
                                  ? random_file_path(random, hostility(index), session_.picture_directory())
                                  : random_text(random, hostility(index));
    std::byte* buffer = new_buffer(value.size() + 1);
    std::memcpy(buffer, value.c_str(), value.size() + 1);
    // The run directory's name holds the process number: the trace names it alike in every
    // run, so that two runs of a seed can be compared.
    std::string const& directory = session_.picture_directory();
    describe(rule == Contract::file_path && value.starts_with(directory)
                 ? "<run directory>" + quoted(value.substr(directory.size()))
                 : quoted(value));
    return reinterpret_cast<char const*>(buffer);
}

char* CallFrame::text_buffer(std::size_t index)
{
    contract(index, {Contract::none});
    if (null_pointer(index, 10))
        return nullptr;
    // A text in a writable buffer, random bytes after its end.
    std::byte* buffer = new_buffer(buffer_bytes);
    fill_random(buffer, buffer_bytes);
    std::string value = random_text(session_.random(), hostility(index));
    value.resize(std::min(value.size(), buffer_bytes - 1));
    std::memcpy(buffer, value.c_str(), value.size() + 1);
    describe("char[" + std::to_string(buffer_bytes) + "] " + quoted(value));
    return reinterpret_cast<char*>(buffer);
}

void* CallFrame::block(std::size_t index)
{
    Contract const rule = contract(index, {Contract::none, Contract::block_to_dispose});
    Random& random = session_.random();
    BlockPool const& blocks = session_.blocks();
    bool const hostile = hostility(index) == Hostility::hostile;
    int const roll = static_cast<int>(random.below(100));
    if (roll < 40 && !blocks.live().empty()) {
        describe("live block");
        return blocks.live()[random.below(blocks.live().size())];
    }
    // Only a call that gives blocks back may get the address of one given back already.
    if (hostile && rule == Contract::block_to_dispose && roll < 70 && !blocks.retired().empty()) {
        describe("block given back");
        return blocks.retired()[random.below(blocks.retired().size())];
    }
    if (hostile && roll >= 85) {
        describe("null");
        return nullptr;
    }
    std::byte* buffer = new_buffer(buffer_bytes);
    fill_random(buffer, buffer_bytes);
    describe("memory[" + std::to_string(buffer_bytes) + "]");
    return buffer;
}

void CallFrame::enter()
{
    entered_ = true;
    session_.enter(*this, std::string(function_) + "(" + arguments_ + ")");
}

void CallFrame::returned(HandleKind kind, uint32_t value)
{
    session_.handles()[kind].issue(value);
}

void CallFrame::returned_block(void* block)
{
    session_.blocks().issue(block);
}

Hostility CallFrame::hostility(std::size_t index) const
{
    return hostile_parameter_ == every_parameter || hostile_parameter_ == index ? Hostility::hostile
                                                                               : Hostility::plausible;
}

int64_t CallFrame::within_pixel_area(int64_t height) const
{
    // Sizes count by their absolute values, as graph windows take them.
    auto const magnitude = [](int64_t v) { return v == INT64_MIN ? INT64_MAX : v < 0 ? -v : v; };
    int64_t const width = magnitude(previous_integer_);
    int64_t const tall = magnitude(height);
    if (width >= impossible_pixel_area || tall >= impossible_pixel_area)
        return height;
    int64_t const area = width * tall;
    if (area <= largest_pixel_area || area >= impossible_pixel_area)
        return height;
    int64_t const tallest = largest_pixel_area / width;
    int64_t const kept = tallest == 0 ? 0 : 1 + tall % tallest;
    return height < 0 ? -kept : kept;
}

int64_t CallFrame::within_buffer_rectangle(int64_t height) const
{
    constexpr int64_t colours = buffer_bytes / sizeof(uint32_t);
    int64_t const width = previous_integer_;
    if (width <= 0 || height <= 0 || (width <= colours && width * height <= colours))
        return height;
    return width > colours ? 0 : 1 + height % (colours / width);
}

int64_t CallFrame::within_grid_area(int64_t count) const
{
    // Counts below 1 are refused before anything is written.
    int64_t const reals = static_cast<int64_t>(buffer_bytes / sizeof(double));
    if (previous_integer_ < 1 || count < 1 || previous_integer_ * count <= reals)
        return count;
    return 1 + count % std::max<int64_t>(1, reals / previous_integer_);
}

bool CallFrame::null_pointer(std::size_t index, int percent)
{
    if (hostility(index) == Hostility::plausible || !session_.random().chance(percent))
        return false;
    describe("null");
    return true;
}

std::byte* CallFrame::new_buffer(std::size_t bytes)
{
    buffers_.push_back(std::make_unique<std::byte[]>(bytes));
    return buffers_.back().get();
}

void CallFrame::fill_random(std::byte* bytes, std::size_t count)
{
    Random& random = session_.random();
    for (std::size_t i = 0; i < count; i += 8) {
        uint64_t const word = random.bits();
        std::memcpy(bytes + i, &word, std::min<std::size_t>(8, count - i));
    }
}

Contract CallFrame::contract(std::size_t index, std::initializer_list<Contract> allowed) const
{
    Contract const found = contract_for(function_, index);
    if (std::find(allowed.begin(), allowed.end(), found) == allowed.end())
        throw std::logic_error(std::string("the contract \"") + contract_name(found) + "\" does not fit parameter " +
                               std::to_string(index) + " of " + function_);
    return found;
}

void CallFrame::describe(std::string const& argument)
{
    if (!arguments_.empty())
        arguments_ += ", ";
    arguments_ += argument;
}

} // namespace kelvo::calls
