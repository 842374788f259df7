#pragma once

// One call of an exported function with random arguments. The generated callers build each
// argument through the frame by its type; the frame owns every buffer and text it hands out
// (each allocated at its exact size, so that reading or writing past it is caught), keeps
// the call's description for the trace, and puts returned handles into their pools.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "tests/interface/random_calls/caller_contracts.h"
#include "tests/interface/random_calls/handle_pools.h"
#include "tests/interface/random_calls/misbehaving_callbacks.h"
#include "tests/interface/random_calls/session.h"
#include "tests/interface/random_calls/value_sources.h"

namespace kelvo::calls {

// Whether the call has buffers whose size a count argument might describe. The headers do
// not say which integer is a count, so in such calls no integer exceeds what every buffer
// holds: buffers hold buffer_bytes, at least 512 reals, and counts stay at or below
// largest_fitting_count (pairs of reals included).
enum class Counts { free, fit_buffers };

inline constexpr std::size_t buffer_bytes = 4096;
inline constexpr int64_t largest_fitting_count = 255;
// Fft: 2^(m+1) reals in a buffer of 512.
inline constexpr int64_t largest_fitting_exponent = 8;
// Romberg integration: at most 2^14 + 1 function values.
inline constexpr int64_t largest_work_exponent = 14;

// Compares any integer type, char and the 64-bit unsigned ones included, with a limit.
template <typename T>
bool exceeds(T value, int64_t limit)
{
    if constexpr (std::is_signed_v<T>)
        return static_cast<int64_t>(value) > limit;
    else
        return static_cast<uint64_t>(value) > static_cast<uint64_t>(limit);
}

class CallFrame {
public:
    CallFrame(Session& session, char const* function, Counts counts);
    ~CallFrame();
    CallFrame(CallFrame const&) = delete;
    CallFrame& operator=(CallFrame const&) = delete;

    template <typename T>
    T integer(std::size_t index);
    template <typename T>
    T real(std::size_t index);
    uint32_t handle(std::size_t index, HandleKind kind);
    uint32_t colour(std::size_t index);
    char const* text(std::size_t index);
    char* text_buffer(std::size_t index);
    // A length byte and at most 255 bytes; T is unsigned char, const or not.
    template <typename T>
    T* short_string(std::size_t index);
    template <typename T>
    T* array(std::size_t index);
    void* block(std::size_t index);
    template <typename T>
    T* record(std::size_t index);
    template <typename T>
    T callback(std::size_t index);

    // The arguments are ready: the call starts.
    void enter();
    void returned(HandleKind kind, uint32_t value);
    void returned_block(void* block);

    char const* function() const { return function_; }
    std::vector<std::pair<HandleKind, uint32_t>> const& handles() const { return handles_; }
    std::vector<double*> const& derivative_outputs() const { return derivative_outputs_; }

private:
    // A zeroed buffer of exactly that many bytes, aligned for any scalar, owned by the frame.
    std::byte* new_buffer(std::size_t bytes);
    void fill_random(std::byte* bytes, std::size_t count);
    Contract contract(std::size_t index, std::initializer_list<Contract> allowed) const;
    void describe(std::string const& argument);

