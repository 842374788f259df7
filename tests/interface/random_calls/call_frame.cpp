#include "tests/interface/random_calls/call_frame.h"

#include <algorithm>
#include <stdexcept>

namespace kelvo::calls {

namespace {

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
    case Contract::derivatives_output:
        return "derivatives output";
    case Contract::block_to_dispose:
        return "block to dispose";
    }
    return "?";
}

} // namespace

CallFrame::CallFrame(Session& session, char const* function, Counts counts)
    : session_(session)
    , function_(function)
    , counts_(counts)
{
}

CallFrame::~CallFrame()
{
    if (entered_)
        session_.leave(*this);
}

uint32_t CallFrame::handle(std::size_t index, HandleKind kind)
{
    contract(index, {Contract::none});
    DrawnHandle const drawn = session_.handles().draw(kind, session_.random());
    handles_.emplace_back(kind, drawn.value);
    describe(std::string(handle_kind_name(kind)) + " " + std::to_string(drawn.value) + " (" + drawn.origin + ")");
    return drawn.value;
}

uint32_t CallFrame::colour(std::size_t index)
{
    contract(index, {Contract::none});
    uint32_t const value = random_colour(session_.random());
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", value);
    describe(text);
    return value;
}

char const* CallFrame::text(std::size_t index)
{
    Contract const rule = contract(index, {Contract::none, Contract::file_path});
    Random& random = session_.random();
    if (random.chance(7)) {
        describe("null");
        return nullptr;
    }
    std::string const value = rule == Contract::file_path ? random_file_path(random, session_.picture_directory())
                                                          : random_text(random);
    std::byte* buffer = new_buffer(value.size() + 1);
    std::memcpy(buffer, value.c_str(), value.size() + 1);
    describe(quoted(value));
    return reinterpret_cast<char const*>(buffer);
}

char* CallFrame::text_buffer(std::size_t index)
{
    contract(index, {Contract::none});
    Random& random = session_.random();
    if (random.chance(5)) {
        describe("null");
        return nullptr;
    }
    // A text in a writable buffer, random bytes after its end.
    std::byte* buffer = new_buffer(buffer_bytes);
    fill_random(buffer, buffer_bytes);
    std::string value = random_text(random);
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
    int const roll = static_cast<int>(random.below(100));
    if (roll < 30 && !blocks.live().empty()) {
        describe("live block");
        return blocks.live()[random.below(blocks.live().size())];
    }
    if (rule == Contract::block_to_dispose && roll < 45 && !blocks.retired().empty()) {
        describe("block given back");
        return blocks.retired()[random.below(blocks.retired().size())];
    }
    if (roll < 60) {
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