    Session& session_;
    char const* function_;
    Counts counts_;
    bool entered_ = false;
    std::string arguments_;
    std::vector<std::unique_ptr<std::byte[]>> buffers_;
    std::vector<std::pair<HandleKind, uint32_t>> handles_;
    std::vector<double*> derivative_outputs_;
};

template <typename T>
T CallFrame::integer(std::size_t index)
{
    Contract const rule = contract(index, {Contract::none, Contract::buffer_exponent, Contract::work_exponent});
    Random& random = session_.random();
    T value{};
    if constexpr (std::is_same_v<T, bool>) {
        value = random.chance(50);
    } else {
        if (random.chance(5))
            value = random.chance(50) ? std::numeric_limits<T>::min() : std::numeric_limits<T>::max();
        else
            value = static_cast<T>(random_integer(random, session_.numbers())); // wraps, as C conversions do
        int64_t const limit = rule == Contract::buffer_exponent ? largest_fitting_exponent
                              : rule == Contract::work_exponent ? largest_work_exponent
                              : counts_ == Counts::fit_buffers  ? largest_fitting_count
                                                                : -1;
        if (limit >= 0 && exceeds(value, limit))
            value = static_cast<T>(static_cast<uint64_t>(value) % static_cast<uint64_t>(limit + 1));
    }
    if constexpr (std::is_signed_v<T>)
        describe(std::to_string(static_cast<int64_t>(value)));
    else
        describe(std::to_string(static_cast<uint64_t>(value)));
    return value;
}

template <typename T>
T CallFrame::real(std::size_t index)
{
    contract(index, {Contract::none});
    double const drawn = random_real(session_.random());
    T value = static_cast<T>(drawn);
    if constexpr (!std::is_same_v<T, double> && !std::is_same_v<T, long double>) {
        // A real too large for the narrower type becomes its infinity, as the hardware does.
        if (std::isfinite(drawn) && std::fabs(drawn) > std::numeric_limits<T>::max())
            value = std::copysign(std::numeric_limits<T>::infinity(), static_cast<T>(drawn > 0 ? 1 : -1));
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", static_cast<double>(value));
    describe(text);
    return value;
}

template <typename T>
T* CallFrame::short_string(std::size_t index)
{
    static_assert(std::is_same_v<std::remove_const_t<T>, unsigned char>);
    contract(index, {Contract::none});
    Random& random = session_.random();
    if (random.chance(5)) {
        describe("null");
        return nullptr;
    }
    std::byte* buffer = new_buffer(buffer_bytes);
    fill_random(buffer, buffer_bytes);
    std::string text = random_text(random);
    if (text.size() > 255)
        text.resize(255);
    // Sometimes the length byte claims more or less than the text: it stays inside the buffer.
    auto const length = static_cast<unsigned char>(random.chance(80) ? text.size() : random.below(256));
    buffer[0] = static_cast<std::byte>(length);
    std::memcpy(buffer + 1, text.data(), text.size());
    describe("short string of " + std::to_string(length));
    return reinterpret_cast<T*>(buffer);
}

template <typename T>
T* CallFrame::array(std::size_t index)
{
    using Element = std::remove_const_t<T>;
    Contract const rule = contract(index, {Contract::none, Contract::derivatives_output});
    Random& random = session_.random();
    if (random.chance(6)) {
        describe("null");
        return nullptr;
    }
    constexpr std::size_t count = buffer_bytes / sizeof(Element);
    auto* elements = reinterpret_cast<Element*>(new_buffer(count * sizeof(Element)));
    std::string pattern;
    if constexpr (std::is_floating_point_v<Element>) {
        int const roll = static_cast<int>(random.below(4));
        double const same = random_real(random);
        for (std::size_t i = 0; i < count; ++i) {
            double const value = roll == 0   ? random_real(random)
                                 : roll == 1 ? same
                                             : std::sin(static_cast<double>(i) * 0.37) * (roll == 2 ? 1.0 : 1e3);
            elements[i] = static_cast<Element>(value);
        }
        pattern = roll == 0 ? "random" : roll == 1 ? "all " + std::to_string(same) : "smooth";
        if (rule == Contract::derivatives_output)
            derivative_outputs_.push_back(elements);
    } else {
        static_assert(std::is_integral_v<Element>, "arrays hold numbers");
        if (rule == Contract::derivatives_output)
            throw std::logic_error(std::string(function_) + ": derivatives go to a buffer of reals");
        for (std::size_t i = 0; i < count; ++i)
            elements[i] = static_cast<Element>(random_integer(random, session_.numbers()));
        pattern = "random";
    }
    describe("[" + std::to_string(count) + " " + pattern + "]");
    return elements;
}

template <typename T>
T* CallFrame::record(std::size_t index)
{
    using Record = std::remove_const_t<T>;
    static_assert(std::is_class_v<Record> || std::is_union_v<Record>,
                  "a pointer to this type has no argument rule: it is not a struct (add one to argument_rules.cpp)");
    static_assert(std::is_trivially_copyable_v<Record> && sizeof(Record) <= buffer_bytes &&
                  alignof(Record) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);
    contract(index, {Contract::none});
    Random& random = session_.random();
    if (random.chance(7)) {
        describe("null");
        return nullptr;
    }
    // A large buffer: a record, or an array of records, zeroed or full of random bytes.
    std::byte* buffer = new_buffer(buffer_bytes);
    bool const zeroed = random.chance(50);
    if (!zeroed)
        fill_random(buffer, buffer_bytes);
    describe(zeroed ? "{zeroed record}" : "{random record}");
    return reinterpret_cast<T*>(buffer);
}

template <typename T>
T CallFrame::callback(std::size_t index)
{
    if constexpr (!std::is_pointer_v<T> || !std::is_function_v<std::remove_pointer_t<T>>) {
        static_assert(std::is_pointer_v<T> && std::is_function_v<std::remove_pointer_t<T>>,
                      "this parameter type has no argument rule: a new handle, number or other typedef needs one "
                      "in argument_rules.cpp");
        return T{};
    } else {
        contract(index, {Contract::none});
        if (session_.random().chance(5)) {
            describe("null");
            return nullptr;
        }
        NamedCallback<T> const chosen = random_callback<T>(session_.random());
        describe(chosen.name);
        return chosen.function;
    }
}

} // namespace kelvo::calls
